#include "program.h"

#include "checked.h"
#include "randomgen.h"

namespace interp {

// The steps run by threaded dispatch: each step ends by jumping straight to
// the code of the next one. GCC and Clang jump through a table of label
// addresses; other compilers (and builds that define
// ORTOPLANO_PORTABLE_DISPATCH) go through a switch that jumps to the same
// labels.
//
// How fast indirect jumps run depends on where their targets fall in the
// instruction cache lines; interpreter/CMakeLists.txt aligns the labels of
// this file so that the speed does not change from one build to the next.
#if defined(__GNUC__) && !defined(ORTOPLANO_PORTABLE_DISPATCH)
#define INTERP_THREADED_DISPATCH 1
#define INTERP_LABEL_ADDRESS(name) &&name,
#define INTERP_NEXT() goto* kSteps[static_cast<int>(op->code)]
#else
#define INTERP_NEXT() goto dispatch
#endif
#define INTERP_CASE(name)                                                                          \
    case OpCode::name:                                                                             \
        goto name;
#define INTERP_STEP(value)                                                                         \
    last = (value);                                                                                \
    r[op->dst] = last;                                                                             \
    ++op;                                                                                          \
    INTERP_NEXT()

double Program::execute(const VariableTable& variables, bool degrees) {
    const Op* op = (bindVariables(variables) ? m_unchecked : m_checked).data();
    double* r = m_registers.data();
    const FunctionInfo* library = &functionByNumber(0);
    double last = 0; // the result of the previous writing step
    const auto in = [&](std::uint32_t operand) {
        return (operand & kForwarded) != 0 ? last : r[operand];
    };
#if INTERP_THREADED_DISPATCH
    static void* const kSteps[] = {INTERP_OPCODES(INTERP_LABEL_ADDRESS)};
    INTERP_NEXT();
#else
dispatch:
    switch (op->code) { INTERP_OPCODES(INTERP_CASE) }
#endif
Negate:
    INTERP_STEP(-in(op->a));
Add:
    INTERP_STEP(checked::add(r[op->a], r[op->b]));
AddLastA:
    INTERP_STEP(checked::add(last, r[op->b]));
AddLastB:
    INTERP_STEP(checked::add(r[op->a], last));
Subtract:
    INTERP_STEP(checked::sub(r[op->a], r[op->b]));
SubtractLastA:
    INTERP_STEP(checked::sub(last, r[op->b]));
SubtractLastB:
    INTERP_STEP(checked::sub(r[op->a], last));
Multiply:
    INTERP_STEP(checked::mul(r[op->a], r[op->b]));
MultiplyLastA:
    INTERP_STEP(checked::mul(last, r[op->b]));
MultiplyLastB:
    INTERP_STEP(checked::mul(r[op->a], last));
Divide:
    INTERP_STEP(checked::div(r[op->a], r[op->b]));
DivideLastA:
    INTERP_STEP(checked::div(last, r[op->b]));
DivideLastB:
    INTERP_STEP(checked::div(r[op->a], last));
Square:
    INTERP_STEP(checked::mul(r[op->a], r[op->a]));
SquareLast:
    INTERP_STEP(checked::mul(last, last));
IntQuotient:
    INTERP_STEP(checked::intQuotient(in(op->a), in(op->b)));
IntRemainder:
    INTERP_STEP(checked::intRemainder(in(op->a), in(op->b)));
Power:
    INTERP_STEP(checked::power(in(op->a), in(op->b)));
Call:
    INTERP_STEP(library[op->function].formula(in(op->a), in(op->b), degrees));
Random:
    INTERP_STEP(randomgen::next());
CheckVariable:
    if (m_variableIndex[op->a] < 0)
        raise(Fault::InvalidArgument, m_names[op->a], true); // the table has no such key
    ++op;
    INTERP_NEXT();
Raise:
    throw m_faults[op->a];
Result:
    return in(op->a);
}

#undef INTERP_STEP
#undef INTERP_CASE
#undef INTERP_NEXT
#undef INTERP_LABEL_ADDRESS
#undef INTERP_THREADED_DISPATCH

void Program::resolveNames(const VariableTable& variables) {
    m_bindings.clear();
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        m_variableIndex[i] = variables.indexOf(m_names[i]);
        if (m_variableIndex[i] >= 0)
            m_bindings.push_back({static_cast<std::uint32_t>(m_variableBase + i),
                                  static_cast<std::uint32_t>(m_variableIndex[i])});
    }
    m_allBound = m_bindings.size() == m_names.size();
    m_boundGeneration = variables.generation();
}

} // namespace interp
