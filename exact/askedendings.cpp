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

/// Whether a line of the step ends on the equation: its first member, then
/// whatever, then its second member (y = y_P = 3 says y = 3).
bool says(const Step& step, const Math& equation) {
    const Math& lhs = equation.children().front();
    const Math& rhs = equation.children().back();
    return std::any_of(step.lines.begin(), step.lines.end(), [&](const Math& line) {
        return line.kind() == Math::Kind::Chain && sameTree(line.children().front(), lhs) &&
               sameTree(line.children().back(), rhs);
    });
}

void endOnReduced(Solution& s) {
    const std::vector<Line> lines = answerLines(s);
    if (lines.empty() || lines.size() > 2) return;
    std::vector<Math> reduced;
    for (const Line& l : lines)
        reduced.push_back(*reducedEquation(l));
    if (std::all_of(reduced.begin(), reduced.end(),
                    [&](const Math& r) { return says(s.steps.back(), r); }))
        return;
    Step& step = lines.size() == 1
                     ? s.add(StepKind::AskedReducedEquation, {slot("equation", reduced[0])})
                     : s.add(StepKind::AskedReducedEquations,
                             {slot("first", reduced[0]), slot("second", reduced[1])});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        step.line(Equivalences(generalEquation(normalised(lines[i]))).then(reduced[i]));
        step.figure(Figure::line(lines[i]));
    }
}

} // namespace

void endOnAsked(Solution& s, Asked asked) {
    if (s.stopped || s.steps.empty()) return;
    if (asked == Asked::ReducedEquations) endOnReduced(s);
    if (asked != Asked::Slope) return;
    for (const AnswerPart& part : s.answer.parts())
        if (const auto* m = std::get_if<Number>(&part.value)) {
            s.add(StepKind::AskedSlope, {slot("m", withDecimal(*m))});
            return;
        }
}

void endOnProjection(Solution& s, const Point& p, bool onXAxis) {
    const Point q = onXAxis ? Point{p.x, Number(0)} : Point{Number(0), p.y};
    s.add(onXAxis ? StepKind::AskedProjectionOnXAxis : StepKind::AskedProjectionOnYAxis,
          {slot("P", symbol("P")), slot("Q", pointTree(q))})
        .figure(Figure::point(q));
}

} // namespace exact::solutions
