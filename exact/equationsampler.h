#pragma once

// The doubles a form has always read from a field's text: an equation moved
// to one side and sampled through the interpreter, with the texts written
// as the program's syntax is (UTF-8).

#include "geometry.h"

#include <initializer_list>
#include <string>
#include <string_view>

class clsEquation;

/// The text with every blank (" ") deleted.
std::string withoutBlanks(std::string text);

/// Whether any of `parts` occurs in `text`.
bool containsAny(std::string_view text, std::initializer_list<const char*> parts);

/// Moves an equation to one side: everything before its first "=", then
/// "-(", everything after it, then ")". An equation without "=" cannot be
/// split and raises the invalid-argument fault.
std::string rewriteAsExpression(std::string_view equation);

/// Samples a rewritten equation through the interpreter: its value at the
/// origin is the constant term, which then enters every later evaluation as
/// a numeric literal, so the samples measure only the variable terms.
class EquationSampler {
public:
    EquationSampler(clsEquation& interpreter, const std::string& rewritten);

    Real constant() const { return m_constant; }
    /// The rewritten text minus its constant term, at (x, y).
    Real at(double x, double y);

private:
    clsEquation& m_interpreter;
    Real m_constant;
};

/// a, b and c of a rewritten line equation a·x + b·y + c.
Line sampleLineEquation(clsEquation& interpreter, const std::string& rewritten);
