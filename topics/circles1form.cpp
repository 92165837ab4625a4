#include "circles1form.h"

#include "circlereader.h"
#include "numbered_error.h"
#include "textrules.h"
#include "topictable.h"
#include "verdicts.h"

Circles1Form::Circles1Form(QWidget* parent)
    : ProblemForm(formTraits(Topic::Circunferencia1), parent) {
    buildFrames();
}

void Circles1Form::buildFrames() {
    addFrame(QStringLiteral("Frame6"), "circunferencia1-1", {0, 1500})
        .option({}, tr("Circunferência dada pela equação"), true)
        .field(QStringLiteral("x^2+y^2-4x-6y-3=0"), tr("Equação da circunferência"))
        .newRow()
        .option({}, tr("Circunferência dada pelo centro e pelo raio"))
        .text(tr("Centro:"))
        .point("2", "-3", tr("Abcissa do centro"), tr("Ordenada do centro"))
        .newRow()
        .text(tr("Raio:"))
        .field(QStringLiteral("4"), tr("Raio"))
        .resolverOnly(QStringLiteral("Resolver3"), [this] { circleByEquationOrCentre(); });
    addFrame(QStringLiteral("Frame4"), "circunferencia1-2", {0, 1875})
        .text(tr("Recta:"))
        .field(QStringLiteral("2x-3y+4=0"), tr("Equação da recta"))
        .newRow()
        .text(tr("P ="))
        .point("2", "-3", tr("P"))
        .newRow()
        .text(tr("Equação da circunferência:"))
        .newRow()
        .result(QStringLiteral("Resultado3"))
        .dadosResolver(1, [this] { circleTangentToLine(); });
    addFrame(QStringLiteral("Frame1"), "circunferencia1-3", {0, 1800})
        .text(tr("P ="))
        .point("3", "-5", tr("P"))
        .newRow()
        .text(tr("Circunferência:"))
        .newRow()
        .field(QStringLiteral("x^2+y^2-2x-2y-38=0"), tr("Equação da circunferência"))
        .newRow()
        .text(tr("Equação da tangente:"))
        .result(QStringLiteral("Resultado4"))
        .dadosResolver(4, [this] { tangentAtPoint(); });
    addFrame(QStringLiteral("Frame8"), "circunferencia1-4", {0, 2100})
        .text(tr("Equação da recta:"))
        .newRow()
        .field(QStringLiteral("3x-2y+1=0"), tr("Equação da recta"))
        .newRow()
        .text(tr("Circunferência:"))
        .newRow()
        .field(QStringLiteral("x^2+y^2-4x-6y-3=0"), tr("Equação da circunferência"))
        .newRow()
        .text(tr("Intersecção:"))
        .result(QStringLiteral("Resultado5"))
        .result(QStringLiteral("Resultado6"))
        .dadosResolver(5, [this] { lineMeetsCircle(); });
}

// --- drawing and text shared by the frames ---------------------------------

void Circles1Form::drawSolvedCircle(const Circle& c) {
    pen(Vermelho, 2);
    circle(c);
    dot(c.centre(), "C");
    guides(c.centre());
}

QString Circles1Form::circleEquationText(Pt centre, Real r) const {
    return TextRules::circleEquation(QStringLiteral("(x-"), TextRules::number(centre.x, sep()),
                                     TextRules::number(centre.y, sep()), square(r), sep());
}

std::pair<Pt, Pt> Circles1Form::crossings(const Line& l, const Circle& c, Real s, Real n) {
    const Real a = l.a, b = l.b;
    const Real xPart = (square(b) * c.xc - a * b * c.yc) - a * l.c;
    const Real yPart = (square(a) * c.yc - a * b * c.xc) - b * l.c;
    return {{(xPart + b * s) / n, (yPart - a * s) / n}, {(xPart - b * s) / n, (yPart + a * s) / n}};
}

std::optional<bool> Circles1Form::noLine() {
    return exactly([](const exact::FrameData& d) { return exact::verdict::noLine(d.line(0)); });
}

// --- the frames --------------------------------------------------------------

void Circles1Form::circleByEquationOrCentre() {
    DesenharEixos();
    if (markedOption() == 0) {
        drawSolvedCircle(LerEquacaoCircunferencia(*this, 0));
        explain();
    }
    if (markedOption() == 1) {
        const Pt centre = givenPoint(0);
        const Real r = givenNumber(0);
        if (exactly([](const exact::FrameData& d) {
                return exact::verdict::isZero(d.number(0));
            }).value_or(r == 0)) {
            explain();
            stop(tr("O raio não pode ser zero."));
        }
        // A negative radius is drawn as its size: the circle of radius |r|.
        drawSolvedCircle({centre.x, centre.y, abs(r)});
        explain();
    }
}

void Circles1Form::circleTangentToLine() {
    setResult(QStringLiteral("Resultado3"), {});
    const Line line = givenLine(0);
    const Pt p = givenPoint(0);
    DesenharEixos();
    pen(Azul, 2);
    dot(p, "P");
    guides(p);
    board()->setDrawWidth(2); // still dotted, but a 2-pixel line is drawn solid
    const std::optional<bool> noLine = this->noLine();
    DesenharRecta(line, noLine);
    if (!ModoResolver()) return;
    // a² + b² is exactly zero: the division below is a division by zero.
    if (noLine.value_or(false)) Fault::raise(Fault::DivisionByZero);
    // |a·x + b·y + c| / √(a² + b²) for every line, not distance(p, line),
    // whose own forms for a = 0 and b = 0 round the radius apart.
    const Real r = abs(line.a * p.x + line.b * p.y + line.c) / norm(line);
    const auto centreOnLine = [](const exact::FrameData& d) {
        return exact::verdict::onLine(d.line(0), d.point(0));
    };
    if (exactly(centreOnLine).value_or(r == 0))
        inform(tr("A recta contém o centro da circunferência; esta reduz-se a um ponto."), false);
    board()->setForeColor(Vermelho);
    circle({p.x, p.y, r});
    setResult(QStringLiteral("Resultado3"), circleEquationText(p, r));
    explain();
}

void Circles1Form::tangentAtPoint() {
    setResult(QStringLiteral("Resultado4"), {});
    DesenharEixos();
    CircleEquationReader reader(*this, 0);
    reader.strip();
    reader.checkCharacters();
    reader.sample();
    const Pt p = givenPoint(0);
    const Circle c = reader.radiusTest();
    DesenharEixos();
    pen(Azul, 2);
    circle(c);
    dot(p, "P");
    dot(c.centre(), "C");
    guides(c.centre());
    // The radius and the distance are square roots: whole numbers typed do
    // not make their doubles exact.
    const bool on = exactly(
                        [](const exact::FrameData& d) {
                            return exact::verdict::onCircle(d.point(0), d.conic(0));
                        },
                        false)
                        .value_or(c.r == distance(p, c.centre()));
    if (!on) {
        if (ModoResolver()) explain();
        stop(tr("O ponto não pertence à circunferência."));
    }
    if (!ModoResolver()) return;
    Line tangent{p.x - c.xc, p.y - c.yc, ((c.xc * p.x + c.yc * p.y) - square(p.x)) - square(p.y)};
    pen(Vermelho, 2, DashStyle::Solid);
    DesenharRecta(tangent);
    setResult(QStringLiteral("Resultado4"), TextRules::TextoEquacaoRecta(tangent, sep()));
    explain();
}

void Circles1Form::lineMeetsCircle() {
    setResult(QStringLiteral("Resultado5"), {});
    setResult(QStringLiteral("Resultado6"), {});
    CircleEquationReader circleReader(*this, 0);
    prepareEquation(exact::Role::Line, 0);
    circleReader.strip();
    checkLineText(0);
    circleReader.checkCharacters();
    circleReader.sample();
    const Circle c = circleReader.radiusTest();
    const Line line = givenLine(0); // its last stage: sampled
    DesenharEixos();
    pen(Azul, 2, DashStyle::Solid);
    circle(c);
    const Real n = square(line.a) + square(line.b);
    const Real delta = square(c.r) * n - square(line.a * c.xc + line.b * c.yc + line.c);
    // r² is the square of a square root: exact only when read exactly.
    const auto position = [this](std::optional<bool> (*verdict)(const exact::Line&,
                                                                const exact::Conic&)) {
        return exactly(
            [verdict](const exact::FrameData& d) { return verdict(d.line(0), d.conic(0)); }, false);
    };
    const std::optional<bool> noLine = this->noLine();
    if (position(exact::verdict::lineMissesCircle).value_or(delta < 0)) {
        DesenharRecta(line, noLine);
        if (ModoResolver()) explain();
        stop(tr("A recta não intersecta a circunferência."));
    }
    const bool touches = position(exact::verdict::lineTouchesCircle).value_or(delta == 0);
    const auto [p1, p2] = crossings(line, c, touches || delta < 0 ? Real(0) : sqrt(delta), n);
    DesenharRecta(p1 == p2 ? line : lineThrough(p1, p2), noLine);
    if (!ModoResolver()) return;
    board()->setForeColor(Vermelho);
    dot(p1, "A");
    dot(p2, "B");
    guides(p1);
    guides(p2);
    setResult(QStringLiteral("Resultado5"), TextRules::point(p1.x, p1.y, sep()));
    setResult(QStringLiteral("Resultado6"), TextRules::point(p2.x, p2.y, sep()));
    explain();
}
