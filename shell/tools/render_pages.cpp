// Draws help pages to PNG files, for the documentation and for proof-reading:
//   ortoplano_render_pages <folder> [scale] [--all] [--windows]
// Without --all only the first page of each viewer is written; --windows
// also takes pictures of the main window and of the four viewers.

#include "pagerenderer.h"
#include "shell.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <cstdio>

namespace {

struct Target {
    HelpPage viewer;
    const char* file;
};
constexpr Target Targets[] = {{HelpPage::Instrucoes, "ajuda-instrucoes"},
                              {HelpPage::Indice, "ajuda-indice"},
                              {HelpPage::Sintaxe, "ajuda-sintaxe"},
                              {HelpPage::Funcoes, "ajuda-funcoes"}};

bool write(const QDir& folder, const Target& target, int index, bool numbered, double scale) {
    const Help::Book& book = Help::book(target.viewer);
    const QString name = numbered ? QStringLiteral("%1-%2.png").arg(target.file).arg(index + 1)
                                  : QStringLiteral("%1.png").arg(target.file);
    if (!Help::PageRenderer(book, index).fits())
        std::fprintf(stderr, "%s: o texto não cabe na página\n", qPrintable(name));
    return Help::pageImage(book, index, scale).save(folder.filePath(name));
}

/// Pictures of the main window and of each viewer as it opens.
bool grabWindows(const QDir& folder) {
    Shell shell(ShellHooks{{}, [] {}});
    shell.show();
    bool ok =
        shell.mainWindow()->grab().save(folder.filePath(QStringLiteral("janela-principal.png")));
    for (const Target& target : Targets) {
        shell.showHelp(target.viewer);
        QWidget* viewer = shell.viewer(target.viewer);
        ok = viewer->grab().save(
                 folder.filePath(QStringLiteral("janela-%1.png").arg(target.file))) &&
             ok;
        viewer->hide();
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "uso: %s <pasta> [escala] [--all]\n", argv[0]);
        return 2;
    }
    const QDir folder(args[1]);
    const double scale = args.size() > 2 && !args[2].startsWith("--") ? args[2].toDouble() : 2.0;
    const bool all = args.contains(QStringLiteral("--all"));
    bool ok = folder.mkpath(QStringLiteral("."));
    for (const Target& target : Targets) {
        const int pages = all ? int(Help::book(target.viewer).pages.size()) : 1;
        for (int i = 0; i < pages; ++i)
            ok = write(folder, target, i, all, scale) && ok;
    }
    if (args.contains(QStringLiteral("--windows"))) ok = grabWindows(folder) && ok;
    return ok ? 0 : 1;
}
