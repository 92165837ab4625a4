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
} // namespace

class TestViewers : public QObject {
    Q_OBJECT

    Shell shell{
        ShellHooks{[](Topic) { return false; }, [](Topic) -> QWidget* { return nullptr; }, [] {}}};

private slots:
    void paging_data() {
        QTest::addColumn<HelpPage>("which");
        QTest::addColumn<QString>("caption"); // and the name a screen reader says
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
        QTest::newRow("Índice") << HelpPage::Indice << "ORTOPLANO|Índice — ORTOPLANO" << 2
                                << QSize();
    }
    /// Page 1 on opening; each arrow usable only where there is a page to
    /// turn to (the index shows exactly one); closed on page 3 (the index on
    /// page 2) and opened again, the same page.
    void paging() {
        QFETCH(HelpPage, which);
        QFETCH(QString, caption);
        QFETCH(int, pages);
        QFETCH(QSize, twips);
        shell.showHelp(which);
        auto* viewer = qobject_cast<Viewer*>(shell.viewer(which));
        QVERIFY(viewer && viewer->isVisible() && viewer->pageCount() == pages);
        QCOMPARE(viewer->windowTitle() + '|' +
                     QAccessible::queryAccessibleInterface(viewer)->text(QAccessible::Name),
                 caption);
        const bool paged = twips.isValid();
        if (paged) {
            QCOMPARE(viewer->size() + Viewer::FrameAllowance, twips / Viewer::Twips);
            QCOMPARE(viewer->findChild<QLabel*>("Label3")->text(),
                     QStringLiteral("de  %1").arg(pages));
        }
        const auto on = [&](int page) {
            return QString("%1|%2|").arg(page).arg(paged ? QString::number(page) : "-") +
                   (page > 1 ? "<" : "") + (page < pages ? ">" : "");
        };
        QCOMPARE(state(*viewer), on(1));
        viewer->SetaE_Click(); // the handler itself, though its button cannot be pressed
        QCOMPARE(state(*viewer), on(1));
        for (int page = 2; page <= pages; ++page) {
            QTest::mouseClick(viewer->setaD(), Qt::LeftButton);
            QCOMPARE(state(*viewer), on(page));
        }
        viewer->SetaD_Click();
        QCOMPARE(state(*viewer), on(pages));
        const int closedOn = std::min(3, pages);
        for (int page = pages - 1; page >= closedOn; --page) {
            QTest::mouseClick(viewer->setaE(), Qt::LeftButton);
            QCOMPARE(state(*viewer), on(page));
        }
        viewer->findChild<QPushButton*>("Command1")->click();
        QVERIFY(!viewer->isVisible());
        shell.showHelp(which);
        QVERIFY(shell.viewer(which) == viewer && viewer->isVisible());
        QCOMPARE(state(*viewer), on(closedOn));
        for (int page = closedOn - 1; page >= 1; --page) {
            viewer->setaE()->click();
            QCOMPARE(state(*viewer), on(page));
        }
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
