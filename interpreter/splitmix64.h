#pragma once

#include <cstdint>

/// SplitMix64, the small generator whose values are the same on every
/// machine: the state advances by a fixed odd step and each state is
/// scrambled into a value. Plain C++, for every library of the program.
namespace splitmix64 {

inline constexpr std::uint64_t Step = 0x9e3779b97f4a7c15ULL;

/// The value of a state.
constexpr std::uint64_t scramble(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

/// Advances the state and gives the next value.
constexpr std::uint64_t next(std::uint64_t& state) {
    state += Step;
    return scramble(state);
}

/// The first value of a generator started at `seed`: spreads any seed over
/// all 64 bits, so that near seeds give unrelated values.
constexpr std::uint64_t mix(std::uint64_t seed) {
    return next(seed);
}

} // namespace splitmix64
