// The exercises of every frame at every level, and the checker on them.

#include "answer.h"
#include "checker.h"
#include "evaluation.h"
#include "exercise.h"
#include "frames.h"
#include "numbertext.h"
#include "objects.h"
#include "practicerows.h"
#include "readings.h"
#include "rounds.h"
#include "sentences.h"
#include "textbookcheck.h"

#include <QTest>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

using namespace practice;

namespace {

/// Seeds per frame and level: every one a fresh exercise.
const int Seeds = rounds(60);

bool within(const exact::Number& n, double limit) {
    return std::abs(n.toDouble()) <= limit;
}

/// The texts typed into the form read back as the data the exercise speaks of.
void checkFieldsRead(const Exercise& ex) {
    std::vector<exact::Number> numbers;
    std::vector<exact::Line> lines;
    for (const auto& [name, text] : ex.fields) {
        QVERIFY2(!text.empty(), name.c_str());
        if (text.find('=') == std::string::npos) {
            if (name.rfind("Text", 0) != 0) numbers.push_back(exact::readField(text));
        } // amplitudes and slopes apart
        else if (text.find("^2") == std::string::npos) {
            const exact::LineReading r = exact::readLine(text);
            QVERIFY2(r.refusal == exact::Refusal::None && !r.line.isDegenerate(), text.c_str());
            lines.push_back(r.line);
        } else {
            const exact::CircleReading r = exact::readCircle(text);
            QVERIFY2(r.refusal == exact::Refusal::None, text.c_str());
            QVERIFY2(within(r.circle.centre.x, 10) && within(r.circle.centre.y, 10), text.c_str());
        }
    }
    for (const exact::Number& n : numbers)
        QVERIFY2(within(n, 10), ex.statement.c_str());
    for (const exact::Point& p : ex.data.points)
        QVERIFY2(within(p.x, 10) && within(p.y, 10), ex.statement.c_str());
    for (const exact::Line& l : lines) {
        const bool known = std::any_of(ex.data.lines.begin(), ex.data.lines.end(),
                                       [&](const exact::Line& m) { return exact::sameLine(l, m); });
        QVERIFY2(known, ex.statement.c_str());
    }
}

/// The scalar product of the sides from a vertex v to p and to q: zero for a right angle at v.
exact::Number dot(const exact::Point& v, const exact::Point& p, const exact::Point& q) {
    return (p.x - v.x) * (q.x - v.x) + (p.y - v.y) * (q.y - v.y);
}

/// Points the exercise gives are distinct, lines are lines, three vertices make a triangle.
void checkNotDegenerate(const Exercise& ex) {
    const auto& p = ex.data.points;
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = i + 1; j < p.size(); ++j)
            QVERIFY2(!(p[i] == p[j]), ex.statement.c_str());
    for (const exact::Line& l : ex.data.lines)
        QVERIFY(!l.isDegenerate());
    if (ex.data.lines.size() == 2 && ex.frame.topic() != Topic::Recta3 &&
        ex.frame.topic() != Topic::Recta2)
        QVERIFY2(
            !(ex.data.lines[0].a * ex.data.lines[1].b - ex.data.lines[1].a * ex.data.lines[0].b)
                 .isZero(),
            ex.statement.c_str());
    for (const exact::Circle& c : ex.data.circles)
        QVERIFY(c.radius.sign() > 0);
}

} // namespace

class TestPractice : public QObject {
    Q_OBJECT
private slots:
    /// Every problem of the frame table is practised, in the table's order.
    void everyFrameIsThere() {
        QVERIFY(allFrames() == exact::allFrames());
        for (Level l : AllLevels)
            QVERIFY(framesAt(l).size() >= 25);
    }

    /// A seed gives the exercise it gave when the problem was added, whatever
    /// moves in the tables: worksheets are remade from their options and seed.
    void seedsStayPut_data() {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<Level>("level");
        QTest::addColumn<QString>("typed");
        QTest::newRow("pontos-2") << "pontos-2" << Level::Basico
                                  << "Abcissa2=-1 Ordenada2=6 Abcissa3=-5 Ordenada3=-2";
        QTest::newRow("recta4-1c")
            << "recta4-1c" << Level::Intermedio << "Abcissa1=9/2 Ordenada1=1/2 Text2=45 Option3";
        QTest::newRow("circunferencia2-2") << "circunferencia2-2" << Level::Avancado
                                           << "Text9=x^2+y^2+4x-6y+4=0 Abcissa4=1 Ordenada4=6";
        QTest::newRow("triangulo-1b")
            << "triangulo-1b" << Level::Basico
            << "Abcissa1=4 Ordenada1=-3 Abcissa2=1 Ordenada2=-3 Abcissa3=1 Ordenada3=-7 Option2";
    }
    void seedsStayPut() {
        QFETCH(QString, problem);
        QFETCH(Level, level);
        QFETCH(QString, typed);
        const Exercise ex = generate(practice::problem(problem.toStdString()), level, 2024);
        QStringList fields;
        for (const auto& [name, text] : ex.fields)
            fields << QString::fromStdString(name + "=" + text);
        if (!ex.option.empty()) fields << QString::fromStdString(ex.option);
        QCOMPARE(fields.join(' '), typed);
    }

    /// A slip is named from an answer the test works out itself from the
    /// exercise's data, as a pupil who made that mistake would write it.
    void slipNamedFromTheMistake() {
        int named = 0;
        for (std::uint64_t seed = 1; seed <= 12; ++seed) {
            const Exercise mid = generate(practice::problem("pontos-2"), Level::Intermedio, seed);
            const exact::Point& a = mid.data.points.at(0);
            const exact::Point& b = mid.data.points.at(1);
            const exact::Point m{(a.x + b.x) / 2, (a.y + b.y) / 2};
            const auto slipOf = [&](const exact::Point& typed) {
                return check(mid, exact::text(typed, ",")).slip; // "(−3/2 , 1)"
            };
            const exact::Point sums{a.x + b.x, a.y + b.y};
            const exact::Point halfDifference{(b.x - a.x) / 2, (b.y - a.y) / 2};
            if (!(sums == m)) {
                QCOMPARE(slipOf(sums), std::string("no-halving"));
                ++named;
            }
            if (!(halfDifference == m) && !(halfDifference == sums)) {
                QCOMPARE(slipOf(halfDifference), std::string("half-difference"));
                ++named;
            }

            const Exercise far = generate(practice::problem("pontos-3"), Level::Basico, seed);
            const exact::Point& p = far.data.points.at(0);
            const exact::Point& q = far.data.points.at(1);
            const exact::Number squared =
                (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y); // d² without its root
            if (!(squared == exact::sqrt(squared))) {
                QCOMPARE(check(far, exact::text(squared, ",")).slip, std::string("no-root"));
                ++named;
            }
        }
        QVERIFY(named >= 20);
    }

    void generated_data() { frameRows(); }
    void generated() {
        QFETCH(FrameId, frame);
        QFETCH(Level, level);
        std::set<std::string> statements;
        std::set<std::string> slipsSeen;
        for (int seed = 1; seed <= Seeds; ++seed) {
            const Exercise ex = generate(frame, level, std::uint64_t(seed));
            QCOMPARE(ex.level, level);
            QVERIFY(!ex.statement.empty() && !ex.answerText.empty());
            checkFieldsRead(ex);
            checkNotDegenerate(ex);
            statements.insert(ex.statement);
            const Verdict right = check(ex, ex.answerText);
            QVERIFY2(right.grade == Grade::Certo, (ex.answerText + " → " + right.text).c_str());
            for (const std::string& other : rewritings(ex)) {
                const Verdict v = check(ex, other);
                QVERIFY2(v.grade == Grade::Certo, (other + " → " + v.text).c_str());
            }
            for (const std::string& id : slipIds(frame)) {
                const std::string slipped = slipAnswer(ex, id);
                if (slipped.empty()) continue;
                const Verdict v = check(ex, slipped);
                QVERIFY2(v.grade == Grade::Errado && v.text.rfind("Errado. ", 0) == 0,
                         (slipped + " → " + v.text).c_str());
                // Two slips may give the same answer on some data: the first one is named.
                QVERIFY2(v.slip == id || slipAnswer(ex, v.slip) == slipped,
                         (ex.statement + " " + id + ": " + slipped + " → " + v.text).c_str());
                slipsSeen.insert(id);
            }
        }
        QVERIFY(int(statements.size()) > Seeds / 10); // fresh exercises, not the same few
        QVERIFY(!slipsSeen.empty());
    }

    /// The worked solution of every exercise reads as a textbook writes it (that it writes
    /// the statement's data as the statement does is tst_worksheet's). Every slip of every
    /// frame, at every level, is met on the seeds where it gives a wrong answer of its own,
    /// and opens the worked solution at a step of its kind whose sentence or lines name the
    /// slip's quantity ("declive" for −m in place of −1/m).
    void workedSolutionsAndSlips() {
        const int seeds = rounds(20); // of the textbook's checks; the slips want 20 at least
        std::set<std::string> checked;
        QStringList wrong;
        for (const FrameDef& def : frameTable())
            for (Level l : AllLevels)
                for (int seed = 1; def.levels[std::size_t(l)] && seed <= std::max(20, seeds);
                     ++seed) {
                    const Exercise ex = generate(def.id, l, std::uint64_t(seed));
                    const std::optional<exact::Solution> solution = workedSolution(ex);
                    QVERIFY2(solution, ex.statement.c_str());
                    if (seed <= seeds) {
                        const QString advice = textbookcheck::fault(*solution);
                        QVERIFY2(advice.isEmpty(),
                                 qPrintable(advice + "\n" + QString::fromStdString(ex.statement)));
                    }
                    for (const Slip& slip : def.slips) {
                        const std::string slipped = slipAnswer(ex, slip.id);
                        if (slipped.empty()) continue;
                        const Verdict v = check(ex, slipped);
                        if (v.slip != slip.id) continue; // another slip with the same answer
                        const std::string name = caption(def.id) + ": " + slip.id;
                        QVERIFY2(v.step > 0 && v.step <= int(solution->steps.size()), name.c_str());
                        const exact::Step& step = solution->steps[std::size_t(v.step - 1)];
                        QVERIFY2(std::find(slip.steps.begin(), slip.steps.end(), step.kind) !=
                                     slip.steps.end(),
                                 name.c_str());
                        const std::string said = exact::stepText(step, ",");
                        if (said.find(slip.quantity) == std::string::npos)
                            wrong << QString::fromStdString(name + " · " + slip.quantity + " ⟶ " +
                                                            said);
                        checked.insert(caption(def.id) + slip.id);
                    }
                }
        wrong.removeDuplicates();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
        std::size_t slips = 0;
        for (const FrameDef& def : frameTable())
            slips += def.slips.size();
        QCOMPARE(checked.size(), slips);
    }

    /// The keys of triangles against the test's own right angles, the sides at a vertex
    /// perpendicular: "é rectângulo?" answered so (A(2 , 2), B(3 , −2), C(2 , −2) is right at C,
    /// so never "não"); an orthocentre worth finding, never a right triangle's, which is the
    /// vertex of its right angle, given in the statement; the vertices of a centroid never in
    /// a straight line.
    void keysOfTriangles() {
        const auto cross = [](const exact::Point& a, const exact::Point& b, const exact::Point& c) {
            return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
        };
        const auto rightAt = [](const std::vector<exact::Point>& p, std::size_t i) {
            return dot(p[i], p[(i + 1) % 3], p[(i + 2) % 3]).isZero();
        };
        int no = 0;
        for (Level level : AllLevels)
            for (std::uint64_t seed = 1; seed <= 400; ++seed) {
                if (seed <= 60 && hasLevel(problem("triangulo-1c"), level)) {
                    const Exercise ex = generate(problem("triangulo-1c"), level, seed);
                    for (std::size_t i = 0; i < 3; ++i) {
                        QVERIFY2(!rightAt(ex.data.points, i), ex.statement.c_str());
                        QVERIFY(!sameValue(ex.expected.values.at(0), ex.data.points[i]));
                    }
                }
                if (!hasLevel(problem("triangulo-3"), level)) continue;
                const Exercise ex = generate(problem("triangulo-3"), level, seed);
                const auto& p = ex.data.points;
                const bool right = rightAt(p, 0) || rightAt(p, 1) || rightAt(p, 2);
                QVERIFY(!cross(p[0], p[1], p[2]).isZero());
                QCOMPARE(std::get<Words>(ex.expected.values.at(0)), right ? Words::Yes : Words::No);
                no += !right;
                const Exercise centroid = generate(problem("triangulo-1d"), level, seed);
                const auto& v = centroid.data.points;
                QVERIFY2(!cross(v[0], v[1], v[2]).isZero(), centroid.statement.c_str());
            }
        QVERIFY(no > 200);
    }

    void equalInAnyForm_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("grade");
        // 2x − 3y + 4 = 0 asked in reduced form: y = (2/3)x + 4/3.
        QTest::newRow("reduced") << "y = (2/3)x + 4/3" << int(Grade::Certo);
        QTest::newRow("true minus, comma") << "y = 0,5x·(4/3) + 4/3" << int(Grade::Certo);
        QTest::newRow("general") << "2x - 3y + 4 = 0" << int(Grade::CertoMasSimplifique);
        QTest::newRow("times minus two") << "-4x+6y-8=0" << int(Grade::CertoMasSimplifique);
        QTest::newRow("sign of slope") << "y = -(2/3)x + 4/3" << int(Grade::Errado);
        QTest::newRow("circle") << "x^2+y^2=4" << int(Grade::Unreadable);
        QTest::newRow("point") << "(1 , 2)" << int(Grade::Unreadable);
    }
    void equalInAnyForm() {
        QFETCH(QString, answer);
        QFETCH(int, grade);
        Exercise ex = generate(problem("recta1-1"), Level::Intermedio, 1);
        ex.data.lines = {{2, -3, 4}};
        ex.expected.values = {exact::Line{2, -3, 4}};
        const Verdict v = check(ex, answer.toStdString());
        QVERIFY2(int(v.grade) == grade, v.text.c_str());
        if (v.grade == Grade::CertoMasSimplifique)
            QVERIFY(v.text.find("equação reduzida") != std::string::npos);
    }

    void simplified_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("words");
        QTest::newRow("2sqr(58)") << "2sqr(58)" << int(Grade::Certo) << "";
        QTest::newRow("2√58") << "2√58" << int(Grade::Certo) << "";
        QTest::newRow("sqr(232)") << "sqr(232)" << int(Grade::CertoMasSimplifique) << "radical";
        QTest::newRow("232^(1/2)") << "sqr(4*58)" << int(Grade::CertoMasSimplifique) << "forma";
        QTest::newRow("approximate") << "15,23" << int(Grade::Errado) << "aproximado";
        QTest::newRow("square") << "232" << int(Grade::Errado) << "raiz";
    }
    void simplified() {
        QFETCH(QString, answer);
        QFETCH(int, grade);
        QFETCH(QString, words);
        Exercise ex = generate(problem("pontos-3"), Level::Avancado, 1);
        ex.data.points = {{-8, -2}, {6, 4}};
        ex.expected.values = {exact::distance(ex.data.points[0], ex.data.points[1])};
        const Verdict v = check(ex, answer.toStdString());
        QVERIFY2(int(v.grade) == grade, v.text.c_str());
        QVERIFY2(QString::fromStdString(v.text).contains(words), v.text.c_str());
    }

    void fractionInLowestTerms() {
        Exercise ex = generate(problem("pontos-2"), Level::Intermedio, 1);
        ex.data.points = {{1, 2}, {2, 5}};
        ex.expected.values = {
            exact::Point{exact::Number::fraction(3, 2), exact::Number::fraction(7, 2)}};
        QCOMPARE(check(ex, "(3/2 , 7/2)").grade, Grade::Certo);
        QCOMPARE(check(ex, "(1.5 ; 3,5)").grade, Grade::Certo);
        const Verdict v = check(ex, "(6/4 , 7/2)");
        QCOMPARE(v.grade, Grade::CertoMasSimplifique);
        QVERIFY(v.text.find("fracção") != std::string::npos);
    }

    /// A circle is equal expanded or not; where the reduced equation is asked, expanded is
    /// right but to simplify.
    void circleExpandedOrNot() {
        Exercise ex = generate(problem("circunferencia1-1b"), Level::Basico, 1);
        QCOMPARE(ex.expected.form, AskedForm::ReducedEquation);
        ex.expected.values = {exact::Circle{{1, -2}, exact::sqrt(exact::Number(5))}};
        for (const char* right : {"(x - 1)^2 + (y + 2)^2 = 5", "(x−1)²+(y+2)²=5",
                                  "5 = (y+2)^2 + (x-1)^2", "c: (x - 1)² + (y + 2)² = 5"})
            QVERIFY2(check(ex, right).grade == Grade::Certo, right);
        for (const char* expanded : {"x^2+y^2-2x+4y=0", "2x^2+2y^2-4x+8y=0", "(x-1)^2+y^2+4y=1"}) {
            const Verdict v = check(ex, expanded);
            QVERIFY2(v.grade == Grade::CertoMasSimplifique, expanded);
            QVERIFY(v.text.find("(x − a)² + (y − b)² = r²") != std::string::npos);
        }
        ex.expected.form = AskedForm::AnyEquation;
        QCOMPARE(check(ex, "x^2+y^2-2x+4y=0").grade, Grade::Certo);
        QCOMPARE(check(ex, "(x + 1)^2 + (y - 2)^2 = 5").slip, std::string("centre-signs"));
        QCOMPARE(check(ex, "2x + y = 0").grade, Grade::Unreadable);
    }

    void angleWithinTheRounding() {
        Exercise ex = generate(problem("recta2-4"), Level::Intermedio, 1);
        ex.data.lines = {{2, -5, -3}, {1, 3, 0}};
        ex.expected.values = {Degrees{exact::Number::approximate(40.236357)}};
        QCOMPARE(check(ex, "40º 14' 10,89''").grade, Grade::Certo);
        QCOMPARE(check(ex, "40º 14' 11''").grade, Grade::Certo); // to the second, rounded
        QCOMPARE(check(ex, "40 graus 14 minutos 10,9 segundos").grade, Grade::Certo);
        QCOMPARE(check(ex, "40º 14' 10''").grade, Grade::Errado); // not rounded
        // Less precise than asked is never right: the precision asked is said.
        for (const char* shorter : {"40,24º", "40º 14'", "40º", "40", "40."}) {
            const Verdict v = check(ex, shorter);
            QVERIFY2(v.grade == Grade::Incomplete, shorter);
            QVERIFY(v.text.find("graus, minutos e segundos") != std::string::npos);
        }
        QCOMPARE(check(ex, "40,2363570º").grade, Grade::CertoMasSimplifique);
        QCOMPARE(check(ex, "40º 15'").grade, Grade::Errado);
        QCOMPARE(check(ex, "139º 45' 49,11''").slip, std::string("obtuse"));
    }

    /// What the reader makes of what a pupil types: each value as the program writes it.
    void reader_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("read"); // the values, " ; " between them; or the message
        const int number = int(AnswerKind::Number), line = int(AnswerKind::Line);
        const int angle = int(AnswerKind::Angle), point = int(AnswerKind::Point);
        QTest::newRow("root") << "2√58" << number << "2√58";
        QTest::newRow("true minus") << "−3/4" << number << "−3/4";
        QTest::newRow("times signs") << "2×3·(1/2)" << number << "3";
        QTest::newRow("point") << "(1 , −2)" << point << "(1 , −2)";
        QTest::newRow("named point") << "M(1/2; 3)" << point << "(1/2 , 3)";
        QTest::newRow("decimal commas in a point") << "(0,5 , 1,5)" << point << "(1/2 , 3/2)";
        QTest::newRow("point = ") << "M = (2 , 3)" << point << "(2 , 3)";
        QTest::newRow("two points with e") << "(1 , 2) e (3 , 4)" << point << "(1 , 2) ; (3 , 4)";
        QTest::newRow("reduced") << "y = (1/2)x − 5/2" << line << "x − 2y − 5 = 0";
        QTest::newRow("root times x") << "y = √3 x + 1" << line << "√3 x − y + 1 = 0";
        QTest::newRow("vertical") << "x = −2" << line << "x + 2 = 0";
        QTest::newRow("circle") << "(x − 1)² + (y + 2)² = 5" << line << "(x − 1)² + (y + 2)² = 5";
        QTest::newRow("circle expanded") << "x^2+y^2-2x+4y=0" << line << "(x − 1)² + (y + 2)² = 5";
        QTest::newRow("degrees") << "40º 14' 10,89''" << angle << "40º 14' 10,89''";
        QTest::newRow("degree sign") << "135°" << angle << "135º";
        QTest::newRow("words yes") << "Sim." << number << "sim";
        QTest::newRow("does not exist") << "Não existe" << number << "não existe";
        QTest::newRow("concurrent") << "concorrentes em (1 , 0)" << point << "(1 , 0)";
        // What cannot be read is quoted, said why (an unclosed parenthesis pointed at), and
        // an example of what is asked follows.
        const auto unread = [](const char* name, const char* typed, int kind, const char* why) {
            static const std::map<int, QString> ask{
                {int(AnswerKind::Line), " Escreva uma equação de uma recta, por exemplo y = 2x − "
                                        "1 ou 2x − y + 3 = 0."},
                {int(AnswerKind::Number), " Escreva um número, por exemplo 2√5, −3/4 ou 2sqr(5)."},
                {int(AnswerKind::Point), " Escreva um ponto, por exemplo (1 , −2) ou A(1/2 ; 3)."}};
            QTest::newRow(name) << typed << kind
                                << QString("Não consegui ler «%1»: %2.").arg(typed, why) +
                                       ask.at(kind);
        };
        unread("not a line", "x*y = 1", line, "a equação não representa uma recta");
        unread("a point for a circle", "x^2+y^2=0", line, "a equação representa um ponto");
        unread("no circle", "x^2+y^2=-4", line, "a equação não representa uma circunferência");
        unread("five coordinates", "(1 , 2 , 3 , 4 , 5)", point,
               "um ponto tem duas coordenadas, e aqui há 5");
        unread("unclosed in a line", "y = 2(x + 1", line, "os parênteses não fecham");
        unread("unclosed in a number", "2sqr(5", number, "os parênteses não fecham");
        unread("unclosed in a point", "(1 , 2", point, "os parênteses não fecham");
        unread("unknown in a number", "2x", number,
               "um número não tem x nem y (numa equação, falta o sinal =)");
    }
    void reader() {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, read);
        const TypedAnswer answer = readAnswer(typed.toStdString(), AnswerKind(kind));
        QString got = QString::fromStdString(answer.problem);
        for (const TypedValue& v : answer.values)
            got += (got.isEmpty() ? "" : " ; ") + QString::fromStdString(valueText(v.value));
        QCOMPARE(got, read);
    }

    void hostileAnswers_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("100000 characters") << QString(100000, QLatin1Char('9'));
        QTest::newRow("no =") << "2x - y + 3";
        QTest::newRow("two =") << "y = 2x = 3";
        QTest::newRow("not an expression") << "abc";
        QTest::newRow("parentheses") << "((((";
        QTest::newRow("root of a negative") << "sqr(-4)";
        QTest::newRow("half a point") << "(1 , )";
        QTest::newRow("semicolons") << ";;";
        QTest::newRow("huge") << "10^400";
    }
    void hostileAnswers() {
        QFETCH(QString, answer);
        const Exercise ex = generate(problem("recta1-4"), Level::Basico, 7);
        const Verdict v = check(ex, answer.toStdString());
        QVERIFY2(v.grade == Grade::Unreadable || v.grade == Grade::Errado, v.text.c_str());
        QVERIFY(!v.text.empty() && v.text.size() < 200);
        QVERIFY(v.text.find("nan") == std::string::npos && v.text.find("inf") == std::string::npos);
    }

    void readerKeepsWhatWasTyped() {
        const Exercise ex = generate(problem("recta2-1"), Level::Basico, 3);
        QCOMPARE(check(ex, "1/0").text,
                 std::string("Não consegui ler «1/0»: há uma divisão por zero. Escreva um ponto, "
                             "por exemplo (1 , −2) ou A(1/2 ; 3)."));
        QCOMPARE(check(ex, "").text, std::string("Escreva a resposta antes de verificar."));
        QCOMPARE(check(ex, "x^2+y^2=1").text,
                 std::string("Escreva um ponto, por exemplo (1 , −2) ou A(1/2 ; 3)."));
    }
};

QTEST_GUILESS_MAIN(TestPractice)
#include "tst_practice.moc"
