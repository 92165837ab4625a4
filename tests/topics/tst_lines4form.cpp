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
    row("inclination of a sum of decimals that is zero", {"Text2", "0.1+0.2-0.3"}, inclination,
        {first, "y = 3"});
    row("bisectors of parallels with decimals",
        {"Text9", "0.1x+0.2y=0.3", "Text10", "0.3x+0.6y=0.7"}, {"Resolver7"},
        {"Resultado5", "", "Resultado6", ""}, {"As rectas paralelas."});
    row("data, whichever the option: only the point", {},
        {"Option2", "Resolver3", "Option3", "Resolver3", "Option4", "Resolver3", "Option6",
         "Resolver3", "Dados3"},
        {first, "", second, ""}, {}, point + QStringList{"count A any 3", "count V any 0"});
    row("parallel to the x axis", {}, {"Resolver3"}, {first, "y = 3", second, ""}, {},
        point + QStringList{"line V2 -9 3 9 3", "count V any 1"});
    row("parallel to the y axis", {}, {"Option2", "Resolver3"}, {first, "x = -1"}, {},
        {"line V2 -1 9 -1 -9"});
    row("parallel to the y axis, rounded", {"Abcissa1", "2.125"}, {"Option2", "Resolver3"},
        {first, "x = 2,12"});
    row("the viewport read by the press ends the line", {"Xmin", "-20", "Ymin", "-5"},
        {"Option2", "Resolver3"}, {}, {}, {"line V2 -1 9 -1 -4"});
    row("inclination 30", {}, inclination, {first, "0,58x-y+3,58 = 0"}, {},
        {"line V2 9 8.773502691896258 -9 -1.6188021535170063", "count V any 1"});
    row("inclination as an expression, untrimmed", {"Text2", " 2*15 "}, inclination,
        {first, "0,58x-y+3,58 = 0"});
    row("inclination 45: a slope of 1 only once rounded", {"Text2", "45"}, inclination,
        {first, "1x-y+4 = 0"});
    row("inclination 135 through the origin", {"Text2", "135", "Abcissa1", "0", "Ordenada1", "0"},
        inclination, {first, "-1x-y = 0"});
    row("inclination 0, not rounded", {"Text2", "0", "Ordenada1", "1/3"}, inclination,
        {first, "y = 0,333333333333333"});
    row("inclination 90, not rounded", {"Text2", "90", "Abcissa1", "2/3"}, inclination,
        {first, "x = 0,666666666666667"});
    row("inclination 180", {"Text2", "180"}, inclination, {first, "0x-y+3 = 0"});
    row("inclination 181: the message, the board cleared", {},
        {"Option3", "Resolver3", "Text2=181", "Resolver3"}, {first, ""}, {badInclination},
        {"count A any 0", "count V any 0"});
    row("inclinations out of range; data hold none", {"Text2", "-1"},
        {"Option3", "Resolver3", "Text2=180.000001", "Resolver3", "Text2=10^300", "Resolver3",
         "Dados3"},
        {first, ""}, QStringList(3, badInclination), point);
    row("slope 1", {}, {"Option4", "Resolver3"}, {first, "x-y+4=0"}, {}, {"line V2 5 9 -9 -5"});
    row("angle 30 with the given line", {}, angle,
        {first, "2,46x-3,73y+13,66=0", second, "4,46x+0,27y+3,66=0"}, {},
        {"line A2 3 9 -6 -9", "line V2 8.087411293369668 9 -9 -2.2820323027550904",
         "line V2 -1.360138566096939 9 -0.2797228678061222 -9", "count V2 line 2"});
    row("angle written with a decimal comma and a unit", {"Text4", "30,0 graus"}, angle,
        {first, "2,46x-3,73y+13,66=0", second, "4,46x+0,27y+3,66=0"});
    row("angle 90: the perpendicular twice", {"Text4", "90"}, angle,
        {first, "-x-2y+5=0", second, "x+2y-5=0"});
    row("angle that is no number: 0, twice the parallel through P", {"Text4", "graus 30"}, angle,
        {}, {}, {"line V2 2 9 -7 -9", "count V2 line 2"});
    row("angle with a refused or unsplittable line: the point stays", {},
        {"Option6", "Resolver3", "Text5=y = x^2", "Resolver3", "Text5=2x-y", "Resolver3"},
        {"Text5", "2x-y", first, "", second, ""}, {NotALineText, Invalid},
        point + QStringList{"count V any 0"});
    row("angle with no line: reported for the given line and both answers", {"Text5", "0x+0y=1"},
        angle, {first, "0x+0y=0", second, "0x+0y=0"}, QStringList(3, NotALine));
    row("bisectors, initial", {}, {"Resolver7"},
        {"Resultado5", "0,87x+13,92y-16,66=0", "Resultado6", "8,08x-0,5y+12,19=0"}, {},
        {"line A2 -9 19/3 9 -17/3", "line A2 9 13/2 -9 -5/2",
         "line V1. -9 1.757094379974733 9 0.6364549106008389",
         "line V1. -0.9482973702683318 9 -2.068936839642224 -9", "count V any 2"});
    row("bisectors of the axes", {"Text9", "x=0", "Text10", "y=0"}, {"Resolver7"},
        {"Resultado5", "x-y=0", "Resultado6", "x+y=0"}, {},
        {"line V1. 9 9 -9 -9", "line V1. -9 9 9 -9"});
    row("bisectors, rearranged equations", {"Text9", "y=x", "Text10", "y = -x + 2"}, {"Resolver7"},
        {"Resultado5", "-2,83x+0y+2,83=0", "Resultado6", "0x+2,83y-2,83=0"});
    row("bisectors, data: the two lines only", {}, {"Resolver7", "Dados7"},
        {"Resultado5", "", "Resultado6", ""}, {},
        {"count A2 line 2", "count A any 2", "count V any 0"});
    row("bisectors of parallels: the message already on data, the lines stay", {},
        {"Resolver7", "Text10=4x+6y+5=0", "Dados7", "Resolver7"},
        {"Resultado5", "", "Resultado6", ""}, {NoVerb, NoVerb},
        {"count A2 line 2", "count V any 0"});
    row("bisectors of no line: reported, then taken for parallel", {"Text10", "0x+0y=1"},
        {"Dados7"}, {}, {NotALine, NoVerb}, {"count A2 line 1"});
    row("bisectors, refused line: both stripped first, the board kept",
        {"Text9", "x>0=y", "Text10", "x + y = 1"}, {"Dados3", "Resolver7"}, {"Text10", "x+y=1"},
        {NotALineText}, point + QStringList{"count A2 line 0"});
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
