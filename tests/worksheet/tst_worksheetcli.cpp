// `ortoplano ficha …` run as a teacher runs it, its files read back.

#include "checker.h"
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
    e.choices.level = level;
    e.choices.versions = 2;
    e.choices.seed = seed;
    e.choices.figures = false; // figures change nothing of the text
    e.arguments << "ficha"
                << "-n" << worksheet::levelText(level) << "-v"
                << "2"
                << "-s" << QString::number(seed);
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
            QVERIFY2(text.contains(SheetText::plain(exercise.answer)), qPrintable(exercise.answer));
        }
}

/// The values of a worked solution's answer that an exercise can ask for: a
/// circle also as its centre and radius, an angle as its degrees.
std::vector<practice::Value> engineValues(const exact::Solution& solution) {
    std::vector<practice::Value> values;
    for (const exact::AnswerPart& part : solution.answer.parts())
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, exact::Circle>) {
                    values.emplace_back(v.centre);
                    values.emplace_back(v.radius);
                }
                if constexpr (std::is_same_v<T, exact::Angle>)
                    values.emplace_back(practice::Degrees{v.degrees});
                else if constexpr (!std::is_same_v<T, exact::Verdict>)
                    values.emplace_back(v);
            },
            part.value);
    return values;
}

/// Whether the worked solution that the exact engine writes for the
/// exercise's data finds every value of the key (lines as the same line);
/// nothing where the engine writes none, or where the exercise asks for
/// something its frame does not find (the projection of a point the frame
/// only plots).
std::optional<bool> engineFinds(const practice::Exercise& exercise) {
    if (worksheet::frameName(exercise.frame) == "pontos-1") return std::nullopt;
    const std::optional<exact::Solution> solution = practice::workedSolution(exercise);
    if (!solution) return std::nullopt;
    std::vector<practice::Value> found = engineValues(*solution);
    if (found.empty()) return std::nullopt;
    // The triangle's frame writes its area with the sign of the vertices' order.
    if (exercise.frame.name() == "triangulo-2")
        for (practice::Value& v : found)
            if (auto* n = std::get_if<exact::Number>(&v)) *n = exact::abs(*n);
    return std::all_of(
        exercise.expected.values.begin(), exercise.expected.values.end(),
        [&found](const practice::Value& asked) {
            return std::any_of(found.begin(), found.end(), [&asked](const practice::Value& v) {
                return v.index() == asked.index() && practice::sameValue(v, asked);
            });
        });
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
    /// Every statement on the pupils' pages, every answer of the key the
    /// engine's for that exercise, and versions A and B with other data.
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
        int solved = 0; // answers the engine's worked solutions found too
        for (const worksheet::SheetVersion& version : sheet.versions) {
            const QString heading = worksheet::versionHeading(version);
            const QString pupil = section(text, "Ficha de exercícios " + heading, "Soluções");
            const QString key = section(text, "Soluções — " + heading, "Resoluções — " + heading);
            QVERIFY2(!key.isEmpty(), qPrintable(heading));
            int n = 0;
            for (const worksheet::SheetExercise& exercise : version.exercises) {
                ++n;
                QVERIFY2(pupil.contains(SheetText::plain(exercise.statement)),
                         qPrintable(exercise.statement));
                const QString answer = QStringLiteral("%1. %2").arg(n).arg(exercise.answer);
                QVERIFY2(SheetText::unspaced(key).contains(SheetText::unspaced(answer)),
                         qPrintable(answer));
                QCOMPARE(exercise.answer, QString::fromStdString(exercise.source.answerText));
                // The checker reads the key's answer back and compares it, exactly, with the
                // values the engine finds for the exercise's data.
                QVERIFY2(practice::check(exercise.source, exercise.answer.toStdString()).grade ==
                             practice::Grade::Certo,
                         qPrintable(exercise.statement + " → " + exercise.answer));
                const std::optional<bool> finds = engineFinds(exercise.source);
                QVERIFY2(finds.value_or(true), qPrintable(exercise.statement));
                solved += finds ? 1 : 0;
            }
        }
        QVERIFY(solved >= 2 * 10);
        for (std::size_t i = 0; i < sheet.versions[0].exercises.size(); ++i)
            QVERIFY2(sheet.versions[0].exercises[i].statement !=
                         sheet.versions[1].exercises[i].statement,
                     qPrintable(sheet.versions[0].exercises[i].statement));
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

    /// Frames and topics named with or without their accents, in any case.
    void namesWithAccents() {
        const QString plain = path("sem.pdf"), accented = path("com.pdf");
        QCOMPARE(
            ortoplano({"ficha", "-p", "circunferencia1", "-p", "triangulo-1a", "-s", "3", plain})
                .code,
            0);
        QCOMPARE(
            ortoplano({"ficha", "-p", "Circunferência1", "-p", "triângulo-1a", "-s", "3", accented})
                .code,
            0);
        QCOMPARE(SheetText::pdf(accented), SheetText::pdf(plain));
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

    /// The same choices and seed give the same text; another seed another.
    void sameSeedSameSheet() {
        const QStringList options{"ficha", "-p", "pontos", "-p", "recta1-3:2", "-v", "2"};
        QByteArray texts[3];
        const QString seeds[3] = {"83121", "83121", "83122"};
        for (int i = 0; i < 3; ++i) {
            const QString file = path(QStringLiteral("semente-%1.pdf").arg(i));
            QCOMPARE(ortoplano(options + QStringList{"-s", seeds[i], file}).code, 0);
            texts[i] = SheetText::output("pdftotext", {file, "-"});
            QVERIFY(texts[i].contains(("semente " + seeds[i]).toUtf8()));
        }
        QCOMPARE(texts[1], texts[0]);
        QVERIFY(texts[2] != texts[0]);
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
        QTest::newRow("no problem")
            << QStringList{"ficha", out} << "Indique pelo menos um problema";
        QTest::newRow("unknown problem")
            << QStringList{"ficha", "-p", "pontos-9", out} << "Problema desconhecido: «pontos-9»";
        QTest::newRow("no such level")
            << QStringList{"ficha", "-p", "recta3-1", "-n", "avançado", out}
            << "Sem exercícios de nível avançado: recta3-1.";
        QTest::newRow("count 0") << QStringList{"ficha", "-p", "pontos-2:0", out}
                                 << "deve ser um inteiro de 1 a 20";
        QTest::newRow("count 21") << QStringList{"ficha", "-p", "pontos-2:21", out}
                                  << "deve ser um inteiro de 1 a 20";
        QTest::newRow("level") << QStringList{"ficha", "-p", "pontos-2", "-n", "difícil", out}
                               << "Nível desconhecido: «difícil»";
        QTest::newRow("versions") << QStringList{"ficha", "-p", "pontos-2", "--versoes=3", out}
                                  << "O número de versões deve ser 1 ou 2";
        QTest::newRow("seed") << QStringList{"ficha", "-p", "pontos-2", "-s", "-4", out}
                              << "A semente deve ser um número inteiro positivo";
        QTest::newRow("extension") << QStringList{"ficha", "-p", "pontos-2", path("nada.txt")}
                                   << "deve terminar em .pdf ou .odt";
        QTest::newRow("no file") << QStringList{"ficha", "-p", "pontos-2"}
                                 << "Falta o ficheiro de saída";
        QTest::newRow("two files") << QStringList{"ficha", "-p", "pontos-2", out, path("b.pdf")}
                                   << "Indique um só ficheiro de saída";
        QTest::newRow("option") << QStringList{"ficha", "--cor", "azul", out}
                                << "Opção desconhecida: «--cor»";
        QTest::newRow("no value") << QStringList{"ficha", "-p"}
                                  << "Falta o valor da opção --problema";
        QTest::newRow("empty title")
            << QStringList{"ficha", "-p", "pontos-2", "-t", " ", out} << "O título está vazio";
        QTest::newRow("command") << QStringList{"desenhar"} << "Argumento desconhecido: «desenhar»";
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
