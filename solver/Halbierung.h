#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

// +1, -1, or 0 for a zero or a NaN: signs are compared, since a product of values may underflow.
inline int vorzeichen(double v) {
    return (v > 0) - (v < 0);
}

// At least the next double up from a nonnegative v: a bound of a result rounded to nearest.
inline double oben(double v) {
    return v * (1 + 0x1p-51) + 0x1p-1074;
}

// Error-free: s + fehler is exactly a + b, p + fehler exactly a * b clear of underflow.
inline void zweiSumme(double a, double b, double& s, double& fehler) {
    s = a + b;
    const double z = s - a;
    fehler = (a - (s - z)) + (b - z);
}

inline void zweiProdukt(double a, double b, double& p, double& fehler) {
    p = a * b;
    fehler = std::fma(a, b, -p);
}

// Horner's rule, constant first; inline, so that the halving keeps its ends in registers.
template <class Zahl> inline Zahl horner(const Zahl* p, int n, double x) {
    Zahl s = 0;
    for (int j = n; j >= 0; --j)
        s = x * s + p[j];
    return s;
}

// Compensated Horner over h + t at y: the steps' errors and the low parts go along in c; b bounds
// what c misses, d what the coefficients miss of the exact ones. With genau (no t or a), a 0 with
// no step rounded is 0 exactly.
struct Horner {
    double r, b, d;
    bool null;
};

template <bool genau>
inline Horner kompensiert(const double* h, const double* t, const double* a, int n, double y) {
    const double ay = std::abs(y);
    double v = h[n], c = genau ? 0.0 : t[n], b = genau ? 0.0 : std::abs(t[n]);
    double d = genau ? 0.0 : a[n];
    bool ohneRundung = genau;
    for (int j = n - 1; j >= 0; --j) {
        // A product's error tells only where no part of it underflowed.
        ohneRundung = ohneRundung && (v == 0.0 || std::abs(v * y) >= 0x1p-969);
        double p = 0.0, fp = 0.0, fs = 0.0;
        zweiProdukt(v, y, p, fp);
        zweiSumme(p, h[j], v, fs);
        if constexpr (genau) {
            c = c * y + (fp + fs);
            b = b * ay + ((std::abs(fp) + std::abs(fs)) + 0x1p-1021);
        } else {
            c = c * y + ((fp + fs) + t[j]);
            b = b * ay + ((std::abs(fp) + std::abs(fs)) + std::abs(t[j]) + 0x1p-1021);
            d = d * ay + a[j];
        }
        ohneRundung = ohneRundung && fp == 0.0 && fs == 0.0;
    }
    return {v + c, b, d, ohneRundung && v == 0.0};
}

// Coefficient j of the derivative is (j + 1) vorher[j + 1], formed by mal in its number type:
// the one loop for the rows in doubles, in twice their digits and in integers.
template <class Vorher, class Jetzt, class Mal>
void ableiten(const Vorher& vorher, Jetzt& jetzt, int n, Mal mal) {
    for (int j = 0; j < n; ++j)
        jetzt[j] = mal(vorher[j + 1], j + 1);
}

// The root lies in [a, b]; offen: the halving stopped at m, whose sign doubles could not tell.
struct Klammer {
    double a, b, m;
    bool offen;
};

// The midpoint of 0 <= a < b in the order of the doubles, whose bits count up as they do.
inline double mitteDerDoubles(double a, double b) {
    const auto ia = std::bit_cast<std::uint64_t>(a);
    const auto ib = std::bit_cast<std::uint64_t>(b);
    return std::bit_cast<double>(ia + (ib - ia) / 2);
}

// The midpoint of a wide [a, b] with no root nearer 0 than nah: 0 where it spans 0 and reaches
// beyond 2^20 nah, else the doubles' midpoint where the ends lie over 2^20 apart; NaN otherwise.
inline double weiteMitte(double a, double b, double nah) {
    if (a < 0.0 && b > 0.0)
        return std::max(-a, b) > 0x1p20 * nah ? 0.0 : std::numeric_limits<double>::quiet_NaN();
    // Far from 1 the halving ends at a relative width: there the doubles' order is as short as
    // soon as the ends lie twice apart.
    const auto weitGenug = [](double unten, double ende) {
        return ende > (unten >= 0x1p16 || ende <= 0x1p-16 ? 2.0 : 0x1p20) * unten;
    };
    if (a >= 0.0) {
        // + 0.0 makes -0 the 0 whose bits count up.
        const double unten = std::max(a, nah) + 0.0;
        return weitGenug(unten, b) ? mitteDerDoubles(unten, b)
                                   : std::numeric_limits<double>::quiet_NaN();
    }
    const double unten = std::max(-b, nah) + 0.0;
    return weitGenug(unten, -a) ? -mitteDerDoubles(unten, -a)
                                : std::numeric_limits<double>::quiet_NaN();
}

// A midpoint's value within the error bound: out of line, as rare, so the ends stay in registers.
template <class Zahl, class Schranke, class Genau> struct Rauschen {
    Schranke schranke;
    Genau genau;
    int links;
    // The bound holds up to r, taken anew only as the ends close in.
    double r;
    Zahl fehler;

    // 1: m has a's sign, -1: b's, 0: a root at m, 2: doubles cannot tell.
    __attribute__((noinline)) int seite(double m, Zahl y, double a, double b) {
        const double enger = std::max(std::abs(a), std::abs(b));
        if (enger < r) {
            r = enger;
            fehler = schranke(r);
        }
        const Zahl hier = std::abs(y) > fehler ? fehler : schranke(std::abs(m));
        int vz = (y > 0) - (y < 0);
        if (!(std::abs(y) > hier && std::abs(y) <= std::numeric_limits<Zahl>::max())) {
            // In the noise the caller decides; where the value overflowed, the sign is asked for.
            if (std::isfinite(y) && std::isfinite(hier))
                return 2;
            vz = genau(m);
            if (vz == 0)
                return 0;
        }
        return vz == links ? 1 : -1;
    }
};

// Wider than 1e-11, or 1e-11 relative to the ends and boden.
inline bool breiterAlsGenug(double a, double b, double boden) {
    const double breite = b - a;
    return breite > 1e-11 ||
           (breite > 1e-11 * std::max(std::abs(a), std::abs(b)) && breite > boden);
}

// A width the midpoint needs no test within: beyond the width worth telling and four units in the
// last place of the larger end.
inline double ohneTestBis(double a, double b, double boden) {
    const double r = std::max(-a, b);
    return std::max({std::min(1e-11, std::max(1e-11 * r, boden)), r * 0x1p-50, 0x1p-1072});
}

template <class Wert, class Schranke, class Genau, class Mitte>
Klammer halbierenMit(Wert wert, Rauschen<decltype(wert(0.0)), Schranke, Genau>& rauschen,
                     Mitte mitte, double a, double b, double boden) {
    using Zahl = decltype(wert(a));
    constexpr Zahl groesster = std::numeric_limits<Zahl>::max();
    // True where m ends the halving, at a root or in the noise, with the bracket in ende.
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
    // No root but 0 lies nearer 0 than boden / 1e-11: the doubles' midpoint keeps the steps to the
    // logarithm of the root's exponent.
    for (;;) {
        const double m = weiteMitte(a, b, boden / 1e-11);
        if (!(m > a && m < b))
            break;
        if (haelt(m))
            return ende;
    }
    // Then plain halving, untested while wide enough.
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
    while (breiterAlsGenug(a, b, boden)) {
        m = mitte(a, b);
        if (m == a || m == b)
            break;
        if (haelt(m))
            return ende;
    }
    return {a, b, m, false};
}

// Bisection of [a, b], sign links at a: halves while breiterAlsGenug and doubles can, or until a
// midpoint's value lies within schranke(r), the bound of wert for |x| <= r; genau(x) is the sign
// where wert overflows. wert is a parameter so that a test can follow every point.
template <class Wert, class Schranke, class Genau>
Klammer halbieren(Wert wert, Schranke schranke, Genau genau, double a, double b, int links,
                  double boden) {
    // Far from overflow, (a + b) / 2 is std::midpoint without its tests.
    using Zahl = decltype(wert(a));
    const double r = std::max(std::abs(a), std::abs(b));
    Rauschen<Zahl, Schranke, Genau> rauschen{schranke, genau, links, r, schranke(r)};
    if (r <= std::numeric_limits<double>::max() / 2)
        return halbierenMit(
            wert, rauschen, [](double a, double b) { return (a + b) / 2; }, a, b, boden);
    return halbierenMit(
        wert, rauschen, [](double a, double b) { return std::midpoint(a, b); }, a, b, boden);
}
