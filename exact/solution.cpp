#include "solution.h"

#include <algorithm>
#include <stdexcept>

namespace exact {

namespace {

template <typename Kind>
struct KindInfo {
    Kind kind;
    std::string_view key;
    std::vector<std::string_view> slots;
};

using S = StepKind;

// clang-format off
const std::vector<KindInfo<StepKind>> kSteps = {
    {S::PointCoordinates, "point.coordinates", {"P", "x", "y"}},
    {S::PointProjections, "point.projections", {"x", "y"}},
    {S::PointOnXAxis, "point.on-x-axis", {"P"}},
    {S::PointOnYAxis, "point.on-y-axis", {"P"}},
    {S::PointIsOrigin, "point.origin", {"P"}},
    {S::PointPlotted, "point.plotted", {"P"}},
    {S::SubstituteCoordinates, "substitute.coordinates", {"A", "B"}},
    {S::CoincidentPoints, "coincident.points", {"A", "B"}},
    {S::MidpointFormula, "midpoint.formula", {}},
    {S::MidpointCompute, "midpoint.compute", {}},
    {S::MidpointResult, "midpoint.result", {"M"}},
    {S::MidpointOfCoincident, "midpoint.coincident", {"M"}},
    {S::DistanceFormula, "distance.formula", {}},
    {S::DistanceCompute, "distance.compute", {}},
    {S::RadicalExact, "radical.exact", {"square"}},
    {S::RadicalSimplify, "radical.simplify", {"n"}},
    {S::RadicalRationalise, "radical.rationalise", {}},
    {S::RadicalQuotient, "radical.quotient", {}},
    {S::RadicalDenest, "radical.denest", {"r"}},
    {S::RadicalApproximate, "radical.approximate", {}},
    {S::RadicalLarge, "radical.large", {}},
    {S::DistanceResult, "distance.result", {"d"}},
    {S::DistanceOfCoincident, "distance.coincident", {}},
    {S::BisectorDefinition, "bisector.definition", {"P"}},
    {S::BisectorDistances, "bisector.distances", {}},
    {S::SquareBothSides, "equation.square-both-sides", {}},
    {S::ExpandSquares, "equation.expand-squares", {}},
    {S::CollectTerms, "equation.collect-terms", {}},
    {S::DivideEquation, "equation.divide", {"k"}},
    {S::MultiplyEquation, "equation.multiply", {"k"}},
    {S::ReducedEquation, "equation.reduced", {}},
    {S::VerticalLine, "line.vertical", {"equation"}},
    {S::BisectorResult, "bisector.result", {"equation"}},
    {S::BisectorOfCoincident, "bisector.coincident", {}},
    {S::NotALine, "line.not-a-line", {"name", "equation"}},
    {S::SimplifyLineDivide, "line.simplify-divide", {"name", "k"}},
    {S::SimplifyLineMultiply, "line.simplify-multiply", {"name", "k"}},
    {S::LineChangeSign, "line.change-sign", {"name"}},
    {S::LineToGeneral, "line.to-general", {"name"}},
    {S::LineToGeneralDivide, "line.to-general-divide", {"name", "k"}},
    {S::LineToGeneralMultiply, "line.to-general-multiply", {"name", "k"}},
    {S::SimplifySolvedLine, "line.simplify-solved", {"name"}},
    {S::GeneralFromReduced, "equation.general", {}},
    {S::GeneralFromReducedDivide, "equation.general-divide", {"k"}},
    {S::GeneralFromReducedMultiply, "equation.general-multiply", {"k"}},
    {S::SlopeAndIntercept, "typed-line.slope", {"m", "b"}},
    {S::VerticalLinePoints, "typed-line.vertical-points", {"k", "A", "B"}},
    {S::HorizontalLinePoints, "typed-line.horizontal-points", {"k", "A", "B"}},
    {S::YIntercept, "typed-line.y-intercept", {"A"}},
    {S::XIntercept, "typed-line.x-intercept", {"B"}},
    {S::LineThroughOrigin, "typed-line.through-origin", {"A", "B"}},
    {S::TypedLineResult, "typed-line.result", {"A", "B"}},
    {S::NoLineThroughOnePoint, "line-through.no-line", {}},
    {S::SameAbscissa, "line-through.same-abscissa", {"k"}},
    {S::SlopeOfSegment, "line-through.slope", {}},
    {S::PointSlopeEquation, "line-through.point-slope", {}},
    {S::LineThroughPointsResult, "line-through.result", {"equation"}},
    {S::ParallelFamily, "parallel.family", {"equation"}},
    {S::PerpendicularFamily, "perpendicular.family", {"equation"}},
    {S::FamilyThroughPoint, "family.through-point", {"P"}},
    {S::ParallelResult, "parallel.result", {"equation"}},
    {S::PerpendicularResult, "perpendicular.result", {"equation"}},
    {S::IntersectionSystem, "intersection.system", {}},
    {S::IsolateUnknown, "intersection.isolate", {"line", "v"}},
    {S::SubstituteUnknown, "intersection.substitute", {"v", "expression", "line", "w"}},
    {S::SolveOtherEquation, "intersection.solve-other", {"line", "v", "w"}},
    {S::BackSubstitute, "intersection.back-substitute", {"w", "value", "v"}},
    {S::IntersectionResult, "intersection.result", {"I"}},
    {S::IntersectionParallel, "intersection.parallel", {}},
    {S::IntersectionCoincident, "intersection.coincident", {}},
    {S::LinesParallel, "parallel-distance.parallel", {}},
    {S::LinesNotParallel, "parallel-distance.not-parallel", {}},
    {S::ParallelDistanceMethod, "parallel-distance.method", {}},
    {S::PointOfLine, "parallel-distance.point", {"v", "P"}},
    {S::ParallelLinesCoincide, "parallel-distance.coincident", {"d"}},
    {S::ParallelDistanceResult, "parallel-distance.result", {"d"}},
    {S::DistanceToLineFormula, "distance-line.formula", {}},
    {S::SubstitutePointAndLine, "distance-line.substitute", {"P", "line"}},
    {S::DistanceToLineCompute, "distance-line.compute", {}},
    {S::DistanceToLineRationalise, "distance-line.rationalise", {}},
    {S::PointOnLine, "point-line-distance.on-line", {"d"}},
    {S::PointLineDistanceResult, "point-line-distance.result", {"d"}},
    {S::DirectionVectors, "angle.vectors", {}},
    {S::AngleOfParallels, "angle.parallel", {}},
    {S::AngleFormula, "angle.formula", {}},
    {S::AngleSubstitute, "angle.substitute", {}},
    {S::AngleCompute, "angle.compute", {}},
    {S::AnglePerpendicular, "angle.perpendicular", {}},
    {S::AngleNotable, "angle.notable", {"c"}},
    {S::AngleInverse, "angle.inverse", {}},
    {S::AngleResult, "angle.result", {"theta"}},
    // --- Lines 3, Lines 4 and Circles 1
    {S::QuadraticDiscriminant, "quadratic.discriminant", {}},
    {S::QuadraticNoRoots, "quadratic.no-roots", {}},
    {S::QuadraticDoubleRoot, "quadratic.double-root", {}},
    {S::QuadraticTwoRoots, "quadratic.two-roots", {"formula"}},
    {S::QuadraticRoots, "quadratic.roots", {}},
    {S::CircleLineSystem, "circle-line.system", {}},
    {S::SubstituteInCircle, "circle-line.substitute", {"v", "expression", "w"}},
    {S::BackSubstituteRoot, "circle-line.back-substitute", {"w", "root", "v"}},
    {S::LineMissesCircle, "circle-line.exterior", {}},
    {S::LineTangentToCircle, "circle-line.tangent", {"T"}},
    {S::LineSecantToCircle, "circle-line.secant", {"A", "B"}},
    {S::CompleteSquares, "circle.complete-squares", {}},
    {S::CircleReducedForm, "circle.reduced-form", {}},
    {S::CircleAtOrigin, "circle.at-origin", {}},
    {S::CircleToGeneral, "circle.to-general", {}},
    {S::CircleToGeneralDivide, "circle.to-general-divide", {"k"}},
    {S::CircleMoveTerms, "circle.move-terms", {}},
    {S::CircleMoveTermsDivide, "circle.move-terms-divide", {"k"}},
    {S::CircleCentreRadius, "circle.centre-radius", {"C", "r"}},
    {S::CircleFormula, "circle.formula", {}},
    {S::CircleSubstitute, "circle.substitute", {"C", "r"}},
    {S::CircleResult, "circle.result", {"equation"}},
    {S::ZeroRadius, "circle.zero-radius", {}},
    {S::NegativeRadius, "circle.negative-radius", {"r"}},
    {S::TangentCircleRadius, "tangent-circle.radius", {}},
    {S::TangentCircleRadiusResult, "tangent-circle.radius-result", {"d"}},
    {S::CentreOnLine, "tangent-circle.centre-on-line", {"d"}},
    {S::PointOnCircle, "tangent.on-circle", {"P"}},
    {S::PointNotOnCircle, "tangent.not-on-circle", {"P"}},
    {S::TangentNormal, "tangent.normal", {}},
    {S::TangentEquation, "tangent.equation", {}},
    {S::TangentResult, "tangent.result", {"equation"}},
    {S::CollinearSlopes, "collinear.slopes", {}},
    {S::CollinearVectors, "collinear.vectors", {}},
    {S::CollinearCoincident, "collinear.coincident", {"P", "Q"}},
    {S::PointsCollinear, "collinear.yes", {}},
    {S::PointsNotCollinear, "collinear.no", {}},
    {S::NoSlope, "slope.none", {}},
    {S::SlopeOfReduced, "slope.reduced", {"m"}},
    {S::InclinationTangent, "inclination.tangent", {}},
    {S::InclinationNotable, "inclination.notable", {"m"}},
    {S::InclinationInverse, "inclination.inverse", {}},
    {S::InclinationObtuse, "inclination.obtuse", {}},
    {S::InclinationResult, "inclination.result", {"alpha"}},
    {S::PositionCompare, "position.compare", {}},
    {S::PositionConcurrent, "position.concurrent", {}},
    {S::PositionParallel, "position.parallel", {}},
    {S::PositionCoincident, "position.coincident", {}},
    {S::ParallelToXAxis, "axis.horizontal", {"P"}},
    {S::ParallelToYAxis, "axis.vertical", {"P"}},
    {S::InclinationOutOfRange, "inclination.out-of-range", {"alpha"}},
    {S::InclinationVertical, "inclination.vertical", {}},
    {S::SlopeFromInclination, "inclination.slope", {}},
    {S::SlopeThroughPoint, "slope.through-point", {}},
    {S::LineFoundResult, "through-point.result", {"equation"}},
    {S::AngleLineTangent, "angle-line.tangent", {}},
    {S::AngleLineNormals, "angle-line.normals", {}},
    {S::AngleLinePerpendicular, "angle-line.perpendicular", {}},
    {S::AngleLineFirst, "angle-line.first", {"equation"}},
    {S::AngleLineSecond, "angle-line.second", {"equation"}},
    {S::AngleLineResult, "angle-line.result", {"first", "second"}},
    {S::BisectorsOfParallels, "bisectors.parallel", {}},
    {S::BisectorsDefinition, "bisectors.definition", {}},
    {S::BisectorsTwoEquations, "bisectors.two-equations", {}},
    {S::BisectorsFirst, "bisectors.first", {"equation"}},
    {S::BisectorsSecond, "bisectors.second", {"equation"}},
    {S::CollinearVertices, "triangle.collinear", {}},
    {S::LinesSystem, "centre.system", {"r", "s"}},
    {S::CentreLinesParallel, "centre.parallel", {}},
    {S::TriangleVectors, "triangle.vectors", {}},
    {S::Determinant, "triangle.determinant", {}},
    {S::CircumcentreMethod, "circumcentre.method", {"r", "s"}},
    {S::SideBisector, "circumcentre.side-bisector", {"name", "side", "M", "vector"}},
    {S::SegmentBisector, "bisector.of-segment", {"name", "side", "M", "vector"}},
    {S::CircumcentreResult, "circumcentre.result", {"O"}},
    {S::IncentreMethod, "incentre.method", {}},
    {S::SideLengths, "incentre.sides", {}},
    {S::IncentreFormula, "incentre.formula", {}},
    {S::IncentreCompute, "incentre.compute", {}},
    {S::IncentreComputeLong, "incentre.compute-long", {}},
    {S::IncentreResult, "incentre.result", {"I"}},
    {S::IncentreOfOnePoint, "incentre.one-point", {}},
    {S::OrthocentreMethod, "orthocentre.method", {}},
    {S::Altitude, "orthocentre.altitude", {"name", "vertex", "side", "vector"}},
    {S::OrthocentreResult, "orthocentre.result", {"H"}},
    {S::CentroidFormula, "centroid.formula", {}},
    {S::CentroidCompute, "centroid.compute", {}},
    {S::CentroidResult, "centroid.result", {"G"}},
    {S::AreaFormula, "area.formula", {}},
    {S::AreaResult, "area.result", {"area"}},
    {S::AreaCounterClockwise, "area.counter-clockwise", {"value"}},
    {S::AreaClockwise, "area.clockwise", {"value"}},
    {S::SquaredSides, "right.squared-sides", {}},
    {S::PythagorasHolds, "right.holds", {"side"}},
    {S::PythagorasFails, "right.fails", {"side"}},
    {S::InradiusFormula, "incircle.radius", {}},
    {S::InscribedResult, "incircle.result", {}},
    {S::InscribedResultLong, "incircle.result-long", {"I", "r"}},
    {S::CircumradiusCompute, "circumcircle.radius", {}},
    {S::CircumscribedResult, "circumcircle.result", {}},
    {S::PointCircleMethod, "point-circle.method", {}},
    {S::PointCentreDistance, "point-circle.centre-distance", {}},
    {S::PointExterior, "point-circle.exterior", {}},
    {S::PointOnTheCircle, "point-circle.on", {}},
    {S::PointInterior, "point-circle.interior", {}},
    {S::PointCircleResult, "point-circle.result", {"d"}},
    {S::ThreePointsMethod, "three-points.method", {"r", "s"}},
    {S::ThreePointsCollinear, "three-points.collinear", {}},
    {S::ThreePointsCentre, "three-points.centre", {"O"}},
    {S::ThreePointsRadius, "three-points.radius", {}},
    {S::GeneralCircleEquation, "circle.general-equation", {}},
    {S::ThreePointsResult, "three-points.result", {"equation"}},
    {S::PointQNotOnLine, "touching.q-not-on-line", {}},
    {S::PointQOnLine, "touching.q-on-line", {}},
    {S::PointPOnTangent, "touching.p-on-line", {}},
    {S::TouchingCircleMethod, "touching.method", {"r", "s"}},
    {S::NormalAtPoint, "touching.normal", {"r", "vector"}},
    {S::TouchingCircleCentre, "touching.centre", {"O"}},
    {S::TouchingCircleRadius, "touching.radius", {}},
    {S::TouchingCircleResult, "touching.result", {}},
    {S::CirclesSubtract, "two-circles.subtract", {}},
    {S::CirclesRadicalLine, "two-circles.radical-line", {"equation"}},
    {S::CirclesConcentric, "two-circles.concentric", {}},
    {S::CirclesCoincide, "two-circles.coincident", {}},
    {S::CirclesApart, "two-circles.apart", {}},
    {S::CirclesTangent, "two-circles.tangent", {"T"}},
    {S::CirclesSecant, "two-circles.secant", {"A", "B"}},
    {S::TangentsNotExterior, "tangents.not-exterior", {}},
    {S::TangentsMethod, "tangents.method", {}},
    {S::TangentsDistance, "tangents.distance", {}},
    {S::TangentsFirstDegree, "tangents.first-degree", {}},
    {S::TangentsVertical, "tangents.vertical", {"equation"}},
    {S::TangentsFirst, "tangents.first", {"equation"}},
    {S::TangentsSecond, "tangents.second", {"equation"}},
    {S::DecidedOnDecimals, "decided-on-decimals", {}},
    {S::AskedReducedEquation, "asked.reduced", {"equation"}},
    {S::AskedReducedEquations, "asked.reduced-two", {"first", "second"}},
    {S::AskedGeneralEquation, "asked.general", {"line", "equation"}},
    {S::AskedReducedCircle, "asked.reduced-circle", {"equation"}},
    {S::AskedSlope, "asked.slope", {"m"}},
    {S::AskedProjectionOnXAxis, "asked.projection-x", {"P", "Q"}},
    {S::AskedProjectionOnYAxis, "asked.projection-y", {"P", "Q"}},
    {S::SlopesOfParallel, "asked.slopes-parallel", {"mr", "P"}},
    {S::SlopesOfPerpendicular, "asked.slopes-perpendicular", {"mr", "m", "Q"}},
};

const std::vector<KindInfo<TitleKind>> kTitles = {
    {TitleKind::Point, "title.point", {"P"}},
    {TitleKind::Midpoint, "title.midpoint", {"A", "B"}},
    {TitleKind::Distance, "title.distance", {"A", "B"}},
    {TitleKind::Bisector, "title.bisector", {"A", "B"}},
    {TitleKind::TypedLine, "title.typed-line", {"r"}},
    {TitleKind::LineThroughPoints, "title.line-through-points", {"A", "B"}},
    {TitleKind::ParallelThrough, "title.parallel-through", {"P", "r"}},
    {TitleKind::PerpendicularThrough, "title.perpendicular-through", {"Q", "r"}},
    {TitleKind::Intersection, "title.intersection", {"r", "s"}},
    {TitleKind::ParallelDistance, "title.parallel-distance", {"r", "s"}},
    {TitleKind::PointLineDistance, "title.point-line-distance", {"P", "r"}},
    {TitleKind::Angle, "title.angle", {"r", "s"}},
    // --- Lines 3, Lines 4 and Circles 1
    {TitleKind::CircleByEquation, "title.circle-by-equation", {"c"}},
    {TitleKind::CircleByCentre, "title.circle-by-centre", {"C", "r"}},
    {TitleKind::TangentCircle, "title.tangent-circle", {"P", "t"}},
    {TitleKind::TangentAtPoint, "title.tangent-at-point", {"P", "c"}},
    {TitleKind::LineAndCircle, "title.line-and-circle", {"r", "c"}},
    {TitleKind::Collinearity, "title.collinearity", {"A", "B", "C"}},
    {TitleKind::SlopeThroughPoints, "title.slope-through-points", {"A", "B"}},
    {TitleKind::SlopeOfLine, "title.slope-of-line", {"r"}},
    {TitleKind::RelativePosition, "title.relative-position", {"r", "s"}},
    {TitleKind::LineParallelToXAxis, "title.parallel-to-x-axis", {"P"}},
    {TitleKind::LineParallelToYAxis, "title.parallel-to-y-axis", {"P"}},
    {TitleKind::LineWithInclination, "title.line-with-inclination", {"P", "alpha"}},
    {TitleKind::LineWithSlope, "title.line-with-slope", {"P", "m"}},
    {TitleKind::LinesAtAngle, "title.lines-at-angle", {"P", "beta", "r"}},
    {TitleKind::Bisectors, "title.bisectors", {"r", "s"}},
    {TitleKind::Circumcentre, "title.circumcentre", {"A", "B", "C"}},
    {TitleKind::Incentre, "title.incentre", {"A", "B", "C"}},
    {TitleKind::Orthocentre, "title.orthocentre", {"A", "B", "C"}},
    {TitleKind::Centroid, "title.centroid", {"A", "B", "C"}},
    {TitleKind::TriangleArea, "title.triangle-area", {"A", "B", "C"}},
    {TitleKind::RightTriangle, "title.right-triangle", {"A", "B", "C"}},
    {TitleKind::Incircle, "title.incircle", {"A", "B", "C"}},
    {TitleKind::Circumcircle, "title.circumcircle", {"A", "B", "C"}},
    {TitleKind::PointCircleDistance, "title.point-circle-distance", {"P", "c"}},
    {TitleKind::CircleThroughPoints, "title.circle-through-points", {"A", "B", "C"}},
    {TitleKind::TouchingCircle, "title.touching-circle", {"P", "Q", "t"}},
    {TitleKind::TwoCircles, "title.two-circles", {"c1", "c2"}},
    {TitleKind::TangentsFromPoint, "title.tangents-from-point", {"P", "c"}},
};
// clang-format on

template <typename Kind>
const KindInfo<Kind>& info(const std::vector<KindInfo<Kind>>& table, Kind kind) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [kind](const KindInfo<Kind>& i) { return i.kind == kind; });
    if (it == table.end()) throw std::logic_error("a kind without its entry in the kind table");
    return *it;
}

template <typename Kind>
std::vector<Kind> kindsOf(const std::vector<KindInfo<Kind>>& table) {
    std::vector<Kind> kinds;
    for (const auto& i : table)
        kinds.push_back(i.kind);
    return kinds;
}

} // namespace

Figure Figure::point(const Point& p, std::string name) {
    return {Kind::Point, std::move(name), p.x.toDouble(), p.y.toDouble()};
}

Figure Figure::segment(const Point& p, const Point& q, std::string name) {
    return {Kind::Segment,  std::move(name), p.x.toDouble(),
            p.y.toDouble(), q.x.toDouble(),  q.y.toDouble()};
}

Figure Figure::line(const Line& l, std::string name) {
    return {Kind::Line, std::move(name), l.a.toDouble(), l.b.toDouble(), l.c.toDouble()};
}

Figure Figure::circle(const Circle& c, std::string name) {
    return {Kind::Circle, std::move(name), c.centre.x.toDouble(), c.centre.y.toDouble(),
            c.radius.toDouble()};
}

Step& Step::line(Math m) {
    lines.push_back(std::move(m));
    return *this;
}

Step& Step::figure(Figure f) {
    figures.push_back(std::move(f));
    return *this;
}

void Answer::add(std::string label, AnswerValue value) {
    if (const Line* l = std::get_if<Line>(&value)) value = normalised(*l);
    m_parts.push_back({std::move(label), std::move(value)});
}

const AnswerValue* Answer::find(std::string_view label) const {
    for (const AnswerPart& p : m_parts)
        if (p.label == label) return &p.value;
    return nullptr;
}

Step& Solution::add(StepKind kind, std::vector<Slot> values) {
    steps.push_back(Step{kind, std::move(values), {}, {}});
    return steps.back();
}

std::string_view key(StepKind kind) {
    return info(kSteps, kind).key;
}
std::string_view key(TitleKind kind) {
    return info(kTitles, kind).key;
}
const std::vector<std::string_view>& slotNames(StepKind kind) {
    return info(kSteps, kind).slots;
}
const std::vector<std::string_view>& slotNames(TitleKind kind) {
    return info(kTitles, kind).slots;
}

const std::vector<StepKind>& allStepKinds() {
    static const std::vector<StepKind> kinds = kindsOf(kSteps);
    return kinds;
}

const std::vector<TitleKind>& allTitleKinds() {
    static const std::vector<TitleKind> kinds = kindsOf(kTitles);
    return kinds;
}

} // namespace exact
