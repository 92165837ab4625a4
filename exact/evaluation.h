#pragma once

#include "objects.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exact {

/// An exact value given to a variable of an expression (x, y).
struct Variable {
    std::string name;
    Number value;
};
using Variables = std::vector<Variable>;

/// A polynomial in x and y: each monomial x^i·y^j with its coefficient, an
/// exact value when the text's numbers are exact. No coefficient is zero.
class Polynomial {
public:
    using Monomial = std::pair<int, int>; ///< the powers of x and of y
    Polynomial() = default;
    explicit Polynomial(const Number& constant);
    static Polynomial variable(Monomial power);

    const std::map<Monomial, Number>& terms() const { return m_terms; }
    /// The coefficient of x^i·y^j, 0 when there is none.
    Number coefficient(int i, int j) const;
    /// The largest i + j; −1 for the zero polynomial.
    int degree() const;
    bool isConstant() const { return degree() <= 0; }

    Polynomial operator-() const;
    friend Polynomial operator+(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator-(const Polynomial& a, const Polynomial& b);
    friend Polynomial operator*(const Polynomial& a, const Polynomial& b);

private:
    void add(Monomial m, const Number& c);
    std::map<Monomial, Number> m_terms;
};

/// A typed text evaluated exactly by the interpreter's own compiled program:
/// the same tokens, priorities, slot walk and steps as clsEquation, run over
/// exact values instead of doubles. A text that only uses numbers, + − * / \,
/// ^ with a whole exponent, parentheses, sqr( and abs( gives an exact value
/// ("0.1" is 1/10, "sqr(8)" is 2√2, "-2^2" is −4); any other text gives an
/// approximate value equal to the interpreter's own double.
///
/// Faults are the interpreter's numbered errors (source "Interpretador"):
/// a text whose double evaluation fails raises that same error; an exact
/// value that meets a zero divisor or the root of a negative number raises
/// 11 or 5 even where doubles rounded past it ("1/(0.1+0.2-0.3)").
class Expression {
public:
    /// Parses and compiles the text; faults wait for evaluate().
    explicit Expression(std::string_view text);
    ~Expression();
    Expression(Expression&&) noexcept;
    Expression& operator=(Expression&&) noexcept;

    /// The value with the given variables (names without regard to case).
    Number evaluate(const Variables& variables = {});
    /// The interpreter's double for the same text and variables.
    double approximate(const Variables& variables = {});
    /// The text, in the names x and y, expanded into a polynomial: exactly
    /// the same terms whatever way it was written, so that two texts are
    /// the same polynomial only when they are equal everywhere. Nothing
    /// when the text is not a polynomial in x and y of a degree up to
    /// kMaxDegree: another name, a division by an expression in x or y, the
    /// root or absolute value of one, a function other than sqr( and abs(,
    /// a power past that degree, or products past the work budget. Faults
    /// as evaluate() raises them.
    std::optional<Polynomial> expand();
    static constexpr int kMaxDegree = 12;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

/// A field's value as the input reader takes it: the text evaluated with
/// the variable x set to 0.
Number readField(std::string_view text);

/// Why an equation was not read.
enum class Refusal : std::uint8_t {
    None,
    NotALine,   ///< "A equação não representa uma recta."
    NotACircle, ///< "A equação não representa uma circunferência."
    APoint      ///< "A equação representa um ponto."
};

struct LineReading {
    Refusal refusal = Refusal::None;
    Line line;
};

/// The second-degree equation A x² + B y² + C xy + D x + E y + F = 0 that a
/// typed circle equation was sampled as.
struct Conic {
    Number A, B, C, D, E, F;
};

struct CircleReading {
    Refusal refusal = Refusal::None;
    Circle circle;
    Conic conic; ///< as sampled; zero when the characters were refused
};

/// The shape test of the circle reader: C = 0, A = B and A ≠ 0, decided
/// exactly when the coefficients are exact.
bool hasCircleShape(const Conic& q);

/// A typed line equation read as the line reader reads it: blanks deleted,
/// ">", "<", "^3" and "^2" refused, the text moved to one side ("lhs-(rhs)")
/// and sampled at (0, 0), (1, 0) and (0, 1). A coefficient whose samples
/// are not exact is the line reader's own double. A text without "="
/// raises fault 5, as the reader does.
LineReading readLine(std::string_view equation);

/// A typed circle equation read as the circle reader reads it: blanks
/// deleted, ">", "<", "^4" and "^3" refused, the text moved to one side and
/// sampled at six points; the shape test, the normalisation and the radius
/// test decided exactly when the samples are exact.
CircleReading readCircle(std::string_view equation);

} // namespace exact
