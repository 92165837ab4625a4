#pragma once

#include "real.h"

#include <string_view>

/// The number at the start of a text, read as a plain decimal number and not
/// as an expression: blanks are ignored wherever they stand, then come an
/// optional sign, digits with a decimal separator ("." or a comma between
/// two digits) and an optional exponent ("e" or "E", an optional sign and
/// digits). Reading stops at the first character that cannot continue the
/// number, so "30 graus" reads as 30, "1,5" as 1.5 and "1,5,3" as 1.5; a text
/// that does not start with a number reads as 0.
/// A number too large for a double raises the overflow fault; one too small
/// reads as 0. The text is UTF-8; every character the number is made of is ASCII.
Real leadingNumber(std::string_view text);
