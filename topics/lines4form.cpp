#include "lines4form.h"

#include "decimal.h"
#include "leadingnumber.h"
#include "linesolutions.h"
#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

#include <QLineEdit>
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

/// The angle read at the start of a text as the exact value of its decimal
/// digits (30 is 30, 22.5 is 45/2); approximate when it has more digits
/// than a double keeps.
exact::Number exactAngle(double degrees) {
    std::string digits = exact::decimal::expressionLiteral(degrees);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.erase(0, 1);
    exact::Number n;
    if (!exact::Number::fromDecimal(digits, n) || n.toDouble() != std::fabs(degrees))
        return exact::Number::approximate(degrees);
    return negative ? -n : n;
}

std::optional<bool> noLine(const TypedData& d, const QString& field) {
    return exact::verdict::noLine(d.line(field).line);
}
} // namespace

Lines4Form::Lines4Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Recta4, {.boardLeft = 120}), parent) {
    buildPointFrame();
    buildBisectorFrame();
}

void Lines4Form::buildPointFrame() {
    addFrame(QStringLiteral("Frame4"), tr("Recta que passa num ponto e ..."), {0, 4200})
        .text(tr("Ponto:"))
        .point(1, "-1", "3", tr("P"))
        .newRow()
        .option(QStringLiteral("Option1"), tr("é paralela ao eixo das abcissas"),
                tr("É paralela ao eixo das abcissas"), true)
        .newRow()
        .option(QStringLiteral("Option2"), tr("é paralela ao eixo das ordenadas"),
                tr("É paralela ao eixo das ordenadas"))
        .newRow()
        .option(QStringLiteral("Option3"), tr("tem inclinação"), tr("Tem inclinação"))
        .field(QStringLiteral("Text2"), QStringLiteral("30"), tr("Inclinação em graus"), false)
        .text(tr("graus"))
        .newRow()
        .option(QStringLiteral("Option4"), tr("tem coeficiente angular"),
                tr("Tem coeficiente angular"))
        .newRow()
        .indent() // under the option's caption
        .field(QStringLiteral("Text6"), QStringLiteral("1"), tr("Coeficiente angular"), false)
        .text(tr("(número real)"))
        .newRow()
        .option(QStringLiteral("Option6"), tr("faz um ângulo de"), tr("Faz um ângulo"))
        .field(QStringLiteral("Text4"), QStringLiteral("30"), tr("Ângulo em graus"), false)
        .text(tr("graus"))
        .newRow()
        .text(tr("com a recta:"))
        .field(QStringLiteral("Text5"), QStringLiteral("2x-y+3=0"), tr("Equação da recta dada"))
        .newRow()
        .text(tr("Recta(s)"))
        .result(QStringLiteral("Resultado1"))
        .newRow()
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(3, [this] { lineThroughPoint(); });
}

void Lines4Form::buildBisectorFrame() {
    addFrame(QStringLiteral("Frame3"), tr("Bissectrizes de duas rectas concorrentes"), {0, 1950})
        .text(tr("Rectas:"))
        .field(QStringLiteral("Text9"), QStringLiteral("2x+3y-1=0"),
               tr("Equação da primeira recta"))
        .newRow()
        .field(QStringLiteral("Text10"), QStringLiteral("x-2y+4=0"), tr("Equação da segunda recta"))
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
    const Pt p = LerPonto(1);
    pen(Azul, 7, DashStyle::Solid);
    dot(p, "P");
    guides(p);
    // The dotted style stays selected; every line below is 2 pixels wide
    // and so comes out solid.
    board()->setForeColor(Vermelho);
    board()->setDrawWidth(2);
    if (!ModoResolver()) return;
    if (isChecked(QStringLiteral("Option1")))
        parallelToXAxis(p);
    else if (isChecked(QStringLiteral("Option2")))
        parallelToYAxis(p);
    else if (isChecked(QStringLiteral("Option3")))
        givenInclination(p);
    else if (isChecked(QStringLiteral("Option4")))
        givenSlope(p);
    else if (isChecked(QStringLiteral("Option6")))
        givenAngleWithLine(p);
}

void Lines4Form::parallelToXAxis(Pt p) {
    const Viewport& v = viewport();
    segment({v.Xmin + 1.0f, p.y}, {v.Xmax - 1.0f, p.y});
    setResult(QStringLiteral("Resultado1"), QLatin1String("y = ") + TextRules::rounded(p.y, sep()));
    explain([](const TypedData& d) { return exact::solutions::solveParallelToXAxis(d.point(1)); });
}

void Lines4Form::parallelToYAxis(Pt p) {
    const Viewport& v = viewport();
    segment({p.x, v.Ymax - 1.0f}, {p.x, v.Ymin + 1.0f});
    setResult(QStringLiteral("Resultado1"), QLatin1String("x = ") + TextRules::rounded(p.x, sep()));
    explain([](const TypedData& d) { return exact::solutions::solveParallelToYAxis(d.point(1)); });
}

std::optional<bool> Lines4Form::inclinationIs(bool (*test)(const exact::Number&)) {
    return exactly([test](const TypedData& d) -> std::optional<bool> {
        const exact::Number& alpha = d.number(QStringLiteral("Text2"));
        if (!alpha.isExact()) return std::nullopt;
        return test(alpha);
    });
}

void Lines4Form::givenInclination(Pt p) {
    const Real alpha = LerCampo(QStringLiteral("Text2"));
    const auto solution = [](const TypedData& d) {
        return exact::solutions::solveLineWithInclination(d.point(1),
                                                          d.number(QStringLiteral("Text2")));
    };
    if (inclinationIs([](const exact::Number& a) {
            return a.sign() < 0 || a > 180;
        }).value_or(alpha < 0 || alpha > 180)) {
        inform(tr("A inclinação de uma recta não pode ser negativa nem maior que 180 graus"));
        DesenharEixos();
        explain(solution);
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
    explain(solution);
}

void Lines4Form::givenSlope(Pt p) {
    const Real m = LerCampo(QStringLiteral("Text6"));
    drawAndWrite({m, -1, p.y - m * p.x}, QStringLiteral("Resultado1"));
    explain([](const TypedData& d) {
        return exact::solutions::solveLineWithSlope(d.point(1), d.number(QStringLiteral("Text6")));
    });
}

void Lines4Form::givenAngleWithLine(Pt p) {
    QLineEdit* const angleField = fieldNamed(QStringLiteral("Text4"));
    const Real beta = readingField(angleField, [&] { return leadingNumber(angleField->text()); });
    const Real t = tan((90 - beta) * 4 * atan(Real(1)) / 180); // the cotangent of beta
    const Line given = LerEquacaoRecta(fieldNamed(QStringLiteral("Text5")));
    board()->setForeColor(Azul);
    const std::optional<bool> noGivenLine =
        exactly([](const TypedData& d) { return noLine(d, QStringLiteral("Text5")); });
    DesenharRecta(given, noGivenLine);
    const Line first = lineThrough(p, given.a * t + given.b, given.b * t - given.a);
    const Line second = lineThrough(p, given.a * t - given.b, given.b * t + given.a);
    board()->setForeColor(Vermelho);
    drawAndWrite(first, QStringLiteral("Resultado1"), noGivenLine);
    drawAndWrite(second, QStringLiteral("Resultado2"), noGivenLine);
    explain([beta = beta.value()](const TypedData& d) {
        return exact::solutions::solveLinesAtAngle(d.point(1), exactAngle(beta),
                                                   d.givenLine(QStringLiteral("Text5")));
    });
}

void Lines4Form::drawAndWrite(Line line, const QString& result, std::optional<bool> noLine) {
    DesenharRecta(line, noLine);
    setResult(result, TextRules::TextoEquacaoRecta(line, sep()));
}

// --- the bisectors of two lines -----------------------------------------

void Lines4Form::bisectors() {
    setResult(QStringLiteral("Resultado5"), QString());
    setResult(QStringLiteral("Resultado6"), QString());
    const auto [l1, l2] =
        LerEquacoesRecta(fieldNamed(QStringLiteral("Text9")), fieldNamed(QStringLiteral("Text10")));
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    const auto given = [this](const QString& field) {
        return exactly([field](const TypedData& d) { return noLine(d, field); });
    };
    DesenharRecta(l1, given(QStringLiteral("Text9")));
    DesenharRecta(l2, given(QStringLiteral("Text10")));
    const auto solution = [](const TypedData& d) {
        return exact::solutions::solveBisectors(d.givenLine(QStringLiteral("Text9")),
                                                d.givenLine(QStringLiteral("Text10")));
    };
    if (exactly([](const TypedData& d) {
            return exact::verdict::parallel(d.line(QStringLiteral("Text9")).line,
                                            d.line(QStringLiteral("Text10")).line);
        }).value_or(parallel(l1, l2))) {
        if (ModoResolver()) explain(solution);
        stop(tr("As rectas paralelas."));
    }
    pen(Vermelho, 1, DashStyle::Dotted);
    if (!ModoResolver()) return;
    const Real k1 = norm(l1), k2 = norm(l2);
    drawAndWrite({k2 * l1.a - k1 * l2.a, k2 * l1.b - k1 * l2.b, k2 * l1.c - k1 * l2.c},
                 QStringLiteral("Resultado5"));
    drawAndWrite({k2 * l1.a + k1 * l2.a, k2 * l1.b + k1 * l2.b, k2 * l1.c + k1 * l2.c},
                 QStringLiteral("Resultado6"));
    explain(solution);
}
