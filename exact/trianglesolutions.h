#pragma once

#include "solution.h"

#include <optional>

/// The worked solutions of the triangle's frames ("TRIÂNGULO": its notable
/// points, its area, whether it is right-angled) and of the circles of a
/// triangle ("CIRCUNFERÊNCIA - 2": inscribed and circumscribed), from the
/// vertices read exactly. The vertices are named A, B and C. Vertices in a
/// straight line give a solution that says so and stops where the frame
/// needs a triangle.
namespace exact::solutions {

/// The vertices of a triangle.
struct Triangle {
    Point a, b, c;
};

// --- "TRIÂNGULO"

/// "Circuncentro": the meeting point of the perpendicular bisectors of [AB] and [AC].
Solution solveCircumcentre(const Triangle& t);
/// "Incentro": (aA + bB + cC)/(a + b + c), a, b, c the sides opposite A, B, C.
Solution solveIncentre(const Triangle& t);
/// "Ortocentro": the meeting point of the altitudes from A and from B.
Solution solveOrthocentre(const Triangle& t);
/// "Baricentro": the mean of the vertices.
Solution solveCentroid(const Triangle& t);
/// "Área de um triângulo": half the absolute value of det(AB⃗, AC⃗), and its
/// sign in words (the label writes the signed value).
Solution solveTriangleArea(const Triangle& t);
/// "Ver se são vértices de um triângulo rectângulo": the squares of the
/// sides and the Pythagorean relation.
Solution solveRightTriangle(const Triangle& t);

// --- "CIRCUNFERÊNCIA - 2", the circle and the triangle

/// The inscribed circle: the incentre, and r = 2 × Área/(a + b + c).
Solution solveIncircle(const Triangle& t);
/// The circumscribed circle: the circumcentre, and r = d(O, A).
Solution solveCircumcircle(const Triangle& t);

// --- steps that other frames' solutions share

/// A point with its name.
struct NamedPoint {
    const char* name;
    const Point& p;
};

/// What the two lines a centre is found from are called: r and s, or other
/// letters where r is the radius.
struct LineNames {
    const char* first = "r";
    const char* second = "s";
};

/// The line through p perpendicular to u: u₁(x − x_p) + u₂(y − y_p) = 0,
/// expanded, then normalised, as one line of `step`; `written` becomes its
/// normalised equation.
Line normalThrough(Step& step, const Point& p, const Point& u, Math& written);
/// The perpendicular bisector `name` of [PQ], through the midpoint `mid`,
/// perpendicular to PQ⃗: its step (which calls [PQ] a side when it is a
/// triangle's), and the line (its equation in `written`).
Line sideBisector(Solution& s, const char* name, const NamedPoint& p, const NamedPoint& q,
                  const char* mid, bool ofTriangle, Math& written);
/// (x − a)² + (y − b)² = r² as the last step of a circle frame (`kind`, a
/// sentence without slots), the radius stated before it; the circle is the
/// answer of `label`.
void circleResult(Solution& s, StepKind kind, const Circle& c, const std::string& label);
/// Where the lines r and s meet: their system solved (solveSystem), x and y
/// bound to the point. Nothing when they are parallel.
std::optional<Point> meetingOf(Solution& s, const Line& r, const Math& er, const Line& l,
                               const Math& el, const LineNames& names = {});

/// det(AB⃗, AC⃗) = (x_B − x_A)(y_C − y_A) − (x_C − x_A)(y_B − y_A).
Number determinant(const Triangle& t);
/// The circumcentre O of three points not in a straight line, from the
/// perpendicular bisectors r of [AB] and s of [AC]: the steps after the
/// first (`method`, which says why, with the slots {r} and {s} for the
/// lines' `names`; `ofTriangle` when the points are a triangle's vertices),
/// and O; nothing when the bisectors are
/// parallel, which only the doubles of approximate data can make them.
std::optional<Point> circumcentreSteps(Solution& s, const Triangle& t, StepKind method,
                                       const LineNames& names, bool ofTriangle);

} // namespace exact::solutions
