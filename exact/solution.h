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
    RadicalQuotient,
    RadicalDenest,
    RadicalApproximate,
    RadicalLarge,
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
    // lines: shared by the frames
    NotALine,
    SimplifyLineDivide,
    SimplifyLineMultiply,
    LineChangeSign,
    LineToGeneral,
    LineToGeneralDivide,
    LineToGeneralMultiply,
    SimplifySolvedLine,
    GeneralFromReduced,
    GeneralFromReducedDivide,
    GeneralFromReducedMultiply,
    // a line given by its equation
    SlopeAndIntercept,
    VerticalLinePoints,
    HorizontalLinePoints,
    YIntercept,
    XIntercept,
    LineThroughOrigin,
    TypedLineResult,
    // the line through two points
    NoLineThroughOnePoint,
    SameAbscissa,
    SlopeOfSegment,
    PointSlopeEquation,
    LineThroughPointsResult,
    // the parallel and the perpendicular through a point
    ParallelFamily,
    PerpendicularFamily,
    FamilyThroughPoint,
    ParallelResult,
    PerpendicularResult,
    // the intersection of two lines
    IntersectionSystem,
    IsolateUnknown,
    SubstituteUnknown,
    SolveOtherEquation,
    BackSubstitute,
    IntersectionResult,
    IntersectionParallel,
    IntersectionCoincident,
    // the distance between parallel lines
    LinesParallel,
    LinesNotParallel,
    ParallelDistanceMethod,
    PointOfLine,
    ParallelLinesCoincide,
    ParallelDistanceResult,
    // the distance from a point to a line
    DistanceToLineFormula,
    SubstitutePointAndLine,
    DistanceToLineCompute,
    DistanceToLineRationalise,
    PointOnLine,
    PointLineDistanceResult,
    // the angle of two lines
    DirectionVectors,
    AngleOfParallels,
    AngleFormula,
    AngleSubstitute,
    AngleCompute,
    AnglePerpendicular,
    AngleNotable,
    AngleInverse,
    AngleResult,
    // --- Lines 3, Lines 4 and Circles 1
    // an equation of the second degree
    QuadraticDiscriminant,
    QuadraticNoRoots,
    QuadraticDoubleRoot,
    QuadraticTwoRoots,
    QuadraticRoots,
    // a line and a circle
    CircleLineSystem,
    SubstituteInCircle,
    BackSubstituteRoot,
    LineMissesCircle,
    LineTangentToCircle,
    LineSecantToCircle,
    // a circle by its equation, or by its centre and radius
    CompleteSquares,
    CircleReducedForm,
    CircleAtOrigin,
    CircleToGeneral,
    CircleToGeneralDivide,
    CircleMoveTerms,
    CircleMoveTermsDivide,
    CircleCentreRadius,
    CircleFormula,
    CircleSubstitute,
    CircleResult,
    ZeroRadius,
    NegativeRadius,
    // the circle with a given centre tangent to a line
    TangentCircleRadius,
    TangentCircleRadiusResult,
    CentreOnLine,
    // the tangent at a point of a circle
    PointOnCircle,
    PointNotOnCircle,
    TangentNormal,
    TangentEquation,
    TangentResult,
    // three collinear points
    CollinearSlopes,
    CollinearVectors,
    CollinearCoincident,
    PointsCollinear,
    PointsNotCollinear,
    // slope and inclination of a line
    NoSlope,
    SlopeOfReduced,
    InclinationTangent,
    InclinationNotable,
    InclinationInverse,
    InclinationObtuse,
    InclinationResult,
    // relative position of two lines
    PositionCompare,
    PositionConcurrent,
    PositionParallel,
    PositionCoincident,
    // the line through a point that...
    ParallelToXAxis,
    ParallelToYAxis,
    InclinationOutOfRange,
    InclinationVertical,
    SlopeFromInclination,
    SlopeThroughPoint,
    LineFoundResult,
    AngleLineTangent,
    AngleLineNormals,
    AngleLinePerpendicular,
    AngleLineFirst,
    AngleLineSecond,
    AngleLineResult,
    // the bisectors of two lines
    BisectorsOfParallels,
    BisectorsDefinition,
    BisectorsTwoEquations,
    BisectorsFirst,
    BisectorsSecond,
    // the triangle: shared by its frames
    CollinearVertices,
    LinesSystem,
    CentreLinesParallel,
    TriangleVectors,
    Determinant,
    // the circumcentre
    CircumcentreMethod,
    SideBisector,
    SegmentBisector,
    CircumcentreResult,
    // the incentre
    IncentreMethod,
    SideLengths,
    IncentreFormula,
    IncentreCompute,
    IncentreComputeLong,
    IncentreResult,
    IncentreOfOnePoint,
    // the orthocentre
    OrthocentreMethod,
    Altitude,
    OrthocentreResult,
    // the centroid
    CentroidFormula,
    CentroidCompute,
    CentroidResult,
    // the area of a triangle
    AreaFormula,
    AreaResult,
    AreaCounterClockwise,
    AreaClockwise,
    // the right triangle
    SquaredSides,
    PythagorasHolds,
    PythagorasFails,
    // the inscribed and circumscribed circles
    InradiusFormula,
    InscribedResult,
    InscribedResultLong,
    CircumradiusCompute,
    CircumscribedResult,
    // the distance from a point to a circle
    PointCircleMethod,
    PointCentreDistance,
    PointExterior,
    PointOnTheCircle,
    PointInterior,
    PointCircleResult,
    // the circle through three points
    ThreePointsMethod,
    ThreePointsCollinear,
    ThreePointsCentre,
    ThreePointsRadius,
    GeneralCircleEquation,
    ThreePointsResult,
    // the circle through P touching a line at Q
    PointQNotOnLine,
    PointQOnLine,
    PointPOnTangent,
    TouchingCircleMethod,
    NormalAtPoint,
    TouchingCircleCentre,
    TouchingCircleRadius,
    TouchingCircleResult,
    // the common points of two circles
    CirclesSubtract,
    CirclesRadicalLine,
    CirclesConcentric,
    CirclesCoincide,
    CirclesApart,
    CirclesTangent,
    CirclesSecant,
    // the tangents from a point to a circle
    TangentsNotExterior,
    TangentsMethod,
    TangentsDistance,
    TangentsFirstDegree,
    TangentsVertical,
    TangentsFirst,
    TangentsSecond,
    // any frame
    DecidedOnDecimals, ///< a decision on exact data left to doubles, the work budget spent
    // --- what an exercise asks, where its frame's solution ends otherwise
    AskedReducedEquation,
    AskedReducedEquations,
    AskedGeneralEquation,
    AskedReducedCircle,
    AskedSlope,
    AskedProjectionOnXAxis,
    AskedProjectionOnYAxis,
    SlopesOfParallel,
    SlopesOfPerpendicular,
};

/// The title of a frame's solution: its caption and its data.
enum class TitleKind : std::uint16_t {
    Point,
    Midpoint,
    Distance,
    Bisector,
    TypedLine,
    LineThroughPoints,
    ParallelThrough,
    PerpendicularThrough,
    Intersection,
    ParallelDistance,
    PointLineDistance,
    Angle,
    // --- Lines 3, Lines 4 and Circles 1
    CircleByEquation,
    CircleByCentre,
    TangentCircle,
    TangentAtPoint,
    LineAndCircle,
    Collinearity,
    SlopeThroughPoints,
    SlopeOfLine,
    RelativePosition,
    LineParallelToXAxis,
    LineParallelToYAxis,
    LineWithInclination,
    LineWithSlope,
    LinesAtAngle,
    Bisectors,
    Circumcentre,
    Incentre,
    Orthocentre,
    Centroid,
    TriangleArea,
    RightTriangle,
    Incircle,
    Circumcircle,
    PointCircleDistance,
    CircleThroughPoints,
    TouchingCircle,
    TwoCircles,
    TangentsFromPoint,
};

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

/// A verdict that a frame writes, or says in a message, where a value would
/// stand: what a pupil answers in words ("as rectas são paralelas", "não existe").
enum class Verdict : std::uint8_t {
    CoincidentPoints, ///< the two points given are one: no line, no bisector
    NotALine,         ///< a given equation is 0x + 0y + c = 0
    ParallelLines,    ///< "As rectas são paralelas.": no common point, no angle
    CoincidentLines,  ///< "As rectas são coincidentes."
    NotParallel,      ///< "As rectas não são paralelas.": no distance between them
    // --- Lines 3, Lines 4 and Circles 1
    LineMissesCircle,      ///< "A recta não intersecta a circunferência."
    PointNotOnCircle,      ///< "O ponto não pertence à circunferência.": no tangent there
    ZeroRadius,            ///< "O raio não pode ser zero."
    CentreOnLine,          ///< the centre on the line: the circle is a point
    Collinear,             ///< "Os pontos estão em linha recta."
    NotCollinear,          ///< "Os pontos não estão em linha recta."
    NoSlope,               ///< a vertical line has no slope
    BadInclination,        ///< an inclination below 0º or above 180º
    NotATriangle,          ///< the vertices are in a straight line: no triangle
    RightTriangle,         ///< "O triângulo é rectângulo."
    NotRightTriangle,      ///< "O triângulo não é rectângulo."
    PointInsideCircle,     ///< "O ponto é interior à circunferência."
    NoCircleThroughPoints, ///< "Os pontos não definem uma circunferência"
    PointNotOnLine,        ///< "O ponto Q não pertence à recta."
    PointOnTangent,        ///< P on the tangent line: no circle (the form divides by zero)
    CirclesApart,          ///< "As circunferências não se intersectam."
    CoincidentCircles,     ///< one circle typed twice: no points to find (the form divides by zero)
    PointNotExterior,      ///< "O ponto não é exterior à circunferência."
};

/// The amplitude of an angle in degrees, exact where it is a notable one
/// (30º, 45º, 60º, 90º…) and approximate otherwise, with the trigonometric
/// ratio it was found from, exact when the data are (cos θ = 13√290/290).
struct Angle {
    enum class Ratio : std::uint8_t { Cosine, Tangent };
    Number degrees;
    Ratio ratio = Ratio::Cosine;
    Number value;
};

/// What one result label shows, as a value in its normal form.
using AnswerValue = std::variant<Number, Point, Line, Circle, Angle, Verdict>;

/// One value of a solution's answer and the result label it belongs to
/// ("Resultado2"; empty for a frame that writes no result, such as the
/// drawing of a point).
struct AnswerPart {
    std::string label;
    AnswerValue value;
};

/// What a solution finds: the values its frame's result labels show, each
/// tagged with its label, in the order the frame writes them. A label that
/// shows two values (two points, a centre and a radius) has two parts, in
/// the order it writes them. Lines are kept normalised (whole coprime
/// coefficients, the first positive), so that equal answers are equal
/// values. Empty when the frame finds nothing.
class Answer {
public:
    /// Adds what a label shows.
    void add(std::string label, AnswerValue value);
    const std::vector<AnswerPart>& parts() const { return m_parts; }
    bool empty() const { return m_parts.empty(); }
    /// The first value of a label; null when the label shows nothing.
    const AnswerValue* find(std::string_view label) const;
    /// The first value of a label when it is a T; null otherwise.
    template <typename T>
    const T* get(std::string_view label) const {
        const AnswerValue* v = find(label);
        return v ? std::get_if<T>(v) : nullptr;
    }

private:
    std::vector<AnswerPart> m_parts;
};

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
