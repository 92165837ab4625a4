#include "textrules.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

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
    if (value == 0.0) return QStringLiteral("0"); // a negative zero included
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return QString::fromLatin1(buffer).replace(QLatin1Char('.'), separator);
}

QString boardNumber(double value, const QString& separator) {
    const QString sign = std::signbit(value) && value != 0.0 ? QString() : QStringLiteral(" ");
    return sign + number(value, separator) + QLatin1Char(' ');
}

double round(double value, int decimals) {
    // The C library prints the exact binary value correctly rounded, ties
    // to even: exactly the rounding rule, with no decimal drift.
    std::string buffer(std::size_t(400 + std::max(0, decimals)), '\0');
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    buffer.resize(static_cast<std::size_t>(std::max(0, length)));
    return std::strtod(buffer.c_str(), nullptr);
}

QString rounded(Real value, const QString& separator) {
    return number(round(value.value(), 2), separator);
}

QString point(Real x, Real y, const QString& separator) {
    return QLatin1Char('(') + rounded(x, separator) + QLatin1String(" , ") + rounded(y, separator) +
           QLatin1Char(')');
}

QString expressionLiteral(double value) {
    if (value == 0.0 || !std::isfinite(value)) return QStringLiteral("0");
    // 15 significant digits as d.ddddddddddddddE+xx, then written out plainly.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(value));
    const std::string text(buffer);
    const std::size_t e = text.find('E');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int pointAt = std::atoi(text.c_str() + e + 1) + 1; // digits before the point
    std::string out;
    if (pointAt <= 0)
        out = "0." + std::string(std::size_t(-pointAt), '0') + digits;
    else if (std::size_t(pointAt) >= digits.size())
        out = digits + std::string(std::size_t(pointAt) - digits.size(), '0');
    else
        out = digits.substr(0, std::size_t(pointAt)) + "." + digits.substr(std::size_t(pointAt));
    return QString::fromLatin1((value < 0 ? "-" : "") + out);
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
