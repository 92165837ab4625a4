#include "answer.h"

#include "budget.h"
#include "evaluation.h"
#include "fieldtext.h"
#include "numbered_error.h"
#include "numbertext.h"
#include "texts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <set>

namespace practice {

namespace {

using exact::Number;
using texts::Say;

/// What could not be read: the part as the pupil typed it, and why; or,
/// `whole`, the message itself.
struct Unread {
    std::string part;
    std::string why;
    bool whole = false;
};

[[noreturn]] void unread(const std::string& part, Say why, const texts::Slots& slots = {}) {
    throw Unread{part, texts::say(why, slots)};
}

// --- characters

std::string trimmed(std::string_view s) {
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string_view::npos) return {};
    const auto e = s.find_last_not_of(" \t\r\n");
    return std::string(s.substr(b, e - b + 1));
}

void replaceAll(std::string& s, std::string_view from, std::string_view to) {
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

std::string without(std::string s, char c) {
    s.erase(std::remove(s.begin(), s.end(), c), s.end());
    return s;
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

/// Lower case, the accented capitals of Portuguese (UTF-8) included.
std::string lower(std::string s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            s[i] = char(std::tolower(c));
        } else if (c == 0xC3 && i + 1 < s.size()) {
            const auto d = static_cast<unsigned char>(s[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) s[i + 1] = char(d + 0x20);
            ++i;
        }
    }
    return s;
}

/// A lower-case text without its accents: "não" is "nao", "rectângulo" "rectangulo".
std::string plain(const std::string& s) {
    static const std::array<std::pair<std::string_view, char>, 16> accents{{{"á", 'a'},
                                                                            {"à", 'a'},
                                                                            {"â", 'a'},
                                                                            {"ã", 'a'},
                                                                            {"ç", 'c'},
                                                                            {"é", 'e'},
                                                                            {"ê", 'e'},
                                                                            {"í", 'i'},
                                                                            {"ó", 'o'},
                                                                            {"ô", 'o'},
                                                                            {"õ", 'o'},
                                                                            {"ú", 'u'},
                                                                            {"ü", 'u'},
                                                                            {"è", 'e'},
                                                                            {"ì", 'i'},
                                                                            {"ò", 'o'}}};
    std::string out = s;
    for (const auto& [accented, letter] : accents)
        replaceAll(out, accented, std::string(1, letter));
    return out;
}

int depthAt(const std::string& s, std::size_t at) {
    int depth = 0;
    for (std::size_t i = 0; i < at; ++i)
        depth += s[i] == '(' ? 1 : s[i] == ')' ? -1 : 0;
    return depth;
}

bool balanced(const std::string& s) {
    int depth = 0;
    for (char c : s) {
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth < 0) return false;
    }
    return depth == 0;
}

/// Whether the text names x or y, function names apart.
bool hasUnknown(const std::string& s) {
    std::string t = lower(s);
    for (const char* name : {"sqrt", "sqr", "abs", "raiz", "max"})
        replaceAll(t, name, "");
    return t.find('x') != std::string::npos || t.find('y') != std::string::npos;
}

/// "√58" → "sqr(58)", "√(…)" → "sqr(…)".
void roots(std::string& s) {
    const std::string root = "\u221a";
    for (std::size_t at = s.find(root); at != std::string::npos; at = s.find(root)) {
        std::size_t end = at + root.size();
        if (end < s.size() && s[end] == '(') {
            s.replace(at, root.size(), "sqr");
            continue;
        }
        std::size_t digits = end;
        while (digits < s.size() && (isDigit(s[digits]) || s[digits] == '.' || s[digits] == ','))
            ++digits;
        s.replace(at, digits - at, "sqr(" + s.substr(end, digits - end) + ")");
    }
}

/// "(3/2)x" → "(3/2)*x": the language reads a product after a closing
/// parenthesis only when it is written.
std::string explicitProducts(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (s[i] != ')') continue;
        std::size_t next = i + 1;
        while (next < s.size() && s[next] == ' ')
            ++next;
        if (next < s.size() &&
            (std::isalnum(static_cast<unsigned char>(s[next])) || s[next] == '(' || s[next] == '.'))
            out += '*';
    }
    return out;
}

/// A part as the message shows it: at most 40 characters.
std::string shown(const std::string& part) {
    if (part.size() <= 40) return part;
    std::size_t cut = 37;
    while (cut > 0 && (static_cast<unsigned char>(part[cut]) & 0xC0) == 0x80)
        --cut; // not inside a character
    return part.substr(0, cut) + "...";
}

Say faultWhy(const NumberedError& e) {
    switch (e.number()) {
    case 11:
        return Say::DivisionByZero;
    case 5:
        return Say::NegativeRoot;
    case 6:
        return Say::TooLarge;
    }
    return Say::NotComputable;
}

/// Runs a reading; a fault of the arithmetic is the part's.
template <typename Read>
auto reading(const std::string& part, const std::string& text, Read&& read) {
    if (!balanced(text)) unread(part, Say::Parentheses);
    try {
        return read();
    } catch (const NumberedError& e) {
        unread(part, faultWhy(e));
    }
}

// --- numbers

/// Why a number typed is not in its simplest form, or empty.
std::string notSimplified(const std::string& typed, const Number& n) {
    std::string t = without(typed, '*');
    if (t.size() > 2 && t.front() == '(' && t.back() == ')' && depthAt(t, t.size() - 1) == 1)
        t = t.substr(1, t.size() - 2);
    if (n.isExact()) {
        for (const std::string& form :
             {exact::typed::number(n), programSyntax(exact::text(n, "."))})
            if (t == without(without(form, ' '), '*')) return {};
    }
    bool plainDecimal = !t.empty();
    for (char c : t)
        plainDecimal = plainDecimal && (isDigit(c) || c == '.' || c == '-');
    if (plainDecimal) return {};
    if (t.find("/sqr(") != std::string::npos) return texts::say(Say::RationaliseDenominator);
    for (std::size_t at = t.find("sqr("); at != std::string::npos; at = t.find("sqr(", at + 1)) {
        const std::size_t close = t.find(')', at);
        const std::string inside =
            t.substr(at + 4, close == std::string::npos ? 0 : close - at - 4);
        Number radicand;
        if (!Number::fromDecimal(inside, radicand) || !radicand.isInteger() || radicand.sign() <= 0)
            continue;
        const Number root = exact::sqrt(radicand);
        const bool simple = root.terms().size() == 1 && root.terms()[0].coefficient == 1 &&
                            Number(root.terms()[0].radicand) == radicand;
        if (!simple) return texts::say(Say::SimplifyRadical);
    }
    return texts::say(n.isRational() ? Say::LowestTerms : Say::SimplestForm);
}

TypedValue numberValue(const std::string& part, const std::string& syntax) {
    std::string text = lower(without(syntax, ' '));
    replaceAll(text, ",", ".");
    if (text.empty()) unread(part, Say::EmptyPart);
    if (hasUnknown(text)) unread(part, Say::Unknowns);
    TypedValue v;
    v.text = text;
    const Number n = reading(part, text, [&] { return exact::readField(text); });
    v.value = n;
    v.notSimplified = notSimplified(text, n);
    return v;
}

// --- points

/// Where the coordinates of "(a , b)" part: ";", a comma that is not a
/// decimal comma (between two digits), or the one comma of "(1,2)", or the
/// middle one of "(0,5,1,5)"; npos when it cannot be told.
std::size_t coordinateSplit(const std::string& inner) {
    std::vector<std::size_t> semicolons, separators, commas;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (depthAt(inner, i) != 0) continue;
        if (inner[i] == ';') semicolons.push_back(i);
        if (inner[i] != ',') continue;
        commas.push_back(i);
        const bool decimal =
            i > 0 && i + 1 < inner.size() && isDigit(inner[i - 1]) && isDigit(inner[i + 1]);
        if (!decimal) separators.push_back(i);
    }
    if (semicolons.size() == 1) return semicolons[0];
    if (!semicolons.empty()) return std::string::npos;
    if (separators.size() == 1) return separators[0];
    if (separators.empty() && commas.size() == 1) return commas[0];
    if (separators.empty() && commas.size() == 3) return commas[1];
    return std::string::npos;
}

/// The point "(a , b)", "A(a ; b)": its coordinates read as numbers.
TypedValue pointValue(const std::string& part, const std::string& syntax) {
    const std::size_t open = syntax.find('(');
    const std::string inner = syntax.substr(open + 1, syntax.rfind(')') - open - 1);
    const std::size_t split = coordinateSplit(inner);
    if (split == std::string::npos) {
        std::size_t count = 1;
        for (std::size_t i = 0; i < inner.size(); ++i)
            count += (inner[i] == ';' || inner[i] == ',') && depthAt(inner, i) == 0;
        if (count == 3) unread(part, Say::DecimalCommas);
        unread(part, Say::PointCoordinates, {{"count", std::to_string(count)}});
    }
    const std::string x = trimmed(inner.substr(0, split)), y = trimmed(inner.substr(split + 1));
    if (hasUnknown(x) || hasUnknown(y)) unread(part, Say::Unknowns);
    const TypedValue a = numberValue(part, x);
    const TypedValue b = numberValue(part, y);
    TypedValue v;
    v.value = exact::Point{std::get<Number>(a.value), std::get<Number>(b.value)};
    v.text = "(" + a.text + "," + b.text + ")";
    v.notSimplified = a.notSimplified.empty() ? b.notSimplified : a.notSimplified;
    return v;
}

/// "(a , b)", "A(a , b)", "P1(a ; b)": a name of two characters at most,
/// then one group that ends the text and holds a separator.
bool isPointText(const std::string& syntax) {
    const std::size_t open = syntax.find('(');
    if (open == std::string::npos || open > 2 || syntax.back() != ')') return false;
    for (std::size_t i = 0; i < open; ++i)
        if (!std::isalnum(static_cast<unsigned char>(syntax[i]))) return false;
    if (depthAt(syntax, syntax.size() - 1) != 1) return false;
    for (std::size_t i = open + 1; i + 1 < syntax.size(); ++i)
        if (depthAt(syntax, i) == 1 && (syntax[i] == ',' || syntax[i] == ';')) return true;
    return false;
}

// --- equations

EquationShape lineShape(const std::string& lhs, const std::string& rhs) {
    if (lhs == "y" && rhs.find('y') == std::string::npos) return EquationShape::Reduced;
    if (lhs == "x" && !hasUnknown(rhs)) return EquationShape::Reduced;
    if (rhs == "0") return EquationShape::General;
    return EquationShape::Other;
}

/// "x^2", "(x-2)^2", "(y+1/2)^2": the square of x or y shifted by a constant.
bool isShiftedSquare(const std::string& term, char unknown) {
    if (term == std::string(1, unknown) + "^2") return true;
    if (term.size() < 5 || term.front() != '(' || term.compare(term.size() - 3, 3, ")^2") != 0)
        return false;
    const std::string inner = term.substr(1, term.size() - 4);
    if (depthAt(term, term.size() - 3) != 1 || inner.empty() || inner[0] != unknown) return false;
    const std::string rest = inner.substr(1);
    return rest.empty() || ((rest[0] == '+' || rest[0] == '-') && !hasUnknown(rest));
}

/// (x − a)² + (y − b)² = r², either member first, either square first.
bool isReducedCircle(const std::string& lhs, const std::string& rhs) {
    const bool left = !hasUnknown(rhs);
    const std::string& side = left ? lhs : rhs;
    if (!left && hasUnknown(lhs)) return false;
    for (std::size_t i = 1; i < side.size(); ++i) {
        if (side[i] != '+' || depthAt(side, i) != 0) continue;
        const std::string a = side.substr(0, i), b = side.substr(i + 1);
        if ((isShiftedSquare(a, 'x') && isShiftedSquare(b, 'y')) ||
            (isShiftedSquare(a, 'y') && isShiftedSquare(b, 'x')))
            return true;
    }
    return false;
}

TypedValue lineValue(const exact::Polynomial& p) {
    TypedValue v;
    v.value = exact::Line{p.coefficient(1, 0), p.coefficient(0, 1), p.coefficient(0, 0)};
    return v;
}

TypedValue circleValue(const std::string& part, const exact::Polynomial& p, bool lineAsked) {
    const Number a = p.coefficient(2, 0);
    if (!(p.coefficient(0, 2) == a) || !p.coefficient(1, 1).isZero())
        unread(part, lineAsked ? Say::NotALine : Say::NotACircle);
    const Number d = p.coefficient(1, 0) / a, e = p.coefficient(0, 1) / a,
                 f = p.coefficient(0, 0) / a;
    const Number k = d * d + e * e - 4 * f;
    if (k.sign() < 0) unread(part, Say::NotACircle);
    if (k.isZero()) unread(part, Say::APointCircle);
    TypedValue v;
    v.value = exact::Circle{{-d / 2, -e / 2}, exact::sqrt(k) / 2, k / 4};
    return v;
}

/// An equation expanded into a polynomial in x and y: of the first degree a
/// line, of the second a circle when it has a circle's shape.
TypedValue equationValue(const std::string& part, const std::string& syntax, bool lineAsked) {
    std::string eq = lower(without(syntax, ' '));
    replaceAll(eq, ",", ".");
    const std::size_t at = eq.find('=');
    if (eq.find('=', at + 1) != std::string::npos) unread(part, Say::TwoEquals);
    const std::string lhs = eq.substr(0, at), rhs = eq.substr(at + 1);
    if (lhs.empty() || rhs.empty()) unread(part, Say::EmptyPart);
    const std::optional<exact::Polynomial> p =
        reading(part, eq, [&] { return exact::Expression(lhs + "-(" + rhs + ")").expand(); });
    if (!p) unread(part, exact::WorkBudget::spent() ? Say::TooMuchWork : Say::NotPolynomial);
    TypedValue v;
    switch (p->degree()) {
    case -1:
    case 0:
        unread(part, Say::NoUnknowns);
    case 1:
        v = lineValue(*p);
        v.shape = lineShape(lhs, rhs);
        break;
    case 2:
        v = circleValue(part, *p, lineAsked);
        v.shape = isReducedCircle(lhs, rhs) ? EquationShape::Reduced
                  : rhs == "0"              ? EquationShape::General
                                            : EquationShape::Other;
        break;
    default:
        unread(part, Say::HighDegree, {{"degree", std::to_string(p->degree())}});
    }
    v.text = eq;
    return v;
}

// --- amplitudes

/// The units of an amplitude's parts, in degrees, with their marks.
const std::array<std::pair<std::string_view, Number>, 3>& angleUnits() {
    static const std::array<std::pair<std::string_view, Number>, 3> units{
        {{"\u00ba", 1}, {"'", Number::fraction(1, 60)}, {"''", Number::fraction(1, 3600)}}};
    return units;
}

/// The unit of the mark at `i` (0 degrees, 1 minutes, 2 seconds), moving
/// past it; −1 when there is none.
int unitAt(const std::string& t, std::size_t& i) {
    for (int u = 2; u >= 0; --u) {
        const std::string_view mark = angleUnits()[std::size_t(u)].first;
        if (t.compare(i, mark.size(), mark) == 0) {
            i += mark.size();
            return u;
        }
    }
    return -1;
}

/// The marks and words of an amplitude as "º", "'" and "''".
std::string angleMarks(const std::string& syntax) {
    std::string t = lower(syntax);
    for (const auto& [from, to] :
         std::initializer_list<std::pair<std::string_view, const char*>>{{"\u00b0", "\u00ba"},
                                                                         {"\u2033", "''"},
                                                                         {"\u2032", "'"},
                                                                         {"\"", "''"},
                                                                         {"segundos", "''"},
                                                                         {"segundo", "''"},
                                                                         {"minutos", "'"},
                                                                         {"minuto", "'"},
                                                                         {"graus", "\u00ba"},
                                                                         {"grau", "\u00ba"},
                                                                         {",", "."},
                                                                         {" ", ""},
                                                                         {"\u2212", "-"}})
        replaceAll(t, from, to);
    return t;
}

/// "18º 26' 5,82''", "45 graus", "40,24º", "45": degrees, minutes and
/// seconds in that order, each a decimal; the value exact, the tolerance
/// half a unit of the last place written.
TypedValue angleValue(const std::string& part, const std::string& syntax) {
    const std::string t = angleMarks(syntax);
    const bool negative = !t.empty() && t[0] == '-';
    Number total;
    double tolerance = 0.5;
    int last = -1;
    for (std::size_t i = negative ? 1 : 0; i < t.size();) {
        const std::size_t start = i;
        while (i < t.size() && (isDigit(t[i]) || t[i] == '.'))
            ++i;
        Number n;
        if (!Number::fromDecimal(t.substr(start, i - start), n)) unread(part, Say::AngleParts);
        const std::size_t point = t.find('.', start);
        const int places = point < i ? int(i - point - 1) : 0;
        int unit = unitAt(t, i);
        if (unit < 0 && last < 0 && i == t.size()) unit = 0; // a plain number of degrees
        if (unit <= last) unread(part, Say::AngleParts);
        const Number& size = angleUnits()[std::size_t(unit)].second;
        total += n * size;
        tolerance = 0.5 * std::pow(10.0, -places) * size.toDouble();
        last = unit;
    }
    if (last < 0) unread(part, Say::AngleParts);
    TypedValue v;
    v.value = Degrees{negative ? -total : total};
    v.text = t;
    v.tolerance = tolerance;
    v.unit = AngleUnit(last);
    return v;
}

bool isAngleText(const std::string& syntax) {
    const std::string t = plain(lower(syntax));
    for (const char* mark : {"\u00ba", "\u00b0", "'", "\"", "\u2032", "\u2033", "grau"})
        if (t.find(mark) != std::string::npos) return true;
    return false;
}

// --- words

enum class Predicate : std::uint8_t { Collinear, Right, Parallel, Coincident, Concurrent, Exists };

/// The words of phrases, without accents.
const std::set<std::string>& fillers() {
    static const std::set<std::string> words{
        "os",          "as",          "o",       "a",        "e",         "pontos",
        "ponto",       "rectas",      "retas",   "recta",    "reta",      "sao",
        "estao",       "esta",        "estamos", "ficam",    "triangulo", "um",
        "uma",         "de",          "do",      "da",       "dos",       "das",
        "tres",        "eles",        "elas",    "logo",     "portanto",  "por",
        "isso",        "mesma",       "na",      "numa",     "no",        "em",
        "r",           "s",           "t",       "abc",      "b",         "c",
        "declive",     "coeficiente", "angular", "vertical", "distintas", "estritamente",
        "disjuntas",   "ponto",       "sobre",   "formam",   "forma",     "sim",
        "ao",          "pois",        "que",     "ja",       "sempre",    "dois",
        "duas",        "lados",       "vertice", "angulo",   "recto",     "reto",
        "interseccao", "intersecao"};
    return words;
}

std::optional<Predicate> predicateOf(const std::string& w) {
    static const std::array<std::pair<std::string_view, Predicate>, 24> words{{
        {"colineares", Predicate::Collinear},
        {"colinear", Predicate::Collinear},
        {"alinhados", Predicate::Collinear},
        {"alinhadas", Predicate::Collinear},
        {"linha", Predicate::Collinear},
        {"rectangulo", Predicate::Right},
        {"retangulo", Predicate::Right},
        {"paralelas", Predicate::Parallel},
        {"paralela", Predicate::Parallel},
        {"paralelos", Predicate::Parallel},
        {"coincidentes", Predicate::Coincident},
        {"coincidente", Predicate::Coincident},
        {"concorrentes", Predicate::Concurrent},
        {"concorrente", Predicate::Concurrent},
        {"secantes", Predicate::Concurrent},
        {"perpendiculares", Predicate::Concurrent},
        {"intersectam", Predicate::Concurrent},
        {"intersetam", Predicate::Concurrent},
        {"cortam", Predicate::Concurrent},
        {"cruzam", Predicate::Concurrent},
        {"existe", Predicate::Exists},
        {"tem", Predicate::Exists},
        {"ha", Predicate::Exists},
        {"definido", Predicate::Exists},
    }};
    for (const auto& [word, p] : words)
        if (w == word) return p;
    return std::nullopt;
}

/// The length of the letter at `i`: an ASCII letter, or an accented letter
/// of Portuguese (two bytes of UTF-8); 0 for any other character.
std::size_t letterAt(const std::string& t, std::size_t i) {
    const auto c = static_cast<unsigned char>(t[i]);
    if (std::isalpha(c)) return 1;
    if (c != 0xC3 || i + 1 >= t.size()) return 0;
    const auto d = static_cast<unsigned char>(t[i + 1]);
    return d >= 0x80 && d <= 0xBF && d != 0x97 && d != 0xB7 ? 2 : 0; // not × nor ÷
}

/// The words of a text (runs of letters) with the character after each.
std::vector<std::pair<std::string, char>> wordsOf(const std::string& t) {
    std::vector<std::pair<std::string, char>> words;
    for (std::size_t i = 0; i < t.size();) {
        if (letterAt(t, i) == 0) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < t.size() && letterAt(t, i) > 0)
            i += letterAt(t, i);
        words.emplace_back(t.substr(start, i - start), i < t.size() ? t[i] : '\0');
    }
    return words;
}

/// Whether a text is a phrase: it holds a word a pupil answers with.
bool isPhrase(const std::string& typed) {
    const std::string t = plain(lower(trimmed(typed)));
    if (t == "s" || t == "n" || t == "s." || t == "n.") return true;
    for (const auto& [word, after] : wordsOf(lower(trimmed(typed)))) {
        const std::string w = plain(word);
        if (w == "sim" || w == "nao" || predicateOf(w) ||
            (w.size() > 2 && fillers().count(w) && w != "abc"))
            return true;
    }
    return false;
}

struct Phrase {
    std::optional<bool> yesNo; ///< "sim," or "não," before the rest
    int negations = 0;
    std::set<Predicate> predicates;
};

Phrase phraseOf(const std::string& part, const std::string& text) {
    Phrase p;
    const auto words = wordsOf(text);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string w = plain(words[i].first);
        const char after = words[i].second;
        const bool alone = words.size() == 1;
        if (i == 0 && (w == "sim" || (w == "s" && alone))) {
            p.yesNo = true;
        } else if (i == 0 && (w == "n" && alone)) {
            p.yesNo = false;
        } else if (w == "nao") {
            const bool answer = i == 0 && (alone || (after != ' ' && after != '\0'));
            if (answer)
                p.yesNo = false;
            else
                ++p.negations;
        } else if (const auto pred = predicateOf(w)) {
            p.predicates.insert(*pred);
        } else if (!fillers().count(w)) {
            unread(part, Say::UnknownWord, {{"word", words[i].first}});
        }
    }
    if (p.predicates.count(Predicate::Parallel) && p.predicates.count(Predicate::Coincident))
        p.predicates.erase(Predicate::Parallel); // "paralelas coincidentes"
    return p;
}

TypedValue wordsValue(Words w, const std::string& text, bool negated = false) {
    TypedValue v;
    v.value = w;
    v.text = text;
    v.negated = negated;
    return v;
}

/// "sim", "Os pontos não estão em linha recta", "paralelas e distintas",
/// "concorrentes em (1 , 2)", "não existe": negation first, every word
/// known, or nothing is read.
TypedValue phraseValue(const std::string& part) {
    const std::string t = lower(trimmed(part));
    const std::size_t open = t.find('(');
    const std::string words = open == std::string::npos ? t : t.substr(0, open);
    if (const auto digit = std::find_if(words.begin(), words.end(), isDigit);
        digit != words.end()) {
        const auto end = std::find_if(digit, words.end(), [](char c) { return c == ' '; });
        unread(part, Say::UnknownWord, {{"word", std::string(digit, end)}});
    }
    const Phrase p = phraseOf(part, words);
    const bool negated = p.negations % 2 == 1;
    if (p.predicates.size() > 1) unread(part, Say::Contradiction);
    if (p.predicates.empty()) {
        if (p.yesNo && p.negations > 0 && *p.yesNo) unread(part, Say::Contradiction);
        if (p.yesNo) return wordsValue(*p.yesNo ? Words::Yes : Words::No, t);
        if (negated) return wordsValue(Words::No, t);
        unread(part, Say::UnknownWord, {{"word", t}});
    }
    switch (*p.predicates.begin()) {
    case Predicate::Collinear:
    case Predicate::Right:
        if (p.yesNo && *p.yesNo == negated) unread(part, Say::Contradiction);
        return wordsValue(negated ? Words::No : Words::Yes, t);
    case Predicate::Parallel:
        return wordsValue(Words::Parallel, t, negated);
    case Predicate::Coincident:
        return wordsValue(Words::Coincident, t, negated);
    case Predicate::Concurrent:
        if (negated) unread(part, Say::Contradiction);
        if (open == std::string::npos) throw Unread{part, texts::say(Say::PointAsWell), true};
        return pointValue(part, programSyntax(trimmed(part.substr(part.find('(')))));
    case Predicate::Exists:
        if (!negated && !(p.yesNo && !*p.yesNo)) unread(part, Say::NegatedExistence);
        return wordsValue(Words::DoesNotExist, t);
    }
    unread(part, Say::UnknownWord, {{"word", t}});
}

// --- parts and names

/// The answer cut at ";", a new line, " e " and a comma that is not a
/// decimal comma, outside parentheses.
std::vector<std::string> partsOf(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        const bool decimalComma = c == ',' && i > 0 && i + 1 < text.size() &&
                                  isDigit(text[i - 1]) && isDigit(text[i + 1]);
        const bool andWord = (c == ' ' || c == '\t') && i + 2 < text.size() &&
                             (text[i + 1] == 'e' || text[i + 1] == 'E') &&
                             (text[i + 2] == ' ' || text[i + 2] == '\t');
        if (depth == 0 && (c == ';' || c == '\n' || (c == ',' && !decimalComma) || andWord)) {
            out.push_back(trimmed(current));
            current.clear();
            if (andWord) i += 2;
            continue;
        }
        current += c;
    }
    out.push_back(trimmed(current));
    return out;
}

/// The name a value is given before "=" or ":": "d = 5", "r: y = 2x",
/// "d(A, B) = 5", "m_AB = 2", "α = 45º"; npos when there is none.
std::size_t nameEnd(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() &&
           (std::isalpha(static_cast<unsigned char>(s[i])) || s[i] == '_' ||
            (i > 0 && (isDigit(s[i]) || s[i] == '\'')) ||
            (static_cast<unsigned char>(s[i]) >= 0x80 && s.compare(i, 2, "\u00ba") != 0)))
        ++i;
    if (i == 0) return std::string::npos;
    if (i < s.size() && s[i] == '(') { // d(A, B)
        const std::size_t close = s.find(')', i);
        if (close == std::string::npos) return std::string::npos;
        for (std::size_t k = i + 1; k < close; ++k)
            if (!std::isalpha(static_cast<unsigned char>(s[k])) && s[k] != ',' && s[k] != ' ' &&
                s[k] != ';')
                return std::string::npos;
        i = close + 1;
    }
    while (i < s.size() && s[i] == ' ')
        ++i;
    return i < s.size() && (s[i] == '=' || s[i] == ':') ? i : std::string::npos;
}

/// The value without the name given to it: a name before ":" always; before
/// "=" when what follows is still an equation, or, where no equation is
/// asked, when what follows has no x or y.
std::string withoutName(const std::string& part, bool equationAsked) {
    const std::size_t end = nameEnd(part);
    if (end == std::string::npos) return part;
    const std::string rest = trimmed(part.substr(end + 1));
    if (part[end] == ':') return rest;
    if (rest.find('=') != std::string::npos) return rest;
    return equationAsked || hasUnknown(programSyntax(rest)) ? part : rest;
}

/// "x = −3" and "y = −6" as the point (−3 ; −6).
std::vector<std::string> pointsFromCoordinates(std::vector<std::string> parts) {
    const auto coordinate = [](const std::string& p, char name) -> std::optional<std::string> {
        const std::string t = trimmed(p);
        if (t.size() < 3 || std::tolower(static_cast<unsigned char>(t[0])) != name) return {};
        const std::string rest = trimmed(t.substr(1));
        if (rest.empty() || rest[0] != '=') return {};
        const std::string value = trimmed(rest.substr(1));
        if (value.empty() || hasUnknown(programSyntax(value))) return {};
        return value;
    };
    std::vector<std::string> out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto x = coordinate(parts[i], 'x');
        const auto y = i + 1 < parts.size() ? coordinate(parts[i + 1], 'y') : std::nullopt;
        if (x && y) {
            out.push_back("(" + *x + " ; " + *y + ")");
            ++i;
        } else if (x || coordinate(parts[i], 'y')) {
            unread(parts[i], Say::HalfPoint);
        } else {
            out.push_back(parts[i]);
        }
    }
    return out;
}

template <typename T>
std::size_t countOf(const Expected& e) {
    return std::size_t(std::count_if(e.values.begin(), e.values.end(),
                                     [](const Value& v) { return std::holds_alternative<T>(v); }));
}

TypedValue partValue(const std::string& part, const Expected& expected) {
    if (part.empty()) unread(part, Say::EmptyPart);
    const bool equationAsked =
        expected.kind == AnswerKind::Line || expected.kind == AnswerKind::Circle;
    const std::string named = withoutName(part, equationAsked);
    const std::string syntax = trimmed(programSyntax(named));
    if (syntax.empty()) unread(part, Say::EmptyPart);
    if (syntax.find('=') != std::string::npos)
        return equationValue(part, syntax, expected.kind == AnswerKind::Line);
    if (isPointText(syntax)) return pointValue(part, syntax);
    if (isAngleText(named) || expected.kind == AnswerKind::Angle) return angleValue(part, named);
    if (hasUnknown(syntax)) unread(part, equationAsked ? Say::NoEquals : Say::Unknowns);
    return numberValue(part, syntax);
}

/// Whether a text holds a word outside its parentheses: not x or y, nor the
/// name of a function.
bool hasWord(const std::string& t) {
    for (const auto& [word, after] : wordsOf(lower(t.substr(0, t.find('('))))) {
        const std::string w = plain(word);
        if (w != "x" && w != "y" && w != "sqr" && w != "sqrt" && w != "abs" && w != "raiz" &&
            w != "pi")
            return true;
    }
    return false;
}

TypedAnswer readValues(const std::string& t, const Expected& expected) {
    TypedAnswer answer;
    const bool wordsAsked =
        expected.kind == AnswerKind::Words && hasWord(t) && !isPointText(trimmed(programSyntax(t)));
    if (isPhrase(t) || wordsAsked) {
        answer.values.push_back(phraseValue(t));
        return answer;
    }
    std::vector<std::string> parts = partsOf(t);
    if (countOf<exact::Point>(expected) > 0) parts = pointsFromCoordinates(parts);
    for (const std::string& part : parts)
        answer.values.push_back(partValue(part, expected));
    return answer;
}

} // namespace

std::string programSyntax(std::string_view text) {
    std::string s(text);
    replaceAll(s, "\u2212", "-");
    replaceAll(s, "\u2013", "-");
    replaceAll(s, "\u00d7", "*");
    replaceAll(s, "\u00b7", "*");
    replaceAll(s, "\u00f7", "/");
    replaceAll(s, "\u00b2", "^2");
    replaceAll(s, "\u2248", "=");
    replaceAll(s, "sqrt(", "sqr(");
    replaceAll(s, "raiz(", "sqr(");
    roots(s);
    return explicitProducts(s);
}

namespace {

/// The shapes of answer an exercise may ask for, each with its sentence and its example.
enum class Shape : std::uint8_t {
    Number,
    Point,
    TwoPoints,
    PointAndNumber,
    Line,
    ReducedLine,
    GeneralLine,
    TwoLines,
    Circle,
    Angle,
    AngleSeconds,
    YesNo,
    Position,
};

constexpr std::array<std::pair<Say, Say>, 13> ShapeTexts{{
    {Say::AskNumber, Say::ExampleNumber},
    {Say::AskPoint, Say::ExamplePoint},
    {Say::AskTwoPoints, Say::ExampleTwoPoints},
    {Say::AskPointAndNumber, Say::ExamplePointAndNumber},
    {Say::AskLine, Say::ExampleLine},
    {Say::AskReducedLine, Say::ExampleReducedLine},
    {Say::AskGeneralLine, Say::ExampleGeneralLine},
    {Say::AskTwoLines, Say::ExampleTwoLines},
    {Say::AskCircle, Say::ExampleCircle},
    {Say::AskAngle, Say::ExampleAngle},
    {Say::AskAngleSeconds, Say::ExampleAngleSeconds},
    {Say::AskYesNo, Say::ExampleYesNo},
    {Say::AskPosition, Say::ExamplePosition},
}};

Shape lineShape(const Expected& e) {
    if (countOf<exact::Line>(e) > 1) return Shape::TwoLines;
    return e.form == AskedForm::ReducedEquation   ? Shape::ReducedLine
           : e.form == AskedForm::GeneralEquation ? Shape::GeneralLine
                                                  : Shape::Line;
}

Shape shapeOf(const Expected& e) {
    switch (e.kind) {
    case AnswerKind::Number:
        return Shape::Number;
    case AnswerKind::Point:
        if (countOf<Number>(e) > 0) return Shape::PointAndNumber;
        return countOf<exact::Point>(e) > 1 ? Shape::TwoPoints : Shape::Point;
    case AnswerKind::Line:
        return lineShape(e);
    case AnswerKind::Circle:
        return Shape::Circle;
    case AnswerKind::Angle: {
        const bool exactAngle = std::all_of(e.values.begin(), e.values.end(), [](const Value& v) {
            const auto* d = std::get_if<Degrees>(&v);
            return !d || d->value.isExact();
        });
        return exactAngle ? Shape::Angle : Shape::AngleSeconds;
    }
    case AnswerKind::Words: {
        const bool yesNo = std::any_of(e.values.begin(), e.values.end(), [](const Value& v) {
            const auto* w = std::get_if<Words>(&v);
            return w && (*w == Words::Yes || *w == Words::No);
        });
        return yesNo ? Shape::YesNo : Shape::Position;
    }
    }
    return Shape::Number;
}

} // namespace

std::string askedFor(const Expected& e) {
    return texts::say(ShapeTexts.at(std::size_t(shapeOf(e))).first);
}

std::string answerExample(const Expected& e) {
    return texts::say(ShapeTexts.at(std::size_t(shapeOf(e))).second);
}

TypedAnswer readAnswer(std::string_view text, const Expected& expected) {
    TypedAnswer answer;
    if (text.size() > MaxAnswerLength) {
        answer.problem = texts::say(Say::TooLong);
        return answer;
    }
    const std::string t = trimmed(text);
    if (t.empty()) {
        answer.problem = texts::say(Say::Empty);
        return answer;
    }
    const exact::WorkBudget budget(exact::WorkBudget::Answer);
    try {
        return readValues(t, expected);
    } catch (const Unread& u) {
        answer.problem = u.whole ? u.why
                                 : texts::say(Say::Unread, {{"part", shown(u.part)},
                                                            {"why", u.why},
                                                            {"expected", askedFor(expected)}});
    } catch (const NumberedError& e) {
        answer.problem = texts::say(
            Say::UnreadWhole, {{"why", texts::say(faultWhy(e))}, {"expected", askedFor(expected)}});
    } catch (const std::exception&) {
        answer.problem = texts::say(Say::UnreadWhole, {{"why", texts::say(Say::NotComputable)},
                                                       {"expected", askedFor(expected)}});
    }
    answer.values.clear();
    return answer;
}

TypedAnswer readAnswer(std::string_view text, AnswerKind kind) {
    Expected e;
    e.kind = kind;
    return readAnswer(text, e);
}

} // namespace practice
