#pragma once

#include "problemform.h"

/// "RECTA - 1": a line given by its equation, the line through two points,
/// and the lines through a point parallel and perpendicular to a given line.
class Lines1Form : public ProblemForm {
    Q_OBJECT
public:
    explicit Lines1Form(QWidget* parent = nullptr);

private:
    void typedLine();
    void throughTwoPoints();
    void parallel();
    void perpendicular();

    /// Reads a frame's given line and its point: the result label emptied,
    /// the equation, then the point's coordinates.
    std::pair<Line, Pt> lineAndPoint(const QString& result);
    /// Whether the frame's line is no line, decided on its exact
    /// coefficients; nothing when they are not exact.
    std::optional<bool> noLine();
    /// The point in blue with its guide lines, then the given line.
    void drawPointAndLine(Pt p, const QString& name, const Line& given, std::optional<bool> noLine);
    /// The answer in red, written into the frame's result label.
    void answer(Line line, const QString& result, std::optional<bool> noLine);
};
