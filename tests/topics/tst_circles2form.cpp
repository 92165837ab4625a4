#include "formcase.h"

using namespace FormCases;

class TestCircles2Form : public FormTest {
    Q_OBJECT
    void rows() override;
};

namespace {
const CaseOf row{Topic::Circunferencia2};
const QString NoCircle = QStringLiteral("Os pontos não definem uma circunferência");

/// The circle of a triangle: inscribed (Option1) or circumscribed (Option2).
FormCase triangle(const QStringList& coordinates, const char* option, const char* written,
                  const QStringList& drawing = {}) {
    return row(pointFields(1, coordinates), {option, "Resolver1"}, {"Resultado1", written}, {},
               drawing);
}
} // namespace

void TestCircles2Form::rows() {
    const QStringList left{"0", "0", "-4", "0", "0", "3"};
    const QString in = QStringLiteral("3.3622086743 1.2374518191");
    const QString out = QStringLiteral("27/22 -5/22");

    // Circle and triangle: the sides P1P2, P1P3, P2P3, then the construction.
    QTest::newRow("inscribed, initial") << triangle(
        {"-5", "-3", "4", "6", "8", "-1"}, "Option1", "(x- 3,36)^2 + (y-1,24)^2 = 8,51",
        {"line A2 -5 -3 4 6", ">line A2 -5 -3 8 -1", ">line A2 4 6 8 -1", ">dot V " + in,
         ">line V1. -5 -3 " + in, ">line V1. 4 6 " + in, ">circle V2 " + in + " 2.916643543"});
    QTest::newRow("circumscribed, initial") << triangle(
        {"-5", "-3", "4", "6", "8", "-1"}, "Option2", "(x- 1,23)^2 + (y+0,23)^2 = 46,47",
        {"line V1. " + out + " -1/2 3/2", ">line V1. " + out + " 3/2 -2", ">dot V " + out,
         ">line V1. 27/22 0 " + out, ">line V1. 0 -5/22 " + out,
         ">circle V2 " + out + " 6.8166664983"});
    QTest::newRow("inscribed, negative abscissa keeps both signs")
        << triangle(left, "Option1", "(x- -1)^2 + (y-1)^2 = 1", {"circle V2 -1 1 1"});
    QTest::newRow("circumscribed, expressions, half to even") << triangle(
        {"2*3", "sqr(16)", "x-1", "0", "1/2", "-1"}, "Option2", "(x- 2)^2 + (y-2,88)^2 = 17,27");
    QTest::newRow("triangle, Dados after Resolver keeps the label")
        << row({}, {"Resolver1", "Dados1"}, {"Resultado1", "(x- 3,36)^2 + (y-1,24)^2 = 8,51"}, {},
               {"line A2 4 6 8 -1", "count V 0"});
    QTest::newRow("collinear in both modes, the board as it was")
        << row(pointFields(1, {"0", "0", "1", "1", "2", "2"}), {"Resolver7", "Dados1", "Resolver1"},
               {"Resultado4", "(0,33 , 2,67)"}, {NoTriangle, NoTriangle},
               {"count V circle 1", "!line A2 0 0 1 1"});
    QTest::newRow("neither failing frame empties its labels: P1 becomes P2")
        << row({},
               {"Resolver1", "Resolver7", "Abcissa1=4", "Ordenada1=6", "Abcissa9=4", "Ordenada9=6",
                "Resolver1", "Resolver7"},
               {"Resultado1", "(x- 3,36)^2 + (y-1,24)^2 = 8,51", "Resultado4", "(0,33 , 2,67)"},
               {NoTriangle, NoCircle});
    QTest::newRow("two equal vertices")
        << row(pointFields(1, {"3", "1", "3", "1", "-2", "5"}), {"Resolver1"}, {}, {NoTriangle});

    // Distance from a point to a circle.
    QTest::newRow("distance, data") << row({}, {"Dados3"}, {"Resultado2", ""}, {},
                                           {"circle A2 -1 2 5", "dot A -1 2", "dot A 6 9",
                                            "line A1. 0 9 6 9", "line A1. -1 0 -1 2", "count V 0"});
    QTest::newRow("distance, initial")
        << row({}, {"Resolver3"}, {"Resultado2", "4,9"}, {},
               {"line V2 6 9 2.5355339059 5.5355339059", "line V1. 2.5355339059 5.5355339059 -1 2",
                "dot V 2.5355339059 5.5355339059"});
    QTest::newRow("distance, P on the circle")
        << row({"Abcissa4", "2", "Ordenada4", "6"}, {"Resolver3"}, {"Resultado2", "0"});
    QTest::newRow("distance, P inside speaks on Resolver only, then Dados draws")
        << row({"Abcissa4", "0", "Ordenada4", "0"}, {"Dados3", "Resolver3", "Dados3"},
               {"Resultado2", ""}, {QStringLiteral("O ponto é interior à circunferência.")},
               {"@circle A2 -1 2 5", "@count V 0", "circle A2 -1 2 5", "count V 0"});
    QTest::newRow("distance, P at the centre")
        << row({"Abcissa4", "-1", "Ordenada4", "2"}, {"Resolver3"}, {},
               {QStringLiteral("O ponto é interior à circunferência.")});
    QTest::newRow("distance, the shape tested before P is read")
        << row({"Text9", "x^2+2y^2=4", "Abcissa4", "abc"}, {"Resolver3"}, {"Resultado2", ""},
               {NotACircle}, {"count A 0"});
    QTest::newRow("distance, P read before the radius test")
        << row({"Text9", "x^2+y^2=0", "Abcissa4", "abc"}, {"Resolver3"}, {},
               {error("Variável não definida: abc")}, {"count A 0"});

    // Circle with centre C tangent to a line: a 1-pixel solid red circle.
    QTest::newRow("tangent to a line, data")
        << row({}, {"Dados6"}, {"Resultado3", ""}, {},
               {"line A2 5 9 -9 -5", "dot A 2 -2", "line A1. 2 0 2 -2", "count V 0"});
    QTest::newRow("tangent to a line, initial")
        << row({}, {"Resolver6"}, {"Resultado3", "(x- 2)^2 + (y+2)^2 = 32"}, {},
               {"circle V1 2 -2 5.6568542495", "count V 1"});
    QTest::newRow("tangent to a line, centre on it")
        << row({"Abcissa6", "0", "Ordenada6", "4"}, {"Resolver6"},
               {"Resultado3", "(x- 0)^2 + (y-4)^2 = 0"}, {}, {"circle V1 0 4 0"});
    QTest::newRow("tangent to a line, centre unrounded")
        << row({"Text5", "y=0", "Abcissa6", "1/3", "Ordenada6", "-0.5"}, {"Resolver6"},
               {"Resultado3", "(x- 0,333333333333333)^2 + (y+0,5)^2 = 0,25"});
    QTest::newRow("tangent to a line, through the centre up to the rounding of pi")
        << row({"Text5", "(pi/4)*x+(0)*y=(pi/5)", "Abcissa6", "4/5", "Ordenada6", "9.77"},
               {"Resolver6"}, {"Resultado3", "(x- 0,8)^2 + (y-9,77)^2 = 0"});
    QTest::newRow("tangent to a line, no line")
        << row({"Text5", "0x+0y=5"}, {"Dados6", "Resolver6"}, {"Resultado3", ""},
               {NotALine, NotALine, DivisionByZero});
    QTest::newRow("tangent to a line, refused")
        << row({"Text5", "x^2+y=0"}, {"Resolver6"}, {}, {NotALineText});

    // Circle through three points.
    QTest::newRow("three points, data")
        << row({}, {"Dados7"}, {}, {},
               {"dot A 5 1", "dot A 4 6", "dot A 2 -2", "line A1. 0 -2 2 -2", "count V 0"});
    QTest::newRow("three points, initial")
        << row({}, {"Resolver7"},
               {"Resultado4", "(0,33 , 2,67)", "Resultado5", "4,96", "Resultado6",
                "x^2 + y^2 - 0,67x - 5,33y - 17,33 = 0"},
               {}, {"circle V2 1/3 8/3 4.9553562491", "dot V 1/3 8/3", "line V1. 1/3 0 1/3 8/3"});
    const auto three = [](const QStringList& coordinates, const char* centre, const char* radius,
                          const char* equation) {
        return row(pointFields(9, coordinates), {"Resolver7"},
                   {"Resultado4", centre, "Resultado5", radius, "Resultado6", equation});
    };
    QTest::newRow("three points, zero coefficients written")
        << three({"1", "0", "-1", "0", "0", "1"}, "(0 , 0)", "1", "x^2 + y^2 + 0x + 0y - 1 = 0");
    QTest::newRow("three points, halves") << three({"0", "0", "1", "0", "0", "1"}, "(0,5 , 0,5)",
                                                   "0,71", "x^2 + y^2 - 1x - 1y + 0 = 0");
    QTest::newRow("three points, collinear")
        << row(pointFields(9, {"0", "0", "1", "1", "2", "2"}), {"Dados7", "Resolver7"}, {},
               {NoCircle}, {"dot A 0 0", "dot A 1 1", "dot A 2 2", "count V 0"});
    QTest::newRow("three points, two equal")
        << row(pointFields(9, {"1", "1", "1", "1", "3", "4"}), {"Resolver7"}, {}, {NoCircle});
}

QTEST_MAIN(TestCircles2Form)
#include "tst_circles2form.moc"
