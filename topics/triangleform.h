#pragma once

#include "problemform.h"

/// "TRIÂNGULO": the notable points of a triangle (circumcentre, incentre,
/// orthocentre, centroid), the area of a triangle, and whether three points
/// are the vertices of a right triangle.
class TriangleForm : public ProblemForm {
    Q_OBJECT
public:
    explicit TriangleForm(QWidget* parent = nullptr);

private:
    /// The three vertices A, B, C of a frame.
    struct Vertices {
        Pt a, b, c;
    };

    void notablePoints();
    void area();
    void rightTriangle();

    /// The start of every routine: the axes, an empty result label, and the
    /// frame's three vertices read.
    Vertices start(const QString& result);
    void dots(const Vertices& t);
    void sides(const Vertices& t);

    /// What the marked option asks for: the construction that computes and
    /// draws the point, and whether it needs a triangle (D ≠ 0) rather than
    /// only some vertex apart.
    struct Notable {
        Pt (TriangleForm::*construct)(const Vertices&);
        bool needsTriangle;
    };
    Notable notable() const;
    /// Whether the point has no triangle to be computed from: collinear
    /// vertices, or three equal vertices for the incentre.
    bool noTriangleFor(const Notable& n, const Vertices& t);
    /// Collinearity of the frame's vertices, on the exact data when they are exact.
    bool collinearVertices(const Vertices& t);
    Pt circumcentre(const Vertices& t);
    Pt incentre(const Vertices& t);
    Pt orthocentre(const Vertices& t);
    Pt centroid(const Vertices& t);

    /// Dotted 1-pixel segments from p to the midpoints of A-B, A-C and C-B.
    void toMidpoints(Pt p, const Vertices& t);
    /// Dotted 1-pixel segments from p to A, B and C.
    void toVertices(Pt p, const Vertices& t);
    /// Dotted 1-pixel segments from A, B and C to the feet of their altitudes.
    void altitudes(const Vertices& t);
};
