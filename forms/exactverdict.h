#pragma once

#include "frame.h"

#include <functional>
#include <optional>

/// A verdict decided on the pressed frame's fields read exactly, such as
/// `[](const exact::FrameData& d) { return exact::verdict::equal(d.point(0), d.point(1)); }`;
/// nothing when a value it needs is not exact or its exact reading faults:
/// the frame then compares its doubles, as it always has. Nothing either,
/// without reading, when the frame's doubles are already exact:
/// `wholeDoublesExact` says that the frame computes the verdict's values with
/// sums and products only, so that small whole numbers typed
/// (FrameData::wholeNumbersOnly) give exact doubles.
std::optional<bool>
decideExactly(const exact::FrameData& data,
              const std::function<std::optional<bool>(const exact::FrameData&)>& verdict,
              bool wholeDoublesExact = true);
