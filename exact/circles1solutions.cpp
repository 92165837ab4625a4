// The worked solutions of "CIRCUNFERÊNCIA - 1": a circle by its equation or
// by its centre and radius, the circle with a given centre tangent to a line,
// the tangent at a point of a circle, and where a line meets a circle.

#include "circlesolutions.h"
#include "framerows.h"
#include "quadratic.h"
#include "solutionkit.h"
#include "verdicts.h"

#include <cmath>
#include <stdexcept>

namespace exact::solutions {

using namespace kit;

// --- the circle's equation: steps that the other circle pages share

Math typedCircleEquation(const Conic& q) {
    return generalCircleEquation({q.D, q.E, q.F}, q.A);
}

GeneralCircle normalisedCircle(Solution& s, const Conic& q) {
    if (!hasCircleShape(q)) throw std::invalid_argument("not the equation of a circle");
    const GeneralCircle g{q.D / q.A, q.E / q.A, q.F / q.A};
    if (q.A != 1)
        s.add(StepKind::DivideEquation, {slot("k", value(q.A))}).line(generalCircleEquation(g));
    return g;
}

namespace {

/// r² = a² + b² − f, the square of the radius of x² + y² + d x + e y + f = 0.
Number squaredRadius(const GeneralCircle& g, const Point& centre) {
    return square(centre.x) + square(centre.y) - g.f;
}

/// (x² + d x + (d/2)²), or x² alone when d = 0.
Math completedGroup(const Math& v, const Number& centre) {
    std::vector<SignedTerm> terms = developedSquare(v, centre);
    return terms.size() == 1 ? terms.front().term : parens(sum(std::move(terms)));
}

/// (x − a)² + (y − b)² = k.
Math centredEquation(const Point& c, const Math& k) {
    return equation(plus(shiftedSquare(x(), c.x), shiftedSquare(y(), c.y)), k);
}

} // namespace

Circle centreAndRadius(Solution& s, const GeneralCircle& g, CircleForm written) {
    const Point c{-g.d / 2, -g.e / 2};
    const Number k = squaredRadius(g, c);
    if (k.sign() <= 0) throw std::invalid_argument("no circle: r² ≤ 0");
    if (written == CircleForm::Reduced) {
        s.add(StepKind::CircleReadReduced, {pointSlot("C", c), slot("k", value(k))})
            .line(centredEquation(c, value(k)));
    } else {
        std::vector<SignedTerm> right;
        addConstant(right, -g.f);
        addConstant(right, square(c.x));
        addConstant(right, square(c.y));
        s.add(StepKind::CompleteSquares)
            .line(Equivalences(generalCircleEquation(g))
                      .then(equation(plus(completedGroup(x(), c.x), completedGroup(y(), c.y)),
                                     right.size() == 1 ? right.front().term : sumOrZero(right)))
                      .then(centredEquation(c, value(k))));
    }
    const Number r = simplifyRoot(s, k);
    bindPoint(s.environment, "C", c);
    s.environment.bind(symbol("r"), r.toDouble());
    s.add(StepKind::CircleCentreRadius, {pointSlot("C", c), slot("r", withDecimal(r))})
        .line(Chain(symbol("C")).equals(pointTree(c)))
        .line(Chain(symbol("r")).endsWith(r))
        .figure(Figure::point(c, "C"));
    return {c, r, k};
}

namespace {

/// (x − x_C)² + (y − y_C)² = r², the data put in, the equation and its
/// general form; C and r are bound.
void equationOfCircle(Solution& s, const std::string& centreName, const Circle& c) {
    bindPoint(s.environment, "C", c.centre);
    s.environment.bind(symbol("r"), c.radius.toDouble());
    s.add(StepKind::CircleFormula)
        .line(equation(plus(squared(minus(x(), x("C"))), squared(minus(y(), y("C")))),
                       squared(symbol("r"))));
    const Math found = centredEquation(c.centre, value(c.radiusSquared()));
    s.add(StepKind::CircleSubstitute,
          {slot("C", pointTree(c.centre, centreName)), slot("r", withDecimal(c.radius))})
        .line(Equivalences(centredEquation(c.centre, squared(value(c.radius)))).then(found));
    s.add(StepKind::CircleResult, {slot("equation", found)})
        .line(Equivalences(found).then(generalCircleEquation(generalForm(c))))
        .figure(Figure::circle(c))
        .figure(Figure::point(c.centre, centreName));
}

// --- the tangent at a point

/// (v − k), or v when k = 0.
Math shifted(const Math& v, const Number& k) {
    if (k.isZero()) return v;
    return parens(k.sign() < 0 ? plus(v, value(-k)) : minus(v, value(k)));
}

/// d(C, P)² against r²: whether P is on the circle, with its step.
bool onCircle(Solution& s, const Point& p, const Circle& c, const Number& rSquared) {
    const Number d2 = squaredDistance(c.centre, p);
    const std::optional<int> side = verdict::circleSide(p, {c.centre, c.radius, rSquared});
    // Approximate values are equal when their doubles agree to their last
    // digits: what they stand for is not known more closely.
    const bool on = side ? *side == 0
                         : std::fabs(d2.toDouble() - rSquared.toDouble()) <=
                               1e-12 * std::fabs(rSquared.toDouble());
    Chain chain(squared(distanceName("C", "P")));
    chain
        .equals(plus(squared(minus(value(p.x), value(c.centre.x))),
                     squared(minus(value(p.y), value(c.centre.y)))))
        .equals(value(d2))
        .then(on ? Rel::Equal : Rel::NotEqual, squared(symbol("r")));
    s.add(on ? StepKind::PointOnCircle : StepKind::PointNotOnCircle, {pointSlot("P", p)})
        .line(chain)
        .figure(Figure::point(p, "P"))
        .figure(Figure::circle(c));
    return on;
}

/// The tangent at P: CP⃗ is its normal vector.
Line tangentThrough(Solution& s, const Point& p, const Point& centre, Math& written) {
    const Point u{p.x - centre.x, p.y - centre.y};
    const Math cp = symbol("CP\u20D7");
    s.environment.bind(cp, u.x.toDouble(), u.y.toDouble());
    s.add(StepKind::TangentNormal)
        .line(Chain(cp)
                  .equals(point(minus(x("P"), x("C")), minus(y("P"), y("C"))))
                  .equals(pointTree(u)))
        .figure(Figure::segment(centre, p));
    std::vector<SignedTerm> product;
    addTerm(product, u.x, shifted(x(), p.x));
    addTerm(product, u.y, shifted(y(), p.y));
    const Line found{u.x, u.y, -u.x * p.x - u.y * p.y};
    written = generalEquation(found);
    s.add(StepKind::TangentEquation)
        .line(Equivalences(equation(sumOrZero(std::move(product)), value(0))).then(written));
    return found;
}

// --- a line and a circle

/// The first point of the frame's label: the one where b·x − a·y is larger.
bool comesFirst(const Line& l, const Point& p, const Point& q) {
    return (l.b * (p.x - q.x) - l.a * (p.y - q.y)).sign() >= 0;
}

} // namespace

/// The typed equation as it was written: in general form, or reduced.
Math writtenCircleEquation(const Conic& q, CircleForm written) {
    if (written == CircleForm::General || !hasCircleShape(q)) return typedCircleEquation(q);
    const GeneralCircle g{q.D / q.A, q.E / q.A, q.F / q.A};
    const Point c{-g.d / 2, -g.e / 2};
    return centredEquation(c, value(squaredRadius(g, c)));
}

Solution solveCircleByEquation(const Conic& q, CircleForm written) {
    Solution s =
        titled(TitleKind::CircleByEquation, {slot("c", writtenCircleEquation(q, written))});
    const Circle c = centreAndRadius(s, normalisedCircle(s, q), written);
    s.steps.back().figure(Figure::circle(c));
    s.answer.add({}, c);
    return s;
}

Solution solveCircleByCentre(const Point& centre, const Number& radius) {
    Solution s =
        titled(TitleKind::CircleByCentre, {pointSlot("C", centre), slot("r", value(radius))});
    if (radius.isZero()) {
        s.add(StepKind::ZeroRadius).figure(Figure::point(centre, "C"));
        s.answer.add({}, Verdict::ZeroRadius);
        s.stopped = true;
        return s;
    }
    const Number r = abs(radius);
    if (radius.sign() < 0)
        s.add(StepKind::NegativeRadius, {slot("r", value(r))})
            .line(Chain(absolute(value(radius))).equals(value(r)));
    const Circle c{centre, r};
    equationOfCircle(s, "C", c);
    s.answer.add({}, c);
    return s;
}

Solution solveTangentCircle(const Point& p, const Line& typed) {
    const Line given = withoutResidue(typed);
    Solution s = titled(TitleKind::TangentCircle, {pointSlot("P", p), lineSlot("t", given)});
    bindPoint(s.environment, "P", p);
    const std::string label = "Resultado3";
    if (stopsOnNoLine(s, "t", given, label)) return s;
    Math equation = s.titleValues.back().value;
    const Line t = simplifyGivenLine(s, "t", given, equation);
    bindLine(s.environment, "t", t);
    s.add(StepKind::TangentCircleRadius).figure(Figure::point(p, "P")).figure(Figure::line(t, "t"));
    const Number r =
        distanceToLine(s, "P", p, "t", "t", t, {symbol("r"), distanceName("P", "t")},
                       {StepKind::TangentCircleRadiusResult, StepKind::CentreOnLine, {}});
    if (r.isZero()) {
        s.answer.add(label, Verdict::CentreOnLine);
        s.stopped = true;
        return s;
    }
    const Circle c{p, r};
    equationOfCircle(s, "P", c);
    s.answer.add(label, c);
    return s;
}

Solution solveTangentAtPoint(const Point& p, const Conic& q) {
    Solution s =
        titled(TitleKind::TangentAtPoint, {pointSlot("P", p), slot("c", typedCircleEquation(q))});
    bindPoint(s.environment, "P", p);
    const std::string label = "Resultado4";
    const GeneralCircle g = normalisedCircle(s, q);
    const Circle c = centreAndRadius(s, g);
    if (!onCircle(s, p, c, squaredRadius(g, c.centre))) {
        s.answer.add(label, Verdict::PointNotOnCircle);
        s.stopped = true;
        return s;
    }
    Math written;
    const Line tangent = tidyLineEquation(s, tangentThrough(s, p, c.centre, written), &written);
    s.add(StepKind::TangentResult, {slot("equation", written)})
        .figure(Figure::line(tangent, "t"))
        .figure(Figure::point(p, "P"));
    s.answer.add(label, tangent);
    return s;
}

Solution solveLineAndCircle(const Line& typed, const Conic& q) {
    const Line given = withoutResidue(typed);
    Solution s =
        titled(TitleKind::LineAndCircle, {lineSlot("r", given), slot("c", typedCircleEquation(q))});
    if (stopsOnNoLine(s, "r", given, "Resultado5")) return s;
    Math equation = s.titleValues.front().value;
    const Line l = simplifyGivenLine(s, "r", given, equation);
    const GeneralCircle g = normalisedCircle(s, q);
    meetingOutcome(s, meetLineAndCircle(s, l, equation, "r", g),
                   {StepKind::LineMissesCircle, StepKind::LineTangentToCircle,
                    StepKind::LineSecantToCircle, Verdict::LineMissesCircle, "Resultado5",
                    "Resultado6",
                    [&l](const Point& p, const Point& q) { return comesFirst(l, p, q); }});
    return s;
}

// --- the frames of the topic, each with the worked solution of its problem

// clang-format off
std::vector<Frame> circles1Frames() {
    using namespace rows;
    return {
        {"circunferencia1-1", Topic::Circunferencia1,
         TRANSLATABLE_NOOP("Frames", "Circunferência de equação..."),
         {circle("Text1", only(0)), point("3", only(1)), number("Raio", only(1))},
         {{"circunferencia1-1a", "Option1",
           TRANSLATABLE_NOOP("Frames", "Circunferência de equação...: centro e raio"),
           [](const FrameData& d) { return solveCircleByEquation(d.conic(0), written(d, 0)); }},
          {"circunferencia1-1b", "Option2",
           TRANSLATABLE_NOOP("Frames", "Circunferência de equação...: equação"),
           [](const FrameData& d) { return solveCircleByCentre(d.point(0), d.number(0)); }}}},
        {"circunferencia1-2", Topic::Circunferencia1,
         TRANSLATABLE_NOOP("Frames", "Circunferência com centro num ponto e tg a uma recta"),
         {line("Text3"), point("1")}, {},
         [](const FrameData& d) { return solveTangentCircle(d.point(0), d.line(0)); }},
        {"circunferencia1-3", Topic::Circunferencia1,
         TRANSLATABLE_NOOP("Frames", "Tangente a uma circunferência num dos seus pontos"),
         {point("2"), circle("Text4")}, {},
         [](const FrameData& d) { return solveTangentAtPoint(d.point(0), d.conic(0)); }},
        {"circunferencia1-4", Topic::Circunferencia1,
         TRANSLATABLE_NOOP("Frames", "Intersecção de uma recta com uma circunferência"),
         {line("Text5"), circle("Text7")}, {},
         [](const FrameData& d) { return solveLineAndCircle(d.line(0), d.conic(0)); }},
    };
}
// clang-format on

} // namespace exact::solutions
