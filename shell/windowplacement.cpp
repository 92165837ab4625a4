#include "windowplacement.h"

#include <algorithm>
#include <limits>

namespace {

qint64 area(const QRect& r) {
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

/// The frame at a corner, shrunk to the room (not below `smallest`), then
/// moved inside it where it still reaches out.
QRect atCorner(const QRect& room, QPoint corner, QSize size, QSize smallest) {
    const int width =
        std::max(smallest.width(), std::min(size.width(), room.right() + 1 - corner.x()));
    const int height =
        std::max(smallest.height(), std::min(size.height(), room.bottom() + 1 - corner.y()));
    QRect frame(corner, QSize(width, height));
    frame.moveRight(std::min(frame.right(), room.right()));
    frame.moveBottom(std::min(frame.bottom(), room.bottom()));
    frame.moveLeft(std::max(frame.left(), room.left()));
    frame.moveTop(std::max(frame.top(), room.top()));
    return frame;
}

} // namespace

QRect WindowPlace::place(QSize size, QSize smallest) const {
    QRect best;
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (const QPoint& corner : corners) {
        const QRect frame = atCorner(room, corner, size, smallest);
        qint64 covered = 0;
        for (const QRect& clear : keepClear)
            covered += area(frame.intersected(clear));
        if (covered == 0) return frame;
        if (covered < leastCovered) {
            leastCovered = covered;
            best = frame;
        }
    }
    return best.isNull() ? QRect(room.topLeft(), size) : best;
}
