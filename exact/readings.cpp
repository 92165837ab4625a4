#include "readings.h"

#include "writing.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace exact {

using Kind = Math::Kind;

namespace {

// --- linear text: the written tree (writing.h) with the parentheses,
// superscripts and subscripts of a line of text

const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
const char* const kSubscripts[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};

bool isDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// Reads as one piece in linear text, without parentheses.
bool isAtom(const Math& m) {
    switch (m.kind()) {
    case Kind::Symbol:
    case Kind::Vector:
    case Kind::Parens:
    case Kind::Function:
    case Kind::Abs:
    case Kind::Root:
    case Kind::Point:
    case Kind::Power:
        return true;
    case Kind::Numeral:
        return !startsWithSign(m);
    default:
        return false;
    }
}

bool isJuxtaposed(const Math& m) {
    if (m.kind() != Kind::Product) return false;
    for (std::size_t i = 0; i < m.children().size(); ++i)
        if (m.timesBefore(i) || !isAtom(m.children()[i])) return false;
    return true;
}

/// A numerator that needs no parentheses: an atom, 3√2, or −6.
bool isPlainNumerator(const Math& m) {
    if (m.kind() == Kind::Sum && m.children().size() == 1) return isPlainNumerator(m.children()[0]);
    return isAtom(m) || isJuxtaposed(m);
}

/// An exponent written with superscripts: a whole number, or its negative.
std::optional<std::string> superscript(const Math& e) {
    const bool negative =
        e.kind() == Kind::Sum && e.children().size() == 1 && e.signAt(0) == Sign::Minus;
    const Math& digits = negative ? e.children()[0] : e;
    if (digits.kind() != Kind::Numeral || !isDigits(digits.text())) return std::nullopt;
    std::string out = negative ? "⁻" : "";
    for (const char d : digits.text())
        out += kSuperscripts[d - '0'];
    return out;
}

class LinearWriter {
public:
    explicit LinearWriter(std::string_view separator)
        : m_separator(separator) {}

    std::string text(const Math& m) {
        write(writing::written(m, m_separator));
        return std::move(m_out);
    }

private:
    void write(const Math& m) {
        switch (m.kind()) {
        case Kind::Number: // not in a written tree
        case Kind::Numeral:
            m_out += m.text();
            return;
        case Kind::Words:
            words(m.text());
            return;
        case Kind::Symbol:
            return symbol(m);
        case Kind::Vector:
            m_out += m.text() + "\u20D7";
            return;
        case Kind::Sum:
            return sum(m);
        case Kind::Product:
            return product(m);
        case Kind::Fraction:
            return fraction(m);
        case Kind::Power:
            return power(m);
        case Kind::Root:
            return root(m);
        case Kind::Abs:
            return enclosed("|", m.children()[0], "|");
        case Kind::Parens:
            return enclosed("(", m.children()[0], ")");
        case Kind::Function:
            return call(m);
        case Kind::Point:
            return pointText(m);
        case Kind::Chain:
            return chain(m);
        case Kind::System:
            return system(m);
        case Kind::Row:
            for (const Math& part : m.children())
                write(part);
            return;
        }
    }

    /// Words, a space that does not break written as any other.
    void words(std::string_view text) {
        constexpr std::string_view glue = "\u00A0";
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t next = text.find(glue, at);
            m_out += text.substr(at, next - at);
            if (next == std::string_view::npos) break;
            m_out += ' ';
            at = next + glue.size();
        }
    }

    void symbol(const Math& m) {
        m_out += m.text();
        const std::string& sub = m.subscript();
        if (sub.empty()) return;
        if (!isDigits(sub)) {
            m_out += "_" + sub;
            return;
        }
        for (const char d : sub)
            m_out += kSubscripts[d - '0'];
    }

    void sum(const Math& m) {
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            const Sign s = m.signAt(i);
            if (i > 0)
                m_out += " " + std::string(writing::signText(s)) + " ";
            else if (s != Sign::Plus)
                m_out += writing::signText(s);
            write(m.children()[i]);
        }
    }

    void product(const Math& m) {
        const auto& factors = m.children();
        for (std::size_t i = 0; i < factors.size(); ++i) {
            const Math& f = factors[i];
            if (i > 0 && m.jointBefore(i) == Joint::Times)
                m_out += " × ";
            else if (i > 0 && m.jointBefore(i) == Joint::Apart &&
                     factors[i - 1].kind() != Kind::Fraction)
                m_out += " ";
            if (f.kind() == Kind::Fraction && factors.size() > 1)
                enclosed("(", f, ")");
            else
                write(f);
        }
    }

    void fraction(const Math& m) {
        const Math& top = m.children()[0];
        const Math& bottom = m.children()[1];
        grouped(top, !isPlainNumerator(top));
        m_out += "/";
        grouped(bottom, !isAtom(bottom));
    }

    void power(const Math& m) {
        write(m.children()[0]);
        const Math& e = m.children()[1];
        if (const auto digits = superscript(e)) {
            m_out += *digits;
            return;
        }
        m_out += "^";
        grouped(e, !isAtom(e) || e.kind() == Kind::Power);
    }

    void root(const Math& m) {
        const Math& r = m.children()[0];
        const bool plain =
            r.kind() == Kind::Symbol || (r.kind() == Kind::Numeral && isDigits(r.text()));
        m_out += "√";
        grouped(r, !plain);
    }

    void call(const Math& m) {
        m_out += m.text() + "(";
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            if (i > 0) m_out += ", ";
            write(m.children()[i]);
        }
        m_out += ")";
    }

    void pointText(const Math& m) {
        m_out += m.text() + "(";
        write(m.children()[0]);
        m_out += " , ";
        write(m.children()[1]);
        m_out += ")";
    }

    void chain(const Math& m) {
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            if (i > 0) m_out += " " + std::string(writing::relationText(m.relationAt(i))) + " ";
            write(m.children()[i]);
        }
    }

    /// { e₁ ; e₂ }: the equations of a system, in the order they stand.
    void system(const Math& m) {
        m_out += "{ ";
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            if (i > 0) m_out += " ; ";
            write(m.children()[i]);
        }
        m_out += " }";
    }

    void enclosed(const char* open, const Math& inner, const char* close) {
        m_out += open;
        write(inner);
        m_out += close;
    }

    void grouped(const Math& m, bool withParens) {
        if (withParens)
            enclosed("(", m, ")");
        else
            write(m);
    }

    std::string_view m_separator;
    std::string m_out;
};

} // namespace

namespace {

// --- numeric value

using Value = std::optional<NumericValue>;

Value scalar(double v, double scale) {
    if (!std::isfinite(v) || !std::isfinite(scale)) return std::nullopt;
    return NumericValue{false, v, 0, std::max(scale, std::fabs(v))};
}

Value scalar(double v) {
    return scalar(v, std::fabs(v));
}

Value scalarOf(const Math& m, const Environment& env) {
    const Value v = numericValue(m, env);
    if (!v || v->isPoint) return std::nullopt;
    return v;
}

Value sumValue(const Math& m, const Environment& env) {
    double total = 0;
    double scale = 0;
    for (std::size_t i = 0; i < m.children().size(); ++i) {
        const Value v = scalarOf(m.children()[i], env);
        if (!v || m.signAt(i) == Sign::PlusMinus) return std::nullopt;
        total += m.signAt(i) == Sign::Minus ? -v->x : v->x;
        scale += v->scale;
    }
    return scalar(total, scale);
}

Value productValue(const Math& m, const Environment& env) {
    double total = 1;
    double scale = 1;
    for (const Math& f : m.children()) {
        const Value v = scalarOf(f, env);
        if (!v) return std::nullopt;
        total *= v->x;
        scale *= v->scale;
    }
    return scalar(total, scale);
}

Value binaryValue(const Math& m, const Environment& env) {
    const Value a = scalarOf(m.children()[0], env);
    const Value b = scalarOf(m.children()[1], env);
    if (!a || !b) return std::nullopt;
    if (m.kind() == Kind::Fraction)
        return b->x == 0 ? std::nullopt : scalar(a->x / b->x, a->scale / std::fabs(b->x));
    return scalar(std::pow(a->x, b->x), std::pow(a->scale, b->x));
}

Value unaryValue(const Math& m, const Environment& env) {
    const Value a = scalarOf(m.children()[0], env);
    if (!a) return std::nullopt;
    if (m.kind() == Kind::Root)
        return a->x < 0 ? std::nullopt : scalar(std::sqrt(a->x), std::sqrt(a->scale));
    return scalar(m.kind() == Kind::Abs ? std::fabs(a->x) : a->x, a->scale);
}

Value pointValue(const Math& m, const Environment& env) {
    const Value x = scalarOf(m.children()[0], env);
    const Value y = scalarOf(m.children()[1], env);
    if (!x || !y) return std::nullopt;
    return NumericValue{true, x->x, y->x, std::max(x->scale, y->scale)};
}

/// A row of quantities side by side, such as 40º 14' 10,89'' (its units
/// bound as names): their sum. Blank words only space them; a row with
/// words in it (a sentence) has no value.
Value rowValue(const Math& m, const Environment& env) {
    double total = 0;
    double scale = 0;
    bool any = false;
    for (const Math& part : m.children()) {
        if (part.kind() == Kind::Words && part.text().find_first_not_of(' ') == std::string::npos)
            continue;
        const Value v = scalarOf(part, env);
        if (!v) return std::nullopt;
        total += v->x;
        scale += v->scale;
        any = true;
    }
    return any ? scalar(total, scale) : std::nullopt;
}

/// A bound name, or the distance d(P, Q) between two points.
Value functionValue(const Math& m, const Environment& env) {
    if (const Value bound = env.find(m)) return bound;
    if (m.text() != "d" || m.children().size() != 2) return std::nullopt;
    const Value p = numericValue(m.children()[0], env);
    const Value q = numericValue(m.children()[1], env);
    if (!p || !q || !p->isPoint || !q->isPoint) return std::nullopt;
    return scalar(std::hypot(q->x - p->x, q->y - p->y), std::hypot(p->scale, q->scale));
}

/// The value of a numeral's digits ("0.25", "-1.5").
Value numeralValue(const std::string& digits) {
    double v = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return scalar(v);
}

bool close(double a, double b, double absolute, double scale) {
    return std::fabs(a - b) <= absolute + 1e-9 * std::max(1.0, scale);
}

bool related(Rel r, const NumericValue& a, const NumericValue& b) {
    const double absolute = r == Rel::Approx ? 0.005 : 0.0;
    const double scale = std::max(a.scale, b.scale);
    const bool equal = a.isPoint == b.isPoint && close(a.x, b.x, absolute, scale) &&
                       (!a.isPoint || close(a.y, b.y, absolute, scale));
    switch (r) {
    case Rel::Equal:
    case Rel::Approx:
        return equal;
    case Rel::NotEqual:
        return !equal;
    case Rel::Less:
        return !a.isPoint && a.x < b.x && !equal;
    case Rel::Greater:
        return !a.isPoint && a.x > b.x && !equal;
    case Rel::LessEqual:
        return !a.isPoint && (a.x < b.x || equal);
    case Rel::GreaterEqual:
        return !a.isPoint && (a.x > b.x || equal);
    default:
        return false;
    }
}

} // namespace

std::string linearText(const Math& m, std::string_view separator) {
    return LinearWriter(separator).text(m);
}

void Environment::bind(const Math& name, double value) {
    m_entries.push_back({name, {false, value, 0, 0}, std::nullopt, {}});
}

void Environment::bind(const Math& name, double x, double y) {
    m_entries.push_back({name, {true, x, y, 0}, std::nullopt, {}});
}

void Environment::alias(const Math& name, const Math& x, const Math& y) {
    m_entries.push_back({name, {}, std::pair{x, y}, {}});
}

const Environment::Entry* Environment::entry(const std::string& key) const {
    // The latest binding of a name wins.
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        if (it->key.empty()) it->key = linearText(it->name, ".");
        if (it->key == key) return &*it;
    }
    return nullptr;
}

std::optional<NumericValue> Environment::find(const Math& name) const {
    const Entry* e = entry(linearText(name, "."));
    if (e == nullptr) return std::nullopt;
    if (!e->alias) return e->value;
    const Entry* x = entry(linearText(e->alias->first, "."));
    const Entry* y = entry(linearText(e->alias->second, "."));
    if (x == nullptr || y == nullptr) return std::nullopt;
    return NumericValue{true, x->value.x, y->value.x, 0};
}

std::optional<NumericValue> numericValue(const Math& m, const Environment& env) {
    switch (m.kind()) {
    case Kind::Number:
        return scalar(m.number().toDouble());
    case Kind::Numeral:
        return numeralValue(m.text());
    case Kind::Symbol:
        if (m.text() == "π" && m.subscript().empty() && !env.find(m)) // typed as pi
            return NumericValue{false, 3.14159265358979323846, 0, 3.14159265358979323846};
        return env.find(m);
    case Kind::Vector:
        return env.find(m);
    case Kind::Sum:
        return sumValue(m, env);
    case Kind::Product:
        return productValue(m, env);
    case Kind::Fraction:
    case Kind::Power:
        return binaryValue(m, env);
    case Kind::Root:
    case Kind::Abs:
    case Kind::Parens:
        return unaryValue(m, env);
    case Kind::Function:
        return functionValue(m, env);
    case Kind::Point:
        return pointValue(m, env);
    case Kind::Row:
        return rowValue(m, env);
    default:
        return std::nullopt;
    }
}

bool holds(const Math& chain, const Environment& env) {
    if (chain.kind() == Kind::System)
        return std::all_of(chain.children().begin(), chain.children().end(),
                           [&](const Math& e) { return holds(e, env); });
    if (chain.kind() != Kind::Chain) return false;
    const auto& members = chain.children();
    for (std::size_t i = 1; i < members.size(); ++i) {
        if (chain.relationAt(i) == Rel::Equivalent) {
            if (holds(members[i - 1], env) != holds(members[i], env)) return false;
            continue;
        }
        const Value a = numericValue(members[i - 1], env);
        const Value b = numericValue(members[i], env);
        if (!a || !b || !related(chain.relationAt(i), *a, *b)) return false;
    }
    return true;
}

} // namespace exact
