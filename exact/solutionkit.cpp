#include "solutionkit.h"

#include "decimal.h"

#include <algorithm>
#include <cmath>

namespace exact::kit {

namespace {

Math coefficientTimes(const Number& k, const Math& v) {
    return linearCombination({{k, v}}, 0);
}

/// √232 = √(2² × 58) = 2√58, from the root's single term s√f.
void takeOutSquare(Solution& solution, const Number& radicand, const Number& root) {
    const Term& t = root.terms().front();
    if (t.coefficient == 1) return; // already square-free
    const Math factored = product({squared(value(t.coefficient)), value(Number(t.radicand))});
    solution.add(StepKind::RadicalSimplify, {slot("n", value(radicand))})
        .line(
            Chain(exact::root(value(radicand))).equals(exact::root(factored)).equals(value(root)));
}

/// √(p/q) = √p/√q = the rationalised root.
void rationalise(Solution& solution, const Number& radicand, const Number& root) {
    const mpq_class& q = radicand.rational();
    const Math split =
        fraction(exact::root(value(Number(q.get_num()))), exact::root(value(Number(q.get_den()))));
    solution.add(StepKind::RadicalRationalise)
        .line(Chain(exact::root(value(radicand))).equals(split).equals(value(root)));
}

/// √(k²) = k, for a radicand that is the square of k.
void perfectSquare(Solution& solution, StepKind kind, std::vector<Slot> values,
                   const Number& radicand, const Number& root) {
    solution.add(kind, std::move(values))
        .line(Chain(exact::root(value(radicand)))
                  .equals(exact::root(squared(value(root))))
                  .equals(value(root)));
}

Line scaled(const Line& l, const Number& k) {
    return {l.a * k, l.b * k, l.c * k};
}

/// A factor 1/n with n whole (not −1): multiplying by it is dividing by n.
bool dividesBy(const Number& k) {
    return k.isRational() && k != -1 && mpz_class(k.rational().get_num()) == sgn(k.rational());
}

} // namespace

Math x(const std::string& point) {
    return symbol("x", point);
}
Math y(const std::string& point) {
    return symbol("y", point);
}
Math x() {
    static const Math m = symbol("x");
    return m;
}
Math y() {
    static const Math m = symbol("y");
    return m;
}

Solution titled(TitleKind kind, std::vector<Slot> values) {
    Solution s;
    s.titleKind = kind;
    s.titleValues = std::move(values);
    return s;
}

Slot slot(std::string name, Math value) {
    return {std::move(name), std::move(value)};
}

Slot pointSlot(const std::string& name, const Point& p) {
    return slot(name, pointTree(p, name));
}

Math withDecimal(const Number& v) {
    if (v.isApproximate()) return decimalValue(v);
    if (v.isInteger()) return value(v);
    return Chain(value(v)).decimalOf(v);
}

Math pointWithDecimals(const Point& p, const std::string& name) {
    if (p.x.isApproximate() || p.y.isApproximate())
        return point(decimalValue(p.x), decimalValue(p.y), name);
    if (p.x.isInteger() && p.y.isInteger()) return pointTree(p, name);
    return Chain(pointTree(p, name)).decimalsOfPoint(p.x, p.y, name);
}

void bindPoint(Environment& env, const std::string& name, const Point& p) {
    env.bind(symbol(name), p.x.toDouble(), p.y.toDouble());
    env.bind(x(name), p.x.toDouble());
    env.bind(y(name), p.y.toDouble());
}

Math shiftedSquare(const Math& v, const Number& k) {
    if (k.isZero()) return squared(v);
    return squared(k.sign() < 0 ? plus(v, value(-k)) : minus(v, value(k)));
}

std::vector<SignedTerm> developedSquare(const Math& v, const Number& k) {
    return developedSquare(v, k, 2 * k, square(k));
}

std::vector<SignedTerm> developedSquare(const Math& v, const Number& k, const Number& twice,
                                        const Number& squareOfK) {
    std::vector<SignedTerm> terms{{Sign::Plus, squared(v)}};
    if (k.isZero()) return terms;
    const bool positive = twice.sign() > 0;
    terms.push_back(
        {positive ? Sign::Minus : Sign::Plus, coefficientTimes(positive ? twice : -twice, v)});
    terms.push_back({Sign::Plus, value(squareOfK)});
    return terms;
}

Number simplifyRoot(Solution& solution, const Number& radicand) {
    const Number root = sqrt(radicand);
    if (radicand.isRational() && root.isRational()) {
        perfectSquare(solution, StepKind::RadicalExact,
                      {slot("n", value(radicand)), slot("k", squared(value(root)))}, radicand,
                      root);
    } else if (radicand.isInteger() && root.isExact()) {
        takeOutSquare(solution, radicand, root);
    } else if (radicand.isRational() && root.isExact()) {
        rationalise(solution, radicand, root);
    } else if (root.isExact()) {
        perfectSquare(solution, StepKind::RadicalDenest, {slot("r", value(root))}, radicand, root);
    } else {
        solution.add(radicand.isRational() ? StepKind::RadicalLarge : StepKind::RadicalApproximate)
            .line(Chain(exact::root(value(radicand))).then(Rel::Approx, decimalValue(root)));
    }
    return root;
}

Step& scalingStep(Solution& solution, const Number& k) {
    return dividesBy(k) ? solution.add(StepKind::DivideEquation, {slot("k", value(1 / k))})
                        : solution.add(StepKind::MultiplyEquation, {slot("k", value(k))});
}

Line tidyLineEquation(Solution& solution, const Line& found, Math* equation) {
    const Line n = normaliseLineEquation(solution, found, equation);
    reducedLineEquation(solution, n);
    return n;
}

Line normaliseLineEquation(Solution& solution, const Line& found, Math* equation) {
    const Number k = normalisingFactor(found);
    if (k == 1) return found;
    const Line n = scaled(found, k);
    const Math written = generalEquation(n);
    scalingStep(solution, k).line(written);
    if (equation) *equation = written;
    return n;
}

void reducedLineEquation(Solution& solution, const Line& n) {
    const Math reduced = *reducedEquation(n);
    if (n.b.isZero()) {
        solution.add(StepKind::VerticalLine, {slot("equation", reduced)}).line(reduced);
        return;
    }
    Step& step = solution.add(StepKind::ReducedEquation);
    if (n.b != 1)
        step.line(equation(coefficientTimes(n.b, y()), linearCombination({{-n.a, x()}}, -n.c)));
    step.line(reduced);
}

Line generalFromReduced(Solution& solution, const Line& l, const Math& reduced, Math& general) {
    const Number slope = -l.a / l.b;
    const Number intercept = -l.c / l.b;
    const Line moved{-slope, 1, -intercept}; // −mx + y − k = 0
    const Number k = normalisingFactor(moved);
    const Line n = scaled(moved, k);
    general = generalEquation(n);
    const Math chain = Equivalences(reduced).then(generalEquation(moved)).then(general);
    if (k == 1)
        solution.add(StepKind::GeneralFromReduced);
    else
        solution.add(dividesBy(k) ? StepKind::GeneralFromReducedDivide
                                  : StepKind::GeneralFromReducedMultiply,
                     {slot("k", value(dividesBy(k) ? 1 / k : k))});
    solution.steps.back().line(chain);
    return n;
}

Equivalences::Equivalences(Math first)
    : m_chain(first)
    , m_last(first) {}

Equivalences& Equivalences::then(Math next) {
    if (!sameTree(next, m_last)) m_chain.then(Rel::Equivalent, next);
    m_last = std::move(next);
    return *this;
}

Math coefficient(char which, const std::string& line) {
    return symbol(std::string(1, which), line);
}

void bindLine(Environment& env, const std::string& name, const Line& l) {
    env.bind(coefficient('a', name), l.a.toDouble());
    env.bind(coefficient('b', name), l.b.toDouble());
    env.bind(coefficient('c', name), l.c.toDouble());
}

Line withoutResidue(const Line& l) {
    if (l.a.isExact() && l.b.isExact() && l.c.isExact()) return l;
    const double scale =
        std::max({std::fabs(l.a.toDouble()), std::fabs(l.b.toDouble()), std::fabs(l.c.toDouble())});
    const auto clean = [scale](const Number& v) {
        if (v.isExact()) return v;
        // The reader writes the constant term as a literal of 15 digits, whose
        // rounding (at most 5·10⁻¹⁵ of it) leaves a residue in the others.
        const double d = v.toDouble(), whole = std::nearbyint(d);
        return std::fabs(d - whole) <= 1e-14 * scale ? Number::approximate(whole) : v;
    };
    return {clean(l.a), clean(l.b), clean(l.c)};
}

Math givenEquation(const Line& l) {
    // A line parallel to an axis given as x = k or y = k is written so.
    if (l.b.isZero() && l.a == 1) return equation(x(), value(-l.c));
    if (l.a.isZero() && l.b == 1) return equation(y(), value(-l.c));
    if (!l.isDegenerate()) return generalEquation(l);
    return equation(sum({{Sign::Plus, product({value(0), x()})},
                         {Sign::Plus, product({value(0), y()})},
                         {l.c.sign() < 0 ? Sign::Minus : Sign::Plus, value(abs(l.c))}}),
                    value(0));
}

Slot lineSlot(const std::string& name, const Line& l) {
    return slot(name, givenEquation(l));
}

Math valueProduct(const Number& a, const Number& b) {
    return product({a.sign() < 0 ? parens(value(a)) : value(a), value(b)});
}

Math times(const Number& k, const Math& m) {
    if (k == 1) return m;
    if (k == -1) return negative(m);
    const Math p = product({value(abs(k)), m});
    return k.sign() < 0 ? negative(p) : p;
}

Math degrees(const Math& amount) {
    return product({amount, symbol("º")});
}

Math degreesMinutesSeconds(double amplitude) {
    const double d = std::trunc(amplitude);
    const double m = (amplitude - d) * 60;
    const double whole = std::trunc(m);
    Number seconds;
    std::string digits = decimal::roundedDigits((m - whole) * 60, 2);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.erase(0, 1);
    Number::fromDecimal(digits, seconds);
    const auto amount = [](double v) { return value(Number(static_cast<long>(v))); };
    return row({product({amount(d), symbol("º")}), words("  "),
                product({amount(whole), symbol("'")}), words("  "),
                product({decimalValue(negative ? -seconds : seconds), symbol("''")})});
}

void bindAngleUnits(Environment& env) {
    env.bind(symbol("º"), 1);
    env.bind(symbol("'"), 1.0 / 60);
    env.bind(symbol("''"), 1.0 / 3600);
}

bool stopsOnNoLine(Solution& solution, const std::string& name, const Line& l,
                   const std::string& label) {
    if (!l.isDegenerate()) return false;
    solution.add(StepKind::NotALine,
                 {slot("name", symbol(name)), slot("equation", givenEquation(l))});
    solution.answer.add(label, Verdict::NotALine);
    solution.stopped = true;
    return true;
}

Line simplifyGivenLine(Solution& solution, const std::string& name, const Line& l, Math& equation) {
    const Number k = abs(normalisingFactor(l));
    if (k == 1) return l;
    const Line n = scaled(l, k);
    equation = generalEquation(n);
    solution
        .add(dividesBy(k) ? StepKind::SimplifyLineDivide : StepKind::SimplifyLineMultiply,
             {slot("name", symbol(name)), slot("k", value(dividesBy(k) ? 1 / k : k))})
        .line(equation);
    return n;
}

Line pointSlopeLine(Solution& solution, StepKind kind, const std::string& name, const Point& p,
                    const Number& m, Math& general) {
    const Line found{-m, 1, m * p.x - p.y};
    const Math reduced = *reducedEquation(found);
    const auto shifted = [](const Math& v, const Number& k) {
        return k.isZero() ? v : minus(v, value(k));
    };
    solution.environment.bind(symbol("m"), m.toDouble());
    solution.add(kind)
        .line(equation(minus(y(), y(name)), product({symbol("m"), minus(x(), x(name))})))
        .line(Equivalences(equation(shifted(y(), p.y), times(m, shifted(x(), p.x))))
                  .then(equation(linearCombination({{1, y()}}, -p.y),
                                 linearCombination({{m, x()}}, -m * p.x)))
                  .then(reduced));
    return generalFromReduced(solution, found, reduced, general);
}

Line familyThrough(Solution& s, StepKind family, const Line& shape, const Point& p,
                   const std::string& name, const std::string& subscript) {
    const Math k = symbol("k", subscript);
    const Number value0 = -(shape.a * p.x + shape.b * p.y);
    s.environment.bind(k, value0.toDouble());
    const auto withK = [&](const Math& rest) {
        return equation(sum({{Sign::Plus, rest}, {Sign::Plus, k}}), value(0));
    };
    s.add(family, {slot("equation", withK(linearCombination({{shape.a, x()}, {shape.b, y()}}, 0)))})
        .line(withK(linearCombination({{shape.a, x()}, {shape.b, y()}}, 0)));
    const Number known = shape.a * p.x + shape.b * p.y;
    s.add(StepKind::FamilyThroughPoint, {slot("P", pointTree(p, name))})
        .line(Chain(withK(linearCombination({{shape.a, value(p.x)}, {shape.b, value(p.y)}}, 0)))
                  .then(Rel::Equivalent, withK(value(known)))
                  .then(Rel::Equivalent, equation(k, value(value0))));
    return {shape.a, shape.b, value0};
}

void addTerm(std::vector<SignedTerm>& terms, const Number& c, const Math& v) {
    if (c.isZero()) return;
    const Math magnitude = abs(c) == 1 ? v : product({value(abs(c)), v});
    terms.push_back({c.sign() < 0 ? Sign::Minus : Sign::Plus, magnitude});
}

void addConstant(std::vector<SignedTerm>& terms, const Number& c) {
    if (!c.isZero()) terms.push_back({c.sign() < 0 ? Sign::Minus : Sign::Plus, value(abs(c))});
}

Math sumOrZero(std::vector<SignedTerm> terms) {
    return terms.empty() ? value(0) : sum(std::move(terms));
}

Isolated isolate(Solution& sol, const Oriented& e) {
    const Isolated i{-e.p() / e.q(), -e.c() / e.q()};
    const Math w = e.w(), v = e.v();
    sol.add(StepKind::IsolateUnknown, {slot("line", symbol(e.name)), slot("v", v)})
        .line(Equivalences(*e.equation)
                  .then(equation(times(e.q(), v), linearCombination({{-e.p(), w}}, -e.c())))
                  .then(equation(v, linearCombination({{i.m, w}}, i.k))));
    return i;
}

Math distanceName(const std::string& point, const std::string& line) {
    return function("d", {symbol(point), symbol(line)});
}

Number distanceToLine(Solution& sol, const std::string& pointName, const Point& p,
                      const std::string& lineName, const std::string& subscript, const Line& l,
                      const std::vector<Math>& names, const DistanceResult& end) {
    const Math& name = names.front();
    const Math a = coefficient('a', subscript), b = coefficient('b', subscript),
               c = coefficient('c', subscript);
    Chain formula(name);
    for (std::size_t i = 1; i < names.size(); ++i)
        formula.equals(names[i]);
    sol.add(StepKind::DistanceToLineFormula)
        .line(formula.equals(fraction(absolute(sum({{Sign::Plus, product({a, x(pointName)})},
                                                    {Sign::Plus, product({b, y(pointName)})},
                                                    {Sign::Plus, c}})),
                                      root(plus(squared(a), squared(b))))));
    std::vector<SignedTerm> squares;
    for (const Number* k : {&l.a, &l.b})
        if (!k->isZero()) squares.push_back({Sign::Plus, squared(value(*k))});
    sol.add(StepKind::SubstitutePointAndLine,
            {pointSlot(pointName, p), slot("line", symbol(lineName))})
        .line(Chain(name).equals(
            fraction(absolute(linearCombination({{l.a, value(p.x)}, {l.b, value(p.y)}}, l.c)),
                     root(sum(std::move(squares))))));
    const Number numerator = l.a * p.x + l.b * p.y + l.c;
    const Number squaresSum = square(l.a) + square(l.b);
    const Number norm = sqrt(squaresSum);
    const Number d = abs(numerator) / norm;
    const bool rationalises = !numerator.isZero() && norm.isExact() && !norm.isRational();
    sol.add(rationalises ? StepKind::DistanceToLineRationalise : StepKind::DistanceToLineCompute)
        .line(Chain(name)
                  .equals(fraction(absolute(value(numerator)), root(value(squaresSum))))
                  .equals(fraction(value(abs(numerator)), value(norm)))
                  .endsWith(d));
    for (const Math& n : names)
        sol.environment.bind(n, d.toDouble());
    sol.add(d.isZero() ? end.zero : end.result, {slot("d", withDecimal(d))})
        .figure(Figure::point(p, pointName))
        .figure(Figure::line(l, lineName));
    if (!end.label.empty()) sol.answer.add(end.label, d);
    return d;
}

} // namespace exact::kit
