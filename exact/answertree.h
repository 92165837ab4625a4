#pragma once

#include "solution.h"

#include <optional>

namespace exact {

/// One value of a solution's answer as its steps write it, exact and
/// simplified: a number (2√58), a point ((−3 , 1)), a line by its normalised
/// general equation (4x − 3y − 25 = 0), a circle by its reduced equation, a
/// notable amplitude (45º). Nothing for an amplitude known only
/// approximately, or a verdict: their words are the frame's.
std::optional<Math> answerTree(const AnswerValue& value);

} // namespace exact
