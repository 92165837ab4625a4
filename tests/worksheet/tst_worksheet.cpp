// The sheet in the program: figures drawn by the forms, pages in order,
// and saves that fail without losing anything.

#include "composer.h"
#include "problemform.h"
#include "sheetdocument.h"
#include "sheetfile.h"
#include "sheettext.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <unistd.h>

Q_DECLARE_METATYPE(worksheet::SaveFault)

namespace {

worksheet::Choices smallSheet(bool figures) {
    worksheet::Choices choices;
    for (const practice::FrameId& frame : practice::allFrames())
        choices.frames.push_back({frame, 1});
    choices.seed = 31;
    choices.figures = figures;
    return choices;
}

bool drawsIn(const DisplayList& list, const QColor& colour) {
    return std::any_of(list.begin(), list.end(), [&](const Primitive& p) {
        return p.kind != Primitive::Kind::Window && p.color == colour;
    });
}

} // namespace

class WorksheetTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    /// A frame with "Dados" gets the drawing of its data in blue and nothing
    /// of the solution in red; a frame without that button has no figure.
    void figuresAreTheDataDrawn() {
        const worksheet::Sheet sheet = worksheet::compose(smallSheet(true));
        int drawn = 0;
        for (const worksheet::SheetExercise& exercise : sheet.versions.at(0).exercises) {
            const bool dados = !exercise.source.dadosButton.empty();
            QCOMPARE(!exercise.figure.empty(), dados);
            if (!dados) continue;
            QVERIFY2(drawsIn(exercise.figure, Azul), qPrintable(exercise.statement));
            QVERIFY2(!drawsIn(exercise.figure, Vermelho), qPrintable(exercise.statement));
            ++drawn;
        }
        QVERIFY(drawn > 0);
    }

    /// The same choices, with or without figures, give the same exercises.
    void figuresChangeNoExercise() {
        const worksheet::Sheet with = worksheet::compose(smallSheet(true));
        const worksheet::Sheet without = worksheet::compose(smallSheet(false));
        QCOMPARE(with.versions.at(0).exercises.size(), without.versions.at(0).exercises.size());
        for (std::size_t i = 0; i < with.versions[0].exercises.size(); ++i)
            QCOMPARE(with.versions[0].exercises[i].statement,
                     without.versions[0].exercises[i].statement);
    }

    /// The pupils' pages come first, then the key and the worked solutions;
    /// each part begins a page, and every page carries the seed.
    void pagesInOrder() {
        worksheet::Choices choices = smallSheet(true);
        choices.versions = 2;
        const worksheet::Sheet sheet = worksheet::compose(choices);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QVERIFY(worksheet::writePdf(sheet, pdf));
        QVERIFY(pdf.data().startsWith("%PDF"));
        QFile file(dir.filePath("ordem.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pdf.data());
        file.close();
        const QString text = SheetText::pdf(file.fileName());
        const QStringList parts{"Versão A",
                                "Versão B",
                                "Soluções — Versão A",
                                "Resoluções — Versão A",
                                "Soluções — Versão B",
                                "Resoluções — Versão B"};
        qsizetype at = 0;
        for (const QString& part : parts) {
            const qsizetype found = text.indexOf(part, at);
            QVERIFY2(found > at || (at == 0 && found >= 0), qPrintable(part));
            at = found;
        }
        const worksheet::SheetDocument document(sheet, worksheet::Pictures::Vector);
        const int pages = document.pageCount();
        QCOMPARE(text.count(QStringLiteral(" de %1").arg(pages)), pages);
        for (int page = 1; page <= pages; ++page)
            QVERIFY(text.contains(QStringLiteral("página %1 de %2").arg(page).arg(pages)));
        for (const char* blank : {"Nome:", "Turma:", "N.º:", "Data:"})
            QCOMPARE(text.count(SheetText::plain(blank)), 2);
    }

    /// The editable document holds its pictures as images, no object a
    /// word processor would not know.
    void openDocumentHasImages() {
        const worksheet::Sheet sheet = worksheet::compose(smallSheet(true));
        const worksheet::SheetDocument document(sheet, worksheet::Pictures::Images);
        const QString text = document.document().toPlainText();
        QVERIFY(!text.contains(QChar::ObjectReplacementCharacter) ||
                document.document().toHtml().contains("<img"));
        QVERIFY(document.document().toHtml().count("<img") >= 2);
    }

    /// Printed (here to a printer's PDF at another resolution) the sheet
    /// has the same pages and text as saved.
    void printedAsSaved() {
        const worksheet::Sheet sheet = worksheet::compose(smallSheet(true));
        const QString saved = dir.filePath("guardada.pdf");
        QCOMPARE(worksheet::save(sheet, saved), worksheet::SaveFault::None);
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("impressa.pdf"));
        worksheet::SheetDocument::setUpPage(printer);
        QVERIFY(printer.resolution() != 1200);
        const worksheet::SheetDocument document(sheet, worksheet::Pictures::Vector);
        QVERIFY(document.paint(printer));
        QCOMPARE(SheetText::pdf(printer.outputFileName()), SheetText::pdf(saved));
    }

    void failedSaves_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<worksheet::SaveFault>("fault");
        QTest::addColumn<QString>("said");
        const QString locked = dir.filePath("fechada");
        QDir().mkpath(locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        // The superuser writes anywhere on a disk: the system's own folder it cannot.
        const QString unwritable = geteuid() == 0 ? QStringLiteral("/sys") : locked;
        QTest::newRow("no permission")
            << unwritable + "/ficha.pdf" << worksheet::SaveFault::NoPermission << "permissão";
        QTest::newRow("no folder")
            << dir.filePath("nao-ha/ficha.odt") << worksheet::SaveFault::NoFolder << "não existe";
        QTest::newRow("name too long") << dir.filePath(QString(300, 'f') + ".pdf")
                                       << worksheet::SaveFault::BadName << "o nome do ficheiro";
        QTest::newRow("not pdf or odt")
            << dir.filePath("ficha.doc") << worksheet::SaveFault::BadName << ".pdf ou .odt";
    }
    /// The fault is told in Portuguese, and the folder is left as it was.
    void failedSaves() {
        QFETCH(QString, path);
        QFETCH(worksheet::SaveFault, fault);
        QFETCH(QString, said);
        worksheet::Sheet sheet = worksheet::compose(smallSheet(false));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        QCOMPARE(worksheet::save(sheet, path), fault);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        const QString message = worksheet::faultMessage(fault, path);
        QVERIFY2(message.contains(said), qPrintable(message));
        QVERIFY(message.startsWith("Não foi possível guardar a ficha"));
    }

    /// A file already there is replaced whole, never left half written.
    void saveReplacesWhole() {
        const QString path = dir.filePath("velha.pdf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("a teacher's old sheet");
        old.close();
        const worksheet::Sheet sheet = worksheet::compose(smallSheet(false));
        QCOMPARE(worksheet::save(sheet, path), worksheet::SaveFault::None);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF"));
        QCOMPARE(QDir(dir.path()).entryList({"velha.pdf*"}, QDir::Files | QDir::Hidden).size(), 1);
    }

    void cleanupTestCase() {
        QFile::setPermissions(dir.filePath("fechada"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_MAIN(WorksheetTest)
#include "tst_worksheet.moc"
