#include "answer.h"

#include "evaluation.h"
#include "numbered_error.h"
#include "numbertext.h"
#include "readings.h"
#include "texts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>

namespace practice {

namespace {

using exact::Number;

std::string lower(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

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
        while (digits < s.size() &&
               (std::isdigit(static_cast<unsigned char>(s[digits])) || s[digits] == '.'))
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

std::string without(std::string s, char c) {
    s.erase(std::remove(s.begin(), s.end(), c), s.end());
    return s;
}

int depthAt(const std::string& s, std::size_t at) {
    int depth = 0;
    for (std::size_t i = 0; i < at; ++i)
        depth += s[i] == '(' ? 1 : s[i] == ')' ? -1 : 0;
    return depth;
}

std::string faultText(const NumberedError& e) {
    switch (e.number()) {
    case 11:
        return "há uma divisão por zero.";
    case 5:
        return "há a raiz quadrada de um número negativo.";
    case 6:
        return "há um número demasiado grande.";
    }
    return "a expressão tem nomes ou sinais que não se conseguem calcular.";
}

/// Why a number typed is not in its simplest form, or empty.
std::string notSimplified(const std::string& typed, const Number& n) {
    std::string t = without(typed, '*');
    if (t.size() > 2 && t.front() == '(' && t.back() == ')' && depthAt(t, t.size() - 1) == 1)
        t = t.substr(1, t.size() - 2);
    if (n.isExact()) {
        for (const std::string& form : {texts::field(n), programSyntax(exact::text(n, "."))})
            if (t == without(without(form, ' '), '*')) return {};
    }
    bool plainDecimal = !t.empty();
    for (char c : t)
        plainDecimal =
            plainDecimal && (std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-');
    if (plainDecimal) return {};
    if (t.find("/sqr(") != std::string::npos) return "racionalize o denominador";
    for (std::size_t at = t.find("sqr("); at != std::string::npos; at = t.find("sqr(", at + 1)) {
        const std::size_t close = t.find(')', at);
        const std::string inside =
            t.substr(at + 4, close == std::string::npos ? 0 : close - at - 4);
        Number radicand;
        if (!Number::fromDecimal(inside, radicand) || !radicand.isInteger() || radicand.sign() <= 0)
            continue;
        const Number root = exact::sqrt(radicand);
        const bool simple = root.terms().size() == 1 && root.terms()[0].coefficient == 1 &&
                            Number(mpz_class(root.terms()[0].radicand)) == radicand;
        if (!simple) return "simplifique o radical";
    }
    return n.isRational() ? "reduza a fracção aos termos mínimos"
                          : "escreva o valor na forma mais simples";
}

TypedValue numberValue(const std::string& text) {
    TypedValue v;
    v.text = without(text, ' ');
    const Number n = exact::readField(v.text);
    v.value = n;
    v.notSimplified = notSimplified(v.text, n);
    return v;
}

bool hasUnknown(const std::string& s) {
    std::string t = s;
    replaceAll(t, "sqr", "");
    replaceAll(t, "abs", "");
    return t.find('x') != std::string::npos || t.find('y') != std::string::npos;
}

/// The point "(a , b)", "A(a , b)" or "M = (a ; b)".
TypedValue pointValue(std::string text) {
    const std::size_t open = text.find('(');
    std::string inner = text.substr(open + 1, text.rfind(')') - open - 1);
    std::size_t split = std::string::npos;
    if (const std::size_t spaced = inner.find(" , ");
        spaced != std::string::npos && inner.find(" , ", spaced + 1) == std::string::npos)
        split = spaced + 1;
    else if (std::count(inner.begin(), inner.end(), ';') == 1)
        split = inner.find(';');
    else {
        std::vector<std::size_t> commas;
        for (std::size_t i = 0; i < inner.size(); ++i)
            if ((inner[i] == ',' || inner[i] == ';') && depthAt(inner, i) == 0) commas.push_back(i);
        if (commas.size() == 1)
            split = commas[0];
        else if (commas.size() == 3)
            split = commas[1];
    }
    if (split == std::string::npos) throw std::invalid_argument("Escreva o ponto como (a , b).");
    std::string x = inner.substr(0, split), y = inner.substr(split + 1);
    replaceAll(x, ",", ".");
    replaceAll(y, ",", ".");
    if (hasUnknown(x) || hasUnknown(y))
        throw std::invalid_argument("As coordenadas do ponto têm de ser números.");
    const TypedValue a = numberValue(trimmed(x));
    const TypedValue b = numberValue(trimmed(y));
    TypedValue v;
    v.value = exact::Point{std::get<Number>(a.value), std::get<Number>(b.value)};
    v.text = "(" + a.text + "," + b.text + ")";
    v.notSimplified = a.notSimplified.empty() ? b.notSimplified : a.notSimplified;
    return v;
}

/// Whether the equation holds the same at two more points: a line read from
/// three samples is a line only if lhs − rhs is of the first degree.
void checkSamples(const std::string& eq, const std::function<Number(int, int)>& expected) {
    const std::size_t at = eq.find('=');
    exact::Expression e(eq.substr(0, at) + "-(" + eq.substr(at + 1) + ")");
    for (auto [x, y] : {std::pair{2, 3}, std::pair{-3, 5}, std::pair{7, -2}}) {
        const Number value = e.evaluate({{"x", x}, {"y", y}});
        const Number want = expected(x, y);
        if (value.isExact() && want.isExact() ? !(value == want)
                                              : std::abs(value.toDouble() - want.toDouble()) >
                                                    1e-9 * (1 + std::abs(want.toDouble())))
            throw std::invalid_argument("");
    }
}

EquationShape shapeOf(const std::string& eq) {
    const std::size_t at = eq.find('=');
    const std::string lhs = eq.substr(0, at), rhs = eq.substr(at + 1);
    if (lhs == "y" && rhs.find('y') == std::string::npos) return EquationShape::Reduced;
    if (lhs == "x" && !hasUnknown(rhs)) return EquationShape::Reduced;
    if (rhs == "0") return EquationShape::General;
    return EquationShape::Other;
}

TypedValue lineValue(const std::string& eq) {
    const exact::LineReading r = exact::readLine(eq);
    if (r.refusal != exact::Refusal::None || r.line.isDegenerate())
        throw std::invalid_argument("A equação não representa uma recta.");
    const exact::Line l = r.line;
    try {
        checkSamples(eq, [&](int x, int y) { return l.a * x + l.b * y + l.c; });
    } catch (const std::invalid_argument&) {
        throw std::invalid_argument("A equação não representa uma recta.");
    }
    TypedValue v;
    v.value = l;
    v.text = eq;
    v.shape = shapeOf(eq);
    return v;
}

TypedValue circleValue(const std::string& eq) {
    const exact::CircleReading r = exact::readCircle(eq);
    if (r.refusal == exact::Refusal::APoint)
        throw std::invalid_argument("A equação representa um ponto.");
    if (r.refusal != exact::Refusal::None)
        throw std::invalid_argument("A equação não representa uma circunferência.");
    TypedValue v;
    v.value = r.circle;
    v.text = eq;
    return v;
}

bool isCircleText(const std::string& eq) {
    return eq.find("^2") != std::string::npos || eq.find("x*x") != std::string::npos ||
           eq.find("y*y") != std::string::npos;
}

/// 40º 14' 10.89'' (or 40.24, or 45º).
TypedValue angleValue(std::string text) {
    replaceAll(text, "\u00b0", "\u00ba");
    replaceAll(text, ",", ".");
    replaceAll(text, "''", "\"");
    double total = 0, tolerance = 0.5;
    const char* marks[] = {"\u00ba", "'", "\""};
    const double units[] = {1, 1.0 / 60, 1.0 / 3600};
    std::string rest = text;
    bool any = false;
    for (int i = 0; i < 3; ++i) {
        const std::size_t at = rest.find(marks[i]);
        if (at == std::string::npos) continue;
        std::string part = trimmed(rest.substr(0, at));
        const bool negative = !part.empty() && part[0] == '-';
        if (negative) part = trimmed(part.substr(1));
        Number n;
        if (!Number::fromDecimal(part, n))
            throw std::invalid_argument("Escreva a amplitude em graus: 45º, ou 40º 14' 10,89''.");
        total += (negative ? -1 : 1) * n.toDouble() * units[i];
        const std::size_t point = part.find('.');
        const int places = point == std::string::npos ? 0 : int(part.size() - point - 1);
        tolerance = 0.5 * std::pow(10.0, -places) * units[i];
        rest = rest.substr(at + std::string(marks[i]).size());
        any = true;
    }
    if (!trimmed(rest).empty() || !any)
        throw std::invalid_argument("Escreva a amplitude em graus: 45º, ou 40º 14' 10,89''.");
    TypedValue v;
    Number exactValue;
    std::string degreesPart = trimmed(text.substr(0, text.find("\u00ba")));
    const bool negative = !degreesPart.empty() && degreesPart[0] == '-';
    if (negative) degreesPart = trimmed(degreesPart.substr(1));
    if (Number::fromDecimal(degreesPart, exactValue) && text.find('\'') == std::string::npos &&
        text.find('"') == std::string::npos)
        v.value = Degrees{negative ? -exactValue : exactValue};
    else
        v.value = Degrees{Number::approximate(total)};
    v.text = text;
    v.tolerance = tolerance;
    return v;
}

std::optional<Words> wordsIn(const std::string& t) {
    if (t.find("existe") != std::string::npos) return Words::DoesNotExist;
    if (t.find("paralel") != std::string::npos) return Words::Parallel;
    if (t.find("coinciden") != std::string::npos) return Words::Coincident;
    if (t.rfind("não", 0) == 0 || t.rfind("nao", 0) == 0 || t == "n") return Words::No;
    if (t.rfind("sim", 0) == 0 || t == "s" || t.find("estão em linha") == 0 ||
        t.rfind("é rect", 0) == 0)
        return Words::Yes;
    return std::nullopt;
}

TypedValue oneValue(const std::string& typed, AnswerKind kind) {
    std::string t = programSyntax(typed);
    const std::string words = lower(trimmed(typed));
    if (const auto w = wordsIn(words)) {
        TypedValue v;
        v.value = *w;
        v.text = words;
        return v;
    }
    if (words.find("concorr") != std::string::npos) {
        if (t.find('(') == std::string::npos)
            throw std::invalid_argument("Indique também o ponto: concorrentes em (a , b).");
        t = t.substr(t.find('('));
    }
    if (t.find('=') != std::string::npos && t.find('(') != std::string::npos &&
        t.find('=') < t.find('(') && t.find('x') == std::string::npos &&
        t.find('y') == std::string::npos)
        t = trimmed(t.substr(t.find('=') + 1)); // "M = (1 , 2)"
    if (t.find('=') != std::string::npos) {
        std::string eq = lower(without(t, ' '));
        replaceAll(eq, ",", ".");
        if (std::count(eq.begin(), eq.end(), '=') != 1)
            throw std::invalid_argument("Uma equação tem um só sinal =.");
        return isCircleText(eq) ? circleValue(eq) : lineValue(eq);
    }
    const std::size_t open = t.find('(');
    const bool pointLike = open != std::string::npos && open <= 2 && t.back() == ')' &&
                           (t.find(',') != std::string::npos || t.find(';') != std::string::npos);
    if (pointLike) return pointValue(t);
    if (typed.find("\u00ba") != std::string::npos || typed.find("\u00b0") != std::string::npos ||
        (kind == AnswerKind::Angle && typed.find('\'') != std::string::npos))
        return angleValue(t);
    std::string n = lower(t);
    replaceAll(n, ",", ".");
    if (hasUnknown(n)) throw std::invalid_argument("Falta o sinal = na equação.");
    return numberValue(n);
}

/// The answer cut at ";" and " e " outside parentheses.
std::vector<std::string> parts(const std::string& text) {
    std::vector<std::string> out;
    std::string current;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (depth == 0 && (c == ';' || text.compare(i, 3, " e ") == 0)) {
            out.push_back(trimmed(current));
            current.clear();
            if (c == ' ') i += 2;
            continue;
        }
        current += c;
    }
    out.push_back(trimmed(current));
    return out;
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
    replaceAll(s, "sqrt(", "sqr(");
    replaceAll(s, "raiz(", "sqr(");
    roots(s);
    return explicitProducts(s);
}

TypedAnswer readAnswer(std::string_view text, AnswerKind kind) {
    TypedAnswer answer;
    if (text.size() > MaxAnswerLength) {
        answer.problem = "A resposta é demasiado longa.";
        return answer;
    }
    const std::string t = trimmed(text);
    if (t.empty()) {
        answer.problem = "Escreva a resposta antes de verificar.";
        return answer;
    }
    try {
        for (const std::string& part : parts(t)) {
            if (part.empty()) throw std::invalid_argument("Falta um valor entre os sinais ;.");
            answer.values.push_back(oneValue(part, kind));
        }
    } catch (const NumberedError& e) {
        answer.values.clear();
        answer.problem = "Não consegui ler a resposta: " + faultText(e);
    } catch (const std::invalid_argument& e) {
        answer.values.clear();
        answer.problem = *e.what() ? e.what() : "Não consegui ler a resposta.";
    } catch (const std::exception&) {
        answer.values.clear();
        answer.problem = "Não consegui ler a resposta.";
    }
    return answer;
}

} // namespace practice
