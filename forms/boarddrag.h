#pragma once

#include "datahistory.h"
#include "equationdrag.h"
#include "gridsnap.h"
#include "messages.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class Board;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
struct PressRecord;
namespace exact {
class FrameData;
struct FrameField;
} // namespace exact

/// Gives the point of that abscissa field the name it is dragged and
/// announced by ("A").
void nameDraggedPoint(QLineEdit* xField, const QString& name);

/// Exploring by dragging: the data points of the press the board shows
/// (the blue dots A, B, P, a centre, a triangle's vertices) are grabbed with
/// the mouse, a pen or a finger and dragged. The point snaps to the grid's
/// divisions (Shift: freely, to a pixel), its fields are rewritten with the
/// value it landed on and the frame's press runs again, so the board, the
/// results and the worked solution follow the hand. The lines and circles
/// given by equations are dragged too (equationdrag.h): a line anywhere
/// along it, parallel to itself, or by its square grip, turned about the
/// ring marked on it; a circle by its centre, or resized by the square grip
/// on it; their equations are rewritten in the form they were typed in.
/// From the keyboard, Tab goes from handle to handle on the board and the
/// arrows move the one selected by a division (Shift: a tenth), which is
/// said with its new place. While a handle moves, the press's messages are
/// said at the foot of the board instead of in a box.
class BoardDrag : public QObject {
    Q_OBJECT
public:
    /// What the drag asks of the form.
    struct Host {
        /// The press whose drawing the board shows.
        std::function<const PressRecord&()> shown;
        /// Runs that press again, through the form's press.
        std::function<void()> repress;
    };

    /// What is taken on the board: a data point, or a line or circle given
    /// by an equation, each in its ways.
    struct Handle {
        enum class Kind {
            Point,  ///< a data point, moved
            Line,   ///< a line, taken anywhere along it and moved parallel to itself
            Turn,   ///< a line's grip, turning it about its pivot
            Centre, ///< a circle's centre, moving it
            Radius, ///< a circle's grip, resizing it
        };
        Kind kind = Kind::Point;
        QString name;   ///< a point's
        QString xField; ///< a point's
        QString yField;
        QPointF at;    ///< the point, the pivot of a line, a grip, a centre
        QString field; ///< the equation of a line or circle
        std::optional<EquationShape> shape;

        /// The fields a move of it writes.
        QStringList fields() const;
    };

    BoardDrag(QWidget* form, Board* board, DataHistory& history, Host host);

    /// Drags on `view` as well, a picture of the board (the full-screen
    /// board): `toBoard` maps its pixels to the board's.
    void attach(QWidget* view, std::function<QPointF(QPointF)> toBoard);

    /// The handles of the press the board shows, in the frame's order:
    /// each point; each line, then its grip; each circle's centre, then its grip.
    std::vector<Handle> handles() const;
    /// Shows the grips of the lines and circles of the press the board shows.
    void showGrips();
    /// Whether a point is being dragged now.
    bool dragging() const { return m_grab.has_value(); }
    /// The point the keyboard selected, counted from 0; −1 for none.
    int selected() const { return m_selected; }

    /// Runs `change` (a press again, an undo) with the form's messages said
    /// at the foot of the board rather than in a box.
    void quietly(const std::function<void()>& change);

    /// How near the pointer must come to a point to take it, in board
    /// pixels: a finger is less precise than a mouse.
    static constexpr double MouseReach = 10.0;
    static constexpr double TouchReach = 24.0;
    /// How far a line's grip is from its pivot, in board pixels.
    static constexpr double GripReach = 80.0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Grab {
        Handle handle;
        QPointF offset; ///< from the pointer to the handle, in world units
        DataHistory::Texts before;
    };

    bool pointerEvent(QWidget* view, QEvent* event);
    bool touchEvent(QWidget* view, QEvent* event);
    bool keyEvent(QKeyEvent* event);
    /// Takes the point within `reach` pixels of `pixel`, if there is one.
    bool grab(QPointF pixel, double reach);
    void follow(QPointF pixel, bool freely);
    void release();
    /// The handle within `reach` board pixels of `pixel`, the nearest, and
    /// of several in one place the last, drawn on top; −1 for none.
    int handleAt(QPointF pixel, double reach) const;
    /// Moves the handle onto the grid's point of the divisions counted,
    /// writes its fields and presses again.
    void moveTo(const Handle& handle, long long countX, GridStep stepX, long long countY,
                GridStep stepY);
    /// Moves a line by (tx, ty), writes its equation and presses again.
    void shiftLine(const Handle& handle, const exact::Number& tx, const exact::Number& ty);
    /// Writes a line's or circle's equation and presses again.
    void writeEquation(const Handle& handle, const std::optional<QString>& text);
    DataHistory::Texts fieldTexts(const Handle& handle) const;
    void addEquationHandles(const exact::FrameData& data, const exact::FrameField& field,
                            std::size_t index, std::vector<Handle>& found) const;
    /// The division of the grid along each axis.
    std::pair<GridStep, GridStep> divisions() const;
    std::pair<GridStep, GridStep> pixels() const;
    void select(int index);
    void moveSelected(int dx, int dy, bool tenth);
    void announce(const Handle& handle);
    void hover(QWidget* view, QPointF pixel);
    QPointF boardPixel(QWidget* view, QPointF pos) const;
    void say(const Message& message);

    QWidget* m_form;
    Board* m_board;
    DataHistory& m_history;
    Host m_host;
    QHash<QObject*, std::function<QPointF(QPointF)>> m_views;
    std::optional<Grab> m_grab;
    std::optional<MessageDiversion> m_quiet;
    int m_selected = -1;
    /// The pivot of each line, by field, as the grips last showed it.
    QHash<QString, exact::Point> m_pivots;
};
