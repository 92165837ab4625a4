#pragma once

// Every frame of the forms with the fields it reads, the button that solves
// it and the label it writes, and random texts of the kinds pupils type:
// what the suites that drive every frame with random data share.

#include "topictable.h"

#include <QString>
#include <QStringList>
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

/// One frame: its form, its fields (point coordinates, then equations), the
/// button that solves it and the label it writes (empty: none).
struct FrameUnderTest {
    const char* name;
    Topic topic;
    QStringList fields;
    const char* button;
    const char* label;
    int points;                      ///< how many points its fields hold
    int lines;                       ///< how many equations
    int circles = 0;                 ///< how many circle equations, after the lines
    const char* option = nullptr;    ///< the option button chosen first
    bool throughSecondPoint = false; ///< the line mostly through the second point
    bool pointOutside = false;       ///< the point mostly outside the circle
};

/// The vertices A, B, C of a frame, from Abcissa<first>, Ordenada<first> on.
inline QStringList vertices(int first) {
    QStringList fields;
    for (int i = first; i < first + 3; ++i)
        fields << QStringLiteral("Abcissa%1").arg(i) << QStringLiteral("Ordenada%1").arg(i);
    return fields;
}

const FrameUnderTest kFrames[] = {
    {"point", Topic::Pontos, {"Abcissa1", "Ordenada1"}, "Resolver1", "", 1, 0},
    {"midpoint",
     Topic::Pontos,
     {"Abcissa2", "Ordenada2", "Abcissa3", "Ordenada3"},
     "Resolver3",
     "Resultado1",
     2,
     0},
    {"distance",
     Topic::Pontos,
     {"Abcissa4", "Ordenada4", "Abcissa5", "Ordenada5"},
     "Resolver6",
     "Resultado2",
     2,
     0},
    {"bisector",
     Topic::Pontos,
     {"Abcissa6", "Ordenada6", "Abcissa7", "Ordenada7"},
     "Resolver7",
     "Resultado3",
     2,
     0},
    {"typed line", Topic::Recta1, {"Text1"}, "Command3", "", 0, 1},
    {"line through two points",
     Topic::Recta1,
     {"Abcissa1", "Ordenada1", "Abcissa2", "Ordenada2"},
     "Resolver1",
     "Resultado1",
     2,
     0},
    {"parallel",
     Topic::Recta1,
     {"Abcissa3", "Ordenada3", "Text5"},
     "Resolver4",
     "Resultado2",
     1,
     1},
    {"perpendicular",
     Topic::Recta1,
     {"Abcissa4", "Ordenada4", "Text7"},
     "Resolver5",
     "Resultado3",
     1,
     1},
    {"intersection", Topic::Recta2, {"Text1", "Text2"}, "Resolver3", "Resultado1", 0, 2},
    {"parallel distance", Topic::Recta2, {"Text3", "Text4"}, "Resolver1", "Resultado2", 0, 2},
    {"point to line",
     Topic::Recta2,
     {"Abcissa1", "Ordenada1", "Text5"},
     "Resolver4",
     "Resultado3",
     1,
     1},
    {"angle", Topic::Recta2, {"Text6", "Text7"}, "Resolver5", "Resultado4", 0, 2},
    {"collinearity",
     Topic::Recta3,
     {"Abcissa1", "Ordenada1", "Abcissa2", "Ordenada2", "Abcissa3", "Ordenada3"},
     "Resolver1",
     "Resultado1",
     3,
     0},
    {"slope through two points",
     Topic::Recta3,
     {"Abcissa4", "Ordenada4", "Abcissa5", "Ordenada5"},
     "Resolver3",
     "Resultado2",
     2,
     0,
     0,
     "Option1"},
    {"slope of a line", Topic::Recta3, {"Text9"}, "Resolver3", "Resultado2", 0, 1, 0, "Option2"},
    {"relative position", Topic::Recta3, {"Text5", "Text6"}, "Resolver6", "Resultado4", 0, 2},
    {"parallel to the x axis",
     Topic::Recta4,
     {"Abcissa1", "Ordenada1"},
     "Resolver3",
     "Resultado1",
     1,
     0,
     0,
     "Option1"},
    {"parallel to the y axis",
     Topic::Recta4,
     {"Abcissa1", "Ordenada1"},
     "Resolver3",
     "Resultado1",
     1,
     0,
     0,
     "Option2"},
    {"given inclination",
     Topic::Recta4,
     {"Abcissa1", "Ordenada1", "Text2"},
     "Resolver3",
     "Resultado1",
     1,
     0,
     0,
     "Option3"},
    {"given slope",
     Topic::Recta4,
     {"Abcissa1", "Ordenada1", "Text6"},
     "Resolver3",
     "Resultado1",
     1,
     0,
     0,
     "Option4"},
    {"at an angle with a line",
     Topic::Recta4,
     {"Abcissa1", "Ordenada1", "Text5", "Text4"},
     "Resolver3",
     "Resultado1",
     1,
     1,
     0,
     "Option6"},
    {"bisectors", Topic::Recta4, {"Text9", "Text10"}, "Resolver7", "Resultado5", 0, 2},
    {"circle by its equation", Topic::Circunferencia1, {"Text1"}, "Resolver3", "", 0, 0, 1},
    {"circle by its centre",
     Topic::Circunferencia1,
     {"Abcissa3", "Ordenada3", "Raio"},
     "Resolver3",
     "",
     1,
     0,
     0,
     "Option2"},
    {"circle tangent to a line",
     Topic::Circunferencia1,
     {"Abcissa1", "Ordenada1", "Text3"},
     "Resolver1",
     "Resultado3",
     1,
     1},
    {"tangent at a point",
     Topic::Circunferencia1,
     {"Abcissa2", "Ordenada2", "Text4"},
     "Resolver4",
     "Resultado4",
     1,
     0,
     1},
    {"line and circle",
     Topic::Circunferencia1,
     {"Text5", "Text7"},
     "Resolver5",
     "Resultado5",
     0,
     1,
     1},
    {"circumcentre", Topic::Triangulo, vertices(1), "Resolver4", "Resultado1", 3, 0, 0, "Option1"},
    {"incentre", Topic::Triangulo, vertices(1), "Resolver4", "Resultado1", 3, 0, 0, "Option2"},
    {"orthocentre", Topic::Triangulo, vertices(1), "Resolver4", "Resultado1", 3, 0, 0, "Option3"},
    {"centroid", Topic::Triangulo, vertices(1), "Resolver4", "Resultado1", 3, 0, 0, "Option4"},
    {"area", Topic::Triangulo, vertices(6), "Resolver5", "Resultado4", 3, 0},
    {"right triangle", Topic::Triangulo, vertices(9), "Resolver7", "Resultado5", 3, 0},
    {"incircle", Topic::Circunferencia2, vertices(1), "Resolver1", "Resultado1", 3, 0, 0,
     "Option1"},
    {"circumcircle", Topic::Circunferencia2, vertices(1), "Resolver1", "Resultado1", 3, 0, 0,
     "Option2"},
    {"point to circle",
     Topic::Circunferencia2,
     {"Abcissa4", "Ordenada4", "Text9"},
     "Resolver3",
     "Resultado2",
     1,
     0,
     1},
    {"circle with a centre tangent to a line",
     Topic::Circunferencia2,
     {"Abcissa6", "Ordenada6", "Text5"},
     "Resolver6",
     "Resultado3",
     1,
     1},
    {"circle through three points", Topic::Circunferencia2, vertices(9), "Resolver7", "Resultado4",
     3, 0},
    {"circle through P touching a line at Q",
     Topic::Circunferencia3,
     {"Abcissa1", "Ordenada1", "Abcissa2", "Ordenada2", "Text12"},
     "Resolver11",
     "Resultado3",
     2,
     1,
     0,
     nullptr,
     true},
    {"two circles", Topic::Circunferencia3, {"Text6", "Text7"}, "Resolver1", "Resultado1", 0, 0, 2},
    {"tangents from a point",
     Topic::Circunferencia3,
     {"Abcissa4", "Ordenada4", "Text9"},
     "Resolver3",
     "Resultado4",
     1,
     0,
     1,
     nullptr,
     false,
     true},
};

/// Random texts for a frame's fields, in their order.
inline QStringList randomTexts(const FrameUnderTest& f, Typing& typing) {
    QStringList texts = f.points == 3   ? typing.threePoints()
                        : f.points == 2 ? typing.twoPoints()
                                        : QStringList();
    if (f.points == 1 && f.circles == 1)
        texts << (f.pointOutside ? typing.pointOutsideCircle() : typing.pointOnCircle());
    if (f.points == 1 && f.circles == 0) texts << typing.number() << typing.number();
    if (f.lines > 0) texts << typing.line();
    if (f.lines > 1) texts << typing.secondLine(texts.last());
    if (f.circles == 1 && f.points == 0) texts << typing.circle();
    if (f.circles == 2) texts << typing.twoCircles();
    if (f.throughSecondPoint && typing.integer(0, 5) != 0)
        texts.last() = QStringLiteral("(%1)*(x-(%2))+(%3)*(y-(%4))=0")
                           .arg(typing.number(true), texts[2], typing.number(true), texts[3]);
    while (texts.size() < f.fields.size()) // a radius, a slope, an angle
        texts << (f.fields[texts.size()].startsWith("Text") ? typing.angle() : typing.number());
    return texts;
}

} // namespace FramesUnderTest
