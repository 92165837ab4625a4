// The checker against answers the test writes itself: right ones in several
// equivalent forms, wrong ones made by changing a right one, for every frame
// at every level. A wrong answer graded "Certo" (or "Certo, mas
// simplifique"), or a right one graded "Errado" or not read, fails.
//
// A few seeds per frame and level by default; ORTOPLANO_LONG_ROUNDS=n runs
// n times as many.

#include "answer.h"
#include "checker.h"
#include "exercise.h"
#include "practicerows.h"
#include "rounds.h"

#include <QTest>
#include <cmath>

using namespace practice;
using exact::Number;

namespace {

// --- writing values as a pupil would, in the program's syntax

/// A value as a sum of terms p/q*sqr(r), with its sign.
std::string written(const Number& n) {
    if (n.isZero()) return "0";
    std::string out;
    for (const exact::Term& t : n.terms()) {
        const bool negative = sgn(t.coefficient) < 0;
        out += negative ? "-" : out.empty() ? "" : "+";
        out += mpz_class(abs(t.coefficient.get_num())).get_str();
        if (t.coefficient.get_den() != 1) out += "/" + t.coefficient.get_den().get_str();
        if (t.radicand != 1) out += "*sqr(" + std::to_string(t.radicand) + ")";
    }
    return out;
}

/// The same with true minus signs and roots as "2√13", as a pupil writes it.
std::string handwritten(const Number& n) {
    if (n.isZero()) return "0";
    std::string out;
    for (const exact::Term& t : n.terms()) {
        const bool negative = sgn(t.coefficient) < 0;
        out += negative ? "\u2212" : out.empty() ? "" : " + ";
        const mpz_class k = abs(t.coefficient.get_num());
        if (t.radicand == 1 || k != 1) out += k.get_str();
        if (t.radicand != 1) out += "\u221a" + std::to_string(t.radicand);
        if (t.coefficient.get_den() != 1) out += "/" + t.coefficient.get_den().get_str();
    }
    return out;
}

std::string inParens(const Number& n) {
    return "(" + written(n) + ")";
}

std::string linear(const Number& a, const Number& b, const Number& c) {
    return inParens(a) + "*x+" + inParens(b) + "*y+" + inParens(c);
}

/// What a pupil writes, right and wrong, for a key in words: "sim" and "não" as the
/// statement asks them, of a triangle (é rectângulo?) or of three points (em linha recta?).
struct Said {
    Words key;
    bool triangle;
    std::vector<std::string> right, wrong;
};
const Said Phrases[] = {
    {Words::Yes,
     true,
     {"sim", "Sim, é rectângulo.", "O triângulo é retângulo"},
     {"não", "Não é rectângulo"}},
    {Words::Yes,
     false,
     {"sim", "Sim, são colineares.", "Os pontos estão em linha recta"},
     {"não", "não estão em linha recta"}},
    {Words::No, true, {"não", "Não é rectângulo.", "Não, não é."}, {"sim", "é rectângulo"}},
    {Words::No,
     false,
     {"não", "Os pontos não estão em linha recta", "não são colineares"},
     {"sim", "são colineares"}},
    {Words::Parallel,
     false,
     {"paralelas", "As rectas são paralelas e distintas.", "estritamente paralelas"},
     {"coincidentes", "não são paralelas"}},
    {Words::Coincident,
     false,
     {"coincidentes", "As rectas r e s são coincidentes.", "paralelas coincidentes"},
     {"paralelas e distintas", "não são coincidentes"}},
    {Words::DoesNotExist, false, {"não existe", "O declive não existe."}, {"0"}}};

const Said& phrases(const Exercise& ex, Words w) {
    const bool triangle =
        ex.frame.topic() == Topic::Triangulo && (w == Words::Yes || w == Words::No);
    return *std::find_if(std::begin(Phrases), std::end(Phrases),
                         [&](const Said& s) { return s.key == w && s.triangle == triangle; });
}

/// Degrees, minutes and seconds of an amplitude, the seconds to `places`.
std::string dms(double degrees, int places, bool inWords = false) {
    const long long scale = std::llround(std::pow(10.0, places)), perMinute = 60 * scale;
    const long long units = std::llround(degrees * 3600 * double(scale));
    const QString seconds =
        QString::number(double(units % perMinute) / double(scale), 'f', places).replace('.', ',');
    return (inWords ? QStringLiteral("%1 graus %2 minutos %3 segundos")
                    : QStringLiteral("%1º %2' %3''"))
        .arg(units / (60 * perMinute))
        .arg(units / perMinute % 60)
        .arg(seconds)
        .toStdString();
}

/// Forms of one right value.
std::vector<std::string> rightForms(const Exercise& ex, const Value& v) {
    if (const auto* n = std::get_if<Number>(&v))
        return {written(*n), "d = " + handwritten(*n), "(2*" + inParens(*n) + ")/2",
                handwritten(*n)};
    if (const auto* p = std::get_if<exact::Point>(&v))
        return {"(" + written(p->x) + " ; " + written(p->y) + ")",
                "P(" + written(p->x) + " ; " + written(p->y) + ")",
                "x = " + written(p->x) + ", y = " + written(p->y)};
    if (const auto* l = std::get_if<exact::Line>(&v)) {
        std::vector<std::string> forms{linear(l->a, l->b, l->c) + "=0",
                                       linear(-2 * l->a, -2 * l->b, -2 * l->c) + "=0",
                                       "r: " + inParens(3 * l->a) + "*x+" + inParens(3 * l->c) +
                                           "=" + inParens(-3 * l->b) + "*y"};
        if (!l->b.isZero())
            forms.push_back("y=" + inParens(-l->a / l->b) + "*x+" + inParens(-l->c / l->b));
        else
            forms.push_back("x=" + inParens(-l->c / l->a));
        return forms;
    }
    if (const auto* c = std::get_if<exact::Circle>(&v)) {
        const Number& p = c->centre.x;
        const Number& q = c->centre.y;
        const Number r2 = c->radiusSquared();
        const std::string reduced =
            "(x-" + inParens(p) + ")^2+(y-" + inParens(q) + ")^2=" + inParens(r2);
        const Number f = p * p + q * q - r2;
        return {
            reduced, "c: " + reduced,
            "x^2+y^2+" + inParens(-2 * p) + "*x+" + inParens(-2 * q) + "*y+" + inParens(f) + "=0",
            "2x^2+2*y^2=" + inParens(4 * p) + "*x+" + inParens(4 * q) + "*y-" + inParens(2 * f)};
    }
    if (const auto* d = std::get_if<Degrees>(&v)) {
        if (d->value.isExact())
            return {written(d->value), written(d->value) + "º", written(d->value) + " graus",
                    "θ = " + written(d->value) + "º 0' 0''"};
        return {dms(d->value.toDouble(), 2), dms(d->value.toDouble(), 0),
                dms(d->value.toDouble(), 1, true)};
    }
    return phrases(ex, std::get<Words>(v)).right;
}

/// Wrong forms of one value: changed coefficients, a flipped sign, swapped
/// coordinates, a product with another factor; each truly unequal to it.
std::vector<std::string> wrongForms(const Exercise& ex, const Value& v) {
    std::vector<std::string> out;
    if (const auto* n = std::get_if<Number>(&v)) {
        for (const Number& other : {*n + 1, 2 * *n + 1, -*n, *n * *n + 2})
            if (!(other == *n)) out.push_back(written(other));
    } else if (const auto* p = std::get_if<exact::Point>(&v)) {
        out.push_back("(" + written(p->x + 1) + " ; " + written(p->y) + ")");
        if (!(p->x == p->y)) out.push_back("(" + written(p->y) + " ; " + written(p->x) + ")");
        if (!p->y.isZero()) out.push_back("(" + written(p->x) + " ; " + written(-p->y) + ")");
    } else if (const auto* l = std::get_if<exact::Line>(&v)) {
        out.push_back(linear(l->a, l->b, l->c + 1) + "=0");
        if (!l->a.isZero() && !l->b.isZero()) out.push_back(linear(-l->a, l->b, l->c) + "=0");
        if (!(l->a == l->b) && !(l->a == -l->b)) out.push_back(linear(l->b, l->a, l->c) + "=0");
        out.push_back("(" + linear(l->a, l->b, l->c) + ")*x*(x-1)*(x-2)*(x+3)*(x-7)=0");
        out.push_back("(" + linear(l->a, l->b, l->c) + ")*(y+1)=0");
    } else if (const auto* c = std::get_if<exact::Circle>(&v)) {
        const Number& p = c->centre.x;
        const Number& q = c->centre.y;
        const Number r2 = c->radiusSquared();
        const auto circle = [](const Number& a, const Number& b, const Number& k) {
            return "(x-" + inParens(a) + ")^2+(y-" + inParens(b) + ")^2=" + inParens(k);
        };
        out.push_back(circle(p, q, r2 + 1));
        if (!p.isZero() || !q.isZero()) out.push_back(circle(-p, -q, r2));
        out.push_back("((x-" + inParens(p) + ")^2+(y-" + inParens(q) + ")^2-" + inParens(r2) +
                      ")*x*(x-1)*(y-1)=0");
    } else if (const auto* d = std::get_if<Degrees>(&v)) {
        out.push_back(dms(d->value.toDouble() + 1, 2));
        if (!(d->value == 90)) out.push_back(dms(180 - d->value.toDouble(), 2));
        if (d->value.isApproximate()) out.push_back(dms(d->value.toDouble() + 2.0 / 3600, 2));
    } else {
        out = phrases(ex, std::get<Words>(v)).wrong;
    }
    return out;
}

/// Whether a wrong form of one value happens to be another value asked
/// (one of two points): then the answer is not wrong.
bool isAsked(const Exercise& ex, const std::string& text) {
    for (const Value& v : ex.expected.values)
        for (const std::string& form : rightForms(ex, v))
            if (form == text) return true;
    return false;
}

std::string joined(const std::vector<std::string>& values, const std::string& separator) {
    std::string out;
    for (const std::string& v : values)
        out += (out.empty() ? "" : separator) + v;
    return out;
}

} // namespace

class TestChecker : public QObject {
    Q_OBJECT
private slots:
    /// Every right form is right (in the form asked or to simplify), whatever the order of
    /// the values and their separators; every wrong one is not.
    void rightAndWrong_data() { frameRows(); }
    void rightAndWrong() {
        QFETCH(FrameId, frame);
        QFETCH(Level, level);
        int rights = 0, wrongs = 0;
        for (int seed = 1; seed <= rounds(3); ++seed) {
            const Exercise ex = generate(frame, level, std::uint64_t(seed) * 7919);
            const auto& values = ex.expected.values;
            std::vector<std::vector<std::string>> forms;
            for (const Value& v : values)
                forms.push_back(rightForms(ex, v));
            for (std::size_t k = 0; k < forms.front().size(); ++k) {
                std::vector<std::string> one;
                for (const auto& f : forms)
                    one.push_back(f[std::min(k, f.size() - 1)]);
                for (const char* separator : {" ; ", " e ", "\n"}) {
                    const std::string answer = joined(one, separator);
                    const Verdict v = check(ex, answer);
                    QVERIFY2(v.grade == Grade::Certo || v.grade == Grade::CertoMasSimplifique,
                             (ex.statement + "\n  " + answer + " → " + v.text).c_str());
                    ++rights;
                    if (one.size() == 1) break;
                    std::reverse(one.begin(), one.end());
                }
            }
            for (std::size_t i = 0; i < values.size(); ++i)
                for (const std::string& wrong : wrongForms(ex, values[i])) {
                    if (values.size() > 1 && isAsked(ex, wrong)) continue;
                    std::vector<std::string> one;
                    for (std::size_t j = 0; j < values.size(); ++j)
                        one.push_back(j == i ? wrong : forms[j].front());
                    const std::string answer = joined(one, " ; ");
                    const Verdict v = check(ex, answer);
                    QVERIFY2(v.grade != Grade::Certo && v.grade != Grade::CertoMasSimplifique,
                             (ex.statement + "\n  " + answer + " → " + v.text).c_str());
                    ++wrongs;
                }
        }
        QVERIFY(rights > 0 && wrongs > 0);
    }

    /// Words are read as words, negation first; a phrase with a word the reader does not
    /// know is not read, never taken for an answer.
    void wordsNegationFirst_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("words"); // the Words read, or −1 for none
        QTest::addColumn<bool>("negated");
        const int none = -1;
        QTest::newRow("paralelas") << "paralelas" << int(Words::Parallel) << false;
        QTest::newRow("não são paralelas") << "não são paralelas" << int(Words::Parallel) << true;
        QTest::newRow("distintas") << "paralelas e distintas" << int(Words::Parallel) << false;
        QTest::newRow("não coincidentes")
            << "Não são coincidentes." << int(Words::Coincident) << true;
        QTest::newRow("em linha recta")
            << "Os pontos não estão em linha recta" << int(Words::No) << false;
        QTest::newRow("sim, são colineares") << "sim, são colineares" << int(Words::Yes) << false;
        QTest::newRow("nao, sem acento") << "nao estao alinhados" << int(Words::No) << false;
        QTest::newRow("não, não é") << "Não, não é rectângulo." << int(Words::No) << false;
        QTest::newRow("não existe") << "o declive não existe" << int(Words::DoesNotExist) << false;
        QTest::newRow("não sei") << "não sei" << none << false;
        QTest::newRow("talvez") << "talvez sim" << none << false;
        QTest::newRow("sim e não") << "sim, não são colineares" << none << false;
        QTest::newRow("existe") << "existe" << none << false;
    }
    void wordsNegationFirst() {
        QFETCH(QString, answer);
        QFETCH(int, words);
        QFETCH(bool, negated);
        const TypedAnswer read = readAnswer(answer.toStdString(), AnswerKind::Words);
        if (words < 0) {
            QVERIFY2(read.values.empty() && !read.problem.empty(), qPrintable(answer));
            return;
        }
        QVERIFY2(read.values.size() == 1, read.problem.c_str());
        QCOMPARE(int(std::get<Words>(read.values[0].value)), words);
        QCOMPARE(read.values[0].negated, negated);
    }

    /// Where two lines stand, words or a point are both answers: the kind asked tells
    /// nothing. "não são paralelas" is not "paralelas"; "não sei" is not "não".
    void relativePosition() {
        int concurrent = 0;
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            const Exercise ex = generate(problem("recta3-3"), Level::Basico, seed);
            if (const auto* w = std::get_if<Words>(&ex.expected.values.at(0))) {
                const char* negated =
                    *w == Words::Parallel ? "não são paralelas" : "não são coincidentes";
                QCOMPARE(check(ex, negated).grade, Grade::Errado);
                QCOMPARE(check(ex, "(1 , 2)").grade, Grade::Errado);
                continue;
            }
            ++concurrent;
            QCOMPARE(check(ex, "não são paralelas").grade, Grade::Incomplete);
            QCOMPARE(check(ex, "paralelas").grade, Grade::Errado);
            QCOMPARE(check(ex, "As rectas são concorrentes em " + ex.answerText).grade,
                     Grade::Certo);
            QCOMPARE(check(ex, "concorrentes").grade, Grade::Unreadable);
        }
        QVERIFY(concurrent > 0);
        const Exercise yesNo = generate(problem("recta3-1"), Level::Basico, 1);
        QCOMPARE(check(yesNo, "não sei").grade, Grade::Unreadable);
    }

    /// One of two points is missing, not wrong: no try counted.
    void onePointOfTwo() {
        const Exercise ex = generate(problem("circunferencia1-4"), Level::Basico, 1);
        QCOMPARE(ex.expected.values.size(), std::size_t(2));
        const auto& p = std::get<exact::Point>(ex.expected.values[1]);
        const Verdict v = check(ex, "(" + written(p.x) + " , " + written(p.y) + ")");
        QCOMPARE(v.grade, Grade::Incomplete);
        QVERIFY(v.text.rfind("Falta um ponto", 0) == 0);
    }

    /// A message says which part it cannot read and what is asked, never "write the point
    /// as (a , b)" to a pupil who did.
    void messagesNameThePart_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("part");
        for (const auto& [name, answer, part] :
             {std::tuple{"second point", "(1 , 2) e (3 , 1/0)", "«(3 , 1/0)»"},
              {"unclosed", "(1 , 2) ; (3 , (4)", "«(3 , (4)»"},
              {"a letter", "(1 , 2) e (3 , k)", "«(3 , k)»"}})
            QTest::newRow(name) << QString(answer) << QString(part);
    }
    void messagesNameThePart() {
        QFETCH(QString, answer);
        QFETCH(QString, part);
        const Exercise ex = generate(problem("circunferencia1-4"), Level::Basico, 1);
        const Verdict v = check(ex, answer.toStdString());
        QCOMPARE(v.grade, Grade::Unreadable);
        const QString text = QString::fromStdString(v.text);
        QVERIFY2(text.contains(part), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("por exemplo (1 , 2) e (3 , −1)")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Escreva o ponto como")));
    }
};

QTEST_GUILESS_MAIN(TestChecker)
#include "tst_checker.moc"
