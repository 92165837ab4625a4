#pragma once

#include "displaylist.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace Painting {
class Fonts;
}

/// The name of a point written beside its dot.
struct PointName {
    QString text;
    QColor colour; ///< the dot's recorded colour
    QPointF dot;   ///< the dot's centre on the drawing area
    QRectF box;    ///< where the name's letters go
};

/// The font of the names at display scale 1.
BoardFont pointNameFont();

/// Where the names of the named dots of `list` go on a drawing area of
/// `size` logical pixels at display `scale`: beside each dot, at the place
/// among those around it that covers the least of what is drawn (other
/// names and points first, then texts, then lines and circles) and stays
/// on the area. A name given twice to one point is written once. The
/// graduation numbers hidden at that scale (`hidden`, indexed like the list;
/// may be empty) are not in the way.
std::vector<PointName> placePointNames(const DisplayList& list, QSizeF size, double scale,
                                       const std::vector<bool>& hidden, Painting::Fonts& fonts);
std::vector<PointName> placePointNames(const DisplayList& list, QSizeF size, double scale);
