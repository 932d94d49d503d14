#pragma once

// Twice the digits, between the doubles and the exact rows: each coefficient of the equation as
// shown and of its derivatives is two doubles within a known distance of the exact number, with an
// exponent of its own, and x and the row are scaled by powers of two so that nothing over- or
// underflows. A value in about 106 bits with an error bound tells nearly every sign the exact rows
// would, at a thousandth of their cost.

#include "Exakt.h"

#include <array>
#include <cmath>

struct FeineZeilen {
    bool gebildet = false;
    // From the shown decimals; the derivatives when first asked for.
    void bilden(const std::array<Dezimalzahl, 11>& koeffizienten, int grad);
    // mantisse 2^exponent: a bound that may lie beyond the doubles.
    struct Grenze {
        double mantisse;
        int exponent;
    };
    // The sign of row k at x where it lies beyond its bound and rand; innen: within rand, for
    // certain or within the bound; null: 0 exactly, where no step rounded.
    struct Urteil {
        int vorzeichen;
        bool innen;
        bool null;
    };
    Urteil urteil(int k, double x, Grenze rand);
    // Row k at x as r 2^-s, within fehler 2^-s; gueltig where both are finite.
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
    // A bound of row n's change within breite of a root of row n + 1, for |x| <= weite.
    Grenze taylor(int n, double weite, double breite);

private:
    int grad = 0;
    // Every shown exponent within the table of powers of ten.
    bool brauchbar = false;
    // (hoch + tief) 2^exponent, within abstand 2^exponent; |hoch| in [0.5, 1) or 0.
    struct Koeffizient {
        double hoch, tief, abstand;
        int exponent;
    };
    Koeffizient zeilen[11][11] = {};
    int gebildeteZeilen = 0;
    void zeilenBis(int k);
    static Koeffizient mal(const Koeffizient& v, int faktor);
    // Row k in y, where x = y 2^e, times 2^s, and the distances from the exact coefficients.
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
