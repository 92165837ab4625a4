// Any text evaluated exactly, read as a line and as a circle; split at its
// line breaks into four coordinates, the Points solutions of those data.
#include "evaluation.h"
#include "numbered_error.h"
#include "numbertext.h"
#include "pointsolutions.h"
#include "sentences.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

void mustDescribe(const NumberedError& error) {
    if (error.description().empty()) __builtin_trap(); // every fault must say what went wrong
}

void mustBeFinite(const std::string& text) {
    if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos)
        __builtin_trap();
}

void evaluate(std::string_view text) {
    try {
        exact::Expression e(text);
        mustBeFinite(
            exact::text(e.evaluate({{"x", exact::Number::fraction(3, 2)}, {"y", -2}}), ","));
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
}

void readEquations(std::string_view text) {
    try {
        const exact::LineReading line = exact::readLine(text);
        if (line.refusal == exact::Refusal::None && !line.line.isDegenerate())
            mustBeFinite(exact::generalEquationText(line.line, ","));
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
    try {
        const exact::CircleReading circle = exact::readCircle(text);
        if (circle.refusal == exact::Refusal::None)
            mustBeFinite(exact::circleEquationText(circle.circle, ","));
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
}

void solvePoints(std::string_view text) {
    std::vector<exact::Number> data;
    for (std::size_t start = 0; start <= text.size() && data.size() < 4;) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        data.push_back(exact::readField(text.substr(start, end - start)));
        start = end + 1;
    }
    while (data.size() < 4)
        data.push_back(exact::Number(1));
    const exact::Point a{data[0], data[1]};
    const exact::Point b{data[2], data[3]};
    for (const exact::Solution& s :
         {exact::solutions::solvePoint(a), exact::solutions::solveMidpoint(a, b),
          exact::solutions::solveDistance(a, b), exact::solutions::solveBisector(a, b)})
        mustBeFinite(exact::plainText(s, ","));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    evaluate(text);
    readEquations(text);
    try {
        solvePoints(text);
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
    return 0;
}
