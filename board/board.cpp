#include "board.h"

#include "numbered_error.h"
#include "solution.h"
#include "textrules.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <numbers>
#include <optional>

namespace {
constexpr int ArrowSize = 16;
} // namespace

Board::Board(QWidget* parent)
    : QWidget(parent)
    , m_setaH(new ArrowMark(ArrowMark::Direction::Right, this))
    , m_setaV(new ArrowMark(ArrowMark::Direction::Up, this)) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(Side, Side);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The board takes the keyboard focus, so its context menu and shortcuts
    // can be reached without a mouse.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Quadro de desenho"));
    m_setaH->setObjectName(QStringLiteral("SetaH"));
    m_setaV->setObjectName(QStringLiteral("SetaV"));
    showArrows(false);
    Cls();
    ClassroomDisplay& display = ClassroomDisplay::instance();
    m_displayStyle = display.style();
    connect(&display, &ClassroomDisplay::changed, this,
            [this] { setDisplayStyle(ClassroomDisplay::instance().style()); });
}

Board::~Board() = default;

void Board::record(Primitive primitive) {
    m_list.push_back(std::move(primitive));
    update();
    emit pictureChanged();
}

void Board::setDisplayStyle(const DisplayStyle& style) {
    if (style == m_displayStyle) return;
    m_displayStyle = style;
    update();
    emit pictureChanged();
}

Board::PixelPlacement::PixelPlacement(Board& board, QPointF anchor, Primitive::Role role)
    : m_board(board) {
    m_board.m_anchor = anchor;
    m_board.m_role = role;
}

Board::PixelPlacement::~PixelPlacement() {
    m_board.m_anchor.reset();
    m_board.m_role = Primitive::Role::Plain;
}

void Board::Cls() {
    m_list.clear();
    m_marker.reset();
    m_grips.clear();
    m_pivots.clear();
    m_highlight.clear();
    m_currentX = 0.0;
    m_currentY = 0.0;
    recordWindow();
}

void Board::ScaleModePixels() {
    Scale(0, 0, Side, Side);
}

void Board::Scale(double x1, double y1, double x2, double y2) {
    if (!(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2)))
        Fault::raise(Fault::Overflow);
    if (x1 == x2 || y1 == y2) Fault::raise(Fault::InvalidArgument);
    m_window = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    recordWindow();
}

void Board::recordWindow() {
    Primitive window = stamped(Primitive::Kind::Window, m_window.topLeft());
    window.p2 = m_window.bottomRight();
    record(window);
}

Primitive Board::stamped(Primitive::Kind kind, QPointF p1) const {
    Primitive p;
    p.kind = kind;
    p.p1 = p1;
    p.color = m_color;
    p.width = m_width;
    p.style = m_style;
    p.font = m_font;
    if (kind != Primitive::Kind::Window) {
        p.anchor = m_anchor;
        p.role = m_role;
    }
    return p;
}

void Board::Line(double x1, double y1, double x2, double y2) {
    Primitive p = stamped(Primitive::Kind::Line, {x1, y1});
    p.p2 = {x2, y2};
    record(p);
}

void Board::PSet(double x, double y, const QString& name) {
    Primitive p = stamped(Primitive::Kind::Dot, {x, y});
    p.text = name;
    record(p);
}

void Board::Circle(double x, double y, double r) {
    Primitive p = stamped(Primitive::Kind::Circle, {x, y});
    p.radius = r;
    record(p);
}

double Board::worldPerPixelY() const {
    return (m_window.bottom() - m_window.top()) / Side;
}

void Board::Print(const QString& text) {
    Primitive p = stamped(Primitive::Kind::Text, {m_currentX, m_currentY});
    p.text = text;
    record(p);
    // The text position moves to the start of the next line.
    m_currentX = m_window.left();
    m_currentY += m_fonts.get(m_font, 1.0).height * worldPerPixelY();
}

void Board::PrintNumber(double value, const QString& decimalSeparator) {
    Print(TextRules::boardNumber(value, decimalSeparator));
}

QColor Board::highlightColour() {
    // Opaque, so that crossing bands do not darken where they overlap; the
    // picture is drawn over it.
    return {255, 150, 150};
}

namespace {

/// The stretch of the line a·x + b·y + c = 0 that the picture draws: the
/// union of its segments on that line in the last world window, or else the
/// line far across `window` (the renderer clips it to the board).
std::optional<std::pair<QPointF, QPointF>> drawnStretch(const DisplayList& list, double a, double b,
                                                        double c, const QRectF& window) {
    const double norm = std::hypot(a, b);
    if (!(norm > 0) || !std::isfinite(norm) || !std::isfinite(c)) return std::nullopt;
    const QPointF foot(-a * c / (norm * norm), -b * c / (norm * norm));
    const QPointF along(-b / norm, a / norm);
    const double tolerance =
        1e-9 * std::max({1.0, std::fabs(window.width()), std::fabs(window.height())});
    const auto onLine = [&](QPointF p) {
        return std::fabs(a * p.x() + b * p.y() + c) / norm <= tolerance;
    };
    const auto at = [&](QPointF p) { return QPointF::dotProduct(p - foot, along); };
    double from = INFINITY, to = -INFINITY;
    for (auto p = list.rbegin(); p != list.rend() && p->kind != Primitive::Kind::Window; ++p) {
        if (p->kind != Primitive::Kind::Line || !onLine(p->p1) || !onLine(p->p2)) continue;
        from = std::min({from, at(p->p1), at(p->p2)});
        to = std::max({to, at(p->p1), at(p->p2)});
    }
    if (from < to) return std::pair{foot + along * from, foot + along * to};
    const QPointF centre = window.center();
    const double reach = 4 * std::hypot(window.width(), window.height()) +
                         std::hypot(foot.x() - centre.x(), foot.y() - centre.y());
    return std::pair{foot - along * reach, foot + along * reach};
}

} // namespace

void Board::setHighlight(const std::vector<exact::Figure>& figures) {
    m_highlight.clear();
    if (!figures.empty()) {
        Primitive band = stamped(Primitive::Kind::Window, m_window.topLeft());
        band.p2 = m_window.bottomRight();
        m_highlight.push_back(band);
    }
    for (const exact::Figure& f : figures) {
        Primitive band;
        band.color = highlightColour();
        band.width = HighlightWidth;
        band.p1 = {f.x1, f.y1};
        switch (f.kind) {
        case exact::Figure::Kind::Point:
            band.kind = Primitive::Kind::Dot;
            band.width = HighlightDot;
            break;
        case exact::Figure::Kind::Segment:
            band.kind = Primitive::Kind::Line;
            band.p2 = {f.x2, f.y2};
            break;
        case exact::Figure::Kind::Line: {
            const auto ends = drawnStretch(m_list, f.x1, f.y1, f.x2, m_window);
            if (!ends) continue;
            band.kind = Primitive::Kind::Line;
            std::tie(band.p1, band.p2) = *ends;
            break;
        }
        case exact::Figure::Kind::Circle:
            band.kind = Primitive::Kind::Circle;
            band.radius = f.x2;
            break;
        }
        m_highlight.push_back(band);
    }
    update();
    emit pictureChanged();
}

void Board::showArrows(bool visible) {
    m_setaH->setVisible(visible);
    m_setaV->setVisible(visible);
    update();
    emit pictureChanged();
}

QPointF Board::toPixel(QPointF world) const {
    return {(world.x() - m_window.left()) / (m_window.right() - m_window.left()) * Side,
            (world.y() - m_window.top()) / (m_window.bottom() - m_window.top()) * Side};
}

QPointF Board::fromPixel(QPointF pixel) const {
    return {m_window.left() + pixel.x() / Side * (m_window.right() - m_window.left()),
            m_window.top() + pixel.y() / Side * (m_window.bottom() - m_window.top())};
}

void Board::setMarker(std::optional<QPointF> world) {
    if (world == m_marker) return;
    m_marker = world;
    update();
    emit pictureChanged();
}

void Board::setGrips(std::vector<QPointF> grips, std::vector<QPointF> pivots) {
    if (grips == m_grips && pivots == m_pivots) return;
    m_grips = std::move(grips);
    m_pivots = std::move(pivots);
    update();
    emit pictureChanged();
}

void Board::paintGrips(QPainter& painter, QSizeF area) const {
    const double s = m_displayStyle.scale;
    const auto onArea = [&](QPointF world) {
        const QPointF px = toPixel(world);
        return QPointF(px.x() * area.width() / Side, px.y() * area.height() / Side);
    };
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5 * s));
    painter.setBrush(Qt::white);
    for (const QPointF& grip : m_grips)
        painter.drawRect(QRectF(onArea(grip) - QPointF(4 * s, 4 * s), QSizeF(8 * s, 8 * s)));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF& pivot : m_pivots)
        painter.drawEllipse(onArea(pivot), 4 * s, 4 * s);
}

void Board::setNote(const QString& text) {
    if (text == m_note) return;
    m_note = text;
    update();
    emit pictureChanged();
}

void Board::paintOverlay(QPainter& painter, QSizeF area) const {
    const double s = m_displayStyle.scale;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintGrips(painter, area);
    if (m_marker) {
        const QPointF px = toPixel(*m_marker);
        const QPointF at(px.x() * area.width() / Side, px.y() * area.height() / Side);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2 * s));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 9 * s, 9 * s);
    }
    if (!m_note.isEmpty()) {
        QFont f = namedFont(QStringLiteral("MS Sans Serif"));
        f.setPointSizeF(9 * s);
        painter.setFont(f);
        const QRectF text =
            painter.boundingRect(QRectF(6 * s, 0, area.width() - 12 * s, area.height()),
                                 Qt::AlignLeft | Qt::TextWordWrap, m_note);
        const double height = text.height() + 6 * s;
        const QRectF box(0, area.height() - height, area.width(), height);
        painter.fillRect(box, QColor(255, 255, 225, 235));
        painter.setPen(Qt::black);
        painter.drawText(box.adjusted(6 * s, 3 * s, -6 * s, -3 * s),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_note);
    }
    painter.restore();
}

void Board::moveArrow(ArrowMark* arrow, double left, double top) {
    const QPointF px = toPixel({left, top});
    // An arrowhead far off the board is simply parked out of sight.
    const auto clampPx = [](double v) {
        return std::isfinite(v) ? std::clamp(v, -1e5, 1e5) : -1e5;
    };
    arrow->move(static_cast<int>(std::floor(clampPx(px.x()))),
                static_cast<int>(std::floor(clampPx(px.y()))));
    update();
    emit pictureChanged();
}

void Board::render(QPainter& painter, QSizeF size) const {
    painter.save();
    painter.scale(size.width() / Side, size.height() / Side);
    renderMapped(painter, QSizeF(Side, Side));
    painter.restore();
}

void Board::renderMapped(QPainter& painter, QSizeF area) const {
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), area), Qt::white);
    paintPicture(painter, area);
    painter.restore();
}

void Board::paintHighlight(QPainter& painter, QSizeF area) const {
    if (m_highlight.empty()) return;
    DisplayStyle bands = m_displayStyle;
    bands.pointNames = false;
    renderDisplayList(painter, m_highlight, area, bands);
}

void Board::paintPicture(QPainter& painter, QSizeF area) const {
    renderDisplayList(painter, m_list, area, m_displayStyle);
    for (const ArrowMark* arrow : {m_setaH, m_setaV}) {
        if (!arrow->isVisibleTo(this)) continue;
        // The tip stays where the axis it ends lands on the area.
        const QPointF tip = ArrowMark::tip(arrow->direction());
        const QPointF onBoard = QPointF(arrow->pos()) + tip;
        const QPointF onArea(onBoard.x() * area.width() / Side, onBoard.y() * area.height() / Side);
        arrow->paintArrow(painter, onArea - tip, m_displayStyle.scale);
    }
}

/// The recorded picture is painted straight onto the window, whole, at the
/// screen's pixel ratio. No copy of it is kept beside the window's own
/// pixels: every press begins with Cls(), so a picture is rendered once per
/// press either way, and the window system shows the window again without
/// asking for a paint.
void Board::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintHighlight(painter, QSizeF(Side, Side));
    paintPicture(painter, QSizeF(Side, Side));
    paintOverlay(painter, QSizeF(Side, Side));
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(QRectF(0.5, 0.5, Side - 1, Side - 1));
    if (hasFocus()) paintFocusFrame(painter);
}

void Board::paintFocusFrame(QPainter& painter) const {
    // On the screen only: a band along the edge, inside the grey border.
    QPen pen(palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2, 2, Side - 4, Side - 4));
}

void Board::contextMenuEvent(QContextMenuEvent* event) {
    // From the keyboard the menu opens in the middle of the board, wherever
    // the mouse pointer happens to be.
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->pos() : rect().center();
    emit menuRequested(mapToGlobal(at));
    event->accept();
}

void Board::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        emit menuRequested(mapToGlobal(rect().center()));
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// --- ArrowMark ------------------------------------------------------------

ArrowMark::ArrowMark(Direction direction, QWidget* parent)
    : QWidget(parent)
    , m_direction(direction) {
    setFixedSize(ArrowSize, ArrowSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

std::vector<QPoint> ArrowMark::pixels(Direction direction) {
    if (direction == Direction::Right)
        return {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {3, 5}, {2, 6}, {1, 7}, {0, 8}};
    return {{4, 0}, {3, 1}, {5, 1}, {2, 2}, {6, 2}, {1, 3}, {7, 3}, {0, 4}, {8, 4}};
}

QPoint ArrowMark::tip(Direction direction) {
    return direction == Direction::Right ? QPoint(4, 4) : QPoint(4, 0);
}

void ArrowMark::paintArrow(QPainter& painter, QPointF topLeft, double scale) const {
    painter.save();
    if (scale == 1.0) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        for (QPoint p : pixels(m_direction))
            painter.drawRect(QRectF(topLeft + QPointF(p), QSizeF(1, 1)));
    } else {
        // The chevron's two arms through the centres of its end pixels,
        // grown around the tip.
        const QPointF half(0.5, 0.5);
        const QPointF tipAt = topLeft + QPointF(tip(m_direction)) + half;
        const QPointF ends[] = {m_direction == Direction::Right ? QPointF(0, 0) : QPointF(0, 4),
                                m_direction == Direction::Right ? QPointF(0, 8) : QPointF(8, 4)};
        const auto grown = [&](QPointF p) { return tipAt + (topLeft + p + half - tipAt) * scale; };
        QPen pen(Qt::black, scale * std::numbers::sqrt2 * 0.85);
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(pen);
        const QPointF arms[] = {grown(ends[0]), tipAt, grown(ends[1])};
        painter.drawPolyline(arms, 3);
    }
    painter.restore();
}
