#pragma once

#include "mathtree.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exact {

/// The plain linear text of a tree, as the clipboard receives it:
/// d(A, B) = √((6 − (−8))² + (4 − (−2))²) = √232 = 2√58 ≈ 15,23.
/// True minus signs, superscript exponents, x_A for subscripts, a/b with
/// the parentheses the line needs.
std::string linearText(const Math& m, std::string_view separator);

/// A number or a point, as a tree evaluates in doubles.
struct NumericValue {
    bool isPoint = false;
    double x = 0; ///< the value of a number, or the abscissa of a point
    double y = 0;
    /// The size of the terms the value was summed from: the rounding errors
    /// of a value that cancels are relative to it, not to the value.
    double scale = 0;
};

/// The values of the names a solution speaks of (x_A, m, d(A, B), M),
/// looked up by their linear text. Binding costs no text: the texts are
/// written on the first look-up, which only the numeric reading does.
class Environment {
public:
    void bind(const Math& name, double value);
    void bind(const Math& name, double x, double y);
    /// A point named `name` whose coordinates are the values of two other
    /// names at the moment of evaluation: P(x , y).
    void alias(const Math& name, const Math& x, const Math& y);
    std::optional<NumericValue> find(const Math& name) const;

private:
    struct Entry {
        Math name;
        NumericValue value;
        std::optional<std::pair<Math, Math>> alias; ///< the names of its coordinates
        mutable std::string key;                    ///< the name's text, once looked up
    };
    const Entry* entry(const std::string& key) const;
    std::vector<Entry> m_entries;
};

/// The value of a tree in doubles: numbers, bound names, sums, products,
/// fractions, powers, roots, absolute values, points, the distance d(P, Q)
/// between two points, and a row of quantities side by side as their sum
/// (40º 14' 10,89'', its units bound as names). Nothing for words,
/// sentences, chains, unbound names, a zero divisor or the root of a
/// negative number.
std::optional<NumericValue> numericValue(const Math& m, const Environment& env);

/// Whether each relation of a chain holds between its members in doubles:
/// = within 1e-9 relative to the members' scale, ≈ within the rounding to 2 decimals, ≠ < > ≤ ≥ as
/// written, and ⇔ between two equations that hold or fail together.
bool holds(const Math& chain, const Environment& env);

} // namespace exact
