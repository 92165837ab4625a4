#include "numbertext.h"

#include "decimal.h"
#include "readings.h"
#include "terms.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace exact {

namespace {

constexpr std::string_view kMinus = "\u2212";

mpz_class powerOfTen(int decimals) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(decimals));
    return p;
}

/// The integer nearest to an irrational value (never a half): the double
/// only proposes a candidate, which exact comparisons correct.
mpz_class nearest(const Number& t) {
    mpz_class n(std::floor(t.toDouble()));
    while (compare(t, Number(n)) < 0)
        --n;
    while (compare(t, Number(mpz_class(n + 1))) >= 0)
        ++n;
    const Number twice = Number(2) * t - Number(mpz_class(2 * n + 1));
    return twice.sign() > 0 ? mpz_class(n + 1) : n;
}

/// A rational whose denominator has no prime factor but 2 and 5.
bool isFiniteDecimal(const Number& n) {
    if (!n.isRational()) return false;
    mpz_class d = n.rational().get_den();
    for (const unsigned long p : {2ul, 5ul})
        while (mpz_divisible_ui_p(d.get_mpz_t(), p))
            d /= p;
    return d == 1;
}

/// An exact decimal written out: its digits, then the separator and the
/// decimals without trailing zeros.
std::string writeDecimal(const mpq_class& q, std::string_view separator) {
    mpz_class den = q.get_den();
    const auto twos = mpz_remove(den.get_mpz_t(), den.get_mpz_t(), mpz_class(2).get_mpz_t());
    const auto fives = mpz_remove(den.get_mpz_t(), den.get_mpz_t(), mpz_class(5).get_mpz_t());
    const auto decimals = static_cast<int>(std::max(twos, fives));
    const mpq_class scaled(q * powerOfTen(decimals));
    std::string text = mpz_class(abs(scaled.get_num())).get_str();
    if (decimals > 0) {
        if (text.size() <= std::size_t(decimals))
            text.insert(0, std::size_t(decimals) + 1 - text.size(), '0');
        text.insert(text.size() - std::size_t(decimals), separator);
    }
    return (sgn(q) < 0 ? std::string(kMinus) : std::string()) + text;
}

/// A value that rounds to 0 at two places but is not 0, with three
/// significant digits: "3,14E-13", "0,00314", "−2,5E-301".
std::string smallText(double value, std::string_view separator) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.2e", value);
    std::string text = decimal::number(std::strtod(digits, nullptr), separator);
    if (!text.empty() && text[0] == '-') text.replace(0, 1, kMinus);
    return text;
}

} // namespace

std::string text(const Number& n, std::string_view separator) {
    if (n.isApproximate()) return "\u2248 " + decimalText(n, separator);
    return linearText(value(n), separator);
}

Number roundedDecimal(const Number& n, int decimals) {
    if (n.isApproximate() || std::fabs(n.toDouble()) > 1e15) {
        Number out;
        std::string digits = decimal::roundedDigits(n.toDouble(), decimals);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (negative) digits.erase(0, 1);
        Number::fromDecimal(digits, out);
        return negative ? -out : out;
    }
    const mpz_class scale = powerOfTen(decimals);
    if (n.isRational()) return Number::fraction(terms::nearestInteger(n.rational() * scale), scale);
    // An irrational value is never a half: its double decides the rounding
    // unless it lies too near one for its error bound.
    const double d = n.toDouble() * scale.get_d();
    const double below = std::floor(d);
    if (std::fabs(d) < 1e6 && std::fabs(d - below - 0.5) > 1e-6)
        return Number::fraction(mpz_class(d - below > 0.5 ? below + 1 : below), scale);
    return Number::fraction(nearest(n * Number(scale)), scale);
}

std::string decimalText(const Number& n, std::string_view separator) {
    const Number r = isFiniteDecimal(n) ? n : roundedDecimal(n, 2);
    if (r.isZero() && !n.isZero()) return smallText(n.toDouble(), separator);
    return writeDecimal(r.rational(), separator);
}

} // namespace exact
