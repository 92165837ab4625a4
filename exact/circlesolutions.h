#pragma once

#include "given.h"
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
Solution solveCircleByEquation(const GivenCircle& c);
/// "Circunferência de equação...": the equation from the centre and the radius.
Solution solveCircleByCentre(const Point& centre, const Number& radius);
/// "Circunferência com centro num ponto e tg a uma recta": the radius is d(P, t).
Solution solveTangentCircle(const Point& p, const GivenLine& t);
/// "Tangente a uma circunferência num dos seus pontos": perpendicular to the radius.
Solution solveTangentAtPoint(const Point& p, const GivenCircle& c);
/// "Intersecção de uma recta com uma circunferência": substitution and the quadratic.
Solution solveLineAndCircle(const GivenLine& r, const GivenCircle& c);

// --- steps that the other circle pages share

/// The equation of a given circle as the title writes it: as typed, or as
/// its reader read it (A x² + A y² + D x + E y + F = 0).
Math typedCircleEquation(const GivenCircle& c);
/// x² + y² + d x + e y + f = 0, with the step that brings the equation
/// typed to it when it is not so written.
GeneralCircle normalisedCircle(Solution& s, const GivenCircle& c);

/// A circle read from its equation: its general equation, its centre and
/// radius, and the square of its radius as computed (exact when the radius
/// is not).
struct CircleData {
    GeneralCircle general;
    Circle circle;
    Number radiusSquared;
};
/// The centre and the radius: read from the reduced equation
/// (x − a)² + (y − b)² = r² when it was typed so, else from the general
/// equation by completing the squares (none to complete when d = e = 0).
/// C and r are bound.
CircleData centreAndRadius(Solution& s, const GivenCircle& c);

} // namespace exact::solutions
