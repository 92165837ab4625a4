#pragma once

#include "problemform.h"

#include <optional>
#include <utility>

/// "CIRCUNFERÊNCIA - 1": a circle by its equation or by centre and radius,
/// the circle centred at a point and tangent to a line, the tangent to a
/// circle at one of its points, and where a line meets a circle.
class Circles1Form : public ProblemForm {
    Q_OBJECT
public:
    explicit Circles1Form(QWidget* parent = nullptr);

private:
    void buildFrames();

    void circleByEquationOrCentre();
    void circleTangentToLine();
    void tangentAtPoint();
    void lineMeetsCircle();

    /// Whether the frame's line is no line on its exact reading; nothing
    /// when the text is not exact.
    std::optional<bool> noLine();
    /// A circle in red with its centre marked and projected onto the axes.
    void drawSolvedCircle(const Circle& c);
    /// "(x-xc)^2 + (y-yc)^2 = r²", with "--" written as "+".
    QString circleEquationText(Pt centre, Real r) const;
    /// The two points where a line meets a circle, given Δ's square root s
    /// and n = a² + b²; the same point twice for a tangent line.
    static std::pair<Pt, Pt> crossings(const Line& l, const Circle& c, Real s, Real n);
};
