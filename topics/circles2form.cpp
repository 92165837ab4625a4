#include "circles2form.h"

#include "circlereader.h"
#include "numbered_error.h"
#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

namespace {
/// m·lenN − n·lenM: the bisector of the angle of two sides of a triangle
/// whose lines run round it in one sense.
Line bisector(const Line& m, Real lenM, const Line& n, Real lenN) {
    return {m.a * lenN - n.a * lenM, m.b * lenN - n.b * lenM, m.c * lenN - n.c * lenM};
}

/// The determinants of the circle x² + y² + D·x + E·y + F = 0 through three
/// points, by Cramer's rule: D = −Nx/Δ, E = −Ny/Δ, F = −NF/Δ.
struct ThreePointCircle {
    ThreePointCircle(Pt p1, Pt p2, Pt p3)
        : x1(p1.x)
        , y1(p1.y)
        , x2(p2.x)
        , y2(p2.y)
        , x3(p3.x)
        , y3(p3.y)
        , s1(square(x1) + square(y1))
        , s2(square(x2) + square(y2))
        , s3(square(x3) + square(y3)) {}

    Real delta() const { return determinant({x1, y1}, {x2, y2}, {x3, y3}); }
    Real nx() const { return y2 * s1 + y3 * s2 + y1 * s3 - y2 * s3 - y3 * s1 - y1 * s2; }
    Real ny() const { return x1 * s2 + x2 * s3 + x3 * s1 - x3 * s2 - x2 * s1 - x1 * s3; }
    Real nf() const {
        return x1 * y2 * s3 + x3 * y1 * s2 + x2 * y3 * s1 - x3 * y2 * s1 - x1 * y3 * s2 -
               x2 * y1 * s3;
    }

    Real x1, y1, x2, y2, x3, y3, s1, s2, s3;
};

/// "(x- " x ")^2 + (y-" y ")^2 = " r²: the blank after "x-" keeps both minus
/// signs of a negative abscissa.
QString circleEquation(const QString& x, const QString& y, Real r2, const QString& sep) {
    return TextRules::circleEquation(QStringLiteral("(x- "), x, y, r2, sep);
}

/// Whether the frame's three points are in a straight line.
std::optional<bool> collinearPoints(const exact::FrameData& d) {
    return exact::verdict::collinear(d.point(0), d.point(1), d.point(2));
}
} // namespace

Circles2Form::Circles2Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Circunferencia2), parent) {
    addFrame(QStringLiteral("Frame4"), "circunferencia2-1", {0, 2280})
        .option(tr("Inscrita"), tr("Circunferência inscrita"), true)
        .option(tr("Circunscrita"), tr("Circunferência circunscrita"))
        .newRow()
        .text(tr("Vértices do triângulo:"))
        .newRow()
        .point("-5", "-3", tr("P1"))
        .point("4", "6", tr("P2"))
        .newRow()
        .point("8", "-1", tr("P3"))
        .newRow()
        .text(tr("Circunferência:"))
        .newRow()
        .result(QStringLiteral("Resultado1"))
        .dadosResolver(1, [this] { triangleCircle(); });
    addFrame(QStringLiteral("Frame6"), "circunferencia2-2", {0, 1500})
        .text(tr("Circunferência:"))
        .field(QStringLiteral("(x+1)^2+(y-2)^2=25"), tr("Equação da circunferência"))
        .newRow()
        .text(tr("P ="))
        .point("6", "9", tr("P"))
        .newRow()
        .text(tr("Distância:"))
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(3, [this] { distanceToCircle(); });
    addFrame(QStringLiteral("Frame7"), "circunferencia2-3", {0, 1500})
        .text(tr("Recta:"))
        .field(QStringLiteral("x-y+4=0"), tr("Equação da recta"))
        .newRow()
        .text(tr("Centro:"))
        .point("2", "-2", tr("C"))
        .newRow()
        .text(tr("Circunferência:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(6, [this] { tangentToLine(); });
    addFrame(QStringLiteral("Frame1"), "circunferencia2-4", {0, 2220})
        .text(tr("Coordenadas dos pontos:"))
        .newRow()
        .point("5", "1", tr("P1"))
        .point("4", "6", tr("P2"))
        .newRow()
        .point("2", "-2", tr("P3"))
        .newRow()
        .text(tr("Centro:"))
        .result(QStringLiteral("Resultado4"))
        .text(tr("Raio:"))
        .result(QStringLiteral("Resultado5"))
        .newRow()
        .text(tr("Circunferência:"))
        .newRow()
        .result(QStringLiteral("Resultado6"))
        .dadosResolver(7, [this] { throughThreePoints(); });
}

// --- circle and triangle ---------------------------------------------------

void Circles2Form::triangleCircle() {
    const Pt p1 = givenPoint(0);
    const Pt p2 = givenPoint(1);
    const Pt p3 = givenPoint(2);
    if (exactly(collinearPoints).value_or(collinear(p1, p2, p3)))
        stop(tr("Os pontos são colineares, não definem um triângulo."));
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    segment(p1, p2);
    segment(p1, p3);
    segment(p2, p3);
    if (!ModoResolver()) return;
    if (markedOption() == 0)
        inscribed(p1, p2, p3);
    else if (markedOption() == 1)
        circumscribed(p1, p2, p3);
    else
        return;
    explain();
}

void Circles2Form::inscribed(Pt p1, Pt p2, Pt p3) {
    const Line l1 = lineThrough(p1, p2), l2 = lineThrough(p3, p1), l3 = lineThrough(p2, p3);
    const Real len1 = norm(l1), len2 = norm(l2), len3 = norm(l3);
    const Pt centre = intersection(bisector(l1, len1, l3, len3), bisector(l1, len1, l2, len2));
    pen(Vermelho, 7, DashStyle::Solid);
    dot(centre, "I");
    pen(Vermelho, 1, DashStyle::Dotted);
    segment(p1, centre);
    segment(p2, centre);
    board()->setDrawWidth(2); // a 2-pixel pen draws the circle solid
    const Real r = abs(l1.a * centre.x + l1.b * centre.y + l1.c) / len1;
    circle({centre.x, centre.y, r});
    setResult(QStringLiteral("Resultado1"),
              circleEquation(TextRules::rounded(centre.x, sep()),
                             TextRules::rounded(centre.y, sep()), r * r, sep()));
}

void Circles2Form::circumscribed(Pt p1, Pt p2, Pt p3) {
    const ThreePointCircle k(p1, p2, p3);
    const Real delta = k.delta();
    const Real D = -k.nx() / delta, E = -k.ny() / delta;
    const Pt centre{-D / 2, -E / 2};
    pen(Vermelho, 1, DashStyle::Dotted);
    segment(centre, midpoint(p1, p2));
    segment(centre, midpoint(p1, p3));
    dot(centre, "O");
    guides(centre);
    pen(Vermelho, 2, DashStyle::Solid);
    const Real r = distance(p1, centre);
    circle({centre.x, centre.y, r});
    setResult(QStringLiteral("Resultado1"),
              circleEquation(TextRules::rounded(centre.x, sep()),
                             TextRules::rounded(centre.y, sep()), r * r, sep()));
}

// --- distance from a point to a circle -------------------------------------

void Circles2Form::distanceToCircle() {
    setResult(QStringLiteral("Resultado2"), QString());
    DesenharEixos();
    CircleEquationReader reader(*this, 0);
    reader.strip();
    reader.checkCharacters();
    reader.sample();
    const Pt p = givenPoint(0);
    const Circle c = reader.radiusTest();
    pen(Azul, 2, DashStyle::Solid);
    circle(c);
    dot(c.centre(), "C");
    dot(p, "P");
    guides(c.centre());
    guides(p);
    if (!ModoResolver()) return;
    const bool inside = exactly(
                            [](const exact::FrameData& d) -> std::optional<bool> {
                                const exact::CircleReading& c = d.circle(0);
                                if (c.refusal != exact::Refusal::None) return std::nullopt;
                                return exact::verdict::insideCircle(d.point(0), c.circle);
                            },
                            false) // the reader divides and takes roots: doubles are not exact
                            .value_or(distance(p, c.centre()) < c.r);
    if (inside) {
        explain();
        stop(tr("O ponto é interior à circunferência."));
    }
    // The line through the centre and P meets the circle at two points.
    const Line l{p.y - c.yc, c.xc - p.x, p.x * c.yc - c.xc * p.y};
    const Real n = l.a * l.a + l.b * l.b;
    const Real s = sqrt(c.r * c.r * n - (l.a * c.xc + l.b * c.yc + l.c));
    const Real x0 = l.b * l.b * c.xc - l.a * l.b * c.yc - l.a * l.c;
    const Real y0 = l.a * l.a * c.yc - l.a * l.b * c.xc - l.b * l.c;
    const Pt q1{(x0 + l.b * s) / n, (y0 - l.a * s) / n};
    const Pt q2{(x0 - l.b * s) / n, (y0 + l.a * s) / n};
    board()->setForeColor(Vermelho);
    const Real d1 = distance(p, q1), d2 = distance(p, q2);
    const Pt q = d1 < d2 ? q1 : q2;
    pen(Vermelho, 2, DashStyle::Solid);
    segment(p, q);
    pen(Vermelho, 1, DashStyle::Dotted);
    segment(q, c.centre());
    dot(q, "Q");
    setResult(QStringLiteral("Resultado2"), TextRules::rounded(d1 < d2 ? d1 : d2, sep()));
    explain();
}

// --- circle with a given centre tangent to a line --------------------------

void Circles2Form::tangentToLine() {
    setResult(QStringLiteral("Resultado3"), QString());
    const Line l = givenLine(0);
    const Pt centre = givenPoint(0);
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    const std::optional<bool> noLine =
        exactly([](const exact::FrameData& d) { return exact::verdict::noLine(d.line(0)); });
    DesenharRecta(l, noLine);
    dot(centre, "C");
    guides(centre);
    if (!ModoResolver()) return;
    if (noLine.value_or(false)) { // no line: the radius divides by zero
        explain();
        Fault::raise(Fault::DivisionByZero);
    }
    const Real r = distance(centre, l);
    board()->setForeColor(Vermelho);
    board()->setDrawStyle(DashStyle::Solid); // the pen stays 1 pixel wide
    circle({centre.x, centre.y, r});
    setResult(QStringLiteral("Resultado3"),
              circleEquation(TextRules::number(centre.x, sep()), TextRules::number(centre.y, sep()),
                             r * r, sep()));
    explain();
}

// --- circle through three points -------------------------------------------

void Circles2Form::throughThreePoints() {
    const Pt p1 = givenPoint(0);
    const Pt p2 = givenPoint(1);
    const Pt p3 = givenPoint(2);
    DesenharEixos();
    pen(Azul, 7, DashStyle::Solid);
    dot(p1, "P₁");
    dot(p2, "P₂");
    dot(p3, "P₃");
    for (Pt p : {p1, p2, p3})
        guides(p);
    if (!ModoResolver()) return;
    const ThreePointCircle k(p1, p2, p3);
    const Real delta = k.delta(), nx = k.nx(), ny = k.ny(), nf = k.nf();
    if (exactly(collinearPoints).value_or(delta == 0)) {
        explain();
        stop(tr("Os pontos não definem uma circunferência"));
    }
    const Real D = -nx / delta, E = -ny / delta, F = -nf / delta;
    const Circle c{-D / 2, -E / 2, sqrt(D * D + E * E - 4 * F) / 2};
    pen(Vermelho, 2, DashStyle::Solid);
    circle(c);
    guides(c.centre());
    dot(c.centre(), "C");
    const auto rounded = [this](Real v) { return TextRules::rounded(v, sep()); };
    setResult(QStringLiteral("Resultado4"), TextRules::point(c.xc, c.yc, sep()));
    setResult(QStringLiteral("Resultado5"), rounded(c.r));
    QString equation = QLatin1String("x^2 + y^2 + ") + rounded(D) + QLatin1String("x + ") +
                       rounded(E) + QLatin1String("y + ") + rounded(F) + QLatin1String(" = 0");
    setResult(QStringLiteral("Resultado6"),
              equation.replace(QLatin1String("+ -"), QLatin1String("- ")));
    explain();
}
