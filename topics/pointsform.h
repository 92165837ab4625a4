#pragma once

#include "problemform.h"

/// "PONTOS": plotting a point, the midpoint of a segment, the distance
/// between two points and the perpendicular bisector of a segment.
class PointsForm : public ProblemForm {
    Q_OBJECT
public:
    explicit PointsForm(QWidget* parent = nullptr);

private:
    void plotPoint();
    void midpoint();
    void distance();
    void bisector();

    /// The dot of a point with its guide lines.
    void mark(Pt p, const QString& name);
};
