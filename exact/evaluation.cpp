#include "evaluation.h"

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

Exact intQuotient(const Exact& a, const Exact& b) {
    if (!a || !b || !a->isRational() || !b->isRational()) return std::nullopt;
    const mpz_class dividend = roundedOperand(*a);
    const mpz_class divisor = roundedOperand(*b);
    if (divisor == 0) Fault::raise(Fault::DivisionByZero);
    const mpz_class quotient = dividend / divisor; // truncated towards zero
    if (quotient > INT_MAX) Fault::raise(Fault::Overflow);
    return Number(quotient);
}

Exact power(const Exact& base, const Exact& exponent) {
    if (!base || !exponent || !exponent->isInteger()) return std::nullopt;
    const mpz_class& k = exponent->rational().get_num();
    if (abs(k) > kMaxExponent) return std::nullopt;
    const Number p = pow(*base, k.get_si());
    return p.isExact() ? Exact(p) : std::nullopt;
}

Exact call(std::uint8_t function, const Exact& a) {
    if (!a) return std::nullopt;
    const std::string_view head = interp::functionByNumber(function).head;
    if (head == "abs(") return abs(*a);
    if (head != "sqr(") return std::nullopt;
    const Number r = sqrt(*a);
    return r.isExact() ? Exact(r) : std::nullopt;
}

Exact arithmetic(OpCode code, const Exact& a, const Exact& b) {
    if (!a || !b) return std::nullopt;
    switch (code) {
    case OpCode::Add:
        return *a + *b;
    case OpCode::Subtract:
        return *a - *b;
    case OpCode::Multiply:
        return *a * *b;
    default:
        return *a / *b;
    }
}

/// Keeps only exact results: a value that passed the size limits is not one.
Exact exactOnly(Exact v) {
    return v && v->isExact() ? v : std::nullopt;
}

/// The walk's steps run over exact values, one register per slot, name
/// and constant, as the interpreter runs them over doubles.
class ExactRun {
public:
    ExactRun(const interp::Listing& listing, const std::vector<Exact>& constants,
             const Variables& variables)
        : m_listing(listing)
        , m_registers(listing.constantBase)
        , m_constants(constants) {
        bindNames(variables);
    }

    Exact run() {
        for (const interp::Op& op : m_listing.steps) {
            if (op.code == OpCode::Result) return reg(op.a);
            if (op.code != OpCode::CheckVariable) m_registers.at(op.dst) = exactOnly(step(op));
        }
        interp::raise(Fault::InvalidExpression); // every program ends with Result or a fault
    }

private:
    /// A slot, a variable, or a constant (read where it is kept, not copied).
    const Exact& reg(std::uint32_t i) const {
        return i < m_listing.constantBase ? m_registers[i]
                                          : m_constants[i - m_listing.constantBase];
    }

    Exact step(const interp::Op& op) const {
        const Exact& a = reg(op.a);
        const Exact& b = reg(op.b);
        switch (op.code) {
        case OpCode::Negate:
            return a ? Exact(-*a) : std::nullopt;
        case OpCode::Add:
        case OpCode::Subtract:
        case OpCode::Multiply:
        case OpCode::Divide:
            return arithmetic(op.code, a, b);
        case OpCode::Square:
            return a ? Exact(square(*a)) : std::nullopt;
        case OpCode::IntQuotient:
            return intQuotient(a, b);
        case OpCode::Power:
            return power(a, b);
        case OpCode::Call:
            return call(op.function, a);
        default: // "%", rnd, and what the interpreter raises before reaching it
            return std::nullopt;
        }
    }

    void bindNames(const Variables& variables) {
        for (std::size_t i = 0; i < m_listing.names.size(); ++i) {
            const auto it =
                std::find_if(variables.rbegin(), variables.rend(), [&](const Variable& v) {
                    return interp::lowerCase(v.name) == m_listing.names[i];
                });
            if (it != variables.rend() && it->value.isExact())
                m_registers[m_listing.variableBase + i] = it->value;
        }
    }

    const interp::Listing& m_listing;
    std::vector<Exact> m_registers; ///< slots and variables
    const std::vector<Exact>& m_constants;
};

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
        const Exact v = ExactRun(d->program->listing(), d->constants, variables).run();
        return v ? *v : Number::approximate(approximateValue);
    } catch (const NumberedError& fault) {
        throw interp::translate(interp::EvalFault{fault.number(), {}});
    } catch (const interp::EvalFault& fault) {
        throw interp::translate(fault);
    }
}

Number readField(std::string_view text) {
    return Expression(text).evaluate({{"x", 0}});
}

} // namespace exact
