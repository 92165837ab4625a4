#include "formcase.h"

using namespace FormCases;

class TestLines1Form : public FormTest {
    Q_OBJECT
    void rows() override;
};

void TestLines1Form::rows() {
    const CaseOf row{Topic::Recta1};
    const QString noLine =
        QStringLiteral("Não há recta nessas condições. Altere as coordenadas dos pontos.");
    const QString given = QStringLiteral("line A2 -9 19/3 9 -17/3"); // 2x+3y-1=0

    QTest::newRow("typed line, initial")
        << row({}, {"Command3"}, {}, {}, {"line V2 9 22/3 -9 -14/3", "count V any 1"});
    QTest::newRow("typed line written back without blanks; its rewritten text")
        << row({"Text1", " 2 x + 3 y = 6 "}, {"Command3"},
               {"Text1", "2x+3y=6", "Text3", "2x+3y-(6)"}, {}, {"line V2 -9 8 9 -4"});
    QTest::newRow("two points, initial")
        << row({}, {"Resolver1"}, {"Resultado1", "6x+7y-9=0"}, {},
               {"line V2 -9 9 9 -45/7", "count V any 1", "dot A 5 -3", "dot A -2 3",
                "line A1. 5 0 5 -3", "line A1. 0 3 -2 3", "!text A  5 "});
    QTest::newRow("two points on a vertical line")
        << row({"Abcissa1", "1", "Ordenada1", "2", "Abcissa2", "1", "Ordenada2", "5"},
               {"Resolver1"}, {"Resultado1", "3x+0y-3=0"}, {}, {"line V2 1 -9 1 9"});
    QTest::newRow("coincident points: the message, bare axes, the label emptied")
        << row({}, {"Resolver1", "Abcissa2=10/2", "Ordenada2=-3", "Resolver1"}, {"Resultado1", ""},
               {noLine}, {"count A any 0", "count V any 0"});
    QTest::newRow("parallel, initial")
        << row({}, {"Resolver4"}, {"Resultado2", "2x+3y-13=0"}, {},
               {"line V2 -7 9 9 -5/3", "count V any 1", given, "dot A 2 3", "line A1. 2 0 2 3"});
    QTest::newRow("parallel, rounded constant")
        << row({"Text5", "x+y=0", "Abcissa3", "1/8", "Ordenada3", "0"}, {"Resolver4"},
               {"Resultado2", "x+y-0,12=0"});
    QTest::newRow("parallel to a vertical line")
        << row({"Text5", "x=3", "Abcissa3", "-1"}, {"Resolver4"}, {"Resultado2", "x+0y+1=0"});
    QTest::newRow("perpendicular, initial")
        << row({}, {"Resolver5"}, {"Resultado3", "3x-2y=0"}, {},
               {"line V2 6 9 -6 -9", "count V any 1", given, "dot A 2 3"});
    QTest::newRow("data: labels emptied, only the data drawn")
        << row({}, {"Resolver1", "Resolver4", "Resolver5", "Dados1", "Dados4", "Dados5"},
               {"Resultado1", "", "Resultado2", "", "Resultado3", ""}, {},
               {given, "dot A 2 3", "count V any 0"});
    QTest::newRow("ungraduated: A and B beside the axes in data mode")
        << row(Wide, {"Dados1"}, {}, {},
               {"text A  5 ", "text A -3 ", "text A -2 ", "text A  3 ", "count V any 0"});
    QTest::newRow("ungraduated: P beside the axes in data mode, regional separator")
        << row(Wide + QStringList{"Abcissa3", "5/2", "Ordenada3", "-0.75"}, {"Dados4"}, {}, {},
               {"text A  2,5 ", "text A -0,75 ", "count V any 0"});
    QTest::newRow("ungraduated: Q's coordinates once the answer is drawn")
        << row(Wide, {"Resolver5"}, {"Resultado3", "3x-2y=0"}, {},
               {"line V2 58/3 29 -58/3 -29", ">text A  2 ", ">text A  3 "});
    QTest::newRow("ungraduated: not Q in data mode")
        << row(Wide, {"Dados5"}, {}, {}, {"dot A 2 3", "count A text 0"});
    QTest::newRow("refused equations: message, board and labels left as they were") << row(
        {"Text1", "x^2 + y = 1", "Text7", "y<1=0"},
        {"Resolver4", "Text5=x > y", "Resolver4", "Command3", "Resolver5"},
        {"Resultado2", "", "Resultado3", "", "Text1", "x^2+y=1", "Text5", "x>y", "Text7", "y<1=0"},
        {NotALineText, NotALineText, NotALineText}, {"line V2 -7 9 9 -5/3", "dot A 2 3"});
    QTest::newRow("given line that is no line: reported, and again for the answer")
        << row({"Text1", "0x+0y=3", "Text5", "0x+0y=3", "Text7", "0x + 0y = 3"},
               {"Command3", "Dados4", "Resolver4", "Dados5", "Resolver5"},
               {"Resultado2", "0x+0y=0", "Resultado3", "0x+0y=0"}, QStringList(7, NotALine),
               {"count V2 line 0", "count A2 line 0"});
    // Verdicts on the numbers typed, not on their binary roundings.
    QTest::newRow("exact verdict: one point written twice with decimals")
        << row({"Abcissa1", "0.1+0.2", "Ordenada1", "1", "Abcissa2", "0.3", "Ordenada2", "1"},
               {"Resolver1"}, {"Resultado1", ""}, {noLine}, {"count A any 0", "count V any 0"});
    QTest::newRow("unreadable coordinate: bare axes, drawn before the fields are read")
        << row({"Abcissa2", "abc"}, {"Resolver4", "Resolver1"}, {"Resultado1", ""},
               {undefined("abc")}, {"count A any 0", "count V any 0"});
    QTest::newRow("unsplittable or unreadable equations leave the board")
        << row({"Text5", "2x+3y", "Text7", "2x+3z=1", "Text1", "y=k"},
               {"Resolver1", "Resolver4", "Dados5", "Command3"}, {},
               {Invalid, undefined("z"), undefined("k")}, {"line V2 -9 9 9 -45/7"});
    QTest::newRow("overflow") << row(
        {"Abcissa1", "10^200", "Ordenada1", "10^200", "Abcissa2", "-10^200", "Ordenada2", "10^200",
         "Text5", "10000000000x+y=0", "Abcissa3", "10^300"},
        {"Resolver1", "Resolver4"}, {"Resultado1", "", "Resultado2", ""},
        QStringList(2, error(QStringLiteral("Capacidade excedida."))));
    // The two-point frame draws the axes before it empties its label.
    QTest::newRow("unreadable viewport")
        << row({},
               {"Resolver1", "Resolver4", "Resolver5", "Xmax=-10", "Resolver1", "Resolver4",
                "Resolver5", "Xmax=dez", "Command3"},
               {"Resultado1", "6x+7y-9=0", "Resultado2", "", "Resultado3", ""},
               {Invalid, Invalid, Invalid, error("Tipos incompatíveis.")});
}

QTEST_MAIN(TestLines1Form)
#include "tst_lines1form.moc"
