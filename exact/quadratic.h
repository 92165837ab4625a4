#pragma once

// Equations of the second degree and where a line meets a circle: the
// quadratic solved by its discriminant and the resolvent formula, with exact
// roots (a ± b√n)/d, or the reason there are none.

#include "solution.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace exact {

/// a·t² + b·t + c = 0, with a ≠ 0.
struct Quadratic {
    Number a, b, c;
    /// Δ = b² − 4ac.
    Number discriminant() const { return square(b) - 4 * a * c; }
};

/// Δ, exact when the coefficients are; an approximate Δ within the rounding
/// of b² and 4ac is 0.
Number discriminantOf(const Quadratic& q);

/// The real roots: (−b + √Δ)/(2a), then (−b − √Δ)/(2a); one root for Δ = 0;
/// none for Δ < 0 (decided exactly when the coefficients are exact).
std::vector<Number> roots(const Quadratic& q);

/// a·t² + b·t + c = 0 as an equation in t.
Math quadraticEquation(const Quadratic& q, const Math& t);

namespace kit {

/// The quadratic with whole coprime coefficients, the first positive, with
/// the step that multiplies or divides it; as it is when it has them already
/// or when its coefficients are not rational.
Quadratic wholeQuadratic(Solution& solution, const Quadratic& q, const Math& t);

/// The steps that solve a·t² + b·t + c = 0: the discriminant computed, then
/// that there is no real root, one double root, or two roots by the
/// resolvent formula, √Δ simplified and each root written exact and
/// approximate. The roots are named t₁ and t₂ (t alone for a double root)
/// and bound in the environment. Returns the roots, as roots() orders them.
/// `sign` is the sign of Δ when the caller decided it on its data (Δ past
/// the limits of a Number is approximate; its sign is not).
std::vector<Number> solveQuadratic(Solution& solution, const std::string& unknown,
                                   const Quadratic& q, std::optional<int> sign = std::nullopt);

/// A circle as a solution substitutes into it: its general equation
/// x² + y² + d·x + e·y + f = 0, or, when `centre` is set, the reduced one
/// (x − a)² + (y − b)² = `squaredRadius` as the pupil typed it.
struct CircleToMeet {
    GeneralCircle general;
    std::optional<Point> centre;
    Number squaredRadius;
    std::optional<Math> written; ///< the reduced equation as typed; its normal form when none
};

/// Where a line meets a circle, by substitution: the system, the line's
/// equation solved for y (for x when it has no y), put into the circle's
/// equation as written, developed and collected into a quadratic, solved,
/// and the other coordinate of each root found. The steps, and the meeting
/// points in the order of the roots: two, one (the line is tangent) or
/// none. `lineEquation` is the line's equation as the solution writes it,
/// `lineName` its name (r).
std::vector<Point> meetLineAndCircle(Solution& solution, const Line& l, const Math& lineEquation,
                                     const char* lineName, const CircleToMeet& c);

/// The frame's words and labels for the end of a meeting with a circle.
struct MeetingEnd {
    StepKind none, tangent, secant;
    Verdict apart;
    std::string first, second; ///< the labels of the points
    /// Whether of two points found the one given first is the first label's.
    std::function<bool(const Point&, const Point&)> comesFirst;
};

/// The last step of a meeting with a circle: no point (the verdict, and the
/// solution stops), the point of tangency T (in both labels), or A and B in
/// the frame's order.
void meetingOutcome(Solution& solution, std::vector<Point> points, const MeetingEnd& end);

} // namespace kit

} // namespace exact
