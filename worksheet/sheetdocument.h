#pragma once

#include "sheet.h"

#include <QString>
#include <cstdint>
#include <memory>

class QPagedPaintDevice;

namespace worksheet {

enum class Part : std::uint8_t;

/// A sheet laid out on A4 pages (flowOf gives its pieces): the pupils'
/// pages of each version, then the teacher's. A statement never leaves its
/// figure nor breaks across pages; a heading stays with what it heads; the
/// room to work is cut short by the end of a page. Each page is painted
/// with what it holds and nothing else, as vectors: text stays text, the
/// figures are the board's display lists, the worked solutions typeset.
/// The footer carries the title and the page's number, and on the
/// teacher's pages the level and the seed.
class SheetDocument {
public:
    explicit SheetDocument(Sheet sheet);
    ~SheetDocument();
    SheetDocument(const SheetDocument&) = delete;
    SheetDocument& operator=(const SheetDocument&) = delete;

    int pageCount() const;
    /// Whose page it is.
    Part partOf(int page) const;

    /// A4 and the sheet's margins on a PDF writer or a printer.
    static void setUpPage(QPagedPaintDevice& device);
    /// Paints every page on `device`, set up by setUpPage; false when the
    /// painter cannot start on it.
    bool paint(QPagedPaintDevice& device) const;

    /// The characters a page paints, in no particular order of place: its
    /// paragraphs, the glyphs of its worked solutions, the numbers and
    /// names of its figures and its footer (for tests and tools).
    QString pageText(int page) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace worksheet
