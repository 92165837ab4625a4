#include "displaylist.h"
#include "displaystyle.h"
#include "painting.h"
#include "pointnames.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStaticText>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

QColor QBColor(int index) {
    static const std::array<QColor, 16> palette = {
        QColor(0, 0, 0),       QColor(0, 0, 128),   QColor(0, 128, 0),   QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128), QColor(128, 128, 0), QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),   QColor(0, 255, 0),   QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255), QColor(255, 255, 0), QColor(255, 255, 255)};
    return palette.at(static_cast<std::size_t>(std::clamp(index, 0, 15)));
}

namespace Painting {

double Mapping::xScale() const {
    return size.width() / std::fabs(window.right() - window.left());
}

double Mapping::yScale() const {
    return size.height() / std::fabs(window.bottom() - window.top());
}

bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QRectF visibleArea(QSizeF size) {
    return QRectF(QPointF(0, 0), size).adjusted(-Slack, -Slack, Slack, Slack);
}

std::optional<std::pair<QPointF, QPointF>> clip(QPointF a, QPointF b, const QRectF& r) {
    if (!finite(a) || !finite(b)) return std::nullopt;
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const std::array<double, 4> p = {-dx, dx, -dy, dy};
    const std::array<double, 4> q = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(),
                                     r.bottom() - a.y()};
    for (std::size_t i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return std::nullopt;
    }
    return std::pair{QPointF(a.x() + t0 * dx, a.y() + t0 * dy),
                     QPointF(a.x() + t1 * dx, a.y() + t1 * dy)};
}

bool outlineMeets(QPointF c, double r, double width, const QRectF& area) {
    const double nearX = std::clamp(c.x(), area.left(), area.right());
    const double nearY = std::clamp(c.y(), area.top(), area.bottom());
    const double nearest = std::hypot(c.x() - nearX, c.y() - nearY);
    double farthest = 0.0;
    for (QPointF corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        farthest = std::max(farthest, std::hypot(c.x() - corner.x(), c.y() - corner.y()));
    return nearest <= r + width && farthest >= r - width;
}

QPointF place(const Primitive& p, QPointF world, const Mapping& m, double scale) {
    const QPointF at = m.map(world);
    if (!p.anchor || scale == 1.0) return at;
    const QPointF anchor = m.map(*p.anchor);
    return anchor + (at - anchor) * scale;
}

QPointF textTopLeft(const Primitive& p, const Mapping& m, double scale, Fonts& fonts) {
    const QPointF at = place(p, p.p1, m, scale) - QPointF(0.5, 0.5);
    if (!p.anchor || scale == 1.0 || !finite(at)) return at;
    const QRectF ink = fonts.inkBox(p.text, p.font, scale, at);
    const auto into = [](double low, double high, double limit) {
        return low < 0 ? -low : high > limit ? std::max(limit - high, -low) : 0.0;
    };
    return at + QPointF(into(ink.left(), ink.right(), m.size.width()),
                        into(ink.top(), ink.bottom(), m.size.height()));
}

const Fonts::Entry& Fonts::get(const BoardFont& f, double scale) {
    for (const Entry& e : m_entries)
        if (e.key == f && e.scale == scale) return e;
    BoardFont sized = f;
    sized.pointSize *= scale;
    const QFont font = qtFont(sized);
    const QFontMetricsF metrics(font);
    return m_entries.emplace_back(Entry{f, scale, font, metrics.ascent(), metrics.height()});
}

QRectF Fonts::inkBox(const QString& text, const BoardFont& f, double scale, QPointF topLeft) {
    const Entry& e = get(f, scale);
    const QFontMetricsF metrics(e.font);
    const QString trimmed = text.trimmed();
    const qsizetype lead = trimmed.isEmpty() ? 0 : text.indexOf(trimmed.front());
    const double left = metrics.horizontalAdvance(text.left(lead));
    return {topLeft + QPointF(left, 0), QSizeF(metrics.horizontalAdvance(trimmed), e.height)};
}

double roundStep(double need) {
    if (!(need > 1.0)) return 1.0;
    if (!std::isfinite(need)) return INFINITY;
    double decade = std::pow(10.0, std::floor(std::log10(need)));
    for (;; decade *= 10.0) {
        for (double m : {1.0, 2.0, 5.0})
            if (m * decade >= need) return m * decade;
        if (!std::isfinite(decade)) return INFINITY;
    }
}

namespace {

struct Number {
    std::size_t index;
    QRectF box;
    double value;
};

/// The numbers of one axis kept at their round step, the others marked hidden.
void thinAxis(const std::vector<Number>& numbers, double pixelsPerUnit, bool across, double gap,
              std::vector<bool>& hidden, std::vector<QRectF>& kept) {
    double extent = 0.0;
    for (const Number& n : numbers)
        extent = std::max(extent, across ? n.box.width() : n.box.height());
    const double step = roundStep((extent + gap) / pixelsPerUnit);
    for (const Number& n : numbers) {
        const QRectF room = n.box.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2);
        const bool onStep = std::isfinite(step) && std::fmod(std::fabs(n.value), step) == 0.0;
        const bool clear = std::none_of(kept.begin(), kept.end(),
                                        [&](const QRectF& k) { return k.intersects(room); });
        if (onStep && clear)
            kept.push_back(n.box);
        else
            hidden[n.index] = true;
    }
}

} // namespace

std::vector<bool> hiddenNumbers(const DisplayList& list, QSizeF size, double scale, Fonts& fonts,
                                std::size_t first) {
    if (scale == 1.0) return {};
    std::vector<bool> hidden(list.size(), false);
    std::vector<Number> xs, ys;
    std::vector<QRectF> kept;
    double xUnit = 0.0, yUnit = 0.0;
    forEachMapped(list, size, first, [&](const Primitive& p, const Mapping& m, std::size_t i) {
        if (p.kind != Primitive::Kind::Text || !p.anchor) return;
        const QRectF box = fonts.inkBox(p.text, p.font, scale, textTopLeft(p, m, scale, fonts));
        if (p.role == Primitive::Role::Plain) {
            kept.push_back(box); // the names of the axes, the labels of points
        } else if (p.role == Primitive::Role::XAxisNumber) {
            xs.push_back({i, box, p.anchor->x()});
            xUnit = m.xScale();
        } else {
            ys.push_back({i, box, p.anchor->y()});
            yUnit = m.yScale();
        }
    });
    const double gap = 4.0 * scale;
    thinAxis(xs, xUnit, true, gap, hidden, kept);
    thinAxis(ys, yUnit, false, gap, hidden, kept);
    return hidden;
}

} // namespace Painting

namespace {

using Painting::Mapping;

/// One painting of a list: the painter, the style and the fonts in use.
struct Canvas {
    QPainter& painter;
    const DisplayStyle& style;
    Painting::Fonts fonts;
    QRectF area;

    double width(const Primitive& p) const { return p.width * style.scale; }
    QColor colour(const Primitive& p) const { return style.paint(p.color); }
};

QPen penFor(const Canvas& c, const Primitive& p) {
    QPen pen(c.colour(p), c.width(p));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (p.effectiveStyle() == DashStyle::Dotted) pen.setDashPattern({1.0, 2.0});
    return pen;
}

/// A disc of the pen's width on each end of a wide segment: its round ends.
/// (A round-capped pen gives the same shape, but the painter then outlines
/// and fills the whole stroke, up to a millisecond for one long oblique
/// segment; a flat-ended segment and two discs take some microseconds.) A
/// segment of no length shows nothing, as it did with round caps.
void drawRoundEnds(Canvas& c, const Primitive& p, QPointF a, QPointF b) {
    const double r = c.width(p) / 2.0;
    c.painter.setPen(Qt::NoPen);
    c.painter.setBrush(c.colour(p));
    c.painter.drawEllipse(a, r, r);
    c.painter.drawEllipse(b, r, r);
    c.painter.setBrush(Qt::NoBrush);
}

void drawLine(Canvas& c, const Primitive& p, const Mapping& m) {
    const double s = c.style.scale;
    const auto clipped =
        Painting::clip(Painting::place(p, p.p1, m, s), Painting::place(p, p.p2, m, s), c.area);
    if (!clipped) return;
    c.painter.setPen(penFor(c, p));
    c.painter.drawLine(clipped->first, clipped->second);
    if (p.width > 1 && clipped->first != clipped->second)
        drawRoundEnds(c, p, clipped->first, clipped->second);
}

void drawDot(Canvas& c, const Primitive& p, const Mapping& m) {
    const QPointF centre = m.map(p.p1);
    if (!Painting::finite(centre) || !c.area.contains(centre)) return;
    c.painter.setPen(Qt::NoPen);
    c.painter.setBrush(c.colour(p));
    const double r = c.width(p) / 2.0;
    c.painter.drawEllipse(centre, r, r);
    c.painter.setBrush(Qt::NoBrush);
}

/// A circle too large for the painter's own ellipse code is drawn as the
/// polyline of its visible arc.
void drawHugeCircle(QPainter& painter, QPointF c, double r, const QRectF& area) {
    const QPointF mid = area.center();
    const double towards = std::atan2(mid.y() - c.y(), mid.x() - c.x());
    const double diagonal = std::hypot(area.width(), area.height());
    const double half = std::asin(std::min(1.0, diagonal / r)) * 1.5;
    constexpr int Steps = 256;
    QPainterPath path;
    for (int i = 0; i <= Steps; ++i) {
        const double t = towards - half + 2.0 * half * i / Steps;
        const QPointF q(c.x() + r * std::cos(t), c.y() + r * std::sin(t));
        i == 0 ? path.moveTo(q) : path.lineTo(q);
    }
    painter.drawPath(path);
}

void drawCircle(Canvas& c, const Primitive& p, const Mapping& m) {
    const QPointF centre = m.map(p.p1);
    const double r = std::fabs(p.radius) * m.xScale();
    if (!Painting::finite(centre) || !std::isfinite(r)) return;
    if (!Painting::outlineMeets(centre, r, c.width(p), c.area)) return;
    c.painter.setPen(penFor(c, p));
    if (r < 0.5) {
        c.painter.drawPoint(centre);
    } else if (r <= 8192.0) {
        c.painter.drawEllipse(centre, r, r);
    } else {
        drawHugeCircle(c.painter, centre, r, c.area);
    }
}

/// A text from its top-left corner. On pixels its layout is kept from one
/// painting to the next (a board repainted at each press draws the same
/// numbers on its axes); on paper and in SVG it stays text.
void drawTextAt(QPainter& painter, QPointF topLeft, const QString& text,
                const Painting::Fonts::Entry& font) {
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) {
        painter.drawText(topLeft + QPointF(0, font.ascent), text);
        return;
    }
    static QHash<QString, QStaticText> laidOut; // painting happens on the GUI thread only
    if (laidOut.size() > 2000) laidOut.clear();
    const QString key = font.font.key() + QLatin1Char('\n') + text;
    auto found = laidOut.find(key);
    if (found == laidOut.end()) {
        QStaticText staticText(text);
        staticText.setTextFormat(Qt::PlainText);
        staticText.prepare(QTransform(), font.font);
        found = laidOut.insert(key, staticText);
    }
    painter.drawStaticText(topLeft, *found);
}

void drawText(Canvas& c, const Primitive& p, const Mapping& m) {
    const QPointF topLeft = Painting::textTopLeft(p, m, c.style.scale, c.fonts);
    if (!Painting::finite(topLeft) || !c.area.contains(topLeft)) return;
    const Painting::Fonts::Entry& font = c.fonts.get(p.font, c.style.scale);
    c.painter.setFont(font.font);
    c.painter.setPen(c.colour(p));
    drawTextAt(c.painter, topLeft, p.text, font);
}

void drawNames(Canvas& c, const DisplayList& list, QSizeF size, const std::vector<bool>& hidden) {
    const BoardFont nameFont = pointNameFont();
    const Painting::Fonts::Entry& font = c.fonts.get(nameFont, c.style.scale);
    c.painter.setFont(font.font);
    for (const PointName& name : placePointNames(list, size, c.style.scale, hidden, c.fonts)) {
        c.painter.setPen(c.style.paint(name.colour));
        drawTextAt(c.painter, name.box.topLeft(), name.text, font);
    }
}

} // namespace

namespace {
bool isSerif(const QString& family) {
    return family.contains(QLatin1String("Serif"), Qt::CaseInsensitive) &&
           !family.contains(QLatin1String("Sans"), Qt::CaseInsensitive);
}
} // namespace

QFont qtFont(const BoardFont& f) {
    QFont font = namedFont(f.family);
    const bool serif = isSerif(f.family);
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    // Board sizes are points at 96 dots per inch, whatever the screen says.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pointSize * 96.0 / 72.0))));
    font.setBold(f.bold);
    return font;
}

QString fallbackFamily(const QString& family) {
    return isSerif(family) ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans");
}

QFont namedFont(const QString& family) {
    QFont font;
    font.setFamilies({family, fallbackFamily(family)});
    return font;
}

void renderDisplayList(QPainter& painter, const DisplayList& list, QSizeF size, std::size_t first) {
    renderDisplayList(painter, list, size, DisplayStyle{}, first);
}

void renderDisplayList(QPainter& painter, const DisplayList& list, QSizeF size,
                       const DisplayStyle& style, std::size_t first) {
    Canvas c{painter, style, {}, Painting::visibleArea(size)};
    const std::vector<bool> hidden =
        Painting::hiddenNumbers(list, size, style.scale, c.fonts, first);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(QRectF(QPointF(0, 0), size));
    Painting::forEachMapped(list, size, first,
                            [&](const Primitive& p, const Mapping& m, std::size_t i) {
                                switch (p.kind) {
                                case Primitive::Kind::Window:
                                    break;
                                case Primitive::Kind::Line:
                                    drawLine(c, p, m);
                                    break;
                                case Primitive::Kind::Dot:
                                    drawDot(c, p, m);
                                    break;
                                case Primitive::Kind::Circle:
                                    drawCircle(c, p, m);
                                    break;
                                case Primitive::Kind::Text:
                                    if (hidden.empty() || !hidden[i]) drawText(c, p, m);
                                    break;
                                }
                            });
    if (style.pointNames) drawNames(c, list, size, hidden);
    painter.restore();
}
