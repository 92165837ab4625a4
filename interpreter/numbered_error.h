#pragma once

#include <exception>
#include <string>

/// A fault carrying a number, the part of the program that raised it and a
/// user-readable description, in the manner of the error object every press
/// reports in its generic error box.
class NumberedError : public std::exception {
public:
    NumberedError(int number, std::string source, std::string description);

    int number() const noexcept { return m_number; }
    const std::string& source() const noexcept { return m_source; }
    const std::string& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    int m_number;
    std::string m_source;
    std::string m_description;
};

/// The numbered faults of the program, and their Portuguese descriptions.
namespace Fault {
inline constexpr int InvalidArgument = 5;
inline constexpr int Overflow = 6;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int Parentheses = 1100;
inline constexpr int UndefinedFunction = 1101;
inline constexpr int UndefinedVariable = 1102;
inline constexpr int InvalidExpression = 1103;
inline constexpr int MissingArgument = 1104;

/// The standard description of an arithmetic or conversion fault
/// (5, 6, 11, 13); empty for any other number.
std::string standardDescription(int number);

/// Throws NumberedError(number, source, standardDescription(number)).
[[noreturn]] void raise(int number, const std::string& source = "Ortoplano");
} // namespace Fault
