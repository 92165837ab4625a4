#include "sheetfile.h"

#include "odtfile.h"
#include "sheetdocument.h"
#include "sheetflow.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QPdfWriter>
#include <QSaveFile>
#include <cerrno>

namespace worksheet {

std::optional<FileFormat> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) return FileFormat::Pdf;
    if (suffix == QLatin1String("odt")) return FileFormat::Odt;
    return std::nullopt;
}

namespace {

/// The file's description in XMP: the title, and the level and the seed,
/// which the pupils' pages do not show.
QByteArray xmpOf(const Sheet& sheet) {
    const QString xmp = QStringLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF "
        "xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
        "xmlns:xmp='http://ns.adobe.com/xap/1.0/' xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>"
        "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>"
        "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>%2</rdf:li></rdf:Alt>"
        "</dc:description><pdf:Keywords>%2</pdf:Keywords>"
        "<xmp:CreatorTool>Ortoplano</xmp:CreatorTool></rdf:Description></rdf:RDF></x:xmpmeta>"
        "<?xpacket end='w'?>");
    return xmp.arg(sheet.title.toHtmlEscaped(), levelAndSeed(sheet).toHtmlEscaped()).toUtf8();
}

} // namespace

bool writePdf(const Sheet& sheet, QIODevice& device) {
    const SheetDocument document(sheet);
    QPdfWriter writer(&device);
    writer.setResolution(1200);
    writer.setTitle(sheet.title);
    writer.setCreator(QStringLiteral("Ortoplano"));
    writer.setDocumentXmpMetadata(xmpOf(sheet));
    SheetDocument::setUpPage(writer);
    return document.paint(writer);
}

bool writeOdt(const Sheet& sheet, QIODevice& device) {
    const QByteArray package = odtPackage(sheet);
    return device.write(package) == package.size();
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
