#include "triangleform.h"

#include "numbered_error.h"
#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

#include <array>

namespace {
/// The initial texts of one vertex.
struct Initial {
    const char* x;
    const char* y;
};

/// "Coordenadas dos vértices:" and the fields of A, B and C.
FrameBuilder& vertexFields(FrameBuilder& frame, const std::array<Initial, 3>& initial) {
    frame.text(QObject::tr("Coordenadas dos vértices:")).newRow();
    const std::array<QString, 3> names{QStringLiteral("A"), QStringLiteral("B"),
                                       QStringLiteral("C")};
    for (int i = 0; i < 3; ++i) {
        if (i == 2) frame.newRow();
        frame.point(initial[i].x, initial[i].y, names[i]);
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

const QString Resultado1 = QStringLiteral("Resultado1");
const QString Resultado4 = QStringLiteral("Resultado4");
const QString Resultado5 = QStringLiteral("Resultado5");
} // namespace

TriangleForm::TriangleForm(QWidget* parent)
    : ProblemForm(formTraits(Topic::Triangulo, {.eixos = QRect(60, 180, 5505, 1605)}), parent) {
    FrameBuilder notable = addFrame(QStringLiteral("Frame7"), "triangulo-1", {2080, 3045});
    vertexFields(notable, {{{"2", "-2"}, {"-8", "4"}, {"5", "8"}}}).fullWidth();
    const char* const options[] = {QT_TR_NOOP("Circuncentro (ponto de encontro das mediatrizes)"),
                                   QT_TR_NOOP("Incentro (ponto de encontro das bissectrizes)"),
                                   QT_TR_NOOP("Ortocentro (ponto de encontro das alturas)"),
                                   QT_TR_NOOP("Baricentro (ponto de encontro das medianas)")};
    for (int i = 0; i < 4; ++i) {
        const QString caption = tr(options[i]); // spoken in full, explanation included
        notable.option(caption, caption, i == 0).newRow();
    }
    notable.text(tr("Coordenadas:")).result(Resultado1).dadosResolver(4, [this] {
        notablePoints();
    });

    FrameBuilder areaFrame = addFrame(QStringLiteral("Frame3"), "triangulo-2", {5420, 1785});
    vertexFields(areaFrame, {{{"2", "-2"}, {"-8", "4"}, {"2", "-2"}}})
        .text(tr("Área:"))
        .result(Resultado4)
        .dadosResolver(5, [this] { area(); });

    FrameBuilder right = addFrame(QStringLiteral("Frame4"), "triangulo-3", {7500, 1935});
    vertexFields(right, {{{"2", "-2"}, {"-8", "4"}, {"5", "-2"}}})
        .text(tr("Conclusão:"))
        .result(Resultado5)
        .dadosResolver(7, [this] { rightTriangle(); });
}

// --- shared steps ---------------------------------------------------------

TriangleForm::Vertices TriangleForm::start(const QString& result) {
    DesenharEixos();
    setResult(result, QString());
    const Pt a = givenPoint(0);
    const Pt b = givenPoint(1);
    const Pt c = givenPoint(2);
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
    const Vertices t = start(Resultado1);
    board()->setForeColor(Azul);
    dots(t);
    sides(t);
    if (!ModoResolver()) return;
    board()->setForeColor(Vermelho);
    const Notable n = notable();
    if (noTriangleFor(n, t)) { // D = 0, or no sides: the worked solution says why
        explain();
        Fault::raise(Fault::DivisionByZero);
    }
    const Pt p = (this->*n.construct)(t);
    guides(p);
    setResult(Resultado1, TextRules::point(p.x, p.y, sep()));
    explain();
}

TriangleForm::Notable TriangleForm::notable() const {
    switch (markedOption()) {
    case 0:
        return {&TriangleForm::circumcentre, true};
    case 1:
        return {&TriangleForm::incentre, false};
    case 2:
        return {&TriangleForm::orthocentre, true};
    }
    return {&TriangleForm::centroid, false};
}

bool TriangleForm::noTriangleFor(const Notable& n, const Vertices& t) {
    if (n.needsTriangle) return collinearVertices(t);
    if (n.construct != &TriangleForm::incentre) return false;
    const auto onePoint = [](const exact::FrameData& d) -> std::optional<bool> {
        const exact::Point a = d.point(0), b = d.point(1), c = d.point(2);
        const auto ab = exact::verdict::equal(a, b), bc = exact::verdict::equal(b, c);
        if (!ab || !bc) return std::nullopt;
        return *ab && *bc;
    };
    return exactly(onePoint).value_or(t.a == t.b && t.b == t.c);
}

bool TriangleForm::collinearVertices(const Vertices& t) {
    return exactly([](const exact::FrameData& d) {
               return exact::verdict::collinear(d.point(0), d.point(1), d.point(2));
           })
        .value_or(collinear(t.a, t.b, t.c));
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
    const Vertices t = start(Resultado4);
    board()->setForeColor(Azul);
    dots(t);
    guides(t.a);
    guides(t.b);
    guides(t.c);
    if (!ModoResolver()) return;
    if (collinearVertices(t)) {
        explain();
        stop(tr("Os três pontos são colineares, não definem um triângulo."));
    }
    sides(t);
    // Half the determinant: positive when A, B, C run counter-clockwise.
    const Real signedArea = determinant(t.a, t.b, t.c) * 0.5;
    setResult(Resultado4, TextRules::number(signedArea, sep()));
    explain();
}

// --- right triangle -------------------------------------------------------

void TriangleForm::rightTriangle() {
    const Vertices t = start(Resultado5);
    if (collinearVertices(t)) {
        if (ModoResolver()) explain();
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
    const bool right = exactly([](const exact::FrameData& d) {
                           return exact::verdict::rightTriangle(d.point(0), d.point(1), d.point(2));
                       }).value_or(dAC + dBC == dAB || dAC + dAB == dBC || dBC + dAB == dAC);
    setResult(Resultado5,
              right ? tr("O triângulo é rectângulo.") : tr("O triângulo não é rectângulo."));
    explain();
}
