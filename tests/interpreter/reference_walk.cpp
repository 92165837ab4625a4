#include "reference_walk.h"

#include "checked.h"
#include "faults.h"
#include "functions.h"
#include "tokens.h"

#include <charconv>
#include <variant>
#include <vector>

namespace {

using Slot = std::variant<std::monostate, std::string, double>;

std::string tokenText(const interp::TokenList& list, const interp::Token& t) {
    switch (t.kind) {
    case interp::TokenKind::Open:
        return "(";
    case interp::TokenKind::Close:
        return ")";
    case interp::TokenKind::Operator:
        return std::string(1, t.op);
    default:
        return std::string(list.text(t));
    }
}

double literal(const std::string& text) {
    int points = 0;
    bool nonZeroInteger = false;
    for (const char c : text) {
        points += c == '.';
        nonZeroInteger = nonZeroInteger || (points == 0 && c >= '1' && c <= '9');
    }
    if (points > 1 || static_cast<std::size_t>(points) == text.size())
        interp::raise(Fault::TypeMismatch);
    double v = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range)
        return nonZeroInteger ? (interp::raise(Fault::Overflow), 0.0) : 0.0;
    return v;
}

class Walk {
public:
    Walk(const interp::TokenList& list, const std::map<std::string, double>& variables,
         bool degrees)
        : m_order(list.order)
        , m_variables(variables)
        , m_degrees(degrees) {
        m_slots.resize(list.size() + 1);
        for (std::size_t p = 1; p <= list.size(); ++p)
            if (list.at(p).kind != interp::TokenKind::Empty)
                m_slots[p] = tokenText(list, list.at(p));
    }

    double solve() {
        for (m_i = 0; m_i < m_order.size(); ++m_i)
            visit(m_order[m_i]);
        const int s = next(0);
        if (s == 0) interp::raise(Fault::InvalidExpression);
        return value(s);
    }

private:
    void visit(int k) {
        if (!std::holds_alternative<std::string>(m_slots[k]))
            interp::raise(Fault::InvalidExpression);
        const std::string t = std::get<std::string>(m_slots[k]);
        if (t == "~") {
            const int j = next(k);
            m_slots[k] = -value(j);
            m_slots[j] = {};
        } else if (t.size() == 1 && std::string_view("*/\\+-^%").find(t[0]) != std::string::npos) {
            const int l = prev(k);
            const int r = next(k);
            const double a = value(l);
            const double b = value(r);
            m_slots[l] = apply(t[0], a, b);
            m_slots[r] = {};
            m_slots[k] = {};
        } else if (t == "(") {
            const int m = partner();
            const int j = next(k);
            m_slots[k] = (j != 0 && j < m) ? m_slots[j] : Slot{0.0};
            if (j != 0 && j < m) m_slots[j] = {};
            m_slots[m] = {};
        } else if (t.back() != '(') {
            m_slots[k] = lookUp(t);
        } else {
            call(k, t);
        }
    }

    void call(int k, const std::string& head) {
        const int m = partner();
        const int a = next(k);
        if (a == 0 || a >= m) interp::raise(Fault::MissingArgument, head + ")");
        const int b = prev(m);
        const double va = value(a);
        const double vb = value(b);
        m_slots[b] = m_slots[a] = m_slots[k] = m_slots[m] = {};
        const interp::FunctionInfo* f = interp::findFunction(head);
        if (f == nullptr) interp::raise(Fault::UndefinedFunction, head + ")");
        m_slots[k] = f->formula(va, vb, m_degrees);
    }

    double lookUp(const std::string& name) const {
        if (name == "pi") return 3.14159265358979;
        if (name == "e") return 2.718281828;
        const auto it = m_variables.find(name);
        if (it == m_variables.end()) interp::raise(Fault::InvalidArgument, name, true);
        return it->second;
    }

    static double apply(char op, double a, double b) {
        using namespace interp::checked;
        switch (op) {
        case '+':
            return add(a, b);
        case '-':
            return sub(a, b);
        case '*':
            return mul(a, b);
        case '/':
            return div(a, b);
        case '\\':
            return intQuotient(a, b);
        case '%':
            return intRemainder(a, b);
        default:
            return power(a, b);
        }
    }

    double value(int s) const {
        if (s == 0 || std::holds_alternative<std::monostate>(m_slots[s]))
            interp::raise(Fault::TypeMismatch);
        if (const double* v = std::get_if<double>(&m_slots[s])) return *v;
        const std::string& text = std::get<std::string>(m_slots[s]);
        if (text.find_first_not_of("0123456789.") != std::string::npos)
            interp::raise(Fault::TypeMismatch);
        return literal(text);
    }

    int partner() {
        if (++m_i >= m_order.size()) interp::raise(Fault::InvalidExpression);
        return m_order[m_i];
    }

    int next(int p) const {
        for (int q = p + 1; q < static_cast<int>(m_slots.size()); ++q)
            if (!std::holds_alternative<std::monostate>(m_slots[q])) return q;
        return 0;
    }

    int prev(int p) const {
        for (int q = p - 1; q >= 1; --q)
            if (!std::holds_alternative<std::monostate>(m_slots[q])) return q;
        return 0;
    }

    const std::vector<std::uint16_t>& m_order;
    const std::map<std::string, double>& m_variables;
    bool m_degrees;
    std::vector<Slot> m_slots;
    std::size_t m_i = 0;
};

} // namespace

Outcome referenceSolve(std::string_view lowerText, const std::map<std::string, double>& variables,
                       bool degrees) {
    try {
        interp::TokenList list;
        interp::parse(lowerText, list);
        return Outcome{true, Walk(list, variables, degrees).solve(), 0, {}};
    } catch (const interp::EvalFault& fault) {
        const NumberedError error = interp::translate(fault);
        return Outcome{false, 0, error.number(), error.description()};
    }
}
