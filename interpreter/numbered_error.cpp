#include "numbered_error.h"

#include <utility>

NumberedError::NumberedError(int number, std::string source, std::string description)
    : m_number(number)
    , m_source(std::move(source))
    , m_description(std::move(description)) {}

namespace Fault {

namespace {

// Marks a text for Qt's translation tools (scripts/update-translations.sh);
// the windows show it in the program's language, in the context "Fault".
#define TRANSLATABLE_NOOP(context, text) text

struct Description {
    int number;
    std::string_view text;
    bool quotesDetail; ///< the text ends with ": " and the head or name follows it
};

constexpr Description Descriptions[] = {
    {InvalidArgument, TRANSLATABLE_NOOP("Fault", "Argumento ou chamada de procedimento inválidos."),
     false},
    {Overflow, TRANSLATABLE_NOOP("Fault", "Capacidade excedida."), false},
    {OutOfMemory, TRANSLATABLE_NOOP("Fault", "Memória insuficiente."), false},
    {DivisionByZero, TRANSLATABLE_NOOP("Fault", "Divisão por zero."), false},
    {TypeMismatch, TRANSLATABLE_NOOP("Fault", "Tipos incompatíveis."), false},
    {Parentheses, TRANSLATABLE_NOOP("Fault", "Número de parênteses incorrecto."), false},
    {UndefinedFunction, TRANSLATABLE_NOOP("Fault", "Função não definida: "), true},
    {UndefinedVariable, TRANSLATABLE_NOOP("Fault", "Variável não definida: "), true},
    {InvalidExpression, TRANSLATABLE_NOOP("Fault", "Expressão inválida"), false},
    {MissingArgument, TRANSLATABLE_NOOP("Fault", "Argumento inválido na expressão: "), true},
    {Internal, TRANSLATABLE_NOOP("Fault", "Erro interno do interpretador."), false},
};

} // namespace

std::string_view text(int number) {
    for (const Description& d : Descriptions)
        if (d.number == number) return d.text;
    return {};
}

std::string description(int number, std::string_view detail) {
    for (const Description& d : Descriptions) {
        if (d.number != number) continue;
        std::string text(d.text);
        if (d.quotesDetail) text += detail;
        return text;
    }
    return {};
}

void raise(int number, const std::string& source) {
    throw NumberedError(number, source, description(number));
}

} // namespace Fault
