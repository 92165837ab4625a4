// On a screen of twice the density (QT_SCALE_FACTOR=2, as a 200 % desktop
// scale or a 4K screen gives): the board, the pictures of the buttons and the
// help pages are drawn at the screen's own resolution, never as a bitmap
// made for the usual density and blown up.

#include "board.h"
#include "helpcontent.h"
#include "topictable.h"
#include "viewers.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QPainter>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

int lightness(QRgb c) {
    return qGray(c);
}

/// How much ink a row of `image` holds between two columns, in pixels: a
/// line two pixels wide holds 2 whether its edges are sharp or shaded.
double inkAcross(const QImage& image, int row, int from, int to) {
    double ink = 0;
    for (int x = from; x < to; ++x)
        ink += (255 - lightness(image.pixel(x, row))) / 255.0;
    return ink;
}

/// How sharp a picture is: the energy of the differences between
/// neighbouring pixels (on white). An edge spread over k pixels by blowing a
/// small picture up keeps its contrast but has a k-th of that energy.
double sharpness(const QImage& picture) {
    QImage image(picture.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawImage(0, 0, picture);
    double energy = 0;
    const auto step = [&](QRgb a, QRgb b) {
        for (int shift : {0, 8, 16}) {
            const double d = int((a >> shift) & 0xff) - int((b >> shift) & 0xff);
            energy += d * d;
        }
    };
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            step(image.pixel(x, y), image.pixel(x + 1, y));
            step(image.pixel(x, y), image.pixel(x, y + 1));
        }
    return energy;
}

/// The same widget drawn at the usual density and blown up to this one.
QImage blownUp(QWidget& widget) {
    QPixmap usual(widget.size());
    usual.setDevicePixelRatio(1);
    widget.render(&usual);
    return usual.toImage().scaled(widget.size() * 2, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
}

} // namespace

class TestCrisp : public QObject {
    Q_OBJECT

private slots:
    void theScreenIsTwiceAsDense() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void boardLines_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("factor");
        for (int width : {1, 2, 7})
            for (double factor : {1.0, 1.5, 2.0, 3.0})
                QTest::addRow("%d pixels at %g×", width, factor) << width << factor;
    }
    /// A line of the board, on the screen, is its width times the screen's
    /// density times the projector factor, in device pixels; a whole number
    /// of them is drawn with sharp edges.
    void boardLines() {
        QFETCH(int, width);
        QFETCH(double, factor);
        Board board;
        board.setDisplayStyle({factor, factor != 1.0, false});
        board.ScaleModePixels();
        board.setForeColor(Qt::black);
        board.setDrawWidth(width);
        board.Line(200, 100, 200, 500);
        board.Line(300, 300, 560, 300);
        const QImage image = board.grab().toImage();
        QCOMPARE(image.size(), QSize(Board::Side, Board::Side) * 2);
        const double expected = width * factor * 2;
        QCOMPARE(qRound(inkAcross(image, 2 * 250, 2 * 200 - 40, 2 * 200 + 40) * 4) / 4.0, expected);
        QImage column = image.transformed(QTransform().rotate(90));
        const int row = 2 * 400; // the horizontal line, seen across
        QCOMPARE(qRound(inkAcross(column, row, column.width() - 2 * 300 - 40,
                                  column.width() - 2 * 300 + 40) *
                        4) /
                     4.0,
                 expected);
        if (std::fmod(expected, 2) == 0) { // on whole device pixels: no shaded pixel across it
            for (int x = 2 * 200 - 40; x < 2 * 200 + 40; ++x) {
                const int l = lightness(image.pixel(x, 2 * 250));
                QVERIFY2(l < 8 || l > 247, qPrintable(QString::number(x)));
            }
        }
    }

    void buttonPictures_data() {
        QTest::addColumn<QString>("file");
        QDirIterator icons(":/icons", {"*.svg"});
        while (icons.hasNext()) {
            const QString file = icons.next();
            QTest::newRow(qPrintable(file)) << file;
        }
    }
    /// Every picture of a button is drawn for the density it is shown at.
    void buttonPictures() {
        QFETCH(QString, file);
        const QIcon icon(file);
        QVERIFY(icon.availableSizes().isEmpty()); // drawn at any size, no bitmap to choose from
        QToolButton button;
        button.setIcon(icon);
        button.setIconSize(QSize(24, 24));
        const QPixmap shown = icon.pixmap(button.iconSize(), button.devicePixelRatio());
        QCOMPARE(shown.size(), QSize(48, 48));
        const QImage sharp = icon.pixmap(QSize(96, 96), 1.0).toImage();
        const QImage smeared = icon.pixmap(QSize(24, 24), 1.0)
                                   .toImage()
                                   .scaled(96, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(
            sharpness(sharp) > 1.3 * sharpness(smeared),
            qPrintable(QString("%1 against %2").arg(sharpness(sharp)).arg(sharpness(smeared))));
    }

    /// A help page is drawn at the screen's density.
    void helpPage() {
        PageView page(Help::book(HelpPage::Sintaxe), 0, nullptr);
        page.resize(500, 640);
        const QImage image = page.grab().toImage();
        QCOMPARE(image.size(), QSize(1000, 1280));
        QVERIFY(sharpness(image) > 1.3 * sharpness(blownUp(page)));
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestCrisp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crisp.moc"
