#pragma once

#include "geometry.h"

#include <QString>
#include <initializer_list>

class clsEquation;

/// The text with every blank (" ") deleted.
QString withoutBlanks(const QString& text);

/// Whether any of `parts` occurs in `text`.
bool containsAny(const QString& text, std::initializer_list<const char*> parts);

/// Moves an equation to one side: everything before its first "=", then
/// "-(", everything after it, then ")". An equation without "=" cannot be
/// split and raises the invalid-argument fault.
QString rewriteAsExpression(const QString& equation);

/// Samples a rewritten equation through the interpreter: its value at the
/// origin is the constant term, which then enters every later evaluation as
/// a numeric literal, so the samples measure only the variable terms.
class EquationSampler {
public:
    EquationSampler(clsEquation& interpreter, const QString& rewritten);

    Real constant() const { return m_constant; }
    /// The rewritten text minus its constant term, at (x, y).
    Real at(double x, double y);

private:
    clsEquation& m_interpreter;
    Real m_constant;
};

/// a, b and c of a rewritten line equation a·x + b·y + c.
Line sampleLineEquation(clsEquation& interpreter, const QString& rewritten);
