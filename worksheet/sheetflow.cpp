#include "sheetflow.h"

#include <QCoreApplication>
#include <QStringList>

namespace worksheet {

namespace {

constexpr double WorkRoomMm = 48.0; ///< blank room to work, under an exercise
constexpr QChar Glue(0x00A0);       ///< a blank that no line breaks at

QString tr(const char* text) {
    return QCoreApplication::translate("worksheet::Sheet", text);
}

/// Whether a word is made of mathematics: digits, signs, the unknowns, the
/// names of points, a name before a colon ("r:").
bool isMathWord(const QString& word) {
    static const QString signs = QStringLiteral("0123456789+−-=/×·()[]√²³º'″,.;xy");
    if (word.isEmpty()) return false;
    if (word.size() == 2 && word[0].isLower() && word[1] == u':') return true;
    return std::all_of(word.begin(), word.end(),
                       [](QChar c) { return signs.contains(c) || c.isUpper(); });
}

/// Whether a line may break after a word of mathematics: where a point or
/// an equation ends with a comma or a semicolon, outside any parentheses.
bool endsAValue(const QString& word, int depth) {
    return depth == 0 && (word.endsWith(u',') || word.endsWith(u';') || word.endsWith(u'.'));
}

Run run(QString text, TextStyle style = TextStyle::Body) {
    return {std::move(text), style};
}

/// Writes the items of a sheet, one after another.
class Flow {
public:
    explicit Flow(const Sheet& sheet)
        : m_sheet(sheet) {}

    void pupils(const SheetVersion& version);
    void teacher(const SheetVersion& version);
    std::vector<FlowItem> take() { return std::move(m_items); }

private:
    FlowItem& text(std::vector<Run> runs, double above = 0) {
        FlowItem item;
        item.runs = std::move(runs);
        item.aboveMm = above;
        return add(std::move(item));
    }
    FlowItem& add(FlowItem item) {
        item.part = m_part;
        m_items.push_back(std::move(item));
        return m_items.back();
    }
    void solution(const exact::Solution& solution);

    const Sheet& m_sheet;
    Part m_part = Part::Pupils;
    std::vector<FlowItem> m_items;
};

void Flow::pupils(const SheetVersion& version) {
    m_part = Part::Pupils;
    FlowItem& title = text({run(m_sheet.title, TextStyle::Title)});
    title.newPage = true;
    title.keepWithNext = true;
    if (!version.name.isEmpty())
        text({run(versionHeading(version), TextStyle::Subtitle)}, 1).keepWithNext = true;
    const QString blank(38, u'_');
    text({run(tr("Nome: ") + blank + QString(14, u'_'))}, 5).keepWithNext = true;
    text({run(tr("Turma: %1   N.º: %2   Data: %3")
                  .arg(QString(10, u'_'), QString(6, u'_'), QString(14, u'_')))},
         3)
        .keepWithNext = true;
    int number = 0;
    for (const SheetExercise& exercise : version.exercises) {
        ++number;
        FlowItem& statement = text({run(QStringLiteral("%1. ").arg(number), TextStyle::Number),
                                    run(keepDataWhole(exercise.statement))},
                                   number == 1 ? 8 : 2);
        if (!exercise.figure.empty()) {
            statement.keepWithNext = true;
            FlowItem figure;
            figure.kind = FlowItem::Kind::Figure;
            figure.figure = &exercise.figure;
            figure.aboveMm = 2;
            add(std::move(figure));
        }
        FlowItem room;
        room.kind = FlowItem::Kind::Room;
        room.belowMm = WorkRoomMm;
        add(std::move(room));
    }
}

void Flow::solution(const exact::Solution& solution) {
    FlowItem title;
    title.kind = FlowItem::Kind::SolutionTitle;
    title.solution = &solution;
    title.aboveMm = 1;
    title.keepWithNext = true;
    add(std::move(title));
    for (int i = 0; i < int(solution.steps.size()); ++i) {
        FlowItem step;
        step.kind = FlowItem::Kind::SolutionStep;
        step.solution = &solution;
        step.step = i;
        step.aboveMm = 1.5;
        add(std::move(step));
    }
}

void Flow::teacher(const SheetVersion& version) {
    m_part = Part::Teacher;
    const QString suffix =
        version.name.isEmpty() ? QString() : QStringLiteral(" — ") + versionHeading(version);
    FlowItem& heading = text({run(tr("Soluções") + suffix, TextStyle::Heading)});
    heading.newPage = true;
    heading.keepWithNext = true;
    text({run(m_sheet.title + QStringLiteral(" · ") + levelAndSeed(m_sheet), TextStyle::Subtitle)},
         1)
        .keepWithNext = true;
    int number = 0;
    for (const SheetExercise& exercise : version.exercises) {
        ++number;
        text({run(QStringLiteral("%1. ").arg(number), TextStyle::Number),
              run(keepDataWhole(exercise.answer))},
             number == 1 ? 4 : 1.5);
    }
    text({run(tr("Resoluções") + suffix, TextStyle::Heading)}, 8).keepWithNext = true;
    number = 0;
    for (const SheetExercise& exercise : version.exercises) {
        text({run(tr("Exercício %1").arg(++number), TextStyle::Subheading)}, 5).keepWithNext = true;
        if (exercise.solution)
            solution(*exercise.solution);
        else
            text({run(tr("Este exercício não tem resolução passo a passo."), TextStyle::Note)}, 1);
    }
}

} // namespace

double pointsOf(TextStyle style) {
    switch (style) {
    case TextStyle::Title:
        return 16;
    case TextStyle::Subtitle:
        return 9;
    case TextStyle::Heading:
        return 15;
    case TextStyle::Subheading:
        return 12;
    case TextStyle::Note:
        return 10;
    case TextStyle::Body:
    case TextStyle::Number:
        break;
    }
    return 11;
}

bool isBold(TextStyle style) {
    return style == TextStyle::Title || style == TextStyle::Number || style == TextStyle::Heading ||
           style == TextStyle::Subheading;
}

bool isGrey(TextStyle style) {
    return style == TextStyle::Subtitle;
}

QString versionHeading(const SheetVersion& version) {
    return version.name.isEmpty() ? QString() : tr("Versão %1").arg(version.name);
}

QString FlowItem::text() const {
    QString out;
    for (const Run& r : runs)
        out += r.text;
    return out;
}

QString keepDataWhole(const QString& text) {
    const QStringList words = text.split(u' ');
    QString out;
    int depth = 0; // parentheses open after the words so far
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (i > 0) {
            const bool glue =
                isMathWord(words[i - 1]) && isMathWord(word) && !endsAValue(words[i - 1], depth);
            out += glue ? Glue : u' ';
        }
        out += word;
        depth += int(word.count(u'(')) - int(word.count(u')'));
        depth = std::max(depth, 0);
    }
    return out;
}

QString levelAndSeed(const Sheet& sheet) {
    return tr("nível %1 · semente %2").arg(sheet.level).arg(sheet.seed);
}

std::vector<FlowItem> flowOf(const Sheet& sheet) {
    Flow flow(sheet);
    for (const SheetVersion& version : sheet.versions)
        flow.pupils(version);
    for (const SheetVersion& version : sheet.versions)
        flow.teacher(version);
    return flow.take();
}

} // namespace worksheet
