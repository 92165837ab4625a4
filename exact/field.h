#pragma once

// The values the decisions on exact data compute with: a Number's terms
// with radicands of any size and no limit on their count or their
// coefficients, so that a product of exact data is never rounded before it
// is compared (√2·√999999999989 is √1999999999978, past the radicands a
// Number keeps). Only the thread's work budget bounds them: an operation
// that would pass it throws Undecided.

#include "terms.h"

namespace exact::field {

/// The budget was spent before the decision was reached.
struct Undecided {};

class Value {
public:
    Value() = default;
    /// The value of an exact Number; approximate Numbers have none.
    explicit Value(const Number& n);
    Value(int n);

    bool isZero() const { return m_terms.empty(); }
    /// -1, 0 or 1; throws Undecided when the budget cannot settle it.
    int sign() const;
    /// Whether the value is an integer n ≥ 0 with √n whole.
    bool isWholeSquare() const;

    Value operator-() const;
    friend Value operator+(const Value& a, const Value& b);
    friend Value operator-(const Value& a, const Value& b);
    friend Value operator*(const Value& a, const Value& b);
    /// The quotient; the divisor is not zero.
    friend Value operator/(const Value& a, const Value& b);
    friend bool operator==(const Value& a, const Value& b) { return (a - b).isZero(); }

private:
    explicit Value(terms::WideList t)
        : m_terms(std::move(t)) {}
    terms::WideList m_terms;
};

inline Value square(const Value& v) {
    return v * v;
}

} // namespace exact::field
