#include "textrules.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

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
        // A viewport field reads back what the spin arrows write, with either separator.
        const std::optional<double> read = plainNumber(comma);
        QVERIFY(read && std::fabs(*read - value) <= 1e-14 * std::fabs(value));
        QCOMPARE(plainNumber(withPoint(comma)), read);
    }

    /// A viewport field: a plain number with "," or "." in either regional setting, or none.
    void plainNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("read"); // "none": no plain number
        // clang-format off
        for (const auto& [typed, read] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"2,5", "2.5"}, {"2.5", "2.5"}, {" -10,5 ", "-10.5"}, {"+3", "3"}, {"5.", "5"},
                 {".5", "0.5"}, {"-0,75", "-0.75"}, {"1,5E+16", "1.5e+16"}, {"2.5e-3", "0.0025"},
                 {"1E+400", "inf"}, {"-1e400", "-inf"}, {"1E-400", "0"}, {"007", "7"},
                 {"", "none"}, {"abc", "none"}, {"2*3", "none"}, {",5", "none"}, {"2,", "none"},
                 {"1,5,3", "none"}, {"1,5.3", "none"}, {"1.000,5", "none"}, {"1 000", "none"},
                 {"2,5x", "none"}, {"1E", "none"}, {"inf", "none"}, {"nan", "none"}, {"--1", "none"},
                 {"\u0663", "none"}}) // an Arabic-Indic three
            // clang-format on
            QTest::newRow(typed) << QString::fromUtf8(typed) << QString(read);
    }
    void plainNumbers() {
        QFETCH(QString, typed);
        QFETCH(QString, read);
        for (const auto& setting : {QLocale(QLocale::Portuguese, QLocale::Portugal),
                                    QLocale(QLocale::English, QLocale::UnitedStates)}) {
            QLocale::setDefault(setting);
            const std::optional<double> value = plainNumber(typed);
            QCOMPARE(value ? QString::number(*value) : QString("none"), read);
        }
    }

    /// Both coordinates rounded to 2 decimals, an exact half to the even digit.
    void pointText_data() {
        QTest::addColumn<Pt>("p");
        QTest::addColumn<QString>("comma");
        // clang-format off
        for (const auto& [p, comma] : {
                 std::pair{Pt{-3.0, 1.0}, "(-3 , 1)"}, {Pt{-3.0, 1.5}, "(-3 , 1,5)"},
                 {Pt{0.125, 0.375}, "(0,12 , 0,38)"}, {Pt{2.675, -0.125}, "(2,67 , -0,12)"},
                 {Pt{0.999, -1.004}, "(1 , -1)"}, {Pt{-0.001, 0.004}, "(0 , 0)"},
                 {Pt{1.0 / 3.0, 1e300}, "(0,33 , 1E+300)"}})
            // clang-format on
            QTest::newRow(comma) << p << comma;
    }
    void pointText() {
        QFETCH(Pt, p);
        QFETCH(QString, comma);
        QCOMPARE(point(p.x, p.y, ","), comma);
        QCOMPARE(point(p.x, p.y, "."), withPoint(comma));
    }

    /// Coefficients rounded to 2 decimals in place, 1 and -1 left implicit.
    void lineEquation_data() {
        QTest::addColumn<Line>("line");
        QTest::addColumn<QString>("comma");
        QTest::addColumn<double>("c"); // as the line holds it afterwards
        // clang-format off
        for (const auto& [line, comma, c] : std::initializer_list<std::tuple<Line, const char*, double>>{
                 {{14.0, 16.0, -21.0}, "14x+16y-21=0", -21}, {{1.0, -1.0, 0.0}, "x-y=0", 0},
                 {{-1.0, -1.0, 2.0}, "-x-y+2=0", 2}, {{1.0, 1.0, 0.0}, "x+y=0", 0},
                 {{0.5, -2.25, 1.0 / 3.0}, "0,5x-2,25y+0,33=0", 0.33}, {{0.999, -1.004, 5.0}, "x-y+5=0", 5},
                 {{2.0, 3.0, 0.004}, "2x+3y=0", 0}, {{0.0, 2.0, 3.0}, "0x+2y+3=0", 3},
                 {{3.0, 0.0, -6.0}, "3x+0y-6=0", -6}, {{-0.0, 0.0, -0.0}, "0x+0y=0", 0},
                 {{2.0, 2.0, 2.0}, "2x+2y+2=0", 2}})
            // clang-format on
            QTest::newRow(comma) << line << comma << c;
    }
    void lineEquation() {
        QFETCH(Line, line);
        QFETCH(QString, comma);
        QFETCH(double, c);
        for (const char* separator : {",", "."}) {
            Line written = line;
            QCOMPARE(TextoEquacaoRecta(written, separator),
                     *separator == ',' ? comma : withPoint(comma));
            QCOMPARE(written.c.value(), c);
        }
    }
};

QTEST_APPLESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
