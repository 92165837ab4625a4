#pragma once

#include <QWidget>

/// A decorative drawing of the main window: a small geometric figure on a
/// square of squared paper, painted as vectors so it is sharp at any size.
class Figure : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        CircleAndTangent,    ///< a circle, a radius and the tangent at its end
        TriangleAndIncircle, ///< a triangle with its inscribed circle
        MeetingLines,        ///< two lines, the angle between them and their meeting point
        PointsOnAxes,        ///< a segment on coordinate axes, with its midpoint
    };

    explicit Figure(Kind kind, QWidget* parent = nullptr);
    Kind kind() const { return m_kind; }
    QSize sizeHint() const override { return {170, 170}; }

    /// Paints the figure into a square of side 100 at the painter's origin.
    static void paint(QPainter& painter, Kind kind);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
};
