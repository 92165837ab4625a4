#include "formcase.h"

using namespace FormCases;

class TestCircles3Form : public FormTest {
    Q_OBJECT
    void rows() override;
};

namespace {
const CaseOf row{Topic::Circunferencia3};

FormCase twoCircles(const QString& first, const QString& second, const char* p1, const char* p2,
                    const QStringList& said = {}, const QStringList& drawing = {}) {
    return row({"Text6", first, "Text7", second}, {"Resolver1"},
               {"Resultado1", p1, "Resultado2", p2}, said, drawing);
}

FormCase tangents(const QString& circle, const QString& x, const QString& y, const char* first,
                  const char* second, const QStringList& drawing = {}) {
    return row({"Text9", circle, "Abcissa4", x, "Ordenada4", y}, {"Resolver3"},
               {"Resultado4", first, "Resultado5", second}, {}, drawing);
}

FormCase touching(const QString& line, const QStringList& pq, const char* written) {
    return row(QStringList{"Text12", line} + pointFields(1, pq), {"Resolver11"},
               {"Text12", QString(line).remove(QLatin1Char(' ')), "Resultado3", written});
}
} // namespace

void TestCircles3Form::rows() {
    const QString Tangent = QStringLiteral("As circunferências são tangentes.");
    const QString Apart = QStringLiteral("As circunferências não se intersectam.");
    const QString NotExterior = QStringLiteral("O ponto não é exterior à circunferência.");
    const QString QOff = QStringLiteral("O ponto Q não pertence à recta.");
    const QString sqrt2 = QStringLiteral("1.4142135624");

    // Intersection of two circles: the data, then the points, then the word.
    QTest::newRow("two circles, data")
        << row({}, {"Dados1"}, {"Resultado1", "", "Resultado2", ""}, {},
               {"circle A2 8 10 7", "circle A2 -4 5 6", "dot A 8 10", "dot A -4 5",
                "line A1. 0 5 -4 5", "count V 0"});
    QTest::newRow("two circles, initial: tangent")
        << row({}, {"Resolver1"}, {"Resultado1", "(1,54 , 7,31)", "Resultado2", "(1,54 , 7,31)"},
               {Tangent}, {"@dot V 20/13 95/13", "@line V1. 20/13 0 20/13 95/13", "count V dot 2"});
    QTest::newRow("two circles, two points")
        << twoCircles("x^2+y^2=25", "x^2+y^2-12x+11=0", "(3 , 4)", "(3 , -4)", {},
                      {"dot V 3 4", "dot V 3 -4", "line V1. 0 -4 3 -4", "circle A2 6 0 5"});
    QTest::newRow("two circles touching inside")
        << twoCircles("x^2+y^2=9", "(x-1)^2+y^2=4", "(3 , 0)", "(3 , 0)", {Tangent});
    QTest::newRow("concentric: drawn, then told, in both modes")
        << row({"Text6", "x^2+y^2=1", "Text7", "x^2+y^2=4"}, {"Dados1", "Resolver1"},
               {"Resultado1", "", "Resultado2", ""}, {Apart, Apart},
               {"@circle A2 0 0 1", "@circle A2 0 0 2", "@dot A 0 0", "count V 0"});
    // Touching as typed (r₁ = r₂ = √2, d = 2√2), though the contact value of
    // their doubles is not 0.
    QTest::newRow("two circles touching, radii with roots")
        << twoCircles("x^2+y^2=2", "(x-2)^2+(y-2)^2=2", "(1 , 1)", "(1 , 1)", {Tangent});
    QTest::newRow("P on a circle of radius √2")
        << row({"Text9", "x^2+y^2=2", "Abcissa4", "1", "Ordenada4", "1"}, {"Resolver3"},
               {"Resultado4", "", "Resultado5", ""}, {NotExterior});
    QTest::newRow("far apart") << row({"Text6", "x^2+y^2=1", "Text7", "(x-5)^2+y^2=1"},
                                      {"Resolver1"}, {}, {Apart});
    QTest::newRow("identical circles, in both modes")
        << row({"Text6", "x^2+y^2=4", "Text7", "2x^2+2y^2-8=0"}, {"Dados1", "Resolver1"}, {},
               {DivisionByZero, DivisionByZero}, {"count A 0", "count V 0"});
    QTest::newRow("Dados after the tangent circles")
        << row({}, {"Resolver1", "Dados1"}, {"Resultado1", ""}, {Tangent}, {"count V 0"});

    // Tangents from a point: the first with its own text, the second by the
    // line-equation rule.
    QTest::newRow("tangents, data")
        << row({}, {"Dados3"}, {"Resultado4", "", "Resultado5", ""}, {},
               {"circle A2 1 0 " + sqrt2, "dot A 1 0", "dot A -1 0", "count V 0"});
    QTest::newRow("tangents, initial")
        << tangents("x^2+y^2-2x-1=0", "-1", "0", "2x-2y+2 = 0", "-2x-2y-2=0",
                    {"line V2 -9 -8 8 9", "line V2 -9 8 8 -9", "count V 2"});
    QTest::newRow("tangents through the origin")
        << tangents("(x-2)^2+y^2=1", "0", "0", "1,73x-3y = 0", "-1,73x-3y=0");
    QTest::newRow("tangents, minus one written as a sign")
        << tangents("x^2+y^2=0.5625", "-1.25", "0", "0,75x-y+0,94 = 0", "-0,75x-y-0,94=0");
    QTest::newRow("tangents, the second vertical")
        << tangents("x^2+y^2=1", "1", "2", "4x+0y-4 = 0", "3x-4y+5=0",
                    {"line V2 1 -9 1 9", "line V2 -9 -5.5 9 8"});
    QTest::newRow("tangents, the first vertical")
        << tangents("x^2+y^2=1", "-1", "1", "0x-2y+2 = 0", "-2x+0y-2=0",
                    {"line V2 -9 1 9 1", "line V2 -1 -9 -1 9"});
    QTest::newRow("tangents, P at the centre, in both modes") << row(
        {"Abcissa4", "1"}, {"Dados3", "Resolver3", "Dados1"}, {"Resultado4", "", "Resultado5", ""},
        {NotExterior, NotExterior}, {"@circle A2 1 0 " + sqrt2, "@dot A 1 0", "count V 0"});
    QTest::newRow("tangents, P on the circle")
        << row({"Text9", "x^2+y^2=1", "Abcissa4", "1"}, {"Resolver3"}, {}, {NotExterior},
               {"circle A2 0 0 1", "dot A 1 0", "count V 0"});

    // Circle through P touching a line at Q.
    QTest::newRow("touching at Q, data")
        << row({}, {"Dados11"}, {"Resultado3", ""}, {},
               {"line A2 0 9 9 -9/2", "dot A -3 7", "dot A 2 6", "line A1. 0 6 2 6", "count V 0"});
    QTest::newRow("touching at Q, initial")
        << row({}, {"Resolver11"}, {"Resultado3", "(x+1)^2 + (y-4)^2 = 13"}, {},
               {"circle V2 -1 4 3.6055512755", "count V 1"});
    QTest::newRow("touching at Q, vertical line")
        << touching("x=2", {"0", "0", "2", "0"}, "(x-1)^2 + (y-0)^2 = 1");
    QTest::newRow("Q off the line, in both modes")
        << row({"Ordenada2", "5"}, {"Dados11", "Resolver11"}, {"Resultado3", ""}, {QOff, QOff},
               {"dot A 2 5", "line A2 0 9 9 -9/2", "count V 0"});
    QTest::newRow("touching at Q, refused line")
        << row({"Text12", "3x^2+2y=18"}, {"Resolver11"}, {}, {NotALineText});
    QTest::newRow("P on the line") << row({"Abcissa1", "0", "Ordenada1", "9"}, {"Resolver11"},
                                          {"Resultado3", ""}, {DivisionByZero}, {"count V 0"});
    QTest::newRow("P equal to Q") << row({"Abcissa1", "2", "Ordenada1", "6"}, {"Resolver11"}, {},
                                         {DivisionByZero});
}

QTEST_MAIN(TestCircles3Form)
#include "tst_circles3form.moc"
