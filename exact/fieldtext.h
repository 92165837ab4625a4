#pragma once

// The text a pupil would type into a form's field for a value, a line or a
// circle, in the program's syntax ("2x-3y+4=0", "(x-2)^2+(y-3)^2=16",
// "2sqr(3)-1"), with the locale's decimal separator as a parameter; and the
// term-by-term writing it shares with the statements' texts ("x² + y² − 4x = 0").

#include "objects.h"

#include <string>
#include <string_view>

namespace exact::typed {

/// A value: "-3", "-3/4", "2sqr(3)", "1/2+sqr(2)". With `decimals`, a
/// decimal separator, a value whose decimal expansion ends is written as a
/// decimal with it: "-2,5", "0,05".
std::string number(const Number& n, std::string_view decimals = {});
/// A line in general form: "2x-3y+4=0"; normalised or with its coefficients
/// as they are ("4x-6y+8=0"). Normalised, a line parallel to an axis is
/// written x = k or y = k: "x=8/5". `decimals` as number() says.
std::string line(const Line& l, bool normalise = true, std::string_view decimals = {});
/// A line with its coefficients as they are and its constant on the right:
/// "3x-4y=24". `decimals` as number() says.
std::string constantLine(const Line& l, std::string_view decimals = {});
/// A line reduced: "y=2x-1", "y=3"; a line parallel to the y-axis "x=8/5".
/// `decimals` as number() says.
std::string reducedLine(const Line& l, std::string_view decimals = {});
/// A circle expanded, "x^2+y^2-4x-6y-3=0", or reduced, "(x-2)^2+(y-3)^2=16".
/// `decimals` as number() says.
std::string circle(const Circle& c, bool expanded, std::string_view decimals = {});

} // namespace exact::typed

namespace exact {

/// A circle as a statement shows it, with true minus signs, exponents and
/// blanks, its values written with `separator`: "x² + y² − 4x − 6y − 3 = 0",
/// "(x − 2)² + (y − 3)² = 16".
std::string shownCircle(const Circle& c, bool expanded, std::string_view separator);

/// Whether a line is parallel to an axis, so that its normal form is x = k or y = k.
bool alongAnAxis(const Line& l);
/// The k of x = k or y = k.
Number axisValue(const Line& l);

} // namespace exact
