#include "number.h"

#include "budget.h"
#include "numbered_error.h"
#include "real.h"
#include "terms.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

namespace exact {

using terms::TermList;

namespace {

std::size_t bitsOf(const mpq_class& q) {
    return mpz_sizeinbase(q.get_num_mpz_t(), 2) + mpz_sizeinbase(q.get_den_mpz_t(), 2);
}

bool withinLimits(const TermList& t) {
    return t.size() <= limits::kMaxTerms && std::all_of(t.begin(), t.end(), [](const Term& term) {
               return bitsOf(term.coefficient) <= limits::kMaxBits;
           });
}

mpq_class ratio(const mpz_class& numerator, const mpz_class& denominator) {
    mpq_class q(numerator, denominator);
    q.canonicalize();
    return q;
}

} // namespace

/// Builds Numbers from term lists, applying the limits and the work budget,
/// and deciding their signs.
class Terms {
public:
    /// The exact value of `t` with its sign (`knownSign` when the caller
    /// knows it); an approximate one past the limits, once the budget is
    /// spent, or when the budget cannot settle the sign.
    static Number make(TermList t, std::optional<int> knownSign = std::nullopt) {
        if (!withinLimits(t) || WorkBudget::spent()) return approximateOf(t);
        const std::optional<int> s = knownSign ? knownSign : terms::sign(t);
        if (!s) return approximateOf(t);
        Number n;
        n.m_terms = std::move(t);
        n.m_sign = static_cast<signed char>(*s);
        return n;
    }
    /// A rational result (or one scaled by a rational), counted as work.
    static Number make(Number n) {
        std::uint64_t words = 0;
        for (const Term& t : n.m_terms)
            words +=
                mpz_size(t.coefficient.get_num_mpz_t()) + mpz_size(t.coefficient.get_den_mpz_t());
        if (!withinLimits(n.m_terms) || !WorkBudget::spend(80 + 8 * words))
            return approximateOf(n.m_terms);
        return n;
    }
    /// Every coefficient times a rational.
    static Number scaled(Number n, const mpq_class& q) {
        if (sgn(q) == 0) return {};
        for (Term& t : n.m_terms)
            t.coefficient *= q;
        n.m_sign = static_cast<signed char>(n.m_sign * sgn(q));
        return n;
    }
    static Number rationalRoot(const mpq_class& q) {
        mpz_class s;
        std::uint64_t f = 1;
        if (!terms::splitSquare(q.get_num() * q.get_den(), s, f))
            return Number::approximate(std::sqrt(terms::toDouble(q)));
        return make({{ratio(s, q.get_den()), f}}, 1);
    }
    static std::optional<Number> denested(const Number& x);

private:
    static Number approximateOf(const TermList& t) {
        return Number::approximate(terms::toDouble(t));
    }
};

Number::Number(int value)
    : Number(static_cast<long>(value)) {}

Number::Number(long value)
    : m_sign(static_cast<signed char>((value > 0) - (value < 0))) {
    if (value != 0) m_terms.push_back({mpq_class(value), 1});
}

Number::Number(long long value) {
    if (value >= LONG_MIN && value <= LONG_MAX)
        *this = Number(static_cast<long>(value));
    else
        *this = Number(mpz_class(std::to_string(value)));
}

Number::Number(unsigned long value)
    : Number(bigInteger(value)) {}

Number::Number(unsigned long long value)
    : Number(bigInteger(value)) {}

Number::Number(const mpz_class& value)
    : Number(mpq_class(value)) {}

Number::Number(const mpq_class& value)
    : m_sign(static_cast<signed char>(sgn(value))) {
    if (m_sign != 0) m_terms.push_back({value, 1});
}

Number::Number(mpq_class&& value)
    : m_sign(static_cast<signed char>(sgn(value))) {
    if (m_sign != 0) m_terms.push_back({std::move(value), 1});
}

mpz_class bigInteger(std::uint64_t value) {
    mpz_class z;
    mpz_import(z.get_mpz_t(), 1, -1, sizeof value, 0, 0, &value);
    return z;
}

bool fitsIn64Bits(const mpz_class& value, std::uint64_t& out) {
    if (sgn(value) < 0 || mpz_sizeinbase(value.get_mpz_t(), 2) > 64) return false;
    out = 0;
    mpz_export(&out, nullptr, -1, sizeof out, 0, 0, value.get_mpz_t());
    return true;
}

Number Number::fraction(const mpz_class& numerator, const mpz_class& denominator) {
    if (sgn(denominator) == 0) Fault::raise(Fault::DivisionByZero);
    return Number(ratio(numerator, denominator));
}

bool Number::fromDecimal(std::string_view literal, Number& out) {
    const auto points = std::count(literal.begin(), literal.end(), '.');
    if (points > 1 || std::size_t(points) == literal.size()) return false;
    if (!std::all_of(literal.begin(), literal.end(),
                     [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
        return false;
    const std::size_t point = std::min(literal.find('.'), literal.size());
    std::string digits(literal.substr(0, point));
    if (point < literal.size()) digits += literal.substr(point + 1);
    const std::size_t decimals = literal.size() - std::min(literal.size(), point + 1);
    mpz_class denominator;
    mpz_ui_pow_ui(denominator.get_mpz_t(), 10, decimals);
    out = Number(ratio(mpz_class(digits.empty() ? "0" : digits, 10), denominator));
    return true;
}

Number Number::approximate(double value) {
    Number n;
    n.m_approximate = true;
    n.m_double = Real(value).value(); // raises 6 for inf and NaN
    n.m_sign = static_cast<signed char>((n.m_double > 0) - (n.m_double < 0));
    return n;
}

bool Number::isRational() const {
    return !m_approximate && (m_terms.empty() || (m_terms.size() == 1 && m_terms[0].radicand == 1));
}

bool Number::isInteger() const {
    return isRational() && (m_terms.empty() || m_terms[0].coefficient.get_den() == 1);
}

mpq_class Number::rationalPart() const {
    return !m_terms.empty() && m_terms[0].radicand == 1 ? m_terms[0].coefficient : mpq_class(0);
}

const mpq_class& Number::rational() const {
    static const mpq_class zero(0);
    return m_terms.empty() ? zero : m_terms[0].coefficient;
}

double Number::toDouble() const {
    if (m_approximate) return m_double;
    return Real(terms::toDouble(m_terms)).value(); // raises 6 when too large
}

Number Number::operator-() const {
    if (m_approximate) return approximate(-m_double);
    Number n = *this;
    n.m_terms = terms::negate(std::move(n.m_terms));
    n.m_sign = static_cast<signed char>(-n.m_sign);
    return n;
}

Number operator+(const Number& a, const Number& b) {
    if (a.m_approximate || b.m_approximate)
        return Number::approximate((Real(a.toDouble()) + Real(b.toDouble())).value());
    if (a.isRational() && b.isRational())
        return Terms::make(Number(mpq_class(a.rational() + b.rational())));
    // Two values of one sign have that sign; otherwise it is decided.
    std::optional<int> sign;
    if (a.m_sign * b.m_sign >= 0) sign = a.m_sign != 0 ? a.m_sign : b.m_sign;
    return Terms::make(terms::add(a.m_terms, b.m_terms), sign);
}

Number operator-(const Number& a, const Number& b) {
    if (a.isRational() && b.isRational())
        return Terms::make(Number(mpq_class(a.rational() - b.rational())));
    return a + (-b);
}

Number operator*(const Number& a, const Number& b) {
    if (!a.m_approximate && !b.m_approximate && (a.isRational() || b.isRational())) {
        const bool scaleB = a.isRational();
        return Terms::make(Terms::scaled(scaleB ? b : a, scaleB ? a.rational() : b.rational()));
    }
    if (!a.m_approximate && !b.m_approximate) {
        if (auto product = terms::multiply(a.m_terms, b.m_terms, limits::kMaxRadicand))
            return Terms::make(std::move(*product), a.m_sign * b.m_sign);
    }
    return Number::approximate((Real(a.toDouble()) * Real(b.toDouble())).value());
}

Number operator/(const Number& a, const Number& b) {
    if (b.isZero()) Fault::raise(Fault::DivisionByZero);
    if (!a.m_approximate && b.isRational()) return a * Number(mpq_class(1 / b.rational()));
    if (!a.m_approximate && !b.m_approximate) {
        if (auto reciprocal = terms::inverse(b.m_terms, limits::kMaxRadicand))
            return a * Terms::make(std::move(*reciprocal), b.m_sign);
    }
    return Number::approximate((Real(a.toDouble()) / Real(b.toDouble())).value());
}

bool operator==(const Number& a, const Number& b) {
    if (!a.m_approximate && !b.m_approximate) return a.m_terms == b.m_terms;
    return a.toDouble() == b.toDouble();
}

/// √(a + b√n) = √p + √q when a² − b²n is the square of a rational c, with
/// p = (a + c)/2 and q = (a − c)/2 (the sign of √q that of b).
std::optional<Number> Terms::denested(const Number& x) {
    const TermList& t = x.m_terms;
    if (t.size() != 2 || t[0].radicand != 1) return std::nullopt;
    const mpq_class& a = t[0].coefficient;
    const mpq_class& b = t[1].coefficient;
    const mpq_class c2 = a * a - b * b * t[1].radicand;
    if (sgn(c2) < 0 || !mpz_perfect_square_p(c2.get_num_mpz_t()) ||
        !mpz_perfect_square_p(c2.get_den_mpz_t()))
        return std::nullopt;
    const mpq_class c = ratio(sqrt(c2.get_num()), sqrt(c2.get_den()));
    const Number p = rationalRoot((a + c) / 2);
    const Number q = rationalRoot((a - c) / 2);
    return sgn(b) > 0 ? p + q : p - q;
}

Number sqrt(const Number& x) {
    if (x.isApproximate()) return Number::approximate(sqrt(Real(x.toDouble())).value());
    const int s = x.sign();
    if (s < 0) Fault::raise(Fault::InvalidArgument);
    if (s == 0) return {};
    if (x.isRational()) return Terms::rationalRoot(x.rational());
    if (auto root = Terms::denested(x)) return *root;
    return Number::approximate(std::sqrt(x.toDouble()));
}

Number abs(const Number& x) {
    return x.sign() < 0 ? -x : x;
}

Number square(const Number& x) {
    return x * x;
}

namespace {

Number approximatePower(double x, long exponent) {
    if (x == 0 && exponent < 0) Fault::raise(Fault::DivisionByZero);
    return Number::approximate(std::pow(x, double(exponent)));
}

Number rationalPower(const mpq_class& q, unsigned long exponent) {
    mpz_class numerator;
    mpz_class denominator;
    mpz_pow_ui(numerator.get_mpz_t(), q.get_num_mpz_t(), exponent);
    mpz_pow_ui(denominator.get_mpz_t(), q.get_den_mpz_t(), exponent);
    return Number(mpq_class(numerator, denominator)); // already in lowest terms
}

} // namespace

Number pow(const Number& x, long exponent) {
    if (exponent == 0) return 1;
    if (x.isApproximate()) return approximatePower(x.toDouble(), exponent);
    if (x.isZero()) {
        if (exponent < 0) Fault::raise(Fault::DivisionByZero);
        return {};
    }
    if (exponent < 0) {
        if (exponent < -long(limits::kMaxBits)) return approximatePower(x.toDouble(), exponent);
        return pow(Number(1) / x, -exponent);
    }
    if (x.isRational()) {
        const bool grows = x != 1 && x != -1;
        if (grows && double(bitsOf(x.rational())) * double(exponent) > limits::kMaxBits)
            return approximatePower(x.toDouble(), exponent);
        return rationalPower(x.rational(), static_cast<unsigned long>(exponent));
    }
    // Radicals: each product keeps to the limits, and becomes approximate past them.
    if (exponent > long(limits::kMaxBits)) return approximatePower(x.toDouble(), exponent);
    Number result = 1;
    Number base = x;
    for (unsigned long e = static_cast<unsigned long>(exponent); e != 0; e >>= 1) {
        if (e & 1) result *= base;
        if (e > 1) base *= base;
    }
    return result;
}

} // namespace exact
