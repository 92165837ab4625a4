#pragma once

#include "boardexport.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPrinter;
class QWidget;

/// The dialogs of the board's context menu. Like messages, each goes through
/// a routing function that tests replace, so no test waits on a modal dialog.
namespace ExportDialogs {

enum class ImageFormat { Png, Svg };

/// A file the user chose to save the board in.
struct ImageFile {
    QString path;
    ImageFormat format = ImageFormat::Svg;
    int scale = 1;             ///< a PNG's size in multiples of the screen's
    bool withSolution = false; ///< the worked solution below the drawing
    friend bool operator==(const ImageFile&, const ImageFile&) = default;
};

/// One entry of the save dialog's list of file types.
struct ImageType {
    QString filter; ///< "Imagem PNG com o dobro da resolução (*.png)"
    ImageFormat format;
    int scale;
    QString suffix;
    bool withSolution = false;
};

/// The file types, SVG first; those "com a resolução" are offered only when
/// the board shows a worked solution.
const std::vector<ImageType>& imageTypes();

/// The file that a typed name and a chosen type make: a name ending in
/// ".svg" or ".png" keeps its own format (a PNG takes the chosen type's
/// size); any other name gets the chosen type's suffix added.
ImageFile imageFileFor(const QString& path, std::size_t typeIndex);

/// The print scales offered, the default first, with their captions.
struct ScaleChoice {
    QString caption;
    BoardExport::PrintScale scale;
};
const std::vector<ScaleChoice>& scaleChoices();

/// What the print preview lets the user choose.
struct PrintChoice {
    BoardExport::PrintScale scale;
    bool withSolution = false;    ///< the worked solution on pages after the board's
    bool solutionOffered = false; ///< the board shows a press that gave one
};

using ImageFileDialog = std::function<std::optional<ImageFile>(
    QWidget* parent, const QString& suggestedPath, bool offerSolution)>;
/// Paints the sheet on a printer as chosen; a print dialog calls it for its
/// preview and for the printed pages.
using SheetPainter = std::function<void(QPrinter&, const PrintChoice&)>;
/// Shows the printer's pages; returns whether the user printed. `choice`
/// comes in as the default and goes out as the user left it.
using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer, PrintChoice& choice,
                                       const SheetPainter& paint)>;

/// Asks where to save the board's image, and whether with the worked
/// solution when `offerSolution`; nothing when the user cancels.
std::optional<ImageFile> askImageFile(QWidget* parent, const QString& suggestedPath,
                                      bool offerSolution = false);
/// Lets the user preview and print the sheet.
bool askPrint(QWidget* parent, QPrinter& printer, PrintChoice& choice, const SheetPainter& paint);

/// Replace the routing targets (tests install their own); return the old ones.
ImageFileDialog setImageFileDialog(ImageFileDialog dialog);
PrintDialog setPrintDialog(PrintDialog dialog);

/// The real targets: the save dialog with its file types, and the print
/// preview with a choice of scale (and of the worked solution), whose print
/// button opens the print dialog.
std::optional<ImageFile> showImageFileDialog(QWidget* parent, const QString& suggestedPath,
                                             bool offerSolution = false);
bool showPrintPreview(QWidget* parent, QPrinter& printer, PrintChoice& choice,
                      const SheetPainter& paint);

} // namespace ExportDialogs
