#include "odtfile.h"

#include "displaystyle.h"
#include "languages.h"
#include "mathml.h"
#include "readings.h"
#include "sentences.h"
#include "sheetflow.h"
#include "solutionlayout.h"
#include "zipwriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <map>

namespace worksheet {

namespace {

constexpr double MmPerPixel = 25.4 / 96;
constexpr double StepIndentMm = 7.0;     ///< a step's sentence, after its number
constexpr double FormulaIndentMm = 12.0; ///< a step's mathematics
constexpr double RowIndentMm = 18.0;     ///< a chain's rows after its first
constexpr double OfficeScale = 1.3;      ///< a formula's width there against the sheet's
const QString Separator = QStringLiteral(",");

QString tr(const char* text) {
    return QCoreApplication::translate("worksheet::Sheet", text);
}

QString mm(double value) {
    return QString::number(value, 'f', 3) + QStringLiteral("mm");
}

/// Text for a paragraph: XML escaped, every blank kept (a run of blanks as <text:s/>).
QString odfText(const QString& text) {
    QString out;
    int blanks = 0;
    const auto flush = [&] {
        if (blanks == 0) return;
        const bool first = out.isEmpty();
        if (!first) out += u' ';
        const int kept = first ? blanks : blanks - 1;
        if (kept > 0) out += QStringLiteral("<text:s text:c=\"%1\"/>").arg(kept);
        blanks = 0;
    };
    for (QChar c : text) {
        if (c == u' ') {
            ++blanks;
            continue;
        }
        flush();
        out += QString(c).toHtmlEscaped();
    }
    flush();
    return out;
}

QString styleName(TextStyle style) {
    switch (style) {
    case TextStyle::Title:
        return QStringLiteral("Titulo");
    case TextStyle::Subtitle:
        return QStringLiteral("Subtitulo");
    case TextStyle::Heading:
        return QStringLiteral("Cabecalho");
    case TextStyle::Subheading:
        return QStringLiteral("Subcabecalho");
    case TextStyle::Note:
        return QStringLiteral("Nota");
    case TextStyle::Number:
        return QStringLiteral("Negrito");
    case TextStyle::Body:
        break;
    }
    return QStringLiteral("Corpo");
}

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

/// One row of a line of mathematics: its markup, its StarMath and its width in pixels.
struct FormulaRow {
    QString markup;
    QString starMath;
    double width = 0;
};

/// Writes the parts of the package from a sheet's pieces.
class Package {
public:
    explicit Package(const Sheet& sheet);
    QByteArray write();

private:
    void item(const FlowItem& item);
    void paragraph(const FlowItem& item);
    void figure(const FlowItem& item);
    void solutionTitle(const FlowItem& item);
    void solutionStep(const FlowItem& item);
    /// A paragraph style: `parent` with the item's room above, page break and keeps.
    QString paragraphStyle(const QString& parent, const FlowItem& item, bool keepWithNext,
                           bool keepTogether);
    QString automaticStyle(const QString& key, const QString& properties, const QString& parent,
                           const QString& master);
    QString sentence(const exact::Math& row);
    QString formulaFrame(const FormulaRow& formula, bool block);
    std::vector<FormulaRow> rows(const exact::Math& line) const;
    QString masterOf(Part part) const {
        return part == Part::Teacher ? QStringLiteral("Professor") : QStringLiteral("Aluno");
    }

    QString contentXml() const;
    QString stylesXml() const;
    QString metaXml() const;
    QString manifestXml() const;

    const Sheet& m_sheet;
    Typeset::Typesetter m_typesetter;
    ZipWriter m_zip;
    QString m_body;
    QString m_automatic;
    std::map<QString, QString> m_styles; ///< an automatic style's properties → its name
    QStringList m_manifest;
    int m_objects = 0;
    int m_figures = 0;
};

Typeset::Style paperStyle() {
    Typeset::Style style = solutionStyle(SolutionPoints * 96.0 / 72.0);
    style.separator = Separator;
    return style;
}

Package::Package(const Sheet& sheet)
    : m_sheet(sheet)
    , m_typesetter(paperStyle()) {
    // The media type first and stored, as OpenDocument asks.
    m_zip.addStored(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text");
}

QString Package::automaticStyle(const QString& key, const QString& properties,
                                const QString& parent, const QString& master) {
    const auto found = m_styles.find(key);
    if (found != m_styles.end()) return found->second;
    const QString name = QStringLiteral("P%1").arg(m_styles.size() + 1);
    m_styles.emplace(key, name);
    m_automatic +=
        QStringLiteral("<style:style style:name=\"%1\" style:family=\"paragraph\" "
                       "style:parent-style-name=\"%2\"%3>"
                       "<style:paragraph-properties%4/></style:style>")
            .arg(name, parent,
                 master.isEmpty() ? QString()
                                  : QStringLiteral(" style:master-page-name=\"%1\"").arg(master),
                 properties);
    return name;
}

QString Package::paragraphStyle(const QString& parent, const FlowItem& item, bool keepWithNext,
                                bool keepTogether) {
    QString properties = QStringLiteral(" fo:margin-top=\"%1\"").arg(mm(item.aboveMm));
    if (keepWithNext) properties += QStringLiteral(" fo:keep-with-next=\"always\"");
    if (keepTogether) properties += QStringLiteral(" fo:keep-together=\"always\"");
    const QString master = item.newPage ? masterOf(item.part) : QString();
    return automaticStyle(parent + properties + master, properties, parent, master);
}

void Package::paragraph(const FlowItem& item) {
    const TextStyle main = item.runs.back().style;
    const QString style =
        paragraphStyle(styleName(main), item, item.keepWithNext, main == TextStyle::Body);
    m_body += QStringLiteral("<text:p text:style-name=\"%1\">").arg(style);
    for (const Run& r : item.runs) {
        if (r.style == main)
            m_body += odfText(r.text);
        else
            m_body += QStringLiteral("<text:span text:style-name=\"%1\">%2</text:span>")
                          .arg(styleName(r.style), odfText(r.text));
    }
    m_body += QStringLiteral("</text:p>");
}

/// The figure as SVG, drawn by the board's renderer on the figure's square.
QByteArray svgOf(const DisplayList& list) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(96);
    svg.setSize(QSize(qRound(FigurePixels), qRound(FigurePixels)));
    svg.setViewBox(QRectF(0, 0, FigurePixels, FigurePixels));
    QPainter painter(&svg);
    const QRectF area(0, 0, FigurePixels, FigurePixels);
    painter.fillRect(area, Qt::white);
    DisplayStyle style;
    style.pointNames = true;
    renderDisplayList(painter, list, area.size(), style);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
    painter.drawRect(area);
    painter.end();
    return buffer.data();
}

void Package::figure(const FlowItem& item) {
    const QString path = QStringLiteral("Pictures/figura%1.svg").arg(++m_figures);
    m_zip.addDeflated(path, svgOf(*item.figure));
    m_manifest << QStringLiteral("<manifest:file-entry manifest:full-path=\"%1\" "
                                 "manifest:media-type=\"image/svg+xml\"/>")
                      .arg(path);
    const QString style = paragraphStyle(QStringLiteral("Figura"), item, false, true);
    m_body +=
        QStringLiteral("<text:p text:style-name=\"%1\"><draw:frame draw:style-name=\"Imagem\" "
                       "draw:name=\"Figura %2\" text:anchor-type=\"as-char\" "
                       "svg:width=\"%3\" svg:height=\"%3\"><draw:image xlink:href=\"%4\" "
                       "xlink:type=\"simple\" xlink:show=\"embed\" xlink:actuate=\"onLoad\" "
                       "draw:mime-type=\"image/svg+xml\"/></draw:frame></text:p>")
            .arg(style)
            .arg(m_figures)
            .arg(mm(FigureMm), path);
}

/// A formula frame has no size: the word processor gives it the size of
/// the formula as it lays it out.
QString Package::formulaFrame(const FormulaRow& formula, bool block) {
    const QString folder = QStringLiteral("Object %1").arg(++m_objects);
    m_zip.addDeflated(folder + QStringLiteral("/content.xml"),
                      (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n") +
                       MathML::document(formula.markup, formula.starMath, block))
                          .toUtf8());
    m_manifest << QStringLiteral(
                      "<manifest:file-entry manifest:full-path=\"%1/\" "
                      "manifest:version=\"1.2\" "
                      "manifest:media-type=\"application/vnd.oasis.opendocument.formula\"/>"
                      "<manifest:file-entry manifest:full-path=\"%1/content.xml\" "
                      "manifest:media-type=\"text/xml\"/>")
                      .arg(folder);
    return QStringLiteral("<draw:frame draw:style-name=\"Formula\" draw:name=\"Fórmula %1\" "
                          "text:anchor-type=\"as-char\">"
                          "<draw:object xlink:href=\"./%2\" xlink:type=\"simple\" "
                          "xlink:show=\"embed\" xlink:actuate=\"onLoad\"/></draw:frame>")
        .arg(m_objects)
        .arg(folder);
}

QString Package::sentence(const exact::Math& row) {
    using Kind = exact::Math::Kind;
    const std::vector<exact::Math> parts =
        row.kind() == Kind::Row ? row.children() : std::vector<exact::Math>{row};
    QString out;
    for (const exact::Math& part : parts) {
        if (part.kind() == Kind::Words) {
            out += odfText(fromUtf8(part.text()));
        } else if (part.kind() == Kind::Symbol) {
            out += odfText(fromUtf8(part.text()));
            if (!part.subscript().empty())
                out += QStringLiteral("<text:span text:style-name=\"Indice\">%1</text:span>")
                           .arg(odfText(fromUtf8(part.subscript())));
        } else if (const QString linear = fromUtf8(exact::linearText(part, ","));
                   !linear.contains(u'_')) {
            out += odfText(keepDataWhole(linear));
        } else {
            out += formulaFrame(
                {MathML::markup(part, Separator), MathML::starMath(part, Separator)}, false);
        }
    }
    return out;
}

std::vector<FormulaRow> Package::rows(const exact::Math& line) const {
    // The word processor sets formulas larger than the sheet's typesetting does.
    const double room = (PageMm::TextWidth - RowIndentMm) / MmPerPixel / OfficeScale;
    if (line.kind() != exact::Math::Kind::Chain || m_typesetter.layout(line).width <= room)
        return {{MathML::markup(line, Separator), MathML::starMath(line, Separator)}};
    // A chain too long for the line goes on in rows that begin with a relation sign.
    std::vector<FormulaRow> out;
    const auto& members = line.children();
    FormulaRow row{MathML::markup(members[0], Separator), MathML::starMath(members[0], Separator),
                   m_typesetter.layout(members[0]).width};
    for (std::size_t i = 1; i < members.size(); ++i) {
        const exact::Rel rel = line.relationAt(i);
        const double width =
            m_typesetter.relation(rel).width + m_typesetter.layout(members[i]).width;
        if (row.width + width > room) {
            out.push_back(row);
            row = {QString(), QStringLiteral("{}"), 0}; // a relation needs something before it
        }
        row.markup += MathML::relation(rel) + MathML::markup(members[i], Separator);
        row.starMath += MathML::starMathRelation(rel) + MathML::starMath(members[i], Separator);
        row.width += width;
    }
    out.push_back(row);
    for (FormulaRow& r : out)
        r.markup = QStringLiteral("<mrow>") + r.markup + QStringLiteral("</mrow>");
    return out;
}

void Package::solutionTitle(const FlowItem& item) {
    const QString style = paragraphStyle(QStringLiteral("TituloResolucao"), item, true, true);
    m_body += QStringLiteral("<text:p text:style-name=\"%1\">%2</text:p>")
                  .arg(style, sentence(exact::title(*item.solution, languages::sentences())));
}

void Package::solutionStep(const FlowItem& item) {
    const exact::Step& step = item.solution->steps.at(std::size_t(item.step));
    const QString style = paragraphStyle(QStringLiteral("Passo"), item, !step.lines.empty(), true);
    m_body += QStringLiteral("<text:p text:style-name=\"%1\">%2.<text:tab/>%3</text:p>")
                  .arg(style)
                  .arg(item.step + 1)
                  .arg(sentence(exact::sentence(step, languages::sentences())));
    for (std::size_t l = 0; l < step.lines.size(); ++l) {
        const std::vector<FormulaRow> parts = rows(step.lines[l]);
        for (std::size_t r = 0; r < parts.size(); ++r) {
            const bool last = l + 1 == step.lines.size() && r + 1 == parts.size();
            m_body += QStringLiteral("<text:p text:style-name=\"%1\">%2</text:p>")
                          .arg(last ? (r == 0 ? QStringLiteral("Formula")
                                              : QStringLiteral("FormulaSeguinte"))
                                    : (r == 0 ? QStringLiteral("FormulaComPasso")
                                              : QStringLiteral("FormulaSeguinteComPasso")),
                               formulaFrame(parts[r], true));
        }
    }
}

void Package::item(const FlowItem& item) {
    switch (item.kind) {
    case FlowItem::Kind::Text:
        paragraph(item);
        break;
    case FlowItem::Kind::Figure:
        figure(item);
        break;
    case FlowItem::Kind::SolutionTitle:
        solutionTitle(item);
        break;
    case FlowItem::Kind::SolutionStep:
        solutionStep(item);
        break;
    case FlowItem::Kind::Room:
        m_body += QStringLiteral("<text:p text:style-name=\"%1\"/>")
                      .arg(automaticStyle(
                          QStringLiteral("room%1").arg(item.belowMm),
                          QStringLiteral(" fo:margin-bottom=\"%1\"").arg(mm(item.belowMm)),
                          QStringLiteral("Corpo"), QString()));
        break;
    }
}

const char* const Namespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:xlink=\"http://www.w3.org/1999/xlink\""
    " xmlns:dc=\"http://purl.org/dc/elements/1.1/\""
    " xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\""
    " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
    " office:version=\"1.2\"";

const char* const Fonts = "<office:font-face-decls>"
                          "<style:font-face style:name=\"DejaVu Sans\" svg:font-family=\"'DejaVu "
                          "Sans'\" style:font-family-generic=\"swiss\"/>"
                          "<style:font-face style:name=\"DejaVu Serif\" svg:font-family=\"'DejaVu "
                          "Serif'\" style:font-family-generic=\"roman\"/>"
                          "</office:font-face-decls>";

QString Package::contentXml() const {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content") +
           QLatin1String(Namespaces) + QStringLiteral(">") + QLatin1String(Fonts) +
           QStringLiteral("<office:automatic-styles>") + m_automatic +
           QStringLiteral("</office:automatic-styles><office:body><office:text>") + m_body +
           QStringLiteral("</office:text></office:body></office:document-content>");
}

QString paragraphStyleXml(const QString& name, const QString& paragraph, const QString& text,
                          const QString& parent = QStringLiteral("Corpo"),
                          const QString& tabs = {}) {
    const QString properties =
        tabs.isEmpty() ? QStringLiteral("<style:paragraph-properties%1/>").arg(paragraph)
                       : QStringLiteral("<style:paragraph-properties%1><style:tab-stops>%2"
                                        "</style:tab-stops></style:paragraph-properties>")
                             .arg(paragraph, tabs);
    return QStringLiteral("<style:style style:name=\"%1\" style:family=\"paragraph\" "
                          "style:parent-style-name=\"%2\">%3<style:text-properties%4/>"
                          "</style:style>")
        .arg(name, parent, properties, text);
}

QString textSize(TextStyle style) {
    return QStringLiteral(" fo:font-size=\"%1pt\"%2%3")
        .arg(pointsOf(style))
        .arg(isBold(style) ? QStringLiteral(" fo:font-weight=\"bold\"") : QString(),
             isGrey(style) ? QStringLiteral(" fo:color=\"#555b66\"") : QString());
}

/// The footer: the title (and on the teacher's pages the level and the
/// seed) on the left, the page's number on the right.
QString footer(const QString& left) {
    QString number = odfText(tr("página %1 de %2"));
    number.replace(
        QStringLiteral("%1"),
        QStringLiteral("<text:page-number text:select-page=\"current\">1</text:page-number>"));
    number.replace(QStringLiteral("%2"), QStringLiteral("<text:page-count>1</text:page-count>"));
    return QStringLiteral("<style:footer><text:p text:style-name=\"Rodape\">%1<text:tab/>%2"
                          "</text:p></style:footer>")
        .arg(odfText(left), number);
}

QString Package::stylesXml() const {
    const QString accent = paperStyle().accent.name();
    QString styles =
        QStringLiteral("<style:default-style style:family=\"paragraph\"><style:text-properties "
                       "style:font-name=\"DejaVu Sans\" fo:font-size=\"11pt\" fo:language=\"pt\" "
                       "fo:country=\"PT\"/></style:default-style>"
                       "<style:style style:name=\"Standard\" style:family=\"paragraph\"/>") +
        paragraphStyleXml(QStringLiteral("Corpo"), QString(), textSize(TextStyle::Body),
                          QStringLiteral("Standard"));
    for (TextStyle s : {TextStyle::Title, TextStyle::Subtitle, TextStyle::Heading,
                        TextStyle::Subheading, TextStyle::Note})
        styles += paragraphStyleXml(styleName(s), QString(), textSize(s));
    styles += paragraphStyleXml(QStringLiteral("Figura"),
                                QStringLiteral(" fo:text-align=\"center\""), QString());
    const QString solutionSize = QStringLiteral(" fo:font-size=\"%1pt\"").arg(SolutionPoints);
    styles += paragraphStyleXml(
        QStringLiteral("TituloResolucao"),
        QStringLiteral(" fo:border-bottom=\"0.5pt solid %1\" "
                       "fo:padding-bottom=\"0.8mm\" fo:margin-bottom=\"1.5mm\"")
            .arg(accent),
        solutionSize + QStringLiteral(" fo:font-weight=\"bold\" fo:color=\"%1\"").arg(accent));
    styles += paragraphStyleXml(
        QStringLiteral("Passo"),
        QStringLiteral(" fo:margin-left=\"%1\" fo:text-indent=\"-%1\"").arg(mm(StepIndentMm)),
        solutionSize, QStringLiteral("Corpo"),
        QStringLiteral("<style:tab-stop style:position=\"0mm\"/>"));
    for (const auto& [name, indent, keep] : {std::tuple{"Formula", FormulaIndentMm, false},
                                             {"FormulaComPasso", FormulaIndentMm, true},
                                             {"FormulaSeguinte", RowIndentMm, false},
                                             {"FormulaSeguinteComPasso", RowIndentMm, true}})
        styles += paragraphStyleXml(
            QLatin1String(name),
            QStringLiteral(" fo:margin-left=\"%1\" fo:margin-top=\"0.8mm\"%2")
                .arg(mm(indent),
                     keep ? QStringLiteral(" fo:keep-with-next=\"always\"") : QString()),
            solutionSize);
    styles += paragraphStyleXml(
        QStringLiteral("Rodape"), QString(),
        QStringLiteral(" fo:font-size=\"8pt\" fo:color=\"#555b66\""), QStringLiteral("Corpo"),
        QStringLiteral("<style:tab-stop style:position=\"%1\" style:type=\"right\"/>")
            .arg(mm(PageMm::TextWidth)));
    styles += QStringLiteral(
        "<style:style style:name=\"Negrito\" style:family=\"text\"><style:text-properties "
        "fo:font-weight=\"bold\"/></style:style>"
        "<style:style style:name=\"Indice\" style:family=\"text\"><style:text-properties "
        "style:text-position=\"sub 58%\"/></style:style>"
        "<style:style style:name=\"Formula\" style:family=\"graphic\"><style:graphic-properties "
        "style:vertical-pos=\"middle\" style:vertical-rel=\"text\"/></style:style>"
        "<style:style style:name=\"Imagem\" style:family=\"graphic\"><style:graphic-properties "
        "style:vertical-pos=\"top\" style:vertical-rel=\"baseline\"/></style:style>");
    const QString layout =
        QStringLiteral(
            "<style:page-layout style:name=\"A4\"><style:page-layout-properties "
            "fo:page-width=\"%1\" fo:page-height=\"%2\" style:print-orientation=\"portrait\" "
            "fo:margin-top=\"%3\" fo:margin-bottom=\"%3\" fo:margin-left=\"%3\" "
            "fo:margin-right=\"%3\"/>"
            "<style:footer-style><style:header-footer-properties fo:min-height=\"%4\" "
            "fo:margin-top=\"0mm\"/></style:footer-style></style:page-layout>")
            .arg(mm(PageMm::Width), mm(PageMm::Height), mm(PageMm::Margin), mm(PageMm::Footer));
    const QString masters =
        QStringLiteral("<style:master-page style:name=\"Aluno\" style:page-layout-name=\"A4\">%1"
                       "</style:master-page><style:master-page style:name=\"Professor\" "
                       "style:page-layout-name=\"A4\">%2</style:master-page>")
            .arg(footer(m_sheet.title),
                 footer(m_sheet.title + QStringLiteral(" · ") + levelAndSeed(m_sheet)));
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-styles") +
           QLatin1String(Namespaces) + QStringLiteral(">") + QLatin1String(Fonts) +
           QStringLiteral("<office:styles>") + styles +
           QStringLiteral("</office:styles><office:automatic-styles>") + layout +
           QStringLiteral("</office:automatic-styles><office:master-styles>") + masters +
           QStringLiteral("</office:master-styles></office:document-styles>");
}

QString Package::metaXml() const {
    const auto userDefined = [](const QString& name, const QString& value) {
        return QStringLiteral("<meta:user-defined meta:name=\"%1\">%2</meta:user-defined>")
            .arg(name.toHtmlEscaped(), value.toHtmlEscaped());
    };
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-meta") +
           QLatin1String(Namespaces) +
           QStringLiteral("><office:meta><meta:generator>Ortoplano</meta:generator>"
                          "<dc:title>%1</dc:title><dc:description>%2</dc:description>%3%4"
                          "</office:meta></office:document-meta>")
               .arg(m_sheet.title.toHtmlEscaped(), levelAndSeed(m_sheet).toHtmlEscaped(),
                    userDefined(tr("Nível"), m_sheet.level),
                    userDefined(tr("Semente"), QString::number(m_sheet.seed)));
}

QString Package::manifestXml() const {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "
                          "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
                          "manifest:version=\"1.2\"><manifest:file-entry manifest:full-path=\"/\" "
                          "manifest:version=\"1.2\" "
                          "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>"
                          "<manifest:file-entry manifest:full-path=\"content.xml\" "
                          "manifest:media-type=\"text/xml\"/><manifest:file-entry "
                          "manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>"
                          "<manifest:file-entry manifest:full-path=\"meta.xml\" "
                          "manifest:media-type=\"text/xml\"/>") +
           m_manifest.join(QString()) + QStringLiteral("</manifest:manifest>");
}

QByteArray Package::write() {
    for (const FlowItem& item : flowOf(m_sheet))
        this->item(item);
    m_zip.addDeflated(QStringLiteral("content.xml"), contentXml().toUtf8());
    m_zip.addDeflated(QStringLiteral("styles.xml"), stylesXml().toUtf8());
    m_zip.addDeflated(QStringLiteral("meta.xml"), metaXml().toUtf8());
    m_zip.addDeflated(QStringLiteral("META-INF/manifest.xml"), manifestXml().toUtf8());
    return m_zip.finish();
}

} // namespace

QByteArray odtPackage(const Sheet& sheet) {
    return Package(sheet).write();
}

} // namespace worksheet
