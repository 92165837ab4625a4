#include "boardmenu.h"

#include "board.h"
#include "messages.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

/// The folder and suffix of the last saved image, for this run only.
struct LastSave {
    QString folder;
    QString suffix = QStringLiteral("svg");
};

LastSave& lastSave() {
    static LastSave last;
    return last;
}

QString defaultFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists()) return pictures;
    return QDir::homePath();
}

QString drawingTitle(const BoardSheet& sheet) {
    return sheet.caption.isEmpty() ? sheet.title
                                   : sheet.title + QStringLiteral(" \u2014 ") + sheet.caption;
}

/// Writes the whole file or nothing: a file already there is replaced only
/// once the new one is complete.
bool writeFile(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

BoardMenu::BoardMenu(Board* board, SheetSource sheet, QWidget* owner)
    : QObject(owner)
    , m_board(board)
    , m_sheet(std::move(sheet))
    , m_owner(owner)
    , m_menu(new QMenu(board)) {
    m_menu->setObjectName(QStringLiteral("MenuQuadro"));
    m_copy = addAction(QStringLiteral("CopiarImagem"), tr("Copiar imagem"), QKeySequence::Copy,
                       QStringLiteral("edit-copy"), &BoardMenu::copyImage);
    m_save = addAction(QStringLiteral("GuardarImagem"), tr("Guardar imagem como…"), {},
                       QStringLiteral("document-save-as"), &BoardMenu::saveImageAs);
    m_print = addAction(QStringLiteral("Imprimir"), tr("Imprimir…"), QKeySequence::Print,
                        QStringLiteral("document-print"), &BoardMenu::printBoard);
    connect(board, &Board::menuRequested, m_menu, [this](QPoint at) { m_menu->popup(at); });
    board->setAccessibleDescription(
        tr("Shift+F10 abre o menu para copiar, guardar ou imprimir o desenho."));
}

QAction* BoardMenu::addAction(const QString& name, const QString& text, const QKeySequence& keys,
                              const QString& icon, void (BoardMenu::*slot)()) {
    auto* action = new QAction(QIcon::fromTheme(icon), text, m_board);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut); // only while the board has the focus
    connect(action, &QAction::triggered, this, slot);
    m_board->addAction(action);
    m_menu->addAction(action);
    return action;
}

QAction* BoardMenu::addTool(const QString& name, const QString& text, const QKeySequence& keys,
                            const std::function<void()>& open) {
    auto* action = new QAction(text, m_owner);
    action->setObjectName(name);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, open);
    return addTool(action);
}

QAction* BoardMenu::addTool(QAction* action) {
    if (!m_hasTools) m_menu->addSeparator();
    m_hasTools = true;
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_owner->addAction(action);
    m_menu->addAction(action);
    return action;
}

void BoardMenu::copyImage() {
    const BoardSheet sheet = m_sheet();
    auto* data = new QMimeData;
    data->setImageData(BoardExport::image(*m_board, ClipboardScale));
    data->setData(QStringLiteral("image/svg+xml"), BoardExport::svg(*m_board, drawingTitle(sheet)));
    QGuiApplication::clipboard()->setMimeData(data);
}

QString BoardMenu::suggestedPath(const BoardSheet& sheet) const {
    const LastSave& last = lastSave();
    const QString folder = last.folder.isEmpty() ? defaultFolder() : last.folder;
    return QDir(folder).filePath(BoardExport::fileName(sheet.title, sheet.caption, last.suffix));
}

QByteArray BoardMenu::encode(const ExportDialogs::ImageFile& file, const BoardSheet& sheet) const {
    const exact::Solution* solution = file.withSolution ? sheet.workedSolution() : nullptr;
    if (file.format == ExportDialogs::ImageFormat::Svg)
        return BoardExport::svg(*m_board, drawingTitle(sheet), solution);
    return png(BoardExport::image(*m_board, file.scale, solution));
}

void BoardMenu::saveImageAs() {
    // 1. What the board shows, and where the user wants it.
    const BoardSheet sheet = m_sheet();
    const auto file = ExportDialogs::askImageFile(m_owner, suggestedPath(sheet),
                                                  sheet.workedSolution() != nullptr);
    if (!file) return;
    // 2. Written whole, or the user is told and nothing is lost.
    if (!writeFile(file->path, encode(*file, sheet))) {
        showMessage(m_owner, {tr("Não foi possível guardar a imagem em «%1».\n\nVerifique se a "
                                 "pasta existe e se tem permissão para escrever nela.")
                                  .arg(QDir::toNativeSeparators(file->path))});
        return;
    }
    // 3. The next save starts where this one went.
    const QFileInfo saved(file->path);
    lastSave() = {saved.absolutePath(), saved.suffix().toLower()};
}

void BoardMenu::printBoard() {
    const BoardSheet sheet = m_sheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(
        QFileInfo(BoardExport::fileName(sheet.title, sheet.caption, QStringLiteral("pdf")))
            .completeBaseName());
    bool painted = true;
    ExportDialogs::PrintChoice choice{m_scale, m_withSolution, sheet.workedSolution() != nullptr};
    const bool printed = ExportDialogs::askPrint(
        m_owner, printer, choice, [&](QPrinter& target, const ExportDialogs::PrintChoice& chosen) {
            painted =
                BoardExport::printSheet(target, *m_board, sheet, chosen.scale, chosen.withSolution)
                    .has_value();
        });
    m_scale = choice.scale;
    m_withSolution = choice.withSolution;
    if (printed && !painted) showMessage(m_owner, {tr("Não foi possível imprimir o desenho.")});
}
