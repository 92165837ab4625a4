#include "sheetdocument.h"

#include "solution.h"
#include "solutionlayout.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QUrl>
#include <cmath>
#include <functional>
#include <utility>

namespace worksheet {

namespace {

constexpr double MmPerInch = 25.4;
constexpr double LogicalDpi = 96.0;  ///< the pixels of a board and of typeset mathematics
constexpr double VectorDpi = 1200.0; ///< the dots of a painted document's layout
constexpr double ImageDpi = 300.0;   ///< images in the OpenDocument file
constexpr double MarginMm = 18.0;
constexpr double FooterMm = 8.0;
constexpr double FigureMm = 62.0;
constexpr double FigureArea = 400.0; ///< board pixels of a figure's side
constexpr double WorkRoomMm = 48.0;  ///< blank room to work under an exercise
constexpr double MathSize = 14.0;    ///< pixels of the worked solutions' text
constexpr int PieceType = QTextFormat::UserObject + 1;
constexpr int PieceIndex = QTextFormat::UserProperty + 1;

QSizeF pageMm() {
    return {210.0 - 2 * MarginMm, 297.0 - 2 * MarginMm - FooterMm};
}

/// A drawing of a fixed size in logical pixels, painted from the origin.
struct Piece {
    QSizeF size;
    std::function<void(QPainter&)> paint;
};

/// Paints the vector pieces where the layout puts their characters.
class PieceHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit PieceHandler(double dotsPerPixel)
        : m_dotsPerPixel(dotsPerPixel) {}
    std::vector<Piece> pieces;

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
        return piece(format).size * m_dotsPerPixel;
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& format) override {
        // A piece belongs to the page its top is on: the layout also asks the
        // page above for a piece moved down to the next page.
        const QRectF page = painter->clipBoundingRect();
        // (A piece at the top of a page starts where the page above ends: a
        // dot of the layout decides which one, so that rounding does not.)
        if (!page.isEmpty() && (rect.top() < page.top() - 1 || rect.top() >= page.bottom() - 1))
            return;
        const Piece& p = piece(format);
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / p.size.width(), rect.height() / p.size.height());
        p.paint(*painter);
        painter->restore();
    }

private:
    const Piece& piece(const QTextFormat& format) const {
        return pieces.at(std::size_t(format.intProperty(PieceIndex)));
    }
    double m_dotsPerPixel;
};

QTextCharFormat textFormat(double points, bool bold = false, QColor colour = Qt::black) {
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("DejaVu Sans")});
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    return format;
}

/// Makes `block` the last of its page: the layout would carry its bottom
/// margin (the room to work) over to the top of the next page.
void endPage(const QTextBlock& block) {
    if (!block.isValid()) return;
    QTextBlockFormat format;
    format.setBottomMargin(0);
    QTextCursor(block).mergeBlockFormat(format);
}

/// Writes a sheet into a document, one block after another.
class Builder {
public:
    Builder(QTextDocument& document, PieceHandler& handler, Pictures pictures, double dotsPerMm)
        : m_document(document)
        , m_handler(handler)
        , m_pictures(pictures)
        , m_dotsPerMm(dotsPerMm)
        , m_cursor(&document) {}

    void pupilPages(const Sheet& sheet, const SheetVersion& version);
    void keyPages(const Sheet& sheet, const SheetVersion& version);

    /// A piece's block and the block that goes to the next page with it
    /// when the piece would be cut by the end of a page.
    struct Keep {
        int piece;
        int from;
    };
    const std::vector<Keep>& keeps() const { return m_keeps; }

private:
    void block(double topMm, double bottomMm, bool newPage = false,
               Qt::Alignment align = Qt::AlignLeft);
    void text(const QString& text, const QTextCharFormat& format) {
        m_cursor.insertText(text, format);
    }
    void piece(Piece piece);
    void figure(const DisplayList& list);
    void solution(const exact::Solution& solution);
    QString subtitle(const Sheet& sheet, const SheetVersion& version) const;

    QTextDocument& m_document;
    PieceHandler& m_handler;
    Pictures m_pictures;
    double m_dotsPerMm;
    QTextCursor m_cursor;
    bool m_empty = true;
    int m_images = 0;
    int m_keepFrom = -1; ///< the block a piece keeps with, when not its own
    std::vector<Keep> m_keeps;
};

void Builder::block(double topMm, double bottomMm, bool newPage, Qt::Alignment align) {
    QTextBlockFormat format;
    format.setTopMargin(topMm * m_dotsPerMm);
    format.setBottomMargin(bottomMm * m_dotsPerMm);
    format.setAlignment(align);
    if (newPage && !m_empty) {
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        endPage(m_cursor.block());
    }
    if (m_empty)
        m_cursor.setBlockFormat(format);
    else
        m_cursor.insertBlock(format);
    m_empty = false;
}

void Builder::piece(Piece piece) {
    const int block = m_cursor.block().blockNumber();
    m_keeps.push_back({block, m_keepFrom < 0 ? block : std::exchange(m_keepFrom, -1)});
    if (m_pictures == Pictures::Vector) {
        QTextCharFormat format;
        format.setObjectType(PieceType);
        format.setProperty(PieceIndex, int(m_handler.pieces.size()));
        m_handler.pieces.push_back(std::move(piece));
        m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
        return;
    }
    const double ratio = ImageDpi / LogicalDpi;
    QImage image((piece.size * ratio).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(ImageDpi / MmPerInch * 1000));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(ratio, ratio);
    piece.paint(painter);
    painter.end();
    const QString name = QStringLiteral("figura%1.png").arg(++m_images);
    m_document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(piece.size.width());
    format.setHeight(piece.size.height());
    m_cursor.insertImage(format);
}

/// The board's drawing of the data on a square of the figure's size, drawn
/// as a board of `FigureArea` pixels: pens and texts keep their size.
void Builder::figure(const DisplayList& list) {
    if (list.empty()) return;
    const double side = FigureMm * LogicalDpi / MmPerInch;
    block(2, 0, false, Qt::AlignHCenter);
    piece({QSizeF(side, side), [list, side](QPainter& painter) {
               painter.scale(side / FigureArea, side / FigureArea);
               const QRectF area(0, 0, FigureArea, FigureArea);
               painter.fillRect(area, Qt::white);
               renderDisplayList(painter, list, area.size());
               painter.setPen(QPen(QColor(128, 128, 128), 0));
               painter.setBrush(Qt::NoBrush);
               painter.drawRect(area);
           }});
}

/// The engine's steps, typeset: the title and each step a piece, so that a
/// page ends between two steps.
void Builder::solution(const exact::Solution& solution) {
    const double width = pageMm().width() * LogicalDpi / MmPerInch;
    const auto layout = std::make_shared<SolutionLayout>(solution, width, solutionStyle(MathSize));
    block(1, 1);
    piece({layout->titleRect().size(), [layout](QPainter& painter) {
               layout->paintTitle(painter, {0, 0});
           }});
    for (int i = 0; i < layout->stepCount(); ++i) {
        block(0, 0);
        piece({layout->stepRect(i).size(), [layout, i](QPainter& painter) {
                   layout->paintStep(painter, {0, 0}, i);
               }});
    }
}

QString Builder::subtitle(const Sheet& sheet, const SheetVersion& version) const {
    QStringList parts;
    if (!version.name.isEmpty()) parts << versionHeading(version);
    if (!sheet.level.isEmpty()) parts << QObject::tr("nível %1").arg(sheet.level);
    parts << QObject::tr("semente %1").arg(sheet.seed);
    return parts.join(QStringLiteral(" · "));
}

void Builder::pupilPages(const Sheet& sheet, const SheetVersion& version) {
    const QColor grey(0x55, 0x5b, 0x66);
    block(0, 1, true);
    text(sheet.title, textFormat(16, true));
    block(0, 5);
    text(subtitle(sheet, version), textFormat(9, false, grey));
    const QString blank(38, QLatin1Char('_'));
    block(0, 3);
    text(QObject::tr("Nome: ") + blank + QString(14, QLatin1Char('_')), textFormat(11));
    block(0, 8);
    text(QObject::tr("Turma: %1   N.º: %2   Data: %3")
             .arg(QString(10, QLatin1Char('_')), QString(6, QLatin1Char('_')),
                  QString(14, QLatin1Char('_'))),
         textFormat(11));
    int number = 0;
    for (const SheetExercise& exercise : version.exercises) {
        block(0, 2);
        text(QStringLiteral("%1. ").arg(++number), textFormat(11, true));
        text(exercise.statement, textFormat(11));
        m_keepFrom = m_cursor.block().blockNumber(); // the statement stays with its figure
        figure(exercise.figure);
        QTextBlockFormat room; // to work, below the exercise
        room.setBottomMargin(WorkRoomMm * m_dotsPerMm);
        m_cursor.mergeBlockFormat(room);
    }
}

void Builder::keyPages(const Sheet& sheet, const SheetVersion& version) {
    const QString suffix =
        version.name.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + versionHeading(version);
    block(0, 1, true);
    text(QObject::tr("Soluções") + suffix, textFormat(15, true));
    block(0, 4);
    text(sheet.title + QStringLiteral(" · ") + QObject::tr("semente %1").arg(sheet.seed),
         textFormat(9, false, QColor(0x55, 0x5b, 0x66)));
    int number = 0;
    for (const SheetExercise& exercise : version.exercises) {
        block(0, 1.5);
        text(QStringLiteral("%1. ").arg(++number), textFormat(11, true));
        text(exercise.answer, textFormat(11));
    }
    block(8, 1);
    text(QObject::tr("Resoluções") + suffix, textFormat(15, true));
    number = 0;
    for (const SheetExercise& exercise : version.exercises) {
        block(5, 1);
        text(QObject::tr("Exercício %1").arg(++number), textFormat(12, true));
        if (exercise.solution)
            solution(*exercise.solution);
        else {
            block(1, 1);
            text(QObject::tr("Este exercício não tem resolução passo a passo."), textFormat(10));
        }
    }
}

/// Moves to the next page each piece that the end of a page would cut, with
/// the block it keeps with, from the top down.
void keepWhole(QTextDocument& document, const std::vector<Builder::Keep>& keeps) {
    const double page = document.pageSize().height();
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (const Builder::Keep& keep : keeps) {
        const QRectF r = layout->blockBoundingRect(document.findBlockByNumber(keep.piece));
        const double inside = r.top() - std::floor(r.top() / page) * page;
        if (r.height() >= page || inside + r.height() <= page) continue;
        const QTextBlock from = document.findBlockByNumber(keep.from);
        QTextBlockFormat format;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(from).mergeBlockFormat(format);
        endPage(from.previous());
        document.pageCount(); // the pages after it laid out again, before the next look
    }
}

} // namespace

QString versionHeading(const SheetVersion& version) {
    return version.name.isEmpty() ? QString() : QObject::tr("Versão %1").arg(version.name);
}

struct SheetDocument::Private {
    double dpi;
    QImage layoutDevice{1, 1, QImage::Format_RGB32};
    QTextDocument document;
    PieceHandler handler;
    QString footer;

    explicit Private(double dotsPerInch)
        : dpi(dotsPerInch)
        , handler(dotsPerInch / LogicalDpi) {
        layoutDevice.setDotsPerMeterX(qRound(dpi / MmPerInch * 1000));
        layoutDevice.setDotsPerMeterY(layoutDevice.dotsPerMeterX());
        document.documentLayout()->setPaintDevice(&layoutDevice);
        document.documentLayout()->registerHandler(PieceType, &handler);
        document.setDocumentMargin(0);
        document.setPageSize(pageMm() * (dpi / MmPerInch));
    }
};

SheetDocument::SheetDocument(const Sheet& sheet, Pictures pictures)
    : d(std::make_unique<Private>(pictures == Pictures::Vector ? VectorDpi : LogicalDpi)) {
    d->document.setMetaInformation(QTextDocument::DocumentTitle, sheet.title);
    // The layout takes lengths of formats in pixels of 96 dots an inch.
    Builder builder(d->document, d->handler, pictures, LogicalDpi / MmPerInch);
    for (const SheetVersion& version : sheet.versions)
        builder.pupilPages(sheet, version);
    for (const SheetVersion& version : sheet.versions)
        builder.keyPages(sheet, version);
    if (pictures == Pictures::Vector) keepWhole(d->document, builder.keeps());
    d->footer = sheet.title + QStringLiteral(" · ") + QObject::tr("semente %1").arg(sheet.seed);
}

SheetDocument::~SheetDocument() = default;

QTextDocument& SheetDocument::document() const {
    return d->document;
}

int SheetDocument::pageCount() const {
    return d->document.pageCount();
}

void SheetDocument::setUpPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                                     QPageLayout::Millimeter));
}

bool SheetDocument::paint(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double scale = device.logicalDpiY() / d->dpi;
    const int pages = pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) return false;
        paintPage(painter, page, scale);
    }
    return painter.end();
}

void SheetDocument::paintPage(QPainter& painter, int page, double scale) const {
    const QSizeF size = d->document.pageSize();
    painter.save();
    painter.scale(scale, scale);
    painter.translate(0, -size.height() * page);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, size.height() * page), size);
    painter.setClipRect(context.clip);
    d->document.documentLayout()->draw(&painter, context);
    painter.restore();
    // The footer in the device's own units, so its points are true points.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8);
    painter.setFont(font);
    painter.setPen(QColor(0x55, 0x5b, 0x66));
    const double top = size.height() * scale;
    const double dotsPerMm = painter.device()->logicalDpiY() / MmPerInch;
    const QRectF band(0, top, size.width() * scale, FooterMm * dotsPerMm);
    const QString pages = QObject::tr("página %1 de %2").arg(page + 1).arg(pageCount());
    painter.drawText(band, Qt::AlignLeft | Qt::AlignBottom, d->footer);
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, pages);
}

} // namespace worksheet

#include "sheetdocument.moc"
