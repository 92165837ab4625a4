#include "formcase.h"

#include <tuple>

using namespace FormCases;

class TestTriangleForm : public FormTest {
    Q_OBJECT
    void rows() override;
};

namespace {
const CaseOf row{Topic::Triangulo};
const QString Right = QStringLiteral("O triângulo é rectângulo.");
const QString NotRight = QStringLiteral("O triângulo não é rectângulo.");

/// A notable point: its text and, in drawing order, its construction.
FormCase notable(const QStringList& coordinates, const char* option, const char* written,
                 const QStringList& drawing = {}) {
    return row(pointFields(1, coordinates), {option, "Resolver4"}, {"Resultado1", written}, {},
               drawing);
}

/// The construction of a notable point (x, y) in drawing order: the dotted
/// segments from `from` (the point itself when empty) to each of `to`, its
/// dot before them or after them, then its guide lines.
QStringList construction(const QString& x, const QString& y, const QStringList& from,
                         const QStringList& to, bool dotFirst) {
    const QString p = x + ' ' + y;
    QStringList steps;
    for (qsizetype i = 0; i < to.size(); ++i)
        steps << "line V1. " + (from.isEmpty() ? p : from.value(i, from.value(0))) + ' ' + to[i];
    steps.insert(dotFirst ? 0 : steps.size(), "dot V " + p);
    steps << "line V1. " + x + " 0 " + p << "line V1. 0 " + y + ' ' + p;
    for (qsizetype i = 1; i < steps.size(); ++i)
        steps[i].prepend(QLatin1Char('>'));
    return steps;
}
} // namespace

void TestTriangleForm::rows() {
    const QStringList initial{"2", "-2", "-8", "4", "5", "8"};
    const QStringList right{"0", "0", "4", "0", "0", "3"};
    const QStringList collinear{"0", "0", "2", "1", "4", "2"};
    const QStringList midpoints{"-3 1", "3.5 3", "-1.5 6"}; // of AB, AC and CB
    const QStringList abc{"2 -2", "-8 4", "5 8"};

    // Notable points, each construction in its order; the circumcentre's dot
    // comes after its construction, the others' before.
    QTest::newRow("circumcentre, initial")
        << notable(initial, "Option1", "(-0,99 , 4,35)",
                   construction("-117/118", "513/118", {}, midpoints, false));
    QTest::newRow("incentre, initial")
        << notable(initial, "Option2", "(0,06 , 3,02)",
                   construction("0.0557367714", "3.0207954165", {}, abc, true));
    QTest::newRow("orthocentre, initial")
        << notable(initial, "Option3", "(0,98 , 1,31)",
                   construction("58/59", "77/59", abc,
                                {"-102/185 1164/185", "308/109 82/109", "-7/34 -23/34"}, true));
    QTest::newRow("centroid, initial") << notable(
        initial, "Option4", "(-0,33 , 3,33)", construction("-1/3", "10/3", {}, midpoints, true));
    QTest::newRow("circumcentre, right triangle") << notable(right, "Option1", "(2 , 1,5)");
    QTest::newRow("orthocentre of an obtuse triangle: feet on the extensions") << notable(
        {"0", "0", "1", "0", "3", "2"}, "Option3", "(3 , -3)",
        construction("3", "-3", {"0 0", "1 0", "3 2"}, {"1/2 -1/2", "9/13 6/13", "3 0"}, true));
    QTest::newRow("centroid of collinear points") << notable(collinear, "Option4", "(2 , 1)");
    QTest::newRow("incentre of collinear points")
        << notable({"0", "0", "2", "0", "4", "0"}, "Option2", "(2 , 0)");
    QTest::newRow("incentre at two equal vertices")
        << notable({"1", "1", "1", "1", "4", "5"}, "Option2", "(1 , 1)");
    QTest::newRow("expressions in the fields")
        << notable({"x", "2-2", "2*2", "0", "0", "sqr(9)"}, "Option1", "(2 , 1,5)");
    QTest::newRow("notable points, Dados after Resolver: the data only")
        << row({}, {"Resolver4", "Dados4"}, {"Resultado1", ""}, {},
               {"dot A 2 -2", "dot A -8 4", "dot A 5 8", "line A2 2 -2 -8 4", "line A2 -8 4 5 8",
                "line A2 5 8 2 -2", "count A 6", "count V 0"});
    for (const char* option : {"Option1", "Option3"})
        QTest::newRow(qPrintable(QStringLiteral("collinear vertices, %1").arg(option)))
            << row(pointFields(1, collinear), {option, "Resolver4", "Dados4"}, {"Resultado1", ""},
                   {DivisionByZero}, {"@count A 6", "@count V 0", "count V 0"});
    const QStringList decimals{"0.1", "0.1", "0.2", "0.2", "0.3", "0.3"}; // collinear as typed
    QTest::newRow("collinear with decimals, circumcentre") << row(
        pointFields(1, decimals), {"Option1", "Resolver4"}, {"Resultado1", ""}, {DivisionByZero});
    QTest::newRow("collinear with decimals, area")
        << row(pointFields(6, decimals), {"Resolver5"}, {"Resultado4", ""},
               {"Os três pontos são colineares, não definem um triângulo."});
    QTest::newRow("collinear with decimals, right triangle")
        << row(pointFields(9, decimals), {"Resolver7"}, {"Resultado5", ""}, {NoTriangle});
    QTest::newRow("one point, incentre") << row(pointFields(1, {"3", "3", "3", "3", "3", "3"}),
                                                {"Option2", "Resolver4"}, {}, {DivisionByZero});

    // Area: signed, unrounded; the sides drawn only when solving.
    const auto area = [](const QStringList& coordinates, const char* written) {
        return row(pointFields(6, coordinates), {"Resolver5"}, {"Resultado4", written}, {},
                   {"line A2 0 0 0 3", "count A 12", "count V 0"});
    };
    QTest::newRow("area, counter-clockwise") << area(right, "6");
    QTest::newRow("area, clockwise") << area({"0", "0", "0", "3", "4", "0"}, "-6");
    QTest::newRow("area, unrounded") << row(pointFields(6, {"0", "0", "1", "0", "0", "1/3"}),
                                            {"Resolver5"}, {"Resultado4", "0,166666666666667"});
    QTest::newRow("area, data") << row(pointFields(6, initial), {"Dados5"}, {"Resultado4", ""}, {},
                                       {"dot A -8 4", "line A1. 2 0 2 -2", "line A1. 0 -2 2 -2",
                                        "!line A2 2 -2 -8 4", "count A 9"});
    QTest::newRow("area, initial data: collinear")
        << row({}, {"Resolver5"}, {"Resultado4", ""},
               {QStringLiteral("Os três pontos são colineares, não definem um triângulo.")},
               {"count A 9", "count V 0"});

    // Right triangle: an exact test.
    const auto verdict = [](const QStringList& coordinates, const QString& written) {
        return row(pointFields(9, coordinates), {"Resolver7"}, {"Resultado5", written}, {},
                   {"count A 3", "count V line 3"});
    };
    QTest::newRow("right angle at A")
        << row(pointFields(9, right), {"Resolver7"}, {"Resultado5", Right}, {},
               {"line V2 0 0 4 0", "line V2 4 0 0 3", "line V2 0 3 0 0", "dot A 4 0"});
    QTest::newRow("right angle at B") << verdict({"4", "0", "0", "0", "0", "3"}, Right);
    QTest::newRow("right angle at C") << verdict({"4", "0", "0", "3", "0", "0"}, Right);
    QTest::newRow("right triangle, initial data")
        << row({}, {"Resolver7"}, {"Resultado5", NotRight});
    QTest::newRow("close, but not right") << verdict({"0", "0", "4", "0", "1", "3"}, NotRight);
    // Right as typed, though the squares of the sides' doubles do not add up:
    // the verdict is the typed numbers'.
    QTest::newRow("right with decimals")
        << verdict({"0", "0", "0.1", "0.2", "-0.2", "0.1"}, "O triângulo é rectângulo.");
    QTest::newRow("not right with decimals")
        << verdict({"0", "0", "0.1", "0.2", "-0.2", "0.11"}, NotRight);
    QTest::newRow("right triangle, data")
        << row({}, {"Dados7"}, {"Resultado5", ""}, {}, {"count A dot 3", "count V 0"});
    QTest::newRow("right triangle, collinear in both modes")
        << row(pointFields(9, collinear), {"Dados7", "Resolver7"}, {"Resultado5", ""},
               {NoTriangle, NoTriangle}, {"count A 0", "count V 0"});
    QTest::newRow("right triangle, two vertices alike")
        << row(pointFields(9, {"1", "1", "5", "2", "1", "1"}), {"Resolver7"}, {}, {NoTriangle});

    // No coordinates are printed beside ungraduated axes.
    for (const char* button : {"Resolver4", "Dados5"})
        QTest::newRow(qPrintable(QStringLiteral("ungraduated, %1").arg(button)))
            << row(Wide, {button}, {}, {}, {"count A text 0", "count V text 0"});

    // Each unknown name in turn is the one reported: the fields are read A,
    // B, C, abscissa before ordinate, once the answer and the board are gone.
    for (const auto& [first, button, result] : {std::tuple{1, "Resolver4", "Resultado1"},
                                                {6, "Resolver5", "Resultado4"},
                                                {9, "Resolver7", "Resultado5"}}) {
        const QStringList fields = pointFields(first, {"ax", "ay", "bx", "by", "cx", "cy"});
        QStringList steps{button}, said;
        for (qsizetype i = 0; i < fields.size(); i += 2)
            steps << fields[i] + '=' + fields[i + 1];
        for (qsizetype i = 0; i < fields.size(); i += 2) {
            if (i) steps << fields[i - 2] + "=1";
            steps << button;
            said << undefined(fields[i + 1]);
        }
        QTest::newRow(qPrintable(QStringLiteral("unknown names, %1").arg(button))) << row(
            pointFields(first, right), steps, {result, ""}, said, {"@count A 0", "count A 0"});
    }
}

QTEST_MAIN(TestTriangleForm)
#include "tst_triangleform.moc"
