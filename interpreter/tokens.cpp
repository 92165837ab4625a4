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
bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
/// Characters the scanner reads; every other one is skipped as if it were
/// not there, without ending the pending text: "1 000" is 1000, "2#3" is 23
/// and "2, 5" is 2.5.
bool isSignificant(char c) {
    return isLetter(c) || isDigit(c) ||
           std::string_view("()*/\\+-^%,").find(c) != std::string_view::npos;
}

/// The character-by-character scanner of Parse.
class Scanner {
public:
    explicit Scanner(TokenList& out)
        : m_out(out) {}

    void scan(std::string_view text) {
        for (const char c : text)
            if (isSignificant(c)) step(c);
        if (m_commaPending) resolveComma(false);
        flush();
        if (m_base != 0) raise(Fault::Parentheses);
        if (m_badComma) raise(Fault::InvalidExpression);
        buildOrder();
    }

private:
    enum class Pending { None, Name, Number };

    void step(char c) {
        if (m_commaPending) resolveComma(isDecimalDigit(c));
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
            return; // never: only significant characters are stepped
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
    // A point in a number that has a decimal comma is a second separator.
    void digit(char c) {
        if (m_pending == Pending::None) m_numberPoint = m_numberComma = false;
        if (c == '.' && m_pending != Pending::Name) {
            m_badComma = m_badComma || m_numberComma;
            m_numberPoint = true;
        }
        extendPending(c, m_pending == Pending::None ? Pending::Number : m_pending);
        m_afterOperand = true;
    }

    // "(" makes a pending name a function head and multiplies a pending
    // number ("2(3)"); either way it opens the next level.
    void open() {
        m_calls.push_back(m_pending == Pending::Name);
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
        if (!m_calls.empty()) m_calls.pop_back(); // a premature ")" closes nothing
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

    // The comma. Inside the parentheses of a function call it separates the
    // arguments: it ends the pending text and leaves an empty token, never
    // visited ("logn(8,2)", "max(2,5)"). Anywhere else it is the decimal
    // separator of a number, and nothing else: the number so far must be
    // digits only and a digit must follow ("2,5", "-0,75", "2,5x"), or the
    // text is refused ("1,", ",5", "x,2", "2,,5", "1,5,3", "1,5.3").
    //
    // The innermost parenthesis decides: plain parentheses inside a call hold
    // an ordinary expression, so "max((2,5),1)" is 2.5, as a pupil who put
    // the number between parentheses means, and "sqr((2,25))" is 1.5.
    void comma() {
        if (!m_calls.empty() && m_calls.back()) return separateArguments();
        if (m_pending == Pending::Number && !m_numberPoint && !m_numberComma)
            m_commaPending = true; // decided by the next character read
        else
            refuseComma();
    }

    // A decimal comma is written into the literal as its point, so the
    // literal reads as any other ("2,5" is the literal "2.5").
    void resolveComma(bool digitFollows) {
        m_commaPending = false;
        if (!digitFollows) return refuseComma();
        m_out.texts += '.';
        m_numberComma = true;
    }

    // A refused comma is read as before, as an empty token, so that the rest
    // of the text meets the same limits; Parse then raises 1103.
    void refuseComma() {
        m_badComma = true;
        separateArguments();
    }

    void separateArguments() {
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
    int m_base = 0;              ///< the base of the current level of parentheses
    int m_highest = 7;           ///< the highest priority an opening token has reached
    std::vector<bool> m_calls;   ///< per open parenthesis: whether it is a function call's
    bool m_numberPoint = false;  ///< the pending number has a point
    bool m_numberComma = false;  ///< the pending number has a decimal comma
    bool m_commaPending = false; ///< a comma after digits waits for the next character
    bool m_badComma = false;     ///< a comma that is neither separator nor decimal comma
};

} // namespace

void parse(std::string_view lowerText, TokenList& out) {
    out.tokens.clear();
    out.texts.clear();
    out.order.clear();
    Scanner(out).scan(lowerText);
}

} // namespace interp
