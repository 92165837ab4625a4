#include "faults.h"

#include <utility>

namespace interp {

namespace {

bool passesUnchanged(int number) {
    return number == Fault::InvalidArgument || number == Fault::Overflow ||
           number == Fault::OutOfMemory || number == Fault::DivisionByZero ||
           (number >= Fault::Parentheses && number <= Fault::Internal);
}

} // namespace

void raise(int number) {
    throw EvalFault{number, {}, false};
}

void raise(int number, std::string detail, bool duringLookup) {
    throw EvalFault{number, std::move(detail), duringLookup};
}

int mappedNumber(int number, bool duringLookup) {
    if (number == Fault::InvalidArgument && duringLookup) return Fault::UndefinedVariable;
    return passesUnchanged(number) ? number : Fault::InvalidExpression;
}

NumberedError translate(const EvalFault& fault) {
    const int number = mappedNumber(fault.number, fault.duringLookup);
    return NumberedError(number, "Interpretador", Fault::description(number, fault.detail));
}

} // namespace interp
