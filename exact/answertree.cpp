#include "answertree.h"

#include "solutionkit.h"

namespace exact {

std::optional<Math> answerTree(const AnswerValue& value) {
    if (const auto* n = std::get_if<Number>(&value)) return exact::value(*n);
    if (const auto* p = std::get_if<Point>(&value)) return pointTree(*p);
    if (const auto* l = std::get_if<Line>(&value)) return generalEquation(normalised(*l));
    if (const auto* c = std::get_if<Circle>(&value)) return circleEquation(*c);
    if (const auto* a = std::get_if<Angle>(&value); a && a->degrees.isExact())
        return kit::degrees(exact::value(a->degrees));
    return std::nullopt;
}

} // namespace exact
