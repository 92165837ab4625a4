// The worked solutions of "RECTA - 4": the line through a point parallel to
// an axis, with a given inclination or slope, or at a given angle with a
// line; the bisectors of two lines.

#include "framerows.h"
#include "linesolutions.h"
#include "solutionkit.h"
#include "twolines.h"
#include "verdicts.h"

#include <cmath>
#include <optional>

namespace exact::solutions {

using namespace kit;

namespace {

/// tg of a notable angle, of any sign (0º, ±30º, ±45º, ±60º, 120º, 135º,
/// 150º, 180º…), exact; nothing for another angle or for 90º and its
/// co-terminal angles, which have no tangent.
std::optional<Number> notableTangent(const Number& degrees) {
    if (!degrees.isInteger()) return std::nullopt;
    mpz_class turn = degrees.rational().get_num() % 180; // tg has period 180º
    if (turn < 0) turn += 180;
    static const Number root3 = sqrt(Number(3)), third = root3 / 3;
    static const std::pair<long, Number> table[] = {
        {0, 0}, {30, third}, {45, 1}, {60, root3}, {120, -root3}, {135, -1}, {150, -third}};
    for (const auto& [angle, tangent] : table)
        if (turn == angle) return tangent;
    return std::nullopt;
}

/// tg of an angle in degrees: exact where it is notable, approximate otherwise.
Number tangentOf(const Number& degrees) {
    if (const std::optional<Number> t = notableTangent(degrees)) return *t;
    return Number::approximate(std::tan(degrees.toDouble() * std::atan(1.0) / 45));
}

/// The answer: y = k or x = k.
Solution axisParallel(const Point& p, bool horizontal) {
    Solution s = titledWithPoints(
        horizontal ? TitleKind::LineParallelToXAxis : TitleKind::LineParallelToYAxis, {{"P", p}});
    const Line l = horizontal ? Line{0, 1, -p.y} : Line{1, 0, -p.x};
    s.add(horizontal ? StepKind::ParallelToXAxis : StepKind::ParallelToYAxis, {pointSlot("P", p)})
        .line(horizontal ? Chain(y()).equals(y("P")).equals(value(p.y)).math()
                         : Chain(x()).equals(x("P")).equals(value(p.x)).math())
        .figure(Figure::line(l, "r"))
        .figure(Figure::point(p, "P"));
    s.answer.add("Resultado1", l);
    return s;
}

/// The line of slope m through P, its general equation, the answer.
void throughPointWithSlope(Solution& s, const Point& p, const Number& m) {
    Math general;
    const Line l = pointSlopeLine(s, StepKind::SlopeThroughPoint, p, m, general);
    s.add(StepKind::LineFoundResult, {slot("equation", general)})
        .figure(Figure::line(l, "r"))
        .figure(Figure::point(p, "P"));
    s.answer.add("Resultado1", l);
}

// --- at an angle with a line

/// The two normal vectors of the lines at β with a line of normal (a , b).
std::pair<Line, Line> normalsAt(Solution& s, const Line& r, const Number& beta) {
    if (beta.isInteger() && mpz_class(beta.rational().get_num() - 90) % 180 == 0) { // ±90º
        s.add(StepKind::AngleLinePerpendicular);
        return {{r.b, -r.a, 0}, {-r.b, r.a, 0}};
    }
    const Number t = tangentOf(beta);
    const Math tangent = function("tg", {symbol("β")});
    const Math ofValue = function("tg", {degrees(value(beta))});
    s.environment.bind(tangent, t.toDouble());
    s.environment.bind(ofValue, t.toDouble());
    bindAngleUnits(s.environment);
    Chain chain(tangent);
    chain.equals(ofValue);
    s.add(StepKind::AngleLineTangent).line(chain.endsWith(t));
    const Line first{r.a + r.b * t, r.b - r.a * t, 0}, second{r.a - r.b * t, r.b + r.a * t, 0};
    s.add(StepKind::AngleLineNormals)
        .line(Chain(point(plus(coefficient('a'), product({coefficient('b'), tangent})),
                          minus(coefficient('b'), product({coefficient('a'), tangent}))))
                  .equals(pointTree({first.a, first.b})))
        .line(Chain(point(minus(coefficient('a'), product({coefficient('b'), tangent})),
                          plus(coefficient('b'), product({coefficient('a'), tangent}))))
                  .equals(pointTree({second.a, second.b})));
    return {first, second};
}

/// One of the lines through P of a normal vector, its equation tidied.
Line lineOfNormal(Solution& s, StepKind kind, const Line& normal, const Point& p, Math& written) {
    const Line found =
        familyThrough(s, kind, normal, p, "P", kind == StepKind::AngleLineFirst ? "1" : "2");
    written = generalEquation(found);
    return normaliseLineEquation(s, found, &written, false);
}

// --- the bisectors

/// |a x + b y + c| / k for a given line: one side of d(P, r) = d(P, s).
Math distanceTo(const Line& l, const Number& norm) {
    const Math numerator = absolute(linearCombination({{l.a, x()}, {l.b, y()}}, l.c));
    return norm == 1 ? numerator : fraction(numerator, value(norm));
}

/// |a_r x + b_r y + c_r|/k_r = |a_s x + b_s y + c_s|/k_s ⇔ k_s|…| = k_r|…|;
/// with equal roots ⇔ |…| = |…| ⇔ (…)² = (…)² (an equivalence, which holds
/// on both bisectors).
Math equalDistances(const Line& r, const Number& kr, const Line& s, const Number& ks) {
    if (kr == ks) // the same denominator: the numerators are equal
        return Equivalences(equation(distanceTo(r, kr), distanceTo(s, ks)))
            .then(equation(absolute(linearCombination({{r.a, x()}, {r.b, y()}}, r.c)),
                           absolute(linearCombination({{s.a, x()}, {s.b, y()}}, s.c))))
            .then(equation(squared(linearCombination({{r.a, x()}, {r.b, y()}}, r.c)),
                           squared(linearCombination({{s.a, x()}, {s.b, y()}}, s.c))));
    const auto side = [](const Number& k, const Line& l) {
        return times(k, absolute(linearCombination({{l.a, x()}, {l.b, y()}}, l.c)));
    };
    Equivalences chain(equation(distanceTo(r, kr), distanceTo(s, ks)));
    chain.then(equation(side(ks, r), side(kr, s)));
    return chain;
}

/// k_s(a_r x + b_r y + c_r) = ± k_r(a_s x + b_s y + c_s), collected into a line.
Math bisectorEquation(const Line& r, const Number& kr, const Line& s, const Number& ks,
                      bool plusSign, const Line& found) {
    const bool same = kr == ks; // no factor on either side
    const auto side = [same](const Number& k, const Line& l) {
        const Math m = linearCombination({{l.a, x()}, {l.b, y()}}, l.c);
        return same || k == 1 ? m : times(k, parens(m));
    };
    const Math left = side(ks, r), right = side(kr, s);
    return Equivalences(equation(left, plusSign ? right : negative(right)))
        .then(generalEquation(found));
}

void bisectorSteps(Solution& sol, const GivenLines& g, const std::string& label) {
    const Line &r = g.r, &s = g.s;
    if (verdict::parallel(r, s).value_or(r.a * s.b == s.a * r.b)) {
        stopsWith(sol, StepKind::BisectorsOfParallels, {}, label, Verdict::ParallelLines)
            .line(Chain(minus(valueProduct(r.a, s.b), valueProduct(s.a, r.b))).equals(value(0)));
        return;
    }
    const Number kr = sqrt(square(r.a) + square(r.b)), ks = sqrt(square(s.a) + square(s.b));
    sol.add(StepKind::BisectorsDefinition)
        .line(equalDistances(r, kr, s, ks))
        .figure(Figure::line(r, "r"))
        .figure(Figure::line(s, "s"));
    // With equal norms the factors are left out: each side once.
    const Number fr = kr == ks ? Number(1) : kr, fs = kr == ks ? Number(1) : ks;
    const Line first{fs * r.a - fr * s.a, fs * r.b - fr * s.b, fs * r.c - fr * s.c};
    const Line second{fs * r.a + fr * s.a, fs * r.b + fr * s.b, fs * r.c + fr * s.c};
    sol.add(StepKind::BisectorsTwoEquations)
        .line(bisectorEquation(r, kr, s, ks, true, first))
        .line(bisectorEquation(r, kr, s, ks, false, second));
    for (const bool isFirst : {true, false}) {
        Math written = generalEquation(isFirst ? first : second);
        const Line n = normaliseLineEquation(sol, isFirst ? first : second, &written);
        sol.add(isFirst ? StepKind::BisectorsFirst : StepKind::BisectorsSecond,
                {slot("equation", written)})
            .figure(Figure::line(n, "b"));
    }
    // The form takes the lines with the signs typed: when one of them was
    // turned round to its normal form, its first bisector is our second.
    const bool swapped =
        (normalisingFactor(g.readR).sign() > 0) != (normalisingFactor(g.readS).sign() > 0);
    sol.answer.add(label, normalised(swapped ? second : first));
    sol.answer.add("Resultado6", normalised(swapped ? first : second));
}

} // namespace

Solution solveParallelToXAxis(const Point& p) {
    return axisParallel(p, true);
}

Solution solveParallelToYAxis(const Point& p) {
    return axisParallel(p, false);
}

Solution solveLineWithInclination(const Point& p, const Number& alpha) {
    Solution s = titledWithPoints(TitleKind::LineWithInclination, {{"P", p}},
                                  {slot("alpha", degrees(value(alpha)))});
    if (alpha.sign() < 0 || alpha > 180) {
        stopsWith(s, StepKind::InclinationOutOfRange, {slot("alpha", degrees(value(alpha)))},
                  "Resultado1", Verdict::BadInclination);
        return s;
    }
    if (alpha == 90) {
        const Line l{1, 0, -p.x};
        s.add(StepKind::InclinationVertical)
            .line(Chain(x()).equals(x("P")).equals(value(p.x)))
            .figure(Figure::line(l, "r"));
        s.answer.add("Resultado1", l);
        return s;
    }
    const Number m = tangentOf(alpha);
    const Math tangent = function("tg", {degrees(value(alpha))});
    s.environment.bind(symbol("m"), m.toDouble());
    s.environment.bind(tangent, m.toDouble());
    s.add(StepKind::SlopeFromInclination).line(Chain(symbol("m")).equals(tangent).endsWith(m));
    throughPointWithSlope(s, p, m);
    return s;
}

Solution solveLineWithSlope(const Point& p, const Number& m) {
    Solution s = titledWithPoints(TitleKind::LineWithSlope, {{"P", p}}, {slot("m", value(m))});
    throughPointWithSlope(s, p, m);
    return s;
}

Solution solveLinesAtAngle(const Point& p, const Number& beta, const GivenLine& typed) {
    Solution s = titledWithPoints(TitleKind::LinesAtAngle, {{"P", p}},
                                  {slot("beta", degrees(value(beta))), lineSlot("r", typed)});
    const std::optional<WorkingLine> given =
        openGivenLine(s, "r", typed, "Resultado1", LineUse::General);
    if (!given) return s;
    const Line& r = given->line;
    bindLine(s.environment, {}, r);
    const auto [first, second] = normalsAt(s, r, beta);
    Math e1, e2;
    const Line l1 = lineOfNormal(s, StepKind::AngleLineFirst, first, p, e1);
    const Line l2 = lineOfNormal(s, StepKind::AngleLineSecond, second, p, e2);
    s.add(StepKind::AngleLineResult, {slot("first", e1), slot("second", e2)})
        .figure(Figure::line(l1, "r1"))
        .figure(Figure::line(l2, "r2"))
        .figure(Figure::line(r, "r"));
    s.answer.add("Resultado1", l1);
    s.answer.add("Resultado2", l2);
    return s;
}

Solution solveBisectors(const GivenLine& typed1, const GivenLine& typed2) {
    return twoLineFrame(TitleKind::Bisectors, "Resultado5", typed1, typed2, LineUse::General,
                        bisectorSteps);
}

// --- the frames of the topic, each with the worked solution of its problem

// clang-format off
std::vector<Frame> lines4Frames() {
    using namespace rows;
    return {
        {"recta4-1", Topic::Recta4, TRANSLATABLE_NOOP("Frames", "Recta que passa num ponto e ..."),
         {point("1"), number("Text2", only(2)), number("Text6", only(3)),
          angle("Text4", only(4)), line("Text5", only(4))},
         {{"recta4-1a", "Option1",
           TRANSLATABLE_NOOP("Frames", "Recta que passa num ponto e é paralela ao eixo das abcissas"),
           [](const FrameData& d) { return solveParallelToXAxis(d.point(0)); }},
          {"recta4-1b", "Option2",
           TRANSLATABLE_NOOP("Frames", "Recta que passa num ponto e é paralela ao eixo das ordenadas"),
           [](const FrameData& d) { return solveParallelToYAxis(d.point(0)); }},
          {"recta4-1c", "Option3",
           TRANSLATABLE_NOOP("Frames", "Recta que passa num ponto e tem uma inclinação dada"),
           [](const FrameData& d) { return solveLineWithInclination(d.point(0), d.number(0)); }},
          {"recta4-1d", "Option4",
           TRANSLATABLE_NOOP("Frames", "Recta que passa num ponto e tem um declive dado"),
           [](const FrameData& d) { return solveLineWithSlope(d.point(0), d.number(0)); }},
          {"recta4-1e", "Option6",
           TRANSLATABLE_NOOP("Frames", "Recta que passa num ponto e faz um ângulo dado com outra"),
           [](const FrameData& d) {
               return solveLinesAtAngle(d.point(0), d.angle(0), d.givenLine(0));
           }}}},
        {"recta4-2", Topic::Recta4,
         TRANSLATABLE_NOOP("Frames", "Bissectrizes de duas rectas concorrentes"),
         {line("Text9"), line("Text10")}, {},
         [](const FrameData& d) { return solveBisectors(d.givenLine(0), d.givenLine(1)); }},
    };
}
// clang-format on

} // namespace exact::solutions
