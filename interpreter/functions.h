#pragma once

#include <cstdint>
#include <string_view>

namespace interp {

/// The named constants of the language.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kE = 2.718281828;
/// The conversion factors of the degree mode, used exactly as written.
inline constexpr double kDegreesToRadians = 0.01745329251995;
inline constexpr double kRadiansToDegrees = 57.2957795131;

/// What a function's value depends on besides its arguments.
enum class Dependence : std::uint8_t {
    None,      ///< its arguments alone
    AngleUnit, ///< the trigonometric functions follow Graus
    RandomDraw ///< rnd(, random( and rand( draw from the generator
};

/// A function's formula: a is the first value between the parentheses,
/// b the last (equal to a when one value stands there). It raises 5, 6 or
/// 11 where an elementary step of the formula fails.
using Formula = double (*)(double a, double b, bool degrees);

/// One row of the function library.
struct FunctionInfo {
    std::string_view head; ///< "sen(", "log10(", ...
    bool twoArguments;     ///< reads the last value between the parentheses too
    Dependence dependence;
    Formula formula;
};

/// The function a head selects, or nullptr when the head names none.
const FunctionInfo* findFunction(std::string_view head);
/// A function's row number in the library, and the row of a number.
std::uint8_t functionNumber(const FunctionInfo& function);
const FunctionInfo& functionByNumber(std::uint8_t number);

/// Computes function number `number` of a and b.
inline double evaluate(std::uint8_t number, double a, double b, bool degrees) {
    return functionByNumber(number).formula(a, b, degrees);
}

} // namespace interp
