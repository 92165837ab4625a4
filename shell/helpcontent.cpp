#include "helpcontent.h"

#include "languages.h"
#include "messages.h"
#include "numbered_error.h"

#include <QCoreApplication>
#include <map>

namespace Help {

// Each book is assembled in its own file.
Book makeInstrucoesBook();
Book makeIndiceBook();
Book makeSintaxeBook();
Book makeFuncoesBook();

namespace {

/// A book as its file makes it, in the sources' spelling.
Book makeBook(HelpPage viewer) {
    switch (viewer) {
    case HelpPage::Instrucoes:
        return makeInstrucoesBook();
    case HelpPage::Indice:
        return makeIndiceBook();
    case HelpPage::Sintaxe:
        return makeSintaxeBook();
    case HelpPage::Funcoes:
        break;
    }
    return makeFuncoesBook();
}

/// Every text of a book in the program's language; names, expressions and
/// values, which have no translation, stay as they are.
void translate(Book& book) {
    book.title = translated(book.title);
    for (Page& page : book.pages) {
        page.title = translated(page.title);
        for (Block& block : page.blocks) {
            block.text = translated(block.text);
            for (QString& item : block.items)
                item = translated(item);
            for (Example& example : block.examples) {
                example.shown = translated(example.shown);
                example.note = translated(example.note);
            }
        }
    }
}

} // namespace

QString translated(const QString& text) {
    return QCoreApplication::translate("Help", text.toUtf8().constData());
}

const Book& book(HelpPage viewer) {
    static std::map<std::pair<HelpPage, languages::Language>, Book> books;
    const auto key = std::pair(viewer, languages::current());
    auto it = books.find(key);
    if (it == books.end()) {
        Book made = makeBook(viewer);
        translate(made);
        it = books.emplace(key, std::move(made)).first;
    }
    return it->second;
}

namespace {

QString exampleText(const Example& example) {
    QString line = example.expression + QStringLiteral(" → ") + example.shown;
    if (!example.note.isEmpty()) line += QStringLiteral(" (") + example.note + ')';
    return line;
}

QString blockText(const Block& block) {
    QStringList lines;
    if (!block.text.isEmpty()) lines << block.text;
    for (const QString& item : block.items)
        lines << QString(item).replace('|', QStringLiteral(": "));
    for (const Example& example : block.examples)
        lines << exampleText(example);
    return lines.join('\n');
}

} // namespace

QString plainText(const Page& page) {
    QStringList parts{page.title};
    for (const Block& block : page.blocks)
        parts << blockText(block);
    return parts.join('\n').remove('`').remove(QStringLiteral("**"));
}

Block heading(const QString& text) {
    return {BlockKind::Heading, text, {}, {}};
}
Block paragraph(const QString& text) {
    return {BlockKind::Paragraph, text, {}, {}};
}
Block formula(const QString& lines) {
    return {BlockKind::Formula, lines, {}, {}};
}
Block typed(const QString& lines) {
    return {BlockKind::Typed, lines, {}, {}};
}
Block bullets(const QStringList& items) {
    return {BlockKind::Bullets, {}, items, {}};
}
Block examples(std::vector<Example> rows) {
    return {BlockKind::Examples, {}, {}, std::move(rows)};
}
Block columns(const QStringList& rows) {
    return {BlockKind::Columns, {}, rows, {}};
}
Block signature(const QStringList& lines) {
    return {BlockKind::Signature, {}, lines, {}};
}

Example value(const QString& expression, const QString& shown, const QString& note) {
    return {expression, Verdict::Value, shown, note};
}

Example misread(const QString& expression, const QString& shown, const QString& note) {
    return {expression, Verdict::Misread, shown, note};
}

Example error(const QString& expression, int number, const QString& message, const QString& note) {
    return {expression, Verdict::Error, message, note, number};
}

Example fault(const QString& expression, int number, const QString& note) {
    return error(expression, number, faultText(number, Fault::description(number)), note);
}

Example draw(const QString& expression, double low, double high, bool whole, const QString& shown) {
    return {expression, Verdict::Draw, shown, {}, 0, low, high, whole};
}

} // namespace Help
