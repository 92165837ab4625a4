// The dialog "Ficha de exercícios", driven as a teacher would, offscreen.

#include "mainwindow.h"
#include "sheettext.h"
#include "testsupport.h"
#include "worksheetdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <unistd.h>

/// Stands in for the desktop's program: records the files it is asked to open.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    DesktopRecorder() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~DesktopRecorder() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

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

    /// Saved as the command line would write it; the dialog then says where,
    /// and opens the file with the desktop's program when asked.
    void saveWritesTheSheet() {
        MessageRecorder messages;
        DesktopRecorder desktop;
        WorksheetDialog dialog;
        dialog.choose(practice::allFrames().at(1), 2);
        dialog.findChild<QLineEdit*>("Titulo")->setText("TPC 7");
        auto* open = dialog.findChild<QPushButton*>("Abrir");
        QVERIFY(open->isHidden());
        const QString path = dir.filePath("tpc.pdf");
        QVERIFY(dialog.saveTo(path));
        QVERIFY(messages.texts().isEmpty());
        const QString text = SheetText::pdf(path);
        QVERIFY(text.startsWith("TPC 7"));
        QVERIFY(text.contains("semente " + dialog.findChild<QLineEdit*>("Semente")->text()));
        QCOMPARE(dialog.findChild<QLabel*>("Guardada")->text(),
                 QStringLiteral("Ficha guardada em «%1».").arg(QDir::toNativeSeparators(path)));
        QVERIFY(!open->isHidden());
        open->click();
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
    }

    /// With nothing chosen, "Guardar" says so before any file dialog opens.
    void saveAsksForAProblemFirst() {
        MessageRecorder messages;
        WorksheetDialog dialog;
        bool fileDialog = false;
        QTimer watch; // a file dialog left open would block the test: close it, and say so
        connect(&watch, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                fileDialog = true;
                modal->close();
            }
        });
        watch.start(50);
        for (const char* button : {"GuardarPdf", "GuardarOdt"})
            dialog.findChild<QPushButton*>(button)->click();
        QVERIFY(!fileDialog);
        QCOMPARE(messages.texts(), QStringList({"Escolha pelo menos um problema.",
                                                "Escolha pelo menos um problema."}));
    }

    /// A frame without exercises at the level chosen is greyed out, left out
    /// of the sheet, and the dialog says so.
    void framesWithoutTheLevel() {
        WorksheetDialog dialog;
        const auto& frames = practice::allFrames();
        const auto lacking = std::find_if(frames.begin(), frames.end(), [](const auto& f) {
            return !practice::hasLevel(f, practice::Level::Avancado);
        });
        QVERIFY(lacking != frames.end());
        dialog.choose(*lacking, 2);
        dialog.choose(frames.front(), 1);
        QTreeWidgetItem* item = dialog.frameItem(*lacking);
        QVERIFY(!item->isDisabled());
        dialog.findChild<QComboBox*>("Nivel")->setCurrentIndex(2);
        QVERIFY(item->isDisabled());
        QCOMPARE(dialog.choices().frames,
                 (std::vector<worksheet::FrameCount>{{frames.front(), 1}}));
        const QString note = dialog.findChild<QLabel*>("NotaNivel")->text();
        QVERIFY2(note.contains("nível avançado") && note.contains(item->text(0)), qPrintable(note));
        QCOMPARE(dialog.findChild<QLabel*>("Total")->text(), QString("1 exercício por versão"));
        dialog.findChild<QComboBox*>("Nivel")->setCurrentIndex(0);
        QVERIFY(!item->isDisabled());
    }

    /// A folder that refuses the file: a message, no file.
    void refusals() {
        MessageRecorder messages;
        WorksheetDialog dialog;
        dialog.choose(practice::allFrames().at(0), 1);
        const QString folder = geteuid() == 0 ? QStringLiteral("/sys") : QStringLiteral("/");
        QVERIFY(!dialog.saveTo(folder + "/ficha.odt"));
        QCOMPARE(messages.messages.size(), std::size_t(1));
        QVERIFY(messages.texts().back().contains("não tem permissão"));
        QVERIFY(!QFile::exists(folder + "/ficha.odt"));
    }
};

QTEST_MAIN(WorksheetDialogTest)
#include "tst_worksheetdialog.moc"
