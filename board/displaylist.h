#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

struct DisplayStyle;

/// Dash style of the board's pen. A dotted style only shows on 1-pixel pens.
enum class DashStyle { Solid = 0, Dotted = 2 };

/// The colours of the toolkit's 16-entry QBColor palette.
QColor QBColor(int index);

/// Font of a text primitive: a family name as the program asks for it
/// ("MS Serif"), its size in points and its weight.
struct BoardFont {
    QString family = QStringLiteral("MS Sans Serif");
    double pointSize = 8.25;
    bool bold = false;

    friend bool operator==(const BoardFont&, const BoardFont&) = default;
};

/// The free family drawn in place of a named one that is not installed:
/// "DejaVu Serif" for a serif family ("MS Serif"), else "DejaVu Sans".
QString fallbackFamily(const QString& family);

/// A font of the named family ("MS Sans Serif", "Comic Sans MS"), with its
/// free fallback family standing in where it is not installed; the size is
/// the caller's to set.
QFont namedFont(const QString& family);

/// The Qt font a text of this font is drawn and measured with: the named
/// family, its fallback, and the size in points at 96 dots per inch.
QFont qtFont(const BoardFont& f);

/// One recorded drawing operation, in the world coordinates in force when it
/// was drawn. A `Window` entry records a change of the world window: every
/// later entry is mapped through it.
struct Primitive {
    enum class Kind { Window, Line, Dot, Circle, Text };
    /// What a text is: a number of the graduation of one axis, or anything else.
    enum class Role { Plain, XAxisNumber, YAxisNumber };

    Kind kind = Kind::Line;
    QPointF p1; ///< Line: start; Dot, Circle: centre; Text: top-left; Window: top-left corner
    QPointF p2; ///< Line: end; Window: bottom-right corner
    double radius = 0.0; ///< Circle, in x units
    QColor color;
    int width = 1; ///< pen width in board pixels (a dot's diameter)
    DashStyle style = DashStyle::Solid;
    QString text; ///< Text: the text; Dot: the name of the point ("A"), or empty
    BoardFont font;
    /// For what is placed in pixels around a world point (a label beside an
    /// axis, a tick): that point. A larger display scale moves the primitive
    /// away from it in proportion, as it grows its pens and fonts.
    std::optional<QPointF> anchor;
    Role role = Role::Plain;

    /// The dash style as it is drawn: wider pens are always solid.
    DashStyle effectiveStyle() const { return width == 1 ? style : DashStyle::Solid; }
};

/// Everything drawn on a board since it was last cleared, in order.
using DisplayList = std::vector<Primitive>;

/// Paints `list` onto `painter`, mapping the world windows it records onto
/// a drawing area of `size` logical pixels, in `style` (the usual one when
/// none is given). What lies far outside the area is clipped away before it
/// reaches the painter, so absurd coordinates cannot stall or break it.
void renderDisplayList(class QPainter& painter, const DisplayList& list, QSizeF size,
                       std::size_t first = 0);
void renderDisplayList(class QPainter& painter, const DisplayList& list, QSizeF size,
                       const DisplayStyle& style, std::size_t first = 0);
