#include "frame.h"

#include "decimal.h"
#include "leadingnumber.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace exact {

const Frame* frameNamed(std::string_view name) {
    const auto& all = frames();
    const auto it =
        std::find_if(all.begin(), all.end(), [&](const Frame& f) { return f.name == name; });
    return it == all.end() ? nullptr : &*it;
}

const FrameField& nthField(const Frame& frame, int option, Role role, std::size_t i) {
    for (const FrameField& f : frame.fields)
        if (f.role == role && f.readBy(option) && i-- == 0) return f;
    throw std::out_of_range("no such field in the frame");
}

// --- the problems ----------------------------------------------------------

FrameId::FrameId()
    : m_frame(&frames().front()) {}

FrameId::FrameId(const Frame& frame, int option)
    : m_frame(&frame)
    , m_option(option) {}

std::optional<FrameId> FrameId::named(std::string_view name) {
    for (const FrameId& id : allFrames())
        if (id.name() == name) return id;
    return std::nullopt;
}

std::string_view FrameId::name() const {
    return m_frame->options.empty() ? m_frame->name : m_frame->options.at(m_option).name;
}

std::string_view FrameId::caption() const {
    return m_frame->options.empty() ? m_frame->caption : m_frame->options.at(m_option).caption;
}

std::string_view FrameId::optionButton() const {
    return m_frame->options.empty() ? "" : m_frame->options.at(m_option).button;
}

std::vector<FrameField> FrameId::fields() const {
    std::vector<FrameField> read;
    for (const FrameField& f : m_frame->fields)
        if (f.readBy(m_option)) read.push_back(f);
    return read;
}

Solution FrameId::explain(const FrameData& data) const {
    return (m_frame->options.empty() ? m_frame->explain
                                     : m_frame->options.at(m_option).explain)(data);
}

const std::vector<FrameId>& allFrames() {
    static const std::vector<FrameId> all = [] {
        std::vector<FrameId> ids;
        for (const Frame& f : frames())
            for (std::size_t o = 0; o < std::max<std::size_t>(1, f.options.size()); ++o)
                ids.emplace_back(f, int(o));
        return ids;
    }();
    return all;
}

std::vector<FrameId> framesOf(Topic topic) {
    std::vector<FrameId> ids;
    for (const FrameId& id : allFrames())
        if (id.topic() == topic) ids.push_back(id);
    return ids;
}

// --- the fields read exactly -------------------------------------------------

namespace {

/// Whether the UTF-8 sequence at `at` is a blank at the end of a typed text:
/// the characters a text field's trimming takes away (Unicode's spaces and
/// separators, tabs and line breaks); its length in bytes, 0 for none.
std::size_t blankAt(std::string_view s, std::size_t at) {
    const auto byte = [&](std::size_t k) {
        return at + k < s.size() ? unsigned(s[at + k]) & 0xff : 0u;
    };
    const unsigned b0 = byte(0);
    if (b0 == ' ' || (b0 >= 9 && b0 <= 13)) return 1;
    if (b0 == 0xc2 && (byte(1) == 0x85 || byte(1) == 0xa0)) return 2;
    if (b0 == 0xe1 && byte(1) == 0x9a && byte(2) == 0x80) return 3; // U+1680
    if (b0 == 0xe2 && byte(1) == 0x80) {
        const unsigned b2 = byte(2);
        if (b2 <= 0x8a || b2 == 0xa8 || b2 == 0xa9 || b2 == 0xaf)
            return 3; // U+2000-200A, 2028, 2029, 202F
    }
    if (b0 == 0xe2 && byte(1) == 0x81 && byte(2) == 0x9f) return 3; // U+205F
    if (b0 == 0xe3 && byte(1) == 0x80 && byte(2) == 0x80) return 3; // U+3000
    return 0;
}

std::string trim(std::string_view s) {
    std::size_t first = 0;
    while (first < s.size())
        if (const std::size_t n = blankAt(s, first))
            first += n;
        else
            break;
    std::size_t last = s.size();
    for (bool trimmed = true; trimmed && last > first;) {
        trimmed = false;
        for (std::size_t n = 1; n <= 3 && n <= last - first; ++n)
            if (blankAt(s, last - n) == n) {
                last -= n;
                trimmed = true;
                break;
            }
    }
    return std::string(s.substr(first, last - first));
}

/// The angle read at the start of a text as the exact value of its decimal
/// digits; approximate when it has more digits than a double keeps.
Number exactAngle(double degrees) {
    std::string digits = decimal::expressionLiteral(degrees);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.erase(0, 1);
    Number n;
    if (!Number::fromDecimal(digits, n) || n.toDouble() != std::fabs(degrees))
        return Number::approximate(degrees);
    return negative ? -n : n;
}

/// Small whole numbers, x, y, "+", "-", "=" and blanks: digit runs of at most 4.
bool wholeNumbersText(std::string_view t) {
    if (t.size() > 40) return false;
    int digits = 0;
    for (const char c : t) {
        digits = c >= '0' && c <= '9' ? digits + 1 : 0;
        if (digits > 4) return false;
        if (!digits && std::string_view(" xXyY+=-").find(c) == std::string_view::npos) return false;
    }
    return true;
}

template <typename Reading>
const Reading& remembered(std::map<std::string, Reading, std::less<>>& readings,
                          const std::string& name, Reading (*read)(std::string_view),
                          const std::string& text) {
    auto it = readings.find(name);
    if (it == readings.end()) it = readings.emplace(name, read(text)).first;
    return it->second;
}

} // namespace

FrameData::FrameData(const Frame& frame, int option, Texts texts)
    : m_frame(&frame)
    , m_option(option)
    , m_texts(std::move(texts)) {}

FrameData::FrameData(const FrameId& problem, Texts texts)
    : FrameData(problem.frame(), problem.option(), std::move(texts)) {}

const char* FrameData::fieldName(Role role, std::size_t i) const {
    return nthField(*m_frame, m_option, role, i).name;
}

const std::string& FrameData::typed(const std::string& name) const {
    const auto it = m_texts.find(name);
    if (it == m_texts.end()) throw std::out_of_range(name);
    return it->second;
}

std::string FrameData::trimmed(const std::string& name) const {
    return trim(typed(name));
}

const Number& FrameData::numberNamed(const std::string& name) const {
    auto it = m_numbers.find(name);
    if (it == m_numbers.end()) it = m_numbers.emplace(name, readField(trimmed(name))).first;
    return it->second;
}

Point FrameData::point(std::size_t i) const {
    const std::string n = fieldName(Role::Point, i);
    return {numberNamed("Abcissa" + n), numberNamed("Ordenada" + n)};
}

const LineReading& FrameData::lineReading(std::size_t i) const {
    const std::string name = fieldName(Role::Line, i);
    return remembered(m_lines, name, &readLine, trimmed(name));
}

const Line& FrameData::line(std::size_t i) const {
    return lineReading(i).line;
}

const CircleReading& FrameData::circle(std::size_t i) const {
    const std::string name = fieldName(Role::Circle, i);
    return remembered(m_circles, name, &readCircle, trimmed(name));
}

GivenLine FrameData::givenLine(std::size_t i) const {
    return {line(i), trimmed(fieldName(Role::Line, i))};
}

GivenCircle FrameData::givenCircle(std::size_t i) const {
    return {conic(i), trimmed(fieldName(Role::Circle, i))};
}

bool FrameData::generalCircle(std::size_t i) const {
    std::string text = trimmed(fieldName(Role::Circle, i));
    std::erase(text, ' ');
    return text.ends_with("=0");
}

const Number& FrameData::number(std::size_t i) const {
    return numberNamed(fieldName(Role::Number, i));
}

Number FrameData::angle(std::size_t i) const {
    return exactAngle(leadingNumber(typed(fieldName(Role::Angle, i))).value());
}

bool FrameData::wholeNumbersOnly() const {
    return std::all_of(m_texts.begin(), m_texts.end(),
                       [](const auto& t) { return wholeNumbersText(t.second); });
}

} // namespace exact
