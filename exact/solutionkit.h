#pragma once

// The vocabulary shared by the frames' worked solutions: names, values with
// their decimals, the steps that simplify a square root or an equation.

#include "solution.h"

#include <string>

namespace exact::kit {

/// x_A, y_B: a coordinate of a named point.
Math x(const std::string& point);
Math y(const std::string& point);
/// The unknowns of an equation: x and y.
Math x();
Math y();

/// A solution with its title: the frame's kind and its data.
Solution titled(TitleKind kind, std::vector<Slot> values);

/// A slot of a sentence.
Slot slot(std::string name, Math value);
/// A slot holding a named point with its coordinates: A(2 , −2).
Slot pointSlot(const std::string& name, const Point& p);

/// A value, then its decimal when it needs one: "2√58 ≈ 15,23", "3/2 = 1,5", "14".
Math withDecimal(const Number& v);
/// A named point, then its decimals when a coordinate needs them.
Math pointWithDecimals(const Point& p, const std::string& name);

/// Binds a named point and its coordinates (A, x_A, y_A) for the numeric reading.
void bindPoint(Environment& env, const std::string& name, const Point& p);

/// (v − k)², (v + |k|)², or v² when k is zero.
Math shiftedSquare(const Math& v, const Number& k);
/// The terms of (v − k)² developed: v² − 2k·v + k².
std::vector<SignedTerm> developedSquare(const Math& v, const Number& k);
/// The same with 2k and k² already computed.
std::vector<SignedTerm> developedSquare(const Math& v, const Number& k, const Number& twice,
                                        const Number& squareOfK);

/// The coefficient a, b or c of a named line: a_r; a alone without a name.
Math coefficient(char which, const std::string& line = {});
/// Binds a line's coefficients (a_r, b_r, c_r) for the numeric reading.
void bindLine(Environment& env, const std::string& name, const Line& l);
/// A given line as the pupil typed it when its coefficients are not exact:
/// a coefficient that is only the residue of the reader's rounding (within
/// 1e-14 of the largest from a whole number) is that whole number, still
/// approximate. "x=pi/7" has no y, though its reader's doubles say
/// −1,7E−16·y; but x + π·y/10¹³ = 1 has its y, as the form's slope says:
/// approximate data never become an exact zero.
Line withoutResidue(const Line& l);

/// A given line's general equation as read, its zero coefficients written
/// when it is no line (0x + 0y − 3 = 0); a line x − k = 0 or y − k = 0 in
/// its normal form, x = k or y = k.
Math givenEquation(const Line& l);
/// A slot holding a given line's equation, as givenEquation writes it.
Slot lineSlot(const std::string& name, const Line& l);

/// Equivalent equations, E1 ⇔ E2 ⇔ …, leaving out a member written as the
/// one before it.
class Equivalences {
public:
    explicit Equivalences(Math first);
    Equivalences& then(Math next);
    operator Math() const { return m_chain.math(); } // NOLINT(google-explicit-constructor)

private:
    Chain m_chain;
    Math m_last;
};

/// a × b as a teacher writes values in a formula: (−1) × (−3), 2 × (−3).
Math valueProduct(const Number& a, const Number& b);

/// k·m with the sign in front: −(6/7)(x − 5); m for 1, −m for −1.
Math times(const Number& k, const Math& m);

/// An amplitude in degrees: 45º (the units º, ' and '' are names, bound by
/// bindAngleUnits, so that the numeric reading sees degrees).
Math degrees(const Math& amount);
/// D º M ' S '' as the forms write it: the degrees split into whole degrees,
/// whole minutes and seconds rounded to 2 places (nothing carried).
Math degreesMinutesSeconds(double degrees);
void bindAngleUnits(Environment& env);

/// A given equation that is no line (0x + 0y + c = 0): a step that says so,
/// the verdict as the answer of `label`, and the solution stops. Returns
/// whether it stopped.
bool stopsOnNoLine(Solution& solution, const std::string& name, const Line& l,
                   const std::string& label);

/// A given line multiplied by the positive number that makes its
/// coefficients whole and coprime, with the step that says so; the line as
/// it is when that number is 1. `equation`, the line's equation as written
/// so far, becomes the equation of the line returned.
Line simplifyGivenLine(Solution& solution, const std::string& name, const Line& l, Math& equation);

/// The steps that take √radicand to its simplest exact form (a perfect
/// square, a square factor taken out, a denominator rationalised, a sum that
/// denests), or say that it stays a root with a decimal. Adds nothing when
/// the root is already simple (√58). Returns the root's value.
Number simplifyRoot(Solution& solution, const Number& radicand);

/// The step that multiplies both members of an equation by k ≠ 0, said as
/// a division by n when k is 1/n; its line is the caller's.
Step& scalingStep(Solution& solution, const Number& k);

/// The steps that bring a line from the equation as found to its normalised
/// general equation (dividing or multiplying both members), then to its
/// reduced equation (or says that it is vertical). Returns the normalised line.
/// `equation`, when given, holds the equation of the line found as written
/// so far, and becomes that of the normalised line.
Line tidyLineEquation(Solution& solution, const Line& found, Math* equation = nullptr);
/// The first half of tidyLineEquation: the normalised general equation.
Line normaliseLineEquation(Solution& solution, const Line& found, Math* equation = nullptr);
/// The second half: the reduced equation of a line, or that it is vertical.
void reducedLineEquation(Solution& solution, const Line& n);
/// From the reduced equation y = mx + k of a line (`reduced`, as written)
/// to its normalised general equation (`general`): every term to the first
/// member, then the normalising factor. Returns the normalised line.
Line generalFromReduced(Solution& solution, const Line& l, const Math& reduced, Math& general);

/// The line of slope m through the point named `name`: y − y_P = m(x − x_P),
/// the data put in and the equation solved for y (the step of `kind`), then
/// its general equation. Returns the normalised line; `general` becomes its
/// equation.
Line pointSlopeLine(Solution& solution, StepKind kind, const std::string& name, const Point& p,
                    const Number& m, Math& general);

/// The lines shape.a·x + shape.b·y + k = 0 of a family (the step of
/// `family`, its slot "equation"), the one through the point P found by
/// putting in its coordinates (named `name`): the steps, and the line found.
/// The unknown term is k, with `subscript` when a solution has several.
Line familyThrough(Solution& solution, StepKind family, const Line& shape, const Point& p,
                   const std::string& name, const std::string& subscript = {});

/// c·v as a signed term of a sum (nothing for c = 0).
void addTerm(std::vector<SignedTerm>& terms, const Number& c, const Math& v);
/// c as a signed term of a sum (nothing for c = 0).
void addConstant(std::vector<SignedTerm>& terms, const Number& c);
/// The sum of the terms, or 0 when there are none.
Math sumOrZero(std::vector<SignedTerm> terms);

/// One equation of a line seen as p·w + q·v + c = 0, v the unknown it
/// gives (or is substituted), w the other.
struct Oriented {
    const char* name; ///< r, s…
    const Line* line;
    const Math* equation;
    bool vIsY;
    const Number& q() const { return vIsY ? line->b : line->a; }
    const Number& p() const { return vIsY ? line->a : line->b; }
    const Number& c() const { return line->c; }
    Math v() const { return vIsY ? y() : x(); }
    Math w() const { return vIsY ? x() : y(); }
};

/// v = m·w + k from p·w + q·v + c = 0.
struct Isolated {
    Number m, k;
};

/// The step that solves a line's equation for v (q ≠ 0): v = m·w + k.
Isolated isolate(Solution& solution, const Oriented& e);

/// d(P, r): the distance's name.
Math distanceName(const std::string& point, const std::string& line);

/// What a distance ends on: its result, or (`zero`) that the distance is 0,
/// and the label its value is the answer of (none when empty).
struct DistanceResult {
    StepKind result, zero;
    std::string label;
};

/// |a·x_P + b·y_P + c| / √(a² + b²), in names, in values, then computed and
/// simplified: the steps, and the distance. The formula's line starts with
/// every name of the distance (d(r, s) = d(P, s)), the others with the first;
/// the line's coefficients are a, b, c with `subscript`.
Number distanceToLine(Solution& solution, const std::string& pointName, const Point& p,
                      const std::string& lineName, const std::string& subscript, const Line& l,
                      const std::vector<Math>& names, const DistanceResult& end);

} // namespace exact::kit
