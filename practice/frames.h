#pragma once

// The frames that can be practised: for each one how its exercises are
// made and the slips its pupils make. Internal to the practice library.

#include "exercise.h"

#include <array>
#include <cstdint>
#include <functional>

namespace practice {

/// A small deterministic generator (splitmix64): the same seed gives the same
/// exercise on every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : m_state(seed) {}
    std::uint64_t next();
    /// A whole number from lo to hi.
    int in(int lo, int hi);
    /// A whole number from lo to hi, not zero.
    int nonZero(int lo, int hi);
    bool coin() { return next() & 1; }
    /// One element of a list.
    template <typename T, std::size_t N>
    const T& pick(const std::array<T, N>& list) {
        return list[std::size_t(in(0, int(N) - 1))];
    }

private:
    std::uint64_t m_state;
};

/// A typical slip: what the pupil did, the rule that was broken, the step
/// of the worked solution where it happens, and the answer it gives.
struct Slip {
    const char* id;   ///< a short name, for tests and tools: "no-halving"
    const char* what; ///< "Somou as coordenadas sem dividir por 2."
    const char* rule; ///< "as coordenadas do ponto médio são as médias das dos extremos."
    /// What the slip gets wrong, as the worked solution's sentences and
    /// mathematics name it ("declive", "raio", "x_P"): the step the slip
    /// opens names it.
    const char* quantity;
    /// The kinds of step of the worked solution where the slip happens: the
    /// first of them that the solution has is shown.
    std::vector<exact::StepKind> steps;
    /// The answer the slip gives; empty when it does not apply to these data.
    std::function<std::vector<Value>(const Exercise&)> apply;
};

/// Everything about practising one problem of the frame table: its caption
/// and option button come from there.
struct FrameDef {
    FrameId id;
    const char* dados;    ///< objectName of its "Dados" button, "" when none
    const char* resolver; ///< objectName of its "Resolver" button
    std::array<bool, 3> levels;
    /// Makes the exercise's data, fields, statement and expected answer.
    void (*make)(Rng&, Exercise&);
    std::vector<Slip> slips;
};

/// The frames of the points page and the first page of lines; of the other
/// pages of lines; of the circle pages and the triangle page.
std::vector<FrameDef> pointAndFirstLineFrames();
std::vector<FrameDef> lineFrames();
std::vector<FrameDef> lines4Frames();
std::vector<FrameDef> circleFrames();
std::vector<FrameDef> triangleFrames();

/// A triangle inscribed in a circle of lattice centre (its vertices in
/// ex.data.points); returns the centre.
exact::Point circumscribedTriangle(Rng& rng, Exercise& ex);
/// A right triangle with its legs parallel to the axes (its vertices in
/// ex.data.points); returns its incircle.
exact::Circle rightTriangleIncircle(Rng& rng, Exercise& ex);

/// The table of every frame, in the order of the topics.
const std::vector<FrameDef>& frameTable();
/// The row of a frame; the first row for an unknown one.
const FrameDef& frameDef(FrameId id);

/// Whether two values are equal: exactly, lines as the same line, circles
/// with the same centre and radius, angles within the rounding of `against`.
bool sameValue(const Value& a, const Value& b);
/// Whether two lists hold the same values, in any order.
bool sameValues(const std::vector<Value>& a, const std::vector<Value>& b);

} // namespace practice
