// The worked solutions of "RECTA - 1": a typed line, the line through two
// points, and the lines through a point parallel and perpendicular to a line.

#include "framerows.h"
#include "linesolutions.h"
#include "solutionkit.h"

namespace exact::solutions {

using namespace kit;

namespace {

/// The answer of a frame that finds a line: its equation written, the line drawn.
void lineResult(Solution& s, StepKind kind, const Line& line, const Math& equation,
                const std::string& label) {
    s.add(kind, {slot("equation", equation)}).figure(Figure::line(line, "recta"));
    s.answer.add(label, line);
}

// --- the typed line

/// Two points of a line to draw it by, with the steps that find them.
std::pair<Point, Point> twoPointsOf(Solution& s, const Line& n) {
    if (n.b.isZero()) {
        const Number k = -n.c / n.a;
        const Point a{k, 0}, b{k, 1};
        s.add(StepKind::VerticalLinePoints,
              {slot("k", value(k)), pointSlot("A", a), pointSlot("B", b)});
        return {a, b};
    }
    const Number m = -n.a / n.b;
    const Number k = -n.c / n.b;
    if (m.isZero()) {
        const Point a{0, k}, b{1, k};
        s.add(StepKind::HorizontalLinePoints,
              {slot("k", value(k)), pointSlot("A", a), pointSlot("B", b)});
        return {a, b};
    }
    s.add(StepKind::SlopeAndIntercept, {slot("m", value(m)), slot("b", value(k))});
    if (k.isZero()) {
        const Point a{0, 0}, b{1, m};
        bindPoint(s.environment, "B", b);
        s.add(StepKind::LineThroughOrigin, {pointSlot("A", a), pointSlot("B", b)})
            .line(Chain(y("B")).equals(linearCombination({{m, value(1)}}, 0)).endsWith(m));
        return {a, b};
    }
    const Point a{0, k}, b{-k / m, 0};
    bindPoint(s.environment, "B", b);
    s.add(StepKind::YIntercept, {pointSlot("A", a)});
    s.add(StepKind::XIntercept, {pointSlot("B", b)})
        .line(Chain(equation(value(0), linearCombination({{m, x("B")}}, k)))
                  .then(Rel::Equivalent, equation(x("B"), value(b.x))));
    return {a, b};
}

// --- the lines through a point

Solution throughPoint(TitleKind title, StepKind family, StepKind result, const Point& p,
                      const std::string& pointName, const GivenLine& typed, bool perpendicular,
                      const std::string& label) {
    Solution s = titledWithPoints(title, {{pointName, p}}, {lineSlot("r", typed)});
    const std::optional<WorkingLine> r = openGivenLine(s, "r", typed, label, LineUse::General);
    if (!r) return s;
    const Line& given = r->line;
    const Line shape = perpendicular ? Line{given.b, -given.a, 0} : Line{given.a, given.b, 0};
    const Line found = familyThrough(s, family, shape, p, pointName);
    s.steps.back().figure(Figure::point(p, pointName)).figure(Figure::line(given, "r"));
    Math equation = generalEquation(found);
    const Line line = tidyLineEquation(s, found, &equation, false);
    lineResult(s, result, line, equation, label);
    s.steps.back().figure(Figure::line(given, "r"));
    return s;
}

} // namespace

Solution solveTypedLine(const GivenLine& typed) {
    Solution s = titled(TitleKind::TypedLine, {lineSlot("r", typed)});
    const std::optional<WorkingLine> r = openGivenLine(s, "r", typed, {}, LineUse::Reduced);
    if (!r) return s;
    if (!r->solved) reducedLineEquation(s, r->line);
    const Line& n = r->line;
    const auto [a, b] = twoPointsOf(s, n);
    s.add(StepKind::TypedLineResult, {pointSlot("A", a), pointSlot("B", b)})
        .figure(Figure::point(a, "A"))
        .figure(Figure::point(b, "B"))
        .figure(Figure::line(n, "r"));
    s.answer.add({}, n);
    return s;
}

Solution solveLineThroughPoints(const Point& a, const Point& b) {
    Solution s = titledWithPoints(TitleKind::LineThroughPoints, {{"A", a}, {"B", b}});
    const std::string label = "Resultado1";
    if (a == b) {
        s.add(StepKind::CoincidentPoints, {pointSlot("A", a), pointSlot("B", b)})
            .figure(Figure::point(a, "A"));
        stopsWith(s, StepKind::NoLineThroughOnePoint, {}, label, Verdict::CoincidentPoints);
        return s;
    }
    if (a.x == b.x) {
        const Line vertical = normalised({1, 0, -a.x});
        const Math general = generalEquation(vertical);
        s.add(StepKind::SameAbscissa, {slot("k", value(a.x))})
            .line(Equivalences(*reducedEquation(vertical)).then(general))
            .figure(Figure::segment(a, b));
        lineResult(s, StepKind::LineThroughPointsResult, vertical, general, label);
        return s;
    }
    const Number m = slopeOfSegment(s, a, b);
    Math general;
    const Line line = pointSlopeLine(s, StepKind::PointSlopeEquation, a, m, general);
    lineResult(s, StepKind::LineThroughPointsResult, line, general, label);
    s.steps.back().figure(Figure::point(a, "A")).figure(Figure::point(b, "B"));
    return s;
}

Solution solveParallelThrough(const Point& p, const GivenLine& r) {
    return throughPoint(TitleKind::ParallelThrough, StepKind::ParallelFamily,
                        StepKind::ParallelResult, p, "P", r, false, "Resultado2");
}

Solution solvePerpendicularThrough(const Point& q, const GivenLine& r) {
    return throughPoint(TitleKind::PerpendicularThrough, StepKind::PerpendicularFamily,
                        StepKind::PerpendicularResult, q, "Q", r, true, "Resultado3");
}

// --- the frames of the topic, each with the worked solution of its problem

// clang-format off
std::vector<Frame> lines1Frames() {
    using namespace rows;
    return {
        {"recta1-1", Topic::Recta1, TRANSLATABLE_NOOP("Frames", "Recta de equação..."),
         {line("Text1")}, {},
         [](const FrameData& d) { return solveTypedLine(d.givenLine(0)); }},
        {"recta1-2", Topic::Recta1, TRANSLATABLE_NOOP("Frames", "Recta que passa por dois pontos"),
         {point("1"), point("2")}, {},
         [](const FrameData& d) { return solveLineThroughPoints(d.point(0), d.point(1)); }},
        {"recta1-3", Topic::Recta1,
         TRANSLATABLE_NOOP("Frames", "Recta que passa por um ponto e é paralela a outra"),
         {point("3"), line("Text5")}, {},
         [](const FrameData& d) { return solveParallelThrough(d.point(0), d.givenLine(0)); }},
        {"recta1-4", Topic::Recta1,
         TRANSLATABLE_NOOP("Frames", "Recta que passa por um ponto e é perpendicular a outra"),
         {point("4"), line("Text7")}, {},
         [](const FrameData& d) { return solvePerpendicularThrough(d.point(0), d.givenLine(0)); }},
    };
}
// clang-format on

} // namespace exact::solutions
