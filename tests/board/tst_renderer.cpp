// The board paints its segments as the painter itself would stroke them.

#include "board.h"

#include <QPainter>
#include <QTest>
#include <cmath>
#include <functional>
#include <numbers>

namespace {
constexpr int Side = Board::Side;
const QColor Red = QBColor(12);

QImage painted(const std::function<void(QPainter&)>& paint) {
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
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
    /// painter's own round-capped stroke; a 1-pixel one ends flat; one of no
    /// length shows nothing.
    void segmentEnds() {
        QFETCH(double, degrees);
        QFETCH(int, width);
        const double t = degrees * std::numbers::pi / 180.0;
        const QPointF centre(315.3, 301.7), half(200.0 * std::cos(t), 200.0 * std::sin(t));
        const QPointF a = centre - half, b = centre + half;
        const QImage expected = painted([&](QPainter& p) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(Red, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap));
            p.drawLine(a + QPointF(0.5, 0.5), b + QPointF(0.5, 0.5));
        });
        DisplayList list(3); // a world window, the segment, a wide one of no length elsewhere
        list[0].kind = Primitive::Kind::Window;
        list[0].p2 = QPointF(Side, Side);
        list[1].p1 = a;
        list[1].p2 = b;
        list[2].p1 = list[2].p2 = QPointF(40, 600);
        list[1].color = list[2].color = Red;
        list[1].width = width;
        list[2].width = 2;
        const QImage actual =
            painted([&](QPainter& p) { renderDisplayList(p, list, QSizeF(Side, Side)); });
        const auto ink = [](QRgb c) { return 255 - std::min({qRed(c), qGreen(c), qBlue(c)}); };
        int largest = 0;
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x)
                largest = std::max(largest,
                                   std::abs(ink(actual.pixel(x, y)) - ink(expected.pixel(x, y))));
        QCOMPARE_LE(largest, 64);
    }
};

QTEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
