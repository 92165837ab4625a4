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
    const auto read = [&](const char* name, const QString& text, const QString& rewritten,
                          const QString& circle, const QStringList& said = {}) {
        c1(name, {"Text1", text}, {"Resolver3"},
           {"Text1", QString(text).remove(' '), "TextA", rewritten}, said,
           {circle.isEmpty() ? "count V 0" : "circle V2 " + circle});
    };
    const auto refused = [&](const char* name, const QString& text, const QString& said,
                             const QString& rewritten) { read(name, text, rewritten, {}, {said}); };
    read("blanks deleted", "x^2 + y^2 = 4", "x^2+y^2-(4)", "0 0 2");
    read("negative A", "-x^2-y^2+9=0", "-x^2-y^2+9-(0)", "0 0 3");
    read("terms on both sides", " x^2 = 4 - y^2 ", "x^2-(4-y^2)", "0 0 2");
    // Shape and radius decided on the numbers typed, not on their doubles.
    refused("a sum of decimals that is zero: a point", "x^2+y^2=0.1+0.2-0.3", APoint,
            "x^2+y^2-(0.1+0.2-0.3)");

    // Refused by their shape or radius, after the rewriting; refused by their
    // characters, before it: the hidden field keeps its text.
    refused("A differs from B", "x^2+2y^2=4", NotACircle, "x^2+2y^2-(4)");
    refused("a point", "x^2+y^2=0", APoint, "x^2+y^2-(0)");
    refused("fourth power", "x^4+y^2=1", NotACircle, "TextA");
    refused("10^30 holds ^3", "x^2+y^2=10^30", NotACircle, "TextA");
    refused("refused though it has no =", ">", NotACircle, "TextA");

    // Texts the interpreter refuses: the generic error report.
    const auto fault = [&](const char* name, const QString& text, const QString& message) {
        c1(name, {"Text1", text}, {"Resolver3"}, {}, {message}, {"count V 0"});
    };
    fault("xy is one name", "x^2+xy+y^2=1", undefined("xy"));
    fault("no =", "x^2+y^2", Invalid);
    fault("overflowing coefficient", "10^200*10^108*x^2+y^2=1", error("Capacidade excedida."));

    // The tangent frame reads P between the sampling and the radius test;
    // the reader leaves y set by its last sample, at (1, 2).
    const auto tangent = [&](const char* name, const QString& circle, const QString& abscissa,
                             const QString& said) {
        c1(name, {"Text4", circle, "Abcissa2", abscissa}, {"Resolver4"}, {}, {said}, {"count A 0"});
    };
    tangent("characters before P", "x^2+y^2<9", "abc", NotACircle);
    tangent("shape before P", "x^2+2y^2=1", "abc", NotACircle);
    tangent("P before the radius test", "x^2+y^2=0", "abc", undefined("abc"));
    tangent("then the radius test", "x^2+y^2=0", "1", APoint);
    c1("y stays set for the press", {"Text4", "x^2+y^2=5", "Abcissa2", "x+1", "Ordenada2", "y"},
       {"Resolver4"}, {"Resultado4", "x+2y-5=0"});

    // The intersection frame: both fields written back, the line's characters
    // tested, the circle's, the circle sampled and its radius tested, and the
    // line sampled last; all before the board is cleared.
    const auto meeting = [&](const char* name, const QString& line, const QString& circle,
                             const QString& message) {
        c1(name, {"Text5", line, "Text7", circle}, {"Resolver3", "Resolver5"},
           {"Text5", QString(line).remove(' '), "Text7", QString(circle).remove(' ')}, {message},
           {"circle V2 2 3 4"});
    };
    meeting("both written back, the line refused", " x ^2 = y ", " x^2 + y^2 = 4 ", NotALineText);
    meeting("the line tested before the circle is split", "x > 1", "x^2 + y^2", NotALineText);
    meeting("the line tested before the circle", "x^2=y", "x^3+y^2=1", NotALineText);
    meeting("the circle's characters", "3x-2y+1=0", "x^2+y^2>1", NotACircle);
    meeting("the circle sampled before the line", "abc = 0", "x^2+2y^2=1", NotACircle);
    meeting("its radius tested before the line", "abc=0", "x^2+y^2=0", APoint);
    meeting("the line sampled last", "abc=0", "x^2+y^2=1", undefined("abc"));
    meeting("a circle without =", "3x-2y+1=0", "x^2+y^2", Invalid);

    // The two-circle frame says which equation it refuses.
    const auto two = [&](const char* name, const QString& first, const QString& second,
                         const QString& message) {
        c3(name, {"Text6", first, "Text7", second}, {"Resolver1"}, {"Resultado1", ""}, {message},
           {"count A 0", "count V 0"});
    };
    const QString firstNot = "A primeira equação não representa uma circunferência.";
    const QString secondNot = "A segunda equação não representa uma circunferência.";
    two("first, shape", "x^2+2y^2=4", "x^2+y^2=4", firstNot);
    two("first, a point", "x^2+y^2=0", "x^2+y^2=4", "A primeira equação representa um ponto.");
    two("second, characters", "x^2+y^2=4", "x^4+y^2=1", secondNot);
    two("second, a point", "x^2+y^2=4", "(x-3)^2+(y+1)^2=0",
        "A segunda equação representa um ponto.");
    two("both refused, the first speaks", "y^2=x", "x^2+y^2=0", firstNot);
}

QTEST_MAIN(TestCircleReader)
#include "tst_circlereader.moc"
