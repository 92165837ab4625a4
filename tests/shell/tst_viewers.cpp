// Page turning in the four viewers.

#include "shell.h"
#include "viewers.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(HelpPage)

namespace {
/// The pages whose picture is not hidden.
QList<int> shownPages(const Viewer& viewer) {
    QList<int> shown;
    for (int i = 1; i <= viewer.pageCount(); ++i)
        if (!viewer.pageView(i)->isHidden()) shown << i;
    return shown;
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
        QTest::newRow("Form10") << HelpPage::Instrucoes << "ORTOPLANO PLANA" << 5
                                << QSize(7035, 10500);
        QTest::newRow("Form13") << HelpPage::Sintaxe << "SINTAXE" << 4 << QSize(7350, 11310);
        QTest::newRow("Form14") << HelpPage::Funcoes << "FUNÇÕES DEFINIDAS" << 23
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
        QCOMPARE(viewer->objectName(), QTest::currentDataTag());
        QCOMPARE(viewer->windowTitle(), caption);
        QCOMPARE(viewer->size() + Viewer::FrameAllowance, twips / 15);
        QCOMPARE(viewer->findChild<QLabel*>("Label3")->text(), QStringLiteral("de  %1").arg(pages));
        const auto expect = [&](int page, bool previous, bool next) {
            QCOMPARE(shownPages(*viewer), QList<int>{page});
            QCOMPARE(viewer->label2()->text(), QString::number(page));
            QCOMPARE(viewer->setaE()->isEnabled(), previous);
            QCOMPARE(viewer->setaD()->isEnabled(), next);
        };
        expect(1, false, true);
        viewer->SetaE_Click(); // the handler itself, though its button is disabled
        expect(1, false, true);
        for (int page = 2; page <= pages; ++page) {
            QTest::mouseClick(viewer->setaD(), Qt::LeftButton);
            expect(page, true, page < pages);
        }
        viewer->SetaD_Click();
        expect(pages, true, false);
        for (int page = pages - 1; page >= 3; --page) {
            QTest::mouseClick(viewer->setaE(), Qt::LeftButton);
            expect(page, true, true);
        }
        // Closed on page 3 and opened again: page 3.
        viewer->findChild<QPushButton*>("Command1")->click();
        QVERIFY(!viewer->isVisible());
        shell.showHelp(which);
        QCOMPARE(shell.viewer(which), viewer);
        QVERIFY(viewer->isVisible());
        expect(3, true, true);
        viewer->setaE()->click();
        viewer->setaE()->click();
        expect(1, false, true);
    }

    void indexShowsExactlyOneArrow() {
        shell.showHelp(HelpPage::Indice);
        auto* viewer = qobject_cast<IndexViewer*>(shell.viewer(HelpPage::Indice));
        QVERIFY(viewer);
        QCOMPARE(viewer->objectName() + '|' + viewer->windowTitle(), "Form12|ORTOPLANO");
        QCOMPARE(viewer->pageView(1)->objectName() + viewer->pageView(2)->objectName(),
                 "Image1Image2");
        QCOMPARE(viewer->findChildren<PageView*>().size(), 2);
        QCOMPARE(viewer->findChild<QLabel*>("Label2"), nullptr);
        const auto expect = [viewer](int page) {
            QCOMPARE(shownPages(*viewer), QList<int>{page});
            QCOMPARE(viewer->setaE()->isVisible(), page == 2);
            QCOMPARE(viewer->setaD()->isVisible(), page == 1);
        };
        expect(1);
        viewer->setaD()->click();
        expect(2);
        viewer->setaE()->click();
        expect(1);
        viewer->setaD()->click();
        viewer->findChild<QPushButton*>("Command1")->click();
        QVERIFY(!viewer->isVisible());
        shell.showHelp(HelpPage::Indice);
        expect(2);
    }
};

QTEST_MAIN(TestViewers)
#include "tst_viewers.moc"
