#pragma once

#include "displaylist.h"
#include "exercise.h"

#include <QString>
#include <memory>
#include <vector>

/// Worksheets of exercises with their answer key and worked solutions,
/// written as PDF and as OpenDocument text.
namespace worksheet {

/// One exercise as a sheet prints it.
struct SheetExercise {
    QString statement; ///< in Portuguese, with its data as the program writes them
    /// The board's drawing of its data, in world coordinates; empty for none.
    DisplayList figure{};
    QString answer; ///< the final answer, exact, as the key writes it
    /// The engine's worked solution; null when the exercise has none.
    std::shared_ptr<const exact::Solution> solution{};
    /// The generated exercise: its frame, seed, fields and expected answer.
    practice::Exercise source{};
};

/// The exercises of one version of a sheet: the same structure, other data.
struct SheetVersion {
    QString name; ///< "A", "B"; empty on a sheet of one version
    std::vector<SheetExercise> exercises;
};

/// A whole worksheet: what the pupil gets, then the teacher's pages.
struct Sheet {
    QString title;
    QString level; ///< "básico", "intermédio" or "avançado"
    quint64 seed = 0;
    std::vector<SheetVersion> versions;
};

/// "Versão A"; empty for the only version of a sheet.
QString versionHeading(const SheetVersion& version);

} // namespace worksheet
