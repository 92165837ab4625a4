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
///
/// The frequent steps come in three forms: the plain one reads both
/// operands from registers; "LastA" and "LastB" take a or b from the result
/// of the step just before, without a round trip through memory.
#define INTERP_OPCODES(X)                                                                          \
    X(Negate) /* dst = -a */                                                                       \
    X(Add)    /* dst = a + b, and so on for the binary operators */                                \
    X(AddLastA)                                                                                    \
    X(AddLastB)                                                                                    \
    X(Subtract)                                                                                    \
    X(SubtractLastA)                                                                               \
    X(SubtractLastB)                                                                               \
    X(Multiply)                                                                                    \
    X(MultiplyLastA)                                                                               \
    X(MultiplyLastB)                                                                               \
    X(Divide)                                                                                      \
    X(DivideLastA)                                                                                 \
    X(DivideLastB)                                                                                 \
    X(Square) /* "^" with the constant exponent 2: dst = a·a */                                   \
    X(SquareLast)                                                                                  \
    X(IntQuotient)   /* "\\" */                                                                    \
    X(IntRemainder)  /* "%" */                                                                     \
    X(Power)         /* dst = a^b */                                                               \
    X(Call)          /* dst = function(a, b) */                                                    \
    X(Random)        /* dst = the next value of the generator ("rnd") */                           \
    X(CheckVariable) /* raises when variable number a does not exist */                            \
    X(Raise)         /* raises fault number a of the program */                                    \
    X(Result)        /* the value of the expression is register a */

enum class OpCode : std::uint8_t {
#define INTERP_ENUMERATOR(name) name,
    INTERP_OPCODES(INTERP_ENUMERATOR)
#undef INTERP_ENUMERATOR
};

/// Marks an operand of the less frequent steps that is the result of the
/// step just before: it is read from a local value instead of the register
/// that step has just written.
inline constexpr std::uint32_t kForwarded = 1u << 31;

struct Op {
    OpCode code;
    std::uint8_t function; ///< for OpCode::Call: the function's number
    std::uint32_t dst;
    std::uint32_t a;
    std::uint32_t b;
};

/// How compile() treats the steps whose operands are all constants.
enum class Folding : std::uint8_t {
    Fold, ///< computed once, at compile time, in doubles (the interpreter's own use)
    Keep  ///< kept as steps, each constant's text recorded: for a reader that runs
          ///< the steps over another number type (the exact values)
};

/// A program compiled with Folding::Keep, as a reader over another number
/// type sees it. Registers below variableBase are slots; then one register
/// per name of `names`; from constantBase, the constants, whose texts are in
/// `constantTexts`: a numeric literal as typed, "pi" or "e", or "" for the 0
/// of an empty group. The steps use only the plain opcodes, never the forms
/// that take an operand from the step before.
struct Listing {
    const std::vector<Op>& steps;
    const std::vector<std::string>& names;
    std::uint32_t variableBase;
    std::uint32_t constantBase;
    const std::vector<std::string>& constantTexts;
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
    /// The program of the given tokens, compiled at once (compile()).
    Program(const TokenList& tokens, bool degrees, Folding folding = Folding::Fold);

    /// Compiles the walk of Solve over the given tokens; trigonometric
    /// functions of constants are computed now, in the given angle unit.
    void compile(const TokenList& tokens, bool degrees, Folding folding = Folding::Fold);
    /// False when the program holds values computed in the other angle unit
    /// and must be compiled again.
    bool isCompiledFor(bool degrees) const { return !m_foldedAngles || degrees == m_degrees; }
    /// Runs the steps and returns the value; raises the walk's faults in order.
    double run(const VariableTable& variables, bool degrees) {
        return m_constant ? m_constantValue : execute(variables, degrees);
    }

    /// The steps and registers of a program compiled with Folding::Keep.
    Listing listing() const {
        return {m_checked, m_names, m_variableBase, m_constantBase, m_constantTexts};
    }

private:
    friend class SlotWalk;

    /// Loads the values of the variables into their registers, looking the
    /// names up again only when the table has gained or lost a name.
    /// Returns true when every name exists.
    bool bindVariables(const VariableTable& variables) {
        if (variables.generation() != m_boundGeneration) resolveNames(variables);
        const double* values = variables.values();
        double* r = m_registers.data();
        for (const Binding& b : m_bindings)
            r[b.reg] = values[b.index];
        return m_allBound;
    }
    double execute(const VariableTable& variables, bool degrees);
    void resolveNames(const VariableTable& variables);

    std::vector<Op> m_checked;       ///< every step, with a check at each variable lookup
    std::vector<Op> m_unchecked;     ///< the same without the checks
    std::vector<double> m_registers; ///< slots, variables, constants
    std::vector<std::string> m_names;
    std::vector<EvalFault> m_faults;
    std::uint32_t m_variableBase = 0;
    std::uint32_t m_constantBase = 0;
    std::vector<std::string> m_constantTexts; ///< with Folding::Keep only
    std::vector<int> m_variableIndex;         ///< per name: its index in the table, or -1
    struct Binding {
        std::uint32_t reg;   ///< the register of a name
        std::uint32_t index; ///< its index in the variable table
    };
    std::vector<Binding> m_bindings; ///< the names that exist
    std::uint64_t m_boundGeneration = 0;
    bool m_allBound = true;
    bool m_constant = false; ///< the value is known: m_constantValue
    double m_constantValue = 0;
    bool m_degrees = false;      ///< the angle unit of the compilation
    bool m_foldedAngles = false; ///< a trigonometric function of constants was computed
};

} // namespace interp
