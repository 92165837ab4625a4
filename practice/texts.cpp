#include "texts.h"

#include "decimal.h"
#include "numbertext.h"
#include "readings.h"

#include <cmath>

namespace practice::texts {

namespace {

std::string integer(const mpz_class& z) {
    return z.get_str();
}

/// One term q·√n in the program's syntax, without its sign.
std::string termField(const exact::Term& t) {
    const mpz_class num = abs(t.coefficient.get_num());
    const mpz_class& den = t.coefficient.get_den();
    std::string s;
    if (t.radicand == 1)
        s = integer(num);
    else
        s = (num == 1 ? std::string() : integer(num)) + "sqr(" + std::to_string(t.radicand) + ")";
    if (den != 1) s.append("/").append(integer(den));
    return s;
}

/// "+ 3x" pieces of a sum with a true or a plain minus.
void appendTerm(std::string& out, const exact::Number& k, const std::string& unknown, bool typed) {
    if (k.isZero()) return;
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

} // namespace

std::string field(const exact::Number& n) {
    if (n.isZero()) return "0";
    std::string out;
    for (const exact::Term& t : n.terms()) {
        const bool negative = t.coefficient < 0;
        if (negative)
            out += "-";
        else if (!out.empty())
            out += "+";
        out += termField(t);
    }
    return out;
}

namespace {

/// Whether a line is parallel to an axis, so that its normal form is x = k or y = k.
bool alongAnAxis(const exact::Line& l) {
    return l.a.isZero() != l.b.isZero();
}

/// The k of x = k or y = k.
exact::Number axisValue(const exact::Line& l) {
    return l.b.isZero() ? -l.c / l.a : -l.c / l.b;
}

} // namespace

std::string lineField(const exact::Line& l, bool normalise) {
    if (normalise && alongAnAxis(l)) return (l.b.isZero() ? "x=" : "y=") + field(axisValue(l));
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
    if (normalise && alongAnAxis(l)) return (l.b.isZero() ? "x = " : "y = ") + number(axisValue(l));
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
