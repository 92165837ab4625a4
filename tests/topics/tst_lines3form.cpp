#include "formcase.h"

#include <QApplication>
#include <QTimer>

using namespace FormCases;

const QString Ungraduated = QStringLiteral("Não se graduam os eixos nem se desenha a grelha porque "
                                           "os valores e linhas ficavam sobrepostos.");

const QString Collinear = QStringLiteral("Os pontos estão em linha recta.");

class TestLines3Form : public FormTest {
    Q_OBJECT
    void rows() override;
private slots:
    void solveModeDuringAPress();
    void ungraduatedMessageOnEveryActivation();
};

void TestLines3Form::rows() {
    const CaseOf row{Topic::Recta3};
    const QString notCollinear = QStringLiteral("Os pontos não estão em linha recta.");
    const auto points = [](const QStringList& six) { return pointFields(1, six); };
    const auto slopeOf = [](const QStringList& four) { return pointFields(4, four); };
    const QStringList everyRedraw{"Dados1", "Resolver1", "Dados3", "Resolver3", "Resolver6"};

    QTest::newRow("collinear, initial")
        << row({}, {"Resolver1"}, {"Resultado1", Collinear}, {},
               {"dot A 2 3", "dot A 4 6", "dot A -2 -3", "line V1. 6 9 -6 -9", "count V any 1"});
    QTest::newRow("collinear, data empties the verdict")
        << row({"Resultado1", "antigo"}, {"Dados1"}, {"Resultado1", ""}, {},
               {"count A dot 3", "count V any 0"});
    // Verdicts on the numbers typed, not on their doubles.
    QTest::newRow("collinear, decimals") << row(points({"0.1", "0.2", "0.2", "0.4", "0.3", "0.6"}),
                                                {"Resolver1"}, {"Resultado1", Collinear});
    QTest::newRow("slope, vertical though the doubles differ")
        << row(slopeOf({"0.1+0.2", "1", "0.3", "5"}), {"Resolver3"},
               {"Resultado2", "Não existe", "Resultado3", "90º"});
    QTest::newRow("position, one line written twice with decimals")
        << row({"Text5", "0.1x+0.2y=0.3", "Text6", "0.3x+0.6y=0.9"}, {"Resolver6"},
               {"Resultado4", "As rectas são coincidentes."});
    // The products of the coordinates pass the radicands a value keeps for writing.
    QTest::newRow("collinear, past the limits")
        << row(points({"0", "0", "sqr(2)", "sqr(999999999989)", "3*sqr(2)", "3*sqr(999999999989)"}),
               {"Resolver1"}, {"Resultado1", Collinear});
    QTest::newRow("collinear, past the limits, off by one") << row(
        points({"0", "0", "sqr(2)", "sqr(999999999989)", "3*sqr(2)", "3*sqr(999999999989)+1"}),
        {"Resolver1"}, {"Resultado1", notCollinear});
    QTest::newRow("collinear, no tolerance")
        << row(points({"0", "0", "3", "1", "6", "2.0000000001"}), {"Resolver1"},
               {"Resultado1", notCollinear});
    QTest::newRow("collinear, P1 = P2: no line, yet in a straight line")
        << row(points({"2", "3", "2", "3", "7", "-1"}), {"Resolver1"}, {"Resultado1", Collinear},
               {NotALine}, {"count V line 0"});
    QTest::newRow("fault, then data draws only the data")
        << row({"Ordenada3", "1/0"}, {"Resolver1", "Ordenada3=-3", "Dados1"}, {"Resultado1", ""},
               {DivisionByZero}, {"count A dot 3", "count V any 0"});
    QTest::newRow("slope of the initial points")
        << row({}, {"Resolver3"}, {"Resultado2", "-0,6", "Resultado3", "149º  2'  10,48''"}, {},
               {"dot A 2 -2", "dot A -8 4", "line V2 -9 23/5 9 -31/5", "count V any 1"});
    QTest::newRow("slope of points, data: the points only")
        << row({}, {"Resolver3", "Dados3"}, {"Resultado2", "", "Resultado3", ""}, {},
               {"dot A 2 -2", "dot A -8 4", "count A line 0", "count V any 0"});
    QTest::newRow("slope of the initial equation: the line in blue, nothing more") << row(
        {}, {"Option2", "Resolver3"}, {"Resultado2", "0,67", "Resultado3", "33º  41'  24,24''"}, {},
        {"line A2 9 25/3 -9 -11/3", "count A any 1", "count V any 0"});
    QTest::newRow("slope of an equation, data: the line")
        << row({}, {"Option2", "Resolver3", "Dados3"}, {"Resultado2", "", "Resultado3", ""}, {},
               {"line A2 9 25/3 -9 -11/3"});
    QTest::newRow("slope -1: borrowed, not carried")
        << row(slopeOf({"0", "0", "1", "-1"}), {"Resolver3"},
               {"Resultado2", "-1", "Resultado3", "134º  59'  60''"});
    QTest::newRow("slope from exact decimal points")
        << row(slopeOf({"0.5", "1.5", "2.5", "3.5"}), {"Resolver3"},
               {"Resultado2", "1", "Resultado3", "45º  0'  0''"});
    QTest::newRow("slope of a horizontal line")
        << row({"Text9", "y=2"}, {"Option2", "Resolver3"}, {"Resultado2", "0", "Resultado3", "0º"});
    QTest::newRow("slope of a vertical line")
        << row({"Text9", "x=3"}, {"Option2", "Resolver3"},
               {"Resultado2", "Não existe", "Resultado3", "90º"});
    QTest::newRow("slope of no line: reported, then the vertical path")
        << row(slopeOf({"3", "1", "3", "1"}) + QStringList{"Text9", "0x+0y=1"},
               {"Resolver3", "Option2", "Resolver3"},
               {"Resultado2", "Não existe", "Resultado3", "90º"}, {NotALine, NotALine});
    QTest::newRow("slope, refused equation: the board already cleared")
        << row({}, {"Option2", "Resolver3", "Text9=x^2 + y = 0", "Resolver3"},
               {"Text9", "x^2+y=0", "Resultado2", "", "Resultado3", ""}, {NotALineText},
               {"count A any 0", "count V any 0"});
    QTest::newRow("slope, unsplittable equation: generic report, the board already cleared")
        << row({"Text9", "x+y"}, {"Option2", "Resolver3"}, {}, {Invalid},
               {"count A any 0", "count V any 0"});
    QTest::newRow("position, initial") << row({}, {"Resolver6"}, {"Resultado4", Parallel}, {},
                                              {"count A2 line 2", "count V any 0"});
    QTest::newRow("position, concurrent: the meeting point")
        << row({"Text5", "x + y - 1 = 0", "Text6", "x-y-1=0"}, {"Resolver6"},
               {"Text5", "x+y-1=0", "Resultado4", "As rectas são concorrentes em ( 1 , 0 )"}, {},
               {"line A2 -8 9 9 -8", "line A2 9 8 -8 -9", "dot V 1 0", "line V1. 0 0 1 0"});
    QTest::newRow("position, Coincident") << row({"Text5", "y=2x+1", "Text6", "4x-2y+2=0"},
                                                 {"Resolver6"}, {"Resultado4", Coincident});
    QTest::newRow("position, refused second line: the first stays drawn")
        << row({}, {"Resolver6", "Text6=x>1=0", "Resolver6"}, {"Resultado4", ""}, {NotALineText},
               {"line A2 -9 -5 5 9", "count A2 line 1"});
    QTest::newRow("position of no line: reported while drawing, then a verdict")
        << row({"Text5", "0x+0y=5"}, {"Resolver6", "Text6=0x+0y=0", "Resolver6"},
               {"Resultado4", Coincident}, QStringList(3, NotALine));
    QTest::newRow("viewport 60 wide: the message on every redraw, then the press goes on")
        << row({"Xmin", "-30", "Xmax", "30"}, everyRedraw,
               {"Resultado1", Collinear, "Resultado4", Parallel}, QStringList(5, Ungraduated));
    QTest::newRow("viewport 51 wide: the message")
        << row({"Xmin", "-25", "Xmax", "26"}, everyRedraw, {}, QStringList(5, Ungraduated));
    QTest::newRow("viewport 50 wide: no message")
        << row({"Xmin", "-25", "Xmax", "25", "Ymin", "-100"}, everyRedraw);
}

void TestLines3Form::solveModeDuringAPress() {
    // "Resolver" of the slope frame runs in solve mode; the position frame
    // solves without it, like any "Dados".
    const OpenForm open(Topic::Recta3);
    QList<bool> modes;
    setMessageHandler([&](QWidget*, const Message&) { modes << open.form->ModoResolver(); });
    for (const char* step :
         {"Text9=0x+0y=1", "Text5=0x+0y=5", "Option2", "Resolver3", "Dados3", "Resolver6"})
        open.press(step);
    QCOMPARE(modes, (QList<bool>{true, false, false}));
}

void TestLines3Form::ungraduatedMessageOnEveryActivation() {
    // Real modal boxes, closed as they open: closing one gives the form back
    // its activation, which must not redraw and so ask again.
    const OpenForm open(Topic::Recta3);
    int shown = 0;
    setMessageHandler([&](QWidget* parent, const Message& m) {
        ++shown;
        showModalMessageBox(parent, m);
    });
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    closer.start(30);
    open.press("Xmin=-30");
    open.press("Xmax=30");
    QWidget other;
    for (int activation = 1; activation <= 2; ++activation) {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        open.form->show();
        open.form->activateWindow();
        QTest::qWait(600);
        QCOMPARE(shown, activation);
    }
    open.press("Resolver1");
    QTest::qWait(300);
    QCOMPARE(shown, 3);
    QCOMPARE(resultText(*open.form, "Resultado1"), Collinear);
}

QTEST_MAIN(TestLines3Form)
#include "tst_lines3form.moc"
