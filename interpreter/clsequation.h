#pragma once

#include <memory>
#include <string>
#include <string_view>

/// The interpreter of the arithmetic expressions typed into every field.
///
/// Assign the text with setEquation(), give variables values with setVar(),
/// then Solve() and read Solution(). Faults are raised as NumberedError with
/// the source "Interpretador" (numbers 1100 to 1104, 5, 6, 7 and 11).
class clsEquation {
public:
    clsEquation();
    ~clsEquation();
    clsEquation(const clsEquation&) = delete;
    clsEquation& operator=(const clsEquation&) = delete;

    /// Stores the text lower-cased; it is parsed by the next Solve().
    void setEquation(std::string_view text);
    /// The stored, lower-cased expression text.
    const std::string& Equation() const;

    /// Evaluates the expression and stores its value.
    void Solve();
    /// The value of the last Solve(), solving first when out of date.
    double Solution();

    /// Sets a variable (names compare without regard to case).
    void setVar(std::string_view name, double value);
    /// The value of a variable, or 0 when there is none.
    double Var(std::string_view name) const;
    /// Removes a variable; a name that is not there is ignored.
    void VarRemove(std::string_view name);
    /// Removes every variable.
    void VarClear();

    /// Angle unit of the trigonometric functions: degrees when true.
    bool Graus() const;
    /// Sets the angle unit; the value is out of date only when the unit changes.
    void setGraus(bool degrees);

private:
    void Parse();
    void Compile();

    struct Impl;
    std::unique_ptr<Impl> d;
};
