#include "sheetdocument.h"

#include "displaystyle.h"
#include "pointnames.h"
#include "sheetflow.h"
#include "solutionlayout.h"

#include <QCoreApplication>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <map>
#include <optional>

namespace worksheet {

namespace {

constexpr double Dpi = 1200.0;            ///< the dots the pages are laid out in
constexpr double DotsPerMm = Dpi / 25.4;  ///< and per millimetre
constexpr double DotsPerPixel = Dpi / 96; ///< per logical pixel of a figure or a solution
const QColor Grey(0x55, 0x5b, 0x66);

QString tr(const char* text) {
    return QCoreApplication::translate("worksheet::Sheet", text);
}

/// A font of the sheet at the layout's resolution, whatever the device's.
QFont sheetFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(points * Dpi / 72.0));
    font.setBold(bold);
    return font;
}

/// The worked solutions' style on paper: the sheet's decimal comma, whatever the machine's.
Typeset::Style paperStyle() {
    Typeset::Style style = solutionStyle(SolutionPoints * 96.0 / 72.0);
    style.separator = QStringLiteral(",");
    return style;
}

/// The characters a figure paints: its numbers and the names of its points and lines.
QString figureText(const DisplayList& list) {
    QString out;
    for (const Primitive& p : list)
        if (p.kind == Primitive::Kind::Text || p.kind == Primitive::Kind::Dot) out += p.text;
    return out;
}

/// An item laid out: its height in dots and how it paints from its top-left corner.
struct Laid {
    double height = 0;
    double above = 0;
    std::shared_ptr<QTextLayout> text;
};

/// Where an item goes: its page and its top, in dots from the top of the text.
struct Placed {
    std::size_t item;
    double top;
    double height;
};

struct Page {
    Part part;
    std::vector<Placed> items;
};

} // namespace

struct SheetDocument::Private {
    Sheet sheet;
    std::vector<FlowItem> flow;
    std::vector<Laid> laid;
    std::map<const exact::Solution*, SolutionLayout> solutions;
    std::vector<Page> pages;
    QImage device{1, 1, QImage::Format_RGB32}; ///< the resolution the text is laid out for

    explicit Private(Sheet s)
        : sheet(std::move(s))
        , flow(flowOf(sheet)) {
        device.setDotsPerMeterX(qRound(Dpi / 25.4 * 1000));
        device.setDotsPerMeterY(device.dotsPerMeterX());
        for (const FlowItem& item : flow)
            laid.push_back(layOut(item));
        paginate();
    }

    const SolutionLayout& solution(const exact::Solution* s) {
        auto found = solutions.find(s);
        if (found == solutions.end())
            found = solutions
                        .emplace(s, SolutionLayout(*s, PageMm::TextWidth * 96 / 25.4, paperStyle()))
                        .first;
        return found->second;
    }
    Laid layOut(const FlowItem& item);
    std::shared_ptr<QTextLayout> paragraph(const FlowItem& item, double& height) const;
    void paginate();
    void paintItem(QPainter& painter, const Placed& placed) const;
    void paintFooter(QPainter& painter, int page) const;
};

std::shared_ptr<QTextLayout> SheetDocument::Private::paragraph(const FlowItem& item,
                                                               double& height) const {
    auto layout = std::make_shared<QTextLayout>(item.text(), sheetFont(11, false), &device);
    QList<QTextLayout::FormatRange> ranges;
    int start = 0;
    for (const Run& r : item.runs) {
        QTextCharFormat format;
        format.setFont(sheetFont(pointsOf(r.style), isBold(r.style)));
        format.setForeground(isGrey(r.style) ? Grey : QColor(Qt::black));
        ranges.append({start, int(r.text.size()), format});
        start += int(r.text.size());
    }
    layout->setFormats(ranges);
    QTextOption option(item.centred ? Qt::AlignHCenter : Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    const double width = PageMm::TextWidth * DotsPerMm;
    height = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition({0, height});
        height += line.height();
    }
    layout->endLayout();
    return layout;
}

Laid SheetDocument::Private::layOut(const FlowItem& item) {
    Laid out;
    out.above = item.aboveMm * DotsPerMm;
    switch (item.kind) {
    case FlowItem::Kind::Text:
        out.text = paragraph(item, out.height);
        break;
    case FlowItem::Kind::Figure:
        out.height = FigureMm * DotsPerMm;
        break;
    case FlowItem::Kind::SolutionTitle:
        out.height = solution(item.solution).titleRect().height() * DotsPerPixel;
        break;
    case FlowItem::Kind::SolutionStep:
        out.height = solution(item.solution).stepRect(item.step).height() * DotsPerPixel;
        break;
    case FlowItem::Kind::Room:
        out.height = item.belowMm * DotsPerMm;
        break;
    }
    return out;
}

void SheetDocument::Private::paginate() {
    const double pageHeight = PageMm::TextHeight * DotsPerMm;
    double y = 0;
    const auto newPage = [&](Part part) {
        pages.push_back({part, {}});
        y = 0;
    };
    std::size_t i = 0;
    while (i < flow.size()) {
        // The group of items that stay together: this one and those kept with it.
        std::size_t end = i + 1;
        while (end < flow.size() && flow[end - 1].keepWithNext)
            ++end;
        double need = laid[i].height;
        for (std::size_t k = i + 1; k < end; ++k)
            need += laid[k].above + laid[k].height;
        const bool room = flow[i].kind == FlowItem::Kind::Room;
        if (pages.empty() || flow[i].newPage ||
            (!room && !pages.back().items.empty() && y + laid[i].above + need > pageHeight &&
             need <= pageHeight))
            newPage(flow[i].part);
        for (std::size_t k = i; k < end; ++k) {
            const bool top = pages.back().items.empty();
            const bool cut = flow[k].kind == FlowItem::Kind::Room;
            if (cut && top) continue; // no room to work at the top of a page
            if (!top) y += laid[k].above;
            const double height = cut ? std::min(laid[k].height, pageHeight - y) : laid[k].height;
            pages.back().items.push_back({k, y, std::max(height, 0.0)});
            y += height;
        }
        i = end;
    }
}

void SheetDocument::Private::paintItem(QPainter& painter, const Placed& placed) const {
    const FlowItem& item = flow[placed.item];
    painter.save();
    painter.translate(0, placed.top);
    switch (item.kind) {
    case FlowItem::Kind::Text:
        laid[placed.item].text->draw(&painter, {0, 0});
        break;
    case FlowItem::Kind::Figure: {
        const double side = FigureMm * DotsPerMm;
        painter.translate((PageMm::TextWidth * DotsPerMm - side) / 2, 0);
        painter.scale(DotsPerPixel, DotsPerPixel);
        const QRectF area(0, 0, FigurePixels, FigurePixels);
        painter.fillRect(area, Qt::white);
        DisplayStyle style;
        style.pointNames = true;
        renderDisplayList(painter, *item.figure, area.size(), style);
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
        break;
    }
    case FlowItem::Kind::SolutionTitle:
    case FlowItem::Kind::SolutionStep: {
        painter.scale(DotsPerPixel, DotsPerPixel);
        const SolutionLayout& layout = solutions.at(item.solution);
        if (item.kind == FlowItem::Kind::SolutionTitle)
            layout.paintTitle(painter, {0, 0});
        else
            layout.paintStep(painter, {0, 0}, item.step);
        break;
    }
    case FlowItem::Kind::Room:
        break;
    }
    painter.restore();
}

namespace {

QString footerOf(const Sheet& sheet, Part part) {
    return part == Part::Teacher ? sheet.title + QStringLiteral(" · ") + levelAndSeed(sheet)
                                 : sheet.title;
}

QString pageNumber(int page, int pages) {
    return tr("página %1 de %2").arg(page + 1).arg(pages);
}

} // namespace

void SheetDocument::Private::paintFooter(QPainter& painter, int page) const {
    painter.setFont(sheetFont(8, false));
    painter.setPen(Grey);
    const QRectF band(0, PageMm::TextHeight * DotsPerMm, PageMm::TextWidth * DotsPerMm,
                      PageMm::Footer * DotsPerMm);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignBottom,
                     footerOf(sheet, pages[std::size_t(page)].part));
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, pageNumber(page, int(pages.size())));
}

SheetDocument::SheetDocument(Sheet sheet)
    : d(std::make_unique<Private>(std::move(sheet))) {}

SheetDocument::~SheetDocument() = default;

int SheetDocument::pageCount() const {
    return int(d->pages.size());
}

Part SheetDocument::partOf(int page) const {
    return d->pages.at(std::size_t(page)).part;
}

void SheetDocument::setUpPage(QPagedPaintDevice& device) {
    const double m = PageMm::Margin;
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(m, m, m, m), QPageLayout::Millimeter));
}

bool SheetDocument::paint(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double scale = device.logicalDpiY() / Dpi;
    for (int page = 0; page < pageCount(); ++page) {
        if (page > 0 && !device.newPage()) return false;
        painter.save();
        painter.scale(scale, scale);
        for (const Placed& placed : d->pages[std::size_t(page)].items)
            d->paintItem(painter, placed);
        d->paintFooter(painter, page);
        painter.restore();
    }
    return painter.end();
}

QString SheetDocument::pageText(int page) const {
    const Page& p = d->pages.at(std::size_t(page));
    QString out;
    for (const Placed& placed : p.items) {
        const FlowItem& item = d->flow[placed.item];
        switch (item.kind) {
        case FlowItem::Kind::Text:
            out += item.text();
            break;
        case FlowItem::Kind::Figure:
            out += figureText(*item.figure);
            break;
        case FlowItem::Kind::SolutionTitle:
            out += d->solutions.at(item.solution).titleBox().text();
            break;
        case FlowItem::Kind::SolutionStep:
            out += d->solutions.at(item.solution).stepBox(item.step).text();
            break;
        case FlowItem::Kind::Room:
            break;
        }
    }
    return out + footerOf(d->sheet, p.part) + pageNumber(page, pageCount());
}

} // namespace worksheet
