#include "testform.h"
#include "testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace {
const QColor Black = QBColor(0);

void setViewport(TestForm& form, const QString& xmin, const QString& xmax, const QString& ymin,
                 const QString& ymax) {
    form.field(QStringLiteral("Xmin"))->setText(xmin);
    form.field(QStringLiteral("Xmax"))->setText(xmax);
    form.field(QStringLiteral("Ymin"))->setText(ymin);
    form.field(QStringLiteral("Ymax"))->setText(ymax);
}

void click(const TestForm& form, const QString& button) {
    auto* b = form.findChild<QAbstractButton*>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

/// Ticks: black 1-pixel segments crossing an axis.
int ticks(const Board& board, bool onXAxis) {
    int count = 0;
    for (const Primitive& p : primitives(board, Primitive::Kind::Line)) {
        if (p.color != Black || p.width != 1) continue;
        const bool vertical = p.p1.x() == p.p2.x();
        if (vertical == onXAxis && (onXAxis ? p.p1.y() * p.p2.y() < 0 : p.p1.x() * p.p2.x() < 0))
            ++count;
    }
    return count;
}

int gridLines(const Board& board) {
    return int(std::count_if(board.displayList().begin(), board.displayList().end(),
                             [](const Primitive& p) {
                                 return p.kind == Primitive::Kind::Line && p.color == QBColor(8);
                             }));
}
} // namespace

class TestProblemForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controlsAreNamed();
    void pointFieldToolTips();
    void defaultViewport();
    void arrowheadsAtTheAxisEnds();
    void graduationLimits_data();
    void graduationLimits();
    void gridFromTheTypedMinimum();
    void axisNamesKeepTheFontInForce();
    void ungraduatedWarning();
    void unreadableViewport_data();
    void unreadableViewport();
    void absurdViewportsFinish_data();
    void absurdViewportsFinish();
    void spinArrows_data();
    void spinArrows();
    void arrowKeysInAViewportField_data() { spinArrows_data(); }
    void arrowKeysInAViewportField();
    void arrowKeysElsewhereLeaveTheViewport();
    void spinArrowsAreNamedForTheirField();
    void formIsAnnouncedAsAWindow();
    void lineAcrossTheViewport_data();
    void lineAcrossTheViewport();
    void degenerateLineIsReported();

    void pressInDataAndSolveMode();
    void faultsEndThePress_data();
    void faultsEndThePress();
    void lineReader_data();
    void lineReader();
    void refusedLineLeavesTheBoard();
    void twoFieldsPreparedBeforeChecked();
    void hugeEquationDoesNotHang();

    void navigationButtons();
    void unavailableTopicsAreDisabled();
    void activationRedrawsOnlyFromAnotherWindow();
    void realMessageBoxIsModalAndClosable();

private:
    std::unique_ptr<TestForm> form;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<NavigationRecorder> nav;
};

void TestProblemForm::init() {
    useDecimalComma(true);
    nav = std::make_unique<NavigationRecorder>();
    messages = std::make_unique<MessageRecorder>();
    form = std::make_unique<TestForm>();
    form->setAttribute(Qt::WA_DeleteOnClose, false);
}

void TestProblemForm::cleanup() {
    form.reset();
    messages.reset();
    nav.reset();
}

void TestProblemForm::controlsAreNamed() {
    for (const char* name :
         {"Picture1", "SetaH",     "SetaV",     "Xmin",      "Xmax",      "Ymin",
          "Ymax",     "UpDown1",   "UpDown2",   "UpDown3",   "UpDown4",   "DesenharGrelha",
          "TextA",    "Command13", "Command14", "Command15", "Command16", "Command17",
          "Sair",     "Dados1",    "Resolver1", "Resultado1"})
        QVERIFY2(form->findChild<QWidget*>(QLatin1String(name)), name);
    QCOMPARE(form->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
    QVERIFY(form->findChild<QWidget*>(QStringLiteral("TextA"))->isHidden());
    for (QLineEdit* field : form->findChildren<QLineEdit*>())
        if (!field->isHidden())
            QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(field->objectName()));
    QCOMPARE(form->field(QStringLiteral("Abcissa1"))->accessibleName(),
             QStringLiteral("Abcissa de P"));
    QCOMPARE(form->board()->size(), QSize(631, 631));
    QVERIFY(form->width() <= 1366 && form->height() <= 740);
}

void TestProblemForm::pointFieldToolTips() {
    QCOMPARE(form->field(QStringLiteral("Abcissa1"))->toolTip(),
             QStringLiteral("Escreva aqui o valor da abcissa do ponto"));
    QCOMPARE(form->field(QStringLiteral("Ordenada1"))->toolTip(),
             QStringLiteral("Escreva aqui o valor da ordenada do ponto"));
    QVERIFY(form->field(QStringLiteral("Text1"))->toolTip().isEmpty());

    const TestForm plain(false, false);
    for (QLineEdit* field : plain.findChildren<QLineEdit*>())
        QVERIFY2(field->toolTip().isEmpty(), qPrintable(field->objectName()));
    QVERIFY(!plain.findChild<QWidget*>(QStringLiteral("Dados1"))->toolTip().isEmpty());
}

void TestProblemForm::defaultViewport() {
    form->DesenharEixos();
    const Viewport& v = form->viewport();
    QCOMPARE(v.PassoX, 0.4f);
    QCOMPARE(v.PassoY, 0.4f);
    QVERIFY(near(v.PixelX, 21.6 / 631, 1e-6));
    const QRectF window = form->board()->window();
    QVERIFY(near(window.left(), -10.8, 1e-6) && near(window.right(), 10.8, 1e-6));
    QVERIFY(near(window.top(), 10.8, 1e-6) && near(window.bottom(), -10.8, 1e-6));
    const Board& b = *form->board();
    QVERIFY(hasSegment(b, {-10.4, 0}, {10.4, 0}, Black, 2, DashStyle::Solid));
    QVERIFY(hasSegment(b, {0, -10.4}, {0, 10.4}, Black, 2, DashStyle::Solid));
    QCOMPARE(ticks(b, true), 20);
    QCOMPARE(ticks(b, false), 20);
    QStringList expected{QStringLiteral("x"), QStringLiteral("y")};
    for (int i = -10; i <= 10; ++i)
        if (i != 0) expected << TextRules::boardNumber(i, QStringLiteral(","));
    for (int j = -10; j <= 10; ++j)
        if (j != 0) expected << TextRules::boardNumber(j, QStringLiteral(","));
    QCOMPARE(printed(b), expected);
    QCOMPARE(gridLines(b), 0);
}

void TestProblemForm::arrowheadsAtTheAxisEnds() {
    const Board& b = *form->board();
    QVERIFY(b.setaH()->isHidden());
    form->DesenharEixos();
    QVERIFY(!b.setaH()->isHidden() && !b.setaV()->isHidden());
    // The tip of ">" lies on the x axis one pixel beyond its right end; the
    // tip of "^" on the top end of the y axis.
    const QPointF rightEnd = b.toPixel({10.4, 0});
    const QPoint tipH = b.setaH()->pos() + QPoint(4, 4);
    QVERIFY2(std::abs(tipH.x() - (rightEnd.x() + 1)) <= 1, qPrintable(QString::number(tipH.x())));
    QVERIFY(std::abs(tipH.y() - rightEnd.y()) <= 1);
    const QPointF topEnd = b.toPixel({0, 10.4});
    const QPoint tipV = b.setaV()->pos() + QPoint(4, 0);
    QVERIFY(std::abs(tipV.x() - topEnd.x()) <= 1 && std::abs(tipV.y() - topEnd.y()) <= 1);
}

void TestProblemForm::graduationLimits_data() {
    QTest::addColumn<QString>("xmin");
    QTest::addColumn<QString>("xmax");
    QTest::addColumn<QString>("ymin");
    QTest::addColumn<QString>("ymax");
    QTest::addColumn<int>("xTicks");
    QTest::addColumn<int>("yTicks");
    QTest::newRow("width 50 exactly") << "-25"
                                      << "25"
                                      << "-10"
                                      << "10" << 50 << 20;
    QTest::newRow("width 50,5") << "-25"
                                << "25,5"
                                << "-10"
                                << "10" << 0 << 0;
    QTest::newRow("only x decides") << "-10"
                                    << "10"
                                    << "-250"
                                    << "250" << 20 << 500;
    QTest::newRow("mirrored x axis") << "10"
                                     << "-10"
                                     << "-10"
                                     << "10" << 0 << 20;
    QTest::newRow("first tick in the margin") << "-10,5"
                                              << "10"
                                              << "-10"
                                              << "10" << 21 << 20;
}

void TestProblemForm::graduationLimits() {
    QFETCH(QString, xmin);
    QFETCH(QString, xmax);
    QFETCH(QString, ymin);
    QFETCH(QString, ymax);
    QFETCH(int, xTicks);
    QFETCH(int, yTicks);
    setViewport(*form, xmin, xmax, ymin, ymax);
    form->findChild<QCheckBox*>(QStringLiteral("DesenharGrelha"))->setChecked(true);
    form->DesenharEixos();
    QCOMPARE(ticks(*form->board(), true), xTicks);
    QCOMPARE(ticks(*form->board(), false), yTicks);
    if (xTicks == 0 && yTicks == 0) QCOMPARE(gridLines(*form->board()), 0);
    QVERIFY(messages->messages.empty());
}

void TestProblemForm::gridFromTheTypedMinimum() {
    setViewport(*form, QStringLiteral("-10,5"), QStringLiteral("10"), QStringLiteral("-10"),
                QStringLiteral("10"));
    form->findChild<QCheckBox*>(QStringLiteral("DesenharGrelha"))->setChecked(true);
    form->DesenharEixos();
    const Board& b = *form->board();
    QVERIFY(printed(b).contains(QStringLiteral("-11 ")));
    const QColor grey = QBColor(8);
    // Vertical lines at -10.5, -9.5, ..., 9.5: between the ticks.
    for (double x = -10.5; x <= 10; x += 1)
        QVERIFY2(hasSegment(b, {x, 10.4}, {x, -10.4}, grey, 1), qPrintable(QString::number(x)));
    // Horizontal lines from -10 to 10, never at 0, where the axis is.
    QVERIFY(hasSegment(b, {-10.92, -10}, {10.42, -10}, grey, 1) || gridLines(b) == 21 + 20);
    QCOMPARE(gridLines(b), 21 + 20);
    QVERIFY(!hasSegment(b, {-10.92, 0}, {10.42, 0}, grey, 1));
}

void TestProblemForm::axisNamesKeepTheFontInForce() {
    form->DesenharEixos();
    const auto first = primitives(*form->board(), Primitive::Kind::Text).front();
    QCOMPARE(first.text, QStringLiteral("x"));
    QCOMPARE(first.font.pointSize, 8.25);
    QVERIFY(first.font.bold);
    form->DesenharEixos();
    const auto second = primitives(*form->board(), Primitive::Kind::Text).front();
    QCOMPARE(second.font.pointSize, 6.0);
    QCOMPARE(second.font.family, QStringLiteral("MS Sans Serif"));
}

void TestProblemForm::ungraduatedWarning() {
    TestForm warning(true);
    setViewport(warning, QStringLiteral("-30"), QStringLiteral("30"), QStringLiteral("-30"),
                QStringLiteral("30"));
    warning.DesenharEixos();
    warning.DesenharEixos();
    const Message expected{
        QStringLiteral("Não se graduam os eixos nem se desenha a grelha porque os valores e "
                       "linhas ficavam sobrepostos."),
        MessageIcon::Information};
    QCOMPARE(messages->messages.size(), std::size_t(2));
    QVERIFY(messages->messages.front() == expected);
    setViewport(warning, QStringLiteral("-25"), QStringLiteral("25"), QStringLiteral("-30"),
                QStringLiteral("30"));
    warning.DesenharEixos();
    QCOMPARE(messages->messages.size(), std::size_t(2));
    // Every other form stays silent.
    setViewport(*form, QStringLiteral("-30"), QStringLiteral("30"), QStringLiteral("-30"),
                QStringLiteral("30"));
    form->DesenharEixos();
    QCOMPARE(messages->messages.size(), std::size_t(2));
}

void TestProblemForm::unreadableViewport_data() {
    QTest::addColumn<QString>("xmin");
    QTest::addColumn<QString>("xmax");
    QTest::addColumn<QString>("description");
    QTest::newRow("not a number") << "abc"
                                  << "10"
                                  << "Tipos incompatíveis.";
    QTest::newRow("an expression") << "2*3"
                                   << "10"
                                   << "Tipos incompatíveis.";
    QTest::newRow("equal bounds") << "10"
                                  << "10"
                                  << "Argumento ou chamada de procedimento inválidos.";
    QTest::newRow("beyond a float") << "-1E+300"
                                    << "10"
                                    << "Capacidade excedida.";
    QTest::newRow("margin overflows") << "-3E+38"
                                      << "3E+38"
                                      << "Capacidade excedida.";
}

void TestProblemForm::unreadableViewport() {
    QFETCH(QString, xmin);
    QFETCH(QString, xmax);
    QFETCH(QString, description);
    useDecimalComma(false);
    setViewport(*form, xmin, xmax, QStringLiteral("-10"), QStringLiteral("10"));
    click(*form, QStringLiteral("Resolver1"));
    QCOMPARE(messages->texts(), QStringList{QStringLiteral("Erro:\n\n") + description});
    QVERIFY(messages->messages.front().icon == MessageIcon::None);
    QCOMPARE(messages->messages.front().title, QStringLiteral("Ortoplano"));
    QVERIFY(!form->ModoResolver());
    QVERIFY(form->findChild<QLabel*>(QStringLiteral("Resultado1"))->text().isEmpty());
}

void TestProblemForm::absurdViewportsFinish_data() {
    QTest::addColumn<QString>("xmin");
    QTest::addColumn<QString>("xmax");
    QTest::addColumn<QString>("ymin");
    QTest::addColumn<QString>("ymax");
    QTest::newRow("far from the origin") << "100000000"
                                         << "100000040"
                                         << "100000000"
                                         << "100000040";
    QTest::newRow("very tall") << "-10"
                               << "10"
                               << "0"
                               << "1000000000";
    QTest::newRow("tiny") << "0"
                          << "0,000000000000000000000000000001"
                          << "0"
                          << "0,000000000000000000000000000001";
    QTest::newRow("huge") << "-1E+37"
                          << "1E+37"
                          << "-1E+37"
                          << "1E+37";
}

void TestProblemForm::absurdViewportsFinish() {
    QFETCH(QString, xmin);
    QFETCH(QString, xmax);
    QFETCH(QString, ymin);
    QFETCH(QString, ymax);
    setViewport(*form, xmin, xmax, ymin, ymax);
    form->findChild<QCheckBox*>(QStringLiteral("DesenharGrelha"))->setChecked(true);
    form->DesenharEixos();
    QVERIFY(form->board()->displayList().size() < 30000);
    QImage image(631, 631, QImage::Format_ARGB32);
    QPainter painter(&image);
    form->board()->render(painter, QSizeF(631, 631));
}

void TestProblemForm::spinArrows_data() {
    QTest::addColumn<QString>("spin");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    const QStringList start{"-10", "10", "-10", "10"};
    QTest::newRow("UpDown1 up") << "UpDown1" << true << start
                                << QStringList{"-9", "10", "-9", "10"};
    QTest::newRow("UpDown2 down") << "UpDown2" << false << start
                                  << QStringList{"-11", "10", "-11", "10"};
    QTest::newRow("UpDown3 up") << "UpDown3" << true << start
                                << QStringList{"-10", "11", "-10", "11"};
    QTest::newRow("UpDown4 down") << "UpDown4" << false << start
                                  << QStringList{"-10", "9", "-10", "9"};
    QTest::newRow("decimal comma") << "UpDown1" << true << QStringList{"2,5", "10", "-0,5", "10"}
                                   << QStringList{"3,5", "10", "0,5", "10"};
    QTest::newRow("not a number stays")
        << "UpDown1" << true << QStringList{"abc", "10", "-10", "10"}
        << QStringList{"abc", "10", "-9", "10"};
}

void TestProblemForm::spinArrows() {
    QFETCH(QString, spin);
    QFETCH(bool, up);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    setViewport(*form, before[0], before[1], before[2], before[3]);
    const QString arrow = spin + (up ? QLatin1String("_up") : QLatin1String("_down"));
    QTest::mouseClick(form->findChild<QToolButton*>(arrow), Qt::LeftButton);
    const QStringList now{form->field("Xmin")->text(), form->field("Xmax")->text(),
                          form->field("Ymin")->text(), form->field("Ymax")->text()};
    QCOMPARE(now, after);
    QCOMPARE(form->board()->displayList().size(), std::size_t(2)); // nothing redrawn
}

/// The Up and Down keys in the field beside a spin control do what its arrows do.
void TestProblemForm::arrowKeysInAViewportField() {
    QFETCH(QString, spin);
    QFETCH(bool, up);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    static const QMap<QString, QString> fieldOf{
        {"UpDown1", "Xmin"}, {"UpDown2", "Ymin"}, {"UpDown3", "Xmax"}, {"UpDown4", "Ymax"}};
    setViewport(*form, before[0], before[1], before[2], before[3]);
    QTest::keyClick(form->field(fieldOf.value(spin)), up ? Qt::Key_Up : Qt::Key_Down);
    const QStringList now{form->field("Xmin")->text(), form->field("Xmax")->text(),
                          form->field("Ymin")->text(), form->field("Ymax")->text()};
    QCOMPARE(now, after);
    QCOMPARE(form->board()->displayList().size(), std::size_t(2)); // nothing redrawn
}

void TestProblemForm::arrowKeysElsewhereLeaveTheViewport() {
    const QStringList start{"-10", "10", "-10", "10"};
    QTest::keyClick(form->field("Abcissa1"), Qt::Key_Up);
    QTest::keyClick(form->field("Xmin"), Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(form->field("Ymax"), Qt::Key_Left);
    const QStringList now{form->field("Xmin")->text(), form->field("Xmax")->text(),
                          form->field("Ymin")->text(), form->field("Ymax")->text()};
    QCOMPARE(now, start);
    QCOMPARE(form->field("Abcissa1")->text(), QStringLiteral("2"));
}

void TestProblemForm::spinArrowsAreNamedForTheirField() {
    const auto spoken = [&](const char* arrow) {
        return form->findChild<QToolButton*>(QLatin1String(arrow))->accessibleName();
    };
    QCOMPARE(spoken("UpDown1_up"), QStringLiteral("Aumentar Xmínimo"));
    QCOMPARE(spoken("UpDown2_down"), QStringLiteral("Diminuir Ymínimo"));
    QCOMPARE(spoken("UpDown3_up"), QStringLiteral("Aumentar Xmáximo"));
    QCOMPARE(spoken("UpDown4_down"), QStringLiteral("Diminuir Ymáximo"));
}

void TestProblemForm::formIsAnnouncedAsAWindow() {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("TESTE — ORTOPLANO PLANA"));
    QCOMPARE(form->windowTitle(), QStringLiteral("ORTOPLANO PLANA"));
}

void TestProblemForm::lineAcrossTheViewport_data() {
    QTest::addColumn<QStringList>("viewport");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::addColumn<QPointF>("from");
    QTest::addColumn<QPointF>("to");
    const QStringList square{"-10", "10", "-10", "10"};
    const QStringList wide{"-50", "50", "-10", "10"};
    QTest::newRow("diagonal") << square << 1.0 << -1.0 << 0.0 << QPointF(9, 9) << QPointF(-9, -9);
    QTest::newRow("horizontal") << square << 0.0 << 2.0 << -4.0 << QPointF(-9, 2) << QPointF(9, 2);
    QTest::newRow("vertical") << square << 3.0 << 0.0 << 6.0 << QPointF(-2, -9) << QPointF(-2, 9);
    QTest::newRow("wide horizontal")
        << wide << 0.0 << 1.0 << 0.0 << QPointF(-49, 0) << QPointF(49, 0);
    QTest::newRow("wide diagonal")
        << wide << 1.0 << -1.0 << 0.0 << QPointF(9, 9) << QPointF(-9, -9);
    QTest::newRow("wide, leaves by the sides")
        << wide << 0.1 << -1.0 << 0.0 << QPointF(49, 4.9) << QPointF(-49, -4.9);
    QTest::newRow("steep, top and bottom")
        << square << 10.0 << -1.0 << 0.0 << QPointF(0.9, 9) << QPointF(-0.9, -9);
    QTest::newRow("missing the viewport")
        << square << 1.0 << -1.0 << 100.0 << QPointF(-9, 91) << QPointF(-9, 91);
}

void TestProblemForm::lineAcrossTheViewport() {
    QFETCH(QStringList, viewport);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    setViewport(*form, viewport[0], viewport[1], viewport[2], viewport[3]);
    form->DesenharEixos();
    form->board()->setForeColor(QBColor(12));
    form->board()->setDrawWidth(2);
    form->drawLine({a, b, c});
    const Primitive& line = form->board()->displayList().back();
    QCOMPARE(line.kind, Primitive::Kind::Line);
    QVERIFY2(nearPoint(line.p1, from) && nearPoint(line.p2, to),
             qPrintable(QStringLiteral("(%1, %2)-(%3, %4)")
                            .arg(line.p1.x())
                            .arg(line.p1.y())
                            .arg(line.p2.x())
                            .arg(line.p2.y())));
    QCOMPARE(line.color, QBColor(12));
    QCOMPARE(line.width, 2);
}

void TestProblemForm::degenerateLineIsReported() {
    form->DesenharEixos();
    const std::size_t before = form->board()->displayList().size();
    form->drawLine({0.0, 0.0, 3.0});
    QCOMPARE(messages->texts(),
             QStringList{QStringLiteral("A equação que indicou não é a de uma recta.")});
    QVERIFY(messages->messages.front().icon == MessageIcon::Information);
    QCOMPARE(form->board()->displayList().size(), before);
}

void TestProblemForm::pressInDataAndSolveMode() {
    click(*form, QStringLiteral("Dados1"));
    QVERIFY(!form->solveModeSeen);
    QVERIFY(hasDot(*form->board(), {2, 3}, Azul));
    QVERIFY(hasSegment(*form->board(), {2, 0}, {2, 3}, Azul, 1, DashStyle::Dotted));
    QVERIFY(form->findChild<QLabel*>(QStringLiteral("Resultado1"))->text().isEmpty());
    click(*form, QStringLiteral("Resolver1"));
    QVERIFY(form->solveModeSeen);
    QVERIFY(!form->ModoResolver());
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Resultado1"))->text(), QStringLiteral("0,5"));
    QVERIFY(messages->messages.empty());
}

void TestProblemForm::faultsEndThePress_data() {
    QTest::addColumn<QString>("abscissa");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("dataDrawn");
    QTest::newRow("unknown variable") << "abc"
                                      << "Variável não definida: abc" << false;
    QTest::newRow("empty field") << ""
                                 << "Expressão inválida" << false;
    QTest::newRow("division by zero in the frame") << "0"
                                                   << "Divisão por zero." << true;
    QTest::newRow("division by zero in the field") << "1/0"
                                                   << "Divisão por zero." << false;
    QTest::newRow("square root of a negative")
        << "sqr(-1)"
        << "Argumento ou chamada de procedimento inválidos." << false;
}

void TestProblemForm::faultsEndThePress() {
    QFETCH(QString, abscissa);
    QFETCH(QString, description);
    QFETCH(bool, dataDrawn);
    form->field(QStringLiteral("Abcissa1"))->setText(abscissa);
    form->findChild<QLabel*>(QStringLiteral("Resultado1"))->setText(QStringLiteral("antes"));
    click(*form, QStringLiteral("Resolver1"));
    QCOMPARE(messages->texts(), QStringList{QStringLiteral("Erro:\n\n") + description});
    QVERIFY(!form->ModoResolver());
    QCOMPARE(form->findChild<QLabel*>(QStringLiteral("Resultado1"))->text(),
             QStringLiteral("antes"));
    QCOMPARE(!primitives(*form->board(), Primitive::Kind::Dot).empty(), dataDrawn);
    // The next press of "Dados" only draws the data.
    form->field(QStringLiteral("Abcissa1"))->setText(QStringLiteral("4"));
    click(*form, QStringLiteral("Dados1"));
    QVERIFY(!form->solveModeSeen);
}

void TestProblemForm::lineReader_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("rewritten");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("c");
    QTest::newRow("blanks") << "2x + 3y + 4 = 0"
                            << "2x+3y+4=0"
                            << "2x+3y+4-(0)" << 2.0 << 3.0 << 4.0;
    QTest::newRow("explicit") << "y=2x+1"
                              << "y=2x+1"
                              << "y-(2x+1)" << -2.0 << 1.0 << -1.0;
    QTest::newRow("vertical") << "x=3"
                              << "x=3"
                              << "x-(3)" << 1.0 << 0.0 << -3.0;
    QTest::newRow("both sides") << "3x-4y=24"
                                << "3x-4y=24"
                                << "3x-4y-(24)" << 3.0 << -4.0 << -24.0;
    QTest::newRow("not linear, sampled") << "x*x+y=0"
                                         << "x*x+y=0"
                                         << "x*x+y-(0)" << 1.0 << 1.0 << 0.0;
    QTest::newRow("decimal constant") << "x+y=0.3"
                                      << "x+y=0.3"
                                      << "x+y-(0.3)" << 1.0 << 1.0 << -0.3;
    QTest::newRow("parentheses") << "2(x+y)=x-4"
                                 << "2(x+y)=x-4"
                                 << "2(x+y)-(x-4)" << 1.0 << 2.0 << 4.0;
    QTest::newRow("no line at all") << "0x+0y=5"
                                    << "0x+0y=5"
                                    << "0x+0y-(5)" << 0.0 << 0.0 << -5.0;
}

void TestProblemForm::lineReader() {
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QString, rewritten);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, c);
    for (bool comma : {true, false}) {
        useDecimalComma(comma);
        messages->clear();
        form->field(QStringLiteral("Text1"))->setText(typed);
        click(*form, QStringLiteral("Dados2"));
        QCOMPARE(form->field(QStringLiteral("Text1"))->text(), written);
        QCOMPARE(form->scratchText(), rewritten);
        QCOMPARE(form->lastLine.a.value(), a);
        QCOMPARE(form->lastLine.b.value(), b);
        QCOMPARE(form->lastLine.c.value(), c);
    }
}

void TestProblemForm::refusedLineLeavesTheBoard() {
    click(*form, QStringLiteral("Dados1"));
    const std::size_t drawn = form->board()->displayList().size();
    const QStringList refused{"x^2+y=0", "x>0", "y<1", "x^3=y", "y = x ^2"};
    for (const QString& text : refused) {
        messages->clear();
        form->field(QStringLiteral("Text1"))->setText(text);
        click(*form, QStringLiteral("Resolver2"));
        QCOMPARE(messages->texts(),
                 QStringList{QStringLiteral("A equação não representa uma recta.")});
        QVERIFY(messages->messages.front().icon == MessageIcon::Information);
        QCOMPARE(form->board()->displayList().size(), drawn);
        QVERIFY(!form->ModoResolver());
    }
    const QStringList faulty{"2x+3y", "x+z=1", "(x+1=2"};
    for (const QString& text : faulty) {
        messages->clear();
        form->field(QStringLiteral("Text1"))->setText(text);
        click(*form, QStringLiteral("Resolver2"));
        QCOMPARE(messages->messages.size(), std::size_t(1));
        QVERIFY2(messages->texts().front().startsWith(QStringLiteral("Erro:\n\n")),
                 qPrintable(text));
        QCOMPARE(form->board()->displayList().size(), drawn);
    }
}

void TestProblemForm::twoFieldsPreparedBeforeChecked() {
    form->field(QStringLiteral("Text2"))->setText(QStringLiteral("x ^2 = y"));
    form->field(QStringLiteral("Text3"))->setText(QStringLiteral("x - y = 1"));
    click(*form, QStringLiteral("Dados3"));
    QCOMPARE(form->field(QStringLiteral("Text2"))->text(), QStringLiteral("x^2=y"));
    QCOMPARE(form->field(QStringLiteral("Text3"))->text(), QStringLiteral("x-y=1"));
    QCOMPARE(messages->texts(), QStringList{QStringLiteral("A equação não representa uma recta.")});
    messages->clear();
    form->field(QStringLiteral("Text2"))->setText(QStringLiteral("y = 2x + 1"));
    form->field(QStringLiteral("Text3"))->setText(QStringLiteral("x = 3"));
    click(*form, QStringLiteral("Dados3"));
    QVERIFY(messages->messages.empty());
    QVERIFY(form->lastLine == (Line{-2.0, 1.0, -1.0}));
    QVERIFY(form->secondLine == (Line{1.0, 0.0, -3.0}));
}

void TestProblemForm::hugeEquationDoesNotHang() {
    QString text;
    for (int i = 0; i < 25000; ++i)
        text += QStringLiteral("+x-y");
    form->field(QStringLiteral("Text1"))->setText(text + QStringLiteral("=0"));
    click(*form, QStringLiteral("Resolver2"));
    QVERIFY(!form->ModoResolver());
    QVERIFY(messages->messages.size() <= 2);
}

void TestProblemForm::navigationButtons() {
    QPointer<TestForm> window = new TestForm;
    window->show();
    click(*window, QStringLiteral("Command14"));
    click(*window, QStringLiteral("Command16"));
    QCOMPARE(nav->pages, (std::vector<HelpPage>{HelpPage::Indice, HelpPage::Funcoes}));
    click(*window, QStringLiteral("Sair"));
    QCOMPARE(nav->quits, 1);
    click(*window, QStringLiteral("Command2")); // to Lines 1, from a Points-like form
    QCOMPARE(nav->topics, std::vector<Topic>{Topic::Recta1});
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(window.isNull()); // unloaded: the next showing is a new form
}

void TestProblemForm::unavailableTopicsAreDisabled() {
    nav->available = {int(Topic::Triangulo)};
    TestForm partial;
    QVERIFY(partial.findChild<QToolButton*>(QStringLiteral("Command12"))->isEnabled());
    QVERIFY(!partial.findChild<QToolButton*>(QStringLiteral("Command2"))->isEnabled());
    QCOMPARE(partial.findChild<QToolButton*>(QStringLiteral("Command2"))->text(),
             QStringLiteral("Rectas 1"));
}

void TestProblemForm::activationRedrawsOnlyFromAnotherWindow() {
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    click(*form, QStringLiteral("Resolver1"));
    QVERIFY(hasDot(*form->board(), {2, 3}, Azul));

    // A modal box of the form's own opens and closes: the drawing stays.
    setMessageHandler(showModalMessageBox);
    QTimer::singleShot(50, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    showMessage(form.get(), {QStringLiteral("Uma mensagem")});
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QVERIFY(hasDot(*form->board(), {2, 3}, Azul));

    // Another window of the program, then back: the bare axes.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QVERIFY(primitives(*form->board(), Primitive::Kind::Dot).empty());
    QCOMPARE(ticks(*form->board(), true), 20);
}

void TestProblemForm::realMessageBoxIsModalAndClosable() {
    setMessageHandler(showModalMessageBox);
    QString seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QTimer::singleShot(50, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seenText = box->text();
        seenIcon = box->icon();
        QCOMPARE(box->windowTitle(), QStringLiteral("Ortoplano"));
        box->button(QMessageBox::Ok)->click();
    });
    showMessage(nullptr, {QStringLiteral("O ponto não pertence à circunferência.")});
    QCOMPARE(seenText, QStringLiteral("O ponto não pertence à circunferência."));
    QCOMPARE(seenIcon, QMessageBox::Information);
}

QTEST_MAIN(TestProblemForm)
#include "tst_problemform.moc"
