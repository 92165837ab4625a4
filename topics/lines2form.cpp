#include "lines2form.h"

#include "linesolutions.h"
#include "numbered_error.h"
#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

#include <cmath>

namespace {
const QString Degree = QStringLiteral("º");
} // namespace

Lines2Form::Lines2Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Recta2), parent) {
    addFrame(QStringLiteral("Frame6"), tr("Intersecção de duas rectas"))
        .text(tr("Rectas:"))
        .field(QStringLiteral("Text1"), QStringLiteral("2x+3y+4=0"),
               tr("Equação da primeira recta"))
        .newRow()
        .field(QStringLiteral("Text2"), QStringLiteral("5x-2y+4=0"), tr("Equação da segunda recta"))
        .newRow()
        .text(tr("Intersecção:"))
        .result(QStringLiteral("Resultado1"))
        .dadosResolver(3, [this] { intersection(); });
    addFrame(QStringLiteral("Frame4"), tr("Distância entre rectas paralelas"))
        .text(tr("Rectas:"))
        .field(QStringLiteral("Text3"), QStringLiteral("2x+3y+4=0"),
               tr("Equação da primeira recta"))
        .newRow()
        .field(QStringLiteral("Text4"), QStringLiteral("2x+3y-4=0"), tr("Equação da segunda recta"))
        .newRow()
        .text(tr("Distância:"))
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(1, [this] { parallelDistance(); });
    addFrame(QStringLiteral("Frame1"), tr("Distância de um ponto a uma recta"))
        .text(tr("Recta:"))
        .field(QStringLiteral("Text5"), QStringLiteral("3x-4y=24"), tr("Equação da recta"))
        .newRow()
        .text(tr("P ="))
        .point(1, "-2", "5", tr("P"))
        .newRow()
        .text(tr("Distância:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(4, [this] { pointDistance(); });
    addFrame(QStringLiteral("Frame8"), tr("Ângulo de duas rectas"))
        .text(tr("Rectas:"))
        .field(QStringLiteral("Text6"), QStringLiteral("2x-5y=3"), tr("Equação da primeira recta"))
        .newRow()
        .field(QStringLiteral("Text7"), QStringLiteral("x+3y=0"), tr("Equação da segunda recta"))
        .newRow()
        .text(tr("Ângulo:"))
        .result(QStringLiteral("Resultado4"))
        .dadosResolver(5, [this] { angle(); });
}

// --- shared steps ---------------------------------------------------------

std::array<Line, 2> Lines2Form::twoLines(const QString& result, const QString& first,
                                         const QString& second) {
    setResult(result, QString());
    m_fields = {first, second};
    const auto lines = LerEquacoesRecta(fieldNamed(first), fieldNamed(second));
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    DesenharRecta(lines[0], lineVerdict(first, exact::verdict::noLine));
    DesenharRecta(lines[1], lineVerdict(second, exact::verdict::noLine));
    return lines;
}

std::optional<bool> Lines2Form::lineVerdict(const QString& field,
                                            std::optional<bool> (*verdict)(const exact::Line&)) {
    return exactly([&](const TypedData& d) { return verdict(d.line(field).line); });
}

std::optional<bool> Lines2Form::pairVerdict(std::optional<bool> (*verdict)(const exact::Line&,
                                                                           const exact::Line&)) {
    return exactly([&](const TypedData& d) {
        return verdict(d.line(m_fields[0]).line, d.line(m_fields[1]).line);
    });
}

void Lines2Form::refuse(const QString& message, const Explained& solution) {
    inform(message);
    DesenharEixos();
    explainLines(solution);
    throw PressEnded{};
}

void Lines2Form::explainLines(const Explained& solution) {
    explain([solution, fields = m_fields](const TypedData& d) {
        return solution(d.givenLine(fields[0]), d.givenLine(fields[1]));
    });
}

void Lines2Form::redDot(Pt p, const QString& name) {
    board()->setForeColor(Vermelho);
    dot(p, name);
}

// --- the frames -----------------------------------------------------------

void Lines2Form::intersection() {
    const auto [l1, l2] =
        twoLines(QStringLiteral("Resultado1"), QStringLiteral("Text1"), QStringLiteral("Text2"));
    if (!ModoResolver()) return;
    // Cramer's rule with both determinants negated, not intersection(): the
    // same point, but a zero coordinate takes the other sign of zero, and the
    // point is drawn as this frame has always drawn it.
    const Real d = l2.a * l1.b - l1.a * l2.b;
    const Real dy = l1.a * l2.c - l2.a * l1.c;
    const Real dx = l2.b * l1.c - l1.b * l2.c;
    QString verdict;
    if (!pairVerdict(exact::verdict::parallel).value_or(d == 0)) {
        const Pt meeting = d != 0 ? Pt{dx / d, dy / d} : exactMeeting();
        redDot(meeting, "I");
        guides(meeting);
        verdict = TextRules::point(meeting.x, meeting.y, sep());
    } else if (pairVerdict(exact::verdict::sameLine).value_or(dx == 0 && dy == 0)) {
        verdict = tr("As rectas são coincidentes.");
    } else {
        verdict = tr("As rectas são paralelas.");
    }
    setResult(QStringLiteral("Resultado1"), verdict);
    explainLines(exact::solutions::solveIntersection);
}

Pt Lines2Form::exactMeeting() {
    const TypedData& d = exactData();
    const exact::Point p = exact::intersection(d.line(m_fields[0]).line, d.line(m_fields[1]).line);
    return {p.x.toDouble(), p.y.toDouble()};
}

void Lines2Form::parallelDistance() {
    const auto [l1, l2] =
        twoLines(QStringLiteral("Resultado2"), QStringLiteral("Text3"), QStringLiteral("Text4"));
    if (!ModoResolver()) return;
    if (!pairVerdict(exact::verdict::parallel).value_or(parallel(l1, l2)))
        refuse(tr("As rectas não são paralelas."), exact::solutions::solveParallelDistance);
    const auto zero = [&](const Real& doubled, exact::Number exact::Line::*coefficient) {
        return exactly([&](const TypedData& d) {
                   return exact::verdict::isZero(d.line(m_fields[0]).line.*coefficient);
               })
            .value_or(doubled == 0);
    };
    Real distance;
    if (zero(l1.b, &exact::Line::b)) { // vertical lines: their crossings with the x axis
        const Pt p1{-l1.c / l1.a, 0}, p2{-l2.c / l2.a, 0};
        redDot(p1, "A");
        dot(p2, "B");
        distance = abs(p2.x - p1.x);
    } else if (zero(l1.a, &exact::Line::a)) { // horizontal lines: their crossings with the y axis
        const Pt p1{0, -l1.c / l1.b}, p2{0, -l2.c / l2.b};
        redDot(p1, "A");
        dot(p2, "B");
        distance = abs(p2.y - p1.y);
    } else { // from line 1's crossing with the y axis to its foot on line 2
        const Pt p1{0, -l1.c / l1.b};
        redDot(p1, "A");
        const Real n = square(l2.a) + square(l2.b);
        const Pt foot{(square(l2.b) * p1.x - l2.a * l2.b * p1.y - l2.a * l2.c) / n,
                      (square(l2.a) * p1.y - l2.a * l2.b * p1.x - l2.b * l2.c) / n};
        dot(foot, "B");
        pen(Vermelho, 1, DashStyle::Dotted);
        segment(p1, foot);
        distance = abs(l2.a * p1.x + l2.b * p1.y + l2.c) / sqrt(n);
    }
    setResult(QStringLiteral("Resultado2"), TextRules::rounded(distance, sep()));
    explainLines(exact::solutions::solveParallelDistance);
}

void Lines2Form::pointDistance() {
    const QString text = QStringLiteral("Text5");
    setResult(QStringLiteral("Resultado3"), QString());
    const Line l = LerEquacaoRecta(fieldNamed(text));
    const Pt p = LerPonto(1);
    DesenharEixos();
    board()->setForeColor(Azul);
    dot(p, "P");
    guides(p);
    pen(Azul, 2, DashStyle::Solid);
    const std::optional<bool> noLine = lineVerdict(text, exact::verdict::noLine);
    DesenharRecta(l, noLine);
    if (!ModoResolver()) return;
    // a² + b² is exactly zero: the division below is a division by zero.
    if (noLine.value_or(false)) Fault::raise(Fault::DivisionByZero);
    const Real cp = l.a * p.y - l.b * p.x; // the perpendicular b·x - a·y + c' = 0 through P
    const Real n = square(l.a) + square(l.b);
    const Pt foot{(-l.a * l.c - l.b * cp) / n, (l.a * cp - l.b * l.c) / n};
    board()->setForeColor(Vermelho);
    segment(p, foot);
    const Real s = squaredDistance(p, foot);
    const Real d = sqrt(s);
    const auto exactDistance = [&](const TypedData& t) {
        return exact::verdict::wholeDistance(t.point(1), t.line(text).line);
    };
    // The foot of the perpendicular is a quotient: whole numbers typed do not
    // make its doubles exact.
    const bool whole = exactly(exactDistance, false).value_or(floor(d) == d);
    setResult(QStringLiteral("Resultado3"),
              whole ? TextRules::number(std::nearbyint(d.value()), sep())
                    : QLatin1String("sqr(") + TextRules::number(s, sep()) + QLatin1Char(')'));
    explain([text](const TypedData& t) {
        return exact::solutions::solvePointLineDistance(t.point(1), t.line(text).line);
    });
}

void Lines2Form::angle() {
    const auto [l1, l2] =
        twoLines(QStringLiteral("Resultado4"), QStringLiteral("Text6"), QStringLiteral("Text7"));
    if (!ModoResolver()) return;
    if (pairVerdict(exact::verdict::parallel).value_or(parallel(l1, l2)))
        refuse(tr("As rectas paralelas."), exact::solutions::solveAngle);
    const Real dot = l1.b * l2.b + l1.a * l2.a;
    if (pairVerdict(exact::verdict::perpendicular).value_or(l1.a * l2.a + l1.b * l2.b == 0)) {
        setResult(QStringLiteral("Resultado4"), TextRules::number(90, sep()) + Degree);
        explainLines(exact::solutions::solveAngle);
        return;
    }
    const Real t = dot != 0 ? abs((l1.a * l2.b - l2.a * l1.b) / dot) : exactTangent();
    const Real degrees = atan(t) * 45 / atan(Real(1));
    const TextRules::DegreesMinutesSeconds a = TextRules::splitDegrees(degrees);
    setResult(QStringLiteral("Resultado4"),
              TextRules::angle(a.degrees, a.minutes, a.seconds, sep()));
    explainLines(exact::solutions::solveAngle);
}

Real Lines2Form::exactTangent() {
    const TypedData& d = exactData();
    const exact::Line& m = d.line(m_fields[0]).line;
    const exact::Line& n = d.line(m_fields[1]).line;
    return abs((m.a * n.b - n.a * m.b) / (m.b * n.b + m.a * n.a)).toDouble();
}
