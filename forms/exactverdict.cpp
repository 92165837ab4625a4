#include "exactverdict.h"

#include "numbered_error.h"

#include <new>

std::optional<bool>
decideExactly(const exact::FrameData& data,
              const std::function<std::optional<bool>(const exact::FrameData&)>& verdict,
              bool wholeDoublesExact) {
    if (wholeDoublesExact && data.wholeNumbersOnly()) return std::nullopt;
    try {
        return verdict(data);
    } catch (const NumberedError&) { // a fault of the exact reading only: the doubles decide
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
