#pragma once

#include "languages.h"
#include "mathtypeset.h"
#include "sentences.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

/// A worked solution typeset for a width: its title, then its numbered
/// steps. A step is its number, its sentence wrapped to the width, then its
/// lines of mathematics, whose first relation signs stand one under the
/// other; a chain too long for the width goes on in the next row with its
/// relation sign under the others. The window, the clipboard's picture and
/// the printed and exported pages all draw the same layout.
class SolutionLayout {
public:
    SolutionLayout(const exact::Solution& solution, double width, const Typeset::Style& style,
                   const exact::SentenceTable& table = languages::sentences());
    /// A message in place of a solution, wrapped to the width.
    static SolutionLayout message(const QString& text, double width, const Typeset::Style& style);

    int stepCount() const { return int(m_steps.size()); }
    /// The width taken: the width asked for, or more where a piece cannot be broken.
    double width() const { return m_width; }
    /// From the top to the end of the title and of the first `shown` steps.
    double height(int shown) const;
    QRectF titleRect() const;
    QRectF stepRect(int step) const;
    /// Where the first relation sign of each line of a step starts, from
    /// the left edge (lines that are not chains are left out).
    const std::vector<double>& alignedRelations(int step) const;
    /// What the title and a step draw, their origin at their top-left corner.
    const Typeset::Box& titleBox() const { return m_title.box; }
    const Typeset::Box& stepBox(int step) const { return m_steps.at(std::size_t(step)).box; }

    /// The room between two steps.
    double stepGap() const { return m_stepGap; }

    /// Paints the title and the first `shown` steps, the top-left corner at
    /// `origin`; only what meets `visible` when it is given (painter coordinates).
    void paint(QPainter& painter, QPointF origin, int shown, const QRectF& visible = {}) const;
    /// Paints the title alone, or one step alone, its top-left corner at `at`
    /// (a page of its own starts with any step).
    void paintTitle(QPainter& painter, QPointF at) const;
    void paintStep(QPainter& painter, QPointF at, int step) const;

private:
    SolutionLayout() = default;

    struct Block {
        Typeset::Box box; ///< its origin at the block's top-left corner
        double top = 0.0;
        double height = 0.0;
        std::vector<double> relations;
    };
    Block m_title;
    std::vector<Block> m_steps;
    double m_width = 0.0;
    double m_stepGap = 0.0;
};

/// The style of a worked solution in a picture or on paper: the program's
/// faces and colours, the regional decimal separator, `size` pixels.
Typeset::Style solutionStyle(double size);

/// The whole solution as a picture `width` logical pixels wide (margins
/// included) on white, at `pixelRatio` image pixels per logical pixel.
QImage solutionImage(const exact::Solution& solution, const Typeset::Style& style, double width,
                     double pixelRatio);
