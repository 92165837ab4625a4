#pragma once

#include "displaylist.h"
#include "displaystyle.h"
#include "painting.h"

#include <QWidget>
#include <optional>
#include <vector>

class ArrowMark;
namespace exact {
struct Figure;
}

/// The drawing board of a problem form (`Picture1`): a 631-pixel square on
/// which drawing operations are recorded in world coordinates and kept until
/// Cls(). The operations and the drawing state follow the picture control
/// the program's routines were written for.
class Board : public QWidget {
    Q_OBJECT
public:
    static constexpr int Side = 631; ///< logical pixels

    explicit Board(QWidget* parent = nullptr);
    ~Board() override;

    // --- operations -------------------------------------------------------
    void Cls();
    void ScaleModePixels(); ///< ScaleMode = 3
    int ScaleWidth() const { return Side; }
    int ScaleHeight() const { return Side; }
    /// World window: (x1, y1) at the top-left corner, (x2, y2) at the
    /// bottom-right one. Raises the invalid-argument fault for an empty window.
    void Scale(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2);
    /// A dot; `name` is the point's name ("A"), written beside it when the
    /// names of the points are shown.
    void PSet(double x, double y, const QString& name = {});
    /// An outline of radius r in x units, in the pen in force.
    void Circle(double x, double y, double r);
    void Print(const QString& text);
    /// Prints a number as the board prints numbers: a blank before a
    /// non-negative one, a blank after every one.
    void PrintNumber(double value, const QString& decimalSeparator);

    // --- drawing state ----------------------------------------------------
    void setForeColor(const QColor& color) { m_color = color; }
    void setDrawWidth(int width) { m_width = width; }
    void setDrawStyle(DashStyle style) { m_style = style; }
    void setFontName(const QString& family) { m_font.family = family; }
    void setFontSize(double points) { m_font.pointSize = points; }
    void setFontBold(bool bold) { m_font.bold = bold; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    QColor foreColor() const { return m_color; }
    int drawWidth() const { return m_width; }
    DashStyle drawStyle() const { return m_style; }
    const BoardFont& font() const { return m_font; }
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }

    /// While one lives, what the board records is placed in pixels around a
    /// world point (a label beside an axis, a tick): a larger display scale
    /// moves it away from that point in proportion, as it grows its pens and
    /// fonts. The recorded coordinates are the same either way.
    class PixelPlacement {
    public:
        PixelPlacement(Board& board, QPointF anchor, Primitive::Role role = Primitive::Role::Plain);
        ~PixelPlacement();
        PixelPlacement(const PixelPlacement&) = delete;
        PixelPlacement& operator=(const PixelPlacement&) = delete;

    private:
        Board& m_board;
    };

    // --- how the picture is painted ---------------------------------------
    /// The board follows the classroom display of the program; a test or a
    /// picture may set its own style.
    void setDisplayStyle(const DisplayStyle& style);
    const DisplayStyle& displayStyle() const { return m_displayStyle; }

    // --- arrowheads at the ends of the axes -------------------------------
    ArrowMark* setaH() const { return m_setaH; }
    ArrowMark* setaV() const { return m_setaV; }
    void showArrows(bool visible);
    /// Places an arrowhead's top-left corner at a world point.
    void moveArrow(ArrowMark* arrow, double left, double top);

    // --- the objects a worked solution's step speaks of ------------------
    /// Draws these figures (world coordinates of the window in force) as wide
    /// bands of the highlight colour beneath the picture, until Cls() or the
    /// next call; the display list stays as it is. An empty list removes them.
    void setHighlight(const std::vector<exact::Figure>& figures);
    /// The bands drawn beneath the picture, as primitives of their own.
    const DisplayList& highlight() const { return m_highlight; }
    /// A highlighted line, segment or circle is this many pixels wide; a point's
    /// disc is wider still.
    static constexpr int HighlightWidth = 9;
    static constexpr int HighlightDot = 19;
    /// A light tint of the solution colour.
    static QColor highlightColour();

    // --- reading back -----------------------------------------------------
    const DisplayList& displayList() const { return m_list; }
    QRectF window() const { return m_window; }
    QPointF toPixel(QPointF world) const;
    /// The world point at a pixel of the board: the inverse of toPixel.
    QPointF fromPixel(QPointF pixel) const;

    // --- what is shown on the screen only, over the picture ---------------
    /// A ring around a world point: the point the keyboard has selected
    /// (none: no ring).
    void setMarker(std::optional<QPointF> world);
    std::optional<QPointF> marker() const { return m_marker; }
    /// Where the lines and circles given by equations are taken to be turned
    /// and resized: small squares at the `grips`, and small rings at the
    /// `pivots` lines turn about (world points). Cleared with the picture.
    void setGrips(std::vector<QPointF> grips, std::vector<QPointF> pivots);
    const std::vector<QPointF>& grips() const { return m_grips; }
    const std::vector<QPointF>& pivots() const { return m_pivots; }
    /// A line of text along the foot of the board: what a press said while
    /// its data were dragged (empty: none).
    void setNote(const QString& text);
    const QString& note() const { return m_note; }
    /// Paints the marker and the note on an area of `area` logical pixels
    /// that the board's square is stretched onto.
    void paintOverlay(QPainter& painter, QSizeF area) const;
    /// Renders the current picture, arrowheads included, at any size: the
    /// picture as it is on the screen, magnified or reduced as a whole.
    void render(QPainter& painter, QSizeF size) const;
    /// The picture alone (no background) on an area of `area` logical pixels
    /// that the board's square is stretched onto, in the board's style.
    void paintPicture(QPainter& painter, QSizeF area) const;
    /// The bands of the worked solution's step beneath the picture, on the
    /// screen only.
    void paintHighlight(QPainter& painter, QSizeF area) const;
    /// Renders the current picture onto an area of `area` logical pixels:
    /// every world window is stretched to fill the area, while pens, dots,
    /// texts and arrowheads keep their sizes in pixels. A printed sheet uses
    /// it to give both axes the same scale on a board of any shape.
    void renderMapped(QPainter& painter, QSizeF area) const;

    QSize sizeHint() const override { return {Side, Side}; }

signals:
    /// Something was drawn or cleared, or the style changed: every view of
    /// the picture repaints.
    void pictureChanged();
    /// The user asks for the board's context menu (right button, the menu
    /// key or Shift+F10), to be shown at `globalPos`.
    void menuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void record(Primitive primitive);
    void recordWindow();
    Primitive stamped(Primitive::Kind kind, QPointF p1) const;
    double worldPerPixelY() const;

    DisplayList m_list;
    DisplayList m_highlight;
    DisplayStyle m_displayStyle;
    std::optional<QPointF> m_marker;
    std::vector<QPointF> m_grips;
    std::vector<QPointF> m_pivots;
    QString m_note;
    std::optional<QPointF> m_anchor;
    Primitive::Role m_role = Primitive::Role::Plain;
    QRectF m_window{0, 0, Side, Side};
    QColor m_color = Qt::black;
    int m_width = 1;
    DashStyle m_style = DashStyle::Solid;
    BoardFont m_font;
    Painting::Fonts m_fonts; ///< the fonts Print has measured lines of
    double m_currentX = 0.0;
    double m_currentY = 0.0;
    ArrowMark* m_setaH;
    ArrowMark* m_setaV;

    void paintFocusFrame(QPainter& painter) const;
    void paintGrips(QPainter& painter, QSizeF area) const;
};

/// A small black chevron (">" or "^") laid over the board at an axis end.
/// The board paints it (larger at a larger display scale); the widget only
/// holds its place and whether it shows.
class ArrowMark : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Right, Up };
    ArrowMark(Direction direction, QWidget* parent);
    Direction direction() const { return m_direction; }
    /// The chevron's pixels within the 16-pixel image, tip included.
    static std::vector<QPoint> pixels(Direction direction);
    /// The pixel of the chevron's tip within the image.
    static QPoint tip(Direction direction);
    /// Paints the chevron with its image's top-left corner at `topLeft`,
    /// `scale` times its size around its tip: pixel by pixel at scale 1, as a
    /// stroke otherwise.
    void paintArrow(QPainter& painter, QPointF topLeft, double scale = 1.0) const;

private:
    Direction m_direction;
};
