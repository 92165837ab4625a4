#pragma once

#include <QString>
#include <array>

class Board;

/// The viewport typed in the "Eixos" frame, with the values the axes derive
/// from it. They stay valid until the axes are drawn again.
struct Viewport {
    float Xmin = -10, Xmax = 10, Ymin = -10, Ymax = 10;
    float PassoX = 0.4f, PassoY = 0.4f; ///< |Xmax − Xmin| / 50 and |Ymax − Ymin| / 50: margin units
    double PixelX = 0, PixelY = 0;      ///< world units per board pixel

    /// Whether the axes carry ticks, numbers and a grid: |Xmax − Xmin| ≤ 50.
    bool graduated() const;
};

/// The texts of the fields Xmin, Xmax, Ymin and Ymax, in that order.
using ViewportTexts = std::array<QString, 4>;

/// The axes of a board, drawn for a viewport: the steps of DesenharEixos.
/// Numbers are written with the decimal separator `sep`.
namespace Axes {

/// One limit as a plain number (TextRules::plainNumber: "2,5" or "2.5", no
/// expressions). Raises 13 for a text that is not a number and 6 for one
/// beyond a 32-bit float.
float readLimit(const QString& text);
/// Reads the four limits in order; the limits read before a fault are kept.
void readLimits(Viewport& view, const ViewportTexts& texts);

/// Clears the board, reads the limits, sets the world window with a margin
/// of two margin units on every side, and draws the axes with their
/// arrowheads and names. A graduated viewport gets its ticks and numbers,
/// and the grid when `grid` is set. Returns whether the axes were graduated.
bool draw(Board& board, Viewport& view, const ViewportTexts& texts, bool grid, const QString& sep);

/// The two axes, their arrowheads and their names "x" and "y".
void drawAxes(Board& board, const Viewport& view);
/// Ticks at every whole number, then the numbers beside them (none at 0).
void drawGraduation(Board& board, const Viewport& view, const QString& sep);
/// Grey lines one unit apart from Xmin and Ymin on, none on an axis.
void drawGrid(Board& board, const Viewport& view);

/// A number printed under the x axis at x, or beside the y axis at y, where
/// the graduation puts its numbers ("MS Serif", 6 points, bold).
void printOnXAxis(Board& board, const Viewport& view, double x, const QString& sep);
void printOnYAxis(Board& board, const Viewport& view, double y, const QString& sep);

} // namespace Axes
