// Costs of the exact values: a field's text evaluated exactly, a typed line
// or circle read exactly, a worked solution of each frame (Points, Lines 1
// to 4, Circles 1 to 3, Triangle) built, and its plain text written. Figures are medians over
// repeated rounds of this thread's CPU time, each round a batch long enough for the clock. The goal
// is at most 50 µs for each; for the slowest texts known (sums of 32
// radicals), read and decided within the work budget of a press, 50 ms.

#include "budget.h"
#include "circles2solutions.h"
#include "circles3solutions.h"
#include "circlesolutions.h"
#include "cputime.h"
#include "evaluation.h"
#include "linesolutions.h"
#include "pointsolutions.h"
#include "sentences.h"
#include "trianglesolutions.h"
#include "verdicts.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 21;
constexpr double kRoundSeconds = 0.004;
constexpr double kGoalMicroseconds = 50;

volatile std::size_t g_sink = 0; // keeps results alive

/// Microseconds per call of `body`, the median over the rounds.
double microsecondsPerCall(const std::function<void()>& body) {
    return Bench::microsecondsPerCall(body, kRounds, kRoundSeconds);
}

struct Case {
    std::string name;
    std::function<void()> body;
};

exact::Point point(const char* x, const char* y) {
    return {exact::readField(x), exact::readField(y)};
}

std::vector<Case> fieldCases() {
    std::vector<Case> cases;
    for (const char* text : {"2", "-8", "2/3", "0.1", "-2^2", "sqr(8)", "sqr(232)", "(1+sqr(2))/2",
                             "1/(1+sqr(2))", "sqr(3+2sqr(2))", "pi/3"})
        cases.push_back({std::string("field  ") + text,
                         [text] { g_sink = g_sink + exact::readField(text).terms().size(); }});
    for (const char* text : {"y=2x+1", "3x-4y=24", "0.1x+0.2y=0.3"})
        cases.push_back({std::string("line   ") + text, [text] {
                             g_sink = g_sink + exact::readLine(text).line.a.terms().size();
                         }});
    for (const char* text : {"x^2+y^2-4x-6y-3=0", "(x+1)^2+(y-2)^2=25"})
        cases.push_back({std::string("circle ") + text, [text] {
                             g_sink = g_sink + exact::readCircle(text).circle.radius.terms().size();
                         }});
    return cases;
}

std::vector<Case> solutionCases() {
    const exact::Point a = point("2", "-2"), b = point("-8", "4");
    const exact::Point c = point("-8", "-2"), d = point("6", "4");
    const exact::Point e = point("-2", "-4"), f = point("5", "4");
    const exact::Point g = point("1/2+sqr(3)", "0.25"), h = point("-sqr(2)", "2/3");
    using namespace exact::solutions;
    return {
        {"solution point (2, 3)",
         [] {
             g_sink = g_sink + solvePoint({2, 3}).steps.size();
         }},
        {"solution midpoint", [=] { g_sink = g_sink + solveMidpoint(a, b).steps.size(); }},
        {"solution distance", [=] { g_sink = g_sink + solveDistance(c, d).steps.size(); }},
        {"solution bisector", [=] { g_sink = g_sink + solveBisector(e, f).steps.size(); }},
        {"solution bisector, radicals",
         [=] { g_sink = g_sink + solveBisector(g, h).steps.size(); }},
        {"solution distance + plain text",
         [=] { g_sink = g_sink + exact::plainText(solveDistance(c, d), ",").size(); }},
        {"solution bisector + plain text",
         [=] { g_sink = g_sink + exact::plainText(solveBisector(e, f), ",").size(); }},
    };
}

exact::Line line(const char* text) {
    return exact::readLine(text).line;
}

/// Each frame of the two first line pages, on its example and on data with
/// decimals, fractions and roots (read before the clock runs).
std::vector<Case> lineSolutionCases() {
    using namespace exact::solutions;
    const exact::Line typed = line("2x-3y+4=0"), given = line("2x+3y-1=0");
    const exact::Line r1 = line("2x+3y+4=0"), s1 = line("5x-2y+4=0"), s2 = line("2x+3y-4=0");
    const exact::Line decimals = line("0.1x+0.2y=0.3"), same = line("0.3x+0.6y=0.9");
    const exact::Line radicals = line("sqr(2)*x-sqr(3)*y=1/2"),
                      parallel = line("sqr(2)*x-sqr(3)*y=5");
    const exact::Line p3 = line("3x-4y=24"), a1 = line("2x-5y=3"), a2 = line("x+3y=0");
    const exact::Line h = line("y=0"), sixty = line("y=-sqr(3)*x");
    const exact::Point p = point("2", "3"), q = point("1/2+sqr(3)", "0.25");
    const exact::Point a = point("5", "-3"), b = point("-2", "3"), c = point("sqr(2)", "1");
    const exact::Point d = point("0", "sqr(8)"), far = point("-2", "5");
    const auto add = [](std::vector<Case>& cases, std::string name, auto solve) {
        cases.push_back({"solution " + name, [solve] { g_sink = g_sink + solve().steps.size(); }});
    };
    std::vector<Case> cases;
    add(cases, "typed line", [=] { return solveTypedLine(typed); });
    add(cases, "typed line, decimals", [=] { return solveTypedLine(decimals); });
    add(cases, "typed line, radicals", [=] { return solveTypedLine(radicals); });
    add(cases, "line through two points", [=] { return solveLineThroughPoints(a, b); });
    add(cases, "line through two points, radicals", [=] { return solveLineThroughPoints(c, d); });
    add(cases, "parallel", [=] { return solveParallelThrough(p, given); });
    add(cases, "parallel, radicals", [=] { return solveParallelThrough(q, radicals); });
    add(cases, "perpendicular", [=] { return solvePerpendicularThrough(p, given); });
    add(cases, "perpendicular, radicals", [=] { return solvePerpendicularThrough(q, radicals); });
    add(cases, "intersection", [=] { return solveIntersection(r1, s1); });
    add(cases, "intersection, radicals", [=] { return solveIntersection(radicals, decimals); });
    add(cases, "intersection, coincident", [=] { return solveIntersection(decimals, same); });
    add(cases, "parallel distance", [=] { return solveParallelDistance(r1, s2); });
    add(cases, "parallel distance, radicals",
        [=] { return solveParallelDistance(radicals, parallel); });
    add(cases, "point to line", [=] { return solvePointLineDistance(far, p3); });
    add(cases, "point to line, radicals", [=] { return solvePointLineDistance(q, radicals); });
    add(cases, "angle", [=] { return solveAngle(a1, a2); });
    add(cases, "angle, radicals", [=] { return solveAngle(radicals, decimals); });
    add(cases, "angle, notable", [=] { return solveAngle(h, sixty); });
    add(cases, "intersection + plain text",
        [=] { return exact::solutions::solveIntersection(r1, s1); });
    cases.back().body = [=] {
        g_sink = g_sink + exact::plainText(solveIntersection(r1, s1), ",").size();
    };
    return cases;
}

/// Each frame of Lines 3, Lines 4 and Circles 1, on its example and on data
/// with decimals, fractions and roots.
std::vector<Case> lines34Circles1Cases() {
    using namespace exact::solutions;
    const auto circle = [](const char* text) { return exact::readCircle(text).conic; };
    const exact::Conic c1 = circle("x^2+y^2-4x-6y-3=0"), c4 = circle("x^2+y^2-2x-2y-38=0");
    const exact::Conic third = circle("x^2+y^2=1/3"), roots = circle("2x^2+2y^2-sqr(2)*x+y=3");
    const exact::Line t = line("2x-3y+4=0"), r = line("3x-2y+1=0"), tangent = line("y=7");
    const exact::Line radicals = line("sqr(2)*x-sqr(3)*y=1/2");
    const exact::Point p = point("2", "-3"), q = point("1/2+sqr(3)", "0.25"), on = point("3", "-5");
    const auto add = [](std::vector<Case>& cases, std::string name, auto solve) {
        cases.push_back({"solution " + name, [solve] { g_sink = g_sink + solve().steps.size(); }});
    };
    const exact::Point a = point("2", "-2"), b = point("-8", "4"), c = point("-2", "-3");
    const exact::Point d = point("0.1", "0.2"), e = point("0.2", "0.4"), f = point("0.3", "0.6");
    const exact::Line typed = line("2x-3y+7=0"), l1 = line("x+y-1=0"), l2 = line("x-y-1=0");
    const exact::Line b1 = line("2x+3y-1=0"), b2 = line("x-2y+4=0"), given = line("2x-y+3=0");
    std::vector<Case> cases;
    add(cases, "collinearity", [=] { return solveCollinearity(a, b, c); });
    add(cases, "collinearity, decimals", [=] { return solveCollinearity(d, e, f); });
    add(cases, "slope through two points", [=] { return solveSlopeThroughPoints(a, b); });
    add(cases, "slope of a line", [=] { return solveSlopeOfLine(typed); });
    add(cases, "slope, radicals", [=] { return solveSlopeOfLine(radicals); });
    add(cases, "relative position", [=] { return solveRelativePosition(l1, l2); });
    add(cases, "parallel to the x axis", [=] { return solveParallelToXAxis(p); });
    add(cases, "inclination 30º", [=] { return solveLineWithInclination(p, 30); });
    add(cases, "inclination 20º", [=] { return solveLineWithInclination(p, 20); });
    add(cases, "given slope", [=] { return solveLineWithSlope(q, exact::readField("2/3")); });
    add(cases, "at 30º with a line", [=] { return solveLinesAtAngle(p, 30, given); });
    add(cases, "bisectors", [=] { return solveBisectors(b1, b2); });
    add(cases, "bisectors, radicals", [=] { return solveBisectors(radicals, b2); });
    add(cases, "circle by its equation", [=] { return solveCircleByEquation(c1); });
    add(cases, "circle by its equation, 1/3", [=] { return solveCircleByEquation(third); });
    add(cases, "circle by its centre", [=] { return solveCircleByCentre(p, 4); });
    add(cases, "circle by its centre, radicals",
        [=] { return solveCircleByCentre(q, exact::readField("sqr(8)")); });
    add(cases, "circle tangent to a line", [=] { return solveTangentCircle(p, t); });
    add(cases, "circle tangent to a line, radicals",
        [=] { return solveTangentCircle(q, radicals); });
    add(cases, "tangent at a point", [=] { return solveTangentAtPoint(on, c4); });
    add(cases, "line and circle", [=] { return solveLineAndCircle(r, c1); });
    add(cases, "line and circle, tangent", [=] { return solveLineAndCircle(tangent, c1); });
    add(cases, "line and circle, radicals", [=] { return solveLineAndCircle(radicals, roots); });
    return cases;
}

/// What a press adds when its verdict is decided on exact values: its
/// fields read exactly, then the verdict (data with decimals; whole numbers
/// are decided on the form's doubles, which are then exact, and read nothing).
std::vector<Case> verdictCases() {
    return {
        {"verdict  0.1x+0.2y=0.3 and 0.3x+0.6y=0.9",
         [] {
             const exact::Line r = line("0.1x+0.2y=0.3"), s = line("0.3x+0.6y=0.9");
             g_sink = g_sink + *exact::verdict::parallel(r, s) + *exact::verdict::sameLine(r, s);
         }},
        {"verdict  (0.1+0.2 , 1) and (0.3 , 1)",
         [] {
             g_sink = g_sink + *exact::verdict::equal(point("0.1+0.2", "1"), point("0.3", "1"));
         }},
        {"verdict  whole distance (0 , 0), (18.6 , 24.8)",
         [] {
             g_sink = g_sink + *exact::verdict::isWhole(
                                   exact::distance(point("0", "0"), point("18.6", "24.8")));
         }},
        {"verdict  whole distance (0 , 0), 0.3x+0.4y=1.0",
         [] {
             g_sink = g_sink + *exact::verdict::isWhole(
                                   exact::distance(point("0", "0"), line("0.3x+0.4y=1.0")));
         }},
    };
}

/// Each frame of Triangle and Circles 2 on its example, and on data with
/// fractions and roots.
std::vector<Case> triangleSolutionCases() {
    using namespace exact::solutions;
    const Triangle notable{point("2", "-2"), point("-8", "4"), point("5", "8")};
    const Triangle radicals{point("sqr(2)", "1/3"), point("-8", "4"), point("5", "sqr(3)")};
    const Triangle right{point("0", "0"), point("4", "0"), point("0", "3")};
    const Triangle circles{point("-5", "-3"), point("4", "6"), point("8", "-1")};
    const Triangle through{point("5", "1"), point("4", "6"), point("2", "-2")};
    const exact::GivenCircle given{exact::readCircle("(x+1)^2+(y-2)^2=25").conic,
                                   "(x+1)^2+(y-2)^2=25"};
    const exact::Line tangent = line("x-y+4=0");
    const auto add = [](std::vector<Case>& cases, std::string name, auto solve) {
        cases.push_back({"solution " + name, [solve] { g_sink = g_sink + solve().steps.size(); }});
    };
    std::vector<Case> cases;
    add(cases, "circumcentre", [=] { return solveCircumcentre(notable); });
    add(cases, "circumcentre, radicals", [=] { return solveCircumcentre(radicals); });
    add(cases, "incentre", [=] { return solveIncentre(notable); });
    add(cases, "incentre, radicals", [=] { return solveIncentre(radicals); });
    add(cases, "orthocentre", [=] { return solveOrthocentre(notable); });
    add(cases, "orthocentre, radicals", [=] { return solveOrthocentre(radicals); });
    add(cases, "centroid", [=] { return solveCentroid(notable); });
    add(cases, "area", [=] { return solveTriangleArea(notable); });
    add(cases, "area, radicals", [=] { return solveTriangleArea(radicals); });
    add(cases, "right triangle", [=] { return solveRightTriangle(right); });
    add(cases, "right triangle, radicals", [=] { return solveRightTriangle(radicals); });
    add(cases, "incircle", [=] { return solveIncircle(circles); });
    add(cases, "incircle, radicals", [=] { return solveIncircle(radicals); });
    add(cases, "circumcircle", [=] { return solveCircumcircle(circles); });
    add(cases, "circumcircle, radicals", [=] { return solveCircumcircle(radicals); });
    add(cases, "point to circle", [=] { return solvePointCircleDistance(point("6", "9"), given); });
    add(cases, "circle tangent to a line",
        [=] { return solveTangentCircle(point("2", "-2"), tangent); });
    add(cases, "circle through three points",
        [=] { return solveCircleThroughPoints(through.a, through.b, through.c); });
    add(cases, "circle through three points, radicals",
        [=] { return solveCircleThroughPoints(radicals.a, radicals.b, radicals.c); });
    return cases;
}

/// Each frame of Circles 3 on its example, and on data with fractions and roots.
std::vector<Case> circles3Cases() {
    using namespace exact::solutions;
    const auto circle = [](const char* text) { return exact::readCircle(text).conic; };
    const exact::Conic c1 = circle("x^2+y^2-16x-20y+115=0"), c2 = circle("x^2+y^2+8x-10y+5=0");
    const exact::Conic five = circle("x^2+y^2=25"), six = circle("x^2+y^2-12x+11=0");
    const exact::Conic roots = circle("2x^2+2y^2-sqr(2)*x+y=3"), small = circle("x^2+y^2=1/3");
    const exact::Conic tangentCircle = circle("x^2+y^2-2x-1=0");
    const exact::Line t = exact::readLine("3x+2y-18=0").line;
    const auto add = [](std::vector<Case>& cases, std::string name, auto solve) {
        cases.push_back({"solution " + name, [solve] { g_sink = g_sink + solve().steps.size(); }});
    };
    std::vector<Case> cases;
    add(cases, "two circles, tangent", [=] { return solveTwoCircles(c1, c2); });
    add(cases, "two circles, crossing", [=] { return solveTwoCircles(five, six); });
    add(cases, "two circles, radicals", [=] { return solveTwoCircles(roots, small); });
    add(cases, "tangents from a point",
        [=] { return solveTangentsFromPoint(point("-1", "0"), tangentCircle); });
    add(cases, "tangents, one vertical",
        [=] { return solveTangentsFromPoint(point("5", "10"), five); });
    add(cases, "tangents, radicals",
        [=] { return solveTangentsFromPoint(point("sqr(2)", "3/2"), roots); });
    add(cases, "circle touching a line at Q",
        [=] { return solveTouchingCircle(point("-3", "7"), point("2", "6"), t); });
    return cases;
}

/// A sum of n radicals of alternating signs, at the scale of 10^-300.
std::string tinyRoots(int n) {
    static const int primes[] = {2,  3,  5,  7,   11,  13,  17,  19,  23,  29, 31,
                                 37, 41, 43, 47,  53,  59,  61,  67,  71,  73, 79,
                                 83, 89, 97, 101, 103, 107, 109, 113, 127, 131};
    std::string sum = "abs((";
    for (int i = 0; i < n; ++i)
        sum += (i % 2 ? "-" : i ? "+" : "") + std::string("sqr(") + std::to_string(primes[i]) + ")";
    return sum + ")/10^300)";
}

/// The slowest texts known, read as a field, as the coefficient of a line and
/// a circle, and the verdicts and a solution on them; within a press's budget.
std::vector<Case> hostileCases() {
    const std::string five = "(1+sqr(2))*(1+sqr(3))*(1+sqr(5))*(1+sqr(7))*(1+sqr(11))";
    std::vector<std::pair<std::string, std::string>> texts{
        {"16 radicals / 10^300", tinyRoots(16)},
        {"24 radicals / 10^300", tinyRoots(24)},
        {"32 radicals / 10^300", tinyRoots(32)},
        {"32 radicals, 300 digits", "(" + five + ")^60"},
        {"32 radicals, inverse", "1/(" + five + ")^20"}};
    std::vector<Case> cases;
    for (const auto& [name, text] : texts) {
        cases.push_back({"field  " + name, [text] {
                             const exact::WorkBudget budget(exact::WorkBudget::Press);
                             g_sink = g_sink + exact::readField(text).terms().size();
                         }});
        // The readers of equations refuse "^3": 10^300 as 10^150/10^150.
        std::string factor = text;
        if (const std::size_t at = factor.find("10^300"); at != std::string::npos)
            factor.replace(at, 6, "10^150/10^150");
        const std::string line = "y=(" + factor + ")*x+(" + factor + ")";
        cases.push_back({"line   " + name, [line] {
                             const exact::WorkBudget budget(exact::WorkBudget::Press);
                             g_sink = g_sink + exact::readLine(line).line.a.terms().size();
                         }});
        const exact::Number n = exact::readField(text);
        const exact::Point p{n, n + 1}, q{1 - n, n};
        cases.push_back({"solution distance, " + name, [p, q] {
                             const exact::WorkBudget budget(exact::WorkBudget::Solution);
                             g_sink = g_sink + exact::solutions::solveDistance(p, q).steps.size();
                         }});
        cases.push_back(
            {"verdict collinear, " + name, [p, q] {
                 const exact::WorkBudget budget(exact::WorkBudget::Press);
                 g_sink = g_sink + exact::verdict::collinear(p, q, {p.y, q.x}).has_value();
             }});
    }
    const exact::Point a{0, 0}, b = point("sqr(2)", "sqr(999999999989)"),
                                c = point("3*sqr(2)", "3*sqr(999999999989)");
    cases.push_back({"verdict collinear past the limits",
                     [=] { g_sink = g_sink + *exact::verdict::collinear(a, b, c); }});
    return cases;
}

void report(const char* title, const std::vector<Case>& cases, double goal = kGoalMicroseconds) {
    std::printf("%s\n", title);
    std::vector<double> medians;
    for (const Case& c : cases) {
        medians.push_back(microsecondsPerCall(c.body));
        std::printf("  %-38s %8.2f µs%s\n", c.name.c_str(), medians.back(),
                    medians.back() > goal ? "  (above the goal)" : "");
    }
    const double slowest = *std::max_element(medians.begin(), medians.end());
    std::printf("  median of the medians %.2f µs, slowest %.2f µs (goal %.0f µs)\n\n",
                Bench::medianOf(medians), slowest, goal);
}

} // namespace

int main() {
    report("Exact evaluation of typed texts (median per text)", fieldCases());
    report("Worked solutions of the Points form (median per solution)", solutionCases());
    report("Worked solutions of Lines 1 and Lines 2 (median per solution)", lineSolutionCases());
    report("Worked solutions of Lines 3, Lines 4 and Circles 1 (median per solution)",
           lines34Circles1Cases());
    report("Verdicts on exact values: what a press with such data adds (median)", verdictCases());
    report("Worked solutions of Triangle and Circles 2 (median per solution)",
           triangleSolutionCases());
    report("Worked solutions of Circles 3 (median per solution)", circles3Cases());
    report("The slowest texts known, each within the budget of a press or a solution (median)",
           hostileCases(), 50000);
    return 0;
}
