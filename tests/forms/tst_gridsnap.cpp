// The divisions a dragged point snaps to, and the texts it is written with:
// decimals the exact engine reads as the rationals they name.

#include "gridsnap.h"
#include "number.h"

#include <QTest>
#include <gmpxx.h>

Q_DECLARE_METATYPE(GridStep)

class TestGridSnap : public QObject {
    Q_OBJECT

private slots:
    /// Halves on the usual board (about 30 pixels a unit), tenths when a
    /// unit is over 120 pixels wide, fives and tens when zoomed far out.
    void divisionFollowsTheScale_data() {
        QTest::addColumn<double>("pixelsPerUnit");
        QTest::addColumn<GridStep>("step");
        QTest::newRow("usual board, -10 to 10") << 631 / 20.8 << GridStep{5, -1};
        QTest::newRow("-2 to 2") << 631 / 4.16 << GridStep{1, -1};
        QTest::newRow("exactly 12 pixels a half") << 24.0 << GridStep{5, -1};
        QTest::newRow("just under") << 23.9 << GridStep{1, 0};
        QTest::newRow("-30 to 30") << 631 / 62.4 << GridStep{5, 0};
        QTest::newRow("-1000 to 1000") << 631 / 2080.0 << GridStep{5, 1};
        QTest::newRow("-0.01 to 0.01") << 631 / 0.0208 << GridStep{5, -4};
    }
    void divisionFollowsTheScale() {
        QFETCH(double, pixelsPerUnit);
        QFETCH(GridStep, step);
        QCOMPARE(GridSnap::division(pixelsPerUnit), step);
        // The free move lands within a pixel, at a power of ten.
        const GridStep pixel = GridSnap::pixel(pixelsPerUnit);
        QCOMPARE(pixel.mantissa, 1);
        QVERIFY(pixel.value() * pixelsPerUnit <= 1.0 + 1e-9);
        QVERIFY(pixel.value() * 10 * pixelsPerUnit > 1.0);
    }

    /// count × step written as a decimal that reads back exactly as the
    /// rational count·m/10^-e (or count·m·10^e).
    void textReadsExactly_data() {
        QTest::addColumn<qlonglong>("count");
        QTest::addColumn<GridStep>("step");
        QTest::addColumn<QString>("text");
        QTest::newRow("halves") << 7LL << GridStep{5, -1} << "3.5";
        QTest::newRow("whole half") << -4LL << GridStep{5, -1} << "-2";
        QTest::newRow("zero") << 0LL << GridStep{5, -1} << "0";
        QTest::newRow("tenth below one") << -3LL << GridStep{1, -1} << "-0.3";
        QTest::newRow("a twentieth") << 41LL << GridStep{5, -2} << "2.05";
        QTest::newRow("small") << 1LL << GridStep{1, -4} << "0.0001";
        QTest::newRow("fives") << -3LL << GridStep{5, 0} << "-15";
        QTest::newRow("fifties") << 3LL << GridStep{5, 1} << "150";
        QTest::newRow("tens, zero") << 0LL << GridStep{1, 1} << "0";
    }
    void textReadsExactly() {
        QFETCH(qlonglong, count);
        QFETCH(GridStep, step);
        QFETCH(QString, text);
        QCOMPARE(GridSnap::text(count, step), text);
        mpz_class power = 1;
        for (int i = 0; i < std::abs(step.exponent); ++i)
            power *= 10;
        const mpz_class units = mpz_class(long(count)) * step.mantissa;
        const exact::Number expected = step.exponent < 0 ? exact::Number::fraction(units, power)
                                                         : exact::Number(mpz_class(units * power));
        exact::Number read;
        const QString magnitude = text.startsWith('-') ? text.mid(1) : text;
        QVERIFY(exact::Number::fromDecimal(magnitude.toStdString(), read));
        QCOMPARE(text.startsWith('-') ? -read : read, expected);
    }

    /// A value snaps to the nearest multiple; absurd values stay bounded.
    void countIsTheNearestMultiple_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qlonglong>("halves");
        QTest::newRow("3.6") << 3.6 << 7LL;
        QTest::newRow("-2.15") << -2.15 << -4LL;
        QTest::newRow("-2.3") << -2.3 << -5LL;
        QTest::newRow("huge") << 1e300 << 1'000'000'000'000'000LL;
        QTest::newRow("not a number") << std::nan("") << 0LL;
    }
    void countIsTheNearestMultiple() {
        QFETCH(double, value);
        QFETCH(qlonglong, halves);
        QCOMPARE(GridSnap::count(value, {5, -1}), halves);
    }
};

QTEST_APPLESS_MAIN(TestGridSnap)
#include "tst_gridsnap.moc"
