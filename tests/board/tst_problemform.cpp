// The framework of every problem form: the axes, the press with its solve mode
// and error report, the spin arrows, and lines read and drawn.

#include "problemform.h"
#include "testsupport.h"
#include "textrules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <memory>

namespace {
const QColor Black = QBColor(0), Grey = QBColor(8);

/// One frame reads a point and writes 1/x, one reads a line and draws it in red.
class TestForm : public ProblemForm {
public:
    TestForm()
        : ProblemForm(FormTraits{.objectName = "FormTeste", .title = "TESTE"}) {
        addFrame("Frame1", "Inverso da abcissa")
            .point(1, "2", "3", "P")
            .result("Resultado1")
            .dadosResolver(1, [this] {
                const Pt p = LerPonto(1);
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

    Line line;
};

/// A table of rows of texts, each row named after its first two cells.
void table(std::initializer_list<QStringList> rows) {
    QTest::addColumn<QStringList>("row");
    for (const QStringList& row : rows)
        QTest::addRow("%s | %s", qPrintable(row[0]), qPrintable(row[1])) << row;
}

/// Numbers as text to 6 significant digits, a negative zero as "0".
QString text(std::initializer_list<double> values) {
    QStringList words;
    for (double value : values)
        words << QString::number(value + 0.0);
    return words.join(' ');
}

/// The solid segments of that colour and width, each as "x1 y1 x2 y2".
QStringList segments(const Board& board, const QColor& colour, int width) {
    QStringList found;
    for (const Primitive& p : primitives(board, Primitive::Kind::Line))
        if (p.color == colour && p.width == width && p.effectiveStyle() == DashStyle::Solid)
            found << text({p.p1.x(), p.p1.y(), p.p2.x(), p.p2.y()});
    return found;
}

/// Ticks on the x axis (upright black segments), on the y axis, grid lines.
QString graduationOf(const Board& board) {
    int n[3] = {};
    for (const QString& s : segments(board, Black, 1))
        ++n[s.section(' ', 0, 0) == s.section(' ', 2, 2) ? 0 : 1];
    n[2] = int(segments(board, Grey, 1).size());
    return text({double(n[0]), double(n[1]), double(n[2])});
}

QStringList printed(const Board& board) {
    QStringList texts;
    for (const Primitive& p : primitives(board, Primitive::Kind::Text))
        texts << p.text;
    return texts;
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
        QCOMPARE(segments(b, Black, 2), QStringList({"-10.4 0 10.4 0", "0 -10.4 0 10.4"}));
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

    /// With the grid; "*" counts anything. The last two viewports are absurd:
    /// drawn and painted in bounded time.
    void graduation_data() {
        // clang-format off
        table({{"Xmin=-25;Xmax=25", "50 20 70"}, {"Xmin=-25;Xmax=25,5", "0 0 0"},
               {"Ymin=-250;Ymax=250", "20 500 520"}, {"Xmin=10;Xmax=-10", "0 20 20"},
               {"Xmin=-10,5", "21 20 41"}, {"Ymin=0;Ymax=1E+9", "20 * *"},
               {"Xmin=-1E+37;Xmax=1E+37;Ymin=-1E+37;Ymax=1E+37", "0 0 0"}});
        // clang-format on
    }
    void graduation() {
        QFETCH(QStringList, row);
        const QString &viewport = row[0], &counts = row[1]; // ticks on x, on y, grid lines
        form->type(viewport);
        form->findChild<QCheckBox*>("DesenharGrelha")->setChecked(true);
        form->DesenharEixos();
        form->board()->grab();
        QVERIFY(board().displayList().size() < 30000);
        const QString counted = graduationOf(board());
        QVERIFY2(QRegularExpression::fromWildcard(counts).match(counted).hasMatch(),
                 qPrintable(counted));
        for (const QString& s : segments(board(), Grey, 1)) // none on an axis
            QVERIFY(!QString(' ' + s + ' ').contains(" 0 "));
        QVERIFY(messages.messages.empty());
        if (viewport != "Xmin=-10,5") return;
        // The first number at Int(-10,5); the grid from the typed minimum, between the ticks.
        QVERIFY(printed(board()).contains("-11 "));
        QCOMPARE(segments(board(), Grey, 1).mid(0, 2),
                 QStringList({"-10.5 10.4 -10.5 -10.4", "-9.5 10.4 -9.5 -10.4"}));
        QVERIFY(segments(board(), Grey, 1).contains("-10.91 -10 10.41 -10")); // PassoX: 20.5 / 50
    }

    void spinArrows_data() { // Xmin;Xmax;Ymin;Ymax after a step up, after one down
        table({{"UpDown1", "", "-9;10;-9;10", "-11;10;-11;10"},
               {"UpDown2", "Ymin=-3", "-9;10;-2;10", "-11;10;-4;10"},
               {"UpDown3", "Ymax=7", "-10;11;-10;8", "-10;9;-10;6"},
               {"UpDown4", "Xmax=4", "-10;5;-10;11", "-10;3;-10;9"},
               {"UpDown1", "Xmin=2,5;Ymin=-0,5", "3,5;10;0,5;10", "1,5;10;-1,5;10"}});
    }
    /// The arrow, and the Up or Down key in the field beside it, do the same
    /// and redraw nothing.
    void spinArrows() {
        QFETCH(QStringList, row);
        const QString &arrow = row[0], &typed = row[1], &up = row[2], &down = row[3];
        const QString field =
            QStringList{"Xmin", "Ymin", "Xmax", "Ymax"}[arrow[6].digitValue() - 1];
        for (const auto& [direction, after] : {std::pair{QString("up"), up}, {"down", down}})
            for (bool byKey : {false, true}) {
                form->type("Xmin=-10;Xmax=10;Ymin=-10;Ymax=10;" + typed);
                if (byKey)
                    QTest::keyClick(form->fieldNamed(field),
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
        table({{"", "2x + 3y + 4 = 0", "2 3 4", "-9 4.66667 9 -7.33333"},
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
    }
    void linesReadAndDrawn() {
        QFETCH(QStringList, row);
        const QString &viewport = row[0], &typed = row[1], &line = row[2], &ends = row[3];
        for (bool comma : {true, false}) {
            useDecimalComma(comma);
            messages.clear();
            form->type(viewport + ";Text1=" + typed);
            form->click("Dados2");
            QCOMPARE(form->fieldNamed("Text1")->text(), QString(typed).remove(' '));
            const Line& read = form->line;
            QCOMPARE(text({read.a.value(), read.b.value(), read.c.value()}), line);
            QCOMPARE(segments(board(), Vermelho, 2).join(' '), ends);
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
        table({{"Abcissa1=abc", "Variável não definida: abc", "kept"},
               {"Abcissa1=0", "Divisão por zero.", "data"},
               {"Xmin=2*3", "Tipos incompatíveis.", "cleared"}, {"Xmin=10", badArgument, "cleared"},
               {"Xmin=-3E+38;Xmax=3E+38", "Capacidade excedida.", "cleared"},
               {"Text1=x^2+y=0", notALine, "kept"}, {"Text1=x>0", notALine, "kept"},
               {"Text1=x^3=y", notALine, "kept"}, {"Text1=y = x ^2", notALine, "kept"},
               {"Text1=2x+3y", badArgument, "kept"}, {"Text1=x+z=1", "Variável não definida: z", "kept"}});
        // clang-format on
    }
    void faultsEndThePress() {
        QFETCH(QStringList, row);
        const QString &typed = row[0], &fault = row[1], &after = row[2];
        form->click("Dados1");
        const std::size_t before = board().displayList().size();
        form->type(typed);
        form->findChild<QLabel*>("Resultado1")->setText("antes");
        form->click(typed.startsWith("Text1") ? "Resolver2" : "Resolver1");
        const Message refused{fault}, report{"Erro:\n\n" + fault, MessageIcon::None};
        QCOMPARE(messages.messages,
                 std::vector<Message>{fault.startsWith("A eq") ? refused : report});
        QVERIFY(!form->ModoResolver());
        if (after == "kept") QCOMPARE(board().displayList().size(), before);
        QCOMPARE(hasDot(board(), {2, 3}, Azul), after == "kept");
        QCOMPARE(hasDot(board(), {0, 3}, Azul), after == "data");
        // The next "Dados" press only draws the data (3 between blanks reads as 3).
        form->type("Xmin=-10;Xmax=10;Ymin=-10;Ymax=10;Abcissa1=4;Ordenada1= 3 ");
        form->click("Dados1");
        QVERIFY(hasDot(board(), {4, 3}, Azul));
        QCOMPARE(form->findChild<QLabel*>("Resultado1")->text(), QStringLiteral("antes"));
    }
};

QTEST_MAIN(TestProblemForm)
#include "tst_problemform.moc"
