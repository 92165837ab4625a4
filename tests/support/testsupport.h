#pragma once

#include "board.h"
#include "messages.h"
#include "navigation.h"

#include <QLocale>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <vector>

/// Records every routed message instead of showing it, for one test's life.
struct MessageRecorder {
    MessageRecorder() = default;
    MessageRecorder(const MessageRecorder&) = delete;
    ~MessageRecorder() { setMessageHandler(previous); }
    QStringList texts() const {
        QStringList list;
        for (const Message& m : messages)
            list << m.text;
        return list;
    }
    void clear() { messages.clear(); }

    std::vector<Message> messages;
    const MessageHandler previous =
        setMessageHandler([this](QWidget*, const Message& m) { messages.push_back(m); });
};

/// Records what problem forms ask of the application around them.
struct NavigationRecorder {
    NavigationRecorder() {
        setNavigation({[this](Topic t) { topics.push_back(t); },
                       [this](HelpPage p) { pages.push_back(p); }, [this] { ++quits; },
                       [this](ProblemForm* f) { solutionsAsked.push_back(f); }});
    }
    ~NavigationRecorder() {
        setNavigation({[](Topic) {}, [](HelpPage) {}, [] {}, [](ProblemForm*) {}});
    }

    std::vector<Topic> topics;
    std::vector<HelpPage> pages;
    int quits = 0;
    std::vector<ProblemForm*> solutionsAsked; ///< the forms whose worked solution was asked for
};

/// The regional setting whose decimal separator the rules use: "," or ".".
inline void useDecimalComma(bool comma) {
    QLocale::setDefault(comma ? QLocale(QLocale::Portuguese, QLocale::Portugal)
                              : QLocale(QLocale::English, QLocale::UnitedStates));
}

inline bool near(double a, double b, double tolerance = 1e-9) {
    return std::fabs(a - b) <= tolerance * std::max({1.0, std::fabs(a), std::fabs(b)});
}

/// Positions on the board come partly from 32-bit viewport values.
inline bool nearPoint(QPointF a, QPointF b, double tolerance = 1e-6) {
    return near(a.x(), b.x(), tolerance) && near(a.y(), b.y(), tolerance);
}

/// Whether two primitives draw the same thing, to the last bit. A change of
/// window draws nothing, and only a text is drawn in a font: the drawing
/// state in force when they were recorded is no part of them.
inline bool samePrimitive(const Primitive& a, const Primitive& b) {
    if (a.kind == Primitive::Kind::Window || b.kind == Primitive::Kind::Window)
        return a.kind == b.kind && a.p1 == b.p1 && a.p2 == b.p2;
    return a.kind == b.kind && a.p1 == b.p1 && a.p2 == b.p2 && a.radius == b.radius &&
           a.color == b.color && a.width == b.width && a.style == b.style && a.text == b.text &&
           (a.kind != Primitive::Kind::Text || a.font == b.font) && a.anchor == b.anchor &&
           a.role == b.role;
}

/// A board's display list without the changes of window that nothing was
/// drawn in (the window a press finds, which it sets again at once).
inline DisplayList drawnList(const Board& board) {
    DisplayList drawn;
    for (const Primitive& p : board.displayList()) {
        if (!drawn.empty() && drawn.back().kind == Primitive::Kind::Window &&
            p.kind == Primitive::Kind::Window)
            drawn.pop_back();
        drawn.push_back(p);
    }
    return drawn;
}

/// Whether two boards show the same picture, primitive by primitive.
inline bool samePicture(const Board& a, const Board& b) {
    return std::ranges::equal(drawnList(a), drawnList(b), samePrimitive);
}

/// The primitives of one kind on a board, in drawing order.
inline std::vector<Primitive> primitives(const Board& board, Primitive::Kind kind) {
    std::vector<Primitive> found;
    std::ranges::copy_if(board.displayList(), std::back_inserter(found),
                         [kind](const Primitive& p) { return p.kind == kind; });
    return found;
}

inline bool hasDot(const Board& board, QPointF at, const QColor& colour) {
    return std::ranges::any_of(primitives(board, Primitive::Kind::Dot), [&](const Primitive& p) {
        return nearPoint(p.p1, at) && p.color == colour && p.width == 7;
    });
}

/// A table of rows of texts, each row named after its first two cells.
inline void table(std::initializer_list<QStringList> rows) {
    QTest::addColumn<QStringList>("row");
    for (const QStringList& row : rows)
        QTest::addRow("%s | %s", qPrintable(row[0]), qPrintable(row[1])) << row;
}

/// Numbers as text to 6 significant digits, a negative zero as "0".
inline QString text(std::initializer_list<double> values) {
    QStringList words;
    for (double value : values)
        words << QString::number(value + 0.0);
    return words.join(QLatin1Char(' '));
}

/// The solid segments of that colour and width, each as "x1 y1 x2 y2".
inline QStringList segments(const Board& board, const QColor& colour, int width) {
    QStringList found;
    for (const Primitive& p : primitives(board, Primitive::Kind::Line))
        if (p.color == colour && p.width == width && p.effectiveStyle() == DashStyle::Solid)
            found << text({p.p1.x(), p.p1.y(), p.p2.x(), p.p2.y()});
    return found;
}

inline QStringList printed(const Board& board) {
    QStringList texts;
    for (const Primitive& p : primitives(board, Primitive::Kind::Text))
        texts << p.text;
    return texts;
}
