#include "textrules.h"

#include <QRegularExpression>
#include <QTest>

using namespace TextRules;
Q_DECLARE_METATYPE(Line)
Q_DECLARE_METATYPE(Pt)

namespace {
/// The text in the point setting: every decimal comma, not the " , " between coordinates.
QString withPoint(QString commaText) {
    static const QRegularExpression decimalComma(QStringLiteral("(?<! ),(?! )"));
    return commaText.replace(decimalComma, QStringLiteral("."));
}
} // namespace

class TestTextRules : public QObject {
    Q_OBJECT
private slots:
    void numberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("comma");   // in the Portuguese setting
        QTest::addColumn<QString>("literal"); // of the expression language
        struct Row {
            double value;
            const char *comma, *literal = nullptr; // none: the comma text with a point
        };
        // clang-format off
        for (const Row& r : std::initializer_list<Row>{
                 {3.0, "3"}, {-3.0, "-3"}, {2.5, "2,5"}, {1.50, "1,5"}, {-0.3, "-0,3"},
                 {0.0001, "0,0001"}, {1.0 / 3.0, "0,333333333333333"}, {-123.456, "-123,456"},
                 {0.00001, "1E-05", "0.00001"}, {-2.5e-7, "-2,5E-07", "-0.00000025"},
                 {999999999999999.0, "999999999999999"}, {1e15, "1E+15", "1000000000000000"},
                 {1.5e16, "1,5E+16", "15000000000000000"}, {-0.0, "0"}, {0.1 + 0.2, "0,3"},
                 {0.9999999999999999, "1"}})
            // clang-format on
            QTest::newRow(r.comma)
                << r.value << r.comma << (r.literal ? r.literal : withPoint(r.comma));
    }
    void numberText() {
        QFETCH(double, value);
        QFETCH(QString, comma);
        QFETCH(QString, literal);
        QCOMPARE(number(value, ","), comma);
        QCOMPARE(number(value, "."), withPoint(comma));
        QCOMPARE(expressionLiteral(value), literal);
        // On the board: a blank before a non-negative number, one after every number.
        QCOMPARE(boardNumber(value, ","), (value < 0 ? "" : " ") + comma + ' ');
    }

    /// Both coordinates rounded to 2 decimals, an exact half to the even digit.
    void pointText_data() {
        QTest::addColumn<Pt>("p");
        QTest::addColumn<QString>("comma");
        QTest::newRow("midpoint") << Pt{-3.0, 1.0} << "(-3 , 1)";
        QTest::newRow("comma kept apart") << Pt{-3.0, 1.5} << "(-3 , 1,5)";
        QTest::newRow("halves to even") << Pt{0.125, 0.375} << "(0,12 , 0,38)";
        QTest::newRow("binary 2.675") << Pt{2.675, -0.125} << "(2,67 , -0,12)";
        QTest::newRow("to whole numbers") << Pt{0.999, -1.004} << "(1 , -1)";
        QTest::newRow("to zero") << Pt{-0.001, 0.004} << "(0 , 0)";
        QTest::newRow("third, huge") << Pt{1.0 / 3.0, 1e300} << "(0,33 , 1E+300)";
    }
    void pointText() {
        QFETCH(Pt, p);
        QFETCH(QString, comma);
        QCOMPARE(point(p.x, p.y, ","), comma);
        QCOMPARE(point(p.x, p.y, "."), withPoint(comma));
    }

    void signs_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        // Each replacement scans the whole text once, in this order.
        for (const auto& [text, expected] :
             {std::pair{"2x+-3y-+4=0", "2x-3y-4=0"}, {"x--1", "x+1"}, {"+--", "+"}, {"---", "+-"}})
            QTest::newRow(text) << text << expected;
    }
    void signs() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(LimparSinais(text), expected);
    }

    void lineEquation_data() {
        QTest::addColumn<Line>("line");
        QTest::addColumn<QString>("comma");
        QTest::addColumn<double>("c"); // as the line holds it afterwards
        const auto row = [](Line line, const char* comma, double c) {
            QTest::newRow(comma) << line << comma << c;
        };
        row({14.0, 16.0, -21.0}, "14x+16y-21=0", -21);
        row({1.0, -1.0, 0.0}, "x-y=0", 0);
        row({-1.0, -1.0, 2.0}, "-x-y+2=0", 2);
        row({1.0, 1.0, 0.0}, "x+y=0", 0);
        row({0.5, -2.25, 1.0 / 3.0}, "0,5x-2,25y+0,33=0", 0.33);
        row({0.999, -1.004, 5.0}, "x-y+5=0", 5);
        row({2.0, 3.0, 0.004}, "2x+3y=0", 0);
        row({0.0, 2.0, 3.0}, "0x+2y+3=0", 3);
        row({3.0, 0.0, -6.0}, "3x+0y-6=0", -6);
        row({-0.0, 0.0, -0.0}, "0x+0y=0", 0);
        row({2.0, 2.0, 2.0}, "2x+2y+2=0", 2);
    }
    void lineEquation() {
        QFETCH(Line, line);
        QFETCH(QString, comma);
        QFETCH(double, c);
        for (const char* separator : {",", "."}) {
            Line written = line;
            QCOMPARE(TextoEquacaoRecta(written, separator),
                     *separator == ',' ? comma : withPoint(comma));
            QCOMPARE(written.c.value(), c); // rounded in place
        }
    }
};

QTEST_APPLESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
