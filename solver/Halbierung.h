#pragma once

#include <numeric>

// +1, -1, or 0 for a zero or a NaN. The search compares signs instead of
// multiplying values: their product may underflow to 0 or overflow.
inline int vorzeichen(double v) {
    return (v > 0) - (v < 0);
}

// Bisection of [a, b], where wert changes its sign: halves while b - a is
// wider than 1e-11, or until the midpoint equals an end, since doubles cannot
// halve any further; returns the last midpoint. An exact zero or a NaN at a
// midpoint makes it the right end. wert is a parameter, so that a test can
// follow every point the halving evaluates.
template <class Wert> double halbieren(Wert wert, double a, double b) {
    // std::midpoint is (a + b) / 2, rounded once, and cannot overflow.
    double m = std::midpoint(a, b);
    int links = vorzeichen(wert(a));
    while (b - a > 1e-11) {
        m = std::midpoint(a, b);
        if (m == a || m == b)
            break;
        const int mitte = vorzeichen(wert(m));
        if (links * mitte > 0) {
            a = m;
            links = mitte;
        } else {
            b = m;
        }
    }
    return m;
}
