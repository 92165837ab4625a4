#include "figures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Ink(0x30, 0x38, 0x46);
const QColor Paper(0xff, 0xff, 0xff);
const QColor Squares(0xdd, 0xe4, 0xf2);

QPen pen(const QColor& color, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen p(color, width, style, Qt::RoundCap, Qt::RoundJoin);
    return p;
}

void dot(QPainter& painter, QPointF at, const QColor& color, double radius = 2.6) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(at, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

/// The card: white paper with faint squares and a thin border.
void paintCard(QPainter& painter) {
    const QRectF card(1, 1, 98, 98);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Paper);
    painter.drawRoundedRect(card, 6, 6);
    painter.setPen(pen(Squares, 0.5));
    for (double v = 10; v < 100; v += 10) {
        painter.drawLine(QPointF(v, 3), QPointF(v, 97));
        painter.drawLine(QPointF(3, v), QPointF(97, v));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(QColor(0xb8, 0xc2, 0xd8), 1));
    painter.drawRoundedRect(card, 6, 6);
}

void circleAndTangent(QPainter& painter) {
    const QPointF centre(42, 56),
        touch = centre + QPointF(24 * std::cos(-0.9), 24 * std::sin(-0.9));
    const QPointF along(std::sin(0.9), std::cos(0.9)); // the tangent's direction
    painter.setPen(pen(Blue, 2));
    painter.drawEllipse(centre, 24, 24);
    painter.setPen(pen(Ink, 1.4));
    painter.drawLine(centre, touch);
    painter.setPen(pen(Red, 2));
    painter.drawLine(touch - along * 40, touch + along * 34);
    const QPointF inward = (centre - touch) / 24 * 6, step = along * 6;
    painter.setPen(pen(Ink, 1));
    painter.drawPolyline(QPolygonF{touch + inward, touch + inward + step, touch + step});
    dot(painter, centre, Ink);
    dot(painter, touch, Red);
}

void triangleAndIncircle(QPainter& painter) {
    const QPointF a(14, 84), b(88, 84), c(40, 16);
    const double la = std::hypot(b.x() - c.x(), b.y() - c.y());
    const double lb = std::hypot(a.x() - c.x(), a.y() - c.y());
    const double lc = std::hypot(a.x() - b.x(), a.y() - b.y());
    const QPointF incentre = (a * la + b * lb + c * lc) / (la + lb + lc);
    const double s = (la + lb + lc) / 2;
    const double radius = std::sqrt((s - la) * (s - lb) * (s - lc) / s);
    painter.setPen(pen(Ink, 1, Qt::DotLine));
    for (QPointF vertex : {a, b, c})
        painter.drawLine(vertex, incentre);
    painter.setPen(pen(Blue, 2));
    painter.drawPolygon(QPolygonF{a, b, c});
    painter.setPen(pen(Red, 2));
    painter.drawEllipse(incentre, radius, radius);
    for (QPointF vertex : {a, b, c})
        dot(painter, vertex, Blue);
    dot(painter, incentre, Red);
}

/// Where the line through p1, p2 meets the line through q1, q2.
QPointF meeting(QPointF p1, QPointF p2, QPointF q1, QPointF q2) {
    const QPointF r = p2 - p1, s = q2 - q1;
    const double t =
        ((q1.x() - p1.x()) * s.y() - (q1.y() - p1.y()) * s.x()) / (r.x() * s.y() - r.y() * s.x());
    return p1 + r * t;
}

/// The on-screen angle of a direction, in degrees counter-clockwise.
double screenAngle(QPointF direction) {
    return std::atan2(-direction.y(), direction.x()) * 180 / M_PI;
}

void meetingLines(QPainter& painter) {
    const QPointF p1(8, 84), p2(92, 22), q1(14, 14), q2(86, 98);
    const QPointF meet = meeting(p1, p2, q1, q2);
    painter.setPen(pen(Blue, 2));
    painter.drawLine(p1, p2);
    painter.drawLine(q1, q2);
    const double from = screenAngle(q2 - q1), to = screenAngle(p2 - p1);
    painter.setPen(pen(Red, 1.6));
    painter.drawArc(QRectF(meet - QPointF(16, 16), QSizeF(32, 32)), int(from * 16),
                    int((to - from) * 16));
    dot(painter, meet, Red, 3);
}

void pointsOnAxes(QPainter& painter) {
    const QPointF origin(22, 78), a(38, 30), b(84, 58), m = (a + b) / 2;
    painter.setPen(pen(Ink, 1.6));
    painter.drawLine(QPointF(8, origin.y()), QPointF(94, origin.y()));
    painter.drawLine(QPointF(origin.x(), 94), QPointF(origin.x(), 8));
    painter.drawPolyline(QPolygonF{{89, origin.y() - 4}, {94, origin.y()}, {89, origin.y() + 4}});
    painter.drawPolyline(QPolygonF{{origin.x() - 4, 13}, {origin.x(), 8}, {origin.x() + 4, 13}});
    painter.setPen(pen(Blue, 0.8, Qt::DotLine));
    for (QPointF p : {a, b}) {
        painter.drawLine(p, QPointF(p.x(), origin.y()));
        painter.drawLine(p, QPointF(origin.x(), p.y()));
    }
    painter.setPen(pen(Blue, 2));
    painter.drawLine(a, b);
    dot(painter, a, Blue, 3);
    dot(painter, b, Blue, 3);
    dot(painter, m, Red, 3);
}

/// What each figure shows, for a screen reader.
QString spokenName(Figure::Kind kind) {
    switch (kind) {
    case Figure::Kind::CircleAndTangent:
        return QCoreApplication::translate(
            "Figure", "Figura: uma circunferência, um raio e a tangente no seu extremo");
    case Figure::Kind::TriangleAndIncircle:
        return QCoreApplication::translate("Figure",
                                           "Figura: um triângulo e a circunferência nele inscrita");
    case Figure::Kind::MeetingLines:
        return QCoreApplication::translate(
            "Figure", "Figura: duas rectas, o ângulo que formam e o ponto onde se cortam");
    case Figure::Kind::PointsOnAxes:
        return QCoreApplication::translate(
            "Figure", "Figura: um segmento num referencial e o seu ponto médio");
    }
    return {};
}
} // namespace

Figure::Figure(Kind kind, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind) {
    setMinimumSize(120, 120);
    setAccessibleName(spokenName(kind));
}

void Figure::paint(QPainter& painter, Kind kind) {
    painter.setRenderHint(QPainter::Antialiasing);
    paintCard(painter);
    switch (kind) {
    case Kind::CircleAndTangent:
        return circleAndTangent(painter);
    case Kind::TriangleAndIncircle:
        return triangleAndIncircle(painter);
    case Kind::MeetingLines:
        return meetingLines(painter);
    case Kind::PointsOnAxes:
        return pointsOnAxes(painter);
    }
}

void Figure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double side = std::min(width(), height());
    painter.translate((width() - side) / 2, (height() - side) / 2);
    painter.scale(side / 100, side / 100);
    paint(painter, m_kind);
}
