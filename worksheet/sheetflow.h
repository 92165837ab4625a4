#pragma once

#include "sheet.h"

#include <QString>
#include <memory>
#include <vector>

namespace worksheet {

/// The sizes of a sheet's page, in millimetres: A4 with its margins, and
/// the band of the footer inside the lower margin's edge.
namespace PageMm {
inline constexpr double Width = 210.0;
inline constexpr double Height = 297.0;
inline constexpr double Margin = 18.0;
inline constexpr double Footer = 8.0;
inline constexpr double TextWidth = Width - 2 * Margin;
inline constexpr double TextHeight = Height - 2 * Margin - Footer;
} // namespace PageMm

/// The side of a figure of the data, in millimetres.
inline constexpr double FigureMm = 62.0;
/// The same in logical pixels (96 to the inch): the size its display list is drawn for.
inline constexpr double FigurePixels = FigureMm * 96.0 / 25.4;
/// The size of the worked solutions' body text, in points.
inline constexpr double SolutionPoints = 10.5;

/// The faces a sheet's text is set in.
enum class TextStyle : std::uint8_t {
    Title,      ///< the sheet's title, 16 points bold
    Subtitle,   ///< "Versão A", the teacher's line under a heading: 9 points, grey
    Body,       ///< statements, answers, blanks to fill: 11 points
    Number,     ///< "3. ": 11 points bold
    Heading,    ///< "Soluções — Versão A": 15 points bold
    Subheading, ///< "Exercício 3": 12 points bold
    Note,       ///< "Este exercício não tem resolução passo a passo.": 10 points
};

/// The size in points and the weight of a face.
double pointsOf(TextStyle style);
bool isBold(TextStyle style);
bool isGrey(TextStyle style);

/// A stretch of text in one face.
struct Run {
    QString text;
    TextStyle style = TextStyle::Body;
};

/// Whose pages: the pupils' (no level, no seed) or the teacher's.
enum class Part : std::uint8_t { Pupils, Teacher };

/// One piece of a sheet, in the order the pages hold them.
struct FlowItem {
    enum class Kind : std::uint8_t {
        Text,          ///< a paragraph of runs
        Figure,        ///< the figure of an exercise's data, FigureMm square, centred
        SolutionTitle, ///< the title of a worked solution
        SolutionStep,  ///< one numbered step of a worked solution
        Room,          ///< blank room to work, cut short by the end of a page
    };
    Kind kind = Kind::Text;
    Part part = Part::Pupils;
    std::vector<Run> runs;                     ///< Text
    bool centred = false;                      ///< Text
    double aboveMm = 0;                        ///< room above, none at the top of a page
    double belowMm = 0;                        ///< Room: its height
    const DisplayList* figure = nullptr;       ///< Figure
    const exact::Solution* solution = nullptr; ///< SolutionTitle, SolutionStep
    int step = -1;                             ///< SolutionStep
    bool keepWithNext = false;                 ///< on the same page as the next item
    bool newPage = false;                      ///< begins a page

    /// The paragraph's text, its runs one after the other.
    QString text() const;
};

/// The pieces of a sheet: for each version, the pupils' pages (the title,
/// "Versão A" when there are two, the blanks for the name, class, number
/// and date, each exercise's number and statement kept with its figure,
/// then room to work); then, each on new pages, each version's key and
/// worked solutions, headed by the title, the level and the seed. A point
/// or an equation of a statement or an answer never breaks across lines.
/// The items point into `sheet`, which must outlive them.
std::vector<FlowItem> flowOf(const Sheet& sheet);

/// The text with the blanks inside each point, equation and value made
/// unbreakable: "A(1 , −2)", "r: 2x − y + 3 = 0", "40º 14' 10,89''" stay
/// whole on a line; a line may still break after a comma or a semicolon
/// between two of them, and around the words.
QString keepDataWhole(const QString& text);

/// "nível intermédio · semente 83121": what the teacher's pages and the
/// file's description say of a sheet.
QString levelAndSeed(const Sheet& sheet);

} // namespace worksheet
