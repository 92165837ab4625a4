#include "checked.h"
#include "program.h"
#include "tokens.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_map>

namespace interp {

namespace {

// While compiling, an operand is a slot, a variable name or a constant,
// told apart by the top two bits; finish() turns them into register numbers.
constexpr std::uint32_t kVariableRef = 1u << 30;
constexpr std::uint32_t kConstantRef = 2u << 30;
constexpr std::uint32_t kIndexMask = (1u << 30) - 1;

/// A value needs at most 309 integer digits; more is an overflow whatever they are.
constexpr std::size_t kMaxIntegerDigits = 309;

/// value() of a numeric literal: at least one digit, at most one point.
/// Raises 13 (a text that is not a number) or 6 (too large for a double).
double literalValue(std::string_view text) {
    const auto points = static_cast<std::size_t>(std::count(text.begin(), text.end(), '.'));
    if (points > 1 || points == text.size()) raise(Fault::TypeMismatch);
    const std::string_view integer = text.substr(0, text.find('.'));
    const std::size_t firstSignificant = std::min(integer.find_first_not_of('0'), integer.size());
    const std::size_t integerDigits = integer.size() - firstSignificant;
    if (integerDigits > kMaxIntegerDigits) raise(Fault::Overflow);
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range && integerDigits > 0) raise(Fault::Overflow);
    if (error == std::errc::result_out_of_range) return 0.0; // below the smallest double
    if (error != std::errc{} || end != text.data() + text.size()) raise(Fault::TypeMismatch);
    return value;
}

/// The arithmetic of an operator step on two known values (constant folding).
double applyOperator(OpCode code, double a, double b) {
    switch (code) {
    case OpCode::Add:
        return checked::add(a, b);
    case OpCode::Subtract:
        return checked::sub(a, b);
    case OpCode::Multiply:
        return checked::mul(a, b);
    case OpCode::Divide:
        return checked::div(a, b);
    case OpCode::IntQuotient:
        return checked::intQuotient(a, b);
    case OpCode::IntRemainder:
        return checked::intRemainder(a, b);
    default:
        return checked::power(a, b);
    }
}

OpCode operatorCode(char op) {
    switch (op) {
    case '+':
        return OpCode::Add;
    case '-':
        return OpCode::Subtract;
    case '*':
        return OpCode::Multiply;
    case '/':
        return OpCode::Divide;
    case '\\':
        return OpCode::IntQuotient;
    case '%':
        return OpCode::IntRemainder;
    default:
        return OpCode::Power;
    }
}

bool hasOperands(OpCode code) {
    return code != OpCode::Random && code != OpCode::CheckVariable && code != OpCode::Raise;
}

/// x - (+0), x·1 and x/1 are x itself, for every x (-0 included).
bool leavesUnchanged(OpCode code, double b) {
    return (code == OpCode::Subtract && b == 0 && !std::signbit(b)) ||
           ((code == OpCode::Multiply || code == OpCode::Divide) && b == 1);
}

bool writesRegister(OpCode code) {
    return code != OpCode::CheckVariable && code != OpCode::Raise && code != OpCode::Result;
}

/// The steps that have forms taking an operand from the previous result;
/// their LastA and LastB forms follow them in OpCode.
bool hasLastForms(OpCode code) {
    return code == OpCode::Add || code == OpCode::Subtract || code == OpCode::Multiply ||
           code == OpCode::Divide || code == OpCode::Square;
}

constexpr int codeNumber(OpCode code) {
    return static_cast<int>(code);
}
static_assert(codeNumber(OpCode::AddLastB) == codeNumber(OpCode::Add) + 2 &&
              codeNumber(OpCode::SubtractLastB) == codeNumber(OpCode::Subtract) + 2 &&
              codeNumber(OpCode::MultiplyLastB) == codeNumber(OpCode::Multiply) + 2 &&
              codeNumber(OpCode::DivideLastB) == codeNumber(OpCode::Divide) + 2 &&
              codeNumber(OpCode::SquareLast) == codeNumber(OpCode::Square) + 1);

/// Lets a step read the result of the step just before from that result:
/// operand a (or else b) selects the LastA (LastB) form, or gets the
/// kForwarded mark in the steps without such forms.
void forward(Op& op, std::uint32_t last) {
    const bool a = op.a == last;
    const bool b = !a && op.b == last;
    if (!a && !b) return;
    if (hasLastForms(op.code))
        op.code = static_cast<OpCode>(static_cast<int>(op.code) + (a ? 1 : 2));
    else if (a)
        op.a |= kForwarded;
    else
        op.b |= kForwarded;
}

void forwardResults(std::vector<Op>& steps) {
    std::uint32_t last = 0; // slot registers start at 1: 0 is never a result
    for (Op& op : steps) {
        if (hasOperands(op.code) && last != 0) forward(op, last);
        if (writesRegister(op.code)) last = op.dst;
    }
}

} // namespace

/// Solve's walk over the working slots, run once per parse. Each slot is
/// empty, holds a token's text, or holds a value (an operand of the
/// program); the occupied slots form a doubly linked list so that
/// nextOperand() and prevOperand() take constant time.
class SlotWalk {
public:
    SlotWalk(const TokenList& tokens, Program& program, bool degrees, Folding folding)
        : m_tokens(tokens)
        , m_program(program)
        , m_end(static_cast<std::uint32_t>(tokens.size()) + 1)
        , m_fold(folding == Folding::Fold) {
        m_program.m_checked.clear();
        m_program.m_names.clear();
        m_program.m_faults.clear();
        m_program.m_constantTexts.clear();
        m_program.m_degrees = degrees;
        m_program.m_foldedAngles = false;
        fillSlots();
    }

    /// Fills the slots, visits the tokens in evaluation order and takes the
    /// result; a fault ends the program with a Raise step.
    void run() {
        try {
            walk();
            result();
        } catch (const EvalFault& fault) {
            m_program.m_faults.push_back(fault);
            emit(OpCode::Raise, 0, static_cast<std::uint32_t>(m_program.m_faults.size() - 1));
        }
        finish();
    }

private:
    enum class State : std::uint8_t { Empty, Text, Value };
    struct Slot {
        State state = State::Empty;
        std::uint32_t operand = 0; ///< the token position of a text, the operand of a value
    };

    // One slot per token; the empty token of "," gives an empty slot.
    void fillSlots() {
        m_slots.assign(m_end + 1, Slot{});
        m_next.assign(m_end + 1, m_end);
        m_prev.assign(m_end + 1, 0);
        std::uint32_t last = 0;
        for (std::uint32_t s = 1; s < m_end; ++s) {
            if (m_tokens.at(s).kind == TokenKind::Empty) continue;
            m_slots[s] = Slot{State::Text, s};
            m_next[last] = s;
            m_prev[s] = last;
            last = s;
        }
        m_next[last] = m_end;
        m_prev[m_end] = last;
    }

    // Each operator, parenthesis, name and head in evaluation order: it
    // takes its operands from the nearest occupied slots and leaves its value
    // in one slot, emptying the others.
    void walk() {
        for (m_index = 0; m_index < m_tokens.order.size(); ++m_index)
            visit(m_tokens.order[m_index]);
    }

    void visit(std::uint32_t k) {
        const Token& t = textAt(k);
        switch (t.kind) {
        case TokenKind::Operator:
            return t.op == '~' ? negate(k) : binary(k, operatorCode(t.op));
        case TokenKind::Open:
            return group(k);
        case TokenKind::Name:
            return name(k, m_tokens.text(t));
        case TokenKind::Head:
            return call(k, m_tokens.text(t));
        default:
            raise(Fault::InvalidExpression); // a ")" or a literal is never visited
        }
    }

    void negate(std::uint32_t k) {
        const std::uint32_t j = nextOperand(k);
        const std::uint32_t a = valueOf(j);
        vacate(j);
        store(k,
              m_fold && isConstant(a) ? constant(-constantValue(a)) : emit(OpCode::Negate, k, a));
    }

    void binary(std::uint32_t k, OpCode code) {
        const std::uint32_t l = prevOperand(k);
        const std::uint32_t r = nextOperand(k);
        const std::uint32_t a = valueOf(l);
        const std::uint32_t b = valueOf(r);
        vacate(r);
        vacate(k);
        store(l, operation(code, l, a, b));
    }

    void group(std::uint32_t k) {
        const std::uint32_t m = matchingClose();
        const std::uint32_t j = nextOperand(k);
        if (j != 0 && j < m) {
            m_slots[k] = m_slots[j];
            vacate(j);
        } else {
            store(k, constant(0, ""));
        }
        vacate(m);
    }

    void name(std::uint32_t k, std::string_view text) {
        if (text == "pi")
            store(k, constant(kPi, text));
        else if (text == "e")
            store(k, constant(kE, text));
        else if (text == "rnd")
            store(k, emit(OpCode::Random, k, 0));
        else
            store(k, variable(text));
    }

    void call(std::uint32_t k, std::string_view head) {
        const std::uint32_t m = matchingClose();
        const std::uint32_t first = nextOperand(k);
        if (first == 0 || first >= m) raise(Fault::MissingArgument, std::string(head) + ")");
        const std::uint32_t last = prevOperand(m);
        const std::uint32_t a = valueOf(first);
        const std::uint32_t b = valueOf(last);
        vacate(last);
        vacate(first);
        vacate(m);
        const FunctionInfo* f = findFunction(head);
        if (f == nullptr) raise(Fault::UndefinedFunction, std::string(head) + ")");
        store(k, functionCall(*f, k, a, b));
    }

    // The first occupied slot is the result; later ones are left over.
    void result() {
        const std::uint32_t s = nextOperand(0);
        if (s == 0) raise(Fault::InvalidExpression);
        emit(OpCode::Result, 0, valueOf(s));
    }

    // --- the steps that compute, folded when their operands are constants

    std::uint32_t operation(OpCode code, std::uint32_t dst, std::uint32_t a, std::uint32_t b) {
        if (!m_fold) return emit(code, dst, a, b);
        if (isConstant(a) && isConstant(b))
            return constant(applyOperator(code, constantValue(a), constantValue(b)));
        if (isConstant(b) && leavesUnchanged(code, constantValue(b))) return a;
        if (code == OpCode::Power && isConstant(b) && constantValue(b) == 2.0)
            return emit(OpCode::Square, dst, a, a);
        return emit(code, dst, a, b);
    }

    std::uint32_t functionCall(const FunctionInfo& f, std::uint32_t dst, std::uint32_t a,
                               std::uint32_t b) {
        if (!f.twoArguments) b = a;
        if (m_fold && f.dependence != Dependence::RandomDraw && isConstant(a) && isConstant(b)) {
            m_program.m_foldedAngles |= f.dependence == Dependence::AngleUnit;
            return constant(f.formula(constantValue(a), constantValue(b), m_program.m_degrees));
        }
        m_program.m_checked.push_back(Op{OpCode::Call, functionNumber(f), dst, a, b});
        return dst;
    }

    std::uint32_t emit(OpCode code, std::uint32_t dst, std::uint32_t a, std::uint32_t b = 0) {
        m_program.m_checked.push_back(Op{code, 0, dst, a, b});
        return dst;
    }

    // --- operands

    /// A constant operand; `text` is what it was typed as (kept with Folding::Keep).
    std::uint32_t constant(double value, std::string_view text = {}) {
        if (!m_fold) m_program.m_constantTexts.emplace_back(text);
        m_constants.push_back(value);
        return kConstantRef | static_cast<std::uint32_t>(m_constants.size() - 1);
    }
    static bool isConstant(std::uint32_t operand) { return (operand & kConstantRef) != 0; }
    double constantValue(std::uint32_t operand) const { return m_constants[operand & kIndexMask]; }

    /// A variable lookup: checked at this point of the walk, read from the
    /// name's register.
    std::uint32_t variable(std::string_view text) {
        const auto [it, added] =
            m_nameIds.try_emplace(text, static_cast<std::uint32_t>(m_program.m_names.size()));
        if (added) m_program.m_names.emplace_back(text);
        emit(OpCode::CheckVariable, 0, it->second);
        return kVariableRef | it->second;
    }

    /// The operand that slot s holds: a value as it is, a text read as a decimal literal.
    std::uint32_t valueOf(std::uint32_t s) {
        if (s == 0 || m_slots[s].state == State::Empty)
            raise(Fault::TypeMismatch); // an operator without an operand
        if (m_slots[s].state == State::Value) return m_slots[s].operand;
        const Token& t = m_tokens.at(m_slots[s].operand);
        if (t.kind != TokenKind::Number) raise(Fault::TypeMismatch);
        return constant(literalValue(m_tokens.text(t)), m_tokens.text(t));
    }

    // --- slots

    const Token& textAt(std::uint32_t k) const {
        if (m_slots[k].state != State::Text)
            raise(Fault::InvalidExpression); // a visited slot always holds its own token
        return m_tokens.at(m_slots[k].operand);
    }

    /// The ")" that the evaluation order places right after its opening token.
    std::uint32_t matchingClose() {
        if (++m_index >= m_tokens.order.size()) raise(Fault::InvalidExpression);
        const std::uint32_t m = m_tokens.order[m_index];
        if (m_slots[m].state != State::Text || textAt(m).kind != TokenKind::Close)
            raise(Fault::InvalidExpression);
        return m;
    }

    std::uint32_t nextOperand(std::uint32_t s) const { return m_next[s] == m_end ? 0 : m_next[s]; }
    std::uint32_t prevOperand(std::uint32_t s) const { return m_prev[s]; }

    void store(std::uint32_t s, std::uint32_t operand) { m_slots[s] = Slot{State::Value, operand}; }

    void vacate(std::uint32_t s) {
        if (m_slots[s].state == State::Empty) return;
        m_slots[s].state = State::Empty;
        m_next[m_prev[s]] = m_next[s];
        m_prev[m_next[s]] = m_prev[s];
    }

    // --- the finished program

    /// Lays out the registers (slots, variables, constants), turns operands
    /// into register numbers and derives the unchecked steps.
    void finish() {
        Program& p = m_program;
        p.m_variableBase = m_end;
        const auto constantBase = static_cast<std::uint32_t>(m_end + p.m_names.size());
        p.m_constantBase = constantBase;
        p.m_registers.assign(constantBase + m_constants.size(), 0.0);
        std::copy(m_constants.begin(), m_constants.end(), p.m_registers.begin() + constantBase);
        for (Op& op : p.m_checked)
            if (hasOperands(op.code)) {
                op.a = registerOf(op.a, constantBase);
                op.b = registerOf(op.b, constantBase);
            }
        if (m_fold) forwardResults(p.m_checked);
        p.m_unchecked.clear();
        std::copy_if(p.m_checked.begin(), p.m_checked.end(), std::back_inserter(p.m_unchecked),
                     [](const Op& op) { return op.code != OpCode::CheckVariable; });
        p.m_constant = p.m_checked.size() == 1 && p.m_checked[0].code == OpCode::Result &&
                       !m_constants.empty() && p.m_checked[0].a == p.m_registers.size() - 1;
        p.m_constantValue = p.m_constant ? p.m_registers.back() : 0.0;
        p.m_variableIndex.assign(p.m_names.size(), -1);
        p.m_bindings.clear();
        p.m_boundGeneration = 0;
        p.m_allBound = p.m_names.empty();
    }

    std::uint32_t registerOf(std::uint32_t operand, std::uint32_t constantBase) const {
        const std::uint32_t index = operand & kIndexMask;
        if (operand & kConstantRef) return constantBase + index;
        if (operand & kVariableRef) return m_program.m_variableBase + index;
        return index;
    }

    const TokenList& m_tokens;
    Program& m_program;
    const std::uint32_t m_end; ///< n + 1, the sentinel after the last slot
    const bool m_fold;         ///< steps on constants are computed now
    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_next;
    std::vector<std::uint32_t> m_prev;
    std::vector<double> m_constants;
    std::unordered_map<std::string_view, std::uint32_t> m_nameIds;
    std::size_t m_index = 0; ///< the position in the evaluation order
};

Program::Program() {
    compile(TokenList{}, false);
}

Program::Program(const TokenList& tokens, bool degrees, Folding folding) {
    compile(tokens, degrees, folding);
}

void Program::compile(const TokenList& tokens, bool degrees, Folding folding) {
    SlotWalk(tokens, *this, degrees, folding).run();
}

} // namespace interp
