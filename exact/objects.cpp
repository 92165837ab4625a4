#include "objects.h"

#include "readings.h"

namespace exact {

namespace {

const Math& x() {
    static const Math m = symbol("x");
    return m;
}

const Math& y() {
    static const Math m = symbol("y");
    return m;
}

/// (v − k)², (v + |k|)², or v² when k is zero.
Math shiftedSquare(const Math& v, const Number& k) {
    if (k.isZero()) return squared(v);
    const bool negative = k.sign() < 0;
    const Math shifted = negative ? plus(v, value(-k)) : minus(v, value(k));
    return squared(shifted);
}

/// The lcm of the denominators and the gcd of the numerators of every term.
void contentOf(const Line& l, mpz_class& lcm, mpz_class& gcd) {
    lcm = 1;
    gcd = 0;
    for (const Number* n : {&l.a, &l.b, &l.c})
        for (const Term& t : n->terms()) {
            mpz_lcm(lcm.get_mpz_t(), lcm.get_mpz_t(), t.coefficient.get_den_mpz_t());
            mpz_gcd(gcd.get_mpz_t(), gcd.get_mpz_t(), t.coefficient.get_num_mpz_t());
        }
}

} // namespace

GeneralCircle generalForm(const Circle& c) {
    const Point& o = c.centre;
    return {-2 * o.x, -2 * o.y, square(o.x) + square(o.y) - c.radiusSquared()};
}

Circle circleOf(const GeneralCircle& g) {
    const Point centre{-g.d / 2, -g.e / 2};
    const Number r2 = square(centre.x) + square(centre.y) - g.f;
    return {centre, sqrt(r2), r2};
}

Point midpoint(const Point& p, const Point& q) {
    return {(p.x + q.x) / 2, (p.y + q.y) / 2};
}

Number squaredDistance(const Point& p, const Point& q) {
    return square(q.x - p.x) + square(q.y - p.y);
}

Number distance(const Point& p, const Point& q) {
    return sqrt(squaredDistance(p, q));
}

Line lineThrough(const Point& p, const Point& q) {
    return {q.y - p.y, p.x - q.x, q.x * p.y - p.x * q.y};
}

Point intersection(const Line& m, const Line& n) {
    const Number det = m.a * n.b - n.a * m.b;
    return {(m.b * n.c - n.b * m.c) / det, (n.a * m.c - m.a * n.c) / det};
}

Number distance(const Point& p, const Line& l) {
    return abs(l.a * p.x + l.b * p.y + l.c) / sqrt(square(l.a) + square(l.b));
}

Line perpendicularBisector(const Point& p, const Point& q) {
    return {2 * (q.x - p.x), 2 * (q.y - p.y),
            square(p.x) + square(p.y) - square(q.x) - square(q.y)};
}

Number normalisingFactor(const Line& l) {
    if (l.isDegenerate()) return 1;
    if (l.a.isApproximate() || l.b.isApproximate() || l.c.isApproximate()) // the sign only
        return (l.a.isZero() ? l.b : l.a).sign() < 0 ? -1 : 1;
    mpz_class lcm;
    mpz_class gcd;
    contentOf(l, lcm, gcd);
    const Number& first = l.a.isZero() ? l.b : l.a;
    return Number::fraction(first.sign() < 0 ? mpz_class(-lcm) : lcm, gcd);
}

Line normalised(const Line& l) {
    const Number factor = normalisingFactor(l);
    if (factor == 1) return l;
    return {l.a * factor, l.b * factor, l.c * factor};
}

bool sameLine(const Line& l, const Line& m) {
    return l.a * m.b == m.a * l.b && l.a * m.c == m.a * l.c && l.b * m.c == m.b * l.c;
}

bool contains(const Line& l, const Point& p) {
    return (l.a * p.x + l.b * p.y + l.c).isZero();
}

Math pointTree(const Point& p, const std::string& name) {
    return point(value(p.x), value(p.y), name);
}

Math generalEquation(const Line& l) {
    return equation(linearCombination({{l.a, x()}, {l.b, y()}}, l.c), value(0));
}

std::optional<Math> reducedEquation(const Line& l) {
    if (l.isDegenerate()) return std::nullopt;
    if (l.b.isZero()) return equation(x(), value(-l.c / l.a));
    const Number r = -1 / l.b;
    return equation(y(), linearCombination({{l.a * r, x()}}, l.c * r));
}

Math circleEquation(const Circle& c) {
    const Math left = plus(shiftedSquare(x(), c.centre.x), shiftedSquare(y(), c.centre.y));
    return equation(left, value(c.radiusSquared()));
}

Math generalCircleEquation(const GeneralCircle& g, const Number& k) {
    return equation(
        linearCombination({{k, squared(x())}, {k, squared(y())}, {g.d, x()}, {g.e, y()}}, g.f),
        value(0));
}

std::string text(const Point& p, std::string_view separator) {
    const bool approximate = p.x.isApproximate() || p.y.isApproximate();
    return (approximate ? "\u2248 " : "") + linearText(pointTree(p), separator);
}

std::string generalEquationText(const Line& l, std::string_view separator) {
    return linearText(generalEquation(normalised(l)), separator);
}

std::optional<std::string> reducedEquationText(const Line& l, std::string_view separator) {
    const std::optional<Math> m = reducedEquation(l);
    if (!m) return std::nullopt;
    return linearText(*m, separator);
}

std::string circleEquationText(const Circle& c, std::string_view separator) {
    return linearText(circleEquation(c), separator);
}

} // namespace exact
