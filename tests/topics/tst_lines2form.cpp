#include "formdriver.h"
#include "lines2form.h"

#include <QGroupBox>
#include <algorithm>
#include <memory>

using namespace FormDriver;

namespace {
const QString NotParallel = QStringLiteral("As rectas não são paralelas.");
const QString Parallel = QStringLiteral("As rectas paralelas.");

struct FrameOf {
    const char* dados;
    const char* resolver;
    const char* result;
    const char* first;  ///< equation field
    const char* second; ///< second equation field, or the abscissa of P
};
const FrameOf Intersection{"Dados3", "Resolver3", "Resultado1", "Text1", "Text2"};
const FrameOf ParallelDistance{"Dados1", "Resolver1", "Resultado2", "Text3", "Text4"};
const FrameOf PointDistance{"Dados4", "Resolver4", "Resultado3", "Text5", "Abcissa1"};
const FrameOf Angle{"Dados5", "Resolver5", "Resultado4", "Text6", "Text7"};
const FrameOf Frames[] = {Intersection, ParallelDistance, PointDistance, Angle};
} // namespace

class TestLines2Form : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controls();
    void answers_data();
    void answers();
    void intersectionIsMarked();
    void distanceConstruction_data();
    void distanceConstruction();
    void footOfThePerpendicular();
    void dataModeDrawsBothLines_data();
    void dataModeDrawsBothLines();
    void linesNotParallelClearTheBoard_data();
    void linesNotParallelClearTheBoard();
    void refusalOrderOfTwoFields_data();
    void refusalOrderOfTwoFields();
    void degenerateLine_data();
    void degenerateLine();
    void angleText_data();
    void angleText();
    void resultEmptiedWhateverHappens_data();
    void resultEmptiedWhateverHappens();
    void hostileTextsEndCleanly_data();
    void hostileTextsEndCleanly();

private:
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<Lines2Form> form;
};

void TestLines2Form::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<Lines2Form>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestLines2Form::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
    useDecimalComma(true);
}

void TestLines2Form::controls() {
    QCOMPARE(form->objectName(), QStringLiteral("Form3"));
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Titulo"))->text(),
             QStringLiteral("RECTA - 2"));
    QLineEdit* scratch = field(*form, QStringLiteral("TextA"));
    QVERIFY(scratch && scratch->isHidden());
    QCOMPARE(scratch->text(), QStringLiteral("TextA"));
    const std::pair<const char*, const char*> captions[] = {
        {"Frame6", "Intersecção de duas rectas"},
        {"Frame4", "Distância entre rectas paralelas"},
        {"Frame1", "Distância de um ponto a uma recta"},
        {"Frame8", "Ângulo de duas rectas"}};
    for (const auto& [name, caption] : captions)
        QCOMPARE(form->findChild<QGroupBox*>(QLatin1String(name))->title(),
                 QString::fromUtf8(caption));
    const QStringList initial{"Text1",     "2x+3y+4=0", "Text2",     "5x-2y+4=0", "Text3",
                              "2x+3y+4=0", "Text4",     "2x+3y-4=0", "Text5",     "3x-4y=24",
                              "Abcissa1",  "-2",        "Ordenada1", "5",         "Text6",
                              "2x-5y=3",   "Text7",     "x+3y=0"};
    for (qsizetype i = 0; i < initial.size(); i += 2) {
        QLineEdit* f = field(*form, initial[i]);
        QCOMPARE(f->text(), initial[i + 1]);
        QVERIFY2(!f->accessibleName().isEmpty(), qPrintable(initial[i]));
    }
    for (const FrameOf& f : Frames) {
        QCOMPARE(form->findChild<QAbstractButton*>(QLatin1String(f.resolver))->toolTip(),
                 QStringLiteral("Resolve o propblema."));
        QCOMPARE(form->findChild<QAbstractButton*>(QLatin1String(f.dados))->toolTip(),
                 QStringLiteral("Desenha os dados do problema."));
        QVERIFY(label(*form, QLatin1String(f.result)).isEmpty());
    }
    auto* toLines1 = form->findChild<QAbstractButton*>(QStringLiteral("Command6"));
    QCOMPARE(toLines1->text(), QStringLiteral("Recta 1"));
    QCOMPARE(toLines1->toolTip(), QStringLiteral("Ir para Recta-1"));
    QCOMPARE(form->findChild<QAbstractButton*>(QStringLiteral("Command9"))->text(),
             QStringLiteral("Recta 3"));
}

void TestLines2Form::answers_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("intersection, initial") << 0 << QStringList{} << "(-1,05 , -0,63)"
                                           << "(-1.05 , -0.63)";
    QTest::newRow("intersection on the x axis")
        << 0 << QStringList{"Text1", "x+y-1=0", "Text2", "x-y-1=0"} << "(1 , 0)"
        << "(1 , 0)";
    QTest::newRow("intersection of a vertical and a horizontal line")
        << 0 << QStringList{"Text1", "x=-2.5", "Text2", "y=1/8"} << "(-2,5 , 0,12)"
        << "(-2.5 , 0.12)";
    QTest::newRow("coincident") << 0 << QStringList{"Text2", "2x+3y+4=0"}
                                << "As rectas são coincidentes."
                                << "As rectas são coincidentes.";
    QTest::newRow("coincident, written apart")
        << 0 << QStringList{"Text2", "4x+6y=-8"} << "As rectas são coincidentes."
        << "As rectas são coincidentes.";
    QTest::newRow("parallel") << 0 << QStringList{"Text2", "2x+3y-4=0"}
                              << "As rectas são paralelas."
                              << "As rectas são paralelas.";
    QTest::newRow("parallel vertical lines")
        << 0 << QStringList{"Text1", "x=1", "Text2", "x=2"} << "As rectas são paralelas."
        << "As rectas são paralelas.";
    QTest::newRow("parallel horizontal lines")
        << 0 << QStringList{"Text1", "y=1", "Text2", "y=2"} << "As rectas são paralelas."
        << "As rectas são paralelas.";
    QTest::newRow("distance, initial") << 1 << QStringList{} << "2,22"
                                       << "2.22";
    QTest::newRow("distance, lines written at different scales")
        << 1 << QStringList{"Text4", "-4x-6y=-8"} << "2,22"
        << "2.22";
    QTest::newRow("distance of vertical lines")
        << 1 << QStringList{"Text3", "x=1", "Text4", "x=4"} << "3"
        << "3";
    QTest::newRow("distance of horizontal lines")
        << 1 << QStringList{"Text3", "y=1", "Text4", "y=-2"} << "3"
        << "3";
    QTest::newRow("distance of coincident lines") << 1 << QStringList{"Text4", "2x+3y+4=0"} << "0"
                                                  << "0";
    QTest::newRow("distance, half to even")
        << 1 << QStringList{"Text3", "x=0", "Text4", "x=0.125"} << "0,12"
        << "0.12";
    QTest::newRow("point, initial") << 2 << QStringList{} << "10"
                                    << "10";
    QTest::newRow("point, square root")
        << 2 << QStringList{"Text5", "x+y-1=0", "Abcissa1", "0", "Ordenada1", "0"} << "sqr(0,5)"
        << "sqr(0.5)";
    QTest::newRow("point on the line") << 2 << QStringList{"Abcissa1", "8", "Ordenada1", "0"} << "0"
                                       << "0";
    QTest::newRow("point, vertical line")
        << 2 << QStringList{"Text5", "x=1", "Abcissa1", "-1", "Ordenada1", "7"} << "2"
        << "2";
    QTest::newRow("angle, initial") << 3 << QStringList{} << "40º  14'  10,89''"
                                    << "40º  14'  10.89''";
    QTest::newRow("angle, perpendicular")
        << 3 << QStringList{"Text6", "y=x", "Text7", "y=-x"} << "90º"
        << "90º";
    QTest::newRow("angle, perpendicular axes")
        << 3 << QStringList{"Text6", "x=0", "Text7", "y=3"} << "90º"
        << "90º";
    QTest::newRow("angle, 45 degrees")
        << 3 << QStringList{"Text6", "x=0", "Text7", "y=x"} << "45º  0'  0''"
        << "45º  0'  0''";
    QTest::newRow("angle, the acute one of 45 and 135 degrees")
        << 3 << QStringList{"Text6", "y=0", "Text7", "y=-x"} << "45º  0'  0''"
        << "45º  0'  0''";
    // atan(sqr(3)) is a hair below 60 degrees: the seconds round up to 60
    // and nothing is carried into the minutes or the degrees.
    QTest::newRow("angle of 60 degrees, seconds not carried")
        << 3 << QStringList{"Text6", "y=0", "Text7", "y=-sqr(3)*x"} << "59º  59'  60''"
        << "59º  59'  60''";
}

void TestLines2Form::answers() {
    QFETCH(int, frame);
    QFETCH(QStringList, fields);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    const FrameOf& f = Frames[frame];
    type(*form, fields);
    press(*form, QLatin1String(f.resolver));
    QCOMPARE(label(*form, QLatin1String(f.result)), comma);
    useDecimalComma(false);
    press(*form, QLatin1String(f.resolver));
    QCOMPARE(label(*form, QLatin1String(f.result)), point);
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

void TestLines2Form::intersectionIsMarked() {
    const Board& b = *form->board();
    press(*form, QLatin1String(Intersection.resolver));
    const QPointF meeting(-20.0 / 19, -12.0 / 19);
    QVERIFY(hasDot(b, meeting, Vermelho));
    QVERIFY(hasSegment(b, {meeting.x(), 0}, meeting, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {0, meeting.y()}, meeting, Vermelho, 1, DashStyle::Dotted));
    // 2x+3y+4=0 and 5x-2y+4=0, blue, across the shrunk viewport.
    QVERIFY(hasSegment(b, {-9, 14.0 / 3}, {9, -22.0 / 3}, Azul, 2, DashStyle::Solid));
    QVERIFY(hasSegment(b, {2.8, 9}, {-4.4, -9}, Azul, 2, DashStyle::Solid));
    type(*form, {"Text2", "2x+3y-4=0"});
    press(*form, QLatin1String(Intersection.resolver));
    QCOMPARE(drawnIn(b, Vermelho, Primitive::Kind::Dot), 0);
    QCOMPARE(drawnIn(b, Azul, Primitive::Kind::Line, 2), 2);
}

void TestLines2Form::distanceConstruction_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QList<QPointF>>("redDots");
    QTest::addColumn<bool>("dottedSegment");
    QTest::newRow("oblique") << QStringList{}
                             << QList<QPointF>{{0, -4.0 / 3}, {16.0 / 13, 20.0 / 39}} << true;
    QTest::newRow("oblique, second line at twice the scale")
        << QStringList{"Text4", "4x+6y-8=0"}
        << QList<QPointF>{{0, -4.0 / 3}, {16.0 / 13, 20.0 / 39}} << true;
    QTest::newRow("vertical") << QStringList{"Text3", "x=1", "Text4", "x=4"}
                              << QList<QPointF>{{1, 0}, {4, 0}} << false;
    QTest::newRow("horizontal") << QStringList{"Text3", "y=1", "Text4", "y=-2"}
                                << QList<QPointF>{{0, 1}, {0, -2}} << false;
}

void TestLines2Form::distanceConstruction() {
    QFETCH(QStringList, fields);
    QFETCH(QList<QPointF>, redDots);
    QFETCH(bool, dottedSegment);
    type(*form, fields);
    press(*form, QLatin1String(ParallelDistance.resolver));
    const Board& b = *form->board();
    QCOMPARE(drawnIn(b, Vermelho, Primitive::Kind::Dot), int(redDots.size()));
    for (QPointF p : redDots)
        QVERIFY(hasDot(b, p, Vermelho));
    QCOMPARE(drawnIn(b, Vermelho, Primitive::Kind::Line), dottedSegment ? 1 : 0);
    if (dottedSegment)
        QVERIFY(hasSegment(b, redDots[0], redDots[1], Vermelho, 1, DashStyle::Dotted));
    QCOMPARE(drawnIn(b, Azul, Primitive::Kind::Line, 2), 2);
}

void TestLines2Form::footOfThePerpendicular() {
    const Board& b = *form->board();
    press(*form, QLatin1String(PointDistance.resolver));
    QVERIFY(hasDot(b, {-2, 5}, Azul));
    QVERIFY(hasSegment(b, {-2, 0}, {-2, 5}, Azul, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {0, 5}, {-2, 5}, Azul, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {-2, 5}, {4, -3}, Vermelho, 2, DashStyle::Solid));
    // 3x-4y=24 across the shrunk viewport.
    QVERIFY(hasSegment(b, {9, 0.75}, {-4, -9}, Azul, 2, DashStyle::Solid));
    press(*form, QLatin1String(PointDistance.dados));
    QCOMPARE(drawnIn(b, Vermelho, Primitive::Kind::Line), 0);
    QVERIFY(label(*form, QLatin1String(PointDistance.result)).isEmpty());
}

void TestLines2Form::dataModeDrawsBothLines_data() {
    QTest::addColumn<int>("frame");
    QTest::newRow("intersection") << 0;
    QTest::newRow("parallel distance") << 1;
    QTest::newRow("angle") << 3;
}

void TestLines2Form::dataModeDrawsBothLines() {
    QFETCH(int, frame);
    const FrameOf& f = Frames[frame];
    press(*form, QLatin1String(f.resolver));
    QVERIFY(!label(*form, QLatin1String(f.result)).isEmpty());
    press(*form, QLatin1String(f.dados));
    const Board& b = *form->board();
    QVERIFY(label(*form, QLatin1String(f.result)).isEmpty());
    QCOMPARE(drawnIn(b, Azul, Primitive::Kind::Line, 2), 2);
    const auto notBlack = [](const Primitive& p) {
        return p.kind != Primitive::Kind::Window && p.color != QBColor(0);
    };
    QCOMPARE(int(std::count_if(b.displayList().begin(), b.displayList().end(), notBlack)),
             2); // the two lines and nothing else
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

void TestLines2Form::linesNotParallelClearTheBoard_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::newRow("distance of crossing lines")
        << 1 << QStringList{"Text4", "2x-3y+4=0"} << NotParallel;
    QTest::newRow("distance, one vertical")
        << 1 << QStringList{"Text3", "x=1", "Text4", "y=1"} << NotParallel;
    QTest::newRow("angle of parallel lines")
        << 3 << QStringList{"Text6", "x+y=0", "Text7", "2x+2y=5"} << Parallel;
    QTest::newRow("angle of one line") << 3 << QStringList{"Text7", "2x-5y=3"} << Parallel;
}

void TestLines2Form::linesNotParallelClearTheBoard() {
    QFETCH(int, frame);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    const FrameOf& f = Frames[frame];
    press(*form, QLatin1String(f.resolver));
    QVERIFY(!label(*form, QLatin1String(f.result)).isEmpty());
    type(*form, fields);
    press(*form, QLatin1String(f.resolver));
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QCOMPARE(messages->messages[0], (Message{message, MessageIcon::Information, "Ortoplano"}));
    QVERIFY(bareAxes(*form->board()));
    QVERIFY(label(*form, QLatin1String(f.result)).isEmpty());
    QVERIFY(!form->ModoResolver());
    press(*form, QLatin1String(f.dados)); // only the data
    QCOMPARE(drawnIn(*form->board(), Azul, Primitive::Kind::Line, 2), 2);
    QCOMPARE(drawnIn(*form->board(), Vermelho, Primitive::Kind::Line) +
                 drawnIn(*form->board(), Vermelho, Primitive::Kind::Dot),
             0);
    QCOMPARE(messages->messages.size(), std::size_t(1));
}

void TestLines2Form::refusalOrderOfTwoFields_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("first refused, second stripped too") << 0 << "x^2 + y = 1"
                                                        << "2x + 3y = 1";
    QTest::newRow("second refused, first stripped") << 1 << "2x + 3y = 1"
                                                    << "x > 1";
    QTest::newRow("first unsplittable, second refused: refusal first") << 3 << "2 x + 3 y"
                                                                       << "y = x^3";
    QTest::newRow("first refused, second unreadable") << 0 << "x<1"
                                                      << "2 z = 1";
    QTest::newRow("both refused, one message") << 3 << "x^2=1"
                                               << "y^2=1";
    QTest::newRow("point frame: the equation is refused before the point is read")
        << 2 << "3x - 4y^2 = 24"
        << "abc";
}

void TestLines2Form::refusalOrderOfTwoFields() {
    QFETCH(int, frame);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const FrameOf& f = Frames[frame];
    press(*form, QLatin1String(f.resolver));
    const QString before = label(*form, QLatin1String(f.result));
    const DisplayList drawing = form->board()->displayList();
    type(*form, {QLatin1String(f.first), first, QLatin1String(f.second), second});
    for (const char* button : {f.dados, f.resolver}) {
        messages->clear();
        press(*form, QLatin1String(button));
        QCOMPARE(messages->messages.size(), std::size_t(1));
        QCOMPARE(messages->messages[0], (Message{Refused, MessageIcon::Information, "Ortoplano"}));
        QCOMPARE(field(*form, QLatin1String(f.first))->text(), QString(first).remove(' '));
        QCOMPARE(field(*form, QLatin1String(f.second))->text(), QString(second).remove(' '));
        QCOMPARE(form->board()->displayList().size(), drawing.size());
        QVERIFY(!before.isEmpty());
        QVERIFY(label(*form, QLatin1String(f.result)).isEmpty());
        QVERIFY(!form->ModoResolver());
    }
}

void TestLines2Form::degenerateLine_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QString>("result");
    const QString byZero = QStringLiteral("Erro:\n\nDivisão por zero.");
    QTest::newRow("intersection with no line")
        << 0 << QStringList{"Text2", "0x+0y=5"} << QStringList{NotALine}
        << "As rectas são paralelas.";
    QTest::newRow("intersection with the empty equation")
        << 0 << QStringList{"Text2", "0x+0y=0"} << QStringList{NotALine}
        << "As rectas são coincidentes.";
    QTest::newRow("distance, second line no line")
        << 1 << QStringList{"Text4", "0x+0y=5"} << QStringList{NotALine, byZero} << "";
    QTest::newRow("distance, first line no line")
        << 1 << QStringList{"Text3", "0x+0y=5"} << QStringList{NotALine, byZero} << "";
    QTest::newRow("distance, vertical and no line")
        << 1 << QStringList{"Text3", "x=1", "Text4", "0x+0y=5"} << QStringList{NotALine, byZero}
        << "";
    QTest::newRow("distance, horizontal and no line")
        << 1 << QStringList{"Text3", "y=1", "Text4", "0x+0y=5"} << QStringList{NotALine, byZero}
        << "";
    QTest::newRow("point to no line")
        << 2 << QStringList{"Text5", "0x+0y=5"} << QStringList{NotALine, byZero} << "";
    QTest::newRow("angle with no line")
        << 3 << QStringList{"Text7", "0x+0y=5"} << QStringList{NotALine, Parallel} << "";
}

void TestLines2Form::degenerateLine() {
    QFETCH(int, frame);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, reports);
    QFETCH(QString, result);
    const FrameOf& f = Frames[frame];
    type(*form, fields);
    press(*form, QLatin1String(f.dados));
    QCOMPARE(messages->texts(), QStringList{NotALine});
    messages->clear();
    press(*form, QLatin1String(f.resolver));
    QCOMPARE(messages->texts(), reports);
    QCOMPARE(label(*form, QLatin1String(f.result)), result);
    QVERIFY(!form->ModoResolver());
}

void TestLines2Form::angleText_data() {
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("whole") << 45.0 << "45º  0'  0''"
                           << "45º  0'  0''";
    QTest::newRow("minutes") << 30.5 << "30º  30'  0''"
                             << "30º  30'  0''";
    QTest::newRow("seconds") << 10.0 + 1.0 / 60 + 1.5 / 3600 << "10º  1'  1,5''"
                             << "10º  1'  1.5''";
    QTest::newRow("seconds round up to 60, nothing carried")
        << 10.0 + 59.0 / 60 + 59.999 / 3600 << "10º  59'  60''"
        << "10º  59'  60''";
    QTest::newRow("below one degree") << 0.25 << "0º  15'  0''"
                                      << "0º  15'  0''";
}

void TestLines2Form::angleText() {
    QFETCH(double, degrees);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QCOMPARE(::angleText(degrees, QStringLiteral(",")), comma);
    QCOMPARE(::angleText(degrees, QStringLiteral(".")), point);
}

void TestLines2Form::resultEmptiedWhateverHappens_data() {
    QTest::addColumn<int>("frame");
    QTest::newRow("intersection") << 0;
    QTest::newRow("parallel distance") << 1;
    QTest::newRow("point distance") << 2;
    QTest::newRow("angle") << 3;
}

void TestLines2Form::resultEmptiedWhateverHappens() {
    QFETCH(int, frame);
    const FrameOf& f = Frames[frame];
    press(*form, QLatin1String(f.resolver));
    QVERIFY(!label(*form, QLatin1String(f.result)).isEmpty());
    type(*form, {"Ymin", "dez"});
    press(*form, QLatin1String(f.resolver));
    QCOMPARE(messages->texts(), QStringList{QStringLiteral("Erro:\n\nTipos incompatíveis.")});
    QVERIFY(label(*form, QLatin1String(f.result)).isEmpty());
    QVERIFY(!form->ModoResolver());
}

void TestLines2Form::hostileTextsEndCleanly_data() {
    addHostileTexts();
}

void TestLines2Form::hostileTextsEndCleanly() {
    QFETCH(QString, text);
    struct Case {
        const char* field;
        const FrameOf* frame;
    };
    const Case cases[] = {
        {"Text1", &Intersection},      {"Text2", &Intersection},  {"Text3", &ParallelDistance},
        {"Text4", &ParallelDistance},  {"Text5", &PointDistance}, {"Abcissa1", &PointDistance},
        {"Ordenada1", &PointDistance}, {"Text6", &Angle},         {"Text7", &Angle}};
    for (const Case& c : cases) {
        for (const char* button : {c.frame->dados, c.frame->resolver}) {
            Lines2Form fresh;
            messages->clear();
            type(fresh, {QLatin1String(c.field), text});
            press(fresh, QLatin1String(button));
            const QString where = QLatin1String(c.field) + QLatin1Char(' ') + QLatin1String(button);
            QVERIFY2(!fresh.ModoResolver(), qPrintable(where));
            const QString written = label(fresh, QLatin1String(c.frame->result));
            QVERIFY2(wellFormed(written), qPrintable(where + QLatin1String(": ") + written));
            const bool dados = button == c.frame->dados;
            const bool drew = drawnIn(*fresh.board(), Azul, Primitive::Kind::Line, 2) > 0;
            // A line that is no line ("=" reads as 0 = 0) is reported as it is
            // drawn; what follows it is the press's one outcome.
            QStringList outcome = messages->texts();
            outcome.removeAll(NotALine);
            QVERIFY2((!dados && !written.isEmpty()) ||
                         (dados && drew && messages->messages.empty()) ||
                         messages->messages.size() == 1 || outcome.size() == 1,
                     qPrintable(where + QLatin1String(": ") + messages->texts().join('|')));
        }
    }
}

QTEST_MAIN(TestLines2Form)
#include "tst_lines2form.moc"
