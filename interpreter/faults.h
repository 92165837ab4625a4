#pragma once

#include "numbered_error.h"

#include <string>

namespace interp {

/// A fault as it is raised inside the interpreter, before the interpreter's
/// handler gives it the number and description that callers see.
struct EvalFault {
    int number;
    std::string detail;        ///< the head or the name that 1101, 1102, 1104 quote
    bool duringLookup = false; ///< raised while a variable was looked up
};

/// Raises a fault with no detail (arithmetic, conversion, parenthesis faults).
[[noreturn, gnu::cold, gnu::noinline]] void raise(int number);
/// Raises a fault that quotes a head or a name.
[[noreturn, gnu::cold, gnu::noinline]] void raise(int number, std::string detail,
                                                  bool duringLookup = false);

/// The number a caller sees: 5, 6, 7, 11 and 1100 to 1105 unchanged, 5 raised
/// while a variable is looked up becomes 1102, anything else 1103.
int mappedNumber(int number, bool duringLookup);
/// The interpreter's one error handler: every fault of Parse and Solve goes
/// through it on its way out, with the source "Interpretador".
NumberedError translate(const EvalFault& fault);

} // namespace interp
