// Any text as a typed line equation: blanks deleted, refused characters
// tested, then rewritten and sampled through the interpreter.
#include "clsequation.h"
#include "equationsampler.h"
#include "numbered_error.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = withoutBlanks(std::string(reinterpret_cast<const char*>(data), size));
    if (text.find(' ') != std::string::npos) __builtin_trap();
    if (containsAny(text, {">", "<", "^3", "^2"})) return 0;
    clsEquation interpreter;
    try {
        const Line line = sampleLineEquation(interpreter, rewriteAsExpression(text));
        if (!std::isfinite(line.a.value()) || !std::isfinite(line.b.value()) ||
            !std::isfinite(line.c.value()))
            __builtin_trap();
    } catch (const NumberedError&) {
    }
    return 0;
}
