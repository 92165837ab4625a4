// Pictures of the program in each language, for the documentation:
//   ortoplano_language_shots <folder>
// writes lingua-<code>.png: the main window, the form "Reta 1" with the line
// through two points solved, and its worked solution.

#include "languages.h"
#include "shell.h"
#include "solutionwindow.h"
#include "topictable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QMainWindow>
#include <QPainter>
#include <cstdio>

namespace {

/// Lets the windows handle what is pending (presses, layouts, paints) for a while.
void settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 400)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

QImage grabbed(QWidget* window) {
    settle();
    return window->grab().toImage();
}

/// The pictures side by side on a light background.
QImage sideBySide(const std::vector<QImage>& pictures) {
    constexpr int Gap = 16;
    int width = Gap, height = 0;
    for (const QImage& p : pictures) {
        width += p.width() + Gap;
        height = std::max(height, p.height());
    }
    QImage out(width, height + 2 * Gap, QImage::Format_RGB32);
    out.fill(QColor(0xe8, 0xeb, 0xf2));
    QPainter painter(&out);
    int x = Gap;
    for (const QImage& p : pictures) {
        painter.drawImage(x, Gap, p);
        x += p.width() + Gap;
    }
    return out;
}

QImage languageShot() {
    Shell shell{ShellHooks{{}, [] {}}};
    shell.show();
    shell.showTopic(Topic::Recta1);
    QWidget* form = shell.topicForm(Topic::Recta1);
    settle();
    form->findChild<QAbstractButton*>(QStringLiteral("Resolver1"))->click();
    settle();
    shell.showSolution(qobject_cast<ProblemForm*>(form));
    settle();
    shell.solutionWindow()->all();
    shell.solutionWindow()->resize(620, form->height());
    const QImage picture =
        sideBySide({grabbed(shell.mainWindow()), grabbed(form), grabbed(shell.solutionWindow())});
    shell.quit();
    return picture;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: ortoplano_language_shots <pasta>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const languages::Language language : exact::AllLanguages) {
        languages::apply(language);
        // The numbers as a pupil of that country sees them: 0,86, not 0.86.
        QLocale::setDefault(QLocale(language == languages::Language::Brazil
                                        ? QStringLiteral("pt_BR")
                                        : QStringLiteral("pt_PT")));
        const QString name =
            QStringLiteral("lingua-%1.png").arg(QString::fromLatin1(exact::code(language).data()));
        if (!languageShot().save(folder.filePath(name))) return 1;
    }
    return 0;
}
