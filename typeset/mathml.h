#pragma once

#include "mathtree.h"

#include <QString>

/// Mathematics as MathML (presentation markup), from its tree: what an
/// OpenDocument formula object holds, and what a word processor's formula
/// editor opens and edits. The same tree gives the same characters as the
/// typesetter draws, with the decimal separator `separator`.
namespace MathML {

/// The markup of a tree, without the <math> element around it.
QString markup(const exact::Math& math, const QString& separator);
/// The markup of a relation sign between two members of a chain.
QString relation(exact::Rel relation);

/// The same mathematics in StarMath, the formula editor's own language:
/// what the editor shows to change, and lays out with its own spacing.
QString starMath(const exact::Math& math, const QString& separator);
/// A relation sign in StarMath, with its blanks.
QString starMathRelation(exact::Rel relation);

/// The <math> element around some markup, with its namespace, and the
/// StarMath text as its annotation when one is given; `block` for a
/// formula on a line of its own.
QString document(const QString& markup, const QString& starMath = {}, bool block = true);
/// The <math> element of a whole tree.
inline QString document(const exact::Math& math, const QString& separator, bool block = true) {
    return document(markup(math, separator), starMath(math, separator), block);
}

} // namespace MathML
