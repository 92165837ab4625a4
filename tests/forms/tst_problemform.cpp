// The framework of every problem form: the press with its solve mode and
// error report, the spin arrows, and lines read and drawn.

#include "numbered_error.h"
#include "pointsolutions.h"
#include "problemform.h"
#include "testsupport.h"
#include "textrules.h"
#include "verdicts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <memory>

namespace {

/// The test form's frames: a point, whose worked solution faults at abscissa 0, and a line.
const exact::Frame Inverse{"teste-1",
                           Topic::Pontos,
                           "Inverso da abcissa",
                           {{exact::Role::Point, "1"}},
                           {},
                           [](const exact::FrameData& d) {
                               if (d.point(0).x.isZero()) throw NumberedError(11, "", "");
                               return exact::solutions::solvePoint(d.point(0));
                           }};
const exact::Frame OneLine{"teste-2", Topic::Pontos, "Uma recta", {{exact::Role::Line, "Text1"}},
                           {},        nullptr};

/// One frame reads a point and writes 1/x, one reads a line and draws it in red.
class TestForm : public ProblemForm {
public:
    TestForm()
        : ProblemForm(FormTraits{.objectName = "FormTeste", .title = "TESTE"}) {
        addFrame("Frame1", Inverse)
            .point("2", "3", "P")
            .result("Resultado1")
            .dadosResolver(1, [this] {
                const Pt p = givenPoint(0);
                DesenharEixos();
                pen(Azul, 2);
                dot(p);
                if (!ModoResolver()) return;
                setResult("Resultado1", TextRules::number(1 / p.x, sep()));
                explain();
                if (p.x == 7) inform("Sete.", true);
            });
        addFrame("Frame2", OneLine).field("", "Recta").dadosResolver(2, [this] {
            line = givenLine(0);
            DesenharEixos();
            pen(Vermelho, 2);
            DesenharRecta(line, exactly([](const exact::FrameData& d) {
                              return exact::verdict::noLine(d.line(0));
                          }));
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

    /// The worked solution belongs to the drawing on the board: it is that of
    /// the Resolver press that drew it, read exactly from the texts typed for
    /// that press, and goes when the board is redrawn.
    void workedSolutionFollowsTheBoard() {
        QSignalSpy changed(form.get(), &ProblemForm::solutionChanged);
        form->type("Abcissa1=0.1;Ordenada1=sqr(8)");
        form->click("Resolver1");
        QCOMPARE(changed.count(), 1);
        form->click("Resolver1"); // the board redrawn, then explained: said once
        QCOMPARE(changed.count(), 2);
        form->type("Abcissa1=5");
        const exact::Solution* solution = form->solution();
        QVERIFY(solution);
        QCOMPARE(solution, form->solution()); // built once
        const auto* p = solution->answer.get<exact::Point>({});
        QVERIFY(p);
        QCOMPARE(exact::text(*p, ","), std::string("(1/10 , 2√2)"));
        form->click("Dados1");
        QCOMPARE(changed.count(), 3);
        QVERIFY(!form->solution());
        form->click("Dados2");
        QCOMPARE(changed.count(), 3); // nothing to take away
        form->type("Abcissa1=0");
        form->click("Resolver1"); // the form's answer is a fault: no solution either
        QVERIFY(!form->solution());
        form->type("Abcissa1=1/(0.1+0.2-0.3)"); // a fault only of the exact reading
        form->click("Resolver1");
        QCOMPARE(form->findChild<QLabel*>("Resultado1")->text(), QString("5,55111512312578E-17"));
        QVERIFY(!form->solution());
    }

    /// A message after the answer is read beside its worked solution, which
    /// the press does not announce again when it ends.
    void solutionAnnouncedBeforeAMessage() {
        QSignalSpy changed(form.get(), &ProblemForm::solutionChanged);
        form->click("Resolver1");
        qsizetype announcedWhenSaid = -1;
        const MessageHandler recorder = setMessageHandler(
            [&](QWidget*, const Message&) { announcedWhenSaid = changed.count(); });
        form->type("Abcissa1=7");
        form->click("Resolver1");
        setMessageHandler(recorder);
        QCOMPARE(announcedWhenSaid, 2);
        QCOMPARE(changed.count(), 2);
    }

    /// Whether an equation is a line is decided on the numbers typed when
    /// they are exact, on the program's doubles otherwise.
    void noLineDecidedOnTheNumbersTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("reported");
        QTest::newRow("decimals that cancel") << "(1.1+2.2)*x=3.3*x+1" << true;
        QTest::newRow("not exact: the doubles decide") << "pi*x-pi*x+y=1" << false;
        QTest::newRow("a fault of the exact reading only") << "x/(0.1+0.2-0.3)=1" << false;
    }
    void noLineDecidedOnTheNumbersTyped() {
        QFETCH(QString, typed);
        QFETCH(bool, reported);
        form->type("Text1=" + typed);
        form->click("Resolver2");
        QCOMPARE(messages.texts().contains("A equação que indicou não é a de uma recta."),
                 reported);
        QVERIFY(messages.texts().filter(QRegularExpression("^Erro:")).isEmpty());
    }

    /// With a real modal report, closed by a timer: once it is closed and the form active
    /// again (the window system gives it back), the keyboard is in the field that failed,
    /// its text selected for retyping.
    void realReportLeavesTheFocusInTheField() {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const MessageHandler recorder = setMessageHandler(showModalMessageBox);
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&shown] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                shown = box->property("text").toString();
                box->close();
            }
        });
        closer.start(50);
        form->type("Ordenada1=2,5 abc");
        form->click("Resolver1");
        setMessageHandler(recorder);
        QCOMPARE(shown, QString("Erro:\n\nVariável não definida: abc"));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->fieldNamed("Ordenada1"));
        QCOMPARE(form->fieldNamed("Ordenada1")->selectedText(), QString("2,5 abc"));
    }

    void spinArrows_data() { // Xmin;Xmax;Ymin;Ymax after a step up, after one down
        table({{"UpDown1", "", "-9;10;-9;10", "-11;10;-11;10"},
               {"UpDown2", "Ymin=-3", "-9;10;-2;10", "-11;10;-4;10"},
               {"UpDown3", "Ymax=7", "-10;11;-10;8", "-10;9;-10;6"},
               {"UpDown4", "Xmax=4", "-10;5;-10;11", "-10;3;-10;9"},
               // Either separator reads in either setting; the sum is written in the setting's.
               {"UpDown1", "Xmin=2.5;Ymin=-0.5", "3,5;10;0,5;10", "1,5;10;-1,5;10"},
               {"UpDown1", "Xmin=2,5;Ymin=-0.5", "3.5;10;0.5;10", "1.5;10;-1.5;10", "."},
               // No plain number: the field is left as it is, the paired one still steps.
               {"UpDown1", "Xmin=2*3", "2*3;10;-9;10", "2*3;10;-11;10"}});
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
                useDecimalComma(row.value(4) != "."); // the setting: a comma unless "."
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
               {"", "x+y=0.3", "1 1 -0.3", "-8.7 9 9 -8.7"}, // sampled through x+y-(0.3)-(-0.3)
               {"", "0x+0y=5", "0 0 -5", ""},                // reported when it is drawn
               {"", "2y-4=0", "0 2 -4", "-9 2 9 2"},
               {"", "3x+6=0", "3 0 6", "-2 -9 -2 9"},
               {"", "x-y+100=0", "1 -1 100", "-9 91 -9 91"}, // missing the viewport
               {"Xmin=-50;Xmax=50", "y=0", "0 1 0", "-49 0 49 0"},
               // The decimal comma, whatever the setting; the literal spliced in has a point.
               {"", "2,5x-1=0", "2.5 0 -1", "0.4 -9 0.4 9"},
               {"", "x+y=0,3", "1 1 -0.3", "-8.7 9 9 -8.7"}});
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
    /// Once the message is closed, the field whose reading failed has the focus and its
    /// text selected; a fault of the frame's arithmetic, or limits that read but make no
    /// window, leave the focus where the click put it.
    void faultsEndThePress_data() {
        const char *notALine = "A equação não representa uma recta.",
                   *badArgument = "Argumento ou chamada de procedimento inválidos.";
        // clang-format off
        table({{"Abcissa1=abc", "Variável não definida: abc", "kept", "Abcissa1"},
               {"Ordenada1=1,5,3", "Expressão inválida", "kept", "Ordenada1"},
               {"Abcissa1=0", "Divisão por zero.", "data", ""}, {"Xmin=10", badArgument, "cleared", ""},
               {"Xmin=2*3", "Tipos incompatíveis.", "cleared", "Xmin"},
               {"Xmax=1E+39", "Capacidade excedida.", "cleared", "Xmax"},
               {"Xmin=-3E+38;Xmax=3E+38", "Capacidade excedida.", "cleared", ""},
               {"Text1=x^2+y=0", notALine, "kept", "Text1"}, {"Text1=x>0", notALine, "kept", "Text1"},
               {"Text1=2x+3y", badArgument, "kept", "Text1"},
               {"Text1=x+z=1", "Variável não definida: z", "kept", "Text1"},
               {"Text1=2,,5x=1", "Expressão inválida", "kept", "Text1"},
               // Moved to one side, a comma beside the "=" stays apart from the digits.
               {"Text1=x+2,=5", "Expressão inválida", "kept", "Text1"},
               {"Text1=x=,5", "Expressão inválida", "kept", "Text1"}});
        // clang-format on
    }
    void faultsEndThePress() {
        QFETCH(QStringList, row);
        const QString &typed = row[0], &fault = row[1], &after = row[2], &focused = row[3];
        form->click("Dados1");
        const std::size_t before = board().displayList().size();
        form->type(typed);
        form->findChild<QLabel*>("Resultado1")->setText("antes");
        QWidget* focusAtMessage = nullptr;
        const MessageHandler recorder = setMessageHandler([&](QWidget*, const Message& m) {
            focusAtMessage = form->focusWidget();
            messages.messages.push_back(m);
        });
        form->click(typed.startsWith("Text1") ? "Resolver2" : "Resolver1");
        setMessageHandler(recorder);
        QLineEdit* const typedField = form->fieldNamed(typed.section('=', 0, 0));
        QVERIFY(focusAtMessage && focusAtMessage != typedField); // moved only once it is closed
        if (focused.isEmpty()) {
            QCOMPARE(form->focusWidget(), focusAtMessage);
            QVERIFY(!typedField->hasSelectedText());
        } else {
            QCOMPARE(form->focusWidget(), form->fieldNamed(focused));
            QCOMPARE(form->fieldNamed(focused)->selectedText(), form->fieldNamed(focused)->text());
            QVERIFY(!form->fieldNamed(focused)->text().isEmpty());
        }
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
