#include "datafigures.h"

#include <algorithm>

namespace worksheet {

namespace {

/// How the points of a figure are joined.
enum class Join { None, Segment, Triangle };

/// What the figure of a frame shows: its first points and lines, named as
/// the statement names them, and its first circles.
struct Shown {
    practice::FrameId frame;
    const char* points; ///< one letter a point: "AB"
    const char* lines;  ///< one letter a line: "rs"
    int circles;
    Join join;
};

using T = practice::TopicId;

constexpr Shown Figures[] = {
    {{T::Pontos, 1}, "AB", "", 0, Join::Segment},
    {{T::Pontos, 2}, "AB", "", 0, Join::Segment},
    {{T::Pontos, 3}, "AB", "", 0, Join::Segment},
    {{T::Recta1, 1}, "AB", "", 0, Join::None},
    {{T::Recta1, 2}, "P", "r", 0, Join::None},
    {{T::Recta1, 3}, "Q", "r", 0, Join::None},
    {{T::Recta2, 0}, "", "rs", 0, Join::None},
    {{T::Recta2, 1}, "", "rs", 0, Join::None},
    {{T::Recta2, 2}, "P", "r", 0, Join::None},
    {{T::Recta2, 3}, "", "rs", 0, Join::None},
    {{T::Recta3, 0}, "ABC", "", 0, Join::None},
    {{T::Recta3, 1, 0}, "AB", "", 0, Join::None},
    {{T::Recta3, 1, 1}, "", "r", 0, Join::None},
    {{T::Recta4, 0, 0}, "P", "", 0, Join::None},
    {{T::Recta4, 0, 1}, "P", "", 0, Join::None},
    {{T::Recta4, 0, 2}, "P", "", 0, Join::None},
    {{T::Recta4, 0, 3}, "P", "", 0, Join::None},
    {{T::Recta4, 0, 4}, "P", "r", 0, Join::None},
    {{T::Recta4, 1}, "", "rs", 0, Join::None},
    {{T::Circunferencia1, 1}, "P", "t", 0, Join::None},
    {{T::Circunferencia1, 2}, "P", "", 1, Join::None},
    {{T::Circunferencia1, 3}, "", "r", 1, Join::None},
    {{T::Circunferencia2, 0, 0}, "ABC", "", 0, Join::Triangle},
    {{T::Circunferencia2, 0, 1}, "ABC", "", 0, Join::Triangle},
    {{T::Circunferencia2, 1}, "P", "", 1, Join::None},
    {{T::Circunferencia2, 2}, "P", "t", 0, Join::None},
    {{T::Circunferencia2, 3}, "ABC", "", 0, Join::None},
    {{T::Circunferencia3, 0}, "", "", 2, Join::None},
    {{T::Circunferencia3, 1}, "P", "", 1, Join::None},
    {{T::Circunferencia3, 2}, "PQ", "t", 0, Join::None},
    {{T::Triangulo, 0, 0}, "ABC", "", 0, Join::Triangle},
    {{T::Triangulo, 0, 1}, "ABC", "", 0, Join::Triangle},
    {{T::Triangulo, 0, 2}, "ABC", "", 0, Join::Triangle},
    {{T::Triangulo, 0, 3}, "ABC", "", 0, Join::Triangle},
    {{T::Triangulo, 1}, "ABC", "", 0, Join::Triangle},
    {{T::Triangulo, 2}, "ABC", "", 0, Join::Triangle},
};

QPointF at(const exact::Point& p) {
    return {p.x.toDouble(), p.y.toDouble()};
}

} // namespace

DataFigure figureData(const practice::Exercise& exercise) {
    const auto shown = std::find_if(std::begin(Figures), std::end(Figures),
                                    [&](const Shown& s) { return s.frame == exercise.frame; });
    DataFigure figure;
    if (shown == std::end(Figures)) return figure;
    const practice::Data& data = exercise.data;
    for (std::size_t i = 0; shown->points[i] && i < data.points.size(); ++i)
        figure.points.push_back({QString(QChar(shown->points[i])), at(data.points[i])});
    for (std::size_t i = 0; shown->lines[i] && i < data.lines.size(); ++i) {
        const exact::Line& l = data.lines[i];
        figure.lines.push_back(
            {QString(QChar(shown->lines[i])), l.a.toDouble(), l.b.toDouble(), l.c.toDouble()});
    }
    for (std::size_t i = 0; int(i) < shown->circles && i < data.circles.size(); ++i)
        figure.circles.push_back({at(data.circles[i].centre), data.circles[i].radius.toDouble()});
    if (shown->join == Join::Segment && figure.points.size() == 2) figure.segments = {{0, 1}};
    if (shown->join == Join::Triangle && figure.points.size() == 3)
        figure.segments = {{0, 1}, {1, 2}, {2, 0}};
    return figure;
}

DisplayList dataFigure(const practice::Exercise& exercise, double side) {
    const DataFigure figure = figureData(exercise);
    if (figure.empty()) return {};
    return drawDataFigure(figure, side, QStringLiteral(","));
}

} // namespace worksheet
