#include "lines2form.h"

#include "textrules.h"
#include "topictable.h"

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
    const auto lines = LerEquacoesRecta(fieldNamed(first), fieldNamed(second));
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    DesenharRecta(lines[0]);
    DesenharRecta(lines[1]);
    return lines;
}

void Lines2Form::refuse(const QString& message) {
    inform(message);
    DesenharEixos();
    throw PressEnded{};
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
    if (d != 0) {
        const Pt meeting{dx / d, dy / d};
        redDot(meeting, "I");
        guides(meeting);
        verdict = TextRules::point(meeting.x, meeting.y, sep());
    } else if (dx == 0 && dy == 0) {
        verdict = tr("As rectas são coincidentes.");
    } else {
        verdict = tr("As rectas são paralelas.");
    }
    setResult(QStringLiteral("Resultado1"), verdict);
}

void Lines2Form::parallelDistance() {
    const auto [l1, l2] =
        twoLines(QStringLiteral("Resultado2"), QStringLiteral("Text3"), QStringLiteral("Text4"));
    if (!ModoResolver()) return;
    if (!parallel(l1, l2)) refuse(tr("As rectas não são paralelas."));
    Real distance;
    if (l1.b == 0) { // vertical lines: their crossings with the x axis
        const Pt p1{-l1.c / l1.a, 0}, p2{-l2.c / l2.a, 0};
        redDot(p1, "A");
        dot(p2, "B");
        distance = abs(p2.x - p1.x);
    } else if (l1.a == 0) { // horizontal lines: their crossings with the y axis
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
}

void Lines2Form::pointDistance() {
    setResult(QStringLiteral("Resultado3"), QString());
    const Line l = LerEquacaoRecta(fieldNamed(QStringLiteral("Text5")));
    const Pt p = LerPonto(1);
    DesenharEixos();
    board()->setForeColor(Azul);
    dot(p, "P");
    guides(p);
    pen(Azul, 2, DashStyle::Solid);
    DesenharRecta(l);
    if (!ModoResolver()) return;
    const Real cp = l.a * p.y - l.b * p.x; // the perpendicular b·x - a·y + c' = 0 through P
    const Real n = square(l.a) + square(l.b);
    const Pt foot{(-l.a * l.c - l.b * cp) / n, (l.a * cp - l.b * l.c) / n};
    board()->setForeColor(Vermelho);
    segment(p, foot);
    const Real s = squaredDistance(p, foot);
    const Real d = sqrt(s);
    setResult(QStringLiteral("Resultado3"),
              floor(d) == d
                  ? TextRules::number(d, sep())
                  : QLatin1String("sqr(") + TextRules::number(s, sep()) + QLatin1Char(')'));
}

void Lines2Form::angle() {
    const auto [l1, l2] =
        twoLines(QStringLiteral("Resultado4"), QStringLiteral("Text6"), QStringLiteral("Text7"));
    if (!ModoResolver()) return;
    if (parallel(l1, l2)) refuse(tr("As rectas paralelas."));
    if (l1.a * l2.a + l1.b * l2.b == 0) {
        setResult(QStringLiteral("Resultado4"), TextRules::number(90, sep()) + Degree);
        return;
    }
    const Real t = abs((l1.a * l2.b - l2.a * l1.b) / (l1.b * l2.b + l1.a * l2.a));
    const Real degrees = atan(t) * 45 / atan(Real(1));
    const TextRules::DegreesMinutesSeconds a = TextRules::splitDegrees(degrees);
    setResult(QStringLiteral("Resultado4"),
              TextRules::angle(a.degrees, a.minutes, a.seconds, sep()));
}
