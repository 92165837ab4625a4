#pragma once

// The vocabulary shared by the frames' worked solutions: names, values with
// their decimals, the steps that simplify a square root or an equation.

#include "given.h"
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
/// Whether an exact value reads at a glance: at most two terms in its normal
/// form ((1 + √65)/4, not (27 + 2√130 + 7√346 − √11245)/22). A value that
/// does not is said by its decimal first, its exact value beside.
bool readable(const Number& v);
/// A named point, then its decimals when a coordinate needs them; a point
/// that does not read at a glance, by its decimals alone: I ≈ (3,36 , 1,24).
Math pointWithDecimals(const Point& p, const std::string& name);

/// Binds a named point and its coordinates (A, x_A, y_A) for the numeric reading.
void bindPoint(Environment& env, const std::string& name, const Point& p);

/// A named point of a frame's data.
struct NamedPoint {
    std::string name;
    Point point;
};
/// A solution with its title: the frame's kind, its points, each also bound,
/// then the rest of its data.
Solution titledWithPoints(TitleKind kind, const std::vector<NamedPoint>& points,
                          std::vector<Slot> more = {});

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

/// A given line's equation as the title writes it: as the pupil typed it
/// when the text was typed, else its general equation as read (its zero
/// coefficients written when it is no line: 0x + 0y − 3 = 0; a line
/// x − k = 0 or y − k = 0 as x = k or y = k).
Math givenEquation(const GivenLine& l);
/// A slot holding a given line's equation, as givenEquation writes it.
Slot lineSlot(const std::string& name, const GivenLine& l);

/// How a solution works with a given line.
enum class LineUse : std::uint8_t {
    /// By its general equation with whole coprime coefficients, the first
    /// positive (x − y + 1 = 0).
    General,
    /// As typed when it is solved for y or for x (y = x + 1, x = −2,5): a
    /// substitution takes it as it is; otherwise as General.
    Solved,
    /// By its reduced equation y = mx + k (or x = k), which gives the slope:
    /// the equation typed so when it is written so, else simplified to it,
    /// else as General (the caller then solves it for y).
    Reduced
};

/// A given line as a solution works with it.
struct WorkingLine {
    Line read;     ///< as read, its sign as typed (what a form's formulas take)
    Line line;     ///< normalised
    Math equation; ///< the equation the solution writes for it
    bool solved;   ///< `equation` is the reduced equation y = mx + k (or x = k)
};

/// The opening of a frame with a given line named `name`: an equation
/// that is no line stops the solution (the verdict is the answer of
/// `label`) and gives nothing; otherwise the line, with the step that
/// brings the equation typed to the form `use` asks for when it is not so
/// written already.
std::optional<WorkingLine> openGivenLine(Solution& solution, const std::string& name,
                                         const GivenLine& given, const std::string& label,
                                         LineUse use);

/// Whether two trees read the same (sameTree, or the same linear text).
bool sameWriting(const Math& a, const Math& b);

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

/// An amplitude in degrees: 45° (the units °, ′ and ″ are names, bound by
/// bindAngleUnits, so that the numeric reading sees degrees).
Math degrees(const Math& amount);
/// D° M′ S″ with the numbers the forms write: the degrees split into whole
/// degrees, whole minutes and seconds rounded to 2 places (nothing carried).
Math degreesMinutesSeconds(double degrees);
void bindAngleUnits(Environment& env);

/// The end of a solution that stops on a verdict: the verdict as the
/// answer of `label`, and the solution stopped.
void stopOn(Solution& solution, const std::string& label, Verdict verdict);
/// The same after a last step that says why: the step, for its lines and figures.
Step& stopsWith(Solution& solution, StepKind kind, std::vector<Slot> values,
                const std::string& label, Verdict verdict);

/// m = (y_B − y_A)/(x_B − x_A), the values put in, computed: the slope of
/// the line through two named points (m, or m_AB with `subscript`), bound.
Math slopeChain(Solution& solution, const std::string& subscript, const std::string& p,
                const Point& a, const std::string& q, const Point& b, const Number& m);
/// The step of the slope m of the line AB (A and B not on a vertical), with
/// the segment [AB] as its figure; returns m.
Number slopeOfSegment(Solution& solution, const Point& a, const Point& b);

/// The steps that take √radicand to its simplest exact form (a perfect
/// square, a square factor taken out, a denominator rationalised, a sum that
/// denests), or say that it stays a root with a decimal. Adds nothing when
/// the root is already simple (√58). Returns the root's value.
Number simplifyRoot(Solution& solution, const Number& radicand);

/// r = √(r²) = r simplified, with its decimal: the radius said from its square.
Math radiusLine(const Number& squareOfRadius);

/// The step that multiplies both members of an equation by k ≠ 0, said as
/// a division by n when k is 1/n; its line is the caller's.
Step& scalingStep(Solution& solution, const Number& k);

/// The steps that bring a line from the equation as found to its normalised
/// general equation (dividing or multiplying both members), then to its
/// reduced equation (or says that it is vertical). Returns the normalised line.
/// `equation`, when given, holds the equation of the line found as written
/// so far, and becomes that of the normalised line.
/// `shown`: the equation found is the last one written already, so that the
/// step gives only the new one; otherwise it goes from one to the other.
Line tidyLineEquation(Solution& solution, const Line& found, Math* equation = nullptr,
                      bool shown = true);
/// The first half of tidyLineEquation: the normalised general equation.
Line normaliseLineEquation(Solution& solution, const Line& found, Math* equation = nullptr,
                           bool shown = true);
/// The second half: the reduced equation of a line, or that it is vertical.
void reducedLineEquation(Solution& solution, const Line& n);
/// From the reduced equation y = mx + k of a line (`reduced`, as written)
/// to its normalised general equation (`general`): every term to the first
/// member, then the normalising factor. Returns the normalised line.
Line generalFromReduced(Solution& solution, const Line& l, const Math& reduced, Math& general);

/// The line of slope m through the point p: y − y_P = m(x − x_P) (the
/// step of `kind`, whose sentence writes it) with the data put in and
/// solved for y, then its general equation. Returns the normalised line;
/// `general` becomes its equation.
Line pointSlopeLine(Solution& solution, StepKind kind, const Point& p, const Number& m,
                    Math& general);

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
    /// What v is replaced by: the second member of the equation when it is
    /// written solved for v (as typed, y = x + 1), else m·w + k.
    Math replacement() const;
};

/// v = m·w + k from p·w + q·v + c = 0.
struct Isolated {
    Number m, k;
};

/// Whether the line's equation is written solved for v already: v = …, no v
/// on the right (x = …: no y either).
bool isSolvedFor(const Oriented& e);
/// The step that solves a line's equation for v (q ≠ 0): v = m·w + k;
/// none when it is so written already.
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
