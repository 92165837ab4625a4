// The main window's menu, the single instances of the forms and viewers it
// opens, and the ways the run ends.

#include "shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
/// The entries after "Ficheiro": control name, caption and the window shown.
const QStringList Entries =
    QStringLiteral("Pontos:Pontos:Form1;Reta1:Reta 1:Form2;Reta2:Reta 2:Form3;Reta3:Reta 3:Form5;"
                   "Reta4:Reta 4:Form8;Circunferência1:Circunferência 1:Form4;"
                   "Circunfrência2:Circunferência 2:Form6;Circunferência3:Circunferência 3:Form7;"
                   "Triângulo:Triângulo:Form9;Índice:Índice:Form12;Instruções:Instruções:Form10;"
                   "Sintaxe:Sintaxe:Form13;FunçõesDefinidas:Funções definidas:Form14")
        .split(';');

QAction* menuAction(Shell& shell, const QString& name) {
    return shell.mainWindow()->findChild<QAction*>(name);
}

QList<QWidget*> windowsNamed(const QString& name) {
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name) found << window;
    return found;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    int endRuns = 0;
    std::unique_ptr<Shell> shell;

private slots:
    void init() {
        endRuns = 0;
        shell = std::make_unique<Shell>(ShellHooks{{}, {}, [this] { ++endRuns; }});
        shell->show();
    }
    void cleanup() { shell.reset(); }

    /// Nothing but the main window at start-up, with its title and its whole menu in view.
    void menuBarAndTitle() {
        QStringList entries, expected{"Ficheiro:Ficheiro"};
        for (const QString& entry : Entries)
            expected << entry.section(':', 0, 1);
        QMenuBar* bar = shell->mainWindow()->menuBar();
        for (QAction* entry : bar->actions()) {
            entries << entry->objectName() + ':' + entry->text();
            QVERIFY(bar->actionGeometry(entry).right() < bar->width());
        }
        QCOMPARE(entries, expected);
        const QList<QAction*> ficheiro = bar->actions().front()->menu()->actions();
        QCOMPARE(ficheiro.size(), 1);
        QCOMPARE(ficheiro[0]->objectName() + ':' + ficheiro[0]->text(),
                 "AbandonarPrograma:Abandonar o programa");
        QCOMPARE(shell->mainWindow()->windowTitle() + ' ' +
                     shell->mainWindow()->findChild<QLabel*>("Label2")->text(),
                 "ORTOPLANO Versão 2.2");
        QVERIFY(!shell->mainWindow()->windowIcon().isNull());
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(!window->isVisible() || window == shell->mainWindow());
    }

    void entryChosenTwiceShowsOneInstance_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        for (const QString& entry : Entries)
            QTest::newRow(qPrintable(entry)) << entry.section(':', 0, 0) << entry.section(':', 2);
    }
    void entryChosenTwiceShowsOneInstance() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        menuAction(*shell, entry)->trigger();
        QCOMPARE(windowsNamed(window).size(), 1);
        QWidget* first = windowsNamed(window).front();
        QVERIFY(first->isVisible() && shell->mainWindow()->isVisible());
        auto* field = first->findChild<QLineEdit*>("Xmin");
        if (field)
            field->setText("escrito"); // a problem form keeps what was typed
        else
            first->hide(); // a viewer is shown again
        menuAction(*shell, entry)->trigger();
        QCOMPARE(windowsNamed(window), QList<QWidget*>{first});
        QVERIFY(first->isVisible());
        if (field) QCOMPARE(field->text(), "escrito");
    }

    void quitEndsEverything_data() {
        QTest::addColumn<QString>("how");
        // "Abandonar o programa": keyboardReachesEveryEntry, abandonarLeavesTheEventLoop.
        for (const char* how : {"Sair", "fechar a janela principal"})
            QTest::newRow(how) << how;
    }
    void quitEndsEverything() {
        QFETCH(QString, how);
        shell->showTopic(Topic::Pontos);
        shell->showTopic(Topic::Recta2);
        shell->showHelp(HelpPage::Funcoes);
        QPointer<QWidget> pontos = shell->topicForm(Topic::Pontos);
        QPointer<QWidget> recta2 = shell->topicForm(Topic::Recta2);
        if (how == "Sair")
            QTest::mouseClick(recta2->findChild<QAbstractButton*>("Sair"), Qt::LeftButton);
        if (how == "fechar a janela principal") shell->mainWindow()->close();
        QCOMPARE(endRuns, 1);
        QTRY_VERIFY(!pontos && !recta2);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        shell->quit();
        QCOMPARE(endRuns, 1);
    }

    /// Alt, then Right through every entry; Return opens one.
    void keyboardReachesEveryEntry() {
        QApplication::setActiveWindow(shell->mainWindow());
        QVERIFY(QTest::qWaitForWindowActive(shell->mainWindow()));
        QMenuBar* bar = shell->mainWindow()->menuBar();
        const auto walkTo = [&](const QString& caption) {
            QTest::keyClick(shell->mainWindow(), Qt::Key_Alt);
            QStringList met;
            while (bar->activeAction() && met.size() < 14 && met.lastIndexOf(caption) < 0) {
                met << bar->activeAction()->text();
                if (met.last() != caption)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            }
            return met;
        };
        QCOMPARE(walkTo("Funções definidas").size(), 14);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        walkTo("Reta 2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(shell->topicForm(Topic::Recta2) && shell->topicForm(Topic::Recta2)->isVisible());
        QApplication::setActiveWindow(shell->mainWindow());
        walkTo("Ficheiro");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // opens the drop-down
        auto* menu = bar->actions().front()->menu();
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Return); // "Abandonar o programa"
        QTRY_COMPARE(endRuns, 1);
    }

    void abandonarLeavesTheEventLoop() { // last: it runs the application's loop
        Shell program; // the program's own hooks: leaving the loop really ends the run
        program.show();
        program.showHelp(HelpPage::Sintaxe);
        program.showTopic(Topic::Pontos);
        QPointer<QWidget> pontos = program.topicForm(Topic::Pontos);
        QSignalSpy aboutToQuit(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, [&] { menuAction(program, "AbandonarPrograma")->trigger(); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // never hang
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(aboutToQuit.count(), 1);
        QVERIFY(!program.mainWindow()->isVisible() &&
                !program.viewer(HelpPage::Sintaxe)->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
