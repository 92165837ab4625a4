// The exact twins of the line and circle readers: the same rewriting and the
// same samples, with the values exact when the text is.

#include "decimal.h"
#include "evaluation.h"
#include "numbered_error.h"

#include <algorithm>
#include <initializer_list>

namespace exact {

namespace {

std::string withoutBlanks(std::string_view text) {
    std::string stripped(text);
    std::erase(stripped, ' ');
    return stripped;
}

bool containsAny(const std::string& text, std::initializer_list<const char*> parts) {
    return std::any_of(parts.begin(), parts.end(),
                       [&](const char* part) { return text.find(part) != std::string::npos; });
}

/// lhs-(rhs); an equation without "=" raises the invalid-argument fault.
std::string rewriteAsExpression(const std::string& equation) {
    const std::size_t p = equation.find('=');
    if (p == std::string::npos) Fault::raise(Fault::InvalidArgument);
    return equation.substr(0, p) + "-(" + equation.substr(p + 1) + ")";
}

/// The rewritten equation sampled at points: its value at the origin is the
/// constant term; every other sample is the value minus that term, exact
/// when both are, otherwise the double the program's reader computes (the
/// text minus the constant term written as a literal).
class Sampler {
public:
    explicit Sampler(const std::string& rewritten)
        : m_rewritten(rewritten)
        , m_expression(rewritten)
        , m_constant(m_expression.evaluate({{"x", 0}, {"y", 0}})) {}

    const Number& constant() const { return m_constant; }

    Number at(int x, int y) {
        m_point[0].value = x;
        m_point[1].value = y;
        const Number v = m_expression.evaluate(m_point);
        if (v.isExact() && m_constant.isExact()) return v - m_constant;
        return Number::approximate(withoutConstant().approximate(m_point));
    }

private:
    Expression& withoutConstant() {
        if (!m_withoutConstant)
            m_withoutConstant = std::make_unique<Expression>(
                m_rewritten + "-(" + decimal::expressionLiteral(m_constant.toDouble()) + ")");
        return *m_withoutConstant;
    }

    std::string m_rewritten;
    Expression m_expression;
    Number m_constant;
    std::unique_ptr<Expression> m_withoutConstant;
    Variables m_point{{"x", 0}, {"y", 0}}; ///< the point sampled
};

/// The coefficients of A x² + B y² + C xy + D x + E y + F = 0 from the samples.
Conic conicOf(Sampler& s) {
    const Number g01 = s.at(0, 1);
    const Number g10 = s.at(1, 0);
    const Number g11 = s.at(1, 1);
    const Number g21 = s.at(2, 1);
    const Number g12 = s.at(1, 2);
    return {((g01 - 2 * g11) + g21) / 2,
            ((g10 - 2 * g11) + g12) / 2,
            (-g01 - g10) + g11,
            (((-g01 + 2 * g10) + 2 * g11) - g21) / 2,
            (((2 * g01 - g10) + 2 * g11) - g12) / 2,
            s.constant()};
}

} // namespace

bool hasCircleShape(const Conic& q) {
    return q.C == 0 && q.A == q.B && q.A != 0;
}

LineReading readLine(std::string_view equation) {
    const std::string text = withoutBlanks(equation);
    if (containsAny(text, {">", "<", "^3", "^2"})) return {Refusal::NotALine, {}};
    Sampler sampler(rewriteAsExpression(text));
    const Number c = sampler.constant();
    const Number a = sampler.at(1, 0);
    const Number b = sampler.at(0, 1);
    return {Refusal::None, {a, b, c}};
}

CircleReading readCircle(std::string_view equation) {
    const std::string text = withoutBlanks(equation);
    if (containsAny(text, {">", "<", "^4", "^3"})) return {Refusal::NotACircle, {}, {}};
    Sampler sampler(rewriteAsExpression(text));
    const Conic q = conicOf(sampler);
    if (!hasCircleShape(q)) return {Refusal::NotACircle, {}, q};
    const Number d = q.D / q.A;
    const Number e = q.E / q.A;
    const Number f = q.F / q.A;
    const Number k = d * d + e * e - 4 * f;
    if (k.sign() < 0) return {Refusal::NotACircle, {}, q};
    if (k.isZero()) return {Refusal::APoint, {}, q};
    return {Refusal::None, {{-d / 2, -e / 2}, sqrt(k) / 2, k / 4}, q};
}

} // namespace exact
