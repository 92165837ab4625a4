// Parse and solve costs of clsEquation on the expressions the program
// evaluates, and how they grow with the length of an expression. When built
// with muparser, the same expressions run through muparser beside it.
//
// Figures are medians of repeated rounds of this thread's CPU time; each round runs a batch long
// enough for the clock. Solve is timed with x and y changing before every
// solve; the cost of the two setVar calls is timed alone and subtracted.

#include "clsequation.h"
#include "cputime.h"
#include "numbered_error.h"
#include "text.h"
#include "tokens.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#ifdef ORTOPLANO_BENCH_MUPARSER
#include <muParser.h>
#endif

namespace {

constexpr int kRounds = 21;
constexpr double kRoundSeconds = 0.004;
constexpr std::size_t kPoints = 1024;

volatile double g_sink = 0; // keeps results alive

struct Sample {
    std::string ours;     ///< the text as the program's fields hold it
    std::string muparser; ///< the same in muparser's syntax
};

const std::vector<Sample> kTypical = {
    {"2/3", "2/3"},
    {"sqr(2)", "sqrt(2)"},
    {"-2^2", "-2^2"},
    {"2*3+4", "2*3+4"},
    {"(1+2)*3", "(1+2)*3"},
    {"sen(pi/6)", "sin(_pi/6)"},
    {"x^2+y^2-4x-6y-3-(0)-(-3)", "x^2+y^2-4*x-6*y-3-(0)-(-3)"},
    {"2x-3y+4-(0)-(4)", "2*x-3*y+4-(0)-(4)"},
    {"(x+1)^2+(y-2)^2-(25)-(-20)", "(x+1)^2+(y-2)^2-(25)-(-20)"},
    {"y-(2x+1)", "y-(2*x+1)"},
    {"3x+4y-12-(0)-(5)", "3*x+4*y-12-(0)-(5)"},
    {"x^2+y^2-25-(0)-(0)", "x^2+y^2-25-(0)-(0)"},
    {"2x^2+2y^2-8x+4y-10-(0)-(-10)", "2*x^2+2*y^2-8*x+4*y-10-(0)-(-10)"},
    {"sqr(x^2+y^2)", "sqrt(x^2+y^2)"},
    {"-x/2+y/3-1", "-x/2+y/3-1"},
    {"cos(x)*sen(y)", "cos(x)*sin(y)"},
    {"abs(x-y)/sqr(2)", "abs(x-y)/sqrt(2)"},
};

using Body = std::function<void(std::size_t)>;

/// Calls per batch so that one batch of `body` lasts long enough to time.
std::size_t batchSize(const Body& body) {
    std::size_t batch = 1;
    for (;;) {
        const double start = Bench::threadSeconds();
        for (std::size_t i = 0; i < batch; ++i)
            body(i);
        if (Bench::threadSeconds() - start > kRoundSeconds / 4) return batch;
        batch *= 2;
    }
}

double nanosecondsPerCall(const Body& body, std::size_t batch) {
    const double start = Bench::threadSeconds();
    for (std::size_t i = 0; i < batch; ++i)
        body(i);
    return (Bench::threadSeconds() - start) * 1e9 / static_cast<double>(batch);
}

/// Nanoseconds per call of `body(i)`, the median over the rounds.
double nanosecondsPerCall(const Body& body) {
    const std::size_t batch = batchSize(body);
    std::vector<double> rounds;
    for (int r = 0; r < kRounds; ++r)
        rounds.push_back(nanosecondsPerCall(body, batch));
    return Bench::medianOf(rounds);
}

/// Nanoseconds that `withWork` takes more than `without` per call: the
/// median of the differences of rounds run side by side.
double extraNanoseconds(const Body& withWork, const Body& without) {
    const std::size_t batch = batchSize(withWork);
    std::vector<double> differences;
    for (int r = 0; r < kRounds; ++r)
        differences.push_back(nanosecondsPerCall(withWork, batch) -
                              nanosecondsPerCall(without, batch));
    return std::max(Bench::medianOf(differences), 0.0);
}

struct Points {
    std::vector<double> xs;
    std::vector<double> ys;
    Points() {
        for (std::size_t i = 0; i < kPoints; ++i) {
            xs.push_back(-10.0 + 20.0 * static_cast<double>(i) / kPoints);
            ys.push_back(7.0 - 13.0 * static_cast<double>((i * 37) % kPoints) / kPoints);
        }
    }
};
const Points kSamplePoints;

std::size_t tokenCount(const std::string& text) {
    interp::TokenList tokens;
    interp::parse(interp::lowerCase(text), tokens);
    return tokens.size();
}

struct Costs {
    double parse = 0;      ///< setEquation and the first Solve
    double solve = 0;      ///< one Solve, x and y changed before it
    double solveFixed = 0; ///< one Solve, x and y left as they are
};

Costs measureOurs(const std::string& text) {
    clsEquation e;
    e.setVar("x", 1);
    e.setVar("y", 1);
    Costs costs;
    costs.parse = nanosecondsPerCall([&](std::size_t) {
        e.setEquation(text);
        e.Solve();
        g_sink = e.Solution();
    });
    const auto& [xs, ys] = kSamplePoints;
    costs.solve = extraNanoseconds(
        [&](std::size_t i) {
            e.setVar("x", xs[i % kPoints]);
            e.setVar("y", ys[i % kPoints]);
            e.Solve();
            g_sink = e.Solution();
        },
        [&](std::size_t i) {
            e.setVar("x", xs[i % kPoints]);
            e.setVar("y", ys[i % kPoints]);
            g_sink = xs[i % kPoints];
        });
    costs.solveFixed = nanosecondsPerCall([&](std::size_t) {
        e.Solve();
        g_sink = e.Solution();
    });
    return costs;
}

#ifdef ORTOPLANO_BENCH_MUPARSER
std::optional<Costs> measureMuparser(const std::string& text) {
    try {
        double x = 1;
        double y = 1;
        mu::Parser p;
        p.DefineVar("x", &x);
        p.DefineVar("y", &y);
        Costs costs;
        costs.parse = nanosecondsPerCall([&](std::size_t) {
            p.SetExpr(text);
            g_sink = p.Eval();
        });
        const auto& [xs, ys] = kSamplePoints;
        costs.solve = nanosecondsPerCall([&](std::size_t i) {
            x = xs[i % kPoints];
            y = ys[i % kPoints];
            g_sink = p.Eval();
        });
        costs.solveFixed = nanosecondsPerCall([&](std::size_t) { g_sink = p.Eval(); });
        return costs;
    } catch (const mu::Parser::exception_type& e) {
        std::printf("  muparser refused the expression: %s\n", e.GetMsg().c_str());
        return std::nullopt;
    }
}
#else
std::optional<Costs> measureMuparser(const std::string&) {
    return std::nullopt;
}
#endif

/// The typical field values and rewritten equations, one line each.
void typicalSet() {
    std::printf("Typical expressions (ns). solve: x and y change before every solve; "
                "fixed: they do not\n");
    std::printf("%-30s %6s %7s %8s %7s %7s %7s %6s %7s %7s %6s\n", "expression", "tokens", "parse",
                "mu parse", "speedup", "solve", "mu eval", "ratio", "fixed", "mu", "ratio");
    std::vector<double> parses, solves, speedups, ratios, fixedRatios;
    for (const Sample& s : kTypical) {
        const Costs ours = measureOurs(s.ours);
        const std::optional<Costs> mu = measureMuparser(s.muparser);
        parses.push_back(ours.parse);
        solves.push_back(ours.solve);
        std::printf("%-30s %6zu %7.0f", s.ours.c_str(), tokenCount(s.ours), ours.parse);
        if (!mu) {
            std::printf(" %8s %7s %7.1f %7s %6s %7.1f\n", "-", "-", ours.solve, "-", "-",
                        ours.solveFixed);
            continue;
        }
        speedups.push_back(mu->parse / ours.parse);
        ratios.push_back(ours.solve / mu->solve);
        fixedRatios.push_back(ours.solveFixed / mu->solveFixed);
        std::printf(" %8.0f %6.1fx %7.1f %7.1f %6.2f %7.1f %7.1f %6.2f\n", mu->parse,
                    speedups.back(), ours.solve, mu->solve, ratios.back(), ours.solveFixed,
                    mu->solveFixed, fixedRatios.back());
    }
    std::printf("median parse %.0f ns, median solve %.1f ns\n", Bench::medianOf(parses),
                Bench::medianOf(solves));
    if (speedups.empty()) {
        std::printf("muparser not available: no comparison\n");
        return;
    }
    std::printf("median parse speed-up over muparser %.1fx; median solve/eval ratio %.2f "
                "(x, y changing), %.2f (fixed)\n",
                Bench::medianOf(speedups), Bench::medianOf(ratios), Bench::medianOf(fixedRatios));
}

/// x+2*y-3+x-2*y+... : every term is one operand, so the text reads the same
/// in muparser and stays within its 20000-character limit at 10000 terms.
std::string longExpression(int terms) {
    static const char* operands[] = {"x", "2", "y", "3", "x"};
    static const char* operators[] = {"+", "*", "-", "+", "-"};
    std::string text = operands[0];
    for (int i = 1; i < terms; ++i) {
        text += operators[(i - 1) % 5];
        text += operands[i % 5];
    }
    return text;
}

/// Parse and solve cost per token as expressions grow.
void scaling() {
    std::printf("\nCost per token as expressions grow (ns per token; solve with x, y fixed)\n");
    std::printf("%8s %8s %9s %9s %9s %9s\n", "terms", "tokens", "parse", "solve", "mu parse",
                "mu eval");
    std::vector<double> parsePerToken;
    std::vector<double> solvePerToken;
    for (const int terms : {10, 100, 1000, 10000}) {
        const std::string text = longExpression(terms);
        const auto tokens = static_cast<double>(tokenCount(text));
        const Costs ours = measureOurs(text);
        const std::optional<Costs> mu = measureMuparser(text);
        parsePerToken.push_back(ours.parse / tokens);
        solvePerToken.push_back(ours.solveFixed / tokens);
        std::printf("%8d %8.0f %9.2f %9.2f", terms, tokens, parsePerToken.back(),
                    solvePerToken.back());
        if (mu)
            std::printf(" %9.2f %9.2f\n", mu->parse / tokens, mu->solveFixed / tokens);
        else
            std::printf(" %9s %9s\n", "-", "-");
    }
    const auto spread = [](const std::vector<double>& v) {
        return *std::max_element(v.begin(), v.end()) / *std::min_element(v.begin(), v.end());
    };
    std::printf("largest/smallest per-token cost, 10 to 10000 terms: parse %.2f, solve %.2f\n",
                spread(parsePerToken), spread(solvePerToken));
}

} // namespace

int main() {
    try {
        typicalSet();
        scaling();
    } catch (const NumberedError& e) {
        std::printf("error %d: %s\n", e.number(), e.description().c_str());
        return 1;
    }
    return 0;
}
