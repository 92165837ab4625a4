#pragma once

// What the pupil gave: a line or a circle as its reader read it, with the
// text typed, so that a solution writes the equation as the pupil typed it.

#include "evaluation.h"

#include <optional>
#include <string>

namespace exact {

/// A line as given: what its reader read and the text typed (empty when the
/// line was not typed, as in a frame's own data: it is then written in its
/// normal form).
struct GivenLine {
    Line line;
    std::string typed;
    GivenLine(
        Line l,
        std::string text = {}) // NOLINT(google-explicit-constructor): a line is given as it is
        : line(std::move(l))
        , typed(std::move(text)) {}
};

/// A circle as given: the conic its reader sampled, and the text typed.
struct GivenCircle {
    Conic conic;
    std::string typed;
    GivenCircle(Conic c, std::string text = {}) // NOLINT(google-explicit-constructor)
        : conic(std::move(c))
        , typed(std::move(text)) {}
};

/// The equation as the pupil typed it ("y = 3x − 2"), when its tree is the
/// line read (checked on points of the plane); nothing when no text was
/// typed or its tree says something else.
std::optional<Math> typedEquation(const GivenLine& l);
std::optional<Math> typedEquation(const GivenCircle& c);

} // namespace exact
