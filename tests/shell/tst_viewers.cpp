// Page turning in the four viewers.

#include "shell.h"
#include "viewers.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(HelpPage)

namespace {

ShellHooks quietHooks() {
    return {[](Topic) { return false; }, [](Topic) -> QWidget* { return nullptr; }, [] {}};
}

QString label(QWidget* viewer, const char* name) {
    return viewer->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

/// The pages whose picture is not hidden.
QList<int> shownPages(const Viewer& viewer) {
    QList<int> shown;
    for (int i = 1; i <= viewer.pageCount(); ++i)
        if (!viewer.pageView(i)->isHidden()) shown << i;
    return shown;
}

void addPagedRows() {
    QTest::addColumn<HelpPage>("which");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QSize>("twips");
    QTest::newRow("Instruções") << HelpPage::Instrucoes << "Form10"
                                << "ORTOPLANO PLANA" << 5 << QSize(7035, 10500);
    QTest::newRow("Sintaxe") << HelpPage::Sintaxe << "Form13"
                             << "SINTAXE" << 4 << QSize(7350, 11310);
    QTest::newRow("Funções definidas") << HelpPage::Funcoes << "Form14"
                                       << "FUNÇÕES DEFINIDAS" << 23 << QSize(7245, 10965);
}

} // namespace

class TestViewers : public QObject {
    Q_OBJECT
private slots:
    void opensOnPageOne_data() { addPagedRows(); }
    void opensOnPageOne();
    void lastPageDisablesNext_data() { addPagedRows(); }
    void lastPageDisablesNext();
    void labelFollowsEveryTurn_data() { addPagedRows(); }
    void labelFollowsEveryTurn();
    void turnsStopAtTheEnds_data() { addPagedRows(); }
    void turnsStopAtTheEnds();
    void reopenedViewerKeepsItsPage_data();
    void reopenedViewerKeepsItsPage();
    void indexShowsExactlyOneArrow();
    void indexHasTwoPagesAndNoPageLabel();
    void keysTurnPagesAndClose();
    void arrowsArePicturesWithSpokenNames_data();
    void arrowsArePicturesWithSpokenNames();
    void viewerIsAnnouncedAsAWindow_data();
    void viewerIsAnnouncedAsAWindow();
    void tabReachesTheButtonsAndSpacePressesThem();
};

void TestViewers::opensOnPageOne() {
    QFETCH(HelpPage, which);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, pages);
    QFETCH(QSize, twips);
    Shell shell(quietHooks());
    shell.showHelp(which);
    auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(which));
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->objectName(), name);
    QCOMPARE(viewer->windowTitle(), caption);
    QCOMPARE(viewer->size() + Viewer::FrameAllowance, twips / 15);
    QCOMPARE(viewer->pageCount(), pages);
    QCOMPARE(shownPages(*viewer), QList<int>{1});
    QCOMPARE(label(viewer, "Label1"), QStringLiteral("Página"));
    QCOMPARE(label(viewer, "Label2"), QStringLiteral("1"));
    QCOMPARE(label(viewer, "Label3"), QStringLiteral("de  %1").arg(pages));
    QVERIFY(!viewer->setaE()->isEnabled());
    QVERIFY(viewer->setaD()->isEnabled());
    QCOMPARE(viewer->findChild<QPushButton*>("Command1")->text(), QStringLiteral("Fechar"));
    for (int i = 1; i <= pages; ++i)
        QCOMPARE(viewer->pageView(i)->objectName(), QStringLiteral("Image1_%1").arg(i));
}

void TestViewers::lastPageDisablesNext() {
    QFETCH(HelpPage, which);
    QFETCH(int, pages);
    Shell shell(quietHooks());
    shell.showHelp(which);
    auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(which));
    for (int i = 1; i < pages; ++i)
        QTest::mouseClick(viewer->setaD(), Qt::LeftButton);
    QCOMPARE(shownPages(*viewer), QList<int>{pages});
    QCOMPARE(label(viewer, "Label2"), QString::number(pages));
    QVERIFY(!viewer->setaD()->isEnabled());
    QVERIFY(viewer->setaE()->isEnabled());
    QTest::mouseClick(viewer->setaE(), Qt::LeftButton);
    QVERIFY(viewer->setaD()->isEnabled());
    QCOMPARE(shownPages(*viewer), QList<int>{pages - 1});
}

void TestViewers::labelFollowsEveryTurn() {
    QFETCH(HelpPage, which);
    QFETCH(int, pages);
    Shell shell(quietHooks());
    shell.showHelp(which);
    auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(which));
    for (int step = 2; step <= pages; ++step) {
        viewer->setaD()->click();
        QCOMPARE(viewer->page(), step);
        QCOMPARE(shownPages(*viewer), QList<int>{step});
        QCOMPARE(label(viewer, "Label2"), QString::number(step));
    }
    for (int step = pages - 1; step >= 1; --step) {
        viewer->setaE()->click();
        QCOMPARE(shownPages(*viewer), QList<int>{step});
        QCOMPARE(label(viewer, "Label2"), QString::number(step));
        QCOMPARE(viewer->setaE()->isEnabled(), step > 1);
        QVERIFY(viewer->setaD()->isEnabled());
    }
}

void TestViewers::turnsStopAtTheEnds() {
    QFETCH(HelpPage, which);
    QFETCH(int, pages);
    Shell shell(quietHooks());
    shell.showHelp(which);
    auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(which));
    viewer->SetaE_Click(); // the handler itself, though its button is disabled
    QCOMPARE(viewer->page(), 1);
    QVERIFY(!viewer->setaE()->isEnabled());
    QVERIFY(viewer->setaD()->isEnabled());
    for (int i = 0; i < pages + 3; ++i)
        viewer->SetaD_Click();
    QCOMPARE(viewer->page(), pages);
    QCOMPARE(shownPages(*viewer), QList<int>{pages});
    QCOMPARE(label(viewer, "Label2"), QString::number(pages));
}

void TestViewers::reopenedViewerKeepsItsPage_data() {
    QTest::addColumn<HelpPage>("which");
    QTest::newRow("Instruções") << HelpPage::Instrucoes;
    QTest::newRow("Sintaxe") << HelpPage::Sintaxe;
    QTest::newRow("Funções definidas") << HelpPage::Funcoes;
}

void TestViewers::reopenedViewerKeepsItsPage() {
    QFETCH(HelpPage, which);
    Shell shell(quietHooks());
    shell.showHelp(which);
    auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(which));
    viewer->setaD()->click();
    viewer->setaD()->click();
    viewer->findChild<QPushButton*>("Command1")->click();
    QVERIFY(!viewer->isVisible());
    navigation().showHelp(which);
    QCOMPARE(shell.viewer(which), viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(shownPages(*viewer), QList<int>{3});
    QCOMPARE(label(viewer, "Label2"), QStringLiteral("3"));
    QVERIFY(viewer->setaE()->isEnabled());
}

void TestViewers::indexShowsExactlyOneArrow() {
    Shell shell(quietHooks());
    shell.showHelp(HelpPage::Indice);
    auto* viewer = qobject_cast<IndexViewer*>(shell.viewer(HelpPage::Indice));
    QVERIFY(viewer);
    const auto check = [viewer](int page) {
        QCOMPARE(shownPages(*viewer), QList<int>{page});
        QCOMPARE(viewer->setaE()->isVisible(), page == 2);
        QCOMPARE(viewer->setaD()->isVisible(), page == 1);
    };
    check(1);
    viewer->setaD()->click();
    check(2);
    viewer->setaE()->click();
    check(1);
    viewer->setaD()->click();
    viewer->findChild<QPushButton*>("Command1")->click();
    QVERIFY(!viewer->isVisible());
    shell.showHelp(HelpPage::Indice);
    check(2);
}

void TestViewers::indexHasTwoPagesAndNoPageLabel() {
    Shell shell(quietHooks());
    shell.showHelp(HelpPage::Indice);
    QWidget* viewer = shell.viewer(HelpPage::Indice);
    QCOMPARE(viewer->objectName(), QStringLiteral("Form12"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("ORTOPLANO"));
    QVERIFY(viewer->findChild<PageView*>("Image1"));
    QVERIFY(viewer->findChild<PageView*>("Image2"));
    QCOMPARE(viewer->findChildren<PageView*>().size(), 2);
    QCOMPARE(viewer->findChild<QLabel*>("Label2"), nullptr);
}

void TestViewers::keysTurnPagesAndClose() {
    Shell shell(quietHooks());
    shell.showHelp(HelpPage::Sintaxe);
    auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(HelpPage::Sintaxe));
    QApplication::setActiveWindow(viewer);
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    QTest::keyClick(viewer, Qt::Key_Left); // nothing before page 1
    QCOMPARE(viewer->page(), 1);
    QTest::keyClick(viewer, Qt::Key_Right);
    QTest::keyClick(viewer, Qt::Key_PageDown);
    QCOMPARE(viewer->page(), 3);
    QCOMPARE(label(viewer, "Label2"), QStringLiteral("3"));
    QTest::keyClick(viewer, Qt::Key_Left);
    QCOMPARE(viewer->page(), 2);
    QTest::keyClick(viewer, Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
}

void TestViewers::arrowsArePicturesWithSpokenNames_data() {
    QTest::addColumn<HelpPage>("which");
    QTest::newRow("Instruções") << HelpPage::Instrucoes;
    QTest::newRow("Índice") << HelpPage::Indice;
    QTest::newRow("Sintaxe") << HelpPage::Sintaxe;
    QTest::newRow("Funções definidas") << HelpPage::Funcoes;
}

void TestViewers::arrowsArePicturesWithSpokenNames() {
    QFETCH(HelpPage, which);
    Shell shell(quietHooks());
    shell.showHelp(which);
    auto* viewer = static_cast<Viewer*>(shell.viewer(which));
    for (QToolButton* arrow : {viewer->setaE(), viewer->setaD()}) {
        QVERIFY(arrow->text().isEmpty());
        QVERIFY(!arrow->icon().pixmap(24, 24).isNull());
    }
    QCOMPARE(viewer->setaE()->accessibleName(), QStringLiteral("Página anterior"));
    QCOMPARE(viewer->setaD()->accessibleName(), QStringLiteral("Página seguinte"));
    QVERIFY(viewer->pageView(1)->accessibleDescription().contains(
        Help::book(which).pages.front().title));
}

void TestViewers::viewerIsAnnouncedAsAWindow_data() {
    QTest::addColumn<HelpPage>("which");
    QTest::addColumn<QString>("spoken");
    // Where the caption is shared with other windows, the name says which one it is.
    QTest::newRow("Instruções") << HelpPage::Instrucoes << "Instruções — ORTOPLANO PLANA";
    QTest::newRow("Índice") << HelpPage::Indice << "Índice — ORTOPLANO";
    QTest::newRow("Sintaxe") << HelpPage::Sintaxe << "SINTAXE";
    QTest::newRow("Funções definidas") << HelpPage::Funcoes << "FUNÇÕES DEFINIDAS";
}

void TestViewers::viewerIsAnnouncedAsAWindow() {
    QFETCH(HelpPage, which);
    QFETCH(QString, spoken);
    Shell shell(quietHooks());
    shell.showHelp(which);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(shell.viewer(which));
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), spoken);
}

void TestViewers::tabReachesTheButtonsAndSpacePressesThem() {
    Shell shell(quietHooks());
    shell.showHelp(HelpPage::Instrucoes);
    auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(HelpPage::Instrucoes));
    QApplication::setActiveWindow(viewer);
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    viewer->setaD()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(viewer->page(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), viewer->setaE()); // enabled by the turn
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(viewer->page(), 1);
    QCOMPARE(QApplication::focusWidget(), viewer->setaD()); // the disabled arrow passes it on
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!viewer->isVisible());
}

QTEST_MAIN(TestViewers)
#include "tst_viewers.moc"
