// The worked solutions of every frame proved on the real forms: random
// data of every kind a pupil types are typed into a frame,
// "Resolver" is pressed, and the solution the form hands on must hold line
// by line, end on what the frame's result label shows (through the form's
// rounding), and stop, saying why, exactly where the form gives a verdict
// in words or a message.

#include "formcase.h"
#include "framebuilder.h"
#include "rounds.h"
#include "solution.h"

#include <QRegularExpression>
#include <random>

using namespace FormCases;

/// Random data per frame: 200, or 2000 in the long run.
const int kRounds = rounds(200);

namespace {

/// Texts of the kinds pupils type: whole numbers, fractions, roots, sums,
/// decimals and, now and then, a value that is not exact.
class Typing {
public:
    explicit Typing(unsigned seed)
        : m_random(seed) {}

    int integer(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }

    /// `exactOnly`: never a value that is not exact.
    QString number(bool exactOnly = false) {
        const int a = integer(-9, 9), b = integer(1, 7), n = integer(2, 7);
        switch (integer(0, exactOnly ? 10 : 11)) {
        case 0:
        case 1:
        case 2:
            return QString::number(a);
        case 3:
        case 4:
            return QStringLiteral("%1/%2").arg(a).arg(b);
        case 5:
            return QStringLiteral("%1sqr(%2)").arg(a).arg(n);
        case 6:
            return QStringLiteral("%1/%2+sqr(%3)").arg(a).arg(b).arg(n);
        case 7:
        case 8:
        case 9:
            return QStringLiteral("%1.%2").arg(a).arg(integer(1, 99));
        case 10:
            return QStringLiteral("0.1+0.%1").arg(integer(1, 8));
        default:
            return QStringLiteral("pi/%1").arg(b);
        }
    }

    /// A coefficient: a number, sometimes 0.
    QString coefficient() { return integer(0, 4) == 0 ? QStringLiteral("0") : number(); }

    QString line() {
        switch (integer(0, 5)) {
        case 0:
            return QStringLiteral("y=(%1)*x+(%2)").arg(number(), number());
        case 1:
            return QStringLiteral("x=%1").arg(number());
        case 2:
            return QStringLiteral("0.%1x+0.%2y=0.%3")
                .arg(integer(1, 9))
                .arg(integer(1, 9))
                .arg(integer(0, 9));
        case 3:
            if (integer(0, 6) == 0) return QStringLiteral("0x+0y=%1").arg(number());
            [[fallthrough]];
        default:
            return QStringLiteral("(%1)*x+(%2)*y=(%3)").arg(coefficient(), coefficient(), number());
        }
    }

    /// Another line, often parallel to the first or the same line written
    /// at another scale (with decimals, where doubles go astray).
    QString secondLine(const QString& first) {
        // Doubles of values that are not exact cannot tell parallel from
        // nearly parallel: no such pairs are made.
        if (first.contains(QLatin1String("pi"))) return line();
        const QString side = first.section('=', 0, 0), other = first.section('=', 1);
        const QString k = integer(0, 1) ? QStringLiteral("0.%1").arg(integer(1, 9)) : number(true);
        switch (integer(0, 5)) {
        case 0:
            return QStringLiteral("(%1)*(%2)=(%1)*(%3)").arg(k, side, other);
        case 1:
            return QStringLiteral("(%1)*(%2)=(%1)*(%3)+%4").arg(k, side, other, number(true));
        default:
            return line();
        }
    }

    /// A circle's equation: centred, developed, or times a factor.
    QString circle() {
        const QString a = number(), b = number(), r = number();
        switch (integer(0, 2)) {
        case 0:
            return QStringLiteral("(x-(%1))^2+(y-(%2))^2=(%3)^2").arg(a, b, r);
        case 1:
            return QStringLiteral("x^2+y^2+(%1)*x+(%2)*y=(%3)^2").arg(a, b, r);
        default:
            return QStringLiteral("%4*x^2+%4*y^2=(%1)*x+(%2)*y+%3")
                .arg(a, b, number(true), QString::number(integer(1, 3)));
        }
    }

    /// Two circles, often touching from outside or inside, concentric, one
    /// circle typed twice, or the second through the first's centre.
    QStringList twoCircles() {
        const QString a = number(true), b = number(true), r = number(true), s = number(true);
        const QString first = QStringLiteral("(x-(%1))^2+(y-(%2))^2=(%3)^2").arg(a, b, r);
        const auto at = [&](const QString& distance) {
            return QStringLiteral("(x-(%1)-(%3)*3/5)^2+(y-(%2)-(%3)*4/5)^2=(%4)^2")
                .arg(a, b, distance, s);
        };
        switch (integer(0, 6)) {
        case 0:
            return {first, at(QStringLiteral("abs(%1)+abs(%2)").arg(r, s))};
        case 1:
            return {first, at(QStringLiteral("abs(%1)-abs(%2)").arg(r, s))};
        case 2:
            return {first, at(QStringLiteral("0"))};
        case 3:
            return {first,
                    QStringLiteral("2*x^2+2*y^2-4*(%1)*x-4*(%2)*y=2*(%3)^2-2*(%1)^2-2*(%2)^2")
                        .arg(a, b, r)};
        case 4:
            return {first, at(r)};
        default:
            return {circle(), circle()};
        }
    }

    /// A circle and a point outside it (that of pointOnCircle moved k times
    /// as far from the centre), or on a vertical tangent (x_C + |r| , y).
    QStringList pointOutsideCircle() {
        const QString a = number(true), b = number(true), r = number(true);
        const QString k = QStringLiteral("%1/3").arg(integer(4, 12));
        const QString c = QStringLiteral("(x-(%1))^2+(y-(%2))^2=(%3)^2").arg(a, b, r);
        switch (integer(0, 5)) {
        case 0:
            return {number(), number(), circle()};
        case 1:
        case 2:
            return {QStringLiteral("(%1)+abs(%2)").arg(a, r), number(), c};
        default:
            return {QStringLiteral("(%1)+(%2)*(%3)*3/5").arg(a, r, k),
                    QStringLiteral("(%1)+(%2)*(%3)*4/5").arg(b, r, k), c};
        }
    }

    /// A circle and, most of the time, a point on it: its centre moved by
    /// (3r/5 , 4r/5).
    QStringList pointOnCircle() {
        const QString a = number(true), b = number(true), r = number(true);
        if (integer(0, 3) == 0) return {number(), number(), circle()};
        return {QStringLiteral("(%1)+(%2)*3/5").arg(a, r),
                QStringLiteral("(%1)+(%2)*4/5").arg(b, r),
                QStringLiteral("(x-(%1))^2+(y-(%2))^2=(%3)^2").arg(a, b, r)};
    }

    /// An angle in degrees: often a multiple of 15º, notable or not.
    QString angle() { return integer(0, 2) ? QString::number(15 * integer(-1, 13)) : number(); }

    /// Three points, often the third on the line of the first two:
    /// A + k(B − A).
    QStringList threePoints() {
        QStringList p = twoPoints();
        if (integer(0, 1)) return p << number() << number();
        const QString k = number(true);
        return p << QStringLiteral("(%1)+(%2)*((%3)-(%1))").arg(p[0], k, p[2])
                 << QStringLiteral("(%1)+(%2)*((%3)-(%1))").arg(p[1], k, p[3]);
    }

    /// Two points, now and then the same point written in two ways.
    QStringList twoPoints() {
        QStringList p{number(), number(), number(), number()};
        if (integer(0, 9) == 0) {
            p[2] = QStringLiteral("(%1)*1").arg(p[0]);
            p[3] = QStringLiteral("(%1)+0").arg(p[1]);
        }
        return p;
    }

private:
    std::mt19937 m_random;
};

/// One problem of the frame table as this suite drives it: its fields in the
/// order its random texts are made (the points' coordinates, the lines, the
/// circles, then a radius, a slope or an angle), how many of each, and the
/// option to mark.
struct FrameUnderTest {
    exact::FrameId problem;
    QStringList fields;
    int points = 0, lines = 0, circles = 0;
    QString option;

    std::string_view name() const { return problem.name(); }
    Topic topic() const { return problem.topic(); }
    /// The line mostly through the second point (the circle touching a line at Q).
    bool throughSecondPoint() const { return name() == "circunferencia3-3"; }
    /// The point mostly outside the circle (the tangents from a point).
    bool pointOutside() const { return name() == "circunferencia3-2"; }
};

FrameUnderTest underTest(const exact::FrameId& problem) {
    FrameUnderTest f;
    f.problem = problem;
    const auto rank = [](const exact::FrameField& field) {
        using R = exact::Role;
        return field.role == R::Point    ? 0
               : field.role == R::Line   ? 1
               : field.role == R::Circle ? 2
                                         : 3;
    };
    std::vector<exact::FrameField> fields = problem.fields();
    std::stable_sort(fields.begin(), fields.end(),
                     [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    for (const exact::FrameField& field : fields) {
        if (field.role == exact::Role::Point)
            f.fields << QString("Abcissa") + field.name << QString("Ordenada") + field.name;
        else
            f.fields << field.name;
        f.points += field.role == exact::Role::Point;
        f.lines += field.role == exact::Role::Line;
        f.circles += field.role == exact::Role::Circle;
    }
    f.option = QString::fromUtf8(problem.optionButton().data(), problem.optionButton().size());
    return f;
}

/// The frame of a problem on its form.
QGroupBox* boxOf(const ProblemForm& form, const exact::FrameId& problem) {
    for (QGroupBox* box : form.findChildren<QGroupBox*>())
        if (definitionOf(box) == &problem.frame()) return box;
    return nullptr;
}

/// The first result of a frame, which its answer's first part is written into.
QString firstResult(const QGroupBox* box) {
    for (const QWidget* w : box->findChildren<QWidget*>())
        if (isResult(w)) return w->objectName();
    return {};
}

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

    void randomData_data() {
        QTest::addColumn<int>("frame");
        for (std::size_t i = 0; i < exact::allFrames().size(); ++i)
            QTest::newRow(exact::allFrames()[i].name().data()) << int(i);
    }

    /// Random data typed into the real form, "Resolver" pressed.
    void randomData() {
        QFETCH(int, frame);
        const FrameUnderTest f = underTest(exact::allFrames().at(std::size_t(frame)));
        OpenForm open(f.topic());
        const QGroupBox* box = boxOf(*open.form, f.problem);
        QVERIFY(box);
        const QString button = frameButton(box, PressKind::Resolver)->objectName();
        const QString resultLabel = firstResult(box);
        Typing typing(101 + unsigned(frame));
        int solved = 0, stopped = 0, faults = 0, refusals = 0;
        for (int round = 0; round < kRounds; ++round) {
            QStringList texts = f.points == 3   ? typing.threePoints()
                                : f.points == 2 ? typing.twoPoints()
                                                : QStringList();
            if (f.points == 1 && f.circles == 1)
                texts << (f.pointOutside() ? typing.pointOutsideCircle() : typing.pointOnCircle());
            if (f.points == 1 && f.circles == 0) texts << typing.number() << typing.number();
            if (f.lines > 0) texts << typing.line();
            if (f.lines > 1) texts << typing.secondLine(texts.last());
            if (f.circles == 1 && f.points == 0) texts << typing.circle();
            if (f.circles == 2) texts << typing.twoCircles();
            if (f.throughSecondPoint() && typing.integer(0, 5) != 0)
                texts.last() =
                    QStringLiteral("(%1)*(x-(%2))+(%3)*(y-(%4))=0")
                        .arg(typing.number(true), texts[2], typing.number(true), texts[3]);
            while (texts.size() < f.fields.size()) // a radius, a slope, an angle
                texts << (f.fields[texts.size()].startsWith("Text") ? typing.angle()
                                                                    : typing.number());
            for (qsizetype i = 0; i < texts.size(); ++i)
                open.form->findChild<QLineEdit*>(f.fields[i])->setText(texts[i]);
            if (!f.option.isEmpty()) open.press(f.option);
            open.form->DesenharEixos(); // the bare axes: no solution from an earlier press
            open.messages.clear();
            if (!f.option.isEmpty()) open.press(f.option);
            open.press(button);
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
