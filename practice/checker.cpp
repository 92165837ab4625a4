#include "checker.h"

#include "answer.h"
#include "frames.h"
#include "texts.h"

#include <cmath>

namespace practice {

namespace {

using exact::Number;

/// Whether a typed value equals a value: exactly, an amplitude within the
/// places the pupil wrote.
bool equals(const TypedValue& typed, const Value& want) {
    const auto* g = std::get_if<Degrees>(&typed.value);
    const auto* w = std::get_if<Degrees>(&want);
    if (g && w) {
        if (g->value.isExact() && w->value.isExact()) return g->value == w->value;
        return std::abs(g->value.toDouble() - w->value.toDouble()) <= typed.tolerance + 1e-9;
    }
    return sameValue(typed.value, want);
}

/// Matches every typed value with a different wanted one; fills `matched`
/// with the index of the wanted value of each typed one.
bool matchAll(const std::vector<TypedValue>& typed, const std::vector<Value>& want,
              std::vector<std::size_t>* matched = nullptr) {
    if (typed.size() != want.size()) return false;
    std::vector<bool> used(want.size(), false);
    for (const TypedValue& t : typed) {
        bool found = false;
        for (std::size_t i = 0; i < want.size() && !found; ++i)
            if (!used[i] && equals(t, want[i])) {
                used[i] = found = true;
                if (matched) matched->push_back(i);
            }
        if (!found) return false;
    }
    return true;
}

/// An amplitude asked for and a plain number given: the number of degrees.
void numbersAsDegrees(std::vector<TypedValue>& values, const Expected& expected) {
    if (expected.kind != AnswerKind::Angle) return;
    for (TypedValue& v : values)
        if (const auto* n = std::get_if<Number>(&v.value)) {
            v.value = Degrees{*n};
            const std::size_t point = v.text.find('.');
            v.tolerance = point == std::string::npos
                              ? 0
                              : 0.5 * std::pow(10.0, -int(v.text.size() - point - 1));
        }
}

std::string askedWords(const Expected& e) {
    switch (e.kind) {
    case AnswerKind::Point:
        return "Pede-se um ponto, (a , b).";
    case AnswerKind::Line:
        return "Pede-se a equação de uma recta.";
    case AnswerKind::Circle:
        return "Pede-se a equação de uma circunferência.";
    case AnswerKind::Angle:
        return "Pede-se uma amplitude em graus.";
    case AnswerKind::Words:
        return "Responda por palavras (sim, não, paralelas…).";
    case AnswerKind::Number:
        return "Pede-se um número.";
    }
    return {};
}

/// Whether the answer holds values of the kinds the exercise asks for.
bool rightKinds(const std::vector<TypedValue>& typed, const Expected& e) {
    for (const TypedValue& t : typed) {
        bool fits = false;
        for (const Value& v : e.values)
            fits = fits || v.index() == t.value.index();
        if (e.kind == AnswerKind::Words)
            fits = fits || std::holds_alternative<exact::Point>(t.value) ||
                   std::holds_alternative<Words>(t.value);
        if (!fits) return false;
    }
    return true;
}

/// What is not in the form asked, in words; empty when all is.
std::string formProblem(const std::vector<TypedValue>& typed, AskedForm form) {
    for (const TypedValue& t : typed) {
        if (std::holds_alternative<exact::Line>(t.value)) {
            if (form == AskedForm::ReducedEquation && t.shape != EquationShape::Reduced)
                return "pede-se a equação reduzida, y = mx + b.";
            if (form == AskedForm::GeneralEquation && t.text.substr(t.text.find('=') + 1) != "0")
                return "pede-se uma equação geral, ax + by + c = 0.";
        } else if (!t.notSimplified.empty() && form == AskedForm::Simplified) {
            return t.notSimplified + ".";
        }
    }
    return {};
}

int stepOf(const Exercise& ex, const Slip& slip) {
    if (slip.steps.empty()) return 0;
    const std::optional<exact::Solution> solution = workedSolution(ex);
    if (!solution) return 0;
    for (std::size_t i = 0; i < solution->steps.size(); ++i)
        for (exact::StepKind kind : slip.steps)
            if (solution->steps[i].kind == kind) return int(i) + 1;
    return 0;
}

Verdict diagnosis(const Exercise& ex, const std::vector<TypedValue>& typed) {
    for (const Slip& slip : frameDef(ex.frame).slips) {
        const std::vector<Value> slipped = slip.apply(ex);
        if (slipped.empty() || sameValues(slipped, ex.expected.values) || !matchAll(typed, slipped))
            continue;
        Verdict v{Grade::Errado, "Errado. " + std::string(slip.what), slip.id, stepOf(ex, slip)};
        v.text += v.step ? " Reveja o passo " + std::to_string(v.step) + ": " : " Recorde: ";
        v.text += slip.rule;
        return v;
    }
    return {Grade::Errado, "Errado. Veja a resolução com «Ver resolução».", {}, 0};
}

/// A decimal close to an exact value that is not a decimal: an approximation.
bool approximates(const std::vector<TypedValue>& typed, const Expected& e) {
    if (typed.size() != 1 || e.values.size() != 1) return false;
    const auto* n = std::get_if<Number>(&typed[0].value);
    const auto* w = std::get_if<Number>(&e.values[0]);
    return n && w && !w->isRational() && std::abs(n->toDouble() - w->toDouble()) < 0.01;
}

Verdict judge(const Exercise& ex, std::vector<TypedValue> typed) {
    const Expected& e = ex.expected;
    numbersAsDegrees(typed, e);
    if (!rightKinds(typed, e)) return {Grade::Unreadable, askedWords(e), {}, 0};
    if (matchAll(typed, e.values)) {
        const std::string problem = formProblem(typed, e.form);
        if (problem.empty()) return {Grade::Certo, "Certo.", {}, 0};
        return {Grade::CertoMasSimplifique, "Certo, mas simplifique: " + problem, {}, 0};
    }
    if (approximates(typed, e))
        return {
            Grade::Errado, "Errado. Esse é um valor aproximado: escreva o valor exacto.", {}, 0};
    if (typed.size() < e.values.size()) {
        std::vector<Value> some(e.values);
        bool each = true;
        for (const TypedValue& t : typed) {
            bool found = false;
            for (const Value& v : e.values)
                found = found || equals(t, v);
            each = each && found;
        }
        if (each)
            return {
                Grade::Errado,
                "Errado. Falta" +
                    std::string(e.values.size() - typed.size() > 1 ? "m valores" : " um valor") +
                    ": a resposta tem " + std::to_string(e.values.size()) + ", separados por ;.",
                {},
                0};
    }
    return diagnosis(ex, typed);
}

} // namespace

Verdict check(const Exercise& ex, std::string_view answer) {
    try {
        TypedAnswer typed = readAnswer(answer, ex.expected.kind);
        if (!typed.problem.empty()) return {Grade::Unreadable, typed.problem, {}, 0};
        return judge(ex, std::move(typed.values));
    } catch (...) {
        return {Grade::Unreadable, "Não consegui ler a resposta.", {}, 0};
    }
}

std::vector<std::string> slipIds(FrameId frame) {
    std::vector<std::string> ids;
    for (const Slip& slip : frameDef(frame).slips)
        ids.emplace_back(slip.id);
    return ids;
}

std::string slipAnswer(const Exercise& ex, std::string_view id) {
    for (const Slip& slip : frameDef(ex.frame).slips) {
        if (slip.id != id) continue;
        const std::vector<Value> slipped = slip.apply(ex);
        if (slipped.empty() || sameValues(slipped, ex.expected.values)) return {};
        std::string out;
        for (const Value& v : slipped)
            out += (out.empty() ? "" : " ; ") + valueText(v, ex.expected.form);
        return out;
    }
    return {};
}

namespace {

/// Other right ways to write one value.
std::vector<std::string> rewritten(const Value& v, AskedForm form) {
    if (const auto* n = std::get_if<Number>(&v)) {
        const std::string t = texts::field(*n);
        return {t, std::string("(").append(t).append(")")};
    }
    if (const auto* p = std::get_if<exact::Point>(&v)) {
        const std::string x = texts::field(p->x), y = texts::field(p->y);
        return {std::string("(").append(x).append(",").append(y).append(")"),
                std::string("P(").append(x).append(" ; ").append(y).append(")")};
    }
    if (const auto* l = std::get_if<exact::Line>(&v)) {
        const exact::Line n = exact::normalised(*l);
        const std::string general = texts::lineField(n, false); // x − 3 = 0 too, not x = 3
        const std::string twice = texts::lineField({n.a * -2, n.b * -2, n.c * -2}, false);
        if (form == AskedForm::ReducedEquation) {
            const std::string reduced = valueText(v, form);
            return {reduced, reduced.substr(0, 1) + " = " + reduced.substr(reduced.find('=') + 1)};
        }
        return {general, twice};
    }
    if (const auto* c = std::get_if<exact::Circle>(&v))
        return {texts::circleField(*c, true), texts::circleField(*c, false)};
    if (const auto* d = std::get_if<Degrees>(&v)) {
        if (d->value.isExact()) return {texts::field(d->value), texts::field(d->value) + "°"};
        return {texts::degrees(d->value), texts::degrees(d->value)};
    }
    const Words w = std::get<Words>(v);
    const std::string text = valueText(v);
    std::string upper = text;
    upper[0] = char(std::toupper(static_cast<unsigned char>(upper[0])));
    return {w == Words::Yes ? "Sim." : upper, "  " + text + " "};
}

} // namespace

std::vector<std::string> rewritings(const Exercise& ex) {
    const auto& values = ex.expected.values;
    std::vector<std::vector<std::string>> each;
    for (const Value& v : values)
        each.push_back(rewritten(v, ex.expected.form));
    std::vector<std::string> out(2);
    for (std::size_t k = 0; k < 2; ++k)
        for (std::size_t i = 0; i < values.size(); ++i) {
            const std::size_t j = k == 1 ? values.size() - 1 - i : i; // the second in reverse order
            out[k] += (i ? " ; " : "") + each[j][k];
        }
    return out;
}

} // namespace practice
