#include "boarddrag.h"

#include "board.h"
#include "budget.h"
#include "controls.h"
#include "frame.h"
#include "numbered_error.h"
#include "pressrecord.h"
#include "textrules.h"

#include <QAccessible>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTouchEvent>
#include <cmath>
#include <map>

namespace {
constexpr char PointNameProperty[] = "ortoplanoPoint";

/// The name of the point of fields Abcissa<n>, Ordenada<n>: as its frame
/// gives it, else as the board writes it beside its dot.
QString pointName(const QWidget* form, const Board& board, const QString& xField, QPointF at) {
    const QString given = Controls::field(form, xField)->property(PointNameProperty).toString();
    if (!given.isEmpty()) return given;
    for (const Primitive& p : board.displayList())
        if (p.kind == Primitive::Kind::Dot && !p.text.isEmpty() &&
            (p.p1 - at).manhattanLength() <= 1e-9 * (1 + at.manhattanLength()))
            return p.text;
    return {};
}

exact::FrameData::Texts textsOf(const PressRecord& press) {
    exact::FrameData::Texts texts;
    for (auto it = press.typed.cbegin(); it != press.typed.cend(); ++it)
        texts.emplace(it.key().toStdString(), it.value().toStdString());
    return texts;
}
} // namespace

void nameDraggedPoint(QLineEdit* xField, const QString& name) {
    xField->setProperty(PointNameProperty, name);
}

BoardDrag::BoardDrag(QWidget* form, Board* board, DataHistory& history, Host host)
    : QObject(form)
    , m_form(form)
    , m_board(board)
    , m_history(history)
    , m_host(std::move(host)) {
    attach(board, [](QPointF p) { return p; });
}

void BoardDrag::attach(QWidget* view, std::function<QPointF(QPointF)> toBoard) {
    if (m_views.contains(view)) return;
    m_views.insert(view, std::move(toBoard));
    connect(view, &QObject::destroyed, this, [this, view] { m_views.remove(view); });
    view->setMouseTracking(true);
    view->setAttribute(Qt::WA_AcceptTouchEvents);
    view->installEventFilter(this);
}

// --- the handles ------------------------------------------------------------

QStringList BoardDrag::Handle::fields() const {
    return kind == Kind::Point ? QStringList{xField, yField} : QStringList{field};
}

std::vector<BoardDrag::Handle> BoardDrag::handles() const {
    const PressRecord& shown = m_host.shown();
    std::vector<Handle> found;
    if (!shown.definition || !shown.frame) return found;
    const exact::WorkBudget budget(exact::WorkBudget::Press);
    const exact::FrameData data(*shown.definition, shown.option, textsOf(shown));
    std::map<exact::Role, std::size_t> counted;
    for (const exact::FrameField& field : shown.definition->fields) {
        if (!field.readBy(shown.option)) continue;
        const std::size_t index = counted[field.role]++;
        if (field.role != exact::Role::Point) {
            addEquationHandles(data, field, index, found);
            continue;
        }
        const QString n = QString::fromUtf8(field.name);
        Handle h;
        h.xField = QStringLiteral("Abcissa") + n;
        h.yField = QStringLiteral("Ordenada") + n;
        try {
            const exact::Point p = data.point(index);
            h.at = {p.x.toDouble(), p.y.toDouble()};
        } catch (const NumberedError&) {
            continue; // a point whose texts do not read is not on the board either
        }
        h.name = pointName(m_form, *m_board, h.xField, h.at);
        found.push_back(std::move(h));
    }
    return found;
}

void BoardDrag::addEquationHandles(const exact::FrameData& data, const exact::FrameField& field,
                                   std::size_t index, std::vector<Handle>& found) const {
    const bool line = field.role == exact::Role::Line;
    if (!line && field.role != exact::Role::Circle) return;
    const QString name = QString::fromUtf8(field.name);
    const double reach = GripReach * std::fabs(m_board->window().width()) / Board::Side;
    std::optional<EquationShape> shape;
    try {
        const auto kept = m_pivots.find(name);
        shape =
            line ? EquationShape::ofLine(
                       data.lineReading(index), m_host.shown().typed.value(name), m_board->window(),
                       reach, kept == m_pivots.end() ? std::nullopt : std::optional(*kept))
                 : EquationShape::ofCircle(data.circle(index), data.generalCircle(index));
    } catch (const NumberedError&) {
        return; // an equation that does not read is not on the board either
    }
    if (!shape) return;
    using Kind = Handle::Kind;
    Handle h;
    h.field = name;
    h.shape = shape;
    h.kind = line ? Kind::Line : Kind::Centre;
    h.at = shape->mark;
    found.push_back(h);
    h.kind = line ? Kind::Turn : Kind::Radius;
    h.at = shape->grip;
    found.push_back(std::move(h));
}

void BoardDrag::showGrips() {
    std::vector<QPointF> grips;
    std::vector<QPointF> pivots;
    for (const Handle& h : handles()) {
        if (h.kind == Handle::Kind::Turn || h.kind == Handle::Kind::Radius) grips.push_back(h.at);
        if (h.kind == Handle::Kind::Line) {
            pivots.push_back(h.at);
            m_pivots.insert(h.field, h.shape->pivot);
        }
    }
    m_board->setGrips(std::move(grips), std::move(pivots));
}

namespace {
/// The distance in pixels from `pixel` to the line through `p` and `q`.
double distanceToLine(QPointF pixel, QPointF p, QPointF q) {
    const QPointF d = q - p;
    const double length = std::hypot(d.x(), d.y());
    if (length == 0) return INFINITY;
    return std::fabs(d.x() * (pixel.y() - p.y()) - d.y() * (pixel.x() - p.x())) / length;
}
} // namespace

int BoardDrag::handleAt(QPointF pixel, double reach) const {
    const std::vector<Handle> all = handles();
    int nearest = -1;
    double best = reach * m_board->displayStyle().scale;
    const auto consider = [&](std::size_t i, double distance) {
        if (distance <= best) {
            best = distance;
            nearest = int(i);
        }
    };
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].kind == Handle::Kind::Line) continue;
        const QPointF d = m_board->toPixel(all[i].at) - pixel;
        consider(i, std::hypot(d.x(), d.y()));
    }
    if (nearest >= 0) return nearest; // a point or a grip before the line under it
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].kind == Handle::Kind::Line)
            consider(i, distanceToLine(pixel, m_board->toPixel(all[i].at),
                                       m_board->toPixel(all[i].shape->grip)));
    return nearest;
}

std::pair<GridStep, GridStep> BoardDrag::divisions() const {
    const QRectF w = m_board->window();
    return {GridSnap::division(Board::Side / std::fabs(w.width())),
            GridSnap::division(Board::Side / std::fabs(w.height()))};
}

std::pair<GridStep, GridStep> BoardDrag::pixels() const {
    const QRectF w = m_board->window();
    return {GridSnap::pixel(Board::Side / std::fabs(w.width())),
            GridSnap::pixel(Board::Side / std::fabs(w.height()))};
}

namespace {
/// count × step, exactly.
exact::Number gridNumber(long long count, GridStep step) {
    exact::Number n;
    exact::Number::fromDecimal(GridSnap::text(std::llabs(count), step).toStdString(), n);
    return count < 0 ? -n : n;
}
} // namespace

void BoardDrag::moveTo(const Handle& handle, long long countX, GridStep stepX, long long countY,
                       GridStep stepY) {
    if (!m_host.shown().frame) return; // bare axes: nothing to press again
    if (handle.kind != Handle::Kind::Point) {
        const exact::Point p{gridNumber(countX, stepX), gridNumber(countY, stepY)};
        const QString sep = TextRules::localSeparator();
        const EquationShape& shape = *handle.shape;
        switch (handle.kind) {
        case Handle::Kind::Turn:
            return writeEquation(handle, shape.turned(p, sep));
        case Handle::Kind::Centre:
            return writeEquation(handle, shape.centredAt(p, sep));
        default:
            return writeEquation(handle, shape.resizedThrough(p, sep));
        }
    }
    const QString x = GridSnap::text(countX, stepX);
    const QString y = GridSnap::text(countY, stepY);
    if (Controls::field(m_form, handle.xField)->text() == x &&
        Controls::field(m_form, handle.yField)->text() == y)
        return;
    m_history.write({{handle.xField, x}, {handle.yField, y}});
    m_host.repress();
}

void BoardDrag::shiftLine(const Handle& handle, const exact::Number& tx, const exact::Number& ty) {
    if (!m_host.shown().frame) return;
    writeEquation(handle, handle.shape->moved(tx, ty, TextRules::localSeparator()));
}

void BoardDrag::writeEquation(const Handle& handle, const std::optional<QString>& text) {
    if (!text || Controls::field(m_form, handle.field)->text() == *text) return;
    m_history.write({{handle.field, *text}});
    m_host.repress();
}

DataHistory::Texts BoardDrag::fieldTexts(const Handle& handle) const {
    DataHistory::Texts texts;
    for (const QString& name : handle.fields())
        texts.insert(name, Controls::field(m_form, name)->text());
    return texts;
}

// --- messages -----------------------------------------------------------------

void BoardDrag::quietly(const std::function<void()>& change) {
    if (m_quiet) return change();
    m_quiet.emplace(m_form, [this](const Message& m) { say(m); });
    change();
    m_quiet.reset();
}

void BoardDrag::say(const Message& message) {
    static const QRegularExpression lineBreaks(QStringLiteral("\\s*\\n+\\s*"));
    const QString text = QString(message.text).replace(lineBreaks, QStringLiteral(" "));
    const QString note = m_board->note();
    m_board->setNote(note.isEmpty() ? text : note + QLatin1Char('\n') + text);
}

// --- the pointer --------------------------------------------------------------

QPointF BoardDrag::boardPixel(QWidget* view, QPointF pos) const {
    return m_views.value(view)(pos);
}

bool BoardDrag::grab(QPointF pixel, double reach) {
    const int index = handleAt(pixel, reach);
    if (index < 0) return false;
    const Handle handle = handles()[std::size_t(index)];
    m_grab = Grab{handle, handle.at - m_board->fromPixel(pixel), fieldTexts(handle)};
    m_quiet.emplace(m_form, [this](const Message& m) { say(m); });
    return true;
}

void BoardDrag::follow(QPointF pixel, bool freely) {
    const QPointF world = m_board->fromPixel(pixel) + m_grab->offset;
    const auto [stepX, stepY] = freely ? pixels() : divisions();
    const Handle& handle = m_grab->handle;
    if (handle.kind == Handle::Kind::Line) {
        // Up and down, or sideways, by whole divisions.
        const double offset = handle.shape->offsetFor(world - handle.at);
        if (handle.shape->movesUpAndDown())
            return shiftLine(handle, 0, gridNumber(GridSnap::count(offset, stepY), stepY));
        return shiftLine(handle, gridNumber(GridSnap::count(offset, stepX), stepX), 0);
    }
    moveTo(handle, GridSnap::count(world.x(), stepX), stepX, GridSnap::count(world.y(), stepY),
           stepY);
}

void BoardDrag::release() {
    const Grab grab = *std::exchange(m_grab, std::nullopt);
    m_quiet.reset();
    m_history.record(m_host.shown().frame, grab.before, fieldTexts(grab.handle));
}

void BoardDrag::hover(QWidget* view, QPointF pixel) {
    if (handleAt(pixel, MouseReach) >= 0)
        view->setCursor(Qt::OpenHandCursor);
    else
        view->unsetCursor();
}

bool BoardDrag::pointerEvent(QWidget* view, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF pixel = boardPixel(view, mouse->position());
    const bool byTouch = mouse->source() != Qt::MouseEventNotSynthesized;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton || m_grab) return false;
        if (!grab(pixel, byTouch ? TouchReach : MouseReach)) return false;
        view->setCursor(Qt::ClosedHandCursor);
        return true;
    case QEvent::MouseMove:
        if (!m_grab) {
            hover(view, pixel);
            return false;
        }
        follow(pixel, mouse->modifiers() & Qt::ShiftModifier);
        return true;
    case QEvent::MouseButtonRelease:
        if (mouse->button() != Qt::LeftButton || !m_grab) return false;
        release();
        hover(view, pixel);
        return true;
    default:
        return false;
    }
}

bool BoardDrag::touchEvent(QWidget* view, QEvent* event) {
    auto* touch = static_cast<QTouchEvent*>(event);
    if (touch->points().isEmpty()) return false;
    const QPointF pixel = boardPixel(view, touch->points().first().position());
    switch (event->type()) {
    case QEvent::TouchBegin:
        if (m_grab || !grab(pixel, TouchReach)) return false; // then it comes as a mouse
        touch->accept();
        return true;
    case QEvent::TouchUpdate:
        if (!m_grab) return false;
        follow(pixel, false);
        return true;
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        if (!m_grab) return false;
        release();
        return true;
    default:
        return false;
    }
}

// --- the keyboard -------------------------------------------------------------

void BoardDrag::select(int index) {
    if (index < 0 && m_selected < 0) return;
    const std::vector<Handle> all = index < 0 ? std::vector<Handle>{} : handles();
    m_selected = index >= 0 && index < int(all.size()) ? index : -1;
    m_board->setMarker(m_selected < 0 ? std::nullopt
                                      : std::optional<QPointF>(all[std::size_t(index)].at));
    if (m_selected >= 0) announce(all[std::size_t(index)]);
}

void BoardDrag::announce(const Handle& handle) {
    const QString sep = TextRules::localSeparator();
    const QString at = TextRules::point(handle.at.x(), handle.at.y(), sep);
    const QString equation =
        handle.field.isEmpty() ? QString() : Controls::field(m_form, handle.field)->text();
    QString text;
    switch (handle.kind) {
    case Handle::Kind::Point:
        text = handle.name.isEmpty() ? tr("Ponto em %1").arg(at)
                                     : tr("Ponto %1 em %2").arg(handle.name, at);
        break;
    case Handle::Kind::Line:
        text = tr("Recta %1").arg(equation);
        break;
    case Handle::Kind::Turn:
        text = tr("Recta %1, rodada em torno de %2")
                   .arg(equation,
                        TextRules::point(handle.shape->mark.x(), handle.shape->mark.y(), sep));
        break;
    case Handle::Kind::Centre:
        text = tr("Circunferência %1, centro em %2").arg(equation, at);
        break;
    case Handle::Kind::Radius:
        text = tr("Circunferência %1, raio").arg(equation);
        break;
    }
    m_board->setAccessibleDescription(text);
    QAccessibleEvent changed(m_board, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void BoardDrag::moveSelected(int dx, int dy, bool tenth) {
    const std::vector<Handle> all = handles();
    if (m_selected >= int(all.size())) return select(-1);
    const Handle& handle = all[std::size_t(m_selected)];
    auto steps = divisions();
    if (tenth) steps = {steps.first.tenth(), steps.second.tenth()};
    const auto stepX = steps.first;
    const auto stepY = steps.second;
    const DataHistory::Texts before = fieldTexts(handle);
    quietly([&] {
        if (handle.kind == Handle::Kind::Line)
            shiftLine(handle, gridNumber(dx, stepX), gridNumber(dy, stepY));
        else
            moveTo(handle, GridSnap::count(handle.at.x(), stepX) + dx, stepX,
                   GridSnap::count(handle.at.y(), stepY) + dy, stepY);
    });
    m_history.record(m_host.shown().frame, before, fieldTexts(handle));
    select(m_selected);
}

bool BoardDrag::keyEvent(QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers();
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        const int count = int(handles().size());
        const bool back = key->key() == Qt::Key_Backtab;
        const int next = back ? (m_selected < 0 ? count - 1 : m_selected - 1) : m_selected + 1;
        select(next < count ? next : -1);
        return m_selected >= 0; // past the last point the focus leaves the board
    }
    if (m_selected < 0) return false;
    const bool tenth = mods & Qt::ShiftModifier;
    switch (key->key()) {
    case Qt::Key_Left:
        moveSelected(-1, 0, tenth);
        return true;
    case Qt::Key_Right:
        moveSelected(1, 0, tenth);
        return true;
    case Qt::Key_Up:
        moveSelected(0, 1, tenth);
        return true;
    case Qt::Key_Down:
        moveSelected(0, -1, tenth);
        return true;
    case Qt::Key_Escape:
        select(-1);
        return true;
    default:
        return false;
    }
}

bool BoardDrag::eventFilter(QObject* watched, QEvent* event) {
    auto* view = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return pointerEvent(view, event);
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return touchEvent(view, event);
    case QEvent::KeyPress:
        return watched == m_board && keyEvent(static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut:
        if (watched == m_board) select(-1);
        return false;
    default:
        return false;
    }
}
