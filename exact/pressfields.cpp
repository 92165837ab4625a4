#include "pressfields.h"

#include "clsequation.h"
#include "equationsampler.h"
#include "leadingnumber.h"

namespace exact {

PressFields::PressFields(FrameData data)
    : m_exact(std::make_shared<const FrameData>(std::move(data))) {}

Real PressFields::LerCampo(const std::string& name, FieldHost& host) {
    Field& f = field(name);
    if (!f.value)
        host.reading(name, [&] {
            clsEquation& eq = host.interpreter();
            eq.setEquation(m_exact->trimmed(name));
            eq.setVar("x", 0.0);
            eq.Solve();
            f.value = Real(eq.Solution());
        });
    return *f.value;
}

Pt PressFields::LerPonto(std::size_t i, FieldHost& host) {
    const std::string n = m_exact->fieldName(Role::Point, i);
    const Real x = LerCampo("Abcissa" + n, host);
    const Real y = LerCampo("Ordenada" + n, host);
    return {x, y};
}

Real PressFields::number(std::size_t i, FieldHost& host) {
    return LerCampo(m_exact->fieldName(Role::Number, i), host);
}

Real PressFields::angle(std::size_t i, FieldHost& host) {
    const std::string name = m_exact->fieldName(Role::Angle, i);
    Field& f = field(name);
    if (!f.value) host.reading(name, [&] { f.value = leadingNumber(m_exact->typed(name)); });
    return *f.value;
}

const std::string& PressFields::prepared(Role role, std::size_t i, FieldHost& host) {
    const std::string name = m_exact->fieldName(role, i);
    Field& f = field(name);
    if (!f.prepared) {
        f.prepared = withoutBlanks(m_exact->typed(name));
        host.writeBack(name, *f.prepared);
    }
    return *f.prepared;
}

void PressFields::checkLine(std::size_t i, FieldHost& host) {
    const std::string& text = prepared(Role::Line, i, host);
    const std::string name = m_exact->fieldName(Role::Line, i);
    Field& f = field(name);
    if (f.checked) return;
    host.reading(name, [&] {
        if (containsAny(text, {">", "<", "^3", "^2"})) host.refuseLine();
    });
    f.checked = true;
}

::Line PressFields::sampledLine(const std::string& name, FieldHost& host) {
    Field& f = field(name);
    if (!f.line)
        host.reading(name, [&] {
            const std::string rewritten = rewriteAsExpression(*f.prepared);
            host.rewritten(rewritten);
            f.line = sampleLineEquation(host.interpreter(), rewritten);
        });
    return *f.line;
}

::Line PressFields::LerEquacaoRecta(std::size_t i, FieldHost& host) {
    checkLine(i, host);
    return sampledLine(m_exact->fieldName(Role::Line, i), host);
}

std::array<::Line, 2> PressFields::LerEquacoesRecta(FieldHost& host) {
    prepared(Role::Line, 0, host);
    prepared(Role::Line, 1, host);
    checkLine(0, host);
    checkLine(1, host);
    const ::Line first = LerEquacaoRecta(0, host);
    const ::Line second = LerEquacaoRecta(1, host);
    return {first, second};
}

const ::Circle* PressFields::circle(std::size_t i) const {
    const auto it = m_fields.find(m_exact->fieldName(Role::Circle, i));
    return it != m_fields.end() && it->second.circle ? &*it->second.circle : nullptr;
}

void PressFields::keepCircle(std::size_t i, const ::Circle& c) {
    field(m_exact->fieldName(Role::Circle, i)).circle = c;
}

} // namespace exact
