#include "formcase.h"

using namespace FormCases;

class TestPointsForm : public FormTest {
    Q_OBJECT
    void rows() override;
};

void TestPointsForm::rows() {
    const CaseOf row{Topic::Pontos};
    QTest::newRow("plot, initial")
        << row({}, {"Resolver1"}, {}, {},
               {"dot V 2 3", "line V1. 2 0 2 3", "line V1. 0 3 2 3", "!text V  2 "});
    QTest::newRow("plot, ungraduated axes")
        << row(Wide, {"Resolver1"}, {}, {}, {"text V  2 ", "text V  3 "});
    QTest::newRow("midpoint, data") << row(
        {}, {"Dados3"}, {"Resultado1", ""}, {},
        {"line A2 2 -2 -8 4", "dot A 2 -2", "dot A -8 4", "line A1. -8 0 -8 4", "!dot V -3 1"});
    QTest::newRow("midpoint, initial")
        << row({}, {"Resolver3"}, {"Resultado1", "(-3 , 1)"}, {},
               {"dot V -3 1", "line V1. -3 0 -3 1", "line V1. 0 1 -3 1"});
    // A decimal comma typed reads as the point it stands for, in either setting.
    QTest::newRow("midpoint, decimal commas typed")
        << row(pointFields(2, {"0,5", "1", "1,5", "0"}), {"Resolver3"}, {"Resultado1", "(1 , 0,5)"});
    QTest::newRow("midpoint, half to even") << row(pointFields(2, {"0", "0", "1", "0.25"}),
                                                   {"Resolver3"}, {"Resultado1", "(0,5 , 0,12)"});
    QTest::newRow("midpoint, expressions")
        << row(pointFields(2, {"2*3", " sqr(16) ", "x+2", "-2^2"}), {"Resolver3"},
               {"Resultado1", "(4 , 0)"});
    QTest::newRow("midpoint, ungraduated data labels the midpoint too") << row(
        Wide, {"Dados3"}, {}, {},
        {"text A  2 ", "text A -2 ", "text A -8 ", "text A  4 ", "text V -3 ", "text V  1 "});
    QTest::newRow("midpoint, unreadable field")
        << row({"Abcissa2", "abc"}, {"Resolver3"}, {"Resultado1", ""}, {undefined("abc")});
    QTest::newRow("distance, initial") << row({}, {"Resolver6"}, {"Resultado2", "Sqr(232)"}, {},
                                              {"line V2 -8 -2 6 4", "dot A -8 -2", "dot A 6 4"});
    QTest::newRow("distance, data draws no segment")
        << row({}, {"Dados6"}, {"Resultado2", ""}, {}, {"!line V2 -8 -2 6 4"});
    // √(10¹⁶ + 1) is not whole, though its double is: the perfect-square test on the integer.
    QTest::newRow("distance, a near square") << row(pointFields(4, {"0", "0", "100000000", "1"}),
                                                    {"Resolver6"}, {"Resultado2", "Sqr(1E+16)"});
    QTest::newRow("distance, decimal square")
        << row(pointFields(4, {"0", "0", "0.5", "0"}), {"Resolver6"}, {"Resultado2", "Sqr(0,25)"});
    QTest::newRow("distance, one point")
        << row(pointFields(4, {"7", "7", "7", "7"}), {"Resolver6"}, {"Resultado2", "0"});
    QTest::newRow("bisector, initial") << row({}, {"Resolver7"}, {"Resultado3", "14x+16y-21=0"}, {},
                                              {"line V2 -123/14 9 9 -105/16", "line A2 -2 -4 5 4"});
    // Verdicts on the numbers typed, not on their binary roundings.
    QTest::newRow("exact verdict: a whole distance written with decimals")
        << row(pointFields(4, {"0", "0", "18.6", "24.8"}), {"Resolver6"}, {"Resultado2", "31"});
    QTest::newRow("exact verdict: the bisector of one point written twice")
        << row(pointFields(6, {"0.1+0.2", "0", "0.3", "0"}), {"Resolver7"},
               {"Resultado3", "0x+0y=0"}, {NotALine}, {"count V any 0"});
    QTest::newRow("bisector, ungraduated")
        << row(Wide, {"Dados7"}, {}, {}, {"text A -2 ", "text A  5 ", "!text V -2 "});
}

QTEST_MAIN(TestPointsForm)
#include "tst_pointsform.moc"
