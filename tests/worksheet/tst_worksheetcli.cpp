// `ortoplano ficha …` run as a teacher runs it, its files read back.

#include "composer.h"
#include "frames.h"
#include "sheettext.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <unistd.h>

Q_DECLARE_METATYPE(practice::Level)

namespace {

struct Run {
    int code = -1;
    QString out, err;
};

Run ortoplano(const QStringList& arguments, const QStringList& settings = {}) {
    static const QTemporaryDir runtime; // where Qt wants its runtime folder
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    for (const QString& setting : settings)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORTOPLANO_EXE), arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

/// The arguments and the choices of a sheet of every frame once.
struct EveryFrame {
    QStringList arguments;
    worksheet::Choices choices;
};

EveryFrame everyFrame(practice::Level level, quint64 seed) {
    EveryFrame e;
    e.arguments = {"ficha", "-n", worksheet::levelText(level), "-v",
                   "2",     "-s", QString::number(seed)};
    e.choices.level = level;
    e.choices.versions = 2;
    e.choices.seed = seed;
    e.choices.figures = false; // the file has them: the same exercises with or without
    for (const practice::FrameId& frame : practice::framesAt(level)) {
        e.choices.frames.push_back({frame, 1});
        e.arguments << "-p" << worksheet::frameName(frame);
    }
    return e;
}

/// The text between two headings of a sheet.
QString section(const QString& text, const QString& from, const QString& to) {
    const qsizetype start = text.indexOf(from);
    const qsizetype end = to.isEmpty() ? text.size() : text.indexOf(to, start);
    return start < 0 || end < 0 ? QString() : text.mid(start, end - start);
}

/// Every statement and every answer of the sheet in a text read back from its file.
void holdsEveryExercise(const QString& text, const worksheet::Sheet& sheet) {
    for (const worksheet::SheetVersion& version : sheet.versions)
        for (const worksheet::SheetExercise& exercise : version.exercises) {
            QVERIFY2(text.contains(SheetText::plain(exercise.statement)),
                     qPrintable(exercise.statement));
            QVERIFY2(SheetText::unspaced(text).contains(SheetText::unspaced(exercise.answer)),
                     qPrintable(exercise.answer));
        }
}

} // namespace

class WorksheetCommandLine : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "poppler-utils");
        QVERIFY2(!QStandardPaths::findExecutable("unzip").isEmpty(), "unzip");
    }

    void everyFrameAtEveryLevel_data() {
        QTest::addColumn<practice::Level>("level");
        for (practice::Level level : practice::AllLevels)
            QTest::newRow(qPrintable(worksheet::levelText(level))) << level;
    }
    /// Every statement and every answer of both versions in the file, each key under its
    /// version's heading, with the level and the seed. What the exercises, their keys and their
    /// versions are is checked where the sheet is composed (tst_worksheet, tst_practice).
    void everyFrameAtEveryLevel() {
        QFETCH(practice::Level, level);
        const EveryFrame e = everyFrame(level, 20261206 + int(level));
        const QString file = path(QStringLiteral("todos-%1.pdf").arg(int(level)));
        const Run run = ortoplano(e.arguments + QStringList{file});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.code, 0);
        const QString text = SheetText::pdf(file);
        const worksheet::Sheet sheet = worksheet::compose(e.choices);
        QCOMPARE(int(sheet.versions.size()), 2);
        holdsEveryExercise(text, sheet);
        for (const worksheet::SheetVersion& version : sheet.versions) { // each key its version's
            const QString heading = worksheet::versionHeading(version);
            const QString key = SheetText::unspaced(
                section(text, "Soluções — " + heading, "Resoluções — " + heading));
            for (std::size_t n = 0; n < version.exercises.size(); ++n)
                QVERIFY2(key.contains(SheetText::unspaced(
                             QStringLiteral("%1. %2").arg(n + 1).arg(version.exercises[n].answer))),
                         qPrintable(heading + ": " + version.exercises[n].answer));
        }
        QVERIFY(text.contains("nível " + worksheet::levelText(level) + " · semente " +
                              QString::number(e.choices.seed)));
        // No line of the laid-out text ends inside a point or an equation.
        QStringList lines;
        for (const QString& line :
             QString::fromUtf8(SheetText::output("pdftotext", {"-layout", file, "-"})).split(u'\n'))
            lines << SheetText::plain(line);
        for (const worksheet::SheetVersion& version : sheet.versions)
            for (const worksheet::SheetExercise& exercise : version.exercises)
                for (const auto& [written, answer] :
                     {std::pair{exercise.statement, false}, {exercise.answer, true}})
                    for (const QString& data : SheetText::dataOf(written, answer)) {
                        const QString whole = SheetText::plain(data);
                        QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                             [&](const QString& l) { return l.contains(whole); }),
                                 qPrintable(whole + " in " + written));
                    }
    }

    /// Under the C locale too, a sheet writes the decimal comma everywhere:
    /// its worked solutions, its key and its figures.
    void decimalCommaWhateverTheLocale() {
        const QString file = path("c.pdf");
        const Run run = ortoplano(
            {"ficha", "-p", "pontos-3:3", "-p", "recta2-4:3", "-n", "intermédio", "-s", "12", file},
            {"LANG=C", "LC_ALL=C", "LANGUAGE="});
        QCOMPARE(run.code, 0);
        const QString text = SheetText::pdf(file);
        QVERIFY2(!text.contains(QRegularExpression("\\d\\.\\d")), qPrintable(text));
        QVERIFY(text.mid(text.indexOf("Resoluções")).contains(QRegularExpression("\\d,\\d")));
    }

    /// A topic whose frames lack the level asked leaves them out and says
    /// which; a frame named alone is refused.
    void framesWithoutTheLevel() {
        const Run run =
            ortoplano({"ficha", "-p", "recta3", "-n", "avançado", "-s", "4", path("recta3.pdf")});
        QCOMPARE(run.code, 0);
        for (const practice::FrameId& frame : practice::framesOf(Topic::Recta3)) {
            const bool has = practice::hasLevel(frame, practice::Level::Avancado);
            QCOMPARE(run.err.contains(worksheet::frameName(frame)), !has);
        }
        QVERIFY(run.err.contains("Sem exercícios de nível avançado"));
    }

    /// An OpenDocument package: mimetype first and stored, then content.xml
    /// with the statements and the answers.
    void openDocumentPackage() {
        EveryFrame e = everyFrame(practice::Level::Intermedio, 7);
        const QString file = path("ficha.odt");
        QCOMPARE(ortoplano(e.arguments + QStringList{"--titulo", "TPC de Geometria", file}).code,
                 0);
        QFile zip(file);
        QVERIFY(zip.open(QIODevice::ReadOnly));
        const SheetText::FirstEntry first = SheetText::firstEntry(zip.readAll());
        QCOMPARE(first.name, QString("mimetype"));
        QCOMPARE(first.method, 0);
        QCOMPARE(first.data, QByteArray("application/vnd.oasis.opendocument.text"));
        const QString content = SheetText::xmlText(SheetText::zipEntry(file, "content.xml"));
        QVERIFY(content.contains("TPC de Geometria"));
        holdsEveryExercise(content, worksheet::compose(e.choices));
        QVERIFY(SheetText::zipEntry(file, "META-INF/manifest.xml").contains("content.xml"));
    }

    void badArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString out = path("nada.pdf");
        const auto row = [](const char* name, const QStringList& arguments, const char* message) {
            QTest::newRow(name) << arguments << QString(message);
        };
        row("no problem", {"ficha", out}, "Indique pelo menos um problema");
        row("unknown problem", {"ficha", "-p", "pontos-9", out},
            "Problema desconhecido: «pontos-9»");
        row("no such level", {"ficha", "-p", "recta3-1", "-n", "avançado", out},
            "Sem exercícios de nível avançado: recta3-1.");
        row("count 0", {"ficha", "-p", "pontos-2:0", out}, "deve ser um inteiro de 1 a 20");
        row("count 21", {"ficha", "-p", "pontos-2:21", out}, "deve ser um inteiro de 1 a 20");
        row("level", {"ficha", "-p", "pontos-2", "-n", "difícil", out},
            "Nível desconhecido: «difícil»");
        row("versions", {"ficha", "-p", "pontos-2", "--versoes=3", out},
            "O número de versões deve ser 1 ou 2");
        row("seed", {"ficha", "-p", "pontos-2", "-s", "-4", out},
            "A semente deve ser um número inteiro positivo");
        row("extension", {"ficha", "-p", "pontos-2", path("nada.txt")},
            "deve terminar em .pdf ou .odt");
        row("no file", {"ficha", "-p", "pontos-2"}, "Falta o ficheiro de saída");
        row("two files", {"ficha", "-p", "pontos-2", out, path("b.pdf")},
            "Indique um só ficheiro de saída");
        row("option", {"ficha", "--cor", "azul", out}, "Opção desconhecida: «--cor»");
        row("no value", {"ficha", "-p"}, "Falta o valor da opção --problema");
        row("empty title", {"ficha", "-p", "pontos-2", "-t", " ", out}, "O título está vazio");
        row("command", {"desenhar"}, "Argumento desconhecido: «desenhar»");
    }

    /// A Portuguese message on standard error, a non-zero exit, no file.
    void badArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = ortoplano(arguments);
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.err.count("ortoplano --help"), 1); // said once where the names are
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(path("nada.pdf")));
    }

    /// --help names every option and every frame that can be chosen.
    void help() {
        const Run run = ortoplano({"--help"});
        QCOMPARE(run.code, 0);
        QVERIFY(run.err.isEmpty());
        for (const char* option : {"--problema", "--nivel", "--versoes", "--semente", "--titulo",
                                   "--sem-figuras", "--saida"})
            QVERIFY2(run.out.contains(option), option);
        for (const practice::FrameId& frame : practice::allFrames())
            QVERIFY2(run.out.contains(QRegularExpression(
                         "\\n +" + QRegularExpression::escape(worksheet::frameName(frame)) + " +" +
                         QRegularExpression::escape(worksheet::frameCaption(frame)) + "\\n")),
                     qPrintable(worksheet::frameName(frame)));
        QCOMPARE(ortoplano({"ficha", "-h"}).out, run.out);
    }

    /// LibreOffice, where it is installed, converts the editable sheet
    /// headless without an error, and reads every statement and answer in it.
    void libreOfficeOpensTheSheet() {
        const QString office = QStandardPaths::findExecutable("soffice");
        if (office.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed: the package is not converted.");
        EveryFrame e = everyFrame(practice::Level::Intermedio, 11);
        const QString file = path("libreoffice.odt");
        QCOMPARE(ortoplano(e.arguments + QStringList{file}).code, 0);
        const QTemporaryDir profile;
        QProcess convert;
        convert.start(office, {"-env:UserInstallation=file://" + profile.path(), "--headless",
                               "--convert-to", "pdf", "--outdir", dir.path(), file});
        QVERIFY(convert.waitForFinished(180000));
        QCOMPARE(convert.exitCode(), 0);
        const QByteArray said = convert.readAllStandardError();
        QVERIFY2(!said.contains("Error") && !said.contains("rror:"), said.constData());
        holdsEveryExercise(SheetText::pdf(path("libreoffice.pdf")), worksheet::compose(e.choices));
    }

    /// A folder the user may not write in: said in Portuguese, exit 1.
    void unwritableFolder() {
        QTemporaryDir locked;
        QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
        // The superuser writes anywhere on a disk: the system's own folder it cannot.
        const QString folder = geteuid() == 0 ? QStringLiteral("/sys") : locked.path();
        const QString file = folder + "/ficha.pdf";
        const Run run = ortoplano({"ficha", "-p", "pontos-2", "-s", "5", file});
        QFile::setPermissions(locked.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains("não tem permissão para escrever"), qPrintable(run.err));
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_GUILESS_MAIN(WorksheetCommandLine)
#include "tst_worksheetcli.moc"
