#pragma once

#include "displaylist.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>
#include <utility>
#include <vector>

/// What painting a display list and placing the names of its points share:
/// the world-to-pixel mapping, clipping, fonts, and where a primitive lands
/// at a display scale.
namespace Painting {

/// World-to-pixel mapping of one world window. Pixel centres sit at
/// half-integers so that 1-pixel lines fall on whole pixels.
struct Mapping {
    QRectF window{0, 0, 1, 1}; ///< top-left and bottom-right corners as a (possibly flipped) rect
    QSizeF size{1, 1};

    QPointF map(QPointF w) const {
        const double x = (w.x() - window.left()) / (window.right() - window.left()) * size.width();
        const double y = (w.y() - window.top()) / (window.bottom() - window.top()) * size.height();
        return {x + 0.5, y + 0.5};
    }
    /// Pixels per unit along each axis.
    double xScale() const;
    double yScale() const;
};

/// Anything farther than this from the drawing area is not drawn.
constexpr double Slack = 64.0;

bool finite(QPointF p);
/// The drawing area with the slack around it.
QRectF visibleArea(QSizeF size);
/// Liang-Barsky clipping of the segment a-b to `r`.
std::optional<std::pair<QPointF, QPointF>> clip(QPointF a, QPointF b, const QRectF& r);
/// Whether a circle's outline (centre c, radius r, pen `width`) passes through `area`.
bool outlineMeets(QPointF c, double r, double width, const QRectF& area);

/// Where a world point of primitive `p` lands: mapped, and for a primitive
/// placed in pixels around an anchor, moved away from it `scale` times as far.
QPointF place(const Primitive& p, QPointF world, const Mapping& m, double scale);

/// The fonts of one painting, each made once at its size: looking a font up
/// costs far more than drawing a short text with it.
class Fonts {
public:
    struct Entry {
        BoardFont key;
        double scale;
        QFont font;
        double ascent;
        double height;
    };
    const Entry& get(const BoardFont& f, double scale);
    /// The box of a text's ink from its top-left corner: its blanks left out.
    QRectF inkBox(const QString& text, const BoardFont& f, double scale, QPointF topLeft);

private:
    std::vector<Entry> m_entries;
};

/// The top-left corner of a text primitive on the area. At a scale larger
/// than 1, a text placed around an anchor that would leave the area is
/// moved back onto it (the name of an axis at its end, a number beside it).
QPointF textTopLeft(const Primitive& p, const Mapping& m, double scale, Fonts& fonts);

/// Calls `visit(primitive, mapping, index)` for every primitive from `first`
/// on that is not a world window, with the mapping of the window in force.
template <typename Visit>
void forEachMapped(const DisplayList& list, QSizeF size, std::size_t first, Visit&& visit) {
    Mapping m{QRectF(QPointF(0, 0), size), size};
    for (std::size_t i = std::min(first, list.size()); i-- > 0;) {
        if (list[i].kind == Primitive::Kind::Window) {
            m.window = QRectF(list[i].p1, list[i].p2);
            break;
        }
    }
    for (std::size_t i = first; i < list.size(); ++i) {
        if (list[i].kind == Primitive::Kind::Window)
            m.window = QRectF(list[i].p1, list[i].p2);
        else
            visit(list[i], m, i);
    }
}

/// The numbers of the graduation left out at a display scale larger than 1,
/// where they would run into each other: only multiples of a round step (1,
/// 2, 5, 10, 20…) are kept, then none that would overlap one kept before
/// it or another label placed beside the axes (their names). At scale 1
/// none is left out. Indexed like the list.
std::vector<bool> hiddenNumbers(const DisplayList& list, QSizeF size, double scale, Fonts& fonts,
                                std::size_t first = 0);

/// The smallest of 1, 2, 5, 10, 20, 50… that is at least `need`; infinity
/// when none is a finite double.
double roundStep(double need);

} // namespace Painting
