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

std::optional<bool> collinear(const Point& p, const Point& q, const Point& r) {
    if (!exact({&p.x, &p.y, &q.x, &q.y, &r.x, &r.y})) return std::nullopt;
    return (r.y - p.y) * (q.x - p.x) == (r.x - p.x) * (q.y - p.y);
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
