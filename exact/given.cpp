#include "given.h"

#include "notation.h"
#include "readings.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace exact {

namespace {

/// lhs − rhs of an equation at (x, y), in doubles.
std::optional<double> sideDifference(const Math& e, double x, double y) {
    if (e.kind() != Math::Kind::Chain || e.children().size() != 2 || e.relationAt(1) != Rel::Equal)
        return std::nullopt;
    Environment env;
    env.bind(symbol("x"), x);
    env.bind(symbol("y"), y);
    env.bind(symbol("π"), 3.14159265358979323846);
    const auto l = numericValue(e.children()[0], env), r = numericValue(e.children()[1], env);
    if (!l || !r || l->isPoint || r->isPoint) return std::nullopt;
    return l->x - r->x;
}

/// The text's tree when it agrees with `expected` on a few points of the plane.
std::optional<Math> checked(const std::string& typed,
                            const std::function<double(double, double)>& expected) {
    if (typed.empty()) return std::nullopt;
    const std::optional<Math> tree = parseTyped(typed);
    if (!tree) return std::nullopt;
    static constexpr double samples[][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, -3}, {-1.5, 2.5}};
    for (const auto& [x, y] : samples) {
        const std::optional<double> d = sideDifference(*tree, x, y);
        const double want = expected(x, y);
        if (!d || std::fabs(*d - want) > 1e-9 * std::max({1.0, std::fabs(*d), std::fabs(want)}))
            return std::nullopt;
    }
    return tree;
}

} // namespace

std::optional<Math> typedEquation(const GivenLine& l) {
    const double a = l.line.a.toDouble(), b = l.line.b.toDouble(), c = l.line.c.toDouble();
    return checked(l.typed, [&](double x, double y) { return a * x + b * y + c; });
}

std::optional<Math> typedEquation(const GivenCircle& c) {
    const Conic& q = c.conic;
    const double A = q.A.toDouble(), B = q.B.toDouble(), C = q.C.toDouble(), D = q.D.toDouble(),
                 E = q.E.toDouble(), F = q.F.toDouble();
    return checked(c.typed, [&](double x, double y) {
        return A * x * x + B * y * y + C * x * y + D * x + E * y + F;
    });
}

} // namespace exact
