#pragma once

#include "faults.h"

#include <cmath>
#include <cstdint>

/// Elementary arithmetic that fails the way the interpreter's arithmetic
/// must: a result too large for a double raises 6, a zero divisor raises 11
/// (0/0 included), a square root or logarithm outside its domain and a
/// negative base under a fractional exponent raise 5. Operands are always
/// finite, so every result is finite or a fault.
namespace interp::checked {

inline double finite(double result) {
    if (!std::isfinite(result)) [[unlikely]]
        raise(Fault::Overflow);
    return result;
}

inline double add(double a, double b) {
    return finite(a + b);
}
inline double sub(double a, double b) {
    return finite(a - b);
}
inline double mul(double a, double b) {
    return finite(a * b);
}

inline double div(double a, double b) {
    if (b == 0) [[unlikely]]
        raise(Fault::DivisionByZero);
    return finite(a / b);
}

/// a raised to b: 5 for a negative base with a fractional exponent, 11 for
/// zero raised to a negative exponent (a reciprocal of zero).
double power(double a, double b);

inline double root(double a) {
    if (a < 0) [[unlikely]]
        raise(Fault::InvalidArgument);
    return std::sqrt(a);
}

/// Natural logarithm; 5 for zero and negative numbers.
inline double ln(double a) {
    if (a <= 0) [[unlikely]]
        raise(Fault::InvalidArgument);
    return std::log(a);
}

inline double expo(double a) {
    return finite(std::exp(a));
}

/// Rounds to a 32-bit integer, exact halves to even; 6 when out of range.
std::int32_t toInt32(double a);
/// The "\" operator: both operands rounded, quotient truncated towards zero.
double intQuotient(double a, double b);
/// The "%" operator and mod(: both operands rounded, remainder with the sign of a.
double intRemainder(double a, double b);

} // namespace interp::checked
