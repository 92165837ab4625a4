#include "lines2form.h"

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
    addFrame(QStringLiteral("Frame6"), "recta2-1")
        .text(tr("Rectas:"))
        .field(QStringLiteral("2x+3y+4=0"), tr("Equação da primeira recta"))
        .newRow()
        .field(QStringLiteral("5x-2y+4=0"), tr("Equação da segunda recta"))
        .newRow()
        .text(tr("Intersecção:"))
        .result(QStringLiteral("Resultado1"))
        .dadosResolver(3, [this] { intersection(); });
    addFrame(QStringLiteral("Frame4"), "recta2-2")
        .text(tr("Rectas:"))
        .field(QStringLiteral("2x+3y+4=0"), tr("Equação da primeira recta"))
        .newRow()
        .field(QStringLiteral("2x+3y-4=0"), tr("Equação da segunda recta"))
        .newRow()
        .text(tr("Distância:"))
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(1, [this] { parallelDistance(); });
    addFrame(QStringLiteral("Frame1"), "recta2-3")
        .text(tr("Recta:"))
        .field(QStringLiteral("3x-4y=24"), tr("Equação da recta"))
        .newRow()
        .text(tr("P ="))
        .point("-2", "5", tr("P"))
        .newRow()
        .text(tr("Distância:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(4, [this] { pointDistance(); });
    addFrame(QStringLiteral("Frame8"), "recta2-4")
        .text(tr("Rectas:"))
        .field(QStringLiteral("2x-5y=3"), tr("Equação da primeira recta"))
        .newRow()
        .field(QStringLiteral("x+3y=0"), tr("Equação da segunda recta"))
        .newRow()
        .text(tr("Ângulo:"))
        .result(QStringLiteral("Resultado4"))
        .dadosResolver(5, [this] { angle(); });
}

// --- shared steps ---------------------------------------------------------

std::array<Line, 2> Lines2Form::twoLines(const QString& result) {
    setResult(result, QString());
    const auto lines = givenLines();
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    DesenharRecta(lines[0], lineVerdict(0, exact::verdict::noLine));
    DesenharRecta(lines[1], lineVerdict(1, exact::verdict::noLine));
    return lines;
}

std::optional<bool> Lines2Form::lineVerdict(std::size_t i,
                                            std::optional<bool> (*verdict)(const exact::Line&)) {
    return exactly([&](const exact::FrameData& d) { return verdict(d.line(i)); });
}

std::optional<bool> Lines2Form::pairVerdict(std::optional<bool> (*verdict)(const exact::Line&,
                                                                           const exact::Line&)) {
    return exactly([&](const exact::FrameData& d) { return verdict(d.line(0), d.line(1)); });
}

void Lines2Form::refuse(const QString& message) {
    inform(message);
    DesenharEixos();
    explain();
    throw PressEnded{};
}

void Lines2Form::redDot(Pt p, const QString& name) {
    board()->setForeColor(Vermelho);
    dot(p, name);
}

// --- the frames -----------------------------------------------------------

void Lines2Form::intersection() {
    const auto [l1, l2] = twoLines(QStringLiteral("Resultado1"));
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
    explain();
}

Pt Lines2Form::exactMeeting() {
    const exact::FrameData& d = exactData();
    const exact::Point p = exact::intersection(d.line(0), d.line(1));
    return {p.x.toDouble(), p.y.toDouble()};
}

void Lines2Form::parallelDistance() {
    const auto [l1, l2] = twoLines(QStringLiteral("Resultado2"));
    if (!ModoResolver()) return;
    if (!pairVerdict(exact::verdict::parallel).value_or(parallel(l1, l2)))
        refuse(tr("As rectas não são paralelas."));
    const auto zero = [&](const Real& doubled, exact::Number exact::Line::*coefficient) {
        return exactly([&](const exact::FrameData& d) {
                   return exact::verdict::isZero(d.line(0).*coefficient);
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
    explain();
}

void Lines2Form::pointDistance() {
    setResult(QStringLiteral("Resultado3"), QString());
    const Line l = givenLine(0);
    const Pt p = givenPoint(0);
    DesenharEixos();
    board()->setForeColor(Azul);
    dot(p, "P");
    guides(p);
    pen(Azul, 2, DashStyle::Solid);
    const std::optional<bool> noLine = lineVerdict(0, exact::verdict::noLine);
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
    const auto exactDistance = [](const exact::FrameData& t) {
        return exact::verdict::wholeDistance(t.point(0), t.line(0));
    };
    // The foot of the perpendicular is a quotient: whole numbers typed do not
    // make its doubles exact.
    const bool whole = exactly(exactDistance, false).value_or(floor(d) == d);
    setResult(QStringLiteral("Resultado3"),
              whole ? TextRules::number(std::nearbyint(d.value()), sep())
                    : QLatin1String("sqr(") + TextRules::number(s, sep()) + QLatin1Char(')'));
    explain();
}

void Lines2Form::angle() {
    const auto [l1, l2] = twoLines(QStringLiteral("Resultado4"));
    if (!ModoResolver()) return;
    if (pairVerdict(exact::verdict::parallel).value_or(parallel(l1, l2)))
        refuse(tr("As rectas paralelas."));
    const Real dot = l1.b * l2.b + l1.a * l2.a;
    if (pairVerdict(exact::verdict::perpendicular).value_or(l1.a * l2.a + l1.b * l2.b == 0)) {
        setResult(QStringLiteral("Resultado4"), TextRules::number(90, sep()) + Degree);
        explain();
        return;
    }
    const Real t = dot != 0 ? abs((l1.a * l2.b - l2.a * l1.b) / dot) : exactTangent();
    const Real degrees = atan(t) * 45 / atan(Real(1));
    const TextRules::DegreesMinutesSeconds a = TextRules::splitDegrees(degrees);
    setResult(QStringLiteral("Resultado4"),
              TextRules::angle(a.degrees, a.minutes, a.seconds, sep()));
    explain();
}

Real Lines2Form::exactTangent() {
    const exact::FrameData& d = exactData();
    const exact::Line& m = d.line(0);
    const exact::Line& n = d.line(1);
    return abs((m.a * n.b - n.a * m.b) / (m.b * n.b + m.a * n.a)).toDouble();
}
