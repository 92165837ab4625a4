#include "sentences.h"

#include "notation.h"

#include <optional>
#include <stdexcept>

namespace exact {

// sentences-pt.txt, sentences-pt_PT.txt and sentences-pt_BR.txt, built in.
extern const std::string_view kPortugueseSentences;
extern const std::string_view kAo1990Sentences;
extern const std::string_view kBrazilianSentences;

namespace {

std::string_view trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const std::size_t last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

/// Calls `text` for each run of words and `slot` for each {name}, in order.
template <typename OnText, typename OnSlot>
void scan(std::string_view tpl, OnText text, OnSlot slot) {
    std::size_t at = 0;
    while (at < tpl.size()) {
        const std::size_t open = tpl.find('{', at);
        const std::size_t close = tpl.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            text(tpl.substr(at));
            return;
        }
        if (open > at) text(tpl.substr(at, open - at));
        slot(tpl.substr(open + 1, close - open - 1));
        at = close + 1;
    }
}

/// The words of a template, with the mathematics written between two "$"
/// as its tree ("o vector $AB⃗$", "a recta $r$", "$ax + by + c = 0$") and
/// "~" as a space that does not break.
/// Raises std::invalid_argument for a formula that is not one.
void addWords(std::vector<Math>& parts, std::string_view t) {
    // "~": a space no row breaks at.
    const auto text = [](std::string_view w) {
        std::string out;
        for (const char c : w)
            out += c == '~' ? std::string("\u00A0") : std::string(1, c);
        return words(std::move(out));
    };
    while (!t.empty()) {
        const std::size_t open = t.find('$');
        if (open == std::string_view::npos) {
            parts.push_back(text(t));
            return;
        }
        const std::size_t close = t.find('$', open + 1);
        if (close == std::string_view::npos)
            throw std::invalid_argument("a formula without its closing \"$\": " + std::string(t));
        if (open > 0) parts.push_back(text(t.substr(0, open)));
        const std::string_view formula = t.substr(open + 1, close - open - 1);
        const std::optional<Math> m = parseLinear(formula);
        if (!m)
            throw std::invalid_argument("a formula that does not read: " + std::string(formula));
        parts.push_back(*m);
        t.remove_prefix(close + 1);
    }
}

const Math& valueOf(const std::vector<Slot>& values, std::string_view name, std::string_view key) {
    for (const Slot& s : values)
        if (s.name == name) return s.value;
    throw std::invalid_argument("the slot {" + std::string(name) + "} of " + std::string(key) +
                                " has no value");
}

} // namespace

const SentenceTable& SentenceTable::of(Language language) {
    static const SentenceTable pre1990 = parse(kPortugueseSentences);
    static const SentenceTable ao1990 = parse(kAo1990Sentences);
    static const SentenceTable brazil = parse(kBrazilianSentences);
    switch (language) {
    case Language::Ao1990:
        return ao1990;
    case Language::Brazil:
        return brazil;
    case Language::Pre1990:
        break;
    }
    return pre1990;
}

SentenceTable SentenceTable::parse(std::string_view text) {
    SentenceTable table;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line.front() == '#') continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            throw std::invalid_argument("a sentence line without \"=\": " + std::string(line));
        const std::string_view key = trimmed(line.substr(0, equals));
        std::vector<Part> parts;
        scan(
            trimmed(line.substr(equals + 1)),
            [&](std::string_view t) {
                std::vector<Math> words;
                addWords(words, t);
                for (Math& w : words)
                    parts.push_back({std::move(w), {}});
            },
            [&](std::string_view slot) {
                parts.push_back({Math(), std::string(slot)});
            });
        if (!table.m_templates.emplace(key, std::move(parts)).second)
            throw std::invalid_argument("a sentence key given twice: " + std::string(key));
    }
    return table;
}

bool SentenceTable::contains(std::string_view key) const {
    return m_templates.find(key) != m_templates.end();
}

std::vector<std::string> SentenceTable::keys() const {
    std::vector<std::string> keys;
    for (const auto& entry : m_templates)
        keys.push_back(entry.first);
    return keys;
}

std::vector<std::string> SentenceTable::slotsOf(std::string_view key) const {
    std::vector<std::string> slots;
    const auto it = m_templates.find(key);
    if (it != m_templates.end())
        for (const Part& p : it->second)
            if (!p.slot.empty()) slots.push_back(p.slot);
    return slots;
}

Math SentenceTable::fill(std::string_view key, const std::vector<Slot>& values) const {
    const auto it = m_templates.find(key);
    if (it == m_templates.end()) throw std::invalid_argument("no sentence for " + std::string(key));
    std::vector<Math> parts;
    parts.reserve(it->second.size());
    for (const Part& p : it->second)
        parts.push_back(p.slot.empty() ? p.math : valueOf(values, p.slot, key));
    return row(std::move(parts));
}

Math sentence(const Step& step, const SentenceTable& table) {
    return table.fill(key(step.kind), step.values);
}

Math title(const Solution& solution, const SentenceTable& table) {
    return table.fill(key(solution.titleKind), solution.titleValues);
}

std::string stepText(const Step& step, std::string_view separator, const SentenceTable& table) {
    std::string text = linearText(sentence(step, table), separator);
    for (std::size_t i = 0; i < step.lines.size(); ++i)
        text += (i == 0 ? " " : "; ") + linearText(step.lines[i], separator);
    return text;
}

std::string plainText(const Solution& solution, std::string_view separator,
                      const SentenceTable& table) {
    std::string text = linearText(title(solution, table), separator) + "\n";
    for (std::size_t i = 0; i < solution.steps.size(); ++i)
        text += std::to_string(i + 1) + ". " + stepText(solution.steps[i], separator, table) + "\n";
    return text;
}

} // namespace exact
