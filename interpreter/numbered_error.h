#pragma once

#include <exception>
#include <string>
#include <string_view>

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
inline constexpr int OutOfMemory = 7;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int Parentheses = 1100;
inline constexpr int UndefinedFunction = 1101;
inline constexpr int UndefinedVariable = 1102;
inline constexpr int InvalidExpression = 1103;
inline constexpr int MissingArgument = 1104;
inline constexpr int Internal = 1105; ///< reserved for the interpreter; never raised

/// The description of a fault, from the one table of every number the
/// program raises; `detail` (a function head or a variable name) follows the
/// descriptions of 1101, 1102 and 1104. Empty for a number not in the table.
std::string description(int number, std::string_view detail = {});
/// The table's text of a fault, before the name it quotes; empty for a number
/// not in the table.
std::string_view text(int number);

/// Throws NumberedError(number, source, description(number)).
[[noreturn]] void raise(int number, const std::string& source = "Ortoplano");
} // namespace Fault
