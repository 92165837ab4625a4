// ortoplano_grab_window <window id> <file.png>: saves one X window, as the X
// server shows it, for the end-to-end test's picture of a solved form.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    bool ok = false;
    const WId window = argc == 3 ? QString::fromLocal8Bit(argv[1]).toULongLong(&ok, 0) : 0;
    const QPixmap picture = ok ? QGuiApplication::primaryScreen()->grabWindow(window) : QPixmap();
    if (!picture.isNull() && picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) return 0;
    std::fprintf(stderr, "usage: %s <window id> <file.png>; the window could not be saved\n",
                 argv[0]);
    return 1;
}
