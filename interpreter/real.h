#pragma once

/// A 64-bit real whose arithmetic fails the way the program's arithmetic
/// must fail: a result too large for a double raises the overflow fault (6),
/// a division by zero raises fault 11 (0/0 included) and a square root of a
/// negative number raises the invalid-argument fault (5). Every Real holds a
/// finite value, so a computation built from Reals never yields inf or NaN.
///
/// Geometry routines compute with Real so that each formula reads as it is
/// written and still stops, with a numbered fault, where plain doubles would
/// silently go on with inf or NaN.
class Real {
public:
    constexpr Real() = default;
    /// Raises the overflow fault if `value` is not finite.
    Real(double value); // NOLINT(google-explicit-constructor): Reals mix with literals.

    constexpr double value() const { return m_value; }

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);
    Real operator-() const;

    Real& operator+=(Real other) { return *this = *this + other; }
    Real& operator-=(Real other) { return *this = *this - other; }
    Real& operator*=(Real other) { return *this = *this * other; }
    Real& operator/=(Real other) { return *this = *this / other; }

    /// Exact comparisons, with no tolerance.
    friend bool operator==(Real a, Real b) { return a.m_value == b.m_value; }
    friend bool operator!=(Real a, Real b) { return a.m_value != b.m_value; }
    friend bool operator<(Real a, Real b) { return a.m_value < b.m_value; }
    friend bool operator<=(Real a, Real b) { return a.m_value <= b.m_value; }
    friend bool operator>(Real a, Real b) { return a.m_value > b.m_value; }
    friend bool operator>=(Real a, Real b) { return a.m_value >= b.m_value; }

private:
    double m_value = 0.0;
};

Real sqrt(Real x); ///< raises fault 5 for a negative argument
Real abs(Real x);
Real atan(Real x);
Real tan(Real x);   ///< raises fault 6 if the tangent is not finite
Real floor(Real x); ///< the greatest integer not above x
Real trunc(Real x); ///< the integer part, towards zero
Real square(Real x);
