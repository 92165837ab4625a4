#include "askedendings.h"

#include "solutionkit.h"

#include <algorithm>

namespace exact::solutions {

using namespace kit;

namespace {

/// The different lines of a solution's answer, in their order.
std::vector<Line> answerLines(const Solution& s) {
    std::vector<Line> lines;
    for (const AnswerPart& part : s.answer.parts())
        if (const auto* l = std::get_if<Line>(&part.value))
            if (!l->isDegenerate() && std::none_of(lines.begin(), lines.end(),
                                                   [&](const Line& m) { return sameLine(m, *l); }))
                lines.push_back(*l);
    return lines;
}

/// Whether a step says the equation: in a line that begins with its first
/// member and ends with its second (y = y_P = 3 says y = 3), or in its sentence.
bool says(const Step& step, const Math& equation) {
    const Math& lhs = equation.children().front();
    const Math& rhs = equation.children().back();
    const bool inLines = std::any_of(step.lines.begin(), step.lines.end(), [&](const Math& line) {
        return line.kind() == Math::Kind::Chain && sameTree(line.children().front(), lhs) &&
               sameTree(line.children().back(), rhs);
    });
    return inLines || std::any_of(step.values.begin(), step.values.end(),
                                  [&](const Slot& v) { return sameTree(v.value, equation); });
}

/// Whether the solution ends saying the equation: in its last step, or
/// (where it finds two) in its second half.
bool said(const Solution& s, const Math& equation, std::size_t found = 1) {
    const std::size_t from = found > 1 ? s.steps.size() / 2 : s.steps.size() - 1;
    return std::any_of(s.steps.begin() + std::ptrdiff_t(from), s.steps.end(),
                       [&](const Step& step) { return says(step, equation); });
}

/// Whether a step before the last one derives the equation: a line that
/// is the equation, or a chain of equivalences that ends on it.
bool derived(const Solution& s, const Math& equation) {
    const auto endsOn = [&](const Math& line) {
        if (sameWriting(line, equation)) return true;
        return line.kind() == Math::Kind::Chain && line.children().size() > 1 &&
               line.relationAt(line.children().size() - 1) == Rel::Equivalent &&
               sameWriting(line.children().back(), equation);
    };
    return std::any_of(s.steps.begin(), s.steps.end() - 1, [&](const Step& step) {
        return std::any_of(step.lines.begin(), step.lines.end(), endsOn);
    });
}

void endOnReduced(Solution& s) {
    std::vector<Line> lines;
    std::vector<Math> reduced;
    const std::vector<Line> found = answerLines(s);
    for (const Line& l : found)
        if (const Math r = *reducedEquation(l); !said(s, r, found.size())) {
            lines.push_back(l);
            reduced.push_back(r);
        }
    if (lines.empty() || lines.size() > 2) return;
    Step& step = lines.size() == 1
                     ? s.add(StepKind::AskedReducedEquation, {slot("equation", reduced[0])})
                     : s.add(StepKind::AskedReducedEquations,
                             {slot("first", reduced[0]), slot("second", reduced[1])});
    // Derived from the general equation, unless an earlier step already did.
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!derived(s, reduced[i]))
            step.line(Equivalences(generalEquation(normalised(lines[i]))).then(reduced[i]));
        step.figure(Figure::line(lines[i]));
    }
}

/// Each line the solution wrote in another form (x = k), in its general form.
void endOnGeneral(Solution& s) {
    const std::vector<Line> found = answerLines(s);
    for (const Line& l : found) {
        const Math general = generalEquation(normalised(l));
        if (said(s, general, found.size())) continue;
        const Math reduced = *reducedEquation(l);
        s.add(StepKind::AskedGeneralEquation, {slot("line", reduced), slot("equation", general)})
            .line(Equivalences(reduced).then(general))
            .figure(Figure::line(l));
    }
}

void endOnCircle(Solution& s) {
    for (const AnswerPart& part : s.answer.parts())
        if (const auto* c = std::get_if<Circle>(&part.value)) {
            const Math reduced = circleEquation(*c);
            if (!said(s, reduced))
                s.add(StepKind::AskedReducedCircle, {slot("equation", reduced)})
                    .figure(Figure::circle(*c));
            return;
        }
}

} // namespace

void endOnAsked(Solution& s, Asked asked) {
    if (s.stopped || s.steps.empty()) return;
    switch (asked) {
    case Asked::AsFound:
        return;
    case Asked::ReducedEquations:
        return endOnReduced(s);
    case Asked::GeneralEquations:
        return endOnGeneral(s);
    case Asked::ReducedCircle:
        return endOnCircle(s);
    case Asked::Slope:
        break;
    }
    for (const AnswerPart& part : s.answer.parts())
        if (const auto* m = std::get_if<Number>(&part.value)) {
            s.add(StepKind::AskedSlope, {slot("m", withDecimal(*m))});
            return;
        }
}

void slopesBeforeTheEnd(Solution& s, const Line& given, const Point& p, const std::string& name,
                        bool perpendicular) {
    if (s.stopped || s.steps.empty() || given.b.isZero()) return;
    const Number mr = -given.a / given.b;
    if (perpendicular && mr.isZero()) return;
    const Number m = perpendicular ? Number(-1) / mr : mr;
    const Math slopeOfR = symbol("m", "r");
    s.environment.bind(slopeOfR, mr.toDouble());
    s.environment.bind(symbol("m"), m.toDouble());
    const Line found = normalised({-m, 1, m * p.x - p.y});
    const auto shifted = [](const Math& v, const Number& k) {
        return k.isZero() ? v : minus(v, value(k));
    };
    Step& step =
        perpendicular
            ? s.add(StepKind::SlopesOfPerpendicular,
                    {slot("mr", value(mr)), slot("m", value(m)), slot("Q", pointTree(p, name))})
            : s.add(StepKind::SlopesOfParallel,
                    {slot("mr", value(mr)), slot("P", pointTree(p, name))});
    if (perpendicular)
        step.line(
            Chain(symbol("m")).equals(negative(fraction(value(1), slopeOfR))).equals(value(m)));
    step.line(equation(minus(y(), y(name)), product({symbol("m"), minus(x(), x(name))})))
        .line(Equivalences(equation(shifted(y(), p.y), times(m, shifted(x(), p.x))))
                  .then(*reducedEquation(found)))
        .figure(Figure::point(p, name))
        .figure(Figure::line(found));
    std::rotate(s.steps.end() - 2, s.steps.end() - 1, s.steps.end()); // before the last
}

void endOnProjection(Solution& s, const Point& p, bool onXAxis) {
    const Point q = onXAxis ? Point{p.x, Number(0)} : Point{Number(0), p.y};
    s.add(onXAxis ? StepKind::AskedProjectionOnXAxis : StepKind::AskedProjectionOnYAxis,
          {slot("P", symbol("P")), slot("Q", pointTree(q))})
        .figure(Figure::point(q));
}

} // namespace exact::solutions
