#pragma once

// Reading written sheets back: the text of a PDF (pdftotext) and of an
// OpenDocument package's content.xml (unzip), with blanks and ligatures
// made plain so that statements broken across lines are found whole.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace SheetText {

/// Runs a program; its standard output, or a null array when it failed.
inline QByteArray output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

/// Ligatures undone, every run of blanks and line ends one space.
inline QString plain(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.normalized(QString::NormalizationForm_KC).replace(blanks, QStringLiteral(" "));
}

/// Without any blank: a PDF's text may lose the blank where a line broke
/// ("=⏎0" reads "=0").
inline QString unspaced(const QString& text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return plain(text).remove(blanks);
}

inline QString pdf(const QString& path) {
    return plain(
        QString::fromUtf8(output(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})));
}

/// The characters of an XML document, each element's text apart.
inline QString xmlText(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) text += reader.text();
        if (reader.isEndElement()) text += QLatin1Char(' ');
    }
    return reader.hasError() ? QString() : plain(text);
}

/// One entry of a zip file, as unzip extracts it.
inline QByteArray zipEntry(const QString& path, const QString& entry) {
    return output(QStringLiteral("unzip"), {QStringLiteral("-p"), path, entry});
}

/// The first entry of a zip file, read from its local header: name, method
/// (0 stored) and its bytes when stored.
struct FirstEntry {
    QString name;
    int method = -1;
    QByteArray data;
};

inline FirstEntry firstEntry(const QByteArray& zip) {
    const auto u16 = [&](int at) { return int(uchar(zip[at])) | int(uchar(zip[at + 1])) << 8; };
    const auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    if (zip.size() < 30 || !zip.startsWith("PK\x03\x04")) return {};
    FirstEntry entry;
    entry.method = u16(8);
    const int nameLength = u16(26);
    const int extraLength = u16(28);
    entry.name = QString::fromUtf8(zip.mid(30, nameLength));
    entry.data = zip.mid(30 + nameLength + extraLength, int(u32(18)));
    return entry;
}

/// The points and equations a text writes, as the text writes them: a
/// capital letter and what its parentheses hold ("A(−5/2 , 4)"), a name and
/// its equation ("r: 2x − y + 3 = 0"), a circle's equation; or the values
/// of an answer, one by one.
inline QStringList dataOf(const QString& text, bool answer) {
    if (answer) return text.split(QStringLiteral(" ; "));
    static const QRegularExpression equation(
        QStringLiteral("\\b[a-z]: .+?(?= e | com | no |\\. |\\.$| \\(paralelas|$)"));
    static const QRegularExpression circle(
        QStringLiteral("(?:circunferências?|e) (?:de equação )?((?:x²|\\(x)[^.;]*?= [^ .,;]+)"));
    QStringList out;
    for (const auto& m : equation.globalMatch(text))
        out << m.captured(0);
    for (const auto& m : circle.globalMatch(text))
        out << m.captured(1);
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (!text[i].isUpper() || text[i + 1] != u'(') continue;
        qsizetype end = i + 1;
        for (int depth = 0; end < text.size(); ++end) {
            depth += text[end] == u'(' ? 1 : text[end] == u')' ? -1 : 0;
            if (depth == 0) break;
        }
        out << text.mid(i, end - i + 1);
    }
    return out;
}

} // namespace SheetText
