#include "fieldreaders.h"

#include "clsequation.h"
#include "controls.h"
#include "equationsampler.h"
#include "presspipeline.h"

#include <QLineEdit>

FieldReaders::FieldReaders(QWidget* form, QLineEdit* scratch, PressPipeline& press)
    : m_form(form)
    , m_scratch(scratch)
    , m_press(press) {}

Real FieldReaders::LerCampo(QLineEdit* field) {
    return m_press.readingField(field, [&] {
        clsEquation& eq = m_press.interpreter();
        eq.setEquation(field->text().trimmed().toStdString());
        eq.setVar("x", 0.0);
        eq.Solve();
        return Real(eq.Solution());
    });
}

Pt FieldReaders::LerPonto(int n) {
    const Real x = LerCampo(Controls::field(m_form, QStringLiteral("Abcissa%1").arg(n)));
    const Real y = LerCampo(Controls::field(m_form, QStringLiteral("Ordenada%1").arg(n)));
    return {x, y};
}

QString FieldReaders::prepareEquation(QLineEdit* field) {
    const QString text = withoutBlanks(field->text());
    field->setText(text);
    return text;
}

void FieldReaders::checkLineText(QLineEdit* field) {
    m_press.readingField(field, [&] {
        if (containsAny(field->text(), {">", "<", "^3", "^2"}))
            m_press.stop(tr("A equação não representa uma recta."));
    });
}

Line FieldReaders::sampleLine(QLineEdit* field) {
    return m_press.readingField(field, [&] {
        const QString rewritten = rewriteAsExpression(field->text());
        m_scratch->setText(rewritten);
        return sampleLineEquation(m_press.interpreter(), rewritten);
    });
}

Line FieldReaders::LerEquacaoRecta(QLineEdit* field) {
    prepareEquation(field);
    checkLineText(field);
    return sampleLine(field);
}

std::array<Line, 2> FieldReaders::LerEquacoesRecta(QLineEdit* first, QLineEdit* second) {
    prepareEquation(first);
    prepareEquation(second);
    checkLineText(first);
    checkLineText(second);
    const Line l1 = sampleLine(first);
    const Line l2 = sampleLine(second);
    return {l1, l2};
}
