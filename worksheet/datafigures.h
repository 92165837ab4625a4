#pragma once

#include "datafigure.h"
#include "exercise.h"

namespace worksheet {

/// The data of an exercise that its figure shows, named as its statement
/// names them: the points, lines and circles given, never what is asked.
/// Empty for a frame whose form draws no data ("Dados").
DataFigure figureData(const practice::Exercise& exercise);

/// The figure of an exercise's data on a square of `side` logical pixels:
/// the board's display list, fitted to the data, its numbers written with
/// a decimal comma. Empty when the exercise has no figure.
DisplayList dataFigure(const practice::Exercise& exercise, double side);

} // namespace worksheet
