#include "formcase.h"

using namespace FormCases;

class TestLines2Form : public FormTest {
    Q_OBJECT
    void rows() override;
};

void TestLines2Form::rows() {
    const CaseOf row{Topic::Recta2};
    const QString notParallel = QStringLiteral("As rectas não são paralelas.");
    const QStringList bare{"count A any 0", "count V any 0"};

    QTest::newRow("intersection, initial") << row(
        {}, {"Resolver3"}, {"Resultado1", "(-1,05 , -0,63)"}, {},
        {"dot V -20/19 -12/19", "line V1. -20/19 0 -20/19 -12/19",
         "line V1. 0 -12/19 -20/19 -12/19", "line A2 -9 14/3 9 -22/3", "line A2 14/5 9 -22/5 -9"});
    QTest::newRow("intersection on the x axis, not called parallel")
        << row({"Text1", "x+y-1=0", "Text2", "x-y-1=0"}, {"Resolver3"}, {"Resultado1", "(1 , 0)"},
               {}, {"dot V 1 0"});
    QTest::newRow("intersection of a line with itself") << row(
        {"Text2", "2x+3y+4=0"}, {"Resolver3"}, {"Resultado1", Coincident}, {}, {"count V any 0"});
    QTest::newRow("intersection of parallels")
        << row({"Text1", "y=1", "Text2", "y=2"}, {"Resolver3"}, {"Resultado1", Parallel}, {},
               {"count V any 0"});
    QTest::newRow("data: labels emptied, the two lines and nothing else")
        << row({}, {"Resolver3", "Resolver1", "Resolver5", "Dados5", "Dados1", "Dados3"},
               {"Resultado1", "", "Resultado2", "", "Resultado4", ""}, {},
               {"count A2 line 2", "count A any 2", "count V any 0"});
    QTest::newRow("parallel distance, initial") << row(
        {}, {"Resolver1"}, {"Resultado2", "2,22"}, {},
        {"dot V 0 -4/3", "dot V 16/13 20/39", "line V1. 0 -4/3 16/13 20/39", "count A2 line 2"});
    QTest::newRow("parallel distance, lines written at different scales") << row(
        {"Text4", "-4x-6y=-8"}, {"Resolver1"}, {"Resultado2", "2,22"}, {}, {"dot V 16/13 20/39"});
    QTest::newRow("parallel distance, data") << row({}, {"Resolver1", "Dados1"}, {"Resultado2", ""},
                                                    {}, {"count A2 line 2", "count V any 0"});
    QTest::newRow("parallel distance of x=1 and x=4")
        << row({"Text3", "x=1", "Text4", "x=4"}, {"Resolver1"}, {"Resultado2", "3"}, {},
               {"dot V 1 0", "dot V 4 0", "count V line 0"});
    QTest::newRow("lines not parallel: message, then the board is cleared") << row(
        {}, {"Resolver1", "Text4=2x-3y+4=0", "Resolver1"}, {"Resultado2", ""}, {notParallel}, bare);
    QTest::newRow("a vertical and a horizontal line are not parallel")
        << row({"Text3", "x=1", "Text4", "y=1"}, {"Resolver1"}, {"Resultado2", ""}, {notParallel});
    QTest::newRow("point to line, initial")
        << row({}, {"Resolver4"}, {"Resultado3", "10"}, {},
               {"line V2 -2 5 4 -3", "dot A -2 5", "line A1. -2 0 -2 5", "line A1. 0 5 -2 5",
                "line A2 9 3/4 -4 -9"});
    QTest::newRow("point to line, data") << row({}, {"Resolver4", "Dados4"}, {"Resultado3", ""}, {},
                                                {"dot A -2 5", "count V any 0"});
    QTest::newRow("point to line, the square under a root")
        << row({"Text5", "x+y-1=0", "Abcissa1", "0", "Ordenada1", "0"}, {"Resolver4"},
               {"Resultado3", "sqr(0,5)"});
    QTest::newRow("angle, initial") << row({}, {"Resolver5"}, {"Resultado4", "40º  14'  10,89''"});
    QTest::newRow("angle of y=x and y=-x")
        << row({"Text6", "y=x", "Text7", "y=-x"}, {"Resolver5"}, {"Resultado4", "90º"});
    QTest::newRow("angle, the acute one of 45 and 135 degrees")
        << row({"Text6", "y=0", "Text7", "y=-x"}, {"Resolver5"}, {"Resultado4", "45º  0'  0''"});
    // atan(sqr(3)) is a hair below 60 degrees: the seconds round up to 60
    // and nothing is carried.
    QTest::newRow("angle, seconds not carried") << row(
        {"Text6", "y=0", "Text7", "y=-sqr(3)*x"}, {"Resolver5"}, {"Resultado4", "59º  59'  60''"});
    QTest::newRow("angle of parallels: message without a verb, then the board is cleared")
        << row({"Text6", "x+y=0", "Text7", "2x+2y=5"}, {"Resolver5"}, {}, {NoVerb}, bare);
    QTest::newRow("after a message, data only draws the data")
        << row({"Text6", "x+y=0", "Text7", "2x+2y=5"}, {"Resolver5", "Dados5"}, {"Resultado4", ""},
               {NoVerb}, {"count A2 line 2", "count V any 0"});
    // Both fields are stripped, then both checked, before either is sampled:
    // one message a press, and the board keeps the intersection drawn before.
    const QStringList solved{"Resolver1", "Resolver4", "Resolver5", "Resolver3"};
    const QStringList refused{"Text1=x < 1",     "Text2=y^2 = 1",        "Text3=2x + 3y = 1",
                              "Text4=x > 1",     "Text5=3x - 4y^2 = 24", "Abcissa1=abc",
                              "Text6=2 x + 3 y", "Text7=y = x^3"};
    const QStringList pressedAgain{"Dados1", "Resolver1", "Dados4", "Resolver4",
                                   "Dados5", "Resolver5", "Dados3", "Resolver3"};
    const QStringList emptied{"Resultado1", "", "Resultado2", "",
                              "Resultado3", "", "Resultado4", ""};
    const QStringList stripped{"Text1", "x<1",        "Text2", "y^2=1", "Text3", "2x+3y=1",
                               "Text5", "3x-4y^2=24", "Text6", "2x+3y", "Text7", "y=x^3"};
    QTest::newRow("refused equations: one message, fields stripped, board and labels")
        << row({}, solved + refused + pressedAgain, emptied + stripped,
               QStringList(8, NotALineText), {"dot V -20/19 -12/19"});
    QTest::newRow("intersection with no line")
        << row({"Text2", "0x+0y=5"}, {"Dados3", "Resolver3", "Text2=0x+0y=0", "Resolver3"},
               {"Resultado1", Coincident}, QStringList(3, NotALine));
    QTest::newRow("parallel distance with no line: reported, then division by zero")
        << row({"Text4", "0x+0y=5"},
               {"Dados1", "Resolver1", "Text3=x=1", "Resolver1", "Text3=y=1", "Resolver1",
                "Text3=0x+0y=5", "Text4=2x+3y-4=0", "Resolver1"},
               {"Resultado2", ""},
               {NotALine, NotALine, DivisionByZero, NotALine, DivisionByZero, NotALine,
                DivisionByZero, NotALine, DivisionByZero});
    QTest::newRow("point to no line, angle with no line")
        << row({"Text5", "0x+0y=5", "Text7", "0x+0y=5"},
               {"Dados4", "Resolver4", "Dados5", "Resolver5"}, {"Resultado3", "", "Resultado4", ""},
               {NotALine, NotALine, DivisionByZero, NotALine, NotALine, NoVerb});
    QTest::newRow("unsplittable or unreadable equations: generic report, the drawing stays")
        << row({"Text7", "x+3y", "Text3", "x+z=0"}, {"Resolver3", "Resolver5", "Resolver1"}, {},
               {Invalid, undefined("z")}, {"dot V -20/19 -12/19"});
    // Verdicts on the numbers typed, not on their binary roundings: each of
    // these used to come out otherwise.
    QTest::newRow("exact verdict: one line written twice with decimals is coincident")
        << row({"Text1", "0.1x+0.2y=0.3", "Text2", "0.3x+0.6y=0.9"}, {"Resolver3"},
               {"Resultado1", Coincident}, {}, {"count V any 0"});
    QTest::newRow("exact verdict: a line written with decimals that is no line")
        << row({"Text2", "(1.1+2.2)*x=3.3*x+1"}, {"Resolver3"}, {"Resultado1", Parallel},
               {NotALine}, {"count A2 line 1", "count V any 0"});
    QTest::newRow("exact verdict: parallels written with decimals have a distance")
        << row({"Text3", "0.1x+0.2y=0.4", "Text4", "0.3x+0.6y=0.7"}, {"Resolver1"},
               {"Resultado2", "0,75"}, {}, {"dot V 0 2"});
    QTest::newRow("exact verdict: perpendiculars written with decimals make 90 degrees") << row(
        {"Text6", "0.1x+0.3y=1", "Text7", "0.3x-0.1y=2"}, {"Resolver5"}, {"Resultado4", "90º"});
    QTest::newRow("labels emptied whatever happens")
        << row({}, solved + QStringList{"Ymin=dez"} + solved, emptied,
               QStringList(4, error(QStringLiteral("Tipos incompatíveis."))));
}

QTEST_MAIN(TestLines2Form)
#include "tst_lines2form.moc"
