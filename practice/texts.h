#pragma once

// How an exercise writes its values: as the pupil types them into the
// form's fields (the program's syntax) and as its statement shows them.

#include "exercise.h"

#include <string>

namespace practice::texts {

/// A value in the program's syntax: "-3", "-3/4", "2sqr(3)", "1/2+sqr(2)".
std::string field(const exact::Number& n);
/// A line with the program's syntax, general form: "2x-3y+4=0"; normalised
/// or with its coefficients as they are ("4x-6y+8=0"). Normalised, a line
/// parallel to an axis is written x = k or y = k: "x=8/5".
std::string lineField(const exact::Line& l, bool normalise = true);
/// A circle expanded, "x^2+y^2-4x-6y-3=0", or reduced, "(x-2)^2+(y-3)^2=16".
std::string circleField(const exact::Circle& c, bool expanded);

/// A value as the statement writes it: "−3/4", "2√3".
std::string number(const exact::Number& n);
/// "A(1 , −2)".
std::string point(const std::string& name, const exact::Point& p);
/// "2x − 3y + 4 = 0", normalised or as it is; normalised, a line parallel
/// to an axis in its normal form "x = 8/5".
std::string line(const exact::Line& l, bool normalise = true);
/// The circle as typed, with true minus signs and exponents: "x² + y² − 4x − 6y − 3 = 0".
std::string circle(const exact::Circle& c, bool expanded);
/// An amplitude in degrees, minutes and seconds as the forms write them: "40º 14' 10,89''".
std::string degrees(const exact::Number& value);

} // namespace practice::texts
