#pragma once

// What the rows of the frame table are written with. Each topic's frames
// are declared beside the worked solutions they explain with (the rows at
// the end of pointsolutions.cpp, lines1solutions.cpp, …), and frametable.cpp
// puts the topics in order. docs/problem-forms.md walks through adding one.

#include "circlesolutions.h"
#include "frame.h"
#include "translatable.h"
#include "trianglesolutions.h"

#include <stdexcept>
#include <vector>

namespace exact::solutions {

/// The frames of each topic, from the top of its form.
std::vector<Frame> pointFrames();
std::vector<Frame> lines1Frames();
std::vector<Frame> lines2Frames();
std::vector<Frame> lines3Frames();
std::vector<Frame> lines4Frames();
std::vector<Frame> circles1Frames();
std::vector<Frame> circles2Frames();
std::vector<Frame> circles3Frames();
std::vector<Frame> triangleFrames();

namespace rows {

/// The fields of a frame, by role: a point by the n of its Abcissa<n> and
/// Ordenada<n>, any other field by its name; `options` as FrameField says.
inline FrameField point(const char* n, unsigned options = 0) {
    return {Role::Point, n, options};
}
inline FrameField line(const char* name, unsigned options = 0) {
    return {Role::Line, name, options};
}
inline FrameField circle(const char* name, unsigned options = 0) {
    return {Role::Circle, name, options};
}
inline FrameField number(const char* name, unsigned options = 0) {
    return {Role::Number, name, options};
}
inline FrameField angle(const char* name, unsigned options = 0) {
    return {Role::Angle, name, options};
}
/// Read by option k alone.
constexpr unsigned only(int k) {
    return 1u << k;
}

/// The triangle of the first three points.
inline Triangle triangle(const FrameData& d) {
    return {d.point(0), d.point(1), d.point(2)};
}

/// The circle of the i-th circle field, which its reader must have taken for one.
inline Circle circleOf(const FrameData& d, std::size_t i) {
    const CircleReading& c = d.circle(i);
    if (c.refusal != Refusal::None) throw std::domain_error("not a circle exactly");
    return c.circle;
}

} // namespace rows

} // namespace exact::solutions
