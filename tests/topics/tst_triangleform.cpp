#include "testsupport.h"
#include "topics.h"
#include "triangleform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

namespace {
const QString Collinear3 =
    QStringLiteral("Os três pontos são colineares, não definem um triângulo.");
const QString Collinear = QStringLiteral("Os pontos são colineares, não definem um triângulo.");
const QString DivisionByZero = QStringLiteral("Erro:\n\nDivisão por zero.");
const QString Right = QStringLiteral("O triângulo é rectângulo.");
const QString NotRight = QStringLiteral("O triângulo não é rectângulo.");

QString label(const QWidget& form, const QString& name) {
    return form.findChild<QLabel*>(name)->text();
}

/// Types the six coordinates of A, B and C into the fields numbered from `first`.
void typeVertices(const QWidget& form, int first, const QStringList& coordinates) {
    for (int i = 0; i < 3; ++i) {
        form.findChild<QLineEdit*>(QStringLiteral("Abcissa%1").arg(first + i))
            ->setText(coordinates[2 * i]);
        form.findChild<QLineEdit*>(QStringLiteral("Ordenada%1").arg(first + i))
            ->setText(coordinates[2 * i + 1]);
    }
}

void press(const QWidget& form, const QString& button) {
    auto* b = form.findChild<QPushButton*>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

void choose(const QWidget& form, const QString& option) {
    // As assistive technology does: the state changes without a click.
    form.findChild<QRadioButton*>(option)->setChecked(true);
}

std::vector<Primitive> drawnIn(const Board& board, const QColor& colour) {
    std::vector<Primitive> found;
    for (const Primitive& p : board.displayList())
        if (p.kind != Primitive::Kind::Window && p.color == colour) found.push_back(p);
    return found;
}

bool isSegment(const Primitive& p, QPointF from, QPointF to, int width, DashStyle style) {
    return p.kind == Primitive::Kind::Line && nearPoint(p.p1, from) && nearPoint(p.p2, to) &&
           p.width == width && p.effectiveStyle() == style;
}

bool isDot(const Primitive& p, QPointF at) {
    return p.kind == Primitive::Kind::Dot && p.width == 7 && nearPoint(p.p1, at);
}

QString describe(const Primitive& p) {
    return QStringLiteral("kind %1 (%2, %3)-(%4, %5) width %6")
        .arg(int(p.kind))
        .arg(p.p1.x())
        .arg(p.p1.y())
        .arg(p.p2.x())
        .arg(p.p2.y())
        .arg(p.width);
}

} // namespace

class TestTriangleForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controlsAndTexts();
    void framesFitAndStack();
    void builtByTheTopicFactory();

    void notablePoints_data();
    void notablePoints();
    void constructions_data();
    void constructions();
    void notablePointsDataOnly();
    void degenerateNotablePoints_data();
    void degenerateNotablePoints();

    void area_data();
    void area();
    void rightTriangle_data();
    void rightTriangle();
    void collinearVerticesEndThePress_data();
    void collinearVerticesEndThePress();

    void noCoordinatesBesideUngraduatedAxes();
    void fieldsReadInOrderAfterClearing_data();
    void fieldsReadInOrderAfterClearing();
    void dataAfterAFailedSolve_data();
    void dataAfterAFailedSolve();
    void hostileText_data();
    void hostileText();

private:
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<TriangleForm> form;
};

void TestTriangleForm::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<TriangleForm>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestTriangleForm::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
    useDecimalComma(true);
}

// --- the form -------------------------------------------------------------

void TestTriangleForm::controlsAndTexts() {
    QCOMPARE(form->objectName(), QStringLiteral("Form9"));
    QCOMPARE(form->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
    QCOMPARE(label(*form, QStringLiteral("Titulo")), QStringLiteral("TRIÂNGULO"));
    const std::pair<const char*, const char*> frames[] = {
        {"Frame7", "Pontos notáveis de um triângulo"},
        {"Frame3", "Área de um triângulo"},
        {"Frame4", "Ver se são vértices de um triângulo rectângulo"}};
    for (const auto& [name, caption] : frames)
        QCOMPARE(form->findChild<QGroupBox*>(QLatin1String(name))->title(),
                 QString::fromUtf8(caption));
    const std::pair<const char*, const char*> initial[] = {
        {"Abcissa1", "2"},  {"Ordenada1", "-2"}, {"Abcissa2", "-8"},  {"Ordenada2", "4"},
        {"Abcissa3", "5"},  {"Ordenada3", "8"},  {"Abcissa6", "2"},   {"Ordenada6", "-2"},
        {"Abcissa7", "-8"}, {"Ordenada7", "4"},  {"Abcissa8", "2"},   {"Ordenada8", "-2"},
        {"Abcissa9", "2"},  {"Ordenada9", "-2"}, {"Abcissa10", "-8"}, {"Ordenada10", "4"},
        {"Abcissa11", "5"}, {"Ordenada11", "-2"}};
    for (const auto& [name, text] : initial) {
        auto* field = form->findChild<QLineEdit*>(QLatin1String(name));
        QVERIFY2(field, name);
        QCOMPARE(field->text(), QLatin1String(text));
        QVERIFY(!field->accessibleName().isEmpty());
    }
    QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("Ordenada10"))->accessibleName(),
             QStringLiteral("Ordenada de B"));
    const std::pair<const char*, const char*> options[] = {
        {"Option1", "Circuncentro (ponto de encontro das mediatrizes)"},
        {"Option2", "Incentro (ponto de encontro das bissectrizes)"},
        {"Option3", "Ortocentro (ponto de encontro das alturas)"},
        {"Option4", "Baricentro (ponto de encontro das medianas)"}};
    for (const auto& [name, caption] : options) {
        auto* option = form->findChild<QRadioButton*>(QLatin1String(name));
        QCOMPARE(option->text(), QString::fromUtf8(caption));
        QCOMPARE(option->accessibleName(), option->text());
        QCOMPARE(option->isChecked(), QLatin1String(name) == QLatin1String("Option1"));
    }
    QTest::mouseClick(form->findChild<QRadioButton*>(QStringLiteral("Option3")), Qt::LeftButton);
    QVERIFY(!form->findChild<QRadioButton*>(QStringLiteral("Option1"))->isChecked());
    for (int n : {4, 5, 7}) {
        QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("Dados%1").arg(n))->toolTip(),
                 QStringLiteral("Desenha os dados do problema."));
        QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("Resolver%1").arg(n))->toolTip(),
                 QStringLiteral("Resolve o propblema."));
    }
    for (const char* result : {"Resultado1", "Resultado4", "Resultado5"})
        QVERIFY(label(*form, QLatin1String(result)).isEmpty());
}

void TestTriangleForm::framesFitAndStack() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto* eixos = form->findChild<QGroupBox*>(QStringLiteral("FrameEixos"));
    QCOMPARE(eixos->pos(), QPoint(60 / 15, 180 / 15));
    QCOMPARE(eixos->height(), 1605 / 15);
    int bottom = eixos->geometry().bottom();
    for (const auto& [name, height] :
         {std::pair{"Frame7", 3045}, std::pair{"Frame3", 1785}, std::pair{"Frame4", 1935}}) {
        auto* frame = form->findChild<QGroupBox*>(QLatin1String(name));
        QCOMPARE(frame->height(), height / 15);
        QVERIFY2(frame->y() > bottom, name);
        bottom = frame->geometry().bottom();
        QVERIFY(bottom < frame->parentWidget()->height());
        for (QWidget* w : frame->findChildren<QWidget*>()) {
            QVERIFY2(frame->rect().contains(w->geometry()), qPrintable(w->objectName()));
            if (qobject_cast<QRadioButton*>(w) || qobject_cast<QPushButton*>(w))
                QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(w->objectName()));
        }
    }
}

void TestTriangleForm::builtByTheTopicFactory() {
    QVERIFY(isTopicBuilt(Topic::Triangulo));
    std::unique_ptr<QWidget> created(createTopicForm(Topic::Triangulo));
    QVERIFY(qobject_cast<TriangleForm*>(created.get()));
    QCOMPARE(created->objectName(), QStringLiteral("Form9"));
}

// --- notable points -------------------------------------------------------

void TestTriangleForm::notablePoints_data() {
    QTest::addColumn<QStringList>("vertices");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    const QStringList initial{"2", "-2", "-8", "4", "5", "8"};
    QTest::newRow("initial, circumcentre") << initial << "Option1"
                                           << "(-0,99 , 4,35)"
                                           << "(-0.99 , 4.35)";
    QTest::newRow("initial, incentre") << initial << "Option2"
                                       << "(0,06 , 3,02)"
                                       << "(0.06 , 3.02)";
    QTest::newRow("initial, orthocentre") << initial << "Option3"
                                          << "(0,98 , 1,31)"
                                          << "(0.98 , 1.31)";
    QTest::newRow("initial, centroid") << initial << "Option4"
                                       << "(-0,33 , 3,33)"
                                       << "(-0.33 , 3.33)";
    const QStringList right{"0", "0", "4", "0", "0", "3"};
    QTest::newRow("right, circumcentre") << right << "Option1"
                                         << "(2 , 1,5)"
                                         << "(2 , 1.5)";
    QTest::newRow("right, incentre") << right << "Option2"
                                     << "(1 , 1)"
                                     << "(1 , 1)";
    QTest::newRow("right, orthocentre at the right angle") << right << "Option3"
                                                           << "(0 , 0)"
                                                           << "(0 , 0)";
    QTest::newRow("right, centroid") << right << "Option4"
                                     << "(1,33 , 1)"
                                     << "(1.33 , 1)";
    QTest::newRow("obtuse, orthocentre outside")
        << QStringList{"0", "0", "1", "0", "3", "2"} << "Option3"
        << "(3 , -3)"
        << "(3 , -3)";
    QTest::newRow("collinear, centroid computed")
        << QStringList{"0", "0", "2", "1", "4", "2"} << "Option4"
        << "(2 , 1)"
        << "(2 , 1)";
    QTest::newRow("collinear, incentre computed")
        << QStringList{"0", "0", "2", "0", "4", "0"} << "Option2"
        << "(2 , 0)"
        << "(2 , 0)";
    QTest::newRow("two vertices alike, incentre at them")
        << QStringList{"1", "1", "1", "1", "4", "5"} << "Option2"
        << "(1 , 1)"
        << "(1 , 1)";
    QTest::newRow("expressions in the fields")
        << QStringList{"x", "2-2", "2*2", "0", "0", "sqr(9)"} << "Option1"
        << "(2 , 1,5)"
        << "(2 , 1.5)";
}

void TestTriangleForm::notablePoints() {
    QFETCH(QStringList, vertices);
    QFETCH(QString, option);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    typeVertices(*form, 1, vertices);
    choose(*form, option);
    press(*form, QStringLiteral("Resolver4"));
    QCOMPARE(label(*form, QStringLiteral("Resultado1")), comma);
    useDecimalComma(false);
    press(*form, QStringLiteral("Resolver4"));
    QCOMPARE(label(*form, QStringLiteral("Resultado1")), point);
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

void TestTriangleForm::constructions_data() {
    QTest::addColumn<QStringList>("vertices");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<QList<QLineF>>("construction");
    QTest::addColumn<bool>("dotFirst");
    const QStringList initial{"2", "-2", "-8", "4", "5", "8"};
    const QStringList right{"0", "0", "4", "0", "0", "3"};
    const QPointF a(2, -2), b(-8, 4), c(5, 8);
    const QPointF mAB(-3, 1), mAC(3.5, 3), mCB(-1.5, 6);
    {
        const QPointF p(-117.0 / 118, 513.0 / 118);
        QTest::newRow("circumcentre: bisectors, then the dot")
            << initial << "Option1" << p << QList<QLineF>{{p, mAB}, {p, mAC}, {p, mCB}} << false;
    }
    {
        const QPointF p(2, 1.5);
        QTest::newRow("circumcentre of a right triangle on the hypotenuse")
            << right << "Option1" << p << QList<QLineF>{{p, {2, 0}}, {p, {0, 1.5}}, {p, {2, 1.5}}}
            << false;
    }
    {
        const QPointF p(1, 1);
        QTest::newRow("incentre: the dot, then the bisectors")
            << right << "Option2" << p << QList<QLineF>{{p, {0, 0}}, {p, {4, 0}}, {p, {0, 3}}}
            << true;
    }
    {
        const QPointF p(58.0 / 59, 77.0 / 59);
        QTest::newRow("orthocentre: the dot, then the altitudes A, B, C")
            << initial << "Option3" << p
            << QList<QLineF>{{a, {-102.0 / 185, 1164.0 / 185}},
                             {b, {308.0 / 109, 82.0 / 109}},
                             {c, {-7.0 / 34, -23.0 / 34}}}
            << true;
    }
    {
        const QPointF p(3, -3);
        QTest::newRow("orthocentre of an obtuse triangle: feet on the extensions")
            << QStringList{"0", "0", "1", "0", "3", "2"} << "Option3" << p
            << QList<QLineF>{{{0, 0}, {0.5, -0.5}},
                             {{1, 0}, {9.0 / 13, 6.0 / 13}},
                             {{3, 2}, {3, 0}}}
            << true;
    }
    {
        const QPointF p(0, 0);
        QTest::newRow("orthocentre of a right triangle")
            << right << "Option3" << p
            << QList<QLineF>{{{0, 0}, {36.0 / 25, 48.0 / 25}}, {{4, 0}, {0, 0}}, {{0, 3}, {0, 0}}}
            << true;
    }
    {
        const QPointF p(-1.0 / 3, 10.0 / 3);
        QTest::newRow("centroid: the dot, then the medians")
            << initial << "Option4" << p << QList<QLineF>{{p, mAB}, {p, mAC}, {p, mCB}} << true;
    }
    {
        const QPointF p(2, 0);
        QTest::newRow("centroid of collinear points")
            << QStringList{"0", "0", "2", "0", "4", "0"} << "Option4" << p
            << QList<QLineF>{{p, {1, 0}}, {p, {2, 0}}, {p, {3, 0}}} << true;
    }
}

void TestTriangleForm::constructions() {
    QFETCH(QStringList, vertices);
    QFETCH(QString, option);
    QFETCH(QPointF, p);
    QFETCH(QList<QLineF>, construction);
    QFETCH(bool, dotFirst);
    typeVertices(*form, 1, vertices);
    choose(*form, option);
    press(*form, QStringLiteral("Resolver4"));
    const Board& board = *form->board();

    const std::vector<Primitive> blue = drawnIn(board, Azul);
    QCOMPARE(blue.size(), std::size_t(6));
    QPointF v[3];
    for (int i = 0; i < 3; ++i) {
        v[i] = {vertices[2 * i].toDouble(), vertices[2 * i + 1].toDouble()};
        QVERIFY(isDot(blue[std::size_t(i)], v[i]));
    }
    for (int i = 0; i < 3; ++i)
        QVERIFY(isSegment(blue[std::size_t(3 + i)], v[i], v[(i + 1) % 3], 2, DashStyle::Solid));

    const std::vector<Primitive> red = drawnIn(board, Vermelho);
    QCOMPARE(red.size(), std::size_t(6));
    const std::size_t firstLine = dotFirst ? 1 : 0;
    QVERIFY2(isDot(red[dotFirst ? 0 : 3], p), qPrintable(describe(red[dotFirst ? 0 : 3])));
    for (qsizetype i = 0; i < 3; ++i) {
        const Primitive& s = red[firstLine + std::size_t(i)];
        QVERIFY2(isSegment(s, construction[i].p1(), construction[i].p2(), 1, DashStyle::Dotted),
                 qPrintable(describe(s)));
    }
    QVERIFY(isSegment(red[4], {p.x(), 0}, p, 1, DashStyle::Dotted));
    QVERIFY(isSegment(red[5], {0, p.y()}, p, 1, DashStyle::Dotted));
}

void TestTriangleForm::notablePointsDataOnly() {
    for (const char* option : {"Option1", "Option2", "Option3", "Option4"}) {
        choose(*form, QLatin1String(option));
        press(*form, QStringLiteral("Resolver4"));
        press(*form, QStringLiteral("Dados4"));
        QVERIFY(label(*form, QStringLiteral("Resultado1")).isEmpty());
        QVERIFY(drawnIn(*form->board(), Vermelho).empty());
        QCOMPARE(drawnIn(*form->board(), Azul).size(), std::size_t(6));
    }
}

void TestTriangleForm::degenerateNotablePoints_data() {
    QTest::addColumn<QStringList>("vertices");
    QTest::addColumn<QString>("option");
    const QStringList collinear{"0", "0", "2", "1", "4", "2"};
    const QStringList coincident{"3", "3", "3", "3", "3", "3"};
    QTest::newRow("collinear, circumcentre") << collinear << "Option1";
    QTest::newRow("collinear, orthocentre") << collinear << "Option3";
    QTest::newRow("one point, circumcentre") << coincident << "Option1";
    QTest::newRow("one point, incentre") << coincident << "Option2";
    QTest::newRow("one point, orthocentre") << coincident << "Option3";
}

void TestTriangleForm::degenerateNotablePoints() {
    QFETCH(QStringList, vertices);
    QFETCH(QString, option);
    press(*form, QStringLiteral("Resolver4")); // an earlier answer
    typeVertices(*form, 1, vertices);
    choose(*form, option);
    press(*form, QStringLiteral("Resolver4"));
    QCOMPARE(messages->messages.size(), std::size_t(1));
    const Message& m = messages->messages.front();
    QCOMPARE(m.text, DivisionByZero);
    QCOMPARE(m.icon, MessageIcon::None);
    QCOMPARE(m.title, QStringLiteral("Ortoplano"));
    QVERIFY(label(*form, QStringLiteral("Resultado1")).isEmpty());
    QCOMPARE(drawnIn(*form->board(), Azul).size(), std::size_t(6)); // the data stay
    QVERIFY(drawnIn(*form->board(), Vermelho).empty());
    QVERIFY(!form->ModoResolver());
}

// --- area -----------------------------------------------------------------

void TestTriangleForm::area_data() {
    QTest::addColumn<QStringList>("vertices");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::newRow("counter-clockwise") << QStringList{"0", "0", "4", "0", "0", "3"} << "6"
                                       << "6";
    QTest::newRow("clockwise, negative") << QStringList{"0", "0", "0", "3", "4", "0"} << "-6"
                                         << "-6";
    QTest::newRow("initial triangle of the first frame")
        << QStringList{"2", "-2", "-8", "4", "5", "8"} << "-59"
        << "-59";
    QTest::newRow("a half") << QStringList{"0", "0", "1", "0", "0", "1"} << "0,5"
                            << "0.5";
    QTest::newRow("unrounded") << QStringList{"0", "0", "1", "0", "0", "1/3"} << "0,166666666666667"
                               << "0.166666666666667";
}

void TestTriangleForm::area() {
    QFETCH(QStringList, vertices);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    typeVertices(*form, 6, vertices);
    press(*form, QStringLiteral("Dados5"));
    const Board& board = *form->board();
    QVERIFY(label(*form, QStringLiteral("Resultado4")).isEmpty());
    const std::vector<Primitive> data = drawnIn(board, Azul);
    QCOMPARE(data.size(), std::size_t(9)); // three dots, six guide lines, no sides
    QCOMPARE(primitives(board, Primitive::Kind::Dot).size(), std::size_t(3));
    const QPointF a(vertices[0].toDouble(), vertices[1].toDouble());
    QVERIFY(isSegment(data[3], {a.x(), 0}, a, 1, DashStyle::Dotted));
    QVERIFY(isSegment(data[4], {0, a.y()}, a, 1, DashStyle::Dotted));

    press(*form, QStringLiteral("Resolver5"));
    QCOMPARE(label(*form, QStringLiteral("Resultado4")), comma);
    const std::vector<Primitive> solved = drawnIn(board, Azul);
    QCOMPARE(solved.size(), std::size_t(12));
    QVERIFY(drawnIn(board, Vermelho).empty());
    for (std::size_t i = 9; i < 12; ++i)
        QVERIFY(solved[i].kind == Primitive::Kind::Line && solved[i].width == 2 &&
                solved[i].style == DashStyle::Solid);
    useDecimalComma(false);
    press(*form, QStringLiteral("Resolver5"));
    QCOMPARE(label(*form, QStringLiteral("Resultado4")), point);
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

// --- right triangle -------------------------------------------------------

void TestTriangleForm::rightTriangle_data() {
    QTest::addColumn<QStringList>("vertices");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("right angle at A") << QStringList{"0", "0", "4", "0", "0", "3"} << Right;
    QTest::newRow("right angle at B") << QStringList{"4", "0", "0", "0", "0", "3"} << Right;
    QTest::newRow("right angle at C") << QStringList{"4", "0", "0", "3", "0", "0"} << Right;
    QTest::newRow("slanted sides") << QStringList{"0", "0", "1", "2", "-2", "1"} << Right;
    QTest::newRow("initial data") << QStringList{"2", "-2", "-8", "4", "5", "-2"} << NotRight;
    QTest::newRow("close, but not right") << QStringList{"0", "0", "4", "0", "1", "3"} << NotRight;
    // A right angle at A whose squared sides do not add up exactly in doubles.
    QTest::newRow("no tolerance") << QStringList{"0", "0", "0.1", "0.2", "-0.2", "0.1"} << NotRight;
}

void TestTriangleForm::rightTriangle() {
    QFETCH(QStringList, vertices);
    QFETCH(QString, verdict);
    typeVertices(*form, 9, vertices);
    const Board& board = *form->board();
    press(*form, QStringLiteral("Dados7"));
    QCOMPARE(primitives(board, Primitive::Kind::Dot).size(), std::size_t(3));
    QCOMPARE(drawnIn(board, Azul).size(), std::size_t(3));
    QVERIFY(drawnIn(board, Vermelho).empty());
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        press(*form, QStringLiteral("Resolver7"));
        QCOMPARE(label(*form, QStringLiteral("Resultado5")), verdict);
    }
    QPointF v[3];
    for (int i = 0; i < 3; ++i)
        v[i] = {vertices[2 * i].toDouble(), vertices[2 * i + 1].toDouble()};
    const std::vector<Primitive> sides = drawnIn(board, Vermelho);
    QCOMPARE(sides.size(), std::size_t(3));
    for (int i = 0; i < 3; ++i)
        QVERIFY(isSegment(sides[std::size_t(i)], v[i], v[(i + 1) % 3], 2, DashStyle::Solid));
    QVERIFY(messages->messages.empty());
}

// --- collinear vertices in the area and right-triangle frames ------------

void TestTriangleForm::collinearVerticesEndThePress_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<QStringList>("vertices");
    QTest::addColumn<bool>("solve");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("blueAfter"); // what stays drawn in blue
    const QStringList repeated{"2", "-2", "-8", "4", "2", "-2"};
    const QStringList inLine{"-1", "-1", "1", "1", "3", "3"};
    QTest::newRow("area, initial data") << 5 << repeated << true << Collinear3 << 9;
    QTest::newRow("area, a line") << 5 << inLine << true << Collinear3 << 9;
    QTest::newRow("right, solving") << 7 << inLine << true << Collinear << 0;
    QTest::newRow("right, data too") << 7 << inLine << false << Collinear << 0;
    QTest::newRow("right, two vertices alike")
        << 7 << QStringList{"1", "1", "5", "2", "1", "1"} << true << Collinear << 0;
}

void TestTriangleForm::collinearVerticesEndThePress() {
    QFETCH(int, frame);
    QFETCH(QStringList, vertices);
    QFETCH(bool, solve);
    QFETCH(QString, message);
    QFETCH(int, blueAfter);
    const int first = frame == 5 ? 6 : 9;
    const QString result = frame == 5 ? QStringLiteral("Resultado4") : QStringLiteral("Resultado5");
    typeVertices(*form, first, {"0", "0", "4", "0", "0", "3"});
    press(*form, QStringLiteral("Resolver%1").arg(frame)); // an earlier answer
    QVERIFY(!label(*form, result).isEmpty());
    typeVertices(*form, first, vertices);
    press(*form, (solve ? QStringLiteral("Resolver%1") : QStringLiteral("Dados%1")).arg(frame));
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QCOMPARE(messages->messages.front(), (Message{message, MessageIcon::Information}));
    QVERIFY(label(*form, result).isEmpty());
    QCOMPARE(int(drawnIn(*form->board(), Azul).size()), blueAfter);
    QVERIFY(drawnIn(*form->board(), Vermelho).empty());
    QVERIFY(!form->ModoResolver());
}

// --- every press ----------------------------------------------------------

void TestTriangleForm::noCoordinatesBesideUngraduatedAxes() {
    for (const char* bound : {"Xmin", "Ymin"})
        form->findChild<QLineEdit*>(QLatin1String(bound))->setText(QStringLiteral("-30"));
    for (const char* bound : {"Xmax", "Ymax"})
        form->findChild<QLineEdit*>(QLatin1String(bound))->setText(QStringLiteral("30"));
    typeVertices(*form, 6, {"0", "0", "4", "0", "0", "3"});
    const std::pair<const char*, const char*> presses[] = {
        {"Resolver4", "Resultado1"}, {"Resolver5", "Resultado4"}, {"Resolver7", "Resultado5"}};
    for (const auto& [button, result] : presses) {
        press(*form, QLatin1String(button));
        QVERIFY(!label(*form, QLatin1String(result)).isEmpty());
        QCOMPARE(printed(*form->board()), (QStringList{"x", "y"}));
    }
}

void TestTriangleForm::fieldsReadInOrderAfterClearing_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result");
    QTest::newRow("notable points") << 1 << "Resolver4"
                                    << "Resultado1";
    QTest::newRow("area") << 6 << "Resolver5"
                          << "Resultado4";
    QTest::newRow("right triangle") << 9 << "Resolver7"
                                    << "Resultado5";
}

void TestTriangleForm::fieldsReadInOrderAfterClearing() {
    QFETCH(int, first);
    QFETCH(QString, button);
    QFETCH(QString, result);
    typeVertices(*form, first, {"0", "0", "4", "0", "0", "3"});
    press(*form, button);
    QVERIFY(!label(*form, result).isEmpty());
    const QStringList unknown{"ax", "ay", "bx", "by", "cx", "cy"};
    QStringList typed = unknown;
    for (int i = 0; i < 6; ++i) {
        messages->clear();
        typeVertices(*form, first, typed);
        press(*form, button);
        QCOMPARE(messages->texts(),
                 QStringList{QStringLiteral("Erro:\n\nVariável não definida: ") + unknown[i]});
        // The board was cleared and the label emptied before the fields were read.
        QVERIFY(label(*form, result).isEmpty());
        QVERIFY(drawnIn(*form->board(), Azul).empty());
        typed[i] = QStringLiteral("1");
    }
}

void TestTriangleForm::dataAfterAFailedSolve_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<QString>("frame");
    QTest::newRow("notable points, division by zero")
        << 1 << QStringList{"0", "0", "1", "1", "2", "2"} << "4";
    QTest::newRow("area, collinear") << 6 << QStringList{"0", "0", "1", "1", "2", "2"} << "5";
    QTest::newRow("right triangle, collinear")
        << 9 << QStringList{"0", "0", "1", "1", "2", "2"} << "7";
    QTest::newRow("right triangle, overflow")
        << 9 << QStringList{"0", "0", "10^300", "1", "2", "-2"} << "7";
}

void TestTriangleForm::dataAfterAFailedSolve() {
    QFETCH(int, first);
    QFETCH(QStringList, failing);
    QFETCH(QString, frame);
    typeVertices(*form, first, failing);
    press(*form, QStringLiteral("Resolver") + frame);
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QVERIFY(!form->ModoResolver());
    typeVertices(*form, first, {"0", "0", "4", "0", "0", "3"});
    press(*form, QStringLiteral("Dados") + frame);
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QVERIFY(drawnIn(*form->board(), Vermelho).empty());
    QVERIFY(!drawnIn(*form->board(), Azul).empty());
    for (const char* result : {"Resultado1", "Resultado4", "Resultado5"})
        QVERIFY(label(*form, QLatin1String(result)).isEmpty());
}

void TestTriangleForm::hostileText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("division by zero") << "1/0";
    QTest::newRow("negative root") << "sqr(-1)";
    QTest::newRow("overflow") << "10^400";
    QTest::newRow("huge") << "10^300";
    QTest::newRow("long") << QString(10000, QLatin1Char('9'));
    QTest::newRow("parentheses") << QString(10000, QLatin1Char('('));
    QTest::newRow("x") << "x";
    QTest::newRow("equals") << "=";
    QTest::newRow("double equals") << "==";
    QTest::newRow("circle") << "x^2+y^2";
    QTest::newRow("greater") << ">";
    QTest::newRow("less") << "<";
    QTest::newRow("lone comma") << ",";
}

void TestTriangleForm::hostileText() {
    QFETCH(QString, text);
    struct Frame {
        int number;
        QStringList fields;
        QString result;
        QStringList options;
    };
    const Frame frames[] = {{4,
                             {"Abcissa1", "Ordenada3", "Xmin"},
                             "Resultado1",
                             {"Option1", "Option2", "Option3", "Option4"}},
                            {5, {"Abcissa6", "Ordenada8", "Ymax"}, "Resultado4", {"Option1"}},
                            {7, {"Abcissa9", "Ordenada11", "Xmax"}, "Resultado5", {"Option1"}}};
    for (const Frame& frame : frames) {
        for (const QString& field : frame.fields) {
            for (const QString& option : frame.options) {
                const QString where = QStringLiteral("%1 %2").arg(field, option);
                TriangleForm fresh;
                fresh.findChild<QLineEdit*>(field)->setText(text);
                choose(fresh, option);
                messages->clear();
                press(fresh, QStringLiteral("Dados%1").arg(frame.number));
                QVERIFY2(!fresh.ModoResolver(), qPrintable(where));
                QVERIFY2(messages->messages.size() <= 1, qPrintable(where));
                QVERIFY2(label(fresh, frame.result).isEmpty(), qPrintable(where));
                messages->clear();
                press(fresh, QStringLiteral("Resolver%1").arg(frame.number));
                QVERIFY2(!fresh.ModoResolver(), qPrintable(where));
                const QString written = label(fresh, frame.result);
                QVERIFY2(written.isEmpty() != messages->messages.empty(), qPrintable(where));
                QVERIFY2(messages->messages.size() <= 1, qPrintable(where));
                for (const char* bad : {"inf", "nan", "( ,", ", )"})
                    QVERIFY2(!written.contains(QLatin1String(bad), Qt::CaseInsensitive),
                             qPrintable(where + QLatin1Char(' ') + written));
            }
        }
    }
}

QTEST_MAIN(TestTriangleForm)
#include "tst_triangleform.moc"
