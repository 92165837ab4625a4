#pragma once

#include "fullscreensource.h"
#include "mathtypeset.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class SolutionLayout;

class QGroupBox;
class QPushButton;

/// The board of a problem form alone on a whole screen, for the classroom:
/// the same viewport, drawn from the display list at the screen's own
/// resolution, with the answer of the frame pressed last large in the top
/// right corner, as its worked solution writes it, and a strip along the
/// bottom with the solution's current step. From the keyboard, D draws that
/// frame's data and R (or Enter) solves it, as its "Dados" and "Resolver"
/// buttons do; Space, the arrows, Page Up and Down, Home and End step the
/// strip (and the window "Resolução" with it, when it is open); Escape (or
/// F11) returns to the form. A window of the form, closed with it; it knows
/// the form only as a FullScreenSource.
class FullScreenBoard : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenBoard(FullScreenSource* form);

    /// The square the board's picture fills on a view of `size` logical
    /// pixels: nearly as large as the view allows, centred.
    static QRectF boardArea(QSizeF size);
    /// Paints the whole view (picture, result, keys) on `painter`, for a
    /// window of `size` logical pixels.
    void paintView(QPainter& painter, QSizeF size) const;

    /// The frame D and R act on, and whose result is shown.
    QGroupBox* frame() const;
    /// The result shown: the frame's caption, then each result as its
    /// caption and its text ("Ponto médio:", "(-3 , 1)").
    QStringList resultLines() const;
    /// The keys the view answers, as the hint along its bottom says them.
    QString keysHint() const;

    /// The step of the worked solution the strip shows (1 is the first), 0
    /// without a solution; and how many it has.
    int step() const { return stepCount() ? m_step : 0; }
    int stepCount() const;

    /// One value of the answer: as the worked solution writes it, and the
    /// text of the form's label where it writes it otherwise ("32x-24y-200 = 0").
    struct AnswerRow {
        Typeset::Box value;
        QString formText;
    };
    /// Where the answer and the step strip go on a view of `size` logical
    /// pixels, and how large their text is (its body size, in pixels): the
    /// answer at least 1/25 of the height, times the projector factor as far
    /// as the width allows; the step at the projector factor.
    struct Layout {
        QRectF answerPanel;
        double answerSize = 0.0;
        std::vector<AnswerRow> answers;
        QRectF strip; ///< empty without a worked solution
        double stepSize = 0.0;
        double edge = 0.0; ///< the margin inside the panel and the strip
    };
    Layout layout(QSizeF size) const;

    /// Where the window "Resolução" is, for the strip to step it too: `open`
    /// says whether it shows now, `show` shows its steps up to one. The
    /// application provides them; by default there is no such window.
    struct SolutionSteps {
        std::function<bool()> open;
        std::function<void(int step)> show;
    };
    static void setSolutionSteps(SolutionSteps steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    /// The frame's button of that kind, or null.
    QPushButton* button(PressKind kind) const;
    void press(PressKind kind);
    void describe();
    static bool solutionOpen();
    bool stepByKey(int key);
    void showStep(int step);
    Typeset::Style style(double size) const;
    std::vector<AnswerRow> answerRows(const Typeset::Style& style) const;
    const SolutionLayout& stepLayout(double width, double size) const;
    void paintAnswer(QPainter& painter, const Layout& layout) const;
    void paintStrip(QPainter& painter, const Layout& layout) const;

    FullScreenSource* m_source;
    QPointer<QWidget> m_form; ///< the source's window, while it lives
    int m_step = 1;
    /// The solution's layout last made, and for what.
    mutable std::shared_ptr<SolutionLayout> m_stepLayout;
    mutable const void* m_laidOut = nullptr;
    mutable double m_laidOutWidth = 0.0, m_laidOutSize = 0.0;
};
