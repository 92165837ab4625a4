#pragma once

// Exercises to practise: the model shared by the practice window, the
// checker and the worksheets. Plain C++ on the exact values, no Qt.

#include "frame.h"
#include "number.h"
#include "objects.h"
#include "solution.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace practice {

/// How hard an exercise is: whole numbers; fractions and negative numbers;
/// square roots in the answers.
enum class Level : std::uint8_t { Basico, Intermedio, Avancado };
inline constexpr Level AllLevels[] = {Level::Basico, Level::Intermedio, Level::Avancado};
/// "básico", "intermédio", "avançado".
std::string_view levelName(Level level);

/// One problem to practise: a frame of the frame table (exact/framerows.h),
/// with its option for a frame with option buttons.
using FrameId = exact::FrameId;
/// The problem of that name ("triangulo-1b"); throws std::out_of_range for none.
FrameId problem(std::string_view name);

/// What the pupil answers.
enum class AnswerKind : std::uint8_t {
    Number, ///< a number or an expression: "2sqr(58)"
    Point,  ///< "(a , b)"
    Line,   ///< an equation of a line, as free text
    Circle, ///< an equation of a circle, as free text
    Angle,  ///< an amplitude in degrees: "45", "40º 14' 10,89''"
    Words,  ///< a verdict in words: "sim", "não", "paralelas", "não existe"
};

/// A verdict answered in words.
enum class Words : std::uint8_t {
    Yes,          ///< "sim": the points are collinear, the triangle is right
    No,           ///< "não"
    Parallel,     ///< "paralelas"
    Coincident,   ///< "coincidentes"
    DoesNotExist, ///< "não existe"
};

/// An amplitude in degrees: exact when notable (45, 120), else the decimal
/// value the form's rounding is measured against.
struct Degrees {
    exact::Number value;
};

/// One value of an answer.
using Value = std::variant<exact::Number, exact::Point, exact::Line, exact::Circle, Degrees, Words>;

/// The form in which an exercise asks for a value; an equal value in
/// another form is "Certo, mas simplifique".
enum class AskedForm : std::uint8_t {
    Simplified,      ///< a number in its simplest form (2√58, a fraction in lowest terms)
    ReducedEquation, ///< y = mx + b (x = k for a vertical line)
    GeneralEquation, ///< ax + by + c = 0
    AnyEquation,     ///< any equivalent equation
};

/// What the exercise asks for: one value, or several (two points, two
/// lines) in any order.
struct Expected {
    AnswerKind kind = AnswerKind::Number;
    AskedForm form = AskedForm::Simplified;
    std::vector<Value> values;
};

/// The exact data of an exercise, as its fields read: its points, lines,
/// circles and plain numbers (an inclination, a slope, an angle) in the order
/// the statement names them.
struct Data {
    std::vector<exact::Point> points;
    std::vector<exact::Line> lines;
    std::vector<exact::Circle> circles;
    std::vector<exact::Number> numbers;
};

/// One exercise, ready to show: its statement, the texts to type into the
/// form's fields, the options to mark and the answer.
struct Exercise {
    FrameId frame;
    Level level = Level::Basico;
    std::uint64_t seed = 0;
    /// The statement, in Portuguese (UTF-8, true minus signs): "Determine a
    /// equação reduzida da recta que passa em A(1 , −2) e é perpendicular a
    /// r: 2x − y + 3 = 0."
    std::string statement;
    /// The texts of the form's fields by objectName, in the order to type
    /// them ("Abcissa2" → "1/2"); the viewport fields Xmin, Xmax, Ymin,
    /// Ymax are listed when the exercise sets them.
    std::vector<std::pair<std::string, std::string>> fields;
    /// The option button to mark (objectName, "Option2"); empty when none.
    std::string option;
    /// The buttons of the frame (objectName): "Dados" (empty when the frame
    /// has none) and "Resolver".
    std::string dadosButton;
    std::string resolverButton;
    /// The answer as the program writes it: "y = (1/2)x − 5/2", "2√58";
    /// several values joined by " ; ".
    std::string answerText;
    Expected expected;
    Data data;
};

/// No exercise of a frame could be made and proven.
struct NoExercise : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// How many seeds stand in for one whose draws are all refused.
inline constexpr std::uint64_t kFallbackSeeds = 8;

/// A new exercise of a frame at a level: the same frame, level and seed
/// always give the same exercise. A level the frame does not have falls
/// back to the nearest one it has.
///
/// Every exercise handed out is proven: its data are read back from its
/// fields as the form reads them, solved by the exact engine, and the
/// exercise is kept only when the data are not degenerate for the frame
/// (two equal points, the vertices of a triangle in a straight line, a
/// circle that is not one) and the engine's answer is its key. A seed
/// draws up to 200 times; when every draw is refused, the first proven
/// exercise of the seeds 1 to kFallbackSeeds stands in for it, under the
/// seed asked. Throws NoExercise when none of those is proven either (the
/// tests show that each frame at each of its levels has one).
Exercise generate(FrameId frame, Level level, std::uint64_t seed);

/// Every frame and option that can be practised, in the order of the topics.
const std::vector<FrameId>& allFrames();
/// The frames of a topic.
std::vector<FrameId> framesOf(Topic topic);
/// The frames that have exercises at a level.
std::vector<FrameId> framesAt(Level level);
/// Whether a frame has exercises at a level.
bool hasLevel(FrameId frame, Level level);
/// The caption of the frame, with its option where it has options:
/// "Pontos notáveis de um triângulo: incentro".
std::string caption(FrameId frame);

/// The worked solution of an exercise, from its data as its fields read
/// them (as the form reads them), ending on what its statement asks
/// (askedendings.h); nothing when they do not read.
std::optional<exact::Solution> workedSolution(const Exercise& exercise);

/// The text of a value as the program writes it ("(−3 , 1)", "3x − 4y + 5 = 0").
std::string valueText(const Value& value, AskedForm form = AskedForm::AnyEquation);

} // namespace practice
