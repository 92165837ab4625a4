#pragma once

#include "solution.h"

/// The worked solutions of the Points form's four frames, from the frame's
/// exact data. Equal points give a solution that says so and stops.
namespace exact::solutions {

/// "Representação de um ponto".
Solution solvePoint(const Point& p);
/// "Ponto médio de um segmento".
Solution solveMidpoint(const Point& a, const Point& b);
/// "Distância entre dois pontos".
Solution solveDistance(const Point& a, const Point& b);
/// "Mediatriz de um segmento".
Solution solveBisector(const Point& a, const Point& b);

} // namespace exact::solutions
