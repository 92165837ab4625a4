#include "sheetfile.h"

#include "sheetdocument.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocumentWriter>
#include <cerrno>

namespace worksheet {

std::optional<FileFormat> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) return FileFormat::Pdf;
    if (suffix == QLatin1String("odt")) return FileFormat::Odt;
    return std::nullopt;
}

bool writePdf(const Sheet& sheet, QIODevice& device) {
    const SheetDocument document(sheet, Pictures::Vector);
    QPdfWriter writer(&device);
    writer.setResolution(1200);
    writer.setTitle(sheet.title);
    writer.setCreator(QStringLiteral("Ortoplano"));
    SheetDocument::setUpPage(writer);
    return document.paint(writer);
}

bool writeOdt(const Sheet& sheet, QIODevice& device) {
    // The package is made in memory: its writer closes the device it writes
    // to, which a file saved whole must not be until it is committed.
    const SheetDocument document(sheet, Pictures::Images);
    QBuffer package;
    QTextDocumentWriter writer(&package, "odf");
    if (!writer.write(&document.document())) return false;
    return device.write(package.data()) == package.data().size();
}

SaveFault faultOf(int error) {
    switch (error) {
    case 0:
        return SaveFault::None;
    case ENOENT:
    case ENOTDIR:
        return SaveFault::NoFolder;
    case EACCES:
    case EPERM:
    case EROFS:
        return SaveFault::NoPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return SaveFault::DiskFull;
    case EINVAL:
    case ENAMETOOLONG:
    case EILSEQ:
        return SaveFault::BadName;
    default:
        return SaveFault::Other;
    }
}

namespace {

/// A name no file system of ours takes: empty, a NUL, or a part too long.
bool refusedName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() || name.contains(QChar(0)) || name.toUtf8().size() > 255;
}

/// The system's error of a failed step, or a generic one when it left none.
SaveFault failed(int error, QFileDevice::FileError device) {
    if (device == QFileDevice::ResourceError) return SaveFault::DiskFull;
    const SaveFault fault = faultOf(error);
    return fault == SaveFault::None ? SaveFault::Other : fault;
}

} // namespace

SaveFault save(const Sheet& sheet, const QString& path) {
    const std::optional<FileFormat> format = formatOf(path);
    if (!format || refusedName(path)) return SaveFault::BadName;
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return failed(errno, file.error());
    errno = 0;
    const bool written = *format == FileFormat::Pdf ? writePdf(sheet, file) : writeOdt(sheet, file);
    if (!written || file.error() != QFileDevice::NoError) {
        const SaveFault fault = failed(errno, file.error());
        file.cancelWriting();
        return fault;
    }
    errno = 0;
    if (!file.commit()) return failed(errno, file.error());
    return SaveFault::None;
}

QString faultMessage(SaveFault fault, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    switch (fault) {
    case SaveFault::None:
        return {};
    case SaveFault::NoFolder:
        return QObject::tr("Não foi possível guardar a ficha: a pasta «%1» não existe.")
            .arg(folder);
    case SaveFault::NoPermission:
        return QObject::tr("Não foi possível guardar a ficha em «%1»: não tem permissão para "
                           "escrever nessa pasta.")
            .arg(shown);
    case SaveFault::DiskFull:
        return QObject::tr("Não foi possível guardar a ficha em «%1»: o disco está cheio. "
                           "Nenhum ficheiro foi alterado.")
            .arg(shown);
    case SaveFault::BadName:
        return QObject::tr("Não foi possível guardar a ficha em «%1»: o nome do ficheiro não é "
                           "aceite. Use um nome terminado em .pdf ou .odt, sem caracteres "
                           "especiais.")
            .arg(shown);
    case SaveFault::Other:
        break;
    }
    return QObject::tr("Não foi possível guardar a ficha em «%1».").arg(shown);
}

} // namespace worksheet
