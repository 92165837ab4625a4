#include "solutionlayout.h"

#include "textrules.h"

#include <QPainter>
#include <algorithm>
#include <optional>

using Typeset::Box;
using Typeset::Typesetter;
using Kind = exact::Math::Kind;

namespace {

// Proportions of the body size.
constexpr double TitleScale = 1.15;
constexpr double Leading = 0.3;        ///< between two rows of one paragraph or chain
constexpr double LineGap = 0.45;       ///< between two lines of mathematics
constexpr double SentenceGap = 0.4;    ///< between a sentence and its mathematics
constexpr double StepGap = 0.95;       ///< between two steps
constexpr double MathIndent = 1.2;     ///< the mathematics under its sentence
constexpr double NumberGap = 0.45;     ///< between a step's number and its sentence
constexpr double OverflowIndent = 1.5; ///< a continuation row that cannot stay aligned

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

/// Stacks rows of boxes into a block, each row on its own baseline.
class Stack {
public:
    Stack(double strutAscent, double strutDescent)
        : m_ascent(strutAscent)
        , m_descent(strutDescent) {}

    /// Adds a row with its left end at `x`, `gap` below the previous one.
    void add(Box row, double x, double gap) {
        if (m_rows > 0) m_bottom += gap;
        const double baseline = m_bottom + std::max(row.ascent, m_ascent);
        const double descent = row.descent;
        m_box.place(std::move(row), {x, baseline});
        m_bottom = baseline + std::max(descent, m_descent);
        if (m_rows == 0) m_firstBaseline = baseline;
        ++m_rows;
    }
    Box& box() { return m_box; }
    double bottom() const { return m_bottom; }
    double firstBaseline() const { return m_firstBaseline; }

private:
    Box m_box;
    double m_ascent, m_descent;
    double m_bottom = 0.0;
    double m_firstBaseline = 0.0;
    int m_rows = 0;
};

// --- lines of mathematics broken to fit

/// A piece of a line of mathematics that is never broken, and whether a
/// row may start with it: before a relation of the line (level 0), before a
/// relation inside one of its members (level 1), after the sign of a term
/// (level 2). The outer relations are the ones that line up.
struct Piece {
    Box box;
    int level = -1; ///< -1: no row starts with it
    bool outer = false;
};

constexpr int NoBreak = -1;

/// A piece cut where a row may end inside it (after a "×", after a sign in
/// parentheses): its first part keeps `level`, the others start rows at the
/// level of their break.
void addCut(std::vector<Piece>& out, Box box, int level) {
    std::vector<Box::Break> breaks = box.breaks;
    std::sort(breaks.begin(), breaks.end(),
              [](const Box::Break& a, const Box::Break& b) { return a.at < b.at; });
    double done = 0.0;
    int at = level;
    for (const Box::Break& b : breaks) {
        if (b.at <= done || b.at - done >= box.width) continue;
        auto [left, right] = box.split(b.at - done);
        left.breaks.clear();
        out.push_back({std::move(left), at});
        box = std::move(right);
        done = b.at;
        at = b.level;
    }
    box.breaks.clear();
    out.push_back({std::move(box), at});
}

/// The terms of a sum with their signs, a row allowed to start after each
/// sign; anything else whole.
void addTerms(std::vector<Piece>& out, const exact::Math& m, const Typesetter& ts, int level) {
    if (m.kind() == Kind::Point) { // a row may break after its comma
        auto [left, right] = ts.pointHalves(m);
        out.push_back({std::move(left), level});
        out.push_back({std::move(right), 2});
        return;
    }
    if (m.kind() != Kind::Sum || m.children().size() < 2) {
        addCut(out, ts.layout(m), level);
        return;
    }
    for (std::size_t i = 0; i < m.children().size(); ++i) {
        const exact::Sign s = m.signAt(i);
        Box term = ts.layout(m.children()[i]);
        if (i == 0) {
            Box first;
            if (s != exact::Sign::Plus) first = ts.sign(s, true);
            first.append(std::move(term));
            addCut(out, std::move(first), level);
        } else {
            out.push_back({ts.sign(s, false), NoBreak});
            addCut(out, std::move(term), 2);
        }
    }
}

/// A member of a line: an equation breaks before its relations, each side
/// after the signs of its terms.
void addMember(std::vector<Piece>& out, const exact::Math& m, const Typesetter& ts, int level) {
    if (m.kind() != Kind::Chain) return addTerms(out, m, ts, level);
    for (std::size_t i = 0; i < m.children().size(); ++i) {
        if (i > 0) out.push_back({ts.relation(m.relationAt(i)), 1});
        addTerms(out, m.children()[i], ts, i == 0 ? level : NoBreak);
    }
}

/// A line of mathematics as its pieces.
std::vector<Piece> linePieces(const exact::Math& line, const Typesetter& ts) {
    std::vector<Piece> out;
    if (line.kind() != Kind::Chain || line.children().size() < 2) {
        addMember(out, line, ts, NoBreak);
        return out;
    }
    addMember(out, line.children()[0], ts, NoBreak);
    for (std::size_t i = 1; i < line.children().size(); ++i) {
        out.push_back({ts.relation(line.relationAt(i)), 0, true});
        addMember(out, line.children()[i], ts, NoBreak);
    }
    return out;
}

double widthOf(const std::vector<Piece>& pieces, std::size_t from, std::size_t to) {
    double w = 0.0;
    for (std::size_t i = from; i < to; ++i)
        w += pieces[i].box.width;
    return w;
}

/// Where a line's rows go: from the left edge of the first row, where the
/// rows that start at a relation of the line start, and where those that
/// start inside a member start.
struct Margins {
    double first, relation, inside;
};

/// The row to break before: the latest start of the lowest level after
/// `from` up to `to` (the first piece that does not fit) that leaves the row
/// at least a third of the room, else the latest start of any level; `to`
/// when there is none.
std::size_t breakBefore(const std::vector<Piece>& pieces, std::size_t from, std::size_t to,
                        double room, std::size_t earliest) {
    std::size_t best = to, latest = to;
    int bestLevel = Box::InParentheses;
    const std::size_t last = std::min(to + 1, pieces.size()); // `to` itself: the row ends full
    for (std::size_t i = std::max(from + 1, earliest); i < last; ++i) {
        if (pieces[i].level < 0) continue;
        latest = i;
        if (widthOf(pieces, from, i) >= room / 3 && pieces[i].level <= bestLevel) {
            best = i;
            bestLevel = pieces[i].level;
        }
    }
    return best != to ? best : latest;
}

/// The pieces in rows of at most `width`: rows that start at a relation
/// of the line start at `m.relation`, those that start inside a member at
/// `m.inside`; no row starts before the piece `earliest` (the first member
/// and its relation are never left alone). A piece wider than the room
/// stays whole.
std::vector<Box> brokenRows(std::vector<Piece> pieces, const Margins& m, double width,
                            std::size_t earliest = 0) {
    std::vector<Box> rows;
    std::size_t from = 0;
    double start = m.first;
    while (from < pieces.size()) {
        double x = start;
        std::size_t to = from;
        while (to < pieces.size() && (to == from || x + pieces[to].box.width <= width))
            x += pieces[to++].box.width;
        if (to < pieces.size()) {
            const std::size_t at = breakBefore(pieces, from, to, width - start, earliest);
            if (at != to || (pieces[to].level >= 0 && to >= earliest)) {
                to = at;
            } else { // no start in this row: the row runs on to the next start
                while (to < pieces.size() && (pieces[to].level < 0 || to < earliest))
                    ++to;
            }
        }
        Box row;
        x = start;
        for (std::size_t i = from; i < to; ++i) {
            const double w = pieces[i].box.width;
            row.place(std::move(pieces[i].box), {x, 0.0});
            x += w;
        }
        rows.push_back(std::move(row));
        if (to < pieces.size()) start = pieces[to].outer ? m.relation : m.inside;
        from = to;
    }
    return rows;
}

double widest(const std::vector<Box>& rows) {
    double w = 0.0;
    for (const Box& row : rows)
        w = std::max(w, row.width);
    return w;
}

/// `rows` of what `make` lays out with a typesetter, set smaller (at most
/// by half) when a piece that cannot break is wider than `width`: a
/// fraction whose numerator alone is wider than the page.
template <typename Make>
std::vector<Box> fitted(const Typesetter& ts, double width, Make make) {
    std::vector<Box> rows = make(ts);
    for (double scale = 1.0; widest(rows) > width && scale > 0.5;) {
        scale = std::max(0.5, scale * width / widest(rows) * 0.98);
        Typeset::Style smaller = ts.style();
        smaller.size = ts.style().size * scale;
        rows = make(Typesetter(smaller));
    }
    return rows;
}

/// The unbreakable pieces of a sentence: its words, and its mathematics with
/// whatever touches it ("{M}." stays one piece). A formula alone wider than
/// `width` is set as a line of mathematics, broken where it must.
std::vector<Box> pieces(const exact::Math& sentence, const Typesetter& ts, double scale, bool bold,
                        double width) {
    std::vector<Box> out;
    Box current;
    bool open = false;
    const auto flush = [&] {
        if (open) out.push_back(std::move(current));
        current = Box();
        open = false;
    };
    const std::vector<exact::Math> parts =
        sentence.kind() == Kind::Row ? sentence.children() : std::vector{sentence};
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const exact::Math& part = parts[k];
        if (part.kind() != Kind::Words) {
            Box math = ts.layout(part);
            double tail = 0.0; // the word that touches it after: "{M}."
            if (k + 1 < parts.size() && parts[k + 1].kind() == Kind::Words) {
                const QString next = fromUtf8(parts[k + 1].text());
                if (!next.isEmpty() && next.front() != QLatin1Char(' '))
                    tail = ts.prose(next.section(QLatin1Char(' '), 0, 0), scale, bold).width;
            }
            if (current.width + math.width + tail > width) {
                flush();
                const double room = std::max(width - tail, width / 2);
                std::vector<Box> rows = fitted(ts, room, [&](const Typesetter& t) {
                    const double indent = OverflowIndent * t.style().size;
                    return brokenRows(linePieces(part, t), {0.0, indent, indent}, room);
                });
                for (std::size_t r = 0; r + 1 < rows.size(); ++r)
                    out.push_back(std::move(rows[r]));
                current = std::move(rows.back()); // what touches it goes on its last row
                open = true;
                continue;
            }
            current.append(std::move(math));
            open = true;
            continue;
        }
        const QStringList words = fromUtf8(part.text()).split(QLatin1Char(' '));
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (i > 0) flush();
            if (words[i].isEmpty()) continue;
            current.append(ts.prose(words[i], scale, bold));
            open = true;
        }
    }
    flush();
    return out;
}

/// Fills rows of at most `width` with the pieces, a blank between two.
std::vector<Box> wrapped(std::vector<Box> words, double width, double blank) {
    std::vector<Box> rows(1);
    for (Box& word : words) {
        Box& row = rows.back();
        if (row.width > 0 && row.width + blank + word.width > width) rows.emplace_back();
        const double gap = rows.back().width > 0 ? blank : 0.0;
        rows.back().append(std::move(word), gap);
    }
    return rows;
}

/// The rows of a line of mathematics, each with its left end at the edge:
/// the line starts at `indent`, or with its first relation at `column`
/// where its first member fits before it and the rest of its first row
/// after; rows that go on start at the line's relation column when the
/// rest fits there, else one indent in. A system too wide for the room has
/// each of its equations broken inside the brace. `relation` gets where the
/// line's first relation went (no relation: nothing).
std::vector<Box> lineRows(const exact::Math& line, const Typesetter& ts, double indent,
                          double column, double width, std::optional<double>& relation) {
    const double em = ts.style().size;
    if (line.kind() == Kind::System) {
        Box whole = ts.layout(line);
        std::vector<Box> rows;
        if (indent + whole.width > width) {
            const double inside = width - indent - 0.6 * em; // what the brace leaves
            std::vector<Box> parts;
            std::vector<bool> starts;
            for (const exact::Math& equation : line.children()) {
                const Margins m{0.0, OverflowIndent * em, 2 * OverflowIndent * em};
                bool first = true;
                for (Box& row : brokenRows(linePieces(equation, ts), m, inside)) {
                    parts.push_back(std::move(row));
                    starts.push_back(first);
                    first = false;
                }
            }
            whole = ts.braced(parts, starts);
        }
        rows.emplace_back().place(std::move(whole), {indent, 0.0});
        return rows;
    }
    std::vector<Piece> pieces = linePieces(line, ts);
    const auto firstOuter =
        std::find_if(pieces.begin(), pieces.end(), [](const Piece& p) { return p.outer; });
    Margins m{indent, indent + OverflowIndent * em, indent + 2 * OverflowIndent * em};
    std::size_t earliest = 0;
    if (firstOuter != pieces.end()) {
        const std::size_t first = std::size_t(firstOuter - pieces.begin());
        const double lhs = widthOf(pieces, 0, first);
        double at = std::max(column, indent + lhs);
        // Lined up with the other lines only while its first row still fits.
        const std::size_t firstRow = std::min(pieces.size(), first + 2);
        if (at - lhs + widthOf(pieces, 0, firstRow) > width) at = indent + lhs;
        // Rows that go on start with their relation under the first one
        // while every member has room there; else one indent in.
        double widest = 0.0;
        for (auto p = firstOuter; p != pieces.end();) {
            const auto next =
                std::find_if(p + 1, pieces.end(), [](const Piece& q) { return q.outer; });
            widest = std::max(widest, widthOf(pieces, std::size_t(p - pieces.begin()),
                                              std::size_t(next - pieces.begin())));
            p = next;
        }
        const double aligned = at + widest <= width ? at : m.relation;
        relation = at;
        m = {at - lhs, aligned, aligned + firstOuter->box.width + em};
        // A short first member is never left alone on its row (I⏎= …).
        if (first + 1 < pieces.size() && lhs < 0.3 * (width - indent) &&
            at - lhs + widthOf(pieces, 0, first + 2) <= width)
            earliest = first + 2;
    }
    return brokenRows(std::move(pieces), m, width, earliest);
}

/// Whether a line is a chain of equations joined by ⇔.
bool isEquivalence(const exact::Math& line) {
    return line.kind() == Kind::Chain && line.children().size() > 1 &&
           line.relationAt(1) == exact::Rel::Equivalent;
}

/// Whether a step's chains are some of ⇔ and some of other relations.
bool mixedChains(const std::vector<exact::Math>& lines) {
    bool equivalences = false, others = false;
    for (const exact::Math& line : lines) {
        if (line.kind() != Kind::Chain || line.children().size() < 2) continue;
        (isEquivalence(line) ? equivalences : others) = true;
    }
    return equivalences && others;
}

/// The lines of mathematics of a step (lineRows), stacked. Returns where
/// each chain's first relation went.
std::vector<double> placeLines(Stack& stack, const std::vector<exact::Math>& lines,
                               const Typesetter& ts, double indent, double column, double width,
                               double em) {
    std::vector<double> relations;
    const bool mixed = mixedChains(lines);
    for (std::size_t l = 0; l < lines.size(); ++l) {
        std::optional<double> relation;
        std::vector<Box> rows = fitted(ts, width, [&](const Typesetter& t) {
            relation.reset();
            // Set smaller, the line keeps to itself.
            const bool whole = &t == &ts;
            const bool aligned = whole && !(mixed && isEquivalence(lines[l]));
            return lineRows(lines[l], t, indent, aligned ? column : indent, width, relation);
        });
        if (relation) relations.push_back(*relation);
        bool firstRow = true;
        for (Box& row : rows) {
            stack.add(std::move(row), 0.0,
                      firstRow ? (l == 0 ? SentenceGap : LineGap) * em : Leading * em);
            firstRow = false;
        }
    }
    return relations;
}

} // namespace

SolutionLayout::SolutionLayout(const exact::Solution& solution, double width,
                               const Typeset::Style& style, const exact::SentenceTable& table) {
    // A numerator or a radicand goes on in rows where it would leave a line
    // no room beside it.
    Typeset::Style measured = style;
    measured.measure = std::max(width - 6 * style.size, 6 * style.size);
    const Typesetter ts(measured);
    Typeset::Style large = style;
    large.size = style.size * TitleScale;
    const Typesetter titleSetter(large);
    const double em = style.size;
    m_width = width;
    m_stepGap = StepGap * em;

    // 1. The title, in the accent colour, over a rule.
    {
        Stack stack(titleSetter.proseAscent(), titleSetter.proseDescent());
        auto rows = wrapped(pieces(exact::title(solution, table), titleSetter, 1.0, true, width),
                            width, titleSetter.proseSpace());
        for (Box& row : rows)
            stack.add(std::move(row), 0.0, Leading * em);
        stack.box().recolour(style.accent);
        const double rule = stack.bottom() + 0.35 * em;
        stack.box().addRule({QRectF(0.0, rule, width, std::max(1.0, 0.06 * em)), style.accent});
        m_title.box = std::move(stack.box());
        m_title.height = rule + 0.06 * em;
        m_width = std::max(m_width, m_title.box.width);
    }

    // 2. The steps, numbered in a column of their own.
    const QString widest = QString(QString::number(solution.steps.size()).size(), QLatin1Char('0'));
    const double column = ts.prose(widest + QLatin1Char('.'), 1.0, true).width + NumberGap * em;
    double top = m_title.height + StepGap * em;
    for (std::size_t i = 0; i < solution.steps.size(); ++i) {
        const exact::Step& step = solution.steps[i];
        Stack stack(ts.proseAscent(), ts.proseDescent());
        const double room = std::max(width - column, em);
        auto rows = wrapped(pieces(exact::sentence(step, table), ts, 1.0, false, room), room,
                            ts.proseSpace());
        for (Box& row : rows)
            stack.add(std::move(row), column, Leading * em);
        Box number = ts.prose(QString::number(i + 1) + QLatin1Char('.'), 1.0, true);
        number.recolour(style.accent);
        stack.box().place(number, {column - NumberGap * em - number.width, stack.firstBaseline()});

        const double indent = column + MathIndent * em;
        double lhs = 0.0;
        // Chains of ⇔ line up with chains of = only when all of the step's
        // chains are of ⇔ (M = …, PQ⃗ = … and then an equation solved).
        const bool mixed = mixedChains(step.lines);
        for (const exact::Math& line : step.lines) {
            // The relations line up where each first member still fits beside them.
            if (line.kind() != Kind::Chain || line.children().size() < 2) continue;
            if (mixed && isEquivalence(line)) continue;
            const double first = ts.layout(line.children()[0]).width;
            const double next =
                ts.relation(line.relationAt(1)).width + ts.layout(line.children()[1]).width;
            if (indent + first + next <= width) lhs = std::max(lhs, first);
        }
        Block block;
        block.relations = placeLines(stack, step.lines, ts, indent, indent + lhs, width, em);
        block.box = std::move(stack.box());
        block.top = top;
        block.height = stack.bottom();
        m_width = std::max(m_width, block.box.width);
        top += block.height + StepGap * em;
        m_steps.push_back(std::move(block));
    }
}

SolutionLayout SolutionLayout::message(const QString& text, double width,
                                       const Typeset::Style& style) {
    const Typesetter ts(style);
    SolutionLayout layout;
    Stack stack(ts.proseAscent(), ts.proseDescent());
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        std::vector<Box> words;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            words.push_back(ts.prose(word));
        for (Box& row : wrapped(std::move(words), width, ts.proseSpace()))
            stack.add(std::move(row), 0.0, Leading * style.size);
    }
    stack.box().recolour(style.faint);
    layout.m_title.box = std::move(stack.box());
    layout.m_title.height = stack.bottom();
    layout.m_width = std::max(width, layout.m_title.box.width);
    return layout;
}

double SolutionLayout::height(int shown) const {
    const int n = std::clamp(shown, 0, stepCount());
    if (n == 0) return m_title.height;
    const Block& last = m_steps[std::size_t(n - 1)];
    return last.top + last.height;
}

QRectF SolutionLayout::titleRect() const {
    return {0.0, 0.0, m_width, m_title.height};
}

QRectF SolutionLayout::stepRect(int step) const {
    const Block& b = m_steps.at(std::size_t(step));
    return {0.0, b.top, m_width, b.height};
}

const std::vector<double>& SolutionLayout::alignedRelations(int step) const {
    return m_steps.at(std::size_t(step)).relations;
}

void SolutionLayout::paint(QPainter& painter, QPointF origin, int shown,
                           const QRectF& visible) const {
    const auto seen = [&](const QRectF& r) {
        return visible.isNull() || visible.intersects(r.translated(origin).adjusted(0, -4, 0, 4));
    };
    if (seen(titleRect())) paintTitle(painter, origin);
    const int n = std::clamp(shown, 0, stepCount());
    for (int i = 0; i < n; ++i)
        if (seen(stepRect(i)))
            paintStep(painter, origin + QPointF(0.0, m_steps[std::size_t(i)].top), i);
}

void SolutionLayout::paintTitle(QPainter& painter, QPointF at) const {
    m_title.box.paint(painter, at);
}

void SolutionLayout::paintStep(QPainter& painter, QPointF at, int step) const {
    m_steps.at(std::size_t(step)).box.paint(painter, at);
}

Typeset::Style solutionStyle(double size) {
    Typeset::Style style;
    style.size = size;
    style.separator = TextRules::localSeparator();
    return style;
}

QImage solutionImage(const exact::Solution& solution, const Typeset::Style& style, double width,
                     double pixelRatio) {
    const double margin = style.size;
    const SolutionLayout layout(solution, width - 2 * margin, style);
    const QSizeF size(layout.width() + 2 * margin, layout.height(layout.stepCount()) + 2 * margin);
    QImage image((size * pixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    layout.paint(painter, {margin, margin}, layout.stepCount());
    return image;
}
