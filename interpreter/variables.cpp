#include "variables.h"

#include "text.h"

namespace interp {

void VariableTable::set(std::string_view name, double value) {
    if (isLowerCase(name)) { // the common case: a new value for a known name
        if (const int index = indexOf(name); index >= 0) {
            m_values[static_cast<std::size_t>(index)] = value;
            return;
        }
    }
    std::string key = lowerCase(name);
    if (const auto it = m_index.find(key); it != m_index.end()) {
        m_values[static_cast<std::size_t>(it->second)] = value;
        return;
    }
    m_index.emplace(key, static_cast<int>(m_values.size()));
    m_names.push_back(std::move(key));
    m_values.push_back(value);
    ++m_generation;
}

double VariableTable::get(std::string_view name) const {
    const int index = indexOf(lowerCase(name));
    return index < 0 ? 0.0 : valueAt(index);
}

void VariableTable::remove(std::string_view name) {
    const auto it = m_index.find(lowerCase(name));
    if (it == m_index.end()) return;
    // Move the last entry into the hole so the arrays stay dense.
    const auto hole = static_cast<std::size_t>(it->second);
    m_index.erase(it);
    if (hole + 1 != m_values.size()) {
        m_values[hole] = m_values.back();
        m_names[hole] = std::move(m_names.back());
        m_index[m_names[hole]] = static_cast<int>(hole);
    }
    m_values.pop_back();
    m_names.pop_back();
    ++m_generation;
}

void VariableTable::clear() {
    m_index.clear();
    m_names.clear();
    m_values.clear();
    ++m_generation;
}

int VariableTable::indexOf(std::string_view lowerName) const {
    if (m_names.size() <= kFewNames) { // a short list is searched faster than hashed
        for (std::size_t i = 0; i < m_names.size(); ++i)
            if (m_names[i] == lowerName) return static_cast<int>(i);
        return -1;
    }
    const auto it = m_index.find(lowerName);
    return it == m_index.end() ? -1 : it->second;
}

} // namespace interp
