#pragma once

// The vocabulary shared by the frames' worked solutions: names, values with
// their decimals, the steps that simplify a square root or an equation.

#include "solution.h"

#include <string>

namespace exact::kit {

/// x_A, y_B: a coordinate of a named point.
Math x(const std::string& point);
Math y(const std::string& point);
/// The unknowns of an equation: x and y.
Math x();
Math y();

/// A slot of a sentence.
Slot slot(std::string name, Math value);
/// A slot holding a named point with its coordinates: A(2 , −2).
Slot pointSlot(const std::string& name, const Point& p);

/// A value, then its decimal when it needs one: "2√58 ≈ 15,23", "3/2 = 1,5", "14".
Math withDecimal(const Number& v);
/// A named point, then its decimals when a coordinate needs them.
Math pointWithDecimals(const Point& p, const std::string& name);

/// Binds a named point and its coordinates (A, x_A, y_A) for the numeric reading.
void bindPoint(Environment& env, const std::string& name, const Point& p);

/// (v − k)², (v + |k|)², or v² when k is zero.
Math shiftedSquare(const Math& v, const Number& k);
/// The terms of (v − k)² developed: v² − 2k·v + k².
std::vector<SignedTerm> developedSquare(const Math& v, const Number& k);

/// The steps that take √radicand to its simplest exact form (a perfect
/// square, a square factor taken out, a denominator rationalised, a sum that
/// denests), or say that it stays a root with a decimal. Adds nothing when
/// the root is already simple (√58). Returns the root's value.
Number simplifyRoot(Solution& solution, const Number& radicand);

/// The steps that bring a line from the equation as found to its normalised
/// general equation (dividing or multiplying both members), then to its
/// reduced equation (or says that it is vertical). Returns the normalised line.
Line tidyLineEquation(Solution& solution, const Line& found);

} // namespace exact::kit
