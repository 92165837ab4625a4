#include "lines3form.h"
#include "testsupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {
const QString Collinear = QStringLiteral("Os pontos estão em linha recta.");
const QString NotCollinear = QStringLiteral("Os pontos não estão em linha recta.");
const QString NotALine = QStringLiteral("A equação que indicou não é a de uma recta.");
const QString Refused = QStringLiteral("A equação não representa uma recta.");
const QString Ungraduated = QStringLiteral("Não se graduam os eixos nem se desenha a grelha porque "
                                           "os valores e linhas ficavam sobrepostos.");

/// The text of a result, whether it is shown in a label or a text field.
QString result(const QWidget& form, const QString& name) {
    if (auto* label = form.findChild<QLabel*>(name)) return label->text();
    return form.findChild<QLineEdit*>(name)->text();
}

void type(const QWidget& form, const QStringList& namesAndTexts) {
    for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2)
        form.findChild<QLineEdit*>(namesAndTexts[i])->setText(namesAndTexts[i + 1]);
}

void press(const QWidget& form, const QString& button) {
    auto* b = form.findChild<QPushButton*>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

void choose(const QWidget& form, const char* option) {
    form.findChild<QRadioButton*>(QLatin1String(option))->setChecked(true);
}

void setViewport(const QWidget& form, const QString& low, const QString& high) {
    type(form, {"Xmin", low, "Xmax", high, "Ymin", low, "Ymax", high});
}

int count(const Board& board, Primitive::Kind kind, const QColor& colour) {
    int n = 0;
    for (const Primitive& p : primitives(board, kind))
        n += p.color == colour;
    return n;
}

/// The expected text with the regional decimal separator: a comma between
/// two digits is a decimal comma.
QString regional(QString text, bool comma) {
    static const QRegularExpression decimalComma(QStringLiteral("(?<=\\d),(?=\\d)"));
    return comma ? text : text.replace(decimalComma, QStringLiteral("."));
}
} // namespace

class TestLines3Form : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsOfTheForm();
    void navigationButtons();

    void collinearity_data();
    void collinearity();
    void collinearityDrawsTheLineThroughTheFirstTwo();
    void collinearityOfCoincidentPoints();

    void slope_data();
    void slope();
    void slopeDataAndSolution();
    void slopeOfNoLine_data();
    void slopeOfNoLine();
    void slopeRefusedEquation();

    void position_data();
    void position();
    void positionDrawsTheMeetingPoint();
    void positionRefusedSecondLine();
    void positionOfNoLine();
    void positionLeavesSolveModeAlone();

    void ungraduatedMessageOnEveryRedraw_data();
    void ungraduatedMessageOnEveryRedraw();
    void ungraduatedMessageOnActivation();
    void ungraduatedMessageIsNotRepeatedByItsOwnBox();

    void faultThenDataDrawsOnlyTheData();
    void hostileTexts_data();
    void hostileTexts();

private:
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<Lines3Form> form;
};

void TestLines3Form::initTestCase() {
    // The buttons' pictures are not part of this test's build.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
}

void TestLines3Form::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<Lines3Form>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestLines3Form::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
}

void TestLines3Form::controlsOfTheForm() {
    QCOMPARE(form->objectName(), QStringLiteral("Form5"));
    QCOMPARE(form->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Titulo"))->text(),
             QStringLiteral("RECTA - 3"));
    QCOMPARE(form->board()->x(), 120 / 15);
    const QStringList initial{
        "Abcissa1",  "2",        "Ordenada1", "3",         "Abcissa2",  "4",        "Ordenada2",
        "6",         "Abcissa3", "-2",        "Ordenada3", "-3",        "Abcissa4", "2",
        "Ordenada4", "-2",       "Abcissa5",  "-8",        "Ordenada5", "4",        "Text9",
        "2x-3y+7=0", "Text5",    "x-y+4=0",   "Text6",     "2x-2y-1=0"};
    for (qsizetype i = 0; i < initial.size(); i += 2) {
        auto* field = form->findChild<QLineEdit*>(initial[i]);
        QVERIFY2(field, qPrintable(initial[i]));
        QCOMPARE(field->text(), initial[i + 1]);
        QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(initial[i]));
    }
    const std::pair<const char*, const char*> frames[] = {
        {"Frame4", "Ver se três pontos são colineares"},
        {"Frame6", "Coeficiente angular e inclinação de uma recta"},
        {"Frame1", "Posição relativa de duas rectas"}};
    for (const auto& [name, caption] : frames)
        QCOMPARE(form->findChild<QGroupBox*>(QLatin1String(name))->title(),
                 QString::fromUtf8(caption));
    // The result of the collinearity frame is a text field; the others are labels.
    QVERIFY(form->findChild<QLineEdit*>(QStringLiteral("Resultado1")));
    for (const char* name : {"Resultado2", "Resultado3", "Resultado4"})
        QVERIFY2(form->findChild<QLabel*>(QLatin1String(name))->text().isEmpty(), name);
    // The options carry no text; the labels beside them do.
    auto* option1 = form->findChild<QRadioButton*>(QStringLiteral("Option1"));
    auto* option2 = form->findChild<QRadioButton*>(QStringLiteral("Option2"));
    QVERIFY(option1->isChecked() && !option2->isChecked());
    QVERIFY(option1->text().isEmpty() && option2->text().isEmpty());
    QVERIFY(!option1->accessibleName().isEmpty() && !option2->accessibleName().isEmpty());
    option2->setChecked(true);
    QVERIFY(!option1->isChecked());
    for (const char* name : {"Dados1", "Resolver1", "Dados3", "Resolver3", "Resolver6"})
        QVERIFY2(form->findChild<QPushButton*>(QLatin1String(name)), name);
    QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("Dados6")));
    QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("Dados1"))->toolTip(),
             QStringLiteral("Desenha os dados do problema."));
    QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("Resolver3"))->toolTip(),
             QStringLiteral("Resolve o propblema."));
    QVERIFY(form->findChild<QLineEdit*>(QStringLiteral("TextA"))->isHidden());
    QVERIFY(form->width() <= 1366 && form->height() + 30 <= 768);
}

void TestLines3Form::navigationButtons() {
    auto* other = form->findChild<QToolButton*>(QStringLiteral("Command11"));
    QVERIFY(other && other->isEnabled());
    QTest::mouseClick(other, Qt::LeftButton);
    QVERIFY(nav->topics == std::vector<Topic>{Topic::Recta4});
    form = std::make_unique<Lines3Form>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    QTest::mouseClick(form->findChild<QToolButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    QCOMPARE(nav->topics.back(), Topic::Pontos);
}

// --- three collinear points ---------------------------------------------

void TestLines3Form::collinearity_data() {
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("initial") << QStringList{"2", "3", "4", "6", "-2", "-3"} << Collinear;
    QTest::newRow("third point moved")
        << QStringList{"2", "3", "4", "6", "-2", "-2"} << NotCollinear;
    QTest::newRow("vertical") << QStringList{"1", "0", "1", "5", "1", "-7"} << Collinear;
    QTest::newRow("horizontal") << QStringList{"0", "2", "3", "2", "-4", "2.5"} << NotCollinear;
    QTest::newRow("expressions") << QStringList{"1/2", "sqr(4)", "x+1", "3", "0", "1"} << Collinear;
    QTest::newRow("no tolerance") << QStringList{"0", "0", "3", "1", "6", "2.0000000001"}
                                  << NotCollinear;
}

void TestLines3Form::collinearity() {
    QFETCH(QStringList, points);
    QFETCH(QString, verdict);
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        type(*form, {"Abcissa1", points[0], "Ordenada1", points[1], "Abcissa2", points[2],
                     "Ordenada2", points[3], "Abcissa3", points[4], "Ordenada3", points[5]});
        type(*form, {"Resultado1", "antigo"});
        press(*form, "Dados1");
        QCOMPARE(result(*form, "Resultado1"), QString());
        QCOMPARE(count(*form->board(), Primitive::Kind::Dot, Azul), 3);
        QCOMPARE(count(*form->board(), Primitive::Kind::Line, Vermelho), 0);
        press(*form, "Resolver1");
        QCOMPARE(result(*form, "Resultado1"), verdict);
        QCOMPARE(count(*form->board(), Primitive::Kind::Dot, Azul), 3);
        QVERIFY(messages->messages.empty());
        QVERIFY(!form->ModoResolver());
    }
}

void TestLines3Form::collinearityDrawsTheLineThroughTheFirstTwo() {
    press(*form, "Resolver1");
    const Board& b = *form->board();
    QVERIFY(hasDot(b, {2, 3}, Azul) && hasDot(b, {4, 6}, Azul) && hasDot(b, {-2, -3}, Azul));
    // 3x - 2y = 0 across the viewport shrunk by one unit.
    QVERIFY(hasSegment(b, {6, 9}, {-6, -9}, Vermelho, 1, DashStyle::Dotted));
    QCOMPARE(count(b, Primitive::Kind::Line, Vermelho), 1);
}

void TestLines3Form::collinearityOfCoincidentPoints() {
    type(*form, {"Abcissa2", "2", "Ordenada2", "3", "Abcissa3", "7", "Ordenada3", "-1"});
    press(*form, "Resolver1");
    QCOMPARE(messages->texts(), QStringList{NotALine});
    QCOMPARE(result(*form, "Resultado1"), Collinear);
    QCOMPARE(count(*form->board(), Primitive::Kind::Line, Vermelho), 0);
    QVERIFY(!form->ModoResolver());
}

// --- slope and inclination ----------------------------------------------

void TestLines3Form::slope_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("data"); // four coordinates, or an equation
    QTest::addColumn<QString>("slope");
    QTest::addColumn<QString>("inclination");
    const QString vertical = Lines3Form::verticalSlopeText();
    QTest::newRow("initial points") << "Option1" << QStringList{"2", "-2", "-8", "4"} << "-0,6"
                                    << "149º  2'  10,48''";
    QTest::newRow("initial equation") << "Option2" << QStringList{"2x-3y+7=0"} << "0,67"
                                      << "33º  41'  24,24''";
    QTest::newRow("slope -1 borrowed") << "Option1" << QStringList{"0", "0", "1", "-1"} << "-1"
                                       << "134º  59'  60''";
    QTest::newRow("slope 1") << "Option1" << QStringList{"1", "1", "2", "2"} << "1"
                             << "45º  0'  0''";
    QTest::newRow("decimal points") << "Option1" << QStringList{"0.5", "1.5", "2.5", "3.5"} << "1"
                                    << "45º  0'  0''";
    QTest::newRow("slope 2") << "Option2" << QStringList{"y=2x"} << "2"
                             << "63º  26'  5,82''";
    QTest::newRow("slope -2") << "Option2" << QStringList{"y=-2x+1"} << "-2"
                              << "116º  33'  54,18''";
    QTest::newRow("horizontal equation") << "Option2" << QStringList{"y=2"} << "0"
                                         << "0º";
    QTest::newRow("horizontal points") << "Option1" << QStringList{"1", "2", "5", "2"} << "0"
                                       << "0º";
    QTest::newRow("vertical equation") << "Option2" << QStringList{"x=3"} << vertical << "90º";
    QTest::newRow("vertical points")
        << "Option1" << QStringList{"1", "2", "1", "5"} << vertical << "90º";
}

void TestLines3Form::slope() {
    QFETCH(QString, option);
    QFETCH(QStringList, data);
    QFETCH(QString, slope);
    QFETCH(QString, inclination);
    choose(*form, qPrintable(option));
    if (data.size() == 4)
        type(*form, {"Abcissa4", data[0], "Ordenada4", data[1], "Abcissa5", data[2], "Ordenada5",
                     data[3]});
    else
        type(*form, {"Text9", data[0]});
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        press(*form, "Resolver3");
        QCOMPARE(result(*form, "Resultado2"), regional(slope, comma));
        QCOMPARE(result(*form, "Resultado3"), regional(inclination, comma));
        press(*form, "Dados3");
        QCOMPARE(result(*form, "Resultado2"), QString());
        QCOMPARE(result(*form, "Resultado3"), QString());
    }
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

void TestLines3Form::slopeDataAndSolution() {
    const Board& b = *form->board();
    // Two points: the data are the points; the red line comes with the answer.
    press(*form, "Dados3");
    QVERIFY(hasDot(b, {2, -2}, Azul) && hasDot(b, {-8, 4}, Azul));
    QCOMPARE(count(b, Primitive::Kind::Line, Azul) + count(b, Primitive::Kind::Line, Vermelho), 0);
    press(*form, "Resolver3");
    // 6x + 10y + 8 = 0 leaves the shrunk viewport through its sides x = -9 and x = 9.
    QVERIFY(hasSegment(b, {-9, 4.6}, {9, -6.2}, Vermelho, 2, DashStyle::Solid));
    QCOMPARE(count(b, Primitive::Kind::Line, Vermelho), 1);
    // An equation: the data are the line itself, in blue, and nothing more is drawn.
    choose(*form, "Option2");
    press(*form, "Dados3");
    QVERIFY(hasSegment(b, {9, 25.0 / 3}, {-9, -11.0 / 3}, Azul, 2, DashStyle::Solid));
    QCOMPARE(count(b, Primitive::Kind::Line, Azul), 1);
    QCOMPARE(count(b, Primitive::Kind::Dot, Azul), 0);
    press(*form, "Resolver3");
    QCOMPARE(count(b, Primitive::Kind::Line, Azul), 1);
    QCOMPARE(count(b, Primitive::Kind::Line, Vermelho) + count(b, Primitive::Kind::Dot, Vermelho),
             0);
}

void TestLines3Form::slopeOfNoLine_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("data");
    QTest::newRow("equal points") << "Option1" << QStringList{"3", "1", "3", "1"};
    QTest::newRow("no variable") << "Option2" << QStringList{"0x+0y=1"};
}

void TestLines3Form::slopeOfNoLine() {
    QFETCH(QString, option);
    QFETCH(QStringList, data);
    choose(*form, qPrintable(option));
    if (data.size() == 4)
        type(*form, {"Abcissa4", data[0], "Ordenada4", data[1], "Abcissa5", data[2], "Ordenada5",
                     data[3]});
    else
        type(*form, {"Text9", data[0]});
    press(*form, "Resolver3");
    // The drawing says there is no line, and the routine goes on: b = 0 is
    // the vertical-line path.
    QCOMPARE(messages->texts(), QStringList{NotALine});
    QCOMPARE(result(*form, "Resultado2"), QString::fromUtf8("Não existe"));
    QCOMPARE(result(*form, "Resultado3"), QString::fromUtf8("90º"));
    QVERIFY(!form->ModoResolver());
}

void TestLines3Form::slopeRefusedEquation() {
    choose(*form, "Option2");
    press(*form, "Resolver3");
    QVERIFY(!result(*form, "Resultado2").isEmpty());
    type(*form, {"Text9", "x^2 + y = 0"});
    press(*form, "Resolver3");
    QCOMPARE(messages->texts(), QStringList{Refused});
    QCOMPARE(result(*form, "Text9"), QStringLiteral("x^2+y=0"));
    QCOMPARE(result(*form, "Resultado2"), QString());
    QCOMPARE(result(*form, "Resultado3"), QString());
    // The board was cleared before the equation was read.
    QCOMPARE(count(*form->board(), Primitive::Kind::Line, Azul), 0);
    QVERIFY(!form->ModoResolver());
    type(*form, {"Text9", "x+y"});
    press(*form, "Resolver3");
    QCOMPARE(messages->messages.size(), std::size_t(2));
    QVERIFY(messages->messages.back().text.startsWith(QLatin1String("Erro:\n\n")));
    QVERIFY(messages->messages.back().icon == MessageIcon::None);
}

// --- relative position of two lines -------------------------------------

void TestLines3Form::position_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("position");
    QTest::newRow("initial") << "x-y+4=0"
                             << "2x-2y-1=0"
                             << "As rectas são paralelas.";
    QTest::newRow("horizontal parallels") << "y=1"
                                          << "y=2"
                                          << "As rectas são paralelas.";
    QTest::newRow("vertical parallels") << "x=1"
                                        << "2x=5"
                                        << "As rectas são paralelas.";
    QTest::newRow("concurrent") << "x+y-1=0"
                                << "x-y-1=0"
                                << "As rectas são concorrentes em ( 1 , 0 )";
    QTest::newRow("concurrent, rounded") << "2x+3y+4=0"
                                         << "5x-2y+4=0"
                                         << "As rectas são concorrentes em ( -1,05 , -0,63 )";
    QTest::newRow("coincident") << "x+y=0"
                                << "2x+2y=0"
                                << "As rectas são coincidentes.";
    QTest::newRow("coincident, rearranged") << "y=2x+1"
                                            << "4x-2y+2=0"
                                            << "As rectas são coincidentes.";
}

void TestLines3Form::position() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, position);
    type(*form, {"Text5", first, "Text6", second});
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        press(*form, "Resolver6");
        QCOMPARE(result(*form, "Resultado4"), regional(position, comma));
        QCOMPARE(count(*form->board(), Primitive::Kind::Line, Azul), 2);
    }
    QVERIFY(messages->messages.empty());
}

void TestLines3Form::positionDrawsTheMeetingPoint() {
    type(*form, {"Text5", "x + y - 1 = 0", "Text6", "x-y-1=0"});
    press(*form, "Resolver6");
    QCOMPARE(result(*form, "Text5"), QStringLiteral("x+y-1=0"));
    const Board& b = *form->board();
    QVERIFY(hasSegment(b, {-8, 9}, {9, -8}, Azul, 2, DashStyle::Solid));
    QVERIFY(hasSegment(b, {9, 8}, {-8, -9}, Azul, 2, DashStyle::Solid));
    QVERIFY(hasDot(b, {1, 0}, Vermelho));
    QVERIFY(hasSegment(b, {1, 0}, {1, 0}, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {0, 0}, {1, 0}, Vermelho, 1, DashStyle::Dotted));
    // Parallel lines: no point.
    type(*form, {"Text6", "x+y=5"});
    press(*form, "Resolver6");
    QCOMPARE(count(b, Primitive::Kind::Dot, Vermelho), 0);
}

void TestLines3Form::positionRefusedSecondLine() {
    press(*form, "Resolver6");
    type(*form, {"Text6", "x>1=0"});
    press(*form, "Resolver6");
    QCOMPARE(messages->texts(), QStringList{Refused});
    QCOMPARE(result(*form, "Resultado4"), QString());
    // The first line was drawn before the second was read, and stays.
    QCOMPARE(count(*form->board(), Primitive::Kind::Line, Azul), 1);
    QVERIFY(hasSegment(*form->board(), {-9, -5}, {5, 9}, Azul, 2));
}

void TestLines3Form::positionOfNoLine() {
    type(*form, {"Text5", "0x+0y=5"});
    press(*form, "Resolver6");
    // Reported while drawing, and the routine goes on: D = 0 with Dy != 0.
    QCOMPARE(messages->texts(), QStringList{NotALine});
    QCOMPARE(result(*form, "Resultado4"), QString::fromUtf8("As rectas são paralelas."));
    type(*form, {"Text6", "0x+0y=0"});
    press(*form, "Resolver6");
    QCOMPARE(messages->texts(), (QStringList{NotALine, NotALine, NotALine}));
    QCOMPARE(result(*form, "Resultado4"), QString::fromUtf8("As rectas são coincidentes."));
}

void TestLines3Form::positionLeavesSolveModeAlone() {
    press(*form, "Resolver6");
    QVERIFY(!form->ModoResolver());
    press(*form, "Dados1");
    QCOMPARE(count(*form->board(), Primitive::Kind::Line, Vermelho), 0);
    QCOMPARE(result(*form, "Resultado1"), QString());
}

// --- the axes of this form ----------------------------------------------

void TestLines3Form::ungraduatedMessageOnEveryRedraw_data() {
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<bool>("warned");
    QTest::newRow("width 60") << "-30"
                              << "30" << true;
    QTest::newRow("width 50") << "-25"
                              << "25" << false;
    QTest::newRow("width 50,5") << "-25"
                                << "25,5" << true;
    QTest::newRow("width 20") << "-10"
                              << "10" << false;
}

void TestLines3Form::ungraduatedMessageOnEveryRedraw() {
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(bool, warned);
    const Message warning{Ungraduated, MessageIcon::Information};
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        setViewport(*form, low, regional(high, comma));
        for (const char* button : {"Dados1", "Resolver1", "Dados3", "Resolver3", "Resolver6"}) {
            messages->clear();
            press(*form, button);
            if (warned) {
                QCOMPARE(messages->messages.size(), std::size_t(1));
                QVERIFY2(messages->messages.front() == warning, button);
            } else {
                QVERIFY2(messages->messages.empty(), button);
            }
        }
        // The press goes on after the message: the answer is written.
        QCOMPARE(result(*form, "Resultado4"), QStringLiteral("As rectas são paralelas."));
    }
}

void TestLines3Form::ungraduatedMessageOnActivation() {
    setViewport(*form, QStringLiteral("-30"), QStringLiteral("30"));
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(messages->texts(), QStringList{Ungraduated});
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(messages->texts(), (QStringList{Ungraduated, Ungraduated}));
}

void TestLines3Form::ungraduatedMessageIsNotRepeatedByItsOwnBox() {
    // With real modal boxes: closing the box gives the form back its
    // activation, which must not redraw and so ask again.
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
    setViewport(*form, QStringLiteral("-30"), QStringLiteral("30"));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form->show();
    form->activateWindow();
    QTest::qWait(600);
    QCOMPARE(shown, 1);
    press(*form, "Resolver1");
    QTest::qWait(300);
    QCOMPARE(shown, 2);
    QCOMPARE(result(*form, "Resultado1"), Collinear);
}

// --- every path ends solve mode, no text breaks the form ----------------

void TestLines3Form::faultThenDataDrawsOnlyTheData() {
    type(*form, {"Ordenada3", "1/0"});
    press(*form, "Resolver1");
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QVERIFY(!form->ModoResolver());
    type(*form, {"Ordenada3", "-3"});
    press(*form, "Dados1");
    QCOMPARE(count(*form->board(), Primitive::Kind::Dot, Azul), 3);
    QCOMPARE(count(*form->board(), Primitive::Kind::Line, Vermelho), 0);
    QCOMPARE(result(*form, "Resultado1"), QString());

    choose(*form, "Option2");
    type(*form, {"Text9", "x^2=1"});
    press(*form, "Resolver3");
    type(*form, {"Text9", "y=x"});
    press(*form, "Dados3");
    QCOMPARE(result(*form, "Resultado3"), QString());
    QCOMPARE(count(*form->board(), Primitive::Kind::Line, Azul), 1);
}

void TestLines3Form::hostileTexts_data() {
    QTest::addColumn<QString>("text");
    const char* texts[] = {"abc", "",   "1/0",     "sqr(-1)", "10^400", "10^300", "x",
                           "=",   "==", "x^2+y^2", ">",       "<",      ","};
    for (const char* t : texts)
        QTest::newRow(*t ? t : "empty") << QString::fromLatin1(t);
    QTest::newRow("10000 nines") << QString(10000, QLatin1Char('9'));
    QTest::newRow("10000 parentheses") << QString(10000, QLatin1Char('('));
}

void TestLines3Form::hostileTexts() {
    QFETCH(QString, text);
    struct Case {
        const char* field;
        const char* option; // selected before pressing, if any
        const char* dados;  // nullptr: the frame has none
        const char* resolver;
        QStringList results;
    };
    const Case cases[] = {
        {"Abcissa1", nullptr, "Dados1", "Resolver1", {"Resultado1"}},
        {"Ordenada3", nullptr, "Dados1", "Resolver1", {"Resultado1"}},
        {"Abcissa4", "Option1", "Dados3", "Resolver3", {"Resultado2", "Resultado3"}},
        {"Ordenada5", "Option1", "Dados3", "Resolver3", {"Resultado2", "Resultado3"}},
        {"Text9", "Option2", "Dados3", "Resolver3", {"Resultado2", "Resultado3"}},
        {"Text5", nullptr, nullptr, "Resolver6", {"Resultado4"}},
        {"Text6", nullptr, nullptr, "Resolver6", {"Resultado4"}},
    };
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        for (const Case& c : cases) {
            for (const char* button : {c.dados, c.resolver}) {
                if (!button) continue;
                const QString where =
                    QLatin1String(c.field) + QLatin1Char(' ') + QLatin1String(button);
                Lines3Form fresh;
                if (c.option) choose(fresh, c.option);
                type(fresh, {QLatin1String(c.field), text});
                messages->clear();
                press(fresh, QLatin1String(button));
                QVERIFY2(!fresh.ModoResolver(), qPrintable(where));
                bool wrote = false;
                for (const QString& name : c.results) {
                    const QString written = result(fresh, name);
                    wrote = wrote || !written.isEmpty();
                    for (const char* bad : {"inf", "nan", "(  ,", ",  )"})
                        QVERIFY2(!written.contains(QLatin1String(bad), Qt::CaseInsensitive),
                                 qPrintable(where + QLatin1String(": ") + written));
                }
                const bool isDados = button == c.dados;
                // A "Dados" press writes no answer: it draws the data or reports.
                const bool drew = count(*fresh.board(), Primitive::Kind::Dot, Azul) +
                                      count(*fresh.board(), Primitive::Kind::Line, Azul) >
                                  0;
                const std::size_t n = messages->messages.size();
                QVERIFY2(n == 1 || (n == 0 && (isDados ? drew : wrote)), qPrintable(where));
            }
        }
    }
}

QTEST_MAIN(TestLines3Form)
#include "tst_lines3form.moc"
