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

// (hoch + tief) 2^exponent, |hoch| in [0.5, 1) or 0: 106 bits whose exponent no double limits.
struct Paar {
    double hoch = 0.0, tief = 0.0;
    int exponent = 0;
};

// 2^k for a normal k.
double zweiHoch(int k) {
    return std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52);
}

// std::frexp, without its call for a normal v.
double zerlegt(double v, int& e) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    const int roh = static_cast<int>((bits >> 52) & 0x7ff);
    if (roh == 0 || roh == 0x7ff)
        return std::frexp(v, &e);
    e = roh - 1022;
    return std::bit_cast<double>((bits & ~(std::uint64_t{0x7ff} << 52)) |
                                 (std::uint64_t{1022} << 52));
}

// std::ldexp, without its call where 2^k is a double.
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

// z 10^e for |e| < 512, within 2^-98 relatively.
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
    for (int j = 0; j <= g; ++j) {
        const Dezimalzahl& d = koeffizienten[static_cast<std::size_t>(j)];
        // No double reaches 10^512 or 10^-512, nor the text of one.
        if (std::abs(d.exponent) >= 512) {
            brauchbar = false;
            return;
        }
        if (d.wieDouble && std::isnormal(d.wert)) {
            const Paar c = normiert(d.wert, 0.0, 0);
            zeilen[0][j] = {c.hoch, c.tief, 0.0, c.exponent};
            continue;
        }
        // The digits' double and its remainder: exact up to 17 digits, else within 2^-104.
        const double h = d.ziffern.get_d();
        const double t = mpz_class(d.ziffern - h).get_d();
        const Paar c = d.ziffern == 0 ? Paar{} : mitZehnerPotenz(normiert(h, t, 0), d.exponent);
        const double abstand = c.hoch == 0.0 ? 0.0 : d.stellen > 17 ? 0x1p-97 : 0x1p-98;
        zeilen[0][j] = {c.hoch, c.tief, abstand, c.exponent};
    }
    gebildeteZeilen = 1;
    for (Skaliert& r : zuletzt)
        r.k = -1;
}

FeineZeilen::Koeffizient FeineZeilen::mal(const Koeffizient& v, int faktor) {
    const double f = faktor;
    double p = 0.0, e = 0.0, e2 = 0.0, fehler = 0.0;
    zweiProdukt(f, v.hoch, p, e);
    const double ft = f * v.tief;
    zweiSumme(e, ft, e2, fehler);
    const Paar c = normiert(p, e2, v.exponent);
    // Exact stays exact where neither step rounded; else the two roundings, in the new units.
    const bool genau =
        v.abstand == 0.0 && fehler == 0.0 && (v.tief == 0.0 || std::fma(f, v.tief, -ft) == 0.0);
    double a = 0.0;
    if (c.hoch != 0.0 && !genau)
        a = oben(
            malZweiHoch(oben(oben(f * v.abstand) + oben(2 * u * (std::abs(ft) + std::abs(e2)))),
                        v.exponent - c.exponent));
    return {c.hoch, c.tief, a, c.exponent};
}

void FeineZeilen::zeilenBis(int k) {
    for (; gebildeteZeilen <= k; ++gebildeteZeilen)
        ableiten(zeilen[gebildeteZeilen - 1], zeilen[gebildeteZeilen], grad - gebildeteZeilen + 1,
                 mal);
}

const FeineZeilen::Skaliert& FeineZeilen::skaliert(int k, double x) {
    // The row's largest term scaled into [0.5, 1): no power of y over- or underflows. The points of
    // one root mostly share their exponent, so each row keeps its last scaling.
    int e = 0;
    const double y = zerlegt(x, e);
    Skaliert& r = zuletzt[k];
    r.y = y;
    if (k == r.k && e == r.e && (y == 0.0) == r.null)
        return r;
    r.k = k;
    r.e = e;
    r.null = y == 0.0;
    const int n = r.null ? 0 : grad - k;
    const Koeffizient* c = zeilen[k];
    int groesster = INT_MIN;
    for (int j = 0; j <= n; ++j)
        if (c[j].hoch != 0.0)
            groesster = std::max(groesster, c[j].exponent + e * j);
    r.s = groesster == INT_MIN ? 0 : -groesster;
    r.genau = true;
    for (int j = 0; j <= grad - k; ++j) {
        const int z = c[j].exponent + e * j + r.s;
        if (j > n || c[j].hoch == 0.0) {
            r.h[j] = r.t[j] = r.a[j] = 0.0;
        } else if (z >= -1022) {
            // A subnormal product loses less than 2^-1074.
            const double f = zweiHoch(z);
            r.h[j] = c[j].hoch * f;
            r.t[j] = c[j].tief * f;
            r.a[j] = c[j].abstand * f + 0x1p-1073;
        } else {
            r.h[j] = std::ldexp(c[j].hoch, z);
            r.t[j] = std::ldexp(c[j].tief, z);
            r.a[j] = std::ldexp(c[j].abstand, z) + 0x1p-1073;
        }
        // Exact where the coefficient is one exact double that stays normal.
        r.genau = r.genau && (j > n || c[j].hoch == 0.0 ||
                              (c[j].abstand == 0.0 && c[j].tief == 0.0 &&
                               std::abs(r.h[j]) >= std::numeric_limits<double>::min()));
    }
    return r;
}

FeineZeilen::Wert FeineZeilen::wert(int k, double x) {
    if (!brauchbar || !std::isfinite(x))
        return {0.0, 0.0, 0, false, false};
    if (k >= gebildeteZeilen)
        zeilenBis(k);
    const int n = grad - k;
    const Skaliert& z = skaliert(k, x);
    const Horner w = z.genau ? kompensiert<true>(z.h, z.t, z.a, n, z.y)
                             : kompensiert<false>(z.h, z.t, z.a, n, z.y);
    const double fehler = oben(oben(oben(u * std::abs(w.r)) + oben((4 * n + 8) * u * w.b)) +
                               oben(w.d * (1 + 0x1p-46)));
    return {w.r, fehler, z.s, w.null, std::isfinite(w.r) && std::isfinite(fehler)};
}

FeineZeilen::Urteil FeineZeilen::urteil(int k, double x, Grenze rand) {
    const Wert w = wert(k, x);
    if (w.null)
        return {0, true, true};
    const double r = w.r;
    const double fehler = w.fehler;
    const double randHier = inEinheiten(rand, w.s);
    const double schranke = oben(fehler + oben(randHier));
    if (!w.gueltig || !std::isfinite(schranke))
        return {0, false, false};
    if (std::abs(r) > schranke)
        return {r > 0 ? 1 : -1, false, false};
    return {0, randHier > 0.0 && std::abs(r) <= randHier, false};
}

FeineZeilen::Grenze FeineZeilen::taylor(int n, double weite, double breite) {
    // Row n + 2 bounded by its coefficients' sizes at weite.
    if (!brauchbar || !std::isfinite(weite) || !std::isfinite(breite))
        return {std::numeric_limits<double>::infinity(), 0};
    const int k = n + 2;
    zeilenBis(k);
    const Skaliert& z = skaliert(k, weite);
    double schranke = 0.0;
    for (int j = grad - k; j >= 0; --j)
        schranke = oben(schranke * z.y + oben(oben(std::abs(z.h[j]) + std::abs(z.t[j])) + z.a[j]));
    int e = 0;
    const double m = zerlegt(breite, e);
    return {oben(oben(oben(schranke * m) * m) * 0.5), 2 * e - z.s};
}
