#pragma once

#include "sheet.h"

#include <QByteArray>
#include <optional>

class QIODevice;

namespace worksheet {

/// The kinds of file a sheet is written as.
enum class FileFormat { Pdf, Odt };

/// The format a file name asks for by its extension (".pdf", ".odt", any
/// case); nothing for another one.
std::optional<FileFormat> formatOf(const QString& path);

/// The sheet as a PDF file on A4 pages: vector text and figures, fonts embedded.
bool writePdf(const Sheet& sheet, QIODevice& device);
/// The sheet as an OpenDocument text, figures and mathematics as images.
bool writeOdt(const Sheet& sheet, QIODevice& device);

/// Why a file could not be written.
enum class SaveFault { None, NoFolder, NoPermission, DiskFull, BadName, Other };

/// Writes the sheet to `path` in the format its extension asks for, whole or
/// not at all: into a temporary file beside it, renamed over the old one
/// only once complete. Returns the fault, None when saved.
SaveFault save(const Sheet& sheet, const QString& path);

/// The fault of a failed file operation, from the system's error number and
/// what the file device said.
SaveFault faultOf(int error);

/// What the user reads when saving `path` failed.
QString faultMessage(SaveFault fault, const QString& path);

} // namespace worksheet
