#include "verdicts.h"

#include "budget.h"
#include "field.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace exact::verdict {

namespace {

using field::Value;

bool exact(std::initializer_list<const Number*> values) {
    return std::all_of(values.begin(), values.end(), [](const Number* n) { return n->isExact(); });
}

bool exact(const Point& p) {
    return exact({&p.x, &p.y});
}

bool exact(const Line& l) {
    return exact({&l.a, &l.b, &l.c});
}

bool exact(const Conic& q) {
    return exact({&q.A, &q.B, &q.C, &q.D, &q.E, &q.F});
}

/// A circle is exact when its centre and r² are.
bool exact(const Circle& c) {
    return exact(c.centre) && c.radiusSquared().isExact();
}

thread_local bool onDecimals = false;

/// The decision, within a budget of its own, or nothing when that ran out
/// before it.
template <typename Decide>
auto decided(Decide&& decide) -> std::optional<decltype(decide())> {
    const WorkBudget budget(WorkBudget::Verdict, WorkBudget::Kind::Fresh);
    try {
        return decide();
    } catch (const field::Undecided&) {
        onDecimals = true;
        return std::nullopt;
    }
}

struct Coordinates {
    Value x, y;
    explicit Coordinates(const Point& p)
        : x(p.x)
        , y(p.y) {}
};

struct Coefficients {
    Value a, b, c;
    explicit Coefficients(const Line& l)
        : a(l.a)
        , b(l.b)
        , c(l.c) {}
    Value at(const Coordinates& p) const { return a * p.x + b * p.y + c; }
};

/// A x² + A y² + D x + E y + F = 0.
struct CircleEquation {
    Value A, D, E, F;
    explicit CircleEquation(const Conic& q)
        : A(q.A)
        , D(q.D)
        , E(q.E)
        , F(q.F) {}
    /// 4A²·r² = D² + E² − 4AF, whose sign is that of r².
    Value fourA2r2() const { return field::square(D) + field::square(E) - 4 * A * F; }
};

Value squaredDistance(const Coordinates& p, const Coordinates& q) {
    return field::square(q.x - p.x) + field::square(q.y - p.y);
}

/// The sign of 4A²·r², or nothing.
std::optional<int> squaredRadiusSign(const Conic& q) {
    if (!exact(q) || !hasCircleShape(q)) return std::nullopt;
    return decided([&] { return CircleEquation(q).fourA2r2().sign(); });
}

/// The sign of r²(a² + b²) − (a·x_C + b·y_C + c)², where the line is from
/// the circle, times 4A²: (D² + E² − 4AF)(a² + b²) − (2Ac − aD − bE)².
std::optional<int> lineCircleSign(const Line& l, const Conic& q) {
    if (!exact(l) || !exact(q) || !hasCircleShape(q)) return std::nullopt;
    return decided([&] {
        const CircleEquation k(q);
        const Coefficients m(l);
        const Value across = 2 * k.A * m.c - m.a * k.D - m.b * k.E;
        return (k.fourA2r2() * (field::square(m.a) + field::square(m.b)) - field::square(across))
            .sign();
    });
}

} // namespace

bool takeDecidedOnDecimals() {
    return std::exchange(onDecimals, false);
}

std::optional<bool> isZero(const Number& n) {
    if (!n.isExact()) return std::nullopt;
    return n.isZero();
}

std::optional<bool> isWhole(const Number& n) {
    if (!n.isExact()) return std::nullopt;
    return n.isInteger();
}

std::optional<bool> wholeRoot(const Number& n) {
    if (!n.isExact()) return std::nullopt;
    return Value(n).isWholeSquare();
}

std::optional<bool> wholeDistance(const Point& p, const Point& q) {
    if (!exact(p) || !exact(q)) return std::nullopt;
    return decided([&] { return squaredDistance(Coordinates(p), Coordinates(q)).isWholeSquare(); });
}

std::optional<bool> wholeDistance(const Point& p, const Line& l) {
    if (!exact(p) || !exact(l) || l.isDegenerate()) return std::nullopt;
    return decided([&] {
        const Coefficients m(l);
        const Value norm2 = field::square(m.a) + field::square(m.b);
        return (field::square(m.at(Coordinates(p))) / norm2).isWholeSquare();
    });
}

std::optional<bool> equal(const Point& p, const Point& q) {
    if (!exact(p) || !exact(q)) return std::nullopt;
    return p == q;
}

std::optional<bool> noLine(const Line& l) {
    if (!exact(l)) return std::nullopt;
    return l.isDegenerate();
}

std::optional<bool> parallel(const Line& l, const Line& m) {
    if (!exact(l) || !exact(m)) return std::nullopt;
    return decided([&] {
        const Coefficients r(l), s(m);
        return r.a * s.b == s.a * r.b;
    });
}

std::optional<bool> sameLine(const Line& l, const Line& m) {
    if (!exact(l) || !exact(m)) return std::nullopt;
    return decided([&] {
        const Coefficients r(l), s(m);
        return r.a * s.b == s.a * r.b && r.a * s.c == s.a * r.c && r.b * s.c == s.b * r.c;
    });
}

std::optional<bool> perpendicular(const Line& l, const Line& m) {
    if (!exact(l) || !exact(m)) return std::nullopt;
    return decided([&] {
        const Coefficients r(l), s(m);
        return (r.a * s.a + r.b * s.b).isZero();
    });
}

std::optional<bool> equal(const Number& a, const Number& b) {
    if (!exact({&a, &b})) return std::nullopt;
    return a == b;
}

std::optional<bool> less(const Number& a, const Number& b) {
    if (!exact({&a, &b})) return std::nullopt;
    return decided([&] { return (Value(b) - Value(a)).sign() > 0; });
}

std::optional<bool> collinear(const Point& p1, const Point& p2, const Point& p3) {
    if (!exact(p1) || !exact(p2) || !exact(p3)) return std::nullopt;
    return decided([&] {
        const Coordinates a(p1), b(p2), c(p3);
        return (c.y - a.y) * (b.x - a.x) == (c.x - a.x) * (b.y - a.y);
    });
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
    if (!exact(p) || !exact(q)) return std::nullopt;
    return decided([&] {
        const CircleEquation k(q);
        const Coordinates c(p);
        return (k.A * (field::square(c.x) + field::square(c.y)) + k.D * c.x + k.E * c.y + k.F)
            .isZero();
    });
}

std::optional<int> lineAndCircle(const Line& l, const Conic& q) {
    return lineCircleSign(l, q);
}

std::optional<int> lineAndCircle(const Line& l, const Circle& c) {
    if (!exact(l) || !exact(c)) return std::nullopt;
    return decided([&] {
        const Coefficients m(l);
        const Value r2(c.radiusSquared());
        return (r2 * (field::square(m.a) + field::square(m.b)) -
                field::square(m.at(Coordinates(c.centre))))
            .sign();
    });
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
    if (!exact(p) || !exact(q) || !exact(r)) return std::nullopt;
    return decided([&] {
        const Coordinates a(p), b(q), c(r);
        const Value ab = squaredDistance(a, b), bc = squaredDistance(b, c),
                    ac = squaredDistance(a, c);
        return ac + bc == ab || ac + ab == bc || bc + ab == ac;
    });
}

std::optional<bool> onLine(const Line& l, const Point& p) {
    if (!exact(l) || !exact(p)) return std::nullopt;
    return decided([&] { return Coefficients(l).at(Coordinates(p)).isZero(); });
}

std::optional<int> circleSide(const Point& p, const Circle& c) {
    if (!exact(p) || !exact(c)) return std::nullopt;
    return decided([&] {
        const Value r2(c.radiusSquared());
        return (squaredDistance(Coordinates(p), Coordinates(c.centre)) - r2).sign();
    });
}

std::optional<bool> insideCircle(const Point& p, const Circle& c) {
    const std::optional<int> side = circleSide(p, c);
    if (!side) return std::nullopt;
    return *side < 0;
}

std::optional<int> circlesContact(const Circle& a, const Circle& b) {
    if (!exact(a) || !exact(b)) return std::nullopt;
    // (d² − (r₁ + r₂)²)·((r₁ − r₂)² − d²) = 4r₁²r₂² − (d² − r₁² − r₂²)²: squares only.
    return decided([&] {
        const Value d2 = squaredDistance(Coordinates(a.centre), Coordinates(b.centre));
        const Value ra2(a.radiusSquared()), rb2(b.radiusSquared());
        return (4 * ra2 * rb2 - field::square(d2 - ra2 - rb2)).sign();
    });
}

} // namespace exact::verdict
