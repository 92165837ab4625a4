// The worked solutions of every frame proved on the real forms: random
// data of every kind a pupil types are typed into a frame,
// "Resolver" is pressed, and the solution the form hands on must hold line
// by line, end on what the frame's result label shows (through the form's
// rounding), and stop, saying why, exactly where the form gives a verdict
// in words or a message.

#include "formcase.h"
#include "framesundertest.h"
#include "rounds.h"
#include "solution.h"

#include <QRegularExpression>
#include <random>

using namespace FormCases;
using namespace FramesUnderTest;

/// Random data per frame: 200, or 2000 in the long run.
const int kRounds = rounds(200);

namespace {

/// What the form says when the solution stops on a verdict: its message, or
/// the verdict written in the label.
QString verdictShown(const FrameUnderTest& f, exact::Verdict v) {
    using V = exact::Verdict;
    switch (v) {
    case V::NotALine:
        return NotALine;
    case V::CoincidentPoints:
        return f.topic() != Topic::Recta1
                   ? NotALine
                   : QStringLiteral("Não há recta nessas condições. Altere as "
                                    "coordenadas dos pontos.");
    case V::NotParallel:
        return QStringLiteral("As rectas não são paralelas.");
    case V::NotATriangle:
        if (f.problem.frame().name == std::string_view("triangulo-1")) return DivisionByZero;
        return f.name() == "triangulo-2"
                   ? QStringLiteral("Os três pontos são colineares, não definem um triângulo.")
                   : NoTriangle;
    case V::PointInsideCircle:
        return QStringLiteral("O ponto é interior à circunferência.");
    case V::NoCircleThroughPoints:
        return QStringLiteral("Os pontos não definem uma circunferência");
    case V::PointNotOnLine:
        return QStringLiteral("O ponto Q não pertence à recta.");
    case V::PointOnTangent:
    case V::CoincidentCircles:
        return DivisionByZero;
    case V::CirclesApart:
        return QStringLiteral("As circunferências não se intersectam.");
    case V::PointNotExterior:
        return QStringLiteral("O ponto não é exterior à circunferência.");
    case V::ParallelLines:
        return f.name() == "recta2-4" || f.topic() == Topic::Recta4 ? NoVerb : Parallel;
    case V::BadInclination:
        return QStringLiteral(
            "A inclinação de uma recta não pode ser negativa nem maior que 180 graus");
    case V::LineMissesCircle:
        return QStringLiteral("A recta não intersecta a circunferência.");
    case V::PointNotOnCircle:
        return QStringLiteral("O ponto não pertence à circunferência.");
    case V::ZeroRadius:
        return QStringLiteral("O raio não pode ser zero.");
    case V::CentreOnLine: // the second circle page writes the circle of radius 0: "… = 0"
        if (f.topic() == Topic::Circunferencia2) return {};
        return QStringLiteral(
            "A recta contém o centro da circunferência; esta reduz-se a um ponto.");
    default:
        return Coincident;
    }
}

/// Messages after which a form leaves the board as it was, or shows the
/// axes only: no worked solution goes with them.
const QStringList kRefusedBeforeDrawing{
    NoTriangle,
    NotACircle,
    APoint,
    QStringLiteral("A primeira equação não representa uma circunferência."),
    QStringLiteral("A primeira equação representa um ponto."),
    QStringLiteral("A segunda equação não representa uma circunferência."),
    QStringLiteral("A segunda equação representa um ponto.")};

/// The red primitives of the drawing: the answer as the form drew it.
std::vector<Primitive> red(const ProblemForm& form) {
    std::vector<Primitive> found;
    for (const Primitive& p : form.board()->displayList())
        if (p.color == Vermelho && p.kind != Primitive::Kind::Window) found.push_back(p);
    return found;
}

bool onLine(const exact::Line& l, QPointF p) {
    const double a = l.a.toDouble(), b = l.b.toDouble(), c = l.c.toDouble();
    return std::fabs(a * p.x() + b * p.y() + c) <=
           1e-6 * (std::fabs(a * p.x()) + std::fabs(b * p.y()) + std::fabs(c) + 1);
}

/// Whether the first two lines are parallel but for the last bits of their
/// doubles: the meeting point of such lines, not exact, is anywhere.
bool nearlyParallel(const QStringList& typed) {
    std::vector<exact::Line> lines;
    for (const QString& t : typed)
        if (t.contains('=')) lines.push_back(exact::readLine(t.toStdString()).line);
    if (lines.size() < 2) return false;
    const exact::Line &r = lines[0], &s = lines[1];
    const double p = r.a.toDouble() * s.b.toDouble(), q = s.a.toDouble() * r.b.toDouble();
    return std::fabs(p - q) <= 1e-9 * (std::fabs(p) + std::fabs(q));
}

/// Whether a line crosses the default viewport shrunk by one unit, where the
/// form draws it.
bool crossesTheView(const exact::Line& l) {
    const double a = l.a.toDouble(), b = l.b.toDouble(), c = l.c.toDouble();
    int above = 0;
    for (const double x : {-9.0, 9.0})
        for (const double y : {-9.0, 9.0})
            above += a * x + b * y + c > 0;
    return above != 0 && above != 4;
}

/// The frames that write no label show their answer only on the board.
QString drawingDisagrees(const exact::Solution& s, const ProblemForm& form) {
    const std::vector<Primitive> drawn = red(form);
    if (const auto* p = s.answer.get<exact::Point>({})) {
        const bool dotted = std::any_of(drawn.begin(), drawn.end(), [&](const Primitive& d) {
            return d.kind == Primitive::Kind::Dot &&
                   nearPoint(d.p1, {p->x.toDouble(), p->y.toDouble()});
        });
        return dotted ? QString() : QStringLiteral("no red dot at the point");
    }
    if (const auto* c = s.answer.get<exact::Circle>({})) {
        const bool drawnAt = std::any_of(drawn.begin(), drawn.end(), [&](const Primitive& d) {
            return d.kind == Primitive::Kind::Circle &&
                   nearPoint(d.p1, {c->centre.x.toDouble(), c->centre.y.toDouble()}) &&
                   near(d.radius, c->radius.toDouble(), 1e-6);
        });
        return drawnAt ? QString() : QStringLiteral("no red circle where the answer is");
    }
    if (const auto* l = s.answer.get<exact::Line>({})) {
        const bool drawnOn =
            drawn.size() == 1 && onLine(*l, drawn[0].p1) && onLine(*l, drawn[0].p2);
        return drawnOn || !crossesTheView(*l) ? QString()
                                              : QStringLiteral("the red line is not the answer");
    }
    return {};
}

/// Whether every part of the answer is what its label shows (the failures
/// logged).
bool agreesWithLabels(const exact::Solution& s, const ProblemForm& form, Topic topic) {
    for (const exact::AnswerPart& part : s.answer.parts()) {
        const QString label = resultText(form, QString::fromStdString(part.label));
        const QString why = solutioncheck::disagreement(part, label, roundsItsLabel(topic, part));
        if (!why.isEmpty()) {
            qWarning("%s", qPrintable(why));
            return false;
        }
    }
    return true;
}

} // namespace

class tst_WorkedSolutions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useDecimalComma(true); }

    void randomData_data() { everyProblem(); }

    /// Random data typed into the real form, "Resolver" pressed.
    void randomData() {
        QFETCH(int, frame);
        FrameOnForm on(frame);
        QVERIFY(on.box);
        const FrameUnderTest& f = on.f;
        OpenForm& open = on.open;
        const QString resultLabel = firstResult(on.box);
        Typing typing(101 + unsigned(frame));
        int solved = 0, stopped = 0, faults = 0, refusals = 0;
        for (int round = 0; round < kRounds; ++round) {
            const QStringList texts = randomTexts(f, typing);
            on.solve(texts);
            const QString data = texts.join(QStringLiteral("; "));
            const exact::Solution* s = open.form->solution();
            QStringList said;
            for (const Message& m : open.messages)
                said << m.text;
            if (!s) { // an arithmetic fault of the form's: the generic report, and no solution
                // (or a message before the board was drawn again: a refused circle,
                // vertices in a straight line)
                const bool refused = !said.isEmpty() && kRefusedBeforeDrawing.contains(said.last());
                QVERIFY2((!said.isEmpty() && said.last().startsWith("Erro:")) || refused ||
                             data.contains("pi"),
                         qPrintable(data + said.join('|')));
                ++(refused ? refusals : faults);
                continue;
            }
            const QString plain = QString::fromStdString(exact::plainText(*s, ","));
            const QString where = data + "\n" + plain;
            const QString failed =
                solutioncheck::failedLine(*s, typedLines(*open.form), typedCircles(*open.form));
            // Three typed points in a straight line up to the rounding of π: no exact circle.
            const bool nearlyFlat = f.points == 3 && data.contains(QLatin1String("pi"));
            QVERIFY2(failed.isEmpty() || nearlyFlat, qPrintable(where + failed));
            static const QRegularExpression noNumber("\\b(inf|nan)\\b");
            QVERIFY2(!plain.contains(noNumber), qPrintable(where));
            QVERIFY2(!s->answer.empty() &&
                         QString::fromStdString(s->answer.parts().front().label) == resultLabel,
                     qPrintable(where));
            const exact::AnswerPart& part = s->answer.parts().front();
            const QString label = resultText(*open.form, resultLabel);
            const auto* verdict = std::get_if<exact::Verdict>(&part.value);
            if (s->stopped) ++stopped;
            const bool exactData = !data.contains(QLatin1String("pi"));
            if (verdict && !s->stopped) { // a verdict that is the answer: the label's words
                QVERIFY2(!solutioncheck::verdictText(*verdict).isEmpty(), qPrintable(where));
                if (exactData)
                    QVERIFY2(agreesWithLabels(*s, *open.form, f.topic()), qPrintable(where));
            } else if (verdict && exactData) {
                const QString shown = verdictShown(f, *verdict);
                QVERIFY2(said.contains(shown) || label == shown ||
                             (shown.isEmpty() && label.endsWith(" = 0")),
                         qPrintable(where + said.join('|')));
            } else if (verdict) { // the form's verdict on doubles: not the pupil's numbers
                QVERIFY2(s->stopped, qPrintable(where));
            } else if (!resultLabel.isEmpty()) {
                // The doubles of a text that is not exact carry residues (x = π/6
                // read with −1,7E−16·y) on which the form still decides: where it
                // wrote no value, its verdict is not the one the solution reasons to.
                if (!exactData && (label.isEmpty() || nearlyParallel(texts) ||
                                   label.contains("E+") || nearlyFlat)) {
                    ++solved; // a solution, whose numbers are the rounding's
                    continue;
                }
                QVERIFY2(agreesWithLabels(*s, *open.form, f.topic()), qPrintable(where));
            } else if (exactData) {
                const QString why = drawingDisagrees(*s, *open.form);
                QVERIFY2(why.isEmpty(), qPrintable(where + why));
            }
            ++solved;
        }
        qInfo("%s: %d solutions (%d stopped on a verdict), %d arithmetic faults, %d refused "
              "before drawing",
              f.name().data(), solved, stopped, faults, refusals);
        QVERIFY(solved + refusals > kRounds * 9 / 10);
        QVERIFY(solved > kRounds / 5);
    }
};

QTEST_MAIN(tst_WorkedSolutions)
#include "tst_workedsolutions.moc"
