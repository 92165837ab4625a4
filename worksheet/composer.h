#pragma once

#include "choices.h"
#include "sheet.h"

namespace worksheet {

/// The sheet of the choices: for each version, the frames in the order
/// chosen, each as many times as asked, every exercise a fresh one from the
/// practice generators, seeded from the sheet's seed, the version and its
/// place, so that the same choices give the same sheet. No statement comes
/// twice in a version, and version B has the structure of A with other
/// data of the same kinds (what is asked and in which form, how each line
/// lies, fractions and roots alike) and another answer. Frames without
/// exercises at the level give none. With figures, each exercise's data
/// drawn from them (datafigures.h).
Sheet compose(const Choices& choices);

/// The seed of the exercise at `place` (from 0) of a version (0 for A), at
/// the `attempt`-th try.
quint64 exerciseSeed(quint64 sheetSeed, int version, int place, int attempt = 0);

} // namespace worksheet
