#include "shell.h"
#include "topictable.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
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

QList<QWidget*> windowsNamed(const QString& name) {
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name) found << window;
    return found;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    Shell shell{ShellHooks{{}, [] {}}};

private slots:
    /// Alt, then Right through every entry; Return opens one.
    void keyboardReachesEveryEntry() { // first: before other windows open
        shell.show();
        QApplication::setActiveWindow(shell.mainWindow());
        QVERIFY(QTest::qWaitForWindowActive(shell.mainWindow()));
        QMenuBar* bar = shell.mainWindow()->menuBar();
        QTest::keyClick(shell.mainWindow(), Qt::Key_Alt);
        QStringList met;
        while (bar->activeAction() && met.size() < 14 && !met.contains("Reta 2")) {
            met << bar->activeAction()->text();
            if (met.last() != "Reta 2") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        }
        QCOMPARE(met, QStringList({"Ficheiro", "Pontos", "Reta 1", "Reta 2"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(shell.topicForm(Topic::Recta2) && shell.topicForm(Topic::Recta2)->isVisible());
    }

    /// The title and the whole menu, in view: the fourteen entries, then the tools.
    void menuBarAndTitle() {
        shell.show();
        QStringList entries, expected{"Ficheiro:Ficheiro"};
        for (const QString& entry : Entries)
            expected << entry.section(':', 0, 1);
        QMenuBar* bar = shell.mainWindow()->menuBar();
        for (QAction* entry : bar->actions() + bar->actions().front()->menu()->actions() +
                                  bar->actions().back()->menu()->actions()) {
            entries << entry->objectName() + ':' + entry->text() +
                           (entry->shortcut().isEmpty() ? "" : " " + entry->shortcut().toString());
            if (entry->parent() == bar) QVERIFY(bar->actionGeometry(entry).right() < bar->width());
        }
        QCOMPARE(entries, expected << "Ferramentas:Ferramentas"
                                   << "AbandonarPrograma:Abandonar o programa"
                                   << "ResolucaoPassoAPasso:Resolução passo a passo Ctrl+R"
                                   << "Praticar:Praticar Ctrl+E"
                                   << "FichaDeExercicios:Ficha de exercícios"
                                   << "ModoProjeccao:Modo de projecção F8"
                                   << "AmpliacaoProjeccao:Ampliação na projecção"
                                   << "NomesPontos:Nomes dos pontos Ctrl+Shift+N"
                                   << "Lingua:Língua");
        QCOMPARE(shell.mainWindow()->windowTitle() + ' ' +
                     shell.mainWindow()->findChild<QLabel*>("Label2")->text(),
                 "ORTOPLANO Versão 2.2");
    }

    void entryChosenTwiceShowsOneInstance_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        for (const QString& entry : Entries)
            QTest::newRow(qPrintable(entry)) << entry.section(':', 0, 0) << entry.section(':', 2);
    }
    /// A problem form keeps what was typed; a hidden viewer is shown again.
    void entryChosenTwiceShowsOneInstance() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        QAction* action = shell.mainWindow()->findChild<QAction*>(entry);
        action->trigger();
        QCOMPARE(windowsNamed(window).size(), 1);
        QWidget* first = windowsNamed(window).front();
        QVERIFY(first->isVisible() && shell.mainWindow()->isVisible());
        auto* field = first->findChild<QLineEdit*>("Xmin");
        field ? field->setText("escrito") : first->hide();
        action->trigger();
        QCOMPARE(windowsNamed(window), QList<QWidget*>{first});
        QVERIFY(first->isVisible());
        if (field) QCOMPARE(field->text(), "escrito");
    }

    /// With the program's own hooks, so that the run really leaves the event loop.
    void abandonarEndsEverything() {
        Shell program;
        program.show();
        program.showHelp(HelpPage::Sintaxe);
        program.showTopic(Topic::Pontos);
        QPointer<QWidget> pontos = program.topicForm(Topic::Pontos);
        QTimer::singleShot(
            0, [&] { program.mainWindow()->findChild<QAction*>("AbandonarPrograma")->trigger(); });
        QTimer::singleShot(5000, program.mainWindow(), [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QTRY_VERIFY(!pontos);
        QVERIFY(!program.mainWindow()->isVisible() &&
                !program.viewer(HelpPage::Sintaxe)->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
