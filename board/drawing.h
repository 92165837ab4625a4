#pragma once

#include "axes.h"
#include "displaylist.h"
#include "geometry.h"

#include <QColor>
#include <QString>
#include <optional>

class Board;

/// The data colour and the solution colour.
inline const QColor Azul = QBColor(9);
inline const QColor Vermelho = QBColor(12);

/// What the frames draw with, on a board whose axes were drawn for a
/// viewport. Drawing state persists between operations, as the routines
/// expect: a 2-pixel pen draws solid even when the style is dotted.
class Drawing {
public:
    Drawing(Board& board, const Viewport& view)
        : m_board(board)
        , m_view(view) {}

    void pen(const QColor& colour, int width, DashStyle style = DashStyle::Solid);
    /// DrawWidth 7 and PSet; `name` is the point's name ("A", "M"), written
    /// beside it when the names of the points are shown.
    void dot(Pt p, const QString& name = {});
    void guides(Pt p);             ///< dotted 1-pixel perpendiculars to the axes
    void axisLabels(Pt p);         ///< the coordinates printed beside the axes
    void labelIfUngraduated(Pt p); ///< axisLabels when the axes carry no numbers
    void segment(Pt from, Pt to);  ///< Line in the current pen
    void circle(const Circle& c);  ///< Circle in the current pen
    /// Draws the line across the viewport, or nothing and false when it is
    /// no line: a = b = 0, or an equation that `noLine` (an exact verdict)
    /// says is none.
    bool line(const Line& line, std::optional<bool> noLine = std::nullopt);

private:
    Board& m_board;
    const Viewport& m_view;
};
