#pragma once

#include "sheet.h"

#include <memory>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace worksheet {

/// How a sheet's figures and typeset mathematics go into its document.
enum class Pictures {
    Vector, ///< drawn as vector pieces when the pages are painted (PDF, print, preview)
    Images, ///< as images at print resolution, which any word processor shows (OpenDocument)
};

/// A sheet as a text document on A4 pages: each version's page for the
/// pupils (the title, blank lines for name, class, number and date, the
/// numbered exercises with room to work), then, on new pages, each
/// version's answer key and its worked solutions. The seed goes in the
/// footer of every painted page.
class SheetDocument {
public:
    SheetDocument(const Sheet& sheet, Pictures pictures);
    ~SheetDocument();
    SheetDocument(const SheetDocument&) = delete;
    SheetDocument& operator=(const SheetDocument&) = delete;

    QTextDocument& document() const;
    int pageCount() const;

    /// A4 and the sheet's margins on a PDF writer or a printer.
    static void setUpPage(QPagedPaintDevice& device);
    /// Paints every page on `device`, set up by setUpPage; false when the
    /// painter cannot start on it.
    bool paint(QPagedPaintDevice& device) const;

private:
    void paintPage(QPainter& painter, int page, double scale) const;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace worksheet
