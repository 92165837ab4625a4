#include "datafigures.h"

#include <algorithm>

namespace worksheet {

namespace {

/// How the points of a figure are joined.
enum class Join { None, Segment, Triangle };

/// What the figure of a frame shows: its first points and lines, named as
/// the statement names them, and its first circles.
struct Shown {
    const char* frame;  ///< the problem's name: "recta4-1e"
    const char* points; ///< one letter a point: "AB"
    const char* lines;  ///< one letter a line: "rs"
    int circles;
    Join join;
};

constexpr Shown Figures[] = {
    {"pontos-2", "AB", "", 0, Join::Segment},
    {"pontos-3", "AB", "", 0, Join::Segment},
    {"pontos-4", "AB", "", 0, Join::Segment},
    {"recta1-2", "AB", "", 0, Join::None},
    {"recta1-3", "P", "r", 0, Join::None},
    {"recta1-4", "Q", "r", 0, Join::None},
    {"recta2-1", "", "rs", 0, Join::None},
    {"recta2-2", "", "rs", 0, Join::None},
    {"recta2-3", "P", "r", 0, Join::None},
    {"recta2-4", "", "rs", 0, Join::None},
    {"recta3-1", "ABC", "", 0, Join::None},
    {"recta3-2a", "AB", "", 0, Join::None},
    {"recta3-2b", "", "r", 0, Join::None},
    {"recta4-1a", "P", "", 0, Join::None},
    {"recta4-1b", "P", "", 0, Join::None},
    {"recta4-1c", "P", "", 0, Join::None},
    {"recta4-1d", "P", "", 0, Join::None},
    {"recta4-1e", "P", "r", 0, Join::None},
    {"recta4-2", "", "rs", 0, Join::None},
    {"circunferencia1-2", "P", "t", 0, Join::None},
    {"circunferencia1-3", "P", "", 1, Join::None},
    {"circunferencia1-4", "", "r", 1, Join::None},
    {"circunferencia2-1a", "ABC", "", 0, Join::Triangle},
    {"circunferencia2-1b", "ABC", "", 0, Join::Triangle},
    {"circunferencia2-2", "P", "", 1, Join::None},
    {"circunferencia2-3", "P", "t", 0, Join::None},
    {"circunferencia2-4", "ABC", "", 0, Join::None},
    {"circunferencia3-1", "", "", 2, Join::None},
    {"circunferencia3-2", "P", "", 1, Join::None},
    {"circunferencia3-3", "PQ", "t", 0, Join::None},
    {"triangulo-1a", "ABC", "", 0, Join::Triangle},
    {"triangulo-1b", "ABC", "", 0, Join::Triangle},
    {"triangulo-1c", "ABC", "", 0, Join::Triangle},
    {"triangulo-1d", "ABC", "", 0, Join::Triangle},
    {"triangulo-2", "ABC", "", 0, Join::Triangle},
    {"triangulo-3", "ABC", "", 0, Join::Triangle},
};

QPointF at(const exact::Point& p) {
    return {p.x.toDouble(), p.y.toDouble()};
}

} // namespace

DataFigure figureData(const practice::Exercise& exercise) {
    const auto shown = std::find_if(std::begin(Figures), std::end(Figures), [&](const Shown& s) {
        return exercise.frame.name() == s.frame;
    });
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
