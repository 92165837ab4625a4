#pragma once

#include "evaluation.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

/// A line or a circle given by an equation, as the text of its field reads
/// exactly, and where it is taken on the board: a line anywhere along it to
/// be moved parallel to itself, or by a grip to be turned about a marked
/// point of it; a circle by its centre to be moved, or by a grip on it to be
/// resized. Each change is written back in the form the pupil typed:
/// reduced (y = mx + b, x = k), with a number on the right (ax + by = k) or
/// general (… = 0) for a line, reduced ((x − a)² + (y − b)² = r²) or
/// expanded (… = 0) for a circle; the new coefficients come from grid
/// values, so they stay exact.
struct EquationShape {
    enum class Kind { Line, Circle };
    /// How the equation is written.
    enum class Writing {
        Reduced,  ///< y = mx + b, x = k; (x − a)² + (y − b)² = r²
        General,  ///< ax + by + c = 0; x² + y² + dx + ey + f = 0
        Constant, ///< of a line, ax + by = k
    };
    Kind kind = Kind::Line;
    Writing writing = Writing::Reduced;
    exact::Line line;     ///< of a line
    exact::Point pivot;   ///< the point a line turns about
    exact::Circle circle; ///< of a circle, its square radius known
    QPointF mark;         ///< on the board: a line's pivot, a circle's centre
    QPointF grip;         ///< on the board: where a line is turned, a circle resized

    /// The shape of a line read exactly from `typed`: its pivot `kept`, the
    /// pivot it had, while the line goes through it and the window shows it
    /// (a line turned keeps it); else the nearer to the centre of `window`
    /// of the points where it crosses the axes, when the window shows it,
    /// else its point nearest that centre. Its grip is `reach` world units
    /// from the pivot along it, within the window. Nothing for a line not
    /// read exactly.
    static std::optional<EquationShape> ofLine(const exact::LineReading& reading,
                                               const QString& typed, QRectF window, double reach,
                                               const std::optional<exact::Point>& kept);
    /// The shape of a circle read exactly, its grip on its right.
    static std::optional<EquationShape> ofCircle(const exact::CircleReading& reading, bool general);

    /// The equation of the line moved by (tx, ty), in its written form.
    QString moved(const exact::Number& tx, const exact::Number& ty, const QString& separator) const;
    /// The equation of the line turned about the pivot through `through`;
    /// nothing when `through` is the pivot.
    std::optional<QString> turned(const exact::Point& through, const QString& separator) const;
    /// The equation of the circle moved to centre `centre`.
    QString centredAt(const exact::Point& centre, const QString& separator) const;
    /// The equation of the circle resized through `through` (a radius of 0
    /// when it is the centre: the equation of a point).
    QString resizedThrough(const exact::Point& through, const QString& separator) const;

    /// Whether a line moved by the pointer is moved up and down (its
    /// ordinate at the origin changes), rather than sideways.
    bool movesUpAndDown() const;
    /// How far the line is to be moved for the pointer moved by `by` from
    /// where it took the line: along the y-axis when it moves up and down,
    /// else along the x-axis.
    double offsetFor(QPointF by) const;
};
