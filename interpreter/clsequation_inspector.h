#pragma once

class clsEquation;

/// A read-only view of an interpreter's bookkeeping, for tests and benchmarks.
struct clsEquationInspector {
    /// How many times the object has parsed an expression text.
    static unsigned parseCount(const clsEquation& equation);
};
