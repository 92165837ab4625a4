#include "leadingnumber.h"

#include "numbered_error.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// The characters of the text that make up its leading number, blanks left
/// out, in the form std::from_chars reads: no "+" sign.
struct NumberText {
    std::string text;
    bool hasDigits = false;
    long long exponent = 0; ///< the written exponent, saturated
    long long order = 0;    ///< where the first significant digit stands
};

class Scanner {
public:
    explicit Scanner(std::string_view text)
        : m_text(text) {}

    NumberText scan() {
        NumberText n;
        if (peek() == '-') n.text += '-';
        if (peek() == '-' || peek() == '+') advance();
        bool significant = false;
        long long integerDigits = 0, leadingFractionZeros = 0;
        for (; isDigit(peek()); advance()) {
            n.text += peek();
            n.hasDigits = true;
            significant = significant || peek() != '0';
            integerDigits += significant;
        }
        if (peek() == '.' || atDecimalComma(n.hasDigits)) {
            n.text += '.';
            for (advance(); isDigit(peek()); advance()) {
                n.text += peek();
                n.hasDigits = true;
                if (!significant && peek() == '0') ++leadingFractionZeros;
                significant = significant || peek() != '0';
            }
        }
        if (n.hasDigits) scanExponent(n);
        n.order = (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + n.exponent;
        return n;
    }

private:
    /// The next character that is not a blank, or a null character at the end.
    char peek() {
        while (m_at < m_text.size() && isBlank(m_text[m_at]))
            ++m_at;
        return m_at < m_text.size() ? m_text[m_at] : '\0';
    }
    void advance() { ++m_at; }

    /// A comma between two digits is a decimal comma: "2,5" is 2.5.
    bool atDecimalComma(bool afterDigit) {
        if (!afterDigit || peek() != ',') return false;
        const std::size_t comma = m_at;
        advance();
        const bool digitFollows = isDigit(peek());
        m_at = comma;
        return digitFollows;
    }

    /// "e", an optional sign and at least one digit; otherwise the number
    /// ends before the "e" (nothing is read after the number).
    void scanExponent(NumberText& n) {
        if (peek() != 'e' && peek() != 'E') return;
        advance();
        const bool negative = peek() == '-';
        if (peek() == '-' || peek() == '+') advance();
        if (!isDigit(peek())) return; // the number ends before its "e"
        std::string digits;
        long long exponent = 0;
        for (; isDigit(peek()); advance()) {
            digits += peek();
            exponent = std::min(exponent * 10 + (peek() - '0'), 1'000'000'000LL);
        }
        n.text += (negative ? "e-" : "e") + digits;
        n.exponent = negative ? -exponent : exponent;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

} // namespace

Real leadingNumber(std::string_view text) {
    const NumberText n = Scanner(text).scan();
    if (!n.hasDigits) return 0.0;
    double value = 0.0;
    const char* first = n.text.data();
    const auto [end, error] = std::from_chars(first, first + n.text.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (n.order > 0) Fault::raise(Fault::Overflow);
        return 0.0; // below the smallest double
    }
    return value == 0.0 ? 0.0 : value; // no negative zero
}
