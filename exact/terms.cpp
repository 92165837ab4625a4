#include "terms.h"

#include "budget.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>

namespace exact::terms {

namespace {

constexpr std::size_t kMaxConjugates = 64;
/// The precision past which a sign is not sought by sums any more.
constexpr mp_bitcnt_t kMaxPrecision = mp_bitcnt_t(1) << 16;
/// Lists this short are compared through squares before any sum at a higher
/// precision: a few products of rationals settle them exactly.
constexpr std::size_t kShortList = 4;
/// Trial divisors up to 10^4 settle every radicand up to 10^12 (its cube root).
constexpr std::uint64_t kTrialLimit = 10000;

// --- the work budget's units

std::uint64_t words(const mpq_class& q) {
    return mpz_size(q.get_num_mpz_t()) + mpz_size(q.get_den_mpz_t());
}

template <typename List>
std::uint64_t wordsOf(const List& t) {
    std::uint64_t w = 0;
    for (const auto& term : t)
        w += words(term.coefficient);
    return w;
}

/// Every coefficient of `a` times every one of `b`, each product with its
/// common factors taken out.
template <typename List>
bool chargeProducts(const List& a, const List& b) {
    return WorkBudget::spend(500 * a.size() * b.size() + 12 * wordsOf(a) * wordsOf(b));
}

/// Sums and square roots of `n` terms at `precision` bits.
bool chargeSums(std::size_t n, mp_bitcnt_t precision) {
    const std::uint64_t w = precision / 64 + 1;
    return WorkBudget::spend(n * (300 + 4 * w * w));
}

// --- radicands of 64 bits and of any size

mpz_class big(std::uint64_t r) {
    return bigInteger(r);
}
const mpz_class& big(const mpz_class& r) {
    return r;
}

bool divides(std::uint64_t g, std::uint64_t r) {
    return r % g == 0;
}
bool divides(const mpz_class& g, const mpz_class& r) {
    return mpz_divisible_p(r.get_mpz_t(), g.get_mpz_t()) != 0;
}

std::uint64_t commonFactor(std::uint64_t a, std::uint64_t b) {
    return std::gcd(a, b);
}
mpz_class commonFactor(const mpz_class& a, const mpz_class& b) {
    return gcd(a, b);
}

/// √r as a mantissa and a power of two.
double rootOf(std::uint64_t r, long& exponent) {
    int e = 0;
    const double m = std::frexp(std::sqrt(double(r)), &e);
    exponent = e;
    return m;
}
double rootOf(const mpz_class& r, long& exponent) {
    long e = 0;
    double m = mpz_get_d_2exp(&e, r.get_mpz_t());
    if (e % 2 != 0) {
        m *= 2;
        --e;
    }
    exponent = e / 2;
    return std::sqrt(m);
}

/// √a·√b = factor·√radicand, or false when the radicand passes `max`.
bool multiplyRoots(std::uint64_t a, std::uint64_t b, std::uint64_t max, std::uint64_t& radicand,
                   std::uint64_t& factor) {
    factor = std::gcd(a, b);
    const std::uint64_t x = a / factor, y = b / factor;
    if (x > max / y) return false;
    radicand = x * y;
    return radicand <= max;
}

/// √a·√b = factor·√radicand: a = f·a', b = f·b' square-free, so a'·b' is too.
bool multiplyRoots(const mpz_class& a, const mpz_class& b, mpz_class& radicand, mpz_class& factor) {
    factor = gcd(a, b);
    radicand = (a / factor) * (b / factor);
    return true;
}

mpq_class times(const mpq_class& q, std::uint64_t factor) {
    return factor == 1 ? q : mpq_class(q * big(factor));
}
mpq_class times(const mpq_class& q, const mpz_class& factor) {
    return factor == 1 ? q : mpq_class(q * factor);
}

template <typename List>
bool isRational(const List& t) {
    return t.empty() || (t.size() == 1 && t[0].radicand == 1);
}

// --- lists of either kind

template <typename List>
void normaliseList(List& t) {
    std::sort(t.begin(), t.end(),
              [](const auto& a, const auto& b) { return a.radicand < b.radicand; });
    List merged;
    merged.reserve(t.size());
    for (auto& term : t) {
        if (!merged.empty() && merged.back().radicand == term.radicand)
            merged.back().coefficient += term.coefficient;
        else
            merged.push_back(std::move(term));
    }
    std::erase_if(merged, [](const auto& term) { return sgn(term.coefficient) == 0; });
    t = std::move(merged);
}

template <typename List>
List addLists(const List& a, const List& b) {
    WorkBudget::spend(300 * (a.size() + b.size()) + 8 * (wordsOf(a) + wordsOf(b)));
    List sum;
    sum.reserve(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(sum),
               [](const auto& x, const auto& y) { return x.radicand < y.radicand; });
    normaliseList(sum);
    return sum;
}

template <typename List>
List negateList(List t) {
    for (auto& term : t)
        term.coefficient = -term.coefficient;
    return t;
}

/// The product of two lists, with `roots` multiplying two radicands (false
/// when the product passes a limit).
template <typename List, typename Roots>
std::optional<List> multiplyLists(const List& a, const List& b, Roots roots) {
    if (!chargeProducts(a, b)) return std::nullopt;
    List product;
    product.reserve(a.size() * b.size());
    for (const auto& x : a)
        for (const auto& y : b) {
            typename List::value_type term;
            decltype(term.radicand) factor;
            if (!roots(x.radicand, y.radicand, term.radicand, factor)) return std::nullopt;
            term.coefficient = times(x.coefficient * y.coefficient, factor);
            product.push_back(std::move(term));
        }
    normaliseList(product);
    return product;
}

/// A radicand g > 1 such that every radicand of `t` is a multiple of g or
/// prime to it: the conjugation that changes the sign of √g, and of every
/// root that holds it, is then an automorphism of the field.
template <typename List>
auto generator(const List& t) {
    decltype(t.front().radicand) g = 0;
    for (const auto& term : t)
        if (term.radicand > 1) {
            g = term.radicand;
            break;
        }
    for (bool refined = g != 0; refined;) {
        refined = false;
        for (const auto& term : t) {
            const auto common = commonFactor(g, term.radicand);
            if (common != 1 && common != g) {
                g = common;
                refined = true;
            }
        }
    }
    return g;
}

/// The conjugate that changes the sign of every root holding g.
template <typename List, typename Radicand>
List conjugate(List t, const Radicand& g) {
    for (auto& term : t)
        if (divides(g, term.radicand)) term.coefficient = -term.coefficient;
    return t;
}

/// The reciprocal by successive conjugates; `fits` says whether a numerator
/// or a denominator may be kept.
template <typename List, typename Multiply, typename Fits>
std::optional<List> inverseList(List denominator, Multiply multiply, Fits fits) {
    List numerator(1);
    numerator[0].coefficient = 1;
    for (std::size_t round = 0; !isRational(denominator); ++round) {
        if (round == kMaxConjugates || !fits(denominator)) return std::nullopt;
        const List conj = conjugate(denominator, generator(denominator));
        auto n = multiply(numerator, conj);
        if (!n || !fits(*n)) return std::nullopt;
        auto d = multiply(denominator, conj);
        if (!d) return std::nullopt;
        numerator = std::move(*n);
        denominator = std::move(*d);
    }
    const mpq_class q = denominator.at(0).coefficient;
    for (auto& term : numerator)
        term.coefficient /= q;
    return numerator;
}

// --- the sign

/// Each term as a mantissa and a power of two, summed at the largest
/// term's scale: the sign when the rounding errors cannot reach it, else 0.
template <typename List>
int signInDoubles(const List& t) {
    std::vector<std::pair<double, long>> scaled;
    scaled.reserve(t.size());
    long top = LONG_MIN;
    for (const auto& term : t) {
        long en = 0, ed = 0, er = 0;
        const double n = mpz_get_d_2exp(&en, term.coefficient.get_num_mpz_t());
        const double d = mpz_get_d_2exp(&ed, term.coefficient.get_den_mpz_t());
        const double r = rootOf(term.radicand, er);
        const double m = n / d * r;
        const long e = en - ed + er;
        scaled.emplace_back(m, e);
        top = std::max(top, e);
    }
    double sum = 0, magnitude = 0;
    for (const auto& [m, e] : scaled) {
        const double v = std::ldexp(m, int(std::max(e - top, -2000L)));
        sum += v;
        magnitude += std::fabs(v);
    }
    // Each term within 8 roundings, each sum within one more; a term far
    // below the largest may vanish, by less than 2^-1000 of it.
    const double bound = magnitude * double(t.size() + 8) * 0x1p-50 + double(t.size()) * 0x1p-1000;
    if (std::fabs(sum) <= bound) return 0;
    return sum > 0 ? 1 : -1;
}

template <typename Radicand>
mpf_class rootAt(const Radicand& r, mp_bitcnt_t precision) {
    return sqrt(mpf_class(big(r), precision));
}

/// The sum at growing precision: each term's error is below its size times
/// 2^(4 - precision) and each addition's below the terms' total times
/// 2^(1 - precision), so a sum beyond the errors' total has its sign.
template <typename List>
std::optional<int> signAtPrecision(const List& t) {
    for (mp_bitcnt_t precision = 128; precision <= kMaxPrecision; precision *= 2) {
        if (!chargeSums(t.size(), precision)) return std::nullopt;
        mpf_class sum(0, precision);
        mpf_class magnitude(0, precision);
        for (const auto& term : t) {
            mpf_class v(term.coefficient, precision);
            v *= rootAt(term.radicand, precision);
            sum += v;
            magnitude += abs(v);
        }
        mpf_class bound(magnitude * double(t.size() + 8), precision);
        mpf_div_2exp(bound.get_mpf_t(), bound.get_mpf_t(), precision - 4);
        if (abs(sum) > bound) return sgn(sum);
    }
    return std::nullopt;
}

std::optional<int> exactSign(const WideList& t);

/// Doubles, then squares.
std::optional<int> signBySquares(const WideList& t) {
    if (t.empty()) return 0;
    if (t.size() == 1) return sgn(t[0].coefficient);
    if (const int s = signInDoubles(t)) return s;
    return exactSign(t);
}

/// The exact sign of a + b√g from the signs of a and b and of a² − g·b²,
/// in the field without √g; nothing when the budget is spent.
std::optional<int> exactSign(const WideList& t) {
    if (!WorkBudget::spend(200 * t.size())) return std::nullopt; // the splits count too
    const mpz_class g = generator(t);
    WideList a;
    WideList b;
    for (const WideTerm& term : t) {
        if (divides(g, term.radicand))
            b.push_back({term.coefficient, term.radicand / g});
        else
            a.push_back(term);
    }
    normaliseList(b);
    const std::optional<int> sa = signBySquares(a);
    const std::optional<int> sb = signBySquares(b);
    if (!sa || !sb) return std::nullopt;
    if (*sa == 0) return *sb; // b is not empty, so not zero
    if (*sa == *sb) return *sa;
    const auto a2 = multiply(a, a);
    auto b2 = multiply(b, b);
    if (!a2 || !b2) return std::nullopt;
    for (WideTerm& term : *b2)
        term.coefficient *= g;
    const std::optional<int> d = signBySquares(addLists(*a2, negateList(std::move(*b2))));
    if (!d) return std::nullopt;
    return *sa > 0 ? *d : -*d;
}

// --- doubles

double sumAtPrecision(const TermList& t, double magnitude) {
    for (mp_bitcnt_t precision = 192; precision <= kMaxPrecision; precision *= 2) {
        if (!chargeSums(t.size(), precision)) break;
        mpf_class sum(0, precision);
        for (const Term& term : t) {
            mpf_class v(term.coefficient, precision);
            v *= rootAt(term.radicand, precision);
            sum += v;
        }
        const double value = sum.get_d();
        if (std::fabs(value) > magnitude * std::ldexp(1.0, 64 - int(precision))) return value;
    }
    return 0.0;
}

double plainSum(const TermList& t, double* magnitude = nullptr) {
    double sum = 0, size = 0;
    for (const Term& term : t) {
        // mpq_get_d truncates: within the error bound the callers allow.
        const double v = mpq_get_d(term.coefficient.get_mpq_t()) * std::sqrt(double(term.radicand));
        sum += v;
        size += std::fabs(v);
    }
    if (magnitude) *magnitude = size;
    return sum;
}

} // namespace

void normalise(TermList& t) {
    normaliseList(t);
}

void normalise(WideList& t) {
    normaliseList(t);
}

TermList add(const TermList& a, const TermList& b) {
    return addLists(a, b);
}

WideList add(const WideList& a, const WideList& b) {
    return addLists(a, b);
}

TermList negate(TermList t) {
    return negateList(std::move(t));
}

WideList negate(WideList t) {
    return negateList(std::move(t));
}

std::optional<TermList> multiply(const TermList& a, const TermList& b, std::uint64_t maxRadicand) {
    return multiplyLists(a, b,
                         [maxRadicand](std::uint64_t x, std::uint64_t y, std::uint64_t& radicand,
                                       std::uint64_t& factor) {
                             return multiplyRoots(x, y, maxRadicand, radicand, factor);
                         });
}

std::optional<WideList> multiply(const WideList& a, const WideList& b) {
    return multiplyLists(a, b,
                         [](const mpz_class& x, const mpz_class& y, mpz_class& radicand,
                            mpz_class& factor) { return multiplyRoots(x, y, radicand, factor); });
}

std::optional<TermList> inverse(TermList denominator, std::uint64_t maxRadicand) {
    const auto fits = [](const TermList& t) {
        return t.size() <= limits::kMaxTerms &&
               std::all_of(t.begin(), t.end(), [](const Term& term) {
                   return mpz_sizeinbase(term.coefficient.get_num_mpz_t(), 2) +
                              mpz_sizeinbase(term.coefficient.get_den_mpz_t(), 2) <=
                          2 * limits::kMaxBits;
               });
    };
    return inverseList(
        std::move(denominator),
        [maxRadicand](const TermList& a, const TermList& b) { return multiply(a, b, maxRadicand); },
        fits);
}

std::optional<WideList> inverse(WideList denominator) {
    return inverseList(
        std::move(denominator), [](const WideList& a, const WideList& b) { return multiply(a, b); },
        [](const WideList&) { return true; });
}

WideList widen(const TermList& t) {
    WideList wide;
    wide.reserve(t.size());
    for (const Term& term : t)
        wide.push_back({term.coefficient, big(term.radicand)});
    return wide;
}

std::optional<int> sign(const TermList& t) {
    if (t.empty()) return 0;
    if (t.size() == 1) return sgn(t[0].coefficient);
    if (const int s = signInDoubles(t)) return s;
    return sign(widen(t));
}

std::optional<int> sign(const WideList& t) {
    if (t.empty()) return 0;
    if (t.size() == 1) return sgn(t[0].coefficient);
    if (const int s = signInDoubles(t)) return s;
    if (t.size() <= kShortList) return exactSign(t);
    if (const std::optional<int> s = signAtPrecision(t)) return s;
    return exactSign(t);
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
    const auto drop = long(mpz_sizeinbase(quotient.get_mpz_t(), 2)) - 53; // 2 or 3
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
    double magnitude = 0;
    const double sum = plainSum(t, &magnitude);
    if (std::isfinite(magnitude) && std::fabs(sum) > magnitude * 0x1p-10) return sum;
    const double precise = sumAtPrecision(t, magnitude);
    return precise != 0.0 ? precise : sum;
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
    // The divisors stay below 10^4: they fit an unsigned long on every platform.
    const auto take = [&](std::uint64_t d) {
        const auto divisor = static_cast<unsigned long>(d);
        if (!mpz_divisible_ui_p(m.get_mpz_t(), divisor)) return false;
        const mp_bitcnt_t k =
            mpz_remove(m.get_mpz_t(), m.get_mpz_t(), mpz_class(divisor).get_mpz_t());
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), divisor, k / 2);
        s *= power;
        if (k % 2) free *= divisor;
        return true;
    };
    take(2);
    // Past the cube root of what is left, at most two prime factors remain:
    // m is then a prime, a product of two primes, or a square.
    std::uint64_t small = 0;
    bool fits = fitsIn64Bits(m, small);
    std::uint64_t d = 3;
    for (; d <= kTrialLimit && (!fits || small >= d * d * d); d += 2)
        if (take(d)) fits = fitsIn64Bits(m, small);
    WorkBudget::spend(10 * d);
    const bool complete = fits && small < d * d * d;
    if (mpz_perfect_square_p(m.get_mpz_t()))
        s *= sqrt(m);
    else if (!complete)
        return false; // a large square factor may hide in m
    else
        free *= m;
    return fitsIn64Bits(free, f) && f <= limits::kMaxRadicand;
}

} // namespace exact::terms
