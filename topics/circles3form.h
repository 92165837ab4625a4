#pragma once

#include "problemform.h"

#include <optional>

/// "CIRCUNFERÊNCIA - 3": the intersection of two circles, the two tangents
/// from an exterior point to a circle, and the circle through a point P that
/// touches a line at its point Q.
class Circles3Form : public ProblemForm {
    Q_OBJECT
public:
    explicit Circles3Form(QWidget* parent = nullptr);

private:
    void twoCircles();
    void tangents();
    void circleTangentAtQ();

    /// Both circles in blue, their centres plotted and projected.
    void drawCircles(const Circle& first, const Circle& second);
    /// How the two circles stand as typed (−1 apart, 0 touching, 1 crossing),
    /// when their equations are exact.
    std::optional<int> exactContact();
    /// Whether the two circles typed have one centre, when their equations are exact.
    std::optional<bool> sameCentre();
};
