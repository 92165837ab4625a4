#include "text.h"

namespace interp {

namespace {

constexpr unsigned char kLatin1Lead = 0xC3; // U+00C0 to U+00FF
constexpr unsigned char kTimesSign = 0x97;  // U+00D7, not a letter

bool isLatin1Capital(unsigned char lead, unsigned char second) {
    return lead == kLatin1Lead && second >= 0x80 && second <= 0x9E && second != kTimesSign;
}

} // namespace

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const auto c = static_cast<unsigned char>(lower[i]);
        if (c >= 'A' && c <= 'Z')
            lower[i] = static_cast<char>(c + ('a' - 'A'));
        else if (i + 1 < lower.size() &&
                 isLatin1Capital(c, static_cast<unsigned char>(lower[i + 1])))
            lower[++i] += 0x20;
    }
    return lower;
}

bool isLowerCase(std::string_view text) {
    for (const char c : text)
        if ((c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) == kLatin1Lead) return false;
    return true;
}

} // namespace interp
