// The worked solutions of "CIRCUNFERÊNCIA - 3".

#include "circles3solutions.h"

#include "solutionkit.h"
#include "trianglesolutions.h"

namespace exact::solutions {

using namespace kit;

namespace {

/// a·x_P + b·y_P + c with the values of a point, and its value.
Math substituted(const Line& l, const Point& p, const Number& v) {
    return Chain(linearCombination({{l.a, value(p.x)}, {l.b, value(p.y)}}, l.c)).equals(value(v));
}

} // namespace

Solution solveTouchingCircle(const Point& p, const Point& q, const Line& typed) {
    const Line given = withoutResidue(typed);
    Solution s = titled(TitleKind::TouchingCircle,
                        {pointSlot("P", p), pointSlot("Q", q), lineSlot("t", given)});
    bindPoint(s.environment, "P", p);
    bindPoint(s.environment, "Q", q);
    const std::string label = "Resultado3";
    if (stopsOnNoLine(s, "t", given, label)) return s;
    Math equation = s.titleValues.back().value;
    const Line t = simplifyGivenLine(s, "t", given, equation);
    const Number atQ = t.a * q.x + t.b * q.y + t.c;
    if (!atQ.isZero()) {
        s.add(StepKind::PointQNotOnLine).line(substituted(t, q, atQ)).figure(Figure::line(t, "t"));
        s.answer.add(label, Verdict::PointNotOnLine);
        s.stopped = true;
        return s;
    }
    s.add(StepKind::PointQOnLine).line(substituted(t, q, atQ)).figure(Figure::point(q, "Q"));
    const Number atP = t.a * p.x + t.b * p.y + t.c;
    if (atP.isZero()) {
        s.add(StepKind::PointPOnTangent).line(substituted(t, p, atP)).figure(Figure::line(t, "t"));
        s.answer.add(label, Verdict::PointOnTangent);
        s.stopped = true;
        return s;
    }
    const LineNames names{"m", "n"};
    s.add(StepKind::TouchingCircleMethod,
          {slot("r", symbol(names.first)), slot("s", symbol(names.second))});
    const Point direction{-t.b, t.a};
    Math er, es;
    Step& normal = s.add(StepKind::NormalAtPoint,
                         {slot("r", symbol(names.first)), slot("vector", pointTree(direction))});
    const Line r = normalThrough(normal, q, direction, er);
    normal.figure(Figure::line(r, names.first)).figure(Figure::line(t, "t"));
    const Line b = sideBisector(s, names.second, {"P", p}, {"Q", q}, "M", es);
    const std::optional<Point> o = meetingOf(s, r, er, b, es, names);
    if (!o) { // parallel only in the doubles of approximate data
        s.add(StepKind::PointPOnTangent);
        s.answer.add(label, Verdict::PointOnTangent);
        s.stopped = true;
        return s;
    }
    bindPoint(s.environment, "O", *o);
    s.add(StepKind::TouchingCircleCentre, {slot("O", pointWithDecimals(*o, "O"))})
        .figure(Figure::point(*o, "O"));
    const Number dx = q.x - o->x, dy = q.y - o->y;
    const Number r2 = square(dx) + square(dy);
    s.add(StepKind::TouchingCircleRadius)
        .line(Chain(squared(symbol("r")))
                  .equals(squared(function("d", {symbol("O"), symbol("Q")})))
                  .equals(plus(squared(minus(value(q.x), value(o->x))),
                               squared(minus(value(q.y), value(o->y)))))
                  .equals(plus(squared(value(dx)), squared(value(dy))))
                  .endsWith(r2))
        .figure(Figure::segment(*o, q));
    circleResult(s, StepKind::TouchingCircleResult, {*o, sqrt(r2)}, label);
    return s;
}

} // namespace exact::solutions
