#pragma once

#include "problemform.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <vector>

/// Drives a problem form as a user would and reads back what it shows.
namespace FormDriver {

inline const QString NotALine = QStringLiteral("A equação que indicou não é a de uma recta.");
inline const QString Refused = QStringLiteral("A equação não representa uma recta.");

inline QString label(const QWidget& form, const QString& name) {
    return form.findChild<QLabel*>(name)->text();
}

inline QLineEdit* field(const QWidget& form, const QString& name) {
    return form.findChild<QLineEdit*>(name);
}

/// Types each text into the field named before it.
inline void type(const QWidget& form, const QStringList& namesAndTexts) {
    for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2)
        field(form, namesAndTexts[i])->setText(namesAndTexts[i + 1]);
}

inline void press(const QWidget& form, const QString& button) {
    auto* b = form.findChild<QAbstractButton*>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

/// How many primitives of a kind were drawn in a colour (and pen width).
inline int drawnIn(const Board& board, const QColor& colour, Primitive::Kind kind, int width = 0) {
    int n = 0;
    for (const Primitive& p : primitives(board, kind))
        n += p.color == colour && (width == 0 || p.width == width);
    return n;
}

/// Nothing but axes on the board: no data, no answer.
inline bool bareAxes(const Board& board) {
    for (const Primitive& p : board.displayList())
        if (p.kind != Primitive::Kind::Window && (p.color == Azul || p.color == Vermelho))
            return false;
    return !board.displayList().empty();
}

/// Texts that must neither crash nor hang a form, whatever field they are typed into.
inline void addHostileTexts() {
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("division by zero") << "1/0";
    QTest::newRow("negative root") << "sqr(-1)";
    QTest::newRow("overflow") << "10^400";
    QTest::newRow("huge") << "10^300";
    QTest::newRow("long number") << QString(10000, QLatin1Char('9'));
    QTest::newRow("open parentheses") << QString(10000, QLatin1Char('('));
    QTest::newRow("x") << "x";
    QTest::newRow("equals") << "=";
    QTest::newRow("two equals") << "==";
    QTest::newRow("circle") << "x^2+y^2";
    QTest::newRow("greater") << ">";
    QTest::newRow("less") << "<";
    QTest::newRow("comma") << ",";
}

/// A result that reads as a number, point or text, never as a failed computation.
inline bool wellFormed(const QString& written) {
    for (const char* bad : {"inf", "nan", "( ,", ", )", "(,"})
        if (written.contains(QLatin1String(bad), Qt::CaseInsensitive)) return false;
    return true;
}

/// The current texts of the named fields, as name, text, name, text, ...
inline QStringList texts(const QWidget& form, const QStringList& namesAndTexts) {
    QStringList current;
    for (qsizetype i = 0; i < namesAndTexts.size(); i += 2)
        current << namesAndTexts[i] << form.findChild<QLineEdit*>(namesAndTexts[i])->text();
    return current;
}

/// The primitives of one kind and colour, in drawing order.
inline std::vector<Primitive> drawn(const Board& board, Primitive::Kind kind,
                                    const QColor& colour) {
    std::vector<Primitive> found;
    for (const Primitive& p : primitives(board, kind))
        if (p.color == colour) found.push_back(p);
    return found;
}

/// How many things are drawn in a colour.
inline int countIn(const Board& board, const QColor& colour) {
    int n = 0;
    for (const Primitive& p : board.displayList())
        n += p.kind != Primitive::Kind::Window && p.color == colour;
    return n;
}

inline double apart(QPointF p, QPointF q) {
    return std::hypot(p.x() - q.x(), p.y() - q.y());
}

/// Distance from p to the line through the ends of a drawn segment.
inline double distanceToLine(QPointF p, QPointF a, QPointF b) {
    const double cross = (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
    return std::fabs(cross) / apart(a, b);
}

/// Exactly one message was shown, with this text and icon and the title.
inline void expectOnly(const MessageRecorder& messages, const QString& text,
                       MessageIcon icon = MessageIcon::Information) {
    QCOMPARE(messages.texts(), QStringList{text});
    QVERIFY(messages.messages.front().icon == icon);
    QCOMPARE(messages.messages.front().title, QStringLiteral("Ortoplano"));
}

/// One problem frame: the number of its buttons, its fields and results.
struct FrameFields {
    int n;
    QStringList fields;
    QStringList results;
};

/// Types `text` into each field of each frame of a fresh form and presses
/// that frame's "Dados" and "Resolver". Every press must end solve mode,
/// show at most one message (two when a line turns out degenerate, which
/// is reported and then divides by zero), write no "inf", "nan" or empty
/// coordinate, and a "Resolver" must either write its results or speak.
template <typename Form>
void pressWithText(const QString& text, const std::vector<FrameFields>& frames,
                   MessageRecorder& messages, const QString& degenerateLine) {
    for (const FrameFields& frame : frames) {
        for (const QString& field : frame.fields) {
            for (const QString& button : {QStringLiteral("Dados"), QStringLiteral("Resolver")}) {
                Form fresh;
                messages.clear();
                type(fresh, {field, text});
                press(fresh, button + QString::number(frame.n));
                const QString where = field + QLatin1Char(' ') + button;
                QVERIFY2(!fresh.ModoResolver(), qPrintable(where));
                bool wrote = true;
                for (const QString& result : frame.results) {
                    const QString written = label(fresh, result);
                    wrote = wrote && !written.isEmpty();
                    QVERIFY2(!written.contains(QLatin1String("inf"), Qt::CaseInsensitive) &&
                                 !written.contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                                 !written.contains(QLatin1String("( ,")) &&
                                 !written.contains(QLatin1String(", )")),
                             qPrintable(where + QLatin1String(": ") + written));
                }
                const QStringList said = messages.texts();
                const bool degenerate = said.size() == 2 && said.front() == degenerateLine;
                QVERIFY2(said.size() <= 1 || degenerate,
                         qPrintable(where + QLatin1String(": ") + said.join(QLatin1String(" | "))));
                if (button == QLatin1String("Resolver"))
                    QVERIFY2(wrote || said.size() == 1 || degenerate, qPrintable(where));
            }
        }
    }
}

/// The hostile texts typed into every kind of field.
inline void hostileTexts() {
    addHostileTexts();
}

} // namespace FormDriver
