#pragma once

// A filter between the doubles and the exact rows. Near a root the doubles
// cannot tell a sign where the coefficients are decimals no double holds,
// and where the roots are huge or tiny their values over- or underflow;
// the exact rows then cost a thousand times more. Here each coefficient of
// the equation as shown and of its derivatives is the sum of two doubles,
// within a known distance of the exact number, with an exponent of its own;
// at each x, x and the coefficients are scaled by powers of two so that no
// step over- or underflows: a value in about 106 bits with an error bound,
// computed the same way on every machine, that tells nearly every sign the
// exact rows would.

#include "Exakt.h"

#include <array>
#include <cmath>

struct FeineZeilen {
    bool gebildet = false;
    // From the shown decimals, in doubles alone; the derivatives when first
    // asked for.
    void bilden(const std::array<Dezimalzahl, 11>& koeffizienten, int grad);
    // mantisse 2^exponent: a bound that may lie beyond the doubles.
    struct Grenze {
        double mantisse;
        int exponent;
    };
    // The sign of row k at x where the value lies further from 0 than its
    // error bound and rand, else 0; innen: it lies within rand, for certain
    // or within its bound; null: it is 0 exactly, as where the coefficients
    // are doubles and no step rounded.
    struct Urteil {
        int vorzeichen;
        bool innen;
        bool null;
    };
    Urteil urteil(int k, double x, Grenze rand);
    // Row k at x as r 2^-s, within fehler 2^-s of the exact value; null
    // where it is 0 exactly; gueltig where it and its bound are finite.
    struct Wert {
        double r, fehler;
        int s;
        bool null, gueltig;
    };
    Wert wert(int k, double x);
    // g in the units 2^-s of a Wert.
    static double inEinheiten(Grenze g, int s) {
        return g.mantisse == 0.0 || g.exponent + s == 0 ? g.mantisse
                                                        : std::ldexp(g.mantisse, g.exponent + s);
    }
    // How far row n may lie from its value at a root of row n + 1 within
    // breite of it, for |x| <= weite: half of breite squared times a bound
    // of row n + 2.
    Grenze taylor(int n, double weite, double breite);

private:
    int grad = 0;
    // Every shown exponent within the table of powers of ten.
    bool brauchbar = false;
    // (hoch + tief) 2^exponent, at most abstand 2^exponent from the exact
    // coefficient; |hoch| in [0.5, 1) or 0.
    struct Koeffizient {
        double hoch, tief, abstand;
        int exponent;
    };
    Koeffizient zeilen[11][11] = {};
    int gebildeteZeilen = 0;
    void zeilenBis(int k);
    static Koeffizient mal(const Koeffizient& v, int faktor);
    // Row k's coefficients in y, where x = y 2^e, times 2^s, and their
    // distances from the exact ones.
    struct Skaliert {
        int k = -1, e = 0, s = 0;
        bool null = false;
        bool genau = false; // every coefficient exactly as scaled
        double y = 0.0;
        double h[11], t[11], a[11];
    };
    Skaliert zuletzt[11];
    const Skaliert& skaliert(int k, double x);
};
