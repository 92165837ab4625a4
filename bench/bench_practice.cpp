// Costs of practice: a fresh exercise of each frame generated, then checked
// against its answer and against a wrong one (the slips tried in turn).
// Figures are medians over rounds of this thread's CPU time, each round a
// batch long enough for the clock, a new seed for every exercise. The goal
// is at most 1 ms for each frame.

#include "checker.h"
#include "exercise.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 15;
constexpr double kRoundSeconds = 0.01;
constexpr double kGoalMicroseconds = 1000;

volatile std::size_t g_sink = 0; // keeps results alive

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

/// One exercise generated and checked twice: right, then wrong.
void generateAndCheck(practice::FrameId frame, practice::Level level, std::uint64_t seed) {
    const practice::Exercise ex = practice::generate(frame, level, seed);
    g_sink = g_sink + practice::check(ex, ex.answerText).text.size();
    g_sink = g_sink + practice::check(ex, "(0 , 0)").text.size();
}

/// Microseconds per exercise of a frame at a level, the median over the rounds.
double microsecondsPerExercise(practice::FrameId frame, practice::Level level) {
    std::uint64_t seed = 1;
    std::size_t batch = 1;
    for (;;) {
        const double start = threadSeconds();
        for (std::size_t i = 0; i < batch; ++i)
            generateAndCheck(frame, level, seed++);
        if (threadSeconds() - start > kRoundSeconds / 4) break;
        batch *= 2;
    }
    std::vector<double> rounds;
    for (int r = 0; r < kRounds; ++r) {
        const double start = threadSeconds();
        for (std::size_t i = 0; i < batch; ++i)
            generateAndCheck(frame, level, seed++);
        rounds.push_back((threadSeconds() - start) * 1e6 / static_cast<double>(batch));
    }
    return medianOf(rounds);
}

} // namespace

int main() {
    std::printf("Practice: an exercise generated and checked twice (median per exercise)\n");
    std::vector<double> medians;
    for (const practice::FrameId& frame : practice::allFrames())
        for (practice::Level level : practice::AllLevels) {
            if (!practice::hasLevel(frame, level)) continue;
            medians.push_back(microsecondsPerExercise(frame, level));
            const std::string name =
                practice::caption(frame) + " · " + std::string(practice::levelName(level));
            std::printf("  %-82s %8.1f µs%s\n", name.c_str(), medians.back(),
                        medians.back() > kGoalMicroseconds ? "  (above the goal)" : "");
        }
    std::printf("  median of the medians %.1f µs, slowest %.1f µs (goal %.0f µs)\n",
                medianOf(medians), *std::max_element(medians.begin(), medians.end()),
                kGoalMicroseconds);
    return 0;
}
