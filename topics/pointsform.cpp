#include "pointsform.h"

#include "textrules.h"

namespace {
const QString Executar = QStringLiteral("Executar");
} // namespace

PointsForm::PointsForm(QWidget* parent)
    : ProblemForm({.topic = Topic::Pontos,
                   .objectName = QStringLiteral("Form1"),
                   .title = QStringLiteral("PONTOS"),
                   .spinToolTips = true},
                  parent) {
    addFrame(QStringLiteral("Frame4"), tr("Representação de um ponto"), {2257, 1095})
        .text(tr("Coordenadas do ponto:"))
        .newRow()
        .point(QStringLiteral("Abcissa1"), QStringLiteral("2"), QStringLiteral("Ordenada1"),
               QStringLiteral("3"), tr("P"))
        .resolverOnly(QStringLiteral("Resolver1"), [this] { plotPoint(); });
    addFrame(QStringLiteral("Frame6"), tr("Ponto médio de um segmento"), {3704, 1755})
        .text(tr("Coordenadas dos extremos:"))
        .newRow()
        .point(QStringLiteral("Abcissa2"), QStringLiteral("2"), QStringLiteral("Ordenada2"),
               QStringLiteral("-2"), tr("A"))
        .text(tr("e"))
        .point(QStringLiteral("Abcissa3"), QStringLiteral("-8"), QStringLiteral("Ordenada3"),
               QStringLiteral("4"), tr("B"))
        .newRow()
        .text(tr("Ponto médio:"))
        .result(QStringLiteral("Resultado1"))
        .dadosResolver(3, [this] { midpoint(); });
    addFrame(QStringLiteral("Frame7"), tr("Distância entre dois pontos"), {5811, 1635})
        .text(tr("Coordenadas dos pontos:"))
        .newRow()
        .point(QStringLiteral("Abcissa4"), QStringLiteral("-8"), QStringLiteral("Ordenada4"),
               QStringLiteral("-2"), tr("A"))
        .text(tr("e"))
        .point(QStringLiteral("Abcissa5"), QStringLiteral("6"), QStringLiteral("Ordenada5"),
               QStringLiteral("4"), tr("B"))
        .newRow()
        .text(tr("Distância entre os pontos:"))
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(
            6, [this] { distance(); }, Executar);
    addFrame(QStringLiteral("Frame1"), tr("Mediatriz de um segmento"), {7800, 1665})
        .text(tr("Coordenadas dos extremos:"))
        .newRow()
        .point(QStringLiteral("Abcissa6"), QStringLiteral("-2"), QStringLiteral("Ordenada6"),
               QStringLiteral("-4"), tr("A"))
        .text(tr("e"))
        .point(QStringLiteral("Abcissa7"), QStringLiteral("5"), QStringLiteral("Ordenada7"),
               QStringLiteral("4"), tr("B"))
        .newRow()
        .text(tr("Mediatriz:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(
            7, [this] { bisector(); }, Executar);
}

void PointsForm::mark(Pt p) {
    dot(p);
    guides(p);
}

void PointsForm::labelIfUngraduated(Pt p) {
    if (!graduated()) axisLabels(p);
}

void PointsForm::plotPoint() {
    const Pt p = LerPonto(QStringLiteral("Abcissa1"), QStringLiteral("Ordenada1"));
    DesenharEixos();
    board()->setForeColor(Vermelho);
    mark(p);
    labelIfUngraduated(p);
}

void PointsForm::midpoint() {
    const Pt a = LerPonto(QStringLiteral("Abcissa2"), QStringLiteral("Ordenada2"));
    const Pt b = LerPonto(QStringLiteral("Abcissa3"), QStringLiteral("Ordenada3"));
    DesenharEixos();
    pen(Azul, 2);
    segment(a, b);
    dot(a);
    dot(b);
    guides(a);
    guides(b);
    labelIfUngraduated(a);
    labelIfUngraduated(b);
    board()->setForeColor(Vermelho);
    if (!graduated()) axisLabels(::midpoint(a, b)); // the midpoint is labelled in data mode too
    if (!ModoResolver()) return;
    const Pt m = ::midpoint(a, b);
    mark(m);
    setResult(QStringLiteral("Resultado1"), TextRules::point(m.x, m.y, sep()));
}

void PointsForm::distance() {
    const Pt a = LerPonto(QStringLiteral("Abcissa4"), QStringLiteral("Ordenada4"));
    const Pt b = LerPonto(QStringLiteral("Abcissa5"), QStringLiteral("Ordenada5"));
    DesenharEixos();
    board()->setForeColor(Azul);
    dot(a);
    dot(b);
    guides(a);
    guides(b);
    labelIfUngraduated(a);
    labelIfUngraduated(b);
    if (!ModoResolver()) return;
    board()->setForeColor(Vermelho);
    board()->setDrawWidth(2);
    segment(a, b);
    const Real s = square(b.x - a.x) + square(b.y - a.y);
    const Real d = sqrt(s);
    setResult(QStringLiteral("Resultado2"),
              floor(d) == d
                  ? TextRules::number(d, sep())
                  : QLatin1String("Sqr(") + TextRules::number(s, sep()) + QLatin1Char(')'));
}

void PointsForm::bisector() {
    const Pt a = LerPonto(QStringLiteral("Abcissa6"), QStringLiteral("Ordenada6"));
    const Pt b = LerPonto(QStringLiteral("Abcissa7"), QStringLiteral("Ordenada7"));
    DesenharEixos();
    board()->setForeColor(Azul);
    dot(a);
    dot(b);
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
    DesenharRecta(equidistant);
    setResult(QStringLiteral("Resultado3"), TextRules::TextoEquacaoRecta(equidistant, sep()));
}
