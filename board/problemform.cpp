#include "problemform.h"

#include "accessiblewindow.h"
#include "activation.h"
#include "boardmenu.h"
#include "budget.h"
#include "clsequation.h"
#include "equationsampler.h"
#include "fullscreenboard.h"
#include "messages.h"
#include "navigationtable.h"
#include "numbered_error.h"
#include "spinarrows.h"
#include "textrules.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

namespace {

/// Layouts are given in twips; 15 twips make one pixel.
constexpr int px(int twips) {
    return twips / 15;
}

constexpr int ButtonRowHeight = 60;
constexpr int FormMargin = 4;

QFont namedFont(const QString& family, const QString& fallback, int pixelSize) {
    QFont font;
    font.setFamilies({family, fallback});
    font.setPixelSize(pixelSize);
    return font;
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
    m_boardMenu->addTool(QStringLiteral("ResolucaoPassoAPasso"), tr("Resolução passo a passo"),
                         QKeySequence(Qt::CTRL | Qt::Key_R),
                         [this] { navigation().showSolution(this); });
    m_boardMenu->addTool(QStringLiteral("Praticar"), tr("Praticar"),
                         QKeySequence(Qt::CTRL | Qt::Key_E), [this] {
                             if (navigation().showPractice) navigation().showPractice(this);
                         });
    m_modoResolver = false;
    addClassroomActions();
}

ProblemForm::~ProblemForm() = default;

void ProblemForm::buildCommonPart() {
    const int shift = px(m_traits.layout.boardLeft - 60);
    auto* title = new QLabel(m_traits.title, this);
    title->setObjectName(QStringLiteral("Titulo"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(px(m_traits.layout.boardLeft), px(1020), px(9465), px(345));

    m_board->move(px(m_traits.layout.boardLeft), px(1440));
    m_board->ScaleModePixels();

    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("Painel"));
    m_panel->setGeometry(px(9600) + shift, px(1320), px(5565), px(9600));
    auto* column = new QVBoxLayout(m_panel);
    column->setContentsMargins(px(m_traits.layout.eixos.left()), px(m_traits.layout.eixos.top()),
                               FormMargin, px(9600 - 9465));
    column->setSpacing(0);
    buildEixosFrame(m_panel);

    m_scratch = new QLineEdit(m_traits.layout.scratchName, this);
    m_scratch->setObjectName(m_traits.layout.scratchName);
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
    for (const TopicButton& b : m_traits.topicButtons) {
        QToolButton* button = addRowButton(layout, b.name, b.caption, b.toolTip, b.icon);
        connect(button, &QToolButton::clicked, this, [this, target = b.target] {
            close();
            navigation().showTopic(target);
        });
    }
    for (const CommonButton& b : commonButtons(m_traits.helpTips)) {
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
    if (m_traits.layout.spinToolTips) spin->setToolTip(QString::fromUtf8(b.spinTip));
    connect(spin, &SpinArrows::stepped, this, [this, index](int delta) { stepSpin(index, delta); });
    grid->addWidget(label, b.row, b.column);
    grid->addWidget(field, b.row, b.column + 1);
    grid->addWidget(spin, b.row, b.column + 2);
    m_bounds.at(std::size_t(index)) = field;
}

void ProblemForm::buildEixosFrame(QWidget* panel) {
    auto* box = new QGroupBox(tr("Eixos"), panel);
    box->setObjectName(QStringLiteral("FrameEixos"));
    box->setFixedHeight(px(m_traits.layout.eixos.height()));
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
    return FrameBuilder(
        box,
        [this](const std::function<void()>& routine, bool solving, QGroupBox* frame) {
            press(routine, solving, frame);
        },
        m_traits.layout.pointToolTips);
}

// --- controls -------------------------------------------------------------

QLineEdit* ProblemForm::fieldNamed(const QString& name) const {
    auto* field = findChild<QLineEdit*>(name);
    Q_ASSERT_X(field, "ProblemForm::fieldNamed", qPrintable(name));
    return field;
}

bool ProblemForm::isChecked(const QString& optionName) const {
    auto* option = findChild<QRadioButton*>(optionName);
    Q_ASSERT_X(option, "ProblemForm::isChecked", qPrintable(optionName));
    return option->isChecked();
}

void ProblemForm::setResult(const QString& name, const QString& text) {
    QWidget* result = nullptr;
    if (auto* label = findChild<QLabel*>(name)) {
        label->setText(text);
        result = label;
    } else {
        QLineEdit* field = fieldNamed(name);
        field->setText(text);
        result = field;
    }
    if (ClassroomDisplay::instance().projector())
        fitResults(static_cast<QGroupBox*>(result->parentWidget()));
}

// --- the press ------------------------------------------------------------

void ProblemForm::press(const std::function<void()>& routine, bool solve, QGroupBox* frame) {
    if (frame) m_lastFrame = frame;
    m_press = recordOf(frame);
    m_failedField = nullptr;
    clsEquation pressInterpreter;
    m_interpreter = &pressInterpreter;
    const exact::WorkBudget budget(exact::WorkBudget::Press); // its exact readings and verdicts
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
    publishSolution();
    if (!fault.isNull())
        showMessage(this, {tr("Erro:") + QLatin1String("\n\n") + fault, MessageIcon::None});
    focusFailedField();
    emit pressEnded();
}

void ProblemForm::focusFailedField() {
    QLineEdit* const field = std::exchange(m_failedField, nullptr);
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

BoardSheet ProblemForm::sheet() const {
    return sheetOf(m_traits.title, m_boardPress);
}

const exact::Solution* ProblemForm::solution() const {
    return m_boardPress.solution ? m_boardPress.solution->get() : nullptr;
}

void ProblemForm::explain(WorkedSolution::Builder build) {
    exactData(); // the readings of the press's verdicts, shared
    m_boardPress.solution = std::make_shared<const WorkedSolution>(std::move(build), m_press.data);
    replaceSolution();
    publishSolution();
}

void ProblemForm::replaceSolution() {
    m_solutionReplaced = true;
    // In a press, once: when it explains its answer, shows a message or ends.
    if (!m_interpreter) publishSolution();
}

void ProblemForm::publishSolution() {
    if (std::exchange(m_solutionReplaced, false)) emit solutionChanged();
}

const TypedData& ProblemForm::exactData() {
    if (!m_press.data) m_press.data = std::make_shared<const TypedData>(m_press.typed);
    return *m_press.data;
}

std::optional<bool>
ProblemForm::exactly(const std::function<std::optional<bool>(const TypedData&)>& verdict,
                     bool wholeDoublesExact) {
    if (wholeDoublesExact && exactData().wholeNumbersOnly()) return std::nullopt;
    try {
        return verdict(exactData());
    } catch (const NumberedError&) { // a fault of the exact reading only: the doubles decide
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

clsEquation& ProblemForm::interpreter() {
    Q_ASSERT_X(m_interpreter, "ProblemForm::interpreter", "used outside a press");
    return *m_interpreter;
}

void ProblemForm::inform(const QString& text, bool withIcon) {
    publishSolution(); // the window shows what the board shows while the pupil reads
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
    return readingField(field, [&] {
        clsEquation& eq = interpreter();
        eq.setEquation(field->text().trimmed().toStdString());
        eq.setVar("x", 0.0);
        eq.Solve();
        return Real(eq.Solution());
    });
}

Pt ProblemForm::LerPonto(int n) {
    const Real x = LerCampo(QStringLiteral("Abcissa%1").arg(n));
    const Real y = LerCampo(QStringLiteral("Ordenada%1").arg(n));
    return {x, y};
}

QString ProblemForm::prepareEquation(QLineEdit* field) {
    const QString text = withoutBlanks(field->text());
    field->setText(text);
    return text;
}

void ProblemForm::checkLineText(QLineEdit* field) {
    readingField(field, [&] {
        if (containsAny(field->text(), {">", "<", "^3", "^2"}))
            stop(tr("A equação não representa uma recta."));
    });
}

Line ProblemForm::sampleLine(QLineEdit* field) {
    return readingField(field, [&] {
        const QString rewritten = rewriteAsExpression(field->text());
        m_scratch->setText(rewritten);
        return sampleLineEquation(interpreter(), rewritten);
    });
}

Line ProblemForm::LerEquacaoRecta(QLineEdit* field) {
    prepareEquation(field);
    checkLineText(field);
    return sampleLine(field);
}

std::array<Line, 2> ProblemForm::LerEquacoesRecta(QLineEdit* first, QLineEdit* second) {
    prepareEquation(first);
    prepareEquation(second);
    checkLineText(first);
    checkLineText(second);
    const Line l1 = sampleLine(first);
    const Line l2 = sampleLine(second);
    return {l1, l2};
}

// --- the axes -------------------------------------------------------------

void ProblemForm::DesenharEixos() {
    // From here on the board shows this press's frame, or nothing of any
    // frame when the axes are redrawn on activation.
    const bool hadSolution = m_boardPress.solution != nullptr;
    m_boardPress = m_interpreter ? m_press : PressRecord{};
    if (hadSolution) replaceSolution();
    ViewportTexts limits;
    for (std::size_t i = 0; i < limits.size(); ++i)
        limits.at(i) = m_bounds.at(i)->text();
    bool graduated = true;
    try {
        graduated = Axes::draw(*m_board, m_view, limits, m_grid->isChecked(), sep());
    } catch (const NumberedError&) {
        m_failedField = unreadableBound(); // none when the limits read but make no window
        throw;
    }
    if (!graduated && m_traits.layout.warnWhenUngraduated)
        inform(tr("Não se graduam os eixos nem se desenha a grelha porque os valores e linhas "
                  "ficavam sobrepostos."));
}

QLineEdit* ProblemForm::unreadableBound() const {
    for (QLineEdit* field : m_bounds) {
        try {
            Axes::readLimit(field->text());
        } catch (const NumberedError&) {
            return field;
        }
    }
    return nullptr;
}

void ProblemForm::stepSpin(int index, int delta) {
    // Each arrow moves its own bound, then the paired one: Xmin with Ymin,
    // Xmax with Ymax, so a square viewport stays square.
    static constexpr int order[4][2] = {{0, 2}, {1, 3}, {2, 0}, {3, 1}};
    for (int which : order[index]) {
        QLineEdit* field = m_bounds.at(std::size_t(which));
        const std::optional<double> value = TextRules::plainNumber(field->text());
        if (value && std::isfinite(*value)) // a field that holds no plain number is left as it is
            field->setText(TextRules::number(*value + delta, sep()));
    }
}

// --- drawing --------------------------------------------------------------

void ProblemForm::pen(const QColor& colour, int width, DashStyle style) {
    m_board->setForeColor(colour);
    m_board->setDrawWidth(width);
    m_board->setDrawStyle(style);
}

void ProblemForm::dot(Pt p, const QString& name) {
    m_board->setDrawWidth(7);
    m_board->PSet(p.x.value(), p.y.value(), name);
}

void ProblemForm::guides(Pt p) {
    m_board->setDrawWidth(1);
    m_board->setDrawStyle(DashStyle::Dotted);
    segment({p.x, 0}, p);
    segment({0, p.y}, p);
}

void ProblemForm::axisLabels(Pt p) {
    Axes::printOnXAxis(*m_board, m_view, p.x.value(), sep());
    Axes::printOnYAxis(*m_board, m_view, p.y.value(), sep());
}

void ProblemForm::labelIfUngraduated(Pt p) {
    if (!graduated()) axisLabels(p);
}

void ProblemForm::segment(Pt from, Pt to) {
    m_board->Line(from.x.value(), from.y.value(), to.x.value(), to.y.value());
}

void ProblemForm::circle(const Circle& c) {
    m_board->Circle(c.xc.value(), c.yc.value(), c.r.value());
}

void ProblemForm::DesenharRecta(const Line& l, std::optional<bool> noLine) {
    const Real x1 = m_view.Xmin + 1.0f, x2 = m_view.Xmax - 1.0f;
    const Real y1 = m_view.Ymin + 1.0f, y2 = m_view.Ymax - 1.0f;
    // Doubles that are both 0 cannot be drawn, whatever the exact values.
    if ((l.a == 0 && l.b == 0) || noLine.value_or(false)) {
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

// --- the classroom display --------------------------------------------------

void ProblemForm::addClassroomActions() {
    ClassroomDisplay& display = ClassroomDisplay::instance();
    m_fullScreenAction =
        m_boardMenu->addTool(QStringLiteral("QuadroEcraInteiro"), tr("Quadro em ecrã inteiro"),
                             QKeySequence(Qt::Key_F11), [this] { showFullScreenBoard(); });
    m_boardMenu->addTool(display.projectorAction(this));
    m_boardMenu->addTool(display.factorMenu(m_boardMenu->menu())->menuAction());
    m_boardMenu->addTool(display.namesAction(this));
    connect(&display, &ClassroomDisplay::changed, this, &ProblemForm::scaleResults);
}

QGroupBox* ProblemForm::lastFrame() const {
    if (m_lastFrame) return m_lastFrame;
    for (QGroupBox* frame : m_panel->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        if (frameButton(frame, PressKind::Resolver)) return frame;
    return nullptr;
}

void ProblemForm::showFullScreenBoard() {
    // The frame the teacher was typing in is the one its keys then press.
    for (QWidget* w = QApplication::focusWidget(); w && isAncestorOf(w); w = w->parentWidget())
        if (auto* frame = qobject_cast<QGroupBox*>(w);
            frame && frame->parentWidget() == m_panel && frameButton(frame, PressKind::Resolver)) {
            m_lastFrame = frame;
            break;
        }
    if (!m_fullScreen) {
        m_fullScreen = new FullScreenBoard(this);
        // The screen the form is on, whole, even where no window manager
        // takes the request for full screen.
        if (QScreen* here = screen()) {
            m_fullScreen->setScreen(here);
            m_fullScreen->setGeometry(here->geometry());
        }
        m_fullScreen->showFullScreen();
    }
    m_fullScreen->raise();
    m_fullScreen->activateWindow();
    m_fullScreen->setFocus(Qt::ActiveWindowFocusReason);
}

FullScreenBoard* ProblemForm::fullScreenBoard() const {
    return m_fullScreen;
}

namespace {

/// Whether a frame shows whole: every control within it at its own
/// height, and the text of every result within the result.
bool showsWhole(QWidget* frame, const std::vector<QWidget*>& results) {
    const QRect room = frame->contentsRect();
    for (const QWidget* w : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(frame) &&
            (!room.contains(w->geometry()) || w->height() < w->minimumSizeHint().height()))
            return false;
    return std::all_of(results.begin(), results.end(), [](const QWidget* result) {
        const auto* label = qobject_cast<const QLabel*>(result);
        const QString text = label ? label->text() : static_cast<const QLineEdit*>(result)->text();
        const int margin = label ? 2 * label->frameWidth() + 4 : 12;
        return QFontMetrics(result->font()).horizontalAdvance(text) + margin <= result->width();
    });
}

} // namespace

void ProblemForm::scaleResults() {
    for (QGroupBox* frame : m_panel->findChildren<QGroupBox*>())
        fitResults(frame);
}

void ProblemForm::fitResults(QGroupBox* frame) {
    const DisplayStyle style = ClassroomDisplay::instance().style();
    std::vector<QWidget*> results;
    for (QWidget* w : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (isResult(w)) results.push_back(w);
    const auto resize = [&](const QFont& f) {
        for (QWidget* result : results)
            result->setFont(f);
        frame->layout()->activate();
    };
    if (!style.projector) return resize(QFont()); // the form's own, as usual
    // The largest size up to the factor at which the frame still shows whole.
    const int usual = font().pixelSize();
    int fits = usual, tooLarge = qRound(usual * style.scale) + 1;
    QFont larger = font();
    larger.setBold(true);
    while (tooLarge - fits > 1) {
        const int size = (fits + tooLarge) / 2;
        larger.setPixelSize(size);
        resize(larger);
        (showsWhole(frame, results) ? fits : tooLarge) = size;
    }
    larger.setPixelSize(fits);
    resize(larger);
}

// --- activation -----------------------------------------------------------

void ProblemForm::focusFirstField() {
    // The form opens with the focus on the viewport's first field.
    if (!focusWidget()) m_bounds.front()->setFocus();
}

bool ProblemForm::event(QEvent* e) {
    if (e->type() == QEvent::Show) {
        focusFirstField();
        if (ClassroomDisplay::instance().projector()) scaleResults(); // once laid out
    }
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
