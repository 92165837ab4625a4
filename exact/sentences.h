#pragma once

#include "language.h"
#include "solution.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace exact {

/// The sentence templates of the worked solutions, one per kind, read from a
/// text of "key = template" lines ("#" starts a comment). A template's
/// slots are names in braces: "Substituímos as coordenadas de {A} e de {B}."
/// Mathematics written in the sentence itself stands between two "$", in
/// the linear notation of the readings ("a recta $r$", "$Δ = b² − 4ac$"),
/// and is typeset as mathematics, never broken across two rows.
/// Another spelling or language is another such text.
class SentenceTable {
public:
    /// The table of a language, built into the program.
    static const SentenceTable& of(Language language);
    /// The table of the sources' own spelling (before the 1990 agreement).
    static const SentenceTable& portuguese() { return of(Language::Pre1990); }
    /// Raises std::invalid_argument for a line that is not "key = template",
    /// a key given twice or a formula that does not read.
    static SentenceTable parse(std::string_view text);

    bool contains(std::string_view key) const;
    /// Every key of the table.
    std::vector<std::string> keys() const;
    /// The slot names of a template, in order of appearance.
    std::vector<std::string> slotsOf(std::string_view key) const;
    /// The template with its slots filled: words and mathematics in a row.
    /// Raises std::invalid_argument for a missing template or slot.
    Math fill(std::string_view key, const std::vector<Slot>& values) const;

private:
    /// A template read once: its words and formulas, and its slots (a part
    /// with a slot name).
    struct Part {
        Math math;
        std::string slot;
    };
    std::map<std::string, std::vector<Part>, std::less<>> m_templates;
};

/// The sentence of a step, and the title of a solution.
Math sentence(const Step& step, const SentenceTable& table = SentenceTable::portuguese());
Math title(const Solution& solution, const SentenceTable& table = SentenceTable::portuguese());

/// A step as plain text: its sentence, then its lines of mathematics in
/// linear notation. It is what the clipboard gets and what a screen reader
/// says.
std::string stepText(const Step& step, std::string_view separator,
                     const SentenceTable& table = SentenceTable::portuguese());
/// The whole solution as plain text: the title, then one numbered step a line.
std::string plainText(const Solution& solution, std::string_view separator,
                      const SentenceTable& table = SentenceTable::portuguese());

} // namespace exact
