// Every problem frame of the forms, declared once: its name on the command
// line (never a position: the names stay when frames move), its caption, its
// fields in the order the frame shows them, its options and the worked
// solution of each problem, with the fields that feed it. docs/problem-forms.md
// walks through adding one.

#include "circles2solutions.h"
#include "circles3solutions.h"
#include "circlesolutions.h"
#include "frame.h"
#include "linesolutions.h"
#include "pointsolutions.h"
#include "trianglesolutions.h"

#include <stdexcept>

namespace exact {

namespace {

namespace s = solutions;

FrameField point(const char* n, unsigned options = 0) {
    return {Role::Point, n, options};
}
FrameField line(const char* name, unsigned options = 0) {
    return {Role::Line, name, options};
}
FrameField circle(const char* name, unsigned options = 0) {
    return {Role::Circle, name, options};
}
FrameField number(const char* name, unsigned options = 0) {
    return {Role::Number, name, options};
}
FrameField angle(const char* name, unsigned options = 0) {
    return {Role::Angle, name, options};
}
/// Read by option k alone.
constexpr unsigned only(int k) {
    return 1u << k;
}

s::Triangle triangle(const FrameData& d) {
    return {d.point(0), d.point(1), d.point(2)};
}

/// The circle of the i-th circle field, which its reader must have taken for one.
Circle circleOf(const FrameData& d, std::size_t i) {
    const CircleReading& c = d.circle(i);
    if (c.refusal != Refusal::None) throw std::domain_error("not a circle exactly");
    return c.circle;
}

// One row a frame: name, topic, caption, fields, options (name, option
// button, caption as practice lists it, worked solution), worked solution.
// clang-format off
std::vector<Frame> pointsAndLines() {
    using T = Topic;
    return {
        {"pontos-1", T::Pontos, "Representação de um ponto", {point("1")}, {},
         [](const FrameData& d) { return s::solvePoint(d.point(0)); }},
        {"pontos-2", T::Pontos, "Ponto médio de um segmento", {point("2"), point("3")}, {},
         [](const FrameData& d) { return s::solveMidpoint(d.point(0), d.point(1)); }},
        {"pontos-3", T::Pontos, "Distância entre dois pontos", {point("4"), point("5")}, {},
         [](const FrameData& d) { return s::solveDistance(d.point(0), d.point(1)); }},
        {"pontos-4", T::Pontos, "Mediatriz de um segmento", {point("6"), point("7")}, {},
         [](const FrameData& d) { return s::solveBisector(d.point(0), d.point(1)); }},

        {"recta1-1", T::Recta1, "Recta de equação...", {line("Text1")}, {},
         [](const FrameData& d) { return s::solveTypedLine(d.line(0)); }},
        {"recta1-2", T::Recta1, "Recta que passa por dois pontos", {point("1"), point("2")}, {},
         [](const FrameData& d) { return s::solveLineThroughPoints(d.point(0), d.point(1)); }},
        {"recta1-3", T::Recta1, "Recta que passa por um ponto e é paralela a outra",
         {point("3"), line("Text5")}, {},
         [](const FrameData& d) { return s::solveParallelThrough(d.point(0), d.line(0)); }},
        {"recta1-4", T::Recta1, "Recta que passa por um ponto e é perpendicular a outra",
         {point("4"), line("Text7")}, {},
         [](const FrameData& d) { return s::solvePerpendicularThrough(d.point(0), d.line(0)); }},

        {"recta2-1", T::Recta2, "Intersecção de duas rectas", {line("Text1"), line("Text2")}, {},
         [](const FrameData& d) { return s::solveIntersection(d.line(0), d.line(1)); }},
        {"recta2-2", T::Recta2, "Distância entre rectas paralelas",
         {line("Text3"), line("Text4")}, {},
         [](const FrameData& d) { return s::solveParallelDistance(d.line(0), d.line(1)); }},
        {"recta2-3", T::Recta2, "Distância de um ponto a uma recta",
         {line("Text5"), point("1")}, {},
         [](const FrameData& d) { return s::solvePointLineDistance(d.point(0), d.line(0)); }},
        {"recta2-4", T::Recta2, "Ângulo de duas rectas", {line("Text6"), line("Text7")}, {},
         [](const FrameData& d) { return s::solveAngle(d.line(0), d.line(1)); }},

        {"recta3-1", T::Recta3, "Ver se três pontos são colineares",
         {point("1"), point("2"), point("3")}, {},
         [](const FrameData& d) {
             return s::solveCollinearity(d.point(0), d.point(1), d.point(2));
         }},
        {"recta3-2", T::Recta3, "Coeficiente angular e inclinação de uma recta",
         {point("4", only(0)), point("5", only(0)), line("Text9", only(1))},
         {{"recta3-2a", "Option1", "Coeficiente angular e inclinação de uma recta: dois pontos",
           [](const FrameData& d) { return s::solveSlopeThroughPoints(d.point(0), d.point(1)); }},
          {"recta3-2b", "Option2", "Coeficiente angular e inclinação de uma recta: equação",
           [](const FrameData& d) { return s::solveSlopeOfLine(d.line(0)); }}}},
        {"recta3-3", T::Recta3, "Posição relativa de duas rectas",
         {line("Text5"), line("Text6")}, {},
         [](const FrameData& d) { return s::solveRelativePosition(d.line(0), d.line(1)); }},

        {"recta4-1", T::Recta4, "Recta que passa num ponto e ...",
         {point("1"), number("Text2", only(2)), number("Text6", only(3)),
          angle("Text4", only(4)), line("Text5", only(4))},
         {{"recta4-1a", "Option1", "Recta que passa num ponto e é paralela ao eixo das abcissas",
           [](const FrameData& d) { return s::solveParallelToXAxis(d.point(0)); }},
          {"recta4-1b", "Option2", "Recta que passa num ponto e é paralela ao eixo das ordenadas",
           [](const FrameData& d) { return s::solveParallelToYAxis(d.point(0)); }},
          {"recta4-1c", "Option3", "Recta que passa num ponto e tem uma inclinação dada",
           [](const FrameData& d) { return s::solveLineWithInclination(d.point(0), d.number(0)); }},
          {"recta4-1d", "Option4", "Recta que passa num ponto e tem um declive dado",
           [](const FrameData& d) { return s::solveLineWithSlope(d.point(0), d.number(0)); }},
          {"recta4-1e", "Option6", "Recta que passa num ponto e faz um ângulo dado com outra",
           [](const FrameData& d) {
               return s::solveLinesAtAngle(d.point(0), d.angle(0), d.line(0));
           }}}},
        {"recta4-2", T::Recta4, "Bissectrizes de duas rectas concorrentes",
         {line("Text9"), line("Text10")}, {},
         [](const FrameData& d) { return s::solveBisectors(d.line(0), d.line(1)); }},
    };
}

std::vector<Frame> circlesAndTriangle() {
    using T = Topic;
    return {
        {"circunferencia1-1", T::Circunferencia1, "Circunferência de equação...",
         {circle("Text1", only(0)), point("3", only(1)), number("Raio", only(1))},
         {{"circunferencia1-1a", "Option1", "Circunferência de equação...: centro e raio",
           [](const FrameData& d) { return s::solveCircleByEquation(d.conic(0)); }},
          {"circunferencia1-1b", "Option2", "Circunferência de equação...: equação",
           [](const FrameData& d) { return s::solveCircleByCentre(d.point(0), d.number(0)); }}}},
        {"circunferencia1-2", T::Circunferencia1,
         "Circunferência com centro num ponto e tg a uma recta", {line("Text3"), point("1")}, {},
         [](const FrameData& d) { return s::solveTangentCircle(d.point(0), d.line(0)); }},
        {"circunferencia1-3", T::Circunferencia1,
         "Tangente a uma circunferência num dos seus pontos", {point("2"), circle("Text4")}, {},
         [](const FrameData& d) { return s::solveTangentAtPoint(d.point(0), d.conic(0)); }},
        {"circunferencia1-4", T::Circunferencia1,
         "Intersecção de uma recta com uma circunferência", {line("Text5"), circle("Text7")}, {},
         [](const FrameData& d) { return s::solveLineAndCircle(d.line(0), d.conic(0)); }},

        {"circunferencia2-1", T::Circunferencia2, "Circunferência e triângulo",
         {point("1"), point("2"), point("3")},
         {{"circunferencia2-1a", "Option1", "Circunferência e triângulo: inscrita",
           [](const FrameData& d) { return s::solveIncircle(triangle(d)); }},
          {"circunferencia2-1b", "Option2", "Circunferência e triângulo: circunscrita",
           [](const FrameData& d) { return s::solveCircumcircle(triangle(d)); }}}},
        {"circunferencia2-2", T::Circunferencia2, "Distância de um ponto P a uma circunferência",
         {circle("Text9"), point("4")}, {},
         [](const FrameData& d) {
             return s::solvePointCircleDistance(d.point(0), circleOf(d, 0));
         }},
        {"circunferencia2-3", T::Circunferencia2,
         "Circunferência de centro C e tangente a uma recta", {line("Text5"), point("6")}, {},
         [](const FrameData& d) { return s::solveTangentCircle(d.point(0), d.line(0)); }},
        {"circunferencia2-4", T::Circunferencia2, "Circunferência definida por três pontos",
         {point("9"), point("10"), point("11")}, {},
         [](const FrameData& d) {
             return s::solveCircleThroughPoints(d.point(0), d.point(1), d.point(2));
         }},

        {"circunferencia3-1", T::Circunferencia3, "Intersecção de duas circunferências",
         {circle("Text6"), circle("Text7")}, {},
         [](const FrameData& d) { return s::solveTwoCircles(d.conic(0), d.conic(1)); }},
        {"circunferencia3-2", T::Circunferencia3,
         "Rectas que passam por P e são tg a uma circunferência", {point("4"), circle("Text9")}, {},
         [](const FrameData& d) { return s::solveTangentsFromPoint(d.point(0), d.conic(0)); }},
        {"circunferencia3-3", T::Circunferencia3,
         "Circunferência que passa em P e é tg à recta no ponto Q",
         {point("1"), point("2"), line("Text12")}, {},
         [](const FrameData& d) {
             return s::solveTouchingCircle(d.point(0), d.point(1), d.line(0));
         }},

        {"triangulo-1", T::Triangulo, "Pontos notáveis de um triângulo",
         {point("1"), point("2"), point("3")},
         {{"triangulo-1a", "Option1", "Pontos notáveis de um triângulo: circuncentro",
           [](const FrameData& d) { return s::solveCircumcentre(triangle(d)); }},
          {"triangulo-1b", "Option2", "Pontos notáveis de um triângulo: incentro",
           [](const FrameData& d) { return s::solveIncentre(triangle(d)); }},
          {"triangulo-1c", "Option3", "Pontos notáveis de um triângulo: ortocentro",
           [](const FrameData& d) { return s::solveOrthocentre(triangle(d)); }},
          {"triangulo-1d", "Option4", "Pontos notáveis de um triângulo: baricentro",
           [](const FrameData& d) { return s::solveCentroid(triangle(d)); }}}},
        {"triangulo-2", T::Triangulo, "Área de um triângulo",
         {point("6"), point("7"), point("8")}, {},
         [](const FrameData& d) { return s::solveTriangleArea(triangle(d)); }},
        {"triangulo-3", T::Triangulo, "Ver se são vértices de um triângulo rectângulo",
         {point("9"), point("10"), point("11")}, {},
         [](const FrameData& d) { return s::solveRightTriangle(triangle(d)); }},
    };
}
// clang-format on

} // namespace

const std::vector<Frame>& frames() {
    static const std::vector<Frame> all = [] {
        std::vector<Frame> table = pointsAndLines();
        for (Frame& f : circlesAndTriangle())
            table.push_back(std::move(f));
        return table;
    }();
    return all;
}

} // namespace exact
