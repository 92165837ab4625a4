#include "writing.h"

#include "numbertext.h"

namespace exact::writing {

using Kind = Math::Kind;

namespace {

bool isNatural(const Number& n) {
    return n.isInteger() && n.sign() >= 0;
}

/// A numeral's text as shown: a true minus sign and the separator.
std::string shownDigits(std::string_view digits, std::string_view separator) {
    std::string out;
    for (const char c : digits) {
        if (c == '-')
            out += "−";
        else if (c == '.')
            out += separator;
        else
            out += c;
    }
    return out;
}

Math make(const Math& like, std::vector<Math> children, std::string marks, std::string text) {
    Math::Node n;
    n.kind = like.kind();
    n.text = std::move(text);
    n.subscript = like.subscript();
    n.children = std::move(children);
    n.marks = std::move(marks);
    return Math(std::make_shared<const Math::Node>(std::move(n)));
}

/// Whether what is written last in a factor is a root or a subscript, or the
/// factor is a fraction: the next factor stands apart.
bool setsApart(const Math& written) {
    switch (written.kind()) {
    case Kind::Root:
    case Kind::Fraction:
        return true;
    case Kind::Symbol:
        return !written.subscript().empty();
    case Kind::Product:
        return setsApart(written.children().back());
    case Kind::Sum:
        return written.children().size() == 1 && setsApart(written.children().front());
    default:
        return false;
    }
}

class Writer {
public:
    explicit Writer(std::string_view separator)
        : m_separator(separator) {}

    Math operator()(const Math& m) const {
        switch (m.kind()) {
        case Kind::Number:
            return number(m);
        case Kind::Numeral:
            return numeral(shownDigits(m.text(), m_separator));
        case Kind::Symbol:
        case Kind::Vector:
        case Kind::Words:
            return m;
        case Kind::Product:
            return product(m);
        default:
            return children(m);
        }
    }

private:
    Math number(const Math& m) const {
        const Number& n = m.number();
        if (m.isDecimal() || n.isApproximate()) return numeral(decimalText(n, m_separator));
        if (isNatural(n))
            return numeral(n.isZero() ? std::string("0") : n.rational().get_num().get_str());
        return (*this)(numberTree(n));
    }

    Math children(const Math& m) const {
        std::vector<Math> written;
        written.reserve(m.children().size());
        for (const Math& c : m.children())
            written.push_back((*this)(c));
        return make(m, std::move(written), m.node()->marks, m.text());
    }

    Math product(const Math& m) const {
        std::vector<Math> written;
        std::string marks = m.node()->marks;
        for (std::size_t i = 0; i < m.children().size(); ++i) {
            written.push_back((*this)(m.children()[i]));
            if (i > 0 && m.jointBefore(i) == Joint::Touch &&
                (setsApart(written[i - 1]) || written[i].kind() == Kind::Function))
                marks[i] = static_cast<char>(Joint::Apart);
        }
        return make(m, std::move(written), std::move(marks), m.text());
    }

    std::string_view m_separator;
};

} // namespace

std::string_view signText(Sign sign) {
    switch (sign) {
    case Sign::Plus:
        return "+";
    case Sign::Minus:
        return "−";
    default:
        return "±";
    }
}

std::string_view relationText(Rel relation) {
    switch (relation) {
    case Rel::Equal:
        return "=";
    case Rel::Approx:
        return "≈";
    case Rel::NotEqual:
        return "≠";
    case Rel::Less:
        return "<";
    case Rel::Greater:
        return ">";
    case Rel::LessEqual:
        return "≤";
    case Rel::GreaterEqual:
        return "≥";
    default:
        return "⇔";
    }
}

Math written(const Math& m, std::string_view separator) {
    return Writer(separator)(m);
}

} // namespace exact::writing
