// The axes of a board for a typed viewport, drawn without a form: limits,
// margins, arrowheads, names, graduation and grid.

#include "axes.h"
#include "testsupport.h"
#include "textrules.h"

#include <QRegularExpression>

namespace {
const QColor Black = QBColor(0), Grey = QBColor(8);

/// Ticks on the x axis (upright black segments), on the y axis, grid lines.
QString graduationOf(const Board& board) {
    int n[3] = {};
    for (const QString& s : segments(board, Black, 1))
        ++n[s.section(' ', 0, 0) == s.section(' ', 2, 2) ? 0 : 1];
    n[2] = int(segments(board, Grey, 1).size());
    return text({double(n[0]), double(n[1]), double(n[2])});
}
} // namespace

class TestAxes : public QObject {
    Q_OBJECT
    Board board;
    Viewport view;

    /// Draws the axes for "Xmin=-25;Xmax=25" over the default limits.
    bool draw(const QString& typed = {}, bool grid = false) {
        ViewportTexts limits{"-10", "10", "-10", "10"};
        for (const QString& item : typed.split(';', Qt::SkipEmptyParts))
            limits.at(QStringList{"Xmin", "Xmax", "Ymin", "Ymax"}.indexOf(
                item.section('=', 0, 0))) = item.section('=', 1);
        return Axes::draw(board, view, limits, grid, TextRules::localSeparator());
    }

private slots:
    void init() { useDecimalComma(true); }

    void defaultViewport() {
        QVERIFY(board.setaH()->isHidden() && board.setaV()->isHidden());
        QVERIFY(draw());
        QCOMPARE(text({view.PassoX, view.PassoY, view.PixelX * Board::Side}), "0.4 0.4 21.6");
        QCOMPARE(segments(board, Black, 2), QStringList({"-10.4 0 10.4 0", "0 -10.4 0 10.4"}));
        QCOMPARE(graduationOf(board), "20 20 0");
        QStringList names{"x", "y"}, numbers; // no number at 0
        for (int i = -10; i <= 10; ++i)
            if (i != 0) numbers << TextRules::boardNumber(i, ",");
        QCOMPARE(printed(board), names + numbers + numbers);
        // The tip of ">" one pixel beyond the x axis's right end, of "^" on the y axis's top.
        QVERIFY(!board.setaH()->isHidden() && !board.setaV()->isHidden());
        const auto at = [&](QPointF tip, QPointF end) {
            return (tip - board.toPixel(end)).manhattanLength() <= 2;
        };
        QVERIFY(at(board.setaH()->pos() + QPointF(3, 4), {10.4, 0}));
        QVERIFY(at(board.setaV()->pos() + QPointF(4, 0), {0, 10.4}));
        // The axis names keep the font in force: the board's own at first, later 6 points.
        QCOMPARE(primitives(board, Primitive::Kind::Text)[0].font.pointSize, 8.25);
        draw();
        QCOMPARE(primitives(board, Primitive::Kind::Text)[0].font.pointSize, 6.0);
    }

    /// With the grid; "*" counts anything. The last two viewports are absurd:
    /// drawn and painted in bounded time.
    void graduation_data() {
        // clang-format off
        table({{"Xmin=-25;Xmax=25", "50 20 70"}, {"Xmin=-25;Xmax=25,5", "0 0 0"},
               {"Ymin=-250;Ymax=250", "20 500 520"}, {"Xmin=10;Xmax=-10", "0 20 20"},
               {"Xmin=-10,5", "21 20 41"}, {"Xmin=-10.5", "21 20 41"}, {"Ymin=0;Ymax=1E+9", "20 * *"},
               {"Xmin=-1E+37;Xmax=1E+37;Ymin=-1E+37;Ymax=1E+37", "0 0 0"}});
        // clang-format on
    }
    void graduation() {
        QFETCH(QStringList, row);
        const QString &viewport = row[0], &counts = row[1]; // ticks on x, on y, grid lines
        QCOMPARE(draw(viewport, true), counts != "0 0 0");
        board.grab();
        QVERIFY(board.displayList().size() < 30000);
        const QString counted = graduationOf(board);
        QVERIFY2(QRegularExpression::fromWildcard(counts).match(counted).hasMatch(),
                 qPrintable(counted));
        for (const QString& s : segments(board, Grey, 1)) // none on an axis
            QVERIFY(!QString(' ' + s + ' ').contains(" 0 "));
        if (viewport != "Xmin=-10,5" && viewport != "Xmin=-10.5") return; // either separator
        // The first number at Int(-10,5); the grid from the typed minimum, between the ticks.
        QVERIFY(printed(board).contains("-11 "));
        QCOMPARE(segments(board, Grey, 1).mid(0, 2),
                 QStringList({"-10.5 10.4 -10.5 -10.4", "-9.5 10.4 -9.5 -10.4"}));
        QVERIFY(segments(board, Grey, 1).contains("-10.91 -10 10.41 -10")); // PassoX: 20.5 / 50
    }
};

QTEST_MAIN(TestAxes)
#include "tst_axes.moc"
