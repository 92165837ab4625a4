#pragma once

// What the solutions of the frames about two typed lines share.

#include "solutionkit.h"

#include <string>

namespace exact::solutions {

/// The two given lines with whole coprime coefficients, and their equations
/// as the solution writes them.
struct GivenLines {
    Line r, s;
    Line readR, readS; ///< as read, their signs as typed

    Math er, es;
    const char* rName = "r"; ///< as the sentences call them
    const char* sName = "s";
};

/// The steps of a two-line frame after its beginning, and its label.
using TwoLineSteps = void (*)(Solution&, const GivenLines&, const std::string&);

/// A two-line frame's solution: the title, a stop when either equation is
/// no line, otherwise both lines as `use` asks for them (each with its step
/// when it is not so written), then the frame's own steps.
Solution twoLineFrame(TitleKind kind, const std::string& label, const GivenLine& typed1,
                      const GivenLine& typed2, kit::LineUse use, TwoLineSteps steps);

/// The meeting point of two lines by substitution, the answer of `label`;
/// or, when the lines are parallel or the same, the verdict, which stops the
/// solution.
void intersectionSteps(Solution& sol, const GivenLines& g, const std::string& label);

} // namespace exact::solutions
