#pragma once

#include "geometry.h"

#include <QString>
#include <cstddef>
#include <optional>
#include <string>

namespace exact {
struct Conic;
}

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
/// follow. The shape test and the radius test are decided on the text read
/// exactly when it is exact ("x^2+y^2=1/3" is a circle, though its doubles
/// give A ≠ B), on the doubles otherwise. The three stages can be run at different moments of a
/// frame; a fault or a refusal of any of them is the field's (ProblemForm::readingField).
/// The text is the one recorded at the press (exact::PressFields), and the
/// circle read is kept there: a circle read before in the press is not read
/// again, every stage then doing nothing and radiusTest giving it.
class CircleEquationReader {
public:
    /// The reader of the pressed frame's i-th circle.
    CircleEquationReader(ProblemForm& form, std::size_t circle, CircleRefusals refusals = {});

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
    /// A verdict on the field's text read exactly (exact::verdict); nothing
    /// when the text is not exact.
    std::optional<bool> exactVerdict(std::optional<bool> (*verdict)(const exact::Conic&));
    /// d, e and f from the exact reading, where the doubles decided otherwise.
    void takeExactCoefficients();

    ProblemForm& m_form;
    std::size_t m_circle;
    QLineEdit* m_field;
    const Circle* m_read; ///< the circle read before in the press; null when it was not
    CircleRefusals m_refusals;
    std::string m_text;
    Real m_d, m_e, m_f; ///< x² + y² + d x + e y + f = 0
};

/// Every stage of the circle reader of the pressed frame's i-th circle, one after the other.
Circle LerEquacaoCircunferencia(ProblemForm& form, std::size_t circle,
                                CircleRefusals refusals = {});
