// The framework every problem form is built on: the board's axes, the press
// with its solve mode and error report, the spin arrows, lines drawn across
// the viewport and the line-equation reader. (Activation: tst_boardexport.)

#include "problemform.h"
#include "testsupport.h"
#include "textrules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <memory>

Q_DECLARE_METATYPE(Line)

namespace {
const QColor Black = QBColor(0), Grey = QBColor(8);

/// A small problem form: one frame reads a point and writes 1/x, one reads a line.
class TestForm : public ProblemForm {
public:
    TestForm()
        : ProblemForm(FormTraits{.objectName = "FormTeste", .title = "TESTE"}) {
        addFrame("Frame1", "Inverso da abcissa")
            .point("Abcissa1", "2", "Ordenada1", "3", "P")
            .result("Resultado1")
            .dadosResolver(1, [this] {
                solveModeSeen = ModoResolver();
                const Pt p = LerPonto("Abcissa1", "Ordenada1");
                DesenharEixos();
                pen(Azul, 2);
                dot(p);
                guides(p);
                if (ModoResolver()) setResult("Resultado1", TextRules::number(1 / p.x, sep()));
            });
        addFrame("Frame2", "Uma recta")
            .field("Text1", "2x-3y+4=0", "Recta")
            .dadosResolver(2, [this] {
                line = LerEquacaoRecta(field("Text1"));
                DesenharEixos();
                DesenharRecta(line);
            });
    }

    void drawLine(const Line& line) { DesenharRecta(line); }
    QLineEdit* field(const QString& name) const { return fieldNamed(name); }
    void click(const QString& button) const {
        QTest::mouseClick(findChild<QAbstractButton*>(button), Qt::LeftButton);
    }
    /// "Field=text;Field=text"
    void type(const QString& texts) const {
        for (const QString& item : texts.split(';', Qt::SkipEmptyParts))
            field(item.section('=', 0, 0))->setText(item.section('=', 1));
    }
    QString bounds() const {
        QStringList texts;
        for (const char* name : {"Xmin", "Xmax", "Ymin", "Ymax"})
            texts << field(name)->text();
        return texts.join(';');
    }
    void drawGrid() {
        findChild<QCheckBox*>("DesenharGrelha")->setChecked(true);
        DesenharEixos();
    }

    bool solveModeSeen = false;
    Line line;
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

struct Opened {
    NavigationRecorder navigation;
    MessageRecorder messages;
    TestForm form;
};
} // namespace

class TestProblemForm : public QObject {
    Q_OBJECT

    std::unique_ptr<Opened> opened;
    TestForm* form = nullptr;
    const Board& board() const { return *form->board(); }
    const std::vector<Message>& messages() const { return opened->messages.messages; }

private slots:
    void init() {
        useDecimalComma(true);
        opened = std::make_unique<Opened>();
        form = &opened->form;
        form->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    void cleanup() { opened.reset(); }

    void defaultViewport() {
        const Board& b = board();
        QVERIFY(b.setaH()->isHidden() && b.setaV()->isHidden());
        form->DesenharEixos();
        QVERIFY(form->viewport().PassoX == 0.4f && form->viewport().PassoY == 0.4f);
        QVERIFY(nearPoint(b.window().topLeft(), {-10.8, 10.8}));
        QVERIFY(nearPoint(b.window().bottomRight(), {10.8, -10.8}));
        QVERIFY(hasSegment(b, {-10.4, 0}, {10.4, 0}, Black, 2, DashStyle::Solid));
        QVERIFY(hasSegment(b, {0, -10.4}, {0, 10.4}, Black, 2, DashStyle::Solid));
        QVERIFY(ticks(b, true) == 20 && ticks(b, false) == 20 && gridLines(b) == 0);
        QStringList numbers{"x", "y"}; // no number at 0
        for (int i = -10; i <= 10; ++i)
            if (i != 0) numbers << TextRules::boardNumber(i, ",");
        QCOMPARE(printed(b), numbers + numbers.mid(2));
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
        QTest::addColumn<QString>("counts"); // ticks on x, on y, grid lines; "-": not counted
        QTest::newRow("width 50 exactly") << "Xmin=-25;Xmax=25"
                                          << "50 20 70";
        QTest::newRow("width 50,5") << "Xmin=-25;Xmax=25,5"
                                    << "0 0 0";
        QTest::newRow("height 500: only x decides") << "Ymin=-250;Ymax=250"
                                                    << "20 500 520";
        QTest::newRow("mirrored x axis") << "Xmin=10;Xmax=-10"
                                         << "0 20 20";
        QTest::newRow("first tick in the margin") << "Xmin=-10,5"
                                                  << "21 20 41";
        // Absurd viewports: drawn and painted in bounded time.
        const QString tiny = "0,000000000000000000000000000001";
        QTest::newRow("far") << "Xmin=1E+8;Xmax=100000040;Ymin=1E+8;Ymax=100000040"
                             << "- - -";
        QTest::newRow("very tall") << "Ymin=0;Ymax=1E+9"
                                   << "20 - -";
        QTest::newRow("tiny") << "Xmin=0;Xmax=" + tiny + ";Ymin=0;Ymax=" + tiny << "- - -";
        QTest::newRow("huge") << "Xmin=-1E+37;Xmax=1E+37;Ymin=-1E+37;Ymax=1E+37"
                              << "0 0 0";
    }
    void graduation() {
        QFETCH(QString, viewport);
        QFETCH(QString, counts);
        form->type(viewport);
        form->drawGrid();
        QImage image(631, 631, QImage::Format_ARGB32);
        QPainter painter(&image);
        board().render(painter, QSizeF(631, 631));
        QVERIFY(board().displayList().size() < 30000);
        QStringList found{QString::number(ticks(board(), true)),
                          QString::number(ticks(board(), false)),
                          QString::number(gridLines(board()))};
        for (int i = 0; i < 3; ++i)
            if (counts.split(' ')[i] == "-") found[i] = "-";
        QCOMPARE(found.join(' '), counts);
        for (const Primitive& p : primitives(board(), Primitive::Kind::Line)) // none on an axis
            QVERIFY(p.color != Grey || ((p.p1.x() || p.p2.x()) && (p.p1.y() || p.p2.y())));
        QVERIFY(messages().empty());
    }

    void gridFromTheTypedMinimum() {
        form->type("Xmin=-10,5");
        form->drawGrid();
        QVERIFY(printed(board()).contains("-11 ")); // the first number at Int(-10,5)
        for (double x = -10.5; x <= 10; x += 1)     // between the ticks
            QVERIFY2(hasSegment(board(), {x, 10.4}, {x, -10.4}, Grey, 1),
                     qPrintable(QString::number(x)));
        QVERIFY(hasSegment(board(), {-10.91, -10}, {10.41, -10}, Grey, 1)); // PassoX is 20.5 / 50
    }

    void spinArrows_data() {
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after"); // Xmin;Xmax;Ymin;Ymax
        const auto row = [](const char* arrow, const char* before, const char* after) {
            QTest::addRow("%s %s", arrow, before) << arrow << before << after;
        };
        row("UpDown1_up", "", "-9;10;-9;10");
        row("UpDown1_down", "", "-11;10;-11;10");
        row("UpDown2_up", "Ymin=-3", "-9;10;-2;10");
        row("UpDown2_down", "", "-11;10;-11;10");
        row("UpDown3_up", "", "-10;11;-10;11");
        row("UpDown3_down", "Ymax=7", "-10;9;-10;6");
        row("UpDown4_up", "Xmax=4", "-10;5;-10;11");
        row("UpDown4_down", "", "-10;9;-10;9");
        row("UpDown1_up", "Xmin=2,5;Ymin=-0,5", "3,5;10;0,5;10");
        row("UpDown1_up", "Xmin=abc", "abc;10;-9;10"); // not a number: stays
    }
    /// The arrow, and the Up or Down key in the field beside it, do the same.
    void spinArrows() {
        QFETCH(QString, arrow);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QLineEdit* field =
            form->field(QStringList{"Xmin", "Ymin", "Xmax", "Ymax"}[arrow[6].digitValue() - 1]);
        for (bool byKey : {false, true}) {
            form->type("Xmin=-10;Xmax=10;Ymin=-10;Ymax=10;" + before);
            if (byKey)
                QTest::keyClick(field, arrow.endsWith("_up") ? Qt::Key_Up : Qt::Key_Down);
            else
                form->click(arrow);
            QTest::keyClick(field, Qt::Key_Up, Qt::ShiftModifier); // plain keys only
            QCOMPARE(form->bounds(), after);
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
        const char* wide = "Xmin=-50;Xmax=50";
        row("diagonal", "", {1.0, -1.0, 0.0}, "9 9 -9 -9");
        row("horizontal", "", {0.0, 2.0, -4.0}, "-9 2 9 2");
        row("vertical", "", {3.0, 0.0, 6.0}, "-2 -9 -2 9");
        row("steep", "", {10.0, -1.0, 0.0}, "0.9 9 -0.9 -9");
        row("missing the viewport", "", {1.0, -1.0, 100.0}, "-9 91 -9 91");
        row("wide horizontal", wide, {0.0, 1.0, 0.0}, "-49 0 49 0");
        row("wide diagonal", wide, {1.0, -1.0, 0.0}, "9 9 -9 -9");
        row("wide, leaves by the sides", wide, {0.1, -1.0, 0.0}, "49 4.9 -49 -4.9");
    }
    void lineAcrossTheViewport() {
        QFETCH(QString, viewport);
        QFETCH(Line, line);
        QFETCH(QString, ends);
        form->type(viewport);
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
        QCOMPARE(opened->messages.texts(),
                 QStringList{"A equação que indicou não é a de uma recta."});
        QCOMPARE(board().displayList().size(), before);
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
        QCOMPARE(messages(), (std::vector<Message>{{message, icon}}));
        QVERIFY(!form->ModoResolver());
        if (board == "kept") QCOMPARE(this->board().displayList().size(), before);
        QCOMPARE(hasDot(this->board(), {2, 3}, Azul), board == "kept");
        QCOMPARE(hasDot(this->board(), {0, 3}, Azul), board == "data");
        // Solve mode is off: the next "Dados" press only draws the data (3
        // between blanks reads as 3).
        form->type("Xmin=-10;Xmax=10;Ymin=-10;Ymax=10;Abcissa1=4;Ordenada1= 3 ");
        form->click("Dados1");
        QVERIFY(!form->solveModeSeen && hasDot(this->board(), {4, 3}, Azul));
        QCOMPARE(form->findChild<QLabel*>("Resultado1")->text(), QStringLiteral("antes"));
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
    /// In both regional settings; the field written back without blanks.
    void lineReader() {
        QFETCH(QString, typed);
        QFETCH(QString, rewritten);
        QFETCH(Line, line);
        for (bool comma : {true, false}) {
            useDecimalComma(comma);
            form->field("Text1")->setText(typed);
            form->line = {};
            form->click("Dados2");
            QCOMPARE(form->field("Text1")->text(), QString(typed).remove(' '));
            QCOMPARE(form->scratch()->text(), rewritten);
            QVERIFY(form->line == line);
        }
    }
};

QTEST_MAIN(TestProblemForm)
#include "tst_problemform.moc"
