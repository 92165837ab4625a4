#include "formdriver.h"
#include "lines1form.h"

#include <QGroupBox>
#include <memory>

using namespace FormDriver;

namespace {
const QString NoLine =
    QStringLiteral("Não há recta nessas condições. Altere as coordenadas dos pontos.");

/// The frame each "Resolver" belongs to: its result label and equation field.
struct FrameOf {
    const char* resolver;
    const char* dados;
    const char* result;
    const char* equation;
};
const FrameOf Frames[] = {{"Command3", nullptr, nullptr, "Text1"},
                          {"Resolver1", "Dados1", "Resultado1", nullptr},
                          {"Resolver4", "Dados4", "Resultado2", "Text5"},
                          {"Resolver5", "Dados5", "Resultado3", "Text7"}};
} // namespace

class TestLines1Form : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controls();
    void initialDataSolved_data();
    void initialDataSolved();
    void answers_data();
    void answers();
    void dataModeDrawsOnlyTheData_data();
    void dataModeDrawsOnlyTheData();
    void typedLineIsWrittenBackWithoutBlanks();
    void coincidentPoints();
    void refusedEquationLeavesTheBoard_data();
    void refusedEquationLeavesTheBoard();
    void givenLineThatIsNoLine_data();
    void givenLineThatIsNoLine();
    void coordinatesBesideUngraduatedAxes_data();
    void coordinatesBesideUngraduatedAxes();
    void axisLabelsUseTheRegionalSeparator();
    void genericErrorReport_data();
    void genericErrorReport();
    void unreadableViewport_data();
    void unreadableViewport();
    void hostileTextsEndCleanly_data();
    void hostileTextsEndCleanly();

private:
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<Lines1Form> form;
};

void TestLines1Form::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<Lines1Form>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestLines1Form::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
    useDecimalComma(true);
}

void TestLines1Form::controls() {
    QCOMPARE(form->objectName(), QStringLiteral("Form2"));
    QCOMPARE(form->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Titulo"))->text(),
             QStringLiteral("RECTA - 1"));
    QLineEdit* scratch = field(*form, QStringLiteral("Text3"));
    QVERIFY(scratch && scratch->isHidden());
    QCOMPARE(scratch->text(), QStringLiteral("Text3"));
    QVERIFY(!field(*form, QStringLiteral("TextA")));
    QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("FrameEixos"))->height(), 1635 / 15);
    const std::pair<const char*, int> heights[] = {
        {"Frame6", 1125}, {"Frame4", 1425}, {"Frame1", 1725}, {"Frame8", 1755}};
    for (const auto& [name, twips] : heights)
        QCOMPARE(form->findChild<QGroupBox*>(QLatin1String(name))->height(), twips / 15);
    for (const char* name : {"Command3", "Resolver1", "Resolver4", "Resolver5"}) {
        auto* b = form->findChild<QAbstractButton*>(QLatin1String(name));
        QCOMPARE(b->text(), QStringLiteral("Resolver"));
        QCOMPARE(b->toolTip(), QStringLiteral("Executar"));
    }
    QVERIFY(!form->findChild<QAbstractButton*>(QStringLiteral("Dados3")));
    for (const char* name : {"Dados1", "Dados4", "Dados5"})
        QCOMPARE(form->findChild<QAbstractButton*>(QLatin1String(name))->toolTip(),
                 QStringLiteral("Desenha os dados do problema."));
    const QStringList initial{"Text1",     "2x-3y+4=0", "Abcissa1",  "5",         "Ordenada1", "-3",
                              "Abcissa2",  "-2",        "Ordenada2", "3",         "Abcissa3",  "2",
                              "Ordenada3", "3",         "Text5",     "2x+3y-1=0", "Abcissa4",  "2",
                              "Ordenada4", "3",         "Text7",     "2x+3y-1=0"};
    for (qsizetype i = 0; i < initial.size(); i += 2) {
        QLineEdit* f = field(*form, initial[i]);
        QCOMPARE(f->text(), initial[i + 1]);
        QVERIFY2(!f->accessibleName().isEmpty(), qPrintable(initial[i]));
    }
    for (const char* result : {"Resultado1", "Resultado2", "Resultado3"})
        QVERIFY(label(*form, QLatin1String(result)).isEmpty());
    auto* toLines2 = form->findChild<QAbstractButton*>(QStringLiteral("Command6"));
    QCOMPARE(toLines2->text(), QStringLiteral("Recta 2"));
    QCOMPARE(toLines2->toolTip(), QStringLiteral("Ir para Recta 2"));
    press(*form, QStringLiteral("Command6"));
    QCOMPARE(nav->topics, std::vector<Topic>{Topic::Recta2});
}

void TestLines1Form::initialDataSolved_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QList<QPointF>>("blueDots");
    QTest::newRow("typed line") << "Command3"
                                << ""
                                << "" << QPointF(9, 22.0 / 3) << QPointF(-9, -14.0 / 3)
                                << QList<QPointF>{};
    QTest::newRow("two points") << "Resolver1"
                                << "Resultado1"
                                << "6x+7y-9=0" << QPointF(-9, 9) << QPointF(9, -45.0 / 7)
                                << QList<QPointF>{{5, -3}, {-2, 3}};
    QTest::newRow("parallel") << "Resolver4"
                              << "Resultado2"
                              << "2x+3y-13=0" << QPointF(-7, 9) << QPointF(9, -5.0 / 3)
                              << QList<QPointF>{{2, 3}};
    QTest::newRow("perpendicular")
        << "Resolver5"
        << "Resultado3"
        << "3x-2y=0" << QPointF(6, 9) << QPointF(-6, -9) << QList<QPointF>{{2, 3}};
}

void TestLines1Form::initialDataSolved() {
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(QString, text);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QList<QPointF>, blueDots);
    const Board& b = *form->board();
    press(*form, button);
    if (!result.isEmpty()) QCOMPARE(label(*form, result), text);
    QVERIFY(hasSegment(b, from, to, Vermelho, 2, DashStyle::Solid));
    QCOMPARE(drawnIn(b, Vermelho, Primitive::Kind::Line), 1);
    QCOMPARE(drawnIn(b, Azul, Primitive::Kind::Dot), int(blueDots.size()));
    for (QPointF p : blueDots) {
        QVERIFY(hasDot(b, p, Azul));
        QVERIFY(hasSegment(b, {p.x(), 0}, p, Azul, 1, DashStyle::Dotted));
        QVERIFY(hasSegment(b, {0, p.y()}, p, Azul, 1, DashStyle::Dotted));
    }
    if (button == QLatin1String("Resolver4") || button == QLatin1String("Resolver5"))
        QVERIFY(hasSegment(b, {-9, 19.0 / 3}, {9, -17.0 / 3}, Azul, 2, DashStyle::Solid));
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

void TestLines1Form::answers_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("two points, decimals")
        << "Resolver1"
        << QStringList{"Abcissa1", "0", "Ordenada1", "0.5", "Abcissa2", "1", "Ordenada2", "0"}
        << "Resultado1"
        << "-0,5x-y+0,5=0"
        << "-0.5x-y+0.5=0";
    QTest::newRow("two points on a vertical line")
        << "Resolver1"
        << QStringList{"Abcissa1", "1", "Ordenada1", "2", "Abcissa2", "1", "Ordenada2", "5"}
        << "Resultado1"
        << "3x+0y-3=0"
        << "3x+0y-3=0";
    QTest::newRow("two points on a horizontal line")
        << "Resolver1" << QStringList{"Ordenada1", "2", "Ordenada2", "2"} << "Resultado1"
        << "0x+7y-14=0"
        << "0x+7y-14=0";
    QTest::newRow("two points, line through the origin")
        << "Resolver1"
        << QStringList{"Abcissa1", "2", "Ordenada1", "4", "Abcissa2", "-1", "Ordenada2", "-2"}
        << "Resultado1"
        << "-6x+3y=0"
        << "-6x+3y=0";
    QTest::newRow("parallel, rounded constant")
        << "Resolver4" << QStringList{"Text5", "x+y=0", "Abcissa3", "1/8", "Ordenada3", "0"}
        << "Resultado2"
        << "x+y-0,12=0"
        << "x+y-0.12=0";
    QTest::newRow("parallel to a vertical line")
        << "Resolver4" << QStringList{"Text5", "x=3", "Abcissa3", "-1"} << "Resultado2"
        << "x+0y+1=0"
        << "x+0y+1=0";
    QTest::newRow("parallel through the origin")
        << "Resolver4" << QStringList{"Abcissa3", "0", "Ordenada3", "0"} << "Resultado2"
        << "2x+3y=0"
        << "2x+3y=0";
    QTest::newRow("perpendicular, decimals")
        << "Resolver5" << QStringList{"Text7", "2x+4y=1", "Abcissa4", "1/3", "Ordenada4", "0"}
        << "Resultado3"
        << "4x-2y-1,33=0"
        << "4x-2y-1.33=0";
    QTest::newRow("perpendicular to a horizontal line")
        << "Resolver5" << QStringList{"Text7", "y=5", "Abcissa4", "2"} << "Resultado3"
        << "x+0y-2=0"
        << "x+0y-2=0";
}

void TestLines1Form::answers() {
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    type(*form, fields);
    press(*form, button);
    QCOMPARE(label(*form, result), comma);
    useDecimalComma(false);
    press(*form, button);
    QCOMPARE(label(*form, result), point);
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

void TestLines1Form::dataModeDrawsOnlyTheData_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("blueDots");
    QTest::addColumn<int>("blueLines"); // 2-pixel blue lines: the given line
    QTest::newRow("two points") << 1 << 2 << 0;
    QTest::newRow("parallel") << 2 << 1 << 1;
    QTest::newRow("perpendicular") << 3 << 1 << 1;
}

void TestLines1Form::dataModeDrawsOnlyTheData() {
    QFETCH(int, frame);
    QFETCH(int, blueDots);
    QFETCH(int, blueLines);
    const FrameOf& f = Frames[frame];
    press(*form, QLatin1String(f.resolver));
    QVERIFY(!label(*form, QLatin1String(f.result)).isEmpty());
    press(*form, QLatin1String(f.dados));
    const Board& b = *form->board();
    QVERIFY(label(*form, QLatin1String(f.result)).isEmpty());
    QCOMPARE(drawnIn(b, Vermelho, Primitive::Kind::Line), 0);
    QCOMPARE(drawnIn(b, Azul, Primitive::Kind::Dot), blueDots);
    int wide = 0;
    for (const Primitive& p : primitives(b, Primitive::Kind::Line))
        wide += p.color == Azul && p.width == 2;
    QCOMPARE(wide, blueLines);
    QVERIFY(!form->ModoResolver());
}

void TestLines1Form::typedLineIsWrittenBackWithoutBlanks() {
    type(*form, {"Text1", " 2 x + 3 y = 6 "});
    press(*form, QStringLiteral("Command3"));
    QCOMPARE(field(*form, QStringLiteral("Text1"))->text(), QStringLiteral("2x+3y=6"));
    QCOMPARE(field(*form, QStringLiteral("Text3"))->text(), QStringLiteral("2x+3y-(6)"));
    QVERIFY(hasSegment(*form->board(), {-9, 8}, {9, -4}, Vermelho, 2, DashStyle::Solid));
    QVERIFY(messages->messages.empty());
}

void TestLines1Form::coincidentPoints() {
    press(*form, QStringLiteral("Resolver1"));
    QCOMPARE(label(*form, QStringLiteral("Resultado1")), QStringLiteral("6x+7y-9=0"));
    type(*form, {"Abcissa1", "1/2", "Ordenada1", "3", "Abcissa2", "0.5", "Ordenada2", "3"});
    press(*form, QStringLiteral("Resolver1"));
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QCOMPARE(messages->messages[0], (Message{NoLine, MessageIcon::Information, "Ortoplano"}));
    QVERIFY(label(*form, QStringLiteral("Resultado1")).isEmpty());
    QVERIFY(bareAxes(*form->board()));
    QVERIFY(!form->ModoResolver());
    // The next "Dados" of any frame only draws its data.
    press(*form, QStringLiteral("Dados4"));
    QCOMPARE(drawnIn(*form->board(), Vermelho, Primitive::Kind::Line), 0);
    QVERIFY(label(*form, QStringLiteral("Resultado2")).isEmpty());
    QCOMPARE(messages->messages.size(), std::size_t(1));
}

void TestLines1Form::refusedEquationLeavesTheBoard_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<QString>("text");
    QTest::newRow("typed line, square") << 0 << "x^2 + y = 1";
    QTest::newRow("parallel, inequality") << 2 << "x > y";
    QTest::newRow("perpendicular, cube") << 3 << "y = x^3";
    QTest::newRow("perpendicular, less than") << 3 << "y<1=0";
}

void TestLines1Form::refusedEquationLeavesTheBoard() {
    QFETCH(int, frame);
    QFETCH(QString, text);
    const FrameOf& f = Frames[frame];
    press(*form, QStringLiteral("Resolver1")); // a drawing to keep
    const std::size_t before = form->board()->displayList().size();
    type(*form, {QLatin1String(f.equation), text, "Abcissa3", "abc", "Abcissa4", "abc"});
    press(*form, QLatin1String(f.resolver));
    QCOMPARE(messages->texts(), QStringList{Refused});
    QCOMPARE(messages->messages[0].icon, MessageIcon::Information);
    QCOMPARE(field(*form, QLatin1String(f.equation))->text(), QString(text).remove(' '));
    QCOMPARE(form->board()->displayList().size(), before);
    QCOMPARE(label(*form, QStringLiteral("Resultado1")), QStringLiteral("6x+7y-9=0"));
    if (f.result && frame != 1) QVERIFY(label(*form, QLatin1String(f.result)).isEmpty());
    QVERIFY(!form->ModoResolver());
}

void TestLines1Form::givenLineThatIsNoLine_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("reports");
    QTest::newRow("typed line") << "Command3"
                                << "" << 1;
    QTest::newRow("parallel, data") << "Dados4"
                                    << "Resultado2" << 1;
    QTest::newRow("parallel, solved") << "Resolver4"
                                      << "Resultado2" << 2;
    QTest::newRow("perpendicular, data") << "Dados5"
                                         << "Resultado3" << 1;
    QTest::newRow("perpendicular, solved") << "Resolver5"
                                           << "Resultado3" << 2;
}

void TestLines1Form::givenLineThatIsNoLine() {
    QFETCH(QString, button);
    QFETCH(QString, result);
    QFETCH(int, reports);
    type(*form, {"Text1", "0x+0y=3", "Text5", "0x+0y=3", "Text7", "0x + 0y = 3"});
    press(*form, button);
    QCOMPARE(messages->texts(), QStringList(reports, NotALine));
    if (!result.isEmpty())
        QCOMPARE(label(*form, result), reports == 2 ? QStringLiteral("0x+0y=0") : QString());
    QCOMPARE(drawnIn(*form->board(), Vermelho, Primitive::Kind::Line) +
                 drawnIn(*form->board(), Azul, Primitive::Kind::Line) -
                 (button == QLatin1String("Command3") ? 0 : 2), // the guide lines of the point
             0);
    QVERIFY(!form->ModoResolver());
}

void TestLines1Form::coordinatesBesideUngraduatedAxes_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("blueTexts");
    QTest::newRow("two points, data") << "Dados1" << QStringList{" 5 ", "-3 ", "-2 ", " 3 "};
    QTest::newRow("two points, solved") << "Resolver1" << QStringList{" 5 ", "-3 ", "-2 ", " 3 "};
    QTest::newRow("parallel, data") << "Dados4" << QStringList{" 2 ", " 3 "};
    QTest::newRow("perpendicular, data") << "Dados5" << QStringList{};
    QTest::newRow("perpendicular, solved") << "Resolver5" << QStringList{" 2 ", " 3 "};
    QTest::newRow("typed line") << "Command3" << QStringList{};
}

void TestLines1Form::coordinatesBesideUngraduatedAxes() {
    QFETCH(QString, button);
    QFETCH(QStringList, blueTexts);
    type(*form, {"Xmin", "-30", "Xmax", "30", "Ymin", "-30", "Ymax", "30"});
    press(*form, button);
    const Board& b = *form->board();
    QStringList blue;
    std::size_t lastRed = 0, firstBlueText = b.displayList().size();
    for (std::size_t i = 0; i < b.displayList().size(); ++i) {
        const Primitive& p = b.displayList()[i];
        if (p.color == Vermelho) lastRed = i;
        if (p.kind == Primitive::Kind::Text && p.color == Azul) {
            blue << p.text;
            firstBlueText = std::min(firstBlueText, i);
        }
    }
    QCOMPARE(blue, blueTexts);
    QCOMPARE(drawnIn(b, Vermelho, Primitive::Kind::Text), 0);
    if (button == QLatin1String("Resolver5")) QVERIFY(firstBlueText > lastRed);
    type(*form, {"Xmin", "-10", "Xmax", "10"});
    press(*form, button);
    QCOMPARE(drawnIn(b, Azul, Primitive::Kind::Text), 0);
}

void TestLines1Form::axisLabelsUseTheRegionalSeparator() {
    type(*form, {"Xmin", "-30", "Xmax", "30", "Abcissa3", "5/2", "Ordenada3", "-0.75"});
    press(*form, QStringLiteral("Dados4"));
    QVERIFY(printed(*form->board()).contains(QStringLiteral(" 2,5 ")));
    QVERIFY(printed(*form->board()).contains(QStringLiteral("-0,75 ")));
    useDecimalComma(false);
    press(*form, QStringLiteral("Dados4"));
    QVERIFY(printed(*form->board()).contains(QStringLiteral(" 2.5 ")));
    QVERIFY(printed(*form->board()).contains(QStringLiteral("-0.75 ")));
}

void TestLines1Form::genericErrorReport_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("board"); // 0 untouched, 1 bare axes, 2 partly drawn
    QTest::newRow("unknown variable in a coordinate")
        << "Resolver1" << QStringList{"Abcissa2", "abc"} << "Variável não definida: abc" << 1;
    QTest::newRow("equation without equals sign")
        << "Resolver4" << QStringList{"Text5", "2x+3y"}
        << "Argumento ou chamada de procedimento inválidos." << 0;
    QTest::newRow("unknown variable in an equation")
        << "Dados5" << QStringList{"Text7", "2x+3z=1"} << "Variável não definida: z" << 0;
    QTest::newRow("unknown variable in the typed line")
        << "Command3" << QStringList{"Text1", "y=k"} << "Variável não definida: k" << 0;
    QTest::newRow("overflow of the constant term")
        << "Resolver1" << QStringList{"Abcissa1", "10^200",  "Ordenada1", "10^200",
                                      "Abcissa2", "-10^200", "Ordenada2", "10^200"}
        << "Capacidade excedida." << 1;
    QTest::newRow("overflow of the parallel's constant")
        << "Resolver4" << QStringList{"Text5", "10000000000x+y=0", "Abcissa3", "10^300"}
        << "Capacidade excedida." << 2;
    QTest::newRow("overflow of the perpendicular's constant")
        << "Resolver5" << QStringList{"Text7", "x+10000000000y=0", "Abcissa4", "-10^300"}
        << "Capacidade excedida." << 2;
    QTest::newRow("unreadable viewport")
        << "Command3" << QStringList{"Xmax", "dez"} << "Tipos incompatíveis." << 2;
}

void TestLines1Form::genericErrorReport() {
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QString, description);
    QFETCH(int, board);
    press(*form, QStringLiteral("Resolver1"));
    press(*form, QStringLiteral("Resolver4"));
    const std::size_t before = form->board()->displayList().size();
    type(*form, fields);
    press(*form, button);
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QCOMPARE(messages->messages[0],
             (Message{QStringLiteral("Erro:\n\n") + description, MessageIcon::None, "Ortoplano"}));
    if (board == 0) QCOMPARE(form->board()->displayList().size(), before);
    if (board == 1) {
        QVERIFY(bareAxes(*form->board()));
        QVERIFY(label(*form, QStringLiteral("Resultado1")).isEmpty());
    }
    QVERIFY(!form->ModoResolver());
}

void TestLines1Form::unreadableViewport_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<bool>("emptied");
    // The two-point frame draws the axes before it empties its label; the
    // other two empty it first.
    QTest::newRow("two points") << 1 << false;
    QTest::newRow("parallel") << 2 << true;
    QTest::newRow("perpendicular") << 3 << true;
}

void TestLines1Form::unreadableViewport() {
    QFETCH(int, frame);
    QFETCH(bool, emptied);
    const FrameOf& f = Frames[frame];
    press(*form, QLatin1String(f.resolver));
    const QString solved = label(*form, QLatin1String(f.result));
    QVERIFY(!solved.isEmpty());
    type(*form, {"Xmin", "-10", "Xmax", "-10"});
    press(*form, QLatin1String(f.resolver));
    QCOMPARE(messages->texts(), QStringList{QStringLiteral(
                                    "Erro:\n\nArgumento ou chamada de procedimento inválidos.")});
    QCOMPARE(label(*form, QLatin1String(f.result)), emptied ? QString() : solved);
    QVERIFY(!form->ModoResolver());
}

void TestLines1Form::hostileTextsEndCleanly_data() {
    addHostileTexts();
}

void TestLines1Form::hostileTextsEndCleanly() {
    QFETCH(QString, text);
    struct Case {
        const char* field;
        int frame;
    };
    const Case cases[] = {{"Text1", 0},    {"Abcissa1", 1},  {"Ordenada2", 1}, {"Text5", 2},
                          {"Abcissa3", 2}, {"Ordenada3", 2}, {"Text7", 3},     {"Ordenada4", 3}};
    for (const Case& c : cases) {
        const FrameOf& f = Frames[c.frame];
        for (const char* button : {f.dados, f.resolver}) {
            if (!button) continue;
            Lines1Form fresh;
            messages->clear();
            type(fresh, {QLatin1String(c.field), text});
            press(fresh, QLatin1String(button));
            const QString where = QLatin1String(c.field) + QLatin1Char(' ') + QLatin1String(button);
            QVERIFY2(!fresh.ModoResolver(), qPrintable(where));
            const QString written = f.result ? label(fresh, QLatin1String(f.result)) : QString();
            QVERIFY2(wellFormed(written), qPrintable(where + QLatin1String(": ") + written));
            // A press that writes no label (the typed line, any "Dados") either
            // draws or reports.
            const bool writesNoLabel = !f.result || button == f.dados;
            const bool drew = drawnIn(*fresh.board(), Vermelho, Primitive::Kind::Line) +
                              drawnIn(*fresh.board(), Azul, Primitive::Kind::Dot);
            QVERIFY2((!writesNoLabel && !written.isEmpty()) ||
                         (writesNoLabel && drew && messages->messages.empty()) ||
                         messages->messages.size() == 1,
                     qPrintable(where + QLatin1String(": ") + messages->texts().join('|')));
        }
    }
}

QTEST_MAIN(TestLines1Form)
#include "tst_lines1form.moc"
