#pragma once

#include "mathtree.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

class QPainter;

/// Mathematics typeset from its tree (never from its linear text): boxes with
/// a width, an ascent above the baseline and a descent below it, put side by
/// side, stacked into fractions, under radicals and between delimiters that
/// grow with what they hold. A box is vector drawing only (glyph runs, rules
/// and outlines), so it paints alike on a screen of any pixel ratio, an
/// image, a printer, a PDF or an SVG file.
namespace Typeset {

/// The faces, size and colours of typeset mathematics. Every length of a
/// layout is a multiple of `size`, so twice the size lays out twice as wide.
struct Style {
    double size = 20.0;                      ///< the body text's pixel size, in logical pixels
    QString separator = QStringLiteral(","); ///< the decimal separator of the regional setting
    QColor ink{0x1f, 0x23, 0x2b};            ///< mathematics and sentences
    QColor accent{0x1d, 0x3a, 0x9e};         ///< titles and step numbers
    QColor faint{0x6b, 0x72, 0x80};          ///< notes beside the text
    QString mathFamily = QStringLiteral("DejaVu Serif");
    QString textFamily = QStringLiteral("DejaVu Sans");
    /// The widest a numerator, a denominator or a radicand may be before it
    /// goes on in rows, broken after the signs of its terms (0: no limit).
    double measure = 0.0;
};

/// A laid-out piece, relative to its origin: the left end of its baseline,
/// y growing downwards as on a painter.
class Box {
public:
    struct Glyphs {
        QPointF at; ///< the left end of the run's baseline
        QString text;
        QFont font;
        QColor colour;
        QGlyphRun run; ///< the glyphs as measured, from the run's origin
    };
    /// A filled rectangle: a fraction bar, a radical's bar, an absolute value's bar.
    struct Rule {
        QRectF rect;
        QColor colour;
    };
    /// An outline: stroked with `pen` when it is above zero, else filled
    /// (a radical sign, a tall parenthesis).
    struct Shape {
        QPainterPath path;
        QColor colour;
        double pen = 0.0;
    };

    double width = 0.0;
    double ascent = 0.0;
    double descent = 0.0;
    double height() const { return ascent + descent; }

    /// Where the relation signs of a chain start, from the origin (a chain
    /// at the top of the box only): what lines up from one line to the next.
    std::vector<double> relations;

    /// Where a row of a long line may end inside the box, from the origin:
    /// after the "×" of a product (`level` AfterTimes) or after the sign of
    /// a term in parentheses (InParentheses), never inside a fraction, a
    /// root, an absolute value, an exponent or a point.
    struct Break {
        double at;
        int level;
    };
    static constexpr int AfterTimes = 3;
    static constexpr int InParentheses = 4;
    std::vector<Break> breaks;

    const std::vector<Glyphs>& glyphs() const { return m_glyphs; }
    const std::vector<Rule>& rules() const { return m_rules; }
    const std::vector<Shape>& shapes() const { return m_shapes; }

    void addGlyphs(Glyphs glyphs) { m_glyphs.push_back(std::move(glyphs)); }
    void addRule(Rule rule) { m_rules.push_back(std::move(rule)); }
    void addShape(Shape shape) { m_shapes.push_back(std::move(shape)); }

    /// Puts `other` with its origin at `at`, growing this box to hold it.
    void place(const Box& other, QPointF at);
    void place(Box&& other, QPointF at);
    /// Puts `other` after this box's width, `gap` further right, on the baseline.
    void append(const Box& other, double gap = 0.0);
    void append(Box&& other, double gap = 0.0);
    /// Leaves `gap` empty after the box.
    void skip(double gap) { width += gap; }
    /// The same drawing in another colour.
    void recolour(const QColor& colour);
    /// The drawing cut at `at`: what starts left of it, and what starts at
    /// or after it, moved to its own origin (both with this box's height).
    std::pair<Box, Box> split(double at) const;

    /// Draws the box with its origin at `origin`.
    void paint(QPainter& painter, QPointF origin) const;
    /// The texts of its glyph runs, in order (what it writes, for tests and tools).
    QString text() const;

private:
    std::vector<Glyphs> m_glyphs;
    std::vector<Rule> m_rules;
    std::vector<Shape> m_shapes;
};

/// The glyph of a sign before a term ("+", "−", "±") and of a relation
/// ("=", "≈", "⇔"…), as every reading of a tree writes them.
QString signGlyph(exact::Sign sign);
QString relationGlyph(exact::Rel relation);

/// Lays out trees of mathematics in a style. Fonts and their measures are
/// made once per typesetter.
class Typesetter {
public:
    explicit Typesetter(Style style);
    ~Typesetter();
    Typesetter(Typesetter&&) noexcept;
    Typesetter& operator=(Typesetter&&) noexcept;

    const Style& style() const;

    /// A tree at the body size.
    Box layout(const exact::Math& math) const;
    /// Rows one under the other, held by a left brace (a system whose
    /// equations are broken into rows); `starts` says which rows start an
    /// equation (the others go on the one before, closer to it).
    Box braced(const std::vector<Box>& rows, const std::vector<bool>& starts) const;
    /// A relation sign between two members of a chain, with its spaces.
    Box relation(exact::Rel relation) const;
    /// A point laid out as two halves, "P(x ," and "y)", for a row that must
    /// break after its comma.
    std::pair<Box, Box> pointHalves(const exact::Math& point) const;
    /// The sign before a term of a sum: with its spaces on both sides, or
    /// (`leading`) as the first term's, close to its term.
    Box sign(exact::Sign sign, bool leading) const;
    /// Running text in the text face, `scale` times the body size.
    Box prose(const QString& text, double scale = 1.0, bool bold = false) const;
    /// A blank of the text face at the body size.
    double proseSpace() const;
    /// The ascent and descent of a line of running text: the least a line takes.
    double proseAscent(double scale = 1.0) const;
    double proseDescent(double scale = 1.0) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace Typeset
