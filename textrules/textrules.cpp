#include "textrules.h"

#include "decimal.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace TextRules {

QString localSeparator() {
    return QLocale().decimalPoint();
}

std::optional<double> plainNumber(const QString& text) {
    static const QRegularExpression shape(
        QStringLiteral("^[+-]?([0-9]+(,[0-9]+|\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    QString written = text.trimmed();
    if (!shape.match(written).hasMatch()) return std::nullopt;
    // The shape is a number's: a conversion that fails overflowed (an
    // infinity) or underflowed (0).
    return QLocale::c().toDouble(written.replace(QLatin1Char(','), QLatin1Char('.')));
}

QString number(double value, const QString& separator) {
    return QString::fromStdString(exact::decimal::number(value, separator.toStdString()));
}

QString boardNumber(double value, const QString& separator) {
    const QString sign = std::signbit(value) && value != 0.0 ? QString() : QStringLiteral(" ");
    return sign + number(value, separator) + QLatin1Char(' ');
}

double round(double value, int decimals) {
    return exact::decimal::round(value, decimals);
}

QString rounded(Real value, const QString& separator) {
    return QString::fromStdString(exact::decimal::rounded(value.value(), separator.toStdString()));
}

QString point(Real x, Real y, const QString& separator) {
    return QLatin1Char('(') + rounded(x, separator) + QLatin1String(" , ") + rounded(y, separator) +
           QLatin1Char(')');
}

QString expressionLiteral(double value) {
    return QString::fromStdString(exact::decimal::expressionLiteral(value));
}

QString LimparSinais(QString text) {
    text.replace(QLatin1String("+-"), QLatin1String("-"));
    text.replace(QLatin1String("-+"), QLatin1String("-"));
    text.replace(QLatin1String("--"), QLatin1String("+"));
    return text;
}

QString circleEquation(const QString& xPrefix, const QString& x, const QString& y, Real rSquared,
                       const QString& separator) {
    QString text = xPrefix + x + QLatin1String(")^2 + (y-") + y + QLatin1String(")^2 = ") +
                   rounded(rSquared, separator);
    return text.replace(QLatin1String("--"), QLatin1String("+"));
}

DegreesMinutesSeconds splitDegrees(Real degrees) {
    const Real d = trunc(degrees);
    const Real m = (degrees - d) * 60;
    const Real whole = trunc(m);
    return {d, whole, round((m - whole) * 60, 2)};
}

QString angle(Real degrees, Real minutes, Real seconds, const QString& separator) {
    return number(degrees, separator) + QString::fromUtf8("º  ") + number(minutes, separator) +
           QLatin1String("'  ") + number(seconds, separator) + QLatin1String("''");
}

namespace {
QString coefficient(Real value, const QString& separator) {
    if (value == 1) return {};
    if (value == -1) return QStringLiteral("-");
    return number(value, separator);
}
} // namespace

QString TextoEquacaoRecta(Line& line, const QString& separator) {
    line.a = round(line.a, 2);
    line.b = round(line.b, 2);
    line.c = round(line.c, 2);
    const QString a = coefficient(line.a, separator);
    const QString b = coefficient(line.b, separator);
    const QString text = line.c == 0 ? a + QLatin1String("x+") + b + QLatin1String("y=0")
                                     : a + QLatin1String("x+") + b + QLatin1String("y+") +
                                           number(line.c, separator) + QLatin1String("=0");
    return LimparSinais(text);
}

} // namespace TextRules
