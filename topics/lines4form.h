#pragma once

#include "problemform.h"

#include <optional>

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

    /// Draws a line in the current pen and writes its equation into a label;
    /// `noLine` as for DesenharRecta.
    void drawAndWrite(Line line, const QString& result, std::optional<bool> noLine = std::nullopt);
    /// A test of the inclination typed, on its exact value; nothing when it is not exact.
    std::optional<bool> inclinationIs(bool (*test)(const exact::Number&));
};
