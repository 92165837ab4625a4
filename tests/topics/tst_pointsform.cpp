#include "pointsform.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {
QString label(const QWidget& form, const char* name) {
    return form.findChild<QLabel*>(QLatin1String(name))->text();
}

void type(const QWidget& form, const QStringList& namesAndTexts) {
    for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2)
        form.findChild<QLineEdit*>(namesAndTexts[i])->setText(namesAndTexts[i + 1]);
}

void press(const QWidget& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

int textsIn(const Board& board, const QColor& colour) {
    int n = 0;
    for (const Primitive& p : primitives(board, Primitive::Kind::Text))
        n += p.color == colour;
    return n;
}
} // namespace

class TestPointsForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void initialDataSolved();
    void midpoint_data();
    void midpoint();
    void distance_data();
    void distance();
    void bisectorOfOnePoint();
    void coordinatesBesideUngraduatedAxes_data();
    void coordinatesBesideUngraduatedAxes();
    void fieldsAreExpressions();
    void hostileTextEndsInAMessage_data();
    void hostileTextEndsInAMessage();
    void tabFollowsReadingOrder();

private:
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<PointsForm> form;
};

void TestPointsForm::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<PointsForm>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestPointsForm::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
}

void TestPointsForm::initialDataSolved() {
    const Board& b = *form->board();
    press(*form, "Resolver1");
    QVERIFY(hasDot(b, {2, 3}, Vermelho));
    QVERIFY(hasSegment(b, {2, 0}, {2, 3}, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {0, 3}, {2, 3}, Vermelho, 1, DashStyle::Dotted));

    press(*form, "Resolver3");
    QCOMPARE(label(*form, "Resultado1"), QStringLiteral("(-3 , 1)"));
    QVERIFY(hasSegment(b, {2, -2}, {-8, 4}, Azul, 2, DashStyle::Solid));
    QVERIFY(hasDot(b, {2, -2}, Azul) && hasDot(b, {-8, 4}, Azul));
    QVERIFY(hasDot(b, {-3, 1}, Vermelho));
    QVERIFY(hasSegment(b, {-3, 0}, {-3, 1}, Vermelho, 1, DashStyle::Dotted));

    press(*form, "Resolver6");
    QCOMPARE(label(*form, "Resultado2"), QStringLiteral("Sqr(232)"));
    QVERIFY(hasSegment(b, {-8, -2}, {6, 4}, Vermelho, 2, DashStyle::Solid));

    press(*form, "Resolver7");
    QCOMPARE(label(*form, "Resultado3"), QStringLiteral("14x+16y-21=0"));
    QVERIFY(hasSegment(b, {-123.0 / 14, 9}, {9, -105.0 / 16}, Vermelho, 2, DashStyle::Solid));
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

void TestPointsForm::midpoint_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("initial") << QStringList{"2", "-2", "-8", "4"} << "(-3 , 1)"
                             << "(-3 , 1)";
    QTest::newRow("half to even") << QStringList{"0", "0", "1", "0.25"} << "(0,5 , 0,12)"
                                  << "(0.5 , 0.12)";
    QTest::newRow("one decimal") << QStringList{"-2", "1", "-4", "2"} << "(-3 , 1,5)"
                                 << "(-3 , 1.5)";
    QTest::newRow("same point") << QStringList{"1/3", "2", "1/3", "2"} << "(0,33 , 2)"
                                << "(0.33 , 2)";
}

void TestPointsForm::midpoint() {
    QFETCH(QStringList, fields);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    type(*form, {"Abcissa2", fields[0], "Ordenada2", fields[1], "Abcissa3", fields[2], "Ordenada3",
                 fields[3]});
    press(*form, "Dados3");
    QVERIFY(label(*form, "Resultado1").isEmpty());
    QVERIFY(primitives(*form->board(), Primitive::Kind::Dot).size() == 2);
    press(*form, "Resolver3");
    QCOMPARE(label(*form, "Resultado1"), comma);
    useDecimalComma(false);
    press(*form, "Resolver3");
    QCOMPARE(label(*form, "Resultado1"), point);
}

void TestPointsForm::distance_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("initial") << QStringList{"-8", "-2", "6", "4"} << "Sqr(232)"
                             << "Sqr(232)";
    QTest::newRow("whole") << QStringList{"0", "0", "3", "4"} << "5"
                           << "5";
    QTest::newRow("decimal square") << QStringList{"0", "0", "0.5", "0"} << "Sqr(0,25)"
                                    << "Sqr(0.25)";
    QTest::newRow("same point") << QStringList{"7", "7", "7", "7"} << "0"
                                << "0";
}

void TestPointsForm::distance() {
    QFETCH(QStringList, fields);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    type(*form, {"Abcissa4", fields[0], "Ordenada4", fields[1], "Abcissa5", fields[2], "Ordenada5",
                 fields[3]});
    press(*form, "Dados6");
    QVERIFY(primitives(*form->board(), Primitive::Kind::Line).size() >
            4); // guides, no segment in red
    QVERIFY(!hasSegment(*form->board(), {fields[0].toDouble(), fields[1].toDouble()},
                        {fields[2].toDouble(), fields[3].toDouble()}, Vermelho, 2));
    press(*form, "Resolver6");
    QCOMPARE(label(*form, "Resultado2"), comma);
    useDecimalComma(false);
    press(*form, "Resolver6");
    QCOMPARE(label(*form, "Resultado2"), point);
}

void TestPointsForm::bisectorOfOnePoint() {
    type(*form, {"Abcissa6", "1", "Ordenada6", "1", "Abcissa7", "1", "Ordenada7", "1"});
    press(*form, "Resolver7");
    QCOMPARE(messages->texts(),
             QStringList{QStringLiteral("A equação que indicou não é a de uma recta.")});
    QCOMPARE(label(*form, "Resultado3"), QStringLiteral("0x+0y=0"));
    QVERIFY(!form->ModoResolver());
}

void TestPointsForm::coordinatesBesideUngraduatedAxes_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("red");
    QTest::newRow("plotting") << "Resolver1" << 0 << 2;
    QTest::newRow("midpoint data, the midpoint too") << "Dados3" << 4 << 2;
    QTest::newRow("distance") << "Resolver6" << 4 << 0;
    QTest::newRow("bisector") << "Dados7" << 4 << 0;
}

void TestPointsForm::coordinatesBesideUngraduatedAxes() {
    QFETCH(QString, button);
    QFETCH(int, blue);
    QFETCH(int, red);
    type(*form, {"Xmin", "-30", "Xmax", "30", "Ymin", "-30", "Ymax", "30"});
    press(*form, qPrintable(button));
    QCOMPARE(textsIn(*form->board(), Azul), blue);
    QCOMPARE(textsIn(*form->board(), Vermelho), red);
    if (button == QLatin1String("Dados3")) {
        const QStringList texts = printed(*form->board());
        for (const char* t : {" 2 ", "-2 ", "-8 ", " 4 ", "-3 ", " 1 "})
            QVERIFY2(texts.contains(QLatin1String(t)), t);
    }
    type(*form, {"Xmin", "-10", "Xmax", "10"});
    press(*form, qPrintable(button));
    QCOMPARE(textsIn(*form->board(), Azul) + textsIn(*form->board(), Vermelho), 0);
}

void TestPointsForm::fieldsAreExpressions() {
    type(*form,
         {"Abcissa2", "2*3", "Ordenada2", " sqr(16) ", "Abcissa3", "x+2", "Ordenada3", "-2^2"});
    press(*form, "Resolver3");
    QCOMPARE(label(*form, "Resultado1"), QStringLiteral("(4 , 0)"));
    type(*form, {"Abcissa2", "abc"});
    press(*form, "Resolver3");
    QCOMPARE(messages->texts(), QStringList{QStringLiteral("Erro:\n\nVariável não definida: abc")});
    QCOMPARE(label(*form, "Resultado1"), QStringLiteral("(4 , 0)"));
}

void TestPointsForm::hostileTextEndsInAMessage_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("division by zero") << "1/0";
    QTest::newRow("negative root") << "sqr(-1)";
    QTest::newRow("overflow") << "10^400";
    QTest::newRow("huge") << "10^300";
    QTest::newRow("long") << QString(10000, QLatin1Char('9'));
    QTest::newRow("parentheses") << QString(10000, QLatin1Char('('));
}

void TestPointsForm::hostileTextEndsInAMessage() {
    QFETCH(QString, text);
    const QStringList fields{"Abcissa1", "Ordenada1", "Abcissa2", "Ordenada2",
                             "Abcissa4", "Ordenada5", "Abcissa6", "Ordenada7"};
    const char* buttons[] = {"Resolver1", "Resolver1", "Resolver3", "Resolver3",
                             "Resolver6", "Resolver6", "Resolver7", "Resolver7"};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        PointsForm fresh;
        messages->clear();
        type(fresh, {fields[i], text});
        press(fresh, buttons[i]);
        QVERIFY(!fresh.ModoResolver());
        for (const char* result : {"Resultado1", "Resultado2", "Resultado3"}) {
            const QString written = label(fresh, result);
            QVERIFY2(!written.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                         !written.contains(QLatin1String("nan"), Qt::CaseInsensitive),
                     qPrintable(written));
        }
        const bool wrote = !label(fresh, "Resultado1").isEmpty() ||
                           !label(fresh, "Resultado2").isEmpty() ||
                           !label(fresh, "Resultado3").isEmpty();
        // Plotting a point writes no label: it either draws or reports.
        const bool writesNothing = i < 2;
        QVERIFY2(wrote || messages->messages.size() == 1 ||
                     (writesNothing && messages->messages.empty()),
                 qPrintable(fields[i]));
    }
}

void TestPointsForm::tabFollowsReadingOrder() {
    QWidget* w = form->findChild<QLineEdit*>(QStringLiteral("Abcissa2"));
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (!qobject_cast<QLineEdit*>(w));
    }
    QCOMPARE(order, (QStringList{"Abcissa2", "Ordenada2", "Abcissa3", "Ordenada3"}));
    QVERIFY(form->width() <= 1366 && form->height() + 30 <= 768); // room for a title bar
}

QTEST_MAIN(TestPointsForm)
#include "tst_pointsform.moc"
