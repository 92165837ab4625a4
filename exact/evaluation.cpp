#include "evaluation.h"

#include "budget.h"
#include "faults.h"
#include "numbered_error.h"
#include "program.h"
#include "terms.h"
#include "text.h"
#include "tokens.h"

#include <algorithm>
#include <climits>
#include <new>
#include <optional>

namespace exact {

namespace {

using interp::OpCode;
using Exact = std::optional<Number>; ///< nothing: the value is not exact

/// The largest whole exponent kept exact; larger ones overflow a double anyway.
constexpr long kMaxExponent = 1L << 20;

/// The integer an operand of "\" rounds to, within 32 bits (halves to even).
mpz_class roundedOperand(const Number& n) {
    const mpz_class k = terms::nearestInteger(n.rational());
    if (k < INT_MIN || k > INT_MAX) Fault::raise(Fault::Overflow);
    return k;
}

Exact intQuotientOf(const Exact& a, const Exact& b) {
    if (!a || !b || !a->isRational() || !b->isRational()) return std::nullopt;
    const mpz_class dividend = roundedOperand(*a);
    const mpz_class divisor = roundedOperand(*b);
    if (divisor == 0) Fault::raise(Fault::DivisionByZero);
    const mpz_class quotient = dividend / divisor; // truncated towards zero
    if (quotient > INT_MAX) Fault::raise(Fault::Overflow);
    return Number(quotient);
}

Exact powerOf(const Exact& base, const Exact& exponent) {
    if (!base || !exponent || !exponent->isInteger()) return std::nullopt;
    const mpz_class& k = exponent->rational().get_num();
    if (abs(k) > kMaxExponent) return std::nullopt;
    const Number p = pow(*base, k.get_si());
    return p.isExact() ? Exact(p) : std::nullopt;
}

Exact callOf(std::uint8_t function, const Exact& a) {
    if (!a) return std::nullopt;
    const std::string_view head = interp::functionByNumber(function).head;
    if (head == "abs(") return abs(*a);
    if (head != "sqr(") return std::nullopt;
    const Number r = sqrt(*a);
    return r.isExact() ? Exact(r) : std::nullopt;
}

/// + − × ÷ of two values of an arithmetic, nothing when either is nothing;
/// the product and the quotient as the arithmetic takes them.
template <typename T, typename Product, typename Quotient>
std::optional<T> binaryOf(OpCode code, const std::optional<T>& a, const std::optional<T>& b,
                          Product product, Quotient quotient) {
    if (!a || !b) return std::nullopt;
    switch (code) {
    case OpCode::Add:
        return *a + *b;
    case OpCode::Subtract:
        return *a - *b;
    case OpCode::Multiply:
        return product(*a, *b);
    default:
        return quotient(*a, *b);
    }
}

Exact arithmetic(OpCode code, const Exact& a, const Exact& b) {
    return binaryOf(
        code, a, b, [](const Number& x, const Number& y) -> Exact { return x * y; },
        [](const Number& x, const Number& y) -> Exact { return x / y; });
}

/// Keeps only exact results: a value that passed the size limits is not one.
Exact exactOnly(Exact v) {
    return v && v->isExact() ? v : std::nullopt;
}

/// The arithmetic of exact values, as the walk runs it: nothing for a value
/// that is not exact.
struct Exacts {
    using Value = Exact;
    static Exact negate(const Exact& a) { return a ? Exact(-*a) : std::nullopt; }
    static Exact binary(OpCode code, const Exact& a, const Exact& b) {
        return exactOnly(arithmetic(code, a, b));
    }
    static Exact square(const Exact& a) { return a ? exactOnly(exact::square(*a)) : std::nullopt; }
    static Exact intQuotient(const Exact& a, const Exact& b) {
        return exactOnly(intQuotientOf(a, b));
    }
    static Exact power(const Exact& a, const Exact& b) { return powerOf(a, b); }
    static Exact call(std::uint8_t f, const Exact& a) { return exactOnly(callOf(f, a)); }
};

/// The walk's steps run over the values of an arithmetic, one register per
/// slot, name and constant, as the interpreter runs them over doubles.
template <typename Arithmetic>
class Run {
public:
    using Value = typename Arithmetic::Value;

    Run(const interp::Listing& listing, const std::vector<Value>& constants,
        const std::vector<std::pair<std::string, Value>>& names)
        : m_listing(listing)
        , m_registers(listing.constantBase)
        , m_constants(constants) {
        bindNames(names);
    }

    Value run() {
        for (const interp::Op& op : m_listing.steps) {
            if (op.code == OpCode::Result) return reg(op.a);
            if (op.code != OpCode::CheckVariable) m_registers.at(op.dst) = step(op);
        }
        interp::raise(Fault::InvalidExpression); // every program ends with Result or a fault
    }

private:
    /// A slot, a variable, or a constant (read where it is kept, not copied).
    const Value& reg(std::uint32_t i) const {
        return i < m_listing.constantBase ? m_registers[i]
                                          : m_constants[i - m_listing.constantBase];
    }

    Value step(const interp::Op& op) const {
        const Value& a = reg(op.a);
        const Value& b = reg(op.b);
        switch (op.code) {
        case OpCode::Negate:
            return Arithmetic::negate(a);
        case OpCode::Add:
        case OpCode::Subtract:
        case OpCode::Multiply:
        case OpCode::Divide:
            return Arithmetic::binary(op.code, a, b);
        case OpCode::Square:
            return Arithmetic::square(a);
        case OpCode::IntQuotient:
            return Arithmetic::intQuotient(a, b);
        case OpCode::Power:
            return Arithmetic::power(a, b);
        case OpCode::Call:
            return Arithmetic::call(op.function, a);
        default: // "%", rnd, and what the interpreter raises before reaching it
            return std::nullopt;
        }
    }

    void bindNames(const std::vector<std::pair<std::string, Value>>& names) {
        for (std::size_t i = 0; i < m_listing.names.size(); ++i) {
            const auto it = std::find_if(names.rbegin(), names.rend(), [&](const auto& v) {
                return interp::lowerCase(v.first) == m_listing.names[i];
            });
            if (it != names.rend()) m_registers[m_listing.variableBase + i] = it->second;
        }
    }

    const interp::Listing& m_listing;
    std::vector<Value> m_registers; ///< slots and variables
    const std::vector<Value>& m_constants;
};

/// The exact values given to the names: approximate ones are not exact.
std::vector<std::pair<std::string, Exact>> exactNames(const Variables& variables) {
    std::vector<std::pair<std::string, Exact>> names;
    for (const Variable& v : variables)
        names.emplace_back(v.name, v.value.isExact() ? Exact(v.value) : std::nullopt);
    return names;
}

// --- polynomials in x and y

using MaybePolynomial = std::optional<Polynomial>;

/// The value of a polynomial that is a constant.
std::optional<Number> constantOf(const MaybePolynomial& p) {
    if (!p || !p->isConstant()) return std::nullopt;
    return p->coefficient(0, 0);
}

/// The arithmetic of polynomials, as the walk runs it: nothing for what is
/// not a polynomial.
struct Polynomials {
    using Value = MaybePolynomial;
    static Value negate(const Value& a) { return a ? Value(-*a) : std::nullopt; }
    static Value binary(OpCode code, const Value& a, const Value& b) {
        return binaryOf(code, a, b, product, quotient);
    }
    static Value product(const Polynomial& a, const Polynomial& b) {
        if (a.degree() + b.degree() > Expression::kMaxDegree ||
            !WorkBudget::spend(400 * a.terms().size() * b.terms().size()))
            return std::nullopt;
        return a * b;
    }
    /// A division by a constant only: not by x or y.
    static Value quotient(const Polynomial& a, const Polynomial& b) {
        if (!b.isConstant()) return std::nullopt;
        const Number divisor = b.coefficient(0, 0);
        if (divisor.isZero()) Fault::raise(Fault::DivisionByZero);
        return a * Polynomial(Number(1) / divisor);
    }
    static Value square(const Value& a) { return binary(OpCode::Multiply, a, a); }
    static Value intQuotient(const Value& a, const Value& b) {
        return constant(intQuotientOf(constantOf(a), constantOf(b)));
    }
    static Value power(const Value& a, const Value& b) {
        const std::optional<Number> k = constantOf(b);
        if (!a || !k || !k->isInteger()) return std::nullopt;
        if (a->isConstant()) return constant(powerOf(constantOf(a), k));
        if (k->sign() < 0 || k->rational() > Expression::kMaxDegree) return std::nullopt;
        Value p = Polynomial(Number(1));
        for (long i = k->rational().get_num().get_si(); p && i > 0; --i)
            p = binary(OpCode::Multiply, p, a);
        return p;
    }
    static Value call(std::uint8_t f, const Value& a) { return constant(callOf(f, constantOf(a))); }
    static Value constant(const std::optional<Number>& n) {
        return n ? Value(Polynomial(*n)) : std::nullopt;
    }
};

/// The constants of a program as polynomials: pi and e approximate.
std::vector<MaybePolynomial> polynomialConstants(const interp::Listing& listing,
                                                 const std::vector<Exact>& exacts) {
    std::vector<MaybePolynomial> constants(exacts.size());
    for (std::size_t i = 0; i < exacts.size(); ++i) {
        const std::string& text = listing.constantTexts[i];
        if (exacts[i])
            constants[i] = Polynomial(*exacts[i]);
        else if (text == "pi")
            constants[i] = Polynomial(Number::approximate(3.14159265358979323846));
        else if (text == "e")
            constants[i] = Polynomial(Number::approximate(2.71828182845904523536));
    }
    return constants;
}

/// The exact values of the constants: the literals as typed ("" is the 0
/// of "()"); pi and e are not exact.
std::vector<Exact> constantsOf(const interp::Listing& listing) {
    std::vector<Exact> constants(listing.constantTexts.size());
    for (std::size_t i = 0; i < constants.size(); ++i) {
        Number n;
        const std::string& text = listing.constantTexts[i];
        if (text.empty() || Number::fromDecimal(text, n)) constants[i] = n;
    }
    return constants;
}

} // namespace

struct Expression::Impl {
    interp::TokenList tokens;
    std::optional<interp::Program> program; ///< none when the text does not parse
    std::optional<interp::EvalFault> parseFault;
    std::vector<Exact> constants;
    interp::VariableTable table; ///< the doubles of the variables, kept between evaluations
};

Expression::Expression(std::string_view text)
    : d(std::make_unique<Impl>()) {
    try {
        interp::parse(interp::lowerCase(text), d->tokens);
        d->program.emplace(d->tokens, false, interp::Folding::Keep);
        d->constants = constantsOf(d->program->listing());
    } catch (const interp::EvalFault& fault) {
        d->parseFault = fault;
    }
}

Expression::~Expression() = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;

double Expression::approximate(const Variables& variables) {
    try {
        if (d->parseFault) throw *d->parseFault;
        for (const Variable& v : variables)
            d->table.set(v.name, v.value.toDouble());
        return d->program->run(d->table, false);
    } catch (const interp::EvalFault& fault) {
        throw interp::translate(fault);
    } catch (const std::bad_alloc&) {
        throw interp::translate(interp::EvalFault{7, {}}); // out of memory
    }
}

Number Expression::evaluate(const Variables& variables) {
    const double approximateValue = approximate(variables);
    try {
        const Exact v =
            Run<Exacts>(d->program->listing(), d->constants, exactNames(variables)).run();
        return v ? *v : Number::approximate(approximateValue);
    } catch (const NumberedError& fault) {
        throw interp::translate(interp::EvalFault{fault.number(), {}});
    } catch (const interp::EvalFault& fault) {
        throw interp::translate(fault);
    }
}

std::optional<Polynomial> Expression::expand() {
    // The interpreter's own run raises the text's faults, at a point no
    // pupil types: what divides by zero there is no polynomial anyway.
    approximate({{"x", Number::fraction(7919, 10007)}, {"y", Number::fraction(6007, 9973)}});
    const interp::Listing listing = d->program->listing();
    try {
        const std::vector<MaybePolynomial> constants = polynomialConstants(listing, d->constants);
        return Run<Polynomials>(
                   listing, constants,
                   {{"x", Polynomial::variable({1, 0})}, {"y", Polynomial::variable({0, 1})}})
            .run();
    } catch (const NumberedError& fault) {
        throw interp::translate(interp::EvalFault{fault.number(), {}});
    } catch (const interp::EvalFault& fault) {
        throw interp::translate(fault);
    }
}

Polynomial::Polynomial(const Number& constant) {
    add({0, 0}, constant);
}

Polynomial Polynomial::variable(Monomial power) {
    Polynomial p;
    p.m_terms.emplace(power, Number(1));
    return p;
}

Number Polynomial::coefficient(int i, int j) const {
    const auto it = m_terms.find({i, j});
    return it == m_terms.end() ? Number() : it->second;
}

int Polynomial::degree() const {
    int d = -1;
    for (const auto& [m, c] : m_terms)
        d = std::max(d, m.first + m.second);
    return d;
}

void Polynomial::add(Monomial m, const Number& c) {
    const auto [it, fresh] = m_terms.try_emplace(m, c);
    if (!fresh) it->second += c;
    if (it->second.isZero()) m_terms.erase(it);
}

Polynomial Polynomial::operator-() const {
    Polynomial p = *this;
    for (auto& [m, c] : p.m_terms)
        c = -c;
    return p;
}

Polynomial operator+(const Polynomial& a, const Polynomial& b) {
    Polynomial p = a;
    for (const auto& [m, c] : b.m_terms)
        p.add(m, c);
    return p;
}

Polynomial operator-(const Polynomial& a, const Polynomial& b) {
    return a + -b;
}

Polynomial operator*(const Polynomial& a, const Polynomial& b) {
    Polynomial p;
    for (const auto& [m, c] : a.m_terms)
        for (const auto& [n, k] : b.m_terms)
            p.add({m.first + n.first, m.second + n.second}, c * k);
    return p;
}

Number readField(std::string_view text) {
    return Expression(text).evaluate({{"x", 0}});
}

} // namespace exact
