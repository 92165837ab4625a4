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

Primitive primitive(Primitive::Kind kind, QPointF p1, QPointF p2 = {}) {
    Primitive p;
    p.kind = kind;
    p.p1 = p1;
    p.p2 = p2;
    p.color = QBColor(12);
    return p;
}

/// The primitives painted on a blank board whose world units are its pixels.
QImage rendered(std::vector<Primitive> primitives) {
    primitives.insert(primitives.begin(), primitive(Primitive::Kind::Window, {0, 0}, {Side, Side}));
    QImage image = blank();
    QPainter painter(&image);
    renderDisplayList(painter, primitives, QSizeF(Side, Side));
    return image;
}

Primitive segment(QPointF a, QPointF b, int width) {
    Primitive p = primitive(Primitive::Kind::Line, a, b);
    p.width = width;
    return p;
}

Primitive text(double x, const QString& family, double points) {
    Primitive p = primitive(Primitive::Kind::Text, {x, 100});
    p.text = QStringLiteral("88");
    p.font = {family, points, true};
    return p;
}

/// How far a pixel is from white, 0 to 255.
int ink(QRgb pixel) {
    return 255 - std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)});
}

int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            largest = std::max(largest, std::abs(ink(a.pixel(x, y)) - ink(b.pixel(x, y))));
    return largest;
}

/// The rows holding ink inside a band of columns.
int inkHeight(const QImage& image, int left) {
    int top = Side, bottom = -1;
    for (int y = 0; y < Side; ++y)
        for (int x = left; x < left + 120; ++x)
            if (ink(image.pixel(x, y)) > 96) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return bottom - top + 1;
}

/// The segment as the painter strokes it with the cap the board's pens
/// stand for: round for wide pens, flat for 1-pixel ones.
QImage stroked(QPointF a, QPointF b, int width) {
    QImage image = blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QBColor(12), width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap));
    const QPointF centre(0.5, 0.5); // the board maps a world point to the pixel's centre
    painter.drawLine(a + centre, b + centre);
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

    /// The ends of a wide segment are round (the picture's segments meet at
    /// the vertices of triangles and polygons without notches), a 1-pixel
    /// segment ends flat; in both the stroke is the painter's own stroke.
    void segmentEnds() {
        QFETCH(double, degrees);
        QFETCH(int, width);
        const double t = degrees * std::numbers::pi / 180.0;
        const QPointF centre(315.3, 301.7), half(200.0 * std::cos(t), 200.0 * std::sin(t));
        const QPointF a = centre - half, b = centre + half;
        const QImage board = rendered({segment(a, b, width)}), expected = stroked(a, b, width);
        QVERIFY(largestDifference(board, expected) <= 64);
        QVERIFY(rendered({segment(a, a, 2)}) == blank()); // a wide segment of no length
    }

    /// Texts in different fonts, one after the other, each in its own font.
    void textsKeepTheirOwnFonts() {
        const Primitive small = text(100, QStringLiteral("MS Serif"), 6);
        const Primitive large = text(300, QStringLiteral("MS Sans Serif"), 24);
        const QImage together = rendered({small, large, text(500, small.font.family, 6)});
        const int smallAlone = inkHeight(rendered({small}), 80);
        const int largeAlone = inkHeight(rendered({large}), 280);
        QVERIFY(largeAlone > 2 * smallAlone);
        QCOMPARE(inkHeight(together, 80), smallAlone);
        QCOMPARE(inkHeight(together, 280), largeAlone);
        QCOMPARE(inkHeight(together, 480), smallAlone);
    }

    /// What the board paints on the screen is its recorded picture, and only
    /// that: after Cls() and a new drawing nothing of the old one is left.
    void boardShowsItsRecordedPicture() {
        Board board;
        board.setFocusPolicy(Qt::NoFocus); // the focus frame is the screen's, not the picture's
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        for (int picture : {0, 1, 2, 0}) {
            board.Cls();
            board.Scale(-10.8, 10.8, 10.8, -10.8);
            board.setDrawWidth(2);
            board.setForeColor(QBColor(picture == 0 ? 9 : 12));
            if (picture == 0) board.Line(2, -2, -8, 4); // a blue segment
            if (picture == 1) {                         // a red circle and a dotted guide
                board.Circle(1, 2, 5);
                board.setDrawWidth(1);
                board.setDrawStyle(DashStyle::Dotted);
                board.Line(3, 0, 3, 7);
            }
            board.setFontName(QStringLiteral("MS Serif"));
            board.setFontSize(6);
            for (int i = -10; picture == 2 && i <= 10; ++i) { // printed numbers
                board.setCurrentX(i);
                board.setCurrentY(-0.3);
                board.PrintNumber(i, QStringLiteral(","));
            }
            const QImage shown = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QImage recorded = blank();
            QPainter painter(&recorded);
            board.render(painter, QSizeF(Side, Side));
            painter.end();
            const QRect inside(1, 1, Side - 2, Side - 2); // within the board's grey border
            QVERIFY(shown.copy(inside) == recorded.copy(inside));
        }
    }
};

QTEST_MAIN(TestRenderer)
#include "tst_renderer.moc"
