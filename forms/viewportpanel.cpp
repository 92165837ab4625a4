#include "viewportpanel.h"

#include "formwindow.h"
#include "numbered_error.h"
#include "spinarrows.h"
#include "textrules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
/// The four limits of the viewport, each with its label and spin arrows.
struct Bound {
    const char* name;
    const char* label;
    const char* initial;
    const char* spin;
    const char* spinTip;
    int row, column;
};
constexpr Bound Bounds[] = {
    {"Xmin", "Xmínimo:", "-10", "UpDown1", "Altera o valor de Xmín", 0, 0},
    {"Xmax", "Xmáximo:", "10", "UpDown3", "Altera o valor de Xmáx", 0, 3},
    {"Ymin", "Ymínimo:", "-10", "UpDown2", "Altera o valor de Ymín", 1, 0},
    {"Ymax", "Ymáximo:", "10", "UpDown4", "Altera o valor de Ymáx", 1, 3},
};
} // namespace

ViewportPanel::ViewportPanel(QWidget* panel, const FormLayout& layout)
    : QObject(panel) {
    auto* box = new QGroupBox(tr("Eixos"), panel);
    box->setObjectName(QStringLiteral("FrameEixos"));
    box->setFixedHeight(px(layout.eixos.height()));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i)
        addBoundField(grid, i, layout.spinToolTips);
    m_grid = new QCheckBox(tr("Desenhar grelha"), box);
    m_grid->setObjectName(QStringLiteral("DesenharGrelha"));
    m_grid->setToolTip(
        tr("Coloque a marca para que seja desenhada uma grelha na janela de desenho"));
    auto* note = new QLabel(
        tr("(quando | Xmax-Xmin | > 50, não se graduam os eixos nem existe grelha)"), box);
    note->setObjectName(QStringLiteral("Nota"));
    note->setWordWrap(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(note, 1);
    bottom->addWidget(m_grid);
    grid->addLayout(bottom, 2, 0, 1, 6);
    static_cast<QVBoxLayout*>(panel->layout())->addWidget(box);
}

void ViewportPanel::addBoundField(QGridLayout* grid, int index, bool spinToolTips) {
    const Bound& b = Bounds[index];
    QWidget* box = grid->parentWidget();
    auto* label = new QLabel(QString::fromUtf8(b.label), box);
    auto* field = new QLineEdit(QString::fromLatin1(b.initial), box);
    field->setObjectName(QString::fromLatin1(b.name));
    field->setFixedWidth(48);
    field->setAccessibleName(QString::fromUtf8(b.label).chopped(1));
    label->setBuddy(field);
    field->installEventFilter(this); // Up and Down step it as the arrows do
    auto* spin = new SpinArrows(QString::fromLatin1(b.spin), field->accessibleName(), box);
    spin->setAccessibleName(QString::fromUtf8(b.spinTip));
    if (spinToolTips) spin->setToolTip(QString::fromUtf8(b.spinTip));
    connect(spin, &SpinArrows::stepped, this, [this, index](int delta) { stepSpin(index, delta); });
    grid->addWidget(label, b.row, b.column);
    grid->addWidget(field, b.row, b.column + 1);
    grid->addWidget(spin, b.row, b.column + 2);
    m_bounds.at(std::size_t(index)) = field;
}

bool ViewportPanel::draw(Board& board) {
    ViewportTexts limits;
    for (std::size_t i = 0; i < limits.size(); ++i)
        limits.at(i) = m_bounds.at(i)->text();
    return Axes::draw(board, m_view, limits, m_grid->isChecked(), TextRules::localSeparator());
}

QLineEdit* ViewportPanel::unreadableBound() const {
    for (QLineEdit* field : m_bounds) {
        try {
            Axes::readLimit(field->text());
        } catch (const NumberedError&) {
            return field;
        }
    }
    return nullptr;
}

void ViewportPanel::stepSpin(int index, int delta) {
    // Each arrow moves its own bound, then the paired one: Xmin with Ymin,
    // Xmax with Ymax, so a square viewport stays square.
    static constexpr int order[4][2] = {{0, 2}, {1, 3}, {2, 0}, {3, 1}};
    for (int which : order[index]) {
        QLineEdit* field = m_bounds.at(std::size_t(which));
        const std::optional<double> value = TextRules::plainNumber(field->text());
        if (value && std::isfinite(*value)) // a field that holds no plain number is left as it is
            field->setText(TextRules::number(*value + delta, TextRules::localSeparator()));
    }
}

bool ViewportPanel::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QObject::eventFilter(watched, e);
    const auto* key = static_cast<QKeyEvent*>(e);
    const int delta = key->key() == Qt::Key_Up ? 1 : key->key() == Qt::Key_Down ? -1 : 0;
    const auto field = std::find(m_bounds.begin(), m_bounds.end(), watched);
    if (delta == 0 || key->modifiers() != Qt::NoModifier || field == m_bounds.end())
        return QObject::eventFilter(watched, e);
    stepSpin(int(field - m_bounds.begin()), delta);
    return true;
}
