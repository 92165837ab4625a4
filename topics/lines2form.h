#pragma once

#include "problemform.h"

/// "RECTA - 2": the intersection of two lines, the distance between parallel
/// lines, the distance from a point to a line and the angle of two lines.
class Lines2Form : public ProblemForm {
    Q_OBJECT
public:
    explicit Lines2Form(QWidget* parent = nullptr);

private:
    void intersection();
    void parallelDistance();
    void pointDistance();
    void angle();

    /// Empties the result label, reads both equations and draws both lines
    /// in blue on fresh axes (whether each is a line decided on its exact
    /// coefficients when they are exact).
    std::array<Line, 2> twoLines(const QString& result);
    /// A verdict on the frame's i-th line, or on its two lines, decided on
    /// their exact coefficients; nothing when they are not exact.
    std::optional<bool> lineVerdict(std::size_t i,
                                    std::optional<bool> (*verdict)(const exact::Line&));
    std::optional<bool> pairVerdict(std::optional<bool> (*verdict)(const exact::Line&,
                                                                   const exact::Line&));
    /// The meeting point and the tangent of the angle from the exact lines,
    /// where their doubles give a zero divisor that the exact values do not.
    Pt exactMeeting();
    Real exactTangent();
    /// The message, then bare axes: the lines just drawn disappear; the
    /// worked solution says why.
    [[noreturn]] void refuse(const QString& message);
    /// A point of the answer as a red dot.
    void redDot(Pt p, const QString& name);
};
