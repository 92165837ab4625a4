// ortoplano_grab_window <window id> <file.png>: saves one X window as the X server shows it.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    bool ok = false;
    const WId window = argc == 3 ? QString::fromLocal8Bit(argv[1]).toULongLong(&ok, 0) : 0;
    const QPixmap picture = ok ? QGuiApplication::primaryScreen()->grabWindow(window) : QPixmap();
    return picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG");
}
