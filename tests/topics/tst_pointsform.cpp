#include "formcase.h"

using namespace FormCases;

class TestPointsForm : public QObject {
    Q_OBJECT
private slots:
    void cases_data();
    void cases() {
        QFETCH(FormCase, c);
        run(c);
    }
};

void TestPointsForm::cases_data() {
    QTest::addColumn<FormCase>("c");
    const Topic T = Topic::Pontos;
    const QStringList wide{"Xmin", "-30", "Xmax", "30", "Ymin", "-30", "Ymax", "30"};
    QTest::newRow("plot, initial")
        << FormCase{T,  {}, {"Resolver1"},
                    {}, {}, {"dot V 2 3", "line V1. 2 0 2 3", "line V1. 0 3 2 3", "!text V  2 "}};
    QTest::newRow("plot, ungraduated axes")
        << FormCase{T, wide, {"Resolver1"}, {}, {}, {"text V  2 ", "text V  3 "}};
    QTest::newRow("midpoint, data") << FormCase{
        T,
        {},
        {"Dados3"},
        {"Resultado1", ""},
        {},
        {"line A2 2 -2 -8 4", "dot A 2 -2", "dot A -8 4", "line A1. -8 0 -8 4", "!dot V -3 1"}};
    QTest::newRow("midpoint, initial")
        << FormCase{T,
                    {},
                    {"Resolver3"},
                    {"Resultado1", "(-3 , 1)"},
                    {},
                    {"dot V -3 1", "line V1. -3 0 -3 1", "line V1. 0 1 -3 1"}};
    QTest::newRow("midpoint, half to even")
        << FormCase{T,
                    {"Abcissa2", "0", "Ordenada2", "0", "Abcissa3", "1", "Ordenada3", "0.25"},
                    {"Resolver3"},
                    {"Resultado1", "(0,5 , 0,12)"}};
    QTest::newRow("midpoint, one decimal")
        << FormCase{T,
                    {"Abcissa2", "-2", "Ordenada2", "1", "Abcissa3", "-4", "Ordenada3", "2"},
                    {"Resolver3"},
                    {"Resultado1", "(-3 , 1,5)"}};
    QTest::newRow("midpoint, expressions") << FormCase{
        T,
        {"Abcissa2", "2*3", "Ordenada2", " sqr(16) ", "Abcissa3", "x+2", "Ordenada3", "-2^2"},
        {"Resolver3"},
        {"Resultado1", "(4 , 0)"}};
    QTest::newRow("midpoint, ungraduated data labels the midpoint too") << FormCase{
        T,
        wide,
        {"Dados3"},
        {},
        {},
        {"text A  2 ", "text A -2 ", "text A -8 ", "text A  4 ", "text V -3 ", "text V  1 "}};
    QTest::newRow("midpoint, unreadable field") << FormCase{T,
                                                            {"Abcissa2", "abc"},
                                                            {"Resolver3"},
                                                            {"Resultado1", ""},
                                                            {error("Variável não definida: abc")}};
    QTest::newRow("distance, initial")
        << FormCase{T,
                    {},
                    {"Resolver6"},
                    {"Resultado2", "Sqr(232)"},
                    {},
                    {"line V2 -8 -2 6 4", "dot A -8 -2", "dot A 6 4"}};
    QTest::newRow("distance, data draws no segment")
        << FormCase{T, {}, {"Dados6"}, {"Resultado2", ""}, {}, {"!line V2 -8 -2 6 4"}};
    QTest::newRow("distance, whole")
        << FormCase{T,
                    {"Abcissa4", "0", "Ordenada4", "0", "Abcissa5", "3", "Ordenada5", "4"},
                    {"Resolver6"},
                    {"Resultado2", "5"}};
    QTest::newRow("distance, decimal square")
        << FormCase{T,
                    {"Abcissa4", "0", "Ordenada4", "0", "Abcissa5", "0.5", "Ordenada5", "0"},
                    {"Resolver6"},
                    {"Resultado2", "Sqr(0,25)"}};
    QTest::newRow("distance, one point")
        << FormCase{T,
                    {"Abcissa4", "7", "Ordenada4", "7", "Abcissa5", "7", "Ordenada5", "7"},
                    {"Resolver6"},
                    {"Resultado2", "0"}};
    QTest::newRow("bisector, initial")
        << FormCase{T,
                    {},
                    {"Resolver7"},
                    {"Resultado3", "14x+16y-21=0"},
                    {},
                    {"line V2 -123/14 9 9 -105/16", "line A2 -2 -4 5 4"}};
    QTest::newRow("bisector of one point")
        << FormCase{T,
                    {"Abcissa6", "1", "Ordenada6", "1", "Abcissa7", "1", "Ordenada7", "1"},
                    {"Resolver7"},
                    {"Resultado3", "0x+0y=0"},
                    {NotALine}};
    QTest::newRow("bisector, ungraduated")
        << FormCase{T, wide, {"Dados7"}, {}, {}, {"text A -2 ", "text A  5 ", "!text V -2 "}};
}

QTEST_MAIN(TestPointsForm)
#include "tst_pointsform.moc"
