#include "real.h"

#include "numbered_error.h"

#include <cmath>

Real::Real(double value)
    : m_value(value) {
    if (!std::isfinite(value)) Fault::raise(Fault::Overflow);
}

Real operator+(Real a, Real b) {
    return Real(a.m_value + b.m_value);
}
Real operator-(Real a, Real b) {
    return Real(a.m_value - b.m_value);
}
Real operator*(Real a, Real b) {
    return Real(a.m_value * b.m_value);
}

Real operator/(Real a, Real b) {
    if (b.m_value == 0.0) Fault::raise(Fault::DivisionByZero);
    return Real(a.m_value / b.m_value);
}

Real Real::operator-() const {
    return Real(-m_value);
}

Real sqrt(Real x) {
    if (x.value() < 0.0) Fault::raise(Fault::InvalidArgument);
    return Real(std::sqrt(x.value()));
}

Real abs(Real x) {
    return Real(std::fabs(x.value()));
}
Real atan(Real x) {
    return Real(std::atan(x.value()));
}
Real tan(Real x) {
    return Real(std::tan(x.value()));
}
Real floor(Real x) {
    return Real(std::floor(x.value()));
}
Real trunc(Real x) {
    return Real(std::trunc(x.value()));
}
Real square(Real x) {
    return x * x;
}
