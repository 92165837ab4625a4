// Mathematics typeset from its tree: the measures that make it read as
// mathematics, at any size and on any device that keeps shapes, and a worked
// solution's relation signs one under the other.

#include "circles3solutions.h"
#include "evaluation.h"
#include "linesolutions.h"
#include "mathtypeset.h"
#include "paintlog.h"
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
#include <tuple>

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
        {"(x_A + x_B)/2", fraction(plus(symbol("x", "A"), symbol("x", "B")), n(2))},
        {"(1/4)/2", fraction(fraction(n(1), n(4)), n(2))},
        {"(1 + √2)/3", fraction(plus(n(1), root(n(2))), n(3))},
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

} // namespace

class TestMathTypeset : public QObject {
    Q_OBJECT
private slots:
    void fractionStacksItsParts_data() { treeColumn({"(x_A + x_B)/2", "(1/4)/2", "(1 + √2)/3"}); }
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
        treeColumn({"√(1/3)", "√((6 − (−8))² + (4 − (−2))²)"});
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
        for (const auto& [name, small, tall] : {std::tuple{"parentheses", "(3)", "(1/2)"},
                                                {"nested parentheses", "(1/2)", "((1/4)/2)"},
                                                {"absolute value", "|−3|", "|(x − 1)/2|"}})
            QTest::newRow(name) << QString::fromUtf8(small) << QString::fromUtf8(tall);
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
        const auto row = [](const char* name, const Math& m, const char* separator,
                            const char* written) {
            QTest::newRow(name) << m << QString(separator) << QString::fromUtf8(written);
        };
        row("negative", n(-3), ",", "−3");
        row("difference", minus(symbol("x"), n(5)), ",", "x−5");
        row("comma", decimalValue(Number::fraction(5, 2)), ",", "2,5");
        row("point", decimalValue(Number::fraction(5, 2)), ".", "2.5");
        row("negative decimal", decimalValue(-exact::sqrt(Number(2))), ",", "−1,41");
        row("approximation",
            Chain(root(n(232))).then(Rel::Approx, decimalValue(exact::sqrt(Number(232)))), ",",
            "232≈15,23");
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

    void rowsOfAChainStartAtOneX_data() {
        QTest::addColumn<int>("frame"); // 0 distance, 1 bisector, 2 two circles
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("distance, wide") << 0 << 900.0 << false;
        QTest::newRow("distance, narrow: chains go on in the next row") << 0 << 430.0 << true;
        QTest::newRow("bisector, wide") << 1 << 1100.0 << false;
        QTest::newRow("bisector, narrow") << 1 << 600.0 << true;
        QTest::newRow("two circles, narrow") << 2 << 420.0 << true;
    }
    /// A chain too long for the width goes on in the next rows: each starts
    /// with its relation, under the first relation of its line (⇔ under ⇔)
    /// or, when the members are too wide for that, at one indent; never a
    /// staircase. The lines of a step line up their first relations where
    /// they fit, and nothing passes the width.
    void rowsOfAChainStartAtOneX() {
        QFETCH(int, frame);
        QFETCH(double, width);
        QFETCH(bool, wraps);
        const Point a{readField("-8"), readField("-2")}, b{readField("6"), readField("4")};
        const Solution s =
            frame == 0   ? solutions::solveDistance(a, b)
            : frame == 1 ? solutions::solveBisector(a, b)
                         : solutions::solveTwoCircles(readCircle("x^2+y^2-16x-20y+115=0").conic,
                                                      readCircle("x^2+y^2+8x-10y+5=0").conic);
        Typeset::Style style;
        const SolutionLayout layout(s, width, style);
        bool wrapped = false;
        for (int i = 0; i < layout.stepCount(); ++i) {
            const auto isRelation = [](const QString& t) {
                return t == "=" || t == "≈" || t == "⇔";
            };
            std::map<double, std::pair<double, QString>> leftmost; // baseline -> x, glyphs
            std::set<double> sentence; // the baselines of rows with words
            for (const Box::Glyphs& g : layout.stepBox(i).glyphs()) {
                if (g.font.family() == style.textFamily) sentence.insert(g.at.y());
                auto [first, fresh] = leftmost.try_emplace(g.at.y(), g.at.x(), g.text);
                if (!fresh && g.at.x() < first->second.first) first->second = {g.at.x(), g.text};
            }
            std::set<long> starts; // where the rows that go on start
            for (const auto& [baseline, first] : leftmost)
                if (!sentence.count(baseline) && isRelation(first.second)) {
                    starts.insert(std::lround(first.first * 100));
                    wrapped = true;
                }
            QVERIFY2(starts.size() <= 2, qPrintable(QString("step %1").arg(i + 1)));
            QVERIFY(layout.stepRect(i).right() <= std::max(width, layout.width()));
        }
        QCOMPARE(wrapped, wraps);
        QVERIFY(layout.width() <= width); // wrapping keeps everything inside the width
    }

    /// In a step of a point found (M = …) and then an equation solved
    /// (… ⇔ …), the = follows M: a chain of ⇔ lines up only with chains of ⇔.
    void equalsNotPushedByEquivalences() {
        std::vector<SignedTerm> terms;
        for (int k = 1; k <= 6; ++k)
            terms.push_back({Sign::Plus, product({n(k), symbol("x", "A")})});
        Solution s;
        s.titleKind = TitleKind::Point;
        s.titleValues = {{"P", point(n(1), n(2), "P")}};
        s.add(StepKind::CollectTerms)
            .line(Chain(symbol("M")).equals(point(n(1), n(2))))
            .line(Chain(equation(sum(terms), n(0)))
                      .then(Rel::Equivalent, equation(symbol("x"), n(0))));
        Typeset::Style style;
        const SolutionLayout layout(s, 900, style);
        const Box::Glyphs *m = nullptr, *equals = nullptr, *iff = nullptr;
        for (const Box::Glyphs& g : layout.stepBox(0).glyphs()) {
            if (g.text == "M") m = &g;
            if (g.text == "=" && !equals) equals = &g;
            if (g.text == "⇔") iff = &g;
        }
        QVERIFY(m && equals && iff);
        QCOMPARE(equals->at.y(), m->at.y());
        QVERIFY2(equals->at.x() - m->at.x() < 2 * style.size,
                 qPrintable(QString::number(equals->at.x() - m->at.x())));
        QVERIFY(iff->at.x() > equals->at.x() + 4 * style.size);
    }

    /// A sum too long for the width breaks after a sign, and its rows go on
    /// further in; a formula in a sentence is never broken inside itself.
    void longSumsBreakAfterASign() {
        std::vector<SignedTerm> terms;
        for (int k = 1; k <= 14; ++k)
            terms.push_back({k % 2 ? Sign::Plus : Sign::Minus, product({n(k), symbol("x", "A")})});
        Solution s;
        s.titleKind = TitleKind::Point;
        s.titleValues = {{"P", point(n(1), n(2), "P")}};
        s.add(StepKind::CollectTerms).line(equation(sum(terms), n(0)));
        s.add(StepKind::PerpendicularFamily,
              {{"equation", equation(plus(symbol("x"), symbol("k")), n(0))}});
        Typeset::Style style;
        const SolutionLayout layout(s, 360, style);
        QVERIFY(layout.width() <= 360);
        std::map<double, QString> rows; // baseline -> the glyphs of its mathematics
        std::set<double> sentence;
        for (const Box::Glyphs& g : layout.stepBox(0).glyphs())
            if (g.font.family() == style.textFamily) sentence.insert(g.at.y());
        for (const Box::Glyphs& g : layout.stepBox(0).glyphs()) // not the subscripts
            if (!sentence.count(g.at.y()) && g.font.pixelSize() == int(style.size))
                rows[g.at.y()] += g.text;
        QVERIFY(rows.size() >= 2);
        // A row ends with the sign of the next term, or the next row starts
        // with the relation of the line.
        for (auto it = rows.begin(); std::next(it) != rows.end(); ++it)
            QVERIFY2(it->second.endsWith("+") || it->second.endsWith("−") ||
                         std::next(it)->second.startsWith("="),
                     qPrintable(it->second));
        // "ax + by + c = 0" of the sentence on one baseline.
        const std::vector<Box::Glyphs>& words = layout.stepBox(1).glyphs();
        const QStringList formula{"a", "x", "+", "b", "y", "+", "c", "=", "0"};
        const auto found =
            std::search(words.begin(), words.end(), formula.begin(), formula.end(),
                        [](const Box::Glyphs& g, const QString& t) { return g.text == t; });
        QVERIFY(found != words.end());
        for (auto g = found; g != found + formula.size(); ++g)
            QCOMPARE(g->at.y(), found->at.y());
    }

    void vectorArrowSpansItsName_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"u", "AB", "CP", "n"})
            QTest::newRow(name) << name;
    }
    /// One arrow over the whole name of a vector, drawn as a rule and a head
    /// (no glyph of an arrow), so that the screen, the printer and a PDF
    /// draw it alike.
    void vectorArrowSpansItsName() {
        QFETCH(QString, name);
        const Box b = laid(vector(name.toStdString()));
        QCOMPARE(b.text(), name);
        QRectF arrow;
        for (const Box::Rule& r : b.rules())
            arrow |= r.rect;
        for (const Box::Shape& s : b.shapes())
            arrow |= s.path.boundingRect();
        const Box::Glyphs& letters = b.glyphs().front();
        QVERIFY(arrow.width() >= advance(letters) * 0.95);
        const QRectF ink = QFontMetricsF(letters.font).tightBoundingRect(letters.text);
        QVERIFY(arrow.bottom() < letters.at.y() + ink.top()); // above every letter
        // On a device that keeps shapes (a printer, a PDF), the arrow is a shape there.
        PaintLog log(QSize(200, 100));
        QPainter painter(&log);
        b.paint(painter, {20, 60});
        painter.end();
        QRectF drawn;
        for (const auto& stroke : log.strokes)
            if (stroke.kind != PaintLog::Stroke::Kind::Text) drawn |= stroke.bounds;
        QVERIFY(drawn.width() >= advance(letters) * 0.9);
    }

    /// A system stands behind a left brace as tall as its equations.
    void systemWithALeftBrace() {
        const Math eq1 = equation(plus(symbol("x"), symbol("y")), n(1));
        const Math eq2 = equation(minus(symbol("x"), symbol("y")), n(3));
        const Box b = laid(system({eq1, eq2}));
        QCOMPARE(b.shapes().size(), std::size_t(1));
        const QRectF brace = b.shapes().front().path.boundingRect();
        QVERIFY(brace.height() >= laid(eq1).height() + laid(eq2).height());
        for (const Box::Glyphs& g : b.glyphs())
            QVERIFY(g.at.x() > brace.right());
    }

    /// Line names are italic in sentences and titles; capital Greek upright.
    void namesInSentences() {
        const Solution s = solutions::solveParallelThrough(
            {Number(1), Number(2)},
            exact::GivenLine{Line{Number(1), Number(1), Number(-1)}, "x+y=1"});
        Typeset::Style style;
        const SolutionLayout layout(s, 600, style);
        bool italicR = false;
        for (const Box::Glyphs& g : layout.stepBox(0).glyphs())
            italicR = italicR || (g.text == "r" && g.font.italic());
        QVERIFY(italicR);
        QVERIFY(!laid(symbol("Δ")).glyphs().front().font.italic());
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
