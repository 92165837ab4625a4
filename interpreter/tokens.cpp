#include "tokens.h"

#include "faults.h"

#include <algorithm>

namespace interp {

namespace {

// Priorities. Each level of parentheses has a base: 0 outside every
// parenthesis, 7 more inside each "(" or function head. A token's priority is
// the base of its level plus the offset of its kind below, so whatever stands
// inside a parenthesis outranks everything around it. Numbers and the empty
// tokens of "," get priority 0 and are never visited.
constexpr int kAdditive = 1;       // "+", binary "-"
constexpr int kRemainder = 2;      // "%"
constexpr int kMultiplicative = 3; // "*", "/", "\" and the inserted "*"
constexpr int kUnaryMinus = 4;     // "~"
constexpr int kPower = 5;          // "^"
constexpr int kName = 6;
constexpr int kLevel = 7; // "(" and heads; each parenthesis moves the base by this much

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool isDigit(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

/// The character-by-character scanner of Parse.
class Scanner {
public:
    explicit Scanner(TokenList& out)
        : m_out(out) {}

    void scan(std::string_view text) {
        for (const char c : text)
            step(c);
        flush();
        if (m_base != 0) raise(Fault::Parentheses);
        buildOrder();
    }

private:
    enum class Pending { None, Name, Number };

    void step(char c) {
        if (isLetter(c)) return letter(c);
        if (isDigit(c)) return digit(c);
        switch (c) {
        case '(':
            return open();
        case ')':
            return close();
        case '*':
        case '/':
        case '\\':
            return operatorToken(c, kMultiplicative);
        case '+':
            return operatorToken(c, kAdditive);
        case '-':
            return minus();
        case '^':
            return operatorToken(c, kPower);
        case '%':
            return operatorToken(c, kRemainder);
        case ',':
            return comma();
        default:
            return; // skipped without ending the pending text
        }
    }

    // A letter or "_" starts or continues a name; after a number it ends the
    // number and inserts a "*" ("2x" is 2*x).
    void letter(char c) {
        if (m_pending == Pending::Number) {
            flush();
            append(TokenKind::Operator, '*', m_base + kMultiplicative);
        }
        extendPending(c, m_pending == Pending::None ? Pending::Name : m_pending);
        m_afterOperand = true;
    }

    // A digit or point starts a number or continues any pending text ("x2").
    void digit(char c) {
        extendPending(c, m_pending == Pending::None ? Pending::Number : m_pending);
        m_afterOperand = true;
    }

    // "(" makes a pending name a function head and multiplies a pending
    // number ("2(3)"); either way it opens the next level.
    void open() {
        if (m_pending == Pending::Name) {
            m_out.texts += '(';
            appendText(TokenKind::Head, m_base + kLevel);
        } else {
            if (m_pending == Pending::Number) {
                flush();
                append(TokenKind::Operator, '*', m_base + kMultiplicative);
            }
            append(TokenKind::Open, '(', m_base + kLevel);
        }
        m_pending = Pending::None;
        if (m_base + 2 * kLevel > kMaxPriority) raise(Fault::Overflow);
        m_base += kLevel;
        m_highest = std::max(m_highest, m_base + kLevel);
        m_afterOperand = false;
    }

    // ")" takes the base of the level it closes, which ties it with its
    // opening token, then goes back to the enclosing level.
    void close() {
        flush();
        append(TokenKind::Close, ')', m_base);
        if (m_base - kLevel < kMinPriority) raise(Fault::Overflow);
        m_base -= kLevel;
        m_afterOperand = true;
    }

    // An operator ends the pending text and takes its kind's offset.
    void operatorToken(char c, int offset) {
        flush();
        append(TokenKind::Operator, c, m_base + offset);
        m_afterOperand = false;
    }

    // "-" is binary after an operand, the unary "~" anywhere else.
    void minus() {
        if (m_afterOperand)
            operatorToken('-', kAdditive);
        else
            operatorToken('~', kUnaryMinus);
    }

    // "," ends the pending text and leaves an empty token, never visited.
    void comma() {
        flush();
        append(TokenKind::Empty, ',', 0);
        m_afterOperand = false;
    }

    void extendPending(char c, Pending kind) {
        if (m_pending == Pending::None) m_pendingStart = m_out.texts.size();
        m_out.texts += c;
        m_pending = kind;
    }

    void flush() {
        if (m_pending == Pending::Name)
            appendText(TokenKind::Name, m_base + kName);
        else if (m_pending == Pending::Number)
            appendText(TokenKind::Number, 0);
        m_pending = Pending::None;
    }

    void appendText(TokenKind kind, int priority) {
        append(kind, 0, priority);
        Token& t = m_out.tokens.back();
        t.textStart = static_cast<std::uint32_t>(m_pendingStart);
        t.textLength = static_cast<std::uint32_t>(m_out.texts.size() - m_pendingStart);
    }

    void append(TokenKind kind, char op, int priority) {
        if (m_out.tokens.size() >= static_cast<std::size_t>(kMaxTokens))
            raise(Fault::Overflow); // positions are 16-bit
        m_out.tokens.push_back(Token{kind, op, 0, 0});
        m_priorities.push_back(priority);
    }

    // The evaluation order: every position whose priority lies between 1
    // and the highest priority reached, by descending priority, equal
    // priorities left to right (a stable counting sort).
    void buildOrder() {
        std::vector<std::uint32_t> start(static_cast<std::size_t>(m_highest) + 2, 0);
        for (const int p : m_priorities)
            if (p >= 1 && p <= m_highest) ++start[static_cast<std::size_t>(m_highest - p) + 1];
        for (std::size_t i = 1; i < start.size(); ++i)
            start[i] += start[i - 1];
        m_out.order.resize(start.back());
        for (std::size_t i = 0; i < m_priorities.size(); ++i) {
            const int p = m_priorities[i];
            if (p >= 1 && p <= m_highest)
                m_out.order[start[static_cast<std::size_t>(m_highest - p)]++] =
                    static_cast<std::uint16_t>(i + 1);
        }
    }

    TokenList& m_out;
    std::vector<int> m_priorities;
    Pending m_pending = Pending::None;
    std::size_t m_pendingStart = 0;
    bool m_afterOperand = false;
    int m_base = 0;    ///< the base of the current level of parentheses
    int m_highest = 7; ///< the highest priority an opening token has reached
};

} // namespace

void parse(std::string_view lowerText, TokenList& out) {
    out.tokens.clear();
    out.texts.clear();
    out.order.clear();
    Scanner(out).scan(lowerText);
}

} // namespace interp
