#include "board.h"
#include "testsupport.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>

// How the board's picture is painted: the shapes the painter is asked for,
// the fonts of the texts, and the board on the screen showing exactly its
// recorded picture.

namespace {

constexpr int Side = Board::Side;

QImage blank() {
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

/// A picture whose world units are the board's pixels.
DisplayList inPixels(std::vector<Primitive> primitives) {
    Primitive window;
    window.kind = Primitive::Kind::Window;
    window.p1 = {0, 0};
    window.p2 = {Side, Side};
    primitives.insert(primitives.begin(), window);
    return primitives;
}

QImage rendered(const DisplayList& list) {
    QImage image = blank();
    QPainter painter(&image);
    renderDisplayList(painter, list, QSizeF(Side, Side));
    return image;
}

Primitive segment(QPointF a, QPointF b, int width) {
    Primitive p;
    p.kind = Primitive::Kind::Line;
    p.p1 = a;
    p.p2 = b;
    p.width = width;
    p.color = QBColor(12);
    return p;
}

Primitive text(QPointF at, const QString& family, double points) {
    Primitive p;
    p.kind = Primitive::Kind::Text;
    p.p1 = at;
    p.text = QStringLiteral("88");
    p.font = {family, points, true};
    p.color = QBColor(0);
    return p;
}

/// How far a pixel is from white, 0 to 255.
int ink(QRgb pixel) {
    return 255 - std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
}

/// The ink in a square around a point.
int inkAround(const QImage& image, QPointF centre, int half) {
    int sum = 0;
    const QPoint c(int(std::floor(centre.x())), int(std::floor(centre.y())));
    for (int y = c.y() - half; y <= c.y() + half; ++y)
        for (int x = c.x() - half; x <= c.x() + half; ++x)
            sum += ink(image.pixel(x, y));
    return sum;
}

int largestDifference(const QImage& a, const QImage& b, QRect area) {
    int largest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            largest = std::max(largest, std::abs(ink(a.pixel(x, y)) - ink(b.pixel(x, y))));
    return largest;
}

/// The rows holding ink inside a band of columns.
int inkHeight(const QImage& image, int left, int right) {
    int top = Side, bottom = -1;
    for (int y = 0; y < Side; ++y)
        for (int x = left; x < right; ++x)
            if (ink(image.pixel(x, y)) > 96) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return bottom - top + 1;
}

/// The segment as the painter strokes it with the cap the board's pens
/// stand for: round for wide pens, flat for 1-pixel ones.
QImage reference(QPointF a, QPointF b, int width) {
    QImage image = blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QBColor(12), width);
    pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    painter.setPen(pen);
    const QPointF centre(0.5, 0.5); // the board maps a world point to the pixel's centre
    painter.drawLine(a + centre, b + centre);
    return image;
}

} // namespace

class TestRenderer : public QObject {
    Q_OBJECT
private slots:
    void segmentEnds_data();
    void segmentEnds();
    void wideSegmentOfNoLengthShowsNothing();
    void textsKeepTheirOwnFonts();
    void boardShowsItsRecordedPicture_data();
    void boardShowsItsRecordedPicture();
};

void TestRenderer::segmentEnds_data() {
    QTest::addColumn<double>("degrees");
    QTest::addColumn<int>("width");
    for (int width : {1, 2})
        for (double degrees : {0.0, 17.0, 45.0, 90.0, 123.0, 200.0, 311.0})
            QTest::addRow("width %d, %g degrees", width, degrees) << degrees << width;
}

/// The ends of a wide segment are round (the picture's segments meet at
/// the vertices of triangles and polygons without notches), a 1-pixel
/// segment ends flat; in both the stroke is the painter's own stroke.
void TestRenderer::segmentEnds() {
    QFETCH(double, degrees);
    QFETCH(int, width);
    const double t = degrees * std::numbers::pi / 180.0;
    const QPointF centre(315.3, 301.7), half(200.0 * std::cos(t), 200.0 * std::sin(t));
    const QPointF a = centre - half, b = centre + half;
    const QImage board = rendered(inPixels({segment(a, b, width)}));
    const QImage expected = reference(a, b, width);
    QVERIFY(largestDifference(board, expected, QRect(0, 0, Side, Side)) <= 64);
    for (QPointF end : {a, b}) {
        const int drawn = inkAround(board, end + QPointF(0.5, 0.5), 3);
        const int stroked = inkAround(expected, end + QPointF(0.5, 0.5), 3);
        QVERIFY2(
            std::abs(drawn - stroked) <= stroked / 10,
            qPrintable(QStringLiteral("ink at an end: %1, stroked: %2").arg(drawn).arg(stroked)));
    }
}

void TestRenderer::wideSegmentOfNoLengthShowsNothing() {
    const QImage board = rendered(inPixels({segment({300, 300}, {300, 300}, 2)}));
    QCOMPARE(inkAround(board, {300.5, 300.5}, 4), 0);
}

/// Texts in different fonts, one after the other, each in its own font.
void TestRenderer::textsKeepTheirOwnFonts() {
    const Primitive small = text({100, 100}, QStringLiteral("MS Serif"), 6);
    const Primitive large = text({300, 100}, QStringLiteral("MS Sans Serif"), 24);
    const Primitive smallAgain = text({500, 100}, QStringLiteral("MS Serif"), 6);
    const QImage together = rendered(inPixels({small, large, smallAgain}));
    const int smallAlone = inkHeight(rendered(inPixels({small})), 80, 200);
    const int largeAlone = inkHeight(rendered(inPixels({large})), 280, 400);
    QVERIFY(largeAlone > 2 * smallAlone);
    QCOMPARE(inkHeight(together, 80, 200), smallAlone);
    QCOMPARE(inkHeight(together, 280, 400), largeAlone);
    QCOMPARE(inkHeight(together, 480, 600), smallAlone);
}

void TestRenderer::boardShowsItsRecordedPicture_data() {
    QTest::addColumn<int>("picture");
    QTest::newRow("axes and a blue segment") << 0;
    QTest::newRow("a red circle and a dotted guide") << 1;
    QTest::newRow("printed numbers") << 2;
}

/// What the board paints on the screen is its recorded picture, and only
/// that: after Cls() and a new drawing nothing of the old one is left.
void TestRenderer::boardShowsItsRecordedPicture() {
    QFETCH(int, picture);
    Board board;
    board.setFocusPolicy(Qt::NoFocus); // the focus frame is the screen's, not the picture's
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    const auto draw = [&board](int which) {
        board.Cls();
        board.Scale(-10.8, 10.8, 10.8, -10.8);
        board.setDrawWidth(2);
        board.setForeColor(QBColor(0));
        board.Line(-10.4, 0, 10.4, 0);
        board.Line(0, -10.4, 0, 10.4);
        if (which == 0) {
            board.setForeColor(QBColor(9));
            board.Line(2, -2, -8, 4);
        } else if (which == 1) {
            board.setForeColor(QBColor(12));
            board.Circle(1, 2, 5);
            board.setDrawWidth(1);
            board.setDrawStyle(DashStyle::Dotted);
            board.Line(3, 0, 3, 7);
        } else {
            board.setFontName(QStringLiteral("MS Serif"));
            board.setFontSize(6);
            for (int i = -10; i <= 10; ++i) {
                board.setCurrentX(i);
                board.setCurrentY(-0.3);
                board.PrintNumber(i, QStringLiteral(","));
            }
        }
    };
    for (int which : {(picture + 1) % 3, picture}) {
        draw(which);
        const QImage shown = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage recorded = blank();
        QPainter painter(&recorded);
        board.render(painter, QSizeF(Side, Side));
        painter.end();
        const QRect inside(1, 1, Side - 2, Side - 2); // within the board's grey border
        QCOMPARE(largestDifference(shown, recorded, inside), 0);
    }
}

QTEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
