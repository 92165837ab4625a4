// Draws the program's icon at the pixel sizes of the hicolor icon theme:
//
//   ortoplano_render_icon <icon.svg> <small icon.svg> <output folder> <size>...
//
// writes <output folder>/<size>x<size>/apps/<icon name>.png for every size.
// Sizes below 32 pixels are drawn from the small picture, drawn on a 16-pixel
// grid with fewer and bolder strokes: the full picture blurs away there.

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

QImage render(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    return image;
}

bool write(const QImage& image, const QString& folder, const QString& name) {
    const int size = image.width();
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    const QString path = QStringLiteral("%1/%2.png").arg(dir, name);
    if (!QDir().mkpath(dir) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <icon.svg> <small icon.svg> <output folder> <size>...\n",
                     argv[0]);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer full(source);
    QSvgRenderer small(QString::fromLocal8Bit(argv[2]));
    if (!full.isValid() || !small.isValid()) {
        std::fprintf(stderr, "cannot read %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName();
    for (int i = 4; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        QSvgRenderer& picture = size < 32 ? small : full;
        if (size <= 0 || !write(render(picture, size), QString::fromLocal8Bit(argv[3]), name)) {
            std::fprintf(stderr, "cannot draw the icon at %s pixels\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
