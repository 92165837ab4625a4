#include "axes.h"

#include "board.h"
#include "numbered_error.h"
#include "textrules.h"

#include <cfloat>
#include <cmath>

namespace {

/// The graduation loops run over as many values as the typed viewport asks
/// for, up to this bound: 5001 ticks on one axis are already far more than
/// the 631 pixels of the board can tell apart, and the bound keeps a
/// viewport such as 0..1E+9 from stalling the program.
constexpr int MaxGraduationSteps = 5001;

/// A 32-bit float computed from the viewport, which overflows as the
/// program's single-precision arithmetic does.
float single(float value) {
    if (!std::isfinite(value)) Fault::raise(Fault::Overflow);
    return value;
}

/// Int(from) to Int(to) in steps of 1, at most MaxGraduationSteps values.
template <typename F>
void forEachWhole(float from, float to, F&& body) {
    const double last = std::floor(double(to));
    double i = std::floor(double(from));
    for (int n = 0; i <= last && n < MaxGraduationSteps; ++n, i += 1.0)
        body(i);
}

/// from, from + 1, ... while not beyond `to`, in 32-bit floats.
template <typename F>
void forEachStep(float from, float to, F&& body) {
    float x = from;
    for (int n = 0; x <= to && n < MaxGraduationSteps; ++n) {
        body(x);
        const float next = x + 1.0f;
        if (next == x) break; // 1 no longer changes a float this large
        x = next;
    }
}

/// The font of the numbers beside the axes.
void numberFont(Board& b) {
    b.setFontName(QStringLiteral("MS Serif"));
    b.setFontSize(6);
    b.setFontBold(true);
}

/// The world window: the viewport and two margin units on every side, y upwards.
void scale(Board& b, Viewport& v) {
    v.PassoX = single(std::fabs(single(v.Xmax - v.Xmin)) / 50.0f);
    v.PassoY = single(std::fabs(single(v.Ymax - v.Ymin)) / 50.0f);
    const float left = single(v.Xmin - 2.0f * v.PassoX), right = single(v.Xmax + 2.0f * v.PassoX);
    const float top = single(v.Ymax + 2.0f * v.PassoY), bottom = single(v.Ymin - 2.0f * v.PassoY);
    v.PixelX = std::fabs(right - left) / float(b.ScaleWidth());
    v.PixelY = std::fabs(top - bottom) / float(b.ScaleHeight());
    b.Scale(left, top, right, bottom);
}

/// The x position of a number under the x axis, and its row.
void placeOnXAxis(Board& b, const Viewport& v, double x) {
    b.setCurrentX(x - 8 * v.PixelX);
    b.setCurrentY(-8 * v.PixelY);
}

/// A number beside the y axis at y.
void printBesideYAxis(Board& b, const Viewport& v, double y, const QString& sep,
                      Primitive::Role role) {
    const Board::PixelPlacement at(b, {0, y}, role);
    numberFont(b);
    b.setCurrentX(-22 * v.PixelX);
    b.setCurrentY(y + 5 * v.PixelY);
    b.PrintNumber(y, sep);
}

} // namespace

bool Viewport::graduated() const {
    return std::fabs(Xmax - Xmin) <= 50.0f;
}

namespace Axes {

float readLimit(const QString& text) {
    const std::optional<double> value = TextRules::plainNumber(text);
    if (!value) Fault::raise(Fault::TypeMismatch);
    if (std::fabs(*value) > FLT_MAX) Fault::raise(Fault::Overflow);
    return static_cast<float>(*value);
}

void readLimits(Viewport& view, const ViewportTexts& texts) {
    float* values[] = {&view.Xmin, &view.Xmax, &view.Ymin, &view.Ymax};
    for (std::size_t i = 0; i < texts.size(); ++i)
        *values[i] = readLimit(texts.at(i));
}

bool draw(Board& b, Viewport& view, const ViewportTexts& texts, bool grid, const QString& sep) {
    b.Cls();
    b.ScaleModePixels();
    b.setDrawStyle(DashStyle::Solid);
    readLimits(view, texts);
    b.setDrawWidth(2);
    b.setForeColor(QBColor(0));
    scale(b, view);
    drawAxes(b, view);
    b.setDrawWidth(1);
    if (!view.graduated()) return false;
    drawGraduation(b, view, sep);
    if (grid) drawGrid(b, view);
    return true;
}

void drawAxes(Board& b, const Viewport& v) {
    b.showArrows(true);
    b.moveArrow(b.setaH(), v.Xmax + v.PassoX - 3 * v.PixelX, 4 * v.PixelY);
    b.moveArrow(b.setaV(), -4 * v.PixelX, v.Ymax + v.PassoY);
    b.Line(v.Xmin - v.PassoX, 0, v.Xmax + v.PassoX, 0);
    b.Line(0, v.Ymin - v.PassoY, 0, v.Ymax + v.PassoY);
    b.setFontName(QStringLiteral("MS Sans Serif"));
    b.setFontBold(true);
    // The names hang from the ends of the axes.
    {
        const Board::PixelPlacement at(b, {v.Xmax + v.PassoX, 0});
        b.setCurrentX(v.Xmax + v.PassoX + 2 * v.PixelX);
        b.setCurrentY(-5 * v.PixelY);
        b.Print(QStringLiteral("x"));
    }
    const Board::PixelPlacement at(b, {0, v.Ymax + v.PassoY});
    b.setCurrentX(-12 * v.PixelX);
    b.setCurrentY(v.Ymax + v.PassoY + 9 * v.PixelY);
    b.Print(QStringLiteral("y"));
}

void drawGraduation(Board& b, const Viewport& v, const QString& sep) {
    // Ticks and numbers are placed in pixels around their point of the axis.
    forEachWhole(v.Xmin, v.Xmax, [&](double i) {
        const Board::PixelPlacement at(b, {i, 0});
        if (i != 0) b.Line(i, 2 * v.PixelY, i, -2 * v.PixelY);
    });
    forEachWhole(v.Ymin, v.Ymax, [&](double j) {
        const Board::PixelPlacement at(b, {0, j});
        if (j != 0) b.Line(-2 * v.PixelX, j, 2 * v.PixelX, j);
    });
    numberFont(b);
    forEachWhole(v.Xmin, v.Xmax, [&](double i) {
        const Board::PixelPlacement at(b, {i, 0}, Primitive::Role::XAxisNumber);
        placeOnXAxis(b, v, i); // the text position moves at 0 too, where nothing is printed
        if (i != 0) b.PrintNumber(i, sep);
    });
    forEachWhole(v.Ymin, v.Ymax, [&](double j) {
        if (j != 0) printBesideYAxis(b, v, j, sep, Primitive::Role::YAxisNumber);
    });
}

void drawGrid(Board& b, const Viewport& v) {
    b.setForeColor(QBColor(8));
    b.setDrawWidth(1);
    b.setDrawStyle(DashStyle::Solid);
    forEachStep(v.Xmin, v.Xmax, [&](float x) {
        if (x != 0) b.Line(x, v.Ymax + v.PassoY, x, v.Ymin - v.PassoY);
    });
    forEachStep(v.Ymin, v.Ymax, [&](float y) {
        if (y != 0) b.Line(v.Xmin - v.PassoX, y, v.Xmax + v.PassoX, y);
    });
}

void printOnXAxis(Board& b, const Viewport& v, double x, const QString& sep) {
    const Board::PixelPlacement at(b, {x, 0});
    numberFont(b);
    placeOnXAxis(b, v, x);
    b.PrintNumber(x, sep);
}

void printOnYAxis(Board& b, const Viewport& v, double y, const QString& sep) {
    printBesideYAxis(b, v, y, sep, Primitive::Role::Plain);
}

} // namespace Axes
