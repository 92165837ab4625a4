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
void triangle(const char* name, const QStringList& coordinates, const char* option,
              const char* written, const QStringList& drawing = {}) {
    row(name, pointFields(1, coordinates), {option, "Resolver1"}, {"Resultado1", written}, {},
        drawing);
}
} // namespace

void TestCircles2Form::rows() {
    const QStringList left{"0", "0", "-4", "0", "0", "3"};
    const QString in = QStringLiteral("3.3622086743 1.2374518191");
    const QString out = QStringLiteral("27/22 -5/22");

    // Circle and triangle: the sides P1P2, P1P3, P2P3, then the construction.
    triangle("inscribed, initial", {"-5", "-3", "4", "6", "8", "-1"}, "Option1",
             "(x- 3,36)^2 + (y-1,24)^2 = 8,51",
             {"line A2 -5 -3 4 6", ">line A2 -5 -3 8 -1", ">line A2 4 6 8 -1", ">dot V " + in,
              ">line V1. -5 -3 " + in, ">line V1. 4 6 " + in, ">circle V2 " + in + " 2.916643543"});
    triangle("circumscribed, initial", {"-5", "-3", "4", "6", "8", "-1"}, "Option2",
             "(x- 1,23)^2 + (y+0,23)^2 = 46,47",
             {"line V1. " + out + " -1/2 3/2", ">line V1. " + out + " 3/2 -2", ">dot V " + out,
              ">line V1. 27/22 0 " + out, ">line V1. 0 -5/22 " + out,
              ">circle V2 " + out + " 6.8166664983"});
    triangle("inscribed, negative abscissa keeps both signs", left, "Option1",
             "(x- -1)^2 + (y-1)^2 = 1", {"circle V2 -1 1 1"});
    triangle("circumscribed, expressions, half to even",
             {"2*3", "sqr(16)", "x-1", "0", "1/2", "-1"}, "Option2",
             "(x- 2)^2 + (y-2,88)^2 = 17,27");
    row("triangle, Dados after Resolver keeps the label", {}, {"Resolver1", "Dados1"},
        {"Resultado1", "(x- 3,36)^2 + (y-1,24)^2 = 8,51"}, {}, {"line A2 4 6 8 -1", "count V 0"});
    row("collinear in both modes, the board as it was",
        pointFields(1, {"0", "0", "1", "1", "2", "2"}), {"Resolver7", "Dados1", "Resolver1"},
        {"Resultado4", "(0,33 , 2,67)"}, {NoTriangle, NoTriangle},
        {"count V circle 1", "!line A2 0 0 1 1"});
    row("neither failing frame empties its labels: P1 becomes P2", {},
        {"Resolver1", "Resolver7", "Abcissa1=4", "Ordenada1=6", "Abcissa9=4", "Ordenada9=6",
         "Resolver1", "Resolver7"},
        {"Resultado1", "(x- 3,36)^2 + (y-1,24)^2 = 8,51", "Resultado4", "(0,33 , 2,67)"},
        {NoTriangle, NoCircle});
    row("two equal vertices", pointFields(1, {"3", "1", "3", "1", "-2", "5"}), {"Resolver1"}, {},
        {NoTriangle});

    // Distance from a point to a circle.
    row("distance, data", {}, {"Dados3"}, {"Resultado2", ""}, {},
        {"circle A2 -1 2 5", "dot A -1 2", "dot A 6 9", "line A1. 0 9 6 9", "line A1. -1 0 -1 2",
         "count V 0"});
    row("distance, initial", {}, {"Resolver3"}, {"Resultado2", "4,9"}, {},
        {"line V2 6 9 2.5355339059 5.5355339059", "line V1. 2.5355339059 5.5355339059 -1 2",
         "dot V 2.5355339059 5.5355339059"});
    row("distance, P on the circle", {"Abcissa4", "2", "Ordenada4", "6"}, {"Resolver3"},
        {"Resultado2", "0"});
    row("distance, P inside speaks on Resolver only, then Dados draws",
        {"Abcissa4", "0", "Ordenada4", "0"}, {"Dados3", "Resolver3", "Dados3"}, {"Resultado2", ""},
        {QStringLiteral("O ponto é interior à circunferência.")},
        {"@circle A2 -1 2 5", "@count V 0", "circle A2 -1 2 5", "count V 0"});
    row("distance, P at the centre", {"Abcissa4", "-1", "Ordenada4", "2"}, {"Resolver3"}, {},
        {QStringLiteral("O ponto é interior à circunferência.")});
    row("distance, the shape tested before P is read", {"Text9", "x^2+2y^2=4", "Abcissa4", "abc"},
        {"Resolver3"}, {"Resultado2", ""}, {NotACircle}, {"count A 0"});
    row("distance, P read before the radius test", {"Text9", "x^2+y^2=0", "Abcissa4", "abc"},
        {"Resolver3"}, {}, {error("Variável não definida: abc")}, {"count A 0"});

    // Circle with centre C tangent to a line: a 1-pixel solid red circle.
    row("tangent to a line, data", {}, {"Dados6"}, {"Resultado3", ""}, {},
        {"line A2 5 9 -9 -5", "dot A 2 -2", "line A1. 2 0 2 -2", "count V 0"});
    row("tangent to a line, initial", {}, {"Resolver6"}, {"Resultado3", "(x- 2)^2 + (y+2)^2 = 32"},
        {}, {"circle V1 2 -2 5.6568542495", "count V 1"});
    row("tangent to a line, centre on it", {"Abcissa6", "0", "Ordenada6", "4"}, {"Resolver6"},
        {"Resultado3", "(x- 0)^2 + (y-4)^2 = 0"}, {}, {"circle V1 0 4 0"});
    row("tangent to a line, centre unrounded",
        {"Text5", "y=0", "Abcissa6", "1/3", "Ordenada6", "-0.5"}, {"Resolver6"},
        {"Resultado3", "(x- 0,333333333333333)^2 + (y+0,5)^2 = 0,25"});
    row("tangent to a line, through the centre up to the rounding of pi",
        {"Text5", "(pi/4)*x+(0)*y=(pi/5)", "Abcissa6", "4/5", "Ordenada6", "9.77"}, {"Resolver6"},
        {"Resultado3", "(x- 0,8)^2 + (y-9,77)^2 = 0"});
    row("tangent to a line, no line", {"Text5", "0x+0y=5"}, {"Dados6", "Resolver6"},
        {"Resultado3", ""}, {NotALine, NotALine, DivisionByZero});
    row("tangent to a line, refused", {"Text5", "x^2+y=0"}, {"Resolver6"}, {}, {NotALineText});

    // Circle through three points.
    row("three points, data", {}, {"Dados7"}, {}, {},
        {"dot A 5 1", "dot A 4 6", "dot A 2 -2", "line A1. 0 -2 2 -2", "count V 0"});
    row("three points, initial", {}, {"Resolver7"},
        {"Resultado4", "(0,33 , 2,67)", "Resultado5", "4,96", "Resultado6",
         "x^2 + y^2 - 0,67x - 5,33y - 17,33 = 0"},
        {}, {"circle V2 1/3 8/3 4.9553562491", "dot V 1/3 8/3", "line V1. 1/3 0 1/3 8/3"});
    const auto three = [](const char* name, const QStringList& coordinates, const char* centre,
                          const char* radius, const char* equation) {
        row(name, pointFields(9, coordinates), {"Resolver7"},
            {"Resultado4", centre, "Resultado5", radius, "Resultado6", equation});
    };
    three("three points, zero coefficients written", {"1", "0", "-1", "0", "0", "1"}, "(0 , 0)",
          "1", "x^2 + y^2 + 0x + 0y - 1 = 0");
    three("three points, halves", {"0", "0", "1", "0", "0", "1"}, "(0,5 , 0,5)", "0,71",
          "x^2 + y^2 - 1x - 1y + 0 = 0");
    row("three points, collinear", pointFields(9, {"0", "0", "1", "1", "2", "2"}),
        {"Dados7", "Resolver7"}, {}, {NoCircle},
        {"dot A 0 0", "dot A 1 1", "dot A 2 2", "count V 0"});
    row("three points, two equal", pointFields(9, {"1", "1", "1", "1", "3", "4"}), {"Resolver7"},
        {}, {NoCircle});
}

QTEST_MAIN(TestCircles2Form)
#include "tst_circles2form.moc"
