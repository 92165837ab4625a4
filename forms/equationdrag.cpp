#include "equationdrag.h"

#include "fieldtext.h"

#include <cmath>

namespace {

QPointF onBoard(const exact::Point& p) {
    return {p.x.toDouble(), p.y.toDouble()};
}

bool exactLine(const exact::Line& l) {
    return l.a.isExact() && l.b.isExact() && l.c.isExact() && !l.isDegenerate();
}

/// The whole number nearest to `value`, exactly.
exact::Number nearestWhole(double value) {
    return exact::Number((long long)std::nearbyint(std::clamp(value, -1e15, 1e15)));
}

/// The point of `l` nearest to `p`.
exact::Point foot(const exact::Line& l, const exact::Point& p) {
    const exact::Number t = (l.a * p.x + l.b * p.y + l.c) / (l.a * l.a + l.b * l.b);
    return {p.x - t * l.a, p.y - t * l.b};
}

/// The pivot of a line: where it crosses an axis, the crossing nearer the
/// window's centre, when the window shows it; else its point nearest that
/// centre (taken on the grid's whole numbers, so that it is exact).
exact::Point pivotOf(const exact::Line& l, QRectF window, const std::optional<exact::Point>& kept) {
    const QRectF shown = window.normalized();
    if (kept && exact::contains(l, *kept) && shown.contains(onBoard(*kept))) return *kept;
    const QPointF centre = shown.center();
    std::optional<exact::Point> best;
    double nearest = INFINITY;
    const auto consider = [&](const exact::Point& p) {
        const QPointF at = onBoard(p);
        const double d = std::hypot(at.x() - centre.x(), at.y() - centre.y());
        if (shown.contains(at) && d < nearest) {
            nearest = d;
            best = p;
        }
    };
    if (!l.b.isZero()) consider({0, -l.c / l.b});
    if (!l.a.isZero()) consider({-l.c / l.a, 0});
    if (best) return *best;
    return foot(l, {nearestWhole(centre.x()), nearestWhole(centre.y())});
}

/// How a line was typed: "y = …", and "x = k" for a line parallel to the
/// y-axis, reduced; "… = k" for a number k other than 0, its constant on the
/// right; anything else in general form.
EquationShape::Writing lineWriting(const QString& typed, const exact::Line& l) {
    using Writing = EquationShape::Writing;
    QString plain = typed.toLower();
    plain.remove(QLatin1Char(' '));
    if (plain.startsWith(QLatin1String("y="))) return Writing::Reduced;
    if (plain.startsWith(QLatin1String("x=")) && l.b.isZero()) return Writing::Reduced;
    const QString right = plain.section(QLatin1Char('='), -1);
    if (right == QLatin1String("0") || right.contains(QLatin1Char('x')) ||
        right.contains(QLatin1Char('y')))
        return Writing::General;
    return Writing::Constant;
}

QString lineText(const exact::Line& l, EquationShape::Writing writing, const QString& separator) {
    const std::string sep = separator.toStdString();
    switch (writing) {
    case EquationShape::Writing::Reduced:
        return QString::fromStdString(exact::typed::reducedLine(l, sep));
    case EquationShape::Writing::Constant:
        return QString::fromStdString(exact::typed::constantLine(l, sep));
    default:
        return QString::fromStdString(exact::typed::line(l, false, sep));
    }
}

QString circleText(const exact::Point& centre, const exact::Number& squared, bool general,
                   const QString& separator) {
    const exact::Circle c{centre, 0, squared};
    return QString::fromStdString(exact::typed::circle(c, general, separator.toStdString()));
}

} // namespace

std::optional<EquationShape> EquationShape::ofLine(const exact::LineReading& reading,
                                                   const QString& typed, QRectF window,
                                                   double reach,
                                                   const std::optional<exact::Point>& kept) {
    if (reading.refusal != exact::Refusal::None || !exactLine(reading.line)) return std::nullopt;
    EquationShape s;
    s.kind = Kind::Line;
    s.line = reading.line;
    s.writing = lineWriting(typed, s.line);
    s.pivot = pivotOf(s.line, window, kept);
    if (!s.pivot.x.isExact() || !s.pivot.y.isExact()) return std::nullopt; // the work spent
    s.mark = onBoard(s.pivot);
    const double a = s.line.a.toDouble();
    const double b = s.line.b.toDouble();
    QPointF along = QPointF(b, -a) / std::hypot(a, b);
    if (along.x() < 0 || (along.x() == 0 && along.y() < 0)) along = -along;
    s.grip = s.mark + reach * along;
    if (!window.normalized().contains(s.grip)) s.grip = s.mark - reach * along;
    return s;
}

std::optional<EquationShape> EquationShape::ofCircle(const exact::CircleReading& reading,
                                                     bool general) {
    const exact::Circle& c = reading.circle;
    if (reading.refusal != exact::Refusal::None || !c.centre.x.isExact() || !c.centre.y.isExact() ||
        !c.radiusSquared().isExact())
        return std::nullopt;
    EquationShape s;
    s.kind = Kind::Circle;
    s.writing = general ? Writing::General : Writing::Reduced;
    s.circle = c;
    s.mark = onBoard(c.centre);
    s.grip = s.mark + QPointF(std::sqrt(c.radiusSquared().toDouble()), 0);
    return s;
}

QString EquationShape::moved(const exact::Number& tx, const exact::Number& ty,
                             const QString& separator) const {
    const exact::Line l{line.a, line.b, line.c - line.a * tx - line.b * ty};
    return lineText(l, writing, separator);
}

std::optional<QString> EquationShape::turned(const exact::Point& through,
                                             const QString& separator) const {
    if (through == pivot) return std::nullopt;
    const exact::Number a = through.y - pivot.y;
    const exact::Number b = pivot.x - through.x;
    const exact::Line l = exact::normalised({a, b, -(a * pivot.x + b * pivot.y)});
    return lineText(l, writing, separator);
}

QString EquationShape::centredAt(const exact::Point& centre, const QString& separator) const {
    return circleText(centre, circle.radiusSquared(), writing == Writing::General, separator);
}

QString EquationShape::resizedThrough(const exact::Point& through, const QString& separator) const {
    return circleText(circle.centre, exact::squaredDistance(circle.centre, through),
                      writing == Writing::General, separator);
}

bool EquationShape::movesUpAndDown() const {
    return std::fabs(line.b.toDouble()) >= std::fabs(line.a.toDouble());
}

double EquationShape::offsetFor(QPointF by) const {
    const double a = line.a.toDouble();
    const double b = line.b.toDouble();
    return movesUpAndDown() ? by.y() + a / b * by.x() : by.x() + b / a * by.y();
}
