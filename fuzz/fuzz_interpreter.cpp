// Any text as an expression, with x and y set, solved twice. Then the same
// bytes as a text of digits, commas, points, operators and parentheses (no
// name, so no function call): it gives what the same text with its commas
// made points gives, the same value or the same fault, or its comma is
// refused with 1103.
#include "clsequation.h"
#include "numbered_error.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

struct Outcome {
    int fault = 0; ///< the error's number, 0 for a value
    double value = 0;
};

Outcome solved(const std::string& text)
{
    clsEquation equation;
    equation.setEquation(text);
    try {
        equation.Solve();
        return {0, equation.Solution()};
    } catch (const NumberedError& error) {
        return {error.number(), 0};
    }
}

void checkDecimalComma(const std::uint8_t* data, std::size_t size)
{
    static constexpr std::string_view alphabet = "0123456789,.+-*/\\^%() ";
    std::string typed;
    for (std::size_t i = 0; i < size && i < 64; ++i) {
        const char c = static_cast<char>(data[i]); // a character of the alphabet stays itself
        typed += alphabet.find(c) != std::string_view::npos ? c : alphabet[data[i] % alphabet.size()];
    }
    std::string pointed = typed;
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    const Outcome withComma = solved(typed);
    if (withComma.fault == Fault::InvalidExpression && typed != pointed)
        return;
    const Outcome withPoint = solved(pointed);
    if (withComma.fault != withPoint.fault || withComma.value != withPoint.value)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    clsEquation equation;
    equation.setEquation(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        equation.setVar("x", 1.5);
        equation.setVar("y", -2.0);
        equation.Solve();
        equation.setVar("x", -1e300);
        equation.setVar("y", 0.0);
        equation.Solve();
        (void)equation.Solution();
    } catch (const NumberedError& error) {
        if (error.description().empty())
            __builtin_trap(); // every fault must say what went wrong
    }
    checkDecimalComma(data, size);
    return 0;
}
