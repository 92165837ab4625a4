// The worked solutions of "RECTA - 3": three collinear points, the slope and
// inclination of a line, and the relative position of two lines.

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

// --- three collinear points

Math slopeName(const std::string& through) {
    return symbol("m", through);
}

Math vectorName(const std::string& name) {
    return vector(name);
}

/// The coordinates of AB⃗ and AC⃗ and u₁v₂ − u₂v₁: whether they are collinear.
bool collinearVectors(Solution& s, const Point& a, const Point& b, const Point& c) {
    const Point u{b.x - a.x, b.y - a.y}, v{c.x - a.x, c.y - a.y};
    s.environment.bind(vectorName("AB"), u.x.toDouble(), u.y.toDouble());
    s.environment.bind(vectorName("AC"), v.x.toDouble(), v.y.toDouble());
    const Number cross = u.x * v.y - u.y * v.x;
    s.add(StepKind::CollinearVectors)
        .line(Chain(vectorName("AB")).equals(pointTree(u)))
        .line(Chain(vectorName("AC")).equals(pointTree(v)))
        .line(Chain(minus(valueProduct(u.x, v.y), valueProduct(u.y, v.x))).equals(value(cross)));
    return verdict::collinear(a, b, c).value_or(cross.isZero());
}

/// m_AB and m_AC: whether they are equal.
bool equalSlopes(Solution& s, const Point& a, const Point& b, const Point& c) {
    const Number mb = (b.y - a.y) / (b.x - a.x), mc = (c.y - a.y) / (c.x - a.x);
    const bool equal = verdict::collinear(a, b, c).value_or(mb == mc);
    Step& step = s.add(StepKind::CollinearSlopes);
    step.line(slopeChain(s, "AB", "A", a, "B", b, mb))
        .line(slopeChain(s, "AC", "A", a, "C", c, mc));
    if (equal) step.line(equation(slopeName("AB"), slopeName("AC")));
    return equal;
}

/// Two of the points that coincide, if any.
std::optional<std::pair<std::string, std::string>> coincident(const Point& a, const Point& b,
                                                              const Point& c) {
    if (a == b) return std::pair{"A", "B"};
    if (a == c) return std::pair{"A", "C"};
    if (b == c) return std::pair{"B", "C"};
    return std::nullopt;
}

// --- slope and inclination

/// The notable angle whose tangent is m, in degrees; nothing for another.
std::optional<long> notableInclination(const Number& m) {
    if (!m.isExact()) return std::nullopt;
    const Number m2 = square(m);
    const int sign = m.sign();
    for (const auto& [squared, acute] : {std::pair{Number(0), 0L},
                                         {Number::fraction(1, 3), 30L},
                                         {Number(1), 45L},
                                         {Number(3), 60L}})
        if (m2 == squared) return sign < 0 ? 180 - acute : acute;
    return std::nullopt;
}

/// α from tg α = m: exact for a notable angle, else by the inverse tangent.
void inclinationSteps(Solution& s, const Number& m, const std::string& label) {
    const Math alpha = symbol("α"), tangent = function("tg", {alpha});
    s.environment.bind(tangent, m.toDouble());
    bindAngleUnits(s.environment);
    s.add(StepKind::InclinationTangent).line(Chain(tangent).equals(symbol("m")).endsWith(m));
    const std::optional<long> notable = notableInclination(m);
    const double acute = std::atan(m.toDouble()) * 45 / std::atan(1.0);
    const double amplitude = notable ? double(*notable) : m.sign() < 0 ? 180 + acute : acute;
    s.environment.bind(alpha, amplitude);
    Math said;
    if (notable) {
        said = degrees(value(Number(*notable)));
        s.add(StepKind::InclinationNotable, {slot("m", value(m))}).line(Chain(alpha).equals(said));
    } else {
        said = Chain(alpha).then(Rel::Approx, degreesMinutesSeconds(amplitude));
        const Math inverse = function("tg\u207B\u00B9", {value(m)});
        s.environment.bind(inverse, acute);
        Chain chain(alpha);
        if (m.sign() < 0)
            chain.equals(plus(degrees(value(180)), inverse));
        else
            chain.equals(inverse);
        chain.then(Rel::Approx, degrees(decimalValue(Number::approximate(amplitude))))
            .then(Rel::Approx, degreesMinutesSeconds(amplitude));
        s.add(m.sign() < 0 ? StepKind::InclinationObtuse : StepKind::InclinationInverse)
            .line(chain);
    }
    s.add(StepKind::InclinationResult, {slot("alpha", said)});
    s.answer.add(label, Angle{notable ? Number(*notable) : Number::approximate(amplitude),
                              Angle::Ratio::Tangent, m});
}

/// A vertical line: no slope, an inclination of 90º.
void verticalSlope(Solution& s) {
    s.add(StepKind::NoSlope);
    s.answer.add("Resultado2", Verdict::NoSlope);
    s.answer.add("Resultado3", Angle{90, Angle::Ratio::Cosine, 0});
}

void slopeAnswer(Solution& s, const Number& m) {
    s.answer.add("Resultado2", m);
    inclinationSteps(s, m, "Resultado3");
}

// --- relative position

void positionSteps(Solution& sol, const GivenLines& g, const std::string& label) {
    const Line &r = g.r, &s = g.s;
    const Number cross = r.a * s.b - s.a * r.b;
    const auto check = [&](char p, const Number& pr, const Number& ps, char q, const Number& qr,
                           const Number& qs) {
        const Number d = pr * qs - ps * qr;
        return Chain(minus(product({coefficient(p, "r"), coefficient(q, "s")}),
                           product({coefficient(p, "s"), coefficient(q, "r")})))
            .equals(minus(valueProduct(pr, qs), valueProduct(ps, qr)))
            .equals(value(d));
    };
    sol.add(StepKind::PositionCompare)
        .line(check('a', r.a, s.a, 'b', r.b, s.b))
        .figure(Figure::line(r, "r"))
        .figure(Figure::line(s, "s"));
    if (!verdict::parallel(r, s).value_or(cross.isZero())) {
        sol.add(StepKind::PositionConcurrent);
        intersectionSteps(sol, g, label);
        return;
    }
    const bool same = verdict::sameLine(r, s).value_or(sameLine(r, s));
    sol.add(same ? StepKind::PositionCoincident : StepKind::PositionParallel)
        .line(check('a', r.a, s.a, 'c', r.c, s.c))
        .line(check('b', r.b, s.b, 'c', r.c, s.c));
    sol.answer.add(label, same ? Verdict::CoincidentLines : Verdict::ParallelLines);
}

} // namespace

Solution solveCollinearity(const Point& a, const Point& b, const Point& c) {
    Solution s = titledWithPoints(TitleKind::Collinearity, {{"A", a}, {"B", b}, {"C", c}});
    const std::string label = "Resultado1";
    if (const auto twice = coincident(a, b, c)) {
        s.add(StepKind::CollinearCoincident,
              {slot("P", symbol(twice->first)), slot("Q", symbol(twice->second))});
        s.answer.add(label, Verdict::Collinear);
        return s;
    }
    const bool aligned =
        a.x == b.x || a.x == c.x ? collinearVectors(s, a, b, c) : equalSlopes(s, a, b, c);
    s.add(aligned ? StepKind::PointsCollinear : StepKind::PointsNotCollinear)
        .figure(Figure::line(lineThrough(a, b), "AB"))
        .figure(Figure::point(c, "C"));
    s.answer.add(label, aligned ? Verdict::Collinear : Verdict::NotCollinear);
    return s;
}

Solution solveSlopeThroughPoints(const Point& a, const Point& b) {
    Solution s = titledWithPoints(TitleKind::SlopeThroughPoints, {{"A", a}, {"B", b}});
    if (a == b) {
        s.add(StepKind::CoincidentPoints, {pointSlot("A", a), pointSlot("B", b)})
            .figure(Figure::point(a, "A"));
        stopsWith(s, StepKind::NoLineThroughOnePoint, {}, "Resultado2", Verdict::CoincidentPoints);
        return s;
    }
    if (a.x == b.x) {
        s.add(StepKind::SameAbscissa, {slot("k", value(a.x))}).figure(Figure::segment(a, b));
        verticalSlope(s);
        return s;
    }
    const Number m = slopeOfSegment(s, a, b);
    slopeAnswer(s, m);
    return s;
}

Solution solveSlopeOfLine(const GivenLine& typed) {
    Solution s = titled(TitleKind::SlopeOfLine, {lineSlot("r", typed)});
    const std::optional<WorkingLine> given =
        openGivenLine(s, "r", typed, "Resultado2", LineUse::Reduced);
    if (!given) return s;
    const Line& r = given->line;
    if (!given->solved) reducedLineEquation(s, r);
    if (!s.steps.empty()) s.steps.back().figure(Figure::line(r, "r"));
    if (r.b.isZero()) {
        verticalSlope(s);
        return s;
    }
    const Number m = -r.a / r.b;
    s.environment.bind(symbol("m"), m.toDouble());
    s.add(StepKind::SlopeOfReduced, {slot("m", equation(symbol("m"), value(m)))})
        .figure(Figure::line(r, "r"));
    slopeAnswer(s, m);
    return s;
}

Solution solveRelativePosition(const GivenLine& typed1, const GivenLine& typed2) {
    return twoLineFrame(TitleKind::RelativePosition, "Resultado4", typed1, typed2, LineUse::General,
                        positionSteps);
}

// --- the frames of the topic, each with the worked solution of its problem

// clang-format off
std::vector<Frame> lines3Frames() {
    using namespace rows;
    return {
        {"recta3-1", Topic::Recta3,
         TRANSLATABLE_NOOP("Frames", "Ver se três pontos são colineares"),
         {point("1"), point("2"), point("3")}, {},
         [](const FrameData& d) {
             return solveCollinearity(d.point(0), d.point(1), d.point(2));
         }},
        {"recta3-2", Topic::Recta3,
         TRANSLATABLE_NOOP("Frames", "Coeficiente angular e inclinação de uma recta"),
         {point("4", only(0)), point("5", only(0)), line("Text9", only(1))},
         {{"recta3-2a", "Option1",
           TRANSLATABLE_NOOP("Frames", "Coeficiente angular e inclinação de uma recta: dois pontos"),
           [](const FrameData& d) { return solveSlopeThroughPoints(d.point(0), d.point(1)); }},
          {"recta3-2b", "Option2",
           TRANSLATABLE_NOOP("Frames", "Coeficiente angular e inclinação de uma recta: equação"),
           [](const FrameData& d) { return solveSlopeOfLine(d.givenLine(0)); }}}},
        {"recta3-3", Topic::Recta3, TRANSLATABLE_NOOP("Frames", "Posição relativa de duas rectas"),
         {line("Text5"), line("Text6")}, {},
         [](const FrameData& d) { return solveRelativePosition(d.givenLine(0), d.givenLine(1)); }},
    };
}
// clang-format on

} // namespace exact::solutions
