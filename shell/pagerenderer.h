#pragma once

#include "helpcontent.h"

#include <QImage>
#include <QRectF>
#include <memory>

class QPainter;
class QTextDocument;

namespace Help {

/// Lays out one page of a book and paints it. A page is designed on a sheet
/// of `Size` units and drawn with vector text and lines only, so it stays
/// sharp at any scale.
class PageRenderer {
public:
    static constexpr double Width = 460.0;
    static constexpr double Height = 640.0;

    PageRenderer(const Book& book, int index);
    ~PageRenderer();

    /// The room the running text may fill, in page units.
    QRectF textArea() const;
    /// The height the running text needs.
    double textHeight() const;
    bool fits() const { return textHeight() <= textArea().height(); }

    /// Paints the sheet with its origin at the painter's origin, in page units.
    void paint(QPainter& painter) const;
    /// Paints the sheet centred in `target`, scaled uniformly to fill it.
    void paintInto(QPainter& painter, const QRectF& target) const;

private:
    void layOut(int entryGap);
    void spreadEntries();
    void paintFrame(QPainter& painter) const;
    void paintTitle(QPainter& painter) const;

    const Book& m_book;
    int m_index;
    std::unique_ptr<QTextDocument> m_text;
};

/// The page drawn on an image `scale` times its designed size.
QImage pageImage(const Book& book, int index, double scale);

/// The HTML of a page's running text (everything below its title), with
/// `entryGap` units above every function entry but the first.
QString pageHtml(const Page& page, int entryGap);

} // namespace Help
