#pragma once

#include "sheet.h"

#include <QByteArray>

namespace worksheet {

/// The sheet as an OpenDocument text package, to edit in a word processor:
/// the same pieces as the PDF (flowOf), its paragraphs as styled text that
/// keep a statement with its figure and a heading with what it heads; each
/// line of mathematics of the worked solutions an embedded formula object
/// (MathML, which the word processor's formula editor opens), the
/// mathematics inside a sentence as text or, with subscripts, as a formula;
/// each figure a vector drawing (SVG) drawn by the board's renderer. Its
/// styles give the A4 page with the PDF's margins and a footer with the
/// title and the page's number, the teacher's pages also with the level and
/// the seed, which the file's metadata keep as well.
QByteArray odtPackage(const Sheet& sheet);

} // namespace worksheet
