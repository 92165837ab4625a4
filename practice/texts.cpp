#include "texts.h"

#include "decimal.h"
#include "fieldtext.h"
#include "numbertext.h"
#include "readings.h"
#include "translation.h"

#include <array>
#include <cmath>

namespace practice::texts {

namespace {

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

std::string number(const exact::Number& n) {
    return exact::text(n, ",");
}

std::string point(const std::string& name, const exact::Point& p) {
    return name + exact::text(p, ",");
}

std::string line(const exact::Line& l, bool normalise) {
    if (normalise && exact::alongAnAxis(l))
        return (l.b.isZero() ? "x = " : "y = ") + number(exact::axisValue(l));
    if (!normalise) return exact::linearText(exact::generalEquation(l), ",");
    return exact::generalEquationText(l, ",");
}

std::string circle(const exact::Circle& c, bool expanded) {
    return exact::shownCircle(c, expanded, ",");
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
