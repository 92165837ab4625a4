#pragma once

#include "mathtree.h"

#include <string_view>

/// How a tree of mathematics is written, whatever the notation: the rules
/// that the linear text (readings.h) and the typeset picture share, so that
/// the two never tell a different story. Each reading walks the written
/// tree and adds only what its own notation needs: the linear text its
/// parentheses ((3/4)x, √(x + 1)) and superscripts, the typesetter its
/// stacked fractions, raised exponents and faces.
namespace exact::writing {

/// The sign before a term: "+", "−", "±".
std::string_view signText(Sign sign);
/// A relation between two members of a chain: "=", "≈", "≠", "<", ">", "≤", "≥", "⇔".
std::string_view relationText(Rel relation);

/// The tree as it is written:
/// - every value becomes what is written for it: a natural integer or a
///   decimal (rounded, or as typed) a Numeral whose text is shown as it
///   stands (a true minus sign, the regional separator); any other exact
///   value the tree of its normal form (roots, fractions, sums);
/// - every factor of a product that follows a root, a name with a
///   subscript or a fraction, or that is a function, is set apart
///   (Joint::Apart): √2 x, a_r b_s, b tg(β);
/// - the rest is kept as it is.
Math written(const Math& m, std::string_view separator);

} // namespace exact::writing
