#include "terms.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace exact::terms {

namespace {

using u128 = unsigned __int128;

/// The largest radicand the sign decision works with before it falls back
/// to numbers of growing precision.
constexpr std::uint64_t kSignRadicand = std::uint64_t(1) << 62;
constexpr std::size_t kMaxConjugates = 64;
/// Trial divisors up to 10^4 settle every radicand up to 10^12 (its cube root).
constexpr unsigned long kTrialLimit = 10000;

bool byRadicand(const Term& a, const Term& b) {
    return a.radicand < b.radicand;
}

/// √a·√b = factor·√radicand, or false when the radicand passes `max`.
bool multiplyRoots(std::uint64_t a, std::uint64_t b, std::uint64_t max, std::uint64_t& radicand,
                   std::uint64_t& factor) {
    factor = std::gcd(a, b);
    const u128 product = u128(a / factor) * u128(b / factor);
    if (product > max) return false;
    radicand = static_cast<std::uint64_t>(product);
    return true;
}

mpq_class times(const mpq_class& q, std::uint64_t factor) {
    return factor == 1 ? q : mpq_class(q * mpz_class(static_cast<unsigned long>(factor)));
}

/// The conjugate that changes the sign of every root holding g.
TermList conjugate(TermList t, std::uint64_t g) {
    for (Term& term : t)
        if (term.radicand % g == 0) term.coefficient = -term.coefficient;
    return t;
}

bool isRational(const TermList& t) {
    return t.empty() || (t.size() == 1 && t[0].radicand == 1);
}

// --- the sign

struct Estimate {
    double sum = 0;
    double magnitude = 0; ///< the sum of the terms' absolute values
};

Estimate estimate(const TermList& t) {
    Estimate e;
    for (const Term& term : t) {
        // mpq_get_d truncates: within the error bound the callers allow.
        const double v = mpq_get_d(term.coefficient.get_mpq_t()) * std::sqrt(double(term.radicand));
        e.sum += v;
        e.magnitude += std::fabs(v);
    }
    return e;
}

/// The sign from doubles when the rounding errors cannot reach it, else 0.
int signInDoubles(const TermList& t) {
    const Estimate e = estimate(t);
    if (!std::isfinite(e.magnitude) || e.magnitude < 1e-290) return 0;
    const double bound = e.magnitude * double(t.size() + 2) * 0x1p-50;
    if (std::fabs(e.sum) <= bound) return 0;
    return e.sum > 0 ? 1 : -1;
}

/// The sign at growing precision: each term's error is below its size
/// times 2^(8 - precision), so a sum beyond the errors' total has its sign.
int signAtPrecision(const TermList& t) {
    for (mp_bitcnt_t precision = 256; precision <= (1u << 20); precision *= 2) {
        mpf_class sum(0, precision);
        mpf_class magnitude(0, precision);
        for (const Term& term : t) {
            mpf_class v(term.coefficient, precision);
            v *= sqrt(mpf_class(static_cast<unsigned long>(term.radicand), precision));
            sum += v;
            magnitude += abs(v);
        }
        mpf_class bound(magnitude, precision);
        mpf_div_2exp(bound.get_mpf_t(), bound.get_mpf_t(), precision - 8 - t.size());
        if (abs(sum) > bound) return sgn(sum);
    }
    return 0; // beyond any value the program can hold
}

/// The exact sign of a + b√g from the signs of a and b and of a² − g·b²,
/// in the field without √g; nothing when a radicand grows too large.
std::optional<int> exactSign(const TermList& t) {
    if (t.empty()) return 0;
    if (t.size() == 1) return sgn(t[0].coefficient);
    const std::uint64_t g = generator(t);
    TermList a;
    TermList b;
    for (const Term& term : t) {
        if (term.radicand % g == 0)
            b.push_back({term.coefficient, term.radicand / g});
        else
            a.push_back(term);
    }
    normalise(b);
    const std::optional<int> sa = exactSign(a);
    const std::optional<int> sb = exactSign(b);
    if (!sa || !sb) return std::nullopt;
    if (*sa == 0) return *sb; // b is not empty, so not zero
    if (*sa == *sb) return *sa;
    const auto a2 = multiply(a, a, kSignRadicand);
    auto b2 = multiply(b, b, kSignRadicand);
    if (!a2 || !b2) return std::nullopt;
    for (Term& term : *b2)
        term.coefficient = times(term.coefficient, g);
    const std::optional<int> d = exactSign(add(*a2, negate(std::move(*b2))));
    if (!d) return std::nullopt;
    return *sa > 0 ? *d : -*d;
}

// --- doubles

double sumAtPrecision(const TermList& t, double magnitude) {
    for (mp_bitcnt_t precision = 192; precision <= (1u << 16); precision *= 2) {
        mpf_class sum(0, precision);
        for (const Term& term : t) {
            mpf_class v(term.coefficient, precision);
            v *= sqrt(mpf_class(static_cast<unsigned long>(term.radicand), precision));
            sum += v;
        }
        const double value = sum.get_d();
        if (std::fabs(value) > magnitude * std::ldexp(1.0, 64 - int(precision))) return value;
    }
    return 0.0;
}

} // namespace

void normalise(TermList& t) {
    std::sort(t.begin(), t.end(), byRadicand);
    TermList merged;
    merged.reserve(t.size());
    for (Term& term : t) {
        if (!merged.empty() && merged.back().radicand == term.radicand)
            merged.back().coefficient += term.coefficient;
        else
            merged.push_back(std::move(term));
    }
    std::erase_if(merged, [](const Term& term) { return sgn(term.coefficient) == 0; });
    t = std::move(merged);
}

TermList add(const TermList& a, const TermList& b) {
    TermList sum;
    sum.reserve(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(sum), byRadicand);
    normalise(sum);
    return sum;
}

TermList negate(TermList t) {
    for (Term& term : t)
        term.coefficient = -term.coefficient;
    return t;
}

std::optional<TermList> multiply(const TermList& a, const TermList& b, std::uint64_t maxRadicand) {
    TermList product;
    product.reserve(a.size() * b.size());
    for (const Term& x : a)
        for (const Term& y : b) {
            std::uint64_t radicand = 1;
            std::uint64_t factor = 1;
            if (!multiplyRoots(x.radicand, y.radicand, maxRadicand, radicand, factor))
                return std::nullopt;
            product.push_back({times(x.coefficient * y.coefficient, factor), radicand});
        }
    normalise(product);
    return product;
}

std::uint64_t generator(const TermList& t) {
    std::uint64_t g = 0;
    for (const Term& term : t)
        if (term.radicand > 1) {
            g = term.radicand;
            break;
        }
    for (bool refined = g != 0; refined;) {
        refined = false;
        for (const Term& term : t) {
            const std::uint64_t common = std::gcd(g, term.radicand);
            if (common != 1 && common != g) {
                g = common;
                refined = true;
            }
        }
    }
    return g;
}

std::optional<TermList> inverse(TermList denominator, std::uint64_t maxRadicand) {
    TermList numerator{{mpq_class(1), 1}};
    for (std::size_t round = 0; !isRational(denominator); ++round) {
        if (round == kMaxConjugates || denominator.size() > limits::kMaxTerms) return std::nullopt;
        const TermList conj = conjugate(denominator, generator(denominator));
        auto n = multiply(numerator, conj, maxRadicand);
        auto d = multiply(denominator, conj, maxRadicand);
        if (!n || !d || n->size() > limits::kMaxTerms) return std::nullopt;
        numerator = std::move(*n);
        denominator = std::move(*d);
    }
    const mpq_class q = denominator.at(0).coefficient;
    for (Term& term : numerator)
        term.coefficient /= q;
    return numerator;
}

int sign(const TermList& t) {
    if (t.empty()) return 0;
    if (t.size() == 1) return sgn(t[0].coefficient);
    if (const int s = signInDoubles(t)) return s;
    if (const std::optional<int> s = exactSign(t)) return *s;
    return signAtPrecision(t);
}

double toDouble(const mpq_class& q) {
    if (sgn(q) == 0) return 0.0;
    // Both within 53 bits: one correctly rounded division of exact doubles.
    if (mpz_sizeinbase(q.get_num_mpz_t(), 2) <= 53 && mpz_sizeinbase(q.get_den_mpz_t(), 2) <= 53)
        return q.get_num().get_d() / q.get_den().get_d();
    const mpz_class num = abs(q.get_num());
    const mpz_class& den = q.get_den();
    const long e =
        long(mpz_sizeinbase(num.get_mpz_t(), 2)) - long(mpz_sizeinbase(den.get_mpz_t(), 2));
    const long shift = 55 - e; // a quotient of 55 or 56 bits
    mpz_class n = num;
    mpz_class d = den;
    if (shift > 0)
        mpz_mul_2exp(n.get_mpz_t(), n.get_mpz_t(), mp_bitcnt_t(shift));
    else
        mpz_mul_2exp(d.get_mpz_t(), d.get_mpz_t(), mp_bitcnt_t(-shift));
    mpz_class quotient;
    mpz_class remainder;
    mpz_tdiv_qr(quotient.get_mpz_t(), remainder.get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
    const auto drop = long(mpz_sizeinbase(quotient.get_mpz_t(), 2)) - 53;
    const unsigned long low = mpz_fdiv_ui(quotient.get_mpz_t(), 1ul << drop);
    const unsigned long half = 1ul << (drop - 1);
    mpz_fdiv_q_2exp(quotient.get_mpz_t(), quotient.get_mpz_t(), mp_bitcnt_t(drop));
    const bool odd = mpz_odd_p(quotient.get_mpz_t()) != 0;
    if (low > half || (low == half && (sgn(remainder) != 0 || odd))) ++quotient;
    const double magnitude =
        std::ldexp(quotient.get_d(), int(std::clamp(drop - shift, -4000l, 4000l)));
    return sgn(q) < 0 ? -magnitude : magnitude;
}

double toDouble(const TermList& t) {
    if (isRational(t)) return t.empty() ? 0.0 : toDouble(t[0].coefficient);
    const Estimate e = estimate(t);
    if (std::isfinite(e.magnitude) && std::fabs(e.sum) > e.magnitude * 0x1p-10) return e.sum;
    return sumAtPrecision(t, e.magnitude);
}

mpz_class nearestInteger(const mpq_class& q) {
    mpz_class floor;
    mpz_class remainder;
    mpz_fdiv_qr(floor.get_mpz_t(), remainder.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
    const int half = cmp(mpz_class(2 * remainder), q.get_den());
    if (half > 0 || (half == 0 && mpz_odd_p(floor.get_mpz_t()))) ++floor;
    return floor;
}

bool splitSquare(const mpz_class& n, mpz_class& s, std::uint64_t& f) {
    s = 1;
    f = 1;
    if (mpz_perfect_square_p(n.get_mpz_t())) {
        s = sqrt(n);
        return true;
    }
    mpz_class m = n;
    mpz_class free = 1;
    const auto take = [&](unsigned long d) {
        if (!mpz_divisible_ui_p(m.get_mpz_t(), d)) return;
        mpz_class power;
        const mp_bitcnt_t k = mpz_remove(m.get_mpz_t(), m.get_mpz_t(), mpz_class(d).get_mpz_t());
        mpz_ui_pow_ui(power.get_mpz_t(), d, k / 2);
        s *= power;
        if (k % 2) free *= d;
    };
    take(2);
    // Past the cube root of what is left, at most two prime factors remain:
    // m is then a prime, a product of two primes, or a square.
    unsigned long d = 3;
    for (; d <= kTrialLimit && mpz_cmp_ui(m.get_mpz_t(), d * d * d) >= 0; d += 2)
        take(d);
    const bool complete = mpz_cmp_ui(m.get_mpz_t(), d * d * d) < 0;
    if (mpz_perfect_square_p(m.get_mpz_t()))
        s *= sqrt(m);
    else if (!complete)
        return false; // a large square factor may hide in m
    else
        free *= m;
    if (free > mpz_class(static_cast<unsigned long>(limits::kMaxRadicand))) return false;
    f = free.get_ui();
    return true;
}

} // namespace exact::terms
