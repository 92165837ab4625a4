#pragma once

#include "number.h"

#include <string>
#include <string_view>

namespace exact {

/// The normal form of a value, with true minus signs: an integer ("−3"), a
/// fraction in lowest terms with the sign in front ("−3/4"), k√n with 1 and
/// −1 not written ("2√58", "−√2"), a sum over one positive denominator
/// ("(1 + √2)/2", "3√2/4"); an approximate value as "≈ " and its decimal
/// rounded to 2 places ("≈ 3,14").
std::string text(const Number& n, std::string_view separator);

/// The value rounded to `decimals` places, as an exact decimal: an exact
/// value rounded exactly (an exact half to the even digit); an approximate
/// one by the program's rule on its double.
Number roundedDecimal(const Number& n, int decimals);

/// A value with a finite decimal expansion written out in full, trailing
/// zeros dropped and a true minus sign ("15,23", "−1,5", "3"); any other
/// value is first rounded to 2 places, and one that would round to 0 is
/// written with three significant digits ("3,14E-13"): never a false 0.
std::string decimalText(const Number& n, std::string_view separator);

} // namespace exact
