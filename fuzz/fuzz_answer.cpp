// Any text as a pupil's answer to an exercise of any frame: the first two
// bytes choose the frame and the level, the next ones the seed, the rest is
// the answer. The checker must answer in words, never crash, never write
// "inf" or "nan"; each answer is read and checked within its work budget,
// so within libFuzzer's time limit (scripts/fuzz.sh).
#include "answer.h"
#include "checker.h"
#include "exercise.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

/// No "inf" or "nan" written as a word, unless the pupil typed it (a name the
/// interpreter does not know is quoted back).
void mustBeFinite(const std::string& text, std::string_view typed) {
    const auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    std::string lower(typed);
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    for (const char* word : {"inf", "nan"})
        if (lower.find(word) == std::string::npos)
            for (std::size_t at = text.find(word); at != std::string::npos;
                 at = text.find(word, at + 1)) {
                const bool before = at > 0 && isLetter(text[at - 1]);
                const bool after = at + 3 < text.size() && isLetter(text[at + 3]);
                if (!before && !after) __builtin_trap();
            }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const auto& frames = practice::allFrames();
    const practice::FrameId frame = frames[data[0] % frames.size()];
    const auto level = practice::Level(data[1] % 3);
    const std::uint64_t seed = std::uint64_t(data[2]) << 8 | data[3];
    const std::string_view answer(reinterpret_cast<const char*>(data + 4), size - 4);
    const practice::Exercise ex = practice::generate(frame, level, seed);
    const practice::Verdict v = practice::check(ex, answer);
    if (v.text.empty()) __builtin_trap(); // every answer gets words
    mustBeFinite(v.text, answer);
    const practice::TypedAnswer read = practice::readAnswer(answer, ex.expected);
    if (read.values.empty() == read.problem.empty()) __builtin_trap(); // values or a reason
    // Read as a right answer, never graded wrong; read as something else, never right.
    if (v.grade == practice::Grade::Certo && read.values.size() != ex.expected.values.size())
        __builtin_trap();
    for (auto kind : {practice::AnswerKind::Number, practice::AnswerKind::Words}) {
        const practice::TypedAnswer other = practice::readAnswer(answer, kind);
        if (other.values.empty() == other.problem.empty()) __builtin_trap();
    }
    return 0;
}
