#include "texts.h"

#include "decimal.h"
#include "numbertext.h"
#include "readings.h"
#include "translation.h"

#include <array>
#include <cmath>

namespace practice::texts {

namespace {

/// Whether a value is a rational whose decimal expansion ends: its
/// denominator has no prime factors but 2 and 5.
bool finiteDecimal(const exact::Number& n) {
    if (!n.isRational()) return false;
    mpz_class d = n.rational().get_den();
    for (const unsigned long p : {2UL, 5UL})
        while (mpz_divisible_ui_p(d.get_mpz_t(), p))
            mpz_divexact_ui(d.get_mpz_t(), d.get_mpz_t(), p);
    return d == 1;
}

/// Every sentence of the reader and the checker, in the order of Say.
constexpr std::array<std::pair<Say, std::string_view>, std::size_t(Say::ReducedCircleAsked) + 1>
    Sentences{{
        {Say::Right, TRANSLATABLE_NOOP("Practice", "Certo.")},
        {Say::RightToSimplify, TRANSLATABLE_NOOP("Practice", "Certo, mas {what}")},
        {Say::WrongSlipAtStep,
         TRANSLATABLE_NOOP("Practice", "Errado. {what} Reveja o passo {step}: {rule}")},
        {Say::WrongSlip, TRANSLATABLE_NOOP("Practice", "Errado. {what} Recorde: {rule}")},
        {Say::WrongSeeSolution,
         TRANSLATABLE_NOOP("Practice", "Errado. Veja a resolução com «Ver resolução».")},
        {Say::WrongApproximate,
         TRANSLATABLE_NOOP("Practice",
                           "Errado. Esse é um valor aproximado: escreva o valor exacto.")},
        {Say::MissingPoint,
         TRANSLATABLE_NOOP("Practice",
                           "Falta um ponto: a resposta tem dois, separados por «e», por exemplo "
                           "(1 , 2) e (3 , −1).")},
        {Say::MissingValue,
         TRANSLATABLE_NOOP("Practice", "Falta um valor: a resposta tem dois, separados por «;».")},
        {Say::MissingValues,
         TRANSLATABLE_NOOP("Practice",
                           "Faltam valores: a resposta tem {count}, separados por «;».")},
        {Say::MorePrecision,
         TRANSLATABLE_NOOP("Practice",
                           "Pede-se a amplitude em graus, minutos e segundos, com os segundos pelo "
                           "menos às unidades, por exemplo 26º 33' 54''.")},
        {Say::DegreesAsked,
         TRANSLATABLE_NOOP(
             "Practice",
             "escreva a amplitude em graus, minutos e segundos, por exemplo 26º 33' 54''.")},
        {Say::PointAsWell,
         TRANSLATABLE_NOOP("Practice", "Indique também o ponto: concorrentes em (a , b).")},
        {Say::Empty, TRANSLATABLE_NOOP("Practice", "Escreva a resposta antes de verificar.")},
        {Say::TooLong, TRANSLATABLE_NOOP("Practice", "A resposta é demasiado longa.")},
        {Say::Unread, TRANSLATABLE_NOOP("Practice", "Não consegui ler «{part}»: {why} {expected}")},
        {Say::UnreadWhole,
         TRANSLATABLE_NOOP("Practice", "Não consegui ler a resposta: {why} {expected}")},
        {Say::KindAsked, TRANSLATABLE_NOOP("Practice", "{expected}")},
        {Say::DivisionByZero, TRANSLATABLE_NOOP("Practice", "há uma divisão por zero.")},
        {Say::NegativeRoot,
         TRANSLATABLE_NOOP("Practice", "há a raiz quadrada de um número negativo.")},
        {Say::TooLarge, TRANSLATABLE_NOOP("Practice", "há um número demasiado grande.")},
        {Say::NotComputable,
         TRANSLATABLE_NOOP("Practice", "tem nomes ou sinais que não se conseguem calcular.")},
        {Say::Parentheses, TRANSLATABLE_NOOP("Practice", "os parênteses não fecham.")},
        {Say::EmptyPart, TRANSLATABLE_NOOP("Practice", "falta um valor entre os separadores.")},
        {Say::Unknowns,
         TRANSLATABLE_NOOP("Practice",
                           "um número não tem x nem y (numa equação, falta o sinal =).")},
        {Say::NoEquals, TRANSLATABLE_NOOP("Practice", "falta o sinal = da equação.")},
        {Say::TwoEquals, TRANSLATABLE_NOOP("Practice", "uma equação tem um só sinal =.")},
        {Say::NoUnknowns, TRANSLATABLE_NOOP("Practice", "a equação não tem x nem y.")},
        {Say::NotPolynomial,
         TRANSLATABLE_NOOP(
             "Practice", "a equação tem divisões por x ou y, raízes de x ou y, ou outros nomes.")},
        {Say::NotALine, TRANSLATABLE_NOOP("Practice", "a equação não representa uma recta.")},
        {Say::NotACircle,
         TRANSLATABLE_NOOP("Practice", "a equação não representa uma circunferência.")},
        {Say::APointCircle, TRANSLATABLE_NOOP("Practice", "a equação representa um ponto.")},
        {Say::HighDegree,
         TRANSLATABLE_NOOP(
             "Practice",
             "a equação é do grau {degree}: não representa uma recta nem uma circunferência.")},
        {Say::PointCoordinates,
         TRANSLATABLE_NOOP("Practice", "um ponto tem duas coordenadas, e aqui há {count}.")},
        {Say::DecimalCommas,
         TRANSLATABLE_NOOP("Practice",
                           "não se sabe onde acaba a abcissa: separe as coordenadas com «;», por "
                           "exemplo (0,5 ; 1).")},
        {Say::HalfPoint, TRANSLATABLE_NOOP("Practice", "falta a outra coordenada.")},
        {Say::UnknownWord, TRANSLATABLE_NOOP("Practice", "não conheço a palavra «{word}».")},
        {Say::Contradiction,
         TRANSLATABLE_NOOP("Practice", "a resposta diz «sim» e «não» ao mesmo tempo.")},
        {Say::NegatedExistence, TRANSLATABLE_NOOP("Practice", "diga se existe ou não existe.")},
        {Say::AngleParts,
         TRANSLATABLE_NOOP("Practice", "uma amplitude escreve-se em graus, minutos e segundos.")},
        {Say::TooMuchWork,
         TRANSLATABLE_NOOP("Practice", "as contas que pede são demasiado longas.")},
        {Say::AskNumber,
         TRANSLATABLE_NOOP("Practice", "Escreva um número, por exemplo 2√5, −3/4 ou 2sqr(5).")},
        {Say::AskPoint,
         TRANSLATABLE_NOOP("Practice", "Escreva um ponto, por exemplo (1 , −2) ou A(1/2 ; 3).")},
        {Say::AskTwoPoints,
         TRANSLATABLE_NOOP(
             "Practice", "Escreva dois pontos separados por «e», por exemplo (1 , 2) e (3 , −1).")},
        {Say::AskPointAndNumber,
         TRANSLATABLE_NOOP("Practice", "Escreva o centro e o raio, por exemplo (1 , −2) ; 3.")},
        {Say::AskLine,
         TRANSLATABLE_NOOP(
             "Practice",
             "Escreva uma equação de uma recta, por exemplo y = 2x − 1 ou 2x − y + 3 = 0.")},
        {Say::AskTwoLines,
         TRANSLATABLE_NOOP(
             "Practice",
             "Escreva duas equações separadas por «e», por exemplo y = 2x − 1 e x = 3.")},
        {Say::AskCircle,
         TRANSLATABLE_NOOP("Practice", "Escreva uma equação de uma circunferência, por exemplo "
                                       "(x − 1)² + (y + 2)² = 5.")},
        {Say::AskReducedLine,
         TRANSLATABLE_NOOP("Practice",
                           "Escreva a equação reduzida da recta, por exemplo y = 2x − 1.")},
        {Say::AskGeneralLine,
         TRANSLATABLE_NOOP("Practice",
                           "Escreva uma equação geral da recta, por exemplo 2x − y + 3 = 0.")},
        {Say::AskAngle,
         TRANSLATABLE_NOOP("Practice", "Escreva uma amplitude em graus, por exemplo 45º.")},
        {Say::AskAngleSeconds,
         TRANSLATABLE_NOOP(
             "Practice",
             "Escreva uma amplitude em graus, minutos e segundos, por exemplo 26º 33' 54''.")},
        {Say::AskYesNo, TRANSLATABLE_NOOP("Practice", "Responda «sim» ou «não».")},
        {Say::AskPosition,
         TRANSLATABLE_NOOP(
             "Practice",
             "Responda «paralelas», «coincidentes» ou «concorrentes em» e o ponto, por exemplo "
             "concorrentes em (1 , 2).")},
        {Say::ExampleNumber, TRANSLATABLE_NOOP("Practice", "um número: 2√5, −3/4")},
        {Say::ExamplePoint, TRANSLATABLE_NOOP("Practice", "um ponto (a , b): (1 , −2)")},
        {Say::ExampleTwoPoints,
         TRANSLATABLE_NOOP("Practice", "dois pontos separados por «e»: (1 , 2) e (3 , −1)")},
        {Say::ExamplePointAndNumber,
         TRANSLATABLE_NOOP("Practice", "o centro e o raio: (1 , −2) ; 3")},
        {Say::ExampleLine, TRANSLATABLE_NOOP("Practice", "uma equação: y = 2x − 1")},
        {Say::ExampleReducedLine, TRANSLATABLE_NOOP("Practice", "a equação reduzida: y = 2x − 1")},
        {Say::ExampleGeneralLine,
         TRANSLATABLE_NOOP("Practice", "uma equação geral: 2x − y + 3 = 0")},
        {Say::ExampleTwoLines,
         TRANSLATABLE_NOOP("Practice", "duas equações separadas por «e»: y = 2x − 1 e x = 3")},
        {Say::ExampleCircle, TRANSLATABLE_NOOP("Practice", "uma equação: (x − 1)² + (y + 2)² = 5")},
        {Say::ExampleAngle, TRANSLATABLE_NOOP("Practice", "uma amplitude em graus: 45º")},
        {Say::ExampleAngleSeconds,
         TRANSLATABLE_NOOP("Practice", "uma amplitude em graus, minutos e segundos: 26º 33' 54''")},
        {Say::ExampleYesNo, TRANSLATABLE_NOOP("Practice", "sim ou não")},
        {Say::ExamplePosition,
         TRANSLATABLE_NOOP("Practice", "paralelas, coincidentes, ou concorrentes em (1 , 2)")},
        {Say::SimplifyRadical, TRANSLATABLE_NOOP("Practice", "simplifique o radical.")},
        {Say::RationaliseDenominator, TRANSLATABLE_NOOP("Practice", "racionalize o denominador.")},
        {Say::LowestTerms, TRANSLATABLE_NOOP("Practice", "reduza a fracção aos termos mínimos.")},
        {Say::SimplestForm,
         TRANSLATABLE_NOOP("Practice", "escreva o valor na forma mais simples.")},
        {Say::ReducedLineAsked,
         TRANSLATABLE_NOOP("Practice", "pede-se a equação reduzida, y = mx + b.")},
        {Say::GeneralLineAsked,
         TRANSLATABLE_NOOP("Practice", "pede-se uma equação geral, ax + by + c = 0.")},
        {Say::ReducedCircleAsked,
         TRANSLATABLE_NOOP("Practice", "pede-se a equação reduzida, (x − a)² + (y − b)² = r².")},
    }};

constexpr bool inTheOrderOfSay() {
    for (std::size_t i = 0; i < Sentences.size(); ++i)
        if (Sentences[i].first != Say(i)) return false;
    return true;
}
static_assert(inTheOrderOfSay(), "one sentence for each Say, in its order");

/// "+ 3x" pieces of a sum with a true or a plain minus.
void appendTerm(std::string& out, const exact::Number& k, const std::string& unknown, bool typed,
                std::string_view decimals = {}) {
    if (k.isZero()) return;
    if (unknown.empty() && k.terms().size() > 1) { // a constant of several terms, term by term
        std::string body = typed ? field(k, decimals) : number(k); // "sqr(3)-6", "√3 − 6"
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
    std::string body = typed ? field(size, decimals) : number(size);
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
std::string shifted(const std::string& v, const exact::Number& a, bool typed,
                    std::string_view decimals) {
    if (a.isZero()) return typed ? v + "^2" : v + "\u00b2";
    std::string inner = v;
    appendTerm(inner, -a, "", typed, decimals);
    return "(" + inner + (typed ? ")^2" : ")\u00b2");
}

std::string circleText(const exact::Circle& c, bool expanded, bool typed,
                       std::string_view decimals = {}) {
    const exact::Number& a = c.centre.x;
    const exact::Number& b = c.centre.y;
    const std::string sq = typed ? "^2" : "\u00b2";
    const char* eq = typed ? "=" : " = ";
    if (!expanded) {
        const std::string between = typed ? "+" : " + ";
        return shifted("x", a, typed, decimals) + between + shifted("y", b, typed, decimals) + eq +
               (typed ? field(c.radiusSquared(), decimals) : number(c.radiusSquared()));
    }
    std::string out = "x" + sq;
    out += typed ? "+y" + sq : " + y" + sq;
    appendTerm(out, -2 * a, "x", typed, decimals);
    appendTerm(out, -2 * b, "y", typed, decimals);
    appendTerm(out, a * a + b * b - c.radiusSquared(), "", typed, decimals);
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

std::string say(Say id, const Slots& slots) {
    return sentence(Sentences.at(std::size_t(id)).second.data(), slots);
}

std::string sentence(const char* source, const Slots& slots) {
    std::string text = translated("Practice", source);
    for (const auto& [name, value] : slots) {
        const std::string mark = "{" + std::string(name) + "}";
        if (const std::size_t at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), value);
    }
    // A slot left empty leaves no double blank behind.
    for (std::size_t at = text.find("  "); at != std::string::npos; at = text.find("  "))
        text.erase(at, 1);
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string field(const exact::Number& n, std::string_view decimals) {
    if (n.isZero()) return "0";
    if (!decimals.empty() && finiteDecimal(n)) {
        const std::string digits = exact::decimalText(n.sign() < 0 ? -n : n, decimals);
        return n.sign() < 0 ? "-" + digits : digits;
    }
    // As the statement writes it (2√3 − 1 is "2sqr(3)-1"), so that the
    // equation typed reads as the one the pupil was given.
    return typedTree(exact::numberTree(n));
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

std::string lineField(const exact::Line& l, bool normalise, std::string_view decimals) {
    if (normalise && alongAnAxis(l))
        return (l.b.isZero() ? "x=" : "y=") + field(axisValue(l), decimals);
    const exact::Line n = normalise ? exact::normalised(l) : l;
    std::string out;
    appendTerm(out, n.a, "x", true, decimals);
    appendTerm(out, n.b, "y", true, decimals);
    appendTerm(out, n.c, "", true, decimals);
    return out + "=0";
}

std::string constantLineField(const exact::Line& l, std::string_view decimals) {
    std::string out;
    appendTerm(out, l.a, "x", true, decimals);
    appendTerm(out, l.b, "y", true, decimals);
    return out + "=" + field(-l.c, decimals);
}

std::string reducedLineField(const exact::Line& l, std::string_view decimals) {
    if (l.b.isZero()) return "x=" + field(axisValue(l), decimals);
    std::string out;
    appendTerm(out, -l.a / l.b, "x", true, decimals);
    appendTerm(out, -l.c / l.b, "", true, decimals);
    return "y=" + (out.empty() ? std::string("0") : out);
}

std::string circleField(const exact::Circle& c, bool expanded, std::string_view decimals) {
    return circleText(c, expanded, true, decimals);
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
