#pragma once

#include "geometry.h"

#include <QString>

class ProblemForm;
class QLineEdit;

/// The texts with which a circle equation is refused.
struct CircleRefusals {
    QString notACircle = QString::fromUtf8("A equação não representa uma circunferência.");
    QString aPoint = QString::fromUtf8("A equação representa um ponto.");
};

/// Reads a typed circle equation, in any arrangement, into centre and radius.
/// The text is moved to one side as a line equation is, then sampled at six
/// points, from which the coefficients of A x² + B y² + C xy + D x + E y + F
/// follow. The three stages can be run at different moments of a frame; a
/// fault or a refusal of any of them is the field's (ProblemForm::readingField).
class CircleEquationReader {
public:
    CircleEquationReader(ProblemForm& form, QLineEdit* field, CircleRefusals refusals = {});

    /// Deletes the blanks of the field and writes the text back.
    void strip();
    /// Refuses a text holding ">", "<", "^4" or "^3".
    void checkCharacters();
    /// Samples the equation and refuses it unless it has a circle's shape.
    void sample();
    /// Refuses an imaginary circle or a single point; gives the circle.
    Circle radiusTest();

private:
    void sampleConic();
    Circle centreAndRadius();

    ProblemForm& m_form;
    QLineEdit* m_field;
    CircleRefusals m_refusals;
    QString m_text;
    Real m_d, m_e, m_f; ///< x² + y² + d x + e y + f = 0
};

/// Every stage of the circle reader, one after the other.
Circle LerEquacaoCircunferencia(ProblemForm& form, QLineEdit* field, CircleRefusals refusals = {});
