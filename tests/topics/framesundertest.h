#pragma once

// Every frame of the forms with the fields it reads, in the order random
// texts of the kinds pupils type are made for them, and those texts: what
// the suites that drive every frame with random data share.

#include "formcase.h"
#include "frame.h"
#include "framebuilder.h"
#include "pressrecord.h"
#include "problemform.h"
#include "topictable.h"

#include <QGroupBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <random>

namespace FramesUnderTest {

/// Texts of the kinds pupils type: whole numbers, fractions, roots, sums,
/// decimals and, now and then, a value that is not exact.
class Typing {
public:
    explicit Typing(unsigned seed)
        : m_random(seed) {}

    int integer(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }

    /// `exactOnly`: never a value that is not exact.
    QString number(bool exactOnly = false) {
        const int a = integer(-9, 9), b = integer(1, 7), n = integer(2, 7);
        switch (integer(0, exactOnly ? 10 : 11)) {
        case 0:
        case 1:
        case 2:
            return QString::number(a);
        case 3:
        case 4:
            return QStringLiteral("%1/%2").arg(a).arg(b);
        case 5:
            return QStringLiteral("%1sqr(%2)").arg(a).arg(n);
        case 6:
            return QStringLiteral("%1/%2+sqr(%3)").arg(a).arg(b).arg(n);
        case 7:
        case 8:
        case 9:
            return QStringLiteral("%1.%2").arg(a).arg(integer(1, 99));
        case 10:
            return QStringLiteral("0.1+0.%1").arg(integer(1, 8));
        default:
            return QStringLiteral("pi/%1").arg(b);
        }
    }

    /// A coefficient: a number, sometimes 0.
    QString coefficient() { return integer(0, 4) == 0 ? QStringLiteral("0") : number(); }

    QString line() {
        switch (integer(0, 5)) {
        case 0:
            return QStringLiteral("y=(%1)*x+(%2)").arg(number(), number());
        case 1:
            return QStringLiteral("x=%1").arg(number());
        case 2:
            return QStringLiteral("0.%1x+0.%2y=0.%3")
                .arg(integer(1, 9))
                .arg(integer(1, 9))
                .arg(integer(0, 9));
        case 3:
            if (integer(0, 6) == 0) return QStringLiteral("0x+0y=%1").arg(number());
            [[fallthrough]];
        default:
            return QStringLiteral("(%1)*x+(%2)*y=(%3)").arg(coefficient(), coefficient(), number());
        }
    }

    /// Another line, often parallel to the first or the same line written
    /// at another scale (with decimals, where doubles go astray).
    QString secondLine(const QString& first) {
        // Doubles of values that are not exact cannot tell parallel from
        // nearly parallel: no such pairs are made.
        if (first.contains(QLatin1String("pi"))) return line();
        const QString side = first.section('=', 0, 0), other = first.section('=', 1);
        const QString k = integer(0, 1) ? QStringLiteral("0.%1").arg(integer(1, 9)) : number(true);
        switch (integer(0, 5)) {
        case 0:
            return QStringLiteral("(%1)*(%2)=(%1)*(%3)").arg(k, side, other);
        case 1:
            return QStringLiteral("(%1)*(%2)=(%1)*(%3)+%4").arg(k, side, other, number(true));
        default:
            return line();
        }
    }

    /// A circle's equation: centred, developed, or times a factor.
    QString circle() {
        const QString a = number(), b = number(), r = number();
        switch (integer(0, 2)) {
        case 0:
            return QStringLiteral("(x-(%1))^2+(y-(%2))^2=(%3)^2").arg(a, b, r);
        case 1:
            return QStringLiteral("x^2+y^2+(%1)*x+(%2)*y=(%3)^2").arg(a, b, r);
        default:
            return QStringLiteral("%4*x^2+%4*y^2=(%1)*x+(%2)*y+%3")
                .arg(a, b, number(true), QString::number(integer(1, 3)));
        }
    }

    /// Two circles, often touching from outside or inside, concentric, one
    /// circle typed twice, or the second through the first's centre.
    QStringList twoCircles() {
        const QString a = number(true), b = number(true), r = number(true), s = number(true);
        const QString first = QStringLiteral("(x-(%1))^2+(y-(%2))^2=(%3)^2").arg(a, b, r);
        const auto at = [&](const QString& distance) {
            return QStringLiteral("(x-(%1)-(%3)*3/5)^2+(y-(%2)-(%3)*4/5)^2=(%4)^2")
                .arg(a, b, distance, s);
        };
        switch (integer(0, 6)) {
        case 0:
            return {first, at(QStringLiteral("abs(%1)+abs(%2)").arg(r, s))};
        case 1:
            return {first, at(QStringLiteral("abs(%1)-abs(%2)").arg(r, s))};
        case 2:
            return {first, at(QStringLiteral("0"))};
        case 3:
            return {first,
                    QStringLiteral("2*x^2+2*y^2-4*(%1)*x-4*(%2)*y=2*(%3)^2-2*(%1)^2-2*(%2)^2")
                        .arg(a, b, r)};
        case 4:
            return {first, at(r)};
        default:
            return {circle(), circle()};
        }
    }

    /// A circle and a point outside it (that of pointOnCircle moved k times
    /// as far from the centre), or on a vertical tangent (x_C + |r| , y).
    QStringList pointOutsideCircle() {
        const QString a = number(true), b = number(true), r = number(true);
        const QString k = QStringLiteral("%1/3").arg(integer(4, 12));
        const QString c = QStringLiteral("(x-(%1))^2+(y-(%2))^2=(%3)^2").arg(a, b, r);
        switch (integer(0, 5)) {
        case 0:
            return {number(), number(), circle()};
        case 1:
        case 2:
            return {QStringLiteral("(%1)+abs(%2)").arg(a, r), number(), c};
        default:
            return {QStringLiteral("(%1)+(%2)*(%3)*3/5").arg(a, r, k),
                    QStringLiteral("(%1)+(%2)*(%3)*4/5").arg(b, r, k), c};
        }
    }

    /// A circle and, most of the time, a point on it: its centre moved by
    /// (3r/5 , 4r/5).
    QStringList pointOnCircle() {
        const QString a = number(true), b = number(true), r = number(true);
        if (integer(0, 3) == 0) return {number(), number(), circle()};
        return {QStringLiteral("(%1)+(%2)*3/5").arg(a, r),
                QStringLiteral("(%1)+(%2)*4/5").arg(b, r),
                QStringLiteral("(x-(%1))^2+(y-(%2))^2=(%3)^2").arg(a, b, r)};
    }

    /// An angle in degrees: often a multiple of 15º, notable or not.
    QString angle() { return integer(0, 2) ? QString::number(15 * integer(-1, 13)) : number(); }

    /// Three points, often the third on the line of the first two:
    /// A + k(B − A).
    QStringList threePoints() {
        QStringList p = twoPoints();
        if (integer(0, 1)) return p << number() << number();
        const QString k = number(true);
        return p << QStringLiteral("(%1)+(%2)*((%3)-(%1))").arg(p[0], k, p[2])
                 << QStringLiteral("(%1)+(%2)*((%3)-(%1))").arg(p[1], k, p[3]);
    }

    /// Two points, now and then the same point written in two ways.
    QStringList twoPoints() {
        QStringList p{number(), number(), number(), number()};
        if (integer(0, 9) == 0) {
            p[2] = QStringLiteral("(%1)*1").arg(p[0]);
            p[3] = QStringLiteral("(%1)+0").arg(p[1]);
        }
        return p;
    }

private:
    std::mt19937 m_random;
};

/// One problem of the frame table as the suites drive it: its fields in the
/// order its random texts are made (the points' coordinates, the lines, the
/// circles, then a radius, a slope or an angle), how many of each, and the
/// option to mark.
struct FrameUnderTest {
    exact::FrameId problem;
    QStringList fields;
    int points = 0, lines = 0, circles = 0;
    QString option;

    std::string_view name() const { return problem.name(); }
    Topic topic() const { return problem.topic(); }
    /// The line mostly through the second point (the circle touching a line at Q).
    bool throughSecondPoint() const { return name() == "circunferencia3-3"; }
    /// The point mostly outside the circle (the tangents from a point).
    bool pointOutside() const { return name() == "circunferencia3-2"; }
};

inline FrameUnderTest underTest(const exact::FrameId& problem) {
    FrameUnderTest f;
    f.problem = problem;
    const auto rank = [](const exact::FrameField& field) {
        using R = exact::Role;
        return field.role == R::Point    ? 0
               : field.role == R::Line   ? 1
               : field.role == R::Circle ? 2
                                         : 3;
    };
    std::vector<exact::FrameField> fields = problem.fields();
    std::stable_sort(fields.begin(), fields.end(),
                     [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    for (const exact::FrameField& field : fields) {
        if (field.role == exact::Role::Point)
            f.fields << QString("Abcissa") + field.name << QString("Ordenada") + field.name;
        else
            f.fields << field.name;
        f.points += field.role == exact::Role::Point;
        f.lines += field.role == exact::Role::Line;
        f.circles += field.role == exact::Role::Circle;
    }
    f.option = QString::fromUtf8(problem.optionButton().data(), problem.optionButton().size());
    return f;
}

/// The data rows of a suite that drives every problem: the column "frame",
/// the problem's place in the frame table, one row per problem by its name.
inline void everyProblem() {
    QTest::addColumn<int>("frame");
    for (std::size_t i = 0; i < exact::allFrames().size(); ++i)
        QTest::newRow(exact::allFrames()[i].name().data()) << int(i);
}

/// The problem of a row of everyProblem().
inline FrameUnderTest underTest(int place) {
    return underTest(exact::allFrames().at(std::size_t(place)));
}

/// The frame of a problem on its form.
inline QGroupBox* boxOf(const ProblemForm& form, const exact::FrameId& problem) {
    for (QGroupBox* box : form.findChildren<QGroupBox*>())
        if (definitionOf(box) == &problem.frame()) return box;
    return nullptr;
}

/// The first result of a frame, which its answer's first part is written into.
inline QString firstResult(const QGroupBox* box) {
    for (const QWidget* w : box->findChildren<QWidget*>())
        if (isResult(w)) return w->objectName();
    return {};
}

/// Random texts for a frame's fields, in their order.
inline QStringList randomTexts(const FrameUnderTest& f, Typing& typing) {
    QStringList texts = f.points == 3   ? typing.threePoints()
                        : f.points == 2 ? typing.twoPoints()
                                        : QStringList();
    if (f.points == 1 && f.circles == 1)
        texts << (f.pointOutside() ? typing.pointOutsideCircle() : typing.pointOnCircle());
    if (f.points == 1 && f.circles == 0) texts << typing.number() << typing.number();
    if (f.lines > 0) texts << typing.line();
    if (f.lines > 1) texts << typing.secondLine(texts.last());
    if (f.circles == 1 && f.points == 0) texts << typing.circle();
    if (f.circles == 2) texts << typing.twoCircles();
    if (f.throughSecondPoint() && typing.integer(0, 5) != 0)
        texts.last() = QStringLiteral("(%1)*(x-(%2))+(%3)*(y-(%4))=0")
                           .arg(typing.number(true), texts[2], typing.number(true), texts[3]);
    while (texts.size() < f.fields.size()) // a radius, a slope, an angle
        texts << (f.fields[texts.size()].startsWith("Text") ? typing.angle() : typing.number());
    return texts;
}

/// A problem's frame on a fresh, real form, with its button "Resolver".
struct FrameOnForm {
    explicit FrameOnForm(int place)
        : f(underTest(place))
        , open(f.topic())
        , box(boxOf(*open.form, f.problem))
        , button(box ? frameButton(box, PressKind::Resolver)->objectName() : QString()) {}

    /// Types the texts into the frame's fields (none: the form's own) and marks its option,
    /// clears the board (no solution from an earlier press) and the messages, and presses
    /// "Resolver".
    void solve(const QStringList& texts) {
        for (qsizetype i = 0; i < texts.size(); ++i)
            open.form->findChild<QLineEdit*>(f.fields[i])->setText(texts[i]);
        if (!f.option.isEmpty()) open.press(f.option);
        open.form->DesenharEixos();
        open.messages.clear();
        if (!f.option.isEmpty()) open.press(f.option);
        open.press(button);
    }

    const FrameUnderTest f;
    FormCases::OpenForm open;
    const QGroupBox* box;
    const QString button;
};

} // namespace FramesUnderTest
