#include "textrules.h"

#include <QTest>

using namespace TextRules;

class TestTextRules : public QObject {
    Q_OBJECT
private slots:
    void numberText_data();
    void numberText();
    void rounding_data();
    void rounding();
    void boardNumber_data();
    void boardNumber();
    void pointText_data();
    void pointText();
    void literal_data();
    void literal();
    void signs_data();
    void signs();
    void lineEquation_data();
    void lineEquation();
    void lineEquationRoundsInPlace();
};

void TestTextRules::numberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("integer") << 3.0 << "3"
                             << "3";
    QTest::newRow("negative") << -3.0 << "-3"
                              << "-3";
    QTest::newRow("decimal") << 2.5 << "2,5"
                             << "2.5";
    QTest::newRow("no trailing zeros") << 1.50 << "1,5"
                                       << "1.5";
    QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0,333333333333333"
                                    << "0.333333333333333";
    QTest::newRow("small still plain") << 0.0001 << "0,0001"
                                       << "0.0001";
    QTest::newRow("below 1E-04") << 0.00001 << "1E-05"
                                 << "1E-05";
    QTest::newRow("negative exponent") << -2.5e-7 << "-2,5E-07"
                                       << "-2.5E-07";
    QTest::newRow("just below 1E+15") << 999999999999999.0 << "999999999999999"
                                      << "999999999999999";
    QTest::newRow("1E+15") << 1e15 << "1E+15"
                           << "1E+15";
    QTest::newRow("large") << 1.5e16 << "1,5E+16"
                           << "1.5E+16";
    QTest::newRow("huge") << 1e300 << "1E+300"
                          << "1E+300";
    QTest::newRow("negative zero") << -0.0 << "0"
                                   << "0";
    QTest::newRow("rounds at 15 digits") << 0.1 + 0.2 << "0,3"
                                         << "0.3";
}

void TestTextRules::numberText() {
    QFETCH(double, value);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QCOMPARE(number(value, QStringLiteral(",")), comma);
    QCOMPARE(number(value, QStringLiteral(".")), point);
}

void TestTextRules::rounding_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");
    QTest::newRow("exact half to even, down") << 0.125 << 2 << 0.12;
    QTest::newRow("exact half to even, up") << 0.375 << 2 << 0.38;
    QTest::newRow("2.675 is below the half") << 2.675 << 2 << 2.67;
    QTest::newRow("2.5 to 0 decimals") << 2.5 << 0 << 2.0;
    QTest::newRow("3.5 to 0 decimals") << 3.5 << 0 << 4.0;
    QTest::newRow("negative half") << -0.125 << 2 << -0.12;
    QTest::newRow("above half") << 1.0 / 3.0 << 2 << 0.33;
    QTest::newRow("0.999") << 0.999 << 2 << 1.0;
    QTest::newRow("-1.004") << -1.004 << 2 << -1.0;
    QTest::newRow("tiny") << 0.004 << 2 << 0.0;
    QTest::newRow("huge unchanged") << 1e300 << 2 << 1e300;
}

void TestTextRules::rounding() {
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    QCOMPARE(round(value, decimals), expected);
}

void TestTextRules::boardNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("positive") << 3.0 << " 3 ";
    QTest::newRow("negative") << -3.0 << "-3 ";
    QTest::newRow("zero") << 0.0 << " 0 ";
    QTest::newRow("decimal") << 2.5 << " 2,5 ";
}

void TestTextRules::boardNumber() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(TextRules::boardNumber(value, QStringLiteral(",")), expected);
}

void TestTextRules::pointText_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("midpoint") << -3.0 << 1.0 << "(-3 , 1)"
                              << "(-3 , 1)";
    QTest::newRow("decimal comma kept apart") << -3.0 << 1.5 << "(-3 , 1,5)"
                                              << "(-3 , 1.5)";
    QTest::newRow("rounded half to even") << 0.5 << 0.125 << "(0,5 , 0,12)"
                                          << "(0.5 , 0.12)";
    QTest::newRow("small negative rounds to 0") << -0.001 << 2.0 << "(0 , 2)"
                                                << "(0 , 2)";
}

void TestTextRules::pointText() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QCOMPARE(TextRules::point(x, y, QStringLiteral(",")), comma);
    QCOMPARE(TextRules::point(x, y, QStringLiteral(".")), point);
}

void TestTextRules::literal_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integer") << 4.0 << "4";
    QTest::newRow("negative decimal") << -0.3 << "-0.3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("no exponent, small") << 1.5e-7 << "0.00000015";
    QTest::newRow("no exponent, large") << 2.5e17 << "250000000000000000";
    QTest::newRow("15 significant digits") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("carry at 15 digits") << 0.9999999999999999 << "1";
    QTest::newRow("mixed") << -123.456 << "-123.456";
}

void TestTextRules::literal() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(expressionLiteral(value), expected);
}

void TestTextRules::signs_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plus minus") << "2x+-3y=0"
                                << "2x-3y=0";
    QTest::newRow("minus plus") << "2x-+3y=0"
                                << "2x-3y=0";
    QTest::newRow("minus minus") << "x--1"
                                 << "x+1";
    QTest::newRow("in order, not repeated") << "+--"
                                            << "+";
    QTest::newRow("three minuses") << "---"
                                   << "+-";
}

void TestTextRules::signs() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(LimparSinais(text), expected);
}

void TestTextRules::lineEquation_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("bisector") << 14.0 << 16.0 << -21.0 << "14x+16y-21=0"
                              << "14x+16y-21=0";
    QTest::newRow("x-y") << 1.0 << -1.0 << 0.0 << "x-y=0"
                         << "x-y=0";
    QTest::newRow("-x-y+2") << -1.0 << -1.0 << 2.0 << "-x-y+2=0"
                            << "-x-y+2=0";
    QTest::newRow("x+y") << 1.0 << 1.0 << 0.0 << "x+y=0"
                         << "x+y=0";
    QTest::newRow("decimals") << 0.5 << -2.25 << 1.0 / 3.0 << "0,5x-2,25y+0,33=0"
                              << "0.5x-2.25y+0.33=0";
    QTest::newRow("nearly one") << 0.999 << -1.004 << 5.0 << "x-y+5=0"
                                << "x-y+5=0";
    QTest::newRow("tiny constant") << 2.0 << 3.0 << 0.004 << "2x+3y=0"
                                   << "2x+3y=0";
    QTest::newRow("zero a") << 0.0 << 2.0 << 3.0 << "0x+2y+3=0"
                            << "0x+2y+3=0";
    QTest::newRow("zero b") << 3.0 << 0.0 << -6.0 << "3x+0y-6=0"
                            << "3x+0y-6=0";
    QTest::newRow("negative zero") << -0.0 << 0.0 << -0.0 << "0x+0y=0"
                                   << "0x+0y=0";
    QTest::newRow("not simplified") << 2.0 << 2.0 << 2.0 << "2x+2y+2=0"
                                    << "2x+2y+2=0";
}

void TestTextRules::lineEquation() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    Line one{a, b, c};
    QCOMPARE(TextoEquacaoRecta(one, QStringLiteral(",")), comma);
    Line two{a, b, c};
    QCOMPARE(TextoEquacaoRecta(two, QStringLiteral(".")), point);
}

void TestTextRules::lineEquationRoundsInPlace() {
    Line line{0.5, -2.25, 1.0 / 3.0};
    TextoEquacaoRecta(line, QStringLiteral(","));
    QCOMPARE(line.c.value(), 0.33);
    QCOMPARE(line.b.value(), -2.25);
}

QTEST_APPLESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
