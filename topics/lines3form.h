#pragma once

#include "problemform.h"

/// "RECTA - 3": whether three points are collinear, the slope and the
/// inclination of a line, and the relative position of two lines.
class Lines3Form : public ProblemForm {
    Q_OBJECT
public:
    explicit Lines3Form(QWidget* parent = nullptr);

    /// What the slope label shows for a vertical line, which has none.
    static QString verticalSlopeText();

private:
    void buildCollinearityFrame();
    void buildSlopeFrame();
    void buildPositionFrame();

    void collinearity();
    void slopeAndInclination();
    void relativePosition();

    /// The slope frame's line through two points, drawn in red when solving.
    Line lineThroughTwoPoints();
    /// The slope frame's typed line, drawn in blue.
    Line typedLine();
    void writeSlopeAndInclination(const Line& line);
    /// Reads one equation field of the position frame and draws it in blue.
    Line drawnLine(const QString& field);
};
