#pragma once

// A filter between the doubles and the exact rows. Near a root the doubles
// cannot tell a sign where the coefficients are decimals no double holds,
// and where the roots are huge or tiny their values over- or underflow;
// the exact rows then cost a thousand times more. Here each coefficient of
// the equation as shown and of its derivatives is the sum of two doubles,
// within a known distance of the exact number, x is scaled by a power of
// two towards the size of the roots and each row's values by another: a
// value in about 106 bits with an error bound, computed the same way on
// every machine, that tells nearly every sign the exact rows would.

#include "Exakt.h"

#include <array>

struct FeineZeilen {
    bool gebildet = false;
    // From the shown decimals, in doubles alone; the derivatives when first
    // asked for.
    void bilden(const std::array<Dezimalzahl, 11>& koeffizienten, int grad);
    // The sign of row k at x where the value lies further from 0 than its
    // error bound and rand, in the units of taylor(k, ...); else 0.
    int vorzeichen(int k, double x, double rand = 0.0);
    // How far row n may lie from its value at a root of row n + 1 within
    // breite of it, for |x| <= weite: half of breite squared times a bound
    // of row n + 2.
    double taylor(int n, double weite, double breite);

private:
    int grad = 0;
    // Every shown exponent within the table of powers of ten.
    bool brauchbar = false;
    // x = y 2^verschiebung; row k's values are times 2^skala[k].
    int verschiebung = 0;
    std::array<int, 11> skala{};
    // Coefficient j of row k in y: hoch + tief, at most abstand from the
    // exact one; betrag bounds its size.
    double hoch[11][11] = {}, tief[11][11] = {}, abstand[11][11] = {}, betrag[11][11] = {};
    int zeilen = 0;
    void zeilenBis(int k);
    void betragBilden(int k);
};
