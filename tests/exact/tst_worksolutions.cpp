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
        QTest::newRow("reduced") << "y=3x-2"
                                 << "y = 3x − 2";
        QTest::newRow("decimals as typed") << "0.1x+0.2y=0.3"
                                           << "0,1x + 0,2y = 0,3";
        QTest::newRow("parentheses kept where needed") << "2*(x-1)+y=0"
                                                       << "2(x − 1) + y = 0";
        QTest::newRow("a negative coefficient") << "(-7/4)*y=x"
                                                << "(−7/4)y = x";
        QTest::newRow("roots and π") << "y=sqr(2)*x+pi"
                                     << "y = √2 x + π";
        QTest::newRow("a fraction of x") << "y=x/2+1"
                                         << "y = x/2 + 1";
        QTest::newRow("a circle") << "x^2+y^2=25"
                                  << "x² + y² = 25";
        QTest::newRow("a circle's reduced equation") << "(x-1)^2+(y+2)^2=5"
                                                     << "(x − 1)² + (y + 2)² = 5";
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

    /// The forms' examples and other worked cases, as a pupil reads them.
    void workedCases_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<QString>("lines"); // lines of the solution's plain text that must appear
        const auto row = [](const char* name, Problem f, QStringList data, const char* lines) {
            QTest::newRow(name) << f << data << QString::fromUtf8(lines);
        };
        row("point", "pontos-1", {"2", "3"},
            "Representação do ponto P(2 , 3)\n"
            "1. O ponto P(2 , 3) tem abcissa 2 e ordenada 3. P = (x_P , y_P) = (2 , 3)\n"
            "3. As perpendiculares aos eixos tiradas por esses pontos cruzam-se no ponto P(2 , "
            "3).");
        row("point on an axis", "pontos-1", {"-sqr(2)", "0"},
            "1. O ponto P(−√2 , 0) tem abcissa −√2 ≈ −1,41 e ordenada 0. P = (x_P , y_P) = (−√2 , "
            "0) ≈ (−1,41 , 0)\n"
            "2. A ordenada é nula: o ponto P está sobre o eixo das abcissas.");
        row("midpoint", "pontos-2", {"2", "-2", "-8", "4"},
            "Ponto médio de [AB], A(2 , −2), B(−8 , 4)\n"
            "2. Substituímos as coordenadas de A(2 , −2) e de B(−8 , 4). M = ((2 + (−8))/2 , (−2 + "
            "4)/2)\n"
            "3. Calculamos as somas e dividimos por 2. M = (−6/2 , 2/2) = (−3 , 1)\n"
            "4. O ponto médio de [AB] é M(−3 , 1).");
        row("midpoint half even", "pontos-2", {"0", "0", "1", "0.25"},
            "3. Calculamos as somas e dividimos por 2. M = (1/2 , (1/4)/2) = (1/2 , 1/8) ≈ (0,5 , "
            "0,12)");
        row("distance", "pontos-3", {"-8", "-2", "6", "4"},
            "2. Substituímos as coordenadas de A(−8 , −2) e de B(6 , 4). d(A, B) = √((6 − (−8))² + "
            "(4 − (−2))²)\n"
            "3. Calculamos as diferenças das coordenadas, os seus quadrados e a soma. d(A, B) = "
            "√(14² + 6²) = √(196 + 36) = √232\n"
            "4. Simplificamos o radical, escrevendo 232 como o produto de um quadrado perfeito por "
            "um número sem factores quadrados. √232 = √(2² × 58) = 2√58\n"
            "5. A distância entre os pontos A e B é 2√58 ≈ 15,23. d(A, B) = 2√58 ≈ 15,23");
        row("distance whole", "pontos-3", {"0", "0", "3", "4"},
            "4. Como 25 = 5², a raiz quadrada é exacta. √25 = √(5²) = 5\n"
            "5. A distância entre os pontos A e B é 5. d(A, B) = 5");
        row("distance of a fraction", "pontos-3", {"0", "0", "1/2", "1"},
            "4. A raiz de um quociente é o quociente das raízes. √(5/4) = √5/√4 = √5/2\n");
        row("bisector", "pontos-4", {"-2", "-4", "5", "4"},
            "5. Desenvolvemos os quadrados dos binómios. x² + 4x + 4 + y² + 8y + 16 = x² − 10x + "
            "25 + y² − 8y + 16\n7. Resolvemos a equação em ordem a y e obtemos a equação "
            "reduzida. 14x + 16y − 21 = 0 ⇔ 16y = −14x + 21 ⇔ y = −(7/8)x + 21/16\n8. A mediatriz "
            "de [AB] é a recta de equação 14x + 16y − 21 = 0.\n");
        row("vertical bisector", "pontos-4", {"2", "0", "0", "0"},
            "7. Dividimos ambos os membros por −4. x − 1 = 0\n8. O coeficiente de y é nulo: a "
            "recta é vertical, de equação x = 1. x − 1 = 0 ⇔ x = 1\n");
        row("coincident points", "pontos-4", {"1", "1", "1", "1"},
            "1. Os pontos A(1 , 1) e B(1 , 1) coincidem.\n"
            "2. Sem segmento [AB], todos os pontos do plano estão à mesma distância de A e de B: a "
            "mediatriz não está definida.");
        row("typed line", "recta1-1", {"2x-3y+4=0"},
            "Recta de equação 2x − 3y + 4 = 0\n1. Resolvemos a equação em ordem a y e obtemos a "
            "equação reduzida. 2x − 3y + 4 = 0 ⇔ −3y = −2x − 4 ⇔ y = (2/3)x + 4/3\n2. O declive "
            "da recta é 2/3 e a ordenada na origem é 4/3.\n4. O ponto B onde a recta corta o eixo "
            "das abcissas tem ordenada 0: substituímos y por 0 na equação reduzida e obtemos "
            "B(−2 , 0). 0 = (2/3)x_B + 4/3 ⇔ x_B = −2\n5. A recta é a que passa pelos pontos A(0 "
            ", 4/3) e B(−2 , 0).\n");
        row("typed line through the origin, written the other way round", "recta1-1", {"y=2x"},
            "Recta de equação y = 2x\n3. A recta é a que passa pelos pontos A(0 , 0) e B(1 , "
            "2).\n2. Para desenhar a recta basta conhecer dois dos seus pontos. A ordenada na "
            "origem é 0, por isso a recta passa na origem, A(0 , 0); para x = 1 obtemos o ponto "
            "B(1 , 2). y_B = 2 × 1 = 2\n");
        row("typed vertical line", "recta1-1", {"x=3"},
            "1. Para desenhar a recta basta conhecer dois dos seus pontos: todos têm abcissa 3, "
            "por exemplo A(3 , 0) e B(3 , 1).\n");
        row("typed horizontal line with a decimal", "recta1-1", {"0.5y=1"},
            "Recta de equação 0,5y = 1\n1. Passamos todos os termos da equação de r para o "
            "primeiro membro e multiplicamos ambos os membros por 2: obtemos a sua equação "
            "geral. 0,5y = 1 ⇔ y − 2 = 0\n3. Para desenhar a recta basta conhecer dois dos seus "
            "pontos: todos têm ordenada 2, por exemplo A(0 , 2) e B(1 , 2).\n");
        row("typed no line", "recta1-1", {"0x+0y=3"},
            "Recta de equação 0x + 0y = 3\n1. Na equação de r, 0x + 0y = 3, os coeficientes de x "
            "e de y são ambos nulos: não é a equação de uma recta.\n");
        row("line through two points", "recta1-2", {"5", "-3", "-2", "3"},
            "1. Calculamos o declive da recta AB. m = (y_B − y_A)/(x_B − x_A) = (3 − (−3))/(−2 − "
            "5) = 6/(−7) = −6/7 ≈ −0,86\n2. A recta de declive m que passa no ponto A tem equação "
            "y − y_A = m(x − x_A); substituímos e resolvemos em ordem a y para obter a equação "
            "reduzida. y − (−3) = −(6/7)(x − 5) ⇔ y + 3 = −(6/7)x + 30/7 ⇔ y = −(6/7)x + 9/7\n3. "
            "Passamos todos os termos para o primeiro membro e multiplicamos ambos os membros "
            "por 7: obtemos a equação geral. y = −(6/7)x + 9/7 ⇔ (6/7)x + y − 9/7 = 0 ⇔ 6x + 7y "
            "− 9 = 0\n4. A recta AB tem equação geral 6x + 7y − 9 = 0.\n");
        row("line through two points on a vertical", "recta1-2", {"1", "2", "1", "5"},
            "1. Os pontos A e B têm a mesma abcissa, 1: a recta AB é vertical. x = 1 ⇔ x − 1 = 0");
        row("one point twice", "recta1-2", {"0.1+0.2", "1", "0.3", "1"},
            "1. Os pontos A(3/10 , 1) e B(3/10 , 1) coincidem.\n"
            "2. Por um ponto passam infinitas rectas: dois pontos coincidentes não definem uma "
            "recta.");
        row("parallel", "recta1-3", {"2", "3", "2x+3y-1=0"},
            "Recta que passa por P(2 , 3) e é paralela à recta r: 2x + 3y − 1 = 0\n1. As rectas "
            "paralelas a r têm os mesmos coeficientes de x e de y que r: as suas equações são da "
            "forma 2x + 3y + k = 0.\n2. O ponto P(2 , 3) pertence à recta procurada: substituímos "
            "as suas coordenadas na equação e calculamos k. 2 × 2 + 3 × 3 + k = 0 ⇔ 13 + k = 0 ⇔ "
            "k = −13\n4. A recta paralela a r que passa por P tem equação geral 2x + 3y − 13 = "
            "0.\n");
        row("parallel to a line with decimals", "recta1-3", {"1", "-1", "0.2x+0.4y=1"},
            "1. Passamos todos os termos da equação de r para o primeiro membro e multiplicamos "
            "ambos os membros por 5: obtemos a sua equação geral. 0,2x + 0,4y = 1 ⇔ x + 2y − 5 = "
            "0\n3. O ponto P(1 , −1) pertence à recta procurada: substituímos as suas coordenadas "
            "na equação e calculamos k. 1 + 2 × (−1) + k = 0 ⇔ −1 + k = 0 ⇔ k = 1\n");
        row("perpendicular", "recta1-4", {"2", "3", "2x+3y-1=0"},
            "2. O ponto Q(2 , 3) pertence à recta procurada: substituímos as suas coordenadas na "
            "equação e calculamos k. 3 × 2 − 2 × 3 + k = 0 ⇔ 0 + k = 0 ⇔ k = 0\n3. Resolvemos a "
            "equação em ordem a y e obtemos a equação reduzida. 3x − 2y = 0 ⇔ −2y = −3x ⇔ y = "
            "(3/2)x\n4. A recta perpendicular a r que passa por Q tem equação geral 3x − 2y = "
            "0.\n");
        row("perpendicular to no line", "recta1-4", {"2", "3", "0x+0y=3"},
            "1. Na equação de r, 0x + 0y = 3, os coeficientes de x e de y são ambos nulos: não é "
            "a equação de uma recta.\n");
        row("intersection", "recta2-1", {"2x+3y+4=0", "5x-2y+4=0"},
            "Intersecção das rectas r: 2x + 3y + 4 = 0 e s: 5x − 2y + 4 = 0\n"
            "2. Resolvemos a equação de r em ordem a y. 2x + 3y + 4 = 0 ⇔ 3y = −2x − 4 ⇔ y = "
            "−(2/3)x − 4/3\n"
            "3. Substituímos y por −(2/3)x − 4/3 na equação de s e resolvemos em ordem a x. 5x − "
            "2(−(2/3)x − 4/3) + 4 = 0 ⇔ 5x + (4/3)x + 8/3 + 4 = 0 ⇔ (19/3)x + 20/3 = 0 ⇔ (19/3)x = "
            "−20/3 ⇔ x = −20/19\n"
            "4. Substituímos x por −20/19 na expressão de y. y = −(2/3) × (−20/19) − 4/3 = −12/19 "
            "≈ "
            "−0,63\n"
            "5. As rectas r e s são concorrentes e intersectam-se no ponto I(−20/19 , −12/19) ≈ "
            "I(−1,05 , −0,63).");
        row("intersection of a vertical and a horizontal line", "recta2-1", {"x=-2.5", "y=1/8"},
            "2. As rectas r e s são concorrentes e intersectam-se no ponto I(−5/2 , 1/8) ≈ "
            "I(−2,5 , 0,12).\n");
        row("intersection of parallels", "recta2-1", {"2x+3y+4=0", "2x+3y-4=0"},
            "3. Substituímos y por −(2/3)x − 4/3 na equação de s e resolvemos em ordem a x. 2x + "
            "3(−(2/3)x − 4/3) − 4 = 0 ⇔ 2x − 2x − 4 − 4 = 0 ⇔ 0x = 8\n"
            "4. A equação é impossível, por isso o sistema não tem solução: as rectas r e s não "
            "têm "
            "pontos comuns, são paralelas.");
        row("intersection of one line written twice with decimals", "recta2-1",
            {"0.1x+0.2y=0.3", "0.3x+0.6y=0.9"},
            "1. Passamos todos os termos da equação de r para o primeiro membro e multiplicamos "
            "ambos os membros por 10: obtemos a sua equação geral. 0,1x + 0,2y = 0,3 ⇔ x + 2y − "
            "3 = 0\n2. Passamos todos os termos da equação de s para o primeiro membro e "
            "multiplicamos ambos os membros por 10/3: obtemos a sua equação geral. 0,3x + 0,6y = "
            "0,9 ⇔ x + 2y − 3 = 0\n4. Resolvemos a equação de r em ordem a x. x + 2y − 3 = 0 ⇔ x "
            "= −2y + 3\n5. Substituímos x por −2y + 3 na equação de s e resolvemos em ordem a y. "
            "(−2y + 3) + 2y − 3 = 0 ⇔ −2y + 3 + 2y − 3 = 0 ⇔ 0y = 0\n6. A equação é possível e "
            "indeterminada: todos os pontos de r são pontos de s. As rectas r e s são "
            "coincidentes.\n");
        row("parallel distance", "recta2-2", {"2x+3y+4=0", "2x+3y-4=0"},
            "1. As rectas são paralelas: os coeficientes de x e de y das suas equações são "
            "proporcionais. a_r b_s − a_s b_r = 2 × 3 − 2 × 3 = 0\n"
            "3. Escolhemos um ponto P de r, fazendo x = 0: P(0 , −4/3). 3y_P + 4 = 0 ⇔ y_P = −4/3\n"
            "4. Aplicamos a fórmula da distância de um ponto a uma recta. d(r, s) = d(P, s) = |a_s "
            "x_P + b_s y_P + c_s|/√(a_s² + b_s²)\n"
            "6. Calculamos o valor absoluto e a raiz quadrada, e racionalizamos o denominador. "
            "d(r, "
            "s) = |−8|/√13 = 8/√13 = 8√13/13 ≈ 2,22\n"
            "7. A distância entre as rectas r e s é 8√13/13 ≈ 2,22.");
        row("parallel distance of lines that are not parallel", "recta2-2",
            {"2x+3y+4=0", "-2x+3y+4=0"},
            "2. Os coeficientes de x e de y das equações não são proporcionais: as rectas r e s "
            "não são paralelas, intersectam-se. a_r b_s − a_s b_r = 2 × (−3) − 2 × 3 = −12 ≠ 0\n");
        row("distance from a point to a line", "recta2-3", {"-2", "5", "3x-4y=24"},
            "Distância do ponto P(−2 , 5) à recta r: 3x − 4y = 24\n2. Aplicamos a fórmula da "
            "distância de um ponto a uma recta. d(P, r) = |ax_P + by_P + c|/√(a² + b²)\n3. "
            "Substituímos as coordenadas de P(−2 , 5) e os coeficientes da equação de r. d(P, r) "
            "= |3 × (−2) − 4 × 5 − 24|/√(3² + (−4)²)\n4. Calculamos o valor absoluto e a raiz "
            "quadrada, e simplificamos. d(P, r) = |−50|/√25 = 50/5 = 10\n5. A distância do ponto "
            "P à recta r é 10.\n");
        row("a point on the line", "recta2-3", {"1", "0", "x+y=1"},
            "5. O ponto P pertence à recta r: a distância é 0.\n");
        row("angle", "recta2-4", {"2x-5y=3", "x+3y=0"},
            "2. Um vector director da recta de equação ax + by + c = 0 é o vector (−b , a). u⃗ = "
            "(−b_r , a_r) = (5 , 2); v⃗ = (−b_s , a_s) = (−3 , 1)\n4. Substituímos as coordenadas "
            "dos vectores directores. cos(θ) = |5 × (−3) + 2 × 1|/(√(5² + 2²) √((−3)² + 1²))\n5. "
            "Calculamos e simplificamos. cos(θ) = |−13|/(√29 √10) = 13/√290 = 13√290/290 ≈ "
            "0,76\n6. Calculamos a amplitude com a função inversa do co-seno e escrevemo-la em "
            "graus, minutos e segundos. θ = cos⁻¹(13√290/290) ≈ 40,24° ≈ 40° 14′ 10,89″\n7. A "
            "amplitude do ângulo das rectas r e s é θ ≈ 40° 14′ 10,89″.\n");
        row("a notable angle", "recta2-4", {"y=0", "y=-sqr(3)*x"},
            "5. Calculamos e simplificamos. cos(θ) = |1|/(√1 √4) = 1/2 = 0,5\n6. 1/2 é o co-seno "
            "de um ângulo notável. θ = 60°\n");
        row("perpendicular lines", "recta2-4", {"y=x", "y=-x"},
            "6. O produto escalar dos vectores directores é 0: as rectas r e s são "
            "perpendiculares. cos(θ) = |0|/(√2 √2) = 0/2 = 0\n8. A amplitude do ângulo das rectas "
            "r e s é 90°.\n");
        row("angle of parallels", "recta2-4", {"x+y=0", "2x+2y=5"},
            "3. Os vectores directores são colineares: as rectas r e s são paralelas e não "
            "formam um ângulo. u₁ v₂ − u₂ v₁ = (−1) × 2 − 1 × (−2) = 0\n");
        // Lines 3
        row("collinear", "recta3-1", {"2", "3", "4", "6", "-2", "-3"},
            "Ver se os pontos A(2 , 3), B(4 , 6) e C(−2 , −3) são colineares\n1. Calculamos os "
            "declives das rectas AB e AC. m_AB = (y_B − y_A)/(x_B − x_A) = (6 − 3)/(4 − 2) = 3/2 "
            "= 1,5; m_AC = (y_C − y_A)/(x_C − x_A) = (−3 − 3)/(−2 − 2) = −6/(−4) = 3/2 = 1,5; "
            "m_AB = m_AC\n2. As rectas AB e AC são paralelas e têm o ponto A em comum, por isso "
            "coincidem: os pontos A, B e C estão em linha recta.\n");
        row("not collinear", "recta3-1", {"2", "3", "4", "6", "-2", "-2"},
            "2. As rectas AB e AC não são paralelas: os pontos A, B e C não estão em linha "
            "recta.\n");
        row("collinear on a vertical", "recta3-1", {"1", "0", "1", "5", "1", "-7"},
            "AB⃗ = (0 , 5); AC⃗ = (0 , −7); 0 × (−7) − 5 × 0 = 0\n");
        row("one point twice", "recta3-1", {"1", "2", "0.5+0.5", "2", "3", "4"},
            "1. Os pontos A e B coincidem e por dois pontos passa sempre uma recta: os três pontos "
            "estão em linha recta.\n");
        row("slope and inclination", "recta3-2a", {"2", "-2", "-8", "4"},
            "1. Calculamos o declive da recta AB. m = (y_B − y_A)/(x_B − x_A) = (4 − (−2))/(−8 − "
            "2) = 6/(−10) = −3/5 = −0,6\n3. O declive é negativo, por isso α é obtuso: α = 180° + "
            "tg⁻¹(m), que escrevemos em graus, minutos e segundos. α = 180° + tg⁻¹(−3/5) ≈ "
            "149,04° ≈ 149° 2′ 10,48″\n");
        row("inclination of a notable slope", "recta3-2b", {"y=-sqr(3)*x"},
            "3. −√3 é a tangente de um ângulo notável. α = 120°\n");
        row("slope of a typed line", "recta3-2b", {"2x-3y+7=0"},
            "2. O declive é o coeficiente de x na equação reduzida: m = 2/3.\n4. O declive é "
            "positivo, por isso α é agudo: calculamos α com a função inversa da tangente e "
            "escrevemo-lo em graus, minutos e segundos. α = tg⁻¹(2/3) ≈ 33,69° ≈ 33° 41′ 24,24″\n");
        row("no slope", "recta3-2b", {"x=3"},
            "1. Uma recta vertical não tem declive; a sua inclinação é 90°.\n");
        row("parallel lines", "recta3-3", {"x-y+4=0", "2x-2y-1=0"},
            "1. Comparamos os coeficientes de x e de y das equações de r e de s. a_r b_s − a_s b_r "
            "= 1 × (−2) − 2 × (−1) = 0\n"
            "2. Os coeficientes de x e de y são proporcionais, mas os termos independentes não: as "
            "rectas são paralelas. a_r c_s − a_s c_r = 1 × (−1) − 2 × 4 = −9; b_r c_s − b_s c_r = "
            "(−1) × (−1) − (−2) × 4 = 9\n");
        row("concurrent lines", "recta3-3", {"x+y-1=0", "x-y-1=0"},
            "7. As rectas r e s são concorrentes e intersectam-se no ponto I(1 , 0).\n");
        row("coincident lines", "recta3-3", {"0.1x+0.2y=0.3", "0.3x+0.6y=0.9"},
            "Todos os coeficientes das duas equações são proporcionais: as equações são da mesma "
            "recta, as rectas são coincidentes. a_r c_s − a_s c_r = 1 × (−3) − 1 × (−3) = 0; b_r "
            "c_s − b_s c_r = 2 × (−3) − 2 × (−3) = 0\n");
        // Lines 4
        row("parallel to the x axis", "recta4-1a", {"-1", "3"},
            "1. As rectas paralelas ao eixo das abcissas são horizontais, de equação y = k; a que "
            "passa por P(−1 , 3) tem k igual à ordenada de P. y = y_P = 3\n");
        row("an inclination of 30º", "recta4-1c", {"-1", "3", "30"},
            "1. O declive da recta é a tangente da sua inclinação. m = tg(30°) = √3/3 ≈ 0,58\n4. "
            "A recta procurada tem equação geral √3 x − 3y + 9 + √3 = 0.\n");
        row("an inclination of 90º", "recta4-1c", {"-1", "3", "90"}, "x = x_P = −1\n");
        row("an inclination of 181º", "recta4-1c", {"-1", "3", "181"},
            "1. A inclinação de uma recta está entre 0° e 180°: 181° não é a inclinação de uma "
            "recta.\n");
        row("a given slope", "recta4-1d", {"-1", "3", "1"},
            "3. A recta procurada tem equação geral x − y + 4 = 0.\n");
        row("at 30º with a line", "recta4-1e", {"-1", "3", "30", "2x-y+3=0"},
            "1. Calculamos a tangente do ângulo β. tg(β) = tg(30°) = √3/3 ≈ 0,58\n9. As rectas "
            "procuradas têm equações gerais (6 − √3)x − (3 + 2√3)y + 15 + 5√3 = 0 e (6 + √3)x + "
            "(2√3 − 3)y + 15 − 5√3 = 0.\n");
        row("at 90º with a line", "recta4-1e", {"-1", "3", "90", "2x-y+3=0"},
            "7. As rectas procuradas têm equações gerais x + 2y − 5 = 0 e x + 2y − 5 = 0.\n");
        row("bisectors", "recta4-2", {"2x+3y-1=0", "x-2y+4=0"},
            "distância de um ponto a uma recta e desembaraçamos de denominadores. |2x + 3y − "
            "1|/√13 "
            "= |x − 2y + 4|/√5 ⇔ √5 |2x + 3y − 1| = √13 |x − 2y + 4|\n");
        row("bisectors of the axes", "recta4-2", {"x=0", "y=0"},
            "3. Da primeira equação obtemos uma bissectriz, de equação geral x − y = 0.\n"
            "4. Da segunda obtemos a outra bissectriz, de equação geral x + y = 0.\n");
        // Circles 1
        row("circle by its equation", "circunferencia1-1a", {"x^2+y^2-4x-6y-3=0"},
            "Centro e raio da circunferência de equação x² + y² − 4x − 6y − 3 = 0\n1. Agrupamos "
            "os termos em x e os termos em y e completamos os quadrados, somando a ambos os "
            "membros o quadrado de metade de cada coeficiente de x e de y. x² + y² − 4x − 6y − 3 "
            "= 0 ⇔ (x² − 4x + 4) + (y² − 6y + 9) = 3 + 4 + 9 ⇔ (x − 2)² + (y − 3)² = 16\n2. A "
            "circunferência tem centro C(2 , 3) e raio 4. C = (2 , 3); r = √16 = 4\n");
        row("circle of radius √3/3", "circunferencia1-1a", {"x^2+y^2=1/3"},
            "2. A raiz de um quociente é o quociente das raízes; simplificamos e racionalizamos "
            "o denominador. √(1/3) = √1/√3 = 1/√3 = √3/3\n3. A circunferência tem centro C(0 , 0) "
            "e raio √3/3 ≈ 0,58. C = (0 , 0); r = √(1/3) = √3/3 ≈ 0,58\n");
        row("circle with A = 2", "circunferencia1-1a", {"2x^2+2y^2-8=0"},
            "1. Dividimos ambos os membros por 2. 2x² + 2y² − 8 = 0 ⇔ x² + y² − 4 = 0\n2. Não há "
            "termos em x nem em y: a equação é da forma x² + y² = r², de uma circunferência com "
            "centro na origem. x² + y² − 4 = 0 ⇔ x² + y² = 4\n");
        row("circle by its centre and radius", "circunferencia1-1b", {"2", "-3", "4"},
            "2. Substituímos as coordenadas do centro C(2 , −3) e o raio 4. (x − 2)² + (y + 3)² = "
            "4² ⇔ (x − 2)² + (y + 3)² = 16\n"
            "3. A circunferência tem equação (x − 2)² + (y + 3)² = 16. (x − 2)² + (y + 3)² = 16 ⇔ "
            "x² + y² − 4x + 6y − 3 = 0\n");
        row("a negative radius", "circunferencia1-1b", {"2", "-3", "-sqr(2)"},
            "1. O raio é uma distância e não pode ser negativo: tomamos o seu valor absoluto, √2. "
            "|−√2| = √2\n");
        row("circle tangent to a line", "circunferencia1-2", {"2", "-3", "2x-3y+4=0"},
            "4. Calculamos o valor absoluto e a raiz quadrada, e racionalizamos o denominador. r = "
            "|17|/√13 = 17/√13 = 17√13/13 ≈ 4,71\n"
            "8. A circunferência tem equação (x − 2)² + (y + 3)² = 289/13. (x − 2)² + (y + 3)² = "
            "289/13 ⇔ x² + y² − 4x + 6y − 120/13 = 0\n");
        row("tangent at a point", "circunferencia1-3", {"3", "-5", "x^2+y^2-2x-2y-38=0"},
            "4. A distância do ponto P(3 , −5) ao centro é igual ao raio: o ponto pertence à "
            "circunferência. d(C, P)² = (3 − 1)² + (−5 − 1)² = 40 = r²\n"
            "5. A recta tangente em P é perpendicular ao raio [CP]: o vector CP⃗ é perpendicular à "
            "tangente. CP⃗ = (x_P − x_C , y_P − y_C) = (2 , −6)\n"
            "6. Os pontos (x , y) da tangente são os que fazem o produto escalar de CP⃗ por (x − "
            "x_P "
            ", y − y_P) igual a 0; desenvolvemos. 2(x − 3) − 6(y + 5) = 0 ⇔ 2x − 6y − 36 = 0\n"
            "9. A recta tangente à circunferência no ponto P tem equação geral x − 3y − 18 = 0.\n");
        row("a line and a circle", "circunferencia1-4", {"3x-2y+1=0", "x^2+y^2-4x-6y-3=0"},
            "3. Substituímos y por (3/2)x + 1/2 na equação da circunferência, desenvolvemos o "
            "quadrado e reduzimos os termos semelhantes: obtemos uma equação do 2.º grau em x. "
            "x² + ((3/2)x + 1/2)² − 4x − 6((3/2)x + 1/2) − 3 = 0 ⇔ x² + (9/4)x² + (3/2)x + 1/4 − "
            "4x − 9x − 3 − 3 = 0 ⇔ (13/4)x² − (23/2)x − 23/4 = 0\n4. Multiplicamos ambos os "
            "membros por 4. (13/4)x² − (23/2)x − 23/4 = 0 ⇔ 13x² − 46x − 23 = 0\n5. Calculamos o "
            "binómio discriminante da equação do 2.º grau, Δ = b² − 4ac. Δ = (−46)² − 4 × 13 × "
            "(−23) = 3312\n7. Simplificamos o radical, escrevendo 3312 como o produto de um "
            "quadrado perfeito por um número sem factores quadrados. √3312 = √(12² × 23) = "
            "12√23\n8. Calculamos as duas soluções e simplificamos. x₁ = (46 − √3312)/(2 × 13) = "
            "(46 − 12√23)/26 = (23 − 6√23)/13 ≈ −0,44; x₂ = (46 + √3312)/(2 × 13) = (46 + "
            "12√23)/26 = (23 + 6√23)/13 ≈ 3,98\n11. O sistema tem duas soluções: a recta é "
            "secante à circunferência e intersecta-a nos pontos A((23 − 6√23)/13 , (41 − "
            "9√23)/13) ≈ A(−0,44 , −0,17) e B((23 + 6√23)/13 , (41 + 9√23)/13) ≈ B(3,98 , "
            "6,47).\n");
        row("a tangent line", "circunferencia1-4", {"y=7", "x^2+y^2-4x-6y-3=0"},
            "4. O discriminante é nulo, Δ = 0: a equação tem uma só solução (raiz dupla), "
            "−b/(2a). x = 4/(2 × 1) = 2\n5. O sistema tem uma só solução: a recta é tangente à "
            "circunferência no ponto de tangência T(2 , 7).\n");
        row("a vertical secant", "circunferencia1-4", {"x=1", "2x^2+2y^2-8=0"},
            "7. Calculamos as duas soluções e simplificamos. y₁ = −√12/(2 × 1) = −2√3/2 = −√3 ≈ "
            "−1,73; y₂ = √12/(2 × 1) = 2√3/2 = √3 ≈ 1,73\n8. O sistema tem duas soluções: a recta "
            "é secante à circunferência e intersecta-a nos pontos A(1 , −√3) ≈ A(1 , −1,73) e "
            "B(1 , √3) ≈ B(1 , 1,73).\n");
        row("circumcentre", "triangulo-1a", {"2", "-2", "-8", "4", "5", "8"},
            "2. A mediatriz r de [AB] passa pelo ponto médio M do lado e é perpendicular ao vector "
            "AB⃗. M = ((x_A + x_B)/2 , (y_A + y_B)/2) = ((2 + (−8))/2 , (−2 + 4)/2) = (−3 , 1); AB⃗ "
            "= "
            "(x_B − x_A , y_B − y_A) = (−8 − 2 , 4 − (−2)) = (−10 , 6); −10(x − (−3)) + 6(y − 1) = "
            "0 "
            "⇔ −10x + 6y − 36 = 0 ⇔ 5x − 3y + 18 = 0\n"
            "8. O circuncentro do triângulo é o ponto O(−117/118 , 513/118) ≈ O(−0,99 , 4,35).");
        row("incentre of a right triangle", "triangulo-1b", {"0", "0", "4", "0", "0", "3"},
            "2. Calculamos os comprimentos dos lados com a fórmula da distância entre dois pontos. "
            "a "
            "= d(B, C) = √((0 − 4)² + (3 − 0)²) = √25 = 5; b = d(A, C) = √((0 − 0)² + (3 − 0)²) = "
            "√9 = 3; c = d(A, B) = √((4 − 0)² + (0 − 0)²) = √16 = 4\n"
            "4. Substituímos os comprimentos dos lados e as coordenadas dos vértices, e "
            "calculamos. "
            "I = ((5 × 0 + 3 × 4 + 4 × 0)/(5 + 3 + 4) , (5 × 0 + 3 × 0 + 4 × 3)/(5 + 3 + 4)) = "
            "(12/12 , 12/12) = (1 , 1)\n");
        row("incentre with radicals", "triangulo-1b", {"2", "-2", "-8", "4", "5", "8"},
            "5. O incentro do triângulo é o ponto I ≈ (0,06 , 3,02).\n");
        row("orthocentre", "triangulo-1c", {"2", "-2", "-8", "4", "5", "8"},
            "2. A altura r passa pelo vértice A e é perpendicular ao lado [BC]: o vector BC⃗ é "
            "perpendicular a r. BC⃗ = (x_C − x_B , y_C − y_B) = (5 − (−8) , 8 − 4) = (13 , 4); 13(x "
            "− 2) + 4(y − (−2)) = 0 ⇔ 13x + 4y − 18 = 0\n"
            "8. O ortocentro do triângulo é o ponto H(58/59 , 77/59) ≈ H(0,98 , 1,31).");
        row("centroid", "triangulo-1d", {"2", "-2", "-8", "4", "5", "8"},
            "2. Substituímos as coordenadas dos vértices e calculamos. G = ((2 + (−8) + 5)/3 , (−2 "
            "+ 4 + 8)/3) = (−1/3 , 10/3) ≈ (−0,33 , 3,33)\n");
        row("area, clockwise", "triangulo-2", {"0", "0", "0", "3", "4", "0"},
            "4. A área do triângulo é 6. Área = |−12|/2 = 12/2 = 6\n"
            "5. O determinante é negativo: os vértices A, B e C sucedem-se no sentido dos "
            "ponteiros "
            "do relógio. Metade do determinante, a área com sinal, é −6. det(AB⃗, AC⃗)/2 = −12/2 = "
            "−6\n");
        row("area of the form's example", "triangulo-2", {"2", "-2", "-8", "4", "2", "-2"},
            "3. O determinante dos vectores AB⃗ = (u₁ , u₂) e AC⃗ = (v₁ , v₂), o número u₁ v₂ − "
            "u₂ v₁, é nulo: os vectores são colineares, e os pontos A, B e C estão em linha "
            "recta e não definem um triângulo. det(AB⃗, AC⃗) = (x_B − x_A)(y_C − y_A) − (x_C − "
            "x_A)(y_B − y_A) = (−10) × 0 − 0 × 6 = 0\n");
        row("collinear with decimals", "triangulo-1a", {"0.1", "0.1", "0.2", "0.2", "0.3", "0.3"},
            "1. O determinante dos vectores AB⃗ = (u₁ , u₂) e AC⃗ = (v₁ , v₂), o número u₁ v₂ − "
            "u₂ v₁, é nulo: os vectores são colineares, e os pontos A, B e C estão em linha "
            "recta e não definem um triângulo. det(AB⃗, AC⃗) = (x_B − x_A)(y_C − y_A) − (x_C − "
            "x_A)(y_B − y_A) = (1/10) × (1/5) − (1/5) × (1/10) = 0\n");
        row("right triangle with decimals", "triangulo-3", {"0", "0", "0.4", "0", "0", "0.3"},
            "2. O quadrado do maior lado, [BC], é igual à soma dos quadrados dos outros dois: pelo "
            "recíproco do teorema de Pitágoras, o triângulo é rectângulo. AB² + AC² = 4/25 + 9/100 "
            "= 1/4 = BC²\n");
        row("not a right triangle", "triangulo-3", {"2", "-2", "-8", "4", "5", "-2"},
            "2. O quadrado do maior lado, [BC], não é igual à soma dos quadrados dos outros dois: "
            "pelo teorema de Pitágoras, o triângulo não é rectângulo. AB² + AC² = 136 + 9 = 145 ≠ "
            "205 = BC²\n");
        row("inscribed circle", "circunferencia2-1a", {"0", "0", "4", "0", "0", "3"},
            "6. O raio r da circunferência inscrita é a distância do incentro a cada lado. A "
            "área do triângulo é metade do produto do perímetro por r, e o dobro da área é o "
            "valor absoluto do determinante dos vectores AB⃗ e AC⃗ (o número u₁ v₂ − u₂ v₁ para "
            "AB⃗ = (u₁ , u₂) e AC⃗ = (v₁ , v₂)): r = (2 × Área)/(a + b + c) = |det(AB⃗, AC⃗)|/(a "
            "+ b + c). det(AB⃗, AC⃗) = (x_B − x_A)(y_C − y_A) − (x_C − x_A)(y_B − y_A) = 4 × 3 − "
            "0 × 0 = 12; r = |det(AB⃗, AC⃗)|/(a + b + c) = |12|/12 = 1\n7. A circunferência "
            "inscrita no triângulo tem centro I e raio r; a sua equação é: (x − 1)² + (y − 1)² = "
            "1\n");
        row("circumscribed circle", "circunferencia2-1b", {"-5", "-3", "4", "6", "8", "-1"},
            "9. O raio r da circunferência circunscrita é a distância do circuncentro a qualquer "
            "dos vértices, por exemplo a A. r² = d(O, A)² = (x_A − x_O)² + (y_A − y_O)² = (−5 − "
            "27/22)² + (−3 − (−5/22))² = (−137/22)² + (−61/22)² = 11245/242 ≈ 46,47; r = "
            "√(11245/242) = √22490/22 ≈ 6,82\n10. A circunferência circunscrita ao triângulo tem "
            "centro O e raio r; a sua equação é: (x − 27/22)² + (y + 5/22)² = 11245/242\n");
        row("point to circle", "circunferencia2-2", {"6", "9", "(x+1)^2+(y-2)^2=25"},
            "5. Como d(P, C) > r, o ponto P é exterior à circunferência. d(P, C)² = 98 > 25 = "
            "r²\n6. A distância do ponto P à circunferência é 7√2 − 5 ≈ 4,9. d = d(P, C) − r = "
            "7√2 − 5 ≈ 4,9\n");
        row("point inside a circle", "circunferencia2-2", {"1", "2", "(x+1)^2+(y-2)^2=25"},
            "5. Como d(P, C) < r, o ponto P é interior à circunferência. d(P, C)² = 4 < 25 = r²\n");
        row("circle through three points", "circunferencia2-4", {"5", "1", "4", "6", "2", "-2"},
            "9. O raio r é a distância do centro a qualquer dos pontos, por exemplo a A. r = d(O, "
            "A) "
            "= √((5 − 1/3)² + (1 − 8/3)²) = √(221/9) = √221/3 ≈ 4,96\n"
            "10. Desenvolvemos os quadrados e passamos todos os termos para o primeiro membro: "
            "obtemos a equação geral da circunferência. (x − 1/3)² + (y − 8/3)² = 221/9 ⇔ x² + y² "
            "− "
            "(2/3)x − (16/3)y − 52/3 = 0\n");
        row("no circle through three points", "circunferencia2-4", {"0", "0", "1", "1", "2", "2"},
            "1. Os pontos A, B e C estão em linha recta: as mediatrizes de [AB] e de [AC] são "
            "paralelas e nenhuma circunferência passa pelos três pontos.\n");
        row("circle through P touching a line at Q", "circunferencia3-3",
            {"-3", "7", "2", "6", "3x+2y-18=0"},
            "3. A recta m passa por Q e é perpendicular a t: o vector (−2 , 3), director de t, é "
            "perpendicular a m. −2(x − 2) + 3(y − 6) = 0 ⇔ −2x + 3y − 14 = 0 ⇔ 2x − 3y + 14 = 0\n"
            "11. A circunferência que passa em P e é tangente à recta t no ponto Q tem equação: (x "
            "+ "
            "1)² + (y − 4)² = 13\n");
        row("Q off the line", "circunferencia3-3", {"-3", "7", "2", "5", "3x+2y-18=0"},
            "1. As coordenadas de Q não verificam a equação de t: o ponto Q não pertence à recta, "
            "e "
            "não há circunferência tangente a t nesse ponto. 3 × 2 + 2 × 5 − 18 = −2\n");
        row("two circles crossing", "circunferencia3-1", {"x^2+y^2=25", "x^2+y^2-12x+11=0"},
            "1. Passamos todos os termos para o primeiro membro: obtemos a equação geral da "
            "circunferência. x² + y² = 25 ⇔ x² + y² − 25 = 0\n"
            "2. Os pontos comuns às duas circunferências são as soluções do sistema formado "
            "pelas suas equações. Subtraímos membro a membro a segunda equação da primeira: os "
            "termos em x² e em y² anulam-se. { x² + y² − 25 = 0 ; x² + y² − 12x + 11 = 0 }; (x² "
            "+ y² − 25) − (x² + y² − 12x + 11) = 0 ⇔ 12x − 36 = 0\n7. Substituímos x por 3 na "
            "equação da circunferência, desenvolvemos o quadrado e reduzimos os termos "
            "semelhantes: obtemos uma equação do 2.º grau em y. 3² + y² − 25 = 0 ⇔ 9 + y² − 25 = "
            "0 ⇔ y² − 16 = 0\n12. A recta r intersecta a primeira circunferência em dois pontos, "
            "que também pertencem à segunda: as circunferências intersectam-se nos pontos A(3 , "
            "4) e B(3 , −4).\n");
        row("tangent circles", "circunferencia3-1", {"x^2+y^2-16x-20y+115=0", "x^2+y^2+8x-10y+5=0"},
            "3. Obtemos a equação do eixo radical r das duas circunferências, 12x + 5y − 55 = 0: "
            "os pontos comuns às circunferências são os pontos comuns à recta r e à primeira "
            "circunferência.\n"
            "11. A recta r é tangente à primeira circunferência num só ponto, que também pertence "
            "à segunda: as circunferências são tangentes no ponto T(20/13 , 95/13) ≈ T(1,54 , "
            "7,31).\n");
        row("concentric circles", "circunferencia3-1", {"x^2+y^2=1", "x^2+y^2=4"},
            "4. Os termos em x e em y também se anulam e fica uma igualdade impossível: as "
            "circunferências têm o mesmo centro e raios diferentes (são concêntricas), por isso "
            "não se intersectam.\n");
        row("tangents from a point", "circunferencia3-2", {"7", "1", "x^2+y^2=25"},
            "6. Escrevemos a distância de C à recta com a fórmula da distância de um ponto a uma "
            "recta e igualamo-la ao raio; como os dois membros são não negativos, elevamo-los ao "
            "quadrado, desenvolvemos e passamos todos os termos para o primeiro membro: obtemos "
            "uma equação em m. |−7m + 1|/√(m² + 1) = 5 ⇔ (−7m + 1)² = 25(m² + 1) ⇔ 49m² − 14m + "
            "1 = 25m² + 25 ⇔ 24m² − 14m − 24 = 0\n11. Calculamos as duas soluções e "
            "simplificamos. m₁ = (7 − √625)/(2 × 12) = (7 − 25)/24 = −3/4 = −0,75; m₂ = (7 + "
            "√625)/(2 × 12) = (7 + 25)/24 = 4/3 ≈ 1,33\n14. Uma das tangentes é a recta de "
            "equação geral 3x + 4y − 25 = 0.\n17. A outra tangente é a recta de equação geral 4x "
            "− 3y − 25 = 0.\n");
        row("a vertical tangent", "circunferencia3-2", {"5", "10", "x^2+y^2=25"},
            "7. O coeficiente de m² é nulo, porque (x_C − x_P)² = r²: a equação é do 1.º grau e "
            "dá um só declive. (x_C − x_P)² = 25 = r²; −100m + 75 = 0 ⇔ m = 3/4\n11. A outra "
            "tangente é a recta vertical x = 5, que passa por P: não tem declive, por isso não é "
            "dada pela equação em m. A sua distância ao centro é |x_C − x_P| = r. |x_C − x_P| = "
            "|0 − 5| = 5 = r\n");
        row("a point inside the circle", "circunferencia3-2", {"1", "0", "x^2+y^2-2x-1=0"},
            "4. Como d(P, C) < r, o ponto P é interior à circunferência. d(P, C)² = 0 < 2 = r²\n"
            "5. O ponto P não é exterior à circunferência: de um ponto interior não se pode traçar "
            "nenhuma tangente, e por um ponto da circunferência passa uma só, a tangente nesse "
            "ponto. Não há duas rectas tangentes à circunferência que passem por P.\n");
        // As a textbook writes them: the equation typed kept, a reduced one
        // used as it is, no empty step, every radius said.
        row("a reduced equation typed, brought to the general form", "recta1-3",
            {"2", "3", "y=3x-2"},
            "Recta que passa por P(2 , 3) e é paralela à recta r: y = 3x − 2\n"
            "1. Passamos todos os termos da equação de r para o primeiro membro e multiplicamos "
            "ambos os membros por −1: obtemos a sua equação geral. y = 3x − 2 ⇔ −3x + y + 2 = 0 "
            "⇔ 3x − y − 2 = 0\n");
        row("a reduced equation typed, used as it is", "recta2-1", {"y=x+1", "2x+y-5=0"},
            "1. Os pontos comuns às rectas r e s são as soluções do sistema formado pelas suas "
            "equações. { y = x + 1 ; 2x + y − 5 = 0 }\n"
            "2. Substituímos y por x + 1 na equação de s e resolvemos em ordem a x. 2x + (x + 1) − "
            "5 = 0 ⇔ 2x + x + 1 − 5 = 0 ⇔ 3x − 4 = 0 ⇔ 3x = 4 ⇔ x = 4/3\n");
        row("two reduced equations typed", "recta2-1", {"y=x+1", "y=2x-3"},
            "2. Substituímos y por x + 1 na equação de s e resolvemos em ordem a x. x + 1 = 2x − 3 "
            "⇔ x − 2x = −3 − 1 ⇔ −x = −4 ⇔ x = 4\n");
        row("a number put in without parentheses", "triangulo-1a",
            {"-1", "5", "-1", "-1", "8", "2"},
            "6. Substituímos y por 2 na equação de s e resolvemos em ordem a x. 3x − 2 − 7 = 0 ⇔ "
            "3x − 9 = 0 ⇔ 3x = 9 ⇔ x = 3\n");
        row("no squares to complete", "circunferencia1-1a", {"x^2+y^2-25=0"},
            "1. Não há termos em x nem em y: a equação é da forma x² + y² = r², de uma "
            "circunferência com centro na origem. x² + y² − 25 = 0 ⇔ x² + y² = 25\n"
            "2. A circunferência tem centro C(0 , 0) e raio 5. C = (0 , 0); r = √25 = 5\n");
        row("nothing to rationalise", "pontos-3", {"0", "0", "5/2", "4"},
            "4. A raiz de um quociente é o quociente das raízes. √(89/4) = √89/√4 = √89/2\n");
        row("the radius of the circumscribed circle", "circunferencia2-1b",
            {"-1", "5", "-1", "-1", "8", "2"},
            "8. O raio r da circunferência circunscrita é a distância do circuncentro a qualquer "
            "dos vértices, por exemplo a A. r² = d(O, A)² = (x_A − x_O)² + (y_A − y_O)² = (−1 − "
            "3)² + (5 − 2)² = (−4)² + 3² = 25; r = √25 = 5\n");
        row("a notable angle of either sign", "recta4-1e", {"1", "2", "-30", "y=2x+1"},
            "2. Calculamos a tangente do ângulo β. tg(β) = tg(−30°) = −√3/3 ≈ −0,58\n");
        row("unreadable exact values led by their decimals", "circunferencia2-1a",
            {"-5", "-3", "4", "6", "8", "-1"},
            "5. O incentro do triângulo é o ponto I ≈ (3,36 , 1,24).\n");
        row("the side of a triangle, the segment of three points", "circunferencia2-4",
            {"-1", "5", "-1", "-1", "8", "2"},
            "2. A mediatriz m de [AB] passa pelo ponto médio M do segmento e é perpendicular ao "
            "vector AB⃗. M = ((x_A + x_B)/2 , (y_A + y_B)/2) = ((−1 + (−1))/2 , (5 + (−1))/2) = "
            "(−1 , 2); AB⃗ = (x_B − x_A , y_B − y_A) = (−1 − (−1) , −1 − 5) = (0 , −6); −6(y − "
            "2) = 0 ⇔ −6y + 12 = 0 ⇔ y − 2 = 0\n");
        row("the reduced equation of a circle substituted into", "circunferencia1-4",
            {"y=x+1", "x^2+y^2=25"},
            "2. Substituímos y por x + 1 na equação da circunferência, desenvolvemos o quadrado e "
            "reduzimos os termos semelhantes: obtemos uma equação do 2.º grau em x. x² + (x + 1)² "
            "= 25 ⇔ x² + x² + 2x + 1 = 25 ⇔ 2x² + 2x − 24 = 0\n"
            "5. O discriminante é positivo, Δ > 0: a equação tem duas soluções, que a fórmula "
            "resolvente dá: x = (−b ± √Δ)/(2a).\n");
    }
    void workedCases() {
        QFETCH(QString, frame);
        QFETCH(QStringList, data);
        QFETCH(QString, lines);
        const Solution s = solve(frame, data);
        const QString text = solutionText(s);
        for (const QString& line : lines.split('\n', Qt::SkipEmptyParts))
            QVERIFY2(text.contains(line + '\n'), qPrintable(text));
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
        QCOMPARE(*solve("pontos-4", twice).answer.get<Verdict>("Resultado3"),
                 Verdict::CoincidentPoints);
        QCOMPARE(*solve("recta1-2", twice).answer.get<Verdict>("Resultado1"),
                 Verdict::CoincidentPoints);
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
        row("parallels asked for their meeting point", "recta2-1",
            {"0.1x+0.2y=0.4", "0.3x+0.6y=0.7"}, Verdict::ParallelLines);
        row("one line asked for its meeting point with itself", "recta2-1", {"y=2x+1", "4x-2y+2=0"},
            Verdict::CoincidentLines);
        row("vertical parallels asked for their meeting point", "recta2-1", {"x=1", "2x=3"},
            Verdict::ParallelLines);
        row("distance of lines that meet", "recta2-2", {"y=x", "y=2x"}, Verdict::NotParallel);
        row("angle of parallels", "recta2-4", {"0.1x+0.2y=0.3", "0.3x+0.6y=0.7"},
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
        row("concentric circles", "circunferencia3-1", {"x^2+y^2=1", "x^2+y^2=4"},
            Verdict::CirclesApart);
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
    void exactVerdicts_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<bool>("expected");
        const auto row = [](const char* name, const char* kind, QStringList data, bool yes) {
            QTest::newRow(name) << QString(kind) << data << yes;
        };
        row("x² + y² = 1/3 has a circle's shape", "shape", {"x^2+y^2=1/3"}, true);
        row("x² + 2y² = 1 has not", "shape", {"x^2+2y^2=1"}, false);
        row("a radius whose square is 0", "point", {"x^2+y^2=0.3-0.1-0.2"}, true);
        row("a radius whose square is negative", "imaginary", {"x^2+y^2=-0.1"}, true);
        row("(0,5 , √0,75) on the unit circle", "on", {"0.5", "sqr(0.75)", "x^2+y^2=1"}, true);
        row("(1 , 10⁻⁹) off it", "on", {"1", "1/10^9", "x^2+y^2=1"}, false);
        row("a tangent with decimals", "touches", {"y=0.3", "x^2+y^2=0.09"}, true);
        row("a line missing by 10⁻⁹", "misses", {"y=1+1/10^9", "x^2+y^2=1"}, true);
        row("three points in line with decimals", "collinear",
            {"0.1", "0.2", "0.2", "0.4", "0.3", "0.6"}, true);
        row("three points not quite in line", "collinear",
            {"0.1", "0.2", "0.2", "0.4", "0.3", "0.6000000001"}, false);
    }
    void exactVerdicts() {
        QFETCH(QString, kind);
        QFETCH(QStringList, data);
        QFETCH(bool, expected);
        const Texts t = textsOf(data);
        const auto point = [&t](qsizetype i) {
            return Point{readField(t.numbers.value(2 * i).toStdString()),
                         readField(t.numbers.value(2 * i + 1).toStdString())};
        };
        const Conic c =
            t.circles.isEmpty() ? Conic{} : readCircle(t.circles[0].toStdString()).conic;
        const Line l = t.lines.isEmpty() ? Line{} : readLine(t.lines[0].toStdString()).line;
        std::optional<bool> found;
        if (kind == "shape") found = verdict::circleShape(c);
        if (kind == "point") found = verdict::pointCircle(c);
        if (kind == "imaginary") found = verdict::imaginaryCircle(c);
        if (kind == "on") found = verdict::onCircle(point(0), c);
        if (kind == "touches") found = verdict::lineTouchesCircle(l, c);
        if (kind == "misses") found = verdict::lineMissesCircle(l, c);
        if (kind == "collinear") found = verdict::collinear(point(0), point(1), point(2));
        QVERIFY(found.has_value());
        QCOMPARE(*found, expected);
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
        QCOMPARE(q(generalEquationText(*l, ",")), QString("x + 2y + 1 = 0"));
        QVERIFY(l->a == 1 && l->b == 2 && l->c == 1);
        Answer a;
        a.add("Resultado1", Line{Number(-4), Number(6), Number::fraction(1, 2)});
        QVERIFY(a.get<Line>("Resultado1")->a == 8 && a.get<Line>("Resultado1")->c == -1);
        const Solution angle = solve("recta2-4", {"2x-5y=3", "x+3y=0"});
        const Angle* theta = angle.answer.get<Angle>("Resultado4");
        QVERIFY(theta && theta->degrees.isApproximate() && theta->value.isExact());
        QCOMPARE(exactcase::text(theta->value), QString("13√290/290"));
        const Solution notable = solve("recta2-4", {"x=0", "y=x"});
        const Angle* right = notable.answer.get<Angle>("Resultado4");
        QVERIFY(right && right->degrees == 45 && right->degrees.isExact());
    }

    /// The common points and the tangents in the order of the form's labels:
    /// the points further along the chord's direction from C₁C₂ rotated, the
    /// tangent of slope (uv + r·t)/(u² − r²) first, a vertical one first when
    /// u·v > 0 (u, v from P to the centre).
    void labelsInTheFormsOrder_data() {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const auto row = [](const char* name, Problem f, QStringList data, const char* first,
                            const char* second) {
            QTest::newRow(name) << f << data << QString::fromUtf8(first)
                                << QString::fromUtf8(second);
        };
        row("points", "circunferencia3-1", {"x^2+y^2=25", "x^2+y^2-12x+11=0"}, "(3 , 4)",
            "(3 , −4)");
        row("the circles the other way", "circunferencia3-1", {"x^2+y^2-12x+11=0", "x^2+y^2=25"},
            "(3 , −4)", "(3 , 4)");
        row("the form's example", "circunferencia3-2", {"-1", "0", "x^2+y^2-2x-1=0"},
            "x − y + 1 = 0", "x + y + 1 = 0");
        row("u² > r²: the larger slope", "circunferencia3-2", {"7", "1", "x^2+y^2=25"},
            "4x − 3y − 25 = 0", "3x + 4y − 25 = 0");
        row("u² < r²: the smaller slope", "circunferencia3-2", {"1", "7", "x^2+y^2=25"},
            "4x + 3y − 25 = 0", "3x − 4y + 25 = 0");
        row("vertical first", "circunferencia3-2", {"5", "10", "x^2+y^2=25"}, "x − 5 = 0",
            "3x − 4y + 25 = 0");
        row("vertical second", "circunferencia3-2", {"5", "-10", "x^2+y^2=25"}, "3x + 4y + 25 = 0",
            "x − 5 = 0");
    }
    void labelsInTheFormsOrder() {
        QFETCH(QString, frame);
        QFETCH(QStringList, data);
        QFETCH(QString, first);
        QFETCH(QString, second);
        const Solution s = solve(frame, data);
        const auto shown = [&s](std::size_t i) {
            const AnswerValue& v = s.answer.parts().at(i).value;
            if (const auto* p = std::get_if<Point>(&v)) return q(text(*p, ","));
            return q(generalEquationText(std::get<Line>(v), ","));
        };
        QCOMPARE(s.answer.parts().size(), std::size_t(2));
        QCOMPARE(shown(0), first);
        QCOMPARE(shown(1), second);
    }
};

QTEST_APPLESS_MAIN(tst_WorkSolutions)
#include "tst_worksolutions.moc"
