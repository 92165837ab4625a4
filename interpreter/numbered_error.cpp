#include "numbered_error.h"

#include <utility>

NumberedError::NumberedError(int number, std::string source, std::string description)
    : m_number(number)
    , m_source(std::move(source))
    , m_description(std::move(description)) {}

namespace Fault {

namespace {

struct Description {
    int number;
    std::string_view text;
    bool quotesDetail; ///< the text ends with ": " and the head or name follows it
};

constexpr Description Descriptions[] = {
    {InvalidArgument, "Argumento ou chamada de procedimento inválidos.", false},
    {Overflow, "Capacidade excedida.", false},
    {OutOfMemory, "Memória insuficiente.", false},
    {DivisionByZero, "Divisão por zero.", false},
    {TypeMismatch, "Tipos incompatíveis.", false},
    {Parentheses, "Número de parênteses incorrecto.", false},
    {UndefinedFunction, "Função não definida: ", true},
    {UndefinedVariable, "Variável não definida: ", true},
    {InvalidExpression, "Expressão inválida", false},
    {MissingArgument, "Argumento inválido na expressão: ", true},
    {Internal, "Erro interno do interpretador.", false},
};

} // namespace

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
