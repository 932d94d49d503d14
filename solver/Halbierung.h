#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

// +1, -1, or 0 for a zero or a NaN. The search compares signs instead of
// multiplying values: their product may underflow to 0 or overflow.
inline int vorzeichen(double v) {
    return (v > 0) - (v < 0);
}

// Horner's rule over the n + 1 coefficients of p, constant first; inline, so
// that the halving keeps its ends in registers.
inline double horner(const double* p, int n, double x) {
    double s = 0.0;
    for (int j = n; j >= 0; --j)
        s = x * s + p[j];
    return s;
}

template <class Wert, class Mitte>
double halbierenMit(Wert wert, Mitte mitte, double a, double b, double boden) {
    const auto weiter = [boden](double a, double b) {
        const double breite = b - a;
        return breite > 1e-11 ||
               (breite > 1e-11 * std::max(std::abs(a), std::abs(b)) && breite > boden);
    };
    double m = mitte(a, b);
    int links = vorzeichen(wert(a));
    while (weiter(a, b)) {
        m = mitte(a, b);
        if (m == a || m == b)
            break;
        const int vz = vorzeichen(wert(m));
        if (links * vz > 0) {
            a = m;
            links = vz;
        } else {
            b = m;
        }
    }
    return m;
}

// Bisection of [a, b], where wert changes its sign: halves while b - a is
// wider than 1e-11, or wider than 1e-11 relative to the ends and than boden,
// the least width worth telling near 0; and only until the midpoint equals
// an end, since doubles cannot halve any further. Returns the last midpoint.
// An exact zero or a NaN at a midpoint makes it the right end. wert is a
// parameter, so that a test can follow every point the halving evaluates.
template <class Wert> double halbieren(Wert wert, double a, double b, double boden) {
    // Far from overflow, (a + b) / 2 is what std::midpoint returns, without
    // its tests in every step; the ends only move inwards.
    if (std::max(std::abs(a), std::abs(b)) <= std::numeric_limits<double>::max() / 2)
        return halbierenMit(
            wert, [](double a, double b) { return (a + b) / 2; }, a, b, boden);
    return halbierenMit(
        wert, [](double a, double b) { return std::midpoint(a, b); }, a, b, boden);
}
