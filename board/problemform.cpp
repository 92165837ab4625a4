#include "problemform.h"

#include "accessiblewindow.h"
#include "activation.h"
#include "boardmenu.h"
#include "clsequation.h"
#include "equationsampler.h"
#include "messages.h"
#include "navigationtable.h"
#include "numbered_error.h"
#include "spinarrows.h"
#include "textrules.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <new>

namespace {

/// Layouts are given in twips; 15 twips make one pixel.
constexpr int px(int twips) {
    return twips / 15;
}

constexpr int ButtonRowHeight = 60;
constexpr int FormMargin = 4;

/// The graduation loops run over as many values as the typed viewport asks
/// for, up to this bound: 5001 ticks on one axis are already far more than
/// the 631 pixels of the board can tell apart, and the bound keeps a
/// viewport such as 0..1E+9 from stalling the program.
constexpr int MaxGraduationSteps = 5001;

/// Marks the controls that hold a frame's results rather than its data.
constexpr char ResultProperty[] = "ortoplanoResult";

QFont namedFont(const QString& family, const QString& fallback, int pixelSize) {
    QFont font;
    font.setFamilies({family, fallback});
    font.setPixelSize(pixelSize);
    return font;
}

/// A 32-bit float computed from the viewport, which overflows as the
/// program's single-precision arithmetic does.
float single(float value) {
    if (!std::isfinite(value)) Fault::raise(Fault::Overflow);
    return value;
}

/// What a frame's fields and options hold as its button is pressed.
PressRecord recordOf(QGroupBox* frame) {
    PressRecord record;
    record.frame = frame;
    if (!frame) return record;
    for (const QLineEdit* field : frame->findChildren<QLineEdit*>())
        if (!field->property(ResultProperty).toBool())
            record.typed.insert(field->objectName(), field->text());
    for (const QRadioButton* option : frame->findChildren<QRadioButton*>())
        if (option->isChecked()) record.checked.insert(option->objectName());
    return record;
}

/// One control of a frame as text on a sheet; buttons have none.
QString controlText(const QWidget* w, const PressRecord& record) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* field = qobject_cast<const QLineEdit*>(w))
        return field->property(ResultProperty).toBool()
                   ? field->text()
                   : record.typed.value(field->objectName(), field->text());
    if (auto* option = qobject_cast<const QRadioButton*>(w))
        return (record.checked.contains(option->objectName()) ? QStringLiteral("\u25CF ")
                                                              : QStringLiteral("\u25CB ")) +
               option->text();
    return {};
}

/// A row's texts side by side, with the point brackets closed up: "(2 , -2)".
QString joinRow(const QStringList& words) {
    QString row = words.join(QLatin1Char(' '));
    row.replace(QLatin1String("( "), QLatin1String("("));
    row.replace(QLatin1String(" )"), QLatin1String(")"));
    return row;
}

/// The frame's rows in reading order, one line each (the builder lays each
/// row out as a horizontal box inside nested vertical ones).
void collectRows(const QLayout* layout, const PressRecord& record, QStringList& lines) {
    QStringList words;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->layout()) collectRows(item->layout(), record, lines);
        if (item->widget()) {
            const QString text = controlText(item->widget(), record);
            if (!text.isEmpty()) words << text;
        }
    }
    if (!words.isEmpty()) lines << joinRow(words);
}

} // namespace

// --- construction ---------------------------------------------------------

ProblemForm::ProblemForm(const FormTraits& traits, QWidget* parent)
    : QWidget(parent)
    , m_traits(traits)
    , m_board(new Board(this)) {
    ActivationTracker::install();
    announceAsWindow("ProblemForm");
    setObjectName(traits.objectName);
    setWindowTitle(QStringLiteral("ORTOPLANO PLANA"));
    // Every form has the same caption; a screen reader says which topic it is.
    setAccessibleName(traits.title + QStringLiteral(" — ORTOPLANO PLANA"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(namedFont(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), 11));
    buildCommonPart();
    m_boardMenu = new BoardMenu(
        m_board, [this] { return sheet(); }, this);
    m_modoResolver = false;
}

ProblemForm::~ProblemForm() = default;

void ProblemForm::buildCommonPart() {
    const int shift = px(m_traits.boardLeft - 60);
    auto* title = new QLabel(m_traits.title, this);
    title->setObjectName(QStringLiteral("Titulo"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(px(m_traits.boardLeft), px(1020), px(9465), px(345));

    m_board->move(px(m_traits.boardLeft), px(1440));
    m_board->ScaleModePixels();

    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Painel"));
    m_panel->setGeometry(px(9600) + shift, px(1320), px(5565), px(9600));
    auto* column = new QVBoxLayout(m_panel);
    column->setContentsMargins(px(m_traits.eixos.left()), px(m_traits.eixos.top()), FormMargin,
                               px(9600 - 9465));
    column->setSpacing(0);
    buildEixosFrame(m_panel);

    m_scratch = new QLineEdit(m_traits.scratchName, this);
    m_scratch->setObjectName(m_traits.scratchName);
    m_scratch->hide();

    buildButtonRow();
    setFixedSize(m_panel->geometry().right() + 1 + FormMargin,
                 m_board->geometry().bottom() + 1 + FormMargin);
}

namespace {
/// A button of the row that leads to the other topics, the help and out.
QToolButton* addRowButton(QHBoxLayout* row, const QString& name, const QString& caption,
                          const QString& tip, const QString& icon) {
    auto* button = new QToolButton(row->parentWidget());
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(tip);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(namedFont(QStringLiteral("MS Serif"), QStringLiteral("DejaVu Serif"), 11));
    button->setFocusPolicy(Qt::StrongFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->addWidget(button);
    return button;
}
} // namespace

void ProblemForm::buildButtonRow() {
    m_buttonRow = new QWidget(this);
    m_buttonRow->setObjectName(QStringLiteral("Botoes"));
    auto* layout = new QHBoxLayout(m_buttonRow);
    layout->setContentsMargins(FormMargin, FormMargin, FormMargin, 0);
    layout->setSpacing(2);
    for (const TopicButton& b : topicButtons(m_traits.topic)) {
        QToolButton* button = addRowButton(layout, b.name, b.caption, b.toolTip, b.icon);
        button->setEnabled(navigation().isAvailable(b.target));
        connect(button, &QToolButton::clicked, this, [this, target = b.target] {
            close();
            navigation().showTopic(target);
        });
    }
    for (const CommonButton& b : commonButtons(m_traits.topic)) {
        QToolButton* button = addRowButton(layout, b.name, b.caption, b.toolTip, b.icon);
        connect(button, &QToolButton::clicked, this, [this, action = b.action, page = b.page] {
            if (action == CommonButton::Action::Help)
                navigation().showHelp(page);
            else if (action == CommonButton::Action::Close)
                close();
            else
                navigation().quit();
        });
    }
    m_buttonRow->setGeometry(0, 0, m_panel->geometry().right() + 1 + FormMargin, ButtonRowHeight);
}

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

void ProblemForm::addBoundField(QGridLayout* grid, int index) {
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
    if (m_traits.spinToolTips) spin->setToolTip(QString::fromUtf8(b.spinTip));
    connect(spin, &SpinArrows::stepped, this, [this, index](int delta) { stepSpin(index, delta); });
    grid->addWidget(label, b.row, b.column);
    grid->addWidget(field, b.row, b.column + 1);
    grid->addWidget(spin, b.row, b.column + 2);
    m_bounds.at(std::size_t(index)) = field;
}

void ProblemForm::buildEixosFrame(QWidget* panel) {
    auto* box = new QGroupBox(tr("Eixos"), panel);
    box->setObjectName(QStringLiteral("FrameEixos"));
    box->setFixedHeight(px(m_traits.eixos.height()));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i)
        addBoundField(grid, i);
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

FrameBuilder ProblemForm::addFrame(const QString& name, const QString& caption, QPoint twips) {
    auto* column = static_cast<QVBoxLayout*>(m_panel->layout());
    auto* box = new QGroupBox(caption, m_panel);
    box->setObjectName(name);
    if (twips.y() > 0) box->setFixedHeight(px(twips.y()));
    column->addStretch(1);
    column->addWidget(box);
    auto* frame = new QVBoxLayout(box); // rows beside the buttons, then any full-width rows
    frame->setContentsMargins(6, 2, 6, 4);
    auto* outer = new QHBoxLayout;
    frame->addLayout(outer);
    auto* rows = new QVBoxLayout;
    rows->setSpacing(3);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(4);
    outer->addLayout(rows, 1);
    outer->addLayout(buttons);
    return FrameBuilder(this, box, rows, buttons);
}

// --- controls -------------------------------------------------------------

QLineEdit* ProblemForm::fieldNamed(const QString& name) const {
    auto* field = findChild<QLineEdit*>(name);
    Q_ASSERT_X(field, "ProblemForm::fieldNamed", qPrintable(name));
    return field;
}

QLabel* ProblemForm::labelNamed(const QString& name) const {
    auto* label = findChild<QLabel*>(name);
    Q_ASSERT_X(label, "ProblemForm::labelNamed", qPrintable(name));
    return label;
}

bool ProblemForm::isChecked(const QString& optionName) const {
    auto* option = findChild<QRadioButton*>(optionName);
    Q_ASSERT_X(option, "ProblemForm::isChecked", qPrintable(optionName));
    return option->isChecked();
}

void ProblemForm::setResult(const QString& name, const QString& text) {
    if (auto* label = findChild<QLabel*>(name))
        label->setText(text);
    else
        fieldNamed(name)->setText(text);
}

// --- the press ------------------------------------------------------------

void ProblemForm::press(const std::function<void()>& routine, bool solve, QGroupBox* frame) {
    m_press = recordOf(frame);
    clsEquation pressInterpreter;
    m_interpreter = &pressInterpreter;
    m_modoResolver = solve;
    const auto endOfPress = qScopeGuard([this] {
        m_modoResolver = false;
        m_interpreter = nullptr;
    });
    QString fault;
    try {
        routine();
    } catch (const PressEnded&) {
    } catch (const NumberedError& error) {
        fault = QString::fromStdString(error.description());
    } catch (const std::bad_alloc&) {
        fault = QString::fromStdString(Fault::description(Fault::OutOfMemory));
    }
    if (!fault.isNull())
        showMessage(this, {tr("Erro:") + QLatin1String("\n\n") + fault, MessageIcon::None});
}

BoardSheet ProblemForm::sheet() const {
    BoardSheet sheet{m_traits.title, {}, {}};
    if (const QGroupBox* frame = m_boardPress.frame) {
        sheet.caption = frame->title();
        collectRows(frame->layout(), m_boardPress, sheet.lines);
    }
    return sheet;
}

clsEquation& ProblemForm::interpreter() {
    Q_ASSERT_X(m_interpreter, "ProblemForm::interpreter", "used outside a press");
    return *m_interpreter;
}

void ProblemForm::inform(const QString& text, bool withIcon) {
    showMessage(this, {text, withIcon ? MessageIcon::Information : MessageIcon::None});
}

void ProblemForm::stop(const QString& text) {
    inform(text);
    throw PressEnded{};
}

QString ProblemForm::sep() const {
    return TextRules::localSeparator();
}

// --- reading --------------------------------------------------------------

Real ProblemForm::LerCampo(QLineEdit* field) {
    clsEquation& eq = interpreter();
    eq.setEquation(field->text().trimmed().toStdString());
    eq.setVar("x", 0.0);
    eq.Solve();
    return Real(eq.Solution());
}

Pt ProblemForm::LerPonto(const QString& abscissa, const QString& ordinate) {
    const Real x = LerCampo(abscissa);
    const Real y = LerCampo(ordinate);
    return {x, y};
}

QString ProblemForm::prepareEquation(QLineEdit* field) {
    const QString text = withoutBlanks(field->text());
    field->setText(text);
    return text;
}

void ProblemForm::checkLineText(const QString& text) {
    if (containsAny(text, {">", "<", "^3", "^2"})) stop(tr("A equação não representa uma recta."));
}

Line ProblemForm::sampleLine(const QString& text) {
    const QString rewritten = rewriteAsExpression(text);
    m_scratch->setText(rewritten);
    return sampleLineEquation(interpreter(), rewritten);
}

Line ProblemForm::LerEquacaoRecta(QLineEdit* field) {
    const QString text = prepareEquation(field);
    checkLineText(text);
    return sampleLine(text);
}

std::array<Line, 2> ProblemForm::LerEquacoesRecta(QLineEdit* first, QLineEdit* second) {
    const QString one = prepareEquation(first);
    const QString two = prepareEquation(second);
    checkLineText(one);
    checkLineText(two);
    const Line l1 = sampleLine(one);
    const Line l2 = sampleLine(two);
    return {l1, l2};
}

// --- the axes -------------------------------------------------------------

void ProblemForm::readViewport() {
    const QLocale locale;
    float* values[] = {&m_view.Xmin, &m_view.Xmax, &m_view.Ymin, &m_view.Ymax};
    for (std::size_t i = 0; i < 4; ++i) {
        bool ok = false;
        const double value = locale.toDouble(m_bounds.at(i)->text().trimmed(), &ok);
        if (!ok) Fault::raise(Fault::TypeMismatch);
        if (std::fabs(value) > FLT_MAX) Fault::raise(Fault::Overflow);
        *values[i] = static_cast<float>(value);
    }
}

void ProblemForm::DesenharEixos() {
    Board& b = *m_board;
    b.Cls();
    // From here on the board shows this press's frame, or nothing of any
    // frame when the axes are redrawn on activation.
    m_boardPress = m_interpreter ? m_press : PressRecord{};
    b.ScaleModePixels();
    b.setDrawStyle(DashStyle::Solid);
    readViewport();
    b.setDrawWidth(2);
    b.setForeColor(QBColor(0));
    Viewport& v = m_view;
    v.PassoX = single(std::fabs(single(v.Xmax - v.Xmin)) / 50.0f);
    v.PassoY = single(std::fabs(single(v.Ymax - v.Ymin)) / 50.0f);
    const float left = single(v.Xmin - 2.0f * v.PassoX), right = single(v.Xmax + 2.0f * v.PassoX);
    const float top = single(v.Ymax + 2.0f * v.PassoY), bottom = single(v.Ymin - 2.0f * v.PassoY);
    v.PixelX = std::fabs(right - left) / float(b.ScaleWidth());
    v.PixelY = std::fabs(top - bottom) / float(b.ScaleHeight());
    b.Scale(left, top, right, bottom);
    drawAxes();
    b.setDrawWidth(1);
    if (graduated()) {
        drawGraduation();
        if (m_grid->isChecked()) drawGrid();
    } else if (m_traits.warnWhenUngraduated) {
        inform(tr("Não se graduam os eixos nem se desenha a grelha porque os valores e linhas "
                  "ficavam sobrepostos."));
    }
}

bool ProblemForm::graduated() const {
    return std::fabs(m_view.Xmax - m_view.Xmin) <= 50.0f;
}

void ProblemForm::drawAxes() {
    Board& b = *m_board;
    const Viewport& v = m_view;
    b.showArrows(true);
    b.moveArrow(b.setaH(), v.Xmax + v.PassoX - 3 * v.PixelX, 4 * v.PixelY);
    b.moveArrow(b.setaV(), -4 * v.PixelX, v.Ymax + v.PassoY);
    b.Line(v.Xmin - v.PassoX, 0, v.Xmax + v.PassoX, 0);
    b.Line(0, v.Ymin - v.PassoY, 0, v.Ymax + v.PassoY);
    b.setFontName(QStringLiteral("MS Sans Serif"));
    b.setFontBold(true);
    b.setCurrentX(v.Xmax + v.PassoX + 2 * v.PixelX);
    b.setCurrentY(-5 * v.PixelY);
    b.Print(QStringLiteral("x"));
    b.setCurrentX(-12 * v.PixelX);
    b.setCurrentY(v.Ymax + v.PassoY + 9 * v.PixelY);
    b.Print(QStringLiteral("y"));
}

namespace {
/// Int(from) to Int(to) in steps of 1, at most MaxGraduationSteps values.
template <typename F>
void forEachWhole(float from, float to, F&& body) {
    const double last = std::floor(double(to));
    double i = std::floor(double(from));
    for (int n = 0; i <= last && n < MaxGraduationSteps; ++n, i += 1.0)
        body(i);
}

/// from, from + 1, ... while not beyond `to`, in 32-bit floats.
template <typename F>
void forEachStep(float from, float to, F&& body) {
    float x = from;
    for (int n = 0; x <= to && n < MaxGraduationSteps; ++n) {
        body(x);
        const float next = x + 1.0f;
        if (next == x) break; // 1 no longer changes a float this large
        x = next;
    }
}
} // namespace

void ProblemForm::drawGraduation() {
    Board& b = *m_board;
    const Viewport& v = m_view;
    forEachWhole(v.Xmin, v.Xmax, [&](double i) {
        if (i != 0) b.Line(i, 2 * v.PixelY, i, -2 * v.PixelY);
    });
    forEachWhole(v.Ymin, v.Ymax, [&](double j) {
        if (j != 0) b.Line(-2 * v.PixelX, j, 2 * v.PixelX, j);
    });
    b.setFontName(QStringLiteral("MS Serif"));
    b.setFontSize(6);
    b.setFontBold(true);
    forEachWhole(v.Xmin, v.Xmax, [&](double i) {
        b.setCurrentX(i - 8 * v.PixelX);
        b.setCurrentY(-8 * v.PixelY);
        if (i != 0) b.PrintNumber(i, sep());
    });
    b.setFontName(QStringLiteral("MS Serif"));
    b.setFontSize(6);
    b.setFontBold(true);
    forEachWhole(v.Ymin, v.Ymax, [&](double j) {
        if (j == 0) return;
        b.setCurrentX(-22 * v.PixelX);
        b.setCurrentY(j + 5 * v.PixelY);
        b.PrintNumber(j, sep());
    });
}

void ProblemForm::drawGrid() {
    Board& b = *m_board;
    const Viewport& v = m_view;
    b.setForeColor(QBColor(8));
    b.setDrawWidth(1);
    b.setDrawStyle(DashStyle::Solid);
    forEachStep(v.Xmin, v.Xmax, [&](float x) {
        if (x != 0) b.Line(x, v.Ymax + v.PassoY, x, v.Ymin - v.PassoY);
    });
    forEachStep(v.Ymin, v.Ymax, [&](float y) {
        if (y != 0) b.Line(v.Xmin - v.PassoX, y, v.Xmax + v.PassoX, y);
    });
}

void ProblemForm::stepSpin(int index, int delta) {
    // Each arrow moves its own bound, then the paired one: Xmin with Ymin,
    // Xmax with Ymax, so a square viewport stays square.
    static constexpr int order[4][2] = {{0, 2}, {1, 3}, {2, 0}, {3, 1}};
    const QLocale locale;
    for (int which : order[index]) {
        QLineEdit* field = m_bounds.at(std::size_t(which));
        bool ok = false;
        const double value = locale.toDouble(field->text().trimmed(), &ok);
        if (ok) // a field that holds no plain number is left as it is
            field->setText(TextRules::number(value + delta, sep()));
    }
}

// --- drawing --------------------------------------------------------------

void ProblemForm::pen(const QColor& colour, int width, DashStyle style) {
    m_board->setForeColor(colour);
    m_board->setDrawWidth(width);
    m_board->setDrawStyle(style);
}

void ProblemForm::dot(Pt p) {
    m_board->setDrawWidth(7);
    m_board->PSet(p.x.value(), p.y.value());
}

void ProblemForm::guides(Pt p) {
    m_board->setDrawWidth(1);
    m_board->setDrawStyle(DashStyle::Dotted);
    segment({p.x, 0}, p);
    segment({0, p.y}, p);
}

void ProblemForm::axisLabels(Pt p) {
    Board& b = *m_board;
    b.setFontName(QStringLiteral("MS Serif"));
    b.setFontSize(6);
    b.setFontBold(true);
    b.setCurrentX(p.x.value() - 8 * m_view.PixelX);
    b.setCurrentY(-8 * m_view.PixelY);
    b.PrintNumber(p.x.value(), sep());
    b.setCurrentX(-22 * m_view.PixelX);
    b.setCurrentY(p.y.value() + 5 * m_view.PixelY);
    b.PrintNumber(p.y.value(), sep());
}

void ProblemForm::segment(Pt from, Pt to) {
    m_board->Line(from.x.value(), from.y.value(), to.x.value(), to.y.value());
}

void ProblemForm::circle(const Circle& c) {
    m_board->Circle(c.xc.value(), c.yc.value(), c.r.value());
}

void ProblemForm::DesenharRecta(const Line& l) {
    const Real x1 = m_view.Xmin + 1.0f, x2 = m_view.Xmax - 1.0f;
    const Real y1 = m_view.Ymin + 1.0f, y2 = m_view.Ymax - 1.0f;
    if (l.a == 0 && l.b == 0) {
        inform(tr("A equação que indicou não é a de uma recta."));
        return;
    }
    if (l.a == 0) {
        segment({x1, -l.c / l.b}, {x2, -l.c / l.b});
        return;
    }
    if (l.b == 0) {
        segment({-l.c / l.a, y1}, {-l.c / l.a, y2});
        return;
    }
    // Where the line leaves the shrunk viewport at the top and at the bottom,
    // moved onto a side when it crosses that side first.
    const auto crossing = [&](Real yEdge) {
        const Real x = (-l.b * yEdge - l.c) / l.a;
        if (x > x2) return Pt{x2, (-l.a * x2 - l.c) / l.b};
        if (x < x1) return Pt{x1, (-l.a * x1 - l.c) / l.b};
        return Pt{x, yEdge};
    };
    segment(crossing(y2), crossing(y1));
}

// --- activation -----------------------------------------------------------

void ProblemForm::focusFirstField() {
    // The form opens with the focus on the viewport's first field.
    if (!focusWidget()) m_bounds.front()->setFocus();
}

bool ProblemForm::event(QEvent* e) {
    if (e->type() == QEvent::Show) focusFirstField();
    if (e->type() == QEvent::Polish) arrangeTabOrder();
    if (e->type() == QEvent::WindowActivate && ActivationTracker::previous() != this) {
        // Coming back from another window of the program shows the bare axes.
        // The viewport may not be readable: there is no error report outside
        // a press, and the board keeps what was drawn up to that point.
        try {
            DesenharEixos();
        } catch (const NumberedError&) {
        }
    }
    return QWidget::event(e);
}

// --- keyboard -------------------------------------------------------------

bool ProblemForm::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, e);
    const auto* key = static_cast<QKeyEvent*>(e);
    const int delta = key->key() == Qt::Key_Up ? 1 : key->key() == Qt::Key_Down ? -1 : 0;
    const auto field = std::find(m_bounds.begin(), m_bounds.end(), watched);
    if (delta == 0 || key->modifiers() != Qt::NoModifier || field == m_bounds.end())
        return QWidget::eventFilter(watched, e);
    stepSpin(int(field - m_bounds.begin()), delta);
    return true;
}

/// The button row is built before the subclass adds its frames, so Tab would
/// reach it first; a keyboard user meets it last, after the frames, as the
/// window is read.
void ProblemForm::arrangeTabOrder() {
    // Reading order: the viewport and the frames, then the board they draw
    // on, then the row of buttons that lead elsewhere.
    QWidget* last = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (m_panel->isAncestorOf(w)) last = w;
    if (last) setTabOrder(last, m_board);
    last = m_board;
    for (QWidget* button : m_buttonRow->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (last) setTabOrder(last, button);
        last = button;
    }
}

// --- FrameBuilder ---------------------------------------------------------

FrameBuilder::FrameBuilder(ProblemForm* form, QGroupBox* box, QVBoxLayout* rows,
                           QVBoxLayout* buttons)
    : m_form(form)
    , m_box(box)
    , m_rows(rows)
    , m_buttons(buttons) {}

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

void FrameBuilder::labelResult(QWidget* result) {
    // An empty result is announced by its caption rather than by the frame's
    // title, and a filled one as the caption's answer.
    if (m_caption && !m_caption->buddy()) m_caption->setBuddy(result);
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

FrameBuilder& FrameBuilder::field(const QString& name, const QString& initial,
                                  const QString& spoken, bool wide) {
    auto* field = new QLineEdit(initial, m_box);
    field->setObjectName(name);
    field->setAccessibleName(spoken);
    field->setFixedWidth(wide ? 170 : 44);
    if (m_form->m_traits.pointToolTips) {
        if (name.startsWith(QLatin1String("Abcissa")))
            field->setToolTip(QObject::tr("Escreva aqui o valor da abcissa do ponto"));
        else if (name.startsWith(QLatin1String("Ordenada")))
            field->setToolTip(QObject::tr("Escreva aqui o valor da ordenada do ponto"));
    }
    add(field);
    return *this;
}

FrameBuilder& FrameBuilder::point(const QString& abscissa, const QString& x,
                                  const QString& ordinate, const QString& y,
                                  const QString& pointName) {
    text(QStringLiteral("("));
    field(abscissa, x, QObject::tr("Abcissa de %1").arg(pointName), false);
    text(QStringLiteral(","));
    field(ordinate, y, QObject::tr("Ordenada de %1").arg(pointName), false);
    text(QStringLiteral(")"));
    m_caption = nullptr; // a closing parenthesis names nothing
    return *this;
}

FrameBuilder& FrameBuilder::option(const QString& name, const QString& caption,
                                   const QString& spoken, bool checked) {
    auto* option = new QRadioButton(caption, m_box);
    option->setObjectName(name);
    option->setAccessibleName(spoken);
    option->setChecked(checked);
    add(option);
    return *this;
}

FrameBuilder& FrameBuilder::result(const QString& name) {
    auto* label = new QLabel(m_box);
    label->setObjectName(name);
    label->setProperty(ResultProperty, true);
    label->setAccessibleDescription(QObject::tr("Resultado"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumWidth(90);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    labelResult(label);
    add(label, 1);
    m_caption = nullptr; // one result does not name the next
    return *this;
}

FrameBuilder& FrameBuilder::resultField(const QString& name) {
    auto* field = new QLineEdit(m_box);
    field->setObjectName(name);
    field->setProperty(ResultProperty, true);
    field->setAccessibleDescription(QObject::tr("Resultado"));
    field->setMinimumWidth(90);
    labelResult(field);
    add(field, 1);
    return *this;
}

FrameBuilder& FrameBuilder::dadosResolver(int n, std::function<void()> routine,
                                          const QString& resolverTip) {
    pressButton(QObject::tr("Dados"), QStringLiteral("Dados%1").arg(n),
                QObject::tr("Desenha os dados do problema."), routine, false);
    pressButton(QObject::tr("Resolver"), QStringLiteral("Resolver%1").arg(n), resolverTip,
                std::move(routine), true);
    m_buttons->addStretch(1);
    return *this;
}

FrameBuilder& FrameBuilder::resolverOnly(const QString& name, std::function<void()> routine,
                                         const QString& tip) {
    pressButton(QObject::tr("Resolver"), name, tip, std::move(routine), false);
    m_buttons->addStretch(1);
    return *this;
}

void FrameBuilder::pressButton(const QString& caption, const QString& name, const QString& tip,
                               std::function<void()> routine, bool solving) {
    auto* button = new QPushButton(caption, m_box);
    button->setObjectName(name);
    button->setToolTip(tip);
    QObject::connect(button, &QPushButton::clicked, m_form,
                     [form = m_form, routine = std::move(routine), solving, box = m_box] {
                         form->press(routine, solving, box);
                     });
    m_buttons->addWidget(button);
}
