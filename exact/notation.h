#pragma once

#include "mathtree.h"

#include <optional>
#include <string_view>

namespace exact {

/// A line of mathematics in the linear notation that linearText writes
/// ("ax + by + c = 0", "(x − x_C)² + (y − y_C)² = r²", "u₁v₂ − u₂v₁ = 0",
/// "|det(AB⃗, AC⃗)|/(a + b + c)", "d(P, C) > r", "90°") as its tree: how the
/// sentence tables write the mathematics inside a sentence. Names are of
/// one letter (with a subscript) but for the words of mathematics (cos,
/// sen, tg, det, d, Área); "×" is kept as written. Nothing when the text is
/// not such a line.
std::optional<Math> parseLinear(std::string_view text);

/// A text typed in the program's syntax ("y=3x-2", "x^2+y^2=25",
/// "0.1x+sqr(2)y=1", "x=pi/7") as the tree of what the pupil typed: the
/// decimals as typed, "sqr(" a root, "abs(" an absolute value, "pi" π, and
/// the parentheses only where mathematics needs them. Nothing when the text
/// holds what no tree writes ("\", "%", a character the syntax does not
/// know).
std::optional<Math> parseTyped(std::string_view text);

} // namespace exact
