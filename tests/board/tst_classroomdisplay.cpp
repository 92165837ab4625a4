// The classroom display: the same display list painted larger, in the
// projector's colours, with the names of the points; and the switch that
// the program remembers.

#include "axes.h"
#include "painting.h"
#include "paintlog.h"
#include "pointnames.h"
#include "testsupport.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>
#include <map>
#include <numbers>

namespace {

using Kind = PaintLog::Stroke::Kind;
constexpr int Side = Board::Side;
const QColor Blue = QBColor(9), Red = QBColor(12);

/// Axes with their grid, a data segment, two named points, a dotted guide
/// and a circle of the solution.
void drawScene(Board& b, const QString& viewport = "-10 10 -10 10") {
    const QStringList v = viewport.split(' ');
    Viewport view;
    Axes::draw(b, view, {v[0], v[1], v[2], v[3]}, true, ".");
    b.setForeColor(Blue);
    b.setDrawWidth(2);
    b.Line(-8, 4, 2, -2);
    b.setDrawWidth(7);
    b.PSet(-8, 4, "B");
    b.PSet(2, -2, "A");
    b.PSet(2, -2, "A"); // the same point twice: one name
    b.setForeColor(Red);
    b.setDrawWidth(1);
    b.setDrawStyle(DashStyle::Dotted);
    b.Line(-3, 1, -3, 0);
    b.setDrawWidth(2);
    b.setDrawStyle(DashStyle::Solid);
    b.Circle(1, 1, 3);
}

std::unique_ptr<PaintLog> paint(Board& b, const DisplayStyle& style) {
    b.setDisplayStyle(style);
    auto log = std::make_unique<PaintLog>(QSize(Side, Side));
    QPainter painter(log.get());
    b.paintPicture(painter, QSizeF(Side, Side));
    return log;
}

std::vector<PaintLog::Stroke> shapes(const PaintLog& log) {
    std::vector<PaintLog::Stroke> found;
    for (const auto& s : log.strokes)
        if (s.kind == Kind::Line || s.kind == Kind::Ellipse) found.push_back(s);
    return found;
}

double length(const QLineF& l) {
    return l.length();
}

// --- colour, as the eye and a projector see it -----------------------------

double linear(double c) {
    c /= 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Rgb {
    double r, g, b; // linear
};

Rgb linear(const QColor& c) {
    return {linear(c.red()), linear(c.green()), linear(c.blue())};
}

double luminance(Rgb c) {
    return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
}

/// The contrast of a colour against white, as accessibility guidelines measure it.
double contrastOnWhite(Rgb c) {
    return 1.05 / (luminance(c) + 0.05);
}

/// A projector in a bright room: a veil of white over every colour.
Rgb washedOut(const QColor& c, double veil) {
    const auto mix = [veil](int v) { return v * (1 - veil) + 255 * veil; };
    return {linear(mix(c.red())), linear(mix(c.green())), linear(mix(c.blue()))};
}

/// What a viewer without green cones sees (Machado, Oliveira and Fernandes, 2009).
Rgb deuteranope(Rgb c) {
    const auto clamp = [](double v) { return std::clamp(v, 0.0, 1.0); };
    return {clamp(0.367322 * c.r + 0.860646 * c.g - 0.227968 * c.b),
            clamp(0.280085 * c.r + 0.672501 * c.g + 0.047413 * c.b),
            clamp(-0.011820 * c.r + 0.042940 * c.g + 0.968881 * c.b)};
}

std::array<double, 3> lab(Rgb c) {
    const double x = (0.4124 * c.r + 0.3576 * c.g + 0.1805 * c.b) / 0.95047;
    const double y = 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
    const double z = (0.0193 * c.r + 0.1192 * c.g + 0.9505 * c.b) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double difference(Rgb a, Rgb b) {
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

/// Whether any point of the segment a-b lies in `box`.
bool crosses(QPointF a, QPointF b, const QRectF& box) {
    const int steps = int(QLineF(a, b).length() * 2) + 1;
    for (int i = 0; i <= steps; ++i)
        if (box.contains(a + (b - a) * (double(i) / steps))) return true;
    return false;
}

} // namespace

class TestClassroomDisplay : public QObject {
    Q_OBJECT

    Board board;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true); // never the user's own settings
        QSettings(QStringLiteral("Ortoplano"), QStringLiteral("Ortoplano")).clear();
    }
    void init() { drawScene(board); }

    void everyWidthAndFontGrowsByTheFactor_data() {
        QTest::addColumn<double>("factor");
        for (double f : ClassroomDisplay::Factors)
            QTest::addRow("%g×", f) << f;
    }
    /// Pens, dots, the discs that round the ends of wide lines and the fonts
    /// grow by the factor; lines and circles keep their place and size in
    /// the world, ticks grow around their point of the axis, arrowheads
    /// around their tips.
    void everyWidthAndFontGrowsByTheFactor() {
        QFETCH(double, factor);
        const auto usual = paint(board, {});
        const auto grown = paint(board, {factor, false, false});
        QCOMPARE(usual->ofKind(Kind::Rect).size(), std::size_t(18)); // nine pixels an arrowhead
        const auto arms = grown->ofKind(Kind::Polyline);
        QCOMPARE(arms.size(), std::size_t(2));
        // ">" then "^": the chevrons' pixel centres 4 and 8 apart, grown.
        QVERIFY(near(arms[0].bounds.width(), 4 * factor) &&
                near(arms[0].bounds.height(), 8 * factor));
        QVERIFY(near(arms[1].bounds.width(), 8 * factor) &&
                near(arms[1].bounds.height(), 4 * factor));
        // The tip stays on the end of its axis.
        QVERIFY(near(arms[0].bounds.right(), board.setaH()->pos().x() + 4.5));
        QVERIFY(near(arms[1].bounds.top(), board.setaV()->pos().y() + 0.5));
        const auto before = shapes(*usual), after = shapes(*grown);
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            const auto &a = before[i], &b = after[i];
            QCOMPARE(b.width, a.width * factor);
            QVERIFY(nearPoint(b.bounds.center(), a.bounds.center(), 1e-9));
            if (a.kind == Kind::Ellipse && a.width == 0) // a dot or a round end: a disc
                QVERIFY(near(b.bounds.width(), a.bounds.width() * factor));
            else if (a.kind == Kind::Ellipse) // a circle: its radius is the world's
                QCOMPARE(b.bounds, a.bounds);
            else if (length(a.line) < 5) // a tick
                QVERIFY(near(length(b.line), length(a.line) * factor));
            else
                QCOMPARE(b.line, a.line);
        }
        std::vector<PaintLog::Stroke> texts = usual->ofKind(Kind::Text);
        const auto grownTexts = grown->ofKind(Kind::Text);
        QVERIFY(!grownTexts.empty());
        for (const auto& t : grownTexts) { // some numbers may be left out, none added
            const auto same = std::find_if(texts.begin(), texts.end(),
                                           [&](const auto& u) { return u.text == t.text; });
            QVERIFY2(same != texts.end(), qPrintable(t.text));
            QVERIFY(std::fabs(t.font.pixelSize() - same->font.pixelSize() * factor) <= 0.5);
            texts.erase(same);
        }
    }

    /// What is placed in pixels around a point keeps its place around it, that
    /// many times farther.
    void pixelPlacementsGrowAroundTheirPoint() {
        Board b;
        b.ScaleModePixels();
        b.setDrawWidth(1);
        {
            const Board::PixelPlacement at(b, {300, 300});
            b.setCurrentX(310);
            b.setCurrentY(280);
            b.Print("P");
            b.Line(300, 296, 300, 304);
        }
        b.setCurrentX(100);
        b.setCurrentY(100);
        b.Print("Q"); // placed in the world
        const auto usual = paint(b, {});
        const auto grown = paint(b, {3, false, false});
        const QPointF anchor(300.5, 300.5);
        const auto textAt = [](const PaintLog& log, const QString& text) {
            for (const auto& s : log.ofKind(Kind::Text))
                if (s.text == text) return s.baseline;
            return QPointF(-1, -1);
        };
        QCOMPARE(textAt(*grown, "P").x() - 300, 3 * (textAt(*usual, "P").x() - 300));
        QCOMPARE(textAt(*grown, "Q").x(), textAt(*usual, "Q").x());
        const QLineF tick = grown->ofKind(Kind::Line).front().line;
        QCOMPARE(tick.p1(), anchor + 3 * (QPointF(300.5, 296.5) - anchor));
        QCOMPARE(tick.p2(), anchor + 3 * (QPointF(300.5, 304.5) - anchor));
    }

    void graduationNumbersNeverMeet_data() {
        QTest::addColumn<QString>("viewport");
        QTest::addColumn<double>("factor");
        for (const char* v : {"-10 10 -10 10", "-25 25 -25 25", "-3 3 -3 3", "0 50 -5 5",
                              "-10.5 10 -250 250", "-2 30 -1 12"})
            for (double f : {1.0, 1.5, 2.0, 3.0})
                QTest::addRow("%s at %g×", v, f) << QString(v) << f;
    }
    /// Larger, the numbers beside the axes thin out to a round step rather
    /// than run into each other or into the names of the axes; at the usual
    /// size every one is there.
    void graduationNumbersNeverMeet() {
        QFETCH(QString, viewport);
        QFETCH(double, factor);
        Board b;
        Viewport view;
        const QStringList v = viewport.split(' ');
        Axes::draw(b, view, {v[0], v[1], v[2], v[3]}, false, ".");
        const auto log = paint(b, {factor, false, false});
        const auto texts = log->ofKind(Kind::Text);
        int numbers = 0;
        for (const Primitive& p : primitives(b, Primitive::Kind::Text))
            numbers += p.role != Primitive::Role::Plain;
        if (factor == 1.0) {
            QCOMPARE(int(texts.size()), numbers + 2); // and "x" and "y"
            return;
        }
        QVERIFY(texts.size() >= 4);
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                QVERIFY2(!PaintLog::inkBox(texts[i])
                              .adjusted(1, 1, -1, -1)
                              .intersects(PaintLog::inkBox(texts[j])),
                         qPrintable(texts[i].text + '|' + texts[j].text));
        // The numbers under the x axis (the row most texts share) go in one round step.
        std::map<int, int> rows;
        for (const auto& t : texts)
            ++rows[qRound(t.baseline.y())];
        const int row = std::max_element(rows.begin(), rows.end(), [](auto a, auto b) {
                            return a.second < b.second;
                        })->first;
        std::vector<double> shown;
        for (const auto& t : texts)
            if (qRound(t.baseline.y()) == row && t.text != "x")
                shown.push_back(t.text.trimmed().toDouble());
        std::sort(shown.begin(), shown.end());
        double step = INFINITY;
        for (std::size_t i = 1; i < shown.size(); ++i)
            step = std::min(step, shown[i] - shown[i - 1]);
        if (shown.size() < 2) return;
        QCOMPARE(Painting::roundStep(step), step);
        for (double value : shown)
            QCOMPARE(std::fmod(std::fabs(value), step), 0.0);
    }

    void roundSteps() {
        QCOMPARE(Painting::roundStep(0.3), 1.0);
        QCOMPARE(Painting::roundStep(1.0), 1.0);
        QCOMPARE(Painting::roundStep(1.01), 2.0);
        QCOMPARE(Painting::roundStep(2.5), 5.0);
        QCOMPARE(Painting::roundStep(7), 10.0);
        QCOMPARE(Painting::roundStep(3e307), 5e307);
        QVERIFY(std::isinf(Painting::roundStep(INFINITY)));
    }

    /// The usual colours stay exactly as they are; the projector's keep data
    /// blue and solutions red, readable on white, apart from each other for
    /// a viewer who does not see green, and still apart on a washed-out
    /// projector.
    void projectorPalette() {
        for (int i = 0; i < 16; ++i)
            QCOMPARE(DisplayStyle{}.paint(QBColor(i)), QBColor(i));
        const DisplayStyle projector{2, true, true};
        const QColor data = projector.paint(Blue), solution = projector.paint(Red);
        QCOMPARE(projector.paint(QBColor(0)), QBColor(0));
        QVERIFY(data.blue() > 2 * std::max(data.red(), data.green()));
        QVERIFY(solution.red() > 2 * std::max(solution.green(), solution.blue()));
        // Text contrast on white, which the usual red lacks.
        QVERIFY(contrastOnWhite(linear(Red)) < 4.5);
        for (const QColor& c : {data, solution, projector.paint(QBColor(8))})
            QVERIFY(contrastOnWhite(linear(c)) >= 4.5);
        QVERIFY(contrastOnWhite(linear(projector.paint(QBColor(8)))) >
                contrastOnWhite(linear(QBColor(8))));
        // Apart for a deuteranope, and in lightness alone (a grey projection).
        QVERIFY(difference(deuteranope(linear(data)), deuteranope(linear(solution))) > 60);
        QVERIFY(std::fabs(lab(linear(data))[0] - lab(linear(solution))[0]) > 12);
        // Under a veil of white: still readable and still apart.
        const Rgb veiledData = washedOut(data, 0.3), veiledSolution = washedOut(solution, 0.3);
        QVERIFY(contrastOnWhite(veiledData) >= 3 && contrastOnWhite(veiledSolution) >= 3);
        QVERIFY(contrastOnWhite(veiledSolution) > contrastOnWhite(washedOut(Red, 0.3)));
        QVERIFY(difference(deuteranope(veiledData), deuteranope(veiledSolution)) > 50);
    }

    /// Painted in the projector's colours, named in the colour of their dot.
    void projectorPaintsEveryColourItsWay() {
        const auto log = paint(board, {2, true, true});
        for (const auto& s : log->strokes) {
            QVERIFY(s.colour != Blue && s.colour != Red && s.colour != QBColor(8));
            if (s.kind == Kind::Text && (s.text == "A" || s.text == "B"))
                QCOMPARE(s.colour, ProjectorPalette::data());
        }
        const auto usual = paint(board, {});
        QVERIFY(std::any_of(usual->strokes.begin(), usual->strokes.end(),
                            [](const auto& s) { return s.colour == Blue; }));
    }

    void namesOnlyWhenAsked_data() {
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("names");
        for (double f : {1.0, 2.0, 3.0})
            for (bool names : {false, true})
                QTest::addRow("%g×, names %s", f, names ? "on" : "off") << f << names;
    }
    void namesOnlyWhenAsked() {
        QFETCH(double, factor);
        QFETCH(bool, names);
        const auto log = paint(board, {factor, false, names});
        QStringList written;
        for (const auto& s : log->ofKind(Kind::Text))
            if (s.text == "A" || s.text == "B") written << s.text;
        written.sort();
        QCOMPARE(written, names ? QStringList({"A", "B"}) : QStringList());
        if (!names)
            QCOMPARE(log->strokes.size(), paint(board, {factor, false, true})->strokes.size() - 2);
    }

    void namesKeepOffLines_data() {
        QTest::addColumn<QList<int>>("degrees"); // lines leaving the point
        QTest::addColumn<bool>("roomLeft");
        QTest::newRow("none") << QList<int>{} << true;
        QTest::newRow("right") << QList<int>{0} << true;
        QTest::newRow("a cross") << QList<int>{0, 90, 180, 270} << true;
        QTest::newRow("diagonals") << QList<int>{45, 135, 225, 315} << true;
        QTest::newRow("every way") << QList<int>{0, 45, 90, 135, 180, 225, 270, 315} << false;
    }
    /// A name goes where it covers no line when there is such a place.
    void namesKeepOffLines() {
        QFETCH(QList<int>, degrees);
        QFETCH(bool, roomLeft);
        for (double scale : {1.0, 2.0, 3.0}) {
            Board b;
            b.ScaleModePixels();
            const QPointF at(300, 300);
            b.setDrawWidth(2);
            for (int d : degrees) {
                const double t = d * std::numbers::pi / 180;
                b.Line(at.x(), at.y(), at.x() + 150 * std::cos(t), at.y() - 150 * std::sin(t));
            }
            b.setDrawWidth(7);
            b.PSet(at.x(), at.y(), "P");
            const auto names = placePointNames(b.displayList(), QSizeF(Side, Side), scale);
            QCOMPARE(names.size(), std::size_t(1));
            const QRectF box = names[0].box;
            QVERIFY(QRectF(0, 0, Side, Side).contains(box));
            QVERIFY(!box.contains(at + QPointF(0.5, 0.5))); // beside the dot, not on it
            const double reach = box.width() + box.height() + 7 * scale;
            QVERIFY(std::hypot(box.center().x() - at.x(), box.center().y() - at.y()) < reach);
            if (!roomLeft) continue;
            const QRectF pen = box.adjusted(-scale, -scale, scale, scale);
            for (const Primitive& p : primitives(b, Primitive::Kind::Line))
                QVERIFY(!crosses(b.toPixel(p.p1) + QPointF(0.5, 0.5),
                                 b.toPixel(p.p2) + QPointF(0.5, 0.5), pen));
        }
    }

    /// Points crowded together: their names never cover one another, nor
    /// leave the board, even at its corner.
    void crowdedNamesNeverMeet() {
        for (double scale : {1.0, 1.5, 2.0, 3.0}) {
            Board b;
            b.ScaleModePixels();
            b.setDrawWidth(7);
            const QStringList letters{"A", "B", "C", "M", "P", "Q", "G", "H"};
            for (int i = 0; i < 6; ++i)
                b.PSet(200 + 12 * (i % 3), 200 + 12 * (i / 3), letters[i]);
            b.PSet(2, 2, letters[6]);
            b.PSet(Side - 3, Side - 3, letters[7]);
            const auto names = placePointNames(b.displayList(), QSizeF(Side, Side), scale);
            QCOMPARE(int(names.size()), 8);
            for (std::size_t i = 0; i < names.size(); ++i) {
                QVERIFY(QRectF(0, 0, Side, Side).contains(names[i].box));
                for (std::size_t j = i + 1; j < names.size(); ++j)
                    QVERIFY2(!names[i].box.intersects(names[j].box),
                             qPrintable(names[i].text + names[j].text));
            }
        }
    }

    /// The switch: names follow the mode unless chosen, each mode keeping
    /// its choice; the factor is one of three; the program's own settings
    /// bring them back and keep every change.
    void theSwitchAndWhatIsRemembered() {
        ClassroomDisplay& display = ClassroomDisplay::instance();
        QAction* projector = display.projectorAction(this);
        QAction* names = display.namesAction(this);
        QMenu* factors = display.factorMenu(nullptr);
        QCOMPARE(display.style(), DisplayStyle{});
        projector->trigger();
        QVERIFY(display.projector() && display.pointNames() && names->isChecked());
        QCOMPARE(display.style(), (DisplayStyle{2, true, true}));
        QCOMPARE(board.displayStyle(), display.style()); // boards follow
        factors->actions().back()->trigger();
        QCOMPARE(display.factor(), 3.0);
        names->trigger();
        QVERIFY(!display.pointNames());
        display.setProjector(false);
        QVERIFY(!projector->isChecked() && !display.pointNames());
        display.setPointNames(true);
        display.setProjector(true);
        QVERIFY(!display.pointNames()); // as chosen for projector mode
        display.setFactor(2.4);
        QCOMPARE(display.factor(), 2.0);
        QCOMPARE(factors->actions()[1]->text(), ClassroomDisplay::factorText(2.0));
        QVERIFY(factors->actions()[1]->isChecked() && !factors->actions()[2]->isChecked());
        // Nothing was written until the program asked; its settings then win.
        QSettings settings(QStringLiteral("Ortoplano"), QStringLiteral("Ortoplano"));
        QVERIFY(settings.allKeys().isEmpty());
        settings.setValue("classroom/projector", true);
        settings.setValue("classroom/factor", 1.5);
        settings.setValue("classroom/namesInProjector", true);
        settings.sync();
        display.rememberBetweenRuns();
        QCOMPARE(display.style(), (DisplayStyle{1.5, true, true}));
        display.setProjector(false);
        settings.sync();
        QCOMPARE(settings.value("classroom/projector").toBool(), false);
        QCOMPARE(settings.value("classroom/factor").toDouble(), 1.5);
        QCOMPARE(board.displayStyle(), DisplayStyle{});
        delete factors;
    }
};

QTEST_MAIN(TestClassroomDisplay)
#include "tst_classroomdisplay.moc"
