#pragma once

#include <QString>

/// The divisions a dragged point snaps to: mantissa × 10^exponent, the
/// mantissa 1 or 5 (…, 0.1, 0.5, 1, 5, 10, …). Every multiple of a
/// division is a finite decimal, which the exact engine reads exactly.
struct GridStep {
    int mantissa = 1;
    int exponent = 0;

    double value() const;
    /// A tenth of this division: a step of the arrow keys with Shift.
    GridStep tenth() const { return {mantissa, exponent - 1}; }

    friend bool operator==(const GridStep&, const GridStep&) = default;
};

namespace GridSnap {

/// The narrowest division a hand can aim at on a board on which one unit
/// is `pixelsPerUnit` pixels long: at least this many pixels.
inline constexpr double MinPixels = 12.0;

/// The narrowest division of at least MinPixels: halves on the usual
/// board, tenths when it is zoomed in, fives and tens when zoomed out.
GridStep division(double pixelsPerUnit);
/// The widest power of ten no wider than one pixel: where a point moved
/// freely (Shift) lands.
GridStep pixel(double pixelsPerUnit);

/// How many divisions the multiple of `step` nearest to `value` is.
long long count(double value, GridStep step);
/// count × step as a decimal ("-2.5", "0.05", "15"), as a pupil types it.
QString text(long long count, GridStep step);

} // namespace GridSnap
