#include "lines3form.h"

#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

namespace {
/// A rising line's angle as it is; a falling or horizontal one's as
/// 180 degrees plus its (negative) angle, borrowing one unit at every place.
/// The angle of slope m is atan(m) in degrees: -90 < g < 90.
QString inclinationText(Real slope, const QString& sep) {
    const TextRules::DegreesMinutesSeconds a =
        TextRules::splitDegrees(atan(slope) * 45 / atan(Real(1)));
    if (a.degrees == 0 && a.minutes == 0 && a.seconds == 0) return QString::fromUtf8("0º");
    if (slope > 0) return TextRules::angle(a.degrees, a.minutes, a.seconds, sep);
    return TextRules::angle(179 + a.degrees, 59 + a.minutes, 60 + a.seconds, sep);
}
} // namespace

QString Lines3Form::verticalSlopeText() {
    return QString::fromUtf8("Não existe");
}

Lines3Form::Lines3Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Recta3, {.boardLeft = 120, .warnWhenUngraduated = true}),
                  parent) {
    buildCollinearityFrame();
    buildSlopeFrame();
    buildPositionFrame();
}

void Lines3Form::buildCollinearityFrame() {
    addFrame(QStringLiteral("Frame4"), "recta3-1", {0, 1800})
        .point("2", "3", tr("P1"))
        .point("4", "6", tr("P2"))
        .newRow()
        .point("-2", "-3", tr("P3"))
        .newRow()
        .text(tr("Conclusão:"))
        .newRow()
        .resultField(QStringLiteral("Resultado1"))
        .dadosResolver(1, [this] { collinearity(); });
}

void Lines3Form::buildSlopeFrame() {
    addFrame(QStringLiteral("Frame6"), "recta3-2", {0, 2400})
        .option(QString(), tr("Passa nos pontos"), true)
        .text(tr("Passa nos pontos:"))
        .newRow()
        .point("2", "-2", tr("A"))
        .text(tr("e"))
        .point("-8", "4", tr("B"))
        .newRow()
        .option(QString(), tr("Tem equação"))
        .text(tr("Tem equação:"))
        .field(QStringLiteral("2x-3y+7=0"), tr("Equação da recta"))
        .newRow()
        .text(tr("Declive:"))
        .result(QStringLiteral("Resultado2"))
        .newRow()
        .text(tr("Inclinação:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(3, [this] { slopeAndInclination(); });
}

void Lines3Form::buildPositionFrame() {
    addFrame(QStringLiteral("Frame1"), "recta3-3", {0, 1800})
        .text(tr("Rectas"))
        .field(QStringLiteral("x-y+4=0"), tr("Equação da primeira recta"))
        .newRow()
        .field(QStringLiteral("2x-2y-1=0"), tr("Equação da segunda recta"))
        .newRow()
        .text(tr("Posição:"))
        .newRow()
        .result(QStringLiteral("Resultado4"))
        .resolverOnly(QStringLiteral("Resolver6"), [this] { relativePosition(); });
}

// --- three collinear points ---------------------------------------------

void Lines3Form::collinearity() {
    setResult(QStringLiteral("Resultado1"), QString());
    const Pt p1 = givenPoint(0);
    const Pt p2 = givenPoint(1);
    const Pt p3 = givenPoint(2);
    DesenharEixos();
    board()->setForeColor(Azul);
    dot(p1, "P₁");
    dot(p2, "P₂");
    dot(p3, "P₃");
    if (!ModoResolver()) return;
    pen(Vermelho, 1, DashStyle::Dotted);
    DesenharRecta(lineThrough(p1, p2), samePoints());
    const bool aligned = exactly([](const exact::FrameData& d) {
                             return exact::verdict::collinear(d.point(0), d.point(1), d.point(2));
                         }).value_or(collinear(p1, p2, p3));
    setResult(QStringLiteral("Resultado1"), aligned ? tr("Os pontos estão em linha recta.")
                                                    : tr("Os pontos não estão em linha recta."));
    explain();
}

std::optional<bool> Lines3Form::samePoints() {
    return exactly(
        [](const exact::FrameData& d) { return exact::verdict::equal(d.point(0), d.point(1)); });
}

std::optional<bool> Lines3Form::noLine(std::size_t i) {
    return exactly([i](const exact::FrameData& d) { return exact::verdict::noLine(d.line(i)); });
}

// --- slope and inclination ----------------------------------------------

void Lines3Form::slopeAndInclination() {
    DesenharEixos();
    setResult(QStringLiteral("Resultado2"), QString());
    setResult(QStringLiteral("Resultado3"), QString());
    const bool throughPoints = markedOption() == 0;
    const Line line = throughPoints ? lineThroughTwoPoints() : typedLine();
    if (!ModoResolver()) return;
    const auto exactLine = [throughPoints](const exact::FrameData& d) {
        return throughPoints ? exact::lineThrough(d.point(0), d.point(1)) : d.line(0);
    };
    writeSlopeAndInclination(line, exactLine);
    explain();
}

Line Lines3Form::lineThroughTwoPoints() {
    const Pt p1 = givenPoint(0);
    const Pt p2 = givenPoint(1);
    const Line line = lineThrough(p1, p2);
    board()->setForeColor(Azul);
    dot(p1, "A");
    dot(p2, "B");
    if (ModoResolver()) {
        pen(Vermelho, 2, DashStyle::Solid);
        DesenharRecta(line, samePoints());
    }
    return line;
}

Line Lines3Form::typedLine() {
    const Line line = givenLine(0);
    pen(Azul, 2, DashStyle::Solid);
    DesenharRecta(line, noLine(0));
    return line;
}

void Lines3Form::writeSlopeAndInclination(const Line& line, const ExactLine& exactLine) {
    const bool vertical = exactly([&](const exact::FrameData& d) {
                              return exact::verdict::isZero(exactLine(d).b);
                          }).value_or(line.b == 0);
    if (vertical) {
        setResult(QStringLiteral("Resultado2"), verticalSlopeText());
        setResult(QStringLiteral("Resultado3"), QString::fromUtf8("90º"));
        return;
    }
    // Not vertical on the numbers typed, though its doubles are: the slope of
    // the exact line.
    const exact::Line l = line.b == 0 ? exactLine(exactData()) : exact::Line{};
    const Real m = line.b != 0 ? -line.a / line.b : Real((-l.a / l.b).toDouble());
    setResult(QStringLiteral("Resultado2"), TextRules::rounded(m, sep()));
    setResult(QStringLiteral("Resultado3"), inclinationText(m, sep()));
}

// --- relative position of two lines -------------------------------------

Line Lines3Form::drawnLine(std::size_t i) {
    const Line line = givenLine(i);
    pen(Azul, 2, DashStyle::Solid);
    DesenharRecta(line, noLine(i));
    return line;
}

void Lines3Form::relativePosition() {
    setResult(QStringLiteral("Resultado4"), QString());
    DesenharEixos();
    const Line l1 = drawnLine(0);
    const Line l2 = drawnLine(1);
    const Real d = l1.a * l2.b - l2.a * l1.b;
    const Real dy = l1.a * l2.c - l2.a * l1.c;
    const Real dx = l1.b * l2.c - l2.b * l1.c;
    const auto pair =
        [this](std::optional<bool> (*verdict)(const exact::Line&, const exact::Line&)) {
            return exactly(
                [verdict](const exact::FrameData& t) { return verdict(t.line(0), t.line(1)); });
        };
    writePosition(l1, l2, !pair(exact::verdict::parallel).value_or(d == 0),
                  pair(exact::verdict::sameLine).value_or(dx == 0 && dy == 0));
    explain();
}

void Lines3Form::writePosition(const Line& l1, const Line& l2, bool concurrent, bool same) {
    const Real d = l1.a * l2.b - l2.a * l1.b;
    if (concurrent && d == 0) { // concurrent on the numbers typed, parallel in doubles
        const exact::FrameData& t = exactData();
        const exact::Point p = exact::intersection(t.line(0), t.line(1));
        writeMeetingPoint({p.x.toDouble(), p.y.toDouble()});
    } else if (concurrent) {
        // The determinants negated, as in the intersection frame of "RECTA - 2",
        // not intersection(): a zero coordinate keeps this frame's sign of zero.
        const Real denominator = l2.a * l1.b - l1.a * l2.b;
        writeMeetingPoint(
            {(l2.b * l1.c - l1.b * l2.c) / denominator, (l1.a * l2.c - l2.a * l1.c) / denominator});
    } else if (same) {
        setResult(QStringLiteral("Resultado4"), tr("As rectas são coincidentes."));
    } else {
        setResult(QStringLiteral("Resultado4"), tr("As rectas são paralelas."));
    }
}

void Lines3Form::writeMeetingPoint(Pt p) {
    setResult(QStringLiteral("Resultado4"),
              tr("As rectas são concorrentes em ( %1 , %2 )")
                  .arg(TextRules::rounded(p.x, sep()), TextRules::rounded(p.y, sep())));
    pen(Vermelho, 7);
    dot(p, "I");
    guides(p);
}
