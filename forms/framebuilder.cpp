#include "framebuilder.h"

#include "boarddrag.h"
#include "pressrecord.h"
#include "twips.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
/// A control named for the program and for a screen reader.
template <typename Control>
Control* named(Control* control, const QString& name, const QString& spoken) {
    control->setObjectName(name);
    control->setAccessibleName(spoken);
    return control;
}
} // namespace

QString frameCaption(const exact::Frame& frame) {
    return QCoreApplication::translate("Frames", frame.caption);
}

FrameBuilder::FrameBuilder(QGroupBox* box, const exact::Frame& definition, PressRunner press,
                           bool pointToolTips)
    : m_box(box)
    , m_definition(&definition)
    , m_press(std::move(press))
    , m_pointToolTips(pointToolTips) {
    auto* frame = new QVBoxLayout(box); // rows beside the buttons, then any full-width rows
    frame->setContentsMargins(6, 2, 6, 4);
    auto* outer = new QHBoxLayout;
    frame->addLayout(outer);
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(3);
    m_buttons = new QVBoxLayout;
    m_buttons->setSpacing(4);
    outer->addLayout(m_rows, 1);
    outer->addLayout(m_buttons);
}

FrameBuilder FrameBuilder::addFrame(QWidget* panel, const QString& name,
                                    const exact::Frame& definition, QPoint twips, PressRunner press,
                                    bool pointToolTips) {
    auto* column = static_cast<QVBoxLayout*>(panel->layout());
    auto* box = new QGroupBox(frameCaption(definition), panel);
    box->setObjectName(name);
    declareFrame(box, definition);
    if (twips.y() > 0) box->setFixedHeight(px(twips.y()));
    column->addStretch(1);
    column->addWidget(box);
    return FrameBuilder(box, definition, std::move(press), pointToolTips);
}

QHBoxLayout* FrameBuilder::currentRow() {
    if (!m_row) {
        m_row = new QHBoxLayout;
        m_row->setSpacing(3);
        m_row->addStretch(); // widgets go before it, so every row starts at the left
        m_rows->addLayout(m_row);
    }
    return m_row;
}

void FrameBuilder::add(QWidget* widget, int stretch) {
    QHBoxLayout* row = currentRow();
    row->insertWidget(row->count() - 1, widget, stretch);
    m_caption = qobject_cast<QLabel*>(widget);
}

void FrameBuilder::addResult(QWidget* result, const QString& name) {
    result->setObjectName(name);
    markAsResult(result);
    result->setAccessibleDescription(QObject::tr("Resultado"));
    result->setMinimumWidth(90);
    // An empty result is announced by its caption rather than by the frame's
    // title, and a filled one as the caption's answer.
    if (m_caption && !m_caption->buddy()) m_caption->setBuddy(result);
    add(result, 1);
}

FrameBuilder& FrameBuilder::newRow() {
    m_row = nullptr;
    return *this;
}

FrameBuilder& FrameBuilder::indent(int pixels) {
    QHBoxLayout* row = currentRow();
    row->insertSpacing(row->count() - 1, pixels);
    return *this;
}

FrameBuilder& FrameBuilder::fullWidth() {
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(3);
    static_cast<QVBoxLayout*>(m_box->layout())->addLayout(m_rows);
    return newRow();
}

FrameBuilder& FrameBuilder::text(const QString& text) {
    add(new QLabel(text, m_box));
    return *this;
}

const exact::FrameField& FrameBuilder::nextField(bool point) {
    const exact::FrameField& f = m_definition->fields.at(m_fields++); // no more than declared
    Q_ASSERT_X((f.role == exact::Role::Point) == point, m_definition->name,
               "a field laid out where the frame declares another kind");
    return f;
}

FrameBuilder& FrameBuilder::field(const QString& initial, const QString& spoken) {
    const exact::FrameField& f = nextField(false);
    const bool number = f.role == exact::Role::Number || f.role == exact::Role::Angle;
    addField(QString::fromUtf8(f.name), initial, spoken, !number);
    return *this;
}

void FrameBuilder::addField(const QString& name, const QString& initial, const QString& spoken,
                            bool wide) {
    auto* field = named(new QLineEdit(initial, m_box), name, spoken);
    field->setFixedWidth(wide ? 170 : 44);
    if (m_pointToolTips) {
        if (name.startsWith(QLatin1String("Abcissa")))
            field->setToolTip(QObject::tr("Escreva aqui o valor da abcissa do ponto"));
        else if (name.startsWith(QLatin1String("Ordenada")))
            field->setToolTip(QObject::tr("Escreva aqui o valor da ordenada do ponto"));
    }
    add(field);
}

FrameBuilder& FrameBuilder::point(const char* x, const char* y, const QString& pointName) {
    const QString n = QString::fromUtf8(m_definition->fields.at(m_fields).name);
    point(x, y, QObject::tr("Abcissa de %1").arg(pointName),
          QObject::tr("Ordenada de %1").arg(pointName));
    nameDraggedPoint(m_box->findChild<QLineEdit*>(QStringLiteral("Abcissa") + n), pointName);
    return *this;
}

FrameBuilder& FrameBuilder::point(const char* x, const char* y, const QString& spokenX,
                                  const QString& spokenY) {
    const QString n = QString::fromUtf8(nextField(true).name);
    text(QStringLiteral("("));
    addField(QStringLiteral("Abcissa") + n, QString::fromLatin1(x), spokenX, false);
    text(QStringLiteral(","));
    addField(QStringLiteral("Ordenada") + n, QString::fromLatin1(y), spokenY, false);
    text(QStringLiteral(")"));
    m_caption = nullptr; // a closing parenthesis names nothing
    return *this;
}

FrameBuilder& FrameBuilder::option(const QString& caption, const QString& spoken, bool checked) {
    const QString name = QString::fromUtf8(m_definition->options.at(m_options++).button);
    auto* option = named(new QRadioButton(caption, m_box), name, spoken);
    option->setChecked(checked);
    add(option);
    return *this;
}

FrameBuilder& FrameBuilder::result(const QString& name) {
    auto* label = new QLabel(m_box);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addResult(label, name);
    m_caption = nullptr; // one result does not name the next
    return *this;
}

FrameBuilder& FrameBuilder::resultField(const QString& name) {
    addResult(new QLineEdit(m_box), name);
    return *this;
}

FrameBuilder& FrameBuilder::dadosResolver(int n, std::function<void()> routine,
                                          const QString& resolverTip) {
    pressButton(PressKind::Dados, QStringLiteral("Dados%1").arg(n),
                QObject::tr("Desenha os dados do problema."), routine, false);
    pressButton(PressKind::Resolver, QStringLiteral("Resolver%1").arg(n), resolverTip,
                std::move(routine), true);
    m_buttons->addStretch(1);
    return *this;
}

FrameBuilder& FrameBuilder::resolverOnly(const QString& name, std::function<void()> routine,
                                         const QString& tip) {
    pressButton(PressKind::Resolver, name, tip, std::move(routine), false);
    m_buttons->addStretch(1);
    return *this;
}

namespace {
constexpr char PressProperty[] = "ortoplanoPress";
}

void FrameBuilder::pressButton(PressKind kind, const QString& name, const QString& tip,
                               std::function<void()> routine, bool solving) {
    auto* button = new QPushButton(
        kind == PressKind::Dados ? QObject::tr("Dados") : QObject::tr("Resolver"), m_box);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setProperty(PressProperty, int(kind));
    QObject::connect(button, &QPushButton::clicked, m_box,
                     [press = m_press, routine = std::move(routine), solving, box = m_box] {
                         press(routine, solving, box);
                     });
    m_buttons->addWidget(button);
}

QPushButton* frameButton(const QGroupBox* frame, PressKind kind) {
    if (!frame) return nullptr;
    for (QPushButton* button : frame->findChildren<QPushButton*>()) {
        const QVariant k = button->property(PressProperty);
        if (k.isValid() && k.toInt() == int(kind)) return button;
    }
    return nullptr;
}
