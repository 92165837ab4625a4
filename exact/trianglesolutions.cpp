// The worked solutions of "TRIÂNGULO" (circumcentre, incentre, orthocentre,
// centroid, area, right triangle) and of the inscribed and circumscribed
// circles of "CIRCUNFERÊNCIA - 2": one piece of code for each centre.

#include "trianglesolutions.h"

#include "framerows.h"
#include "linesolutions.h"
#include "solutionkit.h"
#include "verdicts.h"

namespace exact::solutions {

using namespace kit;

namespace {

using Vertex = NamedPoint;

Math vectorName(const std::string& from, const std::string& to) {
    return vector(from + to);
}

Math detName() {
    return function("det", {vectorName("A", "B"), vectorName("A", "C")});
}

Point difference(const Point& from, const Point& to) {
    return {to.x - from.x, to.y - from.y};
}

Solution withVertices(TitleKind kind, const Triangle& t) {
    return titledWithPoints(kind, {{"A", t.a}, {"B", t.b}, {"C", t.c}});
}

/// PQ⃗ = (x_Q − x_P , y_Q − y_P) = (u₁ , u₂), bound for the numeric reading.
Math vectorLine(Solution& s, const Vertex& p, const Vertex& q) {
    const Point u = difference(p.p, q.p);
    const Math name = vectorName(p.name, q.name);
    s.environment.bind(name, u.x.toDouble(), u.y.toDouble());
    return Chain(name)
        .equals(point(minus(x(q.name), x(p.name)), minus(y(q.name), y(p.name))))
        .equals(point(minus(value(q.p.x), value(p.p.x)), minus(value(q.p.y), value(p.p.y))))
        .equals(pointTree(u));
}

/// det(AB⃗, AC⃗) in names, in values, computed.
Math determinantLine(const Triangle& t, const Number& det) {
    const Point u = difference(t.a, t.b), v = difference(t.a, t.c);
    return Chain(detName())
        .equals(minus(product({minus(x("B"), x("A")), minus(y("C"), y("A"))}),
                      product({minus(x("C"), x("A")), minus(y("B"), y("A"))})))
        .equals(minus(valueProduct(u.x, v.y), valueProduct(v.x, u.y)))
        .equals(value(det));
}

/// The determinant, bound; with a step that says so and the verdict of
/// `label`, the solution stops when it is zero.
Number determinantOrStop(Solution& s, const Triangle& t, StepKind collinear,
                         const std::string& label) {
    const Number det = determinant(t);
    s.environment.bind(detName(), det.toDouble());
    if (!verdict::collinear(t.a, t.b, t.c).value_or(det.isZero())) return det;
    stopsWith(s, collinear, {}, label,
              collinear == StepKind::ThreePointsCollinear ? Verdict::NoCircleThroughPoints
                                                          : Verdict::NotATriangle)
        .line(determinantLine(t, det))
        .figure(Figure::segment(t.a, t.b))
        .figure(Figure::segment(t.b, t.c));
    return det;
}

/// v − k, or v when k is zero.
Math shifted(const Math& v, const Number& k) {
    return k.isZero() ? v : minus(v, value(k));
}

} // namespace

Line normalThrough(Step& step, const Point& p, const Point& u, Math& written) {
    const Line found{u.x, u.y, -(u.x * p.x + u.y * p.y)};
    const Line n = normalised(found);
    written = generalEquation(n);
    step.line(Equivalences(equation(linearCombination(
                                        {{u.x, shifted(x(), p.x)}, {u.y, shifted(y(), p.y)}}, 0),
                                    value(0)))
                  .then(generalEquation(found))
                  .then(written));
    return n;
}

Line sideBisector(Solution& s, const char* name, const Vertex& p, const Vertex& q, const char* mid,
                  bool ofTriangle, Math& written) {
    const Point m = midpoint(p.p, q.p);
    bindPoint(s.environment, mid, m);
    const auto half = [](const Math& sum) { return fraction(sum, value(2)); };
    const std::string side = std::string("[") + p.name + q.name + "]";
    Step& step = s.add(ofTriangle ? StepKind::SideBisector : StepKind::SegmentBisector,
                       {slot("name", symbol(name)), slot("side", words(side)),
                        slot("M", symbol(mid)), slot("vector", vectorName(p.name, q.name))});
    step.line(Chain(symbol(mid))
                  .equals(point(half(plus(x(p.name), x(q.name))), half(plus(y(p.name), y(q.name)))))
                  .equals(point(half(plus(value(p.p.x), value(q.p.x))),
                                half(plus(value(p.p.y), value(q.p.y)))))
                  .endsWithPoint(m.x, m.y));
    step.line(vectorLine(s, p, q));
    const Line l = normalThrough(step, m, difference(p.p, q.p), written);
    step.figure(Figure::segment(p.p, q.p))
        .figure(Figure::point(m, mid))
        .figure(Figure::line(l, name));
    return l;
}

namespace {

/// The altitude `name` from `v`, perpendicular to the side [PQ].
Line altitude(Solution& s, const char* name, const Vertex& v, const Vertex& p, const Vertex& q,
              Math& written) {
    const std::string side = std::string("[") + p.name + q.name + "]";
    Step& step = s.add(StepKind::Altitude,
                       {slot("name", symbol(name)), slot("vertex", symbol(v.name)),
                        slot("side", words(side)), slot("vector", vectorName(p.name, q.name))});
    step.line(vectorLine(s, p, q));
    const Line l = normalThrough(step, v.p, difference(p.p, q.p), written);
    step.figure(Figure::segment(p.p, q.p)).figure(Figure::line(l, name));
    return l;
}

} // namespace

std::optional<Point> meetingOf(Solution& s, const Line& r, const Math& er, const Line& l,
                               const Math& el, const LineNames& names) {
    const std::size_t system = s.steps.size();
    s.add(StepKind::LinesSystem, {slot("r", symbol(names.first)), slot("s", symbol(names.second))})
        .line(exact::system({er, el}))
        .figure(Figure::line(r, names.first))
        .figure(Figure::line(l, names.second));
    const std::optional<Point> p = solveSystem(s, r, er, l, el, names.first, names.second);
    if (!p) {
        s.steps[system].lines.clear(); // equations with no common point to hold on
        return p;
    }
    s.environment.bind(x(), p->x.toDouble());
    s.environment.bind(y(), p->y.toDouble());
    return p;
}

namespace {

/// The answer's point, named and with its decimals, as the last step says it.
void pointResult(Solution& s, StepKind kind, const char* name, const Point& p,
                 const std::string& label) {
    bindPoint(s.environment, name, p);
    s.add(kind, {slot(name, pointWithDecimals(p, name))}).figure(Figure::point(p, name));
    if (!label.empty()) s.answer.add(label, p);
}

/// The stop of a centre that two lines did not give.
void noMeeting(Solution& s, const std::string& label) {
    stopsWith(s, StepKind::CentreLinesParallel, {}, label, Verdict::NotATriangle);
}

/// The meeting point of two lines as the answer, or the stop when they do
/// not meet.
void pointOrNoMeeting(Solution& s, const std::optional<Point>& p, StepKind kind, const char* name,
                      const std::string& label) {
    if (p)
        pointResult(s, kind, name, *p, label);
    else
        noMeeting(s, label);
}

// --- the incentre

/// a = d(B, C), b = d(A, C), c = d(A, B): the step, and the lengths.
struct Sides {
    Number a, b, c;
};

/// Whether √n is written as the root of n already (√185).
bool alreadySimple(const Number& n, const Number& root) {
    return root.isExact() && n.isInteger() && root.terms().size() == 1 &&
           root.terms().front().coefficient == 1 && Number(root.terms().front().radicand) == n;
}

Math sideLine(Solution& s, const char* name, const Vertex& p, const Vertex& q, Number& length) {
    const Point u = difference(p.p, q.p);
    const Number squares = square(u.x) + square(u.y);
    length = sqrt(squares);
    s.environment.bind(symbol(name), length.toDouble());
    Chain chain(symbol(name));
    chain.equals(function("d", {symbol(p.name), symbol(q.name)}))
        .equals(root(plus(squared(minus(value(q.p.x), value(p.p.x))),
                          squared(minus(value(q.p.y), value(p.p.y))))))
        .equals(root(value(squares)));
    return alreadySimple(squares, length) ? chain.decimalOf(length) : chain.endsWith(length);
}

Sides sideLengths(Solution& s, const Triangle& t) {
    Sides l;
    const Vertex A{"A", t.a}, B{"B", t.b}, C{"C", t.c};
    s.add(StepKind::SideLengths)
        .line(sideLine(s, "a", B, C, l.a))
        .line(sideLine(s, "b", A, C, l.b))
        .line(sideLine(s, "c", A, B, l.c));
    return l;
}

/// (a·u_A + b·u_B + c·u_C)/(a + b + c) for one coordinate, in names.
Math weighted(Math (*coordinate)(const std::string&)) {
    return fraction(
        sum({{Sign::Plus, product({symbol("a"), coordinate("A")})},
             {Sign::Plus, product({symbol("b"), coordinate("B")})},
             {Sign::Plus, product({symbol("c"), coordinate("C")})}}),
        sum({{Sign::Plus, symbol("a")}, {Sign::Plus, symbol("b")}, {Sign::Plus, symbol("c")}}));
}

Math weightedValues(const Sides& l, const Number& u, const Number& v, const Number& w) {
    return fraction(
        sum({{Sign::Plus, valueProduct(l.a, u)},
             {Sign::Plus, valueProduct(l.b, v)},
             {Sign::Plus, valueProduct(l.c, w)}}),
        sum({{Sign::Plus, value(l.a)}, {Sign::Plus, value(l.b)}, {Sign::Plus, value(l.c)}}));
}

/// The incentre's steps after its method: nothing when the three vertices
/// are one point (then the solution stops).
std::optional<Point> incentreSteps(Solution& s, const Triangle& t, Sides& l,
                                   const std::string& label) {
    s.add(StepKind::IncentreMethod);
    l = sideLengths(s, t);
    const Number perimeter = l.a + l.b + l.c;
    if (perimeter.isZero()) {
        stopsWith(s, StepKind::IncentreOfOnePoint, {}, label, Verdict::NotATriangle)
            .figure(Figure::point(t.a, "A"));
        return std::nullopt;
    }
    s.add(StepKind::IncentreFormula)
        .line(Chain(symbol("I")).equals(point(weighted(&kit::x), weighted(&kit::y))));
    const Number nx = l.a * t.a.x + l.b * t.b.x + l.c * t.c.x;
    const Number ny = l.a * t.a.y + l.b * t.b.y + l.c * t.c.y;
    const Point i{nx / perimeter, ny / perimeter};
    Chain values(symbol("I"));
    values.equals(
        point(weightedValues(l, t.a.x, t.b.x, t.c.x), weightedValues(l, t.a.y, t.b.y, t.c.y)));
    if (readable(i.x) && readable(i.y)) {
        s.add(StepKind::IncentreCompute)
            .line(values
                      .equals(point(fraction(value(nx), value(perimeter)),
                                    fraction(value(ny), value(perimeter))))
                      .endsWithPoint(i.x, i.y));
        return i;
    }
    // Long exact values: the decimals first, then the exact coordinates.
    s.add(StepKind::IncentreComputeLong)
        .line(values.then(Rel::Approx, point(decimalValue(i.x), decimalValue(i.y))))
        .line(equation(x("I"), value(i.x)))
        .line(equation(y("I"), value(i.y)));
    return i;
}

// --- circles

} // namespace

void circleResult(Solution& s, StepKind kind, const Circle& c, const std::string& label) {
    s.environment.bind(symbol("r"), c.radius.toDouble());
    s.add(kind).line(circleEquation(c)).figure(Figure::circle(c)).figure(Figure::point(c.centre));
    s.answer.add(label, c);
}

Number determinant(const Triangle& t) {
    return (t.b.x - t.a.x) * (t.c.y - t.a.y) - (t.c.x - t.a.x) * (t.b.y - t.a.y);
}

std::optional<Point> circumcentreSteps(Solution& s, const Triangle& t, StepKind method,
                                       const LineNames& names, bool ofTriangle) {
    const Vertex A{"A", t.a}, B{"B", t.b}, C{"C", t.c};
    s.add(method, {slot("r", symbol(names.first)), slot("s", symbol(names.second))});
    Math er, es;
    const Line r = sideBisector(s, names.first, A, B, "M", ofTriangle, er);
    const Line l = sideBisector(s, names.second, A, C, "N", ofTriangle, es);
    return meetingOf(s, r, er, l, es, names);
}

Solution solveCircumcentre(const Triangle& t) {
    Solution s = withVertices(TitleKind::Circumcentre, t);
    const std::string label = "Resultado1";
    determinantOrStop(s, t, StepKind::CollinearVertices, label);
    if (s.stopped) return s;
    const std::optional<Point> o = circumcentreSteps(s, t, StepKind::CircumcentreMethod, {}, true);
    pointOrNoMeeting(s, o, StepKind::CircumcentreResult, "O", label);
    return s;
}

Solution solveIncentre(const Triangle& t) {
    Solution s = withVertices(TitleKind::Incentre, t);
    Sides l;
    const std::string label = "Resultado1";
    if (const std::optional<Point> i = incentreSteps(s, t, l, label))
        pointResult(s, StepKind::IncentreResult, "I", *i, label);
    return s;
}

Solution solveOrthocentre(const Triangle& t) {
    Solution s = withVertices(TitleKind::Orthocentre, t);
    const std::string label = "Resultado1";
    determinantOrStop(s, t, StepKind::CollinearVertices, label);
    if (s.stopped) return s;
    const Vertex A{"A", t.a}, B{"B", t.b}, C{"C", t.c};
    s.add(StepKind::OrthocentreMethod);
    Math er, es;
    const Line r = altitude(s, "r", A, B, C, er);
    const Line l = altitude(s, "s", B, A, C, es);
    pointOrNoMeeting(s, meetingOf(s, r, er, l, es), StepKind::OrthocentreResult, "H", label);
    return s;
}

Solution solveCentroid(const Triangle& t) {
    Solution s = withVertices(TitleKind::Centroid, t);
    const auto third = [](const Math& sum) { return fraction(sum, value(3)); };
    const auto three = [](const Math& u, const Math& v, const Math& w) {
        return sum({{Sign::Plus, u}, {Sign::Plus, v}, {Sign::Plus, w}});
    };
    s.add(StepKind::CentroidFormula)
        .line(Chain(symbol("G"))
                  .equals(point(third(three(x("A"), x("B"), x("C"))),
                                third(three(y("A"), y("B"), y("C"))))));
    const Number sx = t.a.x + t.b.x + t.c.x, sy = t.a.y + t.b.y + t.c.y;
    const Point g{sx / 3, sy / 3};
    s.add(StepKind::CentroidCompute)
        .line(Chain(symbol("G"))
                  .equals(point(third(three(value(t.a.x), value(t.b.x), value(t.c.x))),
                                third(three(value(t.a.y), value(t.b.y), value(t.c.y)))))
                  .endsWithPoint(g.x, g.y));
    pointResult(s, StepKind::CentroidResult, "G", g, "Resultado1");
    return s;
}

Solution solveTriangleArea(const Triangle& t) {
    Solution s = withVertices(TitleKind::TriangleArea, t);
    const Vertex A{"A", t.a}, B{"B", t.b}, C{"C", t.c};
    const Math area = symbol("\u00C1rea");
    s.environment.bind(area, (abs(determinant(t)) / 2).toDouble());
    s.add(StepKind::AreaFormula).line(Chain(area).equals(fraction(absolute(detName()), value(2))));
    s.add(StepKind::TriangleVectors).line(vectorLine(s, A, B)).line(vectorLine(s, A, C));
    const std::string label = "Resultado4";
    const Number det = determinantOrStop(s, t, StepKind::CollinearVertices, label);
    if (s.stopped) return s;
    s.add(StepKind::Determinant).line(determinantLine(t, det));
    const Number half = abs(det) / 2;
    s.add(StepKind::AreaResult, {slot("area", withDecimal(half))})
        .line(Chain(area)
                  .equals(fraction(absolute(value(det)), value(2)))
                  .equals(fraction(value(abs(det)), value(2)))
                  .endsWith(half))
        .figure(Figure::segment(t.a, t.b))
        .figure(Figure::segment(t.b, t.c))
        .figure(Figure::segment(t.c, t.a));
    const Number signedArea = det / 2;
    s.add(det.sign() > 0 ? StepKind::AreaCounterClockwise : StepKind::AreaClockwise,
          {slot("value", withDecimal(signedArea))})
        .line(Chain(fraction(detName(), value(2)))
                  .equals(fraction(value(det), value(2)))
                  .endsWith(signedArea));
    s.answer.add(label, signedArea);
    return s;
}

Solution solveRightTriangle(const Triangle& t) {
    Solution s = withVertices(TitleKind::RightTriangle, t);
    const std::string label = "Resultado5";
    determinantOrStop(s, t, StepKind::CollinearVertices, label);
    if (s.stopped) return s;
    const Vertex A{"A", t.a}, B{"B", t.b}, C{"C", t.c};
    struct Side {
        std::string name;
        Number square;
    };
    std::vector<Side> sides;
    Step& squares = s.add(StepKind::SquaredSides);
    for (const auto& [p, q] : {std::pair{A, B}, {B, C}, {A, C}}) {
        const Point u = difference(p.p, q.p);
        const std::string name = std::string(p.name) + q.name;
        sides.push_back({name, square(u.x) + square(u.y)});
        s.environment.bind(symbol(name), sqrt(sides.back().square).toDouble());
        squares.line(Chain(squared(symbol(name)))
                         .equals(plus(squared(minus(x(q.name), x(p.name))),
                                      squared(minus(y(q.name), y(p.name)))))
                         .equals(plus(squared(value(u.x)), squared(value(u.y))))
                         .equals(plus(value(square(u.x)), value(square(u.y))))
                         .equals(value(sides.back().square)));
    }
    std::size_t longest = 0;
    for (std::size_t i = 1; i < 3; ++i)
        if (sides[i].square > sides[longest].square) longest = i;
    const Side& h = sides[longest];
    const Side& p = sides[longest == 0 ? 1 : 0];
    const Side& q = sides[longest == 2 ? 1 : 2];
    const Number others = p.square + q.square;
    const bool right = verdict::rightTriangle(t.a, t.b, t.c).value_or(h.square == others);
    Chain relation(plus(squared(symbol(p.name)), squared(symbol(q.name))));
    relation.equals(plus(value(p.square), value(q.square))).equals(value(others));
    if (!right) relation.then(Rel::NotEqual, value(h.square));
    s.add(right ? StepKind::PythagorasHolds : StepKind::PythagorasFails,
          {slot("side", words("[" + h.name + "]"))})
        .line(relation.equals(squared(symbol(h.name))))
        .figure(Figure::segment(t.a, t.b))
        .figure(Figure::segment(t.b, t.c))
        .figure(Figure::segment(t.c, t.a));
    s.answer.add(label, right ? Verdict::RightTriangle : Verdict::NotRightTriangle);
    return s;
}

Solution solveIncircle(const Triangle& t) {
    Solution s = withVertices(TitleKind::Incircle, t);
    const std::string label = "Resultado1";
    const Number det = determinantOrStop(s, t, StepKind::CollinearVertices, label);
    if (s.stopped) return s;
    Sides l;
    const std::optional<Point> i = incentreSteps(s, t, l, label);
    if (!i) return s;
    pointResult(s, StepKind::IncentreResult, "I", *i, {});
    const Number perimeter = l.a + l.b + l.c;
    const Number r = abs(det) / perimeter;
    const Math abc =
        sum({{Sign::Plus, symbol("a")}, {Sign::Plus, symbol("b")}, {Sign::Plus, symbol("c")}});
    Chain radius(symbol("r"));
    radius.equals(fraction(absolute(detName()), abc))
        .equals(fraction(absolute(value(det)), value(perimeter)));
    Step& step = s.add(StepKind::InradiusFormula).line(determinantLine(t, det));
    if (readable(r) && readable(i->x) && readable(i->y)) {
        step.line(radius.endsWith(r));
        circleResult(s, StepKind::InscribedResult, {*i, r}, label);
        return s;
    }
    // Long exact values: the decimals lead, the exact values follow.
    step.line(radius.then(Rel::Approx, decimalValue(r))).line(equation(symbol("r"), value(r)));
    s.environment.bind(symbol("r"), r.toDouble());
    s.add(StepKind::InscribedResultLong,
          {slot("I", pointWithDecimals(*i, "I")),
           slot("r", Chain(symbol("r")).then(Rel::Approx, decimalValue(r)))})
        .line(circleEquation({*i, r}))
        .figure(Figure::circle({*i, r}))
        .figure(Figure::point(*i));
    s.answer.add(label, Circle{*i, r});
    return s;
}

Solution solveCircumcircle(const Triangle& t) {
    Solution s = withVertices(TitleKind::Circumcircle, t);
    const std::string label = "Resultado1";
    determinantOrStop(s, t, StepKind::CollinearVertices, label);
    if (s.stopped) return s;
    const std::optional<Point> o =
        circumcentreSteps(s, t, StepKind::CircumcentreMethod, {"m", "n"}, true);
    if (!o) {
        noMeeting(s, label);
        return s;
    }
    pointResult(s, StepKind::CircumcentreResult, "O", *o, {});
    const Point u = difference(*o, t.a);
    const Number r2 = square(u.x) + square(u.y);
    s.add(StepKind::CircumradiusCompute)
        .line(Chain(squared(symbol("r")))
                  .equals(squared(function("d", {symbol("O"), symbol("A")})))
                  .equals(plus(squared(minus(x("A"), x("O"))), squared(minus(y("A"), y("O")))))
                  .equals(plus(squared(minus(value(t.a.x), value(o->x))),
                               squared(minus(value(t.a.y), value(o->y)))))
                  .equals(plus(squared(value(u.x)), squared(value(u.y))))
                  .endsWith(r2))
        .line(radiusLine(r2))
        .figure(Figure::segment(*o, t.a));
    circleResult(s, StepKind::CircumscribedResult, {*o, sqrt(r2)}, label);
    return s;
}

// --- the frames of the topic, each with the worked solution of its problem

// clang-format off
std::vector<Frame> triangleFrames() {
    using namespace rows;
    return {
        {"triangulo-1", Topic::Triangulo,
         TRANSLATABLE_NOOP("Frames", "Pontos notáveis de um triângulo"),
         {point("1"), point("2"), point("3")},
         {{"triangulo-1a", "Option1",
           TRANSLATABLE_NOOP("Frames", "Pontos notáveis de um triângulo: circuncentro"),
           [](const FrameData& d) { return solveCircumcentre(triangle(d)); }},
          {"triangulo-1b", "Option2",
           TRANSLATABLE_NOOP("Frames", "Pontos notáveis de um triângulo: incentro"),
           [](const FrameData& d) { return solveIncentre(triangle(d)); }},
          {"triangulo-1c", "Option3",
           TRANSLATABLE_NOOP("Frames", "Pontos notáveis de um triângulo: ortocentro"),
           [](const FrameData& d) { return solveOrthocentre(triangle(d)); }},
          {"triangulo-1d", "Option4",
           TRANSLATABLE_NOOP("Frames", "Pontos notáveis de um triângulo: baricentro"),
           [](const FrameData& d) { return solveCentroid(triangle(d)); }}}},
        {"triangulo-2", Topic::Triangulo, TRANSLATABLE_NOOP("Frames", "Área de um triângulo"),
         {point("6"), point("7"), point("8")}, {},
         [](const FrameData& d) { return solveTriangleArea(triangle(d)); }},
        {"triangulo-3", Topic::Triangulo,
         TRANSLATABLE_NOOP("Frames", "Ver se são vértices de um triângulo rectângulo"),
         {point("9"), point("10"), point("11")}, {},
         [](const FrameData& d) { return solveRightTriangle(triangle(d)); }},
    };
}
// clang-format on

} // namespace exact::solutions
