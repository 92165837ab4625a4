#include "pointsolutions.h"

#include "framerows.h"
#include "solutionkit.h"

namespace exact::solutions {

using namespace kit;

namespace {

Solution withTwoPoints(TitleKind title, const Point& a, const Point& b) {
    return titledWithPoints(title, {{"A", a}, {"B", b}});
}

/// Equal points: the solution says so and stops.
bool stopsOnCoincidentPoints(Solution& s, const Point& a, const Point& b) {
    if (!(a == b)) return false;
    s.add(StepKind::CoincidentPoints, {pointSlot("A", a), pointSlot("B", b)})
        .figure(Figure::point(a, "A"));
    s.stopped = true;
    return true;
}

// --- the point

void plotOnAxes(Solution& s, const Point& p) {
    if (p.x.isZero() && p.y.isZero()) {
        s.add(StepKind::PointIsOrigin, {slot("P", symbol("P"))}).figure(Figure::point(p, "P"));
    } else if (p.y.isZero()) {
        s.add(StepKind::PointOnXAxis, {slot("P", symbol("P"))}).figure(Figure::point(p, "P"));
    } else if (p.x.isZero()) {
        s.add(StepKind::PointOnYAxis, {slot("P", symbol("P"))}).figure(Figure::point(p, "P"));
    } else {
        const Point foot{p.x, 0};
        const Point side{0, p.y};
        s.add(StepKind::PointProjections,
              {slot("x", withDecimal(p.x)), slot("y", withDecimal(p.y))})
            .figure(Figure::point(foot))
            .figure(Figure::point(side));
        s.add(StepKind::PointPlotted, {pointSlot("P", p)})
            .figure(Figure::segment(foot, p))
            .figure(Figure::segment(side, p))
            .figure(Figure::point(p, "P"));
    }
}

// --- the distance

Math distanceName() {
    return function("d", {symbol("A"), symbol("B")});
}

Math differenceSquares(const Math& xb, const Math& xa, const Math& yb, const Math& ya) {
    return root(plus(squared(minus(xb, xa)), squared(minus(yb, ya))));
}

void distanceResult(Solution& s, const Number& squaredDistance, const Number& d) {
    Chain result(distanceName());
    if (d.isExact())
        result.endsWith(d);
    else
        result.equals(root(value(squaredDistance))).then(Rel::Approx, decimalValue(d));
    const Math said =
        d.isExact() ? withDecimal(d)
                    : Chain(root(value(squaredDistance))).then(Rel::Approx, decimalValue(d)).math();
    s.add(StepKind::DistanceResult, {slot("d", said)}).line(result);
}

// --- the perpendicular bisector

Math distancesFrom(const Math& xa, const Math& ya) {
    return root(plus(squared(minus(x(), xa)), squared(minus(y(), ya))));
}

/// What the bisector's equations need of a point, computed once: the
/// doubles and the squares of its coordinates.
struct Around {
    explicit Around(const Point& q)
        : p(q)
        , twice{2 * q.x, 2 * q.y}
        , squares{square(q.x), square(q.y)} {}
    Point p, twice, squares;
};

Math squaresAbout(const Point& p) {
    return plus(shiftedSquare(x(), p.x), shiftedSquare(y(), p.y));
}

/// x² − 2x_A·x + x_A² + y² − 2y_A·y + y_A².
Math developedAbout(const Around& a) {
    std::vector<SignedTerm> terms = developedSquare(x(), a.p.x, a.twice.x, a.squares.x);
    for (const SignedTerm& t : developedSquare(y(), a.p.y, a.twice.y, a.squares.y))
        terms.push_back(t);
    return sum(std::move(terms));
}

/// −2x_A·x − 2y_A·y + x_A² + y_A²: one member once x² and y² are gone.
Math remainderAbout(const Around& a) {
    return linearCombination({{-a.twice.x, x()}, {-a.twice.y, y()}}, a.squares.x + a.squares.y);
}

/// The points equidistant from A and B, from what the equations computed.
Line bisectorOf(const Around& a, const Around& b) {
    return {b.twice.x - a.twice.x, b.twice.y - a.twice.y,
            a.squares.x + a.squares.y - b.squares.x - b.squares.y};
}

void bisectorEquations(Solution& s, const Around& a, const Around& b, const Math& found) {
    s.add(StepKind::BisectorDistances)
        .line(equation(distancesFrom(x("A"), y("A")), distancesFrom(x("B"), y("B"))));
    s.add(StepKind::SubstituteCoordinates, {pointSlot("A", a.p), pointSlot("B", b.p)})
        .line(equation(distancesFrom(value(a.p.x), value(a.p.y)),
                       distancesFrom(value(b.p.x), value(b.p.y))));
    s.add(StepKind::SquareBothSides).line(equation(squaresAbout(a.p), squaresAbout(b.p)));
    s.add(StepKind::ExpandSquares).line(equation(developedAbout(a), developedAbout(b)));
    s.add(StepKind::CollectTerms)
        .line(Equivalences(equation(remainderAbout(a), remainderAbout(b))).then(found));
}

} // namespace

Solution solvePoint(const Point& p) {
    Solution s = titledWithPoints(TitleKind::Point, {{"P", p}});
    s.add(StepKind::PointCoordinates,
          {pointSlot("P", p), slot("x", withDecimal(p.x)), slot("y", withDecimal(p.y))})
        .line(Chain(symbol("P")).equals(point(x("P"), y("P"))).endsWithPoint(p.x, p.y));
    plotOnAxes(s, p);
    s.answer.add({}, p);
    return s;
}

Solution solveMidpoint(const Point& a, const Point& b) {
    Solution s = withTwoPoints(TitleKind::Midpoint, a, b);
    const Point m = exact::midpoint(a, b);
    bindPoint(s.environment, "M", m);
    s.answer.add("Resultado1", m);
    if (stopsOnCoincidentPoints(s, a, b)) {
        s.add(StepKind::MidpointOfCoincident, {pointSlot("M", m)});
        return s;
    }
    const auto half = [](const Math& sum) { return fraction(sum, value(2)); };
    s.add(StepKind::MidpointFormula)
        .line(Chain(symbol("M"))
                  .equals(point(half(plus(x("A"), x("B"))), half(plus(y("A"), y("B"))))))
        .figure(Figure::segment(a, b));
    s.add(StepKind::SubstituteCoordinates, {pointSlot("A", a), pointSlot("B", b)})
        .line(Chain(symbol("M"))
                  .equals(point(half(plus(value(a.x), value(b.x))),
                                half(plus(value(a.y), value(b.y))))));
    s.add(StepKind::MidpointCompute)
        .line(Chain(symbol("M"))
                  .equals(point(half(value(a.x + b.x)), half(value(a.y + b.y))))
                  .endsWithPoint(m.x, m.y));
    s.add(StepKind::MidpointResult, {slot("M", pointWithDecimals(m, "M"))})
        .figure(Figure::point(m, "M"));
    return s;
}

Solution solveDistance(const Point& a, const Point& b) {
    Solution s = withTwoPoints(TitleKind::Distance, a, b);
    if (stopsOnCoincidentPoints(s, a, b)) {
        s.add(StepKind::DistanceOfCoincident).line(equation(distanceName(), value(0)));
        s.answer.add("Resultado2", Number(0));
        return s;
    }
    const Number dx = b.x - a.x;
    const Number dy = b.y - a.y;
    const Number squares = square(dx) + square(dy);
    s.add(StepKind::DistanceFormula)
        .line(Chain(distanceName()).equals(differenceSquares(x("B"), x("A"), y("B"), y("A"))))
        .figure(Figure::segment(a, b));
    s.add(StepKind::SubstituteCoordinates, {pointSlot("A", a), pointSlot("B", b)})
        .line(Chain(distanceName())
                  .equals(differenceSquares(value(b.x), value(a.x), value(b.y), value(a.y))));
    s.add(StepKind::DistanceCompute)
        .line(Chain(distanceName())
                  .equals(root(plus(squared(value(dx)), squared(value(dy)))))
                  .equals(root(plus(value(square(dx)), value(square(dy)))))
                  .equals(root(value(squares))));
    const Number d = simplifyRoot(s, squares);
    distanceResult(s, squares, d);
    s.steps.back().figure(Figure::segment(a, b));
    s.answer.add("Resultado2", d);
    return s;
}

Solution solveBisector(const Point& a, const Point& b) {
    Solution s = withTwoPoints(TitleKind::Bisector, a, b);
    s.environment.alias(symbol("P"), x(), y());
    if (stopsOnCoincidentPoints(s, a, b)) {
        s.add(StepKind::BisectorOfCoincident);
        s.answer.add("Resultado3", Verdict::CoincidentPoints);
        return s;
    }
    s.add(StepKind::BisectorDefinition, {slot("P", point(x(), y(), "P"))})
        .line(equation(function("d", {symbol("P"), symbol("A")}),
                       function("d", {symbol("P"), symbol("B")})))
        .figure(Figure::segment(a, b));
    const Around aroundA(a), aroundB(b);
    const Line found = bisectorOf(aroundA, aroundB);
    Math equation = generalEquation(found);
    bisectorEquations(s, aroundA, aroundB, equation);
    const Line line = tidyLineEquation(s, found, &equation);
    s.add(StepKind::BisectorResult, {slot("equation", equation)})
        .figure(Figure::line(line, "mediatriz"))
        .figure(Figure::point(exact::midpoint(a, b), "M"));
    s.answer.add("Resultado3", line);
    return s;
}

// --- the frames of the topic, each with the worked solution of its problem

// clang-format off
std::vector<Frame> pointFrames() {
    using namespace rows;
    return {
        {"pontos-1", Topic::Pontos, TRANSLATABLE_NOOP("Frames", "Representação de um ponto"),
         {point("1")}, {},
         [](const FrameData& d) { return solvePoint(d.point(0)); }},
        {"pontos-2", Topic::Pontos, TRANSLATABLE_NOOP("Frames", "Ponto médio de um segmento"),
         {point("2"), point("3")}, {},
         [](const FrameData& d) { return solveMidpoint(d.point(0), d.point(1)); }},
        {"pontos-3", Topic::Pontos, TRANSLATABLE_NOOP("Frames", "Distância entre dois pontos"),
         {point("4"), point("5")}, {},
         [](const FrameData& d) { return solveDistance(d.point(0), d.point(1)); }},
        {"pontos-4", Topic::Pontos, TRANSLATABLE_NOOP("Frames", "Mediatriz de um segmento"),
         {point("6"), point("7")}, {},
         [](const FrameData& d) { return solveBisector(d.point(0), d.point(1)); }},
    };
}
// clang-format on

} // namespace exact::solutions
