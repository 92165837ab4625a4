#include "pagerenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace Help {
namespace {

// --- typography ---------------------------------------------------------------
const QString Serif = QStringLiteral("DejaVu Serif");
const QString Sans = QStringLiteral("DejaVu Sans");
const QColor Ink{0x22, 0x22, 0x22};
const QColor Accent{0x1d, 0x3a, 0x9e};
const QColor Faint{0x80, 0x80, 0x80};
const QColor Rule{0x00, 0x00, 0xff};

constexpr double Margin = 30.0;
constexpr double HeaderY = 20.0;
constexpr double TitleTop = 30.0;
constexpr double TitleHeight = 30.0;
constexpr double RuleY = TitleTop + TitleHeight + 6.0;
constexpr double TextTop = RuleY + 10.0;
constexpr double FooterHeight = 34.0;
constexpr int MinimumEntryGap = 24;
constexpr int MaximumEntryGap = 40;

const char* StyleSheet = R"(
p { margin-top: 0px; margin-bottom: 6px; line-height: 118%; }
.h { margin-top: 9px; margin-bottom: 3px; font-family: 'DejaVu Sans'; font-size: 13px;
     font-weight: bold; color: #1d3a9e; }
.code { font-family: 'DejaVu Sans Mono'; font-size: 11px; color: #0b2f78; }
.ex { font-family: 'DejaVu Sans Mono'; font-size: 12px; color: #0b2f78; }
.list { font-family: 'DejaVu Sans Mono'; font-size: 12px; font-weight: bold; color: #0b2f78; }
.brief { font-size: 11px; color: #444444; }
.entry { font-family: 'DejaVu Sans Mono'; font-size: 15px; font-weight: bold; color: #0000ff; }
.what { font-size: 12px; font-style: italic; color: #444444; }
.note { font-size: 10px; font-style: italic; color: #666666; }
.err { color: #c00000; }
.odd { color: #a04d00; }
.sig { font-family: 'DejaVu Sans'; font-size: 12px; color: #1d3a9e; }
)";

QFont font(const QString& family, int pixels, bool bold = false) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

/// `code` and **bold** spans of running text, everything else escaped.
QString inlineHtml(const QString& text) {
    static const QRegularExpression code(QStringLiteral("`([^`]*)`"));
    static const QRegularExpression bold(QStringLiteral("\\*\\*([^*]+)\\*\\*"));
    QString html = text.toHtmlEscaped();
    html.replace(code, QStringLiteral("<span class=\"code\">\\1</span>"));
    html.replace(bold, QStringLiteral("<b>\\1</b>"));
    return html;
}

/// Display mathematics: ^{…} raised, _{…} lowered, one line per '\n'.
QString mathHtml(const QString& text) {
    static const QRegularExpression sup(QStringLiteral("\\^\\{([^}]*)\\}"));
    static const QRegularExpression sub(QStringLiteral("_\\{([^}]*)\\}"));
    QString html = text.toHtmlEscaped();
    html.replace(sup, QStringLiteral("<sup>\\1</sup>"));
    html.replace(sub, QStringLiteral("<sub>\\1</sub>"));
    return html.replace('\n', QStringLiteral("<br>"));
}

QString displayBox(const QString& inner, const QString& style) {
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"5\" "
                          "bgcolor=\"#eef2fb\" style=\"margin-top:1px; margin-bottom:7px;\">"
                          "<tr><td align=\"center\" style=\"%1\">%2</td></tr></table>")
        .arg(style, inner);
}

QString exampleCells(const Example& example) {
    const QString expression = example.expression.toHtmlEscaped();
    QString sign = QStringLiteral("="), shown = example.shown.toHtmlEscaped();
    switch (example.verdict) {
    case Verdict::Value:
        break;
    case Verdict::Misread:
        shown = QStringLiteral("<span class=\"odd\">%1</span>").arg(shown);
        break;
    case Verdict::Error:
        sign = QStringLiteral("→");
        shown = QStringLiteral("<span class=\"err\">%1</span>")
                    .arg(QCoreApplication::translate("Help", "erro: %1").arg(shown));
        break;
    case Verdict::Draw:
        sign = QStringLiteral("→");
        shown = QStringLiteral("<i>%1</i>").arg(shown);
        break;
    }
    if (!example.note.isEmpty())
        shown +=
            QStringLiteral(" <span class=\"note\">— %1</span>").arg(example.note.toHtmlEscaped());
    return QStringLiteral("<td style=\"white-space:pre;\"><span class=\"ex\">%1</span></td>"
                          "<td align=\"center\">&nbsp;%2&nbsp;</td><td>%3</td>")
        .arg(expression, sign, shown);
}

QString examplesHtml(const std::vector<Example>& rows) {
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" "
                                  "style=\"margin-left:14px; margin-bottom:8px;\">");
    for (const Example& example : rows)
        html += QStringLiteral("<tr>") + exampleCells(example) + QStringLiteral("</tr>");
    return html + QStringLiteral("</table>");
}

QString columnCell(const QString& row) {
    const QStringList parts = row.split('|');
    return QStringLiteral("<td><span class=\"list\">%1</span></td>"
                          "<td align=\"right\"><span class=\"brief\">%2</span></td>"
                          "<td width=\"22\"></td>")
        .arg(parts.value(0).toHtmlEscaped(), parts.value(1).toHtmlEscaped());
}

/// Three columns of "name|page" rows, read down the left one first.
QString columnsHtml(const QStringList& rows) {
    constexpr qsizetype Columns = 3;
    const qsizetype height = (rows.size() + Columns - 1) / Columns;
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\" "
                                  "style=\"margin-top:6px;\">");
    for (qsizetype i = 0; i < height; ++i) {
        html += QStringLiteral("<tr>");
        for (qsizetype c = 0; c < Columns; ++c)
            html += i + c * height < rows.size() ? columnCell(rows[i + c * height]) : QString();
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString bulletsHtml(const QStringList& items) {
    QString html = QStringLiteral("<ul style=\"margin-top:0px; margin-bottom:6px; "
                                  "-qt-list-indent:1;\">");
    for (const QString& item : items)
        html += QStringLiteral("<li style=\"margin-bottom:2px;\">") + inlineHtml(item) +
                QStringLiteral("</li>");
    return html + QStringLiteral("</ul>");
}

QString signatureHtml(const QStringList& lines) {
    QString html;
    for (const QString& line : lines)
        html += QStringLiteral("<p align=\"center\" class=\"sig\">") + line.toHtmlEscaped() +
                QStringLiteral("</p>");
    return QStringLiteral("<p>&nbsp;</p>") + html;
}

/// `gap` is the room above a function entry, its separating rule included.
QString entryHtml(const Block& block, int gap) {
    const QString rule =
        gap > 0 ? QStringLiteral("<hr style=\"margin-top:%1px;\">").arg(gap / 2) : QString();
    return rule + QStringLiteral("<p style=\"margin-top:%1px; margin-bottom:5px;\">"
                                 "<span class=\"entry\">%2</span>&nbsp;&nbsp;&nbsp;"
                                 "<span class=\"what\">%3</span></p>")
                      .arg(gap > 0 ? gap / 2 : 2)
                      .arg(block.text.toHtmlEscaped(), block.items.value(0).toHtmlEscaped());
}

QString blockHtml(const Block& block) {
    switch (block.kind) {
    case BlockKind::Heading:
        return QStringLiteral("<p class=\"h\">%1</p>").arg(inlineHtml(block.text));
    case BlockKind::Paragraph:
        return QStringLiteral("<p>%1</p>").arg(inlineHtml(block.text));
    case BlockKind::Formula:
        return displayBox(mathHtml(block.text),
                          QStringLiteral("font-family:'DejaVu Serif'; font-size:13px;"));
    case BlockKind::Typed:
        return displayBox(block.text.toHtmlEscaped()
                              .replace(' ', QStringLiteral("&nbsp;"))
                              .replace('\n', QStringLiteral("<br>")),
                          QStringLiteral("font-family:'DejaVu Sans Mono'; font-size:12px;"));
    case BlockKind::Bullets:
        return bulletsHtml(block.items);
    case BlockKind::Examples:
        return examplesHtml(block.examples);
    case BlockKind::Entry:
        return entryHtml(block, 0);
    case BlockKind::Columns:
        return columnsHtml(block.items);
    case BlockKind::Signature:
        return signatureHtml(block.items);
    }
    return {};
}

} // namespace

QString pageHtml(const Page& page, int entryGap) {
    QString html;
    bool first = true;
    for (const Block& block : page.blocks) {
        const bool entry = block.kind == BlockKind::Entry;
        html += entry ? entryHtml(block, first ? 0 : entryGap) : blockHtml(block);
        first = first && !entry;
    }
    return html;
}

PageRenderer::PageRenderer(const Book& book, int index)
    : m_book(book)
    , m_index(index)
    , m_text(std::make_unique<QTextDocument>()) {
    m_text->setDocumentMargin(0);
    m_text->setDefaultFont(font(Serif, 12));
    m_text->setDefaultStyleSheet(QString::fromLatin1(StyleSheet));
    layOut(MinimumEntryGap);
    spreadEntries();
}

void PageRenderer::layOut(int entryGap) {
    m_text->setHtml(pageHtml(m_book.pages.at(std::size_t(m_index)), entryGap));
    m_text->setTextWidth(textArea().width());
}

/// Function entries share the room left on their page, like the sections
/// of a printed sheet, up to a generous gap.
void PageRenderer::spreadEntries() {
    const auto& blocks = m_book.pages.at(std::size_t(m_index)).blocks;
    const auto entries = std::count_if(blocks.begin(), blocks.end(), [](const Block& block) {
        return block.kind == BlockKind::Entry;
    });
    const double slack = textArea().height() - textHeight();
    if (entries < 2 || slack <= 0) return;
    layOut(MinimumEntryGap + int(std::min(slack / double(entries), double(MaximumEntryGap))));
}

PageRenderer::~PageRenderer() = default;

QRectF PageRenderer::textArea() const {
    return {Margin, TextTop, Width - 2 * Margin, Height - TextTop - FooterHeight};
}

double PageRenderer::textHeight() const {
    return m_text->size().height();
}

void PageRenderer::paint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, Width, Height), Qt::white);
    paintFrame(painter);
    paintTitle(painter);
    painter.translate(textArea().topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Ink);
    context.clip = QRectF(QPointF(0, 0), textArea().size());
    m_text->documentLayout()->draw(&painter, context);
    painter.restore();
}

/// The running header, the rule under the title and the page number.
void PageRenderer::paintFrame(QPainter& painter) const {
    painter.setPen(Faint);
    painter.setFont(font(Sans, 9));
    painter.drawText(QRectF(Margin, HeaderY - 10, Width - 2 * Margin, 14), Qt::AlignLeft,
                     QStringLiteral("ORTOPLANO  ·  ") + m_book.title.toUpper());
    painter.drawText(QRectF(Margin, Height - FooterHeight + 10, Width - 2 * Margin, 14),
                     Qt::AlignHCenter, QStringLiteral("— %1 —").arg(m_index + 1));
    painter.setPen(QPen(Rule, 1.2));
    painter.drawLine(QPointF(Margin, RuleY), QPointF(Width - Margin, RuleY));
}

/// The page title, shrunk when it would not fit on one line.
void PageRenderer::paintTitle(QPainter& painter) const {
    const QString& title = m_book.pages.at(std::size_t(m_index)).title;
    const double room = Width - 2 * Margin;
    int pixels = 21;
    while (pixels > 12 && QFontMetricsF(font(Serif, pixels, true)).horizontalAdvance(title) > room)
        --pixels;
    painter.setFont(font(Serif, pixels, true));
    painter.setPen(Accent);
    painter.drawText(QRectF(Margin, TitleTop, room, TitleHeight), Qt::AlignLeft | Qt::AlignBottom,
                     title);
}

void PageRenderer::paintInto(QPainter& painter, const QRectF& target) const {
    const double scale = std::min(target.width() / Width, target.height() / Height);
    const QSizeF size(Width * scale, Height * scale);
    painter.save();
    painter.translate(target.center() - QPointF(size.width() / 2, size.height() / 2));
    painter.scale(scale, scale);
    paint(painter);
    painter.restore();
}

QImage pageImage(const Book& book, int index, double scale) {
    QImage image(QSize(int(PageRenderer::Width * scale), int(PageRenderer::Height * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    PageRenderer(book, index).paint(painter);
    return image;
}

} // namespace Help
