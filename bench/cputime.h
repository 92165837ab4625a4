#pragma once

// Timing by the CPU time of the calling thread, for the benchmarks of plain
// C++ code: other processes on the machine do not count.

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace Bench {

inline double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

inline double medianOf(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/// Microseconds per call of `body`, the median over `rounds` rounds of a
/// batch of calls that lasts about `roundSeconds`.
inline double microsecondsPerCall(const std::function<void()>& body, int rounds,
                                  double roundSeconds) {
    std::size_t batch = 1;
    for (;;) {
        const double start = threadSeconds();
        for (std::size_t i = 0; i < batch; ++i)
            body();
        if (threadSeconds() - start > roundSeconds / 4) break;
        batch *= 2;
    }
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const double start = threadSeconds();
        for (std::size_t i = 0; i < batch; ++i)
            body();
        times.push_back((threadSeconds() - start) * 1e6 / static_cast<double>(batch));
    }
    return medianOf(times);
}

} // namespace Bench
