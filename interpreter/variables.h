#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace interp {

/// The variable table: names, compared without regard to case, to doubles.
/// Lookups by index let a compiled expression resolve its names once and
/// reuse the indices until generation() changes.
class VariableTable {
public:
    /// Adds the variable or replaces its value.
    void set(std::string_view name, double value);
    /// The value, or 0 when there is no such variable.
    double get(std::string_view name) const;
    /// Removes the variable; a missing name is ignored.
    void remove(std::string_view name);
    /// Removes every variable.
    void clear();

    /// The index of an already lower-cased name, or -1 when it is missing.
    int indexOf(std::string_view lowerName) const;
    double valueAt(int index) const { return m_values[static_cast<std::size_t>(index)]; }
    /// The values, by index.
    const double* values() const { return m_values.data(); }
    /// Changes whenever a name is added or removed (not when a value changes).
    std::uint64_t generation() const { return m_generation; }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };

    static constexpr std::size_t kFewNames = 8;

    std::unordered_map<std::string, int, Hash, std::equal_to<>> m_index;
    std::vector<std::string> m_names;
    std::vector<double> m_values;
    std::uint64_t m_generation = 1;
};

} // namespace interp
