#include "equationsampler.h"

#include "clsequation.h"
#include "numbered_error.h"
#include "textrules.h"

QString withoutBlanks(const QString& text) {
    QString stripped = text;
    stripped.remove(QLatin1Char(' '));
    return stripped;
}

bool containsAny(const QString& text, std::initializer_list<const char*> parts) {
    for (const char* part : parts) {
        if (text.contains(QLatin1String(part))) return true;
    }
    return false;
}

QString rewriteAsExpression(const QString& equation) {
    const qsizetype p = equation.indexOf(QLatin1Char('='));
    if (p < 0) Fault::raise(Fault::InvalidArgument);
    return equation.left(p) + QLatin1String("-(") + equation.mid(p + 1) + QLatin1Char(')');
}

EquationSampler::EquationSampler(clsEquation& interpreter, const QString& rewritten)
    : m_interpreter(interpreter) {
    m_interpreter.setEquation(rewritten.toStdString());
    m_interpreter.setVar("x", 0.0);
    m_interpreter.setVar("y", 0.0);
    m_interpreter.Solve();
    m_constant = Real(m_interpreter.Solution());
    const QString withoutConstant = rewritten + QLatin1String("-(") +
                                    TextRules::expressionLiteral(m_constant.value()) +
                                    QLatin1Char(')');
    m_interpreter.setEquation(withoutConstant.toStdString());
}

Real EquationSampler::at(double x, double y) {
    m_interpreter.setVar("y", y);
    m_interpreter.setVar("x", x);
    m_interpreter.Solve();
    return Real(m_interpreter.Solution());
}

Line sampleLineEquation(clsEquation& interpreter, const QString& rewritten) {
    EquationSampler sampler(interpreter, rewritten);
    const Real c = sampler.constant();
    const Real a = sampler.at(1.0, 0.0);
    const Real b = sampler.at(0.0, 1.0);
    return {a, b, c};
}
