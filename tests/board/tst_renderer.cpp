// How the board paints the segments of its display list: as the painter
// itself would stroke them.

#include "board.h"

#include <QPainter>
#include <QTest>
#include <cmath>
#include <numbers>

namespace {

constexpr int Side = Board::Side;
const QColor Red = QBColor(12);

QImage blank() {
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

Primitive shape(Primitive::Kind kind, QPointF p1, QPointF p2 = {}, int width = 1) {
    Primitive p;
    p.kind = kind;
    p.p1 = p1;
    p.p2 = p2;
    p.width = width;
    p.color = Red;
    return p;
}

/// The primitives painted on a blank board whose world units are its pixels.
QImage rendered(DisplayList list) {
    list.insert(list.begin(), shape(Primitive::Kind::Window, {0, 0}, {Side, Side}));
    QImage image = blank();
    QPainter painter(&image);
    renderDisplayList(painter, list, QSizeF(Side, Side));
    return image;
}

/// The largest difference in ink (0 to 255) between two pictures of the board.
int largestDifference(const QImage& a, const QImage& b) {
    const auto ink = [](QRgb c) { return 255 - std::min({qRed(c), qGreen(c), qBlue(c)}); };
    int largest = 0;
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            largest = std::max(largest, std::abs(ink(a.pixel(x, y)) - ink(b.pixel(x, y))));
    return largest;
}

} // namespace

class TestRenderer : public QObject {
    Q_OBJECT
private slots:
    void segmentEnds_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<int>("width");
        for (int width : {1, 2})
            for (double degrees : {0.0, 17.0, 45.0, 90.0, 123.0, 200.0, 311.0})
                QTest::addRow("width %d, %g degrees", width, degrees) << degrees << width;
    }
    /// A wide segment, painted flat-ended with a disc on each end, looks as the
    /// painter's own round-capped stroke (segments meet at the vertices of
    /// triangles without notches); a 1-pixel one ends flat.
    void segmentEnds() {
        QFETCH(double, degrees);
        QFETCH(int, width);
        const double t = degrees * std::numbers::pi / 180.0;
        const QPointF centre(315.3, 301.7), half(200.0 * std::cos(t), 200.0 * std::sin(t));
        const QPointF a = centre - half, b = centre + half, pixelCentre(0.5, 0.5);
        QImage expected = blank();
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Red, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap));
        painter.drawLine(a + pixelCentre, b + pixelCentre);
        painter.end();
        QVERIFY(largestDifference(rendered({shape(Primitive::Kind::Line, a, b, width)}),
                                  expected) <= 64);
        QCOMPARE(rendered({shape(Primitive::Kind::Line, a, a, 2)}),
                 blank()); // a wide segment of no length
    }
};

QTEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
