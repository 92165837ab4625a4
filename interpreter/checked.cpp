#include "checked.h"

#include <limits>

namespace interp::checked {

double power(double a, double b) {
    if (a < 0 && b != std::trunc(b)) raise(Fault::InvalidArgument);
    if (a == 0 && b < 0) raise(Fault::DivisionByZero);
    return finite(std::pow(a, b));
}

std::int32_t toInt32(double a) {
    const double rounded = std::nearbyint(a);
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max())
        raise(Fault::Overflow);
    return static_cast<std::int32_t>(rounded);
}

namespace {

/// Both operands as 64-bit integers, the divisor checked for zero.
struct IntegerOperands {
    std::int64_t dividend;
    std::int64_t divisor;
};

IntegerOperands integerOperands(double a, double b) {
    const std::int64_t dividend = toInt32(a);
    const std::int64_t divisor = toInt32(b);
    if (divisor == 0) raise(Fault::DivisionByZero);
    return {dividend, divisor};
}

} // namespace

double intQuotient(double a, double b) {
    const auto [dividend, divisor] = integerOperands(a, b);
    const std::int64_t quotient = dividend / divisor;
    if (quotient > std::numeric_limits<std::int32_t>::max())
        raise(Fault::Overflow); // -2147483648 \ -1
    return static_cast<double>(quotient);
}

double intRemainder(double a, double b) {
    const auto [dividend, divisor] = integerOperands(a, b);
    return static_cast<double>(dividend % divisor);
}

} // namespace interp::checked
