#include "pointsform.h"

#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

#include <cmath>

PointsForm::PointsForm(QWidget* parent)
    : ProblemForm(formTraits(Topic::Pontos, {.spinToolTips = true}), parent) {
    addFrame(QStringLiteral("Frame4"), "pontos-1", {2257, 1095})
        .text(tr("Coordenadas do ponto:"))
        .newRow()
        .point("2", "3", tr("P"))
        .resolverOnly(QStringLiteral("Resolver1"), [this] { plotPoint(); });
    addFrame(QStringLiteral("Frame6"), "pontos-2", {3704, 1755})
        .text(tr("Coordenadas dos extremos:"))
        .newRow()
        .point("2", "-2", tr("A"))
        .text(tr("e"))
        .point("-8", "4", tr("B"))
        .newRow()
        .text(tr("Ponto médio:"))
        .result(QStringLiteral("Resultado1"))
        .dadosResolver(3, [this] { midpoint(); });
    addFrame(QStringLiteral("Frame7"), "pontos-3", {5811, 1635})
        .text(tr("Coordenadas dos pontos:"))
        .newRow()
        .point("-8", "-2", tr("A"))
        .text(tr("e"))
        .point("6", "4", tr("B"))
        .newRow()
        .text(tr("Distância entre os pontos:"))
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(
            6, [this] { distance(); }, Executar);
    addFrame(QStringLiteral("Frame1"), "pontos-4", {7800, 1665})
        .text(tr("Coordenadas dos extremos:"))
        .newRow()
        .point("-2", "-4", tr("A"))
        .text(tr("e"))
        .point("5", "4", tr("B"))
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
    const Pt p = givenPoint(0);
    DesenharEixos();
    board()->setForeColor(Vermelho);
    mark(p, "P");
    labelIfUngraduated(p);
    explain();
}

void PointsForm::midpoint() {
    const Pt a = givenPoint(0);
    const Pt b = givenPoint(1);
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
    explain();
}

void PointsForm::distance() {
    const Pt a = givenPoint(0);
    const Pt b = givenPoint(1);
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
    const bool whole = exactly([](const exact::FrameData& t) {
                           return exact::verdict::wholeDistance(t.point(0), t.point(1));
                       }).value_or(floor(d) == d);
    setResult(QStringLiteral("Resultado2"),
              whole ? TextRules::number(std::nearbyint(d.value()), sep())
                    : QLatin1String("Sqr(") + TextRules::number(s, sep()) + QLatin1Char(')'));
    explain();
}

void PointsForm::bisector() {
    const Pt a = givenPoint(0);
    const Pt b = givenPoint(1);
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
    DesenharRecta(equidistant, exactly([](const exact::FrameData& t) {
                      return exact::verdict::equal(t.point(0), t.point(1));
                  }));
    setResult(QStringLiteral("Resultado3"), TextRules::TextoEquacaoRecta(equidistant, sep()));
    explain();
}
