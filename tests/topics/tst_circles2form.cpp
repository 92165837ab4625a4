#include "circles2form.h"
#include "formdriver.h"
#include "topics.h"

#include <QGroupBox>
#include <QRadioButton>
#include <memory>

using namespace FormDriver;

namespace {
/// The vertices of the blue triangle, from its sides drawn in the order
/// P1P2, P1P3, P2P3; empty when the sides are not that.
std::vector<QPointF> sides(const Board& board) {
    std::vector<Primitive> lines;
    for (const Primitive& p : drawn(board, Primitive::Kind::Line, Azul))
        if (p.width == 2) lines.push_back(p);
    if (lines.size() != 3 || lines[1].p1 != lines[0].p1 || lines[2].p1 != lines[0].p2 ||
        lines[2].p2 != lines[1].p2)
        return {};
    return {lines[0].p1, lines[0].p2, lines[1].p2};
}

/// The incentre as the vertices weighted by the opposite sides, and the
/// inradius as area over half the perimeter.
std::pair<QPointF, double> incircle(QPointF a, QPointF b, QPointF c) {
    const double la = apart(b, c), lb = apart(a, c), lc = apart(a, b);
    const double s = la + lb + lc;
    const QPointF centre = (la * a + lb * b + lc * c) / s;
    const double area =
        std::fabs((b.x() - a.x()) * (c.y() - a.y()) - (c.x() - a.x()) * (b.y() - a.y())) / 2;
    return {centre, area / (s / 2)};
}

/// The circumcentre where the perpendicular bisectors meet.
std::pair<QPointF, double> circumcircle(QPointF a, QPointF b, QPointF c) {
    const double d =
        2 * (a.x() * (b.y() - c.y()) + b.x() * (c.y() - a.y()) + c.x() * (a.y() - b.y()));
    const double sa = a.x() * a.x() + a.y() * a.y(), sb = b.x() * b.x() + b.y() * b.y(),
                 sc = c.x() * c.x() + c.y() * c.y();
    const QPointF centre((sa * (b.y() - c.y()) + sb * (c.y() - a.y()) + sc * (a.y() - b.y())) / d,
                         (sa * (c.x() - b.x()) + sb * (a.x() - c.x()) + sc * (b.x() - a.x())) / d);
    return {centre, apart(centre, a)};
}

const QString Collinear = QString::fromUtf8("Os pontos são colineares, não definem um triângulo.");
const QString Interior = QString::fromUtf8("O ponto é interior à circunferência.");
const QString NoCircle = QString::fromUtf8("Os pontos não definem uma circunferência");
const QString DivisionByZero = QString::fromUtf8("Erro:\n\nDivisão por zero.");
} // namespace

class TestCircles2Form : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void registeredAsTopic();

    void triangleCircle_data();
    void triangleCircle();
    void triangleConstruction();
    void collinearVertices_data();
    void collinearVertices();

    void pointToCircle_data();
    void pointToCircle();
    void pointInside_data();
    void pointInside();
    void distanceReadsInTheReaderOrder_data();
    void distanceReadsInTheReaderOrder();

    void tangentCircle_data();
    void tangentCircle();
    void degenerateLineReportedTwice();

    void threePoints_data();
    void threePoints();
    void threePointsWithoutCircle_data();
    void threePointsWithoutCircle();

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
    std::unique_ptr<Circles2Form> form;
};

void TestCircles2Form::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<Circles2Form>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestCircles2Form::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
    useDecimalComma(true);
}

// --- the form -------------------------------------------------------------

void TestCircles2Form::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const char* const fields[][2] = {{"Abcissa1", "-5"},
                                     {"Ordenada1", "-3"},
                                     {"Abcissa2", "4"},
                                     {"Ordenada2", "6"},
                                     {"Abcissa3", "8"},
                                     {"Ordenada3", "-1"},
                                     {"Text9", "(x+1)^2+(y-2)^2=25"},
                                     {"Abcissa4", "6"},
                                     {"Ordenada4", "9"},
                                     {"Text5", "x-y+4=0"},
                                     {"Abcissa6", "2"},
                                     {"Ordenada6", "-2"},
                                     {"Abcissa9", "5"},
                                     {"Ordenada9", "1"},
                                     {"Abcissa10", "4"},
                                     {"Ordenada10", "6"},
                                     {"Abcissa11", "2"},
                                     {"Ordenada11", "-2"}};
    for (const auto& f : fields)
        QTest::newRow(f[0]) << f[0] << f[1];
    const char* const frames[][2] = {
        {"Frame4", "Circunferência e triângulo"},
        {"Frame6", "Distância de um ponto P a uma circunferência"},
        {"Frame7", "Circunferência de centro C e tangente a uma recta"},
        {"Frame1", "Circunferência definida por três pontos"}};
    for (const auto& f : frames)
        QTest::newRow(f[0]) << f[0] << QString::fromUtf8(f[1]);
    QTest::newRow("Option1") << "Option1"
                             << "Inscrita";
    QTest::newRow("Option2") << "Option2"
                             << "Circunscrita";
    for (int n : {1, 3, 6, 7}) {
        const QByteArray dados = "Dados" + QByteArray::number(n);
        const QByteArray resolver = "Resolver" + QByteArray::number(n);
        QTest::newRow(dados) << QString::fromLatin1(dados) << "Dados";
        QTest::newRow(resolver) << QString::fromLatin1(resolver) << "Resolver";
    }
}

void TestCircles2Form::controls() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* w = form->findChild<QWidget*>(name);
    QVERIFY2(w, qPrintable(name));
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        QCOMPARE(field->text(), text);
        QVERIFY(!field->accessibleName().isEmpty());
        const bool point = name.startsWith("Abcissa") || name.startsWith("Ordenada");
        QCOMPARE(field->toolTip().isEmpty(), !point);
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
        QCOMPARE(box->title(), text);
    } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
        QCOMPARE(option->text(), text);
        QCOMPARE(option->isChecked(), name == QLatin1String("Option1"));
    } else {
        auto* button = qobject_cast<QPushButton*>(w);
        QVERIFY(button);
        QCOMPARE(button->text(), text);
        QCOMPARE(button->toolTip(), text == QLatin1String("Dados")
                                        ? QStringLiteral("Desenha os dados do problema.")
                                        : QStringLiteral("Resolve o propblema."));
    }
}

void TestCircles2Form::registeredAsTopic() {
    QVERIFY(isTopicBuilt(Topic::Circunferencia2));
    std::unique_ptr<QWidget> created(createTopicForm(Topic::Circunferencia2));
    QVERIFY(qobject_cast<Circles2Form*>(created.get()));
    QCOMPARE(created->objectName(), QStringLiteral("Form6"));
    QCOMPARE(created->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
    QCOMPARE(created->findChild<QLabel*>(QStringLiteral("Titulo"))->text(),
             QString::fromUtf8("CIRCUNFERÊNCIA - 2"));
    QCOMPARE(form->board()->x(), 60 / 15);
    for (const char* result :
         {"Resultado1", "Resultado2", "Resultado3", "Resultado4", "Resultado5", "Resultado6"})
        QVERIFY(label(*form, result).isEmpty());
}

// --- circle and triangle --------------------------------------------------

void TestCircles2Form::triangleCircle_data() {
    QTest::addColumn<QStringList>("vertices");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    const QStringList initial{"-5", "-3", "4", "6", "8", "-1"};
    QTest::newRow("initial, inscribed") << initial << "Option1"
                                        << "(x- 3,36)^2 + (y-1,24)^2 = 8,51"
                                        << "(x- 3.36)^2 + (y-1.24)^2 = 8.51";
    QTest::newRow("initial, circumscribed") << initial << "Option2"
                                            << "(x- 1,23)^2 + (y+0,23)^2 = 46,47"
                                            << "(x- 1.23)^2 + (y+0.23)^2 = 46.47";
    const QStringList right{"0", "0", "4", "0", "0", "3"};
    QTest::newRow("right triangle, inscribed") << right << "Option1"
                                               << "(x- 1)^2 + (y-1)^2 = 1"
                                               << "(x- 1)^2 + (y-1)^2 = 1";
    QTest::newRow("right triangle, circumscribed") << right << "Option2"
                                                   << "(x- 2)^2 + (y-1,5)^2 = 6,25"
                                                   << "(x- 2)^2 + (y-1.5)^2 = 6.25";
    const QStringList left{"0", "0", "-4", "0", "0", "3"};
    QTest::newRow("negative abscissa keeps both signs") << left << "Option1"
                                                        << "(x- -1)^2 + (y-1)^2 = 1"
                                                        << "(x- -1)^2 + (y-1)^2 = 1";
    QTest::newRow("negative abscissa, circumscribed") << left << "Option2"
                                                      << "(x- -2)^2 + (y-1,5)^2 = 6,25"
                                                      << "(x- -2)^2 + (y-1.5)^2 = 6.25";
    QTest::newRow("isosceles below the axis")
        << QStringList{"-6", "-5", "6", "-5", "0", "3"} << "Option1"
        << "(x- 0)^2 + (y+2)^2 = 9"
        << "(x- 0)^2 + (y+2)^2 = 9";
    QTest::newRow("expressions, half to even")
        << QStringList{"2*3", "sqr(16)", "x-1", "0", "1/2", "-1"} << "Option2"
        << "(x- 2)^2 + (y-2,88)^2 = 17,27"
        << "(x- 2)^2 + (y-2.88)^2 = 17.27";
}

void TestCircles2Form::triangleCircle() {
    QFETCH(QStringList, vertices);
    QFETCH(QString, option);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    type(*form, {"Abcissa1", vertices[0], "Ordenada1", vertices[1], "Abcissa2", vertices[2],
                 "Ordenada2", vertices[3], "Abcissa3", vertices[4], "Ordenada3", vertices[5]});
    QTest::mouseClick(form->findChild<QRadioButton*>(option), Qt::LeftButton);
    press(*form, "Resolver1");
    QCOMPARE(label(*form, "Resultado1"), comma);
    const Board& b = *form->board();
    const std::vector<QPointF> corners = sides(b);
    QCOMPARE(corners.size(), std::size_t(3));
    const auto [centre, radius] = option == QLatin1String("Option1")
                                      ? incircle(corners[0], corners[1], corners[2])
                                      : circumcircle(corners[0], corners[1], corners[2]);
    const auto circles = drawn(b, Primitive::Kind::Circle, Vermelho);
    QCOMPARE(circles.size(), std::size_t(1));
    QVERIFY(nearPoint(circles[0].p1, centre, 1e-12));
    QVERIFY(near(circles[0].radius, radius, 1e-12));
    QCOMPARE(circles[0].width, 2);
    QCOMPARE(circles[0].effectiveStyle(), DashStyle::Solid);
    QVERIFY(hasDot(b, centre, Vermelho));
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());

    useDecimalComma(false);
    press(*form, "Resolver1");
    QCOMPARE(label(*form, "Resultado1"), point);

    press(*form, "Dados1"); // draws the triangle, keeps the label
    QCOMPARE(label(*form, "Resultado1"), point);
    QCOMPARE(countIn(b, Vermelho), 0);
    QCOMPARE(sides(b).size(), std::size_t(3));
}

void TestCircles2Form::triangleConstruction() {
    // A scalene triangle in no special position: the red circle must touch
    // the three sides (inscribed) or pass through the three vertices.
    const QPointF p1(-7, -2), p2(3, 7.5), p3(6, -4);
    type(*form, {"Abcissa1", "-7", "Ordenada1", "-2", "Abcissa2", "3", "Ordenada2", "7.5",
                 "Abcissa3", "6", "Ordenada3", "-4"});
    const Board& b = *form->board();
    press(*form, "Resolver1");
    const Primitive in = drawn(b, Primitive::Kind::Circle, Vermelho).at(0);
    for (auto [a, c] : {std::pair{p1, p2}, {p1, p3}, {p2, p3}}) {
        QVERIFY(near(distanceToLine(in.p1, a, c), in.radius, 1e-12));
        QVERIFY(hasSegment(b, a, c, Azul, 2, DashStyle::Solid));
    }
    QVERIFY(hasDot(b, in.p1, Vermelho));
    QVERIFY(hasSegment(b, p1, in.p1, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, p2, in.p1, Vermelho, 1, DashStyle::Dotted));

    QTest::mouseClick(form->findChild<QRadioButton*>(QStringLiteral("Option2")), Qt::LeftButton);
    press(*form, "Resolver1");
    const Primitive out = drawn(b, Primitive::Kind::Circle, Vermelho).at(0);
    for (QPointF v : {p1, p2, p3})
        QVERIFY(near(apart(out.p1, v), out.radius, 1e-12));
    QVERIFY(hasDot(b, out.p1, Vermelho));
    QVERIFY(hasSegment(b, out.p1, (p1 + p2) / 2, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, out.p1, (p1 + p3) / 2, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {out.p1.x(), 0}, out.p1, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {0, out.p1.y()}, out.p1, Vermelho, 1, DashStyle::Dotted));
    QCOMPARE(out.width, 2);
}

void TestCircles2Form::collinearVertices_data() {
    QTest::addColumn<QStringList>("vertices");
    QTest::addColumn<QString>("button");
    QTest::newRow("diagonal, Dados") << QStringList{"0", "0", "1", "1", "2", "2"} << "Dados1";
    QTest::newRow("diagonal, Resolver") << QStringList{"0", "0", "1", "1", "2", "2"} << "Resolver1";
    QTest::newRow("two equal vertices")
        << QStringList{"3", "1", "3", "1", "-2", "5"} << "Resolver1";
    QTest::newRow("vertical") << QStringList{"2", "-1", "2", "4", "2", "9"} << "Resolver1";
}

void TestCircles2Form::collinearVertices() {
    QFETCH(QStringList, vertices);
    QFETCH(QString, button);
    press(*form, "Resolver1");
    const QString before = label(*form, "Resultado1");
    const DisplayList drawing = form->board()->displayList();
    messages->clear();
    type(*form, {"Abcissa1", vertices[0], "Ordenada1", vertices[1], "Abcissa2", vertices[2],
                 "Ordenada2", vertices[3], "Abcissa3", vertices[4], "Ordenada3", vertices[5]});
    press(*form, button);
    expectOnly(Collinear);
    QCOMPARE(form->board()->displayList().size(), drawing.size()); // not cleared
    QCOMPARE(label(*form, "Resultado1"), before);
    QVERIFY(!form->ModoResolver());
}

// --- distance from a point to a circle ------------------------------------

void TestCircles2Form::pointToCircle_data() {
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QStringList>("point");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QPointF>("nearest");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("dot");
    const double k = 5 / std::sqrt(2.0);
    QTest::newRow("initial") << "(x+1)^2+(y-2)^2=25" << QStringList{"6", "9"} << QPointF(-1, 2)
                             << 5.0 << QPointF(-1 + k, 2 + k) << "4,9"
                             << "4.9";
    QTest::newRow("on the circle") << "(x+1)^2+(y-2)^2=25" << QStringList{"2", "6"}
                                   << QPointF(-1, 2) << 5.0 << QPointF(2, 6) << "0"
                                   << "0";
    QTest::newRow("above") << "x^2 + y^2 = 4" << QStringList{"0", "10"} << QPointF(0, 0) << 2.0
                           << QPointF(0, 2) << "8"
                           << "8";
    QTest::newRow("diagonal") << "x^2+y^2-4x-6y-3=0" << QStringList{"5", "-1"} << QPointF(2, 3)
                              << 4.0 << QPointF(2 + 4 * 0.6, 3 - 4 * 0.8) << "1"
                              << "1";
    QTest::newRow("decimal") << "x^2+y^2=4" << QStringList{"3", "3"} << QPointF(0, 0) << 2.0
                             << QPointF(std::sqrt(2.0), std::sqrt(2.0)) << "2,24"
                             << "2.24";
    QTest::newRow("left") << "2x^2+2y^2-8=0" << QStringList{"-9.5", "0"} << QPointF(0, 0) << 2.0
                          << QPointF(-2, 0) << "7,5"
                          << "7.5";
}

void TestCircles2Form::pointToCircle() {
    QFETCH(QString, equation);
    QFETCH(QStringList, point);
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    QFETCH(QPointF, nearest);
    QFETCH(QString, comma);
    QFETCH(QString, dot);
    const QPointF p(point[0].toDouble(), point[1].toDouble());
    type(*form, {"Text9", equation, "Abcissa4", point[0], "Ordenada4", point[1]});
    const Board& b = *form->board();
    press(*form, "Dados3");
    QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("Text9"))->text(),
             QString(equation).remove(QLatin1Char(' ')));
    QVERIFY(hasCircle(b, centre, radius, Azul));
    QVERIFY(hasDot(b, centre, Azul) && hasDot(b, p, Azul));
    QVERIFY(hasSegment(b, {centre.x(), 0}, centre, Azul, 1, DashStyle::Dotted));
    QVERIFY(hasSegment(b, {0, p.y()}, p, Azul, 1, DashStyle::Dotted));
    QCOMPARE(countIn(b, Vermelho), 0);

    press(*form, "Resolver3");
    QCOMPARE(label(*form, "Resultado2"), comma);
    QVERIFY(hasSegment(b, p, nearest, Vermelho, 2, DashStyle::Solid));
    QVERIFY(hasSegment(b, nearest, centre, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(hasDot(b, nearest, Vermelho));
    QVERIFY(messages->messages.empty());

    useDecimalComma(false);
    press(*form, "Dados3");
    QCOMPARE(label(*form, "Resultado2"), QString());
    press(*form, "Resolver3");
    QCOMPARE(label(*form, "Resultado2"), dot);
    QVERIFY(!form->ModoResolver());
}

void TestCircles2Form::pointInside_data() {
    QTest::addColumn<QStringList>("point");
    QTest::newRow("inside") << QStringList{"0", "0"};
    QTest::newRow("at the centre") << QStringList{"-1", "2"};
    QTest::newRow("just inside") << QStringList{"3.99", "2"};
}

void TestCircles2Form::pointInside() {
    QFETCH(QStringList, point);
    press(*form, "Resolver3");
    type(*form, {"Abcissa4", point[0], "Ordenada4", point[1]});
    messages->clear();
    press(*form, "Dados3");
    QVERIFY(messages->messages.empty());
    press(*form, "Resolver3");
    expectOnly(Interior);
    QCOMPARE(label(*form, "Resultado2"), QString());
    QVERIFY(hasCircle(*form->board(), {-1, 2}, 5, Azul)); // the data stay drawn
    QCOMPARE(countIn(*form->board(), Vermelho), 0);
    QVERIFY(!form->ModoResolver());
}

void TestCircles2Form::distanceReadsInTheReaderOrder_data() {
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("abscissa");
    QTest::addColumn<QString>("message");
    const QString notCircle = QString::fromUtf8("A equação não representa uma circunferência.");
    const QString point = QString::fromUtf8("A equação representa um ponto.");
    const QString undefined = QString::fromUtf8("Erro:\n\nVariável não definida: abc");
    QTest::newRow("shape before the point") << "x^2+2y^2=4"
                                            << "abc" << notCircle;
    QTest::newRow("characters before the point") << "x^2+y^2<4"
                                                 << "abc" << notCircle;
    QTest::newRow("point before the radius") << "x^2+y^2=0"
                                             << "abc" << undefined;
    QTest::newRow("a single point") << "x^2+y^2=0"
                                    << "1" << point;
    QTest::newRow("imaginary") << "x^2+y^2+4=0"
                               << "1" << notCircle;
    QTest::newRow("no equals sign")
        << "x^2+y^2"
        << "1"
        << QString::fromUtf8("Erro:\n\nArgumento ou chamada de procedimento "
                             "inválidos.");
}

void TestCircles2Form::distanceReadsInTheReaderOrder() {
    QFETCH(QString, equation);
    QFETCH(QString, abscissa);
    QFETCH(QString, message);
    press(*form, "Resolver3");
    type(*form, {"Text9", equation, "Abcissa4", abscissa});
    press(*form, "Resolver3");
    expectOnly(message, message.startsWith("Erro:") ? MessageIcon::None : MessageIcon::Information);
    QCOMPARE(label(*form, "Resultado2"), QString()); // emptied first
    QCOMPARE(countIn(*form->board(), Azul), 0);      // the axes only
    QVERIFY(!form->ModoResolver());
}

// --- circle with a given centre tangent to a line -------------------------

void TestCircles2Form::tangentCircle_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("centre");
    QTest::addColumn<QPointF>("c");
    QTest::addColumn<double>("radius");
    QTest::addColumn<QLineF>("drawnLine");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("dot");
    QTest::newRow("initial") << "x-y+4=0" << QStringList{"2", "-2"} << QPointF(2, -2)
                             << std::sqrt(32.0) << QLineF(5, 9, -9, -5) << "(x- 2)^2 + (y+2)^2 = 32"
                             << "(x- 2)^2 + (y+2)^2 = 32";
    QTest::newRow("centre on the line") << "x-y+4=0" << QStringList{"0", "4"} << QPointF(0, 4)
                                        << 0.0 << QLineF(5, 9, -9, -5) << "(x- 0)^2 + (y-4)^2 = 0"
                                        << "(x- 0)^2 + (y-4)^2 = 0";
    QTest::newRow("horizontal") << "y=3" << QStringList{"2", "-2"} << QPointF(2, -2) << 5.0
                                << QLineF(-9, 3, 9, 3) << "(x- 2)^2 + (y+2)^2 = 25"
                                << "(x- 2)^2 + (y+2)^2 = 25";
    QTest::newRow("vertical") << "x = 5" << QStringList{"1", "1"} << QPointF(1, 1) << 4.0
                              << QLineF(5, -9, 5, 9) << "(x- 1)^2 + (y-1)^2 = 16"
                              << "(x- 1)^2 + (y-1)^2 = 16";
    QTest::newRow("centre written unrounded")
        << "y=0" << QStringList{"1/3", "-0.5"} << QPointF(1.0 / 3, -0.5) << 0.5
        << QLineF(-9, 0, 9, 0) << "(x- 0,333333333333333)^2 + (y+0,5)^2 = 0,25"
        << "(x- 0.333333333333333)^2 + (y+0.5)^2 = 0.25";
    QTest::newRow("negative abscissa")
        << "3x+4y=0" << QStringList{"-1", "3"} << QPointF(-1, 3) << 9.0 / 5
        << QLineF(-9, 6.75, 9, -6.75) << "(x- -1)^2 + (y-3)^2 = 3,24"
        << "(x- -1)^2 + (y-3)^2 = 3.24";
}

void TestCircles2Form::tangentCircle() {
    QFETCH(QString, line);
    QFETCH(QStringList, centre);
    QFETCH(QPointF, c);
    QFETCH(double, radius);
    QFETCH(QLineF, drawnLine);
    QFETCH(QString, comma);
    QFETCH(QString, dot);
    type(*form, {"Text5", line, "Abcissa6", centre[0], "Ordenada6", centre[1]});
    const Board& b = *form->board();
    press(*form, "Dados6");
    QVERIFY(hasSegment(b, drawnLine.p1(), drawnLine.p2(), Azul, 2, DashStyle::Solid));
    QVERIFY(hasDot(b, c, Azul));
    QVERIFY(hasSegment(b, {c.x(), 0}, c, Azul, 1, DashStyle::Dotted));
    QCOMPARE(countIn(b, Vermelho), 0);

    press(*form, "Resolver6");
    QCOMPARE(label(*form, "Resultado3"), comma);
    const auto circles = drawn(b, Primitive::Kind::Circle, Vermelho);
    QCOMPARE(circles.size(), std::size_t(1));
    QVERIFY(nearPoint(circles[0].p1, c) && near(circles[0].radius, radius));
    QCOMPARE(circles[0].width, 1);
    QCOMPARE(circles[0].effectiveStyle(), DashStyle::Solid);
    QVERIFY(messages->messages.empty());

    useDecimalComma(false);
    press(*form, "Resolver6");
    QCOMPARE(label(*form, "Resultado3"), dot);
    QVERIFY(!form->ModoResolver());
}

void TestCircles2Form::degenerateLineReportedTwice() {
    type(*form, {"Text5", "0x+0y=5"});
    press(*form, "Dados6");
    expectOnly(NotALine);
    messages->clear();
    press(*form, "Resolver6");
    QCOMPARE(messages->texts(), (QStringList{NotALine, DivisionByZero}));
    QCOMPARE(label(*form, "Resultado3"), QString());
    QVERIFY(!form->ModoResolver());

    messages->clear();
    type(*form, {"Text5", "x^2+y=0"});
    press(*form, "Resolver6");
    expectOnly(QString::fromUtf8("A equação não representa uma recta."));
}

// --- circle through three points ------------------------------------------

void TestCircles2Form::threePoints_data() {
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<QStringList>("comma");
    QTest::addColumn<QStringList>("dot");
    QTest::newRow("initial") << QStringList{"5", "1", "4", "6", "2", "-2"}
                             << QStringList{"(0,33 , 2,67)", "4,96",
                                            "x^2 + y^2 - 0,67x - 5,33y - 17,33 = 0"}
                             << QStringList{"(0.33 , 2.67)", "4.96",
                                            "x^2 + y^2 - 0.67x - 5.33y - 17.33 = 0"};
    QTest::newRow("unit circle, zero coefficients written")
        << QStringList{"1", "0", "-1", "0", "0", "1"}
        << QStringList{"(0 , 0)", "1", "x^2 + y^2 + 0x + 0y - 1 = 0"}
        << QStringList{"(0 , 0)", "1", "x^2 + y^2 + 0x + 0y - 1 = 0"};
    QTest::newRow("positive constant")
        << QStringList{"4", "2", "1", "5", "-2", "2"}
        << QStringList{"(1 , 2)", "3", "x^2 + y^2 - 2x - 4y - 4 = 0"}
        << QStringList{"(1 , 2)", "3", "x^2 + y^2 - 2x - 4y - 4 = 0"};
    QTest::newRow("all signs") << QStringList{"-1", "-1", "-3", "1", "-5", "-1"}
                               << QStringList{"(-3 , -1)", "2", "x^2 + y^2 + 6x + 2y + 6 = 0"}
                               << QStringList{"(-3 , -1)", "2", "x^2 + y^2 + 6x + 2y + 6 = 0"};
    QTest::newRow("halves") << QStringList{"0", "0", "1", "0", "0", "1"}
                            << QStringList{"(0,5 , 0,5)", "0,71", "x^2 + y^2 - 1x - 1y + 0 = 0"}
                            << QStringList{"(0.5 , 0.5)", "0.71", "x^2 + y^2 - 1x - 1y + 0 = 0"};
}

void TestCircles2Form::threePoints() {
    QFETCH(QStringList, points);
    QFETCH(QStringList, comma);
    QFETCH(QStringList, dot);
    type(*form, {"Abcissa9", points[0], "Ordenada9", points[1], "Abcissa10", points[2],
                 "Ordenada10", points[3], "Abcissa11", points[4], "Ordenada11", points[5]});
    const Board& b = *form->board();
    std::vector<QPointF> given;
    for (int i = 0; i < 6; i += 2)
        given.emplace_back(points[i].toDouble(), points[i + 1].toDouble());
    press(*form, "Dados7");
    for (QPointF p : given) {
        QVERIFY(hasDot(b, p, Azul));
        QVERIFY(hasSegment(b, {p.x(), 0}, p, Azul, 1, DashStyle::Dotted));
        QVERIFY(hasSegment(b, {0, p.y()}, p, Azul, 1, DashStyle::Dotted));
    }
    QCOMPARE(countIn(b, Vermelho), 0);

    press(*form, "Resolver7");
    const QStringList results{label(*form, "Resultado4"), label(*form, "Resultado5"),
                              label(*form, "Resultado6")};
    QCOMPARE(results, comma);
    const Primitive c = drawn(b, Primitive::Kind::Circle, Vermelho).at(0);
    for (QPointF p : given)
        QVERIFY(near(apart(c.p1, p), c.radius, 1e-12));
    QCOMPARE(c.width, 2);
    QVERIFY(hasDot(b, c.p1, Vermelho));
    QVERIFY(hasSegment(b, {c.p1.x(), 0}, c.p1, Vermelho, 1, DashStyle::Dotted));
    QVERIFY(messages->messages.empty());

    useDecimalComma(false);
    press(*form, "Resolver7");
    const QStringList pointResults{label(*form, "Resultado4"), label(*form, "Resultado5"),
                                   label(*form, "Resultado6")};
    QCOMPARE(pointResults, dot);
    QVERIFY(!form->ModoResolver());
}

void TestCircles2Form::threePointsWithoutCircle_data() {
    QTest::addColumn<QStringList>("points");
    QTest::newRow("collinear") << QStringList{"0", "0", "1", "1", "2", "2"};
    QTest::newRow("two equal points") << QStringList{"1", "1", "1", "1", "3", "4"};
    QTest::newRow("three equal points") << QStringList{"2", "5", "2", "5", "2", "5"};
    QTest::newRow("horizontal") << QStringList{"-3", "4", "0", "4", "8", "4"};
}

void TestCircles2Form::threePointsWithoutCircle() {
    QFETCH(QStringList, points);
    press(*form, "Resolver7");
    const QString centre = label(*form, "Resultado4");
    type(*form, {"Abcissa9", points[0], "Ordenada9", points[1], "Abcissa10", points[2],
                 "Ordenada10", points[3], "Abcissa11", points[4], "Ordenada11", points[5]});
    press(*form, "Dados7");
    QVERIFY(messages->messages.empty());
    press(*form, "Resolver7");
    expectOnly(NoCircle);
    const Board& b = *form->board();
    for (int i = 0; i < 6; i += 2)
        QVERIFY(hasDot(b, {points[i].toDouble(), points[i + 1].toDouble()}, Azul));
    QCOMPARE(countIn(b, Vermelho), 0);
    QCOMPARE(label(*form, "Resultado4"), centre); // not cleared
    QVERIFY(!form->ModoResolver());
}

// --- every path ends solve mode -------------------------------------------

void TestCircles2Form::dadosAfterAFailedResolver_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("resolver");
    QTest::addColumn<QString>("dados");
    QTest::newRow("collinear triangle")
        << QStringList{"Abcissa3", "13", "Ordenada3", "15"} << "Resolver1"
        << "Dados1";
    QTest::newRow("interior point") << QStringList{"Abcissa4", "0", "Ordenada4", "0"} << "Resolver3"
                                    << "Dados3";
    QTest::newRow("not a circle") << QStringList{"Text9", "x^2=4"} << "Resolver3"
                                  << "Dados7";
    QTest::newRow("division by zero") << QStringList{"Text5", "0=1"} << "Resolver6"
                                      << "Dados3";
    QTest::newRow("no circle") << QStringList{"Abcissa11", "3", "Ordenada11", "11"} << "Resolver7"
                               << "Dados7";
    QTest::newRow("interpreter error") << QStringList{"Ordenada10", "(("} << "Resolver7"
                                       << "Dados1";
}

void TestCircles2Form::dadosAfterAFailedResolver() {
    QFETCH(QStringList, fields);
    QFETCH(QString, resolver);
    QFETCH(QString, dados);
    const QStringList initial = texts(*form, fields);
    type(*form, fields);
    press(*form, resolver);
    QVERIFY(!messages->messages.empty());
    QVERIFY(!form->ModoResolver());
    type(*form, initial);
    press(*form, dados);
    QVERIFY(countIn(*form->board(), Azul) > 0);
    QCOMPARE(countIn(*form->board(), Vermelho), 0);
}

void TestCircles2Form::hostileText_data() {
    hostileTexts();
}

void TestCircles2Form::hostileText() {
    QFETCH(QString, text);
    pressWithText<Circles2Form>(
        text,
        {
            {1,
             {"Abcissa1", "Ordenada1", "Abcissa2", "Ordenada2", "Abcissa3", "Ordenada3"},
             {"Resultado1"}},
            {3, {"Text9", "Abcissa4", "Ordenada4"}, {"Resultado2"}},
            {6, {"Text5", "Abcissa6", "Ordenada6"}, {"Resultado3"}},
            {7,
             {"Abcissa9", "Ordenada9", "Abcissa10", "Ordenada10", "Abcissa11", "Ordenada11"},
             {"Resultado4", "Resultado5", "Resultado6"}},
        },
        *messages, NotALine);
}

QTEST_MAIN(TestCircles2Form)
#include "tst_circles2form.moc"
