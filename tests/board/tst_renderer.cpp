// How the board paints its display list: segments as the painter itself
// would stroke them, and texts each in its own font.

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

/// The primitives painted on a blank board whose world units are its pixels.
QImage rendered(DisplayList list) {
    list.insert(list.begin(),
                Primitive{.kind = Primitive::Kind::Window, .p2 = QPointF(Side, Side)});
    QImage image = blank();
    QPainter painter(&image);
    renderDisplayList(painter, list, QSizeF(Side, Side));
    return image;
}

Primitive segment(QPointF a, QPointF b, int width) {
    return {.kind = Primitive::Kind::Line, .p1 = a, .p2 = b, .color = Red, .width = width};
}

Primitive text(double x, const char* family, double points) {
    return {.kind = Primitive::Kind::Text,
            .p1 = {x, 100},
            .color = Red,
            .text = "88",
            .font = {family, points, true}};
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
        QVERIFY(largestDifference(rendered({segment(a, b, width)}), expected) <= 64);
        QCOMPARE(rendered({segment(a, a, 2)}), blank()); // a wide segment of no length
    }

    /// Texts in different fonts one after the other: each looks as it does alone.
    void textsKeepTheirOwnFonts() {
        const DisplayList texts{text(100, "MS Serif", 6), text(300, "MS Sans Serif", 24),
                                text(500, "MS Serif", 6)};
        const QImage together = rendered(texts);
        for (const Primitive& t : texts) {
            const QRect band(int(t.p1.x()) - 20, 0, 150, Side);
            QCOMPARE(together.copy(band), rendered({t}).copy(band));
        }
    }
};

QTEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
