#include "budget.h"

#include <algorithm>

namespace exact {

namespace {

thread_local WorkBudget* current = nullptr;

} // namespace

WorkBudget::WorkBudget(std::uint64_t units, Kind kind)
    : m_left(current && kind == Kind::Nested ? std::min(units, current->m_left) : units)
    , m_start(m_left)
    , m_outer(current)
    , m_kind(kind) {
    current = this;
}

WorkBudget::~WorkBudget() {
    if (m_outer && m_kind == Kind::Nested)
        m_outer->m_left -= std::min(m_outer->m_left, m_start - m_left);
    current = m_outer;
}

bool WorkBudget::spend(std::uint64_t units) {
    if (!current) return true;
    if (current->m_left < units) {
        current->m_left = 0;
        return false;
    }
    current->m_left -= units;
    return true;
}

bool WorkBudget::spent() {
    return current && current->m_left == 0;
}

} // namespace exact
