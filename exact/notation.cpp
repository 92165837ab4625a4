#include "notation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace exact {

namespace {

enum class Syntax : std::uint8_t { Linear, Typed };

enum class Tok : std::uint8_t {
    Number,   ///< digits, '.' as the point
    Name,     ///< a name and its subscript
    Vector,   ///< a name under an arrow
    Function, ///< a name that takes its arguments in parentheses
    Op,       ///< + − ± × · * / ^ ( ) | , √ ° and the superscript exponents
    Rel,      ///< = ≈ ≠ < > ≤ ≥ ⇔
    End
};

struct Token {
    Tok kind = Tok::End;
    std::string text;
    std::string subscript;
    Rel relation = Rel::Equal;
};

/// One character of UTF-8 text.
struct Glyph {
    char32_t code;
    std::size_t size;
};

/// The character at `at`; a byte that starts no well-formed character (a
/// continuation byte alone, a sequence cut short, an overlong form) is
/// U+FFFD, one byte long, so that no byte passes for a digit or a letter.
Glyph glyphAt(std::string_view s, std::size_t at) {
    constexpr Glyph Invalid{0xFFFD, 1};
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[at + i]); };
    const unsigned char b = byte(0);
    if (b < 0x80) return {b, 1};
    if (b < 0xC0 || b >= 0xF8) return Invalid;
    const std::size_t size = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    if (at + size > s.size()) return Invalid;
    char32_t c = b & (0xFF >> (size + 1));
    for (std::size_t i = 1; i < size; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return Invalid;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    constexpr std::array<char32_t, 5> Least{0, 0, 0x80, 0x800, 0x10000};
    return c < Least[size] ? Invalid : Glyph{c, size};
}

bool isAsciiLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}
/// Greek letters and the Latin letters with accents of the names (Área).
bool isOtherLetter(char32_t c) {
    return (c >= 0x391 && c <= 0x3C9) || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}
constexpr char32_t Arrow = 0x20D7;

int superscriptDigit(char32_t c) {
    static constexpr std::array<char32_t, 10> digits{0x2070, 0xB9,   0xB2,   0xB3,   0x2074,
                                                     0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
    const auto found = std::find(digits.begin(), digits.end(), c);
    return found == digits.end() ? -1 : int(found - digits.begin());
}

std::optional<Rel> relationOf(char32_t c) {
    switch (c) {
    case '=':
        return Rel::Equal;
    case 0x2248:
        return Rel::Approx;
    case 0x2260:
        return Rel::NotEqual;
    case '<':
        return Rel::Less;
    case '>':
        return Rel::Greater;
    case 0x2264:
        return Rel::LessEqual;
    case 0x2265:
        return Rel::GreaterEqual;
    case 0x21D4:
        return Rel::Equivalent;
    default:
        return std::nullopt;
    }
}

/// The operators, each by the text the parser knows it by.
std::optional<std::string> operatorOf(char32_t c, Syntax syntax) {
    switch (c) {
    case '+':
    case '/':
    case '^':
    case '(':
    case ')':
    case '|':
    case ',':
        return std::string(1, char(c));
    case '-':
    case 0x2212:
        return std::string("-");
    case '*':
        return std::string(syntax == Syntax::Typed ? "*" : "x");
    case 0xD7: // ×
    case 0xB7: // ·
        return std::string("x");
    case 0xB1:
        return std::string("+-");
    case 0x221A:
        return std::string("sqrt");
    case 0xB0: // °
    case 0xBA: // º
        return std::string("deg");
    default:
        return std::nullopt;
    }
}

/// The words of mathematics a linear text writes as one name.
constexpr std::array<std::string_view, 7> kWords{"cos", "sen", "tg", "det", "Área", "d", "ln"};

class Lexer {
public:
    Lexer(std::string_view text, Syntax syntax)
        : m_text(text)
        , m_syntax(syntax) {}

    std::optional<std::vector<Token>> tokens() {
        std::vector<Token> out;
        while (m_at < m_text.size()) {
            const Glyph g = glyphAt(m_text, m_at);
            if (g.code == ' ') {
                m_at += g.size;
                continue;
            }
            const std::size_t before = m_at;
            std::optional<Token> t = next(g);
            if (!t || m_at == before) return std::nullopt; // a token takes at least one byte
            out.push_back(std::move(*t));
        }
        out.push_back({});
        return out;
    }

private:
    Glyph peek(std::size_t offset = 0) const {
        return m_at + offset < m_text.size() ? glyphAt(m_text, m_at + offset) : Glyph{0, 0};
    }

    std::optional<Token> next(Glyph g) {
        if (isDigit(g.code) || (g.code == '.' && isDigit(peek(1).code))) return number();
        // The program's syntax names with ASCII letters only: a Greek or
        // accented letter typed is a character it does not know.
        if (isAsciiLetter(g.code)) return m_syntax == Syntax::Typed ? typedName() : linearName();
        if (isOtherLetter(g.code) && m_syntax == Syntax::Linear) return linearName();
        if (superscriptDigit(g.code) >= 0 || g.code == 0x207B) return exponent();
        m_at += g.size;
        if (const auto r = relationOf(g.code)) return Token{Tok::Rel, {}, {}, *r};
        if (const auto op = operatorOf(g.code, m_syntax)) return Token{Tok::Op, *op, {}, {}};
        return std::nullopt;
    }

    /// Digits with a point; in typed text a comma between two digits is one too.
    Token number() {
        std::string digits;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            const bool point = c == '.' || (c == ',' && m_syntax == Syntax::Typed);
            if (isDigit(char32_t(c)) || (point && isDigit(char32_t(peek(1).code)))) {
                digits += point ? '.' : c;
                ++m_at;
            } else {
                break;
            }
        }
        return {Tok::Number, digits, {}, {}};
    }

    /// ⁻¹, ²: an exponent written raised.
    Token exponent() {
        std::string digits;
        for (Glyph g = peek(); g.size > 0; g = peek()) {
            if (g.code == 0x207B)
                digits += '-';
            else if (superscriptDigit(g.code) >= 0)
                digits += char('0' + superscriptDigit(g.code));
            else
                break;
            m_at += g.size;
        }
        return {Tok::Op, "sup", digits, {}};
    }

    /// A name of the program's syntax: letters, digits and "_", lower-cased;
    /// with "(" after it, a function.
    Token typedName() {
        std::string name;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (!isAsciiLetter(char32_t(c)) && !isDigit(char32_t(c)) && c != '_') break;
            name += char(std::tolower(static_cast<unsigned char>(c)));
            ++m_at;
        }
        if (peek().code == '(') return {Tok::Function, name, {}, {}};
        return {Tok::Name, name == "pi" ? std::string("π") : name, {}, {}};
    }

    /// A name of one letter, a word of mathematics, or capitals under an arrow.
    Token linearName() {
        const std::string_view rest = m_text.substr(m_at);
        for (const std::string_view word : kWords) {
            if (!rest.starts_with(word)) continue;
            const std::size_t end = m_at + word.size();
            const Glyph after = end < m_text.size() ? glyphAt(m_text, end) : Glyph{0, 0};
            if (isAsciiLetter(after.code) || isOtherLetter(after.code)) continue;
            if (word == "d" && after.code != '(') continue;
            m_at = end;
            std::string name(word);
            if (m_text.substr(m_at).starts_with("⁻¹")) {
                name += "⁻¹";
                m_at += std::string_view("⁻¹").size();
            }
            if (word == "Área") return {Tok::Name, name, {}, {}};
            return {Tok::Function, name, {}, {}};
        }
        // Capitals followed by an arrow: a vector's name (AB⃗).
        std::size_t end = m_at;
        while (end < m_text.size() && m_text[end] >= 'A' && m_text[end] <= 'Z')
            ++end;
        const Glyph g = glyphAt(m_text, m_at);
        if (end == m_at) end = m_at + g.size; // a vector of one lower-case letter: u⃗
        if (end < m_text.size() && glyphAt(m_text, end).code == Arrow) {
            Token t{Tok::Vector, std::string(m_text.substr(m_at, end - m_at)), {}, {}};
            m_at = end + glyphAt(m_text, end).size;
            return t;
        }
        m_at += g.size;
        return {Tok::Name, std::string(m_text.substr(m_at - g.size, g.size)), subscript(), {}};
    }

    /// _P, _AB, ₁₂: a name's subscript.
    std::string subscript() {
        std::string sub;
        if (m_at < m_text.size() && m_text[m_at] == '_') {
            std::size_t end = m_at + 1;
            while (end < m_text.size() &&
                   (isAsciiLetter(char32_t(m_text[end])) || isDigit(char32_t(m_text[end]))))
                ++end;
            sub = std::string(m_text.substr(m_at + 1, end - m_at - 1));
            m_at = end;
            return sub;
        }
        for (Glyph g = peek(); g.size > 0 && g.code >= 0x2080 && g.code <= 0x2089; g = peek()) {
            sub += char('0' + (g.code - 0x2080));
            m_at += g.size;
        }
        return sub;
    }

    std::string_view m_text;
    Syntax m_syntax;
    std::size_t m_at = 0;
};

/// −x as a value: a number or numeral carries its sign, anything else is a
/// term of a sum.
Math negated(const Math& m) {
    if (m.kind() == Math::Kind::Number) return value(-m.number());
    if (m.kind() == Math::Kind::Numeral && !startsWithSign(m)) return numeral("-" + m.text());
    return negative(m);
}

class Parser {
public:
    Parser(std::vector<Token> tokens, Syntax syntax)
        : m_tokens(std::move(tokens))
        , m_syntax(syntax) {}

    std::optional<Math> whole() {
        std::optional<Math> m = chain();
        if (!m || peek().kind != Tok::End) return std::nullopt;
        return m;
    }

private:
    const Token& peek() const { return m_tokens[m_at]; }
    bool isOp(std::string_view op) const { return peek().kind == Tok::Op && peek().text == op; }
    bool take(std::string_view op) {
        if (!isOp(op)) return false;
        ++m_at;
        return true;
    }

    std::optional<Math> chain() {
        std::optional<Math> first = expression();
        if (!first || peek().kind != Tok::Rel) return first;
        Chain c(*first);
        while (peek().kind == Tok::Rel) {
            const Rel r = peek().relation;
            ++m_at;
            std::optional<Math> next = expression();
            if (!next) return std::nullopt;
            c.then(r, *next);
        }
        return c.math();
    }

    std::optional<Sign> sign() {
        if (take("+")) return Sign::Plus;
        if (take("-")) return Sign::Minus;
        if (take("+-")) return Sign::PlusMinus;
        return std::nullopt;
    }

    std::optional<Math> expression() {
        std::vector<SignedTerm> terms;
        std::optional<Sign> s = sign();
        const bool signedFirst = s.has_value();
        do {
            std::optional<Math> t = term();
            if (!t) return std::nullopt;
            terms.push_back({s.value_or(Sign::Plus), *t});
        } while ((s = sign()));
        if (terms.size() == 1 && !signedFirst) return terms.front().term;
        if (terms.size() == 1 && terms.front().sign == Sign::Minus && m_syntax == Syntax::Typed)
            return negated(terms.front().term);
        return sum(std::move(terms));
    }

    bool startsFactor() const {
        switch (peek().kind) {
        case Tok::Number:
        case Tok::Name:
        case Tok::Vector:
        case Tok::Function:
            return true;
        case Tok::Op:
            return isOp("(") || isOp("sqrt") || (isOp("|") && m_absDepth == 0);
        default:
            return false;
        }
    }

    /// Factors side by side or with a times sign, a "/" taking all that
    /// stands before it as its numerator (2x/3 is (2x)/3).
    std::optional<Math> term() {
        std::vector<Math> factors;
        std::vector<bool> times; // a times sign written before the factor
        std::optional<Math> f = factor();
        if (!f) return std::nullopt;
        factors.push_back(*f);
        times.push_back(false);
        while (true) {
            const bool timesSign = isOp("x");
            if (timesSign || isOp("*")) {
                ++m_at;
            } else if (take("/")) {
                std::optional<Math> d = factor();
                if (!d) return std::nullopt;
                const Math top = joined(factors, times);
                factors = {fraction(top, *d)};
                times = {false};
                continue;
            } else if (!startsFactor()) {
                break;
            }
            f = factor();
            if (!f) return std::nullopt;
            factors.push_back(*f);
            times.push_back(timesSign);
        }
        return joined(factors, times);
    }

    /// The product of the factors; a times sign written stays.
    static Math joined(std::vector<Math> factors, const std::vector<bool>& times) {
        if (factors.size() == 1) return factors.front();
        // A negative first factor keeps its parentheses: (−7/4)y, not −7/4 y.
        if (startsWithSign(factors.front())) factors.front() = parens(factors.front());
        const Math p = product(factors);
        if (std::none_of(times.begin(), times.end(), [](bool t) { return t; })) return p;
        Math::Node n = *p.node();
        for (std::size_t i = 0; i < times.size(); ++i)
            if (times[i]) n.marks[i] = static_cast<char>(Joint::Times);
        return Math(std::make_shared<const Math::Node>(std::move(n)));
    }

    std::optional<Math> factor() {
        if (m_syntax == Syntax::Typed && (isOp("-") || isOp("+"))) {
            const bool minus = isOp("-");
            ++m_at;
            std::optional<Math> f = factor();
            if (!f) return std::nullopt;
            return minus ? negated(*f) : *f;
        }
        std::optional<Math> base = primary();
        if (!base) return std::nullopt;
        while (true) {
            if (isOp("sup")) {
                const std::string e = peek().subscript;
                ++m_at;
                base = power(*base, e.front() == '-' ? value(-Number(std::stol(e.substr(1))))
                                                     : value(Number(std::stol(e))));
            } else if (take("^")) {
                std::optional<Math> e = factor();
                if (!e) return std::nullopt;
                base = power(*base, *e);
            } else if (take("deg")) {
                base = product({*base, symbol("°")});
            } else {
                return base;
            }
        }
    }

    std::optional<Math> primary() {
        const Token t = peek();
        switch (t.kind) {
        case Tok::Number:
            ++m_at;
            if (t.text.find('.') != std::string::npos) return numeral(t.text);
            return value(Number(mpz_class(t.text)));
        case Tok::Name:
            ++m_at;
            if (isOp("(") && t.text.size() == 1 && t.text[0] >= 'A' && t.text[0] <= 'Z' &&
                t.subscript.empty())
                return namedPoint(t.text);
            return symbol(t.text, t.subscript);
        case Tok::Vector:
            ++m_at;
            return vector(t.text);
        case Tok::Function:
            ++m_at;
            return call(t.text);
        default:
            break;
        }
        if (take("(")) return group({});
        if (take("|")) {
            ++m_absDepth;
            std::optional<Math> inside = expression();
            --m_absDepth;
            if (!inside || !take("|")) return std::nullopt;
            return absolute(*inside);
        }
        if (take("sqrt")) {
            std::optional<Math> r = primary();
            if (!r) return std::nullopt;
            return root(*r);
        }
        return std::nullopt;
    }

    /// After "(": what it holds (the builders put back the parentheses that
    /// mathematics needs), or a point (x , y).
    std::optional<Math> group(const std::string& name) {
        std::optional<Math> inside = chain();
        if (!inside) return std::nullopt;
        if (take(",")) {
            std::optional<Math> y = chain();
            if (!y || !take(")")) return std::nullopt;
            return point(*inside, *y, name);
        }
        if (!take(")") || !name.empty()) return std::nullopt;
        return inside;
    }

    /// P(x , y); a capital before parentheses without a comma is a factor.
    std::optional<Math> namedPoint(const std::string& name) {
        const std::size_t at = m_at;
        ++m_at;
        if (std::optional<Math> p = group(name)) return p;
        m_at = at;
        return symbol(name);
    }

    std::optional<Math> call(const std::string& name) {
        if (!take("(")) return std::nullopt;
        std::vector<Math> arguments;
        do {
            std::optional<Math> a = chain();
            if (!a) return std::nullopt;
            arguments.push_back(*a);
        } while (take(","));
        if (!take(")")) return std::nullopt;
        if (m_syntax == Syntax::Typed && arguments.size() == 1) {
            if (name == "sqr") return root(arguments.front());
            if (name == "abs") return absolute(arguments.front());
        }
        return function(name, std::move(arguments));
    }

    std::vector<Token> m_tokens;
    Syntax m_syntax;
    std::size_t m_at = 0;
    int m_absDepth = 0;
};

std::optional<Math> parse(std::string_view text, Syntax syntax) {
    std::optional<std::vector<Token>> tokens = Lexer(text, syntax).tokens();
    if (!tokens) return std::nullopt;
    try {
        return Parser(std::move(*tokens), syntax).whole();
    } catch (const std::exception&) { // an exponent or a number beyond what the tree holds
        return std::nullopt;
    }
}

} // namespace

std::optional<Math> parseLinear(std::string_view text) {
    return parse(text, Syntax::Linear);
}

std::optional<Math> parseTyped(std::string_view text) {
    return parse(text, Syntax::Typed);
}

} // namespace exact
