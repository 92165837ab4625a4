// The dialog "Ficha de exercícios", driven as a teacher would, offscreen.

#include "mainwindow.h"
#include "sheettext.h"
#include "testsupport.h"
#include "worksheetdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <unistd.h>

class WorksheetDialogTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    /// The tree holds every frame that can be practised, under its topic.
    void treeOfTopicsAndFrames() {
        WorksheetDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Ficha de exercícios"));
        for (const practice::FrameId& frame : practice::allFrames()) {
            QTreeWidgetItem* item = dialog.frameItem(frame);
            QVERIFY2(item, qPrintable(worksheet::frameName(frame)));
            QCOMPARE(item->text(0), worksheet::frameCaption(frame));
            QCOMPARE(item->parent()->text(0),
                     QString::fromUtf8(topicRow(worksheet::topicOf(frame)).indexHeading));
            QCOMPARE(item->checkState(0), Qt::Unchecked);
        }
        QVERIFY(dialog.choices().frames.empty());
    }

    /// Marks and counts become the choices; a topic's box marks its frames.
    void choicesFollowTheControls() {
        WorksheetDialog dialog;
        const auto& frames = practice::allFrames();
        dialog.choose(frames.at(1), 3);
        dialog.choose(frames.at(0), 2);
        dialog.findChild<QComboBox*>("Nivel")->setCurrentIndex(2);
        dialog.findChild<QComboBox*>("Versoes")->setCurrentIndex(1);
        dialog.findChild<QLineEdit*>("Semente")->setText("4242");
        dialog.findChild<QLineEdit*>("Titulo")->setText("Teste de Geometria");
        dialog.findChild<QCheckBox*>("Figuras")->setChecked(false);
        const worksheet::Choices c = dialog.choices();
        QCOMPARE(c.frames, (std::vector<worksheet::FrameCount>{{frames[0], 2}, {frames[1], 3}}));
        QCOMPARE(c.level, practice::Level::Avancado);
        QCOMPARE(c.versions, 2);
        QCOMPARE(c.seed, quint64(4242));
        QCOMPARE(c.title, QString("Teste de Geometria"));
        QVERIFY(!c.figures);
        QCOMPARE(dialog.findChild<QLabel*>("Total")->text(), QString("5 exercícios por versão"));
        QTreeWidgetItem* topic = dialog.frameItem(frames[0])->parent();
        topic->setCheckState(0, Qt::Checked);
        int marked = 0;
        for (const worksheet::FrameCount& f : dialog.choices().frames)
            marked += worksheet::topicOf(f.frame) == worksheet::topicOf(frames[0]) ? 1 : 0;
        QCOMPARE(marked, topic->childCount());
    }

    /// Saved as the command line would write it.
    void saveWritesTheSheet() {
        MessageRecorder messages;
        WorksheetDialog dialog;
        dialog.choose(practice::allFrames().at(1), 2);
        dialog.findChild<QLineEdit*>("Titulo")->setText("TPC 7");
        const QString path = dir.filePath("tpc.pdf");
        QVERIFY(dialog.saveTo(path));
        QVERIFY(messages.texts().isEmpty());
        const QString text = SheetText::pdf(path);
        QVERIFY(text.startsWith("TPC 7"));
        QVERIFY(text.contains("semente " + dialog.findChild<QLineEdit*>("Semente")->text()));
        QVERIFY(text.contains("Soluções"));
    }

    /// Nothing chosen, or a folder that refuses the file: a message, no file.
    void refusals() {
        MessageRecorder messages;
        WorksheetDialog dialog;
        QVERIFY(!dialog.saveTo(dir.filePath("vazia.pdf")));
        QCOMPARE(messages.texts(), QStringList{"Escolha pelo menos um problema."});
        dialog.choose(practice::allFrames().at(0), 1);
        const QString folder = geteuid() == 0 ? QStringLiteral("/sys") : QStringLiteral("/");
        QVERIFY(!dialog.saveTo(folder + "/ficha.odt"));
        QCOMPARE(messages.messages.size(), std::size_t(2));
        QVERIFY(messages.texts().back().contains("não tem permissão"));
        QVERIFY(!QFile::exists(dir.filePath("vazia.pdf")));
    }
};

QTEST_MAIN(WorksheetDialogTest)
#include "tst_worksheetdialog.moc"
