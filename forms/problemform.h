#pragma once

#include "axes.h"
#include "board.h"
#include "framebuilder.h"
#include "geometry.h"
#include "navigationtable.h"
#include "pressrecord.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

class BoardMenu;
class FullScreenBoard;
class QAction;
class clsEquation;
namespace exact {
struct Solution;
}
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;

/// The data colour and the solution colour.
inline const QColor Azul = QBColor(9);
inline const QColor Vermelho = QBColor(12);

/// How one problem form lays out and words its common part, as the form
/// itself says.
struct FormLayout {
    int boardLeft = 60;               ///< twips
    bool warnWhenUngraduated = false; ///< message when the axes go ungraduated
    QString scratchName = QStringLiteral("TextA");
    QRect eixos{120, 210, 5385, 1695}; ///< the viewport frame, twips in the panel
    bool spinToolTips = false;
    bool pointToolTips = true; ///< the Abcissa/Ordenada fields explain themselves
};

/// What sets one problem form apart from the others in its common part: who
/// it is, as the topic table says, and its layout.
struct FormTraits {
    Topic topic{};
    QString objectName{};                    ///< "Form1"
    QString title{};                         ///< the label above the board, "PONTOS"
    std::vector<TopicButton> topicButtons{}; ///< the row's buttons to the other topics
    HelpTips helpTips = UsualHelpTips;
    FormLayout layout{};
};

/// The common part of the nine problem forms: title, board, viewport frame,
/// navigation and exit buttons, and the press pipeline that runs a frame's
/// routine in data or solve mode. Subclasses add their frames and routines.
class ProblemForm : public QWidget {
    Q_OBJECT
public:
    explicit ProblemForm(const FormTraits& traits, QWidget* parent = nullptr);
    ~ProblemForm() override;

    Topic topic() const { return m_traits.topic; }
    Board* board() const { return m_board; }
    bool ModoResolver() const { return m_modoResolver; }
    const Viewport& viewport() const { return m_view; }

    /// Clears the board and draws axes, arrowheads, graduation and grid for
    /// the viewport typed in the "Eixos" frame.
    void DesenharEixos();

    /// Runs a frame routine as one press: a fresh interpreter, solve mode for
    /// the press only, and every fault turned into the generic error report.
    /// `frame` is the problem frame whose button was pressed.
    void press(const std::function<void()>& routine, bool solve, QGroupBox* frame = nullptr);

    /// The title, the caption of the frame whose press drew the board and
    /// its rows as text (fields as typed for that press, results as they read
    /// now); no frame while the board shows the bare axes.
    BoardSheet sheet() const;
    BoardMenu* boardMenu() const { return m_boardMenu; }

    // --- the classroom display ---------------------------------------------
    /// The problem frame pressed last, or the first one before any press.
    QGroupBox* lastFrame() const;
    /// Shows the board alone on the whole screen (F11), or brings it back up.
    void showFullScreenBoard();
    /// The full-screen board while it is open.
    FullScreenBoard* fullScreenBoard() const;
    /// "Quadro em ecrã inteiro" (F11).
    QAction* fullScreenAction() const { return m_fullScreenAction; }

    /// The worked solution of the "Resolver" press whose drawing the board
    /// shows, built now if it was not yet; null when the board shows data,
    /// bare axes, or a press that gives no worked solution.
    const exact::Solution* solution() const;

    // --- services of the press, for the equation readers ------------------
    /// The interpreter of the current press.
    clsEquation& interpreter();
    /// The hidden field that holds the rewritten equation text.
    QLineEdit* scratch() const { return m_scratch; }
    /// Deletes every blank of an equation field and writes the text back.
    QString prepareEquation(QLineEdit* field);
    /// Shows an information message and ends the press.
    [[noreturn]] void stop(const QString& text);
    /// Runs `read`, one reading of `field` (its evaluation, a stage of an
    /// equation reader) and gives its result. A fault or a refusal that
    /// escapes it is the field's: once the press's message is closed, the
    /// focus goes to the field with its text selected, for the pupil to
    /// type it again.
    template <typename Read>
    auto readingField(QLineEdit* field, Read&& read) -> decltype(read()) {
        QLineEdit* const outer = std::exchange(m_failedField, field);
        if constexpr (std::is_void_v<decltype(read())>) {
            read();
            m_failedField = outer;
        } else {
            auto value = read();
            m_failedField = outer;
            return value;
        }
    }

    /// The frame's fields as typed for this press, each read exactly on
    /// first use; the press's worked solution reads the same readings.
    const TypedData& exactData();
    /// A verdict decided on the exact data, such as
    /// `exactly([](const TypedData& d) { return exact::verdict::equal(d.point(1), d.point(2)); })`;
    /// nothing when a value it needs is not exact or its exact reading
    /// faults: the frame then compares its doubles, as it always has. Nothing
    /// either, without reading, when the frame's doubles are already exact:
    /// `wholeDoublesExact` says that the frame computes the verdict's values
    /// with sums and products only, so that small whole numbers typed
    /// (TypedData::wholeNumbersOnly) give exact doubles.
    std::optional<bool> exactly(const std::function<std::optional<bool>(const TypedData&)>& verdict,
                                bool wholeDoublesExact = true);

signals:
    /// The board shows another press: solution() may have changed.
    void solutionChanged();
    /// A press has ended: the board and the results show its outcome.
    void pressEnded();

protected:
    /// Hands the worked solution of this "Resolver" press to whoever shows
    /// it. Called by a frame routine after DesenharEixos, once its answer is
    /// written. The builder reads the frame's fields as typed for the press
    /// (exactly) and whatever it captures; it runs only when the solution is
    /// asked for, so a press that nobody explains costs almost nothing.
    void explain(WorkedSolution::Builder build);

    /// The tooltip of the "Resolver" buttons that do not say "Resolve o problema.".
    static inline const QString Executar = QStringLiteral("Executar");

    /// A problem frame below the previous one (or at `twips`: top, height).
    FrameBuilder addFrame(const QString& name, const QString& caption, QPoint twips = {});

    QLineEdit* fieldNamed(const QString& name) const;
    bool isChecked(const QString& optionName) const;

    // --- reading the data -------------------------------------------------
    Real LerCampo(QLineEdit* field);
    Real LerCampo(const QString& name) { return LerCampo(fieldNamed(name)); }
    /// The point of the fields Abcissa<n> and Ordenada<n>.
    Pt LerPonto(int n);
    /// Refuses a prepared line field holding ">", "<", "^3" or "^2".
    void checkLineText(QLineEdit* field);
    /// Rewrites a prepared line field as an expression and samples it.
    Line sampleLine(QLineEdit* field);
    Line LerEquacaoRecta(QLineEdit* field);
    /// Two line fields: both prepared, then both checked, then both sampled.
    std::array<Line, 2> LerEquacoesRecta(QLineEdit* first, QLineEdit* second);

    // --- drawing ----------------------------------------------------------
    void pen(const QColor& colour, int width, DashStyle style = DashStyle::Solid);
    /// DrawWidth 7 and PSet; `name` is the point's name ("A", "M"), written
    /// beside it when the names of the points are shown.
    void dot(Pt p, const QString& name = {});
    void guides(Pt p);             ///< dotted 1-pixel perpendiculars to the axes
    void axisLabels(Pt p);         ///< the coordinates printed beside the axes
    void labelIfUngraduated(Pt p); ///< axisLabels when the axes carry no numbers
    void segment(Pt from, Pt to);  ///< Line in the current pen
    void circle(const Circle& c);  ///< Circle in the current pen
    /// Draws the line across the viewport; reports a = b = 0 instead, or an
    /// equation that `noLine` (an exact verdict) says is no line.
    void DesenharRecta(const Line& line, std::optional<bool> noLine = std::nullopt);
    bool graduated() const { return m_view.graduated(); }

    // --- answers ----------------------------------------------------------
    QString sep() const;
    void setResult(const QString& name, const QString& text);
    void inform(const QString& text, bool withIcon = true);
    bool event(QEvent* event) override;
    /// Up and Down in a viewport field act as the field's spin arrows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCommonPart();
    void buildButtonRow();
    void buildEixosFrame(QWidget* panel);
    void addBoundField(QGridLayout* grid, int index);
    void stepSpin(int index, int delta);
    QLineEdit* unreadableBound() const;
    void focusFailedField();
    /// The board's worked solution is another: said at once, or in the
    /// press running now when it explains, shows a message or ends.
    void replaceSolution();
    void publishSolution();
    void focusFirstField();
    void arrangeTabOrder();
    void addClassroomActions();
    /// The results of every frame in the size of the classroom display.
    void scaleResults();
    /// The results of one frame in projector mode: each as large as the
    /// factor asks, or as the frame's room allows, its layout unchanged.
    void fitResults(QGroupBox* frame);

    FormTraits m_traits;
    Board* m_board;
    QWidget* m_panel = nullptr;
    QWidget* m_buttonRow = nullptr;
    QLineEdit* m_scratch = nullptr;
    QCheckBox* m_grid = nullptr;
    std::array<QLineEdit*, 4> m_bounds{}; ///< Xmin, Xmax, Ymin, Ymax
    Viewport m_view;
    bool m_modoResolver = false;
    clsEquation* m_interpreter = nullptr;
    PressRecord m_press;             ///< the press running now
    PressRecord m_boardPress;        ///< the press whose drawing the board shows
    bool m_solutionReplaced = false; ///< by the press running now
    BoardMenu* m_boardMenu = nullptr;
    QPointer<QGroupBox> m_lastFrame;
    QPointer<FullScreenBoard> m_fullScreen;
    QAction* m_fullScreenAction = nullptr;

    /// The field being read, whose fault a fault raised now is (readingField).
    QLineEdit* m_failedField = nullptr;
};

/// Thrown to end a press quietly after its message has been shown.
struct PressEnded {};
