#pragma once

#include "problemform.h"

/// "CIRCUNFERÊNCIA - 2": the inscribed or circumscribed circle of a
/// triangle, the distance from a point to a circle, the circle with a given
/// centre tangent to a line, and the circle through three points.
class Circles2Form : public ProblemForm {
    Q_OBJECT
public:
    explicit Circles2Form(QWidget* parent = nullptr);

private:
    void triangleCircle();
    void distanceToCircle();
    void tangentToLine();
    void throughThreePoints();

    void inscribed(Pt p1, Pt p2, Pt p3);
    void circumscribed(Pt p1, Pt p2, Pt p3);
};
