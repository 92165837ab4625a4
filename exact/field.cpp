#include "field.h"

namespace exact::field {

namespace {

template <typename T>
T settled(std::optional<T> v) {
    if (!v) throw Undecided{};
    return std::move(*v);
}

} // namespace

Value::Value(const Number& n)
    : m_terms(terms::widen(n.terms())) {}

Value::Value(int n)
    : Value(Number(n)) {}

int Value::sign() const {
    return settled(terms::sign(m_terms));
}

bool Value::isWholeSquare() const {
    if (m_terms.empty()) return true;
    if (m_terms.size() != 1 || m_terms[0].radicand != 1) return false;
    const mpq_class& q = m_terms[0].coefficient;
    return q.get_den() == 1 && sgn(q) > 0 && mpz_perfect_square_p(q.get_num_mpz_t());
}

Value Value::operator-() const {
    return Value(terms::negate(m_terms));
}

Value operator+(const Value& a, const Value& b) {
    return Value(terms::add(a.m_terms, b.m_terms));
}

Value operator-(const Value& a, const Value& b) {
    return a + -b;
}

Value operator*(const Value& a, const Value& b) {
    return Value(settled(terms::multiply(a.m_terms, b.m_terms)));
}

Value operator/(const Value& a, const Value& b) {
    return a * Value(settled(terms::inverse(b.m_terms)));
}

} // namespace exact::field
