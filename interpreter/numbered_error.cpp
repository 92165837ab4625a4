#include "numbered_error.h"

#include <utility>

NumberedError::NumberedError(int number, std::string source, std::string description)
    : m_number(number)
    , m_source(std::move(source))
    , m_description(std::move(description)) {}

namespace Fault {

std::string standardDescription(int number) {
    switch (number) {
    case InvalidArgument:
        return "Argumento ou chamada de procedimento inválidos.";
    case Overflow:
        return "Capacidade excedida.";
    case DivisionByZero:
        return "Divisão por zero.";
    case TypeMismatch:
        return "Tipos incompatíveis.";
    default:
        return {};
    }
}

void raise(int number, const std::string& source) {
    throw NumberedError(number, source, standardDescription(number));
}

} // namespace Fault
