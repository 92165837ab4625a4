// Any text as an expression, with x and y set, solved twice.
#include "clsequation.h"
#include "numbered_error.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

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
    return 0;
}
