// The worked solutions of "CIRCUNFERÊNCIA - 1": a circle by its equation or
// by its centre and radius, the circle with a given centre tangent to a line,
// the tangent at a point of a circle, and where a line meets a circle.

#include "circlesolutions.h"
#include "framerows.h"
#include "quadratic.h"
#include "solutionkit.h"
#include "verdicts.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace exact::solutions {

using namespace kit;

// --- the circle's equation: steps that the other circle pages share

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

/// (x − a)² + (y − b)².
Math centredSide(const Point& c) {
    return plus(shiftedSquare(x(), c.x), shiftedSquare(y(), c.y));
}

/// (x − a)² + (y − b)² = k.
Math centredEquation(const Point& c, const Math& k) {
    return equation(centredSide(c), k);
}

/// The general equation of the circle a reader read.
GeneralCircle generalOf(const Conic& q) {
    if (!hasCircleShape(q)) throw std::invalid_argument("not the equation of a circle");
    return {q.D / q.A, q.E / q.A, q.F / q.A};
}

/// Whether a tree names no unknown but `v` (nothing: no unknown at all).
bool mentionsOnly(const Math& m, const char* v) {
    if (m.kind() == Math::Kind::Symbol)
        return v != nullptr && m.text() == v && m.subscript().empty();
    return std::all_of(m.children().begin(), m.children().end(),
                       [v](const Math& c) { return mentionsOnly(c, v); });
}

/// Whether a tree holds a square to develop: (x − 1)².
bool hasSquareOfSum(const Math& m) {
    if (m.kind() == Math::Kind::Power && m.children()[0].kind() == Math::Kind::Parens) return true;
    return std::any_of(m.children().begin(), m.children().end(), hasSquareOfSum);
}

/// The base of a square in x alone (x, x − 3, x + 1/2): a term of the
/// reduced equation.
bool squareIn(const Math& term, const char* v) {
    if (term.kind() != Math::Kind::Power || linearText(term.children()[1], ".") != "2")
        return false;
    const Math& base = term.children()[0];
    const Math inner = base.kind() == Math::Kind::Parens ? base.children()[0] : base;
    return mentionsOnly(inner, v);
}

/// Whether the equation typed is the reduced one, (x − a)² + (y − b)² = k
/// (its terms written however the pupil wrote them: (y − (−9,71))²).
bool typedReduced(const std::optional<Math>& typed) {
    if (!typed || typed->kind() != Math::Kind::Chain || typed->children().size() != 2) return false;
    const Math& lhs = typed->children()[0];
    if (lhs.kind() != Math::Kind::Sum || lhs.children().size() != 2 ||
        lhs.signAt(0) != Sign::Plus || lhs.signAt(1) != Sign::Plus)
        return false;
    return squareIn(lhs.children()[0], "x") && squareIn(lhs.children()[1], "y") &&
           mentionsOnly(typed->children()[1], nullptr);
}

} // namespace

Math typedCircleEquation(const GivenCircle& c) {
    if (std::optional<Math> typed = typedEquation(c)) return *typed;
    const Conic& q = c.conic;
    return generalCircleEquation({q.D, q.E, q.F}, q.A);
}

GeneralCircle normalisedCircle(Solution& s, const GivenCircle& c) {
    const GeneralCircle g = generalOf(c.conic);
    const Math typed = typedCircleEquation(c), general = generalCircleEquation(g);
    if (sameWriting(typed, general)) return g;
    const Conic& q = c.conic;
    const Math read = generalCircleEquation({q.D, q.E, q.F}, q.A);
    const Math chain = Equivalences(typed).then(read).then(general);
    if (sameWriting(typed, read)) {
        s.add(StepKind::DivideEquation, {slot("k", value(q.A))}).line(chain);
        return g;
    }
    const bool develops = hasSquareOfSum(typed);
    if (q.A == 1)
        s.add(develops ? StepKind::CircleToGeneral : StepKind::CircleMoveTerms).line(chain);
    else
        s.add(develops ? StepKind::CircleToGeneralDivide : StepKind::CircleMoveTermsDivide,
              {slot("k", value(q.A))})
            .line(chain);
    return g;
}

CircleData centreAndRadius(Solution& s, const GivenCircle& given) {
    const GeneralCircle g0 = generalOf(given.conic);
    const Point c{-g0.d / 2, -g0.e / 2};
    const Number k = squaredRadius(g0, c);
    if (k.sign() <= 0) throw std::invalid_argument("no circle: r² ≤ 0");
    const Math rSquared = squared(symbol("r"));
    if (typedReduced(typedEquation(given))) {
        s.add(StepKind::CircleReducedForm).line(Chain(rSquared).equals(value(k)));
    } else {
        const GeneralCircle g = normalisedCircle(s, given);
        if (g.d.isZero() && g.e.isZero()) {
            s.add(StepKind::CircleAtOrigin)
                .line(Equivalences(generalCircleEquation(g))
                          .then(equation(plus(squared(x()), squared(y())), value(k))));
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
    }
    // A whole root is said where r is (r = √25 = 5); another is simplified first.
    const Number r = sqrt(k).isRational() ? sqrt(k) : simplifyRoot(s, k);
    bindPoint(s.environment, "C", c);
    s.environment.bind(symbol("r"), r.toDouble());
    s.add(StepKind::CircleCentreRadius, {pointSlot("C", c), slot("r", withDecimal(r))})
        .line(Chain(symbol("C")).equals(pointTree(c)))
        .line(radiusLine(k))
        .figure(Figure::point(c, "C"));
    return {g0, {c, r}, k};
}

namespace {

/// (x − x_C)² + (y − y_C)² = r², the data put in, the equation and its
/// general form; C and r are bound.
void equationOfCircle(Solution& s, const std::string& centreName, const Circle& c) {
    bindPoint(s.environment, "C", c.centre);
    s.environment.bind(symbol("r"), c.radius.toDouble());
    s.add(StepKind::CircleFormula); // the sentence writes the formula
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
    const Math cp = vector("CP");
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

Solution solveCircleByEquation(const GivenCircle& q) {
    Solution s = titled(TitleKind::CircleByEquation, {slot("c", typedCircleEquation(q))});
    const Circle c = centreAndRadius(s, q).circle;
    s.steps.back().figure(Figure::circle(c));
    s.answer.add({}, c);
    return s;
}

Solution solveCircleByCentre(const Point& centre, const Number& radius) {
    Solution s =
        titled(TitleKind::CircleByCentre, {pointSlot("C", centre), slot("r", value(radius))});
    if (radius.isZero()) {
        stopsWith(s, StepKind::ZeroRadius, {}, {}, Verdict::ZeroRadius)
            .figure(Figure::point(centre, "C"));
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

Solution solveTangentCircle(const Point& p, const GivenLine& typed) {
    Solution s = titledWithPoints(TitleKind::TangentCircle, {{"P", p}}, {lineSlot("t", typed)});
    const std::string label = "Resultado3";
    const std::optional<WorkingLine> given = openGivenLine(s, "t", typed, label, LineUse::General);
    if (!given) return s;
    const Line& t = given->line;
    bindLine(s.environment, "t", t);
    s.add(StepKind::TangentCircleRadius).figure(Figure::point(p, "P")).figure(Figure::line(t, "t"));
    const Number r =
        distanceToLine(s, "P", p, "t", "t", t, {symbol("r"), distanceName("P", "t")},
                       {StepKind::TangentCircleRadiusResult, StepKind::CentreOnLine, {}});
    if (r.isZero()) {
        stopOn(s, label, Verdict::CentreOnLine);
        return s;
    }
    const Circle c{p, r};
    equationOfCircle(s, "P", c);
    s.answer.add(label, c);
    return s;
}

Solution solveTangentAtPoint(const Point& p, const GivenCircle& q) {
    Solution s = titledWithPoints(TitleKind::TangentAtPoint, {{"P", p}},
                                  {slot("c", typedCircleEquation(q))});
    const std::string label = "Resultado4";
    const CircleData circle = centreAndRadius(s, q);
    const Circle& c = circle.circle;
    if (!onCircle(s, p, c, circle.radiusSquared)) {
        stopOn(s, label, Verdict::PointNotOnCircle);
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

Solution solveLineAndCircle(const GivenLine& typed, const GivenCircle& q) {
    Solution s =
        titled(TitleKind::LineAndCircle, {lineSlot("r", typed), slot("c", typedCircleEquation(q))});
    const std::optional<WorkingLine> given =
        openGivenLine(s, "r", typed, "Resultado5", LineUse::Solved);
    if (!given) return s;
    const Line& l = given->line;
    // Into the equation as typed when it is the reduced one, else into the general one.
    const GeneralCircle g0 = generalOf(q.conic);
    const Point centre{-g0.d / 2, -g0.e / 2};
    const std::optional<Math> typedCircle = typedEquation(q);
    const CircleToMeet circle =
        typedReduced(typedCircle)
            ? CircleToMeet{g0, centre, squaredRadius(g0, centre), typedCircle}
            : CircleToMeet{normalisedCircle(s, q), std::nullopt, 0, std::nullopt};
    // The form orders the points along the line as typed.
    const Line& typedLine = given->read;
    meetingOutcome(
        s, meetLineAndCircle(s, l, given->equation, "r", circle),
        {StepKind::LineMissesCircle, StepKind::LineTangentToCircle, StepKind::LineSecantToCircle,
         Verdict::LineMissesCircle, "Resultado5", "Resultado6",
         [&typedLine](const Point& p, const Point& q) { return comesFirst(typedLine, p, q); }});
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
           [](const FrameData& d) { return solveCircleByEquation(d.givenCircle(0)); }},
          {"circunferencia1-1b", "Option2",
           TRANSLATABLE_NOOP("Frames", "Circunferência de equação...: equação"),
           [](const FrameData& d) { return solveCircleByCentre(d.point(0), d.number(0)); }}}},
        {"circunferencia1-2", Topic::Circunferencia1,
         TRANSLATABLE_NOOP("Frames", "Circunferência com centro num ponto e tg a uma recta"),
         {line("Text3"), point("1")}, {},
         [](const FrameData& d) { return solveTangentCircle(d.point(0), d.givenLine(0)); }},
        {"circunferencia1-3", Topic::Circunferencia1,
         TRANSLATABLE_NOOP("Frames", "Tangente a uma circunferência num dos seus pontos"),
         {point("2"), circle("Text4")}, {},
         [](const FrameData& d) { return solveTangentAtPoint(d.point(0), d.givenCircle(0)); }},
        {"circunferencia1-4", Topic::Circunferencia1,
         TRANSLATABLE_NOOP("Frames", "Intersecção de uma recta com uma circunferência"),
         {line("Text5"), circle("Text7")}, {},
         [](const FrameData& d) { return solveLineAndCircle(d.givenLine(0), d.givenCircle(0)); }},
    };
}
// clang-format on

} // namespace exact::solutions
