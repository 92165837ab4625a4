#pragma once

#include "mathtree.h"

#include <optional>
#include <string>
#include <string_view>

namespace exact {

/// A point with exact (or approximate) coordinates.
struct Point {
    Number x;
    Number y;
    friend bool operator==(const Point&, const Point&) = default;
};

/// The line a·x + b·y + c = 0.
struct Line {
    Number a;
    Number b;
    Number c;
    /// 0x + 0y + c = 0 is not a line.
    bool isDegenerate() const { return a.isZero() && b.isZero(); }
};

/// A circle by its centre and radius.
struct Circle {
    Point centre;
    Number radius;
    /// r², when it is known exactly though r is not (√(1 + √2) is not kept
    /// exact, 1 + √2 is): what the decisions on the circle compare.
    std::optional<Number> knownSquare{};
    Number radiusSquared() const { return knownSquare ? *knownSquare : square(radius); }
};

/// A circle's equation in general form: x² + y² + d·x + e·y + f = 0.
struct GeneralCircle {
    Number d, e, f;
};

/// x² + y² − 2a·x − 2b·y + a² + b² − r² = 0 for the circle of centre (a, b) and radius r.
GeneralCircle generalForm(const Circle& c);
/// The circle of a general equation: centre (−d/2, −e/2), radius √(d²/4 + e²/4 − f);
/// raises 5 when d²/4 + e²/4 − f < 0.
Circle circleOf(const GeneralCircle& g);

Point midpoint(const Point& p, const Point& q);
Number squaredDistance(const Point& p, const Point& q);
Number distance(const Point& p, const Point& q);
/// (yq − yp)·x + (xp − xq)·y + xq·yp − xp·yq = 0.
Line lineThrough(const Point& p, const Point& q);
/// Where two lines meet, by Cramer's rule; parallel lines raise 11.
Point intersection(const Line& m, const Line& n);
/// The distance from a point to a line, |a·x + b·y + c| / √(a² + b²); no
/// line raises 11.
Number distance(const Point& p, const Line& l);
/// The points equidistant from p and q: 2(xq − xp)x + 2(yq − yp)y + xp² + yp² − xq² − yq² = 0.
Line perpendicularBisector(const Point& p, const Point& q);

/// The same line multiplied by a non-zero number: whole coprime coefficients
/// with the first non-zero one positive when they are rational; otherwise the
/// first non-zero one positive and the rational factors cleared.
Line normalised(const Line& l);
/// The number normalised() multiplies by: 1 for a degenerate line, ±1 (the
/// sign only) for an approximate one.
Number normalisingFactor(const Line& l);
/// Whether l and m are the same line (proportional coefficients), decided exactly.
bool sameLine(const Line& l, const Line& m);
/// Whether a point lies on a line: a·x + b·y + c = 0, decided exactly.
bool contains(const Line& l, const Point& p);

// --- trees and texts of the normal forms

/// (x , y), or A(x , y) with a name.
Math pointTree(const Point& p, const std::string& name = {});
/// a x + b y + c = 0 as written, without normalising.
Math generalEquation(const Line& l);
/// y = m x + k, or x = k for a vertical line; nothing for a degenerate line.
std::optional<Math> reducedEquation(const Line& l);
/// (x − a)² + (y − b)² = r².
Math circleEquation(const Circle& c);
/// k·x² + k·y² + d·x + e·y + f = 0, zero terms left out (k = 1: x² + y² + …).
Math generalCircleEquation(const GeneralCircle& g, const Number& k = 1);

/// "(−3 , 1)": the point in normal form ("≈ (3,14 , 0)" when approximate).
std::string text(const Point& p, std::string_view separator);
/// "3x − 4y + 5 = 0": the normalised general equation.
std::string generalEquationText(const Line& l, std::string_view separator);
/// "y = (3/4)x + 5/4" or "x = 2"; nothing for a degenerate line.
std::optional<std::string> reducedEquationText(const Line& l, std::string_view separator);
/// "(x − 1)² + (y + 2)² = 5".
std::string circleEquationText(const Circle& c, std::string_view separator);

} // namespace exact
