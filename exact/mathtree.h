#pragma once

#include "number.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace exact {

/// The sign before a term of a sum.
enum class Sign : std::uint8_t { Plus, Minus, PlusMinus };

/// How a factor of a product joins the one before it.
enum class Joint : std::uint8_t {
    Touch, ///< side by side: 2x, 3√2
    Times, ///< with a times sign: 2 × 3, 3 × (−2)
    Apart  ///< side by side with a thin space: √2 x, a_r b_s (decided by the writing, writing.h)
};

/// The relation between two members of a chain.
enum class Rel : std::uint8_t {
    Equal,
    Approx,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Equivalent ///< between two equations: ⇔
};

/// A piece of mathematics as a tree: what a worked solution writes. The
/// tree is read three ways (typeset, as linear text, aloud) and evaluated
/// numerically; none of these readings is built from another's output.
///
/// The builders below put in the parentheses that mathematics needs in any
/// notation ((−8) as a later term, (x + 2)², (1 + √2)x) as Parens nodes;
/// a reading adds only those its own notation needs (the linear text's
/// (3/4)x and √(x + 1)).
class Math {
public:
    enum class Kind : std::uint8_t {
        Number,   ///< number(): in normal form, or as a decimal when isDecimal()
        Numeral,  ///< text(): a decimal written by its digits, as typed ("0.25", "-1.5")
        Symbol,   ///< text() with an optional subscript(): x_A, m, r
        Vector,   ///< text() under one arrow: AB⃗, u⃗
        Sum,      ///< children() as terms, each after signAt(i); a first Plus is not written
        Product,  ///< factors joined as jointBefore(i) says
        Fraction, ///< children()[0] over children()[1], stacked
        Power,    ///< children()[0] raised to children()[1]
        Root,     ///< the square root of children()[0]
        Abs,      ///< |children()[0]|
        Parens,   ///< (children()[0])
        Function, ///< text() and its arguments in parentheses: d(A, B)
        Point,    ///< text() (a name, or nothing) and (x , y)
        Chain,    ///< members with relationAt(i) before member i (i ≥ 1)
        System,   ///< equations one under the other, held by a left brace
        Words,    ///< text() in words
        Row       ///< children side by side: a sentence of words and mathematics
    };

    /// An empty row.
    Math();

    Kind kind() const;
    const Number& number() const;
    bool isDecimal() const;
    const std::string& text() const;
    const std::string& subscript() const;
    const std::vector<Math>& children() const;
    Sign signAt(std::size_t i) const;
    Rel relationAt(std::size_t i) const;
    Joint jointBefore(std::size_t i) const;
    bool timesBefore(std::size_t i) const { return jointBefore(i) == Joint::Times; }

    struct Node;
    explicit Math(std::shared_ptr<const Node> node);
    const Node* node() const { return m_node.get(); }

private:
    std::shared_ptr<const Node> m_node;
};

struct Math::Node {
    Kind kind = Kind::Row;
    bool decimal = false;
    Number number;
    std::string text;
    std::string subscript;
    std::vector<Math> children;
    std::string marks; ///< Sign, Rel or Joint, one byte per child (short: no allocation)
};

// --- building trees

/// A value in normal form (2√58, (1 + √2)/2, −3/4; an approximate value as
/// its decimal rounded to 2 places).
Math value(Number n);
/// A value written as a decimal rounded to 2 places ("15,23").
Math decimalValue(const Number& n);
/// A decimal written by its digits, '.' as its point and '-' as its sign
/// ("0.25"): a value as the pupil typed it. The readings write the
/// regional separator and a true minus sign.
Math numeral(std::string digits);
/// x_A: a name and an optional subscript.
Math symbol(std::string name, std::string subscript = {});
/// A vector by its name, one arrow over the whole name: AB⃗, u⃗.
Math vector(std::string name);
/// Equations one under the other, held by a left brace: a system.
Math system(std::vector<Math> equations);
Math words(std::string text);
Math row(std::vector<Math> parts);

struct SignedTerm {
    Sign sign;
    Math term;
};
Math sum(std::vector<SignedTerm> terms);
Math plus(const Math& a, const Math& b);
Math minus(const Math& a, const Math& b);
Math negative(const Math& a);
/// Factors side by side; a times sign before a factor that starts with a
/// digit, is a fraction or a number in parentheses (2 × 3, 3 × (−2), but
/// 2√3 and 2x).
Math product(std::vector<Math> factors);
Math fraction(const Math& numerator, const Math& denominator);
Math power(const Math& base, const Math& exponent);
Math squared(const Math& base);
Math root(const Math& radicand);
Math absolute(const Math& x);
Math parens(const Math& x);
Math function(std::string name, std::vector<Math> arguments);
Math point(const Math& x, const Math& y, std::string name = {});

/// a·x + b·y + … + c with the coefficients' signs as true minus signs, 1 and
/// −1 not written and zero terms left out ("3x − 4y + 5"); "0" when all are zero.
Math linearCombination(const std::vector<std::pair<Number, Math>>& terms, const Number& constant);

/// A constant as terms of a sum: its sign and magnitude (+ 3/4, − 2√3), or
/// the terms of its normal form when that is a sum (3 − √2 is + 3 − √2).
void addConstantTerms(std::vector<SignedTerm>& terms, const Number& c);

/// The tree of a value's normal form, from natural integers, roots, sums and
/// fractions: what a typesetter draws for an exact value that is not a
/// natural integer.
Math numberTree(const Number& n);

/// The members of a chain: a = b = c ≈ d. A member written as the one
/// before it is left out (= 3/2 = 3/2 is = 3/2), but for an equality
/// between the first two (0 = 0).
class Chain {
public:
    explicit Chain(Math first);
    Chain& then(Rel relation, Math member);
    Chain& equals(Math member) { return then(Rel::Equal, std::move(member)); }
    /// Ends on a final value: "= 2√58 ≈ 15,23", "= 3/2 = 1,5", "= 14" (an
    /// approximate value: "≈ 3,14").
    Chain& endsWith(const Number& value);
    /// The same for a point, coordinate by coordinate.
    Chain& endsWithPoint(const Number& x, const Number& y, const std::string& name = {});
    /// Only the decimal of a value just written, when it needs one:
    /// "≈ 15,23" after 2√58, "= 1,5" after 3/2, nothing after 14.
    Chain& decimalOf(const Number& value);
    /// The same for a point.
    Chain& decimalsOfPoint(const Number& x, const Number& y, const std::string& name = {});
    Math math() const;
    operator Math() const { return math(); } // NOLINT(google-explicit-constructor)

private:
    std::vector<Math> m_members;
    std::vector<Rel> m_relations;
};

/// lhs = rhs.
Math equation(Math lhs, Math rhs);

/// Whether two trees are the same mathematics written the same way: the
/// same kinds, values, names and marks, node by node.
bool sameTree(const Math& a, const Math& b);

/// Whether a value needs the decimal beside it: not an integer and not a
/// decimal with at most two places (2√58, 1/3, 1/8); approximate values too.
bool needsDecimal(const Number& n);

/// Whether the tree's first written character is a sign (−8, −x + 1, −3/4).
bool startsWithSign(const Math& m);

} // namespace exact
