#pragma once

#include "solution.h"

/// The worked solutions of the Points form's four frames, from the frame's
/// exact data. Equal points give a solution that says so and stops.
namespace exact::solutions {

/// "Representação de um ponto".
Solution plotPoint(const Point& p);
/// "Ponto médio de um segmento".
Solution midpoint(const Point& a, const Point& b);
/// "Distância entre dois pontos".
Solution distance(const Point& a, const Point& b);
/// "Mediatriz de um segmento".
Solution perpendicularBisector(const Point& a, const Point& b);

} // namespace exact::solutions
