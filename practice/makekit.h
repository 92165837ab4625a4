#pragma once

// The small vocabulary the frames' exercise makers share.

#include "fieldtext.h"
#include "frames.h"
#include "texts.h"

#include <string>

namespace practice::kit {

using exact::Circle;
using exact::Line;
using exact::Number;
using exact::Point;

inline Number N(int v) {
    return Number(v);
}
inline Number Q(int p, int q) {
    return Number::fraction(p, q);
}
inline Number R(int k, int n) { ///< k√n
    return Number(k) * exact::sqrt(Number(n));
}

inline const Point& pt(const Exercise& ex, std::size_t i) {
    return ex.data.points.at(i);
}
inline const Line& ln(const Exercise& ex, std::size_t i) {
    return ex.data.lines.at(i);
}
inline std::vector<Value> one(Value v) {
    return {std::move(v)};
}
/// The line through p with the normal of l rotated a quarter turn (the perpendicular through p).
Line perpendicularThrough(const Line& l, const Point& p);
/// tan of a notable amplitude (0, 30, 45, 60, 90 excluded, 120, 135, 150 degrees).
Number tangentOf(int degrees);
/// A normal vector from a short list of small ones.
Point smallNormal(Rng& rng);
/// A line at a distance from p that the level can write: k·‖n‖ at the basic
/// level (a whole distance), a whole c otherwise (a distance with a root).
Line lineAtNiceDistance(Rng& rng, Level level, const Point& p);

/// The centroid of the exercise's three first points.
Point centroid(const Exercise& ex);
/// The fields of the three vertices, Abcissa<first>… on.
void triangleFields(Exercise& ex, int first);
/// The slots {A}, {B} and {C} of a sentence: the three vertices, "A(…)".
texts::Slots vertexSlots(const Exercise& ex);

/// A coordinate of the data: whole at the basic level, a half or a negative
/// number in between, whole again at the advanced level (whose roots come
/// from the answers).
Number coordinate(Rng& rng, Level level, int range = 6);
/// A lattice point of the data, with coordinate().
Point somePoint(Rng& rng, Level level, int range = 6);

/// Sets the fields of a point: Abcissa<n> and Ordenada<n>.
void pointFields(Exercise& ex, int n, const Point& p);
void field(Exercise& ex, const std::string& name, std::string text);

/// The expected answer: one value or several.
void expect(Exercise& ex, AnswerKind kind, std::vector<Value> values,
            AskedForm form = AskedForm::Simplified);

/// The first text for a reduced equation, the second for a general one.
const char* byForm(AskedForm form, const char* reduced, const char* general);
/// A line with whole coprime coefficients through a point with normal (a, b).
Line lineWithNormal(const Number& a, const Number& b, const Point& through);
/// The line through p with slope m.
Line lineWithSlope(const Number& m, const Point& p);
/// The slope −a/b of a line that is not vertical.
Number slope(const Line& l);
/// A lattice vector of length 5 (one of the twelve), or of length √5, √10, √13.
Point latticeVector(Rng& rng, int squaredLength);

} // namespace practice::kit
