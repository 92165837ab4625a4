#include "decimal.h"
#include "exactcase.h"
#include "readings.h"

#include <QRegularExpression>
#include <cmath>

using namespace exact;
using exactcase::read;
Q_DECLARE_METATYPE(exact::Number)
Q_DECLARE_METATYPE(exact::Math)

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

/// The text in the point setting: every decimal comma, not the ", " of a list.
QString withPoint(QString commaText) {
    static const QRegularExpression decimalComma(QStringLiteral("(?<=\\d),(?=\\d)"));
    return commaText.replace(decimalComma, QStringLiteral("."));
}

exact::Line lineOf(const char* a, const char* b, const char* c) {
    return {read(a), read(b), read(c)};
}

} // namespace

class tst_ExactText : public QObject {
    Q_OBJECT
private slots:
    /// Rounding to 2 places goes to the nearest multiple of 1/100 of the
    /// double's exact binary value, an exact half to the even one: checked
    /// against that value as a GMP rational.
    void roundingIsOfTheExactBinaryValue() {
        std::mt19937 random(7);
        std::vector<double> values = {0.125,  0.375,      2.675,  -2.675,  0.005,    0.015,
                                      -0.005, 1e15 + 0.5, 12.345, 1.0 / 3, 0.1 + 0.2};
        for (int i = 0; i < 3000; ++i) {
            const double magnitude =
                std::pow(10.0, std::uniform_int_distribution<int>(-4, 12)(random));
            values.push_back(std::uniform_real_distribution<double>(-1, 1)(random) * magnitude);
            values.push_back(std::round(values.back() * 1000) / 1000); // many exact-looking halves
        }
        for (const double v : values) {
            const mpq_class hundredfold = mpq_class(v) * 100;
            mpz_class k = hundredfold.get_num() / hundredfold.get_den(); // towards zero
            const mpq_class rest = hundredfold - mpq_class(k);
            const int away = cmp(abs(rest), mpq_class(1, 2));
            if (away > 0 || (away == 0 && k % 2 != 0)) k += sgn(rest);
            std::string digits = mpz_class(abs(k)).get_str();
            digits.insert(0, std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0'));
            digits.insert(digits.size() - 2, ".");
            const double expected = std::strtod(((k < 0 ? "-" : "") + digits).c_str(), nullptr);
            QCOMPARE(decimal::round(v, 2), expected);
            QCOMPARE(q(decimal::rounded(v, ",")), q(decimal::number(expected, ",")));
        }
    }

    void numberForms_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normal");
        // clang-format off
        for (const auto& [typed, normal] : {
                 std::pair{"3", "3"}, {"-3", "−3"}, {"0", "0"}, {"6/8", "3/4"}, {"-6/8", "−3/4"},
                 {"0.125", "1/8"}, {"sqr(2)", "√2"}, {"-sqr(2)", "−√2"}, {"sqr(8)", "2√2"},
                 {"-3sqr(8)", "−6√2"}, {"sqr(9/8)", "3√2/4"}, {"-sqr(2)/2", "−√2/2"},
                 {"(1+sqr(2))/2", "(1 + √2)/2"}, {"(1-sqr(2))/2", "(1 − √2)/2"},
                 {"(-1-sqr(2))/2", "(−1 − √2)/2"}, {"sqr(3)/3-1/3", "(√3 − 1)/3"},
                 {"sqr(2)+sqr(3)", "√2 + √3"}, {"2-sqr(12)+sqr(18)/3", "2 + √2 − 2√3"},
                 {"100000000000000000000/3", "100000000000000000000/3"}, {"pi", "≈ 3,14"},
                 {"-pi/1000", "≈ −0,00314"}, {"pi/10^13", "≈ 3,14E-13"}, {"sen(1)", "≈ 0,84"}})
            // clang-format on
            QTest::newRow(typed) << typed << QString::fromUtf8(normal);
    }
    void numberForms() {
        QFETCH(QString, typed);
        QFETCH(QString, normal);
        const Number n = read(qPrintable(typed));
        QCOMPARE(q(text(n, ",")), normal);
        QCOMPARE(q(text(n, ".")), withPoint(normal));
    }

    /// Exact values round exactly, an exact half to the even digit;
    /// approximate values by the program's rule on their double.
    void rounding_data() {
        QTest::addColumn<Number>("value");
        QTest::addColumn<QString>("decimals");
        // clang-format off
        for (const auto& [v, d] : {
                 std::pair{read("0.125"), "0,12"}, {read("0.375"), "0,38"}, {read("-0.125"), "−0,12"},
                 {read("2.675"), "2,68"}, {Number::approximate(2.675), "2,67"},
                 {read("sqr(232)"), "15,23"}, {read("2/3"), "0,67"}, {read("1/200"), "0"},
                 {read("3/200"), "0,02"}, {read("-1/3"), "−0,33"}, {read("1999.996"), "2000"},
                 {read("(sqr(2)-1)^20"), "0"}, {read("7/4"), "1,75"}})
            // clang-format on
            QTest::newRow(d) << v << QString::fromUtf8(d);
    }
    void rounding() {
        QFETCH(Number, value);
        QFETCH(QString, decimals);
        QCOMPARE(q(decimalText(roundedDecimal(value, 2), ",")), decimals);
    }

    void objectForms_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("expected");
        int count = 0;
        const auto row = [&count](const std::string& written, const char* expected) {
            QTest::addRow("%d: %s", ++count, expected) << q(written) << QString::fromUtf8(expected);
        };
        row(text(Point{read("-3"), read("1")}, ","), "(−3 , 1)");
        row(text(Point{read("1/2"), read("-sqr(2)")}, "."), "(1/2 , −√2)");
        row(text(Point{read("pi"), read("0")}, ","), "≈ (3,14 , 0)");
        // General equations: whole coprime coefficients, the first positive.
        row(generalEquationText(lineOf("3", "-4", "5"), ","), "3x − 4y + 5 = 0");
        row(generalEquationText(lineOf("-6", "8", "-10"), ","), "3x − 4y + 5 = 0");
        row(generalEquationText(lineOf("1/2", "1/3", "1"), ","), "3x + 2y + 6 = 0");
        row(generalEquationText(lineOf("0", "-2", "3"), ","), "2y − 3 = 0");
        row(generalEquationText(lineOf("-1", "0", "0"), ","), "x = 0");
        row(generalEquationText(lineOf("sqr(8)", "4", "0"), ","), "√2 x + 2y = 0");
        row(generalEquationText(lineOf("0.1", "0.2", "-0.3"), ","), "x + 2y − 3 = 0");
        // Reduced equations, and x = k for a vertical line.
        row(*reducedEquationText(lineOf("3", "-4", "5"), ","), "y = (3/4)x + 5/4");
        row(*reducedEquationText(lineOf("1", "1", "0"), ","), "y = −x");
        row(*reducedEquationText(lineOf("1", "-1", "0"), ","), "y = x");
        row(*reducedEquationText(lineOf("0", "2", "-3"), ","), "y = 3/2");
        row(*reducedEquationText(lineOf("2", "0", "1"), ","), "x = −1/2");
        row(*reducedEquationText(lineOf("sqr(2)", "-1", "0"), ","), "y = √2 x");
        row(*reducedEquationText(lineOf("1", "sqr(2)", "0"), "."), "y = −(√2/2)x");
        // Circles.
        const auto circle = [](const char* a, const char* b, const char* r) {
            return circleEquationText(exact::Circle{{read(a), read(b)}, read(r)}, ",");
        };
        row(circle("2", "3", "4"), "(x − 2)² + (y − 3)² = 16");
        row(circle("-1", "0", "sqr(5)"), "(x + 1)² + y² = 5");
        row(circle("0", "0", "1/2"), "x² + y² = 1/4");
        row(circle("1/2", "-sqr(2)", "sqr(3)/2"), "(x − 1/2)² + (y + √2)² = 3/4");
    }
    void objectForms() {
        QFETCH(QString, written);
        QFETCH(QString, expected);
        QCOMPARE(written, expected);
    }

    void degenerateLineHasNoReducedEquation() {
        QVERIFY(!reducedEquationText(lineOf("0", "0", "1"), ","));
        QCOMPARE(q(generalEquationText(lineOf("0", "0", "1"), ",")), "1 = 0");
    }

    /// The linear reading of trees: true minus signs, the parentheses the
    /// line needs, superscript exponents, the separator as given.
    void linearText_data() {
        QTest::addColumn<Math>("tree");
        QTest::addColumn<QString>("comma");
        const Math d = function("d", {symbol("A"), symbol("B")});
        const Math distance = Chain(d)
                                  .equals(root(plus(squared(minus(value(6), value(-8))),
                                                    squared(minus(value(4), value(-2))))))
                                  .equals(root(value(232)))
                                  .endsWith(read("sqr(232)"));
        QTest::newRow("distance") << distance
                                  << "d(A, B) = √((6 − (−8))² + (4 − (−2))²) = √232 = 2√58 ≈ 15,23";
        QTest::newRow("fraction factor") << product({value(read("3/4")), symbol("x")}) << "(3/4)x";
        QTest::newRow("fraction of sums")
            << fraction(plus(symbol("x", "A"), symbol("x", "B")), value(2)) << "(x_A + x_B)/2";
        QTest::newRow("fraction over a product")
            << fraction(value(3), value(read("2sqr(2)"))) << "3/(2√2)";
        QTest::newRow("negative base") << squared(value(-14)) << "(−14)²";
        QTest::newRow("fraction base") << power(value(read("1/2")), value(-3)) << "(1/2)⁻³";
        QTest::newRow("symbol exponent")
            << power(symbol("x"), plus(symbol("n"), value(1))) << "x^(n + 1)";
        QTest::newRow("times between numbers")
            << product({squared(value(2)), value(58)}) << "2² × 58";
        QTest::newRow("absolute value")
            << absolute(minus(symbol("a"), value(read("1.5")))) << "|a − 3/2|";
        QTest::newRow("minus a sum")
            << minus(value(1), plus(symbol("x"), symbol("y"))) << "1 − (x + y)";
        QTest::newRow("decimals") << Chain(value(read("1/3"))).decimalOf(read("1/3")).math()
                                  << "1/3 ≈ 0,33";
        QTest::newRow("short decimal")
            << Chain(value(read("3/2"))).decimalOf(read("3/2")).math() << "3/2 = 1,5";
        QTest::newRow("named point") << point(value(read("-0.5")), value(1), "M") << "M(−1/2 , 1)";
        QTest::newRow("relations") << Chain(symbol("a"))
                                          .then(Rel::Less, symbol("b"))
                                          .then(Rel::NotEqual, symbol("c"))
                                          .math()
                                   << "a < b ≠ c";
        QTest::newRow("plus or minus") << sum({{Sign::PlusMinus, root(value(3))}}) << "±√3";
    }
    void linearText() {
        QFETCH(Math, tree);
        QFETCH(QString, comma);
        QCOMPARE(q(exact::linearText(tree, ",")), comma);
        QCOMPARE(q(exact::linearText(tree, ".")), withPoint(comma));
    }
};

QTEST_APPLESS_MAIN(tst_ExactText)
#include "tst_exacttext.moc"
