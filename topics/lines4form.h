#pragma once

#include "problemform.h"

/// "RECTA - 4": the line through a point that is parallel to an axis, has a
/// given inclination or slope, or makes a given angle with a given line; and
/// the two bisectors of two concurrent lines.
class Lines4Form : public ProblemForm {
    Q_OBJECT
public:
    explicit Lines4Form(QWidget* parent = nullptr);

private:
    void buildPointFrame();
    void buildBisectorFrame();

    void lineThroughPoint();
    void bisectors();

    void parallelToXAxis(Pt p);
    void parallelToYAxis(Pt p);
    void givenInclination(Pt p);
    void givenSlope(Pt p);
    void givenAngleWithLine(Pt p);

    /// Draws a line in the current pen and writes its equation into a label.
    void drawAndWrite(Line line, const QString& result);
};
