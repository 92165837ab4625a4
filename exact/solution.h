#pragma once

#include "objects.h"
#include "readings.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace exact {

/// What a step does. Each kind has one sentence template, with named slots,
/// in the sentence table (sentences-pt.txt); the step's values fill them.
enum class StepKind : std::uint16_t {
    // Points: the point
    PointCoordinates,
    PointProjections,
    PointOnXAxis,
    PointOnYAxis,
    PointIsOrigin,
    PointPlotted,
    // shared by the frames
    SubstituteCoordinates,
    CoincidentPoints,
    // the midpoint
    MidpointFormula,
    MidpointCompute,
    MidpointResult,
    MidpointOfCoincident,
    // the distance
    DistanceFormula,
    DistanceCompute,
    RadicalExact,
    RadicalSimplify,
    RadicalRationalise,
    RadicalDenest,
    RadicalApproximate,
    DistanceResult,
    DistanceOfCoincident,
    // the perpendicular bisector
    BisectorDefinition,
    BisectorDistances,
    SquareBothSides,
    ExpandSquares,
    CollectTerms,
    DivideEquation,
    MultiplyEquation,
    ReducedEquation,
    VerticalLine,
    BisectorResult,
    BisectorOfCoincident,
};

/// The title of a frame's solution: its caption and its data.
enum class TitleKind : std::uint16_t { Point, Midpoint, Distance, Bisector };

/// A named value that fills a slot of a sentence template.
struct Slot {
    std::string name;
    Math value;
};

/// An object of the board that a step speaks of, in world coordinates, for
/// the board to draw wider while the step is shown.
struct Figure {
    enum class Kind : std::uint8_t {
        Point,   ///< (x1, y1)
        Segment, ///< from (x1, y1) to (x2, y2)
        Line,    ///< x1·x + y1·y + x2 = 0
        Circle   ///< centre (x1, y1), radius x2
    };
    Kind kind = Kind::Point;
    std::string name;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    static Figure point(const Point& p, std::string name = {});
    static Figure segment(const Point& p, const Point& q, std::string name = {});
    static Figure line(const Line& l, std::string name = {});
    static Figure circle(const Circle& c, std::string name = {});
};

/// One numbered step: a kind with its values (the sentence), lines of
/// mathematics, and the figures it speaks of.
struct Step {
    StepKind kind;
    std::vector<Slot> values;
    std::vector<Math> lines;
    std::vector<Figure> figures;

    Step& line(Math m);
    Step& figure(Figure f);
};

/// What a solution finds: nothing (the data were degenerate), a number, a
/// point, a line or a circle.
using Answer = std::variant<std::monostate, Number, Point, Line, Circle>;

/// A worked solution: data, not text. Its readings are sentence() and the
/// typesetter's picture, stepText() for the clipboard and screen readers,
/// and the numeric values of its lines in environment().
struct Solution {
    TitleKind titleKind;
    std::vector<Slot> titleValues;
    std::vector<Step> steps;
    Answer answer;
    /// The data were degenerate: the last step says why, and the solution stops.
    bool stopped = false;
    /// The values of the names the lines use, for their numeric reading.
    Environment environment;

    /// Appends a step; the reference holds until the next step is added.
    Step& add(StepKind kind, std::vector<Slot> values = {});
};

/// The identifier of a kind in the sentence table ("midpoint.formula"), and
/// the names of the slots its template must have.
std::string_view key(StepKind kind);
std::string_view key(TitleKind kind);
const std::vector<std::string_view>& slotNames(StepKind kind);
const std::vector<std::string_view>& slotNames(TitleKind kind);
/// Every kind, for tests and tools.
const std::vector<StepKind>& allStepKinds();
const std::vector<TitleKind>& allTitleKinds();

} // namespace exact
