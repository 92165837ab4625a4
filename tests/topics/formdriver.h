#pragma once

#include "problemform.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

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

} // namespace FormDriver
