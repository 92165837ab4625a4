#pragma once

#include "geometry.h"

#include <QString>
#include <optional>

/// How the program writes numbers, points and line equations. Every rule
/// takes the decimal separator of the regional setting as a parameter.
namespace TextRules {

/// The decimal separator of the regional setting in force.
QString localSeparator();

/// A plain number as the viewport fields and their spin arrows read it, in
/// every regional setting: blanks around it, an optional sign, digits with at
/// most one decimal separator, a point or a comma between two digits ("2,5"
/// and "2.5"), and an optional
/// exponent as number() writes it ("1,5E+16"); no expression, no thousands
/// separator. A number beyond the doubles is an infinity, one below them 0;
/// any other text is no number.
std::optional<double> plainNumber(const QString& text);

/// Up to 15 significant digits, no trailing zeros, exponent form from 1E+15
/// and below 1E-04 ("1E-05", "1,5E+16"); a negative zero is written "0".
QString number(double value, const QString& separator);
inline QString number(Real value, const QString& separator) {
    return number(value.value(), separator);
}

/// A number as the board prints it: a blank before a non-negative number
/// (the place of its sign) and one after every number.
QString boardNumber(double value, const QString& separator);

/// The nearest multiple of 10^-decimals to the exact value of `value`, an
/// exact half going to the even digit (0.125 -> 0.12; 2.675 -> 2.67).
double round(double value, int decimals);
inline Real round(Real value, int decimals) {
    return Real(round(value.value(), decimals));
}

/// number() of the value rounded to 2 decimals.
QString rounded(Real value, const QString& separator);

/// "(" x " , " y ")" with both coordinates rounded to 2 decimals.
QString point(Real x, Real y, const QString& separator);

/// A numeric literal of the expression language: "." as decimal point,
/// a leading "-" when negative, no exponent, at most 15 significant digits.
QString expressionLiteral(double value);

/// "+-" -> "-", then "-+" -> "-", then "--" -> "+", each over the whole text.
QString LimparSinais(QString text);

/// The equation of a circle from the texts of its centre's coordinates:
/// `xPrefix` + x + ")^2 + (y-" + y + ")^2 = " + r² rounded to 2 decimals, then
/// every "--" made "+" (a negative coordinate shows as a plus). The prefix is
/// "(x-", or "(x- ", whose blank keeps both minus signs of a negative abscissa.
QString circleEquation(const QString& xPrefix, const QString& x, const QString& y, Real rSquared,
                       const QString& separator);

/// An angle in degrees split into whole degrees, whole minutes and seconds
/// (the seconds rounded to 2 decimals after the split; nothing is carried).
struct DegreesMinutesSeconds {
    Real degrees, minutes, seconds;
};
DegreesMinutesSeconds splitDegrees(Real degrees);

/// D "º  " M "'  " S "''", with the ordinal sign as the degree sign.
QString angle(Real degrees, Real minutes, Real seconds, const QString& separator);

/// The general equation of a line. Rounds a, b and c to 2 decimals in place
/// (later uses of the line see the rounded coefficients) and writes them with
/// 1 and -1 left implicit: a = 14, b = 16, c = -21 gives "14x+16y-21=0".
QString TextoEquacaoRecta(Line& line, const QString& separator);

} // namespace TextRules
