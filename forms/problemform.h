#pragma once

#include "board.h"
#include "boardpress.h"
#include "drawing.h"
#include "exactverdict.h"
#include "fieldreaders.h"
#include "formwindow.h"
#include "framebuilder.h"
#include "fullscreenlink.h"
#include "fullscreensource.h"
#include "presspipeline.h"
#include "viewportpanel.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class BoardDrag;
class BoardMenu;
class DataHistory;
class QAction;
class QGroupBox;
class QLineEdit;

/// The common part of the nine problem forms: title, board, viewport frame,
/// navigation and exit buttons, and the press that runs a frame's routine in
/// data or solve mode. Subclasses add their frames and routines. The window
/// puts together the parts that do each job (formwindow.h, viewportpanel.h,
/// presspipeline.h, fieldreaders.h, boardpress.h, drawing.h, fullscreenlink.h,
/// formtools.h) and gives the frame routines their vocabulary.
class ProblemForm : public QWidget, public FullScreenSource {
    Q_OBJECT
public:
    explicit ProblemForm(const FormTraits& traits, QWidget* parent = nullptr);
    ~ProblemForm() override;

    Topic topic() const { return m_traits.topic; }
    Board* board() const override { return m_board; }
    bool ModoResolver() const { return m_press.solving(); }
    const Viewport& viewport() const { return m_viewport->viewport(); }

    /// Clears the board and draws axes, arrowheads, graduation and grid for
    /// the viewport typed in the "Eixos" frame.
    void DesenharEixos();

    /// Runs a frame routine as one press (PressPipeline::run). `frame` is the
    /// problem frame whose button was pressed.
    void press(const std::function<void()>& routine, bool solve, QGroupBox* frame = nullptr);

    /// The title, the caption of the frame whose press drew the board and
    /// its rows as text (fields as typed for that press, results as they read
    /// now); no frame while the board shows the bare axes.
    BoardSheet sheet() const { return m_boardPress.sheet(m_traits.title); }
    BoardMenu* boardMenu() const { return m_boardMenu; }

    // --- exploring by dragging ----------------------------------------------
    /// The data points on the board, grabbed and dragged (boarddrag.h).
    BoardDrag& drag() const { return *m_drag; }
    /// The history of the form's data, undone with Ctrl+Z (datahistory.h).
    DataHistory& history() const { return *m_history; }
    /// Runs again the press whose drawing the board shows, with what its
    /// frame's fields hold now: its "Resolver" when it solved, else its
    /// "Dados". Its results are emptied first, so none is left of the
    /// press before. Nothing when the board shows bare axes.
    void repress();

    // --- the classroom display ---------------------------------------------
    /// The problem frame pressed last, or the first one before any press.
    QGroupBox* lastFrame() const override { return m_fullScreen.lastFrame(); }
    /// Shows the board alone on the whole screen (F11), or brings it back up.
    void showFullScreenBoard();
    /// The full-screen board while it is open.
    FullScreenBoard* fullScreenBoard() const { return m_fullScreen.board(); }
    /// "Quadro em ecrã inteiro" (F11).
    QAction* fullScreenAction() const { return m_fullScreenAction; }

    /// The worked solution of the "Resolver" press whose drawing the board
    /// shows, built now if it was not yet; null when the board shows data,
    /// bare axes, or a press that gives no worked solution.
    const exact::Solution* solution() const override { return m_boardPress.solution(); }

    // --- a problem given from outside (an exercise, a worksheet's figure) ---
    /// The frame of the frame table on this form; null when it is not on it.
    QGroupBox* frameOf(const exact::Frame& frame) const;
    /// Types texts into the fields of those names (the frame's, the
    /// viewport's) and marks the problem's option, as a pupil would.
    void enter(const exact::FrameId& problem,
               const std::vector<std::pair<std::string, std::string>>& texts);

    // --- services of the press, for the circle reader -----------------------
    /// The interpreter of the current press.
    clsEquation& interpreter() { return m_press.interpreter(); }
    /// The text field of the i-th field of that role, for a reading of its own.
    QLineEdit* givenField(exact::Role role, std::size_t i) const;
    /// The hidden field that holds the rewritten equation text.
    QLineEdit* scratch() const { return m_readers.scratch(); }
    /// The pressed frame's fields, each read once from the text recorded at
    /// the press (exact/pressfields.h), with this form around their readings.
    exact::PressFields& fields() { return m_readers.fields(); }
    /// The equation of the i-th field of that role without its blanks,
    /// written back into the field the first time it is asked for.
    const std::string& prepareEquation(exact::Role role, std::size_t i) {
        return fields().prepared(role, i, m_readers);
    }
    /// Shows an information message and ends the press.
    [[noreturn]] void stop(const QString& text) { m_press.stop(text); }
    /// Runs `read`, one reading of `field`, whose fault or refusal is the
    /// field's (PressPipeline::readingField).
    template <typename Read>
    auto readingField(QLineEdit* field, Read&& read) -> decltype(read()) {
        return m_press.readingField(field, std::forward<Read>(read));
    }

    /// The frame's fields as typed for this press, each read exactly on
    /// first use; the press's worked solution reads the same readings.
    const exact::FrameData& exactData() { return fields().exact(); }
    /// A verdict decided on the exact data, or nothing (decideExactly).
    std::optional<bool>
    exactly(const std::function<std::optional<bool>(const exact::FrameData&)>& verdict,
            bool wholeDoublesExact = true) {
        return decideExactly(exactData(), verdict, wholeDoublesExact);
    }

    // --- what the full-screen board asks of the form -----------------------
    QWidget* ownerWindow() override { return this; }
    QStringList resultLines() const override;
    QPushButton* lastFrameButton(PressKind kind) const override;
    QMetaObject::Connection whenPressEnds(QObject* context, std::function<void()> then) override;

signals:
    /// The board shows another press: solution() may have changed.
    void solutionChanged();
    /// A press has ended: the board and the results show its outcome.
    void pressEnded();

protected:
    /// Hands the worked solution of this "Resolver" press to whoever shows
    /// it: the explanation the frame table gives the problem pressed, from
    /// the frame's fields as typed for the press (exactly). Called by a frame
    /// routine after DesenharEixos, once its answer is written (or before a
    /// message that ends the press). The solution is built only when it is
    /// asked for, so a press that nobody explains costs almost nothing.
    void explain();

    /// The tooltip of the "Resolver" buttons that do not say "Resolve o problema.".
    static inline const QString Executar = QStringLiteral("Executar");

    /// A problem frame below the previous one (or at `twips`: top, height):
    /// the frame of the frame table named `frame` ("pontos-2"), with its caption.
    FrameBuilder addFrame(const QString& name, const char* frame, QPoint twips = {});
    FrameBuilder addFrame(const QString& name, const exact::Frame& frame, QPoint twips = {});

    QLineEdit* fieldNamed(const QString& name) const;

    // --- the pressed frame's fields, by the roles the frame table gives them -
    // Each is read once, from the text recorded at the press, into the double
    // the routine computes with; a fault or a refusal ends the press with the
    // focus on the field (exact/pressfields.h). Asked again, it gives the same.
    /// The i-th point of the problem pressed (the fields Abcissa<n> and Ordenada<n>).
    Pt givenPoint(std::size_t i) { return fields().LerPonto(i, m_readers); }
    /// The i-th number.
    Real givenNumber(std::size_t i) { return fields().number(i, m_readers); }
    /// The i-th angle: the leading number of its field, in degrees.
    Real givenAngle(std::size_t i) { return fields().angle(i, m_readers); }
    /// The i-th line: its blanks deleted and written back, refused with "A
    /// equação não representa uma recta." when it holds ">", "<", "^3" or
    /// "^2", then sampled (the rewritten equation left in the scratch field).
    Line givenLine(std::size_t i) { return fields().LerEquacaoRecta(i, m_readers); }
    /// The first two lines, read together: both prepared, then both checked, then both sampled.
    std::array<Line, 2> givenLines() { return fields().LerEquacoesRecta(m_readers); }
    /// The stage of givenLine(i) that refuses a line's text (the text
    /// prepared first), for a frame that runs it between those of another field.
    void checkLineText(std::size_t i) { fields().checkLine(i, m_readers); }
    /// The option of the pressed frame that is marked, counted from 0; −1 when none is.
    int markedOption() const { return m_press.record().option; }

    // --- drawing (Drawing) ---------------------------------------------------
    void pen(const QColor& colour, int width, DashStyle style = DashStyle::Solid) {
        m_drawing.pen(colour, width, style);
    }
    void dot(Pt p, const QString& name = {}) { m_drawing.dot(p, name); }
    void guides(Pt p) { m_drawing.guides(p); }
    void axisLabels(Pt p) { m_drawing.axisLabels(p); }
    void labelIfUngraduated(Pt p) { m_drawing.labelIfUngraduated(p); }
    void segment(Pt from, Pt to) { m_drawing.segment(from, to); }
    void circle(const Circle& c) { m_drawing.circle(c); }
    /// Draws the line across the viewport; reports a = b = 0 instead, or an
    /// equation that `noLine` (an exact verdict) says is no line.
    void DesenharRecta(const Line& line, std::optional<bool> noLine = std::nullopt);
    bool graduated() const { return viewport().graduated(); }

    // --- answers ----------------------------------------------------------
    QString sep() const;
    void setResult(const QString& name, const QString& text);
    void inform(const QString& text, bool withIcon = true) { m_press.inform(text, withIcon); }
    bool event(QEvent* event) override;

private:
    FormTraits m_traits;
    Board* m_board;
    ViewportPanel* m_viewport = nullptr;
    FormWindow m_window;
    Drawing m_drawing;
    BoardPress m_boardPress;
    PressPipeline m_press;
    FieldReaders m_readers;
    FullScreenLink m_fullScreen;
    BoardMenu* m_boardMenu = nullptr;
    QAction* m_fullScreenAction = nullptr;
    DataHistory* m_history = nullptr;
    BoardDrag* m_drag = nullptr;
};
