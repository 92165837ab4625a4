#pragma once

#include "evaluation.h"

#include <optional>

/// The yes/no decisions of the frames on exact values: the verdict on the
/// numbers the pupil typed (0.1x + 0.2y = 0.3 and 0.3x + 0.6y = 0.9 are the
/// same line), or nothing when a value involved is approximate (a text with
/// π or a sine), where the frame keeps comparing its doubles.
///
/// A verdict computes on its data without the limits a Number keeps for
/// writing (exact::field): the product of two radicands of 10^12, of two
/// values of 32 radicals, is kept whole. Only a work budget of its own
/// (WorkBudget::Verdict, the same wherever the verdict is asked) bounds it;
/// a verdict the budget cannot reach is nothing, as for approximate data,
/// and the frame's doubles decide it.
namespace exact::verdict {

/// Whether a value is zero.
std::optional<bool> isZero(const Number& n);
/// Whether a value is a whole number.
std::optional<bool> isWhole(const Number& n);
/// Whether the square root of a value is a whole number: the value an
/// integer that is a perfect square (10^16 + 1 is not one).
std::optional<bool> wholeRoot(const Number& n);
/// Whether the distance between two points, or from a point to a line, is
/// a whole number.
std::optional<bool> wholeDistance(const Point& p, const Point& q);
std::optional<bool> wholeDistance(const Point& p, const Line& l);
/// Whether two points are one.
std::optional<bool> equal(const Point& p, const Point& q);
/// Whether an equation a·x + b·y + c = 0 has a = b = 0: no line.
std::optional<bool> noLine(const Line& l);
/// Whether two lines are parallel or the same: a1·b2 = a2·b1.
std::optional<bool> parallel(const Line& l, const Line& m);
/// Whether two lines are the same line: every pair of coefficients proportional.
std::optional<bool> sameLine(const Line& l, const Line& m);
/// Whether two lines are perpendicular: a1·a2 + b1·b2 = 0.
std::optional<bool> perpendicular(const Line& l, const Line& m);

// --- Lines 3, Lines 4 and Circles 1

/// Whether two values are equal, and whether the first is the smaller.
std::optional<bool> equal(const Number& a, const Number& b);
std::optional<bool> less(const Number& a, const Number& b);
/// Whether three points lie on one line: (y3 − y1)(x2 − x1) = (x3 − x1)(y2 − y1).
std::optional<bool> collinear(const Point& p1, const Point& p2, const Point& p3);

/// Whether a typed equation has a circle's shape (C = 0, A = B, A ≠ 0).
std::optional<bool> circleShape(const Conic& q);
/// Whether a circle-shaped equation has r² < 0 (no point), and r² = 0 (one point).
std::optional<bool> imaginaryCircle(const Conic& q);
std::optional<bool> pointCircle(const Conic& q);
/// Whether a point lies on a circle-shaped equation: A x² + A y² + D x + E y + F = 0.
std::optional<bool> onCircle(const Point& p, const Conic& q);
/// Whether a line misses a circle-shaped equation, and whether it touches it:
/// the sign of r²(a² + b²) − (a·x_C + b·y_C + c)².
std::optional<bool> lineMissesCircle(const Line& l, const Conic& q);
std::optional<bool> lineTouchesCircle(const Line& l, const Conic& q);
/// That sign itself: −1 when the line misses the circle, 0 when it touches
/// it, 1 when it crosses it.
std::optional<int> lineAndCircle(const Line& l, const Conic& q);
std::optional<int> lineAndCircle(const Line& l, const Circle& c);
/// Whether the squares of the sides of a triangle satisfy the Pythagorean
/// relation, for one side or another.
std::optional<bool> rightTriangle(const Point& p, const Point& q, const Point& r);
/// Whether a point lies on a line: a·x + b·y + c = 0.
std::optional<bool> onLine(const Line& l, const Point& p);
/// Where a point is from a circle: the sign of d(P, C)² − r² (−1 inside,
/// 0 on it, 1 outside); and whether it is strictly inside.
std::optional<int> circleSide(const Point& p, const Circle& c);
std::optional<bool> insideCircle(const Point& p, const Circle& c);

/// How two circles stand: −1 when they have no common point, 0 when they
/// touch, 1 when they cross (the sign of (d² − (r₁ + r₂)²)·((r₁ − r₂)² − d²),
/// d the distance between the centres).
std::optional<int> circlesContact(const Circle& a, const Circle& b);

/// Whether a verdict on exact data was left to the caller's doubles since the
/// last call, the work budget spent before it was reached; clears it. A
/// worked solution says so (StepKind::DecidedOnDecimals).
bool takeDecidedOnDecimals();

} // namespace exact::verdict
