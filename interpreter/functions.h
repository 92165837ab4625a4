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

/// The functions a head such as "sen(" selects.
enum class Function : std::uint8_t {
    Abs,
    Arctg,
    Cos,
    Exp,
    Fix,
    Int,
    Log,
    Rnd,
    Sgn,
    Sin,
    Sqr,
    Tg,
    Min,
    Max,
    Random,
    Mod,
    Logn,
    Rand,
    Sec,
    Cosec,
    Cotg,
    Arcsin,
    Arccos,
    Arcsec,
    Arccosec,
    Arccotg,
    Sinh,
    Cosh,
    Tgh,
    Sech,
    Cosech,
    Cotgh,
    Arcsinh,
    Arccosh,
    Arctgh,
    Arcsech,
    Arccosech,
    Arccotgh,
    Log10,
    Log2,
    Graus,
    Rad,
    Mant
};

/// What a function's value depends on besides its arguments.
enum class Dependence : std::uint8_t {
    None,      ///< its arguments alone
    AngleUnit, ///< the trigonometric functions follow Graus
    RandomDraw ///< rnd(, random( and rand( draw from the generator
};

struct FunctionInfo {
    Function id;
    bool twoArguments; ///< reads the last value between the parentheses too
    Dependence dependence;
};

/// The function a head selects, or nullptr when the head names none.
const FunctionInfo* findFunction(std::string_view head);

/// Computes a function of a (the first value) and b (the last value).
/// Raises 5, 6 or 11 where an elementary step of its formula fails.
double evaluate(Function f, double a, double b, bool degrees);

} // namespace interp
