// Costs of practice: a fresh exercise of each frame generated (its key
// proven by the exact engine), then checked against its answer and against
// a wrong one (the slips tried in turn). Figures are medians over rounds of
// this thread's CPU time, each round a batch long enough for the clock, a
// new seed for every exercise. The goal is at most 1 ms for each frame.
//
// Then "Verificar" on the slowest answers known, up to the answer field's
// length, for every frame: the slowest check, whose goal is 50 ms.

#include "answer.h"
#include "checker.h"
#include "cputime.h"
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

/// One exercise generated and checked twice: right, then wrong.
void generateAndCheck(practice::FrameId frame, practice::Level level, std::uint64_t seed) {
    const practice::Exercise ex = practice::generate(frame, level, seed);
    g_sink = g_sink + practice::check(ex, ex.answerText).text.size();
    g_sink = g_sink + practice::check(ex, "(0 , 0)").text.size();
}

/// Microseconds per exercise of a frame at a level, the median over the rounds.
double microsecondsPerExercise(practice::FrameId frame, practice::Level level) {
    std::uint64_t seed = 1;
    return Bench::microsecondsPerCall([&] { generateAndCheck(frame, level, seed++); }, kRounds,
                                      kRoundSeconds);
}

/// Answers past what pupils type, up to the field's 2000 characters.
std::vector<std::pair<const char*, std::string>> hostileAnswers() {
    static const int primes[] = {2,  3,  5,  7,   11,  13,  17,  19,  23,  29, 31,
                                 37, 41, 43, 47,  53,  59,  61,  67,  71,  73, 79,
                                 83, 89, 97, 101, 103, 107, 109, 113, 127, 131};
    const auto roots = [](int n) {
        std::string sum;
        for (int i = 0; i < n; ++i)
            sum += (i % 2 ? "-"
                    : i   ? "+"
                          : "") +
                   std::string("sqr(") + std::to_string(primes[i]) + ")";
        return sum;
    };
    std::string manySums;
    while (manySums.size() + roots(32).size() + 8 < practice::MaxAnswerLength)
        manySums += "(" + roots(32) + ")^2 ; ";
    std::string longEquation = "y=";
    while (longEquation.size() + 40 < practice::MaxAnswerLength)
        longEquation += "(" + roots(8) + ")*(x+1)^2-(" + roots(8) + ")*(x+1)^2+";
    longEquation += "x";
    const auto repeated = [](const std::string& head, const std::string& piece,
                             const std::string& tail) {
        std::string text = head;
        while (text.size() + piece.size() + tail.size() < practice::MaxAnswerLength)
            text += piece;
        return text + tail;
    };
    const std::string five = "(1+sqr(2))*(1+sqr(3))*(1+sqr(5))*(1+sqr(7))*(1+sqr(11))";
    return {{"16 radicals / 10^300", "abs((" + roots(16) + ")/10^300)"},
            {"2000 characters of (x+y+1)^12", repeated("y=", "(x+y+1)^12-", "0")},
            {"2000 characters of inverses", repeated("", "1/(" + roots(6) + ")+", "0")},
            {"2000 characters of powers", repeated("", "(" + five + ")^40+", "0")},
            {"24 radicals / 10^300", "abs((" + roots(24) + ")/10^300)"},
            {"32 radicals / 10^300", "abs((" + roots(32) + ")/10^300)"},
            {"squares of 32 radicals, 2000 characters", manySums},
            {"a line times a polynomial", "(x+2y-3)*x*(x-1)*(x-2)*(x+3)*(x-7)*(y+1)^6=0"},
            {"powers of the 12th degree", "(x+" + roots(32) + ")^12=(y-" + roots(32) + ")^12"},
            {"an equation of 2000 characters", longEquation},
            {"the point of 32 radicals", "(" + roots(32) + " ; " + roots(31) + ")"}};
}

/// The slowest "Verificar" of each hostile answer over every frame.
void hostileChecks() {
    std::printf("\n\"Verificar\" on the slowest answers known, every frame at its first level "
                "(slowest check, processor time)\n");
    double slowest = 0;
    for (const auto& [name, answer] : hostileAnswers()) {
        double worst = 0;
        for (const practice::FrameId& frame : practice::allFrames()) {
            const practice::Exercise ex = practice::generate(frame, practice::Level::Basico, 1);
            const double start = Bench::threadSeconds();
            g_sink = g_sink + practice::check(ex, answer).text.size();
            worst = std::max(worst, (Bench::threadSeconds() - start) * 1e3);
        }
        std::printf("  %-42s %8.2f ms\n", name, worst);
        slowest = std::max(slowest, worst);
    }
    std::printf("  slowest %.2f ms (goal 50 ms)\n", slowest);
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
                Bench::medianOf(medians), *std::max_element(medians.begin(), medians.end()),
                kGoalMicroseconds);
    hostileChecks();
    return 0;
}
