#include "fieldtext.h"

#include "numbertext.h"
#include "readings.h"

namespace exact {

namespace {

/// How the terms of an equation are written: typed in the program's syntax
/// ("-", "^2", no blanks, `separator` only in decimals asked for), or shown
/// as a statement shows them (" − ", "²", `separator` in every value).
struct Style {
    bool typed;
    std::string_view separator;

    std::string value(const Number& n) const {
        return typed ? typed::number(n, separator) : text(n, separator);
    }
    const char* minus() const { return typed ? "-" : "\u2212"; }
    const char* between(bool negative) const {
        return negative ? (typed ? "-" : " \u2212 ") : (typed ? "+" : " + ");
    }
    const char* squared() const { return typed ? "^2" : "\u00b2"; }
    const char* equals() const { return typed ? "=" : " = "; }
};

/// Whether a value is a rational whose decimal expansion ends: its
/// denominator has no prime factors but 2 and 5.
bool finiteDecimal(const Number& n) {
    if (!n.isRational()) return false;
    mpz_class d = n.rational().get_den();
    for (const unsigned long p : {2UL, 5UL})
        while (mpz_divisible_ui_p(d.get_mpz_t(), p))
            mpz_divexact_ui(d.get_mpz_t(), d.get_mpz_t(), p);
    return d == 1;
}

/// "+ 3x" pieces of a sum, written in `style`.
void appendTerm(std::string& out, const Number& k, const std::string& unknown, Style style) {
    if (k.isZero()) return;
    if (unknown.empty() && k.terms().size() > 1) { // a constant of several terms, term by term
        std::string body = style.value(k);         // "sqr(3)-6", "√3 − 6"
        const std::string minus = style.minus();
        const bool negative = body.rfind(minus, 0) == 0;
        if (negative) body.erase(0, minus.size());
        out += out.empty() ? (negative ? minus : "") : style.between(negative);
        out += body;
        return;
    }
    const bool negative = k.sign() < 0;
    const Number size = negative ? -k : k;
    std::string body = style.value(size);
    if (!unknown.empty() && size == Number(1))
        body.clear();
    else if (size.terms().size() > 1)
        body = "(" + body + ")";
    // The language reads a product after ")" only when it is written: "sqr(2)*x".
    if (style.typed && !unknown.empty() && !body.empty() && body.back() == ')') body += "*";
    out += out.empty() ? (negative ? style.minus() : "") : style.between(negative);
    out += body + unknown;
}

/// (x−a)^2 or (x+a)^2, x^2 when a is zero.
std::string shifted(const std::string& v, const Number& a, Style style) {
    if (a.isZero()) return v + style.squared();
    std::string inner = v;
    appendTerm(inner, -a, "", style);
    return "(" + inner + ")" + style.squared();
}

std::string circleText(const Circle& c, bool expanded, Style style) {
    const Number& a = c.centre.x;
    const Number& b = c.centre.y;
    if (!expanded)
        return shifted("x", a, style) + style.between(false) + shifted("y", b, style) +
               style.equals() + style.value(c.radiusSquared());
    std::string out =
        std::string("x") + style.squared() + style.between(false) + "y" + style.squared();
    appendTerm(out, -2 * a, "x", style);
    appendTerm(out, -2 * b, "y", style);
    appendTerm(out, a * a + b * b - c.radiusSquared(), "", style);
    return out + style.equals() + "0";
}

/// The program's syntax for the tree of a value's normal form: a number,
/// sqr(n), k*sqr(n), a sum, a fraction.
std::string typedTree(const Math& m) {
    using Kind = Math::Kind;
    switch (m.kind()) {
    case Kind::Number:
        return m.number().rational().get_num().get_str();
    case Kind::Root:
        return "sqr(" + typedTree(m.children()[0]) + ")";
    case Kind::Product: {
        std::string out;
        for (const Math& f : m.children())
            out += typedTree(f);
        return out;
    }
    case Kind::Fraction: {
        const Math& top = m.children()[0];
        const bool sum = top.kind() == Kind::Sum && top.children().size() > 1;
        const std::string t = typedTree(top);
        return (sum ? "(" + t + ")" : t) + "/" + typedTree(m.children()[1]);
    }
    case Kind::Sum: {
        std::string out;
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            const Sign sign = m.signAt(i);
            if (sign == Sign::Minus)
                out += "-";
            else if (i > 0)
                out += "+";
            out += typedTree(m.children()[i]);
        }
        return out;
    }
    default:
        return {};
    }
}

} // namespace

bool alongAnAxis(const Line& l) {
    return l.a.isZero() != l.b.isZero();
}

Number axisValue(const Line& l) {
    return l.b.isZero() ? -l.c / l.a : -l.c / l.b;
}

std::string shownCircle(const Circle& c, bool expanded, std::string_view separator) {
    return circleText(c, expanded, {false, separator});
}

namespace typed {

std::string number(const Number& n, std::string_view decimals) {
    if (n.isZero()) return "0";
    if (!decimals.empty() && finiteDecimal(n)) {
        const std::string digits = decimalText(n.sign() < 0 ? -n : n, decimals);
        return n.sign() < 0 ? "-" + digits : digits;
    }
    // As the statement writes it (2√3 − 1 is "2sqr(3)-1"), so that the
    // equation typed reads as the one the pupil was given.
    return typedTree(numberTree(n));
}

std::string line(const Line& l, bool normalise, std::string_view decimals) {
    if (normalise && alongAnAxis(l))
        return (l.b.isZero() ? "x=" : "y=") + number(axisValue(l), decimals);
    const Line n = normalise ? normalised(l) : l;
    std::string out;
    const Style style{true, decimals};
    appendTerm(out, n.a, "x", style);
    appendTerm(out, n.b, "y", style);
    appendTerm(out, n.c, "", style);
    return out + "=0";
}

std::string constantLine(const Line& l, std::string_view decimals) {
    std::string out;
    const Style style{true, decimals};
    appendTerm(out, l.a, "x", style);
    appendTerm(out, l.b, "y", style);
    return out + "=" + number(-l.c, decimals);
}

std::string reducedLine(const Line& l, std::string_view decimals) {
    if (l.b.isZero()) return "x=" + number(axisValue(l), decimals);
    std::string out;
    const Style style{true, decimals};
    appendTerm(out, -l.a / l.b, "x", style);
    appendTerm(out, -l.c / l.b, "", style);
    return "y=" + (out.empty() ? std::string("0") : out);
}

std::string circle(const Circle& c, bool expanded, std::string_view decimals) {
    return circleText(c, expanded, {true, decimals});
}

} // namespace typed

} // namespace exact
