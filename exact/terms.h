#pragma once

// The arithmetic of term lists q0 + q1·√n1 + …, below Number and below the
// decisions on exact values: no limits are applied here except the largest
// radicand a caller allows, and the thread's work budget (WorkBudget), which
// the operations that can fail charge.

#include "number.h"

#include <optional>

namespace exact::terms {

/// A Number's terms: radicands of 64 bits.
using TermList = std::vector<Term>;
/// Terms with radicands of any size, for decisions: the products of a
/// verdict's values are kept whole, however large their radicands grow.
using WideTerm = BasicTerm<mpz_class>;
using WideList = std::vector<WideTerm>;

/// Sorts by radicand, merges equal radicands and drops zero coefficients.
void normalise(TermList& t);
void normalise(WideList& t);

TermList add(const TermList& a, const TermList& b);
WideList add(const WideList& a, const WideList& b);
TermList negate(TermList t);
WideList negate(WideList t);

/// The product, or nothing when a radicand would pass `maxRadicand` or the
/// work budget is spent.
std::optional<TermList> multiply(const TermList& a, const TermList& b, std::uint64_t maxRadicand);
/// The product, or nothing when the work budget is spent.
std::optional<WideList> multiply(const WideList& a, const WideList& b);
/// The reciprocal of a non-zero list, rationalised by successive conjugates;
/// nothing when a radicand, the number of terms or a coefficient would pass
/// the limits, or the work budget is spent.
std::optional<TermList> inverse(TermList denominator, std::uint64_t maxRadicand);
/// The reciprocal without the size limits; nothing when the budget is spent.
std::optional<WideList> inverse(WideList denominator);

/// The same terms with radicands of any size.
WideList widen(const TermList& t);

/// -1, 0 or 1. Zero is structural (an empty list); any other sign is
/// settled by doubles when their error bound allows, then by sums at a
/// growing precision, then by comparing squares in smaller and smaller
/// fields. Nothing when none of them settles it within the work budget.
std::optional<int> sign(const TermList& t);
std::optional<int> sign(const WideList& t);

/// The nearest double to a rational, ties to even (infinite when too large).
double toDouble(const mpq_class& q);
/// The value of a list as a double, precise even when its terms nearly
/// cancel (within the work budget; past it, the plain sum of the terms).
double toDouble(const TermList& t);

/// The integer nearest to a rational, an exact half going to the even one.
mpz_class nearestInteger(const mpq_class& q);

/// n = s²·f with f square-free and at most kMaxRadicand; false when f would
/// be larger (the square root is then not kept exact).
bool splitSquare(const mpz_class& n, mpz_class& s, std::uint64_t& f);

} // namespace exact::terms
