#include "equationsampler.h"

#include "clsequation.h"
#include "decimal.h"
#include "numbered_error.h"

#include <algorithm>

std::string withoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

bool containsAny(std::string_view text, std::initializer_list<const char*> parts) {
    return std::any_of(parts.begin(), parts.end(), [text](const char* part) {
        return text.find(part) != std::string_view::npos;
    });
}

std::string rewriteAsExpression(std::string_view equation) {
    const std::size_t p = equation.find('=');
    if (p == std::string_view::npos) Fault::raise(Fault::InvalidArgument);
    return std::string(equation.substr(0, p)) + "-(" + std::string(equation.substr(p + 1)) + ")";
}

EquationSampler::EquationSampler(clsEquation& interpreter, const std::string& rewritten)
    : m_interpreter(interpreter) {
    m_interpreter.setEquation(rewritten);
    m_interpreter.setVar("x", 0.0);
    m_interpreter.setVar("y", 0.0);
    m_interpreter.Solve();
    m_constant = Real(m_interpreter.Solution());
    m_interpreter.setEquation(rewritten + "-(" +
                              exact::decimal::expressionLiteral(m_constant.value()) + ")");
}

Real EquationSampler::at(double x, double y) {
    m_interpreter.setVar("y", y);
    m_interpreter.setVar("x", x);
    m_interpreter.Solve();
    return Real(m_interpreter.Solution());
}

Line sampleLineEquation(clsEquation& interpreter, const std::string& rewritten) {
    EquationSampler sampler(interpreter, rewritten);
    const Real c = sampler.constant();
    const Real a = sampler.at(1.0, 0.0);
    const Real b = sampler.at(0.0, 1.0);
    return {a, b, c};
}
