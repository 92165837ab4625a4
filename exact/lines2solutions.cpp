// The worked solutions of "RECTA - 2": the intersection of two lines, the
// distance between parallel lines, the distance from a point to a line and
// the angle of two lines.

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

/// The beginning of a two-line frame's solution: the title, a stop when
/// either equation is no line, otherwise both lines as `use` asks for them
/// (each with its step when it is not so written). Returns false when the
/// solution stopped.
bool twoGivenLines(Solution& sol, TitleKind kind, const GivenLine& typed1, const GivenLine& typed2,
                   const std::string& label, LineUse use, GivenLines& lines) {
    sol = titled(kind, {lineSlot("r", typed1), lineSlot("s", typed2)});
    const std::optional<WorkingLine> r = openGivenLine(sol, "r", typed1, label, use);
    if (!r) return false;
    const std::optional<WorkingLine> s = openGivenLine(sol, "s", typed2, label, use);
    if (!s) return false;
    lines.r = r->line;
    lines.s = s->line;
    lines.readR = r->read;
    lines.readS = s->read;
    lines.er = r->equation;
    lines.es = s->equation;
    bindLine(sol.environment, "r", lines.r);
    bindLine(sol.environment, "s", lines.s);
    return true;
}

// --- the intersection: the system solved by substitution

/// Which unknown of which equation to isolate: one that an equation gives
/// at once, then one whose coefficient is 1 or −1, then y of r, x of r…
std::pair<Oriented, Oriented> isolationOf(const GivenLines& g) {
    const Oriented eqs[] = {{g.rName, &g.r, &g.er, true}, {g.sName, &g.s, &g.es, true}};
    const auto pick = [&](auto&& good) -> std::optional<std::pair<Oriented, Oriented>> {
        for (int e = 0; e < 2; ++e)
            for (const bool isY : {true, false}) {
                Oriented o = eqs[e], other = eqs[1 - e];
                o.vIsY = other.vIsY = isY;
                if (!o.q().isZero() && good(o)) return std::pair{o, other};
            }
        return std::nullopt;
    };
    if (auto c = pick([](const Oriented& o) { return isSolvedFor(o); })) return *c;
    if (auto c = pick([](const Oriented& o) { return o.p().isZero(); })) return *c;
    if (auto c = pick([](const Oriented& o) { return abs(o.q()) == 1; })) return *c;
    return *pick([](const Oriented&) { return true; });
}

/// The other equation with v replaced: the steps, and the value of w, or
/// nothing when the lines are parallel (`parallel`, decided as the form
/// decides it) and the equation left is impossible or holds for every w.
std::optional<Number> substitute(Solution& sol, const Oriented& f, const Isolated& i,
                                 const Math& replaced, bool parallel) {
    const Math w = f.w(), v = f.v();
    if (f.q().isZero() && !parallel && !f.p().isZero() &&
        isSolvedFor({f.name, f.line, f.equation, !f.vIsY}))
        return -f.c() / f.p(); // w = value as given: nothing to solve
    const Number &P = f.p(), &Q = f.q(), &C = f.c();
    const Number wCoefficient = P + Q * i.m, constant = Q * i.k + C;
    // In the order of the equation: the x term, then the y term, then c.
    std::vector<SignedTerm> put, expanded;
    // (x + 1) in parentheses, a single term as it is: 2x + 1 − 5, 2x + (−3) − 5.
    const bool isSum = replaced.kind() == Math::Kind::Sum;
    const Math inner = !isSum                             ? replaced
                       : replaced.children().size() > 1   ? parens(replaced)
                       : replaced.signAt(0) == Sign::Plus ? replaced.children().front()
                                                          : replaced;
    const auto putReplaced = [&] {
        if (!Q.isZero())
            put.push_back({Q.sign() < 0 ? Sign::Minus : Sign::Plus,
                           abs(Q) == 1 ? inner : product({value(abs(Q)), inner})});
        addTerm(expanded, Q * i.m, w);
        addConstant(expanded, Q * i.k);
    };
    if (!f.vIsY) putReplaced();
    addTerm(put, P, w);
    addTerm(expanded, P, w);
    if (f.vIsY) putReplaced();
    addConstant(put, C);
    addConstant(expanded, C);
    Equivalences chain(equation(sumOrZero(put), value(0)));
    const bool bothSolved = isSolvedFor(f);
    if (bothSolved) {
        // Solved for v too: its two expressions of v are equal (x + 1 = 2x − 3
        // ⇔ x − 2x = −3 − 1), the terms in w to the first member.
        const Number mf = -P / Q, kf = -C / Q;
        std::vector<SignedTerm> ws, ks;
        addTerm(ws, i.m, w);
        addTerm(ws, -mf, w);
        addConstant(ks, kf);
        addConstant(ks, -i.k);
        chain = Equivalences(equation(replaced, f.replacement()));
        chain.then(equation(sumOrZero(std::move(ws)), sumOrZero(std::move(ks))));
    } else {
        chain.then(equation(sumOrZero(expanded), value(0)));
    }
    if (Q.isZero())
        sol.add(StepKind::SolveOtherEquation,
                {slot("line", symbol(f.name)), slot("v", v), slot("w", w)});
    else
        sol.add(StepKind::SubstituteUnknown, {slot("v", v), slot("expression", replaced),
                                              slot("line", symbol(f.name)), slot("w", w)});
    if (parallel) {
        chain.then(equation(product({value(0), w}), value(bothSolved ? -C / Q - i.k : -constant)));
        sol.steps.back().line(chain);
        return std::nullopt;
    }
    const Number solution = -constant / wCoefficient;
    if (bothSolved) { // (m − m′)w = k′ − k
        const Number a = i.m + P / Q, b = -C / Q - i.k;
        chain.then(equation(times(a, w), value(b)));
    } else {
        chain.then(equation(linearCombination({{wCoefficient, w}}, constant), value(0)))
            .then(equation(times(wCoefficient, w), value(-constant)));
    }
    chain.then(equation(w, value(solution)));
    sol.steps.back().line(chain);
    return solution;
}

void meetingPoint(Solution& sol, const Point& meeting, const std::string& label) {
    bindPoint(sol.environment, "I", meeting);
    sol.environment.bind(x(), meeting.x.toDouble());
    sol.environment.bind(y(), meeting.y.toDouble());
    sol.add(StepKind::IntersectionResult, {slot("I", pointWithDecimals(meeting, "I"))})
        .figure(Figure::point(meeting, "I"));
    sol.answer.add(label, meeting);
}

// --- distances from a point to a line

// --- the angle

Math vectorName(const char* name) {
    return vector(name);
}

/// (u₁ , u₂): the components of a named vector as names.
Math component(const char* name, int i) {
    return symbol(name, std::to_string(i));
}

Point directionOf(const Line& l) {
    return {-l.b, l.a};
}

void bindVector(Environment& env, const char* name, const Point& u) {
    env.bind(vectorName(name), u.x.toDouble(), u.y.toDouble());
    env.bind(component(name, 1), u.x.toDouble());
    env.bind(component(name, 2), u.y.toDouble());
}

/// |u₁v₁ + u₂v₂| / (√(u₁² + u₂²) √(v₁² + v₂²)).
Math cosineFormula() {
    const auto c = [](const char* v, int i) { return component(v, i); };
    const auto norm = [&](const char* v) { return root(plus(squared(c(v, 1)), squared(c(v, 2)))); };
    return fraction(
        absolute(plus(product({c("u", 1), c("v", 1)}), product({c("u", 2), c("v", 2)}))),
        product({norm("u"), norm("v")}));
}

/// The notable angle whose cosine is c, in degrees; nothing for another.
std::optional<long> notableAngle(const Number& cosine) {
    if (!cosine.isExact()) return std::nullopt;
    const Number c2 = square(cosine);
    for (const auto& [squaredCosine, angle] : {std::pair{Number(0), 90L},
                                               {Number::fraction(1, 4), 60L},
                                               {Number::fraction(1, 2), 45L},
                                               {Number::fraction(3, 4), 30L},
                                               {Number(1), 0L}})
        if (c2 == squaredCosine) return angle;
    return std::nullopt;
}

// --- the frames' own steps

void parallelDistanceSteps(Solution& sol, const GivenLines& g, const std::string& label) {
    const Line &r = g.r, &s = g.s;
    const Number cross = r.a * s.b - s.a * r.b;
    Chain check(minus(product({coefficient('a', "r"), coefficient('b', "s")}),
                      product({coefficient('a', "s"), coefficient('b', "r")})));
    check.equals(minus(valueProduct(r.a, s.b), valueProduct(s.a, r.b))).equals(value(cross));
    if (!verdict::parallel(r, s).value_or(cross.isZero())) {
        check.then(Rel::NotEqual, value(0));
        stopsWith(sol, StepKind::LinesNotParallel, {}, label, Verdict::NotParallel).line(check);
        return;
    }
    sol.add(StepKind::LinesParallel).line(check);
    sol.add(StepKind::ParallelDistanceMethod)
        .figure(Figure::line(r, "r"))
        .figure(Figure::line(s, "s"));
    const bool vertical = r.b.isZero();
    const Point p = vertical ? Point{-r.c / r.a, 0} : Point{0, -r.c / r.b};
    bindPoint(sol.environment, "P", p);
    const Math unknown = vertical ? x("P") : y("P");
    sol.add(StepKind::PointOfLine,
            {pointSlot("P", p), slot("v", equation(vertical ? y() : x(), value(0)))})
        .line(Equivalences(
                  equation(linearCombination({{vertical ? r.a : r.b, unknown}}, r.c), value(0)))
                  .then(equation(unknown, value(vertical ? p.x : p.y))))
        .figure(Figure::point(p, "P"));
    distanceToLine(sol, "P", p, "s", "s", s, {distanceName("r", "s"), distanceName("P", "s")},
                   {StepKind::ParallelDistanceResult, StepKind::ParallelLinesCoincide, label});
}

void angleSteps(Solution& sol, const GivenLines& g, const std::string& label) {
    const Line &r = g.r, &s = g.s;
    const Point u = directionOf(r), v = directionOf(s);
    bindVector(sol.environment, "u", u);
    bindVector(sol.environment, "v", v);
    bindAngleUnits(sol.environment);
    sol.add(StepKind::DirectionVectors)
        .line(Chain(vectorName("u"))
                  .equals(point(negative(coefficient('b', "r")), coefficient('a', "r")))
                  .equals(pointTree(u)))
        .line(Chain(vectorName("v"))
                  .equals(point(negative(coefficient('b', "s")), coefficient('a', "s")))
                  .equals(pointTree(v)))
        .figure(Figure::line(r, "r"))
        .figure(Figure::line(s, "s"));
    const Number cross = u.x * v.y - u.y * v.x;
    if (verdict::parallel(r, s).value_or(cross.isZero())) {
        stopsWith(sol, StepKind::AngleOfParallels, {}, label, Verdict::ParallelLines)
            .line(Chain(minus(product({component("u", 1), component("v", 2)}),
                              product({component("u", 2), component("v", 1)})))
                      .equals(minus(valueProduct(u.x, v.y), valueProduct(u.y, v.x)))
                      .equals(value(0)));
        return;
    }
    const Number dot = u.x * v.x + u.y * v.y;
    const bool perpendicular = verdict::perpendicular(r, s).value_or(dot.isZero());
    const Number nu = square(u.x) + square(u.y), nv = square(v.x) + square(v.y);
    const Number productOfNorms = sqrt(nu * nv);
    const Number cosine = abs(dot) / productOfNorms;
    const Math cosTheta = function("cos", {symbol("θ")});
    sol.environment.bind(cosTheta, cosine.toDouble());
    sol.add(StepKind::AngleFormula).line(Chain(cosTheta).equals(cosineFormula()));
    sol.add(StepKind::AngleSubstitute)
        .line(Chain(cosTheta).equals(
            fraction(absolute(plus(valueProduct(u.x, v.x), valueProduct(u.y, v.y))),
                     product({root(plus(squared(value(u.x)), squared(value(u.y)))),
                              root(plus(squared(value(v.x)), squared(value(v.y))))}))));
    sol.add(perpendicular ? StepKind::AnglePerpendicular : StepKind::AngleCompute)
        .line(
            Chain(cosTheta)
                .equals(fraction(absolute(value(dot)), product({root(value(nu)), root(value(nv))})))
                .equals(fraction(value(abs(dot)), value(productOfNorms)))
                .endsWith(cosine));
    const std::optional<long> notable = perpendicular ? 90L : notableAngle(cosine);
    const double amplitude =
        perpendicular
            ? 90.0
            : std::atan(std::fabs(cross.toDouble() / dot.toDouble())) * 45 / std::atan(1.0);
    const Math theta = symbol("θ");
    sol.environment.bind(theta, notable ? double(*notable) : amplitude);
    Math said;
    if (notable) {
        said = degrees(value(Number(*notable)));
        sol.add(StepKind::AngleNotable, {slot("c", value(cosine))}).line(Chain(theta).equals(said));
    } else {
        const Math dms = degreesMinutesSeconds(amplitude);
        said = Chain(theta).then(Rel::Approx, dms);
        const Math inverse = function("cos\u207B\u00B9", {value(cosine)});
        sol.environment.bind(inverse, amplitude);
        sol.add(StepKind::AngleInverse)
            .line(Chain(theta)
                      .equals(inverse)
                      .then(Rel::Approx, degrees(decimalValue(Number::approximate(amplitude))))
                      .then(Rel::Approx, dms));
    }
    sol.add(StepKind::AngleResult, {slot("theta", said)})
        .figure(Figure::line(r, "r"))
        .figure(Figure::line(s, "s"));
    sol.answer.add(label, Angle{notable ? Number(*notable) : Number::approximate(amplitude),
                                Angle::Ratio::Cosine, cosine});
}

} // namespace

Solution twoLineFrame(TitleKind kind, const std::string& label, const GivenLine& typed1,
                      const GivenLine& typed2, LineUse use, TwoLineSteps steps) {
    Solution sol;
    GivenLines g;
    if (twoGivenLines(sol, kind, typed1, typed2, label, use, g)) steps(sol, g, label);
    return sol;
}

void intersectionSteps(Solution& sol, const GivenLines& g, const std::string& label) {
    const Line &r = g.r, &s = g.s;
    sol.add(StepKind::IntersectionSystem)
        .line(system({g.er, g.es}))
        .figure(Figure::line(r, "r"))
        .figure(Figure::line(s, "s"));
    const std::optional<Point> meeting = solveSystem(sol, r, g.er, s, g.es);
    if (!meeting) {
        const bool same = sameLine(r, s);
        stopsWith(sol, same ? StepKind::IntersectionCoincident : StepKind::IntersectionParallel, {},
                  label, same ? Verdict::CoincidentLines : Verdict::ParallelLines);
        return;
    }
    meetingPoint(sol, *meeting, label);
}

std::optional<Point> solveSystem(Solution& sol, const Line& r, const Math& er, const Line& s,
                                 const Math& es, const char* rName, const char* sName) {
    const GivenLines g{r, s, r, s, er, es, rName, sName};
    const auto [e, f] = isolationOf(g);
    const Isolated i = isolate(sol, e);
    // a_r·b_s = a_s·b_r, as the form compares them: exactly when the data
    // are exact, in doubles otherwise.
    const bool parallel = verdict::parallel(r, s).value_or(r.a * s.b == s.a * r.b);
    const std::optional<Number> w = substitute(sol, f, i, e.replacement(), parallel);
    if (!w) return std::nullopt;
    const Number v = i.m * *w + i.k;
    if (!i.m.isZero())
        sol.add(StepKind::BackSubstitute,
                {slot("w", e.w()), slot("value", value(*w)), slot("v", e.v())})
            .line(Chain(e.v()).equals(linearCombination({{i.m, value(*w)}}, i.k)).endsWith(v));
    return e.vIsY ? Point{*w, v} : Point{v, *w};
}

Solution solveIntersection(const GivenLine& typed1, const GivenLine& typed2) {
    return twoLineFrame(TitleKind::Intersection, "Resultado1", typed1, typed2, LineUse::Solved,
                        intersectionSteps);
}

Solution solveParallelDistance(const GivenLine& typed1, const GivenLine& typed2) {
    return twoLineFrame(TitleKind::ParallelDistance, "Resultado2", typed1, typed2, LineUse::General,
                        parallelDistanceSteps);
}

Solution solvePointLineDistance(const Point& p, const GivenLine& typed) {
    Solution sol =
        titledWithPoints(TitleKind::PointLineDistance, {{"P", p}}, {lineSlot("r", typed)});
    const std::string label = "Resultado3";
    const std::optional<WorkingLine> r = openGivenLine(sol, "r", typed, label, LineUse::General);
    if (!r) return sol;
    bindLine(sol.environment, {}, r->line);
    distanceToLine(sol, "P", p, "r", {}, r->line, {distanceName("P", "r")},
                   {StepKind::PointLineDistanceResult, StepKind::PointOnLine, label});
    return sol;
}

Solution solveAngle(const GivenLine& typed1, const GivenLine& typed2) {
    return twoLineFrame(TitleKind::Angle, "Resultado4", typed1, typed2, LineUse::General,
                        angleSteps);
}

// --- the frames of the topic, each with the worked solution of its problem

// clang-format off
std::vector<Frame> lines2Frames() {
    using namespace rows;
    return {
        {"recta2-1", Topic::Recta2, TRANSLATABLE_NOOP("Frames", "Intersecção de duas rectas"),
         {line("Text1"), line("Text2")}, {},
         [](const FrameData& d) { return solveIntersection(d.givenLine(0), d.givenLine(1)); }},
        {"recta2-2", Topic::Recta2, TRANSLATABLE_NOOP("Frames", "Distância entre rectas paralelas"),
         {line("Text3"), line("Text4")}, {},
         [](const FrameData& d) { return solveParallelDistance(d.givenLine(0), d.givenLine(1)); }},
        {"recta2-3", Topic::Recta2,
         TRANSLATABLE_NOOP("Frames", "Distância de um ponto a uma recta"),
         {line("Text5"), point("1")}, {},
         [](const FrameData& d) { return solvePointLineDistance(d.point(0), d.givenLine(0)); }},
        {"recta2-4", Topic::Recta2, TRANSLATABLE_NOOP("Frames", "Ângulo de duas rectas"),
         {line("Text6"), line("Text7")}, {},
         [](const FrameData& d) { return solveAngle(d.givenLine(0), d.givenLine(1)); }},
    };
}
// clang-format on

} // namespace exact::solutions
