#include "circles2form.h"

#include "circlereader.h"
#include "circles2solutions.h"
#include "circlesolutions.h"
#include "numbered_error.h"
#include "textrules.h"
#include "topictable.h"
#include "trianglesolutions.h"
#include "verdicts.h"

#include <stdexcept>

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

/// Three points read exactly, from the fields numbered `first` on.
exact::solutions::Triangle pointsOf(const TypedData& d, int first) {
    return {d.point(first), d.point(first + 1), d.point(first + 2)};
}

/// Whether the three points numbered from `first` on are in a straight line.
std::optional<bool> collinearPoints(const TypedData& d, int first) {
    const exact::solutions::Triangle t = pointsOf(d, first);
    return exact::verdict::collinear(t.a, t.b, t.c);
}
} // namespace

Circles2Form::Circles2Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Circunferencia2), parent) {
    addFrame(QStringLiteral("Frame4"), tr("Circunferência e triângulo"), {0, 2280})
        .option(QStringLiteral("Option1"), tr("Inscrita"), tr("Circunferência inscrita"), true)
        .option(QStringLiteral("Option2"), tr("Circunscrita"), tr("Circunferência circunscrita"))
        .newRow()
        .text(tr("Vértices do triângulo:"))
        .newRow()
        .point(1, "-5", "-3", tr("P1"))
        .point(2, "4", "6", tr("P2"))
        .newRow()
        .point(3, "8", "-1", tr("P3"))
        .newRow()
        .text(tr("Circunferência:"))
        .newRow()
        .result(QStringLiteral("Resultado1"))
        .dadosResolver(1, [this] { triangleCircle(); });
    addFrame(QStringLiteral("Frame6"), tr("Distância de um ponto P a uma circunferência"),
             {0, 1500})
        .text(tr("Circunferência:"))
        .field(QStringLiteral("Text9"), QStringLiteral("(x+1)^2+(y-2)^2=25"),
               tr("Equação da circunferência"))
        .newRow()
        .text(tr("P ="))
        .point(4, "6", "9", tr("P"))
        .newRow()
        .text(tr("Distância:"))
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(3, [this] { distanceToCircle(); });
    addFrame(QStringLiteral("Frame7"), tr("Circunferência de centro C e tangente a uma recta"),
             {0, 1500})
        .text(tr("Recta:"))
        .field(QStringLiteral("Text5"), QStringLiteral("x-y+4=0"), tr("Equação da recta"))
        .newRow()
        .text(tr("Centro:"))
        .point(6, "2", "-2", tr("C"))
        .newRow()
        .text(tr("Circunferência:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(6, [this] { tangentToLine(); });
    addFrame(QStringLiteral("Frame1"), tr("Circunferência definida por três pontos"), {0, 2220})
        .text(tr("Coordenadas dos pontos:"))
        .newRow()
        .point(9, "5", "1", tr("P1"))
        .point(10, "4", "6", tr("P2"))
        .newRow()
        .point(11, "2", "-2", tr("P3"))
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
    const Pt p1 = LerPonto(1);
    const Pt p2 = LerPonto(2);
    const Pt p3 = LerPonto(3);
    if (exactly([](const TypedData& d) {
            return collinearPoints(d, 1);
        }).value_or(collinear(p1, p2, p3)))
        stop(tr("Os pontos são colineares, não definem um triângulo."));
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    segment(p1, p2);
    segment(p1, p3);
    segment(p2, p3);
    if (!ModoResolver()) return;
    const bool inscribedCircle = isChecked(QStringLiteral("Option1"));
    if (inscribedCircle)
        inscribed(p1, p2, p3);
    else if (isChecked(QStringLiteral("Option2")))
        circumscribed(p1, p2, p3);
    else
        return;
    explain([inscribedCircle](const TypedData& d) {
        const exact::solutions::Triangle t = pointsOf(d, 1);
        return inscribedCircle ? exact::solutions::solveIncircle(t)
                               : exact::solutions::solveCircumcircle(t);
    });
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
    CircleEquationReader reader(*this, fieldNamed(QStringLiteral("Text9")));
    reader.strip();
    reader.checkCharacters();
    reader.sample();
    const Pt p = LerPonto(4);
    const Circle c = reader.radiusTest();
    pen(Azul, 2, DashStyle::Solid);
    circle(c);
    dot(c.centre(), "C");
    dot(p, "P");
    guides(c.centre());
    guides(p);
    if (!ModoResolver()) return;
    const auto solution = [](const TypedData& d) {
        const exact::CircleReading c = d.circle(QStringLiteral("Text9"));
        if (c.refusal != exact::Refusal::None) throw std::domain_error("not a circle exactly");
        return exact::solutions::solvePointCircleDistance(d.point(4),
                                                          d.givenCircle(QStringLiteral("Text9")));
    };
    const bool inside = exactly(
                            [](const TypedData& d) -> std::optional<bool> {
                                const exact::CircleReading c = d.circle(QStringLiteral("Text9"));
                                if (c.refusal != exact::Refusal::None) return std::nullopt;
                                return exact::verdict::insideCircle(d.point(4), c.circle);
                            },
                            false) // the reader divides and takes roots: doubles are not exact
                            .value_or(distance(p, c.centre()) < c.r);
    if (inside) {
        explain(solution);
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
    explain(solution);
}

// --- circle with a given centre tangent to a line --------------------------

void Circles2Form::tangentToLine() {
    setResult(QStringLiteral("Resultado3"), QString());
    const Line l = LerEquacaoRecta(fieldNamed(QStringLiteral("Text5")));
    const Pt centre = LerPonto(6);
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    const std::optional<bool> noLine = exactly([](const TypedData& d) {
        return exact::verdict::noLine(d.line(QStringLiteral("Text5")).line);
    });
    DesenharRecta(l, noLine);
    dot(centre, "C");
    guides(centre);
    if (!ModoResolver()) return;
    const auto solution = [](const TypedData& d) {
        return exact::solutions::solveTangentCircle(d.point(6),
                                                    d.givenLine(QStringLiteral("Text5")));
    };
    if (noLine.value_or(false)) { // no line: the radius divides by zero
        explain(solution);
        Fault::raise(Fault::DivisionByZero);
    }
    const Real r = distance(centre, l);
    board()->setForeColor(Vermelho);
    board()->setDrawStyle(DashStyle::Solid); // the pen stays 1 pixel wide
    circle({centre.x, centre.y, r});
    setResult(QStringLiteral("Resultado3"),
              circleEquation(TextRules::number(centre.x, sep()), TextRules::number(centre.y, sep()),
                             r * r, sep()));
    explain(solution);
}

// --- circle through three points -------------------------------------------

void Circles2Form::throughThreePoints() {
    const Pt p1 = LerPonto(9);
    const Pt p2 = LerPonto(10);
    const Pt p3 = LerPonto(11);
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
    const auto solution = [](const TypedData& d) {
        const exact::solutions::Triangle t = pointsOf(d, 9);
        return exact::solutions::solveCircleThroughPoints(t.a, t.b, t.c);
    };
    if (exactly([](const TypedData& d) { return collinearPoints(d, 9); }).value_or(delta == 0)) {
        explain(solution);
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
    explain(solution);
}
