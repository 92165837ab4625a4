// The worked solutions of "CIRCUNFERÊNCIA - 3".

#include "circles3solutions.h"

#include "circles2solutions.h"
#include "circlesolutions.h"
#include "framerows.h"
#include "quadratic.h"
#include "solutionkit.h"
#include "trianglesolutions.h"
#include "verdicts.h"

#include <algorithm>
#include <cmath>

namespace exact::solutions {

using namespace kit;

namespace {

/// a·x_P + b·y_P + c with the values of a point, and its value. A sum that is already
/// its value ("x = 0" at x = 1/6) is not written twice: "1/6 ≠ 0".
Math substituted(const Line& l, const Point& p, const Number& v) {
    const Math sum = linearCombination({{l.a, value(p.x)}, {l.b, value(p.y)}}, l.c);
    if (v.isExact() && !v.isZero() && linearText(sum, ",") == linearText(value(v), ","))
        return Chain(value(v)).then(Rel::NotEqual, value(0));
    return Chain(sum).equals(value(v));
}

// --- two circles

/// A circle for the board to show, from its doubles: no exact root taken.
Circle figureOf(const GeneralCircle& g) {
    const Point centre{-g.d / 2, -g.e / 2};
    const double r2 = (square(centre.x) + square(centre.y) - g.f).toDouble();
    return {centre, Number::approximate(std::sqrt(std::max(r2, 0.0)))};
}

/// x² + y² + d x + e y + f: the first member of a circle's general equation.
Math circleSide(const GeneralCircle& g) {
    return linearCombination({{1, squared(x())}, {1, squared(y())}, {g.d, x()}, {g.e, y()}}, g.f);
}

/// The second equation subtracted from the first, with its step: the
/// radical line (d₁ − d₂)x + (e₁ − e₂)y + f₁ − f₂ = 0, or no line at all.
Line subtracted(Solution& s, const GeneralCircle& g1, const GeneralCircle& g2) {
    const Line radical{g1.d - g2.d, g1.e - g2.e, g1.f - g2.f};
    const bool noLine = radical.a.isZero() && radical.b.isZero();
    s.add(StepKind::CirclesSubtract)
        .line(system({generalCircleEquation(g1), generalCircleEquation(g2)}))
        .line(
            Equivalences(equation(minus(parens(circleSide(g1)), parens(circleSide(g2))), value(0)))
                .then(noLine ? equation(value(radical.c), value(0)) : generalEquation(radical)))
        .figure(Figure::circle(figureOf(g1), "c₁"))
        .figure(Figure::circle(figureOf(g2), "c₂"));
    return radical;
}

/// The form's first point: the one further along (e₂ − e₁ , d₁ − d₂), the
/// direction from its midpoint of the chord.
bool comesFirst(const GeneralCircle& g1, const GeneralCircle& g2, const Point& p, const Point& q) {
    return ((g2.e - g1.e) * (p.x - q.x) + (g1.d - g2.d) * (p.y - q.y)).sign() >= 0;
}

// --- tangents from a point

const Math& slopeName() {
    static const Math m = symbol("m");
    return m;
}

/// (v − k), or v when k = 0.
Math shiftedBy(const Math& v, const Number& k) {
    return k.isZero() ? v : minus(v, value(k));
}

/// The lines through P of slope m: y − y_P = m(x − x_P) ⇔ mx − y + y_P − m·x_P = 0.
void slopeFamily(Solution& s, const Point& p) {
    const Math& m = slopeName();
    std::vector<SignedTerm> terms{{Sign::Plus, product({m, x()})}, {Sign::Minus, y()}};
    addConstant(terms, p.y);
    addTerm(terms, -p.x, m);
    s.add(StepKind::TangentsMethod)
        .line(Equivalences(equation(shiftedBy(y(), p.y), product({m, shiftedBy(x(), p.x)})))
                  .then(equation(sum(std::move(terms)), value(0))));
}

/// u² − r², u = x_C − x_P: 0 when the vertical through P touches the circle,
/// decided on the data, or for approximate values within their rounding (an
/// approximate 0 then).
Number squaresDifference(const Point& p, const Circle& c, const Number& u) {
    const Number u2 = square(u), r2 = c.radiusSquared();
    if (const std::optional<int> contact = verdict::lineAndCircle({1, 0, -p.x}, c))
        return *contact == 0 ? Number(0) : u2 - r2;
    if (std::fabs((u2 - r2).toDouble()) <= 1e-9 * std::max(u2.toDouble(), r2.toDouble()))
        return Number::approximate(0);
    return u2 - r2;
}

/// d(C, t) = r for the line of slope m, squared and developed: the equation
/// (u² − r²)m² − 2uv·m + v² − r² = 0, with u = x_C − x_P, v = y_C − y_P.
Quadratic slopeEquation(Solution& s, const Point& p, const Circle& c, const Number& u,
                        const Number& v) {
    const Math& m = slopeName();
    const Number r2 = c.radiusSquared();
    const Math side = linearCombination({{u, m}}, -v);
    const Math squares = plus(squared(m), value(1));
    const Quadratic q{squaresDifference(p, c, u), -2 * u * v, square(v) - r2};
    s.add(StepKind::TangentsDistance)
        .line(Equivalences(equation(fraction(absolute(side), root(squares)), value(c.radius)))
                  .then(equation(squared(parens(side)), times(r2, parens(squares))))
                  .then(equation(
                      linearCombination({{square(u), squared(m)}, {-2 * u * v, m}}, square(v)),
                      linearCombination({{r2, squared(m)}}, r2)))
                  .then(quadraticEquation(q, m)));
    return q;
}

/// The one slope of a first-degree equation in m: the other tangent is vertical.
Number onlySlope(Solution& s, const Quadratic& q, const Number& u) {
    const Number slope = -q.c / q.b;
    s.add(StepKind::TangentsFirstDegree)
        .line(Chain(squared(minus(x("C"), x("P"))))
                  .equals(value(square(u)))
                  .equals(squared(symbol("r"))))
        .line(Equivalences(quadraticEquation(q, slopeName()))
                  .then(equation(slopeName(), value(slope))));
    return slope;
}

/// The vertical tangent x = x_P, at the distance |x_C − x_P| = r from the centre.
Line verticalTangent(Solution& s, const Point& p, const Circle& c) {
    const Line l{1, 0, -p.x};
    s.add(StepKind::TangentsVertical, {slot("equation", equation(x(), value(p.x)))})
        .line(Chain(absolute(minus(x("C"), x("P"))))
                  .equals(absolute(minus(value(c.centre.x), value(p.x))))
                  .equals(value(abs(c.centre.x - p.x)))
                  .equals(symbol("r")))
        .figure(Figure::line(l, "t"))
        .figure(Figure::point(p, "P"));
    return l;
}

/// The tangent of slope m through P, its equation written in a step of `kind`.
Line tangentOfSlope(Solution& s, StepKind kind, const Point& p, const Number& m) {
    Math general;
    const Line l = pointSlopeLine(s, StepKind::SlopeThroughPoint, p, m, general);
    s.add(kind, {slot("equation", general)})
        .figure(Figure::line(l, "t"))
        .figure(Figure::point(p, "P"));
    return l;
}

/// A point inside the circle or on it: no two tangents; the solution stops.
Solution& stopsNotExterior(Solution& s, const Point& p, const Circle& c) {
    stopsWith(s, StepKind::TangentsNotExterior, {}, "Resultado4", Verdict::PointNotExterior)
        .figure(Figure::point(p, "P"))
        .figure(Figure::circle(c));
    return s;
}

/// The tangents in the order of the form's labels: the line of slope
/// (uv + r·t)/(u² − r²) first (t the length of a tangent), the larger slope
/// when u² > r²; of a vertical tangent and another, the vertical one first
/// when u·v > 0.
void tangentsAnswer(Solution& s, Line first, Line second, bool swap) {
    if (swap) std::swap(first, second);
    s.answer.add("Resultado4", first);
    s.answer.add("Resultado5", second);
}

} // namespace

Solution solveTouchingCircle(const Point& p, const Point& q, const GivenLine& typed) {
    Solution s =
        titledWithPoints(TitleKind::TouchingCircle, {{"P", p}, {"Q", q}}, {lineSlot("t", typed)});
    const std::string label = "Resultado3";
    const std::optional<WorkingLine> given = openGivenLine(s, "t", typed, label, LineUse::General);
    if (!given) return s;
    const Line& t = given->line;
    const Number atQ = t.a * q.x + t.b * q.y + t.c;
    if (!verdict::onLine(t, q).value_or(atQ.isZero())) {
        stopsWith(s, StepKind::PointQNotOnLine, {}, label, Verdict::PointNotOnLine)
            .line(substituted(t, q, atQ))
            .figure(Figure::line(t, "t"));
        return s;
    }
    s.add(StepKind::PointQOnLine).line(substituted(t, q, atQ)).figure(Figure::point(q, "Q"));
    const Number atP = t.a * p.x + t.b * p.y + t.c;
    if (verdict::onLine(t, p).value_or(atP.isZero())) {
        stopsWith(s, StepKind::PointPOnTangent, {}, label, Verdict::PointOnTangent)
            .line(substituted(t, p, atP))
            .figure(Figure::line(t, "t"));
        return s;
    }
    const LineNames names{"m", "n"};
    s.add(StepKind::TouchingCircleMethod,
          {slot("r", symbol(names.first)), slot("s", symbol(names.second))});
    const Point direction{-t.b, t.a};
    Math er, es;
    Step& normal = s.add(StepKind::NormalAtPoint,
                         {slot("r", symbol(names.first)), slot("vector", pointTree(direction))});
    const Line r = normalThrough(normal, q, direction, er);
    normal.figure(Figure::line(r, names.first)).figure(Figure::line(t, "t"));
    const Line b = sideBisector(s, names.second, {"P", p}, {"Q", q}, "M", false, es);
    const std::optional<Point> o = meetingOf(s, r, er, b, es, names);
    if (!o) { // parallel only in the doubles of approximate data
        stopsWith(s, StepKind::PointPOnTangent, {}, label, Verdict::PointOnTangent);
        return s;
    }
    bindPoint(s.environment, "O", *o);
    s.add(StepKind::TouchingCircleCentre, {slot("O", pointWithDecimals(*o, "O"))})
        .figure(Figure::point(*o, "O"));
    const Number dx = q.x - o->x, dy = q.y - o->y;
    const Number r2 = square(dx) + square(dy);
    s.add(StepKind::TouchingCircleRadius)
        .line(Chain(squared(symbol("r")))
                  .equals(squared(function("d", {symbol("O"), symbol("Q")})))
                  .equals(plus(squared(minus(value(q.x), value(o->x))),
                               squared(minus(value(q.y), value(o->y)))))
                  .equals(plus(squared(value(dx)), squared(value(dy))))
                  .endsWith(r2))
        .line(radiusLine(r2))
        .figure(Figure::segment(*o, q));
    circleResult(s, StepKind::TouchingCircleResult, {*o, sqrt(r2)}, label);
    return s;
}

Solution solveTwoCircles(const GivenCircle& first, const GivenCircle& second) {
    Solution s = titled(TitleKind::TwoCircles, {slot("c1", typedCircleEquation(first)),
                                                slot("c2", typedCircleEquation(second))});
    const GeneralCircle g1 = normalisedCircle(s, first), g2 = normalisedCircle(s, second);
    const Line radical = subtracted(s, g1, g2);
    if (radical.a.isZero() && radical.b.isZero()) {
        const bool same = radical.c.isZero();
        stopsWith(s, same ? StepKind::CirclesCoincide : StepKind::CirclesConcentric, {},
                  "Resultado1", same ? Verdict::CoincidentCircles : Verdict::CirclesApart);
        return s;
    }
    Math written = generalEquation(radical);
    const Line r = normaliseLineEquation(s, radical, &written);
    s.add(StepKind::CirclesRadicalLine, {slot("equation", written)}).figure(Figure::line(r, "r"));
    meetingOutcome(
        s, meetLineAndCircle(s, r, written, "r", {g1, std::nullopt, 0, std::nullopt}),
        {StepKind::CirclesApart, StepKind::CirclesTangent, StepKind::CirclesSecant,
         Verdict::CirclesApart, "Resultado1", "Resultado2",
         [&g1, &g2](const Point& p, const Point& q) { return comesFirst(g1, g2, p, q); }});
    return s;
}

Solution solveTangentsFromPoint(const Point& p, const GivenCircle& circle) {
    Solution s = titledWithPoints(TitleKind::TangentsFromPoint, {{"P", p}},
                                  {slot("c", typedCircleEquation(circle))});
    const Circle c = centreAndRadius(s, circle).circle;
    if (pointAndCircle(s, p, c) <= 0) return stopsNotExterior(s, p, c);
    const Number u = c.centre.x - p.x, v = c.centre.y - p.y;
    slopeFamily(s, p);
    const Quadratic q = slopeEquation(s, p, c, u, v);
    if (q.a.isZero()) {
        const Line sloped = tangentOfSlope(s, StepKind::TangentsFirst, p, onlySlope(s, q, u));
        tangentsAnswer(s, sloped, verticalTangent(s, p, c), (u * v).sign() > 0);
        return s;
    }
    // P is outside the circle: two tangents, Δ > 0, when that was decided exactly.
    const std::optional<int> sign =
        verdict::circleSide(p, c).value_or(0) > 0 ? std::optional<int>(1) : std::nullopt;
    const std::vector<Number> m = solveQuadratic(s, "m", wholeQuadratic(s, q, slopeName()), sign);
    // No root, or one: only approximate data so close to the circle that
    // their roundings cannot tell.
    if (m.empty()) return stopsNotExterior(s, p, c);
    const Line t1 = tangentOfSlope(s, StepKind::TangentsFirst, p, m.front());
    const Line t2 = tangentOfSlope(s, StepKind::TangentsSecond, p, m.back());
    tangentsAnswer(s, t1, t2, (m.front() > m.back()) != (q.a.sign() > 0));
    return s;
}

// --- the frames of the topic, each with the worked solution of its problem

// clang-format off
std::vector<Frame> circles3Frames() {
    using namespace rows;
    return {
        {"circunferencia3-1", Topic::Circunferencia3,
         TRANSLATABLE_NOOP("Frames", "Intersecção de duas circunferências"),
         {circle("Text6"), circle("Text7")}, {},
         [](const FrameData& d) { return solveTwoCircles(d.givenCircle(0), d.givenCircle(1)); }},
        {"circunferencia3-2", Topic::Circunferencia3,
         TRANSLATABLE_NOOP("Frames", "Rectas que passam por P e são tg a uma circunferência"),
         {point("4"), circle("Text9")}, {},
         [](const FrameData& d) { return solveTangentsFromPoint(d.point(0), d.givenCircle(0)); }},
        {"circunferencia3-3", Topic::Circunferencia3,
         TRANSLATABLE_NOOP("Frames", "Circunferência que passa em P e é tg à recta no ponto Q"),
         {point("1"), point("2"), line("Text12")}, {},
         [](const FrameData& d) {
             return solveTouchingCircle(d.point(0), d.point(1), d.givenLine(0));
         }},
    };
}
// clang-format on

} // namespace exact::solutions
