#pragma once

#include "given.h"
#include "solution.h"

#include <optional>

/// The worked solutions of the two first pages of straight lines, from the
/// frames' exact data: a line as its reader reads the typed equation, a
/// point as its two fields read. Degenerate data (a "line" 0x + 0y + c = 0,
/// equal points, lines that are not parallel where they must be, parallel
/// lines asked for their intersection or angle) give a solution that says
/// so and stops. Each answer is tagged with the result label of the frame.
namespace exact::solutions {

// --- "RECTA - 1"

/// "Recta de equação...": its general and reduced equations and two points.
Solution solveTypedLine(const GivenLine& r);
/// "Recta que passa por dois pontos": the slope, then y − y_A = m(x − x_A).
Solution solveLineThroughPoints(const Point& a, const Point& b);
/// "Recta que passa por um ponto e é paralela a outra".
Solution solveParallelThrough(const Point& p, const GivenLine& r);
/// "Recta que passa por um ponto e é perpendicular a outra".
Solution solvePerpendicularThrough(const Point& q, const GivenLine& r);

// --- "RECTA - 2"

/// "Intersecção de duas rectas": the system solved by substitution.
Solution solveIntersection(const GivenLine& r, const GivenLine& s);
/// "Distância entre rectas paralelas": a point of r and its distance to s.
Solution solveParallelDistance(const GivenLine& r, const GivenLine& s);
/// "Distância de um ponto a uma recta".
Solution solvePointLineDistance(const Point& p, const GivenLine& r);
/// "Ângulo de duas rectas": the cosine of the angle of their direction vectors.
Solution solveAngle(const GivenLine& r, const GivenLine& s);

// --- "RECTA - 3"

/// "Ver se três pontos são colineares": the slopes of AB and AC (the vectors
/// AB⃗ and AC⃗ when one of them is vertical).
Solution solveCollinearity(const Point& a, const Point& b, const Point& c);
/// "Coeficiente angular e inclinação de uma recta", by two of its points.
Solution solveSlopeThroughPoints(const Point& a, const Point& b);
/// "Coeficiente angular e inclinação de uma recta", by its equation.
Solution solveSlopeOfLine(const GivenLine& r);
/// "Posição relativa de duas rectas": the coefficients compared, the meeting point.
Solution solveRelativePosition(const GivenLine& r, const GivenLine& s);

// --- "RECTA - 4"

/// "Recta que passa num ponto e ...": each option.
Solution solveParallelToXAxis(const Point& p);
Solution solveParallelToYAxis(const Point& p);
/// The inclination α in degrees; tg α exact where α is a notable angle.
Solution solveLineWithInclination(const Point& p, const Number& alpha);
Solution solveLineWithSlope(const Point& p, const Number& m);
/// The two lines through P at β degrees with r.
Solution solveLinesAtAngle(const Point& p, const Number& beta, const GivenLine& r);
/// "Bissectrizes de duas rectas concorrentes": d(P, r) = d(P, s).
Solution solveBisectors(const GivenLine& r, const GivenLine& s);

// --- steps that other frames' solutions share

/// The system of the equations of two lines r and s (`er` and `es`, as the
/// solution writes them; `rName` and `sName` as the sentences call them)
/// solved by substitution, step by step: where they meet, or nothing when
/// a_r·b_s = a_s·b_r (the last step then ends on an equation 0x = k,
/// impossible or indeterminate, which the caller names).
std::optional<Point> solveSystem(Solution& sol, const Line& r, const Math& er, const Line& s,
                                 const Math& es, const char* rName = "r", const char* sName = "s");

} // namespace exact::solutions
