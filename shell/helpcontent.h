#pragma once

#include "navigation.h"

#include <QString>
#include <QStringList>
#include <vector>

/// The reference pages of the four viewers, held as data: the renderer draws
/// them and the tests read the very same tables.
namespace Help {

/// What the page says about an expression typed into a field.
enum class Verdict {
    Value,   ///< accepted; `shown` is its value, written with a decimal comma
    Misread, ///< accepted without error, but not read as the writer meant; `shown` is its value
    Error,   ///< refused with the numbered fault `error`; `shown` is the message
    Draw,    ///< a value drawn at random in [low, high), whole numbers only when `whole`
};

struct Example {
    QString expression;
    Verdict verdict = Verdict::Value;
    QString shown;
    QString note;
    int error = 0;
    double low = 0.0;
    double high = 0.0;
    bool whole = false;
};

enum class BlockKind {
    Heading,   ///< a section heading
    Paragraph, ///< running text; `code` spans between backquotes, **bold** spans
    Formula,   ///< one or more display lines of mathematics set apart from the text
    Typed,     ///< one or more display lines of text as it is typed into a field
    Bullets,   ///< `items`, one bullet each
    Examples,  ///< `examples`, one row each
    Entry,     ///< the head of a function entry: `text` the name, `items[0]` the description
    Columns,   ///< `items` as "name|page" rows in three columns
    Signature, ///< the credit lines in `items`, set apart at the foot of the text
};

struct Block {
    BlockKind kind = BlockKind::Paragraph;
    QString text;
    QStringList items;
    std::vector<Example> examples;
};

struct Page {
    QString title;
    std::vector<Block> blocks;
};

struct Book {
    QString title; ///< running header of every page
    std::vector<Page> pages;
};

/// One entry of the defined-function pages.
struct FunctionEntry {
    QString name;        ///< without the parenthesis: "arccos"
    QString description; ///< a short phrase: "arco-co-seno"
    QString formula;     ///< the definition, one line or several separated by '\n'
    QString domain;      ///< where it is defined, or empty
    QString note;        ///< a remark, or empty
    std::vector<Example> examples;
};

/// Every function a field may use, in alphabetical order of name.
const std::vector<FunctionEntry>& functionEntries();

/// The problems of one topic as the index lists them.
struct IndexTopic {
    Topic topic;
    QString heading;      ///< "Pontos", "Recta 1", …
    QStringList problems; ///< the captions of the topic's problem frames, top to bottom
};
/// The index in the program's language.
std::vector<IndexTopic> indexTopics();

/// The pages of a viewer, in the program's language.
const Book& book(HelpPage viewer);
/// A text of the pages in the program's language.
QString translated(const QString& text);

/// The whole text of a page, for assistive technology and searches.
QString plainText(const Page& page);

// --- helpers that keep the tables short ------------------------------------
Block heading(const QString& text);
Block paragraph(const QString& text);
Block formula(const QString& lines);
Block typed(const QString& lines);
Block bullets(const QStringList& items);
Block examples(std::vector<Example> rows);
Block columns(const QStringList& rows);
Block signature(const QStringList& lines);

Example value(const QString& expression, const QString& shown, const QString& note = {});
Example misread(const QString& expression, const QString& shown, const QString& note);
Example error(const QString& expression, int number, const QString& message,
              const QString& note = {});
Example fault(const QString& expression, int number, const QString& note = {});
Example draw(const QString& expression, double low, double high, bool whole, const QString& shown);

} // namespace Help
