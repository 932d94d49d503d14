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

// At least the next double up from a nonnegative v: a bound of a result
// rounded to nearest.
inline double oben(double v) {
    return v * (1 + 0x1p-51) + 0x1p-1074;
}

// Horner's rule over the n + 1 coefficients of p, constant first; inline, so
// that the halving keeps its ends in registers.
inline double horner(const double* p, int n, double x) {
    double s = 0.0;
    for (int j = n; j >= 0; --j)
        s = x * s + p[j];
    return s;
}

// Where a bisection ended: the root lies in [a, b]. offen: it stopped at the
// midpoint m, whose sign doubles could not tell.
struct Klammer {
    double a, b, m;
    bool offen;
};

template <class Wert, class Schranke, class Genau, class Mitte>
Klammer halbierenMit(Wert wert, Schranke schranke, Genau genau, Mitte mitte, double a, double b,
                     int links, double boden) {
    const auto weiter = [boden](double a, double b) {
        const double breite = b - a;
        return breite > 1e-11 ||
               (breite > 1e-11 * std::max(std::abs(a), std::abs(b)) && breite > boden);
    };
    const auto sicher = [](double y, double fehler) {
        return std::abs(y) > fehler && std::abs(y) <= std::numeric_limits<double>::max();
    };
    // A value beyond the bound has its sign for certain. The bound holds
    // for every point up to r; taken anew only when a value falls within it,
    // as the ends close in, and then for the midpoint alone.
    double r = std::max(std::abs(a), std::abs(b));
    double fehler = schranke(r);
    double m = mitte(a, b);
    while (weiter(a, b)) {
        m = mitte(a, b);
        if (m == a || m == b)
            break;
        const double y = wert(m);
        int vz = vorzeichen(y);
        if (!sicher(y, fehler)) {
            const double enger = std::max(std::abs(a), std::abs(b));
            if (enger < r) {
                r = enger;
                fehler = schranke(r);
            }
            const double hier = sicher(y, fehler) ? fehler : schranke(std::abs(m));
            if (!sicher(y, hier)) {
                // Within the rounding noise: the caller decides there. Where
                // the value or its bound overflowed, the sign is asked for.
                if (std::isfinite(y) && std::isfinite(hier))
                    return {a, b, m, true};
                vz = genau(m);
                if (vz == 0)
                    return {m, m, m, false};
            }
        }
        if (vz == links)
            a = m;
        else
            b = m;
    }
    return {a, b, m, false};
}

// Bisection of [a, b], where the value has the sign links at a and the
// other one at b: halves while b - a is wider than 1e-11, or wider than
// 1e-11 relative to the ends and than boden, the least width worth telling
// near 0; and only until the midpoint equals an end, since doubles cannot
// halve any further, or until a midpoint's value lies within schranke(r),
// the error bound of wert for |x| <= r; genau(x) is the sign where wert
// overflows. wert is a parameter, so that a test can follow every point
// the halving evaluates.
template <class Wert, class Schranke, class Genau>
Klammer halbieren(Wert wert, Schranke schranke, Genau genau, double a, double b, int links,
                  double boden) {
    // Far from overflow, (a + b) / 2 is what std::midpoint returns, without
    // its tests in every step; the ends only move inwards.
    if (std::max(std::abs(a), std::abs(b)) <= std::numeric_limits<double>::max() / 2)
        return halbierenMit(
            wert, schranke, genau, [](double a, double b) { return (a + b) / 2; }, a, b, links,
            boden);
    return halbierenMit(
        wert, schranke, genau, [](double a, double b) { return std::midpoint(a, b); }, a, b, links,
        boden);
}
