// The main window's menu and the shell's single instances of forms and viewers.

#include "mainwindow.h"
#include "shell.h"
#include "topics.h"
#include "viewers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <set>

Q_DECLARE_METATYPE(HelpPage)

namespace {

/// A stand-in problem form: a top-level window that deletes itself on close.
struct FakeForms {
    std::set<Topic> built;
    int created = 0;

    ShellHooks hooks(int* endRuns) {
        return {[this](Topic t) { return built.count(t) > 0; },
                [this](Topic t) -> QWidget* {
                    if (!built.count(t)) return nullptr;
                    ++created;
                    auto* form = new QLineEdit;
                    form->setObjectName(QStringLiteral("Form%1").arg(int(t) + 1));
                    form->setAttribute(Qt::WA_DeleteOnClose);
                    return form;
                },
                [endRuns] { ++*endRuns; }};
    }
};

QAction* menuAction(Shell& shell, const char* name) {
    return shell.mainWindow()->findChild<QAction*>(QString::fromUtf8(name));
}

/// Shows the main window and makes it the active one, as at start-up.
bool showActive(Shell& shell) {
    shell.show();
    QApplication::setActiveWindow(shell.mainWindow());
    return QTest::qWaitForWindowActive(shell.mainWindow());
}

/// The keyboard's road into the menu bar: Alt, then Right until the entry.
bool reachEntry(Shell& shell, const QString& caption) {
    QMenuBar* bar = shell.mainWindow()->menuBar();
    QTest::keyClick(shell.mainWindow(), Qt::Key_Alt);
    for (int i = 0; i < 14 && bar->activeAction(); ++i) {
        if (bar->activeAction()->text() == caption) return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    }
    return false;
}

/// Whether a picture holds pixels of the program's pure blue and red.
bool bluePlusRed(const QImage& image) {
    bool blue = false, red = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            blue = blue || (qBlue(p) > 220 && qRed(p) < 60 && qGreen(p) < 60);
            red = red || (qRed(p) > 220 && qBlue(p) < 60 && qGreen(p) < 60);
        }
    return blue && red;
}

int windowsNamed(const QString& name) {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == name;
    return count;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void menuBarEntries_data();
    void menuBarEntries();
    void ficheiroHoldsOnlyAbandonar();
    void topicEntriesFollowWhatIsBuilt();
    void viewerEntryChosenTwiceLeavesOneInstance_data();
    void viewerEntryChosenTwiceLeavesOneInstance();
    void topicFormIsCreatedOnceAndKeepsItsState();
    void closedTopicFormComesBackFresh();
    void topicWithoutFormShowsNothing();
    void nothingButTheMainWindowAtStartUp();
    void quitEndsEverything_data();
    void quitEndsEverything();
    void windowsFitASmallScreen();
    void titleLabels();
    void problemFormReachesViewersAndEndsTheRun();
    void windowsCarryTheProgramIcon();
    void altAndArrowsMeetEveryEntryThatCanBeChosen();
    void enterOpensTheEntryReached_data();
    void enterOpensTheEntryReached();
    void ficheiroFromTheKeyboardEndsTheRun();
    void abandonarLeavesTheEventLoop(); // last: it runs the application's loop
};

void TestMainWindow::menuBarEntries_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const char* rows[][2] = {{"Ficheiro", "Ficheiro"},
                             {"Pontos", "Pontos"},
                             {"Reta1", "Reta 1"},
                             {"Reta2", "Reta 2"},
                             {"Reta3", "Reta 3"},
                             {"Reta4", "Reta 4"},
                             {"Circunferência1", "Circunferência 1"},
                             {"Circunfrência2", "Circunferência 2"},
                             {"Circunferência3", "Circunferência 3"},
                             {"Triângulo", "Triângulo"},
                             {"Índice", "Índice"},
                             {"Instruções", "Instruções"},
                             {"Sintaxe", "Sintaxe"},
                             {"FunçõesDefinidas", "Funções definidas"}};
    for (int i = 0; i < 14; ++i)
        QTest::newRow(rows[i][0]) << i << QString::fromUtf8(rows[i][0])
                                  << QString::fromUtf8(rows[i][1]);
}

void TestMainWindow::menuBarEntries() {
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    int endRuns = 0;
    FakeForms forms;
    Shell shell(forms.hooks(&endRuns));
    const QList<QAction*> entries = shell.mainWindow()->menuBar()->actions();
    QCOMPARE(entries.size(), 14);
    QCOMPARE(entries[position]->objectName(), name);
    QCOMPARE(entries[position]->text(), caption);
    QCOMPARE(entries[position]->menu() != nullptr, name == QStringLiteral("Ficheiro"));
}

void TestMainWindow::ficheiroHoldsOnlyAbandonar() {
    int endRuns = 0;
    FakeForms forms;
    Shell shell(forms.hooks(&endRuns));
    QMenu* ficheiro = shell.mainWindow()->menuBar()->actions().first()->menu();
    QVERIFY(ficheiro);
    QCOMPARE(ficheiro->actions().size(), 1);
    QCOMPARE(ficheiro->actions().first()->objectName(), QStringLiteral("AbandonarPrograma"));
    QCOMPARE(ficheiro->actions().first()->text(), QStringLiteral("Abandonar o programa"));
}

void TestMainWindow::topicEntriesFollowWhatIsBuilt() {
    int endRuns = 0;
    FakeForms forms;
    forms.built = {Topic::Pontos, Topic::Triangulo};
    Shell shell(forms.hooks(&endRuns));
    for (const MenuEntry& entry : menuEntries()) {
        const Topic* topic = std::get_if<Topic>(&entry.target);
        const bool expected = !topic || forms.built.count(*topic);
        QVERIFY2(menuAction(shell, entry.name)->isEnabled() == expected, entry.name);
    }
}

void TestMainWindow::viewerEntryChosenTwiceLeavesOneInstance_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Índice") << "Índice"
                            << "Form12"
                            << "ORTOPLANO";
    QTest::newRow("Instruções") << "Instruções"
                                << "Form10"
                                << "ORTOPLANO PLANA";
    QTest::newRow("Sintaxe") << "Sintaxe"
                             << "Form13"
                             << "SINTAXE";
    QTest::newRow("Funções definidas") << "FunçõesDefinidas"
                                       << "Form14"
                                       << "FUNÇÕES DEFINIDAS";
}

void TestMainWindow::viewerEntryChosenTwiceLeavesOneInstance() {
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    int endRuns = 0;
    FakeForms forms;
    Shell shell(forms.hooks(&endRuns));
    QAction* action = menuAction(shell, entry.toUtf8().constData());
    QVERIFY(action->isEnabled());
    action->trigger();
    QWidget* first = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == window) first = w;
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->windowTitle(), caption);
    first->hide();
    action->trigger();
    QCOMPARE(windowsNamed(window), 1);
    QVERIFY(first->isVisible());
}

void TestMainWindow::topicFormIsCreatedOnceAndKeepsItsState() {
    int endRuns = 0;
    FakeForms forms;
    forms.built = {Topic::Pontos};
    Shell shell(forms.hooks(&endRuns));
    menuAction(shell, "Pontos")->trigger();
    auto* form = qobject_cast<QLineEdit*>(shell.topicForm(Topic::Pontos));
    QVERIFY(form && form->isVisible());
    form->setText(QStringLiteral("valores escritos"));
    navigation().showTopic(Topic::Pontos);
    QCOMPARE(forms.created, 1);
    QCOMPARE(shell.topicForm(Topic::Pontos), form);
    QCOMPARE(form->text(), QStringLiteral("valores escritos"));
}

void TestMainWindow::closedTopicFormComesBackFresh() {
    int endRuns = 0;
    FakeForms forms;
    forms.built = {Topic::Circunferencia2};
    Shell shell(forms.hooks(&endRuns));
    menuAction(shell, "Circunfrência2")->trigger();
    QPointer<QWidget> first = shell.topicForm(Topic::Circunferencia2);
    QVERIFY(first);
    first->close();
    QTRY_VERIFY(!first);
    QCOMPARE(shell.topicForm(Topic::Circunferencia2), nullptr);
    navigation().showTopic(Topic::Circunferencia2);
    QCOMPARE(forms.created, 2);
    QVERIFY(shell.topicForm(Topic::Circunferencia2)->isVisible());
}

void TestMainWindow::topicWithoutFormShowsNothing() {
    int endRuns = 0;
    FakeForms forms;
    Shell shell(forms.hooks(&endRuns));
    QVERIFY(!navigation().isAvailable(Topic::Recta3));
    navigation().showTopic(Topic::Recta3);
    QCOMPARE(shell.topicForm(Topic::Recta3), nullptr);
    QCOMPARE(forms.created, 0);
}

void TestMainWindow::nothingButTheMainWindowAtStartUp() {
    int endRuns = 0;
    FakeForms forms;
    forms.built = {Topic::Pontos, Topic::Recta1};
    Shell shell(forms.hooks(&endRuns));
    shell.show();
    QCOMPARE(forms.created, 0);
    for (HelpPage page :
         {HelpPage::Instrucoes, HelpPage::Indice, HelpPage::Sintaxe, HelpPage::Funcoes})
        QCOMPARE(shell.viewer(page), nullptr);
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->objectName().startsWith(QStringLiteral("Form")) ||
                     window == shell.mainWindow(),
                 qPrintable(window->objectName()));
}

void TestMainWindow::quitEndsEverything_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Abandonar o programa") << "menu";
    QTest::newRow("Sair de um formulário") << "navigation";
    QTest::newRow("fechar a janela principal") << "close";
}

void TestMainWindow::quitEndsEverything() {
    QFETCH(QString, how);
    int endRuns = 0;
    FakeForms forms;
    forms.built = {Topic::Pontos, Topic::Recta2};
    Shell shell(forms.hooks(&endRuns));
    shell.show();
    navigation().showTopic(Topic::Pontos);
    navigation().showTopic(Topic::Recta2);
    navigation().showHelp(HelpPage::Funcoes);
    navigation().showHelp(HelpPage::Indice);
    QPointer<QWidget> pontos = shell.topicForm(Topic::Pontos);
    QPointer<QWidget> recta2 = shell.topicForm(Topic::Recta2);
    if (how == "menu") menuAction(shell, "AbandonarPrograma")->trigger();
    if (how == "navigation") navigation().quit();
    if (how == "close") shell.mainWindow()->close();
    QCOMPARE(endRuns, 1);
    QVERIFY(!shell.mainWindow()->isVisible());
    QVERIFY(!shell.viewer(HelpPage::Funcoes)->isVisible());
    QVERIFY(!shell.viewer(HelpPage::Indice)->isVisible());
    QTRY_VERIFY(!pontos && !recta2);
    navigation().quit();
    QCOMPARE(endRuns, 1);
}

void TestMainWindow::windowsFitASmallScreen() {
    int endRuns = 0;
    FakeForms forms;
    Shell shell(forms.hooks(&endRuns));
    shell.show();
    const QSize screen(1366, 768);
    QMenuBar* bar = shell.mainWindow()->menuBar();
    for (QAction* entry : bar->actions()) {
        const QRect place = bar->actionGeometry(entry);
        QVERIFY2(!place.isEmpty() && place.right() < bar->width(), qPrintable(entry->text()));
    }
    QVERIFY((shell.mainWindow()->size() + Viewer::FrameAllowance).width() <= screen.width());
    QVERIFY((shell.mainWindow()->size() + Viewer::FrameAllowance).height() <= screen.height());
    for (HelpPage page :
         {HelpPage::Instrucoes, HelpPage::Indice, HelpPage::Sintaxe, HelpPage::Funcoes}) {
        shell.showHelp(page);
        const QSize outer = shell.viewer(page)->size() + Viewer::FrameAllowance;
        QVERIFY(outer.width() <= screen.width() && outer.height() <= screen.height());
    }
}

void TestMainWindow::titleLabels() {
    int endRuns = 0;
    FakeForms forms;
    Shell shell(forms.hooks(&endRuns));
    const auto text = [&](const char* name) {
        return shell.mainWindow()->findChild<QLabel*>(QString::fromUtf8(name))->text();
    };
    QCOMPARE(shell.mainWindow()->windowTitle(), QStringLiteral("ORTOPLANO"));
    QCOMPARE(text("Label1"), QStringLiteral("ORTOPLANO"));
    QCOMPARE(text("Label6"), QStringLiteral("ORTOPLANO"));
    QCOMPARE(text("Label2"), QStringLiteral("Versão 2.2"));
    QCOMPARE(text("Label3"), QStringLiteral("Um programa de"));
    QVERIFY(!text("Label4").isEmpty() && !text("Label5").isEmpty());
    QVERIFY(shell.mainWindow()->findChild<QLabel*>("Label1")->font().families().contains(
        QStringLiteral("Comic Sans MS")));
    for (int i = 1; i <= 4; ++i)
        QVERIFY(shell.mainWindow()->findChild<QWidget*>(QStringLiteral("Image%1").arg(i)));
}

void TestMainWindow::problemFormReachesViewersAndEndsTheRun() {
    if (!isTopicBuilt(Topic::Pontos)) QSKIP("the Points form is not built yet");
    int endRuns = 0;
    Shell shell(ShellHooks{{}, {}, [&endRuns] { ++endRuns; }}); // the real problem forms
    shell.show();
    QAction* pontos = menuAction(shell, "Pontos");
    QVERIFY(pontos->isEnabled());
    pontos->trigger();
    pontos->trigger();
    QCOMPARE(windowsNamed(QStringLiteral("Form1")), 1);
    QPointer<QWidget> form = shell.topicForm(Topic::Pontos);
    QVERIFY(form && form->isVisible());
    form->findChild<QAbstractButton*>(QStringLiteral("Command13"))->click();
    QVERIFY(shell.viewer(HelpPage::Instrucoes) && shell.viewer(HelpPage::Instrucoes)->isVisible());
    QVERIFY(form->isVisible()); // a help page leaves the problem form open
    form->findChild<QAbstractButton*>(QStringLiteral("Sair"))->click();
    QCOMPARE(endRuns, 1);
    QTRY_VERIFY(!form);
    QVERIFY(!shell.mainWindow()->isVisible());
    QVERIFY(!shell.viewer(HelpPage::Instrucoes)->isVisible());
}

void TestMainWindow::windowsCarryTheProgramIcon() {
    int endRuns = 0;
    FakeForms forms;
    forms.built = {Topic::Pontos};
    Shell shell(forms.hooks(&endRuns));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("pt.escola.Ortoplano"));
    QVERIFY(bluePlusRed(shell.mainWindow()->windowIcon().pixmap(48, 48).toImage()));
    shell.showHelp(HelpPage::Indice);
    QCOMPARE(shell.viewer(HelpPage::Indice)->windowIcon().cacheKey(),
             shell.mainWindow()->windowIcon().cacheKey());
}

void TestMainWindow::altAndArrowsMeetEveryEntryThatCanBeChosen() {
    int endRuns = 0;
    FakeForms forms;
    forms.built = {Topic::Pontos, Topic::Recta2};
    Shell shell(forms.hooks(&endRuns));
    QVERIFY(showActive(shell));
    QMenuBar* bar = shell.mainWindow()->menuBar();
    QTest::keyClick(shell.mainWindow(), Qt::Key_Alt);
    QStringList met;
    for (int i = 0; i < 14 && bar->activeAction(); ++i) {
        met << bar->activeAction()->text();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    }
    QCOMPARE(met.mid(0, 8), QStringList({"Ficheiro", "Pontos", "Reta 2", "Índice", "Instruções",
                                         "Sintaxe", "Funções definidas", "Ficheiro"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!bar->activeAction());
}

void TestMainWindow::enterOpensTheEntryReached_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("topic"); ///< -1 for a viewer
    QTest::addColumn<HelpPage>("page");
    QTest::newRow("Pontos") << "Pontos" << int(Topic::Pontos) << HelpPage::Indice;
    QTest::newRow("Reta 2") << "Reta 2" << int(Topic::Recta2) << HelpPage::Indice;
    QTest::newRow("Índice") << "Índice" << -1 << HelpPage::Indice;
    QTest::newRow("Funções definidas") << "Funções definidas" << -1 << HelpPage::Funcoes;
}

void TestMainWindow::enterOpensTheEntryReached() {
    QFETCH(QString, caption);
    QFETCH(int, topic);
    QFETCH(HelpPage, page);
    int endRuns = 0;
    FakeForms forms;
    forms.built = {Topic::Pontos, Topic::Recta2};
    Shell shell(forms.hooks(&endRuns));
    QVERIFY(showActive(shell));
    QVERIFY(reachEntry(shell, caption));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QWidget* opened = topic >= 0 ? shell.topicForm(Topic(topic)) : shell.viewer(page);
    QVERIFY(opened && opened->isVisible());
    QCOMPARE(forms.created, topic >= 0 ? 1 : 0);
}

void TestMainWindow::ficheiroFromTheKeyboardEndsTheRun() {
    int endRuns = 0;
    FakeForms forms;
    Shell shell(forms.hooks(&endRuns));
    QVERIFY(showActive(shell));
    QVERIFY(reachEntry(shell, QStringLiteral("Ficheiro")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // opens the drop-down
    auto* menu = shell.mainWindow()->findChild<QMenu*>(QStringLiteral("Ficheiro"));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->activeAction()->text(), QStringLiteral("Abandonar o programa"));
    QTest::keyClick(menu, Qt::Key_Return);
    QTRY_COMPARE(endRuns, 1);
}

void TestMainWindow::abandonarLeavesTheEventLoop() {
    Shell shell; // the program's own hooks: leaving the loop really ends the run
    shell.show();
    shell.showHelp(HelpPage::Sintaxe);
    QSignalSpy aboutToQuit(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
    QTimer::singleShot(0, [&] { menuAction(shell, "AbandonarPrograma")->trigger(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // never hang
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(aboutToQuit.count(), 1);
    QVERIFY(!shell.mainWindow()->isVisible());
    QVERIFY(!shell.viewer(HelpPage::Sintaxe)->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
