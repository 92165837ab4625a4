#include "boardexport.h"

#include "board.h"
#include "solutionlayout.h"
#include "textrules.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <cmath>

namespace BoardExport {

namespace {

constexpr double ScreenDpi = 96.0;
constexpr double MmPerInch = 25.4;
constexpr double GapMm = 6.0; ///< between the title, the board and the text

/// Every font-family="X" becomes "'X', 'fallback', generic", so that a
/// program without the named font draws the one the screen draws.
QByteArray withFallbackFonts(const QByteArray& svg) {
    static const QRegularExpression family(QStringLiteral("font-family=\"([^\"]*)\""));
    const QString text = QString::fromUtf8(svg);
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : family.globalMatch(text)) {
        const QString named = m.captured(1);
        const QString fallback = fallbackFamily(named);
        const QString generic = fallback.contains(QLatin1String("Serif"))
                                    ? QStringLiteral("serif")
                                    : QStringLiteral("sans-serif");
        out += QStringView(text).mid(done, m.capturedStart() - done);
        out += QStringLiteral("font-family=\"'%1', '%2', %3\"").arg(named, fallback, generic);
        done = m.capturedEnd();
    }
    out += QStringView(text).mid(done);
    return out.toUtf8();
}

/// Lower-case ASCII letters and digits, other runs of characters as one "-".
QString slug(const QString& text) {
    QString out;
    bool gap = false;
    for (QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing) continue; // the accents
        if (c.unicode() < 128 && c.isLetterOrNumber()) {
            if (gap && !out.isEmpty()) out += QLatin1Char('-');
            out += c.toLower();
            gap = false;
        } else {
            gap = true;
        }
    }
    return out;
}

QFont sheetFont(double points, bool bold) {
    QFont font = namedFont(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

/// The texts of a sheet with their fonts, measured on the printer.
struct SheetText {
    QFont titleFont = sheetFont(14, true);
    QFont captionFont = sheetFont(11, true);
    QFont bodyFont = sheetFont(10, false);
    double titleMm = 0, captionMm = 0, lineMm = 0;

    SheetText(QPaintDevice* device, double pxPerMm) {
        titleMm = QFontMetricsF(titleFont, device).lineSpacing() / pxPerMm;
        captionMm = QFontMetricsF(captionFont, device).lineSpacing() / pxPerMm;
        lineMm = QFontMetricsF(bodyFont, device).lineSpacing() / pxPerMm;
    }
};

/// The world window's size in units: both axes count, whatever their sense.
QSizeF worldSize(const Board& board) {
    const QRectF w = board.window();
    return {std::fabs(w.right() - w.left()), std::fabs(w.bottom() - w.top())};
}

void drawLine(QPainter& painter, const QFont& font, QPointF topLeftPx, const QString& text) {
    painter.setFont(font);
    painter.drawText(topLeftPx + QPointF(0, QFontMetricsF(font, painter.device()).ascent()), text);
}

void paintBoard(QPainter& painter, const Board& board, const QRectF& boardMm, double pxPerMm) {
    painter.save();
    painter.translate(boardMm.topLeft() * pxPerMm);
    // One board pixel is one pixel of a 96-dpi screen: pens, dots and texts
    // have the same size on paper as on such a screen.
    const double pxPerBoardPixel = pxPerMm * MmPerInch / ScreenDpi;
    painter.scale(pxPerBoardPixel, pxPerBoardPixel);
    board.renderMapped(painter, boardMm.size() * (ScreenDpi / MmPerInch));
    painter.restore();
    painter.save();
    painter.setPen(QPen(QColor(128, 128, 128), 0.2 * pxPerMm));
    painter.drawRect(QRectF(boardMm.topLeft() * pxPerMm, boardMm.size() * pxPerMm));
    painter.restore();
}

/// A worked solution below a drawing one board wide: its layout, and how
/// tall the picture grows.
struct SolutionBelow {
    static constexpr double Size = 13.0;   ///< pixels of its text
    static constexpr double Margin = 18.0; ///< around it
    std::optional<SolutionLayout> layout;

    explicit SolutionBelow(const exact::Solution* solution) {
        if (solution) layout.emplace(*solution, Board::Side - 2 * Margin, solutionStyle(Size));
    }
    double height() const {
        return layout ? layout->height(layout->stepCount()) + 2 * Margin : 0.0;
    }
    void paint(QPainter& painter) const {
        if (!layout) return;
        painter.fillRect(QRectF(0, Board::Side, Board::Side, height()), Qt::white);
        layout->paint(painter, {Margin, Board::Side + Margin}, layout->stepCount());
    }
};

/// The worked solution on pages of its own after the sheet, under a running
/// header; a step that does not fit what is left of a page starts the next.
void printSolution(QPainter& painter, QPrinter& printer, const exact::Solution& solution,
                   const BoardSheet& sheet, double pxPerMm, QSizeF pageMm) {
    const double unit = pxPerMm * MmPerInch / ScreenDpi; // printer pixels per board pixel
    const QSizeF page = pageMm * (ScreenDpi / MmPerInch);
    const SolutionLayout layout(solution, page.width(), solutionStyle(14));
    const QFont headerFont = sheetFont(8, false);
    const QString header = QObject::tr("%1 \u2014 Resolução").arg(sheet.title);
    const double top = QFontMetricsF(headerFont, painter.device()).lineSpacing() / unit + 12;
    const auto startPage = [&] {
        printer.newPage();
        painter.setPen(QColor(0x6b, 0x72, 0x80));
        drawLine(painter, headerFont, QPointF(0, 0), header);
    };
    startPage();
    painter.save();
    painter.scale(unit, unit);
    layout.paintTitle(painter, {0, top});
    double y = top + layout.titleRect().height() + layout.stepGap();
    for (int i = 0; i < layout.stepCount(); ++i) {
        const double h = layout.stepRect(i).height();
        if (y + h > page.height() && y > top) {
            painter.restore();
            startPage();
            painter.save();
            painter.scale(unit, unit);
            y = top;
        }
        layout.paintStep(painter, {0, y}, i);
        y += h + layout.stepGap();
    }
    painter.restore();
}

} // namespace

QImage image(const Board& board, int scale, const exact::Solution* solution) {
    const SolutionBelow below(solution);
    const QSizeF size(Board::Side, Board::Side + below.height());
    QImage picture((size * scale).toSize(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    const int dotsPerMetre = qRound(ScreenDpi / (MmPerInch / 1000.0)) * scale;
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    board.render(painter, QSizeF(Board::Side, Board::Side));
    below.paint(painter);
    return picture;
}

QByteArray svg(const Board& board, const QString& title, const exact::Solution* solution) {
    const SolutionBelow below(solution);
    const QSizeF size(Board::Side, Board::Side + below.height());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), size));
    generator.setResolution(int(ScreenDpi));
    generator.setTitle(title);
    generator.setDescription(QStringLiteral("Ortoplano"));
    QPainter painter(&generator);
    board.render(painter, QSizeF(Board::Side, Board::Side));
    below.paint(painter);
    painter.end();
    return withFallbackFonts(buffer.data());
}

QString fileName(const QString& title, const QString& caption, const QString& suffix) {
    QStringList words;
    for (const QString& part : {title, caption})
        if (const QString s = slug(part); !s.isEmpty()) words << s;
    const QString base = words.isEmpty() ? QStringLiteral("quadro") : words.join(QLatin1Char('-'));
    return base + QLatin1Char('.') + suffix;
}

SheetLayout layoutSheet(QSizeF pageMm, QSizeF worldUnits, const PrintScale& scale, double titleMm,
                        double textMm) {
    SheetLayout layout;
    // 1. The title band along the top of the page.
    layout.title = QRectF(0, 0, pageMm.width(), titleMm);
    // 2. The room left for the board between the title and the text.
    const double top = titleMm + GapMm;
    const QSizeF room(pageMm.width(), std::max(0.0, pageMm.height() - top - GapMm - textMm));
    const double w = worldUnits.width() > 0 ? worldUnits.width() : 1.0;
    const double h = worldUnits.height() > 0 ? worldUnits.height() : 1.0;
    // 3. The asked scale, or the largest one that fits.
    const double fits = std::min(room.width() / w, room.height() / h);
    layout.fitted = scale.fitPage || scale.mmPerUnit > fits;
    layout.mmPerUnit = layout.fitted ? fits : scale.mmPerUnit;
    // 4. The board centred across the page, the text below it.
    const QSizeF board(w * layout.mmPerUnit, h * layout.mmPerUnit);
    layout.board = QRectF(QPointF((pageMm.width() - board.width()) / 2, top), board);
    layout.text = QRectF(0, layout.board.bottom() + GapMm, pageMm.width(), textMm);
    return layout;
}

QString scaleText(double mmPerUnit) {
    const double cm = mmPerUnit / 10.0;
    const QString sep = TextRules::localSeparator();
    if (cm == std::round(cm))
        return QObject::tr("1 unidade = %1 cm").arg(TextRules::number(cm, sep));
    return QObject::tr("1 unidade = %1 mm")
        .arg(TextRules::number(TextRules::round(mmPerUnit, 2), sep));
}

std::optional<SheetLayout> printSheet(QPrinter& printer, const Board& board,
                                      const BoardSheet& sheet, const PrintScale& scale,
                                      bool withSolution) {
    QPainter painter;
    if (!painter.begin(&printer)) return std::nullopt;
    const double pxPerMm = printer.resolution() / MmPerInch;
    const QSizeF pageMm = printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
    // 1. Measure the texts and lay the sheet out.
    const SheetText text(&printer, pxPerMm);
    const double titleMm = text.titleMm + (sheet.caption.isEmpty() ? 0.0 : text.captionMm);
    const double textMm = text.lineMm * double(sheet.lines.size() + 1);
    const SheetLayout layout = layoutSheet(pageMm, worldSize(board), scale, titleMm, textMm);
    // 2. The form's title and the frame's caption.
    painter.setPen(Qt::black);
    drawLine(painter, text.titleFont, layout.title.topLeft() * pxPerMm, sheet.title);
    drawLine(painter, text.captionFont,
             (layout.title.topLeft() + QPointF(0, text.titleMm)) * pxPerMm, sheet.caption);
    // 3. The board at its scale.
    paintBoard(painter, board, layout.board, pxPerMm);
    // 4. The frame's rows and the scale, below the board.
    QStringList lines = sheet.lines;
    lines << (layout.fitted ? QObject::tr("Escala: ajustada à página, %1")
                            : QObject::tr("Escala: %1"))
                 .arg(scaleText(layout.mmPerUnit));
    QPointF at = layout.text.topLeft();
    for (const QString& line : lines) {
        drawLine(painter, text.bodyFont, at * pxPerMm, line);
        at.ry() += text.lineMm;
    }
    // 5. The worked solution, on the pages after.
    if (const exact::Solution* solution = sheet.workedSolution(); withSolution && solution)
        printSolution(painter, printer, *solution, sheet, pxPerMm, pageMm);
    return layout;
}

} // namespace BoardExport
