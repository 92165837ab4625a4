#pragma once

#include <map>
#include <string>
#include <string_view>

/// What an expression gives: a value, or an error number with its description.
struct Outcome {
    bool solved = false;
    double value = 0;
    int number = 0;
    std::string description;
};

/// Solves a lower-cased expression by walking the working slots directly, one
/// visit at a time, with linear NextOperand and PrevOperand searches: the
/// plain reading of the evaluation rules, against which the compiled
/// evaluator is compared.
Outcome referenceSolve(std::string_view lowerText, const std::map<std::string, double>& variables,
                       bool degrees);
