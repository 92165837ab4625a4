#include "checker.h"

#include "answer.h"
#include "budget.h"
#include "fieldtext.h"
#include "frames.h"
#include "texts.h"
#include "translation.h"

#include <algorithm>
#include <cmath>

namespace practice {

namespace {

using exact::Number;

using texts::Say;

/// A second of arc and a little: an amplitude given to the second is
/// precise enough when degrees, minutes and seconds are asked.
constexpr double kSecond = 0.5 / 3600 + 1e-12;

/// Whether a typed amplitude is the wanted one as far as it was written.
bool withinItsPlaces(const TypedValue& typed, const Degrees& g, const Degrees& w) {
    return std::abs(g.value.toDouble() - w.value.toDouble()) <= typed.tolerance + 1e-9;
}

/// Whether a typed value equals a value: exactly; an amplitude that is not
/// notable within the places the pupil wrote, those places reaching the
/// second at least. A statement with "não" equals nothing.
bool equals(const TypedValue& typed, const Value& want) {
    if (typed.negated) return false;
    const auto* g = std::get_if<Degrees>(&typed.value);
    const auto* w = std::get_if<Degrees>(&want);
    if (g && w) {
        if (w->value.isExact()) return g->value.isExact() && g->value == w->value;
        return withinItsPlaces(typed, *g, *w) && typed.tolerance <= kSecond;
    }
    return sameValue(typed.value, want);
}

/// Matches every typed value with a different wanted one.
bool matchAll(const std::vector<TypedValue>& typed, const std::vector<Value>& want) {
    if (typed.size() != want.size()) return false;
    std::vector<bool> used(want.size(), false);
    for (const TypedValue& t : typed) {
        bool found = false;
        for (std::size_t i = 0; i < want.size() && !found; ++i)
            if (!used[i] && equals(t, want[i])) used[i] = found = true;
        if (!found) return false;
    }
    return true;
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
std::string formProblem(const std::vector<TypedValue>& typed, const Expected& e) {
    const AskedForm form = e.form;
    for (const TypedValue& t : typed) {
        const auto* d = std::get_if<Degrees>(&t.value);
        if (d && t.unit != AngleUnit::Seconds &&
            std::any_of(e.values.begin(), e.values.end(), [](const Value& v) {
                const auto* w = std::get_if<Degrees>(&v);
                return w && !w->value.isExact();
            }))
            return texts::say(Say::DegreesAsked);
        const bool line = std::holds_alternative<exact::Line>(t.value);
        const bool circle = std::holds_alternative<exact::Circle>(t.value);
        if ((line || circle) && form == AskedForm::ReducedEquation &&
            t.shape != EquationShape::Reduced)
            return texts::say(line ? Say::ReducedLineAsked : Say::ReducedCircleAsked);
        if (line && form == AskedForm::GeneralEquation &&
            t.text.substr(t.text.find('=') + 1) != "0") // y = 0 is one too
            return texts::say(Say::GeneralLineAsked);
        if (!line && !circle && !t.notSimplified.empty() && form == AskedForm::Simplified)
            return t.notSimplified;
    }
    return {};
}

int stepOf(const Exercise& ex, const Slip& slip) {
    if (slip.steps.empty()) return 0;
    const std::optional<exact::Solution> solution = workedSolution(ex);
    if (!solution) return 0;
    for (exact::StepKind kind : slip.steps) // the first kind the solution has
        for (std::size_t i = 0; i < solution->steps.size(); ++i)
            if (solution->steps[i].kind == kind) return int(i) + 1;
    return 0;
}

Verdict diagnosis(const Exercise& ex, const std::vector<TypedValue>& typed) {
    for (const Slip& slip : frameDef(ex.frame).slips) {
        const std::vector<Value> slipped = slip.apply(ex);
        if (slipped.empty() || sameValues(slipped, ex.expected.values) || !matchAll(typed, slipped))
            continue;
        const int step = stepOf(ex, slip);
        const std::string text =
            step ? texts::say(Say::WrongSlipAtStep, {{"what", translated("Practice", slip.what)},
                                                     {"step", std::to_string(step)},
                                                     {"rule", translated("Practice", slip.rule)}})
                 : texts::say(Say::WrongSlip, {{"what", translated("Practice", slip.what)},
                                               {"rule", translated("Practice", slip.rule)}});
        return {Grade::Errado, text, slip.id, step};
    }
    return {Grade::Errado, texts::say(Say::WrongSeeSolution), {}, 0};
}

/// A decimal close to an exact value that is not a decimal: an approximation.
bool approximates(const std::vector<TypedValue>& typed, const Expected& e) {
    if (typed.size() != 1 || e.values.size() != 1) return false;
    const auto* n = std::get_if<Number>(&typed[0].value);
    const auto* w = std::get_if<Number>(&e.values[0]);
    return n && w && !w->isRational() && std::abs(n->toDouble() - w->toDouble()) < 0.01;
}

/// Fewer values than asked, every one of them right: what is missing.
std::optional<Verdict> missing(const std::vector<TypedValue>& typed, const Expected& e) {
    if (typed.empty() || typed.size() >= e.values.size()) return std::nullopt;
    for (const TypedValue& t : typed)
        if (std::none_of(e.values.begin(), e.values.end(),
                         [&t](const Value& v) { return equals(t, v); }))
            return std::nullopt;
    const bool points = std::all_of(e.values.begin(), e.values.end(), [](const Value& v) {
        return std::holds_alternative<exact::Point>(v);
    });
    const std::size_t left = e.values.size() - typed.size();
    const std::string text =
        points && left == 1 ? texts::say(Say::MissingPoint)
        : left == 1         ? texts::say(Say::MissingValue)
                    : texts::say(Say::MissingValues, {{"count", std::to_string(e.values.size())}});
    return Verdict{Grade::Incomplete, text, {}, 0};
}

/// An amplitude right as far as it goes but short of the second asked; or
/// "não são paralelas" where the lines meet at a point: incomplete.
std::optional<Verdict> short_(const std::vector<TypedValue>& typed, const Expected& e) {
    if (typed.size() != 1 || e.values.size() != 1) return std::nullopt;
    const TypedValue& t = typed[0];
    const auto* g = std::get_if<Degrees>(&t.value);
    const auto* w = std::get_if<Degrees>(&e.values[0]);
    if (g && w && !w->value.isExact() && withinItsPlaces(t, *g, *w))
        return Verdict{Grade::Incomplete, texts::say(Say::MorePrecision), {}, 0};
    if (t.negated && std::holds_alternative<exact::Point>(e.values[0]))
        return Verdict{Grade::Incomplete, texts::say(Say::PointAsWell), {}, 0};
    return std::nullopt;
}

Verdict judge(const Exercise& ex, const std::vector<TypedValue>& typed) {
    const Expected& e = ex.expected;
    if (!rightKinds(typed, e)) return {Grade::Unreadable, askedFor(e), {}, 0};
    if (matchAll(typed, e.values)) {
        const std::string problem = formProblem(typed, e);
        if (problem.empty()) return {Grade::Certo, texts::say(Say::Right), {}, 0};
        return {Grade::CertoMasSimplifique,
                texts::say(Say::RightToSimplify, {{"what", problem}}),
                {},
                0};
    }
    if (approximates(typed, e)) return {Grade::Errado, texts::say(Say::WrongApproximate), {}, 0};
    if (auto v = missing(typed, e)) return *v;
    if (auto v = short_(typed, e)) return *v;
    return diagnosis(ex, typed);
}

} // namespace

Verdict check(const Exercise& ex, std::string_view answer) {
    const exact::WorkBudget budget(exact::WorkBudget::Answer);
    try {
        const TypedAnswer typed = readAnswer(answer, ex.expected);
        if (!typed.problem.empty()) return {Grade::Unreadable, typed.problem, {}, 0};
        return judge(ex, typed.values);
    } catch (...) {
        return {Grade::Unreadable,
                texts::say(Say::UnreadWhole, {{"why", texts::say(Say::NotComputable)},
                                              {"expected", askedFor(ex.expected)}}),
                {},
                0};
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
        const std::string t = exact::typed::number(*n);
        return {t, std::string("(").append(t).append(")")};
    }
    if (const auto* p = std::get_if<exact::Point>(&v)) {
        const std::string x = exact::typed::number(p->x), y = exact::typed::number(p->y);
        return {std::string("(").append(x).append(",").append(y).append(")"),
                std::string("P(").append(x).append(" ; ").append(y).append(")")};
    }
    if (const auto* l = std::get_if<exact::Line>(&v)) {
        const exact::Line n = exact::normalised(*l);
        const std::string general = exact::typed::line(n, false); // x − 3 = 0 too, not x = 3
        const std::string twice = exact::typed::line({n.a * -2, n.b * -2, n.c * -2}, false);
        if (form == AskedForm::ReducedEquation) {
            const std::string reduced = valueText(v, form);
            return {reduced, reduced.substr(0, 1) + " = " + reduced.substr(reduced.find('=') + 1)};
        }
        return {general, twice};
    }
    if (const auto* c = std::get_if<exact::Circle>(&v)) {
        const std::string reduced = exact::typed::circle(*c, false);
        if (form == AskedForm::ReducedEquation) return {reduced, "c: " + reduced};
        return {exact::typed::circle(*c, true), reduced};
    }
    if (const auto* d = std::get_if<Degrees>(&v)) {
        if (d->value.isExact())
            return {exact::typed::number(d->value), exact::typed::number(d->value) + "°"};
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
