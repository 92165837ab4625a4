#include "mathtypeset.h"

#include "writing.h"

#include <QGlyphRun>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRawFont>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

namespace Typeset {

using exact::Math;
using exact::Rel;
using exact::Sign;
using Kind = Math::Kind;

// --- Box --------------------------------------------------------------------

void Box::place(const Box& other, QPointF at) {
    for (const Break& b : other.breaks)
        breaks.push_back({b.at + at.x(), b.level});
    for (const Glyphs& g : other.m_glyphs)
        m_glyphs.push_back({g.at + at, g.text, g.font, g.colour, g.run});
    for (const Rule& r : other.m_rules)
        m_rules.push_back({r.rect.translated(at), r.colour});
    for (const Shape& s : other.m_shapes)
        m_shapes.push_back({s.path.translated(at), s.colour, s.pen});
    width = std::max(width, at.x() + other.width);
    ascent = std::max(ascent, other.ascent - at.y());
    descent = std::max(descent, other.descent + at.y());
}

void Box::place(Box&& other, QPointF at) {
    for (const Break& b : other.breaks)
        breaks.push_back({b.at + at.x(), b.level});
    if (m_glyphs.empty() && m_rules.empty() && m_shapes.empty() && at.isNull()) {
        // The first piece of a box: its pieces become this box's as they are.
        m_glyphs = std::move(other.m_glyphs);
        m_rules = std::move(other.m_rules);
        m_shapes = std::move(other.m_shapes);
    } else {
        for (Glyphs& g : other.m_glyphs) {
            g.at += at;
            m_glyphs.push_back(std::move(g));
        }
        for (Rule& r : other.m_rules)
            m_rules.push_back({r.rect.translated(at), r.colour});
        for (Shape& s : other.m_shapes)
            m_shapes.push_back({s.path.translated(at), s.colour, s.pen});
    }
    width = std::max(width, at.x() + other.width);
    ascent = std::max(ascent, other.ascent - at.y());
    descent = std::max(descent, other.descent + at.y());
}

void Box::append(const Box& other, double gap) {
    place(other, {width + gap, 0.0});
}

void Box::append(Box&& other, double gap) {
    place(std::move(other), {width + gap, 0.0});
}

void Box::recolour(const QColor& colour) {
    for (Glyphs& g : m_glyphs)
        g.colour = colour;
    for (Rule& r : m_rules)
        r.colour = colour;
    for (Shape& s : m_shapes)
        s.colour = colour;
}

void Box::paint(QPainter& painter, QPointF origin) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    // On pixels, the glyph runs measured when laid out; on paper and in SVG
    // the texts themselves, so that they stay text there.
    const QPaintEngine* engine = painter.paintEngine();
    const bool pixels = engine && engine->type() == QPaintEngine::Raster;
    for (const Glyphs& g : m_glyphs) {
        painter.setPen(g.colour);
        if (pixels) {
            painter.drawGlyphRun(origin + g.at, g.run);
        } else {
            painter.setFont(g.font);
            painter.drawText(origin + g.at, g.text);
        }
    }
    for (const Rule& r : m_rules)
        painter.fillRect(r.rect.translated(origin), r.colour);
    for (const Shape& s : m_shapes) {
        const QPainterPath path = s.path.translated(origin);
        if (s.pen > 0.0) {
            painter.strokePath(path,
                               QPen(s.colour, s.pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        } else {
            painter.fillPath(path, s.colour);
        }
    }
    painter.restore();
}

std::pair<Box, Box> Box::split(double at) const {
    std::pair<Box, Box> halves;
    for (const Glyphs& g : m_glyphs) {
        const bool left = g.at.x() < at;
        (left ? halves.first : halves.second)
            .m_glyphs.push_back(
                {g.at - QPointF(left ? 0.0 : at, 0.0), g.text, g.font, g.colour, g.run});
    }
    for (const Rule& r : m_rules) {
        const bool left = r.rect.left() < at;
        (left ? halves.first : halves.second)
            .m_rules.push_back({r.rect.translated(left ? 0.0 : -at, 0.0), r.colour});
    }
    for (const Shape& s : m_shapes) {
        const bool left = s.path.boundingRect().left() < at;
        (left ? halves.first : halves.second)
            .m_shapes.push_back({s.path.translated(left ? 0.0 : -at, 0.0), s.colour, s.pen});
    }
    for (const Break& b : breaks)
        if (b.at < at) {
            halves.first.breaks.push_back(b);
        } else if (b.at > at) {
            halves.second.breaks.push_back({b.at - at, b.level});
        }
    for (Box* b : {&halves.first, &halves.second}) {
        b->ascent = ascent;
        b->descent = descent;
    }
    halves.first.width = at;
    halves.second.width = width - at;
    return halves;
}

QString Box::text() const {
    QString all;
    for (const Glyphs& g : m_glyphs)
        all += g.text;
    return all;
}

// --- the typesetter ----------------------------------------------------------

QString signGlyph(Sign s) {
    const std::string_view t = exact::writing::signText(s);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString relationGlyph(Rel r) {
    const std::string_view t = exact::writing::relationText(r);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

namespace {

enum class Face { Upright, Italic, Text, TextBold };

// Proportions of the body size.
constexpr double ScriptScale = 0.7;         ///< exponents and subscripts
constexpr double NestedFractionScale = 0.8; ///< a fraction inside a fraction
constexpr double SmallestScale = 0.5;
constexpr double BinarySpace = 0.22;   ///< around + − × ±
constexpr double RelationSpace = 0.28; ///< around = ≈ ≠ < > ≤ ≥
constexpr double WideSpace = 0.9;      ///< around ⇔
constexpr double ThinSpace = 0.12;
constexpr double RuleThickness = 0.06;

/// The level of a piece: its size as a multiple of the body size, and how
/// many fractions hold it.
struct Level {
    double scale = 1.0;
    int fractions = 0;
};

Level script(Level lv) {
    return {std::max(SmallestScale, lv.scale * ScriptScale), lv.fractions};
}

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

/// Names of one letter are italic, as mathematics writes them; longer ones upright.
/// Capital Greek letters stay upright (Δ), as printed mathematics writes them.
Face faceOfName(const QString& name) {
    if (name.size() != 1 || !name.front().isLetter()) return Face::Upright;
    const char16_t c = name.front().unicode();
    return c >= 0x391 && c <= 0x3A9 ? Face::Upright : Face::Italic;
}

/// The letters of a vector's name are italic, all of them (AB⃗, u⃗).
Face faceOfVector(const QString& name) {
    return std::all_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); })
               ? Face::Italic
               : Face::Upright;
}

} // namespace

/// Glyph measures are taken on a large copy of each face and scaled down:
/// the ink of a glyph comes in whole pixels, so at the size drawn it would
/// round by a good part of a small glyph.
constexpr int ReferencePixels = 256;

/// One face (family, slant, weight): its glyphs' advances and ink at the
/// reference size, measured once for the whole run of the program, and the
/// face at each size it is drawn at.
class FaceMeasures {
public:
    struct Glyph {
        double advance;
        QRectF ink;
    };

    explicit FaceMeasures(const QFont& font)
        : m_font(font) {
        QFont large = font;
        large.setPixelSize(ReferencePixels);
        m_reference = QRawFont::fromFont(large);
    }

    /// The glyph of each character of the text; 0 where the face has none.
    QList<quint32> glyphs(const QString& text) const {
        return m_reference.isValid() ? m_reference.glyphIndexesForString(text) : QList<quint32>();
    }
    const QRawFont& reference() const { return m_reference; }

    const Glyph& glyph(quint32 index) {
        const auto found = m_glyphs.find(index);
        if (found != m_glyphs.end()) return found->second;
        const QList<QPointF> advance = m_reference.advancesForGlyphIndexes({index});
        return m_glyphs
            .emplace(index, Glyph{advance.isEmpty() ? 0.0 : advance.front().x(),
                                  m_reference.boundingRect(index)})
            .first->second;
    }

    /// The face at a size in pixels, for drawing.
    const QRawFont& at(int pixels) { return sized(m_sizes, m_reference, pixels); }
    const QFont& font(int pixels) { return sized(m_fonts, m_font, pixels); }

private:
    /// The face at a size, made once from the face at another.
    template <typename Font>
    static const Font& sized(std::map<int, Font>& made, const Font& face, int pixels) {
        auto found = made.find(pixels);
        if (found == made.end()) {
            Font f = face;
            f.setPixelSize(pixels);
            found = made.emplace(pixels, f).first;
        }
        return found->second;
    }

    QFont m_font;
    QRawFont m_reference;
    std::unordered_map<quint32, Glyph> m_glyphs;
    std::map<int, QRawFont> m_sizes;
    std::map<int, QFont> m_fonts;
};

/// A run of text in a face (by its first family) at a size.
struct RunKey {
    const void* face;
    int pixels;
    QString text;
    friend bool operator==(const RunKey&, const RunKey&) = default;
};

size_t qHash(const RunKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.face, key.pixels, key.text);
}

/// The faces of every typesetter, by family, slant and weight.
FaceMeasures& measures(const QString& family, bool italic, bool bold) {
    static std::map<std::tuple<QString, bool, bool>, std::unique_ptr<FaceMeasures>> faces;
    auto& entry = faces[{family, italic, bold}];
    if (!entry) {
        QFont font(family);
        font.setItalic(italic);
        font.setBold(bold);
        font.setHintingPreference(QFont::PreferNoHinting);
        entry = std::make_unique<FaceMeasures>(font);
    }
    return *entry;
}

struct Typesetter::Private {
    Style style;

    struct Metrics {
        double axis;    ///< the height of the fraction bar above the baseline
        double xHeight; ///< the least ascent of a run
    };
    mutable std::map<std::pair<Face, int>, Metrics> metrics;
    mutable std::array<FaceMeasures*, 4> primary{}; ///< the first family of each face

    double em(Level lv) const { return style.size * lv.scale; }
    int pixels(Level lv) const { return std::max(4, int(std::lround(em(lv)))); }

    /// The families a face is looked for in, in order.
    QStringList families(Face face) const {
        const bool text = face == Face::Text || face == Face::TextBold;
        return {text ? style.textFamily : style.mathFamily, QStringLiteral("DejaVu Sans"),
                QStringLiteral("DejaVu Serif")};
    }

    /// The first of the face's families that has every glyph of the text,
    /// with the glyphs of the text in it.
    std::pair<FaceMeasures*, QList<quint32>> faceFor(Face face, const QString& text) const {
        const bool italic = face == Face::Italic, bold = face == Face::TextBold;
        FaceMeasures*& first = primary[std::size_t(face)];
        if (!first) first = &measures(families(face).front(), italic, bold);
        if (QList<quint32> glyphs = first->glyphs(text); !glyphs.contains(0u))
            return {first, std::move(glyphs)};
        const QStringList names = families(face);
        for (const QString& family : names) {
            FaceMeasures& m = measures(family, italic, bold);
            QList<quint32> glyphs = m.glyphs(text);
            if (!glyphs.isEmpty() && !glyphs.contains(0u)) return {&m, std::move(glyphs)};
        }
        return {first, first->glyphs(text)};
    }

    const Metrics& metricsOf(Face face, Level lv) const {
        const int px = pixels(lv);
        const auto found = metrics.find({face, px});
        if (found != metrics.end()) return found->second;
        const auto [faceMeasures, minus] = faceFor(face, QStringLiteral("\u2212"));
        const QRawFont& large = faceMeasures->reference();
        const double factor = double(px) / ReferencePixels;
        const QRectF ink = large.boundingRect(minus.value(0));
        return metrics
            .emplace(std::pair{face, px},
                     Metrics{-ink.center().y() * factor, large.xHeight() * factor})
            .first->second;
    }

    /// A run of glyphs: its advances and ink from the reference measures,
    /// scaled to the size drawn, and the glyph run that draws it there. Runs
    /// are measured once for the whole program: the same words and numbers
    /// come back in every solution.
    Box run(const QString& text, Face face, Level lv, const QColor& colour) const {
        const int px = pixels(lv);
        FaceMeasures*& first = primary[std::size_t(face)];
        if (!first) faceFor(face, text);
        const RunKey key{first, px, text};
        static QHash<RunKey, Box> measured;
        auto found = measured.constFind(key);
        if (found == measured.constEnd()) {
            if (measured.size() > 20000) measured.clear(); // a bound, never reached in use
            found = measured.insert(key, measure(text, face, lv));
        }
        Box b = *found;
        if (colour != b.glyphs().front().colour) b.recolour(colour);
        return b;
    }

    Box measure(const QString& text, Face face, Level lv) const {
        const int px = pixels(lv);
        const double factor = double(px) / ReferencePixels;
        auto [faceMeasures, indexes] = faceFor(face, text);
        QList<QPointF> positions;
        positions.reserve(indexes.size());
        double x = 0.0;
        QRectF ink;
        for (quint32 index : indexes) {
            const FaceMeasures::Glyph& g = faceMeasures->glyph(index);
            positions.push_back({x * factor, 0.0});
            ink |= g.ink.translated(x, 0.0);
            x += g.advance;
        }
        QGlyphRun glyphs;
        glyphs.setRawFont(faceMeasures->at(px));
        glyphs.setGlyphIndexes(indexes);
        glyphs.setPositions(positions);
        const Metrics& m = metricsOf(face, lv);
        Box b;
        b.width = x * factor;
        b.ascent = std::max(-ink.top() * factor, m.xHeight);
        b.descent = std::max(ink.bottom() * factor, 0.0);
        if (face == Face::Italic)
            b.width = std::max(b.width, ink.right() * factor); // italic correction
        b.addGlyphs({{0.0, 0.0}, text, faceMeasures->font(px), style.ink, std::move(glyphs)});
        return b;
    }

    Box run(const QString& text, Face face, Level lv) const {
        return run(text, face, lv, style.ink);
    }

    Box node(const Math& m, Level lv) const {
        switch (m.kind()) {
        case Kind::Number: // not in a written tree
        case Kind::Numeral:
            return run(fromUtf8(m.text()), Face::Upright, lv);
        case Kind::Symbol:
            return symbol(fromUtf8(m.text()), fromUtf8(m.subscript()), lv);
        case Kind::Vector:
            return vector(fromUtf8(m.text()), lv);
        case Kind::System:
            return system(m, lv);
        case Kind::Sum:
            return sum(m, lv);
        case Kind::Product:
            return product(m, lv);
        case Kind::Fraction:
            return fraction(m, lv);
        case Kind::Power:
            return power(m, lv);
        case Kind::Root:
            return root(m, lv);
        case Kind::Abs:
            return absolute(node(m.children()[0], lv), lv);
        case Kind::Parens:
            return fenced(node(m.children()[0], lv), lv);
        case Kind::Function:
            return call(m, lv);
        case Kind::Point:
            return point(m, lv);
        case Kind::Chain:
            return chain(m, lv);
        case Kind::Words:
            return run(fromUtf8(m.text()), Face::Text, lv);
        case Kind::Row:
            break;
        }
        Box b;
        for (const Math& part : m.children())
            b.append(node(part, lv));
        return b;
    }

    Box symbol(const QString& name, const QString& subscript, Level lv) const {
        Box b = run(name, faceOfName(name), lv);
        if (subscript.isEmpty()) return b;
        const QPointF at(b.width + 0.02 * em(lv), 0.22 * em(lv));
        b.place(run(subscript, faceOfName(subscript), script(lv)), at);
        return b;
    }

    /// The name under one arrow as wide as the name: a shaft and a head
    /// drawn over the letters (the italic ones leaning right).
    Box vector(const QString& name, Level lv) const {
        Box b = run(name, faceOfVector(name), lv);
        const double e = em(lv), t = 0.75 * thickness(lv);
        const double y = -(b.ascent + 0.16 * e), head = 0.16 * e;
        const double left = 0.06 * e, right = b.width + 0.04 * e;
        b.addRule({QRectF(left, y - t / 2, right - left - 0.5 * head, t), style.ink});
        QPainterPath tip;
        tip.moveTo(right, y);
        tip.lineTo(right - head, y - 0.55 * head);
        tip.lineTo(right - 0.8 * head, y);
        tip.lineTo(right - head, y + 0.55 * head);
        tip.closeSubpath();
        b.addShape({tip, style.ink, 0.0});
        b.width = std::max(b.width, right);
        b.ascent = -(y - 0.6 * head) + 0.02 * e;
        return b;
    }

    /// Equations one under the other, held by a left brace.
    Box system(const Math& m, Level lv) const {
        std::vector<Box> rows;
        for (const Math& equation : m.children())
            rows.push_back(node(equation, lv));
        std::vector<bool> starts(rows.size(), true); // before the rows are moved away
        return braced(std::move(rows), starts, lv);
    }

    /// Rows held by a left brace; a row that does not `start` an equation
    /// goes on the one before, closer to it.
    Box braced(std::vector<Box> rows, const std::vector<bool>& starts, Level lv) const {
        const double e = em(lv);
        double height = 0.0;
        for (std::size_t i = 0; i < rows.size(); ++i)
            height += rows[i].height() + (i == 0 ? 0.0 : starts[i] ? 0.35 * e : 0.15 * e);
        const double axis = metricsOf(Face::Upright, lv).axis;
        const double top = -axis - height / 2, w = 0.45 * e;
        Box b;
        b.addShape({brace(top, top + height, w, e), style.ink, 0.0});
        double y = top;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i > 0) y += starts[i] ? 0.35 * e : 0.15 * e;
            y += rows[i].ascent;
            const double descent = rows[i].descent;
            b.place(std::move(rows[i]), {w + 0.15 * e, y});
            y += descent;
        }
        b.ascent = std::max(b.ascent, -top);
        b.descent = std::max(b.descent, top + height);
        b.breaks.clear(); // no row ends inside
        return b;
    }

    /// "{" from `top` to `bottom`, `w` wide, its point at mid height.
    static QPainterPath brace(double top, double bottom, double w, double e) {
        const double mid = (top + bottom) / 2, x = 0.5 * w, stroke = 0.07 * e;
        QPainterPath outer;
        outer.moveTo(w, top);
        outer.cubicTo(x - 0.1 * w, top, x + 0.05 * w, top + 0.1 * e, x, top + 0.3 * e);
        outer.lineTo(x, mid - 0.25 * e);
        outer.cubicTo(x, mid - 0.05 * e, 0.25 * w, mid, 0.0, mid);
        outer.cubicTo(0.25 * w, mid, x, mid + 0.05 * e, x, mid + 0.25 * e);
        outer.lineTo(x, bottom - 0.3 * e);
        outer.cubicTo(x + 0.05 * w, bottom - 0.1 * e, x - 0.1 * w, bottom, w, bottom);
        QPainterPathStroker stroker;
        stroker.setWidth(stroke);
        stroker.setCapStyle(Qt::FlatCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        return stroker.createStroke(outer).simplified();
    }

    Box sum(const Math& m, Level lv) const {
        const double space = BinarySpace * em(lv);
        Box b;
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            const Sign s = m.signAt(i);
            Box term = node(m.children()[i], lv);
            if (i == 0) {
                if (s != Sign::Plus) b.append(run(signGlyph(s), Face::Upright, lv));
                b.append(std::move(term), s != Sign::Plus ? 0.03 * em(lv) : 0.0);
            } else {
                b.append(run(signGlyph(s), Face::Upright, lv), space);
                b.breaks.push_back({b.width + space, Box::InParentheses});
                b.append(std::move(term), space);
            }
        }
        return b;
    }

    Box product(const Math& m, Level lv) const {
        const auto& factors = m.children();
        Box b;
        for (std::size_t i = 0; i < factors.size(); ++i) {
            Box f = node(factors[i], lv);
            const exact::Joint joint = i > 0 ? m.jointBefore(i) : exact::Joint::Touch;
            if (joint == exact::Joint::Times) {
                const double space = BinarySpace * em(lv);
                b.append(run(QStringLiteral("\u00D7"), Face::Upright, lv), space);
                b.breaks.push_back({b.width + space, Box::AfterTimes});
                b.append(std::move(f), space);
                continue;
            }
            b.append(std::move(f), joint == exact::Joint::Apart ? ThinSpace * em(lv) : 0.0);
        }
        return b;
    }

    double thickness(Level lv) const { return std::max(RuleThickness * em(lv), 1.0); }

    /// A box wider than the style's measure cut at its breaks into rows
    /// that are not, one under the other (the rows after the first an em
    /// in), its baseline the last row's; as it is when it cannot be cut.
    Box stacked(Box box, Level lv) const {
        const double limit = style.measure;
        if (limit <= 0.0 || box.width <= limit || box.breaks.empty()) return box;
        const double e = em(lv);
        std::vector<Box> rows;
        while (true) {
            const double room = limit - (rows.empty() ? 0.0 : e);
            if (box.width <= room) break;
            double cut = -1.0; // the latest break with room before it, else the first
            for (const Box::Break& b : box.breaks)
                if (b.at > 0.0 && b.at < box.width && b.at <= room) cut = std::max(cut, b.at);
            if (cut < 0.0)
                for (const Box::Break& b : box.breaks)
                    if (b.at > 0.0 && b.at < box.width && (cut < 0.0 || b.at < cut)) cut = b.at;
            if (cut < 0.0) break;
            auto [left, right] = box.split(cut);
            rows.push_back(std::move(left));
            box = std::move(right);
        }
        if (rows.empty()) return box;
        rows.push_back(std::move(box));
        Box out;
        double y = 0.0;
        for (std::size_t i = rows.size(); i-- > 0;) {
            if (i + 1 < rows.size()) y -= rows[i + 1].ascent + rows[i].descent + 0.2 * e;
            rows[i].breaks.clear();
            out.place(std::move(rows[i]), {i == 0 ? 0.0 : e, y});
        }
        out.breaks.clear();
        return out;
    }

    Box fraction(const Math& m, Level lv) const {
        const Level inner =
            lv.fractions == 0
                ? Level{lv.scale, 1}
                : Level{std::max(SmallestScale, lv.scale * NestedFractionScale), lv.fractions + 1};
        Box top = stacked(node(m.children()[0], inner), inner);
        Box bottom = stacked(node(m.children()[1], inner), inner);
        const double e = em(lv), t = thickness(lv), gap = 0.13 * e, pad = 0.1 * e;
        const double axis = metricsOf(Face::Upright, lv).axis;
        const double w = std::max(top.width, bottom.width) + 2 * pad;
        Box b;
        const QPointF topAt((w - top.width) / 2, -(axis + t / 2 + gap + top.descent));
        const QPointF bottomAt((w - bottom.width) / 2, -axis + t / 2 + gap + bottom.ascent);
        b.place(std::move(top), topAt);
        b.place(std::move(bottom), bottomAt);
        b.addRule({QRectF(0.4 * pad, -axis - t / 2, w - 0.8 * pad, t), style.ink});
        b.width = w;
        b.breaks.clear(); // no row ends inside
        return b;
    }

    Box power(const Math& m, Level lv) const {
        Box b = node(m.children()[0], lv);
        Box exponent = node(m.children()[1], script(lv));
        exponent.breaks.clear();
        const double e = em(lv);
        const QPointF at(b.width + 0.04 * e, -std::max(0.42 * e, b.ascent - 0.5 * exponent.ascent));
        b.place(std::move(exponent), at);
        return b;
    }

    /// The radical sign grows with its radicand; its bar runs over the whole radicand.
    Box root(const Math& m, Level lv) const {
        const Box radicand = stacked(node(m.children()[0], lv), lv);
        const double e = em(lv), t = thickness(lv);
        const double barY = -(radicand.ascent + 0.14 * e + t / 2); // the bar's centre line
        const double bottom = std::max(radicand.descent, 0.08 * e) + 0.04 * e;
        const double height = bottom - barY;
        const double signWidth = 0.55 * e + 0.08 * std::max(0.0, height - 1.2 * e);
        const double hookTop = bottom - 0.5 * std::min(height, 1.1 * e);
        QPainterPath sign;
        sign.moveTo(0.03 * e, hookTop + 0.1 * e);
        sign.lineTo(0.17 * e, hookTop);
        sign.lineTo(0.5 * signWidth + 0.05 * e, bottom);
        sign.lineTo(signWidth, barY);
        QPainterPath heavy; // the down stroke is the heavy one, as in a printed radical
        heavy.moveTo(0.17 * e, hookTop);
        heavy.lineTo(0.5 * signWidth + 0.05 * e, bottom);
        const double inside = signWidth + 0.08 * e;
        Box b;
        b.addShape({sign, style.ink, t});
        b.addShape({heavy, style.ink, 1.8 * t});
        b.place(radicand, {inside, 0.0});
        const double end = inside + radicand.width + 0.08 * e;
        b.addRule({QRectF(signWidth - t / 2, barY - t / 2, end - signWidth + t / 2, t), style.ink});
        b.width = end + 0.04 * e;
        b.ascent = std::max(b.ascent, -barY + t / 2 + 0.04 * e);
        b.descent = std::max(b.descent, bottom + t);
        b.breaks.clear(); // no row ends inside
        return b;
    }

    /// The half height of a delimiter around `content`, centred on the axis.
    double halfHeight(const Box& content, Level lv) const {
        const double axis = metricsOf(Face::Upright, lv).axis;
        return std::max(content.ascent - axis, content.descent + axis) + 0.1 * em(lv);
    }

    Box absolute(const Box& content, Level lv) const {
        const double e = em(lv), t = thickness(lv), pad = 0.1 * e;
        const double axis = metricsOf(Face::Upright, lv).axis;
        const double h = std::max(halfHeight(content, lv), 0.5 * e);
        Box b;
        b.addRule({QRectF(pad / 2, -axis - h, t, 2 * h), style.ink});
        b.place(content, {pad / 2 + t + pad, 0.0});
        b.addRule({QRectF(b.width + pad, -axis - h, t, 2 * h), style.ink});
        b.width += pad + t + pad / 2;
        b.ascent = std::max(b.ascent, axis + h);
        b.descent = std::max(b.descent, h - axis);
        b.breaks.clear(); // no row ends inside
        return b;
    }

    /// "(" drawn as a crescent `h` above and below the axis, `w` wide.
    QPainterPath parenthesis(double axis, double h, double w, double e) const {
        const double top = -axis - h, bottom = -axis + h, span = bottom - top;
        const double tip = w - 0.04 * e, belly = 0.05 * e, stroke = 0.095 * e, end = 0.04 * e;
        // A cubic whose two inner control points share an x reaches (2x0 + 6c)/8 there.
        const double outer = (8 * belly - 2 * tip) / 6;
        const double inner = (8 * (belly + stroke) - 2 * tip) / 6;
        QPainterPath path;
        path.moveTo(tip, top);
        path.cubicTo(outer, top + 0.22 * span, outer, bottom - 0.22 * span, tip, bottom);
        path.lineTo(tip, bottom - end);
        path.cubicTo(inner, bottom - 0.22 * span, inner, top + 0.22 * span, tip, top + end);
        path.closeSubpath();
        return path;
    }

    /// Parentheses around `content`: the font's own while the content is no
    /// taller than a line (a descender or a subscript included), drawn to its
    /// height when it is (a fraction, an exponent inside).
    Box fenced(const Box& content, Level lv, double* contentAt = nullptr) const {
        const Box open = run(QStringLiteral("("), Face::Upright, lv);
        const double e = em(lv), slack = 0.12 * e;
        if (content.ascent <= open.ascent + slack && content.descent <= open.descent + slack) {
            Box b = open;
            if (contentAt) *contentAt = b.width + 0.02 * e;
            b.append(content, 0.02 * e);
            b.append(run(QStringLiteral(")"), Face::Upright, lv), 0.02 * e);
            return b;
        }
        const double axis = metricsOf(Face::Upright, lv).axis;
        const double h = halfHeight(content, lv);
        const double w = std::clamp(0.22 * e + 0.08 * h, 0.36 * e, 0.6 * e);
        const QPainterPath left = parenthesis(axis, h, w, e);
        Box b;
        b.addShape({left, style.ink, 0.0});
        if (contentAt) *contentAt = w + 0.03 * e;
        b.place(content, {w + 0.03 * e, 0.0});
        const double at = b.width + 0.03 * e;
        b.addShape({QTransform(-1, 0, 0, 1, at + w, 0).map(left), style.ink, 0.0});
        b.width = at + w;
        b.ascent = std::max(b.ascent, axis + h);
        b.descent = std::max(b.descent, h - axis);
        return b;
    }

    /// Pieces with a comma between them: "A, B" or "x , y" (`before` the comma).
    Box list(const std::vector<Box>& items, double before, Level lv) const {
        Box b;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i > 0) {
                b.append(run(QStringLiteral(","), Face::Upright, lv), before);
                b.skip(0.28 * em(lv));
            }
            b.append(items[i]);
        }
        return b;
    }

    Box call(const Math& m, Level lv) const {
        std::vector<Box> arguments;
        for (const Math& a : m.children())
            arguments.push_back(node(a, lv));
        Box b = run(fromUtf8(m.text()), faceOfName(fromUtf8(m.text())), lv);
        b.append(fenced(list(arguments, 0.0, lv), lv), 0.02 * em(lv));
        b.breaks.clear(); // no row ends inside
        return b;
    }

    Box point(const Math& m, Level lv, double* secondAt = nullptr) const {
        Box b;
        if (!m.text().empty()) b = symbol(fromUtf8(m.text()), {}, lv);
        const Box second = node(m.children()[1], lv);
        const Box coordinates = list({node(m.children()[0], lv), second}, 0.18 * em(lv), lv);
        double inside = 0.0;
        const double at = b.width + (m.text().empty() ? 0.0 : 0.02 * em(lv));
        b.append(fenced(coordinates, lv, &inside), m.text().empty() ? 0.0 : 0.02 * em(lv));
        if (secondAt) *secondAt = at + inside + coordinates.width - second.width;
        b.breaks.clear(); // no row ends inside
        return b;
    }

    Box chain(const Math& m, Level lv) const {
        Box b = node(m.children()[0], lv);
        for (std::size_t i = 1; i < m.children().size(); ++i) {
            b.relations.push_back(b.width);
            b.append(relation(m.relationAt(i), lv));
            b.append(node(m.children()[i], lv));
        }
        return b;
    }

    Box relation(Rel r, Level lv) const {
        const double space = (r == Rel::Equivalent ? WideSpace : RelationSpace) * em(lv);
        Box b;
        b.skip(space);
        b.append(run(relationGlyph(r), Face::Upright, lv));
        b.skip(space);
        return b;
    }
};

Typesetter::Typesetter(Style style)
    : d(std::make_unique<Private>()) {
    d->style = std::move(style);
}

Typesetter::~Typesetter() = default;
Typesetter::Typesetter(Typesetter&&) noexcept = default;
Typesetter& Typesetter::operator=(Typesetter&&) noexcept = default;

const Style& Typesetter::style() const {
    return d->style;
}

Box Typesetter::layout(const Math& math) const {
    return d->node(exact::writing::written(math, d->style.separator.toStdString()), {});
}

Box Typesetter::braced(const std::vector<Box>& rows, const std::vector<bool>& starts) const {
    return d->braced(rows, starts, {});
}

Box Typesetter::relation(Rel relation) const {
    return d->relation(relation, {});
}

std::pair<Box, Box> Typesetter::pointHalves(const Math& point) const {
    const Math written = exact::writing::written(point, d->style.separator.toStdString());
    double at = 0.0;
    const Box whole = d->point(written, {}, &at);
    return whole.split(at);
}

Box Typesetter::sign(Sign sign, bool leading) const {
    const Level lv{};
    Box b;
    const double space = BinarySpace * d->em(lv);
    if (!leading) b.skip(space);
    b.append(d->run(signGlyph(sign), Face::Upright, lv));
    b.skip(leading ? 0.03 * d->em(lv) : space);
    return b;
}

Box Typesetter::prose(const QString& text, double scale, bool bold) const {
    return d->run(text, bold ? Face::TextBold : Face::Text, {scale, 0}, d->style.ink);
}

double Typesetter::proseSpace() const {
    return d->run(QStringLiteral(" "), Face::Text, {}, d->style.ink).width;
}

double Typesetter::proseAscent(double scale) const {
    const FaceMeasures& face = *d->faceFor(Face::Text, QStringLiteral("x")).first;
    return face.reference().ascent() * d->pixels({scale, 0}) / ReferencePixels;
}

double Typesetter::proseDescent(double scale) const {
    const FaceMeasures& face = *d->faceFor(Face::Text, QStringLiteral("x")).first;
    return face.reference().descent() * d->pixels({scale, 0}) / ReferencePixels;
}

} // namespace Typeset
