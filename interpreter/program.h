#pragma once

#include "faults.h"
#include "functions.h"
#include "variables.h"

#include <cstdint>
#include <string>
#include <vector>

namespace interp {

struct TokenList;

/// One step of a compiled expression. Operands and destinations are
/// register numbers: one register per slot, then one per variable name,
/// then the constants.
enum class OpCode : std::uint8_t {
    Negate, ///< dst = -a
    Add,    ///< dst = a + b, and so on for the binary operators
    Subtract,
    Multiply,
    Divide,
    IntQuotient,  ///< "\"
    IntRemainder, ///< "%"
    Power,
    Square,        ///< "^" with the constant exponent 2: dst = a·a
    Call,          ///< dst = function(a, b)
    Random,        ///< dst = the next value of the generator ("rnd")
    CheckVariable, ///< raises when variable number a does not exist
    Raise,         ///< raises fault number a of the program
    Result         ///< the value of the expression is register a
};

struct Op {
    OpCode code;
    Function function; ///< for OpCode::Call
    std::uint32_t dst;
    std::uint32_t a;
    std::uint32_t b;
};

/// An expression compiled from its tokens. Solve's walk over the slots
/// depends only on the tokens, never on the values, so the walk runs once,
/// when the expression is parsed, and leaves the arithmetic it would do as a
/// flat list of steps. Faults that the walk meets whatever the values (a
/// text used as a number, an undefined function, an empty call) become a
/// Raise step at the point where the walk meets them.
class Program {
public:
    /// The program of an expression without tokens: it raises 1103.
    Program();

    /// Compiles the walk of Solve over the given tokens.
    void compile(const TokenList& tokens);
    /// Runs the steps and returns the value; raises the walk's faults in order.
    double run(const VariableTable& variables, bool degrees);

private:
    friend class SlotWalk;

    /// Binds the names to the variable table and loads their values.
    /// Returns true when every name exists.
    bool bindVariables(const VariableTable& variables);
    void resolveNames(const VariableTable& variables);

    std::vector<Op> m_checked;       ///< every step, with a check at each variable lookup
    std::vector<Op> m_unchecked;     ///< the same without the checks
    std::vector<double> m_registers; ///< slots, variables, constants
    std::vector<std::string> m_names;
    std::vector<EvalFault> m_faults;
    std::uint32_t m_variableBase = 0;
    std::vector<int> m_variableIndex;
    std::uint64_t m_boundGeneration = 0;
    bool m_allBound = true;
};

} // namespace interp
