#include "exactcase.h"

#include <cmath>
#include <type_traits>

using exact::Number;
using namespace exactcase;
Q_DECLARE_METATYPE(exact::Number)

// An exact value is never made from a double.
static_assert(!std::is_constructible_v<Number, double>);
static_assert(!std::is_constructible_v<Number, float>);

namespace {

/// p − q√2 for a solution of Pell's equation p² − 2q² = ±1: its sign is
/// that of p² − 2q², far below what a double can tell from its terms.
struct Pell {
    mpz_class p = 1;
    mpz_class q = 1;
    void next() { // (p + q√2)(1 + √2)
        const mpz_class p2 = p + 2 * q;
        q = p + q;
        p = p2;
    }
};

double scaleOf(double a, double b) {
    return 1 + std::fabs(a) + std::fabs(b) + std::fabs(a * b);
}

} // namespace

class tst_Number : public QObject {
    Q_OBJECT
private slots:
    /// Arithmetic, roots and powers in normal form; texts are read exactly.
    void arithmetic_data() {
        QTest::addColumn<Number>("value");
        QTest::addColumn<QString>("expected");
        // clang-format off
        const std::pair<Number, const char*> rows[] = {
            {read("0.1") + read("0.2"), "3/10"}, {read("2/3") - read("1/6"), "1/2"},
            {read("-6/8"), "−3/4"}, {Number::fraction(10, -4), "−5/2"},
            {exact::sqrt(Number(232)), "2√58"}, {exact::sqrt(read("9/8")), "3√2/4"},
            {exact::sqrt(Number(196)), "14"}, {exact::sqrt(read("0.02")), "√2/10"},
            {exact::sqrt(Number(2)) * exact::sqrt(Number(6)), "2√3"},
            {exact::sqrt(Number(12)) + exact::sqrt(Number(27)), "5√3"},
            {exact::sqrt(Number(2)) - exact::sqrt(Number(2)), "0"},
            {exact::square(exact::sqrt(Number(5)) + 1), "6 + 2√5"},
            {exact::sqrt(Number(5) + 2 * exact::sqrt(Number(6))), "√2 + √3"},
            {exact::sqrt(Number(3) - 2 * exact::sqrt(Number(2))), "√2 − 1"},
            {exact::sqrt(Number(1) + exact::sqrt(Number(2))), "≈ 1,55"},
            {exact::pow(read("2/3"), -3), "27/8"}, {exact::pow(exact::sqrt(Number(2)), 5), "4√2"},
            {exact::pow(Number(1) - exact::sqrt(Number(2)), 3), "7 − 5√2"},
            {exact::pow(Number(-1), 1000001), "−1"}, {exact::pow(Number(7), 0), "1"},
            {exact::abs(Number(1) - exact::sqrt(Number(2))), "√2 − 1"},
            {exact::abs(read("-3/4")), "3/4"},
            {Number::approximate(3.14159) * 2, "≈ 6,28"}, {Number::approximate(0.5) + read("1/3"), "≈ 0,83"},
        };
        // clang-format on
        for (const auto& [value, expected] : rows)
            QTest::newRow(expected) << value << QString::fromUtf8(expected);
    }
    void arithmetic() {
        QFETCH(Number, value);
        QFETCH(QString, expected);
        QCOMPARE(text(value), expected);
    }

    /// Divisors with radicals are rationalised by successive conjugates.
    void rationalisation_data() {
        QTest::addColumn<QString>("quotient");
        QTest::addColumn<QString>("expected");
        // clang-format off
        for (const auto& [q, expected] : {
                 std::pair{"1/(1+sqr(2))", "√2 − 1"}, {"1/(sqr(2)+sqr(3))", "√3 − √2"},
                 {"(2+sqr(3))/(2-sqr(3))", "7 + 4√3"}, {"sqr(2)/sqr(8)", "1/2"},
                 {"1/(sqr(2)+sqr(3)+sqr(5))", "(3√2 + 2√3 − √30)/12"},
                 {"6/(sqr(6)+sqr(2))", "(3√6 − 3√2)/2"}, {"1/(2sqr(3))", "√3/6"},
                 {"(sqr(6)+sqr(15))/(sqr(2)+sqr(5))", "√3"}})
            // clang-format on
            QTest::newRow(q) << q << QString::fromUtf8(expected);
    }
    void rationalisation() {
        QFETCH(QString, quotient);
        QFETCH(QString, expected);
        QCOMPARE(text(read(qPrintable(quotient))), expected);
    }

    /// x·(1/x) is exactly 1 and (a/b)·b is exactly a, however many radicals.
    void inverseIsExact() {
        Values values(19);
        for (int i = 0; i < 300; ++i) {
            const Number a = values.next();
            Number b = values.positive() + values.next() * values.root();
            if (b.isZero()) continue;
            QVERIFY(((1 / b) * b) == 1);
            QVERIFY((a / b) * b == a);
            QVERIFY((a + b) - b == a);
        }
    }

    /// Signs too close to zero for doubles are decided exactly.
    void signOfNearValues() {
        Pell pell;
        for (int n = 1; n <= 60; ++n, pell.next()) {
            const Number value = Number(pell.p) - Number(pell.q) * exact::sqrt(Number(2));
            const int expected = sgn(mpz_class(pell.p * pell.p - 2 * pell.q * pell.q));
            QCOMPARE(value.sign(), expected);
            QCOMPARE(-value<0, expected> 0);
        }
        const Number r5 = exact::sqrt(Number(5)), r7 = exact::sqrt(Number(7));
        const Number r3 = exact::sqrt(Number(3)), r11 = exact::sqrt(Number(11));
        QVERIFY(r5 + r7 < r3 + r11);
        QVERIFY(exact::pow(exact::sqrt(Number(2)) + exact::sqrt(Number(3)), 8) > 9601);
        QVERIFY(exact::pow(exact::sqrt(Number(2)) + exact::sqrt(Number(3)), 8) < 9602);
    }

    /// A product of roots of distinct square-free numbers is never zero, and
    /// a sum is zero only when it cancels term by term.
    void zeroIsStructural() {
        const Number r2 = exact::sqrt(Number(2)), r3 = exact::sqrt(Number(3));
        QVERIFY(exact::sqrt(Number(5) + 2 * exact::sqrt(Number(6))) - r2 - r3 == 0);
        QVERIFY(!(r2 * r3 - exact::sqrt(Number(6)) - read("1/1000000000000000000000")).isZero());
        QVERIFY((read("0.1") * 3 - read("0.3")).isZero());
    }

    /// The program's faults: 11 for a zero divisor, 5 for the root of a
    /// negative value, 6 for an approximate value beyond doubles.
    void faults() {
        const QString byZero = "error 11: Divisão por zero.";
        const QString invalid = "error 5: Argumento ou chamada de procedimento inválidos.";
        const Number r2 = exact::sqrt(Number(2));
        QCOMPARE(outcome([&] { return 1 / (exact::sqrt(Number(8)) - 2 * r2); }), byZero);
        QCOMPARE(outcome([] { return Number::approximate(1) / Number::approximate(0); }), byZero);
        QCOMPARE(outcome([] { return exact::pow(Number(), -2); }), byZero);
        QCOMPARE(outcome([&] { return exact::sqrt(r2 - read("1.5")); }), invalid);
        QCOMPARE(outcome([] { return exact::sqrt(read("-1/4")); }), invalid);
        QCOMPARE(outcome([] { return Number::approximate(HUGE_VAL); }),
                 "error 6: Capacidade excedida.");
    }

    /// Past the size limits a value is approximate, never false.
    void limits() {
        QVERIFY(exact::sqrt(Number(1000000000039LL)).isApproximate()); // a prime above 10^12
        QCOMPARE(text(exact::sqrt(read("1000000000000000000000000000000"))), "1000000000000000");
        QCOMPARE(text(exact::sqrt(read("2000000000000000000000000"))), "1000000000000√2");
        const Number big = exact::pow(read("3/7"), 100000);
        QVERIFY(big.isApproximate());
        Number many = 1;
        for (const int n : {2, 3, 5, 7, 11, 13})
            many *= 1 + exact::sqrt(Number(n));
        QVERIFY(many.isApproximate());
        QCOMPARE(many.toDouble(), 2.414213562373095 * 2.732050807568877 * 3.23606797749979 *
                                      3.6457513110645906 * 4.3166247903554 * 4.605551275463989);
    }

    /// The exact value's double agrees with double arithmetic on random values.
    void doublesAgree() {
        Values values(2024);
        for (int i = 0; i < 4000; ++i) {
            const Number a = values.next();
            const Number b = values.positive();
            const double x = a.toDouble(), y = b.toDouble();
            const double tolerance = 1e-9 * scaleOf(x, y);
            QVERIFY(std::fabs((a + b).toDouble() - (x + y)) <= tolerance);
            QVERIFY(std::fabs((a - b).toDouble() - (x - y)) <= tolerance);
            QVERIFY(std::fabs((a * b).toDouble() - x * y) <= tolerance);
            QVERIFY(std::fabs((a / b).toDouble() - x / y) <= 1e-9 * (1 + std::fabs(x / y)));
            QVERIFY(std::fabs(exact::sqrt(b).toDouble() - std::sqrt(y)) <= 1e-9 * (1 + y));
            QCOMPARE((a - b).sign(), (x > y) - (x < y));
        }
    }

    /// Rationals are converted to the nearest double.
    void rationalsToNearestDouble() {
        // A decimal as strtod reads it; a quotient of whole numbers as IEEE divides them.
        for (const QString t :
             {"0.1", "0.3", "2.675", "1/3", "2/7", "123456.789", "0.000001", "-10/3"})
            QCOMPARE(read(qPrintable(t)).toDouble(),
                     t.section('/', 0, 0).toDouble() /
                         (t.contains('/') ? t.section('/', 1).toDouble() : 1));
    }
};

QTEST_APPLESS_MAIN(tst_Number)
#include "tst_number.moc"
