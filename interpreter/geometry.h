#pragma once

#include "real.h"

// The plane's vocabulary: points, lines and circles, and the constructions
// the problem frames share. Every function computes with Real, so a
// degenerate case ends the press with a numbered fault where it says so.
//
// A frame that writes a formula of its own instead of one of these does so on
// purpose: its result is rounded (and so written) exactly as that formula
// rounds it, and a frame's comment says so where it happens.

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

/// The line a·x + b·y + c = 0 through p: c = −a·xp − b·yp.
inline Line lineThrough(Pt p, Real a, Real b) {
    return {a, b, -a * p.x - b * p.y};
}

inline Pt midpoint(Pt p, Pt q) {
    return {(p.x + q.x) / 2, (p.y + q.y) / 2};
}

/// (xq − xp)² + (yq − yp)².
inline Real squaredDistance(Pt p, Pt q) {
    return square(q.x - p.x) + square(q.y - p.y);
}

inline Real distance(Pt p, Pt q) {
    return sqrt(squaredDistance(p, q));
}

/// √(a² + b²), the length of a line's normal vector (a, b).
inline Real norm(const Line& l) {
    return sqrt(square(l.a) + square(l.b));
}

/// The distance from a point to a line: |y + c/b| for a horizontal line,
/// |x + c/a| for a vertical one, |a·x + b·y + c| / √(a² + b²) otherwise.
/// A line with a = b = 0 divides by zero.
inline Real distance(Pt p, const Line& l) {
    if (l.a == 0) return abs(p.y + l.c / l.b);
    if (l.b == 0) return abs(p.x + l.c / l.a);
    return abs(l.a * p.x + l.b * p.y + l.c) / norm(l);
}

/// Where two lines meet, by Cramer's rule; parallel lines divide by zero.
inline Pt intersection(const Line& m, const Line& n) {
    const Real det = m.a * n.b - n.a * m.b;
    return {(m.b * n.c - n.b * m.c) / det, (n.a * m.c - m.a * n.c) / det};
}

/// Whether two lines are parallel (or the same): a1·b2 = a2·b1, exactly.
inline bool parallel(const Line& m, const Line& n) {
    return m.a * n.b == n.a * m.b;
}

/// Whether three points lie on one line: (y3 − y1)(x2 − x1) = (x3 − x1)(y2 − y1), exactly.
inline bool collinear(Pt p1, Pt p2, Pt p3) {
    return (p3.y - p1.y) * (p2.x - p1.x) == (p3.x - p1.x) * (p2.y - p1.y);
}

/// x1·y2 + x3·y1 + x2·y3 − x3·y2 − x1·y3 − x2·y1: twice the signed area of
/// the triangle, positive when p1, p2, p3 turn counter-clockwise.
inline Real determinant(Pt p1, Pt p2, Pt p3) {
    return p1.x * p2.y + p3.x * p1.y + p2.x * p3.y - p3.x * p2.y - p1.x * p3.y - p2.x * p1.y;
}
