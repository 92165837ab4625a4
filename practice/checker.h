#pragma once

// The checker: equal in any form is right; equal but not in the form asked
// is right but to simplify; a known slip that gives the pupil's answer
// exactly is named, with the step of the worked solution where it happens.

#include "exercise.h"

#include <optional>
#include <string>
#include <string_view>

namespace practice {

enum class Grade : std::uint8_t {
    Certo,
    CertoMasSimplifique,
    Errado,
    Unreadable, ///< the answer could not be read: a message, no verdict
    Incomplete, ///< right as far as it goes: a point of two, an amplitude to the degree
};

struct Verdict {
    Grade grade = Grade::Unreadable;
    /// What the window shows: "Certo.", "Certo, mas simplifique: …",
    /// "Errado. Usou −m … Reveja o passo 2: o declive da perpendicular é −1/m.",
    /// what is missing ("Falta um ponto: …"), or the message about an
    /// answer that cannot be read. An answer that cannot be read or is
    /// incomplete is no try: the pupil completes it.
    std::string text;
    /// The slip recognised ("minus-m"), or empty.
    std::string slip;
    /// The step of the worked solution to open (1 is the first), or 0.
    int step = 0;
};

/// Checks a pupil's answer to an exercise. Never throws.
Verdict check(const Exercise& exercise, std::string_view answer);

/// The identifiers of the slips of a frame, in the catalogue's order.
std::vector<std::string> slipIds(FrameId frame);
/// The answer a slip gives for an exercise's data, as the program writes it;
/// empty when the slip does not apply to these data or gives the right answer.
std::string slipAnswer(const Exercise& exercise, std::string_view slip);
/// Other ways to write the exercise's answer that are right in the form
/// asked (sqr(232) where 2√58 is asked is not one of them).
std::vector<std::string> rewritings(const Exercise& exercise);

} // namespace practice
