#include "shell.h"
#include "viewers.h"

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
    const auto usable = [paged](const QToolButton* a) {
        return paged ? a->isEnabled() : a->isVisible();
    };
    return shown.join(',') + '|' + (paged ? paged->label2()->text() : "-") + '|' +
           (usable(viewer.setaE()) ? "<" : "") + (usable(viewer.setaD()) ? ">" : "");
}
} // namespace

class TestViewers : public QObject {
    Q_OBJECT

    Shell shell{ShellHooks{{}, [] {}}};

private slots:
    void paging_data() {
        QTest::addColumn<HelpPage>("which");
        QTest::addColumn<int>("pages");
        QTest::newRow("ORTOPLANO PLANA") << HelpPage::Instrucoes << 5; // the caption
        QTest::newRow("SINTAXE") << HelpPage::Sintaxe << 4;
        QTest::newRow("FUNÇÕES DEFINIDAS") << HelpPage::Funcoes << 23;
        QTest::newRow("ORTOPLANO") << HelpPage::Indice << 2;
    }
    /// Page 1 on opening; each arrow usable only where there is a page to turn
    /// to; closed on the last page and opened again, the same page.
    void paging() {
        QFETCH(HelpPage, which);
        QFETCH(int, pages);
        shell.showHelp(which);
        auto* viewer = qobject_cast<Viewer*>(shell.viewer(which));
        QVERIFY(viewer && viewer->isVisible() && viewer->pageCount() == pages);
        QCOMPARE(viewer->windowTitle(), QString::fromUtf8(QTest::currentDataTag()));
        const bool paged = which != HelpPage::Indice;
        if (paged)
            QCOMPARE(viewer->findChild<QLabel*>("Label3")->text(), QString("de  %1").arg(pages));
        const auto on = [&](int page) {
            return QString("%1|%2|").arg(page).arg(paged ? QString::number(page) : "-") +
                   (page > 1 ? "<" : "") + (page < pages ? ">" : "");
        };
        QCOMPARE(state(*viewer), on(1));
        for (int page = 2; page <= pages; ++page) {
            QTest::mouseClick(viewer->setaD(), Qt::LeftButton);
            QCOMPARE(state(*viewer), on(page));
        }
        QTest::mouseClick(viewer->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!viewer->isVisible());
        shell.showHelp(which);
        QVERIFY(shell.viewer(which) == viewer && viewer->isVisible());
        QCOMPARE(state(*viewer), on(pages));
        for (int page = pages - 1; page >= 1; --page) {
            QTest::mouseClick(viewer->setaE(), Qt::LeftButton);
            QCOMPARE(state(*viewer), on(page));
        }
    }
    /// Space presses the arrow with the focus; a disabled arrow passes the
    /// focus on; Tab reaches "Fechar".
    void tabAndSpaceTurnThePages() {
        shell.showHelp(HelpPage::Instrucoes);
        auto* viewer = qobject_cast<PagedViewer*>(shell.viewer(HelpPage::Instrucoes));
        QApplication::setActiveWindow(viewer);
        QVERIFY(QTest::qWaitForWindowActive(viewer) && viewer->page() == 1);
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
