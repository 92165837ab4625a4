#include "composer.h"

#include "datafigures.h"
#include "sheetflow.h"
#include "splitmix64.h"

#include <QRegularExpression>
#include <QSet>
#include <optional>

namespace worksheet {

namespace {

constexpr int Attempts = 12;  ///< tries for version A's exercise
constexpr int Matching = 120; ///< tries for version B's exercise like version A's

/// How a line lies: what makes one exercise with lines harder than another.
enum class Lie : std::uint8_t { Oblique, Vertical, Horizontal };

Lie lieOf(const exact::Line& l) {
    if (l.b.isZero()) return Lie::Vertical;
    if (l.a.isZero()) return Lie::Horizontal;
    return Lie::Oblique;
}

/// What two exercises of a frame must share to be equally hard: the words
/// of the statement around the data (what is asked, in which form), how
/// each line given or asked for lies, and whether the data have fractions
/// or square roots.
struct Kinds {
    QString wording;
    std::vector<Lie> lines;
    bool fractions = false;
    bool roots = false;
    friend bool operator==(const Kinds&, const Kinds&) = default;
};

Kinds kindsOf(const practice::Exercise& exercise) {
    static const QRegularExpression data(QStringLiteral("[^ ]*[0-9√][^ ]*"));
    Kinds k;
    const QString statement = QString::fromStdString(exercise.statement);
    for (const QString& word : keepDataWhole(statement).split(u' '))
        if (!word.contains(QChar(0x00A0)) && !data.match(word).hasMatch()) k.wording += word + u' ';
    for (const exact::Line& l : exercise.data.lines)
        k.lines.push_back(lieOf(l));
    for (const practice::Value& v : exercise.expected.values)
        if (const auto* l = std::get_if<exact::Line>(&v)) k.lines.push_back(lieOf(*l));
    k.fractions = statement.contains(u'/');
    k.roots = statement.contains(QChar(0x221A));
    return k;
}

/// Version B's exercise at a place: as hard as version A's there (the same
/// kinds of data), with another answer and a statement not yet in the
/// version; and whether one was found. Failing that, the first try with the
/// same kinds, then the first with another answer.
std::pair<practice::Exercise, bool> matchingExercise(const practice::Exercise& a,
                                                     const Choices& choices, int version, int place,
                                                     const QSet<QString>& taken) {
    const Kinds wanted = kindsOf(a);
    std::optional<practice::Exercise> sameKinds, otherAnswer, first;
    for (int attempt = 0; attempt < Matching; ++attempt) {
        practice::Exercise b = practice::generate(
            a.frame, choices.level, exerciseSeed(choices.seed, version, place, attempt));
        if (!first) first = b;
        if (taken.contains(QString::fromStdString(b.statement))) continue;
        const bool kinds = kindsOf(b) == wanted;
        const bool answer = b.answerText != a.answerText;
        if (kinds && answer) return {std::move(b), true};
        if (kinds && !sameKinds) sameKinds = b;
        if (answer && !otherAnswer) otherAnswer = b;
    }
    return {sameKinds ? *sameKinds : otherAnswer ? *otherAnswer : *first, false};
}

/// The exercises of every version at a place: version A's a new one unlike
/// the statements before it, the others each matching it. A's next try is
/// taken when the other versions cannot match it (data of a rare kind).
/// Throws practice::NoExercise, as generate() does, when no exercise of the
/// frame can be proven (the tests show it never happens).
std::vector<practice::Exercise> exercisesAt(const FrameCount& f, const Choices& choices, int place,
                                            const std::vector<QSet<QString>>& taken) {
    std::vector<practice::Exercise> best;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        practice::Exercise a = practice::generate(f.frame, choices.level,
                                                  exerciseSeed(choices.seed, 0, place, attempt));
        const QString statement = QString::fromStdString(a.statement);
        if (taken[0].contains(statement) && (attempt + 1 < Attempts || !best.empty())) continue;
        std::vector<practice::Exercise> row{std::move(a)};
        bool matched = true;
        for (int v = 1; v < choices.versions; ++v) {
            QSet<QString> avoid = taken[std::size_t(v)];
            avoid.insert(statement);
            auto [b, found] = matchingExercise(row.front(), choices, v, place, avoid);
            row.push_back(std::move(b));
            matched = matched && found;
        }
        if (matched) return row;
        if (best.empty()) best = std::move(row);
    }
    return best;
}

SheetExercise sheetExercise(practice::Exercise exercise, bool figures) {
    SheetExercise out;
    out.statement = QString::fromStdString(exercise.statement);
    out.answer = QString::fromStdString(exercise.answerText);
    if (std::optional<exact::Solution> solution = practice::workedSolution(exercise))
        out.solution = std::make_shared<const exact::Solution>(std::move(*solution));
    if (figures) out.figure = dataFigure(exercise, FigurePixels);
    out.source = std::move(exercise);
    return out;
}

} // namespace

quint64 exerciseSeed(quint64 sheetSeed, int version, int place, int attempt) {
    using splitmix64::mix;
    return mix(mix(mix(sheetSeed) ^ quint64(version)) ^ (quint64(place) << 8 | quint64(attempt)));
}

Sheet compose(const Choices& choices) {
    Sheet sheet{choices.title, levelText(choices.level), choices.seed, {}};
    for (int v = 0; v < choices.versions; ++v)
        sheet.versions.push_back({choices.versions > 1 ? QString(QChar(u'A' + v)) : QString(), {}});
    std::vector<QSet<QString>> taken(std::size_t(choices.versions)); // each version's statements
    int place = 0;
    for (const FrameCount& f : choices.frames) {
        if (!practice::hasLevel(f.frame, choices.level)) continue;
        for (int i = 0; i < f.count; ++i, ++place) {
            std::vector<practice::Exercise> row = exercisesAt(f, choices, place, taken);
            for (std::size_t v = 0; v < row.size(); ++v) {
                taken[v].insert(QString::fromStdString(row[v].statement));
                sheet.versions[v].exercises.push_back(
                    sheetExercise(std::move(row[v]), choices.figures));
            }
        }
    }
    return sheet;
}

} // namespace worksheet
