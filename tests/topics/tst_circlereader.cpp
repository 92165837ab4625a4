// The circle-equation reader, through the frames that use it: the circle by its equation on the
// first circle page reads every stage at once; the tangent and intersection frames run its stages
// apart; the two-circle frame of the third page refuses with its own texts.

#include "formcase.h"

using namespace FormCases;

class TestCircleReader : public FormTest {
    Q_OBJECT
    void rows() override;
};

void TestCircleReader::rows() {
    const CaseOf c1{Topic::Circunferencia1}, c3{Topic::Circunferencia3};
    // The equation typed into the circle frame: the field written back without blanks,
    // the rewritten text in the hidden field, and the circle drawn or the messages.
    const auto read = [&](const QString& text, const QString& rewritten, const QString& circle,
                          const QStringList& said = {}) {
        return c1({"Text1", text}, {"Resolver3"},
                  {"Text1", QString(text).remove(' '), "TextA", rewritten}, said,
                  {circle.isEmpty() ? "count V 0" : "circle V2 " + circle});
    };
    const auto refused = [&](const QString& text, const QString& said, const QString& rewritten) {
        return read(text, rewritten, {}, {said});
    };
    QTest::newRow("blanks deleted") << read("x^2 + y^2 = 4", "x^2+y^2-(4)", "0 0 2");
    QTest::newRow("negative A") << read("-x^2-y^2+9=0", "-x^2-y^2+9-(0)", "0 0 3");
    QTest::newRow("terms on both sides") << read(" x^2 = 4 - y^2 ", "x^2-(4-y^2)", "0 0 2");
    // Shape and radius decided on the numbers typed, not on their doubles.
    QTest::newRow("a sum of decimals that is zero: a point")
        << refused("x^2+y^2=0.1+0.2-0.3", APoint, "x^2+y^2-(0.1+0.2-0.3)");

    // Refused by their shape or radius, after the rewriting; refused by their
    // characters, before it: the hidden field keeps its text.
    QTest::newRow("A differs from B") << refused("x^2+2y^2=4", NotACircle, "x^2+2y^2-(4)");
    QTest::newRow("a point") << refused("x^2+y^2=0", APoint, "x^2+y^2-(0)");
    QTest::newRow("fourth power") << refused("x^4+y^2=1", NotACircle, "TextA");
    QTest::newRow("10^30 holds ^3") << refused("x^2+y^2=10^30", NotACircle, "TextA");
    QTest::newRow("refused though it has no =") << refused(">", NotACircle, "TextA");

    // Texts the interpreter refuses: the generic error report.
    const auto fault = [&](const QString& text, const QString& message) {
        return c1({"Text1", text}, {"Resolver3"}, {}, {message}, {"count V 0"});
    };
    QTest::newRow("xy is one name") << fault("x^2+xy+y^2=1", undefined("xy"));
    QTest::newRow("no =") << fault("x^2+y^2", Invalid);
    QTest::newRow("overflowing coefficient")
        << fault("10^200*10^108*x^2+y^2=1", error("Capacidade excedida."));

    // The tangent frame reads P between the sampling and the radius test;
    // the reader leaves y set by its last sample, at (1, 2).
    const auto tangent = [&](const QString& circle, const QString& abscissa, const QString& said) {
        return c1({"Text4", circle, "Abcissa2", abscissa}, {"Resolver4"}, {}, {said},
                  {"count A 0"});
    };
    QTest::newRow("characters before P") << tangent("x^2+y^2<9", "abc", NotACircle);
    QTest::newRow("shape before P") << tangent("x^2+2y^2=1", "abc", NotACircle);
    QTest::newRow("P before the radius test") << tangent("x^2+y^2=0", "abc", undefined("abc"));
    QTest::newRow("then the radius test") << tangent("x^2+y^2=0", "1", APoint);
    QTest::newRow("y stays set for the press")
        << c1({"Text4", "x^2+y^2=5", "Abcissa2", "x+1", "Ordenada2", "y"}, {"Resolver4"},
              {"Resultado4", "x+2y-5=0"});

    // The intersection frame: both fields written back, the line's characters
    // tested, the circle's, the circle sampled and its radius tested, and the
    // line sampled last; all before the board is cleared.
    const auto meeting = [&](const QString& line, const QString& circle, const QString& message) {
        return c1({"Text5", line, "Text7", circle}, {"Resolver3", "Resolver5"},
                  {"Text5", QString(line).remove(' '), "Text7", QString(circle).remove(' ')},
                  {message}, {"circle V2 2 3 4"});
    };
    QTest::newRow("both written back, the line refused")
        << meeting(" x ^2 = y ", " x^2 + y^2 = 4 ", NotALineText);
    QTest::newRow("the line tested before the circle is split")
        << meeting("x > 1", "x^2 + y^2", NotALineText);
    QTest::newRow("the line tested before the circle")
        << meeting("x^2=y", "x^3+y^2=1", NotALineText);
    QTest::newRow("the circle's characters") << meeting("3x-2y+1=0", "x^2+y^2>1", NotACircle);
    QTest::newRow("the circle sampled before the line")
        << meeting("abc = 0", "x^2+2y^2=1", NotACircle);
    QTest::newRow("its radius tested before the line") << meeting("abc=0", "x^2+y^2=0", APoint);
    QTest::newRow("the line sampled last") << meeting("abc=0", "x^2+y^2=1", undefined("abc"));
    QTest::newRow("a circle without =") << meeting("3x-2y+1=0", "x^2+y^2", Invalid);

    // The two-circle frame says which equation it refuses.
    const auto two = [&](const QString& first, const QString& second, const QString& message) {
        return c3({"Text6", first, "Text7", second}, {"Resolver1"}, {"Resultado1", ""}, {message},
                  {"count A 0", "count V 0"});
    };
    const QString firstNot = "A primeira equação não representa uma circunferência.";
    const QString secondNot = "A segunda equação não representa uma circunferência.";
    QTest::newRow("first, shape") << two("x^2+2y^2=4", "x^2+y^2=4", firstNot);
    QTest::newRow("first, a point")
        << two("x^2+y^2=0", "x^2+y^2=4", "A primeira equação representa um ponto.");
    QTest::newRow("second, characters") << two("x^2+y^2=4", "x^4+y^2=1", secondNot);
    QTest::newRow("second, a point")
        << two("x^2+y^2=4", "(x-3)^2+(y+1)^2=0", "A segunda equação representa um ponto.");
    QTest::newRow("both refused, the first speaks") << two("y^2=x", "x^2+y^2=0", firstNot);
}

QTEST_MAIN(TestCircleReader)
#include "tst_circlereader.moc"
