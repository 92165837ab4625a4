// The worked solutions of every frame on the exact engine alone: the forms' examples and
// other worked cases with their exact values, degenerate data said in words, verdicts on
// exact values and the labels' order. Random data go through the real forms instead
// (tests/topics/tst_workedsolutions.cpp).

#include "circlesolutions.h"
#include "exactcase.h"
#include "frame.h"
#include "given.h"
#include "linesolutions.h"
#include "notation.h"
#include "numbered_error.h"
#include "pointsolutions.h"
#include "sentences.h"
#include "solutioncheck.h"
#include "textbookcheck.h"
#include "trianglesolutions.h"
#include "verdicts.h"

#include <QRegularExpression>
#include <QSet>
#include <map>

using namespace exact;
using namespace exactcase;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QSet<QString> asSet(const auto& names) {
    QSet<QString> set;
    for (const auto& n : names)
        set.insert(q(std::string(n)));
    return set;
}

/// A problem of the frame table, by its name.
using Problem = QString;

/// A problem's texts: its numbers (coordinates, then a radius, a slope or an
/// angle), then its lines and circles, in the order of its fields of each kind.
struct Texts {
    QStringList numbers, lines, circles;
};

/// The texts of a frame's data: an equation with a square is a circle,
/// another equation a line, any other text a number.
Texts textsOf(const QStringList& data) {
    Texts t;
    for (const QString& d : data)
        (d.contains("^2") ? t.circles : d.contains('=') ? t.lines : t.numbers) << d;
    return t;
}

/// The problem's fields typed with the texts, each kind in its order.
FrameData dataOf(Problem frame, const QStringList& data) {
    const FrameId problem = *FrameId::named(frame.toStdString());
    const Texts t = textsOf(data);
    FrameData::Texts typed;
    qsizetype number = 0, line = 0, circle = 0;
    for (const FrameField& f : problem.fields()) {
        const std::string name = f.name;
        if (f.role == Role::Point) {
            typed["Abcissa" + name] = t.numbers.value(number++).toStdString();
            typed["Ordenada" + name] = t.numbers.value(number++).toStdString();
        } else {
            const QStringList& kind = f.role == Role::Line     ? t.lines
                                      : f.role == Role::Circle ? t.circles
                                                               : t.numbers;
            qsizetype& next = f.role == Role::Line     ? line
                              : f.role == Role::Circle ? circle
                                                       : number;
            typed[name] = kind.value(next++).toStdString();
        }
    }
    return FrameData(problem, std::move(typed));
}

/// The worked solution of the problem with these data.
Solution solve(Problem frame, const QStringList& data) {
    return FrameId::named(frame.toStdString())->explain(dataOf(frame, data));
}

/// The lines and the circles of the data, for the loci of their equations.
std::vector<Line> linesOf(const QStringList& data) {
    std::vector<Line> lines;
    for (const QString& l : textsOf(data).lines)
        lines.push_back(readLine(l.toStdString()).line);
    return lines;
}

std::vector<Circle> circlesOf(const QStringList& data) {
    std::vector<Circle> circles;
    for (const QString& c : textsOf(data).circles)
        if (const Conic q = readCircle(c.toStdString()).conic; hasCircleShape(q))
            circles.push_back(circleOf({q.D / q.A, q.E / q.A, q.F / q.A}));
    return circles;
}

/// A value written as "inf" or "nan": what a solution must never show.
bool showsNoNumber(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\b(inf|nan)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return text.contains(word);
}

QString solutionText(const Solution& s) {
    return q(plainText(s, ","));
}

/// Whether the lines of a step end with the mathematics, or its sentence says it as a value.
bool says(const Solution& s, const QString& maths) {
    for (const Step& step : s.steps) {
        QStringList lines;
        for (const Math& m : step.lines)
            lines << q(linearText(m, ","));
        if (!lines.isEmpty() && lines.join("; ").endsWith(maths)) return true;
        for (const Slot& v : step.values)
            if (q(linearText(v.value, ",")) == maths) return true;
    }
    return false;
}

/// The answer as a teacher writes it: the labels' values in their order, a verdict in words.
QString answerText(const Solution& s) {
    static const std::map<Verdict, const char*> said{
        {Verdict::CoincidentPoints, "coincident points"},
        {Verdict::NotALine, "no line"},
        {Verdict::ParallelLines, "parallel lines"},
        {Verdict::CoincidentLines, "coincident lines"},
        {Verdict::NotParallel, "not parallel"},
        {Verdict::Collinear, "collinear"},
        {Verdict::NotCollinear, "not collinear"},
        {Verdict::NoSlope, "no slope"},
        {Verdict::BadInclination, "no inclination"},
        {Verdict::NotATriangle, "no triangle"},
        {Verdict::RightTriangle, "right triangle"},
        {Verdict::NotRightTriangle, "not a right triangle"},
        {Verdict::PointInsideCircle, "point inside"},
        {Verdict::NoCircleThroughPoints, "no circle"},
        {Verdict::PointNotOnLine, "point off the line"},
        {Verdict::CirclesApart, "circles apart"},
        {Verdict::PointNotExterior, "point not exterior"}};
    QStringList parts;
    for (const AnswerPart& part : s.answer.parts()) {
        const AnswerValue& v = part.value;
        if (const auto* n = std::get_if<Number>(&v))
            parts << exactcase::text(*n);
        else if (const auto* p = std::get_if<Point>(&v))
            parts << q(text(*p, ","));
        else if (const auto* l = std::get_if<Line>(&v))
            parts << q(generalEquationText(*l, ","));
        else if (const auto* c = std::get_if<Circle>(&v))
            parts << q(circleEquationText(*c, ","));
        else if (const auto* a = std::get_if<Angle>(&v))
            parts << exactcase::text(a->degrees) + "°";
        else
            parts << said.at(std::get<Verdict>(v));
    }
    return parts.join("; ");
}

} // namespace

class tst_WorkSolutions : public QObject {
    Q_OBJECT
private slots:
    /// Every kind has its sentence, with exactly the slots the kind fills,
    /// and the table has no sentence without a kind.
    void sentenceTableCoversEveryKind() {
        const SentenceTable& table = SentenceTable::portuguese();
        QSet<QString> keys;
        for (const StepKind k : allStepKinds()) {
            QVERIFY2(table.contains(key(k)), key(k).data());
            QCOMPARE(asSet(table.slotsOf(key(k))), asSet(slotNames(k)));
            keys.insert(q(std::string(key(k))));
        }
        for (const TitleKind k : allTitleKinds()) {
            QCOMPARE(asSet(table.slotsOf(key(k))), asSet(slotNames(k)));
            keys.insert(q(std::string(key(k))));
        }
        QCOMPARE(asSet(table.keys()), keys);
    }

    /// Another table of the same keys gives another language; a missing
    /// slot or a malformed table is an error, never a silent gap.
    void sentenceTables() {
        const SentenceTable english = SentenceTable::parse(
            "# another language\nmidpoint.result = The midpoint of [AB] is {M}.\n");
        const Solution s = solutions::solveMidpoint({2, -2}, {-8, 4});
        QCOMPARE(q(stepText(s.steps.back(), ".", english)), "The midpoint of [AB] is M(−3 , 1).");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SentenceTable::parse("no sign"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SentenceTable::parse("a = 1\na = 2"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, english.fill("midpoint.result", {}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, sentence(s.steps.front(), english));
        // Mathematics between two "$" is a tree, set as mathematics; words stay words.
        const Math named =
            SentenceTable::parse("k = a recta $r$:~{e}, o vector $AB⃗$ e $y − y_P = m(x − x_P)$.")
                .fill("k", {{"e", equation(symbol("y"), value(2))}});
        std::vector<Math::Kind> kinds;
        for (const Math& part : named.children())
            if (part.kind() != Math::Kind::Words) kinds.push_back(part.kind());
        QCOMPARE(kinds, (std::vector<Math::Kind>{Math::Kind::Symbol, Math::Kind::Chain,
                                                 Math::Kind::Vector, Math::Kind::Chain}));
        QCOMPARE(q(linearText(named, ".")),
                 "a recta r: y = 2, o vector AB⃗ e y − y_P = m(x − x_P).");
        // "~" does not break: the words keep a space that no row breaks at.
        QVERIFY(q(named.children()[2].text()).contains(QChar(0x00A0)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SentenceTable::parse("k = a $r"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, SentenceTable::parse("k = $x = = $"));
    }

    /// The formulas of the sentence table read back as they are written.
    void tableFormulasReadBack() {
        const SentenceTable& table = SentenceTable::portuguese();
        int formulas = 0;
        for (const std::string& k : table.keys()) {
            std::vector<Slot> values;
            for (const std::string& name : table.slotsOf(k))
                values.push_back({name, symbol("X")});
            const Math filled = table.fill(k, values);
            for (const Math& part : filled.children()) {
                if (part.kind() == Math::Kind::Words || sameTree(part, symbol("X"))) continue;
                const std::string written = linearText(part, ".");
                const std::optional<Math> again = parseLinear(written);
                QVERIFY2(again && linearText(*again, ".") == written, written.c_str());
                ++formulas;
            }
        }
        QVERIFY(formulas > 100);
    }

    /// An equation as the pupil typed it, or, when nothing was typed or the
    /// text does not read as the line, its general equation.
    void typedEquationsKeptAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        const auto row = [](const char* name, const char* typed, const char* written) {
            QTest::newRow(name) << QString(typed) << QString(written);
        };
        row("reduced", "y=3x-2", "y = 3x − 2");
        row("decimals as typed", "0.1x+0.2y=0.3", "0,1x + 0,2y = 0,3");
        row("parentheses kept where needed", "2*(x-1)+y=0", "2(x − 1) + y = 0");
        row("a negative coefficient", "(-7/4)*y=x", "(−7/4)y = x");
        row("roots and π", "y=sqr(2)*x+pi", "y = √2 x + π");
        row("a fraction of x", "y=x/2+1", "y = x/2 + 1");
        row("a circle", "x^2+y^2=25", "x² + y² = 25");
        row("a circle's reduced equation", "(x-1)^2+(y+2)^2=5", "(x − 1)² + (y + 2)² = 5");
    }
    void typedEquationsKeptAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        const std::string text = typed.toStdString();
        const std::optional<Math> tree =
            typed.contains("^") ? typedEquation(GivenCircle{readCircle(text).conic, text})
                                : typedEquation(GivenLine{readLine(text).line, text});
        QVERIFY(tree);
        QCOMPARE(q(linearText(*tree, ",")), written);
        // A text that is not the line read is not written as if it were.
        QVERIFY(!typedEquation(GivenLine{Line{Number(1), Number(1), Number(1)}, text}));
    }

    /// A letter outside the program's syntax (Greek, accented) or a byte that is no
    /// character reads as nothing, at once.
    void lettersOutsideTheSyntax() {
        for (const char* text : {"2Δx=1", "y=é+1", "x^Δé3x+2y-1=0"})
            QVERIFY2(!parseTyped(text), text);
        // Bytes that are no character: a continuation byte alone (0x81 then
        // "-" would decode as "m"), an overlong "0", a sequence cut short.
        for (const char* text : {"2x+3y\x81-1=0", "y=\xC0\xB0x", "x=\xE2\x88"})
            QVERIFY2(!parseTyped(text), text);
    }

    /// The forms' examples and other worked cases, as a teacher checks them: the route
    /// (the kinds of the steps, in order; left out where another row takes it), the mathematics of
    /// the steps (each ends the lines of a step or is a value its sentence says) and the answer.
    void workedCases_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QStringList>("maths");
        QTest::addColumn<QString>("answer");
        // The data apart by spaces, the mathematics by new lines.
        const auto row = [](const char* name, Problem f, const char* data, const char* route,
                            const char* maths, const char* answer) {
            QTest::newRow(name) << f << QString(data).split(' ') << QString(route)
                                << QString::fromUtf8(maths).split('\n', Qt::SkipEmptyParts)
                                << QString::fromUtf8(answer);
        };
        row("point", "pontos-1", "2 3", "point.coordinates point.projections point.plotted",
            "P = (x_P , y_P) = (2 , 3)", "(2 , 3)");
        row("point on an axis", "pontos-1", "-sqr(2) 0", "point.coordinates point.on-x-axis",
            "P = (x_P , y_P) = (−√2 , 0) ≈ (−1,41 , 0)", "(−√2 , 0)");
        row("midpoint", "pontos-2", "2 -2 -8 4",
            "midpoint.formula substitute.coordinates midpoint.compute midpoint.result",
            "M = ((2 + (−8))/2 , (−2 + 4)/2)\nM = (−6/2 , 2/2) = (−3 , 1)", "(−3 , 1)");
        row("distance", "pontos-3", "-8 -2 6 4",
            "distance.formula substitute.coordinates distance.compute radical.simplify "
            "distance.result",
            "d(A, B) = √(14² + 6²) = √(196 + 36) = √232\n√232 = √(2² × 58) = 2√58", "2√58");
        row("distance of a fraction", "pontos-3", "0 0 1/2 1",
            "distance.formula substitute.coordinates distance.compute radical.quotient "
            "distance.result",
            "√(5/4) = √5/√4 = √5/2", "√5/2");
        row("bisector", "pontos-4", "-2 -4 5 4",
            "bisector.definition bisector.distances substitute.coordinates "
            "equation.square-both-sides equation.expand-squares equation.collect-terms "
            "equation.reduced bisector.result",
            "x² + 4x + 4 + y² + 8y + 16 = x² − 10x + 25 + y² − 8y + 16\n14x + 16y − 21 = 0 ⇔ 16y = "
            "−14x + 21 ⇔ y = −(7/8)x + 21/16",
            "14x + 16y − 21 = 0");
        row("vertical bisector", "pontos-4", "2 0 0 0",
            "bisector.definition bisector.distances substitute.coordinates "
            "equation.square-both-sides equation.expand-squares equation.collect-terms "
            "equation.divide line.vertical bisector.result",
            "x − 1 = 0\nx − 1 = 0 ⇔ x = 1", "x − 1 = 0");
        row("coincident points", "pontos-4", "1 1 1 1", "coincident.points bisector.coincident",
            "A(1 , 1)\nB(1 , 1)", "coincident points");
        row("typed line", "recta1-1", "2x-3y+4=0",
            "equation.reduced typed-line.slope typed-line.y-intercept typed-line.x-intercept "
            "typed-line.result",
            "2x − 3y + 4 = 0 ⇔ −3y = −2x − 4 ⇔ y = (2/3)x + 4/3\n0 = (2/3)x_B + 4/3 ⇔ x_B = "
            "−2\nA(0 , 4/3)\nB(−2 , 0)",
            "2x − 3y + 4 = 0");
        row("typed line through the origin, written the other way round", "recta1-1", "y=2x",
            "typed-line.slope typed-line.through-origin typed-line.result",
            "A(0 , 0)\nB(1 , 2)\ny_B = 2 × 1 = 2", "2x − y = 0");
        row("typed vertical line", "recta1-1", "x=3",
            "typed-line.vertical-points typed-line.result", "A(3 , 0)\nB(3 , 1)", "x − 3 = 0");
        row("typed horizontal line with a decimal", "recta1-1", "0.5y=1",
            "line.to-general-multiply equation.reduced typed-line.horizontal-points "
            "typed-line.result",
            "0,5y = 1 ⇔ y − 2 = 0\nA(0 , 2)\nB(1 , 2)", "y − 2 = 0");
        row("typed no line", "recta1-1", "0x+0y=3", "line.not-a-line", "", "no line");
        row("line through two points", "recta1-2", "5 -3 -2 3",
            "line-through.slope line-through.point-slope equation.general-multiply "
            "line-through.result",
            "m = (y_B − y_A)/(x_B − x_A) = (3 − (−3))/(−2 − 5) = 6/(−7) = −6/7 ≈ −0,86\ny − (−3) = "
            "−(6/7)(x − 5) ⇔ y + 3 = −(6/7)x + 30/7 ⇔ y = −(6/7)x + 9/7\ny = −(6/7)x + 9/7 ⇔ "
            "(6/7)x + y − 9/7 = 0 ⇔ 6x + 7y − 9 = 0",
            "6x + 7y − 9 = 0");
        row("line through two points on a vertical", "recta1-2", "1 2 1 5",
            "line-through.same-abscissa line-through.result", "x = 1 ⇔ x − 1 = 0", "x − 1 = 0");
        row("one point twice", "recta1-2", "0.1+0.2 1 0.3 1",
            "coincident.points line-through.no-line", "A(3/10 , 1)\nB(3/10 , 1)",
            "coincident points");
        row("parallel", "recta1-3", "2 3 2x+3y-1=0",
            "parallel.family family.through-point equation.reduced parallel.result",
            "2x + 3y + k = 0\n2 × 2 + 3 × 3 + k = 0 ⇔ 13 + k = 0 ⇔ k = −13", "2x + 3y − 13 = 0");
        row("perpendicular", "recta1-4", "2 3 2x+3y-1=0",
            "perpendicular.family family.through-point equation.reduced perpendicular.result",
            "3 × 2 − 2 × 3 + k = 0 ⇔ 0 + k = 0 ⇔ k = 0\n3x − 2y = 0 ⇔ −2y = −3x ⇔ y = (3/2)x",
            "3x − 2y = 0");
        row("intersection", "recta2-1", "2x+3y+4=0 5x-2y+4=0",
            "intersection.system intersection.isolate intersection.substitute "
            "intersection.back-substitute intersection.result",
            "2x + 3y + 4 = 0 ⇔ 3y = −2x − 4 ⇔ y = −(2/3)x − 4/3\n5x − 2(−(2/3)x − 4/3) + 4 = 0 ⇔ "
            "5x + (4/3)x + 8/3 + 4 = 0 ⇔ (19/3)x + 20/3 = 0 ⇔ (19/3)x = −20/3 ⇔ x = −20/19\ny = "
            "−(2/3) × (−20/19) − 4/3 = −12/19 ≈ −0,63",
            "(−20/19 , −12/19)");
        row("intersection of a vertical and a horizontal line", "recta2-1", "x=-2.5 y=1/8",
            "intersection.system intersection.result", "", "(−5/2 , 1/8)");
        row("intersection of parallels", "recta2-1", "2x+3y+4=0 2x+3y-4=0",
            "intersection.system intersection.isolate intersection.substitute "
            "intersection.parallel",
            "2x + 3(−(2/3)x − 4/3) − 4 = 0 ⇔ 2x − 2x − 4 − 4 = 0 ⇔ 0x = 8", "parallel lines");
        row("intersection of one line written twice with decimals", "recta2-1",
            "0.1x+0.2y=0.3 0.3x+0.6y=0.9",
            "line.to-general-multiply line.to-general-multiply intersection.system "
            "intersection.isolate intersection.substitute intersection.coincident",
            "0,1x + 0,2y = 0,3 ⇔ x + 2y − 3 = 0\n0,3x + 0,6y = 0,9 ⇔ x + 2y − 3 = 0\nx + 2y − 3 = "
            "0 ⇔ x = −2y + 3\n(−2y + 3) + 2y − 3 = 0 ⇔ −2y + 3 + 2y − 3 = 0 ⇔ 0y = 0",
            "coincident lines");
        row("parallel distance", "recta2-2", "2x+3y+4=0 2x+3y-4=0",
            "parallel-distance.parallel parallel-distance.method parallel-distance.point "
            "distance-line.formula distance-line.substitute distance-line.rationalise "
            "parallel-distance.result",
            "a_r b_s − a_s b_r = 2 × 3 − 2 × 3 = 0\n3y_P + 4 = 0 ⇔ y_P = −4/3\nd(r, s) = d(P, s) = "
            "|a_s x_P + b_s y_P + c_s|/√(a_s² + b_s²)\nd(r, s) = |−8|/√13 = 8/√13 = 8√13/13 ≈ 2,22",
            "8√13/13");
        row("parallel distance of lines that are not parallel", "recta2-2", "2x+3y+4=0 -2x+3y+4=0",
            "line.change-sign parallel-distance.not-parallel",
            "a_r b_s − a_s b_r = 2 × (−3) − 2 × 3 = −12 ≠ 0", "not parallel");
        row("distance from a point to a line", "recta2-3", "-2 5 3x-4y=24",
            "line.to-general distance-line.formula distance-line.substitute distance-line.compute "
            "point-line-distance.result",
            "d(P, r) = |ax_P + by_P + c|/√(a² + b²)\nd(P, r) = |3 × (−2) − 4 × 5 − 24|/√(3² + "
            "(−4)²)\nd(P, r) = |−50|/√25 = 50/5 = 10",
            "10");
        row("a point on the line", "recta2-3", "1 0 x+y=1",
            "line.to-general distance-line.formula distance-line.substitute distance-line.compute "
            "point-line-distance.on-line",
            "", "0");
        row("angle", "recta2-4", "2x-5y=3 x+3y=0",
            "line.to-general angle.vectors angle.formula angle.substitute angle.compute "
            "angle.inverse angle.result",
            "u⃗ = (−b_r , a_r) = (5 , 2); v⃗ = (−b_s , a_s) = (−3 , 1)\ncos(θ) = |5 × (−3) + 2 × "
            "1|/(√(5² + 2²) √((−3)² + 1²))\ncos(θ) = |−13|/(√29 √10) = 13/√290 = 13√290/290 ≈ "
            "0,76\nθ = cos⁻¹(13√290/290) ≈ 40,24° ≈ 40° 14′ 10,89″",
            "≈ 40,24°");
        row("a notable angle", "recta2-4", "y=0 y=-sqr(3)*x",
            "line.to-general angle.vectors angle.formula angle.substitute angle.compute "
            "angle.notable angle.result",
            "cos(θ) = |1|/(√1 √4) = 1/2 = 0,5\nθ = 60°", "60°");
        row("perpendicular lines", "recta2-4", "y=x y=-x",
            "line.to-general-multiply line.to-general angle.vectors angle.formula angle.substitute "
            "angle.perpendicular angle.notable angle.result",
            "cos(θ) = |0|/(√2 √2) = 0/2 = 0", "90°");
        row("angle of parallels", "recta2-4", "x+y=0 2x+2y=5",
            "line.to-general angle.vectors angle.parallel",
            "u₁ v₂ − u₂ v₁ = (−1) × 2 − 1 × (−2) = 0", "parallel lines");
        row("collinear", "recta3-1", "2 3 4 6 -2 -3", "collinear.slopes collinear.yes",
            "m_AB = (y_B − y_A)/(x_B − x_A) = (6 − 3)/(4 − 2) = 3/2 = 1,5; m_AC = (y_C − y_A)/(x_C "
            "− x_A) = (−3 − 3)/(−2 − 2) = −6/(−4) = 3/2 = 1,5; m_AB = m_AC",
            "collinear");
        row("not collinear", "recta3-1", "2 3 4 6 -2 -2", "collinear.slopes collinear.no", "",
            "not collinear");
        row("collinear on a vertical", "recta3-1", "1 0 1 5 1 -7",
            "collinear.vectors collinear.yes", "AB⃗ = (0 , 5); AC⃗ = (0 , −7); 0 × (−7) − 5 × 0 = 0",
            "collinear");
        row("one point twice", "recta3-1", "1 2 0.5+0.5 2 3 4", "collinear.coincident", "",
            "collinear");
        row("slope and inclination", "recta3-2a", "2 -2 -8 4",
            "line-through.slope inclination.tangent inclination.obtuse inclination.result",
            "m = (y_B − y_A)/(x_B − x_A) = (4 − (−2))/(−8 − 2) = 6/(−10) = −3/5 = −0,6\nα = 180° + "
            "tg⁻¹(−3/5) ≈ 149,04° ≈ 149° 2′ 10,48″",
            "−3/5; ≈ 149,04°");
        row("inclination of a notable slope", "recta3-2b", "y=-sqr(3)*x",
            "slope.reduced inclination.tangent inclination.notable inclination.result", "α = 120°",
            "−√3; 120°");
        row("slope of a typed line", "recta3-2b", "2x-3y+7=0",
            "equation.reduced slope.reduced inclination.tangent inclination.inverse "
            "inclination.result",
            "α = tg⁻¹(2/3) ≈ 33,69° ≈ 33° 41′ 24,24″", "2/3; ≈ 33,69°");
        row("no slope", "recta3-2b", "x=3", "slope.none", "", "no slope; 90°");
        row("parallel lines", "recta3-3", "x-y+4=0 2x-2y-1=0", "position.compare position.parallel",
            "a_r b_s − a_s b_r = 1 × (−2) − 2 × (−1) = 0\na_r c_s − a_s c_r = 1 × (−1) − 2 × 4 = "
            "−9; b_r c_s − b_s c_r = (−1) × (−1) − (−2) × 4 = 9",
            "parallel lines");
        row("concurrent lines", "recta3-3", "x+y-1=0 x-y-1=0",
            "position.compare position.concurrent intersection.system intersection.isolate "
            "intersection.substitute intersection.back-substitute intersection.result",
            "", "(1 , 0)");
        row("coincident lines", "recta3-3", "0.1x+0.2y=0.3 0.3x+0.6y=0.9",
            "line.to-general-multiply line.to-general-multiply position.compare "
            "position.coincident",
            "a_r c_s − a_s c_r = 1 × (−3) − 1 × (−3) = 0; b_r c_s − b_s c_r = 2 × (−3) − 2 × (−3) "
            "= 0",
            "coincident lines");
        row("parallel to the x axis", "recta4-1a", "-1 3", "axis.horizontal", "y = y_P = 3",
            "y − 3 = 0");
        row("an inclination of 30º", "recta4-1c", "-1 3 30",
            "inclination.slope slope.through-point equation.general-multiply through-point.result",
            "m = tg(30°) = √3/3 ≈ 0,58", "√3 x − 3y + 9 + √3 = 0");
        row("an inclination of 90º", "recta4-1c", "-1 3 90", "inclination.vertical", "x = x_P = −1",
            "x + 1 = 0");
        row("an inclination of 181º", "recta4-1c", "-1 3 181", "inclination.out-of-range", "",
            "no inclination");
        row("a given slope", "recta4-1d", "-1 3 1",
            "slope.through-point equation.general-multiply through-point.result", "",
            "x − y + 4 = 0");
        row("at 30º with a line", "recta4-1e", "-1 3 30 2x-y+3=0",
            "angle-line.tangent angle-line.normals angle-line.first family.through-point "
            "equation.multiply angle-line.second family.through-point equation.multiply "
            "angle-line.result",
            "tg(β) = tg(30°) = √3/3 ≈ 0,58",
            "(6 − √3)x − (3 + 2√3)y + 15 + 5√3 = 0; (6 + √3)x + (2√3 − 3)y + 15 − 5√3 = 0");
        row("at 90º with a line", "recta4-1e", "-1 3 90 2x-y+3=0",
            "angle-line.perpendicular angle-line.first family.through-point equation.multiply "
            "angle-line.second family.through-point angle-line.result",
            "", "x + 2y − 5 = 0; x + 2y − 5 = 0");
        row("bisectors", "recta4-2", "2x+3y-1=0 x-2y+4=0",
            "bisectors.definition bisectors.two-equations bisectors.first bisectors.second",
            "|2x + 3y − 1|/√13 = |x − 2y + 4|/√5 ⇔ √5 |2x + 3y − 1| = √13 |x − 2y + 4|",
            "(2√5 − √13)x + (3√5 + 2√13)y − √5 − 4√13 = 0; (2√5 + √13)x − (2√13 − 3√5)y + 4√13 − "
            "√5 = 0");
        row("circle by its equation", "circunferencia1-1a", "x^2+y^2-4x-6y-3=0",
            "circle.complete-squares circle.centre-radius",
            "x² + y² − 4x − 6y − 3 = 0 ⇔ (x² − 4x + 4) + (y² − 6y + 9) = 3 + 4 + 9 ⇔ (x − 2)² + (y "
            "− 3)² = 16\nC = (2 , 3); r = √16 = 4",
            "(x − 2)² + (y − 3)² = 16");
        row("circle of radius √3/3", "circunferencia1-1a", "x^2+y^2=1/3",
            "circle.reduced-form radical.rationalise circle.centre-radius",
            "√(1/3) = √1/√3 = 1/√3 = √3/3\nC = (0 , 0); r = √(1/3) = √3/3 ≈ 0,58", "x² + y² = 1/3");
        row("circle with A = 2", "circunferencia1-1a", "2x^2+2y^2-8=0",
            "equation.divide circle.at-origin circle.centre-radius",
            "2x² + 2y² − 8 = 0 ⇔ x² + y² − 4 = 0\nx² + y² − 4 = 0 ⇔ x² + y² = 4", "x² + y² = 4");
        row("circle by its centre and radius", "circunferencia1-1b", "2 -3 4",
            "circle.formula circle.substitute circle.result",
            "(x − 2)² + (y + 3)² = 4² ⇔ (x − 2)² + (y + 3)² = 16\n(x − 2)² + (y + 3)² = 16 ⇔ x² + "
            "y² − 4x + 6y − 3 = 0",
            "(x − 2)² + (y + 3)² = 16");
        row("a negative radius", "circunferencia1-1b", "2 -3 -sqr(2)",
            "circle.negative-radius circle.formula circle.substitute circle.result", "|−√2| = √2",
            "(x − 2)² + (y + 3)² = 2");
        row("circle tangent to a line", "circunferencia1-2", "2 -3 2x-3y+4=0",
            "tangent-circle.radius distance-line.formula distance-line.substitute "
            "distance-line.rationalise tangent-circle.radius-result circle.formula "
            "circle.substitute circle.result",
            "r = |17|/√13 = 17/√13 = 17√13/13 ≈ 4,71\n(x − 2)² + (y + 3)² = 289/13 ⇔ x² + y² − 4x "
            "+ 6y − 120/13 = 0",
            "(x − 2)² + (y + 3)² = 289/13");
        row("tangent at a point", "circunferencia1-3", "3 -5 x^2+y^2-2x-2y-38=0",
            "circle.complete-squares radical.simplify circle.centre-radius tangent.on-circle "
            "tangent.normal tangent.equation equation.divide equation.reduced tangent.result",
            "d(C, P)² = (3 − 1)² + (−5 − 1)² = 40 = r²\nCP⃗ = (x_P − x_C , y_P − y_C) = (2 , "
            "−6)\n2(x − 3) − 6(y + 5) = 0 ⇔ 2x − 6y − 36 = 0",
            "x − 3y − 18 = 0");
        row("a line and a circle", "circunferencia1-4", "3x-2y+1=0 x^2+y^2-4x-6y-3=0",
            "circle-line.system intersection.isolate circle-line.substitute equation.multiply "
            "quadratic.discriminant quadratic.two-roots radical.simplify quadratic.roots "
            "circle-line.back-substitute circle-line.back-substitute circle-line.secant",
            "x² + ((3/2)x + 1/2)² − 4x − 6((3/2)x + 1/2) − 3 = 0 ⇔ x² + (9/4)x² + (3/2)x + 1/4 − "
            "4x − 9x − 3 − 3 = 0 ⇔ (13/4)x² − (23/2)x − 23/4 = 0\n(13/4)x² − (23/2)x − 23/4 = 0 ⇔ "
            "13x² − 46x − 23 = 0\nΔ = (−46)² − 4 × 13 × (−23) = 3312\n√3312 = √(12² × 23) = "
            "12√23\nx₁ = (46 − √3312)/(2 × 13) = (46 − 12√23)/26 = (23 − 6√23)/13 ≈ −0,44; x₂ = "
            "(46 + √3312)/(2 × 13) = (46 + 12√23)/26 = (23 + 6√23)/13 ≈ 3,98",
            "((23 − 6√23)/13 , (41 − 9√23)/13); ((23 + 6√23)/13 , (41 + 9√23)/13)");
        row("a tangent line", "circunferencia1-4", "y=7 x^2+y^2-4x-6y-3=0",
            "circle-line.system circle-line.substitute quadratic.discriminant "
            "quadratic.double-root circle-line.tangent",
            "x = 4/(2 × 1) = 2", "(2 , 7); (2 , 7)");
        row("a vertical secant", "circunferencia1-4", "x=1 2x^2+2y^2-8=0",
            "equation.divide circle-line.system circle-line.substitute quadratic.discriminant "
            "quadratic.two-roots radical.simplify quadratic.roots circle-line.secant",
            "y₁ = −√12/(2 × 1) = −2√3/2 = −√3 ≈ −1,73; y₂ = √12/(2 × 1) = 2√3/2 = √3 ≈ 1,73",
            "(1 , −√3); (1 , √3)");
        row("circumcentre", "triangulo-1a", "2 -2 -8 4 5 8",
            "circumcentre.method circumcentre.side-bisector circumcentre.side-bisector "
            "centre.system intersection.isolate intersection.substitute "
            "intersection.back-substitute circumcentre.result",
            "M = ((x_A + x_B)/2 , (y_A + y_B)/2) = ((2 + (−8))/2 , (−2 + 4)/2) = (−3 , 1); AB⃗ = "
            "(x_B − x_A , y_B − y_A) = (−8 − 2 , 4 − (−2)) = (−10 , 6); −10(x − (−3)) + 6(y − 1) = "
            "0 ⇔ −10x + 6y − 36 = 0 ⇔ 5x − 3y + 18 = 0",
            "(−117/118 , 513/118)");
        row("incentre of a right triangle", "triangulo-1b", "0 0 4 0 0 3",
            "incentre.method incentre.sides incentre.formula incentre.compute incentre.result",
            "a = d(B, C) = √((0 − 4)² + (3 − 0)²) = √25 = 5; b = d(A, C) = √((0 − 0)² + (3 − 0)²) "
            "= √9 = 3; c = d(A, B) = √((4 − 0)² + (0 − 0)²) = √16 = 4\nI = ((5 × 0 + 3 × 4 + 4 × "
            "0)/(5 + 3 + 4) , (5 × 0 + 3 × 0 + 4 × 3)/(5 + 3 + 4)) = (12/12 , 12/12) = (1 , 1)",
            "(1 , 1)");
        row("orthocentre", "triangulo-1c", "2 -2 -8 4 5 8",
            "orthocentre.method orthocentre.altitude orthocentre.altitude centre.system "
            "intersection.isolate intersection.substitute intersection.back-substitute "
            "orthocentre.result",
            "BC⃗ = (x_C − x_B , y_C − y_B) = (5 − (−8) , 8 − 4) = (13 , 4); 13(x − 2) + 4(y − (−2)) "
            "= 0 ⇔ 13x + 4y − 18 = 0",
            "(58/59 , 77/59)");
        row("centroid", "triangulo-1d", "2 -2 -8 4 5 8",
            "centroid.formula centroid.compute centroid.result",
            "G = ((2 + (−8) + 5)/3 , (−2 + 4 + 8)/3) = (−1/3 , 10/3) ≈ (−0,33 , 3,33)",
            "(−1/3 , 10/3)");
        row("area, clockwise", "triangulo-2", "0 0 0 3 4 0",
            "area.formula triangle.vectors triangle.determinant area.result area.clockwise",
            "Área = |−12|/2 = 12/2 = 6\ndet(AB⃗, AC⃗)/2 = −12/2 = −6", "−6");
        row("area of the form's example", "triangulo-2", "2 -2 -8 4 2 -2",
            "area.formula triangle.vectors triangle.collinear",
            "det(AB⃗, AC⃗) = (x_B − x_A)(y_C − y_A) − (x_C − x_A)(y_B − y_A) = (−10) × 0 − 0 × 6 = 0",
            "no triangle");
        row("collinear with decimals", "triangulo-1a", "0.1 0.1 0.2 0.2 0.3 0.3",
            "triangle.collinear",
            "det(AB⃗, AC⃗) = (x_B − x_A)(y_C − y_A) − (x_C − x_A)(y_B − y_A) = (1/10) × (1/5) − "
            "(1/5) × (1/10) = 0",
            "no triangle");
        row("right triangle with decimals", "triangulo-3", "0 0 0.4 0 0 0.3",
            "right.squared-sides right.holds", "AB² + AC² = 4/25 + 9/100 = 1/4 = BC²",
            "right triangle");
        row("not a right triangle", "triangulo-3", "2 -2 -8 4 5 -2",
            "right.squared-sides right.fails", "AB² + AC² = 136 + 9 = 145 ≠ 205 = BC²",
            "not a right triangle");
        row("inscribed circle", "circunferencia2-1a", "0 0 4 0 0 3",
            "incentre.method incentre.sides incentre.formula incentre.compute incentre.result "
            "incircle.radius incircle.result",
            "det(AB⃗, AC⃗) = (x_B − x_A)(y_C − y_A) − (x_C − x_A)(y_B − y_A) = 4 × 3 − 0 × 0 = 12; r "
            "= |det(AB⃗, AC⃗)|/(a + b + c) = |12|/12 = 1\n(x − 1)² + (y − 1)² = 1",
            "(x − 1)² + (y − 1)² = 1");
        row("circumscribed circle", "circunferencia2-1b", "-5 -3 4 6 8 -1",
            "circumcentre.method circumcentre.side-bisector circumcentre.side-bisector "
            "centre.system intersection.isolate intersection.substitute "
            "intersection.back-substitute circumcentre.result circumcircle.radius "
            "circumcircle.result",
            "r² = d(O, A)² = (x_A − x_O)² + (y_A − y_O)² = (−5 − 27/22)² + (−3 − (−5/22))² = "
            "(−137/22)² + (−61/22)² = 11245/242 ≈ 46,47; r = √(11245/242) = √22490/22 ≈ 6,82\n(x − "
            "27/22)² + (y + 5/22)² = 11245/242",
            "(x − 27/22)² + (y + 5/22)² = 11245/242");
        row("point to circle", "circunferencia2-2", "6 9 (x+1)^2+(y-2)^2=25",
            "circle.reduced-form circle.centre-radius point-circle.method "
            "point-circle.centre-distance point-circle.exterior point-circle.result",
            "d(P, C)² = 98 > 25 = r²\nd = d(P, C) − r = 7√2 − 5 ≈ 4,9", "7√2 − 5");
        row("point inside a circle", "circunferencia2-2", "1 2 (x+1)^2+(y-2)^2=25",
            "circle.reduced-form circle.centre-radius point-circle.method "
            "point-circle.centre-distance point-circle.interior",
            "d(P, C)² = 4 < 25 = r²", "point inside");
        row("circle through three points", "circunferencia2-4", "5 1 4 6 2 -2",
            "three-points.method bisector.of-segment bisector.of-segment centre.system "
            "intersection.isolate intersection.substitute intersection.back-substitute "
            "three-points.centre three-points.radius circle.general-equation three-points.result",
            "r = d(O, A) = √((5 − 1/3)² + (1 − 8/3)²) = √(221/9) = √221/3 ≈ 4,96\n(x − 1/3)² + (y "
            "− 8/3)² = 221/9 ⇔ x² + y² − (2/3)x − (16/3)y − 52/3 = 0",
            "(1/3 , 8/3); √221/3; (x − 1/3)² + (y − 8/3)² = 221/9");
        row("no circle through three points", "circunferencia2-4", "0 0 1 1 2 2",
            "three-points.collinear", "", "no circle");
        row("circle through P touching a line at Q", "circunferencia3-3", "-3 7 2 6 3x+2y-18=0",
            "touching.q-on-line touching.method touching.normal bisector.of-segment centre.system "
            "intersection.isolate intersection.substitute intersection.back-substitute "
            "touching.centre touching.radius touching.result",
            "−2(x − 2) + 3(y − 6) = 0 ⇔ −2x + 3y − 14 = 0 ⇔ 2x − 3y + 14 = 0\n(x + 1)² + (y − 4)² "
            "= 13",
            "(x + 1)² + (y − 4)² = 13");
        row("Q off the line", "circunferencia3-3", "-3 7 2 5 3x+2y-18=0", "touching.q-not-on-line",
            "3 × 2 + 2 × 5 − 18 = −2", "point off the line");
        row("two circles crossing", "circunferencia3-1", "x^2+y^2=25 x^2+y^2-12x+11=0",
            "circle.move-terms two-circles.subtract equation.divide two-circles.radical-line "
            "circle-line.system intersection.isolate circle-line.substitute quadratic.discriminant "
            "quadratic.two-roots radical.exact quadratic.roots two-circles.secant",
            "x² + y² = 25 ⇔ x² + y² − 25 = 0\n{ x² + y² − 25 = 0 ; x² + y² − 12x + 11 = 0 }; (x² + "
            "y² − 25) − (x² + y² − 12x + 11) = 0 ⇔ 12x − 36 = 0\n3² + y² − 25 = 0 ⇔ 9 + y² − 25 = "
            "0 ⇔ y² − 16 = 0",
            "(3 , 4); (3 , −4)");
        row("tangent circles", "circunferencia3-1", "x^2+y^2-16x-20y+115=0 x^2+y^2+8x-10y+5=0",
            "two-circles.subtract equation.divide two-circles.radical-line circle-line.system "
            "intersection.isolate circle-line.substitute equation.multiply quadratic.discriminant "
            "quadratic.double-root circle-line.back-substitute two-circles.tangent",
            "12x + 5y − 55 = 0", "(20/13 , 95/13); (20/13 , 95/13)");
        row("concentric circles", "circunferencia3-1", "x^2+y^2=1 x^2+y^2=4",
            "circle.move-terms circle.move-terms two-circles.subtract two-circles.concentric", "",
            "circles apart");
        row("tangents from a point", "circunferencia3-2", "7 1 x^2+y^2=25",
            "circle.reduced-form circle.centre-radius point-circle.centre-distance "
            "point-circle.exterior tangents.method tangents.distance equation.divide "
            "quadratic.discriminant quadratic.two-roots radical.exact quadratic.roots "
            "slope.through-point equation.general-multiply tangents.first slope.through-point "
            "equation.general-multiply tangents.second",
            "|−7m + 1|/√(m² + 1) = 5 ⇔ (−7m + 1)² = 25(m² + 1) ⇔ 49m² − 14m + 1 = 25m² + 25 ⇔ 24m² "
            "− 14m − 24 = 0\nm₁ = (7 − √625)/(2 × 12) = (7 − 25)/24 = −3/4 = −0,75; m₂ = (7 + "
            "√625)/(2 × 12) = (7 + 25)/24 = 4/3 ≈ 1,33",
            "4x − 3y − 25 = 0; 3x + 4y − 25 = 0");
        row("a vertical tangent", "circunferencia3-2", "5 10 x^2+y^2=25",
            "circle.reduced-form circle.centre-radius point-circle.centre-distance "
            "point-circle.exterior tangents.method tangents.distance tangents.first-degree "
            "slope.through-point equation.general-multiply tangents.first tangents.vertical",
            "(x_C − x_P)² = 25 = r²; −100m + 75 = 0 ⇔ m = 3/4\n|x_C − x_P| = |0 − 5| = 5 = r",
            "x − 5 = 0; 3x − 4y + 25 = 0");
        row("a point inside the circle", "circunferencia3-2", "1 0 x^2+y^2-2x-1=0",
            "circle.complete-squares circle.centre-radius point-circle.centre-distance "
            "point-circle.interior tangents.not-exterior",
            "d(P, C)² = 0 < 2 = r²", "point not exterior");
        row("a reduced equation typed, brought to the general form", "recta1-3", "2 3 y=3x-2",
            "line.to-general-multiply parallel.family family.through-point equation.reduced "
            "parallel.result",
            "y = 3x − 2 ⇔ −3x + y + 2 = 0 ⇔ 3x − y − 2 = 0", "3x − y − 3 = 0");
        row("two reduced equations typed", "recta2-1", "y=x+1 y=2x-3",
            "intersection.system intersection.substitute intersection.back-substitute "
            "intersection.result",
            "x + 1 = 2x − 3 ⇔ x − 2x = −3 − 1 ⇔ −x = −4 ⇔ x = 4", "(4 , 5)");
        row("a number put in without parentheses", "triangulo-1a", "-1 5 -1 -1 8 2",
            "circumcentre.method circumcentre.side-bisector circumcentre.side-bisector "
            "centre.system intersection.isolate intersection.substitute circumcentre.result",
            "3x − 2 − 7 = 0 ⇔ 3x − 9 = 0 ⇔ 3x = 9 ⇔ x = 3", "(3 , 2)");
        row("unreadable exact values led by their decimals", "circunferencia2-1a", "-5 -3 4 6 8 -1",
            "incentre.method incentre.sides incentre.formula incentre.compute-long incentre.result "
            "incircle.radius incircle.result-long",
            "I ≈ (3,36 , 1,24)",
            "(x − (27 + 2√130 + 7√346 − √11245)/22)² + (y − (4√346 − 5 − 13√130 + √11245)/22)² = "
            "(20780 + 51√130 − 861√346 − 31√11245)/242");
        row("the side of a triangle, the segment of three points", "circunferencia2-4",
            "-1 5 -1 -1 8 2",
            "three-points.method bisector.of-segment bisector.of-segment centre.system "
            "intersection.isolate intersection.substitute three-points.centre three-points.radius "
            "circle.general-equation three-points.result",
            "M = ((x_A + x_B)/2 , (y_A + y_B)/2) = ((−1 + (−1))/2 , (5 + (−1))/2) = (−1 , 2); AB⃗ = "
            "(x_B − x_A , y_B − y_A) = (−1 − (−1) , −1 − 5) = (0 , −6); −6(y − 2) = 0 ⇔ −6y + 12 = "
            "0 ⇔ y − 2 = 0",
            "(3 , 2); 5; (x − 3)² + (y − 2)² = 25");
        row("the reduced equation of a circle substituted into", "circunferencia1-4",
            "y=x+1 x^2+y^2=25",
            "circle-line.system circle-line.substitute equation.divide quadratic.discriminant "
            "quadratic.two-roots radical.exact quadratic.roots circle-line.back-substitute "
            "circle-line.back-substitute circle-line.secant",
            "x² + (x + 1)² = 25 ⇔ x² + x² + 2x + 1 = 25 ⇔ 2x² + 2x − 24 = 0\nx = (−b ± √Δ)/(2a)",
            "(3 , 4); (−4 , −3)");
        // The common points and the tangents in the order of the form's labels: the points
        // further along the chord's direction from C₁C₂ rotated, the tangent of slope
        // (uv + r·t)/(u² − r²) first, a vertical one first when u·v > 0 (u, v from P to the
        // centre). Their routes are those of the rows above.
        row("the circles the other way", "circunferencia3-1", "x^2+y^2-12x+11=0 x^2+y^2=25", "", "",
            "(3 , −4); (3 , 4)");
        row("the form's example", "circunferencia3-2", "-1 0 x^2+y^2-2x-1=0", "", "",
            "x − y + 1 = 0; x + y + 1 = 0");
        row("u² < r²: the smaller slope", "circunferencia3-2", "1 7 x^2+y^2=25", "", "",
            "4x + 3y − 25 = 0; 3x − 4y + 25 = 0");
        row("vertical second", "circunferencia3-2", "5 -10 x^2+y^2=25", "", "",
            "3x + 4y + 25 = 0; x − 5 = 0");
    }
    void workedCases() {
        QFETCH(QString, frame);
        QFETCH(QStringList, data);
        QFETCH(QString, route);
        QFETCH(QStringList, maths);
        QFETCH(QString, answer);
        const Solution s = solve(frame, data);
        const QString text = solutionText(s);
        QStringList kinds;
        for (const Step& step : s.steps)
            kinds << q(std::string(key(step.kind)));
        if (!route.isEmpty()) QCOMPARE(kinds.join(' '), route);
        for (const QString& m : maths)
            QVERIFY2(says(s, m), qPrintable(m + "\n" + text));
        QCOMPARE(answerText(s), answer);
        QVERIFY2(solutioncheck::failedLine(s, linesOf(data), circlesOf(data)).isEmpty(),
                 qPrintable(text));
        const QString advice = textbookcheck::fault(s);
        QVERIFY2(advice.isEmpty(), qPrintable(advice));
    }

    /// Every angle of −90° to 90° in steps of 15°: exact where it is notable
    /// (0°, ±30°, ±45°, ±60°, ±90°), approximate, and said with "≈", where not.
    void anglesEveryFifteenDegrees_data() {
        QTest::addColumn<int>("degrees");
        for (int d = -90; d <= 90; d += 15)
            QTest::addRow("%d", d) << d;
    }
    void anglesEveryFifteenDegrees() {
        QFETCH(int, degrees);
        const bool notable = degrees % 30 == 0 || degrees % 45 == 0;
        const std::string typed = "2x-y+1=0";
        const Solution s =
            solutions::solveLinesAtAngle({1, 2}, degrees, GivenLine{readLine(typed).line, typed});
        const Line* first = s.answer.get<Line>("Resultado1");
        QVERIFY(first);
        QCOMPARE(first->a.isExact() && first->b.isExact(), notable);
        const QString text = solutionText(s);
        if (std::abs(degrees) != 90) { // tg(β), exact or not
            const QString exactTangent =
                QStringLiteral("tg(β) = tg(%1°) = ")
                    .arg(QString::number(degrees).replace('-', QChar(0x2212)));
            QCOMPARE(text.contains(exactTangent), notable);
        }
        QVERIFY2(textbookcheck::fault(s).isEmpty(), qPrintable(textbookcheck::fault(s)));
        // The inclination of a line through P: 0° to 180°; a negative one is none.
        const Solution inclined = solutions::solveLineWithInclination({1, 2}, degrees);
        if (degrees < 0) {
            QVERIFY(inclined.stopped);
        } else if (degrees != 90) {
            const Line* l = inclined.answer.get<Line>("Resultado1");
            QVERIFY(l);
            QCOMPARE(l->a.isExact(), notable);
        }
    }

    /// The two roots of a quadratic, the one with −√Δ first: (−1 − √19)/2
    /// then (√19 − 1)/2, each said and then put in.
    void rootsInOrder() {
        const Solution s = solve("circunferencia1-4", {"y=x+1", "x^2+y^2=10"});
        const QString text = solutionText(s);
        const qsizetype first =
                            text.indexOf("x₁ = (−2 − √76)/(2 × 2) = (−2 − 2√19)/4 = (−1 − √19)/2"),
                        second =
                            text.indexOf("x₂ = (−2 + √76)/(2 × 2) = (−2 + 2√19)/4 = (√19 − 1)/2");
        QVERIFY2(first > 0 && second > first, qPrintable(text));
        QVERIFY(text.contains("Substituímos x por x₁ na expressão de y. y₁ = x₁ + 1"));
    }

    /// Equal points: the solution says so in words and stops.
    void coincidentPoints() {
        const Point a{read("1/3"), read("sqr(2)")};
        const QStringList twice{"1/3", "sqr(2)", "1/3", "sqr(2)"};
        for (const Problem f : {"pontos-2", "pontos-3", "pontos-4", "recta1-2"}) {
            const Solution s = solve(f, twice);
            QVERIFY(s.stopped);
            QCOMPARE(s.steps.front().kind, StepKind::CoincidentPoints);
            QVERIFY(!showsNoNumber(solutionText(s)));
            QVERIFY(solutioncheck::failedLine(s).isEmpty());
        }
        QVERIFY(*solve("pontos-2", twice).answer.get<Point>("Resultado1") == a);
        QVERIFY(solve("pontos-3", twice).answer.get<Number>("Resultado2")->isZero());
    }

    /// Degenerate lines and pairs of lines: the verdict, in words, and a stop.
    void degenerateLines_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<int>("verdict");
        const auto row = [](const char* name, Problem f, QStringList data, Verdict v) {
            QTest::newRow(name) << f << data << int(v);
        };
        for (const FrameId& problem : allFrames()) { // every problem that reads a line
            QStringList data, lines{"0x+0y=3", "y=x"};
            for (const FrameField& f : problem.fields())
                data << (f.role == Role::Point    ? QStringList{"1", "1"}
                         : f.role == Role::Line   ? QStringList{lines.takeFirst()}
                         : f.role == Role::Circle ? QStringList{"x^2+y^2=4"}
                                                  : QStringList{"1"});
            if (lines.size() < 2)
                row(qPrintable("no line, " + q(std::string(problem.name()))),
                    q(std::string(problem.name())), data, Verdict::NotALine);
        }
        row("second of two is no line", "recta2-4", {"y=x", "0.1x-0.1x=1"}, Verdict::NotALine);
        row("vertical parallels asked for their meeting point", "recta2-1", {"x=1", "2x=3"},
            Verdict::ParallelLines);
        row("bisectors of parallels", "recta4-2", {"0.1x+0.2y=0.3", "0.3x+0.6y=0.7"},
            Verdict::ParallelLines);
        row("an inclination below 0º", "recta4-1c", {"1", "1", "-1/10"}, Verdict::BadInclination);
        row("slope of one point twice", "recta3-2a", {"0.1+0.2", "1", "0.3", "1"},
            Verdict::CoincidentPoints);
        row("zero radius", "circunferencia1-1b", {"1", "1", "0.1+0.2-0.3"}, Verdict::ZeroRadius);
        row("centre on the line", "circunferencia1-2", {"0.1", "0.2", "x+y=0.3"},
            Verdict::CentreOnLine);
        row("point off the circle", "circunferencia1-3", {"3", "-4", "x^2+y^2-2x-2y-38=0"},
            Verdict::PointNotOnCircle);
        row("line missing the circle", "circunferencia1-4", {"y=10", "x^2+y^2-4x-6y-3=0"},
            Verdict::LineMissesCircle);
        row("one circle typed twice", "circunferencia3-1", {"x^2+y^2=4", "2x^2+2y^2-8=0"},
            Verdict::CoincidentCircles);
        row("circles apart", "circunferencia3-1", {"x^2+y^2=1", "(x-5)^2+y^2=1"},
            Verdict::CirclesApart);
        row("a point on the circle has one tangent", "circunferencia3-2", {"1", "0", "x^2+y^2=1"},
            Verdict::PointNotExterior);
    }
    void degenerateLines() {
        QFETCH(QString, frame);
        QFETCH(QStringList, data);
        QFETCH(int, verdict);
        const Solution s = solve(frame, data);
        const QString text = solutionText(s);
        QVERIFY2(s.stopped, qPrintable(text));
        QCOMPARE(s.answer.parts().size(), std::size_t(1));
        QCOMPARE(int(std::get<Verdict>(s.answer.parts().front().value)), verdict);
        QVERIFY2(solutioncheck::failedLine(s, linesOf(data), circlesOf(data)).isEmpty(),
                 qPrintable(text));
        QVERIFY(!showsNoNumber(text));
    }

    /// Verdicts of the circle and line pages on the numbers typed, where
    /// their doubles decide otherwise.
    void exactVerdicts() {
        const auto circle = [](const char* t) { return readCircle(t).conic; };
        const auto at = [](const char* x, const char* y) { return Point{read(x), read(y)}; };
        const std::optional<bool> yes = true, no = false;
        QCOMPARE(verdict::circleShape(circle("x^2+y^2=1/3")), yes);
        QCOMPARE(verdict::circleShape(circle("x^2+2y^2=1")), no);
        QCOMPARE(verdict::pointCircle(circle("x^2+y^2=0.3-0.1-0.2")), yes);
        QCOMPARE(verdict::imaginaryCircle(circle("x^2+y^2=-0.1")), yes);
        QCOMPARE(verdict::onCircle(at("0.5", "sqr(0.75)"), circle("x^2+y^2=1")), yes);
        QCOMPARE(verdict::onCircle(at("1", "1/10^9"), circle("x^2+y^2=1")), no);
        QCOMPARE(verdict::lineTouchesCircle(readLine("y=0.3").line, circle("x^2+y^2=0.09")), yes);
        QCOMPARE(verdict::lineMissesCircle(readLine("y=1+1/10^9").line, circle("x^2+y^2=1")), yes);
        QCOMPARE(verdict::collinear(at("0.1", "0.2"), at("0.2", "0.4"), at("0.3", "0.6")), yes);
        QCOMPARE(verdict::collinear(at("0.1", "0.2"), at("0.2", "0.4"), at("0.3", "0.6000000001")),
                 no);
    }

    /// The verdicts a solution reasons to are decided on the data when the products of
    /// the data pass the limits a value keeps for writing: its text shows "≈" values,
    /// never a verdict taken on them. The truth of each case is its construction.
    void verdictsPastTheLimits() {
        const Number p = read("999999999989"), rp = read("sqr(999999999989)"), r2 = read("sqr(2)");
        const Point o{0, 0};
        // (0 , 0), (√2 , √p), (3√2 , 3√p): C = 3B.
        const Solution line = solutions::solveCollinearity(o, {r2, rp}, {3 * r2, 3 * rp});
        QCOMPARE(*line.answer.get<Verdict>("Resultado1"), Verdict::Collinear);
        QVERIFY(QString::fromStdString(plainText(line, ",")).contains("≈"));
        // s = 3r with radicals whose products pass 10¹²: one line; t = (b , −a) perpendicular.
        const Line r{rp, r2, 1}, s3{3 * rp, 3 * r2, 3}, t{r2, -rp, 5};
        QCOMPARE(*solutions::solveRelativePosition(r, s3).answer.get<Verdict>("Resultado4"),
                 Verdict::CoincidentLines);
        const Solution angle = solutions::solveAngle(r, t);
        const Angle* right = angle.answer.get<Angle>("Resultado4");
        QVERIFY(right && right->degrees == 90);
        // A right angle at A between (√p , √3) and (−√3 , √p).
        const Point a{r2, 1}, b{r2 + rp, 1 + read("sqr(3)")}, c{r2 - read("sqr(3)"), 1 + rp};
        QCOMPARE(*solutions::solveRightTriangle({a, b, c}).answer.get<Verdict>("Resultado5"),
                 Verdict::RightTriangle);
        // From the centre (√2 , −√p) of r² = p + 2, a·x_C + b·y_C = √(2p) − √(2p): the line
        // √p x + √2 y = p + 2 touches the circle, at one point.
        const Conic circle = readCircle("x^2+y^2-2*sqr(2)*x+2*sqr(999999999989)*y=0").conic;
        const Solution touching = solutions::solveLineAndCircle(Line{rp, r2, -(p + 2)}, circle);
        QVERIFY(!touching.stopped);
        const auto points = touching.answer.parts();
        QCOMPARE(points.size(), std::size_t(2));
        QVERIFY(std::get<Point>(points[0].value) == std::get<Point>(points[1].value));
    }

    /// Approximate data never become an exact zero: x + π·y/10¹³ = 1 has a slope of about
    /// −3,18E+12, as the form says, and is not vertical; a near square is not whole.
    void approximateIsNeverZero() {
        const Solution slope = solutions::solveSlopeOfLine(readLine("x+pi*y/10^13=1").line);
        const QString text = QString::fromStdString(plainText(slope, ","));
        QVERIFY2(!text.contains("x − 1 = 0") && text.contains("3,14E-13y"), qPrintable(text));
        const Number* m = slope.answer.get<Number>("Resultado2");
        QVERIFY(m && m->isApproximate() && std::fabs(m->toDouble() + 3.18e12) < 1e10);
        const Solution d = solutions::solveDistance({0, 0}, {100000000, 1});
        const Number* distance = d.answer.get<Number>("Resultado2");
        QVERIFY(distance && distance->isApproximate());
        const QString said = QString::fromStdString(plainText(d, ","));
        QVERIFY2(said.contains("√10000000000000001 ≈ 100000000") && !said.contains("radicais"),
                 qPrintable(said));
    }

    /// An answer holds what the labels show, each value tagged with its label,
    /// lines in their normal form.
    void answersAreTaggedAndNormal() {
        const Solution parallel = solve("recta1-3", {"1", "-1", "0.2x+0.4y=1"});
        QCOMPARE(parallel.answer.parts().size(), std::size_t(1));
        QVERIFY(!parallel.answer.get<Line>("Resultado1"));
        const Line* l = parallel.answer.get<Line>("Resultado2");
        QVERIFY(l);
        QVERIFY(l->a == 1 && l->b == 2 && l->c == 1);
        Answer a;
        a.add("Resultado1", Line{Number(-4), Number(6), Number::fraction(1, 2)});
        QVERIFY(a.get<Line>("Resultado1")->a == 8 && a.get<Line>("Resultado1")->c == -1);
        const Solution angle = solve("recta2-4", {"2x-5y=3", "x+3y=0"});
        const Angle* theta = angle.answer.get<Angle>("Resultado4");
        QVERIFY(theta && theta->degrees.isApproximate() && theta->value.isExact());
        QCOMPARE(exactcase::text(theta->value), QString("13√290/290"));
    }
};

QTEST_APPLESS_MAIN(tst_WorkSolutions)
#include "tst_worksolutions.moc"
