#pragma once

#include "fullscreensource.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class QGroupBox;
class QPushButton;

/// The board of a problem form alone on a whole screen, for the classroom:
/// the same viewport, drawn from the display list at the screen's own
/// resolution, with the result of the frame pressed last large in the top
/// right corner. From the keyboard, D draws that frame's data and R (or
/// Enter) solves it, as its "Dados" and "Resolver" buttons do; the keys of
/// the worked solution step it when its window is open; Escape (or F11)
/// returns to the form. A window of the form, closed with it; it knows the
/// form only as a FullScreenSource.
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

    /// Where the keys of the worked solution go (Space, the arrows, Page
    /// Up and Down, Home, End): the application's window "Resolução".
    /// `open` says whether it shows now; `step` gives it a key and says
    /// whether it took it. The application provides them; by default there
    /// is no such window.
    struct SolutionSteps {
        std::function<bool()> open;
        std::function<bool(int key)> step;
    };
    static void setSolutionSteps(SolutionSteps steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// The frame's button of that kind, or null.
    QPushButton* button(PressKind kind) const;
    void press(PressKind kind);
    void describe();
    static bool solutionOpen();
    void paintResult(QPainter& painter, QSizeF size) const;

    FullScreenSource* m_source;
    QPointer<QWidget> m_form; ///< the source's window, while it lives
};
