// Mathematics typeset from its tree: the measures that make it read as
// mathematics, at any size and on any device, and a worked solution's relation
// signs one under the other.

#include "circles3solutions.h"
#include "evaluation.h"
#include "mathtypeset.h"
#include "pointsolutions.h"
#include "solutionlayout.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgGenerator>
#include <QTest>
#include <algorithm>
#include <map>
#include <set>

using namespace exact;
using Typeset::Box;

Q_DECLARE_METATYPE(exact::Math)

namespace {

Box laid(const Math& m, double size = 20.0, const QString& separator = ",") {
    Typeset::Style style;
    style.size = size;
    style.separator = separator;
    return Typeset::Typesetter(style).layout(m);
}

Math n(long k) {
    return value(Number(k));
}

/// Trees named for the tables, from the plain to the nested.
const std::map<QString, Math>& trees() {
    static const std::map<QString, Math> all = {
        {"1/2", fraction(n(1), n(2))},
        {"(x_A + x_B)/2", fraction(plus(symbol("x", "A"), symbol("x", "B")), n(2))},
        {"(1/4)/2", fraction(fraction(n(1), n(4)), n(2))},
        {"(1 + √2)/3", fraction(plus(n(1), root(n(2))), n(3))},
        {"√2", root(n(2))},
        {"√(x + 1)", root(plus(symbol("x"), n(1)))},
        {"√(1/3)", root(fraction(n(1), n(3)))},
        {"√((6 − (−8))² + (4 − (−2))²)",
         root(plus(squared(minus(n(6), n(-8))), squared(minus(n(4), n(-2)))))},
        {"(3)", parens(n(3))},
        {"(1/2)", parens(fraction(n(1), n(2)))},
        {"((1/4)/2)", parens(fraction(fraction(n(1), n(4)), n(2)))},
        {"|−3|", absolute(n(-3))},
        {"|(x − 1)/2|", absolute(fraction(minus(symbol("x"), n(1)), n(2)))},
        {"x²", squared(symbol("x"))},
        {"M(−3 , 1)", point(n(-3), n(1), "M")},
        {"d(A, B) = 2√58 ≈ 15,23",
         Chain(function("d", {symbol("A"), symbol("B")})).endsWith(exact::sqrt(Number(232)))},
        {"3x − 4y + 5 = 0", generalEquation(Line{Number(3), Number(-4), Number(5)})},
    };
    return all;
}

void treeColumn(std::initializer_list<const char*> names) {
    QTest::addColumn<QString>("name");
    for (const char* name : names)
        QTest::newRow(name) << QString::fromUtf8(name);
}

const Math& tree(const QString& name) {
    return trees().at(name);
}

double advance(const Box::Glyphs& g) {
    return QFontMetricsF(g.font).horizontalAdvance(g.text);
}

/// The rule of a box that lies highest: a radical's bar, a fraction's bar.
Box::Rule topRule(const Box& b) {
    return *std::min_element(b.rules().begin(), b.rules().end(), [](const auto& r, const auto& s) {
        return r.rect.top() < s.rect.top();
    });
}

/// The ink of an image, in its own pixels.
QRect inkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

class TestMathTypeset : public QObject {
    Q_OBJECT
private slots:
    void fractionStacksItsParts_data() {
        treeColumn({"1/2", "(x_A + x_B)/2", "(1/4)/2", "(1 + √2)/3"});
    }
    /// Taller than its parts together, the numerator above the bar and the
    /// denominator below it, the bar running under and over every glyph.
    void fractionStacksItsParts() {
        QFETCH(QString, name);
        const Math& m = tree(name);
        const Box whole = laid(m), top = laid(m.children()[0]), bottom = laid(m.children()[1]);
        QVERIFY(whole.height() > top.height() + bottom.height());
        const Box::Rule bar = *std::max_element(
            whole.rules().begin(), whole.rules().end(),
            [](const auto& r, const auto& s) { return r.rect.width() < s.rect.width(); });
        int above = 0, below = 0;
        for (const Box::Glyphs& g : whole.glyphs()) {
            (g.at.y() < bar.rect.top() ? above : below) += int(g.text.size());
            QVERIFY(g.at.x() >= bar.rect.left() && g.at.x() + advance(g) <= bar.rect.right());
        }
        QCOMPARE(above, int(top.text().size()));
        QCOMPARE(below, int(bottom.text().size()));
    }

    void radicalBarSpansItsRadicand_data() {
        treeColumn({"√2", "√(x + 1)", "√(1/3)", "√((6 − (−8))² + (4 − (−2))²)"});
    }
    void radicalBarSpansItsRadicand() {
        QFETCH(QString, name);
        const Math& m = tree(name);
        const Box whole = laid(m), radicand = laid(m.children()[0]);
        const Box::Rule bar = topRule(whole);
        QVERIFY(bar.rect.width() >= radicand.width);
        QVERIFY(bar.rect.bottom() <= -radicand.ascent); // over the radicand, not through it
        for (const Box::Glyphs& g : whole.glyphs()) {
            QVERIFY(g.at.x() >= bar.rect.left());
            QVERIFY(g.at.x() + advance(g) <= bar.rect.right() + 0.5);
        }
        QVERIFY(whole.ascent > radicand.ascent && whole.width > radicand.width);
    }

    void delimitersGrowWithTheirContents_data() {
        QTest::addColumn<QString>("small");
        QTest::addColumn<QString>("tall");
        QTest::newRow("parentheses") << "(3)"
                                     << "(1/2)";
        QTest::newRow("nested parentheses") << "(1/2)"
                                            << "((1/4)/2)";
        QTest::newRow("absolute value") << "|−3|"
                                        << "|(x − 1)/2|";
    }
    /// Around a taller content, taller; never shorter than what they hold.
    void delimitersGrowWithTheirContents() {
        QFETCH(QString, small);
        QFETCH(QString, tall);
        const auto delimiterHeight = [](const QString& name) {
            const Math& m = tree(name);
            const Box whole = laid(m), inside = laid(m.children()[0]);
            QRectF ink;
            for (const Box::Shape& s : whole.shapes())
                ink |= s.path.boundingRect();
            for (const Box::Rule& r : whole.rules())
                if (r.rect.height() > r.rect.width()) ink |= r.rect; // the bars
            const double drawn = ink.isEmpty() ? whole.height() : ink.height();
            return std::pair{drawn, inside.height()};
        };
        const auto [smallHeight, smallInside] = delimiterHeight(small);
        const auto [tallHeight, tallInside] = delimiterHeight(tall);
        QVERIFY(tallHeight > smallHeight);
        QVERIFY(tallHeight >= tallInside && smallHeight >= smallInside * 0.95);
    }

    /// An exponent is raised and smaller, a subscript lowered and smaller.
    void scripts() {
        const Box power = laid(tree("x²"));
        const Box sub = laid(symbol("x", "A"));
        QCOMPARE(power.glyphs().size(), std::size_t(2));
        QCOMPARE(sub.glyphs().size(), std::size_t(2));
        QVERIFY(power.glyphs()[1].at.y() < 0 && sub.glyphs()[1].at.y() > 0);
        for (const Box& b : {power, sub}) {
            QVERIFY(b.glyphs()[1].font.pixelSize() < b.glyphs()[0].font.pixelSize());
            QVERIFY(b.glyphs()[1].at.x() >= advance(b.glyphs()[0]));
        }
        QVERIFY(sub.glyphs()[0].font.italic() && !power.glyphs()[1].font.italic());
    }

    void twiceTheSizeIsTwiceAsLarge_data() {
        treeColumn({"(x_A + x_B)/2", "√((6 − (−8))² + (4 − (−2))²)", "((1/4)/2)", "|(x − 1)/2|",
                    "d(A, B) = 2√58 ≈ 15,23", "3x − 4y + 5 = 0"});
    }
    void twiceTheSizeIsTwiceAsLarge() {
        QFETCH(QString, name);
        const Box one = laid(tree(name), 20), two = laid(tree(name), 40);
        QVERIFY2(std::abs(two.width / one.width - 2) < 0.03,
                 qPrintable(QString::number(two.width / one.width)));
        QVERIFY2(std::abs(two.height() / one.height() - 2) < 0.05,
                 qPrintable(QString::number(two.height() / one.height())));
        QCOMPARE(two.text(), one.text());
    }

    void signsAndSeparators_data() {
        QTest::addColumn<Math>("math");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("written");
        QTest::newRow("negative") << n(-3) << ","
                                  << "−3";
        QTest::newRow("difference") << minus(symbol("x"), n(5)) << ","
                                    << "x−5";
        QTest::newRow("comma") << decimalValue(Number::fraction(5, 2)) << ","
                               << "2,5";
        QTest::newRow("point") << decimalValue(Number::fraction(5, 2)) << "."
                               << "2.5";
        QTest::newRow("negative decimal") << decimalValue(-exact::sqrt(Number(2))) << ","
                                          << "−1,41";
        QTest::newRow("approximation")
            << Math(Chain(root(n(232))).then(Rel::Approx, decimalValue(exact::sqrt(Number(232)))))
            << ","
            << "232≈15,23";
    }
    /// A true minus sign, never a hyphen; the decimal separator of the regional setting.
    void signsAndSeparators() {
        QFETCH(Math, math);
        QFETCH(QString, separator);
        QFETCH(QString, written);
        const QString text = laid(math, 20, separator).text();
        QCOMPARE(text, written);
        QVERIFY(!text.contains('-'));
    }

    /// Words inside mathematics are set in the text face, upright; names in
    /// the mathematics face, italic.
    void wordsInsideMathematics() {
        const Box b = laid(row({words("é "), symbol("M"), words(".")}));
        QCOMPARE(b.glyphs().size(), std::size_t(3));
        QCOMPARE(b.glyphs()[0].font.family(), QString("DejaVu Sans"));
        QVERIFY(!b.glyphs()[0].font.italic());
        QCOMPARE(b.glyphs()[1].font.family(), QString("DejaVu Serif"));
        QVERIFY(b.glyphs()[1].font.italic());
        QVERIFY(b.glyphs()[1].at.x() >= advance(b.glyphs()[0]) - 0.01);
    }

    /// A chain knows where its relation signs start.
    void chainRelations() {
        const Math& m = tree("d(A, B) = 2√58 ≈ 15,23");
        const Box b = laid(m);
        QCOMPARE(b.relations.size(), m.children().size() - 1);
        QCOMPARE(b.relations.front(), laid(m.children()[0]).width);
        QVERIFY(std::is_sorted(b.relations.begin(), b.relations.end()));
    }

    void relationSignsOfAStepShareAnX_data() {
        QTest::addColumn<int>("frame"); // 0 distance, 1 bisector
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("distance, wide") << 0 << 900.0 << false;
        QTest::newRow("distance, narrow: chains go on in the next row") << 0 << 430.0 << true;
        QTest::newRow("bisector, wide") << 1 << 1100.0 << false;
        QTest::newRow("bisector, narrow") << 1 << 600.0 << true;
    }
    /// In every step, the first relation sign of each row of mathematics
    /// stands at one x: the lines of a step, and the rows a long chain goes
    /// on in.
    void relationSignsOfAStepShareAnX() {
        QFETCH(int, frame);
        QFETCH(double, width);
        QFETCH(bool, wraps);
        const Point a{readField("-8"), readField("-2")}, b{readField("6"), readField("4")};
        const Solution s =
            frame == 0 ? solutions::solveDistance(a, b) : solutions::solveBisector(a, b);
        Typeset::Style style;
        const SolutionLayout layout(s, width, style);
        bool wrapped = false;
        for (int i = 0; i < layout.stepCount(); ++i) {
            const auto isRelation = [](const QString& t) { return t == "=" || t == "≈"; };
            std::map<double, double> firstRelation; // baseline -> x of its first relation sign
            std::map<double, std::pair<double, QString>> leftmost; // baseline -> x, glyphs
            std::set<double> sentence; // the baselines of rows with words
            for (const Box::Glyphs& g : layout.stepBox(i).glyphs()) {
                if (g.font.family() == style.textFamily) sentence.insert(g.at.y());
                if (isRelation(g.text)) {
                    auto [at, fresh] = firstRelation.try_emplace(g.at.y(), g.at.x());
                    if (!fresh) at->second = std::min(at->second, g.at.x());
                }
                auto [first, fresh] = leftmost.try_emplace(g.at.y(), g.at.x(), g.text);
                if (!fresh && g.at.x() < first->second.first) first->second = {g.at.x(), g.text};
            }
            std::vector<double> xs;
            for (const auto& [baseline, x] : firstRelation)
                if (!sentence.count(baseline)) xs.push_back(x);
            for (const auto& [baseline, first] : leftmost) // a row that starts with its relation
                wrapped = wrapped || (!sentence.count(baseline) && isRelation(first.second));
            for (double x : xs)
                QVERIFY2(std::abs(x - xs.front()) < 1e-6,
                         qPrintable(QString("step %1").arg(i + 1)));
            const auto& aligned = layout.alignedRelations(i);
            QVERIFY(std::adjacent_find(aligned.begin(), aligned.end(), std::not_equal_to<>()) ==
                    aligned.end());
            QVERIFY(layout.stepRect(i).right() <= std::max(width, layout.width()));
        }
        QCOMPARE(wrapped, wraps);
        QVERIFY(layout.width() <= width); // wrapping keeps everything inside the width
    }

    /// A line whose first member is too wide for the column of the others
    /// starts at the indent and goes on in the next row; the others stay
    /// whole, each on one row, their relations lined up.
    void aWideFirstMemberLeavesTheColumn() {
        const Solution s = solutions::solveTwoCircles(readCircle("x^2+y^2-16x-20y+115=0").conic,
                                                      readCircle("x^2+y^2+8x-10y+5=0").conic);
        Typeset::Style style;
        // Room for c₁ − c₂ up to its relation, not for the relation and "0".
        const double column = SolutionLayout(s, 10000, style).alignedRelations(0).at(2);
        const SolutionLayout layout(s, column + 4, style);
        const auto& aligned = layout.alignedRelations(0);
        QCOMPARE(aligned.size(), std::size_t(3)); // c₁, c₂, then c₁ − c₂
        QCOMPARE(aligned[0], aligned[1]);
        QVERIFY(aligned[2] > aligned[0]);
        std::map<double, QString> leftmost; // baseline -> the first glyphs of its row
        std::map<double, double> at;
        for (const Box::Glyphs& g : layout.stepBox(0).glyphs())
            if (g.font.family() != style.textFamily &&
                (!at.count(g.at.y()) || g.at.x() < at[g.at.y()])) {
                at[g.at.y()] = g.at.x();
                leftmost[g.at.y()] = g.text;
            }
        const auto startsWithRelation = [](const auto& row) {
            return row.second == "=" || row.second == "⇔";
        };
        QCOMPARE(std::count_if(leftmost.begin(), leftmost.end(), startsWithRelation), 1);
    }

    void anyPixelRatio_data() {
        QTest::addColumn<double>("ratio");
        for (double ratio : {1.0, 1.5, 2.0, 3.0})
            QTest::addRow("%g", ratio) << ratio;
    }
    /// Painted at any device pixel ratio, the drawing keeps its size in
    /// logical pixels: its ink, in device pixels, grows with the ratio.
    void anyPixelRatio() {
        QFETCH(double, ratio);
        const Box b = laid(tree("(1 + √2)/3"), 30);
        const auto inkAt = [&](double r) {
            QImage image(QSize(200, 200) * r, QImage::Format_RGB32);
            image.setDevicePixelRatio(r);
            image.fill(Qt::white);
            QPainter painter(&image);
            b.paint(painter, {20, 100});
            painter.end();
            return inkOf(image);
        };
        const QRect one = inkAt(1.0), scaled = inkAt(ratio);
        QVERIFY(!one.isEmpty());
        QVERIFY(std::abs(scaled.width() - one.width() * ratio) <= 2 * ratio);
        QVERIFY(std::abs(scaled.height() - one.height() * ratio) <= 2 * ratio);
        QVERIFY(std::abs(scaled.left() - one.left() * ratio) <= 2 * ratio);
    }

    /// In an SVG drawing the glyphs stay text and the bars stay vectors.
    void svgKeepsTextAndVectors() {
        const Box b = laid(tree("√((6 − (−8))² + (4 − (−2))²)"));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(400, 80));
        QPainter painter(&svg);
        b.paint(painter, {10, 50});
        painter.end();
        const QString text = QString::fromUtf8(buffer.data());
        for (const char* piece : {"6", "−", "8", "4", "2"})
            QVERIFY2(text.contains(QString::fromUtf8(piece)), piece);
        QVERIFY(text.contains("<path") || text.contains("<polyline"));
        QVERIFY(!text.contains("<image"));
    }
};

QTEST_MAIN(TestMathTypeset)
#include "tst_mathtypeset.moc"
