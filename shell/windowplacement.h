#pragma once

#include <QList>
#include <QRect>
#include <QSize>

/// Where a window goes beside others on one screen: at the first of the
/// places offered where it fits inside the room, shrunk to no less than its
/// smallest size, without covering what must stay in view (a drawing board,
/// a verdict). With no such place, the one that covers least of it.
struct WindowPlace {
    QRect room;                    ///< the screen's available area
    QList<QRect> keepClear;        ///< what the window may not cover
    QList<QPoint> corners;         ///< the top-left corners to try, best first
    static constexpr int Gap = 12; ///< between two windows side by side

    /// The window's frame: its size or smaller (never below `smallest`).
    QRect place(QSize size, QSize smallest) const;
};
