#include "solutionkit.h"

namespace exact::kit {

namespace {

Math coefficientTimes(const Number& k, const Math& v) {
    return linearCombination({{k, v}}, 0);
}

/// √232 = √(2² × 58) = 2√58, from the root's single term s√f.
void takeOutSquare(Solution& solution, const Number& radicand, const Number& root) {
    const Term& t = root.terms().front();
    if (t.coefficient == 1) return; // already square-free
    const Math factored = product({squared(value(t.coefficient)), value(long(t.radicand))});
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
    std::vector<SignedTerm> terms{{Sign::Plus, squared(v)}};
    if (k.isZero()) return terms;
    const Number twice = 2 * k;
    terms.push_back({twice.sign() > 0 ? Sign::Minus : Sign::Plus, coefficientTimes(abs(twice), v)});
    terms.push_back({Sign::Plus, value(square(k))});
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
        solution.add(StepKind::RadicalApproximate)
            .line(Chain(exact::root(value(radicand))).then(Rel::Approx, decimalValue(root)));
    }
    return root;
}

Line tidyLineEquation(Solution& solution, const Line& found) {
    const Number k = normalisingFactor(found);
    const Line n{found.a * k, found.b * k, found.c * k};
    if (k != 1) {
        const bool divides =
            k.isRational() && mpz_class(k.rational().get_num()) == sgn(k.rational());
        Step& step = divides ? solution.add(StepKind::DivideEquation, {slot("k", value(1 / k))})
                             : solution.add(StepKind::MultiplyEquation, {slot("k", value(k))});
        step.line(generalEquation(n));
    }
    const Math reduced = *reducedEquation(n);
    if (n.b.isZero()) {
        solution.add(StepKind::VerticalLine, {slot("equation", reduced)}).line(reduced);
        return n;
    }
    Step& step = solution.add(StepKind::ReducedEquation);
    if (n.b != 1)
        step.line(equation(coefficientTimes(n.b, y()), linearCombination({{-n.a, x()}}, -n.c)));
    step.line(reduced);
    return n;
}

} // namespace exact::kit
