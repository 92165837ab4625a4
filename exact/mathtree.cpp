#include "mathtree.h"

#include "numbertext.h"
#include "readings.h"

#include <algorithm>
#include <numeric>

namespace exact {

using Kind = Math::Kind;

namespace {

/// Allocates the tree's nodes (each with its reference count) from a free
/// list of this thread: a worked solution builds and drops hundreds of them,
/// and the general allocator would take a third of its time.
template <typename T>
struct NodeAllocator {
    using value_type = T;
    NodeAllocator() = default;
    template <typename U>
    NodeAllocator(const NodeAllocator<U>&) {} // NOLINT(google-explicit-constructor)

    /// The free nodes, given back to the general allocator when the thread ends.
    struct FreeList {
        void* head = nullptr;
        ~FreeList() {
            while (head != nullptr) {
                void* next = *static_cast<void**>(head);
                std::allocator<T>().deallocate(static_cast<T*>(head), 1);
                head = next;
            }
        }
    };
    static void*& freeList() {
        thread_local FreeList list;
        return list.head;
    }
    T* allocate(std::size_t n) {
        void*& head = freeList();
        if (n != 1 || head == nullptr) return std::allocator<T>().allocate(n);
        void* p = head;
        head = *static_cast<void**>(p);
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) {
        if (n != 1) return std::allocator<T>().deallocate(p, n);
        *reinterpret_cast<void**>(p) = freeList();
        freeList() = p;
    }
    friend bool operator==(const NodeAllocator&, const NodeAllocator&) { return true; }
};

Math make(Math::Node node) {
    return Math(
        std::allocate_shared<const Math::Node>(NodeAllocator<Math::Node>(), std::move(node)));
}

Math::Node node(Kind kind, std::vector<Math> children = {}, std::string text = {}) {
    Math::Node n;
    n.kind = kind;
    n.children = std::move(children);
    n.text = std::move(text);
    return n;
}

Math numberNode(Number value, bool decimal) {
    Math::Node n = node(Kind::Number);
    n.number = std::move(value);
    n.decimal = decimal;
    return make(std::move(n));
}

Math unary(Kind kind, const Math& child) {
    return make(node(kind, {child}));
}

bool isNaturalInteger(const Number& n) {
    return n.isInteger() && n.sign() >= 0;
}

/// A value written as several terms: (1 + √2) as a factor needs parentheses;
/// (1 + √2)/2 does not, its fraction bar groups it.
bool isSumShaped(const Math& m) {
    if (m.kind() == Kind::Sum) return m.children().size() > 1;
    if (m.kind() != Kind::Number || m.isDecimal() || m.number().terms().size() < 2) return false;
    const auto& terms = m.number().terms(); // over one denominator, unless all are whole
    return std::all_of(terms.begin(), terms.end(),
                       [](const Term& t) { return t.coefficient.get_den() == 1; });
}

/// Needs no parentheses as the base of a power.
bool isAtomicBase(const Math& m) {
    switch (m.kind()) {
    case Kind::Symbol:
    case Kind::Vector:
    case Kind::Parens:
    case Kind::Function:
    case Kind::Abs:
        return true;
    case Kind::Number:
        return !m.isDecimal() && isNaturalInteger(m.number());
    case Kind::Numeral:
        return m.text().empty() || m.text().front() != '-';
    default:
        return false;
    }
}

bool startsWithDigit(const Math& m) {
    switch (m.kind()) {
    case Kind::Number:
    case Kind::Numeral:
        return !startsWithSign(m);
    case Kind::Power:
    case Kind::Product:
        return startsWithDigit(m.children().front());
    default:
        return false;
    }
}

/// (−2): a number in parentheses, as a later factor: 3 × (−2), not 3(−2).
bool isParenthesisedNumber(const Math& m) {
    if (m.kind() != Kind::Parens) return false;
    const Kind inside = m.children().front().kind();
    return inside == Kind::Number || inside == Kind::Numeral;
}

Math wrapIf(bool needed, const Math& m) {
    return needed ? parens(m) : m;
}

Math termFor(const SignedTerm& t, bool first) {
    const bool afterSign = !first || t.sign != Sign::Plus;
    const bool needed = t.term.kind() == Kind::Chain || (afterSign && startsWithSign(t.term)) ||
                        (t.sign != Sign::Plus && isSumShaped(t.term));
    return wrapIf(needed, t.term);
}

Math factorFor(const Math& f, bool first) {
    return wrapIf(isSumShaped(f) || f.kind() == Kind::Chain || (!first && startsWithSign(f)), f);
}

Math coefficientTimes(const Number& magnitude, const Math& monomial) {
    if (magnitude == 1) return monomial;
    return product({value(magnitude), monomial});
}

} // namespace

Math::Math()
    : m_node(std::make_shared<const Node>()) {}

Math::Math(std::shared_ptr<const Node> node)
    : m_node(std::move(node)) {}

Kind Math::kind() const {
    return m_node->kind;
}
const Number& Math::number() const {
    return m_node->number;
}
bool Math::isDecimal() const {
    return m_node->decimal;
}
const std::string& Math::text() const {
    return m_node->text;
}
const std::string& Math::subscript() const {
    return m_node->subscript;
}
const std::vector<Math>& Math::children() const {
    return m_node->children;
}
Sign Math::signAt(std::size_t i) const {
    return static_cast<Sign>(m_node->marks.at(i));
}
Rel Math::relationAt(std::size_t i) const {
    return static_cast<Rel>(m_node->marks.at(i));
}
Joint Math::jointBefore(std::size_t i) const {
    return static_cast<Joint>(m_node->marks.at(i));
}

Math value(Number n) {
    return numberNode(std::move(n), false);
}

Math decimalValue(const Number& n) {
    return numberNode(roundedDecimal(n, 2), true);
}

Math numeral(std::string digits) {
    return make(node(Kind::Numeral, {}, std::move(digits)));
}

Math vector(std::string name) {
    return make(node(Kind::Vector, {}, std::move(name)));
}

Math system(std::vector<Math> equations) {
    return make(node(Kind::System, std::move(equations)));
}

Math symbol(std::string name, std::string subscript) {
    Math::Node n = node(Kind::Symbol, {}, std::move(name));
    n.subscript = std::move(subscript);
    return make(std::move(n));
}

Math words(std::string text) {
    return make(node(Kind::Words, {}, std::move(text)));
}

Math row(std::vector<Math> parts) {
    return make(node(Kind::Row, std::move(parts)));
}

Math sum(std::vector<SignedTerm> terms) {
    Math::Node n = node(Kind::Sum);
    for (std::size_t i = 0; i < terms.size(); ++i) {
        n.children.push_back(termFor(terms[i], i == 0));
        n.marks.push_back(static_cast<char>(terms[i].sign));
    }
    return make(std::move(n));
}

Math plus(const Math& a, const Math& b) {
    return sum({{Sign::Plus, a}, {Sign::Plus, b}});
}

Math minus(const Math& a, const Math& b) {
    return sum({{Sign::Plus, a}, {Sign::Minus, b}});
}

Math negative(const Math& a) {
    return sum({{Sign::Minus, a}});
}

Math product(std::vector<Math> factors) {
    Math::Node n = node(Kind::Product);
    for (std::size_t i = 0; i < factors.size(); ++i) {
        const Math f = factorFor(factors[i], i == 0);
        const bool times =
            i > 0 && (startsWithDigit(f) || f.kind() == Kind::Fraction || isParenthesisedNumber(f));
        n.children.push_back(f);
        n.marks.push_back(static_cast<char>(times ? Joint::Times : Joint::Touch));
    }
    return make(std::move(n));
}

Math fraction(const Math& numerator, const Math& denominator) {
    return make(node(Kind::Fraction, {numerator, denominator}));
}

Math power(const Math& base, const Math& exponent) {
    return make(node(Kind::Power, {wrapIf(!isAtomicBase(base), base), exponent}));
}

Math squared(const Math& base) {
    static const Math two = value(2);
    return power(base, two);
}

Math root(const Math& radicand) {
    return unary(Kind::Root, radicand);
}

Math absolute(const Math& x) {
    return unary(Kind::Abs, x);
}

Math parens(const Math& x) {
    return unary(Kind::Parens, x);
}

Math function(std::string name, std::vector<Math> arguments) {
    return make(node(Kind::Function, std::move(arguments), std::move(name)));
}

Math point(const Math& x, const Math& y, std::string name) {
    return make(node(Kind::Point, {x, y}, std::move(name)));
}

Math linearCombination(const std::vector<std::pair<Number, Math>>& terms, const Number& constant) {
    std::vector<SignedTerm> signedTerms;
    signedTerms.reserve(terms.size() + 1);
    for (const auto& [coefficient, monomial] : terms) {
        if (coefficient.isZero()) continue;
        const bool negative = coefficient.sign() < 0;
        signedTerms.push_back({negative ? Sign::Minus : Sign::Plus,
                               coefficientTimes(negative ? -coefficient : coefficient, monomial)});
    }
    if (!constant.isZero() || signedTerms.empty()) addConstantTerms(signedTerms, constant);
    return sum(std::move(signedTerms));
}

void addConstantTerms(std::vector<SignedTerm>& terms, const Number& c) {
    const Math tree = numberTree(c);
    if (tree.kind() == Kind::Sum && tree.children().size() > 1) { // 3 − √2: its terms
        for (std::size_t i = 0; i < tree.children().size(); ++i)
            terms.push_back({tree.signAt(i), tree.children()[i]});
        return;
    }
    const bool negative = c.sign() < 0;
    terms.push_back({negative ? Sign::Minus : Sign::Plus, value(negative ? -c : c)});
}

Math numberTree(const Number& n) {
    if (n.isApproximate() || isNaturalInteger(n)) return value(n);
    mpz_class d = 1;
    for (const Term& t : n.terms())
        mpz_lcm(d.get_mpz_t(), d.get_mpz_t(), t.coefficient.get_den_mpz_t());
    std::vector<SignedTerm> numerator;
    for (const Term& t : n.terms()) {
        const mpz_class k = abs(t.coefficient.get_num()) * (d / t.coefficient.get_den());
        const Math r = t.radicand == 1 ? value(Number(k))
                       : k == 1        ? root(value(Number(t.radicand)))
                                : product({value(Number(k)), root(value(Number(t.radicand)))});
        numerator.push_back({sgn(t.coefficient) < 0 ? Sign::Minus : Sign::Plus, r});
    }
    // √2 − 1 rather than −1 + √2: a positive term leads when there is one.
    const auto positive = std::find_if(numerator.begin(), numerator.end(),
                                       [](const SignedTerm& t) { return t.sign == Sign::Plus; });
    if (positive != numerator.end()) std::rotate(numerator.begin(), positive, positive + 1);
    const bool single = numerator.size() == 1;
    const bool negativeSingle = single && numerator[0].sign == Sign::Minus;
    const Math top = single ? numerator[0].term : sum(numerator);
    const Math whole = d == 1 ? top : fraction(top, value(Number(d)));
    return negativeSingle ? negative(whole) : whole;
}

namespace {

/// Whether two trees are written the same (3/2 as a value and as the
/// fraction of 3 and 2; −1/2 and (−1)/2).
bool writtenAlike(const Math& a, const Math& b) {
    return sameTree(a, b) || linearText(a, ".") == linearText(b, ".");
}

} // namespace

Chain::Chain(Math first)
    : m_members{std::move(first)} {}

Chain& Chain::then(Rel relation, Math member) {
    // A member written as the one before it says nothing (= 3/2 = 3/2,
    // E ⇔ E): left out, but for the first equality, which may say 0 = 0.
    if (((!m_relations.empty() && relation == Rel::Equal) || relation == Rel::Equivalent) &&
        writtenAlike(m_members.back(), member))
        return *this;
    m_relations.push_back(relation);
    m_members.push_back(std::move(member));
    return *this;
}

Chain& Chain::endsWith(const Number& v) {
    if (!v.isApproximate()) equals(value(v));
    return decimalOf(v);
}

Chain& Chain::endsWithPoint(const Number& x, const Number& y, const std::string& name) {
    if (!x.isApproximate() && !y.isApproximate()) equals(point(value(x), value(y), name));
    return decimalsOfPoint(x, y, name);
}

Chain& Chain::decimalOf(const Number& v) {
    if (needsDecimal(v)) return then(Rel::Approx, decimalValue(v));
    return v.isInteger() ? *this : equals(decimalValue(v));
}

Chain& Chain::decimalsOfPoint(const Number& x, const Number& y, const std::string& name) {
    if (x.isInteger() && y.isInteger()) return *this;
    const bool decimals = needsDecimal(x) || needsDecimal(y);
    return then(decimals ? Rel::Approx : Rel::Equal, point(decimalValue(x), decimalValue(y), name));
}

Math Chain::math() const {
    Math::Node n = node(Kind::Chain, m_members);
    n.marks.push_back(0);
    for (const Rel r : m_relations)
        n.marks.push_back(static_cast<char>(r));
    return make(std::move(n));
}

Math equation(Math lhs, Math rhs) {
    return Chain(std::move(lhs)).equals(std::move(rhs));
}

bool sameTree(const Math& a, const Math& b) {
    const Math::Node* p = a.node();
    const Math::Node* q = b.node();
    if (p == q) return true;
    if (p->kind != q->kind || p->decimal != q->decimal || p->text != q->text ||
        p->subscript != q->subscript || p->marks != q->marks ||
        p->children.size() != q->children.size())
        return false;
    if (p->kind == Kind::Number && !(p->number == q->number)) return false;
    for (std::size_t i = 0; i < p->children.size(); ++i)
        if (!sameTree(p->children[i], q->children[i])) return false;
    return true;
}

bool needsDecimal(const Number& n) {
    if (n.isApproximate()) return true;
    if (!n.isRational()) return true;
    const mpq_class hundred = n.rational() * 100;
    return hundred.get_den() != 1;
}

bool startsWithSign(const Math& m) {
    switch (m.kind()) {
    case Kind::Number: // as its normal form is written: √2 − 3 starts with √2
        if (m.isDecimal() || !m.number().isExact() || m.number().isInteger())
            return m.number().sign() < 0;
        return m.number().sign() < 0 && startsWithSign(numberTree(m.number()));
    case Kind::Numeral:
        return !m.text().empty() && m.text().front() == '-';
    case Kind::Sum:
        return !m.children().empty() && m.signAt(0) != Sign::Plus;
    case Kind::Product:
    case Kind::Fraction:
    case Kind::Power:
        return startsWithSign(m.children().front());
    default:
        return false;
    }
}

} // namespace exact
