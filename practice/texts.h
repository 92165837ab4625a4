#pragma once

// How an exercise's statement shows its values (the texts the pupil types
// into the form's fields are exact/fieldtext.h's), and what the reader and
// the checker say to the pupil.

#include "exercise.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace practice::texts {

/// What the reader and the checker say: one sentence each, with slots in
/// braces ("{part}") that say() fills.
enum class Say : std::uint8_t {
    Right,            ///< "Certo."
    RightToSimplify,  ///< "Certo, mas {what}": what to change, "simplifique o radical."
    WrongSlipAtStep,  ///< "Errado. {what} Reveja o passo {step}: {rule}"
    WrongSlip,        ///< "Errado. {what} Recorde: {rule}"
    WrongSeeSolution, ///< "Errado. Veja a resolução com «Ver resolução»."
    WrongApproximate, ///< a decimal for an exact value
    MissingPoint,     ///< one point of two, right
    MissingValue,     ///< one value of two, right
    MissingValues,    ///< {count} values asked, fewer given, all right
    MorePrecision,    ///< an amplitude with less precision than asked
    DegreesAsked,     ///< decimal degrees where degrees, minutes and seconds are asked
    PointAsWell,      ///< "concorrentes" without the point
    Empty,
    TooLong,
    Unread,      ///< "Não consegui ler «{part}»: {why} {expected}"
    UnreadWhole, ///< the whole answer: "Não consegui ler a resposta: {why} {expected}"
    KindAsked,   ///< a value of another kind: "{expected}"
    // --- why a part is not read
    DivisionByZero,
    NegativeRoot,
    TooLarge,
    NotComputable,
    Parentheses,
    EmptyPart,
    Unknowns, ///< x or y in a number
    NoEquals, ///< an expression in x and y without "="
    TwoEquals,
    NoUnknowns, ///< an equation without x and y
    NotPolynomial,
    NotALine,
    NotACircle,
    APointCircle,
    HighDegree,       ///< an equation of degree {degree}
    PointCoordinates, ///< a point with {count} coordinates
    DecimalCommas,    ///< the separator of "(0,5,1)" cannot be told
    HalfPoint,        ///< "x = 3" without "y = "
    UnknownWord,      ///< a word not understood: «{word}»
    Contradiction,    ///< "sim, não são colineares"
    NegatedExistence, ///< "existe" without "não"
    AngleParts,       ///< an amplitude not written as degrees, minutes, seconds
    TooMuchWork,      ///< the work budget spent before the answer was read
    // --- what is asked, with an example
    AskNumber,
    AskPoint,
    AskTwoPoints,
    AskPointAndNumber,
    AskLine,
    AskTwoLines,
    AskCircle,
    AskReducedLine,
    AskGeneralLine,
    AskAngle,
    AskAngleSeconds,
    AskYesNo,
    AskPosition,
    // --- an example of an answer, in the answer field before it is typed
    ExampleNumber,
    ExamplePoint,
    ExampleTwoPoints,
    ExamplePointAndNumber,
    ExampleLine,
    ExampleReducedLine,
    ExampleGeneralLine,
    ExampleTwoLines,
    ExampleCircle,
    ExampleAngle,
    ExampleAngleSeconds,
    ExampleYesNo,
    ExamplePosition,
    // --- what is not in the form asked
    SimplifyRadical,
    RationaliseDenominator,
    LowestTerms,
    SimplestForm,
    ReducedLineAsked,
    GeneralLineAsked,
    ReducedCircleAsked,
};

/// The texts of a sentence's slots, by name: {{"part", "2x+"}, {"why", …}}.
using Slots = std::vector<std::pair<std::string_view, std::string>>;

/// The sentence with its slots filled: say(Say::Unread, {{"part", "2x+"}, …}).
std::string say(Say id, const Slots& slots = {});

/// A whole sentence of the exercises, given as the sources write it and
/// marked with TRANSLATABLE_NOOP("Practice", …), in the program's language
/// with its slots filled: sentence("Calcule a distância entre os pontos {A}
/// e {B}.", {{"A", "A(1 , 2)"}, {"B", "B(3 , 4)"}}). A translation places
/// the slots where its language puts them.
std::string sentence(const char* text, const Slots& slots = {});

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
