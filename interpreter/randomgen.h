#pragma once

/// The program-wide generator of single-precision pseudo-random values in
/// [0, 1) behind "rnd", "rnd(", "random(" and "rand(". It is seeded from the
/// clock on first use.
namespace interp::randomgen {

/// The next value, without re-seeding (the constant "rnd").
float next();
/// Re-seeds from the clock, mixed with the current state so that two calls
/// within one clock tick still differ.
void reseedFromClock();
/// "rnd(a)": for a < 0 a value determined by a alone, for a = 0 the value
/// drawn last, for a > 0 the next value.
float draw(double a);

} // namespace interp::randomgen
