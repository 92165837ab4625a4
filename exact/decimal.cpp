#include "decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace exact::decimal {

namespace {

std::string withSeparator(std::string text, std::string_view separator) {
    const std::size_t point = text.find('.');
    if (point != std::string::npos) text.replace(point, 1, separator);
    return text;
}

} // namespace

std::string number(double value, std::string_view separator) {
    if (value == 0.0 || !std::isfinite(value)) return "0"; // a negative zero included
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return withSeparator(buffer, separator);
}

std::string roundedDigits(double value, int decimals) {
    // The C library prints the exact binary value correctly rounded, ties
    // to even: exactly the rounding rule, with no decimal drift.
    std::string buffer(std::size_t(400 + std::max(0, decimals)), '\0');
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    buffer.resize(std::size_t(std::max(0, length)));
    return buffer;
}

double round(double value, int decimals) {
    return std::strtod(roundedDigits(value, decimals).c_str(), nullptr);
}

std::string rounded(double value, std::string_view separator) {
    return number(round(value, 2), separator);
}

std::string expressionLiteral(double value) {
    if (value == 0.0 || !std::isfinite(value)) return "0";
    // 15 significant digits as d.ddddddddddddddE+xx, then written out plainly.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(value));
    const std::string text(buffer);
    const std::size_t e = text.find('E');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int pointAt = std::atoi(text.c_str() + e + 1) + 1; // digits before the point
    std::string out;
    if (pointAt <= 0)
        out = "0." + std::string(std::size_t(-pointAt), '0') + digits;
    else if (std::size_t(pointAt) >= digits.size())
        out = digits + std::string(std::size_t(pointAt) - digits.size(), '0');
    else
        out = digits.substr(0, std::size_t(pointAt)) + "." + digits.substr(std::size_t(pointAt));
    return (value < 0 ? "-" : "") + out;
}

} // namespace exact::decimal
