#pragma once

// The reader of a pupil's answer: a number or an expression, a point, the
// equation of a line or of a circle as free text, an amplitude in degrees,
// or words; several values separated by ";".

#include "exercise.h"

#include <string>
#include <string_view>
#include <vector>

namespace practice {

/// How an equation was written.
enum class EquationShape : std::uint8_t {
    Reduced, ///< y = mx + b, or x = k
    General, ///< … = 0
    Other,
};

/// One value read from the answer, with how it was written.
struct TypedValue {
    Value value;
    /// The typed text of this value, in the program's syntax, blanks removed.
    std::string text;
    /// For an amplitude: how far the typed value may be from the exact one,
    /// by the places the pupil wrote (half a unit of the last place).
    double tolerance = 0;
    EquationShape shape = EquationShape::Other;
    /// Why the value is not in its simplest form ("simplifique o radical"), or empty.
    std::string notSimplified;
};

/// The answer read, or why it cannot be read.
struct TypedAnswer {
    std::vector<TypedValue> values;
    /// Empty when the answer was read; otherwise a message for the pupil.
    std::string problem;
};

/// The longest answer read, in bytes.
inline constexpr std::size_t MaxAnswerLength = 2000;

/// Reads an answer typed by the pupil. `kind` says what the exercise asks
/// for, so that "45" is an amplitude where an angle is asked. Never throws.
TypedAnswer readAnswer(std::string_view text, AnswerKind kind);

/// The program's syntax for what a pupil may type: true minus signs, "√",
/// "²", "×", "·" and decimal commas turned into "-", "sqr", "^2", "*", ".".
std::string programSyntax(std::string_view text);

} // namespace practice
