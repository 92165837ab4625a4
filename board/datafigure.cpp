#include "datafigure.h"

#include "drawing.h"
#include "painting.h"
#include "textrules.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double MinExtent = 4.0;               ///< the least width of data a view shows, in units
constexpr double Margin = 0.15;                 ///< of the view's side, on every side of the data
constexpr double Filled = 3 * (1 - 2 * Margin); ///< the data's width to a third of the view
constexpr double LonePointReach = 12; ///< how far from the origin a lone point keeps the axes
constexpr double FarAway = 40.0;      ///< farther meeting points of lines are not shown
constexpr int NumbersPerAxis = 10;    ///< about as many numbers on an axis
constexpr int DataWidth = 2;          ///< pixels of the data's pens
constexpr int DotWidth = 6;           ///< pixels of a point's dot
const QColor GridGrey(0xd4, 0xd7, 0xdc);

double lengthOf(QPointF v) {
    return std::hypot(v.x(), v.y());
}

/// The foot of the perpendicular from q on the line.
QPointF foot(const DataFigure::Line& l, QPointF q) {
    const double n2 = l.a * l.a + l.b * l.b;
    const double k = (l.a * q.x() + l.b * q.y() + l.c) / n2;
    return {q.x() - k * l.a, q.y() - k * l.b};
}

std::optional<QPointF> meeting(const DataFigure::Line& r, const DataFigure::Line& s) {
    const double det = r.a * s.b - s.a * r.b;
    const double scale = std::hypot(r.a, r.b) * std::hypot(s.a, s.b);
    if (std::fabs(det) <= 1e-9 * scale) return std::nullopt;
    const QPointF p((r.b * s.c - s.b * r.c) / det, (s.a * r.c - r.a * s.c) / det);
    if (!Painting::finite(p) || lengthOf(p) > FarAway) return std::nullopt;
    return p;
}

bool isLine(const DataFigure::Line& l) {
    return std::isfinite(l.a) && std::isfinite(l.b) && std::isfinite(l.c) && (l.a != 0 || l.b != 0);
}

/// The places of one line that the view shows.
void lineKeyPoints(const DataFigure& d, std::size_t i, std::vector<QPointF>& out) {
    const DataFigure::Line& l = d.lines[i];
    const std::size_t before = out.size();
    for (std::size_t j = 0; j < d.lines.size(); ++j)
        if (j != i && isLine(d.lines[j]))
            if (const auto p = meeting(l, d.lines[j])) out.push_back(*p);
    for (const DataFigure::Point& p : d.points)
        out.push_back(foot(l, p.at));
    for (const DataFigure::Circle& c : d.circles)
        out.push_back(foot(l, c.centre));
    if (out.size() > before) return;
    // Alone (or among parallels): a stretch of it where it passes nearest the origin.
    const QPointF f = foot(l, {0, 0});
    const QPointF along = QPointF(-l.b, l.a) / std::hypot(l.a, l.b) * (MinExtent / 2);
    out.insert(out.end(), {f, f + along, f - along});
}

/// The smallest rectangle around the points (a zero width or height kept,
/// which QRectF::united would drop).
QRectF boxOf(const std::vector<QPointF>& points) {
    double left = points.front().x(), right = left;
    double bottom = points.front().y(), top = bottom;
    for (QPointF p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        bottom = std::min(bottom, p.y());
        top = std::max(top, p.y());
    }
    return {QPointF(left, bottom), QPointF(right, top)};
}

double extentOf(const QRectF& box) {
    return std::max({box.width(), box.height(), MinExtent});
}

} // namespace

bool FigureView::contains(QPointF p) const {
    return p.x() >= left() && p.x() <= right() && p.y() >= bottom() && p.y() <= top();
}

std::vector<QPointF> keyPoints(const DataFigure& d) {
    std::vector<QPointF> out;
    for (const DataFigure::Point& p : d.points)
        out.push_back(p.at);
    for (const DataFigure::Circle& c : d.circles)
        out.insert(out.end(), {c.centre - QPointF(c.radius, c.radius),
                               c.centre + QPointF(c.radius, c.radius)});
    for (std::size_t i = 0; i < d.lines.size(); ++i)
        if (isLine(d.lines[i])) lineKeyPoints(d, i, out);
    std::erase_if(out, [](QPointF p) { return !Painting::finite(p); });
    return out;
}

FigureView fitView(const DataFigure& data) {
    std::vector<QPointF> points = keyPoints(data);
    if (points.empty()) points.push_back({0, 0});
    QRectF box = boxOf(points);
    points.push_back({0, 0});
    const QRectF withOrigin = boxOf(points);
    // The axes are shown where the points still fill a third of the view; a
    // point alone, or with lines (which cross the whole view), is shown with
    // them when it is not far from the origin.
    const double actual = std::max(box.width(), box.height());
    double reach = Filled * std::max(actual, MinExtent / 2);
    if (actual == 0 || !data.lines.empty()) reach = std::max(reach, LonePointReach);
    if (extentOf(withOrigin) <= reach) box = withOrigin;
    const double side = extentOf(box) / (1 - 2 * Margin);
    FigureView view;
    view.world = QRectF(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    view.step = Painting::roundStep(side / NumbersPerAxis);
    return view;
}

namespace {

/// Writes the primitives of a figure on a square of `side` pixels.
class FigureDrawer {
public:
    FigureDrawer(const FigureView& view, double side, QString separator)
        : m_view(view)
        , m_perPixel(view.world.width() / side)
        , m_separator(std::move(separator)) {
        Primitive& window = add(Primitive::Kind::Window, {view.left(), view.top()}, {});
        window.p2 = {view.right(), view.bottom()};
    }

    void grid();
    void axes();
    void data(const DataFigure& d);
    DisplayList take() { return std::move(m_list); }

private:
    double px(double pixels) const { return pixels * m_perPixel; }
    /// A primitive of the kind at p1 in the colour, added to the list.
    Primitive& add(Primitive::Kind kind, QPointF p1, const QColor& colour);
    void line(QPointF a, QPointF b, const QColor& colour, int width);
    void text(const QString& text, QPointF topLeft, const BoardFont& font, const QColor& colour,
              Primitive::Role role = Primitive::Role::Plain);
    QSizeF textSize(const QString& text, const BoardFont& font) const;
    /// The multiples of the step inside the view, short of its edges.
    std::vector<double> marks(double from, double to) const;
    void xNumbers(double atY);
    void yNumbers(double atX);
    void lineName(const DataFigure::Line& l, QPointF centre);
    QRectF nameBox(QPointF middle, QSizeF size) const;
    double covered(const QRectF& box, QPointF centre) const;
    /// A number of the graduation, with a true minus sign as on paper.
    QString numberText(double value) const {
        return TextRules::number(value, m_separator).replace(u'-', QChar(0x2212));
    }

    FigureView m_view;
    double m_perPixel;
    QString m_separator;
    DisplayList m_list;
};

BoardFont numberFont() {
    return {QStringLiteral("DejaVu Sans"), FigureNumberPoints, false};
}

BoardFont nameFont() {
    return {QStringLiteral("DejaVu Sans"), 10.0, true};
}

Primitive& FigureDrawer::add(Primitive::Kind kind, QPointF p1, const QColor& colour) {
    Primitive& p = m_list.emplace_back();
    p.kind = kind;
    p.p1 = p1;
    p.color = colour;
    return p;
}

void FigureDrawer::line(QPointF a, QPointF b, const QColor& colour, int width) {
    Primitive& p = add(Primitive::Kind::Line, a, colour);
    p.p2 = b;
    p.width = width;
}

void FigureDrawer::text(const QString& text, QPointF topLeft, const BoardFont& font,
                        const QColor& colour, Primitive::Role role) {
    Primitive& p = add(Primitive::Kind::Text, topLeft, colour);
    p.text = text;
    p.font = font;
    p.role = role;
}

QSizeF FigureDrawer::textSize(const QString& text, const BoardFont& font) const {
    const QFontMetricsF metrics(qtFont(font));
    return {px(metrics.horizontalAdvance(text)), px(metrics.height())};
}

std::vector<double> FigureDrawer::marks(double from, double to) const {
    std::vector<double> out;
    const double inset = px(8);
    for (double k = std::ceil((from + inset) / m_view.step); k * m_view.step <= to - inset; ++k)
        out.push_back(k * m_view.step);
    return out;
}

void FigureDrawer::grid() {
    for (double x : marks(m_view.left(), m_view.right()))
        line({x, m_view.bottom()}, {x, m_view.top()}, GridGrey, 1);
    for (double y : marks(m_view.bottom(), m_view.top()))
        line({m_view.left(), y}, {m_view.right(), y}, GridGrey, 1);
}

void FigureDrawer::xNumbers(double atY) {
    for (double x : marks(m_view.left(), m_view.right())) {
        if (x == 0 && atY == 0) continue;
        const QString t = numberText(x);
        const QSizeF size = textSize(t, numberFont());
        text(t, {x - size.width() / 2, atY - px(3)}, numberFont(), Qt::black,
             Primitive::Role::XAxisNumber);
        if (atY == 0) line({x, -px(2)}, {x, px(2)}, Qt::black, 1);
    }
}

void FigureDrawer::yNumbers(double atX) {
    for (double y : marks(m_view.bottom(), m_view.top())) {
        if (y == 0 && atX == 0) continue;
        const QString t = numberText(y);
        const QSizeF size = textSize(t, numberFont());
        const double left = atX == 0 ? -px(4) - size.width() : atX + px(3);
        text(t, {left, y + size.height() / 2}, numberFont(), Qt::black,
             Primitive::Role::YAxisNumber);
        if (atX == 0) line({-px(2), y}, {px(2), y}, Qt::black, 1);
    }
}

void FigureDrawer::axes() {
    const bool xAxis = m_view.bottom() < 0 && m_view.top() > 0;
    const bool yAxis = m_view.left() < 0 && m_view.right() > 0;
    const BoardFont names{QStringLiteral("DejaVu Sans"), 8.0, true};
    if (xAxis) {
        const double end = m_view.right() - px(2);
        line({m_view.left(), 0}, {end, 0}, Qt::black, 1);
        line({end - px(5), px(3)}, {end, 0}, Qt::black, 1);
        line({end - px(5), -px(3)}, {end, 0}, Qt::black, 1);
        text(QStringLiteral("x"), {end - px(8), -px(4)}, names, Qt::black);
    }
    if (yAxis) {
        const double end = m_view.top() - px(2);
        line({0, m_view.bottom()}, {0, end}, Qt::black, 1);
        line({-px(3), end - px(5)}, {0, end}, Qt::black, 1);
        line({px(3), end - px(5)}, {0, end}, Qt::black, 1);
        text(QStringLiteral("y"), {px(5), end + px(1)}, names, Qt::black);
    }
    // Without an axis in the view, its numbers go along the lower or the left edge.
    xNumbers(xAxis ? 0 : m_view.bottom() + px(13));
    yNumbers(yAxis ? 0 : m_view.left());
}

/// Where a line crosses the view: its two ends, nothing when it misses it.
std::optional<std::pair<QPointF, QPointF>> visiblePart(const DataFigure::Line& l,
                                                       const QRectF& area) {
    const QPointF f = foot(l, area.center());
    const QPointF along = QPointF(-l.b, l.a) / std::hypot(l.a, l.b) * (area.width() * 2);
    return Painting::clip(f - along, f + along, area);
}

/// The box of a name centred at `middle`, kept inside the view; y upwards,
/// so its top is its larger y.
QRectF FigureDrawer::nameBox(QPointF middle, QSizeF size) const {
    const double left = std::clamp(middle.x() - size.width() / 2, m_view.left() + px(2),
                                   m_view.right() - px(2) - size.width());
    const double top = std::clamp(middle.y() + size.height() / 2,
                                  m_view.bottom() + px(2) + size.height(), m_view.top() - px(2));
    return {QPointF(left, top - size.height()), size};
}

/// What a name's box covers: the texts and dots drawn so far, the axes, and
/// the data's middle (a name is read best away from the data).
double FigureDrawer::covered(const QRectF& box, QPointF centre) const {
    double cost = 0;
    for (const Primitive& p : m_list) {
        if (p.kind == Primitive::Kind::Text) {
            const QSizeF size = textSize(p.text, p.font);
            cost += box.intersects(QRectF(p.p1 - QPointF(0, size.height()), size)) ? 10 : 0;
        }
        if (p.kind == Primitive::Kind::Dot &&
            box.adjusted(-px(4), -px(4), px(4), px(4)).contains(p.p1))
            cost += 10;
    }
    cost += box.top() < 0 && box.bottom() > 0 ? 3 : 0; // across the x axis
    cost += box.left() < 0 && box.right() > 0 ? 3 : 0; // across the y axis
    return cost - lengthOf(box.center() - centre) / m_view.world.width();
}

void FigureDrawer::lineName(const DataFigure::Line& l, QPointF centre) {
    const double inset = m_view.world.width() * 0.06;
    const auto part = visiblePart(l, m_view.world.adjusted(inset, inset, -inset, -inset));
    if (!part || l.name.isEmpty()) return;
    // Beside the line near one of its ends, or a little further in: where it
    // covers least of what is drawn.
    const QSizeF size = textSize(l.name, nameFont());
    const QPointF normal = QPointF(l.a, l.b) / std::hypot(l.a, l.b);
    const double away = px(5) + std::max(size.width(), size.height()) / 2;
    QRectF best;
    double least = INFINITY;
    for (double t : {0.0, 1.0, 0.2, 0.8})
        for (double side : {1.0, -1.0}) {
            const QPointF on = part->first + t * (part->second - part->first);
            const QRectF box = nameBox(on + side * away * normal, size);
            const double cost = covered(box, centre);
            if (cost < least) {
                least = cost;
                best = box;
            }
        }
    text(l.name, {best.left(), best.bottom()}, nameFont(), Azul);
}

void FigureDrawer::data(const DataFigure& d) {
    for (const DataFigure::Circle& c : d.circles) {
        Primitive& p = add(Primitive::Kind::Circle, c.centre, Azul);
        p.radius = c.radius;
        p.width = DataWidth;
    }
    std::vector<QPointF> key = keyPoints(d);
    const QPointF centre = key.empty() ? m_view.world.center() : boxOf(key).center();
    for (const DataFigure::Line& l : d.lines) {
        if (!isLine(l)) continue;
        if (const auto part = visiblePart(l, m_view.world))
            line(part->first, part->second, Azul, DataWidth);
        lineName(l, centre);
    }
    for (const DataFigure::Segment& s : d.segments)
        line(d.points.at(std::size_t(s.from)).at, d.points.at(std::size_t(s.to)).at, Azul,
             DataWidth);
    for (const DataFigure::Point& point : d.points) {
        Primitive& p = add(Primitive::Kind::Dot, point.at, Azul);
        p.width = DotWidth;
        p.text = point.name;
    }
}

} // namespace

DisplayList drawDataFigure(const DataFigure& data, double side, const QString& separator) {
    FigureDrawer drawer(fitView(data), side, separator);
    drawer.grid();
    drawer.axes();
    drawer.data(data);
    return drawer.take();
}
