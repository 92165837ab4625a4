#include "formcase.h"
#include "leadingnumber.h"
#include "numbered_error.h"

using namespace FormCases;

class TestLines4Form : public FormTest {
    Q_OBJECT
    void rows() override;
private slots:
    void angleFieldReadsItsLeadingNumber_data();
    void angleFieldReadsItsLeadingNumber();
};

void TestLines4Form::rows() {
    const CaseOf row{Topic::Recta4};
    const QString badInclination =
        QStringLiteral("A inclinação de uma recta não pode ser negativa nem maior que 180 graus");
    const QStringList point{"dot A -1 3", "line A1. -1 0 -1 3", "line A1. 0 3 -1 3"};
    const QStringList inclination{"Option3", "Resolver3"};
    const QStringList angle{"Option6", "Resolver3"};
    const QString first = QStringLiteral("Resultado1"), second = QStringLiteral("Resultado2");

    // Verdicts on the numbers typed, not on their doubles.
    QTest::newRow("inclination of a sum of decimals that is zero")
        << row({"Text2", "0.1+0.2-0.3"}, inclination, {first, "y = 3"});
    QTest::newRow("bisectors of parallels with decimals")
        << row({"Text9", "0.1x+0.2y=0.3", "Text10", "0.3x+0.6y=0.7"}, {"Resolver7"},
               {"Resultado5", "", "Resultado6", ""}, {"As rectas paralelas."});
    QTest::newRow("data, whichever the option: only the point")
        << row({},
               {"Option2", "Resolver3", "Option3", "Resolver3", "Option4", "Resolver3", "Option6",
                "Resolver3", "Dados3"},
               {first, "", second, ""}, {}, point + QStringList{"count A any 3", "count V any 0"});
    QTest::newRow("parallel to the x axis")
        << row({}, {"Resolver3"}, {first, "y = 3", second, ""}, {},
               point + QStringList{"line V2 -9 3 9 3", "count V any 1"});
    QTest::newRow("parallel to the y axis")
        << row({}, {"Option2", "Resolver3"}, {first, "x = -1"}, {}, {"line V2 -1 9 -1 -9"});
    QTest::newRow("parallel to the y axis, rounded")
        << row({"Abcissa1", "2.125"}, {"Option2", "Resolver3"}, {first, "x = 2,12"});
    QTest::newRow("the viewport read by the press ends the line") << row(
        {"Xmin", "-20", "Ymin", "-5"}, {"Option2", "Resolver3"}, {}, {}, {"line V2 -1 9 -1 -4"});
    QTest::newRow("inclination 30")
        << row({}, inclination, {first, "0,58x-y+3,58 = 0"}, {},
               {"line V2 9 8.773502691896258 -9 -1.6188021535170063", "count V any 1"});
    QTest::newRow("inclination as an expression, untrimmed")
        << row({"Text2", " 2*15 "}, inclination, {first, "0,58x-y+3,58 = 0"});
    QTest::newRow("inclination 45: a slope of 1 only once rounded")
        << row({"Text2", "45"}, inclination, {first, "1x-y+4 = 0"});
    QTest::newRow("inclination 135 through the origin") << row(
        {"Text2", "135", "Abcissa1", "0", "Ordenada1", "0"}, inclination, {first, "-1x-y = 0"});
    QTest::newRow("inclination 0, not rounded")
        << row({"Text2", "0", "Ordenada1", "1/3"}, inclination, {first, "y = 0,333333333333333"});
    QTest::newRow("inclination 90, not rounded")
        << row({"Text2", "90", "Abcissa1", "2/3"}, inclination, {first, "x = 0,666666666666667"});
    QTest::newRow("inclination 180") << row({"Text2", "180"}, inclination, {first, "0x-y+3 = 0"});
    QTest::newRow("inclination 181: the message, the board cleared")
        << row({}, {"Option3", "Resolver3", "Text2=181", "Resolver3"}, {first, ""},
               {badInclination}, {"count A any 0", "count V any 0"});
    QTest::newRow("inclinations out of range; data hold none")
        << row({"Text2", "-1"},
               {"Option3", "Resolver3", "Text2=180.000001", "Resolver3", "Text2=10^300",
                "Resolver3", "Dados3"},
               {first, ""}, QStringList(3, badInclination), point);
    QTest::newRow("slope 1") << row({}, {"Option4", "Resolver3"}, {first, "x-y+4=0"}, {},
                                    {"line V2 5 9 -9 -5"});
    QTest::newRow("angle 30 with the given line")
        << row({}, angle, {first, "2,46x-3,73y+13,66=0", second, "4,46x+0,27y+3,66=0"}, {},
               {"line A2 3 9 -6 -9", "line V2 8.087411293369668 9 -9 -2.2820323027550904",
                "line V2 -1.360138566096939 9 -0.2797228678061222 -9", "count V2 line 2"});
    QTest::newRow("angle written with a decimal comma and a unit")
        << row({"Text4", "30,0 graus"}, angle,
               {first, "2,46x-3,73y+13,66=0", second, "4,46x+0,27y+3,66=0"});
    QTest::newRow("angle 90: the perpendicular twice")
        << row({"Text4", "90"}, angle, {first, "-x-2y+5=0", second, "x+2y-5=0"});
    QTest::newRow("angle that is no number: 0, twice the parallel through P")
        << row({"Text4", "graus 30"}, angle, {}, {}, {"line V2 2 9 -7 -9", "count V2 line 2"});
    QTest::newRow("angle with a refused or unsplittable line: the point stays") << row(
        {}, {"Option6", "Resolver3", "Text5=y = x^2", "Resolver3", "Text5=2x-y", "Resolver3"},
        {"Text5", "2x-y", first, "", second, ""}, {NotALineText, Invalid},
        point + QStringList{"count V any 0"});
    QTest::newRow("angle with no line: reported for the given line and both answers")
        << row({"Text5", "0x+0y=1"}, angle, {first, "0x+0y=0", second, "0x+0y=0"},
               QStringList(3, NotALine));
    QTest::newRow("bisectors, initial")
        << row({}, {"Resolver7"},
               {"Resultado5", "0,87x+13,92y-16,66=0", "Resultado6", "8,08x-0,5y+12,19=0"}, {},
               {"line A2 -9 19/3 9 -17/3", "line A2 9 13/2 -9 -5/2",
                "line V1. -9 1.757094379974733 9 0.6364549106008389",
                "line V1. -0.9482973702683318 9 -2.068936839642224 -9", "count V any 2"});
    QTest::newRow("bisectors of the axes") << row({"Text9", "x=0", "Text10", "y=0"}, {"Resolver7"},
                                                  {"Resultado5", "x-y=0", "Resultado6", "x+y=0"},
                                                  {}, {"line V1. 9 9 -9 -9", "line V1. -9 9 9 -9"});
    QTest::newRow("bisectors, rearranged equations")
        << row({"Text9", "y=x", "Text10", "y = -x + 2"}, {"Resolver7"},
               {"Resultado5", "-2,83x+0y+2,83=0", "Resultado6", "0x+2,83y-2,83=0"});
    QTest::newRow("bisectors, data: the two lines only")
        << row({}, {"Resolver7", "Dados7"}, {"Resultado5", "", "Resultado6", ""}, {},
               {"count A2 line 2", "count A any 2", "count V any 0"});
    QTest::newRow("bisectors of parallels: the message already on data, the lines stay")
        << row({}, {"Resolver7", "Text10=4x+6y+5=0", "Dados7", "Resolver7"},
               {"Resultado5", "", "Resultado6", ""}, {NoVerb, NoVerb},
               {"count A2 line 2", "count V any 0"});
    QTest::newRow("bisectors of no line: reported, then taken for parallel")
        << row({"Text10", "0x+0y=1"}, {"Dados7"}, {}, {NotALine, NoVerb}, {"count A2 line 1"});
    QTest::newRow("bisectors, refused line: both stripped first, the board kept")
        << row({"Text9", "x>0=y", "Text10", "x + y = 1"}, {"Dados3", "Resolver7"},
               {"Text10", "x+y=1"}, {NotALineText}, point + QStringList{"count A2 line 0"});
}

void TestLines4Form::angleFieldReadsItsLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value"); // infinity: too large, the overflow fault
    QTest::newRow("with a unit") << "30 graus" << 30.0;
    QTest::newRow("blanks and tabs anywhere") << " \t3 0 . 5 " << 30.5;
    QTest::newRow("signs") << "- .5" << -0.5;
    QTest::newRow("exponent") << "2.5E-1x" << 0.25;
    QTest::newRow("exponent without digits") << "3e+" << 3.0;
    QTest::newRow("stops at an operator") << "10^400" << 10.0;
    // A comma between two digits is a decimal comma; one separator at most.
    // clang-format off
    for (const auto& [typed, value] : {std::pair{"1,5", 1.5}, {"2 , 5 graus", 2.5}, {"1,5,3", 1.5},
                                       {"1,5.3", 1.5}, {"1.5,3", 1.5}, {"3,x", 3.0}, {",5", 0.0}})
        QTest::newRow(typed) << QString(typed) << value;
    // clang-format on
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("below the smallest double") << "1e-400" << 0.0;
    QTest::newRow("above the largest double") << "1e400" << qInf();
    QTest::newRow("ten thousand nines") << QString(10000, QLatin1Char('9')) << qInf();
}

void TestLines4Form::angleFieldReadsItsLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    try {
        const double read = leadingNumber(text.toStdString()).value();
        QCOMPARE(read, value);
        QVERIFY(!std::signbit(read) || value < 0);
    } catch (const NumberedError& e) {
        QVERIFY(std::isinf(value));
        QCOMPARE(e.number(), Fault::Overflow);
    }
}

QTEST_MAIN(TestLines4Form)
#include "tst_lines4form.moc"
