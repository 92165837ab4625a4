#include "helpcontent.h"

#include "numbered_error.h"

namespace Help {

// Each book is assembled in its own file.
Book makeInstrucoesBook();
Book makeIndiceBook();
Book makeSintaxeBook();
Book makeFuncoesBook();

const Book& book(HelpPage viewer) {
    switch (viewer) {
    case HelpPage::Instrucoes: {
        static const Book instrucoes = makeInstrucoesBook();
        return instrucoes;
    }
    case HelpPage::Indice: {
        static const Book indice = makeIndiceBook();
        return indice;
    }
    case HelpPage::Sintaxe: {
        static const Book sintaxe = makeSintaxeBook();
        return sintaxe;
    }
    case HelpPage::Funcoes:
        break;
    }
    static const Book funcoes = makeFuncoesBook();
    return funcoes;
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
    return error(expression, number, QString::fromStdString(Fault::description(number)), note);
}

Example draw(const QString& expression, double low, double high, bool whole, const QString& shown) {
    return {expression, Verdict::Draw, shown, {}, 0, low, high, whole};
}

} // namespace Help
