#include "mathml.h"

#include "mathtypeset.h"
#include "writing.h"

#include <QStringList>
#include <algorithm>

namespace MathML {

namespace {

using exact::Math;
using Kind = Math::Kind;

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString element(const char* name, const QString& text) {
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(name), text.toHtmlEscaped());
}

QString operatorOf(const QString& glyph) {
    return element("mo", glyph);
}

/// Writes a tree as it is written (writing.h), node by node, as the
/// typesetter sets it.
class Writer {
public:
    QString node(const Math& m) const;

private:
    QString numeral(const Math& m) const;
    QString symbol(const Math& m) const;
    QString vector(const Math& m) const;
    QString system(const Math& m) const;
    QString sum(const Math& m) const;
    QString product(const Math& m) const;
    QString fenced(const QString& open, const QString& inner, const QString& close) const {
        return QStringLiteral("<mrow>") + operatorOf(open) + inner + operatorOf(close) +
               QStringLiteral("</mrow>");
    }
    QString list(const std::vector<Math>& items) const;
    QString chain(const Math& m) const;
    QString children(const Math& m) const {
        QString out;
        for (const Math& c : m.children())
            out += node(c);
        return out;
    }
};

QString Writer::numeral(const Math& m) const {
    const QString text = fromUtf8(m.text());
    if (!text.startsWith(u'\u2212')) return element("mn", text);
    return QStringLiteral("<mrow>") + operatorOf(QStringLiteral("\u2212")) +
           element("mn", text.mid(1)) + QStringLiteral("</mrow>");
}

QString Writer::symbol(const Math& m) const {
    const QString name = element("mi", fromUtf8(m.text()));
    if (m.subscript().empty()) return name;
    return QStringLiteral("<msub>") + name + element("mi", fromUtf8(m.subscript())) +
           QStringLiteral("</msub>");
}

QString Writer::vector(const Math& m) const {
    QString name;
    for (const QChar c : fromUtf8(m.text()))
        name += element("mi", QString(c));
    return QStringLiteral("<mover accent=\"true\"><mrow>") + name +
           QStringLiteral("</mrow><mo stretchy=\"true\">\u2192</mo></mover>");
}

QString Writer::system(const Math& m) const {
    QString rows;
    for (const Math& e : m.children())
        rows += QStringLiteral("<mtr><mtd>") + node(e) + QStringLiteral("</mtd></mtr>");
    return QStringLiteral("<mrow>") + operatorOf(QStringLiteral("{")) +
           QStringLiteral("<mtable columnalign=\"left\">") + rows +
           QStringLiteral("</mtable></mrow>");
}

QString Writer::sum(const Math& m) const {
    QString out = QStringLiteral("<mrow>");
    for (std::size_t i = 0; i < m.children().size(); ++i) {
        const exact::Sign s = m.signAt(i);
        if (i > 0 || s != exact::Sign::Plus) out += operatorOf(Typeset::signGlyph(s));
        out += node(m.children()[i]);
    }
    return out + QStringLiteral("</mrow>");
}

QString Writer::product(const Math& m) const {
    QString out = QStringLiteral("<mrow>");
    for (std::size_t i = 0; i < m.children().size(); ++i) {
        if (i > 0 && m.jointBefore(i) == exact::Joint::Times)
            out += operatorOf(QStringLiteral("\u00D7"));
        if (i > 0 && m.jointBefore(i) == exact::Joint::Apart)
            out += QStringLiteral("<mspace width=\"0.17em\"/>");
        out += node(m.children()[i]);
    }
    return out + QStringLiteral("</mrow>");
}

QString Writer::list(const std::vector<Math>& items) const {
    QString out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += QStringLiteral("<mo separator=\"true\">,</mo>");
        out += node(items[i]);
    }
    return out;
}

QString Writer::chain(const Math& m) const {
    QString out = QStringLiteral("<mrow>") + node(m.children()[0]);
    for (std::size_t i = 1; i < m.children().size(); ++i)
        out += relation(m.relationAt(i)) + node(m.children()[i]);
    return out + QStringLiteral("</mrow>");
}

QString Writer::node(const Math& m) const {
    switch (m.kind()) {
    case Kind::Number: // written as numerals or trees (writing.h)
        break;
    case Kind::Numeral:
        return numeral(m);
    case Kind::Symbol:
        return symbol(m);
    case Kind::Vector:
        return vector(m);
    case Kind::System:
        return system(m);
    case Kind::Sum:
        return sum(m);
    case Kind::Product:
        return product(m);
    case Kind::Fraction:
        return QStringLiteral("<mfrac>") + children(m) + QStringLiteral("</mfrac>");
    case Kind::Power:
        return QStringLiteral("<msup>") + children(m) + QStringLiteral("</msup>");
    case Kind::Root:
        return QStringLiteral("<msqrt>") + children(m) + QStringLiteral("</msqrt>");
    case Kind::Abs:
        return fenced(QStringLiteral("|"), children(m), QStringLiteral("|"));
    case Kind::Parens:
        return fenced(QStringLiteral("("), children(m), QStringLiteral(")"));
    case Kind::Function:
        return QStringLiteral("<mrow>") + element("mi", fromUtf8(m.text())) +
               fenced(QStringLiteral("("), list(m.children()), QStringLiteral(")")) +
               QStringLiteral("</mrow>");
    case Kind::Point: {
        const QString name = m.text().empty() ? QString() : element("mi", fromUtf8(m.text()));
        return QStringLiteral("<mrow>") + name +
               fenced(QStringLiteral("("), list(m.children()), QStringLiteral(")")) +
               QStringLiteral("</mrow>");
    }
    case Kind::Chain:
        return chain(m);
    case Kind::Words:
        return element("mtext", fromUtf8(m.text()));
    case Kind::Row:
        break;
    }
    return QStringLiteral("<mrow>") + children(m) + QStringLiteral("</mrow>");
}

/// Writes a tree as it is written (writing.h) in StarMath, node by node.
class StarWriter {
public:
    QString node(const Math& m) const;

private:
    QString numeral(const Math& m) const;
    QString name(const std::string& text) const;
    QString group(const Math& m) const { return u'{' + node(m) + u'}'; }
    QString list(const std::vector<Math>& items) const {
        QStringList parts;
        for (const Math& item : items)
            parts << node(item);
        return parts.join(QStringLiteral(" , "));
    }
};

/// A text in quotes: words, and names that are not one letter.
QString quoted(const QString& text) {
    QString inner = text;
    inner.replace(u'"', QStringLiteral("\\\""));
    return u'"' + inner + u'"';
}

QString StarWriter::name(const std::string& text) const {
    const QString t = fromUtf8(text);
    if (t.size() == 1 && t.front().isLetter() && t.front().unicode() < 128) return t;
    return quoted(t);
}

QString StarWriter::numeral(const Math& m) const {
    const QString text = fromUtf8(m.text());
    const bool negative = text.startsWith(u'\u2212');
    const QString digits = negative ? text.mid(1) : text;
    const bool whole =
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    return (negative ? QStringLiteral("-") : QString()) + (whole ? digits : quoted(digits));
}

/// Whether mathematics is taller than a line of text: a fraction or a root in it.
bool tall(const Math& m) {
    if (m.kind() == Kind::Fraction || m.kind() == Kind::Root) return true;
    return std::any_of(m.children().begin(), m.children().end(), tall);
}

/// Parentheses that grow with what they hold when it is taller than a line.
QString parenthesised(const Math& inside, const QString& text) {
    return tall(inside) ? QStringLiteral("left ( ") + text + QStringLiteral(" right )")
                        : QStringLiteral("( ") + text + QStringLiteral(" )");
}

QString signText(exact::Sign s) {
    switch (s) {
    case exact::Sign::Plus:
        return QStringLiteral("+");
    case exact::Sign::Minus:
        return QStringLiteral("-");
    case exact::Sign::PlusMinus:
        break;
    }
    return QStringLiteral("+-");
}

QString StarWriter::node(const Math& m) const {
    QString out;
    switch (m.kind()) {
    case Kind::Number: // written as numerals or trees (writing.h)
        break;
    case Kind::Numeral:
        return numeral(m);
    case Kind::Vector:
        for (const QChar c : fromUtf8(m.text()))
            out += u' ' + name(QString(c).toStdString());
        return QStringLiteral("overrightarrow{") + out.trimmed() + u'}';
    case Kind::System:
        for (const Math& e : m.children())
            out += (out.isEmpty() ? QString() : QStringLiteral(" # ")) + node(e);
        return QStringLiteral("left lbrace stack{") + out + QStringLiteral("} right none");
    case Kind::Symbol:
        out = name(m.text());
        if (!m.subscript().empty()) out += QStringLiteral("_{") + name(m.subscript()) + u'}';
        return out;
    case Kind::Sum:
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            const exact::Sign s = m.signAt(i);
            if (i > 0 || s != exact::Sign::Plus) out += signText(s) + u' ';
            out += group(m.children()[i]) + u' ';
        }
        return u'{' + out.trimmed() + u'}';
    case Kind::Product:
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            if (i > 0)
                out += m.jointBefore(i) == exact::Joint::Times   ? QStringLiteral(" times ")
                       : m.jointBefore(i) == exact::Joint::Apart ? QStringLiteral(" ` ")
                                                                 : QStringLiteral(" ");
            out += group(m.children()[i]);
        }
        return u'{' + out + u'}';
    case Kind::Fraction:
        return u'{' + group(m.children()[0]) + QStringLiteral(" over ") + group(m.children()[1]) +
               u'}';
    case Kind::Power:
        return u'{' + group(m.children()[0]) + QStringLiteral("^") + group(m.children()[1]) + u'}';
    case Kind::Root:
        return QStringLiteral("sqrt") + group(m.children()[0]);
    case Kind::Abs:
        return QStringLiteral("abs") + group(m.children()[0]);
    case Kind::Parens:
        return parenthesised(m, node(m.children()[0]));
    case Kind::Function:
        return name(m.text()) + u' ' + parenthesised(m, list(m.children()));
    case Kind::Point:
        return (m.text().empty() ? QString() : name(m.text())) + u' ' +
               parenthesised(m, list(m.children()));
    case Kind::Chain:
        out = node(m.children()[0]);
        for (std::size_t i = 1; i < m.children().size(); ++i)
            out += starMathRelation(m.relationAt(i)) + node(m.children()[i]);
        return out;
    case Kind::Words:
        return quoted(fromUtf8(m.text()));
    case Kind::Row:
        break;
    }
    for (const Math& c : m.children())
        out += group(c) + u' ';
    return u'{' + out.trimmed() + u'}';
}

} // namespace

QString starMath(const exact::Math& math, const QString& separator) {
    return StarWriter().node(exact::writing::written(math, separator.toStdString()));
}

QString starMathRelation(exact::Rel relation) {
    switch (relation) {
    case exact::Rel::Equal:
        return QStringLiteral(" = ");
    case exact::Rel::Approx:
        return QStringLiteral(" approx ");
    case exact::Rel::NotEqual:
        return QStringLiteral(" <> ");
    case exact::Rel::Less:
        return QStringLiteral(" < ");
    case exact::Rel::Greater:
        return QStringLiteral(" > ");
    case exact::Rel::LessEqual:
        return QStringLiteral(" <= ");
    case exact::Rel::GreaterEqual:
        return QStringLiteral(" >= ");
    case exact::Rel::Equivalent:
        break;
    }
    return QStringLiteral(" dlrarrow ");
}

QString markup(const exact::Math& math, const QString& separator) {
    return Writer().node(exact::writing::written(math, separator.toStdString()));
}

QString relation(exact::Rel relation) {
    return operatorOf(Typeset::relationGlyph(relation));
}

QString document(const QString& markup, const QString& starMath, bool block) {
    QString out =
        QStringLiteral("<math xmlns=\"http://www.w3.org/1998/Math/MathML\" display=\"%1\">")
            .arg(block ? QLatin1String("block") : QLatin1String("inline"));
    if (starMath.isEmpty()) return out + markup + QStringLiteral("</math>");
    return out + QStringLiteral("<semantics>") + markup +
           QStringLiteral("<annotation encoding=\"StarMath 5.0\">") + starMath.toHtmlEscaped() +
           QStringLiteral("</annotation></semantics></math>");
}

} // namespace MathML
