#pragma once

#include "displaylist.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

/// The data of an exercise as a figure shows them: named points, lines and
/// circles in world coordinates, and the segments between some points (the
/// sides of a triangle, a segment [AB]).
struct DataFigure {
    struct Point {
        QString name; ///< "A", "P"; empty for none
        QPointF at;
    };
    struct Line {
        QString name;               ///< "r"; empty for none
        double a = 0, b = 0, c = 0; ///< ax + by + c = 0
    };
    struct Circle {
        QPointF centre;
        double radius = 0;
    };
    struct Segment {
        int from = 0, to = 0; ///< indices into points
    };
    std::vector<Point> points;
    std::vector<Line> lines;
    std::vector<Circle> circles;
    std::vector<Segment> segments;

    bool empty() const { return points.empty() && lines.empty() && circles.empty(); }
};

/// The square of the plane a figure shows, and the step of its graduation.
struct FigureView {
    QRectF world; ///< left, bottom and the side, y upwards: x from left() to right()
    double step = 1.0;

    double left() const { return world.left(); }
    double right() const { return world.right(); }
    double bottom() const { return world.top(); }
    double top() const { return world.bottom(); }
    bool contains(QPointF p) const;
};

/// The view that fits the data: the points, the circles whole, and of each
/// line the places that matter (where it meets the other lines, the feet of
/// the perpendiculars from the points and the centres on it; alone, where
/// it passes nearest the origin), with a margin around them, the origin
/// taken in when the points still fill a third of the view (a lone point
/// or lines, when it is near). The graduation's step
/// is 1, 2, 5, 10… units, about ten numbers on an axis.
FigureView fitView(const DataFigure& data);

/// The points a view must show of the data: what fitView fits.
std::vector<QPointF> keyPoints(const DataFigure& data);

/// The figure drawn on a square of `side` logical pixels (96 to the inch):
/// a light grid and the axes graduated at the view's step, their numbers in
/// a 6.5-point face written with the decimal separator `separator` (along
/// the lower and left edges when the origin is out of the view), then the
/// data in the data colour, points with their names (painted when a style
/// shows the names of the points), lines with their names near an end. In
/// world coordinates with the view's window first, for the board's renderer.
DisplayList drawDataFigure(const DataFigure& data, double side, const QString& separator);

/// The size in points of the numbers of a figure's axes.
inline constexpr double FigureNumberPoints = 6.5;
