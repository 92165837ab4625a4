#include "displaylist.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
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

namespace {

/// World-to-pixel mapping of one world window. Pixel centres sit at
/// half-integers so that 1-pixel lines fall on whole pixels.
struct Mapping {
    QRectF window{0, 0, 1, 1}; // top-left and bottom-right corners as a (possibly flipped) rect
    QSizeF size{1, 1};

    QPointF map(QPointF w) const {
        const double x = (w.x() - window.left()) / (window.right() - window.left()) * size.width();
        const double y = (w.y() - window.top()) / (window.bottom() - window.top()) * size.height();
        return {x + 0.5, y + 0.5};
    }
    double xScale() const { return size.width() / std::fabs(window.right() - window.left()); }
};

// Anything farther than this from the drawing area is not drawn.
constexpr double Slack = 64.0;

bool finite(QPointF p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

QRectF visibleArea(QSizeF size) {
    return QRectF(QPointF(0, 0), size).adjusted(-Slack, -Slack, Slack, Slack);
}

/// Liang-Barsky clipping of the segment a-b to `r`.
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

QPen penFor(const Primitive& p) {
    QPen pen(p.color, p.width);
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
void drawRoundEnds(QPainter& painter, const Primitive& p, QPointF a, QPointF b) {
    const double r = p.width / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.color);
    painter.drawEllipse(a, r, r);
    painter.drawEllipse(b, r, r);
    painter.setBrush(Qt::NoBrush);
}

void drawLine(QPainter& painter, const Primitive& p, const Mapping& m) {
    const auto clipped = clip(m.map(p.p1), m.map(p.p2), visibleArea(m.size));
    if (!clipped) return;
    painter.setPen(penFor(p));
    painter.drawLine(clipped->first, clipped->second);
    if (p.width > 1 && clipped->first != clipped->second)
        drawRoundEnds(painter, p, clipped->first, clipped->second);
}

void drawDot(QPainter& painter, const Primitive& p, const Mapping& m) {
    const QPointF c = m.map(p.p1);
    if (!finite(c) || !visibleArea(m.size).contains(c)) return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(p.color);
    const double r = p.width / 2.0;
    painter.drawEllipse(c, r, r);
    painter.setBrush(Qt::NoBrush);
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

void drawCircle(QPainter& painter, const Primitive& p, const Mapping& m) {
    const QPointF c = m.map(p.p1);
    const double r = std::fabs(p.radius) * m.xScale();
    const QRectF area = visibleArea(m.size);
    if (!finite(c) || !std::isfinite(r)) return;
    const double nearX = std::clamp(c.x(), area.left(), area.right());
    const double nearY = std::clamp(c.y(), area.top(), area.bottom());
    const double nearest = std::hypot(c.x() - nearX, c.y() - nearY);
    double farthest = 0.0;
    for (QPointF corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        farthest = std::max(farthest, std::hypot(c.x() - corner.x(), c.y() - corner.y()));
    if (nearest > r + p.width || farthest < r - p.width)
        return; // the outline misses the drawing area
    painter.setPen(penFor(p));
    if (r < 0.5) {
        painter.drawPoint(c);
    } else if (r <= 8192.0) {
        painter.drawEllipse(c, r, r);
    } else {
        drawHugeCircle(painter, c, r, area);
    }
}

bool isSerif(const QString& family) {
    return family.contains(QLatin1String("Serif"), Qt::CaseInsensitive) &&
           !family.contains(QLatin1String("Sans"), Qt::CaseInsensitive);
}

/// The fonts of one rendering, each made once: looking a font up costs far
/// more than drawing a short text with it, and a picture prints dozens of
/// numbers in one or two fonts.
class Fonts {
public:
    struct Entry {
        BoardFont key;
        QFont font;
        double ascent;
    };

    const Entry& operator[](const BoardFont& f) {
        for (const Entry& e : m_entries)
            if (e.key == f) return e;
        const QFont font = qtFont(f);
        return m_entries.emplace_back(Entry{f, font, QFontMetricsF(font).ascent()});
    }

private:
    std::vector<Entry> m_entries;
};

void drawText(QPainter& painter, const Primitive& p, const Mapping& m, Fonts& fonts) {
    const QPointF topLeft = m.map(p.p1) - QPointF(0.5, 0.5);
    if (!finite(topLeft) || !visibleArea(m.size).contains(topLeft)) return;
    const Fonts::Entry& font = fonts[p.font];
    painter.setFont(font.font);
    painter.setPen(p.color);
    painter.drawText(topLeft + QPointF(0, font.ascent), p.text);
}

Mapping windowBefore(const DisplayList& list, std::size_t first, QSizeF size) {
    Mapping m{QRectF(QPointF(0, 0), size), size};
    for (std::size_t i = std::min(first, list.size()); i-- > 0;) {
        if (list[i].kind == Primitive::Kind::Window) {
            m.window = QRectF(list[i].p1, list[i].p2);
            break;
        }
    }
    return m;
}

} // namespace

QFont qtFont(const BoardFont& f) {
    QFont font;
    const bool serif = isSerif(f.family);
    font.setFamilies({f.family, fallbackFamily(f.family)});
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    // Board sizes are points at 96 dots per inch, whatever the screen says.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pointSize * 96.0 / 72.0))));
    font.setBold(f.bold);
    return font;
}

QString fallbackFamily(const QString& family) {
    return isSerif(family) ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans");
}

void renderDisplayList(QPainter& painter, const DisplayList& list, QSizeF size, std::size_t first) {
    Mapping m = windowBefore(list, first, size);
    Fonts fonts;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(QRectF(QPointF(0, 0), size));
    for (std::size_t i = first; i < list.size(); ++i) {
        const Primitive& p = list[i];
        switch (p.kind) {
        case Primitive::Kind::Window:
            m.window = QRectF(p.p1, p.p2);
            break;
        case Primitive::Kind::Line:
            drawLine(painter, p, m);
            break;
        case Primitive::Kind::Dot:
            drawDot(painter, p, m);
            break;
        case Primitive::Kind::Circle:
            drawCircle(painter, p, m);
            break;
        case Primitive::Kind::Text:
            drawText(painter, p, m, fonts);
            break;
        }
    }
    painter.restore();
}
