#pragma once

// Seeded random equations of the families the tests and the benchmarks draw
// from, written as exact texts.

#include "Orakel.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <gmpxx.h>
#include <random>
#include <string>
#include <vector>

namespace familien {

// Multiplies p (integer coefficients, constant first) by f.
inline std::vector<mpz_class> mal(const std::vector<mpz_class>& p,
                                  const std::vector<mpz_class>& f) {
    std::vector<mpz_class> r(p.size() + f.size() - 1, 0);
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < f.size(); ++j)
            r[i + j] += p[i] * f[j];
    return r;
}

// n * 10^verschiebung as a plain decimal, exactly.
inline QString dezimal(const mpz_class& n, long verschiebung) {
    std::string ziffern = mpz_class(abs(n)).get_str();
    if (verschiebung >= 0) {
        ziffern.append(static_cast<std::size_t>(verschiebung), '0');
    } else {
        const auto nachkomma = static_cast<std::size_t>(-verschiebung);
        if (ziffern.size() <= nachkomma)
            ziffern.insert(0, nachkomma - ziffern.size() + 1, '0');
        ziffern.insert(ziffern.size() - nachkomma, 1, '.');
        while (ziffern.back() == '0')
            ziffern.pop_back();
        if (ziffern.back() == '.')
            ziffern.pop_back();
    }
    return QString::fromLatin1((n < 0 && ziffern != "0" ? "-" : "") + ziffern);
}

inline mpz_class zehnHoch(unsigned long d) {
    mpz_class z;
    mpz_ui_pow_ui(z.get_mpz_t(), 10, d);
    return z;
}

inline long zufall(std::mt19937_64& z, long a, long b) {
    return std::uniform_int_distribution<long>(a, b)(z);
}

// Random coefficients m 10^e, e in [kleinster, groesster], each nonzero with
// the given chance, the leading one always.
inline QStringList zufallsKoeffizienten(std::mt19937_64& z, long betrag, long kleinster,
                                        long groesster, double dicht) {
    const int grad = static_cast<int>(zufall(z, 1, 10));
    QStringList texte;
    for (int j = 0; j <= grad; ++j) {
        long m = std::uniform_real_distribution<double>(0, 1)(z) < dicht || j == grad
                     ? zufall(z, -betrag, betrag)
                     : 0;
        if (j == grad && m == 0)
            m = 1;
        texte.append(dezimal(m, zufall(z, kleinster, groesster)));
    }
    return texte;
}

inline QStringList ganzzahlig(std::mt19937_64& z) {
    return zufallsKoeffizienten(z, 20, 0, 0, 0.7);
}

inline QStringList kurzeDezimalen(std::mt19937_64& z) {
    return zufallsKoeffizienten(z, 999, -3, 0, 0.7);
}

inline QStringList duenn(std::mt19937_64& z) {
    return zufallsKoeffizienten(z, 99, -1, 1, 0.2);
}

inline QStringList weitGestreut(std::mt19937_64& z) {
    return zufallsKoeffizienten(z, 99, -30, 30, 0.8);
}

// All coefficients of one scale, tiny or huge.
inline QStringList skaliert(std::mt19937_64& z) {
    const long e = zufall(z, 0, 1) ? zufall(z, -150, -20) : zufall(z, 20, 150);
    return zufallsKoeffizienten(z, 999, e, e + 2, 0.8);
}

// One equation of random coefficients of at most two digits, one of them
// after the point, as drawn at the size of 1, or stretched: x replaced by
// x 10^-d, which puts its coefficients between 1e-300 and 1e300 and moves
// every root by d powers of ten. The draws are the same either way, and
// neither is a binary fraction.
inline QStringList gestreckt(std::mt19937_64& z, bool strecken) {
    const int grad = static_cast<int>(zufall(z, 1, 10));
    const long d = grad == 1 ? 300 : 600 / grad;
    const long richtung = zufall(z, 0, 1) ? 1 : -1;
    QStringList texte;
    for (int j = 0; j <= grad; ++j) {
        long m = zufall(z, -99, 99);
        if (j == grad && m == 0)
            m = 1;
        texte.append(dezimal(m, strecken ? richtung * (300 - j * d) - 1 : -1));
    }
    return texte;
}

inline QStringList betragEins(std::mt19937_64& z) {
    return gestreckt(z, false);
}

inline QStringList bis1e300(std::mt19937_64& z) {
    return gestreckt(z, true);
}

// Products of (x - r)^m with short decimal r, as exact texts of at most 15
// digits.
inline QStringList bekannteFaktoren(std::mt19937_64& z) {
    for (;;) {
        const long d = zufall(z, 0, 2);
        const long skala = zehnHoch(static_cast<unsigned long>(d)).get_si();
        std::vector<mpz_class> p = {1};
        const int grad = static_cast<int>(zufall(z, 1, 10));
        for (int rest = grad; rest > 0;) {
            const int m = static_cast<int>(zufall(z, 1, std::min(3, rest)));
            const long r = zufall(z, -100, 100);
            for (int i = 0; i < m; ++i)
                p = mal(p, {-r, skala});
            rest -= m;
        }
        QStringList texte;
        for (const mpz_class& c : p)
            texte.append(dezimal(c, -d * grad));
        if (std::all_of(texte.begin(), texte.end(),
                        [](const QString& t) { return orakel::stellen(t) <= 15; }))
            return texte;
    }
}

// The monic product of (x - k / nenner) for the ks, written with every digit: exactly, where
// nenner is 8 or 10.
inline QStringList ausgeschrieben(const std::vector<long>& ks, long nenner) {
    std::vector<mpz_class> p = {1};
    for (const long k : ks)
        p = mal(p, {-k, nenner});
    const auto grad = static_cast<unsigned long>(ks.size());
    // c / 8^g = c 125^g / 1000^g.
    mpz_class faktor;
    mpz_ui_pow_ui(faktor.get_mpz_t(), nenner == 8 ? 125 : 1, grad);
    QStringList texte;
    for (const mpz_class& c : p)
        texte.append(dezimal(c * faktor, -static_cast<long>(grad) * (nenner == 8 ? 3 : 1)));
    return texte;
}

// Two clusters of multiple roots on multiples of 1 / nenner, typed with every digit (texts of
// up to 45 digits): each cluster two or three neighbouring roots, each two- to fourfold.
inline QStringList zweiHaufen(std::mt19937_64& z, long nenner) {
    std::vector<long> ks;
    for (int haufen = 0; haufen < 2; ++haufen) {
        const long mitte = zufall(z, -100, 100);
        for (long k = mitte, m = zufall(z, 2, 4); ks.size() + m <= 10 && k < mitte + 3;
             k += zufall(z, 1, 2), m = zufall(z, 2, 4))
            ks.insert(ks.end(), static_cast<std::size_t>(m), k);
    }
    return ausgeschrieben(ks, nenner);
}

inline QStringList haufenAufAchteln(std::mt19937_64& z) {
    return zweiHaufen(z, 8);
}

inline QStringList haufenAufZehnteln(std::mt19937_64& z) {
    return zweiHaufen(z, 10);
}

// Three tight clusters of short decimals 0.01 to 0.1 apart, each root up to fourfold.
inline QStringList engeHaufen(std::mt19937_64& z) {
    std::vector<long> ks;
    for (int haufen = 0; haufen < 3 && ks.size() < 10; ++haufen) {
        long k = zufall(z, -1000, 1000);
        for (int i = 0; i < 3 && ks.size() < 10; ++i, k += zufall(z, 1, 10))
            ks.insert(ks.end(), std::min<std::size_t>(zufall(z, 1, 4), 10 - ks.size()), k);
    }
    std::vector<mpz_class> p = {1};
    for (const long k : ks)
        p = mal(p, {-k, 100});
    QStringList texte;
    for (const mpz_class& c : p)
        texte.append(dezimal(c, -2 * static_cast<long>(ks.size())));
    return texte;
}

// A family draws the texts of one equation.
struct Familie {
    const char* name;
    QStringList (*ziehen)(std::mt19937_64&);
};

inline const Familie alle[] = {
    {"ganzzahlig", ganzzahlig},
    {"kurze Dezimalen", kurzeDezimalen},
    {"duenn", duenn},
    {"1e-30 bis 1e30", weitGestreut},
    {"winzig oder riesig", skaliert},
    {"bekannte Faktoren", bekannteFaktoren},
    {"Haufen auf Achteln", haufenAufAchteln},
    {"Haufen auf Zehnteln", haufenAufZehnteln},
    {"enge Haufen", engeHaufen},
};

} // namespace familien
