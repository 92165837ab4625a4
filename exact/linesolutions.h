#pragma once

#include "solution.h"

#include <optional>
#include <string>
#include <vector>

/// The worked solutions of the two first pages of straight lines, from the
/// frames' exact data: a line as its reader reads the typed equation, a
/// point as its two fields read. Degenerate data (a "line" 0x + 0y + c = 0,
/// equal points, lines that are not parallel where they must be, parallel
/// lines asked for their intersection or angle) give a solution that says
/// so and stops. Each answer is tagged with the result label of the frame.
namespace exact::solutions {

// --- "RECTA - 1"

/// "Recta de equação...": its general and reduced equations and two points.
Solution solveTypedLine(const Line& r);
/// "Recta que passa por dois pontos": the slope, then y − y_A = m(x − x_A).
Solution solveLineThroughPoints(const Point& a, const Point& b);
/// "Recta que passa por um ponto e é paralela a outra".
Solution solveParallelThrough(const Point& p, const Line& r);
/// "Recta que passa por um ponto e é perpendicular a outra".
Solution solvePerpendicularThrough(const Point& q, const Line& r);

// --- "RECTA - 2"

/// "Intersecção de duas rectas": the system solved by substitution.
Solution solveIntersection(const Line& r, const Line& s);
/// "Distância entre rectas paralelas": a point of r and its distance to s.
Solution solveParallelDistance(const Line& r, const Line& s);
/// "Distância de um ponto a uma recta".
Solution solvePointLineDistance(const Point& p, const Line& r);
/// "Ângulo de duas rectas": the cosine of the angle of their direction vectors.
Solution solveAngle(const Line& r, const Line& s);

// --- steps that other frames' solutions share

/// The system of the equations of two lines r and s (`er` and `es`, as the
/// solution writes them; `rName` and `sName` as the sentences call them)
/// solved by substitution, step by step: where they meet, or nothing when
/// a_r·b_s = a_s·b_r (the last step then ends on an equation 0x = k,
/// impossible or indeterminate, which the caller names).
std::optional<Point> solveSystem(Solution& sol, const Line& r, const Math& er, const Line& s,
                                 const Math& es, const char* rName = "r", const char* sName = "s");

/// What a distance's solution says at its end: its result, or (`zero`) that
/// the distance is 0, each with the slot {d}; and the label the distance is
/// the answer of (none: the caller's answer is another value).
struct DistanceResult {
    StepKind result, zero;
    std::string label;
};

/// |a·x_P + b·y_P + c| / √(a² + b²), in names, in values, then computed and
/// simplified: the steps, and the distance. The formula's line starts with
/// every name in `names` (d(r, s) = d(P, s)), the others with the first;
/// `subscript` names the line's coefficients (a_s), or none.
Number distanceToLine(Solution& sol, const std::string& pointName, const Point& p,
                      const std::string& lineName, const std::string& subscript, const Line& l,
                      const std::vector<Math>& names, const DistanceResult& end);

} // namespace exact::solutions
