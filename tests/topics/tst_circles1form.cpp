#include "circles1form.h"
#include "testsupport.h"
#include "topics.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <cmath>
#include <memory>

namespace {
QString label(const QWidget& form, const char* name) {
    return form.findChild<QLabel*>(QLatin1String(name))->text();
}

QString fieldText(const QWidget& form, const char* name) {
    return form.findChild<QLineEdit*>(QLatin1String(name))->text();
}

void type(const QWidget& form, const QStringList& namesAndTexts) {
    for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2) {
        auto* field = form.findChild<QLineEdit*>(namesAndTexts[i]);
        QVERIFY2(field, qPrintable(namesAndTexts[i]));
        field->setText(namesAndTexts[i + 1]);
    }
}

void press(const QWidget& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
}

void choose(const QWidget& form, const char* option) {
    form.findChild<QRadioButton*>(QLatin1String(option))->click();
}

/// Primitives drawn in a colour (the axes are black and the grid grey).
int drawnIn(const Board& board, const QColor& colour) {
    int n = 0;
    for (const Primitive& p : board.displayList())
        n += p.kind != Primitive::Kind::Window && p.color == colour;
    return n;
}

std::vector<Primitive> circlesIn(const Board& board, const QColor& colour) {
    std::vector<Primitive> found;
    for (const Primitive& p : primitives(board, Primitive::Kind::Circle))
        if (p.color == colour) found.push_back(p);
    return found;
}

std::vector<QPointF> dotsIn(const Board& board, const QColor& colour) {
    std::vector<QPointF> found;
    for (const Primitive& p : primitives(board, Primitive::Kind::Dot))
        if (p.color == colour && p.width == 7) found.push_back(p.p1);
    return found;
}

/// A circle drawn as the frames draw theirs: 2 pixels wide, solid.
bool hasWideCircle(const Board& board, QPointF centre, double r, const QColor& colour) {
    for (const Primitive& p : circlesIn(board, colour))
        if (nearPoint(p.p1, centre) && near(p.radius, r, 1e-9) && p.width == 2 &&
            p.effectiveStyle() == DashStyle::Solid)
            return true;
    return false;
}

/// The centre marked with its dotted projections onto both axes.
bool hasMarkedCentre(const Board& board, QPointF c, const QColor& colour) {
    return hasDot(board, c, colour) &&
           hasSegment(board, {c.x(), 0}, c, colour, 1, DashStyle::Dotted) &&
           hasSegment(board, {0, c.y()}, c, colour, 1, DashStyle::Dotted);
}

QImage rendered(const Board& board) {
    QImage image(Board::Side, Board::Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    board.render(painter, QSizeF(Board::Side, Board::Side));
    return image;
}

bool redNear(const QImage& image, QPointF at) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor c = image.pixelColor(int(at.x()) + dx, int(at.y()) + dy);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
        }
    return false;
}

const QString NotALine = QString::fromUtf8("A equação não representa uma recta.");
const QString NotACircle = QString::fromUtf8("A equação não representa uma circunferência.");
const QString APoint = QString::fromUtf8("A equação representa um ponto.");
const QString OffCircle = QString::fromUtf8("O ponto não pertence à circunferência.");
const QString Misses = QString::fromUtf8("A recta não intersecta a circunferência.");
const QString NoLine = QString::fromUtf8("A equação que indicou não é a de uma recta.");
const QString ZeroRadius = QString::fromUtf8("O raio não pode ser zero.");
const QString Through =
    QString::fromUtf8("A recta contém o centro da circunferência; esta reduz-se a um ponto.");

QString error(const char* description) {
    return QStringLiteral("Erro:\n\n") + QString::fromUtf8(description);
}
} // namespace

class TestCircles1Form : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controls();
    void topicButtons_data();
    void topicButtons();
    void builtByTheFactory();

    void circleByEquationOrCentre_data();
    void circleByEquationOrCentre();
    void zeroRadiusLeavesAClearedBoard();
    void zeroAndNegativeRadiiDrawSoundly();

    void circleTangentToLine_data();
    void circleTangentToLine();
    void degenerateTangentLine();
    void refusedTangentLineKeepsTheBoard();

    void tangentAtPoint_data();
    void tangentAtPoint();
    void tangentRefusals_data();
    void tangentRefusals();

    void lineMeetsCircle_data();
    void lineMeetsCircle();
    void lineMissesCircle_data();
    void lineMissesCircle();
    void intersectionPreparationOrder_data();
    void intersectionPreparationOrder();
    void degenerateIntersectionLine_data();
    void degenerateIntersectionLine();

    void dadosAfterResolverMessage_data();
    void dadosAfterResolverMessage();
    void hostileText_data();
    void hostileText();

private:
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<Circles1Form> form;
};

void TestCircles1Form::init() {
    useDecimalComma(true);
    messages = std::make_unique<MessageRecorder>();
    nav = std::make_unique<NavigationRecorder>();
    form = std::make_unique<Circles1Form>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestCircles1Form::cleanup() {
    form.reset();
    nav.reset();
    messages.reset();
    useDecimalComma(true);
}

// --- the window --------------------------------------------------------------

void TestCircles1Form::controls() {
    QCOMPARE(form->objectName(), QStringLiteral("Form4"));
    QCOMPARE(form->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Titulo"))->text(),
             QString::fromUtf8("CIRCUNFERÊNCIA - 1"));
    const QStringList frames{"Frame6", "Frame4", "Frame1", "Frame8"};
    const QStringList captions{
        QString::fromUtf8("Circunferência de equação..."),
        QString::fromUtf8("Circunferência com centro num ponto e tg a uma recta"),
        QString::fromUtf8("Tangente a uma circunferência num dos seus pontos"),
        QString::fromUtf8("Intersecção de uma recta com uma circunferência")};
    for (qsizetype i = 0; i < frames.size(); ++i)
        QCOMPARE(form->findChild<QGroupBox*>(frames[i])->title(), captions[i]);
    const QStringList initial{"Text1",     "x^2+y^2-4x-6y-3=0",
                              "Abcissa3",  "2",
                              "Ordenada3", "-3",
                              "Raio",      "4",
                              "Text3",     "2x-3y+4=0",
                              "Abcissa1",  "2",
                              "Ordenada1", "-3",
                              "Abcissa2",  "3",
                              "Ordenada2", "-5",
                              "Text4",     "x^2+y^2-2x-2y-38=0",
                              "Text5",     "3x-2y+1=0",
                              "Text7",     "x^2+y^2-4x-6y-3=0"};
    for (qsizetype i = 0; i + 1 < initial.size(); i += 2) {
        auto* field = form->findChild<QLineEdit*>(initial[i]);
        QVERIFY2(field, qPrintable(initial[i]));
        QCOMPARE(field->text(), initial[i + 1]);
        QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(initial[i]));
    }
    auto* option1 = form->findChild<QRadioButton*>(QStringLiteral("Option1"));
    auto* option2 = form->findChild<QRadioButton*>(QStringLiteral("Option2"));
    QVERIFY(option1->isChecked() && !option2->isChecked());
    QVERIFY(option1->text().isEmpty() && option2->text().isEmpty());
    QVERIFY(!option1->accessibleName().isEmpty() && !option2->accessibleName().isEmpty());
    choose(*form, "Option2");
    QVERIFY(option2->isChecked() && !option1->isChecked());

    QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("Dados3")));
    QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("Resolver3"))->toolTip(),
             QStringLiteral("Resolve o propblema."));
    for (int n : {1, 4, 5}) {
        auto* dados = form->findChild<QPushButton*>(QStringLiteral("Dados%1").arg(n));
        auto* resolver = form->findChild<QPushButton*>(QStringLiteral("Resolver%1").arg(n));
        QCOMPARE(dados->text(), QStringLiteral("Dados"));
        QCOMPARE(dados->toolTip(), QStringLiteral("Desenha os dados do problema."));
        QCOMPARE(resolver->text(), QStringLiteral("Resolver"));
        QCOMPARE(resolver->toolTip(), QStringLiteral("Resolve o propblema."));
    }
    for (const char* result : {"Resultado3", "Resultado4", "Resultado5", "Resultado6"})
        QVERIFY(label(*form, result).isEmpty());
    auto* scratch = form->findChild<QLineEdit*>(QStringLiteral("TextA"));
    QCOMPARE(scratch->text(), QStringLiteral("TextA"));
    QVERIFY(scratch->isHidden());
}

void TestCircles1Form::topicButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    const auto row = [](const char* name, const char* caption, const char* tip) {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(caption)
                            << QString::fromUtf8(tip);
    };
    row("Command2", "Ponto", "Ir para Pontos");
    row("Command7", "Recta 1", "Ir para Recta-1");
    row("Command6", "Recta 2", "Ir para Recta-2");
    row("Command9", "Recta 3", "Ir para Recta-3");
    row("Command8", "Recta 4", "Ir para Recta-4");
    row("Command10", "Círculo 2", "Ir para Circunferência-2");
    row("Command11", "Círculo 3", "Ir para Circunferência-3");
    row("Command12", "Triângulo", "Ir para Triângulo");
    row("Command13", "Instruções", "Ver as instruções");
    row("Command14", "Índice", "Mostrar o índice deste programa");
    row("Command15", "Sintaxe", "Ver a Sintaxe");
    row("Command16", "Funções", "Ver as Funções Definidas");
    row("Command17", "Fechar", "Fechar esta janela");
    row("Sair", "Sair", "Abandonar o programa");
}

void TestCircles1Form::topicButtons() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    auto* button = form->findChild<QToolButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), tip);
}

void TestCircles1Form::builtByTheFactory() {
    QVERIFY(isTopicBuilt(Topic::Circunferencia1));
    std::unique_ptr<QWidget> made(createTopicForm(Topic::Circunferencia1));
    QVERIFY(made);
    QCOMPARE(made->objectName(), QStringLiteral("Form4"));
    QVERIFY(qobject_cast<Circles1Form*>(made.get()));
}

// --- circle by equation or by centre and radius --------------------------------

void TestCircles1Form::circleByEquationOrCentre_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("r");
    QTest::newRow("initial equation")
        << "Option1" << QStringList{} << QString() << QPointF(2, 3) << 4.0;
    QTest::newRow("initial centre and radius")
        << "Option2" << QStringList{} << QString() << QPointF(2, -3) << 4.0;
    QTest::newRow("equation with blanks")
        << "Option1" << QStringList{"Text1", " (x + 1)^2 + (y - 2)^2 = 25 "} << QString()
        << QPointF(-1, 2) << 5.0;
    QTest::newRow("decimal centre")
        << "Option2" << QStringList{"Abcissa3", "-1.5", "Ordenada3", "0.25", "Raio", "sqr(2)"}
        << QString() << QPointF(-1.5, 0.25) << std::sqrt(2.0);
    QTest::newRow("the other option's fields are not read")
        << "Option1" << QStringList{"Raio", "abc"} << QString() << QPointF(2, 3) << 4.0;
    QTest::newRow("equation a point")
        << "Option1" << QStringList{"Text1", "x^2+y^2=0"} << APoint << QPointF() << 0.0;
    QTest::newRow("equation not a circle")
        << "Option1" << QStringList{"Text1", "x^2+x*y+y^2=1"} << NotACircle << QPointF() << 0.0;
    QTest::newRow("xy is a variable name")
        << "Option1" << QStringList{"Text1", "x^2+xy+y^2=1"} << error("Variável não definida: xy")
        << QPointF() << 0.0;
    QTest::newRow("radius zero") << "Option2" << QStringList{"Raio", "0"} << ZeroRadius << QPointF()
                                 << 0.0;
    QTest::newRow("radius reads x as zero")
        << "Option2" << QStringList{"Raio", "x"} << ZeroRadius << QPointF() << 0.0;
    QTest::newRow("unreadable centre") << "Option2" << QStringList{"Ordenada3", "1/0"}
                                       << error("Divisão por zero.") << QPointF() << 0.0;
}

void TestCircles1Form::circleByEquationOrCentre() {
    QFETCH(QString, option);
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(QPointF, centre);
    QFETCH(double, r);
    type(*form, fields);
    choose(*form, qPrintable(option));
    const Board& b = *form->board();
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        messages->clear();
        press(*form, "Resolver3");
        QVERIFY(!form->ModoResolver());
        if (message.isEmpty()) {
            QVERIFY(messages->messages.empty());
            QCOMPARE(circlesIn(b, Vermelho).size(), std::size_t(1));
            QVERIFY(hasWideCircle(b, centre, r, Vermelho));
            QVERIFY(hasMarkedCentre(b, centre, Vermelho));
            QCOMPARE(drawnIn(b, Azul), 0);
        } else {
            QCOMPARE(messages->texts(), QStringList{message});
            QCOMPARE(messages->messages[0].icon, message.startsWith(QLatin1String("Erro:"))
                                                     ? MessageIcon::None
                                                     : MessageIcon::Information);
            QCOMPARE(messages->messages[0].title, QStringLiteral("Ortoplano"));
        }
    }
}

void TestCircles1Form::zeroRadiusLeavesAClearedBoard() {
    const Board& b = *form->board();
    choose(*form, "Option2");
    press(*form, "Resolver3");
    QCOMPARE(circlesIn(b, Vermelho).size(), std::size_t(1));
    type(*form, {"Raio", "0"});
    press(*form, "Resolver3");
    QCOMPARE(messages->texts(), QStringList{ZeroRadius});
    QCOMPARE(drawnIn(b, Vermelho), 0);
    QVERIFY(!primitives(b, Primitive::Kind::Line).empty()); // the axes are drawn
}

void TestCircles1Form::zeroAndNegativeRadiiDrawSoundly() {
    // A negative radius is drawn as its size; the outline passes through the
    // point at that distance from the centre.
    const Board& b = *form->board();
    choose(*form, "Option2");
    type(*form, {"Raio", "-4"});
    press(*form, "Resolver3");
    QVERIFY(messages->messages.empty());
    QVERIFY(hasWideCircle(b, {2, -3}, 4, Vermelho));
    QVERIFY(redNear(rendered(b), b.toPixel({6, -3})));

    // A circle of radius 0 is drawn as a single point over the centre.
    type(*form, {"Text3", "2x-3y-13=0"});
    press(*form, "Resolver1");
    QVERIFY(hasWideCircle(b, {2, -3}, 0, Vermelho));
    const QImage image = rendered(b);
    QVERIFY(redNear(image, b.toPixel({2, -3})));
    QVERIFY(!redNear(image, b.toPixel({6, -3})));
}

// --- circle with centre P tangent to a line ------------------------------------

void TestCircles1Form::circleTangentToLine_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<double>("r");
    QTest::newRow("initial") << QStringList{} << "(x-2)^2 + (y+3)^2 = 22,23"
                             << "(x-2)^2 + (y+3)^2 = 22.23" << QPointF(2, -3)
                             << 17 / std::sqrt(13.0);
    QTest::newRow("negative abscissa, decimals")
        << QStringList{"Text3", "y = 0", "Abcissa1", "-1.5", "Ordenada1", "0.5"}
        << "(x+1,5)^2 + (y-0,5)^2 = 0,25"
        << "(x+1.5)^2 + (y-0.5)^2 = 0.25" << QPointF(-1.5, 0.5) << 0.5;
    QTest::newRow("centre unrounded, r² rounded")
        << QStringList{"Text3", "y=0", "Abcissa1", "1/3", "Ordenada1", "-2/3"}
        << "(x-0,333333333333333)^2 + (y+0,666666666666667)^2 = 0,44"
        << "(x-0.333333333333333)^2 + (y+0.666666666666667)^2 = 0.44" << QPointF(1.0 / 3, -2.0 / 3)
        << 2.0 / 3;
    QTest::newRow("vertical line, centre at the origin")
        << QStringList{"Text3", "x=3", "Abcissa1", "0", "Ordenada1", "0"} << "(x-0)^2 + (y-0)^2 = 9"
        << "(x-0)^2 + (y-0)^2 = 9" << QPointF(0, 0) << 3.0;
}

void TestCircles1Form::circleTangentToLine() {
    QFETCH(QStringList, fields);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QFETCH(QPointF, p);
    QFETCH(double, r);
    type(*form, fields);
    const Board& b = *form->board();
    press(*form, "Dados1");
    QVERIFY(hasDot(b, p, Azul));
    QVERIFY(hasMarkedCentre(b, p, Azul));
    QCOMPARE(drawnIn(b, Vermelho), 0);
    press(*form, "Resolver1");
    QCOMPARE(label(*form, "Resultado3"), comma);
    QVERIFY(hasWideCircle(b, p, r, Vermelho));
    QCOMPARE(drawnIn(b, Vermelho), 1);
    QVERIFY(messages->messages.empty());
    useDecimalComma(false);
    press(*form, "Resolver1");
    QCOMPARE(label(*form, "Resultado3"), point);
    press(*form, "Dados1");
    QVERIFY(label(*form, "Resultado3").isEmpty());
    QVERIFY(!form->ModoResolver());
}

void TestCircles1Form::degenerateTangentLine() {
    const Board& b = *form->board();
    // The initial line drawn blue and solid, though the style is dotted.
    press(*form, "Dados1");
    QVERIFY(hasSegment(b, {-9, -14.0 / 3}, {9, 22.0 / 3}, Azul, 2, DashStyle::Solid));

    // A line through P: a message without icon, then the circle of radius 0.
    type(*form, {"Text3", "2x-3y-13=0"});
    press(*form, "Resolver1");
    QCOMPARE(messages->messages.size(), std::size_t(1));
    QCOMPARE(messages->messages[0], (Message{Through, MessageIcon::None}));
    QCOMPARE(label(*form, "Resultado3"), QStringLiteral("(x-2)^2 + (y+3)^2 = 0"));
    QVERIFY(hasWideCircle(b, {2, -3}, 0, Vermelho));
    QVERIFY(!form->ModoResolver());

    // No line at all: reported when drawn, then the distance divides by zero.
    messages->clear();
    type(*form, {"Text3", "0x+0y=5"});
    press(*form, "Dados1");
    QCOMPARE(messages->texts(), QStringList{NoLine});
    messages->clear();
    press(*form, "Resolver1");
    QCOMPARE(messages->texts(), (QStringList{NoLine, error("Divisão por zero.")}));
    QVERIFY(label(*form, "Resultado3").isEmpty());
    QVERIFY(!form->ModoResolver());
}

void TestCircles1Form::refusedTangentLineKeepsTheBoard() {
    press(*form, "Resolver1");
    const std::size_t drawn = form->board()->displayList().size();
    type(*form, {"Text3", "x^2 + y = 0"});
    press(*form, "Resolver1");
    QCOMPARE(messages->texts(), QStringList{NotALine});
    QCOMPARE(fieldText(*form, "Text3"), QStringLiteral("x^2+y=0"));
    QCOMPARE(form->board()->displayList().size(), drawn);
    QVERIFY(label(*form, "Resultado3").isEmpty());
    QVERIFY(!form->ModoResolver());
}

// --- tangent at a point of a circle ----------------------------------------------

void TestCircles1Form::tangentAtPoint_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("comma");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    QTest::newRow("initial: 2x-6y-36=0")
        << QStringList{} << QPointF(1, 1) << std::sqrt(40.0) << "2x-6y-36=0"
        << "2x-6y-36=0" << QPointF(9, -3) << QPointF(-9, -9);
    QTest::newRow("3-4-5") << QStringList{"Text4", "x^2 + y^2 = 25", "Abcissa2",
                                          "3",     "Ordenada2",      "4"}
                           << QPointF(0, 0) << 5.0 << "3x+4y-25=0"
                           << "3x+4y-25=0" << QPointF(-11.0 / 3, 9) << QPointF(9, -0.5);
    QTest::newRow("horizontal tangent")
        << QStringList{"Text4", "x^2+y^2=4", "Abcissa2", "0", "Ordenada2", "2"} << QPointF(0, 0)
        << 2.0 << "0x+2y-4=0"
        << "0x+2y-4=0" << QPointF(-9, 2) << QPointF(9, 2);
    QTest::newRow("decimal coefficient")
        << QStringList{"Text4", "(x-0.5)^2+(y+0.25)^2=2.25", "Abcissa2", "2", "Ordenada2", "-0.25"}
        << QPointF(0.5, -0.25) << 1.5 << "1,5x+0y-3=0"
        << "1.5x+0y-3=0" << QPointF(2, -9) << QPointF(2, 9);
}

void TestCircles1Form::tangentAtPoint() {
    QFETCH(QStringList, fields);
    QFETCH(QPointF, centre);
    QFETCH(double, r);
    QFETCH(QString, comma);
    QFETCH(QString, point);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    type(*form, fields);
    const QPointF p(fieldText(*form, "Abcissa2").toDouble(),
                    fieldText(*form, "Ordenada2").toDouble());
    const Board& b = *form->board();
    press(*form, "Dados4");
    QVERIFY(hasWideCircle(b, centre, r, Azul));
    QVERIFY(hasDot(b, p, Azul));
    QVERIFY(hasMarkedCentre(b, centre, Azul));
    QCOMPARE(drawnIn(b, Vermelho), 0);
    press(*form, "Resolver4");
    QVERIFY(hasSegment(b, from, to, Vermelho, 2, DashStyle::Solid));
    QCOMPARE(drawnIn(b, Vermelho), 1);
    QCOMPARE(label(*form, "Resultado4"), comma);
    useDecimalComma(false);
    press(*form, "Resolver4");
    QCOMPARE(label(*form, "Resultado4"), point);
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

void TestCircles1Form::tangentRefusals_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("circleDrawn");
    QTest::newRow("point off the circle")
        << QStringList{"Abcissa2", "3", "Ordenada2", "-4"} << OffCircle << true;
    QTest::newRow("on the circle only up to rounding")
        << QStringList{"Text4", "x^2+y^2=1", "Abcissa2", "0.5", "Ordenada2", "sqr(0.75)"}
        << OffCircle << true;
    QTest::newRow("circle is a point")
        << QStringList{"Text4", "(x-1)^2+(y-1)^2=0"} << APoint << false;
    QTest::newRow("not a circle") << QStringList{"Text4", "y^2=x"} << NotACircle << false;
    QTest::newRow("refused characters") << QStringList{"Text4", "x^2+y^2<9"} << NotACircle << false;
    // The point is read between the sampling and the radius test.
    QTest::newRow("point read before the radius test")
        << QStringList{"Text4", "x^2+y^2=0", "Abcissa2", "abc"}
        << error("Variável não definida: abc") << false;
    QTest::newRow("point read after the shape test")
        << QStringList{"Text4", "x^2+2y^2=1", "Abcissa2", "abc"} << NotACircle << false;
}

void TestCircles1Form::tangentRefusals() {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(bool, circleDrawn);
    const Board& b = *form->board();
    press(*form, "Resolver4");
    type(*form, fields);
    for (const char* button : {"Dados4", "Resolver4"}) {
        for (bool comma : {true, false}) {
            useDecimalComma(comma);
            messages->clear();
            press(*form, button);
            QCOMPARE(messages->texts(), QStringList{message});
            QVERIFY(label(*form, "Resultado4").isEmpty());
            QCOMPARE(drawnIn(b, Vermelho), 0);
            QCOMPARE(circlesIn(b, Azul).size(), std::size_t(circleDrawn ? 1 : 0));
            QVERIFY(!form->ModoResolver());
        }
    }
}

// --- intersection of a line with a circle ------------------------------------------

void TestCircles1Form::lineMeetsCircle_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("comma5");
    QTest::addColumn<QString>("comma6");
    QTest::addColumn<QString>("point5");
    QTest::addColumn<QString>("point6");
    QTest::addColumn<QPointF>("p1");
    QTest::addColumn<QPointF>("p2");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    // 3x - 2y + 1 = 0 meets (x-2)² + (y-3)² = 16 where 13x² - 46x - 23 = 0.
    const double root = std::sqrt(3312.0);
    const double xa = (46 - root) / 26, xb = (46 + root) / 26;
    QTest::newRow("initial") << QStringList{} << "(-0,44 , -0,17)"
                             << "(3,98 , 6,47)"
                             << "(-0.44 , -0.17)"
                             << "(3.98 , 6.47)" << QPointF(xa, (3 * xa + 1) / 2)
                             << QPointF(xb, (3 * xb + 1) / 2) << QPointF(17.0 / 3, 9)
                             << QPointF(-19.0 / 3, -9);
    QTest::newRow("tangent y=7") << QStringList{"Text5", "y=7"} << "(2 , 7)"
                                 << "(2 , 7)"
                                 << "(2 , 7)"
                                 << "(2 , 7)" << QPointF(2, 7) << QPointF(2, 7) << QPointF(-9, 7)
                                 << QPointF(9, 7);
    QTest::newRow("vertical through the centre")
        << QStringList{"Text5", "x = 2"} << "(2 , -1)"
        << "(2 , 7)"
        << "(2 , -1)"
        << "(2 , 7)" << QPointF(2, -1) << QPointF(2, 7) << QPointF(2, -9) << QPointF(2, 9);
    QTest::newRow("diagonal") << QStringList{"Text5", "y=x", "Text7", "x^2+y^2=2"} << "(1 , 1)"
                              << "(-1 , -1)"
                              << "(1 , 1)"
                              << "(-1 , -1)" << QPointF(1, 1) << QPointF(-1, -1) << QPointF(9, 9)
                              << QPointF(-9, -9);
}

void TestCircles1Form::lineMeetsCircle() {
    QFETCH(QStringList, fields);
    QFETCH(QString, comma5);
    QFETCH(QString, comma6);
    QFETCH(QString, point5);
    QFETCH(QString, point6);
    QFETCH(QPointF, p1);
    QFETCH(QPointF, p2);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    type(*form, fields);
    const Board& b = *form->board();
    press(*form, "Dados5");
    QCOMPARE(circlesIn(b, Azul).size(), std::size_t(1));
    QVERIFY(hasSegment(b, from, to, Azul, 2, DashStyle::Solid));
    QCOMPARE(drawnIn(b, Vermelho), 0);
    QVERIFY(label(*form, "Resultado5").isEmpty() && label(*form, "Resultado6").isEmpty());
    press(*form, "Resolver5");
    QVERIFY(hasSegment(b, from, to, Azul, 2, DashStyle::Solid));
    const std::vector<QPointF> dots = dotsIn(b, Vermelho);
    QCOMPARE(dots.size(), std::size_t(2));
    QVERIFY(nearPoint(dots[0], p1, 1e-12) && nearPoint(dots[1], p2, 1e-12));
    QVERIFY(hasMarkedCentre(b, p1, Vermelho) && hasMarkedCentre(b, p2, Vermelho));
    QCOMPARE(label(*form, "Resultado5"), comma5);
    QCOMPARE(label(*form, "Resultado6"), comma6);
    useDecimalComma(false);
    press(*form, "Resolver5");
    QCOMPARE(label(*form, "Resultado5"), point5);
    QCOMPARE(label(*form, "Resultado6"), point6);
    QVERIFY(messages->messages.empty());
    QVERIFY(!form->ModoResolver());
}

void TestCircles1Form::lineMissesCircle_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("comma");
    QTest::newRow("Dados, comma") << "Dados5" << true;
    QTest::newRow("Dados, point") << "Dados5" << false;
    QTest::newRow("Resolver, comma") << "Resolver5" << true;
    QTest::newRow("Resolver, point") << "Resolver5" << false;
}

void TestCircles1Form::lineMissesCircle() {
    QFETCH(QString, button);
    QFETCH(bool, comma);
    useDecimalComma(comma);
    press(*form, "Resolver5");
    type(*form, {"Text5", "y=10"});
    const Board& b = *form->board();
    bool bothDrawnFirst = false;
    QStringList shown;
    const MessageHandler recorder = setMessageHandler([&](QWidget*, const Message& m) {
        shown << m.text;
        bothDrawnFirst = hasWideCircle(b, {2, 3}, 4, Azul) &&
                         hasSegment(b, {-9, 10}, {9, 10}, Azul, 2, DashStyle::Solid);
    });
    press(*form, qPrintable(button));
    setMessageHandler(recorder);
    QCOMPARE(shown, QStringList{Misses});
    QVERIFY(bothDrawnFirst);
    QCOMPARE(drawnIn(b, Vermelho), 0);
    QVERIFY(label(*form, "Resultado5").isEmpty() && label(*form, "Resultado6").isEmpty());
    QVERIFY(!form->ModoResolver());
}

void TestCircles1Form::intersectionPreparationOrder_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("circle");
    QTest::addColumn<QString>("message");
    QTest::newRow("both stripped, then the line refused") << " x ^2 = y "
                                                          << " x^2 + y^2 = 4 " << NotALine;
    QTest::newRow("the line checked before the circle is split") << "x > 1"
                                                                 << "x^2 + y^2" << NotALine;
    QTest::newRow("the line checked before the circle") << "x^2=y"
                                                        << "x^3+y^2=1" << NotALine;
    QTest::newRow("circle characters") << "3x-2y+1=0"
                                       << "x^2+y^2>1" << NotACircle;
    QTest::newRow("circle sampled before the line") << "abc = 0"
                                                    << "x^2+2y^2=1" << NotACircle;
    QTest::newRow("radius test before the line") << "abc=0"
                                                 << "x^2+y^2=0" << APoint;
    QTest::newRow("then the line sampled") << "abc=0"
                                           << "x^2+y^2=1" << error("Variável não definida: abc");
    QTest::newRow("circle without =")
        << "3x-2y+1=0"
        << "x^2+y^2" << error("Argumento ou chamada de procedimento inválidos.");
}

void TestCircles1Form::intersectionPreparationOrder() {
    QFETCH(QString, line);
    QFETCH(QString, circle);
    QFETCH(QString, message);
    press(*form, "Resolver5");
    const std::size_t drawn = form->board()->displayList().size();
    type(*form, {"Text5", line, "Text7", circle});
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        messages->clear();
        press(*form, "Resolver5");
        QCOMPARE(messages->texts(), QStringList{message});
        QCOMPARE(fieldText(*form, "Text5"), QString(line).remove(QLatin1Char(' ')));
        QCOMPARE(fieldText(*form, "Text7"), QString(circle).remove(QLatin1Char(' ')));
        // Refused before the board is cleared: the earlier drawing stays.
        QCOMPARE(form->board()->displayList().size(), drawn);
        QVERIFY(label(*form, "Resultado5").isEmpty() && label(*form, "Resultado6").isEmpty());
        QVERIFY(!form->ModoResolver());
    }
}

void TestCircles1Form::degenerateIntersectionLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("0x+0y=5: no line, and it misses") << "0x+0y=5" << QStringList{NoLine, Misses};
    QTest::newRow("0=0: the points divide by zero")
        << "0=0" << QStringList{error("Divisão por zero.")};
}

void TestCircles1Form::degenerateIntersectionLine() {
    QFETCH(QString, line);
    QFETCH(QStringList, shown);
    type(*form, {"Text5", line});
    press(*form, "Resolver5");
    QCOMPARE(messages->texts(), shown);
    QVERIFY(hasWideCircle(*form->board(), {2, 3}, 4, Azul));
    QVERIFY(label(*form, "Resultado5").isEmpty());
    QVERIFY(!form->ModoResolver());
}

// --- every frame, every path ------------------------------------------------------

void TestCircles1Form::dadosAfterResolverMessage_data() {
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<QStringList>("fixed");
    QTest::addColumn<int>("frame");
    QTest::newRow("tangent line through P")
        << QStringList{"Text3", "2x-3y-13=0"} << QStringList{} << 1;
    QTest::newRow("tangent line, division by zero")
        << QStringList{"Text3", "0x+0y=1"} << QStringList{"Text3", "2x-3y+4=0"} << 1;
    QTest::newRow("point off the circle")
        << QStringList{"Abcissa2", "0"} << QStringList{"Abcissa2", "3"} << 4;
    QTest::newRow("line missing the circle")
        << QStringList{"Text5", "y=-2"} << QStringList{"Text5", "3x-2y+1=0"} << 5;
    QTest::newRow("circle refused")
        << QStringList{"Text7", "x^2=1"} << QStringList{"Text7", "x^2+y^2=16"} << 5;
}

void TestCircles1Form::dadosAfterResolverMessage() {
    QFETCH(QStringList, failing);
    QFETCH(QStringList, fixed);
    QFETCH(int, frame);
    type(*form, failing);
    press(*form, qPrintable(QStringLiteral("Resolver%1").arg(frame)));
    QVERIFY(!messages->messages.empty());
    QVERIFY(!form->ModoResolver());
    type(*form, fixed);
    messages->clear();
    press(*form, qPrintable(QStringLiteral("Dados%1").arg(frame)));
    QVERIFY(messages->messages.empty());
    QVERIFY(drawnIn(*form->board(), Azul) > 0);
    QCOMPARE(drawnIn(*form->board(), Vermelho), 0);
    for (const char* result : {"Resultado3", "Resultado4", "Resultado5", "Resultado6"})
        QVERIFY(label(*form, result).isEmpty());
}

void TestCircles1Form::hostileText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("division by zero") << "1/0";
    QTest::newRow("negative root") << "sqr(-1)";
    QTest::newRow("overflow") << "10^400";
    QTest::newRow("huge") << "10^300";
    QTest::newRow("tiny") << "10^-300";
    QTest::newRow("long number") << QString(10000, QLatin1Char('9'));
    QTest::newRow("parentheses") << QString(10000, QLatin1Char('('));
    QTest::newRow("x") << "x";
    QTest::newRow("equals") << "=";
    QTest::newRow("two equals") << "==";
    QTest::newRow("no equation") << "x^2+y^2";
    QTest::newRow("greater") << ">";
    QTest::newRow("less") << "<";
    QTest::newRow("comma") << ",";
    QTest::newRow("huge circle") << "x^2+y^2=10^300";
    QTest::newRow("huge line") << "x+y=10^300";
}

void TestCircles1Form::hostileText() {
    QFETCH(QString, text);
    struct Case {
        const char* field;
        const char* option; // Frame6 only
        QStringList buttons;
    };
    const Case cases[] = {
        {"Text1", "Option1", {"Resolver3"}},
        {"Abcissa3", "Option2", {"Resolver3"}},
        {"Ordenada3", "Option2", {"Resolver3"}},
        {"Raio", "Option2", {"Resolver3"}},
        {"Text3", nullptr, {"Dados1", "Resolver1"}},
        {"Abcissa1", nullptr, {"Dados1", "Resolver1"}},
        {"Ordenada1", nullptr, {"Dados1", "Resolver1"}},
        {"Abcissa2", nullptr, {"Dados4", "Resolver4"}},
        {"Ordenada2", nullptr, {"Dados4", "Resolver4"}},
        {"Text4", nullptr, {"Dados4", "Resolver4"}},
        {"Text5", nullptr, {"Dados5", "Resolver5"}},
        {"Text7", nullptr, {"Dados5", "Resolver5"}},
    };
    const char* results[] = {"Resultado3", "Resultado4", "Resultado5", "Resultado6"};
    for (const Case& c : cases) {
        for (const QString& button : c.buttons) {
            for (bool comma : {true, false}) {
                useDecimalComma(comma);
                Circles1Form fresh;
                messages->clear();
                type(fresh, {QLatin1String(c.field), text});
                if (c.option) choose(fresh, c.option);
                press(fresh, qPrintable(button));
                const QString where = QLatin1String(c.field) + QLatin1Char(' ') + button;
                QVERIFY2(!fresh.ModoResolver(), qPrintable(where));
                bool wrote = false;
                for (const char* result : results) {
                    const QString written = label(fresh, result);
                    wrote = wrote || !written.isEmpty();
                    QVERIFY2(!written.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                                 !written.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                                 !written.contains(QLatin1String("( ")) &&
                                 !written.contains(QLatin1String(" )")),
                             qPrintable(where + QLatin1String(": ") + written));
                }
                const std::size_t shown = messages->messages.size();
                // "Resolver3" writes nothing and may draw without a word;
                // a line that is no line is reported before the press goes on.
                const bool quietDrawing = button == QLatin1String("Resolver3") && shown == 0;
                const bool noLineFirst = shown == 2 && messages->messages[0].text == NoLine;
                const bool dataOnly = button.startsWith(QLatin1String("Dados")) && shown == 0;
                QVERIFY2(wrote || shown == 1 || quietDrawing || noLineFirst || dataOnly,
                         qPrintable(where + QLatin1String(": ") + messages->texts().join('|')));
                if (wrote) QVERIFY2(shown == 0 || noLineFirst, qPrintable(where));
                rendered(*fresh.board()); // whatever was drawn paints without harm
            }
        }
    }
}

QTEST_MAIN(TestCircles1Form)
#include "tst_circles1form.moc"
