#pragma once

// How many random rounds a suite runs: its own small number, or that many
// times ORTOPLANO_LONG_ROUNDS, which the suite's long run (CTest label
// "long") sets. Under AddressSanitizer every round is several times slower,
// and the sanitized run looks for memory faults rather than for rare data: it
// runs a quarter of the ordinary rounds (at least one), the ordinary build
// all of them.

#include <algorithm>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#define ORTOPLANO_TEST_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORTOPLANO_TEST_SANITIZED 1
#endif
#endif

inline int rounds(int base) {
    const char* factor = std::getenv("ORTOPLANO_LONG_ROUNDS");
    const int all = base * (factor ? std::max(1, std::atoi(factor)) : 1);
#ifdef ORTOPLANO_TEST_SANITIZED
    return std::max(1, all / 4);
#else
    return all;
#endif
}
