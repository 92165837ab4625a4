#pragma once

#include "given.h"
#include "solution.h"

/// The worked solutions of "CIRCUNFERÊNCIA - 2" besides the circles of a
/// triangle (trianglesolutions.h): the distance from a point to a circle
/// and the circle through three points (the circle with a given centre
/// tangent to a line is that of the first circle page, circlesolutions.h). Each answer is tagged
/// with the frame's result label.
namespace exact::solutions {

/// "Distância de um ponto P a uma circunferência": |d(P, C) − r|, with the
/// point's position; a point inside the circle stops the solution.
Solution solvePointCircleDistance(const Point& p, const GivenCircle& c);
/// "Circunferência definida por três pontos": the centre where the
/// perpendicular bisectors of [AB] and [AC] meet, the radius, the general
/// equation; points in a straight line stop the solution.
Solution solveCircleThroughPoints(const Point& a, const Point& b, const Point& c);

// --- steps that other frames' solutions share

/// Where a point P is beside a circle of centre C: d(P, C) computed, and
/// d(P, C)² against r² (exterior, on the circle, interior), each a step.
/// Returns the sign of d(P, C)² − r².
int pointAndCircle(Solution& s, const Point& p, const Circle& c);

} // namespace exact::solutions
