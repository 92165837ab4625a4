#pragma once

#include "evaluation.h"
#include "given.h"
#include "solution.h"

/// The worked solutions of "CIRCUNFERÊNCIA - 3": the common points of two
/// circles, the tangents to a circle from a point outside it, and the circle
/// through a point P touching a line at a point Q. Each answer is tagged with
/// the frame's result labels.
namespace exact::solutions {

/// "Intersecção de duas circunferências": the equations subtracted give the
/// radical line, which meets the first circle where the second does (by
/// substitution and the quadratic); concentric circles stop the solution.
Solution solveTwoCircles(const GivenCircle& first, const GivenCircle& second);
/// "Rectas que passam por P e são tg a uma circunferência": the slopes m of
/// the lines through P at the distance r from the centre; a point that is not
/// outside the circle stops the solution.
Solution solveTangentsFromPoint(const Point& p, const GivenCircle& circle);

/// "Circunferência que passa em P e é tg à recta no ponto Q": the centre on
/// the perpendicular to t at Q and on the perpendicular bisector of [PQ].
Solution solveTouchingCircle(const Point& p, const Point& q, const GivenLine& t);

} // namespace exact::solutions
