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
/// "shown pages|page label|arrows": "3|3|<>", with "<" and ">" for the arrows
/// that can be pressed (enabled on the paged viewers, shown on the index).
QString state(const Viewer& viewer) {
    QStringList shown;
    for (int i = 1; i <= viewer.pageCount(); ++i)
        if (!viewer.pageView(i)->isHidden()) shown << QString::number(i);
    const auto* paged = qobject_cast<const PagedViewer*>(&viewer);
    const auto usable = [paged](const QToolButton* arrow) {
        return paged ? arrow->isEnabled() : arrow->isVisible();
    };
    return shown.join(',') + '|' + (paged ? paged->label2()->text() : "-") + '|' +
           (usable(viewer.setaE()) ? "<" : "") + (usable(viewer.setaD()) ? ">" : "");
}

/// The caption, and the name a screen reader says where the caption is
/// shared with other windows.
QString captionAndName(QWidget* window) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(window);
    return window->windowTitle() + '|' + spoken->text(QAccessible::Name) +
           (spoken->role() == QAccessible::Window ? "" : "|not a window");
}
} // namespace

class TestViewers : public QObject {
    Q_OBJECT

    Shell shell{
        ShellHooks{[](Topic) { return false; }, [](Topic) -> QWidget* { return nullptr; }, [] {}}};

private slots:
    void pagedViewer_data() {
        QTest::addColumn<HelpPage>("which");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QSize>("twips");
        QTest::newRow("Instruções")
            << HelpPage::Instrucoes << "ORTOPLANO PLANA|Instruções — ORTOPLANO PLANA" << 5
            << QSize(7035, 10500);
        QTest::newRow("Sintaxe") << HelpPage::Sintaxe << "SINTAXE|SINTAXE" << 4
                                 << QSize(7350, 11310);
        QTest::newRow("Funções definidas")
            << HelpPage::Funcoes << "FUNÇÕES DEFINIDAS|FUNÇÕES DEFINIDAS" << 23
            << QSize(7245, 10965);
    }
    void pagedViewer() {
        QFETCH(HelpPage, which);
        QFETCH(QString, caption);
        QFETCH(int, pages);
        QFETCH(QSize, twips);
        shell.showHelp(which);
        auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(which));
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(captionAndName(viewer), caption);
        QCOMPARE(viewer->size() + Viewer::FrameAllowance, twips / 15);
        QCOMPARE(viewer->findChild<QLabel*>("Label3")->text(), QStringLiteral("de  %1").arg(pages));
        QCOMPARE(state(*viewer), "1|1|>");
        viewer->SetaE_Click(); // the handler itself, though its button is disabled
        QCOMPARE(state(*viewer), "1|1|>");
        for (int page = 2; page <= pages; ++page) {
            QTest::mouseClick(viewer->setaD(), Qt::LeftButton);
            QCOMPARE(state(*viewer), QString("%1|%1|<%2").arg(page).arg(page < pages ? ">" : ""));
        }
        viewer->SetaD_Click();
        QCOMPARE(state(*viewer), QString("%1|%1|<").arg(pages));
        for (int page = pages - 1; page >= 3; --page) {
            QTest::mouseClick(viewer->setaE(), Qt::LeftButton);
            QCOMPARE(state(*viewer), QString("%1|%1|<>").arg(page));
        }
        // Closed on page 3 and opened again: page 3.
        viewer->findChild<QPushButton*>("Command1")->click();
        QVERIFY(!viewer->isVisible());
        shell.showHelp(which);
        QVERIFY(shell.viewer(which) == viewer && viewer->isVisible());
        QCOMPARE(state(*viewer), "3|3|<>");
        viewer->setaE()->click();
        viewer->setaE()->click();
        QCOMPARE(state(*viewer), "1|1|>");
    }

    void indexShowsExactlyOneArrow() {
        shell.showHelp(HelpPage::Indice);
        auto* viewer = qobject_cast<IndexViewer*>(shell.viewer(HelpPage::Indice));
        QVERIFY(viewer);
        QCOMPARE(captionAndName(viewer), "ORTOPLANO|Índice — ORTOPLANO");
        QCOMPARE(viewer->pageCount(), 2);
        QCOMPARE(state(*viewer), "1|-|>");
        viewer->setaD()->click();
        QCOMPARE(state(*viewer), "2|-|<");
        viewer->setaE()->click();
        QCOMPARE(state(*viewer), "1|-|>");
        viewer->setaD()->click();
        viewer->findChild<QPushButton*>("Command1")->click();
        QVERIFY(!viewer->isVisible());
        shell.showHelp(HelpPage::Indice);
        QCOMPARE(state(*viewer), "2|-|<");
    }

    /// Space presses the arrow with the focus; a disabled arrow passes the
    /// focus on; Tab reaches "Fechar".
    void tabAndSpaceTurnThePages() {
        shell.showHelp(HelpPage::Instrucoes);
        auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(HelpPage::Instrucoes));
        while (viewer->page() > 1)
            viewer->SetaE_Click();
        QApplication::setActiveWindow(viewer);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        viewer->setaD()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(viewer->page(), 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), viewer->setaE()); // enabled by the turn
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(viewer->page(), 1);
        QCOMPARE(QApplication::focusWidget(), viewer->setaD());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(!viewer->isVisible());
    }
};

QTEST_MAIN(TestViewers)
#include "tst_viewers.moc"
