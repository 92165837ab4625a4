#pragma once

#include <string>
#include <string_view>

/// How the program writes plain numbers, in plain C++ (no Qt). Every rule
/// takes the decimal separator of the regional setting as a parameter.
namespace exact::decimal {

/// Up to 15 significant digits, no trailing zeros, exponent form from 1E+15
/// and below 1E-04 ("1E-05", "1,5E+16"); a negative zero is written "0".
std::string number(double value, std::string_view separator);

/// The nearest multiple of 10^-decimals to the exact value of `value`, an
/// exact half going to the even digit (0.125 -> 0.12; 2.675 -> 2.67).
double round(double value, int decimals);

/// The digits of `value` rounded by round(): "-2.68" for -2.675, "0.13"
/// for 0.125 + 2^-50; "." as the point, at least one digit before it.
std::string roundedDigits(double value, int decimals);

/// number() of the value rounded to 2 decimals.
std::string rounded(double value, std::string_view separator);

/// A numeric literal of the expression language: "." as decimal point,
/// a leading "-" when negative, no exponent, at most 15 significant digits.
std::string expressionLiteral(double value);

} // namespace exact::decimal
