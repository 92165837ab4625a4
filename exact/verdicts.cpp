#include "verdicts.h"

#include <algorithm>
#include <initializer_list>

namespace exact::verdict {

namespace {

bool exact(std::initializer_list<const Number*> values) {
    return std::all_of(values.begin(), values.end(), [](const Number* n) { return n->isExact(); });
}

bool exact(const Line& l) {
    return exact({&l.a, &l.b, &l.c});
}

bool exact(const Conic& q) {
    return exact({&q.A, &q.B, &q.C, &q.D, &q.E, &q.F});
}

/// 4A²·r² = D² + E² − 4AF, whose sign is that of r².
std::optional<int> squaredRadiusSign(const Conic& q) {
    if (!exact(q) || !hasCircleShape(q)) return std::nullopt;
    return (square(q.D) + square(q.E) - 4 * q.A * q.F).sign();
}

/// The sign of r²(a² + b²) − (a·x_C + b·y_C + c)²: where the line is from the circle.
std::optional<int> lineCircleSign(const Line& l, const Conic& q) {
    if (!exact(l) || !exact(q) || !hasCircleShape(q)) return std::nullopt;
    const Point c{-q.D / (2 * q.A), -q.E / (2 * q.A)};
    const Number r2 = square(c.x) + square(c.y) - q.F / q.A;
    return (r2 * (square(l.a) + square(l.b)) - square(l.a * c.x + l.b * c.y + l.c)).sign();
}

} // namespace

std::optional<bool> isZero(const Number& n) {
    if (!n.isExact()) return std::nullopt;
    return n.isZero();
}

std::optional<bool> isWhole(const Number& n) {
    if (!n.isExact()) return std::nullopt;
    return n.isInteger();
}

std::optional<bool> equal(const Point& p, const Point& q) {
    if (!exact({&p.x, &p.y, &q.x, &q.y})) return std::nullopt;
    return p == q;
}

std::optional<bool> noLine(const Line& l) {
    if (!exact(l)) return std::nullopt;
    return l.isDegenerate();
}

std::optional<bool> parallel(const Line& l, const Line& m) {
    if (!exact(l) || !exact(m)) return std::nullopt;
    return l.a * m.b == m.a * l.b;
}

std::optional<bool> sameLine(const Line& l, const Line& m) {
    if (!exact(l) || !exact(m)) return std::nullopt;
    return exact::sameLine(l, m);
}

std::optional<bool> perpendicular(const Line& l, const Line& m) {
    if (!exact(l) || !exact(m)) return std::nullopt;
    return (l.a * m.a + l.b * m.b).isZero();
}

std::optional<bool> equal(const Number& a, const Number& b) {
    if (!exact({&a, &b})) return std::nullopt;
    return a == b;
}

std::optional<bool> less(const Number& a, const Number& b) {
    if (!exact({&a, &b})) return std::nullopt;
    return a < b;
}

std::optional<bool> collinear(const Point& p1, const Point& p2, const Point& p3) {
    if (!exact({&p1.x, &p1.y, &p2.x, &p2.y, &p3.x, &p3.y})) return std::nullopt;
    return (p3.y - p1.y) * (p2.x - p1.x) == (p3.x - p1.x) * (p2.y - p1.y);
}

std::optional<bool> circleShape(const Conic& q) {
    if (!exact(q)) return std::nullopt;
    return hasCircleShape(q);
}

std::optional<bool> imaginaryCircle(const Conic& q) {
    const std::optional<int> sign = squaredRadiusSign(q);
    if (!sign) return std::nullopt;
    return *sign < 0;
}

std::optional<bool> pointCircle(const Conic& q) {
    const std::optional<int> sign = squaredRadiusSign(q);
    if (!sign) return std::nullopt;
    return *sign == 0;
}

std::optional<bool> onCircle(const Point& p, const Conic& q) {
    if (!exact({&p.x, &p.y}) || !exact(q)) return std::nullopt;
    return (q.A * (square(p.x) + square(p.y)) + q.D * p.x + q.E * p.y + q.F).isZero();
}

std::optional<bool> lineMissesCircle(const Line& l, const Conic& q) {
    const std::optional<int> sign = lineCircleSign(l, q);
    if (!sign) return std::nullopt;
    return *sign < 0;
}

std::optional<bool> lineTouchesCircle(const Line& l, const Conic& q) {
    const std::optional<int> sign = lineCircleSign(l, q);
    if (!sign) return std::nullopt;
    return *sign == 0;
}

std::optional<bool> rightTriangle(const Point& p, const Point& q, const Point& r) {
    if (!exact({&p.x, &p.y, &q.x, &q.y, &r.x, &r.y})) return std::nullopt;
    const Number pq = squaredDistance(p, q), qr = squaredDistance(q, r), pr = squaredDistance(p, r);
    return pr + qr == pq || pr + pq == qr || qr + pq == pr;
}

std::optional<bool> onLine(const Line& l, const Point& p) {
    if (!exact(l) || !exact({&p.x, &p.y})) return std::nullopt;
    return contains(l, p);
}

std::optional<bool> insideCircle(const Point& p, const Circle& c) {
    if (!exact({&p.x, &p.y, &c.centre.x, &c.centre.y, &c.radius})) return std::nullopt;
    return squaredDistance(p, c.centre) < c.radiusSquared();
}

std::optional<int> circlesContact(const Circle& a, const Circle& b) {
    if (!exact({&a.centre.x, &a.centre.y, &a.radius, &b.centre.x, &b.centre.y, &b.radius}))
        return std::nullopt;
    const Number d2 = squaredDistance(a.centre, b.centre);
    return ((d2 - square(a.radius + b.radius)) * (square(a.radius - b.radius) - d2)).sign();
}

} // namespace exact::verdict
