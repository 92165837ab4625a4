#pragma once

#include "problemform.h"

#include <functional>
#include <optional>

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
    /// The exact twin of the slope frame's line, from the press's data.
    using ExactLine = std::function<exact::Line(const exact::FrameData&)>;
    void writeSlopeAndInclination(const Line& line, const ExactLine& exactLine);
    /// Whether the frame's two first points are one, and its i-th line is
    /// no line, decided on the exact data (nothing when they are not exact).
    std::optional<bool> samePoints();
    std::optional<bool> noLine(std::size_t i);
    void writePosition(const Line& l1, const Line& l2, bool concurrent, bool same);
    void writeMeetingPoint(Pt p);
    /// Reads the i-th equation of the position frame and draws it in blue.
    Line drawnLine(std::size_t i);
};
