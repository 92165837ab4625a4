#include "pointsform.h"

#include "pointsolutions.h"
#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

#include <cmath>

PointsForm::PointsForm(QWidget* parent)
    : ProblemForm(formTraits(Topic::Pontos, {.spinToolTips = true}), parent) {
    addFrame(QStringLiteral("Frame4"), tr("Representação de um ponto"), {2257, 1095})
        .text(tr("Coordenadas do ponto:"))
        .newRow()
        .point(1, "2", "3", tr("P"))
        .resolverOnly(QStringLiteral("Resolver1"), [this] { plotPoint(); });
    addFrame(QStringLiteral("Frame6"), tr("Ponto médio de um segmento"), {3704, 1755})
        .text(tr("Coordenadas dos extremos:"))
        .newRow()
        .point(2, "2", "-2", tr("A"))
        .text(tr("e"))
        .point(3, "-8", "4", tr("B"))
        .newRow()
        .text(tr("Ponto médio:"))
        .result(QStringLiteral("Resultado1"))
        .dadosResolver(3, [this] { midpoint(); });
    addFrame(QStringLiteral("Frame7"), tr("Distância entre dois pontos"), {5811, 1635})
        .text(tr("Coordenadas dos pontos:"))
        .newRow()
        .point(4, "-8", "-2", tr("A"))
        .text(tr("e"))
        .point(5, "6", "4", tr("B"))
        .newRow()
        .text(tr("Distância entre os pontos:"))
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(
            6, [this] { distance(); }, Executar);
    addFrame(QStringLiteral("Frame1"), tr("Mediatriz de um segmento"), {7800, 1665})
        .text(tr("Coordenadas dos extremos:"))
        .newRow()
        .point(6, "-2", "-4", tr("A"))
        .text(tr("e"))
        .point(7, "5", "4", tr("B"))
        .newRow()
        .text(tr("Mediatriz:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(
            7, [this] { bisector(); }, Executar);
}

void PointsForm::mark(Pt p, const QString& name) {
    dot(p, name);
    guides(p);
}

void PointsForm::plotPoint() {
    const Pt p = LerPonto(1);
    DesenharEixos();
    board()->setForeColor(Vermelho);
    mark(p, "P");
    labelIfUngraduated(p);
    explain([](const TypedData& d) { return exact::solutions::solvePoint(d.point(1)); });
}

void PointsForm::midpoint() {
    const Pt a = LerPonto(2);
    const Pt b = LerPonto(3);
    DesenharEixos();
    pen(Azul, 2);
    segment(a, b);
    dot(a, "A");
    dot(b, "B");
    guides(a);
    guides(b);
    labelIfUngraduated(a);
    labelIfUngraduated(b);
    board()->setForeColor(Vermelho);
    if (!graduated()) axisLabels(::midpoint(a, b)); // the midpoint is labelled in data mode too
    if (!ModoResolver()) return;
    const Pt m = ::midpoint(a, b);
    mark(m, "M");
    setResult(QStringLiteral("Resultado1"), TextRules::point(m.x, m.y, sep()));
    explain(
        [](const TypedData& d) { return exact::solutions::solveMidpoint(d.point(2), d.point(3)); });
}

void PointsForm::distance() {
    const Pt a = LerPonto(4);
    const Pt b = LerPonto(5);
    DesenharEixos();
    board()->setForeColor(Azul);
    dot(a, "A");
    dot(b, "B");
    guides(a);
    guides(b);
    labelIfUngraduated(a);
    labelIfUngraduated(b);
    if (!ModoResolver()) return;
    board()->setForeColor(Vermelho);
    board()->setDrawWidth(2);
    segment(a, b);
    const Real s = squaredDistance(a, b);
    const Real d = sqrt(s);
    const bool whole = exactly([](const TypedData& t) {
                           return exact::verdict::wholeDistance(t.point(4), t.point(5));
                       }).value_or(floor(d) == d);
    setResult(QStringLiteral("Resultado2"),
              whole ? TextRules::number(std::nearbyint(d.value()), sep())
                    : QLatin1String("Sqr(") + TextRules::number(s, sep()) + QLatin1Char(')'));
    explain(
        [](const TypedData& d) { return exact::solutions::solveDistance(d.point(4), d.point(5)); });
}

void PointsForm::bisector() {
    const Pt a = LerPonto(6);
    const Pt b = LerPonto(7);
    DesenharEixos();
    board()->setForeColor(Azul);
    dot(a, "A");
    dot(b, "B");
    board()->setDrawWidth(2);
    segment(a, b);
    guides(a);
    guides(b);
    labelIfUngraduated(a);
    labelIfUngraduated(b);
    if (!ModoResolver()) return;
    Line equidistant{2 * (b.x - a.x), 2 * (b.y - a.y),
                     square(a.x) + square(a.y) - square(b.x) - square(b.y)};
    pen(Vermelho, 2, DashStyle::Solid);
    DesenharRecta(equidistant, exactly([](const TypedData& t) {
                      return exact::verdict::equal(t.point(6), t.point(7));
                  }));
    setResult(QStringLiteral("Resultado3"), TextRules::TextoEquacaoRecta(equidistant, sep()));
    explain(
        [](const TypedData& d) { return exact::solutions::solveBisector(d.point(6), d.point(7)); });
}
