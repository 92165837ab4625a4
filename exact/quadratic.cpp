#include "quadratic.h"

#include "solutionkit.h"
#include "verdicts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace exact {

namespace {

using namespace kit;

const Math& delta() {
    static const Math m = symbol("Δ");
    return m;
}

/// A value as a factor written after others: in parentheses when negative.
Math factor(const Number& v) {
    return v.sign() < 0 ? parens(value(v)) : value(v);
}

/// Δ = b² − 4ac, with the values, computed.
void discriminantStep(Solution& s, const Quadratic& q, const Number& d) {
    s.environment.bind(delta(), d.toDouble());
    s.add(StepKind::QuadraticDiscriminant)
        .line(Chain(delta())
                  .equals(minus(squared(value(q.b)), product({value(4), factor(q.a), factor(q.c)})))
                  .equals(value(d)));
}

/// −b as the first term of a numerator, or nothing when b = 0.
std::vector<SignedTerm> minusB(const Quadratic& q) {
    std::vector<SignedTerm> terms;
    addConstant(terms, -q.b);
    return terms;
}

/// t_i = (−b ± √Δ)/(2a), with the values, then with √Δ computed, then the root.
Math rootLine(const Math& name, const Quadratic& q, const Number& d, const Number& sqrtD, Sign sign,
              const Number& t) {
    std::vector<SignedTerm> given = minusB(q), computed = minusB(q);
    given.push_back({sign, root(value(d))});
    computed.push_back({sign, value(sqrtD)});
    const Math twoA = product({value(2), factor(q.a)});
    Chain chain(name);
    chain.equals(fraction(sum(std::move(given)), twoA));
    // A root left as a decimal goes straight to the root's decimal: an
    // intermediate with √Δ rounded would round again.
    if (sqrtD.isExact()) chain.equals(fraction(sum(std::move(computed)), value(2 * q.a)));
    return chain.endsWith(t);
}

std::vector<Number> doubleRoot(Solution& s, const std::string& unknown, const Quadratic& q) {
    const Number t = -q.b / (2 * q.a);
    const Math name = symbol(unknown);
    s.environment.bind(name, t.toDouble());
    s.add(StepKind::QuadraticDoubleRoot)
        .line(Chain(name)
                  .equals(fraction(value(-q.b), product({value(2), factor(q.a)})))
                  .endsWith(t));
    return {t};
}

std::vector<Number> twoRoots(Solution& s, const std::string& unknown, const Quadratic& q,
                             const Number& d) {
    const Math t = symbol(unknown);
    const std::vector<SignedTerm> numerator{{Sign::Minus, symbol("b")},
                                            {Sign::PlusMinus, root(delta())}};
    s.add(
        StepKind::QuadraticTwoRoots,
        {slot("formula", equation(t, fraction(sum(numerator), product({value(2), symbol("a")}))))});
    const Number sqrtD = simplifyRoot(s, d);
    // The root with −√Δ first, then the one with +√Δ, as the formula reads.
    const std::vector<Number> found{(-q.b - sqrtD) / (2 * q.a), (-q.b + sqrtD) / (2 * q.a)};
    Step& step = s.add(StepKind::QuadraticRoots);
    for (std::size_t i = 0; i < 2; ++i) {
        const Math name = symbol(unknown, std::to_string(i + 1));
        s.environment.bind(name, found[i].toDouble());
        step.line(rootLine(name, q, d, sqrtD, i == 0 ? Sign::Minus : Sign::Plus, found[i]));
    }
    return found;
}

// --- a line and a circle

/// The circle's equation with v = m·w + k put in, its squares developed,
/// and its terms collected: the quadratic in w.
struct Substitution {
    std::vector<Math> equations; ///< from the one put in to the developed one
    Quadratic quadratic;
};

Substitution substituted(const Oriented& o, const Isolated& i, const GeneralCircle& c) {
    const Math w = o.w();
    const Math replaced = o.replacement();
    const Math inner = !i.m.isZero()              ? parens(replaced)
                       : startsWithSign(replaced) ? parens(replaced)
                                                  : replaced;
    const Number &dw = o.vIsY ? c.d : c.e, &dv = o.vIsY ? c.e : c.d;
    // The x part of each group first, then the y part.
    std::vector<SignedTerm> put, developed, squareW, squareV, linearW, linearV;
    squareW.push_back({Sign::Plus, squared(w)});
    addTerm(squareV, square(i.m), squared(w));
    addTerm(squareV, 2 * i.m * i.k, w);
    addConstant(squareV, square(i.k));
    addTerm(linearW, dw, w);
    addTerm(linearV, dv * i.m, w);
    addConstant(linearV, dv * i.k);
    const auto inOrder = [&o](std::vector<SignedTerm>& to, const std::vector<SignedTerm>& ofW,
                              const std::vector<SignedTerm>& ofV) {
        for (const auto* group : o.vIsY ? std::array{&ofW, &ofV} : std::array{&ofV, &ofW})
            to.insert(to.end(), group->begin(), group->end());
    };
    const std::vector<SignedTerm> putSquareV{{Sign::Plus, squared(inner)}};
    std::vector<SignedTerm> putLinearV;
    addTerm(putLinearV, dv, inner);
    inOrder(put, squareW, putSquareV);
    inOrder(put, linearW, putLinearV);
    addConstant(put, c.f);
    inOrder(developed, squareW, squareV);
    inOrder(developed, linearW, linearV);
    addConstant(developed, c.f);
    const Quadratic q{1 + square(i.m), 2 * i.m * i.k + dw + dv * i.m, square(i.k) + dv * i.k + c.f};
    return {{equation(sum(std::move(put)), value(0)),
             equation(sumOrZero(std::move(developed)), value(0))},
            q};
}

/// The reduced equation (w − c_w)² + (v − c_v)² = K with v = m·w + k put in:
/// the constants inside the square gathered, the squares developed and the
/// terms collected into the quadratic in w.
Substitution substitutedCentred(const Oriented& o, const Isolated& i, const Point& centre,
                                const Number& big) {
    const Math w = o.w();
    const Number &cw = o.vIsY ? centre.x : centre.y, &cv = o.vIsY ? centre.y : centre.x;
    const Number d = i.k - cv;      // v − c_v = m·w + d
    std::vector<SignedTerm> inside; // v − c_v with v as the line gives it
    const Math replaced = o.replacement();
    if (replaced.kind() == Math::Kind::Sum)
        for (std::size_t n = 0; n < replaced.children().size(); ++n)
            inside.push_back({replaced.signAt(n), replaced.children()[n]});
    else
        inside.push_back({Sign::Plus, replaced});
    addConstant(inside, -cv);
    const Math putV = squared(sumOrZero(inside));
    const Math gatheredV = squared(linearCombination({{i.m, w}}, d));
    const Math squareW = shiftedSquare(w, cw);
    const auto inOrder = [&o](const Math& ofW, const Math& ofV) {
        return o.vIsY ? plus(ofW, ofV) : plus(ofV, ofW);
    };
    std::vector<SignedTerm> developedW = developedSquare(w, cw), developedV;
    addTerm(developedV, square(i.m), squared(w));
    addTerm(developedV, 2 * i.m * d, w);
    addConstant(developedV, square(d));
    std::vector<SignedTerm> developed = o.vIsY ? developedW : developedV;
    const std::vector<SignedTerm>& rest = o.vIsY ? developedV : developedW;
    developed.insert(developed.end(), rest.begin(), rest.end());
    const Quadratic q{1 + square(i.m), -2 * cw + 2 * i.m * d, square(cw) + square(d) - big};
    return {{equation(inOrder(squareW, putV), value(big)),
             equation(inOrder(squareW, gatheredV), value(big)),
             equation(sumOrZero(std::move(developed)), value(big))},
            q};
}

/// The other coordinate of each root: v = m·w + k, with w the root.
std::vector<Point> backSubstituted(Solution& s, const Oriented& o, const Isolated& i,
                                   const std::vector<Number>& ws) {
    std::vector<Point> points;
    const std::string v = o.vIsY ? "y" : "x", w = o.vIsY ? "x" : "y";
    for (std::size_t n = 0; n < ws.size(); ++n) {
        const std::string index = ws.size() > 1 ? std::to_string(n + 1) : std::string();
        // Two roots are named x₁ and x₂; one root is put in as its value.
        const Math name = symbol(v, index), root = index.empty() ? value(ws[n]) : symbol(w, index);
        const Number value0 = i.m * ws[n] + i.k;
        s.environment.bind(name, value0.toDouble());
        points.push_back(o.vIsY ? Point{ws[n], value0} : Point{value0, ws[n]});
        if (i.m.isZero()) continue; // v = k for every point: the line said it
        Chain chain(name);
        if (!index.empty()) chain.equals(linearCombination({{i.m, root}}, i.k));
        if (!ws[n].isZero()) chain.equals(linearCombination({{i.m, value(ws[n])}}, i.k));
        s.add(StepKind::BackSubstituteRoot,
              {slot("w", o.w()), slot("root", root), slot("v", o.v())})
            .line(chain.endsWith(value0));
    }
    return points;
}

} // namespace

Number discriminantOf(const Quadratic& q) {
    const Number d = q.discriminant();
    if (d.isExact()) return d;
    // An approximate Δ that is zero but for the rounding of b² and 4ac is 0,
    // still approximate: the coefficients stand for nothing closer.
    const double size = std::fabs(square(q.b).toDouble()) + std::fabs((4 * q.a * q.c).toDouble());
    return std::fabs(d.toDouble()) <= 1e-9 * std::max(1.0, size) ? Number::approximate(0) : d;
}

std::vector<Number> roots(const Quadratic& q) {
    const Number d = discriminantOf(q);
    if (d.sign() < 0) return {};
    if (d.isZero()) return {-q.b / (2 * q.a)};
    const Number s = sqrt(d);
    return {(-q.b + s) / (2 * q.a), (-q.b - s) / (2 * q.a)};
}

Math quadraticEquation(const Quadratic& q, const Math& t) {
    return equation(linearCombination({{q.a, squared(t)}, {q.b, t}}, q.c), value(0));
}

namespace kit {

Quadratic wholeQuadratic(Solution& s, const Quadratic& q, const Math& t) {
    const Number k = normalisingFactor(Line{q.a, q.b, q.c});
    if (k == 1) return q;
    const Quadratic scaled{q.a * k, q.b * k, q.c * k};
    scalingStep(s, k).line(
        Chain(quadraticEquation(q, t)).then(Rel::Equivalent, quadraticEquation(scaled, t)));
    return scaled;
}

std::vector<Number> solveQuadratic(Solution& s, const std::string& unknown, const Quadratic& q,
                                   std::optional<int> sign) {
    const Number d = discriminantOf(q);
    discriminantStep(s, q, d);
    if (!sign) sign = d.sign();
    if (*sign < 0) {
        s.add(StepKind::QuadraticNoRoots);
        return {};
    }
    if (*sign == 0) return doubleRoot(s, unknown, q);
    // An approximate Δ rounded below the positive value it stands for.
    if (d.sign() <= 0) return twoRoots(s, unknown, q, Number::approximate(0));
    return twoRoots(s, unknown, q, d);
}

std::vector<Point> meetLineAndCircle(Solution& s, const Line& l, const Math& lineEquation,
                                     const char* lineName, const CircleToMeet& to) {
    const GeneralCircle& c = to.general;
    // The figure needs only the circle's doubles: no exact root taken.
    const Point centre{-c.d / 2, -c.e / 2};
    const double r2 = (square(centre.x) + square(centre.y) - c.f).toDouble();
    const Circle circle{centre, Number::approximate(std::sqrt(std::max(r2, 0.0)))};
    const Math written =
        to.written ? *to.written
        : to.centre
            ? equation(plus(shiftedSquare(x(), to.centre->x), shiftedSquare(y(), to.centre->y)),
                       value(to.squaredRadius))
            : generalCircleEquation(c);
    s.add(StepKind::CircleLineSystem)
        .line(system({lineEquation, written}))
        .figure(Figure::line(l, lineName))
        .figure(Figure::circle(circle));
    const Oriented o{lineName, &l, &lineEquation, !l.b.isZero()};
    const Isolated i = isolate(s, o);
    const Substitution sub =
        to.centre ? substitutedCentred(o, i, *to.centre, to.squaredRadius) : substituted(o, i, c);
    s.add(StepKind::SubstituteInCircle,
          {slot("v", o.v()), slot("expression", o.replacement()), slot("w", o.w())})
        .line([&] {
            Equivalences chain(sub.equations.front());
            for (std::size_t n = 1; n < sub.equations.size(); ++n)
                chain.then(sub.equations[n]);
            return chain.then(quadraticEquation(sub.quadratic, o.w())).operator Math();
        }());
    const Quadratic whole = wholeQuadratic(s, sub.quadratic, o.w());
    // Δ has the sign of r²(a² + b²) − (a·x_C + b·y_C + c)², decided on the data.
    const std::optional<int> sign = verdict::lineAndCircle(l, Conic{1, 1, 0, c.d, c.e, c.f});
    const std::vector<Number> ws = solveQuadratic(s, o.vIsY ? "x" : "y", whole, sign);
    return backSubstituted(s, o, i, ws);
}

void meetingOutcome(Solution& s, std::vector<Point> points, const MeetingEnd& end) {
    if (points.empty()) {
        stopsWith(s, end.none, {}, end.first, end.apart);
        return;
    }
    if (points.size() == 1) {
        bindPoint(s.environment, "T", points[0]);
        s.add(end.tangent, {slot("T", pointWithDecimals(points[0], "T"))})
            .figure(Figure::point(points[0], "T"));
        s.answer.add(end.first, points[0]);
        s.answer.add(end.second, points[0]);
        return;
    }
    if (!end.comesFirst(points[0], points[1])) std::swap(points[0], points[1]);
    bindPoint(s.environment, "A", points[0]);
    bindPoint(s.environment, "B", points[1]);
    s.add(end.secant, {slot("A", pointWithDecimals(points[0], "A")),
                       slot("B", pointWithDecimals(points[1], "B"))})
        .figure(Figure::point(points[0], "A"))
        .figure(Figure::point(points[1], "B"));
    s.answer.add(end.first, points[0]);
    s.answer.add(end.second, points[1]);
}

} // namespace kit

} // namespace exact
