#include "circlereader.h"

#include "equationsampler.h"
#include "problemform.h"
#include "verdicts.h"

#include <QLineEdit>

CircleEquationReader::CircleEquationReader(ProblemForm& form, std::size_t circle,
                                           CircleRefusals refusals)
    : m_form(form)
    , m_circle(circle)
    , m_field(form.givenField(exact::Role::Circle, circle))
    , m_read(form.fields().circle(circle))
    , m_refusals(std::move(refusals)) {}

void CircleEquationReader::strip() {
    if (!m_read) m_text = m_form.prepareEquation(exact::Role::Circle, m_circle);
}

void CircleEquationReader::checkCharacters() {
    if (m_read) return;
    m_form.readingField(m_field, [this] {
        if (containsAny(m_text, {">", "<", "^4", "^3"})) m_form.stop(m_refusals.notACircle);
    });
}

void CircleEquationReader::sample() {
    if (!m_read) m_form.readingField(m_field, [this] { sampleConic(); });
}

void CircleEquationReader::sampleConic() {
    const std::string rewritten = rewriteAsExpression(m_text);
    m_form.scratch()->setText(QString::fromStdString(rewritten));
    EquationSampler sampler(m_form.interpreter(), rewritten);
    const Real F = sampler.constant();
    const Real g01 = sampler.at(0, 1);
    const Real g10 = sampler.at(1, 0);
    const Real g11 = sampler.at(1, 1);
    const Real g21 = sampler.at(2, 1);
    const Real g12 = sampler.at(1, 2);
    const Real A = ((g01 - 2 * g11) + g21) / 2;
    const Real B = ((g10 - 2 * g11) + g12) / 2;
    const Real C = (-g01 - g10) + g11;
    const Real D = (((-g01 + 2 * g10) + 2 * g11) - g21) / 2;
    const Real E = (((2 * g01 - g10) + 2 * g11) - g12) / 2;
    const bool shaped = C == 0 && A == B && A != 0 && B != 0;
    if (!exactVerdict(exact::verdict::circleShape).value_or(shaped))
        m_form.stop(m_refusals.notACircle);
    if (!shaped) { // a circle on exact values, not on the doubles
        takeExactCoefficients();
        return;
    }
    m_d = D / A;
    m_e = E / A;
    m_f = F / A;
}

std::optional<bool>
CircleEquationReader::exactVerdict(std::optional<bool> (*verdict)(const exact::Conic&)) {
    return m_form.exactly([&](const exact::FrameData& d) { return verdict(d.conic(m_circle)); },
                          false);
}

void CircleEquationReader::takeExactCoefficients() {
    const exact::Conic& q = m_form.exactData().conic(m_circle);
    m_d = (q.D / q.A).toDouble();
    m_e = (q.E / q.A).toDouble();
    m_f = (q.F / q.A).toDouble();
}

Circle CircleEquationReader::radiusTest() {
    if (m_read) return *m_read;
    const Circle c = m_form.readingField(m_field, [this] { return centreAndRadius(); });
    m_form.fields().keepCircle(m_circle, c);
    return c;
}

Circle CircleEquationReader::centreAndRadius() {
    Real k = m_d * m_d + m_e * m_e - 4 * m_f;
    if (exactVerdict(exact::verdict::imaginaryCircle).value_or(k < 0))
        m_form.stop(m_refusals.notACircle);
    if (exactVerdict(exact::verdict::pointCircle).value_or(k == 0)) m_form.stop(m_refusals.aPoint);
    if (k <= 0) { // a circle on exact values, not on the doubles
        takeExactCoefficients();
        k = m_d * m_d + m_e * m_e - 4 * m_f;
    }
    return {-m_d / 2, -m_e / 2, sqrt(k) / 2};
}

Circle LerEquacaoCircunferencia(ProblemForm& form, std::size_t circle, CircleRefusals refusals) {
    CircleEquationReader reader(form, circle, std::move(refusals));
    reader.strip();
    reader.checkCharacters();
    reader.sample();
    return reader.radiusTest();
}
