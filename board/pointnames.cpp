#include "pointnames.h"

#include "painting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

using Painting::Mapping;

namespace {

/// What a name should not cover, with what covering it costs.
struct Obstacle {
    enum class Shape { Segment, Outline, Disc, Box };
    Shape shape;
    QPointF a, b; ///< Segment: ends; Outline, Disc: centre in a
    double size;  ///< Segment, Outline: half the pen; Outline: radius in b.x(); Disc: radius
    QRectF box;   ///< Box; for the others, their bounds
    double cost;
};

// What covering each thing costs; a name off the drawing area costs most.
constexpr double OffTheArea = 1e7;
constexpr double OtherName = 1e6;
constexpr double Point = 1e5;
constexpr double Text = 2e4;
constexpr double WideLine = 2000;
constexpr double ThinLine = 400;
constexpr double Farther = 50; ///< the outer ring of places
constexpr double Gap = 2.0;    ///< pixels between a dot and its name, at scale 1

bool meets(const Obstacle& o, const QRectF& r) {
    if (!o.box.intersects(r)) return false;
    switch (o.shape) {
    case Obstacle::Shape::Segment:
        return Painting::clip(o.a, o.b, r.adjusted(-o.size, -o.size, o.size, o.size)).has_value();
    case Obstacle::Shape::Outline:
        return Painting::outlineMeets(o.a, o.b.x(), o.size, r);
    case Obstacle::Shape::Disc: {
        const double dx = o.a.x() - std::clamp(o.a.x(), r.left(), r.right());
        const double dy = o.a.y() - std::clamp(o.a.y(), r.top(), r.bottom());
        return std::hypot(dx, dy) < o.size;
    }
    case Obstacle::Shape::Box:
        return true;
    }
    return false;
}

/// The drawing seen as obstacles, and the named dots in drawing order.
struct Scene {
    std::vector<Obstacle> obstacles;
    std::vector<PointName> names;
};

void addLine(Scene& s, const Primitive& p, const Mapping& m, double scale, const QRectF& area) {
    const auto ends = Painting::clip(Painting::place(p, p.p1, m, scale),
                                     Painting::place(p, p.p2, m, scale), area);
    if (!ends) return;
    const double half = p.width * scale / 2.0;
    const QRectF bounds =
        QRectF(ends->first, ends->second).normalized().adjusted(-half, -half, half, half);
    s.obstacles.push_back({Obstacle::Shape::Segment, ends->first, ends->second, half, bounds,
                           p.width > 1 ? WideLine : ThinLine});
}

void addCircle(Scene& s, const Primitive& p, const Mapping& m, double scale, const QRectF& area) {
    const QPointF c = m.map(p.p1);
    const double r = std::fabs(p.radius) * m.xScale();
    const double half = p.width * scale / 2.0;
    if (!Painting::finite(c) || !std::isfinite(r) || !Painting::outlineMeets(c, r, half, area))
        return;
    const QRectF bounds = QRectF(c - QPointF(r + half, r + half), c + QPointF(r + half, r + half));
    s.obstacles.push_back({Obstacle::Shape::Outline, c, QPointF(r, 0), half, bounds,
                           p.width > 1 ? WideLine : ThinLine});
}

void addDot(Scene& s, const Primitive& p, const Mapping& m, double scale, const QRectF& area) {
    const QPointF c = m.map(p.p1);
    if (!Painting::finite(c) || !area.contains(c)) return;
    const double r = p.width * scale / 2.0;
    s.obstacles.push_back(
        {Obstacle::Shape::Disc, c, c, r, QRectF(c - QPointF(r, r), c + QPointF(r, r)), Point});
    if (p.text.isEmpty()) return;
    const bool again = std::any_of(s.names.begin(), s.names.end(), [&](const PointName& n) {
        return n.text == p.text && std::hypot(n.dot.x() - c.x(), n.dot.y() - c.y()) < 0.5;
    });
    if (!again) s.names.push_back({p.text, p.color, c, QRectF()});
}

Scene sceneOf(const DisplayList& list, QSizeF size, double scale, const std::vector<bool>& hidden,
              Painting::Fonts& fonts) {
    Scene s;
    const QRectF area = Painting::visibleArea(size);
    Painting::forEachMapped(
        list, size, 0, [&](const Primitive& p, const Mapping& m, std::size_t i) {
            switch (p.kind) {
            case Primitive::Kind::Window:
                break;
            case Primitive::Kind::Line:
                addLine(s, p, m, scale, area);
                break;
            case Primitive::Kind::Circle:
                addCircle(s, p, m, scale, area);
                break;
            case Primitive::Kind::Dot:
                addDot(s, p, m, scale, area);
                break;
            case Primitive::Kind::Text:
                if (hidden.empty() || !hidden[i]) {
                    const QRectF box = fonts.inkBox(p.text, p.font, scale,
                                                    Painting::textTopLeft(p, m, scale, fonts));
                    s.obstacles.push_back({Obstacle::Shape::Box, {}, {}, 0, box, Text});
                }
                break;
            }
        });
    return s;
}

/// The places around a dot of radius `r` for a name of `size`, in the order
/// they are preferred: above right, right, above, below right, above left,
/// left, below, below left; then the same a little farther out.
std::vector<QRectF> placesAround(QPointF c, double r, QSizeF size, double gap) {
    static constexpr std::array<std::array<int, 2>, 8> Directions = {
        {{1, -1}, {1, 0}, {0, -1}, {1, 1}, {-1, -1}, {-1, 0}, {0, 1}, {-1, 1}}};
    std::vector<QRectF> places;
    for (double reach : {r + gap, r + gap + size.height() / 2}) {
        for (const auto& [dx, dy] : Directions) {
            // Diagonal places come in closer: the dot is round.
            const double d = dx != 0 && dy != 0 ? reach * std::numbers::sqrt2 / 2 : reach;
            const double x = dx > 0   ? c.x() + d
                             : dx < 0 ? c.x() - d - size.width()
                                      : c.x() - size.width() / 2;
            const double y = dy > 0   ? c.y() + d
                             : dy < 0 ? c.y() - d - size.height()
                                      : c.y() - size.height() / 2;
            places.emplace_back(QPointF(x, y), size);
        }
    }
    return places;
}

double costOf(const QRectF& place, std::size_t rank, const Scene& s,
              const std::vector<QRectF>& placed, QSizeF area) {
    double cost = double(rank % 8) + (rank >= 8 ? Farther : 0.0);
    if (!QRectF(QPointF(0, 0), area).contains(place)) cost += OffTheArea;
    for (const QRectF& other : placed)
        if (other.intersects(place)) cost += OtherName;
    for (const Obstacle& o : s.obstacles)
        if (meets(o, place)) cost += o.cost;
    return cost;
}

} // namespace

BoardFont pointNameFont() {
    return {QStringLiteral("MS Sans Serif"), 10.0, true};
}

std::vector<PointName> placePointNames(const DisplayList& list, QSizeF size, double scale,
                                       const std::vector<bool>& hidden, Painting::Fonts& fonts) {
    Scene s = sceneOf(list, size, scale, hidden, fonts);
    std::vector<QRectF> placed;
    const BoardFont font = pointNameFont();
    for (PointName& name : s.names) {
        const QSizeF extent = fonts.inkBox(name.text, font, scale, QPointF()).size();
        double radius = 0.0; // the largest dot drawn at the point
        for (const Obstacle& o : s.obstacles)
            if (o.shape == Obstacle::Shape::Disc && o.a == name.dot)
                radius = std::max(radius, o.size);
        const std::vector<QRectF> places = placesAround(name.dot, radius, extent, Gap * scale);
        double best = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < places.size(); ++i) {
            const double cost = costOf(places[i], i, s, placed, size);
            if (cost < best) {
                best = cost;
                name.box = places[i];
            }
        }
        placed.push_back(name.box);
    }
    return s.names;
}

std::vector<PointName> placePointNames(const DisplayList& list, QSizeF size, double scale) {
    Painting::Fonts fonts;
    return placePointNames(list, size, scale, Painting::hiddenNumbers(list, size, scale, fonts),
                           fonts);
}
