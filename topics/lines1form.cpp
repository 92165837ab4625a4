#include "lines1form.h"

#include "linesolutions.h"
#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

Lines1Form::Lines1Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Recta1, {.scratchName = QStringLiteral("Text3"),
                                             .eixos = QRect(60, 180, 5445, 1635)}),
                  parent) {
    addFrame(QStringLiteral("Frame6"), tr("Recta de equação..."), {2212, 1125})
        .text(tr("Recta:"))
        .field(QStringLiteral("Text1"), QStringLiteral("2x-3y+4=0"), tr("Equação da recta"))
        .resolverOnly(
            QStringLiteral("Command3"), [this] { typedLine(); }, Executar);
    addFrame(QStringLiteral("Frame4"), tr("Recta que passa por dois pontos"), {3734, 1425})
        .text(tr("A ="))
        .point(1, "5", "-3", tr("A"))
        .text(tr("e"))
        .newRow()
        .text(tr("B ="))
        .point(2, "-2", "3", tr("B"))
        .newRow()
        .text(tr("Equação da recta:"))
        .result(QStringLiteral("Resultado1"))
        .dadosResolver(
            1, [this] { throughTwoPoints(); }, Executar);
    addFrame(QStringLiteral("Frame1"), tr("Recta que passa por um ponto e é paralela a outra"),
             {5556, 1725})
        .text(tr("P ="))
        .point(3, "2", "3", tr("P"))
        .newRow()
        .text(tr("Recta:"))
        .field(QStringLiteral("Text5"), QStringLiteral("2x+3y-1=0"), tr("Equação da recta dada"))
        .newRow()
        .text(tr("Equação da recta:"))
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(
            4, [this] { parallel(); }, Executar);
    addFrame(QStringLiteral("Frame8"), tr("Recta que passa por um ponto e é perpendicular a outra"),
             {7680, 1755})
        .text(tr("Q ="))
        .point(4, "2", "3", tr("Q"))
        .newRow()
        .text(tr("Recta:"))
        .field(QStringLiteral("Text7"), QStringLiteral("2x+3y-1=0"), tr("Equação da recta dada"))
        .newRow()
        .text(tr("Equação da recta:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(
            5, [this] { perpendicular(); }, Executar);
}

// --- shared steps ---------------------------------------------------------

std::pair<Line, Pt> Lines1Form::lineAndPoint(const QString& result, const QString& equation,
                                             int point) {
    setResult(result, QString());
    const Line given = LerEquacaoRecta(fieldNamed(equation));
    const Pt p = LerPonto(point);
    return {given, p};
}

std::optional<bool> Lines1Form::noLine(const QString& equation) {
    return exactly(
        [&](const TypedData& d) { return exact::verdict::noLine(d.line(equation).line); });
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
    const Line line = LerEquacaoRecta(fieldNamed(QStringLiteral("Text1")));
    DesenharEixos();
    pen(Vermelho, 2, DashStyle::Solid);
    DesenharRecta(line, noLine(QStringLiteral("Text1")));
    explain([](const TypedData& d) {
        return exact::solutions::solveTypedLine(d.givenLine(QStringLiteral("Text1")));
    });
}

void Lines1Form::throughTwoPoints() {
    DesenharEixos();
    setResult(QStringLiteral("Resultado1"), QString());
    const Pt a = LerPonto(1);
    const Pt b = LerPonto(2);
    const Line line = lineThrough(a, b);
    const bool onePoint = exactly([](const TypedData& d) {
                              return exact::verdict::equal(d.point(1), d.point(2));
                          }).value_or(line.a == 0 && line.b == 0);
    if (onePoint) {
        if (ModoResolver()) explain(twoPointsSolution);
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
    explain(twoPointsSolution);
}

exact::Solution Lines1Form::twoPointsSolution(const TypedData& d) {
    return exact::solutions::solveLineThroughPoints(d.point(1), d.point(2));
}

void Lines1Form::parallel() {
    const QString text = QStringLiteral("Text5");
    const auto [given, p] = lineAndPoint(QStringLiteral("Resultado2"), text, 3);
    DesenharEixos();
    const std::optional<bool> none = noLine(text);
    drawPointAndLine(p, "P", given, none);
    labelIfUngraduated(p); // in data mode too
    if (!ModoResolver()) return;
    // −(a·x + b·y) rather than lineThrough(p, a, b): an exactly zero c keeps
    // the sign it has always had in this frame's drawing.
    answer({given.a, given.b, -(given.a * p.x + given.b * p.y)}, QStringLiteral("Resultado2"),
           none);
    explain([text](const TypedData& d) {
        return exact::solutions::solveParallelThrough(d.point(3), d.givenLine(text));
    });
}

void Lines1Form::perpendicular() {
    const QString text = QStringLiteral("Text7");
    const auto [given, q] = lineAndPoint(QStringLiteral("Resultado3"), text, 4);
    DesenharEixos();
    const std::optional<bool> none = noLine(text);
    drawPointAndLine(q, "Q", given, none);
    if (!ModoResolver()) return;
    Line normal = lineThrough(q, given.b, -given.a);
    pen(Vermelho, 2, DashStyle::Solid);
    DesenharRecta(normal, none);
    board()->setForeColor(Azul);
    labelIfUngraduated(q); // only once the answer is drawn
    setResult(QStringLiteral("Resultado3"), TextRules::TextoEquacaoRecta(normal, sep()));
    explain([text](const TypedData& d) {
        return exact::solutions::solvePerpendicularThrough(d.point(4), d.givenLine(text));
    });
}
