#include "clsequation.h"
#include "equationsampler.h"
#include "exactcase.h"

#include <cmath>
#include <functional>

using namespace exact;
using namespace exactcase;

namespace {

/// What the interpreter itself gives for a field's text: its double, or its fault.
struct Interpreted {
    bool failed = false;
    double value = 0;
    QString fault;
};

/// "source number: description" of the error f throws; empty when it throws none.
QString faultOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const NumberedError& e) {
        return QString("%1 %2: %3")
            .arg(QString::fromStdString(e.source()))
            .arg(e.number())
            .arg(QString::fromStdString(e.description()));
    }
    return {};
}

Interpreted interpret(const std::string& text, const Variables& variables = {{"x", 0}}) {
    clsEquation equation;
    for (const Variable& v : variables)
        equation.setVar(v.name, v.value.toDouble());
    equation.setEquation(text);
    Interpreted i;
    i.fault = faultOf([&] { i.value = equation.Solution(); });
    i.failed = !i.fault.isEmpty();
    return i;
}

/// A random expression built as a tree, printed with every operation in
/// parentheses, and its value computed apart as a rational.
struct RandomExpression {
    std::string text;
    mpq_class value;
};

class Generator {
public:
    explicit Generator(unsigned seed)
        : m_values(seed) {}

    RandomExpression next(int depth) {
        if (depth == 0 || m_values.integer(0, 3) == 0) return literal();
        const RandomExpression a = next(depth - 1);
        const RandomExpression b = next(depth - 1);
        switch (m_values.integer(0, 5)) {
        case 0:
            return {"(" + a.text + ")+(" + b.text + ")", a.value + b.value};
        case 1:
            return {"(" + a.text + ")-(" + b.text + ")", a.value - b.value};
        case 2:
            return {"(" + a.text + ")*(" + b.text + ")", a.value * b.value};
        case 3:
            if (sgn(b.value) == 0) return a;
            return {"(" + a.text + ")/(" + b.text + ")", mpq_class(a.value / b.value)};
        case 4:
            return {"-(" + a.text + ")", -a.value};
        default:
            return power(a, m_values.integer(-2, 3));
        }
    }

private:
    RandomExpression literal() {
        const int whole = m_values.integer(0, 99);
        if (m_values.integer(0, 1) == 0) return {std::to_string(whole), whole};
        const int decimals = m_values.integer(1, 999);
        mpq_class v(whole * 1000 + decimals, 1000);
        v.canonicalize();
        char digits[8];
        std::snprintf(digits, sizeof digits, "%03d", decimals);
        return {std::to_string(whole) + "." + digits, v};
    }

    static RandomExpression power(const RandomExpression& a, int k) {
        if (sgn(a.value) == 0 && k < 0) return a;
        mpq_class p = 1;
        for (int i = 0; i < std::abs(k); ++i)
            p *= a.value;
        if (k < 0) p = 1 / p;
        return {"(" + a.text + ")^(" + std::to_string(k) + ")", p};
    }

    Values m_values;
};

} // namespace

class tst_Evaluation : public QObject {
    Q_OBJECT
private slots:
    /// The interpreter's own reading of the text, over exact values.
    void values_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        // clang-format off
        for (const auto& [typed, expected] : {
                 // numbers and the language's priorities, left grouping and unary minus
                 std::pair{"0.1", "1/10"}, {"2/3", "2/3"}, {"sqr(8)", "2√2"}, {"-2^2", "−4"},
                 {"(-2)^2", "4"}, {"2^3^2", "64"}, {"8/4/2", "1"}, {"2--3", "5"}, {"-(-2)", "2"},
                 {"2*-3^2", "−18"}, {"2^(-1)", "1/2"}, {"1 000", "1000"}, {".5", "1/2"}, {"5.", "5"},
                 {"2(3+1)", "8"}, {"3(2)(4)", "6"}, {"(2)(3)", "2"}, {"()", "0"},
                 {"2*()", "0"}, {"0.1+0.2-0.3", "0"}, {"1/3*3", "1"}, {"x+1", "1"},
                 // a comma between digits outside a call: the same literal as with a point
                 {"5,3", "53/10"}, {"2,5", "5/2"}, {"-0,75", "−3/4"}, {"(1,5+2)/2", "7/4"},
                 {"0,1+0,2-0,3", "0"}, {"sqr((2,25))", "3/2"}, {"2,5x+1", "1"}, {"1/0,3", "10/3"},
                 // "\" rounds its operands to whole numbers, halves to even
                 {"7\\2*3", "9"}, {"7.5\\2", "4"}, {"6.5\\2", "3"}, {"-7\\2", "−3"},
                 // roots and absolute values
                 {"sqr(232)", "2√58"}, {"sqr(0.25)", "1/2"}, {"sqr(2)^2", "2"}, {"sqr(sqr(16))", "2"},
                 {"sqr(3+2sqr(2))", "1 + √2"}, {"abs(1-sqr(2))", "√2 − 1"}, {"2sqr(3)/sqr(6)", "√2"},
                 {"1/(sqr(5)-2)", "2 + √5"},
                 // anything else is the interpreter's own double
                 {"pi", "≈ 3,14"}, {"2pi", "≈ 6,28"}, {"sen(1)", "≈ 0,84"}, {"4^(1/2)", "≈ 2"},
                 {"2^0.5", "≈ 1,41"}, {"sqr(1+sqr(2))", "≈ 1,55"}, {"7%3", "≈ 1"}, {"max(1,2)", "≈ 2"}, {"max(2,5)", "≈ 5"},
                 {"e", "≈ 2,72"}, {"sqr(pi)^2", "≈ 3,14"}})
            // clang-format on
            QTest::newRow(typed) << typed << QString::fromUtf8(expected);
    }
    void values() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const Number n = readField(qPrintable(typed));
        QCOMPARE(text(n), expected);
        const Interpreted i = interpret(typed.toStdString());
        QVERIFY(!i.failed);
        if (n.isApproximate())
            QCOMPARE(n.toDouble(), i.value); // the very double, not a neighbour
        else
            QVERIFY(std::fabs(n.toDouble() - i.value) <= 1e-12 * (1 + std::fabs(i.value)));
    }

    /// Variables take exact values.
    void variables() {
        Expression e("3x+y^2-sqr(x)");
        const Number third = Number::fraction(1, 3);
        QCOMPARE(text(e.evaluate({{"X", third}, {"y", readField("sqr(2)")}})), "(9 − √3)/3");
        QCOMPARE(text(e.evaluate({{"x", 3}, {"y", 0}})), "9 − √3");
        QVERIFY(e.evaluate({{"x", Number::approximate(0.5)}, {"y", 0}}).isApproximate());
    }

    /// A text that fails in doubles fails here with the very same error.
    void faults_data() {
        QTest::addColumn<QString>("typed");
        // clang-format off
        for (const char* t : {
                 "1/0", "5\\0.4", "sqr(-1)", "0^(-1)", "", "(1+2", "1+2)", "2^-1", "2*", "abc",
                 "tan(1)", "sen()", "1.2.3", "exp(1000)", "10^400", "2147483648\\1", "x(2)",
                 "sqr(1-sqr(4))", "1/(sqr(2)-sqr(2))", "(-8)^(1/3)", ",5", "1,5,3", "x,2"})
            // clang-format on
            QTest::newRow(*t ? t : "empty") << QString(t);
        QTest::newRow("deep") << QString(5000, '(') + "1" + QString(5000, ')');
    }
    void faults() {
        QFETCH(QString, typed);
        const Interpreted i = interpret(typed.toStdString());
        QVERIFY(i.failed);
        QCOMPARE(faultOf([&] { readField(typed.toStdString()); }), i.fault);
    }

    /// Random texts of rationals: the exact value is the one computed apart,
    /// and its double agrees with the interpreter's.
    void randomRationalTexts() {
        Generator generator(1907);
        for (int i = 0; i < 3000; ++i) {
            const RandomExpression r = generator.next(4);
            const Interpreted interpreted = interpret(r.text);
            if (interpreted.failed) { // beyond doubles: 6, as the interpreter says
                QCOMPARE(faultOf([&] { readField(r.text); }), interpreted.fault);
                continue;
            }
            const Number n = readField(r.text);
            QVERIFY2(n.isExact() && n.rational() == r.value, r.text.c_str());
            const double scale = 1 + std::fabs(interpreted.value);
            QVERIFY2(std::fabs(n.toDouble() - interpreted.value) <= 1e-6 * scale, r.text.c_str());
        }
    }

    /// Texts made of any characters: where the interpreter fails, the exact
    /// reading fails the same way; where it does not, the exact reading
    /// agrees with it, or meets a true zero divisor or negative root.
    void randomTexts() {
        std::mt19937 random(42);
        const std::string alphabet = "0123456789.+-*/\\^%(),xypisqr abs";
        int divergent = 0;
        for (int i = 0; i < 20000; ++i) {
            std::string t;
            for (int n = std::uniform_int_distribution<int>(1, 14)(random); n > 0; --n)
                t += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() -
                                                                                1)(random)];
            const Interpreted interpreted = interpret(t, {{"x", 2}, {"y", Number::fraction(1, 2)}});
            const QString fault = faultOf([&] {
                Expression(t).evaluate({{"x", 2}, {"y", Number::fraction(1, 2)}});
            });
            if (interpreted.failed) {
                QCOMPARE(fault, interpreted.fault);
            } else if (!fault.isEmpty()) {
                QVERIFY2(fault.contains(" 11: ") || fault.contains(" 5: "), t.c_str());
                ++divergent;
            }
        }
        QVERIFY(divergent < 20);
    }

    /// Lines read exactly, coefficient by coefficient as the line reader reads them.
    void lines_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("coefficients");
        // clang-format off
        for (const auto& [typed, coefficients] : {
                 std::pair{"2x + 3y + 4 = 0", "2 3 4"}, {"y=2x+1", "−2 1 −1"}, {"x=3", "1 0 −3"},
                 {"3x-4y=24", "3 −4 −24"}, {"x+y=0.3", "1 1 −3/10"}, {"2(x+y)=x-4", "1 2 4"},
                 {"0x+0y=5", "0 0 −5"}, {"x*x+y=0", "1 1 0"}, {"0.1x+0.2y=0.3", "1/10 1/5 −3/10"},
                 {"y=sqr(2)*x-1/3", "−√2 1 1/3"}, {"pi*x+y=1", "≈ 3,14 ≈ 1 ≈ −1"},
                 {"2,5x-1=0", "5/2 0 −1"}, {"y=0,5x+1,5", "−1/2 1 −3/2"}, {"2x=0,1", "2 0 −1/10"},
                 {"x^2+y=0", "refused"}, {"x>0", "refused"}, {"y=x^3", "refused"}})
            // clang-format on
            QTest::newRow(typed) << typed << QString::fromUtf8(coefficients);
    }
    void lines() {
        QFETCH(QString, typed);
        QFETCH(QString, coefficients);
        const LineReading r = readLine(typed.toStdString());
        if (r.refusal == Refusal::NotALine) {
            QCOMPARE(QString("refused"), coefficients);
            return;
        }
        QCOMPARE(text(r.line.a) + ' ' + text(r.line.b) + ' ' + text(r.line.c), coefficients);
        clsEquation interpreter;
        const ::Line doubles = sampleLineEquation(
            interpreter, rewriteAsExpression(withoutBlanks(typed.toStdString())));
        const std::pair<const Number*, double> pairs[] = {{&r.line.a, doubles.a.value()},
                                                          {&r.line.b, doubles.b.value()},
                                                          {&r.line.c, doubles.c.value()}};
        for (const auto& [exactValue, readerValue] : pairs) {
            if (exactValue->isApproximate())
                QCOMPARE(exactValue->toDouble(), readerValue);
            else
                QVERIFY(std::fabs(exactValue->toDouble() - readerValue) <=
                        1e-12 * (1 + std::fabs(readerValue)));
        }
    }

    /// Decimal data give the same line when they are the same line.
    void decimalLinesAreCompared() {
        const exact::Line l = readLine("0.1x+0.2y=0.3").line;
        const exact::Line m = readLine("0.3x+0.6y=0.9").line;
        QVERIFY(sameLine(l, m));
        QVERIFY(contains(l, {readField("0.1"), readField("1.45")}));
        QVERIFY(!contains(l, {readField("0.1"), readField("1.4500000001")}));
        QCOMPARE(faultOf([] { readLine("2x+3y"); }),
                 "Ortoplano 5: Argumento ou chamada de procedimento inválidos.");
    }

    void circles_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        // clang-format off
        for (const auto& [typed, expected] : {
                 std::pair{"x^2 + y^2 = 4", "x² + y² = 4"}, {"(x+1)^2+(y-2)^2=25", "(x + 1)² + (y − 2)² = 25"},
                 {"2x^2+2y^2-8=0", "x² + y² = 4"}, {"x^2+y^2-4x-6y-3=0", "(x − 2)² + (y − 3)² = 16"},
                 {"x^2+y^2=1/3", "x² + y² = 1/3"}, {"x^2+y^2=0.1+0.2", "x² + y² = 3/10"},
                 {"3x^2+3y^2-x=0", "(x − 1/6)² + y² = 1/36"}, {"x^2+y^2=2,25", "x² + y² = 9/4"},
                 {"(x-0,5)^2+y^2=1", "(x − 1/2)² + y² = 1"},
                 {"x^2+2y^2=4", "not a circle"}, {"x^2+x*y+y^2=1", "not a circle"},
                 {"y^2=x", "not a circle"}, {"x^2+y^2+4=0", "not a circle"}, {"x^2+y^2=0", "a point"},
                 {"x^4+y^2=1", "not a circle"}, {"x^2+y^2<1", "not a circle"}})
            // clang-format on
            QTest::newRow(typed) << typed << QString::fromUtf8(expected);
    }
    void circles() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const CircleReading r = readCircle(typed.toStdString());
        const QString outcome = r.refusal == Refusal::NotACircle ? "not a circle"
                                : r.refusal == Refusal::APoint
                                    ? "a point"
                                    : QString::fromStdString(circleEquationText(r.circle, ","));
        QCOMPARE(outcome, expected);
    }

    /// A text expanded into a polynomial in x and y, whatever its arrangement: its degree
    /// and its coefficients, or nothing where it is no polynomial.
    void polynomials_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("degree"); // −2: no polynomial; −3: the interpreter's fault
        QTest::addColumn<QString>("x");  // the coefficient of x
        QTest::addColumn<QString>("c");  // the constant term
        const auto row = [](const char* name, const char* text, int degree, const char* x,
                            const char* c) {
            QTest::newRow(name) << QString(text) << degree << QString(x) << QString(c);
        };
        row("a line arranged", "3y-(6x-9)", 1, "−6", "9");
        row("a power in a line", "y-((2^2/8)*x+2)", 1, "−1/2", "−2");
        row("roots", "sqr(8)*x-sqr(2)", 1, "2√2", "−√2");
        row("a circle", "(x-1)^2+(y+2)^2-5", 2, "−2", "0");
        row("a line times a polynomial", "(x+2y-3)*x*(x-1)*(x-2)*(x+3)*(x-7)", 6, "126", "0");
        row("cancelled", "(x+1)^2-(x-1)^2-4x+y", 1, "0", "0");
        row("divided by a number", "(2x+4)/(1/2)", 1, "4", "8");
        row("divided by x", "x/x", -2, "", "");
        row("root of x", "sqr(x)", -2, "", "");
        row("another name", "x+z", -3, "", "");
        row("past the 12th degree", "x^13", -2, "", "");
    }
    void polynomials() {
        QFETCH(QString, text);
        QFETCH(int, degree);
        QFETCH(QString, x);
        QFETCH(QString, c);
        if (degree == -3) {
            QVERIFY_THROWS_EXCEPTION(NumberedError, exact::Expression(text.toStdString()).expand());
            return;
        }
        const std::optional<exact::Polynomial> p = exact::Expression(text.toStdString()).expand();
        if (degree == -2) {
            QVERIFY(!p);
            return;
        }
        QVERIFY(p);
        QCOMPARE(p->degree(), degree);
        QCOMPARE(exactcase::text(p->coefficient(1, 0)), x);
        QCOMPARE(exactcase::text(p->coefficient(0, 0)), c);
    }

    void approximateCircle() {
        const CircleReading r = readCircle("x^2+y^2=pi");
        QCOMPARE(r.refusal, Refusal::None);
        QVERIFY(r.circle.radius.isApproximate());
        QCOMPARE(r.circle.radius.toDouble(), std::sqrt(3.14159265358979));
        QCOMPARE(r.circle.centre.x.toDouble(), 0.0);
    }
};

QTEST_APPLESS_MAIN(tst_Evaluation)
#include "tst_evaluation.moc"
