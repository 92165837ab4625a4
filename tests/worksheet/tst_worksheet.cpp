// The sheet in the program: figures drawn from the exercises' data, pages
// that keep each statement with its figure and paint only what they hold,
// versions equally hard, the editable package read back, and saves that fail
// without losing anything.

#include "composer.h"
#include "datafigures.h"
#include "drawing.h"
#include "exercise.h"
#include "mathtypeset.h"
#include "rounds.h"
#include "sentences.h"
#include "sheetdocument.h"
#include "sheetfile.h"
#include "sheetflow.h"
#include "sheettext.h"
#include "solutionlayout.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPolygonF>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>
#include <unistd.h>

Q_DECLARE_METATYPE(worksheet::SaveFault)
Q_DECLARE_METATYPE(practice::Level)

namespace {

/// The column "level", one row per level.
void levelRows() {
    QTest::addColumn<practice::Level>("level");
    for (practice::Level level : practice::AllLevels)
        QTest::newRow(qPrintable(worksheet::levelText(level))) << level;
}

worksheet::Choices everyFrame(practice::Level level, quint64 seed, int versions = 1,
                              bool figures = true) {
    worksheet::Choices choices;
    choices.level = level;
    choices.seed = seed;
    choices.versions = versions;
    choices.figures = figures;
    for (const practice::FrameId& frame : practice::allFrames())
        choices.frames.push_back({frame, 1});
    return choices;
}

bool drawsIn(const DisplayList& list, const QColor& colour) {
    return std::any_of(list.begin(), list.end(), [&](const Primitive& p) {
        return p.kind != Primitive::Kind::Window && p.color == colour;
    });
}

/// The characters of a text that are not blanks, sorted, ligatures undone.
QString characters(const QString& text) {
    QString out = text.normalized(QString::NormalizationForm_KC);
    out.remove(QRegularExpression(QStringLiteral("\\s")));
    std::sort(out.begin(), out.end());
    return out;
}

/// The characters a figure writes, as its display list holds them.
QString writtenIn(const DisplayList& list) {
    QString out;
    for (const Primitive& p : list)
        if (p.kind == Primitive::Kind::Text || p.kind == Primitive::Kind::Dot) out += p.text;
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

/// How a line lies: vertical, horizontal or oblique.
char lie(const exact::Line& l) {
    return l.b.isZero() ? 'v' : l.a.isZero() ? 'h' : 'o';
}

/// What makes two exercises of a frame equally hard, as a teacher sees it:
/// the lines given and asked for lie alike, fractions and roots alike.
QString kinds(const practice::Exercise& e) {
    QString out;
    for (const exact::Line& l : e.data.lines)
        out += lie(l);
    for (const practice::Value& v : e.expected.values)
        if (const auto* l = std::get_if<exact::Line>(&v)) out += lie(*l);
    const QString statement = QString::fromStdString(e.statement);
    out += statement.contains(u'/') ? u'/' : u'-';
    out += statement.contains(QChar(0x221A)) ? u'r' : u'-';
    return out;
}

/// A formula object read back: whether it is a MathML document, and the
/// characters of its presentation markup (its StarMath annotation left out).
struct Formula {
    bool mathml = false;
    QString text;
};

Formula formulaOf(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    Formula f;
    int annotation = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && f.text.isEmpty() && !f.mathml)
            f.mathml = reader.name() == QLatin1String("math") &&
                       reader.namespaceUri() == QLatin1String("http://www.w3.org/1998/Math/MathML");
        if (reader.isStartElement() && reader.name() == QLatin1String("annotation")) ++annotation;
        if (reader.isEndElement() && reader.name() == QLatin1String("annotation")) --annotation;
        if (reader.isCharacters() && annotation == 0) f.text += reader.text();
    }
    f.mathml = f.mathml && !reader.hasError();
    return f;
}

/// The values of an attribute of the elements named so, in the document's order.
QStringList attributes(const QByteArray& xml, const QString& element, const QString& attribute) {
    QXmlStreamReader reader(xml);
    QStringList out;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.qualifiedName() == element)
            out << reader.attributes().value(attribute).toString();
    }
    return reader.hasError() ? QStringList{QStringLiteral("error")} : out;
}

/// What the typesetter draws as characters: parentheses and bars may be
/// drawn as lines, radical signs always are, and so are a vector's arrow
/// and a system's brace.
QString glyphsOnly(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\\s()|{\\x{221A}\\x{2192}]")));
    return text;
}

} // namespace

class WorksheetTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void figuresShowTheData_data() { levelRows(); }
    /// Each frame with "Dados" has the figure of its statement's data: every
    /// point named in the statement a dot with its name at its coordinates,
    /// every line named a line with its name, in the data colour and never the
    /// solution's; inside a view that they fill at least a third of, graduated
    /// with numbers of at least 6 points.
    void figuresShowTheData() {
        QFETCH(practice::Level, level);
        static const QRegularExpression pointName(QStringLiteral("\\b([A-Z])\\("));
        static const QRegularExpression lineName(QStringLiteral("\\b([a-z]): "));
        int drawn = 0;
        for (int seed = 1; seed <= rounds(3); ++seed)
            for (const practice::FrameId& frame : practice::framesAt(level)) {
                const practice::Exercise e = practice::generate(frame, level, quint64(seed));
                const DisplayList list = worksheet::dataFigure(e, worksheet::FigurePixels);
                const QString statement = QString::fromStdString(e.statement);
                QCOMPARE(!list.empty(), !e.dadosButton.empty());
                if (list.empty()) continue;
                ++drawn;
                QVERIFY2(drawsIn(list, Azul) && !drawsIn(list, Vermelho), qPrintable(statement));
                QCOMPARE(list.front().kind, Primitive::Kind::Window);
                const QRectF view = QRectF(list.front().p1, list.front().p2).normalized();
                QCOMPARE(view.width(), view.height()); // both axes at the same scale
                QStringList dots, lines;
                QPolygonF data; // the points and the circles' extremes
                for (const Primitive& p : list) {
                    if (p.role != Primitive::Role::Plain) QVERIFY(p.font.pointSize >= 6);
                    if (p.kind == Primitive::Kind::Text && p.color == Azul) lines << p.text;
                    if (p.kind != Primitive::Kind::Dot && p.kind != Primitive::Kind::Circle)
                        continue;
                    const double r = p.kind == Primitive::Kind::Circle ? p.radius : 0;
                    data << p.p1 - QPointF(r, r) << p.p1 + QPointF(r, r);
                    QVERIFY2(view.contains(p.p1 - QPointF(r, r)) &&
                                 view.contains(p.p1 + QPointF(r, r)),
                             qPrintable(statement));
                    if (p.kind != Primitive::Kind::Dot) continue;
                    dots << p.text;
                    const auto at = std::find_if(
                        e.data.points.begin(), e.data.points.end(), [&](const exact::Point& q) {
                            return QPointF(q.x.toDouble(), q.y.toDouble()) == p.p1;
                        });
                    QVERIFY2(at != e.data.points.end(), qPrintable(statement));
                    QVERIFY2(
                        statement.contains(p.text + QString::fromStdString(exact::text(*at, ","))),
                        qPrintable(p.text + " in " + statement));
                }
                for (const auto& m : pointName.globalMatch(statement))
                    QVERIFY2(dots.contains(m.captured(1)), qPrintable(m.captured(1) + statement));
                for (const auto& m : lineName.globalMatch(statement))
                    QVERIFY2(lines.contains(m.captured(1)), qPrintable(m.captured(1) + statement));
                // A line crosses the whole view; points and circles fill a third of it.
                if (!lines.isEmpty()) continue;
                const QRectF box = data.boundingRect();
                const double filled = std::max(box.width(), box.height());
                QVERIFY2(!(filled > 0) || filled >= view.width() / 3 || view.width() < 6,
                         qPrintable(QStringLiteral("%1 of %2: ").arg(filled).arg(view.width()) +
                                    statement));
            }
        QVERIFY(drawn > 20);
    }

    void solutionsSpeakOfTheStatement_data() { levelRows(); }
    /// The worked solution of an exercise speaks of its statement's data:
    /// the same points with the same names, each equation in the form the
    /// statement gives it; and its last steps say what is asked, as the key
    /// writes it.
    void solutionsSpeakOfTheStatement() {
        QFETCH(practice::Level, level);
        // The key writes an angle as the pupil types it (18º 26' 5,82''), the
        // solution with the signs of mathematics (18° 26′ 5,82″).
        const auto plain = [](QString t) {
            t.remove(QRegularExpression("\\s"));
            return t.replace(QStringLiteral("''"), QStringLiteral("″"))
                .replace(u'\'', QStringLiteral("′"))
                .replace(QStringLiteral("º"), QStringLiteral("°"));
        };
        int read = 0;
        for (int seed = 1; seed <= rounds(4); ++seed)
            for (const practice::FrameId& frame : practice::framesAt(level)) {
                const practice::Exercise e = practice::generate(frame, level, quint64(seed));
                const std::optional<exact::Solution> solution = practice::workedSolution(e);
                QVERIFY(solution);
                const QString statement = QString::fromStdString(e.statement);
                const QString whole =
                    plain(QString::fromStdString(exact::plainText(*solution, ",")));
                for (const QString& data : SheetText::dataOf(statement, false))
                    QVERIFY2(whole.contains(plain(data)), qPrintable(data + " | " + statement));
                if (e.expected.kind == practice::AnswerKind::Words) continue;
                // The last step says the value asked for; two values, the second half
                // of the solution. An equation may be said through a chain (x = x_P = 3).
                const QStringList values =
                    SheetText::dataOf(QString::fromStdString(e.answerText), true);
                const std::size_t n = solution->steps.size();
                QString ending;
                for (std::size_t i = values.size() > 1 ? n / 2 : n - 1; i < n; ++i)
                    ending +=
                        plain(QString::fromStdString(exact::stepText(solution->steps[i], ",")));
                for (const QString& value : values) {
                    const qsizetype equals = value.indexOf(" = ");
                    const bool said =
                        ending.contains(plain(value)) ||
                        (equals > 0 && ending.contains(plain(value.left(equals)) + "=") &&
                         ending.contains("=" + plain(value.mid(equals + 3))));
                    QVERIFY2(said, qPrintable(value + " | " + statement + " | " + ending));
                }
                ++read;
            }
        QVERIFY(read > 20);
    }

    void statementsReadWell_data() { levelRows(); }
    /// A line parallel to an axis is given in its normal form, x = k or y = k;
    /// no two words come twice in a statement.
    void statementsReadWell() {
        QFETCH(practice::Level, level);
        static const QRegularExpression named(QStringLiteral("^[a-z]: (.*)$"));
        for (int seed = 1; seed <= rounds(6); ++seed)
            for (const practice::FrameId& frame : practice::framesAt(level)) {
                const QString statement = QString::fromStdString(
                    practice::generate(frame, level, quint64(seed)).statement);
                for (const QString& data : SheetText::dataOf(statement, false)) {
                    const QString equation = named.match(data).captured(1);
                    if (equation.contains(u'x') == equation.contains(u'y')) continue;
                    QVERIFY2(equation.startsWith("x = ") || equation.startsWith("y = "),
                             qPrintable(statement));
                }
                QStringList words; // the words, without their punctuation, data left out
                for (QString w : statement.split(u' ')) {
                    w.remove(QRegularExpression("[^\\p{L}]"));
                    if (w.size() >= 2 && !statement.contains(w + u'(')) words << w.toLower();
                }
                QSet<QString> seen;
                for (qsizetype i = 0; i + 1 < words.size(); ++i) {
                    const QString two = words.mid(i, 2).join(u' ');
                    QVERIFY2(!seen.contains(two), qPrintable(two + " | " + statement));
                    seen.insert(two);
                }
            }
    }

    /// The pupils' pages come first, without the level or the seed; then the
    /// key and the worked solutions, on pages that carry both; every page has
    /// its number.
    void pagesInOrder() {
        const worksheet::Sheet sheet =
            worksheet::compose(everyFrame(practice::Level::Intermedio, 31, 2));
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        QVERIFY(worksheet::writePdf(sheet, pdf));
        QVERIFY(pdf.data().startsWith("%PDF"));
        const QString path = dir.filePath("ordem.pdf");
        writeFile(path, pdf.data());
        const QString text = SheetText::pdf(path);
        const QStringList parts =
            QString("Versão A|Versão B|Soluções — Versão A|Resoluções — Versão A|"
                    "Soluções — Versão B|Resoluções — Versão B")
                .split('|');
        qsizetype at = 0;
        for (const QString& part : parts) {
            const qsizetype found = text.indexOf(part, at);
            QVERIFY2(found > at || (at == 0 && found >= 0), qPrintable(part));
            at = found;
        }
        const qsizetype key = text.indexOf("Soluções");
        for (const char* hidden : {"semente", "nível"})
            QVERIFY2(!text.left(key).contains(hidden), hidden);
        const worksheet::SheetDocument document(sheet);
        const int pages = document.pageCount();
        int teacher = 0;
        for (int page = 0; page < pages; ++page) {
            QVERIFY(text.contains(QStringLiteral("página %1 de %2").arg(page + 1).arg(pages)));
            teacher += document.partOf(page) == worksheet::Part::Teacher ? 1 : 0;
        }
        // Under each key's heading, and in the footer of each of the teacher's pages.
        QCOMPARE(text.count("nível intermédio · semente 31"), 2 + teacher);
        for (const char* blank : {"Nome:", "Turma:", "N.º:", "Data:"})
            QCOMPARE(text.count(SheetText::plain(blank)), 2);
    }

    void statementsStayWithTheirFigures_data() { levelRows(); }
    /// Every statement whole on one page, its figure right after it there;
    /// a worked solution's title on the page of its first step.
    void statementsStayWithTheirFigures() {
        QFETCH(practice::Level, level);
        for (int round = 0; round < rounds(2); ++round) {
            const worksheet::Sheet sheet =
                worksheet::compose(everyFrame(level, quint64(40 + round), 2));
            const worksheet::SheetDocument document(sheet);
            QStringList pages;
            for (int p = 0; p < document.pageCount(); ++p)
                pages << document.pageText(p);
            for (const worksheet::SheetVersion& version : sheet.versions) {
                int number = 0;
                for (const worksheet::SheetExercise& exercise : version.exercises) {
                    const QString whole = QStringLiteral("%1. ").arg(++number) +
                                          worksheet::keepDataWhole(exercise.statement) +
                                          writtenIn(exercise.figure);
                    QCOMPARE(pages.filter(whole, Qt::CaseSensitive).size(), 1);
                }
            }
        }
    }

    /// What the PDF's pages hold as text is what they lay out and nothing
    /// else: nothing a page would clip stays hidden in the file.
    void pdfTextIsTheLaidOutText() {
        const worksheet::Sheet sheet =
            worksheet::compose(everyFrame(practice::Level::Avancado, 77, 2));
        const QString path = dir.filePath("texto.pdf");
        QCOMPARE(worksheet::save(sheet, path), worksheet::SaveFault::None);
        const worksheet::SheetDocument document(sheet);
        for (int page = 0; page < document.pageCount(); ++page) {
            const QString number = QString::number(page + 1);
            const QString pdf = QString::fromUtf8(
                SheetText::output("pdftotext", {"-f", number, "-l", number, path, "-"}));
            QCOMPARE(characters(pdf), characters(document.pageText(page)));
        }
    }

    void versionsEquallyHard_data() { levelRows(); }
    /// Versions A and B: frame by frame the same kinds of data (a vertical
    /// line stays vertical, an oblique one oblique, fractions and roots
    /// alike), and another answer.
    void versionsEquallyHard() {
        QFETCH(practice::Level, level);
        for (int round = 0; round < rounds(2); ++round) {
            const worksheet::Sheet sheet =
                worksheet::compose(everyFrame(level, quint64(500 + round), 2, false));
            const auto& a = sheet.versions.at(0).exercises;
            const auto& b = sheet.versions.at(1).exercises;
            QCOMPARE(a.size(), b.size());
            for (std::size_t i = 0; i < a.size(); ++i) {
                QCOMPARE(b[i].source.frame, a[i].source.frame);
                QVERIFY2(kinds(a[i].source) == kinds(b[i].source),
                         qPrintable(a[i].statement + " | " + b[i].statement));
                QVERIFY2(a[i].answer != b[i].answer,
                         qPrintable(a[i].statement + " | " + b[i].statement + " → " + a[i].answer));
            }
        }
    }

    /// The editable package: its page set up as the PDF's, the footers with
    /// the page's number (the teacher's with the level and the seed), the
    /// metadata, the figures as SVG drawings and every line of mathematics
    /// a formula object whose MathML writes the characters the PDF typesets.
    void openDocumentPackage() {
        const worksheet::Sheet sheet =
            worksheet::compose(everyFrame(practice::Level::Intermedio, 8, 2));
        const QString path = dir.filePath("pacote.odt");
        QCOMPARE(worksheet::save(sheet, path), worksheet::SaveFault::None);
        const QString folder = dir.filePath("pacote");
        QCOMPARE(QProcess::execute("unzip", {"-o", "-q", path, "-d", folder}), 0);
        const auto read = [&](const QString& name) {
            QFile file(folder + "/" + name);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QString styles = QString::fromUtf8(read("styles.xml"));
        for (const char* set : {"fo:page-width=\"210.000mm\"", "fo:page-height=\"297.000mm\"",
                                "fo:margin-left=\"18.000mm\"", "<text:page-number",
                                "<text:page-count", "nível intermédio · semente 8"})
            QVERIFY2(styles.contains(set), set);
        QVERIFY(QString::fromUtf8(read("meta.xml"))
                    .contains("<meta:user-defined meta:name=\"Semente\">8<"));
        const QByteArray content = read("content.xml");
        const QString manifest = QString::fromUtf8(read("META-INF/manifest.xml"));
        // The formulas in the order the package holds them, each read back.
        QStringList formulas;
        for (const QString& link : attributes(content, "draw:object", "xlink:href")) {
            const QString href = link.mid(2); // "./Object 7"
            QVERIFY2(manifest.contains("manifest:full-path=\"" + href + "/\""), qPrintable(href));
            const Formula formula = formulaOf(read(href + "/content.xml"));
            QVERIFY2(formula.mathml, qPrintable(href));
            formulas << glyphsOnly(formula.text);
        }
        const QStringList images = attributes(content, "draw:image", "xlink:href");
        int figures = 0;
        for (const auto& v : sheet.versions)
            for (const auto& e : v.exercises)
                figures += e.figure.empty() ? 0 : 1;
        QCOMPARE(images.size(), figures);
        QVERIFY(read(images.at(0)).contains("<svg"));
        // What the PDF typesets of each solution's mathematics, in order: the
        // pieces of a sentence written with subscripts, then each line.
        Typeset::Style style = solutionStyle(worksheet::SolutionPoints * 96 / 72);
        style.separator = ",";
        const Typeset::Typesetter typesetter(style);
        QString expected, written = formulas.join(QString());
        const auto sentence = [&](const exact::Math& row) {
            for (const exact::Math& part : row.children())
                if (exact::linearText(part, ",").find('_') != std::string::npos &&
                    part.kind() != exact::Math::Kind::Symbol)
                    expected += glyphsOnly(typesetter.layout(part).text());
        };
        for (const auto& v : sheet.versions)
            for (const auto& e : v.exercises) {
                if (!e.solution) continue;
                sentence(exact::title(*e.solution));
                for (const exact::Step& step : e.solution->steps) {
                    sentence(exact::sentence(step));
                    for (const exact::Math& line : step.lines)
                        expected += glyphsOnly(typesetter.layout(line).text());
                }
            }
        QVERIFY(formulas.size() > 100);
        QCOMPARE(written, expected);
    }

    /// Printed (here to a printer's PDF at another resolution) the sheet
    /// has the same pages and text as saved.
    void printedAsSaved() {
        const worksheet::Sheet sheet = worksheet::compose(everyFrame(practice::Level::Basico, 31));
        const QString saved = dir.filePath("guardada.pdf");
        QCOMPARE(worksheet::save(sheet, saved), worksheet::SaveFault::None);
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("impressa.pdf"));
        worksheet::SheetDocument::setUpPage(printer);
        QVERIFY(printer.resolution() != 1200);
        const worksheet::SheetDocument document(sheet);
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
        worksheet::Sheet sheet =
            worksheet::compose(everyFrame(practice::Level::Basico, 31, 1, false));
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
        writeFile(path, "a teacher's old sheet");
        const worksheet::Sheet sheet =
            worksheet::compose(everyFrame(practice::Level::Basico, 31, 1, false));
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
