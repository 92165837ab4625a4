#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace exact {

/// The languages the program speaks: Portuguese in the spelling before the
/// 1990 orthographic agreement (its texts as written in the sources),
/// Portuguese in the spelling of the 1990 agreement, and Brazilian
/// Portuguese as Brazilian textbooks write it.
enum class Language : std::uint8_t { Pre1990, Ao1990, Brazil };

inline constexpr std::array<Language, 3> AllLanguages{Language::Pre1990, Language::Ao1990,
                                                      Language::Brazil};

/// The language's code, as settings, file names and locales know it: "pt",
/// "pt_PT", "pt_BR".
constexpr std::string_view code(Language language) {
    switch (language) {
    case Language::Ao1990:
        return "pt_PT";
    case Language::Brazil:
        return "pt_BR";
    case Language::Pre1990:
        break;
    }
    return "pt";
}

} // namespace exact
