// The worked solutions of "CIRCUNFERÊNCIA - 2": the distance from a point
// to a circle, the circle with a centre tangent to a line, and the circle
// through three points. The circles of a triangle are in trianglesolutions.cpp.

#include "circles2solutions.h"

#include "circlesolutions.h"
#include "framerows.h"
#include "linesolutions.h"
#include "solutionkit.h"
#include "trianglesolutions.h"
#include "verdicts.h"

#include <algorithm>
#include <cmath>

namespace exact::solutions {

using namespace kit;

namespace {

Math distanceName(const char* p, const char* q) {
    return function("d", {symbol(p), symbol(q)});
}

/// The chain, then `written`, then the value it computes: written once when
/// its normal form reads the same (7√2 − 5), with its decimal.
Math endsAt(Chain chain, const Math& written, const Number& v) {
    chain.equals(written);
    if (linearText(written, ".") == linearText(value(v), ".")) return chain.decimalOf(v);
    return chain.endsWith(v);
}

} // namespace

int pointAndCircle(Solution& s, const Point& p, const Circle& c) {
    const Math dPC = distanceName("P", "C");
    const Number dx = p.x - c.centre.x, dy = p.y - c.centre.y;
    const Number squares = square(dx) + square(dy);
    const Number centreDistance = sqrt(squares);
    s.environment.bind(dPC, centreDistance.toDouble());
    s.environment.bind(symbol("r"), c.radius.toDouble());
    s.add(StepKind::PointCentreDistance)
        .line(
            Chain(dPC)
                .equals(root(plus(squared(minus(x("P"), x("C"))), squared(minus(y("P"), y("C"))))))
                .equals(root(plus(squared(minus(value(p.x), value(c.centre.x))),
                                  squared(minus(value(p.y), value(c.centre.y))))))
                .equals(root(value(squares)))
                .endsWith(centreDistance))
        .figure(Figure::segment(p, c.centre));
    const Number r2 = c.radiusSquared();
    // Approximate values as close as their roundings are taken as equal.
    const bool approximate = squares.isApproximate() || r2.isApproximate();
    const double a = squares.toDouble(), b = r2.toDouble();
    const int side = verdict::circleSide(p, c).value_or(
        approximate && std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b))
            ? 0
            : compare(squares, r2));
    const StepKind where = side > 0   ? StepKind::PointExterior
                           : side < 0 ? StepKind::PointInterior
                                      : StepKind::PointOnTheCircle;
    s.add(where).line(Chain(squared(dPC))
                          .equals(value(squares))
                          .then(side > 0   ? Rel::Greater
                                : side < 0 ? Rel::Less
                                           : Rel::Equal,
                                value(r2))
                          .equals(squared(symbol("r"))));
    return side;
}

Solution solvePointCircleDistance(const Point& p, const GivenCircle& given) {
    Solution s = titledWithPoints(TitleKind::PointCircleDistance, {{"P", p}},
                                  {slot("c", typedCircleEquation(given))});
    const Circle c = centreAndRadius(s, given).circle;
    s.steps.back().figure(Figure::circle(c));
    const Math r = symbol("r"), dPC = distanceName("P", "C"), d = symbol("d");
    s.add(StepKind::PointCircleMethod).line(Chain(d).equals(absolute(minus(dPC, r))));
    const Number centreDistance = exact::distance(p, c.centre);
    s.environment.bind(d, abs(centreDistance - c.radius).toDouble());
    const int side = pointAndCircle(s, p, c);
    const std::string label = "Resultado2";
    if (side < 0) {
        stopOn(s, label, Verdict::PointInsideCircle);
        return s;
    }
    const Number toCircle = centreDistance - c.radius;
    s.add(StepKind::PointCircleResult, {slot("d", withDecimal(toCircle))})
        .line(endsAt(Chain(d).equals(minus(dPC, r)), minus(value(centreDistance), value(c.radius)),
                     toCircle))
        .figure(Figure::segment(p, c.centre))
        .figure(Figure::point(p, "P"));
    s.answer.add(label, toCircle);
    return s;
}

Solution solveCircleThroughPoints(const Point& a, const Point& b, const Point& c) {
    const Triangle t{a, b, c};
    Solution s = titledWithPoints(TitleKind::CircleThroughPoints, {{"A", a}, {"B", b}, {"C", c}});
    const Number det = determinant(t);
    if (verdict::collinear(a, b, c).value_or(det.isZero())) {
        s.environment.bind(function("det", {symbol("AB\u20D7"), symbol("AC\u20D7")}), 0);
        stopsWith(s, StepKind::ThreePointsCollinear, {}, "Resultado4",
                  Verdict::NoCircleThroughPoints)
            .figure(Figure::point(a, "A"))
            .figure(Figure::point(b, "B"))
            .figure(Figure::point(c, "C"));
        return s;
    }
    const std::optional<Point> o =
        circumcentreSteps(s, t, StepKind::ThreePointsMethod, {"m", "n"}, false);
    if (!o) {
        stopsWith(s, StepKind::ThreePointsCollinear, {}, "Resultado4",
                  Verdict::NoCircleThroughPoints);
        return s;
    }
    bindPoint(s.environment, "O", *o);
    s.add(StepKind::ThreePointsCentre, {slot("O", pointWithDecimals(*o, "O"))})
        .figure(Figure::point(*o, "O"));
    const Number dx = a.x - o->x, dy = a.y - o->y;
    const Number r2 = square(dx) + square(dy);
    const Number r = sqrt(r2);
    s.environment.bind(symbol("r"), r.toDouble());
    s.add(StepKind::ThreePointsRadius)
        .line(Chain(symbol("r"))
                  .equals(distanceName("O", "A"))
                  .equals(root(plus(squared(minus(value(a.x), value(o->x))),
                                    squared(minus(value(a.y), value(o->y))))))
                  .equals(root(value(r2)))
                  .endsWith(r))
        .figure(Figure::segment(*o, a));
    const Circle circle{*o, r};
    const Math general = generalCircleEquation(generalForm(circle));
    s.add(StepKind::GeneralCircleEquation).line(Equivalences(circleEquation(circle)).then(general));
    s.add(StepKind::ThreePointsResult, {slot("equation", general)})
        .figure(Figure::circle(circle))
        .figure(Figure::point(a, "A"))
        .figure(Figure::point(b, "B"))
        .figure(Figure::point(c, "C"));
    s.answer.add("Resultado4", *o);
    s.answer.add("Resultado5", r);
    s.answer.add("Resultado6", circle);
    return s;
}

// --- the frames of the topic, each with the worked solution of its problem

// clang-format off
std::vector<Frame> circles2Frames() {
    using namespace rows;
    return {
        {"circunferencia2-1", Topic::Circunferencia2,
         TRANSLATABLE_NOOP("Frames", "Circunferência e triângulo"),
         {point("1"), point("2"), point("3")},
         {{"circunferencia2-1a", "Option1",
           TRANSLATABLE_NOOP("Frames", "Circunferência e triângulo: inscrita"),
           [](const FrameData& d) { return solveIncircle(triangle(d)); }},
          {"circunferencia2-1b", "Option2",
           TRANSLATABLE_NOOP("Frames", "Circunferência e triângulo: circunscrita"),
           [](const FrameData& d) { return solveCircumcircle(triangle(d)); }}}},
        {"circunferencia2-2", Topic::Circunferencia2,
         TRANSLATABLE_NOOP("Frames", "Distância de um ponto P a uma circunferência"),
         {circle("Text9"), point("4")}, {},
         [](const FrameData& d) { return solvePointCircleDistance(d.point(0), d.givenCircle(0)); }},
        {"circunferencia2-3", Topic::Circunferencia2,
         TRANSLATABLE_NOOP("Frames", "Circunferência de centro C e tangente a uma recta"),
         {line("Text5"), point("6")}, {},
         [](const FrameData& d) { return solveTangentCircle(d.point(0), d.givenLine(0)); }},
        {"circunferencia2-4", Topic::Circunferencia2,
         TRANSLATABLE_NOOP("Frames", "Circunferência definida por três pontos"),
         {point("9"), point("10"), point("11")}, {},
         [](const FrameData& d) {
             return solveCircleThroughPoints(d.point(0), d.point(1), d.point(2));
         }},
    };
}
// clang-format on

} // namespace exact::solutions
