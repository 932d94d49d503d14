#include "Fein.h"

#include "Halbierung.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

constexpr double u = 0x1p-53;

// (hoch + tief) 2^exponent, |hoch| in [0.5, 1) or 0 and |tief| at most half
// a unit in hoch's last place: a number of 106 bits whose exponent no
// double limits.
struct Paar {
    double hoch = 0.0, tief = 0.0;
    int exponent = 0;
};

// 2^k for a k within the normal exponents.
double zweiHoch(int k) {
    return std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
}

// v 2^k, as std::ldexp would give it, rounded where it turns subnormal;
// without its call where 2^k is a double.
double malZweiHoch(double v, int k) {
    return k >= -1022 && k <= 1023 ? v * zweiHoch(k) : std::ldexp(v, k);
}

// |e| is at most about a unit in p's last place, and p + e no subnormal.
Paar normiert(double p, double e, int exponent) {
    double h = 0.0, t = 0.0;
    zweiSumme(p, e, h, t);
    if (h == 0.0)
        return {};
    const int k = static_cast<int>((std::bit_cast<std::uint64_t>(h) >> 52) & 0x7ff) - 1022;
    const double f = zweiHoch(-k);
    return {h * f, t * f, exponent + k};
}

// Within 2^-103 of the exact product, relatively.
Paar mal(const Paar& a, const Paar& b) {
    double p = 0.0, e = 0.0;
    zweiProdukt(a.hoch, b.hoch, p, e);
    e += a.hoch * b.tief + a.tief * b.hoch;
    return normiert(p, e, a.exponent + b.exponent);
}

// 10^(2^i) and 10^-(2^i), each within 2^-106 of the exact power.
constexpr Paar zehnerPotenzen[2][9] = {{{0x1.4000000000000p-1, 0.0, 4},
                                        {0x1.9000000000000p-1, 0.0, 7},
                                        {0x1.3880000000000p-1, 0.0, 14},
                                        {0x1.7d78400000000p-1, 0.0, 27},
                                        {0x1.1c37937e08000p-1, 0.0, 54},
                                        {0x1.3b8b5b5056e17p-1, -0x1.3107f00000000p-55, 107},
                                        {0x1.84f03e93ff9f5p-1, -0x1.2ac340948e389p-56, 213},
                                        {0x1.27748f9301d32p-1, -0x1.901cc86649e4ap-55, 426},
                                        {0x1.54fdd7f73bf3cp-1, -0x1.7222446fe4670p-56, 851}},
                                       {{0x1.999999999999ap-1, -0x1.999999999999ap-55, -3},
                                        {0x1.47ae147ae147bp-1, -0x1.eb851eb851eb8p-57, -6},
                                        {0x1.a36e2eb1c432dp-1, -0x1.6a161e4f765fep-55, -13},
                                        {0x1.5798ee2308c3ap-1, -0x1.03023df2d4c94p-56, -26},
                                        {0x1.cd2b297d889bcp-1, 0x1.5b4c2ebe68799p-56, -53},
                                        {0x1.9f623d5a8a733p-1, -0x1.a2cc10f3892d4p-55, -106},
                                        {0x1.50ffd44f4a73dp-1, 0x1.a53f2398d747bp-56, -212},
                                        {0x1.bba08cf8c979dp-1, -0x1.afa9c1a60497dp-55, -425},
                                        {0x1.8062864ac6f43p-1, 0x1.39fa911155ff0p-56, -850}}};

// z 10^e for |e| < 512, from at most nine of the powers above: within
// 2^-98 of the exact number, relatively.
Paar mitZehnerPotenz(Paar z, int e) {
    const auto& tabelle = zehnerPotenzen[e < 0 ? 1 : 0];
    const unsigned n = static_cast<unsigned>(std::abs(e));
    for (unsigned i = 0; i < 9; ++i)
        if ((n >> i & 1) != 0)
            z = mal(z, tabelle[i]);
    return z;
}

} // namespace

void FeineZeilen::bilden(const std::array<Dezimalzahl, 11>& koeffizienten, int g) {
    gebildet = true;
    brauchbar = true;
    grad = g;
    std::array<Paar, 11> c{};
    int unterste = -1;
    for (int j = 0; j <= g; ++j) {
        const Dezimalzahl& d = koeffizienten[static_cast<std::size_t>(j)];
        if (d.ziffern == 0)
            continue;
        // No double reaches 10^512 or 10^-512, nor the text of one.
        if (std::abs(d.exponent) >= 512) {
            brauchbar = false;
            return;
        }
        if (unterste < 0)
            unterste = j;
        // At most 17 digits: their rounding to a double and its remainder
        // are both exact.
        const auto h = static_cast<double>(d.ziffern);
        const auto t = static_cast<double>(d.ziffern - static_cast<std::int64_t>(h));
        c[static_cast<std::size_t>(j)] = mitZehnerPotenz(normiert(h, t, 0), d.exponent);
    }
    if (unterste < 0)
        unterste = g;

    // x scaled so that the outer coefficients come to the same size, as the
    // geometric mean of the roots' sizes comes to about 1; the values so
    // that the largest coefficient lies in [0.5, 1).
    verschiebung = g > unterste
                       ? static_cast<int>(std::lround(
                             static_cast<double>(c[static_cast<std::size_t>(unterste)].exponent -
                                                 c[static_cast<std::size_t>(g)].exponent) /
                             (g - unterste)))
                       : 0;
    int groesster = INT_MIN;
    for (int j = 0; j <= g; ++j)
        if (c[static_cast<std::size_t>(j)].hoch != 0.0)
            groesster =
                std::max(groesster, c[static_cast<std::size_t>(j)].exponent + verschiebung * j);
    skala[0] = groesster == INT_MIN ? 0 : -groesster;
    for (int j = 0; j <= g; ++j) {
        const Paar& p = c[static_cast<std::size_t>(j)];
        const int z = p.exponent + verschiebung * j + skala[0];
        hoch[0][j] = malZweiHoch(p.hoch, z);
        tief[0][j] = malZweiHoch(p.tief, z);
        // An underflow in either part loses less than 2^-1074.
        abstand[0][j] = p.hoch == 0.0 ? 0.0 : oben(malZweiHoch(0x1p-98, z)) + 0x1p-1073;
    }

    betragBilden(0);
    zeilen = 1;
}

void FeineZeilen::betragBilden(int k) {
    for (int j = 0; j <= grad - k; ++j)
        betrag[k][j] = oben(oben(std::abs(hoch[k][j]) + std::abs(tief[k][j])) + abstand[k][j]);
}

void FeineZeilen::zeilenBis(int k) {
    // Coefficient j of row k in y is (j + 1) times row k - 1's j + 1,
    // divided by 2^verschiebung, formed as the doubles' rows are; only the
    // rows asked for.
    for (; zeilen <= k; ++zeilen) {
        const int z = zeilen;
        const int n = grad - z;
        double h[11], t[11], a[11];
        double groesste = 0.0;
        for (int j = 0; j <= n; ++j) {
            const double f = j + 1;
            double p = 0.0, e = 0.0;
            zweiProdukt(f, hoch[z - 1][j + 1], p, e);
            const double ft = f * tief[z - 1][j + 1];
            const double e2 = e + ft;
            zweiSumme(p, e2, h[j], t[j]);
            // The two roundings, and an error term of a product near
            // underflow, which is not exact there.
            a[j] = oben(oben(f * abstand[z - 1][j + 1]) +
                        oben(2 * u * (std::abs(ft) + std::abs(e2)))) +
                   0x1p-1072;
            groesste = std::max(groesste, std::abs(h[j]));
        }
        int m = 0;
        if (groesste != 0.0)
            std::frexp(groesste, &m);
        skala[static_cast<std::size_t>(z)] =
            skala[static_cast<std::size_t>(z - 1)] + verschiebung - m;
        for (int j = 0; j <= n; ++j) {
            hoch[z][j] = malZweiHoch(h[j], -m);
            tief[z][j] = malZweiHoch(t[j], -m);
            abstand[z][j] = oben(malZweiHoch(a[j], -m)) + 0x1p-1073;
        }
        betragBilden(z);
    }
}

int FeineZeilen::vorzeichen(int k, double x, double rand) {
    // y must be x scaled exactly: not where it turns subnormal or overflows.
    const double y = malZweiHoch(x, -verschiebung);
    if (!brauchbar || !(std::abs(y) <= std::numeric_limits<double>::max()) ||
        (y != 0.0 && std::abs(y) < std::numeric_limits<double>::min()))
        return 0;
    // Compensated Horner over both parts: the rounding errors of the steps
    // and the low parts go along in c, b bounds what c's own rounding can
    // miss, and d what the coefficients miss of the exact ones.
    zeilenBis(k);
    const int n = grad - k;
    const double* h = hoch[k];
    const double* t = tief[k];
    const double* a = abstand[k];
    const double ay = std::abs(y);
    double s = h[n], c = t[n], b = std::abs(t[n]), d = a[n];
    for (int j = n - 1; j >= 0; --j) {
        double p = 0.0, fp = 0.0, fs = 0.0;
        zweiProdukt(s, y, p, fp);
        if (p != 0.0 && std::abs(p) < 0x1p-969)
            return 0;
        zweiSumme(p, h[j], s, fs);
        c = c * y + ((fp + fs) + t[j]);
        b = b * ay + ((std::abs(fp) + std::abs(fs)) + std::abs(t[j]) + 0x1p-1021);
        d = d * ay + a[j];
    }
    const double r = s + c;
    const double schranke = oben(oben(oben(u * std::abs(r)) + oben((4 * n + 8) * u * b)) +
                                 oben(oben(d * (1 + 0x1p-46)) + rand));
    if (!std::isfinite(r) || !std::isfinite(schranke) || !(std::abs(r) > schranke))
        return 0;
    return r > 0 ? 1 : -1;
}

double FeineZeilen::taylor(int n, double weite, double breite) {
    // Row n + 2 in y is bounded by its coefficients' sizes at the scaled
    // weite; the scalings of x and of the two rows' values carry it over.
    const int k = n + 2;
    if (!brauchbar)
        return std::numeric_limits<double>::infinity();
    zeilenBis(k);
    const double y = oben(malZweiHoch(weite, -verschiebung));
    double schranke = 0.0;
    for (int j = grad - k; j >= 0; --j)
        schranke = oben(schranke * y + betrag[k][j]);
    const double h = oben(malZweiHoch(breite, -verschiebung));
    return oben(malZweiHoch(oben(oben(schranke * h) * h), skala[static_cast<std::size_t>(n)] -
                                                              skala[static_cast<std::size_t>(k)] +
                                                              2 * verschiebung - 1));
}
