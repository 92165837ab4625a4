#include "leadingnumber.h"
#include "lines4form.h"
#include "numbered_error.h"
#include "testsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <memory>

namespace {
const QString NotALine = QStringLiteral("A equação que indicou não é a de uma recta.");
const QString Refused = QStringLiteral("A equação não representa uma recta.");
const QString Parallel = QStringLiteral("As rectas paralelas.");
const QString BadInclination =
    QStringLiteral("A inclinação de uma recta não pode ser negativa nem maior que 180 graus");

QString label(const QWidget& form, const QString& name) {
    return form.findChild<QLabel*>(name)->text();
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

void choose(const QWidget& form, const QString& option) {
    form.findChild<QRadioButton*>(option)->setChecked(true);
}

int count(const Board& board, Primitive::Kind kind, const QColor& colour) {
    int n = 0;
    for (const Primitive& p : primitives(board, kind))
        n += p.color == colour;
    return n;
}

/// The lines of a colour and width, in drawing order.
std::vector<Primitive> lines(const Board& board, const QColor& colour, int width) {
    std::vector<Primitive> found;
    for (const Primitive& p : primitives(board, Primitive::Kind::Line))
        if (p.color == colour && p.width == width) found.push_back(p);
    return found;
}

QString regional(QString text, bool comma) {
    static const QRegularExpression decimalComma(QStringLiteral("(?<=\\d),(?=\\d)"));
    return comma ? text : text.replace(decimalComma, QStringLiteral("."));
}

/// Whether a segment lies on the line through `p` with slope `m`.
bool onLine(const Primitive& s, QPointF p, double m, double tolerance) {
    const auto off = [&](QPointF q) { return std::fabs((q.y() - p.y()) - m * (q.x() - p.x())); };
    return off(s.p1) <= tolerance && off(s.p2) <= tolerance;
}
} // namespace

class TestLines4Form : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsOfTheForm();
    void navigationButtons();
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberBeyondADouble();

    void dataDrawOnlyThePoint();
    void lineThroughPoint_data();
    void lineThroughPoint();
    void linesAcrossTheViewport();
    void inclinationOutOfRange_data();
    void inclinationOutOfRange();
    void angleOfZeroGivesTheParallel();
    void angleWithRefusedLine();
    void angleWithNoLine();

    void bisectors_data();
    void bisectors();
    void bisectorsAreDrawnDotted();
    void parallelLinesHaveNoBisectors();
    void bisectorsOfNoLine();
    void refusedLineLeavesTheBoard();

    void hostileTexts_data();
    void hostileTexts();

private:
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<Lines4Form> form;
};

void TestLines4Form::initTestCase() {
    // The buttons' pictures are not part of this test's build.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
}

void TestLines4Form::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<Lines4Form>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestLines4Form::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
}

void TestLines4Form::controlsOfTheForm() {
    QCOMPARE(form->objectName(), QStringLiteral("Form8"));
    QCOMPARE(form->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Titulo"))->text(),
             QStringLiteral("RECTA - 4"));
    QCOMPARE(form->board()->x(), 120 / 15);
    const QStringList initial{"Abcissa1", "-1",        "Ordenada1", "3",       "Text2", "30",
                              "Text6",    "1",         "Text4",     "30",      "Text5", "2x-y+3=0",
                              "Text9",    "2x+3y-1=0", "Text10",    "x-2y+4=0"};
    for (qsizetype i = 0; i < initial.size(); i += 2) {
        auto* field = form->findChild<QLineEdit*>(initial[i]);
        QVERIFY2(field, qPrintable(initial[i]));
        QCOMPARE(field->text(), initial[i + 1]);
        QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(initial[i]));
    }
    QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("Frame4"))->title(),
             QStringLiteral("Recta que passa num ponto e ..."));
    QCOMPARE(form->findChild<QGroupBox*>(QStringLiteral("Frame3"))->title(),
             QStringLiteral("Bissectrizes de duas rectas concorrentes"));
    const std::pair<const char*, const char*> options[] = {
        {"Option1", "é paralela ao eixo das abcissas"},
        {"Option2", "é paralela ao eixo das ordenadas"},
        {"Option3", "tem inclinação"},
        {"Option4", "tem coeficiente angular"},
        {"Option6", "faz um ângulo de"}};
    for (const auto& [name, caption] : options)
        QCOMPARE(form->findChild<QRadioButton*>(QLatin1String(name))->text(),
                 QString::fromUtf8(caption));
    QVERIFY(form->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
    QVERIFY(!form->findChild<QRadioButton*>(QStringLiteral("Option5")));
    choose(*form, QStringLiteral("Option6"));
    QVERIFY(!form->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
    for (const char* name : {"Resultado1", "Resultado2", "Resultado5", "Resultado6"})
        QVERIFY2(label(*form, QLatin1String(name)).isEmpty(), name);
    for (const char* name : {"Dados3", "Resolver3", "Dados7", "Resolver7"})
        QVERIFY2(form->findChild<QPushButton*>(QLatin1String(name)), name);
    QVERIFY(form->findChild<QLineEdit*>(QStringLiteral("TextA"))->isHidden());
    QVERIFY(form->width() <= 1366 && form->height() + 30 <= 768);
}

void TestLines4Form::navigationButtons() {
    auto* other = form->findChild<QToolButton*>(QStringLiteral("Command9"));
    QVERIFY(other && other->isEnabled());
    QTest::mouseClick(other, Qt::LeftButton);
    QVERIFY(nav->topics == std::vector<Topic>{Topic::Recta3});
    form = std::make_unique<Lines4Form>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    QTest::mouseClick(form->findChild<QToolButton*>(QStringLiteral("Command5")), Qt::LeftButton);
    QCOMPARE(nav->topics.back(), Topic::Triangulo);
}

// --- the angle field's plain number -------------------------------------

void TestLines4Form::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "30" << 30.0;
    QTest::newRow("with a unit") << "30 graus" << 30.0;
    QTest::newRow("blanks anywhere") << "  3 0 . 5 " << 30.5;
    QTest::newRow("tab") << "\t12" << 12.0;
    QTest::newRow("negative") << "-45" << -45.0;
    QTest::newRow("plus sign") << "+7.5" << 7.5;
    QTest::newRow("point first") << ".25" << 0.25;
    QTest::newRow("negative, point first") << "- .5" << -0.5;
    QTest::newRow("exponent") << "1e1" << 10.0;
    QTest::newRow("exponent with sign") << "2.5E-1x" << 0.25;
    QTest::newRow("exponent without digits") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e+" << 3.0;
    QTest::newRow("stops at an operator") << "10^400" << 10.0;
    QTest::newRow("stops at a second point") << "1.5.6" << 1.5;
    QTest::newRow("comma ends the number") << "1,5" << 1.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("lone comma") << "," << 0.0;
    QTest::newRow("expression") << "90/3" << 90.0;
    QTest::newRow("below the smallest double") << "1e-400" << 0.0;
    QTest::newRow("long fraction") << "0." + QString(5000, QLatin1Char('0')) + "1" << 0.0;
    QTest::newRow("degree sign") << QString::fromUtf8("45º") << 45.0;
}

void TestLines4Form::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    const Real read = ::leadingNumber(text);
    QCOMPARE(read.value(), value);
    QVERIFY(!std::signbit(read.value()) || value < 0);
}

void TestLines4Form::leadingNumberBeyondADouble() {
    for (const QString& text : {QStringLiteral("1e400"), QStringLiteral("-2e99999999999999999999"),
                                QString(10000, QLatin1Char('9'))}) {
        try {
            ::leadingNumber(text);
            QFAIL(qPrintable(text.left(20)));
        } catch (const NumberedError& e) {
            QCOMPARE(e.number(), Fault::Overflow);
        }
    }
}

// --- the line through a point -------------------------------------------

void TestLines4Form::dataDrawOnlyThePoint() {
    const Board& b = *form->board();
    for (const char* option : {"Option1", "Option2", "Option3", "Option4", "Option6"}) {
        choose(*form, QLatin1String(option));
        press(*form, "Resolver3");
        press(*form, "Dados3");
        QVERIFY(hasDot(b, {-1, 3}, Azul));
        QVERIFY(hasSegment(b, {-1, 0}, {-1, 3}, Azul, 1, DashStyle::Dotted));
        QVERIFY(hasSegment(b, {0, 3}, {-1, 3}, Azul, 1, DashStyle::Dotted));
        QCOMPARE(count(b, Primitive::Kind::Line, Azul), 2);
        QCOMPARE(count(b, Primitive::Kind::Line, Vermelho), 0);
        QVERIFY(label(*form, "Resultado1").isEmpty() && label(*form, "Resultado2").isEmpty());
    }
    QVERIFY(messages->messages.empty());
}

void TestLines4Form::lineThroughPoint_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("parallel to x") << "Option1" << QStringList{} << "y = 3"
                                   << "";
    QTest::newRow("parallel to x, rounded")
        << "Option1" << QStringList{"Ordenada1", "1/3"} << "y = 0,33"
        << "";
    QTest::newRow("parallel to y") << "Option2" << QStringList{} << "x = -1"
                                   << "";
    QTest::newRow("parallel to y, rounded")
        << "Option2" << QStringList{"Abcissa1", "2.125"} << "x = 2,12"
        << "";
    QTest::newRow("inclination 30") << "Option3" << QStringList{} << "0,58x-y+3,58 = 0"
                                    << "";
    QTest::newRow("inclination 30 at (2, 0)")
        << "Option3" << QStringList{"Abcissa1", "2", "Ordenada1", "0"} << "0,58x-y-1,15 = 0"
        << "";
    QTest::newRow("inclination 45, slope not exactly 1")
        << "Option3" << QStringList{"Text2", "45"} << "1x-y+4 = 0"
        << "";
    QTest::newRow("inclination 135, slope not exactly -1")
        << "Option3" << QStringList{"Text2", "135", "Abcissa1", "0", "Ordenada1", "0"}
        << "-1x-y = 0"
        << "";
    QTest::newRow("inclination 0") << "Option3" << QStringList{"Text2", "0"} << "y = 3"
                                   << "";
    QTest::newRow("inclination 0, not rounded")
        << "Option3" << QStringList{"Text2", "0", "Ordenada1", "1/4"} << "y = 0,25"
        << "";
    QTest::newRow("inclination 0, many digits")
        << "Option3" << QStringList{"Text2", "0", "Ordenada1", "1/3"} << "y = 0,333333333333333"
        << "";
    QTest::newRow("inclination 90") << "Option3" << QStringList{"Text2", "90"} << "x = -1"
                                    << "";
    QTest::newRow("inclination 90, many digits")
        << "Option3" << QStringList{"Text2", "90", "Abcissa1", "2/3"} << "x = 0,666666666666667"
        << "";
    QTest::newRow("inclination 180") << "Option3" << QStringList{"Text2", "180"} << "0x-y+3 = 0"
                                     << "";
    QTest::newRow("inclination as expression")
        << "Option3" << QStringList{"Text2", " 2*15 "} << "0,58x-y+3,58 = 0"
        << "";
    QTest::newRow("slope 1") << "Option4" << QStringList{} << "x-y+4=0"
                             << "";
    QTest::newRow("slope -2/3") << "Option4" << QStringList{"Text6", "-2/3"} << "-0,67x-y+2,33=0"
                                << "";
    QTest::newRow("slope 0") << "Option4" << QStringList{"Text6", "0"} << "0x-y+3=0"
                             << "";
    QTest::newRow("angle 30") << "Option6" << QStringList{} << "2,46x-3,73y+13,66=0"
                              << "4,46x+0,27y+3,66=0";
    QTest::newRow("angle 30 graus")
        << "Option6" << QStringList{"Text4", "30 graus"} << "2,46x-3,73y+13,66=0"
        << "4,46x+0,27y+3,66=0";
    QTest::newRow("angle 3E1") << "Option6" << QStringList{"Text4", " 3E1"} << "2,46x-3,73y+13,66=0"
                               << "4,46x+0,27y+3,66=0";
    QTest::newRow("angle 90, the perpendicular twice")
        << "Option6" << QStringList{"Text4", "90"} << "-x-2y+5=0"
        << "x+2y-5=0";
    QTest::newRow("angle 45 with a horizontal line")
        << "Option6"
        << QStringList{"Text4", "45", "Text5", "y=0", "Abcissa1", "0", "Ordenada1", "0"} << "x+y=0"
        << "-x+y=0";
}

void TestLines4Form::lineThroughPoint() {
    QFETCH(QString, option);
    QFETCH(QStringList, fields);
    QFETCH(QString, first);
    QFETCH(QString, second);
    choose(*form, option);
    type(*form, fields);
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        press(*form, "Resolver3");
        QCOMPARE(label(*form, "Resultado1"), regional(first, comma));
        QCOMPARE(label(*form, "Resultado2"), regional(second, comma));
        QVERIFY(!form->ModoResolver());
        // Every answer is drawn solid in red, 2 pixels wide, the dotted style
        // left by the projections notwithstanding.
        const auto answers = lines(*form->board(), Vermelho, 2);
        QCOMPARE(int(answers.size()), second.isEmpty() ? 1 : 2);
        for (const Primitive& p : answers)
            QVERIFY(p.effectiveStyle() == DashStyle::Solid);
    }
    QVERIFY(messages->messages.empty());
}

void TestLines4Form::linesAcrossTheViewport() {
    const Board& b = *form->board();
    press(*form, "Resolver3");
    QVERIFY(hasSegment(b, {-9, 3}, {9, 3}, Vermelho, 2, DashStyle::Solid));
    choose(*form, QStringLiteral("Option2"));
    press(*form, "Resolver3");
    QVERIFY(hasSegment(b, {-1, 9}, {-1, -9}, Vermelho, 2, DashStyle::Solid));
    // The viewport read by the press decides where those lines end.
    type(*form, {"Xmin", "-20", "Ymin", "-5"});
    press(*form, "Resolver3");
    QVERIFY(hasSegment(b, {-1, 9}, {-1, -4}, Vermelho, 2, DashStyle::Solid));
    choose(*form, QStringLiteral("Option4"));
    type(*form, {"Xmin", "-10", "Ymin", "-10"});
    press(*form, "Resolver3");
    // y = x + 4 through (-1, 3).
    QVERIFY(hasSegment(b, {5, 9}, {-9, -5}, Vermelho, 2, DashStyle::Solid));
    choose(*form, QStringLiteral("Option6"));
    press(*form, "Resolver3");
    QVERIFY(hasSegment(b, {3, 9}, {-6, -9}, Azul, 2, DashStyle::Solid)); // 2x-y+3=0
    const auto answers = lines(b, Vermelho, 2);
    QCOMPARE(int(answers.size()), 2);
    // Both pass through P and make 30 degrees with the given line, whose
    // slope is 2: one turned each way.
    const double given = std::atan(2.0), thirty = std::atan(1.0) / 45 * 30;
    QVERIFY(onLine(answers[0], {-1, 3}, std::tan(given + thirty), 1e-6) ||
            onLine(answers[0], {-1, 3}, std::tan(given - thirty), 1e-6));
    QVERIFY(onLine(answers[1], {-1, 3}, std::tan(given + thirty), 1e-6) ||
            onLine(answers[1], {-1, 3}, std::tan(given - thirty), 1e-6));
    QVERIFY(!onLine(answers[0], {-1, 3}, std::tan(given + thirty), 1e-6) ||
            !onLine(answers[1], {-1, 3}, std::tan(given + thirty), 1e-6));
}

void TestLines4Form::inclinationOutOfRange_data() {
    QTest::addColumn<QString>("alpha");
    QTest::newRow("181") << "181";
    QTest::newRow("-1") << "-1";
    QTest::newRow("just above 180") << "180.000001";
    QTest::newRow("huge") << "10^300";
}

void TestLines4Form::inclinationOutOfRange() {
    QFETCH(QString, alpha);
    choose(*form, QStringLiteral("Option3"));
    press(*form, "Resolver3");
    QVERIFY(!label(*form, "Resultado1").isEmpty());
    type(*form, {"Text2", alpha});
    press(*form, "Resolver3");
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QVERIFY(messages->messages.front() == (Message{BadInclination, MessageIcon::Information}));
    QVERIFY(label(*form, "Resultado1").isEmpty());
    // The board is cleared: the bare axes again.
    QCOMPARE(count(*form->board(), Primitive::Kind::Dot, Azul), 0);
    QCOMPARE(count(*form->board(), Primitive::Kind::Line, Vermelho), 0);
    QVERIFY(count(*form->board(), Primitive::Kind::Line, QBColor(0)) > 2);
    QVERIFY(!form->ModoResolver());
    press(*form, "Dados3");
    QCOMPARE(messages->messages.size(), std::size_t(1)); // the data hold no inclination
}

void TestLines4Form::angleOfZeroGivesTheParallel() {
    choose(*form, QStringLiteral("Option6"));
    for (const char* text : {"0", "abc", "", "graus 30"}) {
        type(*form, {"Text4", QLatin1String(text)});
        press(*form, "Resolver3");
        const auto answers = lines(*form->board(), Vermelho, 2);
        QCOMPARE(int(answers.size()), 2);
        // Twice, practically, the parallel to 2x-y+3=0 through (-1, 3).
        for (const Primitive& p : answers)
            QVERIFY2(onLine(p, {-1, 3}, 2.0, 1e-6), text);
        QVERIFY(!label(*form, "Resultado1").isEmpty() && !label(*form, "Resultado2").isEmpty());
    }
    QVERIFY(messages->messages.empty());
}

void TestLines4Form::angleWithRefusedLine() {
    choose(*form, QStringLiteral("Option6"));
    type(*form, {"Text5", "y = x^2"});
    press(*form, "Resolver3");
    QCOMPARE(messages->texts(), QStringList{Refused});
    QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("Text5"))->text(), QStringLiteral("y=x^2"));
    // The point stays drawn; nothing else is.
    QVERIFY(hasDot(*form->board(), {-1, 3}, Azul));
    QCOMPARE(count(*form->board(), Primitive::Kind::Line, Vermelho), 0);
    QVERIFY(label(*form, "Resultado1").isEmpty() && label(*form, "Resultado2").isEmpty());
    QVERIFY(!form->ModoResolver());
    type(*form, {"Text5", "2x-y"});
    press(*form, "Resolver3");
    QCOMPARE(messages->messages.size(), std::size_t(2));
    QVERIFY(messages->messages.back().text.startsWith(QLatin1String("Erro:\n\n")));
}

void TestLines4Form::angleWithNoLine() {
    choose(*form, QStringLiteral("Option6"));
    type(*form, {"Text5", "0x+0y=1"});
    press(*form, "Resolver3");
    // The given line, then the two lines made from it.
    QCOMPARE(messages->texts(), (QStringList{NotALine, NotALine, NotALine}));
    QCOMPARE(label(*form, "Resultado1"), QStringLiteral("0x+0y=0"));
    QCOMPARE(label(*form, "Resultado2"), QStringLiteral("0x+0y=0"));
    QVERIFY(!form->ModoResolver());
}

// --- the bisectors of two lines -----------------------------------------

void TestLines4Form::bisectors_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("other");
    QTest::newRow("initial") << "2x+3y-1=0"
                             << "x-2y+4=0"
                             << "0,87x+13,92y-16,66=0"
                             << "8,08x-0,5y+12,19=0";
    QTest::newRow("the axes") << "x=0"
                              << "y=0"
                              << "x-y=0"
                              << "x+y=0";
    QTest::newRow("perpendicular, rearranged") << "y=x"
                                               << "y = -x + 2"
                                               << "-2,83x+0y+2,83=0"
                                               << "0x+2,83y-2,83=0";
}

void TestLines4Form::bisectors() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, one);
    QFETCH(QString, other);
    type(*form, {"Text9", first, "Text10", second});
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        press(*form, "Dados7");
        QVERIFY(label(*form, "Resultado5").isEmpty() && label(*form, "Resultado6").isEmpty());
        QCOMPARE(lines(*form->board(), Azul, 2).size(), std::size_t(2));
        QCOMPARE(count(*form->board(), Primitive::Kind::Line, Vermelho), 0);
        press(*form, "Resolver7");
        QCOMPARE(label(*form, "Resultado5"), regional(one, comma));
        QCOMPARE(label(*form, "Resultado6"), regional(other, comma));
        QVERIFY(!form->ModoResolver());
    }
    QVERIFY(messages->messages.empty());
}

void TestLines4Form::bisectorsAreDrawnDotted() {
    type(*form, {"Text9", "x=0", "Text10", "y=0"});
    press(*form, "Resolver7");
    const Board& b = *form->board();
    QVERIFY(hasSegment(b, {0, 9}, {0, -9}, Azul, 2, DashStyle::Solid));
    QVERIFY(hasSegment(b, {-9, 0}, {9, 0}, Azul, 2, DashStyle::Solid));
    QVERIFY(hasSegment(b, {9, 9}, {-9, -9}, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {-9, 9}, {9, -9}, Vermelho, 1, DashStyle::Dotted));
    QCOMPARE(count(b, Primitive::Kind::Line, Vermelho), 2);
}

void TestLines4Form::parallelLinesHaveNoBisectors() {
    press(*form, "Resolver7");
    type(*form, {"Text9", "2x+3y-1=0", "Text10", "4x+6y+5=0"});
    for (const char* button : {"Dados7", "Resolver7"}) {
        messages->clear();
        press(*form, QLatin1String(button));
        QCOMPARE(messages->messages.size(), std::size_t(1));
        QVERIFY(messages->messages.front() == (Message{Parallel, MessageIcon::Information}));
        QCOMPARE(lines(*form->board(), Azul, 2).size(), std::size_t(2));
        QCOMPARE(count(*form->board(), Primitive::Kind::Line, Vermelho), 0);
        QVERIFY(label(*form, "Resultado5").isEmpty() && label(*form, "Resultado6").isEmpty());
        QVERIFY(!form->ModoResolver());
    }
    // After a "Resolver" that ended in a message, "Dados" only draws the data.
    type(*form, {"Text10", "x-2y+4=0"});
    messages->clear();
    press(*form, "Dados7");
    QVERIFY(messages->messages.empty());
    QCOMPARE(count(*form->board(), Primitive::Kind::Line, Vermelho), 0);
    QVERIFY(label(*form, "Resultado5").isEmpty());
}

void TestLines4Form::bisectorsOfNoLine() {
    type(*form, {"Text10", "0x+0y=1"});
    press(*form, "Dados7");
    // Drawing reports the text that is no line; the test for parallel lines
    // then finds 0 = 0 and ends the press.
    QCOMPARE(messages->texts(), (QStringList{NotALine, Parallel}));
    QCOMPARE(lines(*form->board(), Azul, 2).size(), std::size_t(1));
    QVERIFY(!form->ModoResolver());
}

void TestLines4Form::refusedLineLeavesTheBoard() {
    press(*form, "Dados3");
    type(*form, {"Text9", "x>0=y", "Text10", "x + y = 1"});
    press(*form, "Resolver7");
    QCOMPARE(messages->texts(), QStringList{Refused});
    // Both fields were stripped before either was checked.
    QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("Text10"))->text(),
             QStringLiteral("x+y=1"));
    QVERIFY(hasDot(*form->board(), {-1, 3}, Azul));
    QCOMPARE(lines(*form->board(), Azul, 2).size(), std::size_t(0));
    QVERIFY(!form->ModoResolver());
}

// --- no text breaks the form --------------------------------------------

void TestLines4Form::hostileTexts_data() {
    QTest::addColumn<QString>("text");
    const char* texts[] = {"abc", "",   "1/0",     "sqr(-1)", "10^400", "10^300", "x",
                           "=",   "==", "x^2+y^2", ">",       "<",      ","};
    for (const char* t : texts)
        QTest::newRow(*t ? t : "empty") << QString::fromLatin1(t);
    QTest::newRow("10000 nines") << QString(10000, QLatin1Char('9'));
    QTest::newRow("10000 parentheses") << QString(10000, QLatin1Char('('));
}

void TestLines4Form::hostileTexts() {
    QFETCH(QString, text);
    struct Case {
        const char* field;
        const char* option;
        const char* frame; // "3" or "7"
    };
    const Case cases[] = {
        {"Abcissa1", "Option1", "3"},  {"Ordenada1", "Option2", "3"}, {"Abcissa1", "Option3", "3"},
        {"Ordenada1", "Option6", "3"}, {"Text2", "Option3", "3"},     {"Text6", "Option4", "3"},
        {"Text4", "Option6", "3"},     {"Text5", "Option6", "3"},     {"Text9", nullptr, "7"},
        {"Text10", nullptr, "7"},
    };
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        for (const Case& c : cases) {
            const bool pointFrame = QLatin1String(c.frame) == QLatin1String("3");
            const QStringList results = pointFrame ? QStringList{"Resultado1", "Resultado2"}
                                                   : QStringList{"Resultado5", "Resultado6"};
            for (const char* kind : {"Dados", "Resolver"}) {
                const QString button = QLatin1String(kind) + QLatin1String(c.frame);
                const QString where = QLatin1String(c.field) + QLatin1Char(' ') +
                                      QLatin1String(c.option ? c.option : "") + QLatin1Char(' ') +
                                      button;
                Lines4Form fresh;
                if (c.option) choose(fresh, QLatin1String(c.option));
                type(fresh, {QLatin1String(c.field), text});
                messages->clear();
                press(fresh, button);
                QVERIFY2(!fresh.ModoResolver(), qPrintable(where));
                bool wrote = false;
                for (const QString& name : results) {
                    const QString written = label(fresh, name);
                    wrote = wrote || !written.isEmpty();
                    for (const char* bad : {"inf", "nan", "(  ,", ",  )"})
                        QVERIFY2(!written.contains(QLatin1String(bad), Qt::CaseInsensitive),
                                 qPrintable(where + QLatin1String(": ") + written));
                }
                const bool drew = count(*fresh.board(), Primitive::Kind::Dot, Azul) +
                                      count(*fresh.board(), Primitive::Kind::Line, Azul) >
                                  0;
                const bool isDados = QLatin1String(kind) == QLatin1String("Dados");
                const std::size_t n = messages->messages.size();
                // "=" reads as 0 = 0, which is no line: the drawing reports it
                // and the routine goes on, to the two lines made from it (each
                // reported alike) or to the message about parallel lines.
                const bool noLineThenMore =
                    n > 1 && n <= 3 && messages->messages.front().text == NotALine;
                QVERIFY2(n == 1 || noLineThenMore || (n == 0 && (isDados ? drew : wrote)),
                         qPrintable(where + QLatin1String(": ") + QString::number(n)));
            }
        }
    }
}

QTEST_MAIN(TestLines4Form)
#include "tst_lines4form.moc"
