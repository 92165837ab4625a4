// Saves the picture of one X window, as the X server shows it, to a PNG file:
//
//   ortoplano_grab_window <window id> <file.png>
//
// The end-to-end test uses it for the picture of a solved form; it needs no
// other screenshot tool.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <window id> <file.png>\n", argv[0]);
        return 2;
    }
    bool ok = false;
    const WId window = QString::fromLocal8Bit(argv[1]).toULongLong(&ok, 0);
    const QPixmap picture = ok ? QGuiApplication::primaryScreen()->grabWindow(window) : QPixmap();
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot grab window %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
