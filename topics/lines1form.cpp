#include "lines1form.h"

#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

Lines1Form::Lines1Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Recta1, {.scratchName = QStringLiteral("Text3"),
                                             .eixos = QRect(60, 180, 5445, 1635)}),
                  parent) {
    addFrame(QStringLiteral("Frame6"), "recta1-1", {2212, 1125})
        .text(tr("Recta:"))
        .field(QStringLiteral("2x-3y+4=0"), tr("Equação da recta"))
        .resolverOnly(
            QStringLiteral("Command3"), [this] { typedLine(); }, Executar);
    addFrame(QStringLiteral("Frame4"), "recta1-2", {3734, 1425})
        .text(tr("A ="))
        .point("5", "-3", tr("A"))
        .text(tr("e"))
        .newRow()
        .text(tr("B ="))
        .point("-2", "3", tr("B"))
        .newRow()
        .text(tr("Equação da recta:"))
        .result(QStringLiteral("Resultado1"))
        .dadosResolver(
            1, [this] { throughTwoPoints(); }, Executar);
    addFrame(QStringLiteral("Frame1"), "recta1-3", {5556, 1725})
        .text(tr("P ="))
        .point("2", "3", tr("P"))
        .newRow()
        .text(tr("Recta:"))
        .field(QStringLiteral("2x+3y-1=0"), tr("Equação da recta dada"))
        .newRow()
        .text(tr("Equação da recta:"))
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(
            4, [this] { parallel(); }, Executar);
    addFrame(QStringLiteral("Frame8"), "recta1-4", {7680, 1755})
        .text(tr("Q ="))
        .point("2", "3", tr("Q"))
        .newRow()
        .text(tr("Recta:"))
        .field(QStringLiteral("2x+3y-1=0"), tr("Equação da recta dada"))
        .newRow()
        .text(tr("Equação da recta:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(
            5, [this] { perpendicular(); }, Executar);
}

// --- shared steps ---------------------------------------------------------

std::pair<Line, Pt> Lines1Form::lineAndPoint(const QString& result) {
    setResult(result, QString());
    const Line given = givenLine(0);
    const Pt p = givenPoint(0);
    return {given, p};
}

std::optional<bool> Lines1Form::noLine() {
    return exactly([](const exact::FrameData& d) { return exact::verdict::noLine(d.line(0)); });
}

void Lines1Form::drawPointAndLine(Pt p, const QString& name, const Line& given,
                                  std::optional<bool> noLine) {
    board()->setForeColor(Azul);
    dot(p, name);
    guides(p);
    pen(Azul, 2, DashStyle::Solid);
    DesenharRecta(given, noLine);
}

void Lines1Form::answer(Line line, const QString& result, std::optional<bool> noLine) {
    pen(Vermelho, 2, DashStyle::Solid);
    DesenharRecta(line, noLine);
    setResult(result, TextRules::TextoEquacaoRecta(line, sep()));
}

// --- the frames -----------------------------------------------------------

void Lines1Form::typedLine() {
    const Line line = givenLine(0);
    DesenharEixos();
    pen(Vermelho, 2, DashStyle::Solid);
    DesenharRecta(line, noLine());
    explain();
}

void Lines1Form::throughTwoPoints() {
    DesenharEixos();
    setResult(QStringLiteral("Resultado1"), QString());
    const Pt a = givenPoint(0);
    const Pt b = givenPoint(1);
    const Line line = lineThrough(a, b);
    const bool onePoint = exactly([](const exact::FrameData& d) {
                              return exact::verdict::equal(d.point(0), d.point(1));
                          }).value_or(line.a == 0 && line.b == 0);
    if (onePoint) {
        if (ModoResolver()) explain();
        stop(tr("Não há recta nessas condições. Altere as coordenadas dos pontos."));
    }
    board()->setForeColor(Azul);
    dot(a, "A");
    dot(b, "B");
    guides(a);
    guides(b);
    labelIfUngraduated(a);
    labelIfUngraduated(b);
    if (!ModoResolver()) return;
    answer(line, QStringLiteral("Resultado1"), false);
    explain();
}

void Lines1Form::parallel() {
    const auto [given, p] = lineAndPoint(QStringLiteral("Resultado2"));
    DesenharEixos();
    const std::optional<bool> none = noLine();
    drawPointAndLine(p, "P", given, none);
    labelIfUngraduated(p); // in data mode too
    if (!ModoResolver()) return;
    // −(a·x + b·y) rather than lineThrough(p, a, b): an exactly zero c keeps
    // the sign it has always had in this frame's drawing.
    answer({given.a, given.b, -(given.a * p.x + given.b * p.y)}, QStringLiteral("Resultado2"),
           none);
    explain();
}

void Lines1Form::perpendicular() {
    const auto [given, q] = lineAndPoint(QStringLiteral("Resultado3"));
    DesenharEixos();
    const std::optional<bool> none = noLine();
    drawPointAndLine(q, "Q", given, none);
    if (!ModoResolver()) return;
    Line normal = lineThrough(q, given.b, -given.a);
    pen(Vermelho, 2, DashStyle::Solid);
    DesenharRecta(normal, none);
    board()->setForeColor(Azul);
    labelIfUngraduated(q); // only once the answer is drawn
    setResult(QStringLiteral("Resultado3"), TextRules::TextoEquacaoRecta(normal, sep()));
    explain();
}
