#include "faults.h"

#include <utility>

namespace interp {

namespace {

constexpr const char* kSource = "Interpretador";

/// The interpreter's own descriptions. Those that quote a head or a name end
/// with ": " and receive it after them.
struct Description {
    int number;
    std::string_view text;
    bool quotesDetail;
};

constexpr Description kDescriptions[] = {
    {1100, "Número de parênteses incorrecto.", false},
    {1101, "Função não definida: ", true},
    {1102, "Variável não definida: ", true},
    {1103, "Expressão inválida", false},
    {1104, "Argumento inválido na expressão: ", true},
    {1105, "Erro interno do interpretador.", false},
};

bool passesUnchanged(int number) {
    return number == Fault::InvalidArgument || number == Fault::Overflow ||
           number == Fault::DivisionByZero || (number >= 1100 && number <= 1105);
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

std::string describe(int number, std::string_view detail) {
    for (const Description& d : kDescriptions) {
        if (d.number != number) continue;
        std::string text(d.text);
        if (d.quotesDetail) text += detail;
        return text;
    }
    return Fault::standardDescription(number);
}

NumberedError translate(const EvalFault& fault) {
    const int number = mappedNumber(fault.number, fault.duringLookup);
    return NumberedError(number, kSource, describe(number, fault.detail));
}

} // namespace interp
