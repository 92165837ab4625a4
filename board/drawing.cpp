#include "drawing.h"

#include "board.h"
#include "textrules.h"

void Drawing::pen(const QColor& colour, int width, DashStyle style) {
    m_board.setForeColor(colour);
    m_board.setDrawWidth(width);
    m_board.setDrawStyle(style);
}

void Drawing::dot(Pt p, const QString& name) {
    m_board.setDrawWidth(7);
    m_board.PSet(p.x.value(), p.y.value(), name);
}

void Drawing::guides(Pt p) {
    m_board.setDrawWidth(1);
    m_board.setDrawStyle(DashStyle::Dotted);
    segment({p.x, 0}, p);
    segment({0, p.y}, p);
}

void Drawing::axisLabels(Pt p) {
    const QString sep = TextRules::localSeparator();
    Axes::printOnXAxis(m_board, m_view, p.x.value(), sep);
    Axes::printOnYAxis(m_board, m_view, p.y.value(), sep);
}

void Drawing::labelIfUngraduated(Pt p) {
    if (!m_view.graduated()) axisLabels(p);
}

void Drawing::segment(Pt from, Pt to) {
    m_board.Line(from.x.value(), from.y.value(), to.x.value(), to.y.value());
}

void Drawing::circle(const Circle& c) {
    m_board.Circle(c.xc.value(), c.yc.value(), c.r.value());
}

bool Drawing::line(const Line& l, std::optional<bool> noLine) {
    const Real x1 = m_view.Xmin + 1.0f, x2 = m_view.Xmax - 1.0f;
    const Real y1 = m_view.Ymin + 1.0f, y2 = m_view.Ymax - 1.0f;
    // Doubles that are both 0 cannot be drawn, whatever the exact values.
    if ((l.a == 0 && l.b == 0) || noLine.value_or(false)) return false;
    if (l.a == 0) {
        segment({x1, -l.c / l.b}, {x2, -l.c / l.b});
        return true;
    }
    if (l.b == 0) {
        segment({-l.c / l.a, y1}, {-l.c / l.a, y2});
        return true;
    }
    // Where the line leaves the shrunk viewport at the top and at the bottom,
    // moved onto a side when it crosses that side first.
    const auto crossing = [&](Real yEdge) {
        const Real x = (-l.b * yEdge - l.c) / l.a;
        if (x > x2) return Pt{x2, (-l.a * x2 - l.c) / l.b};
        if (x < x1) return Pt{x1, (-l.a * x1 - l.c) / l.b};
        return Pt{x, yEdge};
    };
    segment(crossing(y2), crossing(y1));
    return true;
}
