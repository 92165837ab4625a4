#include "clsequation.h"

#include "faults.h"
#include "program.h"
#include "text.h"
#include "tokens.h"
#include "variables.h"

#include <new>

struct clsEquation::Impl {
    bool dirty = false; ///< SolutionValue is out of date
    bool parsed = true; ///< the program belongs to the current text
    interp::VariableTable vars;
    std::string equation;
    bool graus = false;
    double solutionValue = 0;
    interp::TokenList tokens;
    interp::Program program;
};

clsEquation::clsEquation()
    : d(std::make_unique<Impl>()) {}

clsEquation::~clsEquation() = default;

void clsEquation::setEquation(std::string_view text) {
    d->equation = interp::lowerCase(text);
    d->parsed = false;
    d->dirty = true;
}

const std::string& clsEquation::Equation() const {
    return d->equation;
}

void clsEquation::Solve() {
    try {
        // A new text is parsed; a program holding trigonometric values of
        // the other angle unit is compiled again from the same tokens.
        if (!d->parsed)
            Parse();
        else if (!d->program.isCompiledFor(d->graus))
            Compile();
        // The walk over the slots was compiled by Parse into a flat program:
        // running it does only the arithmetic.
        d->solutionValue = d->program.run(d->vars, d->graus);
        d->dirty = false;
    } catch (const interp::EvalFault& fault) {
        throw interp::translate(fault);
    } catch (const std::bad_alloc&) {
        throw interp::translate(interp::EvalFault{Fault::OutOfMemory, {}});
    }
}

void clsEquation::Parse() {
    d->parsed = false;
    interp::parse(d->equation, d->tokens);
    Compile();
}

void clsEquation::Compile() {
    d->parsed = false; // until the program is whole
    d->program.compile(d->tokens, d->graus);
    d->parsed = true;
}

double clsEquation::Solution() {
    if (d->dirty) Solve();
    return d->solutionValue;
}

void clsEquation::setVar(std::string_view name, double value) {
    d->vars.set(name, value);
    d->dirty = true;
}

double clsEquation::Var(std::string_view name) const {
    return d->vars.get(name);
}

void clsEquation::VarRemove(std::string_view name) {
    d->vars.remove(name);
    d->dirty = true;
}

void clsEquation::VarClear() {
    d->vars.clear();
    d->dirty = true;
}

bool clsEquation::Graus() const {
    return d->graus;
}

void clsEquation::setGraus(bool degrees) {
    if (d->graus == degrees) return;
    d->graus = degrees;
    d->dirty = true;
}
