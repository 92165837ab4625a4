#pragma once

#include "board.h"
#include "messages.h"
#include "navigation.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <optional>
#include <vector>

/// Records every routed message instead of showing it, for one test's life.
class MessageRecorder {
public:
    MessageRecorder()
        : m_previous(
              setMessageHandler([this](QWidget*, const Message& m) { messages.push_back(m); })) {}
    ~MessageRecorder() { setMessageHandler(m_previous); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList texts() const {
        QStringList list;
        for (const Message& m : messages)
            list << m.text;
        return list;
    }
    void clear() { messages.clear(); }

    std::vector<Message> messages;

private:
    MessageHandler m_previous;
};

/// Records what problem forms ask of the application around them.
struct NavigationRecorder {
    NavigationRecorder() {
        setNavigation({[this](Topic t) { topics.push_back(t); },
                       [this](HelpPage p) { pages.push_back(p); },
                       [this](Topic t) { return available.empty() || available.contains(int(t)); },
                       [this] { ++quits; }});
    }
    ~NavigationRecorder() {
        setNavigation({[](Topic) {}, [](HelpPage) {}, [](Topic) { return false; }, [] {}});
    }

    std::vector<Topic> topics;
    std::vector<HelpPage> pages;
    QList<int> available; ///< empty: every topic is available
    int quits = 0;
};

/// Sets the regional setting whose decimal separator the rules use.
inline void useDecimalComma(bool comma) {
    QLocale::setDefault(comma ? QLocale(QLocale::Portuguese, QLocale::Portugal)
                              : QLocale(QLocale::English, QLocale::UnitedStates));
}

inline bool near(double a, double b, double tolerance = 1e-9) {
    return std::fabs(a - b) <= tolerance * std::max(1.0, std::max(std::fabs(a), std::fabs(b)));
}

/// Positions on the board come partly from 32-bit viewport values.
inline bool nearPoint(QPointF a, QPointF b, double tolerance = 1e-6) {
    return near(a.x(), b.x(), tolerance) && near(a.y(), b.y(), tolerance);
}

/// The primitives of one kind on a board, in drawing order.
inline std::vector<Primitive> primitives(const Board& board, Primitive::Kind kind) {
    std::vector<Primitive> found;
    for (const Primitive& p : board.displayList())
        if (p.kind == kind) found.push_back(p);
    return found;
}

/// Whether the board holds a segment between a and b (either direction) in
/// that colour and width, and, when given, that effective dash style.
inline bool hasSegment(const Board& board, QPointF a, QPointF b, const QColor& colour, int width,
                       std::optional<DashStyle> style = std::nullopt) {
    for (const Primitive& p : primitives(board, Primitive::Kind::Line)) {
        const bool ends = (nearPoint(p.p1, a) && nearPoint(p.p2, b)) ||
                          (nearPoint(p.p1, b) && nearPoint(p.p2, a));
        if (ends && p.color == colour && p.width == width &&
            (!style || p.effectiveStyle() == *style))
            return true;
    }
    return false;
}

inline bool hasDot(const Board& board, QPointF at, const QColor& colour) {
    for (const Primitive& p : primitives(board, Primitive::Kind::Dot))
        if (nearPoint(p.p1, at) && p.color == colour && p.width == 7) return true;
    return false;
}

inline bool hasCircle(const Board& board, QPointF centre, double radius, const QColor& colour) {
    for (const Primitive& p : primitives(board, Primitive::Kind::Circle))
        if (nearPoint(p.p1, centre) && near(p.radius, radius, 1e-6) && p.color == colour)
            return true;
    return false;
}

/// The texts printed on the board, in order.
inline QStringList printed(const Board& board) {
    QStringList texts;
    for (const Primitive& p : primitives(board, Primitive::Kind::Text))
        texts << p.text;
    return texts;
}
