#include "formcase.h"

using namespace FormCases;

class TestCircles1Form : public FormTest {
    Q_OBJECT
    void rows() override;
};

void TestCircles1Form::rows() {
    const CaseOf row{Topic::Circunferencia1};
    const QString OffCircle = QStringLiteral("O ponto não pertence à circunferência.");
    const QString Misses = QStringLiteral("A recta não intersecta a circunferência.");
    const QString Through =
        QStringLiteral("A recta contém o centro da circunferência; esta reduz-se a um ponto.");
    const QString sqrt40 = QStringLiteral("6.3245553203");

    // Circle by its equation or by centre and radius: drawn, nothing written.
    QTest::newRow("by equation, initial")
        << row({}, {"Resolver3"}, {}, {},
               {"circle V2 2 3 4", "dot V 2 3", "line V1. 2 0 2 3", "line V1. 0 3 2 3"});
    QTest::newRow("by centre, initial")
        << row({}, {"Option2", "Resolver3"}, {}, {},
               {"circle V2 2 -3 4", "dot V 2 -3", "line V1. 0 -3 2 -3", "count V circle 1"});
    QTest::newRow("the other option's fields are not read")
        << row({"Raio", "abc"}, {"Resolver3"}, {}, {}, {"circle V2 2 3 4"});
    QTest::newRow("radius 0 on a cleared board")
        << row({"Raio", "0"}, {"Resolver1", "Option2", "Resolver3"}, {},
               {"O raio não pode ser zero."}, {"count A 0", "count V 0"});
    QTest::newRow("negative radius drawn as its size")
        << row({"Raio", "-4"}, {"Option2", "Resolver3"}, {}, {}, {"circle V2 2 -3 4", "red 6 -3"});
    QTest::newRow("a radius far beyond the board paints nothing on it") << row(
        {"Text1", "x^2+y^2=1E+300"}, {"Resolver3"}, {}, {}, {"count V circle 1", "!red 5 5"});
    QTest::newRow("unreadable centre")
        << row({"Ordenada3", "1/0"}, {"Option2", "Resolver3"}, {}, {DivisionByZero});

    // Circle with centre P tangent to a line.
    QTest::newRow("tangent circle, data")
        << row({}, {"Dados1"}, {"Resultado3", ""}, {},
               {"dot A 2 -3", "line A1. 2 0 2 -3", "line A1. 0 -3 2 -3", "line A2 -9 -14/3 9 22/3",
                "count V 0"});
    QTest::newRow("tangent circle, initial")
        << row({}, {"Resolver1"}, {"Resultado3", "(x-2)^2 + (y+3)^2 = 22,23"}, {},
               {"circle V2 2 -3 4.7149516679", "count V 1"});
    QTest::newRow("tangent circle, centre unrounded")
        << row({"Text3", "y=0", "Abcissa1", "1/3", "Ordenada1", "-2/3"}, {"Resolver1"},
               {"Resultado3", "(x-0,333333333333333)^2 + (y+0,666666666666667)^2 = 0,44"});
    QTest::newRow("tangent circle, line through P: told, then drawn")
        << row({"Text3", "2x-3y-13=0"}, {"Resolver1"}, {"Resultado3", "(x-2)^2 + (y+3)^2 = 0"},
               {"[no icon] " + Through}, {"@!circle V2 2 -3 0", "circle V2 2 -3 0", "red 2 -3"});
    QTest::newRow("tangent circle, no line")
        << row({"Text3", "0x+0y=5"}, {"Dados1", "Resolver1"}, {"Resultado3", ""},
               {NotALine, NotALine, DivisionByZero});
    QTest::newRow("tangent circle, refused line keeps the board")
        << row({"Text3", "x^2 + y = 0"}, {"Resolver3", "Resolver1"},
               {"Text3", "x^2+y=0", "Resultado3", ""}, {NotALineText}, {"circle V2 2 3 4"});
    QTest::newRow("Dados after a Resolver that spoke")
        << row({"Text3", "2x-3y-13=0"}, {"Resolver1", "Dados1"}, {"Resultado3", ""},
               {"[no icon] " + Through}, {"count V 0", "dot A 2 -3"});

    // Tangent at a point of a circle.
    QTest::newRow("tangent, data") << row({}, {"Dados4"}, {"Resultado4", ""}, {},
                                          {"circle A2 1 1 " + sqrt40, "dot A 3 -5", "dot A 1 1",
                                           "line A1. 1 0 1 1", "line A1. 0 1 1 1", "count V 0"});
    QTest::newRow("tangent, initial") << row({}, {"Resolver4"}, {"Resultado4", "2x-6y-36=0"}, {},
                                             {"line V2 9 -3 -9 -9", "count V 1"});
    QTest::newRow("tangent, decimal coefficient")
        << row({"Text4", "(x-0.5)^2+(y+0.25)^2=2.25", "Abcissa2", "2", "Ordenada2", "-0.25"},
               {"Resolver4"}, {"Resultado4", "1,5x+0y-3=0"}, {}, {"line V2 2 -9 2 9"});
    QTest::newRow("tangent, point off the circle, in both modes")
        << row({"Abcissa2", "3", "Ordenada2", "-4"}, {"Dados4", "Resolver4"}, {"Resultado4", ""},
               {OffCircle, OffCircle}, {"circle A2 1 1 " + sqrt40, "dot A 3 -4", "count V 0"});
    // The point on the circle or not as the numbers typed say, not their doubles.
    QTest::newRow("tangent, on the circle, though not in doubles")
        << row({"Text4", "x^2+y^2=1", "Abcissa2", "0.5", "Ordenada2", "sqr(0.75)"}, {"Resolver4"},
               {"Resultado4", "0,5x+0,87y-1=0"}, {});
    QTest::newRow("tangent, off the circle, though on it in doubles, only on data")
        << row({"Text4", "x^2+y^2=1", "Abcissa2", "1", "Ordenada2", "1/10^9"}, {"Dados4"},
               {"Resultado4", ""}, {OffCircle});

    // Intersection of a line with a circle.
    const QStringList bothEmpty{"Resultado5", "", "Resultado6", ""};
    QTest::newRow("intersection, data") << row(
        {}, {"Dados5"}, bothEmpty, {}, {"circle A2 2 3 4", "line A2 17/3 9 -19/3 -9", "count V 0"});
    const QString second = QStringLiteral("3.9826914723 6.4740372084");
    QTest::newRow("intersection, initial") << row(
        {}, {"Resolver5"}, {"Resultado5", "(-0,44 , -0,17)", "Resultado6", "(3,98 , 6,47)"}, {},
        {"line A2 17/3 9 -19/3 -9", "dot V -0.4442299338 -0.1663449008", "dot V " + second,
         "line V1. 3.9826914723 0 " + second});
    QTest::newRow("intersection, tangent y=7")
        << row({"Text5", "y=7"}, {"Resolver5"}, {"Resultado5", "(2 , 7)", "Resultado6", "(2 , 7)"},
               {}, {"line A2 -9 7 9 7", "dot V 2 7", "line V1. 2 0 2 7"});
    QTest::newRow("intersection, vertical through the centre")
        << row({"Text5", "x = 2"}, {"Resolver5"},
               {"Text5", "x=2", "Resultado5", "(2 , -1)", "Resultado6", "(2 , 7)"}, {},
               {"line A2 2 -9 2 9", "dot V 2 -1", "dot V 2 7"});
    for (const char* button : {"Dados5", "Resolver5"})
        QTest::newRow(qPrintable(QLatin1String("line missing the circle, ") + button))
            << row({"Text5", "y=10"}, {button}, bothEmpty, {Misses},
                   {"@circle A2 2 3 4", "@line A2 -9 10 9 10", "count V 0"});
    QTest::newRow("intersection, no line, missing") << row(
        {"Text5", "0x+0y=5"}, {"Resolver5"}, bothEmpty, {NotALine, Misses}, {"circle A2 2 3 4"});
    QTest::newRow("intersection, 0=0 divides by zero")
        << row({"Text5", "0=0"}, {"Resolver5"}, bothEmpty, {DivisionByZero}, {"circle A2 2 3 4"});
}

QTEST_MAIN(TestCircles1Form)
#include "tst_circles1form.moc"
