#include "circles3form.h"

#include "circlereader.h"
#include "numbered_error.h"
#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

#include <array>

namespace {
CircleRefusals firstCircleRefusals() {
    return {Circles3Form::tr("A primeira equação não representa uma circunferência."),
            Circles3Form::tr("A primeira equação representa um ponto.")};
}

CircleRefusals secondCircleRefusals() {
    return {Circles3Form::tr("A segunda equação não representa uma circunferência."),
            Circles3Form::tr("A segunda equação representa um ponto.")};
}

/// (d² − (r1 + r2)²)·((r1 − r2)² − d²), d the distance between the centres:
/// negative when the circles have no common point, zero when they touch.
Real contact(const Circle& c1, const Circle& c2) {
    const Real d2 = squaredDistance(c1.centre(), c2.centre());
    return (d2 - square(c1.r + c2.r)) * (square(c1.r - c2.r) - d2);
}

/// The common points of two circles whose contact value q is not negative.
/// Two equal centres divide by zero.
std::array<Pt, 2> commonPoints(const Circle& c1, const Circle& c2, Real q) {
    const Real a1 = c1.xc, b1 = c1.yc, r1 = c1.r, a2 = c2.xc, b2 = c2.yc, r2 = c2.r;
    const Real s = sqrt(q);
    const Real n = 2 * square(a1 - a2) + 2 * square(b1 - b2);
    const Real xm = square(b1 - b2) * (a1 + a2) +
                    (square(a2) + square(r1) - square(r2) - square(a1)) * (a2 - a1);
    const Real ym = square(a1 - a2) * (b1 + b2) +
                    (square(b2) + square(r1) - square(r2) - square(b1)) * (b2 - b1);
    return {Pt{(xm + (b1 - b2) * s) / n, (ym - (a1 - a2) * s) / n},
            Pt{(xm - (b1 - b2) * s) / n, (ym + (a1 - a2) * s) / n}};
}

/// The two tangents from an exterior point P: the lines through P with
/// slopes (u·v ± r·t) / (u² − r²), written without the division (u, v lead
/// from P to the centre, t is the length of a tangent). When u² = r² one
/// tangent is vertical and the slope form of the other vanishes (b = 0 and
/// a = 0, or all but 0 through rounding); that one, the one with the smaller
/// |a|, is then written from its normal (r·u ± t·v, r·v ∓ t·u), which never
/// vanishes.
std::array<Line, 2> tangentsFrom(Pt p, const Circle& c) {
    const Real u = c.xc - p.x, v = c.yc - p.y;
    const Real t = sqrt(squaredDistance(p, c.centre()) - c.r * c.r);
    const Real b = c.r * c.r - u * u;
    std::array<Line, 2> lines{lineThrough(p, u * v + c.r * t, b),
                              lineThrough(p, u * v - c.r * t, b)};
    if (b == 0) {
        const bool firstLost = abs(lines[0].a) < abs(lines[1].a);
        const Real sign = firstLost ? 1 : -1;
        lines[firstLost ? 0 : 1] = lineThrough(p, c.r * u + sign * t * v, c.r * v - sign * t * u);
    }
    return lines;
}

/// A coefficient as the first tangent's text writes it: 1 and −1 (exactly,
/// before rounding) left implicit, any other value rounded to 2 decimals.
QString coefficient(Real value, const QString& sep) {
    if (value == 1) return {};
    if (value == -1) return QStringLiteral("-");
    return TextRules::rounded(value, sep);
}

/// The first tangent's own text: blanks around "= 0", only "+-" cleaned.
QString firstTangentText(const Line& l, const QString& sep) {
    const QString a = coefficient(l.a, sep), b = coefficient(l.b, sep);
    const Real c = TextRules::round(l.c, 2);
    QString text = c != 0 ? a + QLatin1String("x+") + b + QLatin1String("y+") +
                                TextRules::number(c, sep) + QLatin1String(" = 0")
                          : a + QLatin1String("x+") + b + QLatin1String("y = 0");
    return text.replace(QLatin1String("+-"), QLatin1String("-"));
}

/// The centre of the circle that touches the line at Q and passes through
/// P: on the normal at Q, as far from P as from Q (`horizontal`: a = 0). P
/// on the line divides by zero.
Pt centreTouchingAt(const Line& l, Pt p, Pt q, bool horizontal) {
    if (horizontal)
        return {q.x, (square(q.y) - square(p.y) - square(p.x - q.x)) / (2 * (q.y - p.y))};
    const Real x = (l.a * (square(q.x) - square(p.x)) + 2 * l.b * q.x * (q.y - p.y) -
                    l.a * square(q.y - p.y)) /
                   (2 * l.a * (q.x - p.x) + 2 * l.b * (q.y - p.y));
    return {x, (l.a * q.y + l.b * x - l.b * q.x) / l.a};
}
} // namespace

Circles3Form::Circles3Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Circunferencia3, {.boardLeft = 120, .pointToolTips = false}),
                  parent) {
    addFrame(QStringLiteral("Frame4"), "circunferencia3-1", {0, 2040})
        .text(tr("Circunferência:"))
        .field(QStringLiteral("x^2+y^2-16x-20y+115=0"), tr("Equação da primeira circunferência"))
        .newRow()
        .field(QStringLiteral("x^2+y^2+8x-10y+5=0"), tr("Equação da segunda circunferência"))
        .newRow()
        .text(tr("Intersecção:"))
        .result(QStringLiteral("Resultado1"))
        .newRow()
        .result(QStringLiteral("Resultado2"))
        .dadosResolver(1, [this] { twoCircles(); });
    addFrame(QStringLiteral("Frame6"), "circunferencia3-2", {0, 2040})
        .text(tr("P ="))
        .point("-1", "0", tr("P"))
        .newRow()
        .text(tr("Circunferência:"))
        .field(QStringLiteral("x^2+y^2-2x-1=0"), tr("Equação da circunferência"))
        .newRow()
        .text(tr("Rectas:"))
        .result(QStringLiteral("Resultado4"))
        .newRow()
        .result(QStringLiteral("Resultado5"))
        .dadosResolver(3, [this] { tangents(); });
    addFrame(QStringLiteral("Frame3"), "circunferencia3-3", {0, 2040})
        .text(tr("P ="))
        .point("-3", "7", tr("P"))
        .newRow()
        .text(tr("Ponto"))
        .text(tr("Q ="))
        .point("2", "6", tr("Q"))
        .text(tr("da recta:"))
        .newRow()
        .field(QStringLiteral("3x+2y-18=0"), tr("Equação da recta"))
        .newRow()
        .text(tr("Circunferência:"))
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(11, [this] { circleTangentAtQ(); });
}

// --- intersection of two circles -------------------------------------------

void Circles3Form::drawCircles(const Circle& first, const Circle& second) {
    pen(Azul, 2, DashStyle::Solid);
    circle(first);
    circle(second);
    dot(first.centre(), "C₁");
    dot(second.centre(), "C₂");
    guides(first.centre());
    guides(second.centre());
}

void Circles3Form::twoCircles() {
    setResult(QStringLiteral("Resultado1"), QString());
    setResult(QStringLiteral("Resultado2"), QString());
    DesenharEixos();
    const Circle c1 = LerEquacaoCircunferencia(*this, 0, firstCircleRefusals());
    const Circle c2 = LerEquacaoCircunferencia(*this, 1, secondCircleRefusals());
    const Real doubles = contact(c1, c2);
    // How they stand as typed; then q as the points' formula needs it (no
    // root of a rounding below 0 for circles that do meet).
    const int side = exactContact().value_or(doubles < 0 ? -1 : doubles == 0 ? 0 : 1);
    if (side < 0) {
        drawCircles(c1, c2);
        if (ModoResolver()) explain();
        stop(tr("As circunferências não se intersectam."));
    }
    if (sameCentre().value_or(c1.xc == c2.xc && c1.yc == c2.yc)) { // one circle: n = 0 below
        if (ModoResolver()) explain();
        Fault::raise(Fault::DivisionByZero);
    }
    const Real q = side == 0 ? Real(0) : doubles < 0 ? Real(0) : doubles;
    const std::array<Pt, 2> points = commonPoints(c1, c2, q);
    drawCircles(c1, c2);
    if (!ModoResolver()) return;
    board()->setForeColor(Vermelho);
    dot(points[0], "A");
    dot(points[1], "B");
    guides(points[0]);
    guides(points[1]);
    explain(); // beside the drawing while the message is read
    if (side == 0) inform(tr("As circunferências são tangentes."));
    setResult(QStringLiteral("Resultado1"), TextRules::point(points[0].x, points[0].y, sep()));
    setResult(QStringLiteral("Resultado2"), TextRules::point(points[1].x, points[1].y, sep()));
}

std::optional<bool> Circles3Form::sameCentre() {
    return exactly(
        [](const exact::FrameData& d) -> std::optional<bool> {
            const exact::CircleReading& a = d.circle(0);
            const exact::CircleReading& b = d.circle(1);
            if (a.refusal != exact::Refusal::None || b.refusal != exact::Refusal::None)
                return std::nullopt;
            return exact::verdict::equal(a.circle.centre, b.circle.centre);
        },
        false);
}

std::optional<int> Circles3Form::exactContact() {
    const auto contactIs = [this](int wanted) {
        return exactly(
            [wanted](const exact::FrameData& d) -> std::optional<bool> {
                const exact::CircleReading& a = d.circle(0);
                const exact::CircleReading& b = d.circle(1);
                if (a.refusal != exact::Refusal::None || b.refusal != exact::Refusal::None)
                    return std::nullopt;
                const std::optional<int> side = exact::verdict::circlesContact(a.circle, b.circle);
                if (!side) return std::nullopt;
                return *side == wanted;
            },
            false); // the reader divides and takes roots: its doubles are not exact
    };
    const std::optional<bool> apart = contactIs(-1);
    if (!apart) return std::nullopt;
    if (*apart) return -1;
    const std::optional<bool> touching = contactIs(0);
    if (!touching) return std::nullopt;
    return *touching ? 0 : 1;
}

// --- tangents from a point -------------------------------------------------

void Circles3Form::tangents() {
    setResult(QStringLiteral("Resultado4"), QString());
    setResult(QStringLiteral("Resultado5"), QString());
    DesenharEixos();
    const Circle c = LerEquacaoCircunferencia(*this, 0);
    const Pt p = givenPoint(0);
    const Real d = distance(c.centre(), p);
    const bool exterior = exactly(
                              [](const exact::FrameData& t) -> std::optional<bool> {
                                  const exact::CircleReading& r = t.circle(0);
                                  if (r.refusal != exact::Refusal::None) return std::nullopt;
                                  const exact::Number d2 =
                                      exact::squaredDistance(t.point(0), r.circle.centre);
                                  if (d2.isApproximate() || r.circle.radius.isApproximate())
                                      return std::nullopt;
                                  return d2 > r.circle.radiusSquared();
                              },
                              false)
                              .value_or(d > c.r);
    if (!exterior) {
        pen(Azul, 2, DashStyle::Solid);
        circle(c);
        dot(c.centre(), "C");
        dot(p, "P");
        guides(c.centre());
        guides(p);
        if (ModoResolver()) explain();
        stop(tr("O ponto não é exterior à circunferência."));
    }
    board()->setForeColor(Azul);
    dot(c.centre(), "C");
    dot(p, "P");
    guides(c.centre());
    guides(p);
    pen(Azul, 2, DashStyle::Solid);
    circle(c);
    if (!ModoResolver()) return;
    std::array<Line, 2> lines = tangentsFrom(p, c);
    board()->setForeColor(Vermelho);
    DesenharRecta(lines[0]);
    setResult(QStringLiteral("Resultado4"), firstTangentText(lines[0], sep()));
    DesenharRecta(lines[1]);
    setResult(QStringLiteral("Resultado5"), TextRules::TextoEquacaoRecta(lines[1], sep()));
    explain();
}

// --- circle through P touching a line at Q ---------------------------------

void Circles3Form::circleTangentAtQ() {
    setResult(QStringLiteral("Resultado3"), QString());
    DesenharEixos();
    const Line l = givenLine(0);
    const Pt p = givenPoint(0);
    const Pt q = givenPoint(1);
    board()->setForeColor(Azul);
    guides(p);
    guides(q);
    pen(Azul, 2, DashStyle::Solid);
    const auto lineVerdict = [&](std::optional<bool> (*verdict)(const exact::Number&)) {
        return exactly([&](const exact::FrameData& d) { return verdict(d.line(0).a); });
    };
    const std::optional<bool> noLine =
        exactly([](const exact::FrameData& d) { return exact::verdict::noLine(d.line(0)); });
    DesenharRecta(l, noLine);
    dot(p, "P");
    dot(q, "Q");
    const auto onTheLine = [this](std::size_t point) {
        return exactly([point](const exact::FrameData& d) {
            return exact::verdict::onLine(d.line(0), d.point(point));
        });
    };
    if (!onTheLine(1).value_or(l.a * q.x + l.b * q.y + l.c == 0)) {
        if (ModoResolver()) explain();
        stop(tr("O ponto Q não pertence à recta."));
    }
    if (!ModoResolver()) return;
    if (onTheLine(0).value_or(false) || noLine.value_or(false)) { // no circle: a division by zero
        explain();
        Fault::raise(Fault::DivisionByZero);
    }
    // a = 0 as typed: the reader's doubles may leave a residue of c's literal.
    const Pt centre =
        centreTouchingAt(l, p, q, lineVerdict(exact::verdict::isZero).value_or(l.a == 0));
    const Real r = distance(p, centre);
    pen(Vermelho, 2, DashStyle::Solid);
    circle({centre.x, centre.y, r});
    setResult(QStringLiteral("Resultado3"),
              TextRules::circleEquation(QStringLiteral("(x-"), TextRules::rounded(centre.x, sep()),
                                        TextRules::rounded(centre.y, sep()), r * r, sep()));
    explain();
}
