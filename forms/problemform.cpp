#include "problemform.h"

#include "accessiblewindow.h"
#include "activation.h"
#include "boarddrag.h"
#include "boardmenu.h"
#include "controls.h"
#include "datahistory.h"
#include "displaystyle.h"
#include "formtools.h"
#include "numbered_error.h"
#include "resultfit.h"
#include "taborder.h"
#include "textrules.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
/// The program's hooks that every form needs in place before it is built.
const FormTraits& registered(const FormTraits& traits) {
    ActivationTracker::install();
    announceAsWindow("ProblemForm");
    return traits;
}
} // namespace

ProblemForm::ProblemForm(const FormTraits& traits, QWidget* parent)
    : QWidget(parent)
    , m_traits(registered(traits))
    , m_board(new Board(this))
    , m_window(buildFormWindow(
          this, m_board, m_traits,
          [this](QWidget* panel) { m_viewport = new ViewportPanel(panel, m_traits.layout); }))
    , m_drawing(*m_board, m_viewport->viewport())
    , m_boardPress([this] { emit solutionChanged(); })
    , m_press(this, {.settle = [this] { m_boardPress.publish(); },
                     .ended = [this] { emit pressEnded(); }})
    , m_readers(this, m_window.scratch, m_press)
    , m_fullScreen(m_window.panel) {
    m_boardMenu = new BoardMenu(
        m_board, [this] { return sheet(); }, this);
    m_fullScreenAction = addFormTools(*m_boardMenu, this,
                                      {.showSolution = [this] { navigation().showSolution(this); },
                                       .showPractice =
                                           [this] {
                                               if (navigation().showPractice)
                                                   navigation().showPractice(this);
                                           },
                                       .showFullScreen = [this] { showFullScreenBoard(); }});
    connect(&ClassroomDisplay::instance(), &ClassroomDisplay::changed, this,
            [this] { ResultFit::fitPanel(m_window.panel, font()); });
    m_history = new DataHistory(this, [this](QGroupBox* frame) {
        // The board follows the data undone when it shows their frame.
        if (frame && frame == m_boardPress.record().frame) m_drag->quietly([this] { repress(); });
    });
    m_drag =
        new BoardDrag(this, m_board, *m_history,
                      {.shown = [this]() -> const PressRecord& { return m_boardPress.record(); },
                       .repress = [this] { repress(); }});
    connect(this, &ProblemForm::pressEnded, m_drag, &BoardDrag::showGrips);
}

ProblemForm::~ProblemForm() {
    delete m_drag; // it asks the parts below what the board shows
}

FrameBuilder ProblemForm::addFrame(const QString& name, const char* frame, QPoint twips) {
    const exact::Frame* definition = exact::frameNamed(frame);
    Q_ASSERT_X(definition, "ProblemForm::addFrame", frame);
    return addFrame(name, *definition, twips);
}

FrameBuilder ProblemForm::addFrame(const QString& name, const exact::Frame& frame, QPoint twips) {
    return FrameBuilder::addFrame(
        m_window.panel, name, frame, twips,
        [this](const std::function<void()>& routine, bool solving, QGroupBox* frame) {
            press(routine, solving, frame);
        },
        m_traits.layout.pointToolTips);
}

// --- controls -------------------------------------------------------------

QLineEdit* ProblemForm::fieldNamed(const QString& name) const {
    return Controls::field(this, name);
}

QLineEdit* ProblemForm::givenField(exact::Role role, std::size_t i) const {
    const PressRecord& r = m_press.record();
    Q_ASSERT_X(r.definition, "ProblemForm::givenField", "outside a press of a frame");
    return fieldNamed(QString::fromUtf8(exact::nthField(*r.definition, r.option, role, i).name));
}

void ProblemForm::setResult(const QString& name, const QString& text) {
    QWidget* result = Controls::setResult(this, name, text);
    if (ClassroomDisplay::instance().projector())
        ResultFit::fitFrame(static_cast<QGroupBox*>(result->parentWidget()), font());
}

QString ProblemForm::sep() const {
    return TextRules::localSeparator();
}

// --- the press ------------------------------------------------------------

void ProblemForm::press(const std::function<void()>& routine, bool solve, QGroupBox* frame) {
    m_board->setNote({}); // what a press said while dragging belongs to that press
    m_fullScreen.pressed(frame);
    m_press.run(routine, solve, frame);
}

void ProblemForm::repress() {
    const PressRecord& shown = m_boardPress.record();
    QGroupBox* const frame = shown.frame;
    if (!frame) return;
    for (QWidget* control : frame->findChildren<QWidget*>())
        if (isResult(control)) Controls::setResult(this, control->objectName(), {});
    const bool solve = shown.solving || !frameButton(frame, PressKind::Dados);
    if (QPushButton* button = frameButton(frame, solve ? PressKind::Resolver : PressKind::Dados))
        button->click();
}

void ProblemForm::explain() {
    const std::optional<exact::FrameId> problem = m_press.record().problem();
    if (!problem) return;
    // The exact readings of the press, which its verdicts may have begun, shared.
    m_boardPress.explain([p = *problem](const exact::FrameData& d) { return p.explain(d); },
                         fields().sharedExact());
}

// --- a problem given from outside ------------------------------------------

QGroupBox* ProblemForm::frameOf(const exact::Frame& frame) const {
    for (QGroupBox* box : m_window.panel->findChildren<QGroupBox*>())
        if (definitionOf(box) == &frame) return box;
    return nullptr;
}

void ProblemForm::enter(const exact::FrameId& problem,
                        const std::vector<std::pair<std::string, std::string>>& texts) {
    for (const auto& [name, text] : texts)
        if (auto* field = findChild<QLineEdit*>(QString::fromStdString(name)))
            field->setText(QString::fromStdString(text));
    const std::string_view option = problem.optionButton();
    if (!option.empty())
        if (auto* button = findChild<QRadioButton*>(
                QString::fromUtf8(option.data(), qsizetype(option.size()))))
            button->setChecked(true);
}

// --- the axes and the lines -----------------------------------------------

void ProblemForm::DesenharEixos() {
    // From here on the board shows this press's frame, or nothing of any
    // frame when the axes are redrawn on activation.
    m_boardPress.redrawn(m_press.record(), m_press.running());
    bool graduated = true;
    try {
        graduated = m_viewport->draw(*m_board);
    } catch (const NumberedError&) {
        // none when the limits read but make no window
        m_press.blame(m_viewport->unreadableBound());
        throw;
    }
    if (!graduated && m_traits.layout.warnWhenUngraduated)
        inform(tr("Não se graduam os eixos nem se desenha a grelha porque os valores e linhas "
                  "ficavam sobrepostos."));
}

void ProblemForm::DesenharRecta(const Line& line, std::optional<bool> noLine) {
    if (!m_drawing.line(line, noLine)) inform(tr("A equação que indicou não é a de uma recta."));
}

// --- the full-screen board ------------------------------------------------

void ProblemForm::showFullScreenBoard() {
    m_fullScreen.show(*this);
    FullScreenBoard* view = m_fullScreen.board();
    if (!view) return;
    // Its points are dragged as the board's, through the square it paints the board on.
    m_drag->attach(view, [view](QPointF p) {
        const QRectF area = FullScreenBoard::boardArea(view->size());
        return (p - area.topLeft()) * (Board::Side / area.width());
    });
}

QStringList ProblemForm::resultLines() const {
    return FullScreenLink::resultLines(lastFrame());
}

QPushButton* ProblemForm::lastFrameButton(PressKind kind) const {
    return frameButton(lastFrame(), kind);
}

QMetaObject::Connection ProblemForm::whenPressEnds(QObject* context, std::function<void()> then) {
    return connect(this, &ProblemForm::pressEnded, context, std::move(then));
}

// --- activation -----------------------------------------------------------

bool ProblemForm::event(QEvent* e) {
    if (e->type() == QEvent::Show) {
        // The form opens with the focus on the viewport's first field.
        if (!focusWidget()) m_viewport->firstField()->setFocus();
        if (ClassroomDisplay::instance().projector())
            ResultFit::fitPanel(m_window.panel, font()); // once laid out
    }
    if (e->type() == QEvent::Polish) {
        arrangeTabOrder(this, m_window.panel, m_board, m_window.buttonRow);
        letToolKeysThrough(this);
        m_history->watchFields();
    }
    if (e->type() == QEvent::WindowActivate && ActivationTracker::previous() != this &&
        !m_drag->dragging()) { // a press on the board that activates the form drags
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
