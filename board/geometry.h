#pragma once

#include "real.h"

/// A point of the plane.
struct Pt {
    Real x;
    Real y;
    friend bool operator==(const Pt&, const Pt&) = default;
};

/// The straight line a·x + b·y + c = 0.
struct Line {
    Real a;
    Real b;
    Real c;
    friend bool operator==(const Line&, const Line&) = default;
};

/// A circle by its centre and radius.
struct Circle {
    Real xc;
    Real yc;
    Real r;
    Pt centre() const { return {xc, yc}; }
};
