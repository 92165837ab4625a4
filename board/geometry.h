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

/// The line through p and q: (yq − yp)·x + (xp − xq)·y + xq·yp − xp·yq = 0.
inline Line lineThrough(Pt p, Pt q) {
    return {q.y - p.y, p.x - q.x, q.x * p.y - p.x * q.y};
}

inline Pt midpoint(Pt p, Pt q) {
    return {(p.x + q.x) / 2, (p.y + q.y) / 2};
}
