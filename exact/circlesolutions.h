#pragma once

#include "evaluation.h"
#include "solution.h"

/// The worked solutions of the circle pages, from the frames' exact data: a
/// circle as its reader samples the typed equation (the conic), a line as
/// its reader reads it, a point as its two fields read. Degenerate data (a
/// "line" 0x + 0y + c = 0, a point off the circle, a line that misses it, a
/// zero radius) give a solution that says so and stops. Each answer is
/// tagged with the result label of the frame.
namespace exact::solutions {

// --- "CIRCUNFERÊNCIA - 1"

/// "Circunferência de equação...": centre and radius by completing the squares.
/// How a circle's equation was given: x² + y² + dx + ey + f = 0, or
/// (x − a)² + (y − b)² = r², which its solution then starts from.
enum class CircleForm : std::uint8_t { General, Reduced };

Solution solveCircleByEquation(const Conic& c, CircleForm written = CircleForm::General);
/// "Circunferência de equação...": the equation from the centre and the radius.
Solution solveCircleByCentre(const Point& centre, const Number& radius);
/// "Circunferência com centro num ponto e tg a uma recta": the radius is d(P, t).
Solution solveTangentCircle(const Point& p, const Line& t);
/// "Tangente a uma circunferência num dos seus pontos": perpendicular to the radius.
Solution solveTangentAtPoint(const Point& p, const Conic& c);
/// "Intersecção de uma recta com uma circunferência": substitution and the quadratic.
Solution solveLineAndCircle(const Line& r, const Conic& c);

// --- steps that the other circle pages share

/// A x² + A y² + D x + E y + F = 0: the typed equation as its reader read it.
Math typedCircleEquation(const Conic& q);
/// x² + y² + d x + e y + f = 0, with the step that divides by A when A ≠ 1.
GeneralCircle normalisedCircle(Solution& s, const Conic& q);
/// The squares completed: the centre and the radius, bound as C and r.
/// Read from the reduced equation instead when that is how it was written.
Circle centreAndRadius(Solution& s, const GeneralCircle& g,
                       CircleForm written = CircleForm::General);

} // namespace exact::solutions
