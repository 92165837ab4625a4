// Any text evaluated exactly, read as a line and as a circle; split at its
// line breaks into four coordinates, the Points solutions of those data; and
// split into two coordinates and two equations, the solutions of every frame
// of Lines 1 and Lines 2; into two coordinates, an equation and a circle,
// the solutions of Lines 3, Lines 4 and Circles 1; into six coordinates (and
// a line and a circle among them), the solutions of Triangle and Circles 2;
// into two coordinates, two circles and a line, the solutions of Circles 3.
// Each input has the work budget of two presses with their solutions.
#include "budget.h"
#include "circles2solutions.h"
#include "circles3solutions.h"
#include "circlesolutions.h"
#include "evaluation.h"
#include "linesolutions.h"
#include "numbered_error.h"
#include "numbertext.h"
#include "pointsolutions.h"
#include "sentences.h"
#include "trianglesolutions.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace {

void mustDescribe(const NumberedError& error) {
    if (error.description().empty()) __builtin_trap(); // every fault must say what went wrong
}

/// No "inf" or "nan" written as a word ("infinitas" is a word of a sentence).
void mustBeFinite(const std::string& text) {
    const auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    for (const char* word : {"inf", "nan"})
        for (std::size_t at = text.find(word); at != std::string::npos;
             at = text.find(word, at + 1)) {
            const bool before = at > 0 && isLetter(text[at - 1]);
            const bool after = at + 3 < text.size() && isLetter(text[at + 3]);
            if (!before && !after) __builtin_trap();
        }
}

void evaluate(std::string_view text) {
    try {
        exact::Expression e(text);
        mustBeFinite(
            exact::text(e.evaluate({{"x", exact::Number::fraction(3, 2)}, {"y", -2}}), ","));
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
}

void readEquations(std::string_view text) {
    try {
        const exact::LineReading line = exact::readLine(text);
        if (line.refusal == exact::Refusal::None && !line.line.isDegenerate())
            mustBeFinite(exact::generalEquationText(line.line, ","));
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
    try {
        const exact::CircleReading circle = exact::readCircle(text);
        if (circle.refusal == exact::Refusal::None)
            mustBeFinite(exact::circleEquationText(circle.circle, ","));
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
}

/// The text's lines, at most `count`.
std::vector<std::string_view> fieldsOf(std::string_view text, std::size_t count) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0; start <= text.size() && fields.size() < count;) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

/// Every solution must be written in full, with an answer, and never as inf or nan.
void mustBeWhole(const exact::Solution& s) {
    if (s.answer.empty()) __builtin_trap();
    mustBeFinite(exact::plainText(s, ","));
}

/// A field read exactly, 1 when it faults.
exact::Number numberOf(std::string_view text) {
    try {
        return exact::readField(text);
    } catch (const NumberedError& error) {
        mustDescribe(error);
        return exact::Number(1);
    }
}

/// An equation read exactly with the text typed (which the solution writes
/// as typed), y = x when it is refused or faults.
exact::GivenLine lineOf(std::string_view text) {
    try {
        const exact::LineReading l = exact::readLine(text);
        if (l.refusal == exact::Refusal::None) return {l.line, std::string(text)};
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
    return {{exact::Number(-1), exact::Number(1), exact::Number(0)}, "y=x"};
}

void solveLines(std::string_view text) {
    const std::vector<std::string_view> fields = fieldsOf(text, 4);
    const exact::Point p{numberOf(fields.size() > 0 ? fields[0] : "1"),
                         numberOf(fields.size() > 1 ? fields[1] : "2")};
    const exact::GivenLine r = lineOf(fields.size() > 2 ? fields[2] : "y=2x+1");
    const exact::GivenLine s = lineOf(fields.size() > 3 ? fields[3] : "x=3");
    using namespace exact::solutions;
    for (const auto& solve : std::initializer_list<std::function<exact::Solution()>>{
             [&] { return solveTypedLine(r); },
             [&] {
                 return solveLineThroughPoints(p, {s.line.a, s.line.b});
             },
             [&] { return solveParallelThrough(p, r); },
             [&] { return solvePerpendicularThrough(p, r); },
             [&] { return solveIntersection(r, s); }, [&] { return solveParallelDistance(r, s); },
             [&] { return solvePointLineDistance(p, r); }, [&] { return solveAngle(r, s); }}) {
        try {
            mustBeWhole(solve());
        } catch (const NumberedError& error) { // a value past a double, as the forms fault
            mustDescribe(error);
        }
    }
}

/// A circle read exactly with the text typed, x² + y² = 4 when it is
/// refused or faults.
exact::GivenCircle circleOf(std::string_view text) {
    try {
        const exact::CircleReading c = exact::readCircle(text);
        if (c.refusal == exact::Refusal::None) return {c.conic, std::string(text)};
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
    return {exact::readCircle("x^2+y^2=4").conic, "x^2+y^2=4"};
}

/// Solutions that may fault only as the forms do, on a value past a double.
void mustSolve(std::initializer_list<std::function<exact::Solution()>> solutions) {
    for (const auto& solve : solutions) {
        try {
            mustBeWhole(solve());
        } catch (const NumberedError& error) {
            mustDescribe(error);
        }
    }
}

void solveLinesAndCircles(std::string_view text) {
    const std::vector<std::string_view> fields = fieldsOf(text, 4);
    const exact::Point p{numberOf(fields.size() > 0 ? fields[0] : "1"),
                         numberOf(fields.size() > 1 ? fields[1] : "2")};
    const exact::GivenLine r = lineOf(fields.size() > 2 ? fields[2] : "y=2x+1");
    const exact::GivenCircle c = circleOf(fields.size() > 3 ? fields[3] : "x^2+y^2=4");
    using namespace exact::solutions;
    mustSolve({[&] { return solveCircleByEquation(c); },
               [&] { return solveCircleByCentre(p, p.x); },
               [&] { return solveTangentCircle(p, r); }, [&] { return solveTangentAtPoint(p, c); },
               [&] { return solveLineAndCircle(r, c); }});
}

void solvePoints(std::string_view text) {
    std::vector<exact::Number> data;
    for (const std::string_view field : fieldsOf(text, 4))
        data.push_back(exact::readField(field));
    while (data.size() < 4)
        data.push_back(exact::Number(1));
    const exact::Point a{data[0], data[1]};
    const exact::Point b{data[2], data[3]};
    for (const exact::Solution& s :
         {exact::solutions::solvePoint(a), exact::solutions::solveMidpoint(a, b),
          exact::solutions::solveDistance(a, b), exact::solutions::solveBisector(a, b)})
        mustBeFinite(exact::plainText(s, ","));
}

/// A circle read exactly, x² + y² = 4 when it is refused or faults.
void solveTriangles(std::string_view text) {
    const std::vector<std::string_view> fields = fieldsOf(text, 6);
    std::vector<exact::Number> n;
    for (std::size_t i = 0; i < 6; ++i)
        n.push_back(numberOf(i < fields.size() ? fields[i] : "1"));
    const exact::solutions::Triangle t{{n[0], n[1]}, {n[2], n[3]}, {n[4], n[5]}};
    const exact::GivenLine l = lineOf(fields.size() > 4 ? fields[4] : "y=x");
    const exact::GivenCircle c = circleOf(fields.size() > 5 ? fields[5] : "x^2+y^2=4");
    using namespace exact::solutions;
    for (const auto& solve : std::initializer_list<std::function<exact::Solution()>>{
             [&] { return solveCircumcentre(t); }, [&] { return solveIncentre(t); },
             [&] { return solveOrthocentre(t); }, [&] { return solveCentroid(t); },
             [&] { return solveTriangleArea(t); }, [&] { return solveRightTriangle(t); },
             [&] { return solveIncircle(t); }, [&] { return solveCircumcircle(t); },
             [&] { return solvePointCircleDistance(t.a, c); },
             [&] { return solveTangentCircle(t.a, l); },
             [&] { return solveCircleThroughPoints(t.a, t.b, t.c); }}) {
        try {
            mustBeWhole(solve());
        } catch (const NumberedError& error) {
            mustDescribe(error);
        }
    }
}

void solveCircles3(std::string_view text) {
    const std::vector<std::string_view> fields = fieldsOf(text, 5);
    const exact::Point p{numberOf(fields.size() > 0 ? fields[0] : "7"),
                         numberOf(fields.size() > 1 ? fields[1] : "1")};
    const exact::GivenCircle first = circleOf(fields.size() > 2 ? fields[2] : "x^2+y^2=4");
    const exact::GivenCircle second = circleOf(fields.size() > 3 ? fields[3] : "x^2+y^2-4x=0");
    const exact::GivenLine t = lineOf(fields.size() > 4 ? fields[4] : "y=x");
    using namespace exact::solutions;
    mustSolve({[&] { return solveTwoCircles(first, second); },
               [&] { return solveTangentsFromPoint(p, first); },
               [&] {
                   return solveTouchingCircle(p, {p.y, p.x}, t);
               }});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The budget of about two presses and their solutions: whatever the text,
    // each input ends within libFuzzer's time limit (scripts/fuzz.sh).
    const exact::WorkBudget budget(2 * (exact::WorkBudget::Press + exact::WorkBudget::Solution));
    evaluate(text);
    readEquations(text);
    try {
        solvePoints(text);
    } catch (const NumberedError& error) {
        mustDescribe(error);
    }
    solveLines(text);
    solveLinesAndCircles(text);
    solveTriangles(text);
    solveCircles3(text);
    return 0;
}
