#pragma once

// The arithmetic of term lists q0 + q1·√n1 + …, below Number: no limits are
// applied here except the largest radicand a caller allows.

#include "number.h"

#include <optional>

namespace exact::terms {

using TermList = std::vector<Term>;

/// Sorts by radicand, merges equal radicands and drops zero coefficients.
void normalise(TermList& t);

TermList add(const TermList& a, const TermList& b);
TermList negate(TermList t);
/// The product, or nothing when a radicand would pass `maxRadicand`.
std::optional<TermList> multiply(const TermList& a, const TermList& b, std::uint64_t maxRadicand);
/// The reciprocal of a non-zero list, rationalised by successive conjugates;
/// nothing when a radicand or the number of terms would pass the limits.
std::optional<TermList> inverse(TermList denominator, std::uint64_t maxRadicand);

/// A radicand g > 1 such that every radicand of `t` is a multiple of g or
/// prime to it: the conjugation that changes the sign of √g, and of every
/// root that holds it, is then an automorphism of the field. 0 when `t` has
/// no radicals.
std::uint64_t generator(const TermList& t);

/// -1, 0 or 1: decided in doubles when their error bound allows, otherwise
/// by comparing squares in smaller and smaller fields.
int sign(const TermList& t);

/// The nearest double to a rational, ties to even (infinite when too large).
double toDouble(const mpq_class& q);
/// The value of a list as a double, precise even when its terms nearly cancel.
double toDouble(const TermList& t);

/// The integer nearest to a rational, an exact half going to the even one.
mpz_class nearestInteger(const mpq_class& q);

/// n = s²·f with f square-free and at most kMaxRadicand; false when f would
/// be larger (the square root is then not kept exact).
bool splitSquare(const mpz_class& n, mpz_class& s, std::uint64_t& f);

} // namespace exact::terms
