#pragma once

// Exact arithmetic for the few decisions doubles cannot make safely: a
// coefficient as its text shows it, and polynomials with integer
// coefficients evaluated exactly at a double, which is a binary fraction.

#include <QStringView>
#include <array>
#include <cstdint>
#include <gmpxx.h>
#include <vector>

// A coefficient as the field shows it: ziffern * 10^exponent. Up to 15
// significant digits it is exactly that number; with 16 or 17 (as many as a
// double holds) it stands for a rounded number, uncertain by half a unit of
// its last digit.
struct Dezimalzahl {
    std::int64_t ziffern = 0; // with the sign, no trailing zeros
    int exponent = 0;
    bool gerundet = false;
    // The double read in is this number exactly (integers, binary fractions).
    bool wieDouble = true;
    double wert = 0.0; // the double read in
};

// Coefficients, constant first; the highest is nonzero, or there is none.
using Ganzpolynom = std::vector<mpz_class>;

// The sign of p at x, exactly.
int vorzeichenBei(const Ganzpolynom& p, double x);
// The sign of p at zaehler / nenner, nenner > 0, exactly.
int vorzeichenBeiBruch(const Ganzpolynom& p, const mpz_class& zaehler, const mpz_class& nenner);
// The double nearest zaehler / nenner, nenner > 0; seite: the sign of
// zaehler / nenner minus it.
double naechsterDouble(const mpz_class& zaehler, const mpz_class& nenner, int& seite);
// The fraction with the least denominator in [a, b], where that
// denominator is at most 2^16.
bool einfachsterBruch(double a, double b, mpz_class& zaehler, mpz_class& nenner);
// The sign of g at the root xi of f in [a, b], where g' vanishes as well:
// f has the sign fa at a, the other one at b, and no other root in [a, b];
// g does not vanish at xi. Halves beyond the doubles where they are too
// coarse to part xi from a root of g.
int vorzeichenAnWurzel(const Ganzpolynom& g, const Ganzpolynom& f, int fa, double a, double b);
// Whether |p(x)| <= u(|x|), exactly; u has no negative coefficient.
bool betragHoechstens(const Ganzpolynom& p, const Ganzpolynom& u, double x);
// p(x) 10^zehnerExponent 2^skala as a double rounded towards zero.
double wertBei(const Ganzpolynom& p, int zehnerExponent, int skala, double x);
// The greatest common divisor, up to a constant factor.
Ganzpolynom ggT(Ganzpolynom a, Ganzpolynom b);

// The entered equation and its derivatives exactly, each times the same
// positive power of ten, so that every coefficient is an integer; and the
// uncertainty of the rounded coefficients carried through the derivatives.
// Formed only when a decision needs them, a derivative only when asked for;
// the common divisors of the rows are kept as they are found.
struct ExakteZeilen {
    bool gebildet = false;
    // Row k is zeile(k) times 10^zehnerExponent.
    int zehnerExponent = 0;
    void bilden(const std::array<Dezimalzahl, 11>& koeffizienten, int grad);
    const Ganzpolynom& zeile(int k);
    const Ganzpolynom& unsicherheit(int k);
    // Whether row k vanishes at zaehler / nenner, nenner > 0, exactly.
    bool nullstelleBeiBruch(int k, const mpz_class& zaehler, const mpz_class& nenner);
    // gcd(row n, row m).
    const Ganzpolynom& gemeinsamerTeiler(int n, int m);

private:
    std::array<Ganzpolynom, 11> zeilen;
    std::array<Ganzpolynom, 11> unsicherheiten;
    // The rows modulo a prime, when first asked for.
    std::array<std::vector<std::uint64_t>, 11> reste;
    int gebildeteZeilen = 0;
    std::array<std::array<Ganzpolynom, 11>, 11> teiler;
    std::array<std::array<bool, 11>, 11> teilerGebildet{};
};
