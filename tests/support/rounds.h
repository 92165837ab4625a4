#pragma once

// How many random rounds a suite runs: its own small number, or that many
// times ORTOPLANO_LONG_ROUNDS, which the suite's long run (CTest label
// "long") sets.

#include <algorithm>
#include <cstdlib>

inline int rounds(int base) {
    const char* factor = std::getenv("ORTOPLANO_LONG_ROUNDS");
    return base * (factor ? std::max(1, std::atoi(factor)) : 1);
}
