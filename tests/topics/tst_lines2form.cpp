#include "formcase.h"

using namespace FormCases;

class TestLines2Form : public FormTest {
    Q_OBJECT
    void rows() override;
};

void TestLines2Form::rows() {
    const CaseOf row{Topic::Recta2};
    const QString notParallel = QStringLiteral("As rectas não são paralelas.");
    const QStringList bare{"count A any 0", "count V any 0"};

    row("intersection, initial", {}, {"Resolver3"}, {"Resultado1", "(-1,05 , -0,63)"}, {},
        {"dot V -20/19 -12/19", "line V1. -20/19 0 -20/19 -12/19",
         "line V1. 0 -12/19 -20/19 -12/19", "line A2 -9 14/3 9 -22/3", "line A2 14/5 9 -22/5 -9"});
    row("intersection on the x axis, not called parallel", {"Text1", "x+y-1=0", "Text2", "x-y-1=0"},
        {"Resolver3"}, {"Resultado1", "(1 , 0)"}, {}, {"dot V 1 0"});
    row("intersection of a line with itself", {"Text2", "2x+3y+4=0"}, {"Resolver3"},
        {"Resultado1", Coincident}, {}, {"count V any 0"});
    row("intersection of parallels", {"Text1", "y=1", "Text2", "y=2"}, {"Resolver3"},
        {"Resultado1", Parallel}, {}, {"count V any 0"});
    row("data: labels emptied, the two lines and nothing else", {},
        {"Resolver3", "Resolver1", "Resolver5", "Dados5", "Dados1", "Dados3"},
        {"Resultado1", "", "Resultado2", "", "Resultado4", ""}, {},
        {"count A2 line 2", "count A any 2", "count V any 0"});
    row("parallel distance, initial", {}, {"Resolver1"}, {"Resultado2", "2,22"}, {},
        {"dot V 0 -4/3", "dot V 16/13 20/39", "line V1. 0 -4/3 16/13 20/39", "count A2 line 2"});
    row("parallel distance, lines written at different scales", {"Text4", "-4x-6y=-8"},
        {"Resolver1"}, {"Resultado2", "2,22"}, {}, {"dot V 16/13 20/39"});
    row("parallel distance, data", {}, {"Resolver1", "Dados1"}, {"Resultado2", ""}, {},
        {"count A2 line 2", "count V any 0"});
    row("parallel distance of x=1 and x=4", {"Text3", "x=1", "Text4", "x=4"}, {"Resolver1"},
        {"Resultado2", "3"}, {}, {"dot V 1 0", "dot V 4 0", "count V line 0"});
    row("lines not parallel: message, then the board is cleared", {},
        {"Resolver1", "Text4=2x-3y+4=0", "Resolver1"}, {"Resultado2", ""}, {notParallel}, bare);
    row("a vertical and a horizontal line are not parallel", {"Text3", "x=1", "Text4", "y=1"},
        {"Resolver1"}, {"Resultado2", ""}, {notParallel});
    row("point to line, initial", {}, {"Resolver4"}, {"Resultado3", "10"}, {},
        {"line V2 -2 5 4 -3", "dot A -2 5", "line A1. -2 0 -2 5", "line A1. 0 5 -2 5",
         "line A2 9 3/4 -4 -9"});
    row("point to line, data", {}, {"Resolver4", "Dados4"}, {"Resultado3", ""}, {},
        {"dot A -2 5", "count V any 0"});
    row("point to line, the square under a root",
        {"Text5", "x+y-1=0", "Abcissa1", "0", "Ordenada1", "0"}, {"Resolver4"},
        {"Resultado3", "sqr(0,5)"});
    row("angle, initial", {}, {"Resolver5"}, {"Resultado4", "40º  14'  10,89''"});
    row("angle of y=x and y=-x", {"Text6", "y=x", "Text7", "y=-x"}, {"Resolver5"},
        {"Resultado4", "90º"});
    row("angle, the acute one of 45 and 135 degrees", {"Text6", "y=0", "Text7", "y=-x"},
        {"Resolver5"}, {"Resultado4", "45º  0'  0''"});
    // atan(sqr(3)) is a hair below 60 degrees: the seconds round up to 60
    // and nothing is carried.
    row("angle, seconds not carried", {"Text6", "y=0", "Text7", "y=-sqr(3)*x"}, {"Resolver5"},
        {"Resultado4", "59º  59'  60''"});
    row("angle of parallels: message without a verb, then the board is cleared",
        {"Text6", "x+y=0", "Text7", "2x+2y=5"}, {"Resolver5"}, {}, {NoVerb}, bare);
    row("after a message, data only draws the data", {"Text6", "x+y=0", "Text7", "2x+2y=5"},
        {"Resolver5", "Dados5"}, {"Resultado4", ""}, {NoVerb},
        {"count A2 line 2", "count V any 0"});
    // Both fields are stripped, then both checked, before either is sampled:
    // one message a press, and the board keeps the intersection drawn before.
    const QStringList solved{"Resolver1", "Resolver4", "Resolver5", "Resolver3"};
    const QStringList refused{"Text1=x < 1",     "Text2=y^2 = 1",        "Text3=2x + 3y = 1",
                              "Text4=x > 1",     "Text5=3x - 4y^2 = 24", "Abcissa1=abc",
                              "Text6=2 x + 3 y", "Text7=y = x^3"};
    const QStringList pressedAgain{"Dados1", "Resolver1", "Dados4", "Resolver4",
                                   "Dados5", "Resolver5", "Dados3", "Resolver3"};
    const QStringList emptied{"Resultado1", "", "Resultado2", "",
                              "Resultado3", "", "Resultado4", ""};
    const QStringList stripped{"Text1", "x<1",        "Text2", "y^2=1", "Text3", "2x+3y=1",
                               "Text5", "3x-4y^2=24", "Text6", "2x+3y", "Text7", "y=x^3"};
    row("refused equations: one message, fields stripped, board and labels", {},
        solved + refused + pressedAgain, emptied + stripped, QStringList(8, NotALineText),
        {"dot V -20/19 -12/19"});
    row("intersection with no line", {"Text2", "0x+0y=5"},
        {"Dados3", "Resolver3", "Text2=0x+0y=0", "Resolver3"}, {"Resultado1", Coincident},
        QStringList(3, NotALine));
    row("parallel distance with no line: reported, then division by zero", {"Text4", "0x+0y=5"},
        {"Dados1", "Resolver1", "Text3=x=1", "Resolver1", "Text3=y=1", "Resolver1", "Text3=0x+0y=5",
         "Text4=2x+3y-4=0", "Resolver1"},
        {"Resultado2", ""},
        {NotALine, NotALine, DivisionByZero, NotALine, DivisionByZero, NotALine, DivisionByZero,
         NotALine, DivisionByZero});
    row("point to no line, angle with no line", {"Text5", "0x+0y=5", "Text7", "0x+0y=5"},
        {"Dados4", "Resolver4", "Dados5", "Resolver5"}, {"Resultado3", "", "Resultado4", ""},
        {NotALine, NotALine, DivisionByZero, NotALine, NotALine, NoVerb});
    row("unsplittable or unreadable equations: generic report, the drawing stays",
        {"Text7", "x+3y", "Text3", "x+z=0"}, {"Resolver3", "Resolver5", "Resolver1"}, {},
        {Invalid, undefined("z")}, {"dot V -20/19 -12/19"});
    // Verdicts on the numbers typed, not on their binary roundings: each of
    // these used to come out otherwise.
    row("exact verdict: one line written twice with decimals is coincident",
        {"Text1", "0.1x+0.2y=0.3", "Text2", "0.3x+0.6y=0.9"}, {"Resolver3"},
        {"Resultado1", Coincident}, {}, {"count V any 0"});
    row("exact verdict: a line written with decimals that is no line",
        {"Text2", "(1.1+2.2)*x=3.3*x+1"}, {"Resolver3"}, {"Resultado1", Parallel}, {NotALine},
        {"count A2 line 1", "count V any 0"});
    row("exact verdict: parallels written with decimals have a distance",
        {"Text3", "0.1x+0.2y=0.4", "Text4", "0.3x+0.6y=0.7"}, {"Resolver1"}, {"Resultado2", "0,75"},
        {}, {"dot V 0 2"});
    row("exact verdict: perpendiculars written with decimals make 90 degrees",
        {"Text6", "0.1x+0.3y=1", "Text7", "0.3x-0.1y=2"}, {"Resolver5"}, {"Resultado4", "90º"});
    row("labels emptied whatever happens", {}, solved + QStringList{"Ymin=dez"} + solved, emptied,
        QStringList(4, error(QStringLiteral("Tipos incompatíveis."))));
}

QTEST_MAIN(TestLines2Form)
#include "tst_lines2form.moc"
