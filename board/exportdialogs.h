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
    int scale = 1; ///< a PNG's size in multiples of the screen's
    friend bool operator==(const ImageFile&, const ImageFile&) = default;
};

/// One entry of the save dialog's list of file types.
struct ImageType {
    QString filter; ///< "Imagem PNG com o dobro da resolução (*.png)"
    ImageFormat format;
    int scale;
    QString suffix;
};

/// The file types offered, SVG first.
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

using ImageFileDialog =
    std::function<std::optional<ImageFile>(QWidget* parent, const QString& suggestedPath)>;
/// Paints the sheet on a printer at a scale; a print dialog calls it for its
/// preview and for the printed page.
using SheetPainter = std::function<void(QPrinter&, const BoardExport::PrintScale&)>;
/// Shows the printer's page; returns whether the user printed. `scale` comes
/// in as the default and goes out as the user left it.
using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer,
                                       BoardExport::PrintScale& scale, const SheetPainter& paint)>;

/// Asks where to save the board's image; nothing when the user cancels.
std::optional<ImageFile> askImageFile(QWidget* parent, const QString& suggestedPath);
/// Lets the user preview and print the sheet.
bool askPrint(QWidget* parent, QPrinter& printer, BoardExport::PrintScale& scale,
              const SheetPainter& paint);

/// Replace the routing targets (tests install their own); return the old ones.
ImageFileDialog setImageFileDialog(ImageFileDialog dialog);
PrintDialog setPrintDialog(PrintDialog dialog);

/// The real targets: the save dialog with its file types, and the print
/// preview with a choice of scale, whose print button opens the print dialog.
std::optional<ImageFile> showImageFileDialog(QWidget* parent, const QString& suggestedPath);
bool showPrintPreview(QWidget* parent, QPrinter& printer, BoardExport::PrintScale& scale,
                      const SheetPainter& paint);

} // namespace ExportDialogs
