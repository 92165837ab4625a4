#pragma once

// The reader of a pupil's answer: a number or an expression, a point, the
// equation of a line or of a circle as free text, an amplitude in degrees,
// or words; several values separated by ";", "e", a new line or a comma.

#include "exercise.h"

#include <string>
#include <string_view>
#include <vector>

namespace practice {

/// How an equation was written.
enum class EquationShape : std::uint8_t {
    Reduced, ///< y = mx + b, x = k; (x − a)² + (y − b)² = r² for a circle
    General, ///< … = 0
    Other,
};

/// The last unit an amplitude was written to.
enum class AngleUnit : std::uint8_t { Degrees, Minutes, Seconds };

/// One value read from the answer, with how it was written.
struct TypedValue {
    Value value;
    /// The typed text of this value, in the program's syntax, blanks removed.
    std::string text;
    /// For an amplitude: how far the typed value may be from the exact one,
    /// by the places the pupil wrote (half a unit of the last place), in
    /// degrees; and the unit of that last place.
    double tolerance = 0;
    AngleUnit unit = AngleUnit::Degrees;
    EquationShape shape = EquationShape::Other;
    /// Words said with "não" about the position of two lines ("não são
    /// paralelas"): a statement, never the answer itself.
    bool negated = false;
    /// Why the value is not in its simplest form ("simplifique o radical."), or empty.
    std::string notSimplified;
};

/// The answer read, or why it cannot be read.
struct TypedAnswer {
    std::vector<TypedValue> values;
    /// Empty when the answer was read; otherwise a message for the pupil:
    /// what could not be read, why, and what is asked, with an example.
    std::string problem;
};

/// The longest answer read, in bytes.
inline constexpr std::size_t MaxAnswerLength = 2000;

/// Reads an answer typed by the pupil to an exercise that expects
/// `expected`: "45" is an amplitude where an angle is asked, "x = 3, y = 1"
/// a point where a point is, "d = 5" a number where a number is, and a
/// message says what is asked with an example. Never throws.
TypedAnswer readAnswer(std::string_view text, const Expected& expected);
/// The same for an answer of a kind, one value expected.
TypedAnswer readAnswer(std::string_view text, AnswerKind kind);

/// What an exercise asks for, with an example ("Escreva um ponto, por
/// exemplo (1 , −2) ou A(1/2 ; 3).").
std::string askedFor(const Expected& expected);
/// What an exercise asks for, short, with an example, for the answer field
/// before anything is typed ("um ponto (a , b): (1 , −2)").
std::string answerExample(const Expected& expected);

/// The program's syntax for what a pupil may type: true minus signs, "√",
/// "²", "×", "·" and decimal commas turned into "-", "sqr", "^2", "*", ".".
std::string programSyntax(std::string_view text);

} // namespace practice
