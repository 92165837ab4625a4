// The framework every problem form is built on: the board's axes, the press
// with its solve mode and error report, the spin arrows, and lines read from
// their equations and drawn across the viewport. (Activation: tst_boardexport.)

#include "problemform.h"
#include "testsupport.h"
#include "textrules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <memory>

namespace {
const QColor Black = QBColor(0), Grey = QBColor(8);

/// A small problem form: one frame reads a point and writes 1/x, one reads a
/// line and draws it in red.
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
                if (ModoResolver()) setResult("Resultado1", TextRules::number(1 / p.x, sep()));
            });
        addFrame("Frame2", "Uma recta").field("Text1", "", "Recta").dadosResolver(2, [this] {
            line = LerEquacaoRecta(fieldNamed("Text1"));
            DesenharEixos();
            pen(Vermelho, 2);
            DesenharRecta(line);
        });
    }
    using ProblemForm::fieldNamed;
    void click(const QString& button) const {
        QTest::mouseClick(findChild<QAbstractButton*>(button), Qt::LeftButton);
    }
    /// "Field=text;Field=text"
    void type(const QString& texts) const {
        for (const QString& item : texts.split(';', Qt::SkipEmptyParts))
            fieldNamed(item.section('=', 0, 0))->setText(item.section('=', 1, -1));
    }

    bool solveModeSeen = false;
    Line line;
};

/// A data table of text columns, each row named after its first two cells.
void table(std::initializer_list<const char*> columns,
           std::initializer_list<std::vector<const char*>> rows) {
    for (const char* column : columns)
        QTest::addColumn<QString>(column);
    for (const auto& row : rows) {
        QTestData& data = QTest::addRow("%s | %s", row[0], row[1]);
        for (const char* cell : row)
            data << QString::fromUtf8(cell);
    }
}

/// Ticks on the x axis and on the y axis (black 1-pixel segments, upright or
/// flat), and grid lines (grey).
QString graduationOf(const Board& board) {
    int n[3] = {};
    for (const Primitive& p : primitives(board, Primitive::Kind::Line))
        if (p.width == 1) ++n[p.color == Grey ? 2 : p.p1.x() == p.p2.x() ? 0 : 1];
    return QString("%1 %2 %3").arg(n[0]).arg(n[1]).arg(n[2]);
}

/// Numbers as text to 6 significant digits, a negative zero as "0".
QString text(std::initializer_list<double> values) {
    QStringList words;
    for (double value : values)
        words << QString::number(value + 0.0);
    return words.join(' ');
}
} // namespace

class TestProblemForm : public QObject {
    Q_OBJECT
    MessageRecorder messages;
    std::unique_ptr<TestForm> form;
    const Board& board() const { return *form->board(); }

private slots:
    void init() {
        useDecimalComma(true);
        messages.clear();
        form = std::make_unique<TestForm>();
    }

    void defaultViewport() {
        const Board& b = board();
        QVERIFY(b.setaH()->isHidden() && b.setaV()->isHidden());
        form->DesenharEixos();
        QVERIFY(form->viewport().PassoX == 0.4f && form->viewport().PassoY == 0.4f);
        QVERIFY(hasSegment(b, {-10.4, 0}, {10.4, 0}, Black, 2, DashStyle::Solid));
        QVERIFY(hasSegment(b, {0, -10.4}, {0, 10.4}, Black, 2, DashStyle::Solid));
        QCOMPARE(graduationOf(b), "20 20 0");
        QStringList names{"x", "y"}, numbers; // no number at 0
        for (int i = -10; i <= 10; ++i)
            if (i != 0) numbers << TextRules::boardNumber(i, ",");
        QCOMPARE(printed(b), names + numbers + numbers);
        // The tip of ">" one pixel beyond the x axis's right end, of "^" on the y axis's top.
        QVERIFY(!b.setaH()->isHidden() && !b.setaV()->isHidden());
        QVERIFY((b.setaH()->pos() + QPointF(3, 4) - b.toPixel({10.4, 0})).manhattanLength() <= 2);
        QVERIFY((b.setaV()->pos() + QPointF(4, 0) - b.toPixel({0, 10.4})).manhattanLength() <= 2);
        // The axis names keep the font in force: the board's own at first, later 6 points.
        QCOMPARE(primitives(b, Primitive::Kind::Text)[0].font.pointSize, 8.25);
        form->DesenharEixos();
        QCOMPARE(primitives(b, Primitive::Kind::Text)[0].font.pointSize, 6.0);
    }

    /// With the grid asked for; "-" counts anything. The last two viewports
    /// are absurd: drawn and painted in bounded time.
    void graduation_data() {
        // clang-format off
        table({"viewport", "counts"}, // ticks on x, on y, grid lines
              {{"Xmin=-25;Xmax=25", "50 20 70"}, {"Xmin=-25;Xmax=25,5", "0 0 0"},
               {"Ymin=-250;Ymax=250", "20 500 520"}, {"Xmin=10;Xmax=-10", "0 20 20"},
               {"Xmin=-10,5", "21 20 41"},
               {"Ymin=0;Ymax=1E+9", "20 - -"},
               {"Xmin=-1E+37;Xmax=1E+37;Ymin=-1E+37;Ymax=1E+37", "0 0 0"}});
        // clang-format on
    }
    void graduation() {
        QFETCH(QString, viewport);
        QFETCH(QString, counts);
        form->type(viewport);
        form->findChild<QCheckBox*>("DesenharGrelha")->setChecked(true);
        form->DesenharEixos();
        QImage image(631, 631, QImage::Format_ARGB32);
        QPainter painter(&image);
        board().render(painter, QSizeF(631, 631));
        QVERIFY(board().displayList().size() < 30000);
        const QRegularExpression expected(
            QRegularExpression::anchoredPattern(QString(counts).replace("-", "\\d+")));
        QVERIFY2(expected.match(graduationOf(board())).hasMatch(),
                 qPrintable(graduationOf(board())));
        for (const Primitive& p : primitives(board(), Primitive::Kind::Line)) // none on an axis
            QVERIFY(p.color != Grey || ((p.p1.x() || p.p2.x()) && (p.p1.y() || p.p2.y())));
        QVERIFY(messages.messages.empty());
        if (viewport != "Xmin=-10,5") return;
        // The first number at Int(-10,5); the grid from the typed minimum, between the ticks.
        QVERIFY(printed(board()).contains("-11 "));
        for (double x = -10.5; x <= 10; x += 1)
            QVERIFY(hasSegment(board(), {x, 10.4}, {x, -10.4}, Grey, 1));
        QVERIFY(hasSegment(board(), {-10.91, -10}, {10.41, -10}, Grey, 1)); // PassoX: 20.5 / 50
    }

    void spinArrows_data() {
        // clang-format off
        table({"arrow", "typed", "up", "down"}, // Xmin;Xmax;Ymin;Ymax
              {{"UpDown1", "", "-9;10;-9;10", "-11;10;-11;10"},
               {"UpDown2", "Ymin=-3", "-9;10;-2;10", "-11;10;-4;10"},
               {"UpDown3", "Ymax=7", "-10;11;-10;8", "-10;9;-10;6"},
               {"UpDown4", "Xmax=4", "-10;5;-10;11", "-10;3;-10;9"},
               {"UpDown1", "Xmin=2,5;Ymin=-0,5", "3,5;10;0,5;10", "1,5;10;-1,5;10"}});

        // clang-format on
    }
    /// The arrow, and the Up or Down key in the field beside it, do the same
    /// and redraw nothing.
    void spinArrows() {
        QFETCH(QString, arrow);
        QFETCH(QString, typed);
        QFETCH(QString, up);
        QFETCH(QString, down);
        const QString name = QStringList{"Xmin", "Ymin", "Xmax", "Ymax"}[arrow[6].digitValue() - 1];
        for (const auto& [direction, after] : {std::pair{QString("up"), up}, {"down", down}})
            for (bool byKey : {false, true}) {
                form->type("Xmin=-10;Xmax=10;Ymin=-10;Ymax=10;" + typed);
                if (byKey)
                    QTest::keyClick(form->fieldNamed(name),
                                    direction == "up" ? Qt::Key_Up : Qt::Key_Down);
                else
                    form->click(arrow + '_' + direction);
                QStringList bounds;
                for (const char* bound : {"Xmin", "Xmax", "Ymin", "Ymax"})
                    bounds << form->fieldNamed(bound)->text();
                QCOMPARE(bounds.join(';'), after);
                QCOMPARE(board().displayList().size(), std::size_t(2));
            }
    }

    /// The line as read, in both regional settings, and as drawn across the
    /// viewport shrunk by one unit, from its top crossing to its bottom one.
    void linesReadAndDrawn_data() {
        // clang-format off
        table({"viewport", "typed", "line", "ends"},
              {{"", "2x + 3y + 4 = 0", "2 3 4", "-9 4.66667 9 -7.33333"},
               {"", "y=2x+1", "-2 1 -1", "4 9 -5 -9"},
               {"", "3x-4y=24", "3 -4 -24", "9 0.75 -4 -9"},
               {"", "x*x+y=0", "1 1 0", "-9 9 9 -9"},
               {"", "x+y=0.3", "1 1 -0.3", "-8.7 9 9 -8.7"}, // sampled through x+y-(0.3)-(-0.3)
               {"", "2(x+y)=x-4", "1 2 4", "-9 2.5 9 -6.5"},
               {"", "0x+0y=5", "0 0 -5", ""}, // reported when it is drawn
               {"", "x-y=0", "1 -1 0", "9 9 -9 -9"},
               {"", "2y-4=0", "0 2 -4", "-9 2 9 2"},
               {"", "3x+6=0", "3 0 6", "-2 -9 -2 9"},
               {"", "x-y+100=0", "1 -1 100", "-9 91 -9 91"}, // missing the viewport
               {"Xmin=-50;Xmax=50", "y=0", "0 1 0", "-49 0 49 0"},
               {"Xmin=-50;Xmax=50", "0.1x-y=0", "0.1 -1 0", "49 4.9 -49 -4.9"}});
        // clang-format on
    }
    void linesReadAndDrawn() {
        QFETCH(QString, viewport);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QFETCH(QString, ends);
        for (bool comma : {true, false}) {
            useDecimalComma(comma);
            messages.clear();
            form->type(viewport + ";Text1=" + typed);
            form->click("Dados2");
            QCOMPARE(form->fieldNamed("Text1")->text(), QString(typed).remove(' '));
            const Line& read = form->line;
            QCOMPARE(text({read.a.value(), read.b.value(), read.c.value()}), line);
            QString drawn;
            for (const Primitive& p : primitives(board(), Primitive::Kind::Line))
                if (p.color == Vermelho && p.width == 2)
                    drawn += text({p.p1.x(), p.p1.y(), p.p2.x(), p.p2.y()});
            QCOMPARE(drawn, ends);
            QCOMPARE(messages.texts(),
                     ends.isEmpty() ? QStringList{"A equação que indicou não é a de uma recta."}
                                    : QStringList{});
        }
    }

    /// A fault ends the press with one message; solve mode ends, the result
    /// keeps its text, the board keeps what was drawn before the fault: the
    /// data of the first frame, or nothing when the viewport cannot be read.
    /// Line texts are refused, or rejected by the interpreter, before anything is drawn.
    void faultsEndThePress_data() {
        const char *notALine = "A equação não representa uma recta.",
                   *badArgument = "Argumento ou chamada de procedimento inválidos.";
        // clang-format off
        table({"typed", "fault", "board"},
              {{"Abcissa1=abc", "Variável não definida: abc", "kept"},
               {"Abcissa1=0", "Divisão por zero.", "data"},
               {"Xmin=2*3", "Tipos incompatíveis.", "cleared"}, {"Xmin=10", badArgument, "cleared"},
               {"Xmin=-3E+38;Xmax=3E+38", "Capacidade excedida.", "cleared"},
               {"Text1=x^2+y=0", notALine, "kept"}, {"Text1=x>0", notALine, "kept"},
               {"Text1=x^3=y", notALine, "kept"}, {"Text1=y = x ^2", notALine, "kept"},
               {"Text1=2x+3y", badArgument, "kept"}, {"Text1=x+z=1", "Variável não definida: z", "kept"}});
        // clang-format on
    }
    void faultsEndThePress() {
        QFETCH(QString, typed);
        QFETCH(QString, fault);
        QFETCH(QString, board);
        form->click("Dados1");
        const std::size_t before = this->board().displayList().size();
        form->type(typed);
        form->findChild<QLabel*>("Resultado1")->setText("antes");
        form->click(typed.startsWith("Text1") ? "Resolver2" : "Resolver1");
        const Message refused{fault}, report{"Erro:\n\n" + fault, MessageIcon::None};
        QCOMPARE(messages.messages,
                 std::vector<Message>{fault.startsWith("A eq") ? refused : report});
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
};

QTEST_MAIN(TestProblemForm)
#include "tst_problemform.moc"
