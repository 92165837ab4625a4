#include "clsequation.h"
#include "exactcase.h"
#include "pointsolutions.h"
#include "sentences.h"

#include <QSet>
#include <cmath>

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

/// A coordinate as typed, with its exact value and the interpreter's double.
struct Datum {
    std::string text;
    Number exact;
    double value;
};

Datum datum(const std::string& text) {
    clsEquation e;
    e.setEquation(text);
    e.setVar("x", 0);
    return {text, readField(text), e.Solution()};
}

/// Random coordinates of every kind a pupil types.
class Data {
public:
    explicit Data(unsigned seed)
        : m_values(seed) {}
    Datum next() {
        const int a = m_values.integer(-9, 9);
        const int b = m_values.integer(1, 7);
        const std::string n = std::to_string(m_values.integer(2, 7));
        switch (m_values.integer(0, 6)) {
        case 0:
        case 1:
            return datum(std::to_string(a));
        case 2:
            return datum(std::to_string(a) + "/" + std::to_string(b));
        case 3:
            return datum(std::to_string(a) + "sqr(" + n + ")");
        case 4:
            return datum(std::to_string(a) + "/" + std::to_string(b) + "+sqr(" + n + ")");
        case 5:
            return datum(std::to_string(a) + "." + std::to_string(b) + "5");
        default:
            return datum("pi/" + std::to_string(b));
        }
    }

private:
    Values m_values;
};

enum class Frame { Point, Midpoint, Distance, Bisector };

Solution solve(Frame frame, const Point& a, const Point& b) {
    switch (frame) {
    case Frame::Point:
        return solutions::solvePoint(a);
    case Frame::Midpoint:
        return solutions::solveMidpoint(a, b);
    case Frame::Distance:
        return solutions::solveDistance(a, b);
    default:
        return solutions::solveBisector(a, b);
    }
}

bool close(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * (1 + std::fabs(a) + std::fabs(b));
}

/// The form's own answer, in doubles, agrees with the solution's exact one.
bool agreesWithTheForm(Frame frame, const Solution& s, double x1, double y1, double x2, double y2) {
    switch (frame) {
    case Frame::Point: {
        const auto& p = std::get<Point>(s.answer);
        return close(p.x.toDouble(), x1) && close(p.y.toDouble(), y1);
    }
    case Frame::Midpoint: {
        const auto& m = std::get<Point>(s.answer);
        return close(m.x.toDouble(), (x1 + x2) / 2) && close(m.y.toDouble(), (y1 + y2) / 2);
    }
    case Frame::Distance:
        return close(std::get<Number>(s.answer).toDouble(),
                     std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1)));
    default: {
        const auto& l = std::get<Line>(s.answer);
        const double a = 2 * (x2 - x1), b = 2 * (y2 - y1),
                     c = x1 * x1 + y1 * y1 - x2 * x2 - y2 * y2;
        const double la = l.a.toDouble(), lb = l.b.toDouble(), lc = l.c.toDouble();
        const double scale = std::fabs(a) + std::fabs(b) + std::fabs(c);
        return close(a * lb / scale, b * la / scale) && close(a * lc / scale, c * la / scale) &&
               close(b * lc / scale, c * lb / scale);
    }
    }
}

/// Points on the answer's line and beside it, where the solution's
/// equations must hold and must fail.
std::pair<std::vector<std::pair<double, double>>, std::vector<std::pair<double, double>>>
samplesAbout(const Solution& s) {
    if (!std::holds_alternative<Line>(s.answer)) return {};
    const auto& l = std::get<Line>(s.answer);
    const double n = std::hypot(l.a.toDouble(), l.b.toDouble());
    const double a = l.a.toDouble() / n, b = l.b.toDouble() / n, c = l.c.toDouble() / n;
    std::vector<std::pair<double, double>> on;
    for (const double t : {-1.5, 0.0, 2.0}) // the foot of the normal, then along the line
        on.push_back({-a * c - b * t, -b * c + a * t});
    std::vector<std::pair<double, double>> off;
    for (const auto& [x, y] : on)
        off.push_back({x + a / 2, y + b / 2});
    return {on, off};
}

/// Every line holds numerically: a chain of values member by member, an
/// equation at points of the answer and not beside it.
QString failedLine(const Solution& s) {
    const auto [on, off] = samplesAbout(s);
    for (const Step& step : s.steps)
        for (const Math& line : step.lines) {
            if (holds(line, s.environment)) continue;
            bool equation = !on.empty();
            const auto at = [&](double x, double y) {
                Environment env = s.environment;
                env.bind(symbol("x"), x);
                env.bind(symbol("y"), y);
                return holds(line, env);
            };
            for (const auto& [x, y] : on)
                equation = equation && at(x, y);
            for (const auto& [x, y] : off)
                equation = equation && !at(x, y);
            if (!equation) return q(linearText(line, "."));
        }
    return {};
}

QString solutionText(const Solution& s) {
    return q(plainText(s, ","));
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
    }

    /// The forms' examples and other worked cases, as a pupil reads them.
    void workedCases_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<QString>("lines"); // lines of the solution's plain text that must appear
        const auto row = [](const char* name, Frame f, QStringList data, const char* lines) {
            QTest::newRow(name) << int(f) << data << QString::fromUtf8(lines);
        };
        row("point", Frame::Point, {"2", "3", "0", "0"},
            "Representação do ponto P(2 , 3)\n"
            "1. O ponto P(2 , 3) tem abcissa 2 e ordenada 3. P = (x_P , y_P) = (2 , 3)\n"
            "3. As perpendiculares aos eixos tiradas por esses pontos cruzam-se no ponto P(2 , "
            "3).");
        row("point on an axis", Frame::Point, {"-sqr(2)", "0", "0", "0"},
            "1. O ponto P(−√2 , 0) tem abcissa −√2 ≈ −1,41 e ordenada 0. P = (x_P , y_P) = (−√2 , "
            "0) ≈ (−1,41 , 0)\n"
            "2. A ordenada é nula: o ponto P está sobre o eixo das abcissas.");
        row("midpoint", Frame::Midpoint, {"2", "-2", "-8", "4"},
            "Ponto médio de [AB], A(2 , −2), B(−8 , 4)\n"
            "2. Substituímos as coordenadas de A(2 , −2) e de B(−8 , 4). M = ((2 + (−8))/2 , (−2 + "
            "4)/2)\n"
            "3. Calculamos as somas e dividimos por 2. M = (−6/2 , 2/2) = (−3 , 1)\n"
            "4. O ponto médio de [AB] é M(−3 , 1).");
        row("midpoint half even", Frame::Midpoint, {"0", "0", "1", "0.25"},
            "3. Calculamos as somas e dividimos por 2. M = (1/2 , (1/4)/2) = (1/2 , 1/8) ≈ (0,5 , "
            "0,12)");
        row("distance", Frame::Distance, {"-8", "-2", "6", "4"},
            "2. Substituímos as coordenadas de A(−8 , −2) e de B(6 , 4). d(A, B) = √((6 − (−8))² + "
            "(4 − (−2))²)\n"
            "3. Calculamos as diferenças das coordenadas, os seus quadrados e a soma. d(A, B) = "
            "√(14² + 6²) = √(196 + 36) = √232\n"
            "4. Simplificamos o radical, escrevendo 232 como o produto de um quadrado perfeito por "
            "um número sem factores quadrados. √232 = √(2² × 58) = 2√58\n"
            "5. A distância entre os pontos A e B é 2√58 ≈ 15,23. d(A, B) = 2√58 ≈ 15,23");
        row("distance whole", Frame::Distance, {"0", "0", "3", "4"},
            "4. Como 25 = 5², a raiz quadrada é exacta. √25 = √(5²) = 5\n"
            "5. A distância entre os pontos A e B é 5. d(A, B) = 5");
        row("distance of a fraction", Frame::Distance, {"0", "0", "1/2", "1"},
            "4. Simplificamos o radical e racionalizamos o denominador. √(5/4) = √5/√4 = √5/2\n");
        row("bisector", Frame::Bisector, {"-2", "-4", "5", "4"},
            "5. Desenvolvemos os quadrados dos binómios. x² + 4x + 4 + y² + 8y + 16 = x² − 10x + "
            "25 + y² − 8y + 16\n"
            "7. Resolvemos a equação em ordem a y e obtemos a equação reduzida. 16y = −14x + 21; y "
            "= −(7/8)x + 21/16\n"
            "8. A mediatriz de [AB] é a recta de equação 14x + 16y − 21 = 0.");
        row("vertical bisector", Frame::Bisector, {"2", "0", "0", "0"},
            "7. Dividimos ambos os membros por −4. x − 1 = 0\n"
            "8. O coeficiente de y é nulo: a recta é vertical, de equação x = 1. x = 1");
        row("coincident points", Frame::Bisector, {"1", "1", "1", "1"},
            "1. Os pontos A(1 , 1) e B(1 , 1) coincidem.\n"
            "2. Sem segmento [AB], todos os pontos do plano estão à mesma distância de A e de B: a "
            "mediatriz não está definida.");
    }
    void workedCases() {
        QFETCH(int, frame);
        QFETCH(QStringList, data);
        QFETCH(QString, lines);
        const Point a{read(qPrintable(data[0])), read(qPrintable(data[1]))};
        const Point b{read(qPrintable(data[2])), read(qPrintable(data[3]))};
        const QString text = solutionText(solve(Frame(frame), a, b));
        for (const QString& line : lines.split('\n', Qt::SkipEmptyParts))
            QVERIFY2(text.contains(line + '\n'), qPrintable(text));
    }

    /// Equal points: the solution says so in words and stops.
    void coincidentPoints() {
        const Point a{read("1/3"), read("sqr(2)")};
        for (const Frame f : {Frame::Midpoint, Frame::Distance, Frame::Bisector}) {
            const Solution s = solve(f, a, a);
            QVERIFY(s.stopped);
            QCOMPARE(s.steps.front().kind, StepKind::CoincidentPoints);
            QVERIFY(!solutionText(s).contains("inf") && !solutionText(s).contains("nan"));
            QVERIFY(failedLine(s).isEmpty());
        }
        QVERIFY(std::get<Point>(solve(Frame::Midpoint, a, a).answer) == a);
        QVERIFY(std::get<Number>(solve(Frame::Distance, a, a).answer).isZero());
        QVERIFY(std::holds_alternative<std::monostate>(solve(Frame::Bisector, a, a).answer));
    }

    /// Thousands of random data per frame: every line equals the one before
    /// it numerically, and the answer is the form's own.
    void randomData() {
        Data data(31);
        for (const Frame frame :
             {Frame::Point, Frame::Midpoint, Frame::Distance, Frame::Bisector}) {
            for (int i = 0; i < 1500; ++i) {
                const Datum x1 = data.next(), y1 = data.next(), x2 = data.next(), y2 = data.next();
                const Solution s = solve(frame, {x1.exact, y1.exact}, {x2.exact, y2.exact});
                const QString where = QString::fromStdString(x1.text + ", " + y1.text + ", " +
                                                             x2.text + ", " + y2.text);
                const QString failed = failedLine(s);
                QVERIFY2(failed.isEmpty(), qPrintable(where + ": " + failed));
                if (!s.stopped)
                    QVERIFY2(agreesWithTheForm(frame, s, x1.value, y1.value, x2.value, y2.value),
                             qPrintable(where));
                const QString text = solutionText(s);
                QVERIFY2(!text.contains("inf") && !text.contains("nan"), qPrintable(text));
            }
        }
    }
};

QTEST_APPLESS_MAIN(tst_WorkSolutions)
#include "tst_worksolutions.moc"
