#pragma once

#include <cstdint>

namespace exact {

/// The work the exact arithmetic may do for one task: a press of a form, its
/// worked solution, an answer checked, an exercise made. The arithmetic
/// counts what it does in units of about a nanosecond of a desktop computer
/// (a product of two coefficients of n and m machine words costs about n·m
/// units, a square root at p bits about (p/64)² units); when the budget is
/// spent, every value still to be computed exactly is approximate instead
/// (written with "≈") and every decision still to be taken exactly is left
/// to the caller's doubles. The count is deterministic: the same data give
/// the same values on every run, whatever the machine's load.
///
/// A budget is the thread's while it lives. Budgets nest: an inner one
/// never holds more than what its outer one has left, and what it spends is
/// spent from the outer one too; a fresh one (a task of its own started
/// during another, such as a worked solution built while a press shows a
/// message) has its own units whatever the outer one has left. With no
/// budget, the arithmetic is bounded only by the size limits of each value.
class WorkBudget {
public:
    enum class Kind : std::uint8_t { Nested, Fresh };
    explicit WorkBudget(std::uint64_t units, Kind kind = Kind::Nested);
    ~WorkBudget();
    WorkBudget(const WorkBudget&) = delete;
    WorkBudget& operator=(const WorkBudget&) = delete;

    /// Takes `units` from the thread's budget; false, and the budget spent,
    /// when they are not left. Always true without a budget.
    static bool spend(std::uint64_t units);
    /// Whether the thread's budget is spent.
    static bool spent();

    /// What this budget has left.
    std::uint64_t left() const { return m_left; }

    /// The budgets of the program's tasks: each keeps its task within a few
    /// tens of milliseconds, far above what ordinary data need (a press
    /// uses some thousands of units).
    static constexpr std::uint64_t Press = 8'000'000; ///< a form's readings
    /// Each verdict, fresh wherever it is asked: the same data get the same
    /// verdict in a press and in its worked solution.
    static constexpr std::uint64_t Verdict = 3'000'000;
    static constexpr std::uint64_t Solution = 15'000'000; ///< one worked solution
    static constexpr std::uint64_t Answer = 20'000'000;   ///< an answer read and checked
    static constexpr std::uint64_t Exercise = 30'000'000; ///< an exercise made and proven

private:
    std::uint64_t m_left;
    std::uint64_t m_start;
    WorkBudget* m_outer;
    Kind m_kind;
};

} // namespace exact
