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
    /// in blue on fresh axes.
    std::array<Line, 2> twoLines(const QString& result, const QString& first,
                                 const QString& second);
    /// The message, then bare axes: the lines just drawn disappear.
    [[noreturn]] void refuse(const QString& message);
    /// A point of the answer as a red dot.
    void redDot(Pt p, const QString& name);
};
