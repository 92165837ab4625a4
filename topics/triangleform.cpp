#include "triangleform.h"

#include "numbered_error.h"
#include "textrules.h"
#include "topictable.h"
#include "trianglesolutions.h"
#include "verdicts.h"

#include <array>

namespace {
/// The initial texts of one vertex.
struct Initial {
    const char* x;
    const char* y;
};

/// "Coordenadas dos vértices:" and the fields of A, B and C, numbered from `first`.
FrameBuilder& vertexFields(FrameBuilder& frame, int first, const std::array<Initial, 3>& initial) {
    frame.text(QObject::tr("Coordenadas dos vértices:")).newRow();
    const std::array<QString, 3> names{QStringLiteral("A"), QStringLiteral("B"),
                                       QStringLiteral("C")};
    for (int i = 0; i < 3; ++i) {
        if (i == 2) frame.newRow();
        frame.point(first + i, initial[i].x, initial[i].y, names[i]);
    }
    return frame.newRow();
}

/// D = x1·(y2 − y3) + x2·(y3 − y1) + x3·(y1 − y2), twice the signed area
/// written for the circumcentre and the orthocentre, whose coordinates round
/// as this form, not determinant(), gives them.
Real twiceSignedArea(Pt a, Pt b, Pt c) {
    return a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y);
}

/// The foot of the altitude from v onto the line through p and q (the
/// side's c written as (xq − xp)·yp − (yq − yp)·xp, which rounds apart from
/// lineThrough()'s).
Pt footOfAltitude(Pt v, Pt p, Pt q) {
    const Line side{q.y - p.y, p.x - q.x, (q.x - p.x) * p.y - (q.y - p.y) * p.x};
    const Line altitude{q.x - p.x, q.y - p.y, -((q.x - p.x) * v.x + (q.y - p.y) * v.y)};
    return intersection(side, altitude);
}

/// The vertices of a frame read exactly, from the fields numbered `first` on.
exact::solutions::Triangle triangleOf(const TypedData& d, int first) {
    return {d.point(first), d.point(first + 1), d.point(first + 2)};
}

const QString Resultado1 = QStringLiteral("Resultado1");
const QString Resultado4 = QStringLiteral("Resultado4");
const QString Resultado5 = QStringLiteral("Resultado5");
} // namespace

TriangleForm::TriangleForm(QWidget* parent)
    : ProblemForm(formTraits(Topic::Triangulo, {.eixos = QRect(60, 180, 5505, 1605)}), parent) {
    FrameBuilder notable =
        addFrame(QStringLiteral("Frame7"), tr("Pontos notáveis de um triângulo"), {2080, 3045});
    vertexFields(notable, 1, {{{"2", "-2"}, {"-8", "4"}, {"5", "8"}}}).fullWidth();
    const char* const options[] = {QT_TR_NOOP("Circuncentro (ponto de encontro das mediatrizes)"),
                                   QT_TR_NOOP("Incentro (ponto de encontro das bissectrizes)"),
                                   QT_TR_NOOP("Ortocentro (ponto de encontro das alturas)"),
                                   QT_TR_NOOP("Baricentro (ponto de encontro das medianas)")};
    for (int i = 0; i < 4; ++i) {
        const QString caption = tr(options[i]); // spoken in full, explanation included
        notable.option(QStringLiteral("Option%1").arg(i + 1), caption, caption, i == 0).newRow();
    }
    notable.text(tr("Coordenadas:")).result(Resultado1).dadosResolver(4, [this] {
        notablePoints();
    });

    FrameBuilder areaFrame =
        addFrame(QStringLiteral("Frame3"), tr("Área de um triângulo"), {5420, 1785});
    vertexFields(areaFrame, 6, {{{"2", "-2"}, {"-8", "4"}, {"2", "-2"}}})
        .text(tr("Área:"))
        .result(Resultado4)
        .dadosResolver(5, [this] { area(); });

    FrameBuilder right =
        addFrame(QStringLiteral("Frame4"), tr("Ver se são vértices de um triângulo rectângulo"),
                 {7500, 1935});
    vertexFields(right, 9, {{{"2", "-2"}, {"-8", "4"}, {"5", "-2"}}})
        .text(tr("Conclusão:"))
        .result(Resultado5)
        .dadosResolver(7, [this] { rightTriangle(); });
}

// --- shared steps ---------------------------------------------------------

TriangleForm::Vertices TriangleForm::start(const QString& result, int first) {
    DesenharEixos();
    setResult(result, QString());
    const Pt a = LerPonto(first);
    const Pt b = LerPonto(first + 1);
    const Pt c = LerPonto(first + 2);
    return {a, b, c};
}

void TriangleForm::dots(const Vertices& t) {
    dot(t.a, "A");
    dot(t.b, "B");
    dot(t.c, "C");
}

void TriangleForm::sides(const Vertices& t) {
    board()->setDrawWidth(2);
    board()->setDrawStyle(DashStyle::Solid);
    segment(t.a, t.b);
    segment(t.b, t.c);
    segment(t.c, t.a);
}

// --- notable points -------------------------------------------------------

void TriangleForm::notablePoints() {
    const Vertices t = start(Resultado1, 1);
    board()->setForeColor(Azul);
    dots(t);
    sides(t);
    if (!ModoResolver()) return;
    board()->setForeColor(Vermelho);
    const Notable n = notable();
    if (noTriangleFor(n, t)) { // D = 0, or no sides: the worked solution says why
        explainVertices(1, n.solve);
        Fault::raise(Fault::DivisionByZero);
    }
    const Pt p = (this->*n.construct)(t);
    guides(p);
    setResult(Resultado1, TextRules::point(p.x, p.y, sep()));
    explainVertices(1, n.solve);
}

TriangleForm::Notable TriangleForm::notable() const {
    using namespace exact::solutions;
    if (isChecked(QStringLiteral("Option1")))
        return {&TriangleForm::circumcentre, solveCircumcentre, true};
    if (isChecked(QStringLiteral("Option2")))
        return {&TriangleForm::incentre, solveIncentre, false};
    if (isChecked(QStringLiteral("Option3")))
        return {&TriangleForm::orthocentre, solveOrthocentre, true};
    return {&TriangleForm::centroid, solveCentroid, false};
}

bool TriangleForm::noTriangleFor(const Notable& n, const Vertices& t) {
    if (n.needsTriangle) return collinearVertices(1, t);
    if (n.construct != &TriangleForm::incentre) return false;
    const auto onePoint = [](const TypedData& d) -> std::optional<bool> {
        const exact::solutions::Triangle e = triangleOf(d, 1);
        const auto ab = exact::verdict::equal(e.a, e.b), bc = exact::verdict::equal(e.b, e.c);
        if (!ab || !bc) return std::nullopt;
        return *ab && *bc;
    };
    return exactly(onePoint).value_or(t.a == t.b && t.b == t.c);
}

bool TriangleForm::collinearVertices(int first, const Vertices& t) {
    return exactly([first](const TypedData& d) {
               const exact::solutions::Triangle e = triangleOf(d, first);
               return exact::verdict::collinear(e.a, e.b, e.c);
           })
        .value_or(collinear(t.a, t.b, t.c));
}

void TriangleForm::explainVertices(int first, Solve solve) {
    explain([first, solve](const TypedData& d) { return solve(triangleOf(d, first)); });
}

Pt TriangleForm::circumcentre(const Vertices& t) {
    const auto [x1, y1] = t.a;
    const auto [x2, y2] = t.b;
    const auto [x3, y3] = t.c;
    const Real D = twiceSignedArea(t.a, t.b, t.c);
    const Real s1 = square(x1) + square(y1), s2 = square(x2) + square(y2),
               s3 = square(x3) + square(y3);
    // The circle x² + y² + d·x + e·y + f = 0 through the three vertices.
    const Real d = -(s1 * (y2 - y3) + s2 * (y3 - y1) + s3 * (y1 - y2)) / D;
    const Real e = -(s1 * (x3 - x2) + s2 * (x1 - x3) + s3 * (x2 - x1)) / D;
    const Pt p{-d / 2, -e / 2};
    toMidpoints(p, t); // the perpendicular bisectors as far as the centre
    dot(p, "O");
    return p;
}

Pt TriangleForm::incentre(const Vertices& t) {
    const Real la = distance(t.b, t.c), lb = distance(t.c, t.a), lc = distance(t.a, t.b);
    const Real perimeter = la + lb + lc;
    const Pt p{(la * t.a.x + lb * t.b.x + lc * t.c.x) / perimeter,
               (la * t.a.y + lb * t.b.y + lc * t.c.y) / perimeter};
    dot(p, "I");
    toVertices(p, t); // the angle bisectors
    return p;
}

Pt TriangleForm::orthocentre(const Vertices& t) {
    const auto [x1, y1] = t.a;
    const auto [x2, y2] = t.b;
    const auto [x3, y3] = t.c;
    const Real D = twiceSignedArea(t.a, t.b, t.c);
    const Real px = ((square(y2) + x1 * x3) * (y1 - y3) + (square(y1) + x2 * x3) * (y3 - y2) +
                     (square(y3) + x1 * x2) * (y2 - y1)) /
                    D;
    const Real py = ((square(x1) + y2 * y3) * (x2 - x3) + (square(x3) + y1 * y2) * (x1 - x2) +
                     (square(x2) + y1 * y3) * (x3 - x1)) /
                    D;
    const Pt p{px, py};
    dot(p, "H");
    altitudes(t);
    return p;
}

Pt TriangleForm::centroid(const Vertices& t) {
    const Pt p{(t.a.x + t.b.x + t.c.x) / 3, (t.a.y + t.b.y + t.c.y) / 3};
    dot(p, "G");
    toMidpoints(p, t); // the medians as far as the centroid
    return p;
}

void TriangleForm::toMidpoints(Pt p, const Vertices& t) {
    pen(Vermelho, 1, DashStyle::Dotted);
    segment(p, midpoint(t.a, t.b));
    segment(p, midpoint(t.a, t.c));
    segment(p, midpoint(t.c, t.b));
}

void TriangleForm::toVertices(Pt p, const Vertices& t) {
    pen(Vermelho, 1, DashStyle::Dotted);
    segment(p, t.a);
    segment(p, t.b);
    segment(p, t.c);
}

void TriangleForm::altitudes(const Vertices& t) {
    pen(Vermelho, 1, DashStyle::Dotted);
    segment(t.a, footOfAltitude(t.a, t.b, t.c));
    segment(t.b, footOfAltitude(t.b, t.c, t.a));
    segment(t.c, footOfAltitude(t.c, t.a, t.b));
}

// --- area -----------------------------------------------------------------

void TriangleForm::area() {
    const Vertices t = start(Resultado4, 6);
    board()->setForeColor(Azul);
    dots(t);
    guides(t.a);
    guides(t.b);
    guides(t.c);
    if (!ModoResolver()) return;
    if (collinearVertices(6, t)) {
        explainVertices(6, exact::solutions::solveTriangleArea);
        stop(tr("Os três pontos são colineares, não definem um triângulo."));
    }
    sides(t);
    // Half the determinant: positive when A, B, C run counter-clockwise.
    const Real signedArea = determinant(t.a, t.b, t.c) * 0.5;
    setResult(Resultado4, TextRules::number(signedArea, sep()));
    explainVertices(6, exact::solutions::solveTriangleArea);
}

// --- right triangle -------------------------------------------------------

void TriangleForm::rightTriangle() {
    const Vertices t = start(Resultado5, 9);
    if (collinearVertices(9, t)) {
        if (ModoResolver()) explainVertices(9, exact::solutions::solveRightTriangle);
        stop(tr("Os pontos são colineares, não definem um triângulo."));
    }
    board()->setForeColor(Azul);
    dots(t);
    if (!ModoResolver()) return;
    board()->setForeColor(Vermelho);
    sides(t);
    const Real dAB = squaredDistance(t.a, t.b);
    const Real dBC = squaredDistance(t.b, t.c);
    const Real dAC = squaredDistance(t.a, t.c);
    const bool right = exactly([](const TypedData& d) {
                           const exact::solutions::Triangle e = triangleOf(d, 9);
                           return exact::verdict::rightTriangle(e.a, e.b, e.c);
                       }).value_or(dAC + dBC == dAB || dAC + dAB == dBC || dBC + dAB == dAC);
    setResult(Resultado5,
              right ? tr("O triângulo é rectângulo.") : tr("O triângulo não é rectângulo."));
    explainVertices(9, exact::solutions::solveRightTriangle);
}
