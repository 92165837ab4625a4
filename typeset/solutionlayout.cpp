#include "solutionlayout.h"

#include "textrules.h"

#include <QPainter>
#include <algorithm>

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

/// The unbreakable pieces of a sentence: its words, and its mathematics with
/// whatever touches it ("{M}." stays one piece).
std::vector<Box> pieces(const exact::Math& sentence, const Typesetter& ts, double scale,
                        bool bold) {
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
    for (const exact::Math& part : parts) {
        if (part.kind() != Kind::Words) {
            current.append(ts.layout(part));
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

/// A chain's first member, and each later member with the relation before it.
struct ChainParts {
    Box first;
    std::vector<std::pair<Box, Box>> rest;
};

ChainParts chainParts(const exact::Math& line, const Typesetter& ts) {
    if (line.kind() != Kind::Chain || line.children().size() < 2) return {ts.layout(line), {}};
    ChainParts parts{ts.layout(line.children()[0]), {}};
    for (std::size_t i = 1; i < line.children().size(); ++i)
        parts.rest.emplace_back(ts.relation(line.relationAt(i)), ts.layout(line.children()[i]));
    return parts;
}

/// The lines of mathematics of a step, their first relations at `column`.
/// Returns where each chain's first relation went.
std::vector<double> placeLines(Stack& stack, std::vector<ChainParts> lines, double indent,
                               double column, double width, double em) {
    std::vector<double> relations;
    for (std::size_t l = 0; l < lines.size(); ++l) {
        ChainParts& line = lines[l];
        const double gap = (l == 0 ? SentenceGap : LineGap) * em;
        if (line.rest.empty()) {
            stack.add(std::move(line.first), indent, gap);
            continue;
        }
        const double lhs = line.first.width;
        const double at = std::max(column, indent + lhs); // a first member left out of the column
        relations.push_back(at);
        Box row;
        row.place(std::move(line.first), {at - lhs, 0.0});
        double x = at;
        bool firstRow = true;
        for (auto& [relation, member] : line.rest) {
            if (x + relation.width + member.width > width) { // the row holds something already
                stack.add(std::move(row), 0.0, firstRow ? gap : Leading * em);
                firstRow = false;
                row = Box();
                // Aligned if it fits there; else as far right as it fits.
                x = std::max(std::min(at, width - relation.width - member.width),
                             indent + OverflowIndent * em);
            }
            const double advance = relation.width + member.width;
            row.place(std::move(relation), {x, 0.0});
            row.place(std::move(member), {x + advance - member.width, 0.0});
            x += advance;
        }
        stack.add(std::move(row), 0.0, firstRow ? gap : Leading * em);
    }
    return relations;
}

} // namespace

SolutionLayout::SolutionLayout(const exact::Solution& solution, double width,
                               const Typeset::Style& style, const exact::SentenceTable& table) {
    const Typesetter ts(style);
    Typeset::Style large = style;
    large.size = style.size * TitleScale;
    const Typesetter titleSetter(large);
    const double em = style.size;
    m_width = width;
    m_stepGap = StepGap * em;

    // 1. The title, in the accent colour, over a rule.
    {
        Stack stack(titleSetter.proseAscent(), titleSetter.proseDescent());
        auto rows = wrapped(pieces(exact::title(solution, table), titleSetter, 1.0, true), width,
                            titleSetter.proseSpace());
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
        auto rows = wrapped(pieces(exact::sentence(step, table), ts, 1.0, false),
                            std::max(width - column, em), ts.proseSpace());
        for (Box& row : rows)
            stack.add(std::move(row), column, Leading * em);
        Box number = ts.prose(QString::number(i + 1) + QLatin1Char('.'), 1.0, true);
        number.recolour(style.accent);
        stack.box().place(number, {column - NumberGap * em - number.width, stack.firstBaseline()});

        std::vector<ChainParts> lines;
        double lhs = 0.0;
        const double indent = column + MathIndent * em;
        for (const exact::Math& line : step.lines) {
            lines.push_back(chainParts(line, ts));
            // The relations line up where each first member still fits beside them.
            const ChainParts& parts = lines.back();
            if (!parts.rest.empty() && indent + parts.first.width + parts.rest.front().first.width +
                                               parts.rest.front().second.width <=
                                           width)
                lhs = std::max(lhs, parts.first.width);
        }
        Block block;
        block.relations = placeLines(stack, std::move(lines), indent, indent + lhs, width, em);
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
