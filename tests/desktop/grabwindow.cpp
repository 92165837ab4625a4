// ortoplano_grab_window <window id>... <file.png>: saves X windows as the X server shows
// them; several windows side by side, in the order given, their tops aligned.

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    constexpr int Gap = 12;
    QList<QPixmap> pictures;
    for (int i = 1; i + 1 < argc; ++i) {
        bool ok = false;
        const WId window = QString::fromLocal8Bit(argv[i]).toULongLong(&ok, 0);
        const QPixmap picture =
            ok ? QGuiApplication::primaryScreen()->grabWindow(window) : QPixmap();
        if (picture.isNull()) return 1;
        pictures << picture;
    }
    if (pictures.isEmpty()) return 1;
    QSize size(-Gap, 0);
    for (const QPixmap& p : pictures)
        size = QSize(size.width() + Gap + p.width(), std::max(size.height(), p.height()));
    QPixmap whole(size);
    whole.fill(QColor(0x3b, 0x42, 0x52));
    QPainter painter(&whole);
    int x = 0;
    for (const QPixmap& p : pictures) {
        painter.drawPixmap(x, 0, p);
        x += p.width() + Gap;
    }
    painter.end();
    return !whole.save(QString::fromLocal8Bit(argv[argc - 1]), "PNG");
}
