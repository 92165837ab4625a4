#pragma once

// What a teacher checks when reading a worked solution, beside its numbers
// (solutioncheck.h): every line and circle it finds in its normal form, no
// step that writes the same thing twice, no answer that derives again what a
// step derived, the radius of every circle stated, the degree sign, an
// approximate angle said with "≈", the two roots of a quadratic with −√Δ
// first, no denominator rationalised that has no root.

#include "sentences.h"
#include "solution.h"

#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <numeric>
#include <optional>

namespace textbookcheck {

using exact::Math;
using Kind = exact::Math::Kind;

inline QString text(const Math& m) {
    return QString::fromStdString(exact::linearText(m, "."));
}

/// The names a tree mentions, besides x and y.
inline bool onlyXY(const Math& m) {
    if (m.kind() == Kind::Symbol)
        return m.subscript().empty() && (m.text() == "x" || m.text() == "y");
    if (m.kind() == Kind::Function || m.kind() == Kind::Vector || m.kind() == Kind::Words)
        return false;
    return std::all_of(m.children().begin(), m.children().end(), onlyXY);
}

/// The value of a tree at (x, y), in doubles.
inline std::optional<double> at(const Math& m, double x, double y) {
    exact::Environment env;
    env.bind(exact::symbol("x"), x);
    env.bind(exact::symbol("y"), y);
    const auto v = exact::numericValue(m, env);
    if (!v || v->isPoint) return std::nullopt;
    return v->x;
}

/// A·x² + B·y² + D·x + E·y + F: the coefficients of a first member of
/// degree at most 2, read at points; nothing for another shape.
struct Coefficients {
    double A = 0, B = 0, D = 0, E = 0, F = 0;
};
inline std::optional<Coefficients> coefficientsOf(const Math& lhs) {
    const auto f = [&](double x, double y) { return at(lhs, x, y); };
    const auto f0 = f(0, 0), fx = f(1, 0), fmx = f(-1, 0), fy = f(0, 1), fmy = f(0, -1),
               fxy = f(1, 1), far = f(2, -3);
    if (!f0 || !fx || !fmx || !fy || !fmy || !fxy || !far) return std::nullopt;
    Coefficients c;
    c.F = *f0;
    c.A = (*fx + *fmx) / 2 - c.F;
    c.D = (*fx - *fmx) / 2;
    c.B = (*fy + *fmy) / 2 - c.F;
    c.E = (*fy - *fmy) / 2;
    const auto model = [&](double x, double y) {
        return c.A * x * x + c.B * y * y + c.D * x + c.E * y + c.F;
    };
    const double scale =
        1 + std::fabs(c.A) + std::fabs(c.B) + std::fabs(c.D) + std::fabs(c.E) + std::fabs(c.F);
    if (std::fabs(model(1, 1) - *fxy) > 1e-9 * scale * 10 ||
        std::fabs(model(2, -3) - *far) > 1e-9 * scale * 100)
        return std::nullopt; // an xy term, or of a higher degree
    return c;
}

inline bool isWhole(double v) {
    return std::fabs(v) < 1e12 && std::fabs(v - std::round(v)) < 1e-6;
}

/// An equation a·x + b·y + c = 0 or x² + y² + d·x + e·y + f = 0: why it is
/// not in its normal form (empty when it is, or when it is not of that shape).
inline QString normalFormFault(const Math& e) {
    if (e.kind() != Kind::Chain || e.children().size() != 2 || e.relationAt(1) != exact::Rel::Equal)
        return {};
    const Math &lhs = e.children()[0], &rhs = e.children()[1];
    const auto zero = at(rhs, 0, 0);
    if (!zero || *zero != 0 || !onlyXY(lhs) || !onlyXY(rhs)) return {};
    const auto c = coefficientsOf(lhs);
    if (!c) return {};
    const double size = std::fabs(c->D) + std::fabs(c->E) + std::fabs(c->F) + 1;
    const bool squareX = std::fabs(c->A) > 1e-9 * size, squareY = std::fabs(c->B) > 1e-9 * size;
    if (squareX != squareY) return {}; // a quadratic in one unknown
    if (squareX) {                     // a circle: x² and y² with the coefficient 1
        if (std::fabs(c->A - 1) > 1e-9 || std::fabs(c->B - 1) > 1e-9)
            return "a circle's general equation not divided by the coefficient of x²: " + text(e);
        return {};
    }
    const double first = std::fabs(c->D) > 1e-12 * size ? c->D : c->E;
    if (first < 0) return "a line's equation with its first coefficient negative: " + text(e);
    if (std::fabs(c->D) <= 1e-12 * size && std::fabs(c->E) <= 1e-12 * size)
        return {}; // no line: said so in words
    const auto rational = [](double v) {
        for (int d = 1; d <= 12; ++d)
            if (std::fabs(v * d - std::round(v * d)) < 1e-7) return true;
        return false;
    };
    if (isWhole(c->D) && isWhole(c->E) && isWhole(c->F)) {
        const long g =
            std::gcd(std::gcd(std::lround(std::fabs(c->D)), std::lround(std::fabs(c->E))),
                     std::lround(std::fabs(c->F)));
        if (g > 1) return "a line's coefficients with a common factor: " + text(e);
    } else if (rational(c->D) && rational(c->E) && rational(c->F)) {
        return "a line's equation with fractions left: " + text(e);
    }
    return {};
}

/// The last member of a line: what it ends on.
inline Math lastOf(const Math& line) {
    if (line.kind() == Kind::Chain && line.children().size() > 2 &&
        line.relationAt(line.children().size() - 1) == exact::Rel::Equivalent)
        return line.children().back();
    return line;
}

/// Two members side by side that read the same ("y = 0 ⇔ y = 0"), but for
/// the identity 0 = 0 that says two equations are one.
inline QString repeatFault(const Math& line) {
    if (line.kind() != Kind::Chain) return {};
    for (std::size_t i = 1; i < line.children().size(); ++i) {
        const QString a = text(line.children()[i - 1]), b = text(line.children()[i]);
        if (a == b && !(line.children().size() == 2 && a == "0"))
            return "the same written twice: " + text(line);
    }
    return {};
}

inline QString sentenceOf(const exact::Step& step) {
    return QString::fromStdString(exact::linearText(exact::sentence(step), "."));
}

/// Whether one of the equations is the same line or circle as `e`, in its
/// normal form: what the next step brings an equation to.
inline bool normalisedIn(const Math& e, const std::vector<Math>& lines) {
    const auto c = coefficientsOf(e.children()[0]);
    if (!c) return false;
    for (const Math& l : lines) {
        const Math last = lastOf(l);
        if (last.kind() != Kind::Chain || last.children().size() != 2) continue;
        const auto d = coefficientsOf(last.children()[0]);
        if (!d || !normalFormFault(last).isEmpty()) continue;
        const double ratio = std::fabs(c->D) > 1e-12 ? d->D / c->D : d->E / c->E;
        if (std::fabs(d->F - ratio * c->F) < 1e-9 * (1 + std::fabs(d->F))) return true;
    }
    return false;
}

/// Why a teacher would correct the solution; empty when nothing.
inline QString fault(const exact::Solution& s) {
    const QString all = QString::fromStdString(exact::plainText(s, ","));
    static const QRegularExpression ordinal(QStringLiteral("\\dº")); // not "2.º grau"
    if (all.contains(ordinal)) return "the ordinal sign where the degree sign belongs: " + all;
    std::vector<QString> derived; // the chains of ⇔, by their first and last equations
    for (std::size_t i = 0; i < s.steps.size(); ++i) {
        const exact::Step& step = s.steps[i];
        const QString said = sentenceOf(step);
        for (const Math& line : step.lines) {
            if (line.kind() != Kind::Chain || line.children().size() < 2 ||
                line.relationAt(line.children().size() - 1) != exact::Rel::Equivalent)
                continue;
            const QString ends =
                text(line.children().front()) + " ⇔ … ⇔ " + text(line.children().back());
            // The last step, the answer, never derives again what a step did
            // (the same data typed twice may well be worked twice).
            if (i + 1 == s.steps.size() &&
                std::find(derived.begin(), derived.end(), ends) != derived.end())
                return "the same equation derived twice: " + ends;
            derived.push_back(ends);
        }
        for (const Math& line : step.lines) {
            if (const QString why = repeatFault(line); !why.isEmpty()) return why;
            if (line.kind() == Kind::Chain && line.children().size() == 2 &&
                text(line.children()[0]) == QStringLiteral("Δ"))
                return "the sign of Δ as a line of its own: " + said;
            std::vector<Math> ends{lastOf(line)};
            if (line.kind() == Kind::System) ends = line.children();
            for (const Math& e : ends) {
                const QString why = normalFormFault(e);
                if (why.isEmpty()) continue;
                // Taken to its normal form by the next step, as a textbook does.
                if (i + 1 < s.steps.size() && normalisedIn(e, s.steps[i + 1].lines)) continue;
                return why;
            }
        }
        for (const exact::Slot& v : step.values) // the equations its sentence says
            if (const QString why = normalFormFault(v.value); !why.isEmpty()) return why;
        if (said.contains(QStringLiteral("racionalizamos o denominador"))) {
            bool rootBelow = false;
            for (const Math& line : step.lines)
                rootBelow = rootBelow || text(line).contains(QStringLiteral("/√"));
            if (!rootBelow) return "a denominator rationalised without a root in it: " + said;
        }
        if (step.kind == exact::StepKind::QuadraticRoots && step.lines.size() == 2) {
            // t = (−b ± √Δ)/(2a): the sign before √Δ, the last term of the numerator.
            const auto signOfRoot = [](const Math& line) {
                const Math& formula = line.children()[1];
                const Math& top = formula.children()[0];
                return top.kind() == Kind::Sum ? top.signAt(top.children().size() - 1)
                                               : exact::Sign::Plus;
            };
            if (signOfRoot(step.lines[0]) != exact::Sign::Minus ||
                signOfRoot(step.lines[1]) != exact::Sign::Plus)
                return "the roots not with −√Δ first: " + text(step.lines[0]);
        }
    }
    for (const exact::AnswerPart& part : s.answer.parts()) {
        if (const auto* a = std::get_if<exact::Angle>(&part.value);
            a && a->degrees.isApproximate()) {
            // The last sentence that says an angle (an exercise may end on the slope).
            QString last;
            for (const exact::Step& step : s.steps)
                if (const QString said = sentenceOf(step); said.contains(QStringLiteral("°")))
                    last = said;
            if (!last.contains(QStringLiteral("≈")))
                return "an approximate angle said as exact: " + last;
        }
        if (const auto* c = std::get_if<exact::Circle>(&part.value)) {
            bool stated = false;
            for (const exact::Slot& v : s.titleValues)
                stated = stated || v.name == "r"; // given
            for (const exact::Step& step : s.steps)
                for (const Math& line : step.lines)
                    if (line.kind() == Kind::Chain &&
                        text(line.children()[0]) == QStringLiteral("r")) {
                        exact::Environment none;
                        for (const Math& m : line.children())
                            if (const auto v = exact::numericValue(m, none);
                                v && std::fabs(v->x - c->radius.toDouble()) <
                                         0.006 + 1e-9 * std::fabs(v->x))
                                stated = true;
                    }
            if (!stated) return "a circle whose radius is not stated: " + all;
        }
    }
    return {};
}

} // namespace textbookcheck
