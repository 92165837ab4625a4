#pragma once

#include "solution.h"

/// The endings an exercise asks of a frame's worked solution where the
/// frame ends on something else: the form of the equations asked for, the
/// slope where the frame goes on to the inclination, the projection of a
/// point that the frame only plots.
namespace exact::solutions {

/// What an exercise asks for.
enum class Asked : std::uint8_t {
    AsFound,          ///< what the frame's solution finds, as it writes it
    ReducedEquations, ///< the reduced equations of the lines it finds
    GeneralEquations, ///< the general equations of the lines it finds
    ReducedCircle,    ///< the reduced equation of the circle it finds
    Slope,            ///< the slope it finds
};

/// Ends the solution on what was asked, in a step of its own: the
/// equations of its lines in the form asked (each from the other form),
/// the reduced equation of its circle, or its slope. Adds nothing for what
/// its last step already says (its second half, for two lines), or when
/// the solution stopped on a verdict.
void endOnAsked(Solution& s, Asked asked);

/// The line through `p` (named `name`) parallel or perpendicular to `given`
/// found again through the slopes, in a step before the last: the slope of
/// `given`, the slope asked for, the line through `p` with it. Nothing where
/// a slope is missing (`given` vertical, or horizontal for a perpendicular).
void slopesBeforeTheEnd(Solution& s, const Line& given, const Point& p, const std::string& name,
                        bool perpendicular);

/// Ends the drawing of the point P on its orthogonal projection on the
/// axis of abscissas (`onXAxis`) or of ordinates.
void endOnProjection(Solution& s, const Point& p, bool onXAxis);

} // namespace exact::solutions
