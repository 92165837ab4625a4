#include "randomgen.h"

#include "splitmix64.h"

#include <bit>
#include <chrono>
#include <cstdint>

namespace interp::randomgen {

namespace {

std::uint64_t clockTicks() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

struct Generator {
    std::uint64_t state = splitmix64::mix(clockTicks());
    float last = 0.0f;
    bool drawn = false;

    /// xorshift64*: the top 24 bits of the product make a float in [0, 1).
    float next() {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        const std::uint64_t bits = (state * 0x2545F4914F6CDD1Dull) >> 40;
        last = static_cast<float>(bits) * 0x1p-24f;
        drawn = true;
        return last;
    }
    /// A zero state would stay zero: keep it odd.
    void seed(std::uint64_t value) { state = splitmix64::mix(value) | 1u; }
};

Generator& generator() {
    static Generator instance;
    return instance;
}

} // namespace

float next() {
    return generator().next();
}

void reseedFromClock() {
    Generator& g = generator();
    g.seed(g.state ^ clockTicks());
}

float draw(double a) {
    Generator& g = generator();
    if (a < 0) {
        g.seed(std::bit_cast<std::uint64_t>(a));
        return g.next();
    }
    if (a == 0 && g.drawn) return g.last;
    return g.next();
}

} // namespace interp::randomgen
