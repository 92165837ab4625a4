#pragma once

#include <string>
#include <string_view>

namespace interp {

/// Lower-cases ASCII letters and the capital letters of Latin-1 written in
/// UTF-8 ("SEN(0)" gives "sen(0)", "É" gives "é"); every other byte is kept.
std::string lowerCase(std::string_view text);
/// True when lowerCase() would return the text unchanged (an ASCII text
/// without capitals; any text with a Latin-1 letter counts as not lower-cased).
bool isLowerCase(std::string_view text);

} // namespace interp
