#include "lines4form.h"

#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

#include <cmath>

namespace {
/// The equation of the line of slope a through a point, y = a·x + c written
/// as a·x - y + c = 0: the slope rounded unless it is exactly 1 or -1, and a
/// blank on each side of "=".
QString inclinationEquation(Real a, Real c, const QString& sep) {
    const QString slope = a == 1    ? QString()
                          : a == -1 ? QStringLiteral("-")
                                    : TextRules::rounded(a, sep);
    const Real constant = TextRules::round(c, 2);
    QString text = slope + QLatin1String("x+-y");
    if (constant != 0) text += QLatin1Char('+') + TextRules::number(constant, sep);
    text += QLatin1String(" = 0");
    return text.replace(QLatin1String("+-"), QLatin1String("-"));
}

std::optional<bool> noLine(const exact::FrameData& d, std::size_t i) {
    return exact::verdict::noLine(d.line(i));
}
} // namespace

Lines4Form::Lines4Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Recta4, {.boardLeft = 120}), parent) {
    buildPointFrame();
    buildBisectorFrame();
}

void Lines4Form::buildPointFrame() {
    addFrame(QStringLiteral("Frame4"), "recta4-1", {0, 4200})
        .text(tr("Ponto:"))
        .point("-1", "3", tr("P"))
        .newRow()
        .option(tr("é paralela ao eixo das abcissas"), tr("É paralela ao eixo das abcissas"), true)
        .newRow()
        .option(tr("é paralela ao eixo das ordenadas"), tr("É paralela ao eixo das ordenadas"))
        .newRow()
        .option(tr("tem inclinação"), tr("Tem inclinação"))
        .field(QStringLiteral("30"), tr("Inclinação em graus"))
        .text(tr("graus"))
        .newRow()
        .option(tr("tem coeficiente angular"), tr("Tem coeficiente angular"))
        .newRow()
        .indent() // under the option's caption
        .field(QStringLiteral("1"), tr("Coeficiente angular"))
        .text(tr("(número real)"))
        .newRow()
        .option(tr("faz um ângulo de"), tr("Faz um ângulo"))
        .field(QStringLiteral("30"), tr("Ângulo em graus"))
        .text(tr("graus"))
        .newRow()
        .text(tr("com a recta:"))
        .field(QStringLiteral("2x-y+3=0"), tr("Equação da recta dada"))
        .newRow()
        .text(tr("Recta(s)"))
        .result(QStringLiteral("Resultado1"))
        .newRow()
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(3, [this] { lineThroughPoint(); });
}

void Lines4Form::buildBisectorFrame() {
    addFrame(QStringLiteral("Frame3"), "recta4-2", {0, 1950})
        .text(tr("Rectas:"))
        .field(QStringLiteral("2x+3y-1=0"), tr("Equação da primeira recta"))
        .newRow()
        .field(QStringLiteral("x-2y+4=0"), tr("Equação da segunda recta"))
        .newRow()
        .text(tr("Bissectrizes:"))
        .result(QStringLiteral("Resultado5"))
        .newRow()
        .result(QStringLiteral("Resultado6"))
        .dadosResolver(7, [this] { bisectors(); });
}

// --- the line through a point -------------------------------------------

void Lines4Form::lineThroughPoint() {
    setResult(QStringLiteral("Resultado1"), QString());
    setResult(QStringLiteral("Resultado2"), QString());
    DesenharEixos();
    // The interpreter skips blanks, so reading the text trimmed or not
    // gives the same value.
    const Pt p = givenPoint(0);
    pen(Azul, 7, DashStyle::Solid);
    dot(p, "P");
    guides(p);
    // The dotted style stays selected; every line below is 2 pixels wide
    // and so comes out solid.
    board()->setForeColor(Vermelho);
    board()->setDrawWidth(2);
    if (!ModoResolver()) return;
    switch (markedOption()) {
    case 0:
        return parallelToXAxis(p);
    case 1:
        return parallelToYAxis(p);
    case 2:
        return givenInclination(p);
    case 3:
        return givenSlope(p);
    case 4:
        return givenAngleWithLine(p);
    }
}

void Lines4Form::parallelToXAxis(Pt p) {
    const Viewport& v = viewport();
    segment({v.Xmin + 1.0f, p.y}, {v.Xmax - 1.0f, p.y});
    setResult(QStringLiteral("Resultado1"), QLatin1String("y = ") + TextRules::rounded(p.y, sep()));
    explain();
}

void Lines4Form::parallelToYAxis(Pt p) {
    const Viewport& v = viewport();
    segment({p.x, v.Ymax - 1.0f}, {p.x, v.Ymin + 1.0f});
    setResult(QStringLiteral("Resultado1"), QLatin1String("x = ") + TextRules::rounded(p.x, sep()));
    explain();
}

std::optional<bool> Lines4Form::inclinationIs(bool (*test)(const exact::Number&)) {
    return exactly([test](const exact::FrameData& d) -> std::optional<bool> {
        const exact::Number& alpha = d.number(0);
        if (!alpha.isExact()) return std::nullopt;
        return test(alpha);
    });
}

void Lines4Form::givenInclination(Pt p) {
    const Real alpha = givenNumber(0);
    if (inclinationIs([](const exact::Number& a) {
            return a.sign() < 0 || a > 180;
        }).value_or(alpha < 0 || alpha > 180)) {
        inform(tr("A inclinação de uma recta não pode ser negativa nem maior que 180 graus"));
        DesenharEixos();
        explain();
        return;
    }
    const Real a = tan(alpha * atan(Real(1)) / 45);
    const Line line{a, -1, p.y - a * p.x};
    DesenharRecta(line);
    QString text;
    if (inclinationIs([](const exact::Number& a) { return a.isZero(); }).value_or(alpha == 0))
        text = QLatin1String("y = ") + TextRules::number(p.y, sep());
    else if (inclinationIs([](const exact::Number& a) { return a == 90; }).value_or(alpha == 90))
        text = QLatin1String("x = ") + TextRules::number(p.x, sep());
    else
        text = inclinationEquation(line.a, line.c, sep());
    setResult(QStringLiteral("Resultado1"), text);
    explain();
}

void Lines4Form::givenSlope(Pt p) {
    const Real m = givenNumber(0);
    drawAndWrite({m, -1, p.y - m * p.x}, QStringLiteral("Resultado1"));
    explain();
}

void Lines4Form::givenAngleWithLine(Pt p) {
    const Real beta = givenAngle(0);
    const Real t = tan((90 - beta) * 4 * atan(Real(1)) / 180); // the cotangent of beta
    const Line given = givenLine(0);
    board()->setForeColor(Azul);
    const std::optional<bool> noGivenLine =
        exactly([](const exact::FrameData& d) { return noLine(d, 0); });
    DesenharRecta(given, noGivenLine);
    const Line first = lineThrough(p, given.a * t + given.b, given.b * t - given.a);
    const Line second = lineThrough(p, given.a * t - given.b, given.b * t + given.a);
    board()->setForeColor(Vermelho);
    drawAndWrite(first, QStringLiteral("Resultado1"), noGivenLine);
    drawAndWrite(second, QStringLiteral("Resultado2"), noGivenLine);
    explain();
}

void Lines4Form::drawAndWrite(Line line, const QString& result, std::optional<bool> noLine) {
    DesenharRecta(line, noLine);
    setResult(result, TextRules::TextoEquacaoRecta(line, sep()));
}

// --- the bisectors of two lines -----------------------------------------

void Lines4Form::bisectors() {
    setResult(QStringLiteral("Resultado5"), QString());
    setResult(QStringLiteral("Resultado6"), QString());
    const auto [l1, l2] = givenLines();
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    const auto given = [this](std::size_t i) {
        return exactly([i](const exact::FrameData& d) { return noLine(d, i); });
    };
    DesenharRecta(l1, given(0));
    DesenharRecta(l2, given(1));
    if (exactly([](const exact::FrameData& d) {
            return exact::verdict::parallel(d.line(0), d.line(1));
        }).value_or(parallel(l1, l2))) {
        if (ModoResolver()) explain();
        stop(tr("As rectas paralelas."));
    }
    pen(Vermelho, 1, DashStyle::Dotted);
    if (!ModoResolver()) return;
    const Real k1 = norm(l1), k2 = norm(l2);
    drawAndWrite({k2 * l1.a - k1 * l2.a, k2 * l1.b - k1 * l2.b, k2 * l1.c - k1 * l2.c},
                 QStringLiteral("Resultado5"));
    drawAndWrite({k2 * l1.a + k1 * l2.a, k2 * l1.b + k1 * l2.b, k2 * l1.c + k1 * l2.c},
                 QStringLiteral("Resultado6"));
    explain();
}
