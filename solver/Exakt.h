#pragma once

// Exact arithmetic for the few decisions doubles cannot make safely: integer polynomials evaluated
// exactly at a double, a binary fraction, or at a fraction.

#include <QStringView>
#include <array>
#include <cstdint>
#include <gmpxx.h>
#include <vector>

// A coefficient as the field shows it, ziffern 10^exponent: exact, but where it has 16 or 17
// significant digits and is not exactly its double (gerundet), a printed double.
struct Dezimalzahl {
    mpz_class ziffern = 0; // with the sign, no trailing zeros
    int exponent = 0;
    int stellen = 0; // significant digits
    bool gerundet = false;
    // The double read in is this number exactly.
    bool wieDouble = true;
    double wert = 0.0; // the double read in
};

// Coefficients, constant first; the highest is nonzero, or there is none.
using Ganzpolynom = std::vector<mpz_class>;

int vorzeichenBei(const Ganzpolynom& p, double x);
// nenner > 0 here and below.
int vorzeichenBeiBruch(const Ganzpolynom& p, const mpz_class& zaehler, const mpz_class& nenner);
// seite: the sign of zaehler / nenner minus the double.
double naechsterDouble(const mpz_class& zaehler, const mpz_class& nenner, int& seite);
// The fraction with the least denominator in [a, b], if that is at most 2^16.
bool einfachsterBruch(double a, double b, mpz_class& zaehler, mpz_class& nenner);
// The sign of g at xi, the only root of f in (a, b); f is nonzero at a and b.
int vorzeichenAnWurzel(const Ganzpolynom& g, const Ganzpolynom& f, double a, double b);
// Whether |p(x)| 10^zehnerExponent <= u(|x|) for u's n + 1 coefficients, none negative.
bool betragHoechstens(const Ganzpolynom& p, int zehnerExponent, const double* u, int n, double x);
// p(x) 10^zehnerExponent 2^skala, rounded towards zero.
double wertBei(const Ganzpolynom& p, int zehnerExponent, int skala, double x);
// Up to a constant factor.
Ganzpolynom ggT(Ganzpolynom a, Ganzpolynom b);

// The equation as shown and its derivatives times one power of ten that makes them integers,
// formed when a decision first needs them.
struct ExakteZeilen {
    bool gebildet = false;
    // Row k is zeile(k) times 10^zehnerExponent.
    int zehnerExponent = 0;
    void bilden(const std::array<Dezimalzahl, 11>& koeffizienten, int grad);
    const Ganzpolynom& zeile(int k);
    bool nullstelleBeiBruch(int k, const mpz_class& zaehler, const mpz_class& nenner);
    // gcd(row n, row m), kept once formed.
    const Ganzpolynom& gemeinsamerTeiler(int n, int m);

private:
    std::array<Ganzpolynom, 11> zeilen;
    int gebildeteZeilen = 0;
    std::array<std::array<Ganzpolynom, 11>, 11> teiler;
    std::array<std::array<bool, 11>, 11> teilerGebildet{};
};
