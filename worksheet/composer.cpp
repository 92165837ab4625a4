#include "composer.h"

#include "datafigures.h"
#include "splitmix64.h"

#include <QSet>
#include <optional>

namespace worksheet {

namespace {

constexpr int Attempts = 12; ///< tries for an exercise unlike the ones before

/// A new exercise of the frame whose statement is none of `taken`; the last
/// one tried when every try repeats one (a frame with few data to choose).
/// Throws practice::NoExercise, as generate() does, when no exercise of the
/// frame can be proven (the tests show it never happens).
practice::Exercise freshExercise(const FrameCount& f, const Choices& choices, int version,
                                 int place, const QSet<QString>& taken) {
    practice::Exercise exercise;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        exercise = practice::generate(f.frame, choices.level,
                                      exerciseSeed(choices.seed, version, place, attempt));
        if (!taken.contains(QString::fromStdString(exercise.statement))) break;
    }
    return exercise;
}

SheetExercise sheetExercise(practice::Exercise exercise, DataFigures* figures) {
    SheetExercise out;
    out.statement = QString::fromStdString(exercise.statement);
    out.answer = QString::fromStdString(exercise.answerText);
    if (std::optional<exact::Solution> solution = practice::workedSolution(exercise))
        out.solution = std::make_shared<const exact::Solution>(std::move(*solution));
    if (figures) out.figure = figures->draw(exercise);
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
    std::optional<DataFigures> figures;
    if (choices.figures) figures.emplace();
    for (int v = 0; v < choices.versions; ++v) {
        SheetVersion version{choices.versions > 1 ? QString(QChar(u'A' + v)) : QString(), {}};
        QSet<QString> taken; // this version's statements, and the first version's at the place
        int place = 0;
        for (const FrameCount& f : choices.frames) {
            for (int i = 0; i < f.count; ++i, ++place) {
                QSet<QString> avoid = taken;
                if (v > 0)
                    avoid.insert(sheet.versions.front().exercises.at(std::size_t(place)).statement);
                practice::Exercise exercise = freshExercise(f, choices, v, place, avoid);
                taken.insert(QString::fromStdString(exercise.statement));
                version.exercises.push_back(
                    sheetExercise(std::move(exercise), figures ? &*figures : nullptr));
            }
        }
        sheet.versions.push_back(std::move(version));
    }
    return sheet;
}

} // namespace worksheet
