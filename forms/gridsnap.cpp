#include "gridsnap.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

double GridStep::value() const {
    return mantissa * std::pow(10.0, exponent);
}

namespace GridSnap {

namespace {
/// Divisions are looked for between 10^-MaxExponent and 10^MaxExponent.
constexpr int MaxExponent = 12;
/// Counts stay within what a double holds exactly.
constexpr double MaxCount = 1e15;
} // namespace

GridStep division(double pixelsPerUnit) {
    for (int e = -MaxExponent; e < MaxExponent; ++e)
        for (int m : {1, 5})
            if (GridStep step{m, e}; step.value() * pixelsPerUnit >= MinPixels) return step;
    return {1, MaxExponent};
}

GridStep pixel(double pixelsPerUnit) {
    const double perPixel = 1.0 / pixelsPerUnit;
    const int e = int(std::floor(std::log10(perPixel) + 1e-9));
    return {1, std::clamp(e, -MaxExponent, MaxExponent)};
}

long long count(double value, GridStep step) {
    const double n = std::nearbyint(value / step.value());
    return std::isfinite(n) ? (long long)std::clamp(n, -MaxCount, MaxCount) : 0;
}

QString text(long long count, GridStep step) {
    const long long units = count * step.mantissa;
    QString digits = QString::number(std::llabs(units));
    if (step.exponent >= 0) {
        if (units != 0) digits += QString(step.exponent, QLatin1Char('0'));
    } else {
        const int places = -step.exponent;
        if (digits.size() <= places) digits.prepend(QString(places + 1 - digits.size(), '0'));
        digits.insert(digits.size() - places, QLatin1Char('.'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        if (digits.endsWith(QLatin1Char('.'))) digits.chop(1);
    }
    return units < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace GridSnap
