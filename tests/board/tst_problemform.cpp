// The framework every problem form is built on: the board's axes, the press
// with its solve mode and error report, the spin arrows, lines drawn across
// the viewport, the line-equation reader, activation and message boxes.

#include "problemform.h"
#include "testsupport.h"
#include "textrules.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <memory>

Q_DECLARE_METATYPE(Line)

namespace {
const QColor Black = QBColor(0), Grey = QBColor(8);

/// A small problem form: one frame reads a point, one a line, one two lines.
class TestForm : public ProblemForm {
public:
    TestForm()
        : ProblemForm(FormSpec{.objectName = "FormTeste", .title = "TESTE"}) {
        addFrame("Frame1", "Inverso da abcissa")
            .point("Abcissa1", "2", "Ordenada1", "3", "P")
            .result("Resultado1")
            .dadosResolver(1, [this] { inverse(); });
        addFrame("Frame2", "Uma recta")
            .field("Text1", "2x-3y+4=0", "Recta")
            .dadosResolver(2, [this] {
                lines[0] = LerEquacaoRecta(field("Text1"));
                DesenharEixos();
                DesenharRecta(lines[0]);
            });
        addFrame("Frame3", "Duas rectas")
            .field("Text2", "x+y=1", "Primeira")
            .field("Text3", "x-y=1", "Segunda")
            .dadosResolver(3, [this] { lines = LerEquacoesRecta(field("Text2"), field("Text3")); });
    }

    void drawLine(const Line& line) { DesenharRecta(line); }
    QLineEdit* field(const QString& name) const { return fieldNamed(name); }
    QString result() const { return labelNamed("Resultado1")->text(); }
    void click(const QString& button) const {
        QTest::mouseClick(findChild<QAbstractButton*>(button), Qt::LeftButton);
    }
    /// "Field=text;Field=text"
    void type(const QString& texts) const {
        for (const QString& item : texts.split(';'))
            field(item.section('=', 0, 0))->setText(item.section('=', 1));
    }
    void setViewport(const QString& bounds) const { // "Xmin;Xmax;Ymin;Ymax"
        const QStringList v = bounds.split(';');
        type("Xmin=" + v[0] + ";Xmax=" + v[1] + ";Ymin=" + v[2] + ";Ymax=" + v[3]);
    }
    QString viewportTexts() const {
        QStringList texts;
        for (const char* name : {"Xmin", "Xmax", "Ymin", "Ymax"})
            texts << field(name)->text();
        return texts.join(';');
    }

    bool solveModeSeen = false;
    std::array<Line, 2> lines;

private:
    void inverse() {
        solveModeSeen = ModoResolver();
        const Pt p = LerPonto("Abcissa1", "Ordenada1");
        DesenharEixos();
        pen(Azul, 2);
        dot(p);
        guides(p);
        if (ModoResolver()) setResult("Resultado1", TextRules::number(1 / p.x, sep()));
    }
};

/// Ticks: black 1-pixel segments crossing an axis.
int ticks(const Board& board, bool onXAxis) {
    int count = 0;
    for (const Primitive& p : primitives(board, Primitive::Kind::Line)) {
        const bool vertical = p.p1.x() == p.p2.x();
        const bool crosses = onXAxis ? p.p1.y() * p.p2.y() < 0 : p.p1.x() * p.p2.x() < 0;
        count += p.color == Black && p.width == 1 && vertical == onXAxis && crosses;
    }
    return count;
}

int gridLines(const Board& board) {
    const auto lines = primitives(board, Primitive::Kind::Line);
    return int(std::count_if(lines.begin(), lines.end(), [](auto& p) { return p.color == Grey; }));
}
} // namespace

class TestProblemForm : public QObject {
    Q_OBJECT

    std::unique_ptr<NavigationRecorder> nav;
    std::unique_ptr<MessageRecorder> messages;
    std::unique_ptr<TestForm> form;
    const Board& board() const { return *form->board(); }

private slots:
    void init() {
        useDecimalComma(true);
        nav = std::make_unique<NavigationRecorder>();
        messages = std::make_unique<MessageRecorder>();
        form = std::make_unique<TestForm>();
        form->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    void cleanup() {
        form.reset();
        messages.reset();
        nav.reset();
    }

    void defaultViewport() {
        const Board& b = board();
        QVERIFY(b.setaH()->isHidden() && b.setaV()->isHidden());
        form->DesenharEixos();
        QCOMPARE(form->viewport().PassoX, 0.4f);
        QCOMPARE(form->viewport().PassoY, 0.4f);
        QVERIFY(nearPoint(b.window().topLeft(), {-10.8, 10.8}));
        QVERIFY(nearPoint(b.window().bottomRight(), {10.8, -10.8}));
        QVERIFY(hasSegment(b, {-10.4, 0}, {10.4, 0}, Black, 2, DashStyle::Solid));
        QVERIFY(hasSegment(b, {0, -10.4}, {0, 10.4}, Black, 2, DashStyle::Solid));
        QCOMPARE(ticks(b, true), 20);
        QCOMPARE(ticks(b, false), 20);
        QStringList numbers{"x", "y"}; // no number at 0
        for (int i = -10; i <= 10; ++i)
            if (i != 0) numbers << TextRules::boardNumber(i, ",");
        QCOMPARE(printed(b), numbers + numbers.mid(2));
        QCOMPARE(gridLines(b), 0);
        // The tip of ">" one pixel beyond the x axis's right end, of "^" on the y axis's top.
        QVERIFY(!b.setaH()->isHidden() && !b.setaV()->isHidden());
        const QPointF tipH = b.setaH()->pos() + QPoint(4, 4),
                      tipV = b.setaV()->pos() + QPoint(4, 0);
        QVERIFY((tipH - b.toPixel({10.4, 0}) - QPointF(1, 0)).manhattanLength() <= 2);
        QVERIFY((tipV - b.toPixel({0, 10.4})).manhattanLength() <= 2);
        // The axis names keep the font in force: the board's own at first, later 6 points.
        const auto nameFont = [&b] { return primitives(b, Primitive::Kind::Text).front().font; };
        QCOMPARE(nameFont(), (BoardFont{"MS Sans Serif", 8.25, true}));
        form->DesenharEixos();
        QCOMPARE(nameFont(), (BoardFont{"MS Sans Serif", 6, true}));
    }

    void graduation_data() {
        QTest::addColumn<QString>("viewport");
        QTest::addColumn<int>("xTicks");
        QTest::addColumn<int>("yTicks");
        QTest::addColumn<int>("grid"); // lines with the grid on; -1: not counted
        QTest::newRow("width 50 exactly") << "-25;25;-10;10" << 50 << 20 << 50 + 20;
        QTest::newRow("width 50,5") << "-25;25,5;-10;10" << 0 << 0 << 0;
        QTest::newRow("height 500: only x decides") << "-10;10;-250;250" << 20 << 500 << 20 + 500;
        QTest::newRow("mirrored x axis") << "10;-10;-10;10" << 0 << 20 << 20;
        QTest::newRow("first tick in the margin") << "-10,5;10;-10;10" << 21 << 20 << 21 + 20;
        // Absurd viewports: drawn and painted in bounded time.
        const QString tiny = "0,000000000000000000000000000001";
        QTest::newRow("far from the origin") << "1E+8;100000040;1E+8;100000040" << -1 << -1 << -1;
        QTest::newRow("very tall") << "-10;10;0;1E+9" << 20 << -1 << -1;
        QTest::newRow("tiny") << "0;" + tiny + ";0;" + tiny << -1 << -1 << -1;
        QTest::newRow("huge") << "-1E+37;1E+37;-1E+37;1E+37" << 0 << 0 << 0;
    }
    void graduation() {
        QFETCH(QString, viewport);
        QFETCH(int, xTicks);
        QFETCH(int, yTicks);
        QFETCH(int, grid);
        form->setViewport(viewport);
        form->findChild<QCheckBox*>("DesenharGrelha")->setChecked(true);
        form->DesenharEixos();
        QImage image(631, 631, QImage::Format_ARGB32);
        QPainter painter(&image);
        board().render(painter, QSizeF(631, 631));
        QVERIFY(board().displayList().size() < 30000);
        if (xTicks >= 0) QCOMPARE(ticks(board(), true), xTicks);
        if (yTicks >= 0) QCOMPARE(ticks(board(), false), yTicks);
        if (grid >= 0) QCOMPARE(gridLines(board()), grid);
        for (const Primitive& p : primitives(board(), Primitive::Kind::Line)) // none on an axis
            QVERIFY(p.color != Grey || ((p.p1.x() || p.p2.x()) && (p.p1.y() || p.p2.y())));
        QVERIFY(messages->messages.empty());
    }

    void gridFromTheTypedMinimum() {
        form->setViewport("-10,5;10;-10;10");
        form->findChild<QCheckBox*>("DesenharGrelha")->setChecked(true);
        form->DesenharEixos();
        QVERIFY(printed(board()).contains("-11 ")); // the first number at Int(-10,5)
        for (double x = -10.5; x <= 10; x += 1)     // between the ticks
            QVERIFY2(hasSegment(board(), {x, 10.4}, {x, -10.4}, Grey, 1),
                     qPrintable(QString::number(x)));
        QVERIFY(hasSegment(board(), {-10.91, -10}, {10.41, -10}, Grey, 1)); // PassoX is 20.5 / 50
    }

    void spinArrows_data() {
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* arrow, const char* before, const char* after) {
            QTest::addRow("%s from %s", arrow, before) << arrow << before << after;
        };
        row("UpDown1_up", "-10;10;-10;10", "-9;10;-9;10");
        row("UpDown1_down", "-10;10;-10;10", "-11;10;-11;10");
        row("UpDown2_up", "-10;10;-3;10", "-9;10;-2;10");
        row("UpDown2_down", "-10;10;-10;10", "-11;10;-11;10");
        row("UpDown3_up", "-10;10;-10;10", "-10;11;-10;11");
        row("UpDown3_down", "-10;10;-10;7", "-10;9;-10;6");
        row("UpDown4_up", "-10;4;-10;10", "-10;5;-10;11");
        row("UpDown4_down", "-10;10;-10;10", "-10;9;-10;9");
        row("UpDown1_up", "2,5;10;-0,5;10", "3,5;10;0,5;10");
        row("UpDown1_up", "abc;10;-10;10", "abc;10;-9;10"); // not a number: stays
    }
    /// The arrow, and the Up or Down key in the field beside it, do the same.
    void spinArrows() {
        QFETCH(QString, arrow);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const QString field =
            QStringList{"Xmin", "Ymin", "Xmax", "Ymax"}[arrow[6].digitValue() - 1];
        for (bool byKey : {false, true}) {
            form->setViewport(before);
            if (byKey)
                QTest::keyClick(form->field(field),
                                arrow.endsWith("_up") ? Qt::Key_Up : Qt::Key_Down);
            else
                form->click(arrow);
            QTest::keyClick(form->field(field), Qt::Key_Up, Qt::ShiftModifier); // plain keys only
            QCOMPARE(form->viewportTexts(), after);
            QCOMPARE(board().displayList().size(), std::size_t(2)); // nothing redrawn
        }
    }

    void lineAcrossTheViewport_data() {
        QTest::addColumn<QString>("viewport");
        QTest::addColumn<Line>("line");
        QTest::addColumn<QString>("ends"); // from the top crossing to the bottom one
        const auto row = [](const char* name, const char* viewport, Line line, const char* ends) {
            QTest::newRow(name) << viewport << line << ends;
        };
        const char *square = "-10;10;-10;10", *wide = "-50;50;-10;10";
        row("diagonal", square, {1.0, -1.0, 0.0}, "9 9 -9 -9");
        row("horizontal", square, {0.0, 2.0, -4.0}, "-9 2 9 2");
        row("vertical", square, {3.0, 0.0, 6.0}, "-2 -9 -2 9");
        row("steep", square, {10.0, -1.0, 0.0}, "0.9 9 -0.9 -9");
        row("missing the viewport", square, {1.0, -1.0, 100.0}, "-9 91 -9 91");
        row("wide horizontal", wide, {0.0, 1.0, 0.0}, "-49 0 49 0");
        row("wide diagonal", wide, {1.0, -1.0, 0.0}, "9 9 -9 -9");
        row("wide, leaves by the sides", wide, {0.1, -1.0, 0.0}, "49 4.9 -49 -4.9");
    }
    void lineAcrossTheViewport() {
        QFETCH(QString, viewport);
        QFETCH(Line, line);
        QFETCH(QString, ends);
        form->setViewport(viewport);
        form->DesenharEixos();
        form->board()->setForeColor(Vermelho);
        form->board()->setDrawWidth(2);
        form->drawLine(line);
        const Primitive drawn = board().displayList().back();
        const QStringList at = ends.split(' ');
        QVERIFY(nearPoint(drawn.p1, {at[0].toDouble(), at[1].toDouble()}) &&
                nearPoint(drawn.p2, {at[2].toDouble(), at[3].toDouble()}));
        QVERIFY(drawn.color == Vermelho && drawn.width == 2);
        // A line with a = b = 0 is reported and not drawn.
        const std::size_t before = board().displayList().size();
        form->drawLine({0.0, 0.0, 3.0});
        QCOMPARE(messages->texts(), QStringList{"A equação que indicou não é a de uma recta."});
        QCOMPARE(board().displayList().size(), before);
    }

    void pressInDataAndSolveMode() {
        form->click("Dados1");
        QVERIFY(!form->solveModeSeen);
        QVERIFY(hasDot(board(), {2, 3}, Azul));
        QVERIFY(hasSegment(board(), {2, 0}, {2, 3}, Azul, 1, DashStyle::Dotted));
        QVERIFY(form->result().isEmpty());
        form->type("Abcissa1= 4 "); // read as 4
        form->click("Resolver1");
        QVERIFY(form->solveModeSeen && !form->ModoResolver());
        QCOMPARE(form->result(), QStringLiteral("0,25"));
        QVERIFY(messages->messages.empty());
    }

    void faultsEndThePress_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("board"); // after the press: "kept", "data" or "cleared"
        const auto row = [](const char* typed, const char* message, const char* board = "kept",
                            const char* button = "Resolver1") {
            const QString text = QString::fromUtf8(message);
            QTest::newRow(typed) << typed << button
                                 << (text.startsWith("A eq") ? text : "Erro:\n\n" + text) << board;
        };
        row("Abcissa1=abc", "Variável não definida: abc");
        row("Abcissa1=", "Expressão inválida");
        row("Abcissa1=0", "Divisão por zero.", "data");
        row("Abcissa1=1/0", "Divisão por zero.");
        row("Abcissa1=sqr(-1)", "Argumento ou chamada de procedimento inválidos.");
        row("Xmin=abc", "Tipos incompatíveis.", "cleared");
        row("Xmin=2*3", "Tipos incompatíveis.", "cleared");
        row("Xmin=10", "Argumento ou chamada de procedimento inválidos.", "cleared");
        row("Ymax=-10", "Argumento ou chamada de procedimento inválidos.", "cleared");
        row("Xmin=-1E+300", "Capacidade excedida.", "cleared");
        row("Xmin=-3E+38;Xmax=3E+38", "Capacidade excedida.", "cleared");
        // Line texts: refused, or rejected by the interpreter, before anything is drawn.
        for (const char* text :
             {"Text1=x^2+y=0", "Text1=x>0", "Text1=y<1", "Text1=x^3=y", "Text1=y = x ^2"})
            row(text, "A equação não representa uma recta.", "kept", "Resolver2");
        row("Text1=2x+3y", "Argumento ou chamada de procedimento inválidos.", "kept", "Resolver2");
        row("Text1=x+z=1", "Variável não definida: z", "kept", "Resolver2");
        row("Text1=(x+1=2", "Número de parênteses incorrecto.", "kept", "Resolver2");
    }
    /// A fault ends the press with one message; solve mode ends, the result
    /// keeps its text, the board keeps what was drawn before the fault.
    void faultsEndThePress() {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(QString, board);
        form->click("Dados1");
        const std::size_t before = this->board().displayList().size();
        form->type(typed);
        form->findChild<QLabel*>("Resultado1")->setText("antes");
        form->click(button);
        const auto icon =
            message.startsWith("Erro:") ? MessageIcon::None : MessageIcon::Information;
        QCOMPARE(messages->messages, (std::vector<Message>{{message, icon}}));
        QVERIFY(!form->ModoResolver());
        if (board == "kept") QCOMPARE(this->board().displayList().size(), before);
        QCOMPARE(hasDot(this->board(), {2, 3}, Azul), board == "kept");
        QCOMPARE(hasDot(this->board(), {0, 3}, Azul), board == "data");
        if (board == "cleared") QVERIFY(primitives(this->board(), Primitive::Kind::Dot).empty());
        // Solve mode is off: the next "Dados" press only draws the data.
        form->setViewport("-10;10;-10;10");
        form->type("Abcissa1=4;Ordenada1=3");
        form->click("Dados1");
        QVERIFY(!form->solveModeSeen);
        QVERIFY(hasDot(this->board(), {4, 3}, Azul));
        QCOMPARE(form->result(), QStringLiteral("antes"));
    }

    void lineReader_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("rewritten");
        QTest::addColumn<Line>("line");
        const auto row = [](const char* typed, const char* rewritten, Line line) {
            QTest::newRow(typed) << typed << rewritten << line;
        };
        row("2x + 3y + 4 = 0", "2x+3y+4-(0)", {2.0, 3.0, 4.0});
        row("y=2x+1", "y-(2x+1)", {-2.0, 1.0, -1.0});
        row("x=3", "x-(3)", {1.0, 0.0, -3.0});
        row("3x-4y=24", "3x-4y-(24)", {3.0, -4.0, -24.0});
        row("x*x+y=0", "x*x+y-(0)", {1.0, 1.0, 0.0});
        row("x+y=0.3", "x+y-(0.3)", {1.0, 1.0, -0.3}); // sampled again through "-(-0.3)"
        row("2(x+y)=x-4", "2(x+y)-(x-4)", {1.0, 2.0, 4.0});
        row("0x+0y=5", "0x+0y-(5)", {0.0, 0.0, -5.0});
    }
    void lineReader() {
        QFETCH(QString, typed);
        QFETCH(QString, rewritten);
        QFETCH(Line, line);
        for (bool comma : {true, false}) {
            useDecimalComma(comma);
            form->field("Text1")->setText(typed);
            form->lines[0] = {};
            form->click("Dados2");
            QCOMPARE(form->field("Text1")->text(), QString(typed).remove(' ')); // no blanks
            QCOMPARE(form->scratch()->text(), rewritten);
            QVERIFY(form->lines[0] == line);
        }
    }

    /// Both fields are written back without blanks before either is refused.
    void twoFieldsPreparedBeforeChecked() {
        form->type("Text2=x ^2 = y;Text3=x - y = 1");
        form->click("Dados3");
        QCOMPARE(form->field("Text2")->text() + ';' + form->field("Text3")->text(), "x^2=y;x-y=1");
        QCOMPARE(messages->texts(), QStringList{"A equação não representa uma recta."});
        form->type("Text2=y = 2x + 1;Text3=x = 3");
        form->click("Dados3");
        QCOMPARE(messages->messages.size(), std::size_t(1));
        QVERIFY(form->lines[0] == (Line{-2.0, 1.0, -1.0}) &&
                form->lines[1] == (Line{1.0, 0.0, -3.0}));
    }

    // The real modal box, closed by a timer: it is not an activation of the
    // form, while coming back from another window of the program is.
    void activationRedrawsOnlyFromAnotherWindow() {
        const auto activate = [](QWidget* window) {
            window->show();
            window->activateWindow();
            return QTest::qWaitForWindowActive(window);
        };
        QVERIFY(activate(form.get()));
        form->click("Resolver1");
        setMessageHandler(showModalMessageBox);
        QString seen;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            seen = box->windowTitle() + '|' + box->text() + '|' + QString::number(box->icon());
            box->button(QMessageBox::Ok)->click();
        });
        showMessage(form.get(), {"O ponto não pertence à circunferência."});
        QCOMPARE(seen, "Ortoplano|O ponto não pertence à circunferência.|" +
                           QString::number(QMessageBox::Information));
        QVERIFY(activate(form.get()));
        QVERIFY(hasDot(board(), {2, 3}, Azul));
        QWidget other;
        QVERIFY(activate(&other) && activate(form.get()));
        QVERIFY(primitives(board(), Primitive::Kind::Dot).empty());
        QCOMPARE(ticks(board(), true), 20);
    }
};

QTEST_MAIN(TestProblemForm)
#include "tst_problemform.moc"
