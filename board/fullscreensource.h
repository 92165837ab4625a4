#pragma once

#include <QMetaObject>
#include <QStringList>
#include <functional>

namespace exact {
struct Solution;
}

class Board;
class QGroupBox;
class QObject;
class QPushButton;
class QWidget;

/// What a button of a problem frame does: draw the data ("Dados") or solve ("Resolver").
enum class PressKind { Dados, Resolver };

/// All the full-screen board knows of the form whose board it shows: its
/// window, its board, the frame its keys press and what that frame answers.
/// The form implements it; the board knows nothing else of forms.
class FullScreenSource {
public:
    /// The form's window, which owns the full-screen board.
    virtual QWidget* ownerWindow() = 0;
    virtual Board* board() const = 0;
    /// The problem frame pressed last, or the first one before any press.
    virtual QGroupBox* lastFrame() const = 0;
    /// That frame's caption, then each of its results as its caption and its
    /// text ("Ponto médio:", "(-3 , 1)"); empty without a frame.
    virtual QStringList resultLines() const = 0;
    /// That frame's button of that kind, or null when it has none.
    virtual QPushButton* lastFrameButton(PressKind kind) const = 0;
    /// The worked solution of the last press, when it was a "Resolver" that explains.
    virtual const exact::Solution* solution() const = 0;
    /// Calls `then` in `context` each time a press of the form ends.
    virtual QMetaObject::Connection whenPressEnds(QObject* context, std::function<void()> then) = 0;

protected:
    ~FullScreenSource() = default;
};
