// The window "Praticar" in the real program: a fresh exercise typed into its
// form with the data drawn, the answer checked, the slip named and the
// worked solution opened at its step; its names for screen readers; the
// shortcut on a form and the entry of "Ferramentas".

#include "checker.h"
#include "numbertext.h"
#include "practicewindow.h"
#include "problemform.h"
#include "shell.h"
#include "solutionwindow.h"
#include "testsupport.h"
#include "topictable.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
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
        for (const char* name : {"Tema", "Problema", "Nível"})
            QCOMPARE(child<QComboBox>(name)->accessibleName(), name);
        QCOMPARE(child<QLineEdit>("Resposta")->accessibleName(), "Resposta");
        QStringList buttons;
        for (const QPushButton* b : window->findChildren<QPushButton*>())
            buttons << b->text();
        buttons.sort();
        QCOMPARE(buttons, QStringList({"Novo exercício", "Ver resolução", "Verificar"}));
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

    /// Right in any form, right but to simplify, a slip named with its step.
    void verdicts() {
        exercise(Topic::Recta1, 4, 0, "7");
        const practice::Exercise ex = *window->exercise();
        answer(QString::fromStdString(ex.answerText));
        QCOMPARE(verdict(), "Certo.");
        const exact::Line& l = std::get<exact::Line>(ex.expected.values[0]);
        answer(QString::fromStdString(exact::generalEquationText(l, ",")));
        QVERIFY(verdict().startsWith("Certo, mas simplifique: pede-se a equação reduzida"));
        answer(QString::fromStdString(practice::slipAnswer(ex, "minus-m")));
        QVERIFY2(verdict().startsWith(
                     "Errado. Usou −m para o declive da perpendicular. Reveja o passo "),
                 qPrintable(verdict()));
        QVERIFY(verdict().endsWith("o declive da perpendicular é −1/m."));
        SolutionWindow* solution = shell->solutionWindow();
        QVERIFY(solution && solution->isVisible() && solution->followed() == form());
        QCOMPARE(solution->shown(), practice::check(ex, practice::slipAnswer(ex, "minus-m")).step);
        if (qEnvironmentVariableIsSet("ORTOPLANO_PRACTICE_SCREENSHOT")) // docs/praticar.png
            saveSideBySide({form(), window, solution},
                           qEnvironmentVariable("ORTOPLANO_PRACTICE_SCREENSHOT"));
        answer("2x + 3y");
        QCOMPARE(verdict(), "Não consegui ler «2x + 3y»: falta o sinal = da equação. Escreva uma "
                            "equação de uma recta, por exemplo y = 2x − 1 ou 2x − y + 3 = 0.");
        QVERIFY(child<QLabel>("Contagem")
                    ->text()
                    .contains("Recta 1: 1 tentado(s), 1 certo(s) à primeira"));
    }

    void tallyPerTopic() {
        exercise(Topic::Pontos, 3, 0, "3");
        answer("0");
        exercise(Topic::Pontos, 3, 0, "4");
        answer(QString::fromStdString(window->exercise()->answerText));
        QVERIFY(child<QLabel>("Contagem")
                    ->text()
                    .contains("Pontos: 2 tentado(s), 1 certo(s) à primeira"));
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

    void verResolucaoSolvesTheForm() {
        exercise(Topic::Pontos, 3, 1, "12");
        QTest::mouseClick(child<QPushButton>("VerResolucao"), Qt::LeftButton);
        QVERIFY(!form()->findChild<QLabel*>("Resultado2")->text().isEmpty());
        QVERIFY(shell->solutionWindow() && shell->solutionWindow()->isVisible());
    }

    /// Ctrl+E on a form opens the window on the form's topic; so does "Ferramentas".
    void opensFromAFormAndTheMenu() {
        window->hide();
        shell->showTopic(Topic::Circunferencia2);
        auto* f = qobject_cast<ProblemForm*>(shell->topicForm(Topic::Circunferencia2));
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTest::keyClick(f->findChild<QWidget*>("Abcissa1"), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(window->isVisible());
        QCOMPARE(child<QComboBox>("Tema")->currentIndex(), int(Topic::Circunferencia2));
        window->hide();
        shell->mainWindow()->findChild<QAction*>("Praticar")->trigger();
        QVERIFY(window->isVisible());
        QCOMPARE(shell->practiceWindow(), window);
    }
};

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
