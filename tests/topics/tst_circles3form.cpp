#include "circles3form.h"
#include "formdriver.h"
#include "topics.h"

#include <QGroupBox>
#include <memory>

using namespace FormDriver;

namespace {
/// Whether p lies on the line through the ends of a segment.
bool onLine(QPointF p, const Primitive& line) {
    return distanceToLine(p, line.p1, line.p2) < 1e-9;
}

const QString Tangent = QString::fromUtf8("As circunferências são tangentes.");
const QString Apart = QString::fromUtf8("As circunferências não se intersectam.");
const QString NotExterior = QString::fromUtf8("O ponto não é exterior à circunferência.");
const QString QOffTheLine = QString::fromUtf8("O ponto Q não pertence à recta.");
const QString DegenerateLine = QString::fromUtf8("A equação que indicou não é a de uma recta.");
const QString DivisionByZero = QString::fromUtf8("Erro:\n\nDivisão por zero.");
} // namespace

class TestCircles3Form : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void boardAndTitleAt120Twips();

    void twoCircles_data();
    void twoCircles();
    void circlesApart_data();
    void circlesApart();
    void identicalCircles();
    void circleRefusals_data();
    void circleRefusals();

    void tangents_data();
    void tangents();
    void tangentsTouchTheCircle_data();
    void tangentsTouchTheCircle();
    void pointNotExterior_data();
    void pointNotExterior();

    void circleTouchingAtQ_data();
    void circleTouchingAtQ();
    void qOffTheLine();
    void pOnTheLine_data();
    void pOnTheLine();

    void dadosAfterAFailedResolver_data();
    void dadosAfterAFailedResolver();
    void hostileText_data();
    void hostileText();

private:
    void expectOnly(const QString& text, MessageIcon icon = MessageIcon::Information) {
        FormDriver::expectOnly(*messages, text, icon);
    }

    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<Circles3Form> form;
};

void TestCircles3Form::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<Circles3Form>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestCircles3Form::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
    useDecimalComma(true);
}

// --- the form -------------------------------------------------------------

void TestCircles3Form::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const char* const fields[][2] = {{"Text6", "x^2+y^2-16x-20y+115=0"},
                                     {"Text7", "x^2+y^2+8x-10y+5=0"},
                                     {"Abcissa4", "-1"},
                                     {"Ordenada4", "0"},
                                     {"Text9", "x^2+y^2-2x-1=0"},
                                     {"Abcissa1", "-3"},
                                     {"Ordenada1", "7"},
                                     {"Abcissa2", "2"},
                                     {"Ordenada2", "6"},
                                     {"Text12", "3x+2y-18=0"}};
    for (const auto& f : fields)
        QTest::newRow(f[0]) << f[0] << f[1];
    const char* const frames[][2] = {
        {"Frame4", "Intersecção de duas circunferências"},
        {"Frame6", "Rectas que passam por P e são tg a uma circunferência"},
        {"Frame3", "Circunferência que passa em P e é tg à recta no ponto Q"}};
    for (const auto& f : frames)
        QTest::newRow(f[0]) << f[0] << QString::fromUtf8(f[1]);
    for (int n : {1, 3, 11}) {
        const QByteArray dados = "Dados" + QByteArray::number(n);
        const QByteArray resolver = "Resolver" + QByteArray::number(n);
        QTest::newRow(dados) << QString::fromLatin1(dados) << "Dados";
        QTest::newRow(resolver) << QString::fromLatin1(resolver) << "Resolver";
    }
}

void TestCircles3Form::controls() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* w = form->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        QCOMPARE(field->text(), text);
        QVERIFY(!field->accessibleName().isEmpty());
        QCOMPARE(field->toolTip(), QString()); // no field of this form has one
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        QCOMPARE(box->title(), text);
    } else {
        auto* button = qobject_cast<QPushButton*>(w);
        QVERIFY(button);
        QCOMPARE(button->text(), text);
        QCOMPARE(button->toolTip(), text == QLatin1String("Dados")
                                        ? QStringLiteral("Desenha os dados do problema.")
                                        : QStringLiteral("Resolve o propblema."));
    }
}

void TestCircles3Form::boardAndTitleAt120Twips() {
    QVERIFY(isTopicBuilt(Topic::Circunferencia3));
    std::unique_ptr<QWidget> created(createTopicForm(Topic::Circunferencia3));
    QVERIFY(qobject_cast<Circles3Form*>(created.get()));
    QCOMPARE(created->objectName(), QStringLiteral("Form7"));
    QCOMPARE(created->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
    auto* title = form->findChild<QLabel*>(QStringLiteral("Titulo"));
    QCOMPARE(title->text(), QString::fromUtf8("CIRCUNFERÊNCIA - 3"));
    QCOMPARE(title->x(), 120 / 15);
    QCOMPARE(form->board()->pos(), QPoint(120 / 15, 1440 / 15));
    for (const char* result :
         {"Resultado1", "Resultado2", "Resultado3", "Resultado4", "Resultado5"})
        QVERIFY(label(*form, result).isEmpty());
    QVERIFY(form->findChild<QLineEdit*>(QStringLiteral("TextA"))->isHidden());
}

// --- intersection of two circles ------------------------------------------

void TestCircles3Form::twoCircles_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("comma");
    QTest::addColumn<QStringList>("dot");
    QTest::addColumn<bool>("tangent");
    QTest::newRow("initial, tangent")
        << "x^2+y^2-16x-20y+115=0"
        << "x^2+y^2+8x-10y+5=0" << QStringList{"(1,54 , 7,31)", "(1,54 , 7,31)"}
        << QStringList{"(1.54 , 7.31)", "(1.54 , 7.31)"} << true;
    QTest::newRow("two points") << "x^2+y^2=25"
                                << "x^2+y^2-12x+11=0" << QStringList{"(3 , 4)", "(3 , -4)"}
                                << QStringList{"(3 , 4)", "(3 , -4)"} << false;
    QTest::newRow("decimals") << "x^2 + y^2 = 4"
                              << "(x-1)^2+y^2=4" << QStringList{"(0,5 , 1,94)", "(0,5 , -1,94)"}
                              << QStringList{"(0.5 , 1.94)", "(0.5 , -1.94)"} << false;
    QTest::newRow("one above the other") << "x^2+(y-1)^2=2"
                                         << "x^2+(y+1)^2=2" << QStringList{"(1 , 0)", "(-1 , 0)"}
                                         << QStringList{"(1 , 0)", "(-1 , 0)"} << false;
    QTest::newRow("touching inside") << "x^2+y^2=9"
                                     << "(x-1)^2+y^2=4" << QStringList{"(3 , 0)", "(3 , 0)"}
                                     << QStringList{"(3 , 0)", "(3 , 0)"} << true;
}

void TestCircles3Form::twoCircles() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QStringList, comma);
    QFETCH(QStringList, dot);
    QFETCH(bool, tangent);
    type(*form, {"Text6", first, "Text7", second});
    const Board& b = *form->board();
    press(*form, "Dados1");
    QVERIFY(messages->messages.empty());
    const auto circles = drawn(b, Primitive::Kind::Circle, Azul);
    QCOMPARE(circles.size(), std::size_t(2));
    for (const Primitive& c : circles) {
        QCOMPARE(c.width, 2);
        QVERIFY(hasDot(b, c.p1, Azul));
        QVERIFY(hasSegment(b, {c.p1.x(), 0}, c.p1, Azul, 1, DashStyle::Dotted));
        QVERIFY(hasSegment(b, {0, c.p1.y()}, c.p1, Azul, 1, DashStyle::Dotted));
    }
    QCOMPARE(countIn(b, Vermelho), 0);

    press(*form, "Resolver1");
    if (tangent)
        expectOnly(Tangent);
    else
        QVERIFY(messages->messages.empty());
    QCOMPARE((QStringList{label(*form, "Resultado1"), label(*form, "Resultado2")}), comma);
    const auto points = drawn(b, Primitive::Kind::Dot, Vermelho);
    QCOMPARE(points.size(), std::size_t(2));
    for (const Primitive& p : points) {
        for (const Primitive& c : circles) // the red points lie on both circles
            QVERIFY(near(apart(p.p1, c.p1), c.radius, 1e-9));
        QVERIFY(hasSegment(b, {p.p1.x(), 0}, p.p1, Vermelho, 1, DashStyle::Dotted));
        QVERIFY(hasSegment(b, {0, p.p1.y()}, p.p1, Vermelho, 1, DashStyle::Dotted));
    }

    useDecimalComma(false);
    press(*form, "Resolver1");
    QCOMPARE((QStringList{label(*form, "Resultado1"), label(*form, "Resultado2")}), dot);
    QVERIFY(!form->ModoResolver());
    press(*form, "Dados1");
    QVERIFY(label(*form, "Resultado1").isEmpty() && label(*form, "Resultado2").isEmpty());
}

void TestCircles3Form::circlesApart_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("button");
    QTest::newRow("concentric, Dados") << "x^2+y^2=1"
                                       << "x^2+y^2=4"
                                       << "Dados1";
    QTest::newRow("concentric, Resolver") << "x^2+y^2=1"
                                          << "x^2+y^2=4"
                                          << "Resolver1";
    QTest::newRow("far apart") << "x^2+y^2=1"
                               << "(x-5)^2+y^2=1"
                               << "Resolver1";
    QTest::newRow("one inside the other") << "x^2+y^2=25"
                                          << "(x-1)^2+(y-1)^2=1"
                                          << "Resolver1";
}

void TestCircles3Form::circlesApart() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, button);
    press(*form, "Resolver1");
    messages->clear();
    type(*form, {"Text6", first, "Text7", second});
    press(*form, button);
    expectOnly(Apart);
    QCOMPARE(drawn(*form->board(), Primitive::Kind::Circle, Azul).size(), std::size_t(2));
    QCOMPARE(drawn(*form->board(), Primitive::Kind::Dot, Azul).size(), std::size_t(2));
    QCOMPARE(countIn(*form->board(), Vermelho), 0);
    QVERIFY(label(*form, "Resultado1").isEmpty() && label(*form, "Resultado2").isEmpty());
    QVERIFY(!form->ModoResolver());
}

void TestCircles3Form::identicalCircles() {
    type(*form, {"Text6", "x^2+y^2=4", "Text7", "2x^2+2y^2-8=0"});
    for (const char* button : {"Dados1", "Resolver1"}) {
        messages->clear();
        press(*form, button);
        expectOnly(DivisionByZero, MessageIcon::None);
        QCOMPARE(countIn(*form->board(), Azul), 0); // the axes only
        QVERIFY(!form->ModoResolver());
    }
}

void TestCircles3Form::circleRefusals_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("message");
    const QString ok = QStringLiteral("x^2+y^2=4");
    const QString firstNot =
        QString::fromUtf8("A primeira equação não representa uma circunferência.");
    const QString secondNot =
        QString::fromUtf8("A segunda equação não representa uma circunferência.");
    QTest::newRow("first, shape") << "x^2+2y^2=4" << ok << firstNot;
    QTest::newRow("first, characters") << "x^2+y^2<4" << ok << firstNot;
    QTest::newRow("first, imaginary") << "x^2+y^2+4=0" << ok << firstNot;
    QTest::newRow("first, a point")
        << "x^2+y^2=0" << ok << QString::fromUtf8("A primeira equação representa um ponto.");
    QTest::newRow("second, shape") << ok << "x^2+x*y+y^2=1" << secondNot;
    QTest::newRow("second, characters") << ok << "x^4+y^2=1" << secondNot;
    QTest::newRow("second, imaginary") << ok << "(x-1)^2+y^2=-1" << secondNot;
    QTest::newRow("second, a point")
        << ok << "(x-3)^2+(y+1)^2=0" << QString::fromUtf8("A segunda equação representa um ponto.");
    QTest::newRow("both refused, the first speaks") << "y^2=x"
                                                    << "x^2+y^2=0" << firstNot;
}

void TestCircles3Form::circleRefusals() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, message);
    press(*form, "Resolver1");
    messages->clear();
    type(*form, {"Text6", first, "Text7", second});
    press(*form, "Resolver1");
    expectOnly(message);
    QCOMPARE(countIn(*form->board(), Azul), 0);
    QCOMPARE(countIn(*form->board(), Vermelho), 0);
    QVERIFY(label(*form, "Resultado1").isEmpty());
    QVERIFY(!form->ModoResolver());
}

// --- tangents from a point ------------------------------------------------

void TestCircles3Form::tangents_data() {
    QTest::addColumn<QString>("circle");
    QTest::addColumn<QStringList>("point");
    QTest::addColumn<QStringList>("comma");
    QTest::addColumn<QStringList>("dot");
    QTest::newRow("initial") << "x^2+y^2-2x-1=0" << QStringList{"-1", "0"}
                             << QStringList{"2x-2y+2 = 0", "-2x-2y-2=0"}
                             << QStringList{"2x-2y+2 = 0", "-2x-2y-2=0"};
    QTest::newRow("decimals") << "x^2+y^2=1" << QStringList{"2", "0"}
                              << QStringList{"1,73x-3y-3,46 = 0", "-1,73x-3y+3,46=0"}
                              << QStringList{"1.73x-3y-3.46 = 0", "-1.73x-3y+3.46=0"};
    QTest::newRow("through the origin")
        << "(x-2)^2+y^2=1" << QStringList{"0", "0"} << QStringList{"1,73x-3y = 0", "-1,73x-3y=0"}
        << QStringList{"1.73x-3y = 0", "-1.73x-3y=0"};
    QTest::newRow("minus one written as a sign")
        << "x^2+y^2=0.5625" << QStringList{"-1.25", "0"}
        << QStringList{"0,75x-y+0,94 = 0", "-0,75x-y-0,94=0"}
        << QStringList{"0.75x-y+0.94 = 0", "-0.75x-y-0.94=0"};
    QTest::newRow("vertical tangent second")
        << "x^2+y^2=1" << QStringList{"1", "2"} << QStringList{"4x+0y-4 = 0", "3x-4y+5=0"}
        << QStringList{"4x+0y-4 = 0", "3x-4y+5=0"};
    QTest::newRow("vertical tangent first")
        << "x^2+y^2=1" << QStringList{"-1", "1"} << QStringList{"0x-2y+2 = 0", "-2x+0y-2=0"}
        << QStringList{"0x-2y+2 = 0", "-2x+0y-2=0"};
    QTest::newRow("corner of the square round the circle")
        << "x^2+y^2=1" << QStringList{"1", "1"} << QStringList{"2x+0y-2 = 0", "0x-2y+2=0"}
        << QStringList{"2x+0y-2 = 0", "0x-2y+2=0"};
}

void TestCircles3Form::tangents() {
    QFETCH(QString, circle);
    QFETCH(QStringList, point);
    QFETCH(QStringList, comma);
    QFETCH(QStringList, dot);
    type(*form, {"Text9", circle, "Abcissa4", point[0], "Ordenada4", point[1]});
    const Board& b = *form->board();
    press(*form, "Dados3");
    QCOMPARE(drawn(b, Primitive::Kind::Circle, Azul).size(), std::size_t(1));
    QCOMPARE(drawn(b, Primitive::Kind::Dot, Azul).size(), std::size_t(2));
    QCOMPARE(countIn(b, Vermelho), 0);
    press(*form, "Resolver3");
    QVERIFY(messages->messages.empty());
    QCOMPARE((QStringList{label(*form, "Resultado4"), label(*form, "Resultado5")}), comma);
    const auto lines = drawn(b, Primitive::Kind::Line, Vermelho);
    QCOMPARE(lines.size(), std::size_t(2));
    for (const Primitive& l : lines) {
        QCOMPARE(l.width, 2);
        QCOMPARE(l.effectiveStyle(), DashStyle::Solid);
    }
    useDecimalComma(false);
    press(*form, "Resolver3");
    QCOMPARE((QStringList{label(*form, "Resultado4"), label(*form, "Resultado5")}), dot);
    QVERIFY(!form->ModoResolver());
}

void TestCircles3Form::tangentsTouchTheCircle_data() {
    QTest::addColumn<QString>("circle");
    QTest::addColumn<QStringList>("point");
    QTest::newRow("initial") << "x^2+y^2-2x-1=0" << QStringList{"-1", "0"};
    QTest::newRow("far and askew") << "(x-1)^2+(y+2)^2=9" << QStringList{"7", "5"};
    QTest::newRow("below left") << "x^2+y^2+4x-2y=4" << QStringList{"-6", "-6"};
    QTest::newRow("vertical tangent") << "x^2+y^2=1" << QStringList{"1", "2"};
    QTest::newRow("both axis-parallel") << "x^2+y^2=1" << QStringList{"-1", "-1"};
    QTest::newRow("horizontal tangent") << "x^2+y^2=4" << QStringList{"-5", "2"};
}

void TestCircles3Form::tangentsTouchTheCircle() {
    // Each red line passes through P, lies at the radius from the centre,
    // and the two lines differ.
    QFETCH(QString, circle);
    QFETCH(QStringList, point);
    type(*form, {"Text9", circle, "Abcissa4", point[0], "Ordenada4", point[1]});
    press(*form, "Resolver3");
    QVERIFY(messages->messages.empty());
    const Board& b = *form->board();
    const Primitive c = drawn(b, Primitive::Kind::Circle, Azul).at(0);
    const QPointF p(point[0].toDouble(), point[1].toDouble());
    const auto lines = drawn(b, Primitive::Kind::Line, Vermelho);
    QCOMPARE(lines.size(), std::size_t(2));
    for (const Primitive& l : lines) {
        QVERIFY(onLine(p, l));
        QVERIFY(near(distanceToLine(c.p1, l.p1, l.p2), c.radius, 1e-9));
    }
    const QPointF u = lines[0].p2 - lines[0].p1, v = lines[1].p2 - lines[1].p1;
    QVERIFY(std::fabs(u.x() * v.y() - u.y() * v.x()) > 1e-6 * apart({}, u) * apart({}, v));
}

void TestCircles3Form::pointNotExterior_data() {
    QTest::addColumn<QString>("circle");
    QTest::addColumn<QStringList>("point");
    QTest::addColumn<QString>("button");
    QTest::newRow("centre, Dados") << "x^2+y^2-2x-1=0" << QStringList{"1", "0"} << "Dados3";
    QTest::newRow("centre, Resolver") << "x^2+y^2-2x-1=0" << QStringList{"1", "0"} << "Resolver3";
    QTest::newRow("on the circle") << "x^2+y^2=1" << QStringList{"1", "0"} << "Resolver3";
    QTest::newRow("inside") << "x^2+y^2=4" << QStringList{"0.5", "-1"} << "Resolver3";
}

void TestCircles3Form::pointNotExterior() {
    QFETCH(QString, circle);
    QFETCH(QStringList, point);
    QFETCH(QString, button);
    press(*form, "Resolver3");
    messages->clear();
    type(*form, {"Text9", circle, "Abcissa4", point[0], "Ordenada4", point[1]});
    press(*form, button);
    expectOnly(NotExterior);
    const Board& b = *form->board();
    const auto circles = drawn(b, Primitive::Kind::Circle, Azul);
    QCOMPARE(circles.size(), std::size_t(1));
    QCOMPARE(circles[0].width, 2);
    QVERIFY(hasDot(b, circles[0].p1, Azul));
    QVERIFY(hasDot(b, {point[0].toDouble(), point[1].toDouble()}, Azul));
    QCOMPARE(countIn(b, Vermelho), 0);
    QVERIFY(label(*form, "Resultado4").isEmpty() && label(*form, "Resultado5").isEmpty());
    QVERIFY(!form->ModoResolver());
}

// --- circle through P touching a line at Q --------------------------------

void TestCircles3Form::circleTouchingAtQ_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("dot");
    QTest::newRow("initial") << "3x+2y-18=0" << QStringList{"-3", "7", "2", "6"}
                             << "(x+1)^2 + (y-4)^2 = 13"
                             << "(x+1)^2 + (y-4)^2 = 13";
    QTest::newRow("horizontal line")
        << "y=3" << QStringList{"1", "7", "1", "3"} << "(x-1)^2 + (y-5)^2 = 4"
        << "(x-1)^2 + (y-5)^2 = 4";
    QTest::newRow("vertical line")
        << "x=2" << QStringList{"0", "0", "2", "0"} << "(x-1)^2 + (y-0)^2 = 1"
        << "(x-1)^2 + (y-0)^2 = 1";
    QTest::newRow("diagonal, decimals")
        << "x - y = 0" << QStringList{"0", "2", "1", "1"} << "(x-0,5)^2 + (y-1,5)^2 = 0,5"
        << "(x-0.5)^2 + (y-1.5)^2 = 0.5";
    QTest::newRow("both coordinates negative")
        << "y=-1" << QStringList{"-3", "-5", "-3", "-1"} << "(x+3)^2 + (y+3)^2 = 4"
        << "(x+3)^2 + (y+3)^2 = 4";
}

void TestCircles3Form::circleTouchingAtQ() {
    QFETCH(QString, line);
    QFETCH(QStringList, points);
    QFETCH(QString, comma);
    QFETCH(QString, dot);
    type(*form, {"Text12", line, "Abcissa1", points[0], "Ordenada1", points[1], "Abcissa2",
                 points[2], "Ordenada2", points[3]});
    const QPointF p(points[0].toDouble(), points[1].toDouble());
    const QPointF q(points[2].toDouble(), points[3].toDouble());
    const Board& b = *form->board();
    press(*form, "Dados11");
    QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("Text12"))->text(),
             QString(line).remove(QLatin1Char(' ')));
    QVERIFY(hasDot(b, p, Azul) && hasDot(b, q, Azul));
    QVERIFY(hasSegment(b, {p.x(), 0}, p, Azul, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {0, q.y()}, q, Azul, 1, DashStyle::Dotted));
    const auto blue = drawn(b, Primitive::Kind::Line, Azul);
    const auto drawnLine =
        std::find_if(blue.begin(), blue.end(), [](const Primitive& l) { return l.width == 2; });
    QVERIFY(drawnLine != blue.end());
    QVERIFY(onLine(q, *drawnLine));
    QCOMPARE(countIn(b, Vermelho), 0);

    press(*form, "Resolver11");
    QVERIFY(messages->messages.empty());
    QCOMPARE(label(*form, "Resultado3"), comma);
    const auto circles = drawn(b, Primitive::Kind::Circle, Vermelho);
    QCOMPARE(circles.size(), std::size_t(1));
    const Primitive& c = circles[0];
    QCOMPARE(c.width, 2);
    QVERIFY(near(apart(c.p1, p), c.radius, 1e-12)); // through P
    QVERIFY(near(apart(c.p1, q), c.radius, 1e-12)); // through Q
    QVERIFY(near(distanceToLine(c.p1, drawnLine->p1, drawnLine->p2), c.radius,
                 1e-9)); // touching the line

    useDecimalComma(false);
    press(*form, "Resolver11");
    QCOMPARE(label(*form, "Resultado3"), dot);
    QVERIFY(!form->ModoResolver());
}

void TestCircles3Form::qOffTheLine() {
    type(*form, {"Ordenada2", "5"});
    for (const char* button : {"Dados11", "Resolver11"}) {
        messages->clear();
        press(*form, button);
        expectOnly(QOffTheLine);
        QVERIFY(hasDot(*form->board(), {2, 5}, Azul));
        QCOMPARE(countIn(*form->board(), Vermelho), 0);
        QVERIFY(label(*form, "Resultado3").isEmpty());
        QVERIFY(!form->ModoResolver());
    }
    messages->clear();
    type(*form, {"Ordenada2", "6", "Text12", "3x^2+2y=18"});
    press(*form, "Resolver11");
    expectOnly(Refused);
}

void TestCircles3Form::pOnTheLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("points");
    QTest::newRow("oblique") << "3x+2y-18=0" << QStringList{"0", "9", "2", "6"};
    QTest::newRow("horizontal") << "y=3" << QStringList{"-4", "3", "1", "3"};
    QTest::newRow("P equal to Q") << "3x+2y-18=0" << QStringList{"2", "6", "2", "6"};
}

void TestCircles3Form::pOnTheLine() {
    QFETCH(QString, line);
    QFETCH(QStringList, points);
    type(*form, {"Text12", line, "Abcissa1", points[0], "Ordenada1", points[1], "Abcissa2",
                 points[2], "Ordenada2", points[3]});
    press(*form, "Resolver11");
    expectOnly(DivisionByZero, MessageIcon::None);
    QVERIFY(label(*form, "Resultado3").isEmpty());
    QCOMPARE(countIn(*form->board(), Vermelho), 0);
    QVERIFY(!form->ModoResolver());
}

// --- every path ends solve mode -------------------------------------------

void TestCircles3Form::dadosAfterAFailedResolver_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("resolver");
    QTest::addColumn<QString>("dados");
    QTest::newRow("tangent circles") << QStringList{} << "Resolver1"
                                     << "Dados1";
    QTest::newRow("circles apart") << QStringList{"Text7", "x^2+y^2=1"} << "Resolver1"
                                   << "Dados3";
    QTest::newRow("identical circles")
        << QStringList{"Text7", "x^2+y^2-16x-20y+115=0"} << "Resolver1"
        << "Dados11";
    QTest::newRow("refused circle") << QStringList{"Text9", "x^2=1"} << "Resolver3"
                                    << "Dados3";
    QTest::newRow("not exterior") << QStringList{"Abcissa4", "1"} << "Resolver3"
                                  << "Dados1";
    QTest::newRow("Q off the line") << QStringList{"Abcissa2", "0"} << "Resolver11"
                                    << "Dados11";
    QTest::newRow("P on the line") << QStringList{"Abcissa1", "0", "Ordenada1", "9"} << "Resolver11"
                                   << "Dados11";
    QTest::newRow("interpreter error") << QStringList{"Ordenada4", "2+"} << "Resolver3"
                                       << "Dados11";
}

void TestCircles3Form::dadosAfterAFailedResolver() {
    QFETCH(QStringList, fields);
    QFETCH(QString, resolver);
    QFETCH(QString, dados);
    const QStringList initial = texts(*form, fields);
    type(*form, fields);
    press(*form, resolver);
    QVERIFY(!messages->messages.empty());
    QVERIFY(!form->ModoResolver());
    type(*form, initial);
    messages->clear();
    press(*form, dados);
    QVERIFY(countIn(*form->board(), Azul) > 0);
    QCOMPARE(countIn(*form->board(), Vermelho), 0);
    // Only the tangent circles speak on "Dados" too: the data come first.
    QVERIFY(messages->messages.empty());
}

void TestCircles3Form::hostileText_data() {
    hostileTexts();
}

void TestCircles3Form::hostileText() {
    QFETCH(QString, text);
    pressWithText<Circles3Form>(
        text,
        {
            {1, {"Text6", "Text7"}, {"Resultado1", "Resultado2"}},
            {3, {"Abcissa4", "Ordenada4", "Text9"}, {"Resultado4", "Resultado5"}},
            {11, {"Abcissa1", "Ordenada1", "Abcissa2", "Ordenada2", "Text12"}, {"Resultado3"}},
        },
        *messages, DegenerateLine);
}

QTEST_MAIN(TestCircles3Form)
#include "tst_circles3form.moc"
