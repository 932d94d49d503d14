#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

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

// Error-free transformations: s + fehler and p + fehler are exactly a + b
// and a * b, the product where it keeps clear of underflow. std::fma is
// correctly rounded everywhere.
inline void zweiSumme(double a, double b, double& s, double& fehler) {
    s = a + b;
    const double z = s - a;
    fehler = (a - (s - z)) + (b - z);
}

inline void zweiProdukt(double a, double b, double& p, double& fehler) {
    p = a * b;
    fehler = std::fma(a, b, -p);
}

// Horner's rule over the n + 1 coefficients of p, constant first; inline,
// so that the halving keeps its ends in registers.
template <class Zahl> inline Zahl horner(const Zahl* p, int n, double x) {
    Zahl s = 0;
    for (int j = n; j >= 0; --j)
        s = x * s + p[j];
    return s;
}

// The derivative's row from vorher, whose coefficients are vorher[0..n]:
// coefficient j is (j + 1) times vorher[j + 1], as mal forms that product
// in its number type with what it carries along. The one loop for the rows
// in doubles, in twice their digits and in integers.
template <class Vorher, class Jetzt, class Mal>
void ableiten(const Vorher& vorher, Jetzt& jetzt, int n, Mal mal) {
    for (int j = 0; j < n; ++j)
        jetzt[j] = mal(vorher[j + 1], j + 1);
}

// Where a bisection ended: the root lies in [a, b]. offen: it stopped at the
// midpoint m, whose sign doubles could not tell.
struct Klammer {
    double a, b, m;
    bool offen;
};

// The midpoint of 0 <= a < b in the order of the doubles: the bit patterns
// of nonnegative doubles count up as the numbers do, so their mean halves
// the exponents as well as the mantissas between.
inline double mitteDerDoubles(double a, double b) {
    const auto ia = std::bit_cast<std::uint64_t>(a);
    const auto ib = std::bit_cast<std::uint64_t>(b);
    return std::bit_cast<double>(ia + (ib - ia) / 2);
}

// The midpoint of a wide bracket [a, b], no root of which lies closer to 0
// than nah: 0 where the bracket spans it and reaches more than 2^20 nah from
// it; the midpoint in the order of the doubles where the ends lie more than
// 2^20 times the nearer end's size, or nah, apart. NaN where the bracket is
// not wide.
inline double weiteMitte(double a, double b, double nah) {
    if (a < 0.0 && b > 0.0)
        return std::max(-a, b) > 0x1p20 * nah ? 0.0 : std::numeric_limits<double>::quiet_NaN();
    // Far from 1 the halving ends at the doubles' own spacing, or one
    // relative to the ends: there the order of the doubles takes no more
    // steps once the ends lie twice apart.
    const auto weitGenug = [](double unten, double ende) {
        return ende > (unten >= 0x1p16 || ende <= 0x1p-16 ? 2.0 : 0x1p20) * unten;
    };
    if (a >= 0.0) {
        // + 0.0 makes an end of -0 the 0 whose bits count up.
        const double unten = std::max(a, nah) + 0.0;
        return weitGenug(unten, b) ? mitteDerDoubles(unten, b)
                                   : std::numeric_limits<double>::quiet_NaN();
    }
    const double unten = std::max(-b, nah) + 0.0;
    return weitGenug(unten, -a) ? -mitteDerDoubles(unten, -a)
                                : std::numeric_limits<double>::quiet_NaN();
}

// Where a midpoint's value lies within the error bound: out of line, since
// the steps rarely get here, and apart from the ends, which stay in
// registers.
template <class Zahl, class Schranke, class Genau> struct Rauschen {
    Schranke schranke;
    Genau genau;
    int links;
    // The bound holds for every point up to r; taken anew only when a value
    // falls within it, as the ends close in, and then for the midpoint alone.
    double r;
    Zahl fehler;

    // The side of m, where its value y lies within the bound: 1 where the
    // sign is that of a, -1 where it is that of b, 0 for a root at m, 2
    // where doubles cannot tell.
    __attribute__((noinline)) int seite(double m, Zahl y, double a, double b) {
        const double enger = std::max(std::abs(a), std::abs(b));
        if (enger < r) {
            r = enger;
            fehler = schranke(r);
        }
        const Zahl hier = std::abs(y) > fehler ? fehler : schranke(std::abs(m));
        int vz = (y > 0) - (y < 0);
        if (!(std::abs(y) > hier && std::abs(y) <= std::numeric_limits<Zahl>::max())) {
            // Within the rounding noise: the caller decides there. Where
            // the value or its bound overflowed, the sign is asked for.
            if (std::isfinite(y) && std::isfinite(hier))
                return 2;
            vz = genau(m);
            if (vz == 0)
                return 0;
        }
        return vz == links ? 1 : -1;
    }
};

// Whether a bracket [a, b] is wider than the width worth telling: 1e-11,
// or 1e-11 relative to its ends and boden.
inline bool breiterAlsGenug(double a, double b, double boden) {
    const double breite = b - a;
    return breite > 1e-11 ||
           (breite > 1e-11 * std::max(std::abs(a), std::abs(b)) && breite > boden);
}

// A width the bracket's midpoint lies strictly inside of, with no test:
// more than the width worth telling and four units in the last place of
// its larger end. Four units of a subnormal are four of the least double.
inline double ohneTestBis(double a, double b, double boden) {
    const double r = std::max(-a, b);
    return std::max({std::min(1e-11, std::max(1e-11 * r, boden)), r * 0x1p-50, 0x1p-1072});
}

template <class Wert, class Schranke, class Genau, class Mitte>
Klammer halbierenMit(Wert wert, Rauschen<decltype(wert(0.0)), Schranke, Genau>& rauschen,
                     Mitte mitte, double a, double b, double boden) {
    using Zahl = decltype(wert(a));
    constexpr Zahl groesster = std::numeric_limits<Zahl>::max();
    // One step at m: a value clearly beyond the bound decides in doubles, as
    // its product with the sign at a, which cannot overflow. True where it
    // ends the halving, at a root or in the noise, its bracket then in ende.
    const Zahl seite = rauschen.links;
    Klammer ende{};
    const auto haelt = [&](double m) __attribute__((always_inline)) {
        const Zahl t = wert(m) * seite;
        int s = 1;
        if (t > rauschen.fehler && t <= groesster)
            a = m;
        else if (t < -rauschen.fehler && t >= -groesster)
            b = m;
        else if ((s = rauschen.seite(m, t * seite, a, b)) == 1)
            a = m;
        else if (s == -1)
            b = m;
        if (s == 0 || s == 2)
            ende = {s == 0 ? m : a, s == 0 ? m : b, m, s == 2};
        return s == 0 || s == 2;
    };
    // No root of this row other than 0 lies closer to 0 than boden / 1e-11:
    // while the bracket is wide beside that, its midpoint is taken in the
    // order of the doubles, so that the number of steps grows with the
    // logarithm of the root's exponent, not of the bracket's width.
    for (;;) {
        const double m = weiteMitte(a, b, boden / 1e-11);
        if (!(m > a && m < b))
            break;
        if (haelt(m))
            return ende;
    }
    // Then plain halving, untested while the bracket is wide enough.
    double grenze = ohneTestBis(a, b, boden);
    double m = mitte(a, b);
    for (;;) {
        if (!(b - a > grenze)) {
            const double enger = ohneTestBis(a, b, boden);
            if (!(enger < grenze))
                break;
            grenze = enger;
            continue;
        }
        m = mitte(a, b);
        if (haelt(m))
            return ende;
    }
    // The last steps, as long as doubles can halve it.
    while (breiterAlsGenug(a, b, boden)) {
        m = mitte(a, b);
        if (m == a || m == b)
            break;
        if (haelt(m))
            return ende;
    }
    return {a, b, m, false};
}

// Bisection of [a, b], where the value has the sign links at a and the
// other one at b: halves while b - a is wider than 1e-11, or wider than
// 1e-11 relative to the ends and than boden, the least width worth telling
// near 0; and only until the midpoint equals an end, since doubles cannot
// halve any further, or until a midpoint's value lies within schranke(r),
// the error bound of wert for |x| <= r; genau(x) is the sign where wert
// overflows. wert is a parameter, so that a test can follow every point the
// halving evaluates.
template <class Wert, class Schranke, class Genau>
Klammer halbieren(Wert wert, Schranke schranke, Genau genau, double a, double b, int links,
                  double boden) {
    // Far from overflow, (a + b) / 2 is what std::midpoint returns, without
    // its tests in every step; the ends only move inwards.
    using Zahl = decltype(wert(a));
    const double r = std::max(std::abs(a), std::abs(b));
    Rauschen<Zahl, Schranke, Genau> rauschen{schranke, genau, links, r, schranke(r)};
    if (r <= std::numeric_limits<double>::max() / 2)
        return halbierenMit(
            wert, rauschen, [](double a, double b) { return (a + b) / 2; }, a, b, boden);
    return halbierenMit(
        wert, rauschen, [](double a, double b) { return std::midpoint(a, b); }, a, b, boden);
}
