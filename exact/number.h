#pragma once

#include <cstdint>
#include <gmpxx.h>
#include <string_view>
#include <vector>

namespace exact {

/// One term q·√n of an exact value: a rational coefficient and a square-free
/// radicand (1 for the rational part). A Number's radicands are 64-bit
/// integers; the decisions on exact values (exact::verdict) work with
/// radicands of any size.
template <typename Radicand>
struct BasicTerm {
    mpq_class coefficient;
    Radicand radicand = 1;
    friend bool operator==(const BasicTerm&, const BasicTerm&) = default;
};
using Term = BasicTerm<std::uint64_t>;

/// A 64-bit integer as GMP's integer, on any platform (GMP's own
/// conversions take an unsigned long, which has 32 bits on some).
mpz_class bigInteger(std::uint64_t value);
/// The value of a non-negative integer that fits in 64 bits; false otherwise.
bool fitsIn64Bits(const mpz_class& value, std::uint64_t& out);

/// A number of plane analytic geometry as a pupil writes it: a rational
/// combination of square roots of square-free integers, q0 + q1·√n1 + …, held
/// exactly; or, when a value leaves that set (π, a sine, the square root of a
/// sum of radicals that does not denest, a value past the size limits), an
/// approximate value: a double marked approximate, which everything computed
/// from it inherits.
///
/// Zero is structural: the roots of distinct square-free integers are
/// linearly independent over the rationals, so an exact value is zero exactly
/// when it has no terms. Signs and order are decided exactly.
///
/// Faults are those of the program's checked arithmetic (NumberedError, as
/// Real raises them): a division by zero raises 11, the square root of a
/// negative value 5, an approximate value too large for a double 6.
///
/// An exact value is never made from a double: exact values come from
/// integers, rationals and decimal texts.
class Number {
public:
    /// Zero.
    Number() = default;
    Number(int value); // NOLINT(google-explicit-constructor): integers are exact values.
    Number(long value);
    Number(long long value);
    Number(unsigned long value);
    Number(unsigned long long value);
    Number(const mpz_class& value);
    Number(const mpq_class& value);
    Number(mpq_class&& value);
    Number(double) = delete; ///< use approximate(): a double is not an exact value
    Number(float) = delete;

    /// numerator/denominator in lowest terms; raises 11 for a zero denominator.
    static Number fraction(const mpz_class& numerator, const mpz_class& denominator);
    /// The exact value of a decimal literal: digits with at most one point
    /// ("2.5" is 5/2, ".5" is 1/2, "5." is 5). Returns false for any other text.
    static bool fromDecimal(std::string_view literal, Number& out);
    /// A value known only as a decimal; raises 6 when it is not finite.
    static Number approximate(double value);

    bool isExact() const { return !m_approximate; }
    bool isApproximate() const { return m_approximate; }
    bool isZero() const { return m_approximate ? m_double == 0.0 : m_terms.empty(); }
    /// An exact rational (no radicals).
    bool isRational() const;
    /// An exact integer.
    bool isInteger() const;
    /// -1, 0 or 1, decided exactly for exact values. Every exact value has
    /// its sign decided when it is made: a sum of radicals whose sign the
    /// work budget cannot settle is made approximate instead.
    int sign() const { return m_sign; }

    /// The terms of an exact value, the rational part first, then the
    /// radicals by increasing radicand; no zero coefficient. Empty for zero
    /// and for approximate values.
    const std::vector<Term>& terms() const { return m_terms; }
    /// The rational part (q0) of an exact value.
    mpq_class rationalPart() const;
    /// The value of an exact rational; undefined for other values.
    const mpq_class& rational() const;

    /// The nearest double (correctly rounded for rationals); raises 6 when
    /// the value is too large for a double.
    double toDouble() const;

    Number operator-() const;
    friend Number operator+(const Number& a, const Number& b);
    friend Number operator-(const Number& a, const Number& b);
    friend Number operator*(const Number& a, const Number& b);
    /// Exact when the divisor is exact (a rational, or radicals rationalised
    /// by successive conjugates); raises 11 for a zero divisor.
    friend Number operator/(const Number& a, const Number& b);
    Number& operator+=(const Number& b) { return *this = *this + b; }
    Number& operator-=(const Number& b) { return *this = *this - b; }
    Number& operator*=(const Number& b) { return *this = *this * b; }
    Number& operator/=(const Number& b) { return *this = *this / b; }

    /// Equal values: structural for exact values, the doubles compared
    /// otherwise (as the forms compare them), with no tolerance.
    friend bool operator==(const Number& a, const Number& b);
    /// Order decided exactly for exact values.
    friend bool operator<(const Number& a, const Number& b) { return compare(a, b) < 0; }
    friend bool operator>(const Number& a, const Number& b) { return compare(a, b) > 0; }
    friend bool operator<=(const Number& a, const Number& b) { return compare(a, b) <= 0; }
    friend bool operator>=(const Number& a, const Number& b) { return compare(a, b) >= 0; }
    /// The sign of a - b.
    friend int compare(const Number& a, const Number& b) { return (a - b).sign(); }

private:
    friend class Terms;

    std::vector<Term> m_terms;
    bool m_approximate = false;
    signed char m_sign = 0;
    double m_double = 0.0; ///< the value of an approximate number
};

/// The square root: exact and simplified for a rational (√232 = 2√58,
/// √(9/8) = 3√2/4) and for a + b√n that denests into roots of rationals;
/// approximate otherwise. Raises 5 for a negative value.
Number sqrt(const Number& x);
Number abs(const Number& x);
/// x raised to a whole exponent; raises 11 for zero to a negative exponent.
Number pow(const Number& x, long exponent);
/// x·x.
Number square(const Number& x);

/// The limits past which an exact value is carried as an approximate one.
namespace limits {
inline constexpr std::uint64_t kMaxRadicand = 1000000000000ULL; ///< 10^12
inline constexpr std::size_t kMaxTerms = 32;
inline constexpr std::size_t kMaxBits = 8192; ///< numerator plus denominator, per term
} // namespace limits

} // namespace exact
