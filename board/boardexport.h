#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Board;
class QPainter;
class QPrinter;
namespace exact {
struct Solution;
}

/// The text of a board's drawing for a printed sheet: the form's title, the
/// caption of the frame that drew it and that frame's rows as text.
struct BoardSheet {
    QString title;
    QString caption;
    QStringList lines;
    /// The worked solution of the press that drew the board, built when first
    /// asked for; null when it gives none. Empty when there is none.
    std::function<const exact::Solution*()> solution{};

    /// That solution, built now if it was not yet; null when there is none.
    const exact::Solution* workedSolution() const { return solution ? solution() : nullptr; }
};

/// Pictures of a board, drawn from its display list: a raster image at a
/// multiple of the screen's size, an SVG drawing, and a printed sheet.
namespace BoardExport {

/// The board as an image `scale` times the screen's size in each direction,
/// marked with the resolution that prints it at its size on the screen; with
/// a worked solution, the solution typeset below the drawing.
QImage image(const Board& board, int scale, const exact::Solution* solution = nullptr);

/// The board as an SVG drawing in board pixels, each named font followed by
/// the free family the screen draws in its place; with a worked solution,
/// the solution typeset below the drawing.
QByteArray svg(const Board& board, const QString& title, const exact::Solution* solution = nullptr);

/// A file name from a form's title and a frame's caption: lower case,
/// accents removed, words joined by "-" ("pontos-ponto-medio-de-um-segmento.svg").
QString fileName(const QString& title, const QString& caption, const QString& suffix);

/// How large the board is printed: `mmPerUnit` millimetres for one unit of
/// both axes, or as large as the page allows.
struct PrintScale {
    double mmPerUnit = 10.0;
    bool fitPage = false;
    friend bool operator==(const PrintScale&, const PrintScale&) = default;
};

/// Where the parts of a printed sheet go, in millimetres from the top-left
/// corner of the printable area.
struct SheetLayout {
    QRectF title;
    QRectF board;
    QRectF text;
    double mmPerUnit = 0.0; ///< the scale of both axes
    bool fitted = false;    ///< the board was shrunk or grown to fit the page
};

/// Lays out a sheet on a printable area of `pageMm`: the title band
/// (`titleMm` high) at the top, the board of `worldUnits` below it at the
/// asked scale, centred, and the text (`textMm` high) below the board. When
/// the board would not fit at that scale, it takes the largest scale that
/// fits; both axes always share one scale.
SheetLayout layoutSheet(QSizeF pageMm, QSizeF worldUnits, const PrintScale& scale, double titleMm,
                        double textMm);

/// "1 unidade = 1 cm", "1 unidade = 7,5 mm".
QString scaleText(double mmPerUnit);

/// Paints a whole sheet on `printer`'s page: the form's title and the frame's
/// caption, the board at its scale, the frame's rows and the scale used;
/// `withSolution`, the sheet's worked solution on the pages after it.
/// Returns the layout of the first page, or nothing when the printer cannot start.
std::optional<SheetLayout> printSheet(QPrinter& printer, const Board& board,
                                      const BoardSheet& sheet, const PrintScale& scale,
                                      bool withSolution = false);

} // namespace BoardExport
