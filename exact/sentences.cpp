#include "sentences.h"

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

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiAlphanumeric(char c) {
    return isAsciiLetter(c) || (c >= '0' && c <= '9');
}

/// The words of a template, where a name written with its subscript, as
/// "y_P" or "a_t", becomes the symbol the mathematics writes: y with P below.
void addWords(std::vector<Math>& parts, std::string_view t) {
    std::size_t from = 0;
    for (std::size_t i = 1; i + 1 < t.size(); ++i) {
        const bool name = t[i] == '_' && isAsciiLetter(t[i - 1]) &&
                          (i < 2 || !isAsciiAlphanumeric(t[i - 2])) &&
                          isAsciiAlphanumeric(t[i + 1]);
        if (!name) continue;
        std::size_t end = i + 1;
        while (end < t.size() && isAsciiAlphanumeric(t[end]))
            ++end;
        if (i - 1 > from) parts.push_back(words(std::string(t.substr(from, i - 1 - from))));
        parts.push_back(
            symbol(std::string(1, t[i - 1]), std::string(t.substr(i + 1, end - i - 1))));
        from = end;
        i = end;
    }
    if (from < t.size()) parts.push_back(words(std::string(t.substr(from))));
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
        if (!table.m_templates.emplace(key, trimmed(line.substr(equals + 1))).second)
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
        scan(
            it->second, [](std::string_view) {},
            [&](std::string_view s) { slots.emplace_back(s); });
    return slots;
}

Math SentenceTable::fill(std::string_view key, const std::vector<Slot>& values) const {
    const auto it = m_templates.find(key);
    if (it == m_templates.end()) throw std::invalid_argument("no sentence for " + std::string(key));
    std::vector<Math> parts;
    scan(
        it->second, [&](std::string_view t) { addWords(parts, t); },
        [&](std::string_view s) { parts.push_back(valueOf(values, s, key)); });
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
