#pragma once

#include "solution.h"

/// The worked solutions of "CIRCUNFERÊNCIA - 3": the common points of two
/// circles, the tangents to a circle from a point outside it, and the circle
/// through a point P touching a line at a point Q. Each answer is tagged with
/// the frame's result labels.
namespace exact::solutions {

/// "Circunferência que passa em P e é tg à recta no ponto Q": the centre on
/// the perpendicular to t at Q and on the perpendicular bisector of [PQ].
Solution solveTouchingCircle(const Point& p, const Point& q, const Line& t);

} // namespace exact::solutions
