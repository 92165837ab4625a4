#pragma once

// What a worked solution must satisfy, as numbers: every line of every step
// holds (a chain of values member by member; an equation in x and y on the
// answer, or on one of the given lines, and not beside it; an equivalence
// E1 ⇔ E2 at random points too), and its answer is what the frame's result
// labels and messages show.

#include "decimal.h"
#include "evaluation.h"
#include "sentences.h"
#include "solution.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace solutioncheck {

using Samples = std::vector<std::pair<double, double>>;

/// Points of the plane on which an equation may hold, and points beside them
/// where it must then fail.
struct Locus {
    Samples on, off;
};

/// Three points of a line and three beside it.
inline Locus locusOf(const exact::Line& l) {
    const double a0 = l.a.toDouble(), b0 = l.b.toDouble(), c0 = l.c.toDouble();
    const double n = std::hypot(a0, b0);
    if (n == 0 || !std::isfinite(n)) return {};
    const double a = a0 / n, b = b0 / n, c = c0 / n;
    Locus locus;
    for (const double t : {-1.5, 0.0, 2.0}) { // the foot of the normal, then along the line
        locus.on.push_back({-a * c - b * t, -b * c + a * t});
        locus.off.push_back({-a * c - b * t + a / 2, -b * c + a * t + b / 2});
    }
    return locus;
}

/// Three points of a circle and three beside it, inside and outside.
inline Locus locusOf(const exact::Circle& c) {
    const double x = c.centre.x.toDouble(), y = c.centre.y.toDouble(), r = c.radius.toDouble();
    // A circle of radius 0 (or of a radius that is 0 up to the rounding of π
    // in the data, whose points beside it could not be told apart): its centre.
    if (std::fabs(r) <= 1e-12 * std::max({1.0, std::fabs(x), std::fabs(y)}))
        return {{{x, y}}, {{x + 1, y}}};
    if (!(r > 0) || !std::isfinite(r)) return {};
    Locus locus;
    for (const double t : {0.3, 2.1, 4.4}) {
        locus.on.push_back({x + r * std::cos(t), y + r * std::sin(t)});
        const double k = t < 2 ? 0.5 : 1.5;
        locus.off.push_back({x + k * r * std::cos(t), y + k * r * std::sin(t)});
    }
    return locus;
}

/// The radical line of two circles, found from their centres and radii: the
/// points of equal power, where the difference of their equations vanishes.
inline exact::Line radicalLine(const exact::Circle& c, const exact::Circle& d) {
    const exact::Point &p = c.centre, &q = d.centre;
    return {2 * (q.x - p.x), 2 * (q.y - p.y),
            (square(p.x) + square(p.y) - c.radiusSquared()) -
                (square(q.x) + square(q.y) - d.radiusSquared())};
}

/// The answer's loci (its point, its line, its circle), then those of the
/// given lines and circles, and the radical line of any two given circles.
inline std::vector<Locus> lociOf(const exact::Solution& s, const std::vector<exact::Line>& given,
                                 const std::vector<exact::Circle>& circles = {}) {
    std::vector<Locus> loci;
    for (const exact::AnswerPart& part : s.answer.parts()) {
        if (const auto* l = std::get_if<exact::Line>(&part.value)) loci.push_back(locusOf(*l));
        if (const auto* c = std::get_if<exact::Circle>(&part.value)) loci.push_back(locusOf(*c));
        if (const auto* p = std::get_if<exact::Point>(&part.value))
            loci.push_back({{{p->x.toDouble(), p->y.toDouble()}}, {}});
    }
    for (const exact::Line& l : given)
        loci.push_back(locusOf(l));
    for (const exact::Circle& c : circles)
        loci.push_back(locusOf(c));
    for (std::size_t i = 0; i < circles.size(); ++i)
        for (std::size_t j = i + 1; j < circles.size(); ++j)
            loci.push_back(locusOf(radicalLine(circles[i], circles[j])));
    return loci;
}

inline bool isEquivalence(const exact::Math& m) {
    if (m.kind() != exact::Math::Kind::Chain) return false;
    for (std::size_t i = 1; i < m.children().size(); ++i)
        if (m.relationAt(i) == exact::Rel::Equivalent) return true;
    return false;
}

inline bool holdsAt(const exact::Math& line, const exact::Environment& env, double x, double y) {
    exact::Environment at = env;
    at.bind(exact::symbol("x"), x);
    at.bind(exact::symbol("y"), y);
    return exact::holds(line, at);
}

/// Whether an equation holds on a locus: at all its points and, unless it
/// is an equivalence (which holds wherever its members agree), at none
/// beside it.
inline bool holdsOn(const exact::Math& line, const exact::Environment& env, const Locus& locus) {
    if (locus.on.empty()) return false;
    for (const auto& [x, y] : locus.on)
        if (!holdsAt(line, env, x, y)) return false;
    if (isEquivalence(line)) return true;
    for (const auto& [x, y] : locus.off)
        if (holdsAt(line, env, x, y)) return false;
    return true;
}

/// The first line of the solution that does not hold, in linear text;
/// empty when every line holds.
inline QString failedLine(const exact::Solution& s, const std::vector<exact::Line>& given = {},
                          const std::vector<exact::Circle>& circles = {}) {
    const std::vector<Locus> loci = lociOf(s, given, circles);
    std::mt19937 random(1);
    std::uniform_real_distribution<double> anywhere(-7, 7);
    std::vector<exact::Math> lines; // a system's equations one by one
    for (const exact::Step& step : s.steps)
        for (const exact::Math& line : step.lines) {
            if (line.kind() == exact::Math::Kind::System)
                lines.insert(lines.end(), line.children().begin(), line.children().end());
            else
                lines.push_back(line);
        }
    for (const exact::Math& line : lines) {
        bool ok = exact::holds(line, s.environment);
        for (std::size_t i = 0; !ok && i < loci.size(); ++i)
            ok = holdsOn(line, s.environment, loci[i]);
        for (int i = 0; ok && isEquivalence(line) && i < 4; ++i) // E1 ⇔ E2 everywhere
            ok = holdsAt(line, s.environment, anywhere(random), anywhere(random));
        if (!ok) return QString::fromStdString(exact::linearText(line, "."));
    }
    return {};
}

/// Whether a double agrees with a written value: to 1e-9 relative, or within
/// the rounding to 2 decimals when the text was rounded.
inline bool agrees(double value, double written, bool rounded) {
    const double slack = (rounded ? 0.005 : 0.0) + 1e-9 * std::max(1.0, std::fabs(value));
    return std::fabs(value - written) <= slack;
}

/// The numbers of a result text, read with either decimal separator.
inline std::vector<double> numbersIn(const QString& text) {
    static const QRegularExpression number(QStringLiteral("-?\\d+(?:[.,]\\d+)?(?:E[-+]\\d+)?"));
    std::vector<double> values;
    for (const auto& m : number.globalMatch(text)) {
        QString n = m.captured();
        values.push_back(n.replace(QLatin1Char(','), QLatin1Char('.')).toDouble());
    }
    return values;
}

/// "Sqr(232)", "sqr(0,5)" or a number.
inline double distanceIn(const QString& text) {
    const std::vector<double> n = numbersIn(text);
    if (n.size() != 1) return std::nan("");
    return text.startsWith(QLatin1String("sqr("), Qt::CaseInsensitive) ? std::sqrt(n[0]) : n[0];
}

/// D º M ' S '' as degrees.
inline double degreesIn(const QString& text) {
    const std::vector<double> n = numbersIn(text);
    if (n.empty() || n.size() > 3) return std::nan("");
    return n[0] + (n.size() > 1 ? n[1] / 60 : 0) + (n.size() > 2 ? n[2] / 3600 : 0);
}

/// Whether a line written by the form ("14x+16y-21=0", coefficients rounded
/// to 2 decimals) is the answer's line, through that rounding.
inline bool sameLineAs(const exact::Line& answer, const QString& text) {
    QString plain = text;
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    // Numbers in exponent form, which the interpreter does not read: (k*10^n)*x.
    static const QRegularExpression exponent(QStringLiteral("(\\d+(?:\\.\\d+)?)E\\+(\\d+)"));
    static const QRegularExpression negativeExponent(QStringLiteral("(\\d+(?:\\.\\d+)?)E-(\\d+)"));
    static const QRegularExpression timesUnknown(QStringLiteral("\\)([xy])"));
    plain.replace(exponent, QStringLiteral("(\\1*10^\\2)"));
    plain.replace(negativeExponent, QStringLiteral("(\\1/10^\\2)"));
    plain.replace(timesUnknown, QStringLiteral(")*\\1"));
    if (!plain.contains(QLatin1Char('='))) return false;
    const exact::LineReading read = exact::readLine(plain.toStdString());
    const double a = answer.a.toDouble(), b = answer.b.toDouble(), c = answer.c.toDouble();
    double p = read.line.a.toDouble(), q = read.line.b.toDouble(), r = read.line.c.toDouble();
    // A label of huge coefficients (an angle of 0º makes the form's cotangent
    // 1,6E+16) is compared at the answer's size.
    const double written = std::max({std::fabs(p), std::fabs(q), std::fabs(r)});
    const double size = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
    if (written > 1e6 && size > 0) {
        p *= size / written;
        q *= size / written;
        r *= size / written;
    }
    const auto proportional = [](double u, double v, double s, double t) { // u:v as s:t
        return std::fabs(u * t - v * s) <= 0.006 * (std::fabs(u) + std::fabs(v)) + 1e-9;
    };
    return proportional(a, b, p, q) && proportional(a, c, p, r) && proportional(b, c, q, r);
}

/// A circle written by a form: "(x- 3,36)^2 + (y-1,24)^2 = 8,51" (a
/// coordinate after "x-", "--" written "+") or "x^2 + y^2 - 0,67x - 5,33y -
/// 17,33 = 0"; whether it is the answer's circle, through the rounding of its
/// numbers to 2 decimals.
inline bool sameCircleAs(const exact::Circle& answer, const QString& text) {
    const double x = answer.centre.x.toDouble(), y = answer.centre.y.toDouble();
    const double r2 = answer.radiusSquared().toDouble();
    const auto number = [](QString n) {
        return n.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    };
    if (text.startsWith(QLatin1String("x^2 + y^2"))) {
        QString terms = text.mid(9);
        terms.replace(QLatin1String("- "), QLatin1String("-"))
            .replace(QLatin1String("+ "), QString());
        const std::vector<double> n = numbersIn(terms);
        return n.size() == 4 && agrees(-2 * x, n[0], true) && agrees(-2 * y, n[1], true) &&
               agrees(x * x + y * y - r2, n[2], true);
    }
    static const QRegularExpression shape(
        QStringLiteral("^\\(x([-+]) ?(.*)\\)\\^2 \\+ \\(y([-+])(.*)\\)\\^2 = (.*)$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch()) return false;
    const double cx = (m.captured(1) == QLatin1String("-") ? 1 : -1) * number(m.captured(2));
    const double cy = (m.captured(3) == QLatin1String("-") ? 1 : -1) * number(m.captured(4));
    return agrees(x, cx, true) && agrees(y, cy, true) && agrees(r2, number(m.captured(5)), true);
}

/// What a form's label says of a verdict it writes in words; empty for the others.
inline QString verdictText(exact::Verdict v) {
    using exact::Verdict;
    static const std::map<Verdict, QString> said{
        {Verdict::RightTriangle, QStringLiteral("O triângulo é rectângulo.")},
        {Verdict::NotRightTriangle, QStringLiteral("O triângulo não é rectângulo.")},
        {Verdict::ParallelLines, QStringLiteral("As rectas são paralelas.")},
        {Verdict::CoincidentLines, QStringLiteral("As rectas são coincidentes.")},
        {Verdict::Collinear, QStringLiteral("Os pontos estão em linha recta.")},
        {Verdict::NotCollinear, QStringLiteral("Os pontos não estão em linha recta.")},
        {Verdict::NoSlope, QStringLiteral("Não existe")}};
    const auto it = said.find(v);
    return it == said.end() ? QString() : it->second;
}

/// Why a part of the answer disagrees with what its label shows (`rounded`:
/// the frame rounds that label to 2 decimals); empty when it agrees.
inline QString disagreement(const exact::AnswerPart& part, const QString& label, bool rounded) {
    const QString why =
        QStringLiteral("%1 shows \"%2\"").arg(QString::fromStdString(part.label), label);
    if (const auto* p = std::get_if<exact::Point>(&part.value)) {
        const std::vector<double> n = numbersIn(label);
        return n.size() == 2 && agrees(p->x.toDouble(), n[0], rounded) &&
                       agrees(p->y.toDouble(), n[1], rounded)
                   ? QString()
                   : why;
    }
    if (const auto* d = std::get_if<exact::Number>(&part.value))
        return agrees(d->toDouble(), distanceIn(label), rounded) ? QString() : why;
    if (const auto* l = std::get_if<exact::Line>(&part.value))
        return sameLineAs(*l, label) ? QString() : why;
    if (const auto* c = std::get_if<exact::Circle>(&part.value))
        return sameCircleAs(*c, label) ? QString() : why;
    if (const auto* a = std::get_if<exact::Angle>(&part.value))
        return std::fabs(a->degrees.toDouble() - degreesIn(label)) <= 0.006 / 3600 + 1e-9
                   ? QString()
                   : why;
    const auto v = std::get<exact::Verdict>(part.value);
    return verdictText(v).isEmpty() || verdictText(v) == label ? QString() : why;
}

} // namespace solutioncheck
