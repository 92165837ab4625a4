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

/// √(p/q) = √p/√q, then each root simplified: the quotient as it is when
/// the denominator's root is whole (√89/2), rationalised when it is not
/// (√(9/8) = 3/(2√2) = 3√2/4).
void rootOfQuotient(Solution& solution, const Number& radicand, const Number& root) {
    const mpq_class& q = radicand.rational();
    const Number top(q.get_num()), bottom(q.get_den());
    const Number rootOfBottom = sqrt(bottom);
    Chain chain(exact::root(value(radicand)));
    chain.equals(fraction(exact::root(value(top)), exact::root(value(bottom))))
        .equals(fraction(value(sqrt(top)), value(rootOfBottom)))
        .equals(value(root));
    solution
        .add(rootOfBottom.isRational() ? StepKind::RadicalQuotient : StepKind::RadicalRationalise)
        .line(chain);
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

Solution titledWithPoints(TitleKind kind, const std::vector<NamedPoint>& points,
                          std::vector<Slot> more) {
    std::vector<Slot> values;
    for (const NamedPoint& p : points)
        values.push_back(pointSlot(p.name, p.point));
    values.insert(values.end(), std::make_move_iterator(more.begin()),
                  std::make_move_iterator(more.end()));
    Solution s = titled(kind, std::move(values));
    for (const NamedPoint& p : points)
        bindPoint(s.environment, p.name, p.point);
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

bool readable(const Number& v) {
    return !v.isExact() || v.terms().size() <= 2;
}

Math pointWithDecimals(const Point& p, const std::string& name) {
    if (p.x.isApproximate() || p.y.isApproximate())
        return point(decimalValue(p.x), decimalValue(p.y), name);
    if (!readable(p.x) || !readable(p.y))
        return Chain(symbol(name)).then(Rel::Approx, point(decimalValue(p.x), decimalValue(p.y)));
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
                      {slot("square", equation(value(radicand), squared(value(root))))}, radicand,
                      root);
    } else if (radicand.isInteger() && root.isExact()) {
        takeOutSquare(solution, radicand, root);
    } else if (radicand.isRational() && root.isExact()) {
        rootOfQuotient(solution, radicand, root);
    } else if (root.isExact()) {
        perfectSquare(solution, StepKind::RadicalDenest, {slot("r", value(root))}, radicand, root);
    } else {
        solution.add(radicand.isRational() ? StepKind::RadicalLarge : StepKind::RadicalApproximate)
            .line(Chain(exact::root(value(radicand))).then(Rel::Approx, decimalValue(root)));
    }
    return root;
}

Math radiusLine(const Number& squareOfRadius) {
    return Chain(symbol("r")).equals(root(value(squareOfRadius))).endsWith(sqrt(squareOfRadius));
}

Step& scalingStep(Solution& solution, const Number& k) {
    return dividesBy(k) ? solution.add(StepKind::DivideEquation, {slot("k", value(1 / k))})
                        : solution.add(StepKind::MultiplyEquation, {slot("k", value(k))});
}

Line tidyLineEquation(Solution& solution, const Line& found, Math* equation, bool shown) {
    const Line n = normaliseLineEquation(solution, found, equation, shown);
    reducedLineEquation(solution, n);
    return n;
}

Line normaliseLineEquation(Solution& solution, const Line& found, Math* equation, bool shown) {
    const Number k = normalisingFactor(found);
    if (k == 1) return found;
    const Line n = scaled(found, k);
    const Math written = generalEquation(n);
    scalingStep(solution, k)
        .line(shown ? written : Equivalences(generalEquation(found)).then(written).operator Math());
    if (equation) *equation = written;
    return n;
}

void reducedLineEquation(Solution& solution, const Line& n) {
    const Math reduced = *reducedEquation(n);
    Equivalences chain(generalEquation(n));
    if (n.b.isZero()) {
        solution.add(StepKind::VerticalLine, {slot("equation", reduced)})
            .line(chain.then(equation(coefficientTimes(n.a, x()), value(-n.c))).then(reduced));
        return;
    }
    solution.add(StepKind::ReducedEquation)
        .line(
            chain.then(equation(coefficientTimes(n.b, y()), linearCombination({{-n.a, x()}}, -n.c)))
                .then(reduced));
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
    if (!sameWriting(next, m_last)) m_chain.then(Rel::Equivalent, next);
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

Math givenEquation(const GivenLine& g) {
    if (std::optional<Math> typed = typedEquation(g)) return *typed;
    const Line l = withoutResidue(g.line);
    // A line parallel to an axis given as x = k or y = k is written so.
    if (l.b.isZero() && l.a == 1) return equation(x(), value(-l.c));
    if (l.a.isZero() && l.b == 1) return equation(y(), value(-l.c));
    if (!l.isDegenerate()) return generalEquation(l);
    return equation(sum({{Sign::Plus, product({value(0), x()})},
                         {Sign::Plus, product({value(0), y()})},
                         {l.c.sign() < 0 ? Sign::Minus : Sign::Plus, value(abs(l.c))}}),
                    value(0));
}

Slot lineSlot(const std::string& name, const GivenLine& l) {
    return slot(name, givenEquation(l));
}

bool sameWriting(const Math& a, const Math& b) {
    return sameTree(a, b) || linearText(a, ".") == linearText(b, ".");
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
    return product({amount, symbol("°")});
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
    return row({product({amount(d), symbol("°")}), words(" "),
                product({amount(whole), symbol("′")}), words(" "),
                product({decimalValue(negative ? -seconds : seconds), symbol("″")})});
}

void bindAngleUnits(Environment& env) {
    env.bind(symbol("°"), 1);
    env.bind(symbol("′"), 1.0 / 60);
    env.bind(symbol("″"), 1.0 / 3600);
}

void stopOn(Solution& solution, const std::string& label, Verdict verdict) {
    solution.answer.add(label, verdict);
    solution.stopped = true;
}

Step& stopsWith(Solution& solution, StepKind kind, std::vector<Slot> values,
                const std::string& label, Verdict verdict) {
    Step& step = solution.add(kind, std::move(values));
    stopOn(solution, label, verdict);
    return step;
}

namespace {

/// Whether an equation is solved for y (y = …, no y on the right) or for x
/// (x = …, neither x nor y on the right).
bool mentions(const Math& m, const std::string& name) {
    if (m.kind() == Math::Kind::Symbol) return m.text() == name && m.subscript().empty();
    return std::any_of(m.children().begin(), m.children().end(),
                       [&](const Math& c) { return mentions(c, name); });
}

bool hasNumeral(const Math& m) {
    return m.kind() == Math::Kind::Numeral ||
           std::any_of(m.children().begin(), m.children().end(), hasNumeral);
}

bool isSolved(const Math& e) {
    if (e.kind() != Math::Kind::Chain || e.children().size() != 2) return false;
    const Math& lhs = e.children()[0];
    const Math& rhs = e.children()[1];
    if (lhs.kind() != Math::Kind::Symbol || !lhs.subscript().empty()) return false;
    if (lhs.text() == "y") return !mentions(rhs, "y");
    return lhs.text() == "x" && !mentions(rhs, "x") && !mentions(rhs, "y");
}

/// The step that writes a given line's equation in its general form.
void toGeneral(Solution& solution, const std::string& name, const Math& typed, const Line& read,
               const Line& n, const Number& k) {
    const Math moved = generalEquation(read), general = generalEquation(n);
    const bool asRead = sameWriting(typed, moved);
    const bool divides = dividesBy(k);
    StepKind kind;
    std::vector<Slot> values{slot("name", symbol(name))};
    if (asRead && k == -1) {
        kind = StepKind::LineChangeSign;
    } else if (asRead) {
        kind = divides ? StepKind::SimplifyLineDivide : StepKind::SimplifyLineMultiply;
        values.push_back(slot("k", value(divides ? 1 / k : k)));
    } else if (k == 1) {
        kind = StepKind::LineToGeneral;
    } else {
        kind = divides ? StepKind::LineToGeneralDivide : StepKind::LineToGeneralMultiply;
        values.push_back(slot("k", value(divides ? 1 / k : k)));
    }
    // Decimals typed go straight to whole coefficients, not by fractions.
    Equivalences chain(typed);
    if (!hasNumeral(typed)) chain.then(moved);
    solution.add(kind, std::move(values)).line(chain.then(general));
}

} // namespace

std::optional<WorkingLine> openGivenLine(Solution& s, const std::string& name,
                                         const GivenLine& given, const std::string& label,
                                         LineUse use) {
    const Line read = withoutResidue(given.line);
    const Math typed = givenEquation(given);
    if (read.isDegenerate()) {
        stopsWith(s, StepKind::NotALine, {slot("name", symbol(name)), slot("equation", typed)},
                  label, Verdict::NotALine);
        return std::nullopt;
    }
    const Number k = normalisingFactor(read);
    const Line n{read.a * k, read.b * k, read.c * k};
    if (use == LineUse::Solved && isSolved(typed)) return WorkingLine{read, n, typed, true};
    if (use == LineUse::Reduced && isSolved(typed)) {
        const Math reduced = *reducedEquation(n);
        if (!sameWriting(typed, reduced))
            s.add(StepKind::SimplifySolvedLine, {slot("name", symbol(name))})
                .line(Equivalences(typed).then(reduced));
        return WorkingLine{read, n, reduced, true};
    }
    const Math general = generalEquation(n);
    if (!sameWriting(typed, general)) toGeneral(s, name, typed, read, n, k);
    return WorkingLine{read, n, general, false};
}

Math slopeChain(Solution& s, const std::string& subscript, const std::string& p, const Point& a,
                const std::string& q, const Point& b, const Number& m) {
    const Math name = symbol("m", subscript);
    s.environment.bind(name, m.toDouble());
    return Chain(name)
        .equals(fraction(minus(y(q), y(p)), minus(x(q), x(p))))
        .equals(fraction(minus(value(b.y), value(a.y)), minus(value(b.x), value(a.x))))
        .equals(fraction(value(b.y - a.y), value(b.x - a.x)))
        .endsWith(m);
}

Number slopeOfSegment(Solution& s, const Point& a, const Point& b) {
    const Number m = (b.y - a.y) / (b.x - a.x);
    s.add(StepKind::SlopeOfSegment)
        .line(slopeChain(s, {}, "A", a, "B", b, m))
        .figure(Figure::segment(a, b));
    return m;
}

Line pointSlopeLine(Solution& solution, StepKind kind, const Point& p, const Number& m,
                    Math& general) {
    const Line found{-m, 1, m * p.x - p.y};
    const Math reduced = *reducedEquation(found);
    const auto shifted = [](const Math& v, const Number& k) {
        return k.isZero() ? v : minus(v, value(k));
    };
    solution.environment.bind(symbol("m"), m.toDouble());
    solution.add(kind).line(Equivalences(equation(shifted(y(), p.y), times(m, shifted(x(), p.x))))
                                .then(equation(linearCombination({{1, y()}}, -p.y),
                                               linearCombination({{m, x()}}, -m * p.x)))
                                .then(reduced));
    return generalFromReduced(solution, found, reduced, general);
}

namespace {

/// a·x + b·y, where a coefficient 0 leaves out its term (as the equation
/// written leaves it out) even when the coordinate is not exact: the line
/// x = −1/2 through (−1/2 , π) is exact.
Number valueAt(const Line& shape, const Point& p) {
    const auto term = [](const Number& c, const Number& v) {
        return c.isZero() ? Number(0) : c * v;
    };
    return term(shape.a, p.x) + term(shape.b, p.y);
}

} // namespace

Line familyThrough(Solution& s, StepKind family, const Line& shape, const Point& p,
                   const std::string& name, const std::string& subscript) {
    const Math k = symbol("k", subscript);
    const Number value0 = -valueAt(shape, p);
    s.environment.bind(k, value0.toDouble());
    const auto withK = [&](const Math& rest) {
        return equation(sum({{Sign::Plus, rest}, {Sign::Plus, k}}), value(0));
    };
    s.add(family,
          {slot("equation", withK(linearCombination({{shape.a, x()}, {shape.b, y()}}, 0)))});
    const Number known = valueAt(shape, p);
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
    if (!c.isZero()) addConstantTerms(terms, c);
}

Math sumOrZero(std::vector<SignedTerm> terms) {
    return terms.empty() ? value(0) : sum(std::move(terms));
}

Isolated isolate(Solution& sol, const Oriented& e) {
    const Isolated i{-e.p() / e.q(), -e.c() / e.q()};
    const Math w = e.w(), v = e.v();
    if (isSolvedFor(e)) return i; // as given: y = mx + k
    sol.add(StepKind::IsolateUnknown, {slot("line", symbol(e.name)), slot("v", v)})
        .line(Equivalences(*e.equation)
                  .then(equation(times(e.q(), v), linearCombination({{-e.p(), w}}, -e.c())))
                  .then(equation(v, linearCombination({{i.m, w}}, i.k))));
    return i;
}

bool isSolvedFor(const Oriented& e) {
    if (!isSolved(*e.equation) || e.q().isZero()) return false;
    const Math& lhs = e.equation->children()[0];
    return lhs.text() == (e.vIsY ? "y" : "x");
}

Math Oriented::replacement() const {
    if (isSolvedFor(*this)) return equation->children()[1];
    const Math m = linearCombination({{-p() / q(), w()}}, -c() / q());
    // One term with no sign is that term: 3, not the sum of 3 alone.
    return m.children().size() == 1 && m.signAt(0) == Sign::Plus ? m.children()[0] : m;
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
