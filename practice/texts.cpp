#include "texts.h"

#include "decimal.h"
#include "numbertext.h"
#include "readings.h"

#include <cmath>

namespace practice::texts {

namespace {

/// "+ 3x" pieces of a sum with a true or a plain minus.
void appendTerm(std::string& out, const exact::Number& k, const std::string& unknown, bool typed) {
    if (k.isZero()) return;
    if (unknown.empty() && k.terms().size() > 1) { // a constant of several terms, term by term
        std::string body = typed ? field(k) : number(k); // "sqr(3)-6", "√3 − 6"
        const std::string minus = typed ? "-" : "\u2212";
        const bool negative = body.rfind(minus, 0) == 0;
        if (negative) body.erase(0, minus.size());
        if (out.empty())
            out += negative ? minus : "";
        else
            out += negative ? (typed ? "-" : " \u2212 ") : (typed ? "+" : " + ");
        out += body;
        return;
    }
    const bool negative = k.sign() < 0;
    const exact::Number size = negative ? -k : k;
    std::string body = typed ? field(size) : number(size);
    if (!unknown.empty() && size == exact::Number(1))
        body.clear();
    else if (size.terms().size() > 1)
        body = "(" + body + ")";
    // The language reads a product after ")" only when it is written: "sqr(2)*x".
    if (typed && !unknown.empty() && !body.empty() && body.back() == ')') body += "*";
    const char* minus = typed ? "-" : "\u2212";
    if (out.empty())
        out += negative ? minus : "";
    else
        out += negative ? (typed ? "-" : " \u2212 ") : (typed ? "+" : " + ");
    out += body + unknown;
}

/// (x−a)^2 or (x+a)^2, x^2 when a is zero.
std::string shifted(const std::string& v, const exact::Number& a, bool typed) {
    if (a.isZero()) return typed ? v + "^2" : v + "\u00b2";
    std::string inner = v;
    appendTerm(inner, -a, "", typed);
    return "(" + inner + (typed ? ")^2" : ")\u00b2");
}

std::string circleText(const exact::Circle& c, bool expanded, bool typed) {
    const exact::Number& a = c.centre.x;
    const exact::Number& b = c.centre.y;
    const std::string sq = typed ? "^2" : "\u00b2";
    const char* eq = typed ? "=" : " = ";
    if (!expanded) {
        const std::string between = typed ? "+" : " + ";
        return shifted("x", a, typed) + between + shifted("y", b, typed) + eq +
               (typed ? field(c.radiusSquared()) : number(c.radiusSquared()));
    }
    std::string out = "x" + sq;
    out += typed ? "+y" + sq : " + y" + sq;
    appendTerm(out, -2 * a, "x", typed);
    appendTerm(out, -2 * b, "y", typed);
    appendTerm(out, a * a + b * b - c.radiusSquared(), "", typed);
    return out + eq + "0";
}

/// The program's syntax for the tree of a value's normal form: a number,
/// sqr(n), k*sqr(n), a sum, a fraction.
std::string typedTree(const exact::Math& m) {
    using Kind = exact::Math::Kind;
    switch (m.kind()) {
    case Kind::Number:
        return m.number().rational().get_num().get_str();
    case Kind::Root:
        return "sqr(" + typedTree(m.children()[0]) + ")";
    case Kind::Product: {
        std::string out;
        for (const exact::Math& f : m.children())
            out += typedTree(f);
        return out;
    }
    case Kind::Fraction: {
        const exact::Math& top = m.children()[0];
        const bool sum = top.kind() == Kind::Sum && top.children().size() > 1;
        const std::string t = typedTree(top);
        return (sum ? "(" + t + ")" : t) + "/" + typedTree(m.children()[1]);
    }
    case Kind::Sum: {
        std::string out;
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            const exact::Sign sign = m.signAt(i);
            if (sign == exact::Sign::Minus)
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

std::string field(const exact::Number& n) {
    if (n.isZero()) return "0";
    // As the statement writes it (2√3 − 1 is "2sqr(3)-1"), so that the
    // equation typed reads as the one the pupil was given.
    return typedTree(exact::numberTree(n));
}

std::string lineField(const exact::Line& l, bool normalise) {
    const exact::Line n = normalise ? exact::normalised(l) : l;
    std::string out;
    appendTerm(out, n.a, "x", true);
    appendTerm(out, n.b, "y", true);
    appendTerm(out, n.c, "", true);
    return out + "=0";
}

std::string circleField(const exact::Circle& c, bool expanded) {
    return circleText(c, expanded, true);
}

std::string number(const exact::Number& n) {
    return exact::text(n, ",");
}

std::string point(const std::string& name, const exact::Point& p) {
    return name + exact::text(p, ",");
}

std::string line(const exact::Line& l, bool normalise) {
    if (!normalise) return exact::linearText(exact::generalEquation(l), ",");
    return exact::generalEquationText(l, ",");
}

std::string circle(const exact::Circle& c, bool expanded) {
    return circleText(c, expanded, false);
}

std::string degrees(const exact::Number& value) {
    const double g = value.toDouble();
    const double d = std::trunc(g);
    const double m = (g - d) * 60;
    const double mm = std::trunc(m);
    const double s = exact::decimal::round((m - mm) * 60, 2);
    if (mm == 0 && s == 0) return exact::decimal::number(d, ",") + "\u00ba";
    return exact::decimal::number(d, ",") + "\u00ba " + exact::decimal::number(mm, ",") + "' " +
           exact::decimal::number(s, ",") + "''";
}

} // namespace practice::texts
