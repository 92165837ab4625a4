#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace interp {

enum class TokenKind : std::uint8_t {
    Number,   ///< a run of digits and points: "12", "2.5", "1.2.3"; "2,5" typed is "2.5"
    Name,     ///< "x", "pi", "x2"
    Head,     ///< a name with its opening parenthesis: "sen(", "log10("
    Open,     ///< "("
    Close,    ///< ")"
    Operator, ///< "+", "-", "*", "/", "\", "^", "%" or "~" (unary minus)
    Empty     ///< written for each "," that separates the arguments of a call
};

struct Token {
    TokenKind kind;
    char op;                 ///< the operator character, for TokenKind::Operator
    std::uint32_t textStart; ///< into TokenList::texts, for numbers, names and heads
    std::uint32_t textLength;
};

/// The tokens of one expression and the order in which Solve visits them.
struct TokenList {
    std::vector<Token> tokens;        ///< position p (1-based) is tokens[p - 1]
    std::string texts;                ///< the texts of numbers, names and heads, end to end
    std::vector<std::uint16_t> order; ///< the evaluation order: positions by descending priority

    std::size_t size() const { return tokens.size(); }
    const Token& at(std::size_t position) const { return tokens[position - 1]; }
    std::string_view text(const Token& t) const {
        return std::string_view(texts).substr(t.textStart, t.textLength);
    }
};

/// The largest number of tokens and the largest priority (16-bit values).
inline constexpr int kMaxTokens = 32767;
inline constexpr int kMaxPriority = 32767;
inline constexpr int kMinPriority = -32768;

/// Parse: splits a lower-cased expression into tokens, gives each operator
/// token its priority and builds the evaluation order. Outside the parentheses
/// of a function call, a comma between two digits is a decimal separator.
/// Raises 1100 when the parentheses do not balance, then 1103 for any other
/// comma outside a call, and 6 when a 16-bit limit is passed.
void parse(std::string_view lowerText, TokenList& out);

} // namespace interp
