// The window "Praticar" in the real program: a fresh exercise typed into its
// form with the data drawn and the keyboard in "Resposta", the answer
// checked, the slip named, the answer shown only when right or asked for, the
// worked solution opened at the slip's step; the keyboard alone from the
// choice of the exercise to the solution; the tally kept between uses; its
// names for screen readers; the shortcut on a form and the entry of "Ferramentas".

#include "alltopics.h"
#include "answer.h"
#include "checker.h"
#include "exercise.h"
#include "numbertext.h"
#include "practicewindow.h"
#include "problemform.h"
#include "shell.h"
#include "solutionview.h"
#include "solutionwindow.h"
#include "testsupport.h"
#include "topictable.h"
#include "windowplacement.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <set>

class TestPracticeWindow : public QObject {
    Q_OBJECT

    MessageRecorder messages;
    std::unique_ptr<Shell> shell;
    PracticeWindow* window = nullptr;

    template <typename T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no %s", name);
        return found;
    }
    QString verdict() const { return child<QLabel>("Veredicto")->text(); }
    ProblemForm* form() const {
        return qobject_cast<ProblemForm*>(shell->topicForm(window->exercise()->frame.topic()));
    }
    /// Chooses a topic, a frame (0: any of the topic) and a level, and asks for the exercise of a
    /// seed.
    void exercise(Topic topic, int frame, int level, const QString& seed) {
        child<QComboBox>("Tema")->setCurrentIndex(int(topic));
        child<QComboBox>("Problema")->setCurrentIndex(frame);
        child<QComboBox>("Nível")->setCurrentIndex(level);
        child<QLineEdit>("Semente")->setText(seed);
        QTest::mouseClick(child<QPushButton>("NovoExercicio"), Qt::LeftButton);
    }

    /// The texts of the results of the exercise's frame on its form.
    QStringList resultsOfTheFrame() const {
        QStringList texts;
        auto* resolver = form()->findChild<QPushButton*>(
            QString::fromStdString(window->exercise()->resolverButton));
        for (QWidget* w : resolver->parentWidget()->findChildren<QWidget*>())
            if (w->objectName().startsWith("Resultado")) texts << w->property("text").toString();
        return texts;
    }
    void answer(const QString& text) {
        child<QLineEdit>("Resposta")->setText(text);
        QTest::mouseClick(child<QPushButton>("Verificar"), Qt::LeftButton);
    }

    /// The windows grabbed side by side, for the README.
    static void saveSideBySide(const QList<QWidget*>& windows, const QString& file) {
        int width = 0, height = 0;
        for (QWidget* w : windows) {
            width += w->width() + 12;
            height = std::max(height, w->height());
        }
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(QColor(90, 90, 90));
        QPainter painter(&picture);
        int x = 0;
        for (QWidget* w : windows) {
            painter.drawPixmap(x, 0, w->grab());
            x += w->width() + 12;
        }
        painter.end();
        QVERIFY(picture.save(file));
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("Ortoplano");
        QCoreApplication::setApplicationName("Ortoplano");
        QSettings().clear();
        useDecimalComma(true);
    }

    void init() {
        QSettings().remove("Praticar"); // the tally of another test
        shell = std::make_unique<Shell>(ShellHooks{{}, [] {}});
        shell->show();
        shell->showPractice(nullptr);
        window = shell->practiceWindow();
        QVERIFY(window && window->isVisible());
    }

    void cleanup() {
        shell.reset();
        QVERIFY2(messages.messages.empty(), qPrintable(messages.texts().join('|')));
    }

    void namesForScreenReaders() {
        QCOMPARE(window->windowTitle(), "Praticar");
        for (const char* name : {"Tema", "Problema", "Nível"}) {
            auto* box = child<QComboBox>(name);
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(box);
            QVERIFY(spoken);
            QCOMPARE(spoken->text(QAccessible::Name), name); // the label, not the item
            QCOMPARE(spoken->text(QAccessible::Value), box->currentText());
            QCOMPARE(spoken->role(), QAccessible::ComboBox);
        }
        QCOMPARE(child<QLineEdit>("Resposta")->accessibleName(), "Resposta");
        QStringList buttons;
        for (const QPushButton* b : window->findChildren<QPushButton*>())
            buttons << b->text();
        buttons.sort();
        QCOMPARE(buttons, QStringList({"Como se escreve", "Novo exercício", "Recomeçar a contagem",
                                       "Ver resolução", "Verificar"}));
        QCOMPARE(child<QComboBox>("Problema")->itemText(0), "qualquer um deste tema");
    }

    /// The data typed and drawn, the result labels empty, the seed shown.
    void exerciseOnItsForm() {
        exercise(Topic::Recta1, 4, 0, "83121"); // the perpendicular through a point
        const practice::Exercise* ex = window->exercise();
        QVERIFY(ex);
        QCOMPARE(ex->seed, 83121u);
        QVERIFY(child<QLabel>("Numero")->text().contains("Exercício 1 · semente 83121"));
        QCOMPARE(child<QLabel>("Enunciado")->text(), QString::fromStdString(ex->statement));
        ProblemForm* f = form();
        QVERIFY(f && f->isVisible());
        for (const auto& [name, text] : ex->fields)
            QCOMPARE(f->findChild<QLineEdit*>(QString::fromStdString(name))->text(),
                     QString::fromStdString(text));
        QCOMPARE(f->findChild<QLabel*>("Resultado3")->text(), QString());
        QVERIFY(hasDot(*f->board(),
                       {ex->data.points[0].x.toDouble(), ex->data.points[0].y.toDouble()}, Azul));
        QVERIFY(primitives(*f->board(), Primitive::Kind::Line).size() > 0);
    }

    /// Right in any form, right but in another form than asked, a slip named with its step;
    /// a wrong try shows no answer on the form, and "Ver resolução" opens the step named.
    void verdicts() {
        exercise(Topic::Recta1, 4, 0, "7");
        const practice::Exercise ex = *window->exercise();
        const QString slipped = QString::fromStdString(practice::slipAnswer(ex, "minus-m"));
        answer(slipped);
        QVERIFY2(verdict().startsWith(
                     "Errado. Usou −m para o declive da perpendicular. Reveja o passo "),
                 qPrintable(verdict()));
        QVERIFY(verdict().endsWith("o declive da perpendicular é −1/m."));
        QVERIFY(!shell->solutionWindow() || !shell->solutionWindow()->isVisible());
        QVERIFY(resultsOfTheFrame().join(QString()).isEmpty());
        if (qEnvironmentVariableIsSet("ORTOPLANO_PRACTICE_SCREENSHOT")) { // docs/praticar.png
            window->resize(560, form()->height()); // as beside the form on a wide screen
            QTest::qWait(300);
            saveSideBySide({form(), window}, qEnvironmentVariable("ORTOPLANO_PRACTICE_SCREENSHOT"));
        }
        const int step = practice::check(ex, slipped.toStdString()).step;
        QTest::mouseClick(child<QPushButton>("VerResolucao"), Qt::LeftButton);
        SolutionWindow* solution = shell->solutionWindow();
        QVERIFY(solution && solution->isVisible() && solution->followed() == form());
        QCOMPARE(solution->shown(), step);
        // The exercise's solution, which ends on what it asks.
        QCOMPARE(solution->view()->stepCount(), int(practice::workedSolution(ex)->steps.size()));

        exercise(Topic::Recta1, 4, 0, "7");
        answer(QString::fromStdString(ex.answerText));
        QCOMPARE(verdict(), "Certo.");
        QVERIFY(!resultsOfTheFrame().join(QString()).isEmpty()); // right: the form solves it
        const exact::Line& l = std::get<exact::Line>(ex.expected.values[0]);
        answer(QString::fromStdString(exact::generalEquationText(l, ",")));
        QCOMPARE(verdict(), "Certo, mas pede-se a equação reduzida, y = mx + b.");
        answer("2x + 3y");
        QCOMPARE(verdict(), "Não consegui ler «2x + 3y»: falta o sinal = da equação. Escreva a "
                            "equação reduzida da recta, por exemplo y = 2x − 1.");
        QVERIFY(child<QLabel>("Contagem")
                    ->text()
                    .contains("Recta 1 · básico: 2 tentado(s), 1 certo(s) à primeira"));
    }

    /// The rules name the coordinates of a point with an index: x_A is written x with a
    /// small A below, never "x_A".
    void coordinatesTypeset() {
        exercise(Topic::Pontos, 2, 0, "5"); // the midpoint
        const practice::Exercise ex = *window->exercise();
        answer(QString::fromStdString(practice::slipAnswer(ex, "half-difference")));
        QVERIFY(verdict().startsWith("Errado."));
        QVERIFY(verdict().contains("<sub>A</sub>"));
        QVERIFY(!verdict().contains("x_A"));
    }

    /// What to type: an example in the field, the whole sentence under it, for each kind
    /// of answer; the page on how it is written one click away.
    void expectedForm_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("example");
        QTest::newRow("a point") << int(Topic::Pontos) << 2 << "um ponto (a , b)";
        QTest::newRow("an equation") << int(Topic::Recta1) << 4 << "y = 2x − 1";
        QTest::newRow("a circle") << int(Topic::Circunferencia1) << 2 << "(x − 1)² + (y + 2)² = 5";
        QTest::newRow("a number") << int(Topic::Pontos) << 3 << "um número";
    }
    void expectedForm() {
        QFETCH(int, topic);
        QFETCH(int, frame);
        QFETCH(QString, example);
        exercise(Topic(topic), frame, 0, "3");
        QVERIFY2(child<QLineEdit>("Resposta")->placeholderText().contains(example),
                 qPrintable(child<QLineEdit>("Resposta")->placeholderText()));
        QCOMPARE(child<QLabel>("FormaDaResposta")->text(),
                 QString::fromStdString(practice::askedFor(window->exercise()->expected)));
        QTest::mouseClick(child<QPushButton>("Sintaxe"), Qt::LeftButton);
        QVERIFY(shell->viewer(HelpPage::Sintaxe) && shell->viewer(HelpPage::Sintaxe)->isVisible());
    }

    /// The tally is there at the next use of the program, until it is reset.
    void tallyKeptBetweenUses() {
        exercise(Topic::Recta2, 1, 1, "3");
        answer(QString::fromStdString(window->exercise()->answerText));
        const QString line = "Recta 2 · intermédio: 1 tentado(s), 1 certo(s) à primeira";
        QVERIFY(child<QLabel>("Contagem")->text().contains(line));
        shell.reset(); // the program again
        shell = std::make_unique<Shell>(ShellHooks{{}, [] {}});
        shell->showPractice(nullptr);
        window = shell->practiceWindow();
        QVERIFY(child<QLabel>("Contagem")->text().contains(line));
        QTest::mouseClick(child<QPushButton>("RecomecarContagem"), Qt::LeftButton);
        QCOMPARE(child<QLabel>("Contagem")->text(), QString());
        shell.reset();
        shell = std::make_unique<Shell>(ShellHooks{{}, [] {}});
        shell->showPractice(nullptr);
        window = shell->practiceWindow();
        QCOMPARE(child<QLabel>("Contagem")->text(), QString());
    }

    void anyFrameOfTheTopic() {
        std::set<const exact::Frame*> frames;
        for (int seed = 1; seed <= 12; ++seed) {
            exercise(Topic::Triangulo, 0, 0, QString::number(seed));
            QCOMPARE(window->exercise()->frame.topic(), Topic::Triangulo);
            frames.insert(&window->exercise()->frame.frame());
        }
        QCOMPARE(frames.size(), 3u);
    }

    /// Ctrl+E on a form opens the window on the form's topic; so does "Ferramentas".
    void opensFromAFormAndTheMenu() {
        window->hide();
        shell->showTopic(Topic::Circunferencia2);
        auto* f = qobject_cast<ProblemForm*>(shell->topicForm(Topic::Circunferencia2));
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTest::keyClick(f->findChild<QWidget*>("Abcissa1"), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(window->isVisible());
        // Where a desktop gives Ctrl+E to the text field (the end of the line), the field
        // gets the key itself: it still opens "Praticar".
        window->hide();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_E, Qt::ControlModifier);
        QApplication::sendEvent(f->findChild<QWidget*>("Abcissa1"), &key);
        QVERIFY(window->isVisible());
        QCOMPARE(child<QComboBox>("Tema")->currentIndex(), int(Topic::Circunferencia2));
        window->hide();
        shell->mainWindow()->findChild<QAction*>("Praticar")->trigger();
        QVERIFY(window->isVisible());
        QCOMPARE(shell->practiceWindow(), window);
    }

    void dataDrawnAtTheFirstExercise_data() { addEveryTopic(); }
    /// With no form open, the first exercise of every topic is drawn on its board, once the
    /// form has come up, and the keyboard is in "Resposta". The frame is the topic's first
    /// whose exercises have "Dados" (the others draw nothing before "Resolver").
    void dataDrawnAtTheFirstExercise() {
        QFETCH(int, topic);
        const std::vector<practice::FrameId> frames = practice::framesOf(Topic(topic));
        int row = 0;
        while (practice::generate(frames.at(std::size_t(row)), practice::Level::Basico, 1)
                   .dadosButton.empty())
            ++row;
        QVERIFY(!shell->topicForm(Topic(topic)));
        exercise(Topic(topic), row + 1, 0, "1");
        QVERIFY(QTest::qWaitForWindowExposed(form()));
        QTest::qWait(50); // whatever the form's coming up brings
        const practice::Exercise& ex = *window->exercise();
        const Board& board = *form()->board();
        const DisplayList& list = board.displayList();
        QVERIFY2(std::any_of(list.begin(), list.end(),
                             [](const Primitive& p) { return p.color == Azul; }),
                 ex.statement.c_str()); // more than the bare axes
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("Resposta"));
    }

    /// From the keyboard alone: the exercise chosen, answered right, and its solution.
    void keyboardAlone() {
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* topic = child<QComboBox>("Tema");
        topic->setFocus();
        for (int i = 0; i < int(Topic::Recta1); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // "Problema"
        for (int i = 0; i < 4; ++i) // the perpendicular through a point
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // "Nível"
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // "Semente"
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("Semente"));
        QTest::keyClicks(QApplication::focusWidget(), "11");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(window->exercise());
        QCOMPARE(window->exercise()->frame, practice::problem("recta1-4"));
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>("Resposta"));
        QTest::keyClicks(QApplication::focusWidget(),
                         QString::fromStdString(window->exercise()->answerText));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(verdict(), "Certo.");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(shell->solutionWindow() && shell->solutionWindow()->isVisible());
        SolutionWindow* solution = shell->solutionWindow();
        QVERIFY(solution->view()->stepCount() > 0); // there at the first press
        // Tab reaches every control of "Praticar" from "Resposta".
        QStringList reached;
        QWidget* w = child<QLineEdit>("Resposta");
        for (int i = 0; i < 200; ++i, w = w->nextInFocusChain())
            if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled())
                reached << w->objectName();
        for (const char* name :
             {"Verificar", "VerResolucao", "Sintaxe", "RecomecarContagem", "Tema", "NovoExercicio"})
            QVERIFY2(reached.contains(name), name);
        for (const char* name : {"Anterior", "Seguinte", "Tudo", "Diminuir", "Aumentar"})
            QVERIFY(solution->findChild<QWidget*>(name)->focusPolicy() & Qt::TabFocus);
    }

    /// "Ver resolução" solves the form, and the solution is there at its first press, the
    /// form just opened.
    void solutionAtTheFirstPress_data() { addEveryTopic(); }
    void solutionAtTheFirstPress() {
        QFETCH(int, topic);
        exercise(Topic(topic), 0, 0, "2");
        QTest::mouseClick(child<QPushButton>("VerResolucao"), Qt::LeftButton);
        QTest::qWait(50);
        const QStringList results = resultsOfTheFrame();
        QVERIFY2(!results.join(QString()).isEmpty(), qPrintable(results.join("|")));
        SolutionWindow* solution = shell->solutionWindow();
        QVERIFY(solution && solution->isVisible());
        QCOMPARE(solution->view()->stepCount(),
                 int(practice::workedSolution(*window->exercise())->steps.size()));
    }

    /// A level the frame does not have is said, with the level of the exercise given.
    void missingLevelSaid() {
        const practice::FrameId collinear = practice::problem("recta3-1");
        QVERIFY(!practice::hasLevel(collinear, practice::Level::Avancado));
        exercise(Topic::Recta3, 1, 2, "4");
        QCOMPARE(window->exercise()->frame, collinear);
        QVERIFY2(verdict().contains("não tem exercícios do nível avançado"), qPrintable(verdict()));
    }

    void windowsSideBySide_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("roomBeside"); // Praticar fits beside the whole form
        QTest::newRow("1600×1200") << QSize(1600, 1200) << true;
        QTest::newRow("1280×1024") << QSize(1280, 1024) << false;
    }
    /// Praticar beside the form (1016×760, its board 560 wide on its left), or over the
    /// form's fields, never over its board; "Resolução" beside both, over neither the board
    /// nor Praticar, as small as 360×280 if it must.
    void windowsSideBySide() {
        QFETCH(QSize, screen);
        QFETCH(bool, roomBeside);
        const QRect room(QPoint(0, 30), screen - QSize(0, 30)); // a panel along the top
        const QRect form(room.topLeft(), QSize(1016, 760));
        const QRect board(form.topLeft() + QPoint(4, 60), QSize(560, 560));
        const QSize practice(560, 440);
        const int gap = WindowPlace::Gap;
        const QRect p = WindowPlace{room,
                                    {board},
                                    {{form.right() + gap, form.top()},
                                     {board.right() + gap, form.top()},
                                     {form.left(), form.bottom() + gap}}}
                            .place(practice, QSize(480, 400));
        QVERIFY(room.contains(p));
        QVERIFY(!p.intersects(board));
        QCOMPARE(!p.intersects(form), roomBeside);
        const QRect s = WindowPlace{
            room,
            {board, p},
            {{p.right() + gap, p.top()},
             {p.left(), p.bottom() + gap},
             {form.right() + gap,
              form.top()}}}.place(QSize(680, 760), QSize(360, 280));
        QVERIFY(room.contains(s));
        QVERIFY2(!s.intersects(board) && !s.intersects(p),
                 qPrintable(
                     QString("%1,%2 %3×%4").arg(s.x()).arg(s.y()).arg(s.width()).arg(s.height())));
        QVERIFY(s.width() >= 360 && s.height() >= 280);
    }
};

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
