#include "Exakt.h"

#include "Halbierung.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <string>

namespace {

mpz_class zehnHoch(int n) {
    mpz_class z;
    mpz_ui_pow_ui(z.get_mpz_t(), 10, static_cast<unsigned long>(n));
    return z;
}

// x = z * 2^k with z odd, or z = 0.
std::int64_t ganzZerlegt(double x, long& k) {
    int e = 0;
    const double m = std::frexp(x, &e);
    auto ganz = static_cast<std::int64_t>(std::ldexp(m, 53));
    k = e - 53L;
    if (ganz == 0)
        return 0;
    const int nullen = std::countr_zero(static_cast<std::uint64_t>(ganz < 0 ? -ganz : ganz));
    k += nullen;
    return ganz / (std::int64_t{1} << nullen);
}

void zerlegen(double x, mpz_class& z, long& k) {
    z = static_cast<long>(ganzZerlegt(x, k));
}

// p(x) times 2^(f n), where x = z / 2^f and n + 1 is p's length: an
// integer with the sign of p(x). With betrag, p is evaluated at |x|. Room
// for the largest term is taken at once: growing it step by step cost more
// than the products.
mpz_class homogen(const Ganzpolynom& p, const mpz_class& z, long k, bool betrag) {
    if (p.empty())
        return 0;
    const std::size_t n = p.size() - 1;
    const mp_bitcnt_t f = k < 0 ? static_cast<mp_bitcnt_t>(-k) : 0;
    mpz_class x = z;
    if (betrag)
        mpz_abs(x.get_mpz_t(), x.get_mpz_t());
    if (k > 0)
        x <<= static_cast<mp_bitcnt_t>(k);
    std::size_t breitester = 0;
    for (const mpz_class& c : p)
        breitester = std::max(breitester, mpz_sizeinbase(c.get_mpz_t(), 2));
    const mp_bitcnt_t bits = breitester + n * (mpz_sizeinbase(x.get_mpz_t(), 2) + f) + 64 + 4 * n;
    mpz_class s, glied;
    mpz_realloc2(s.get_mpz_t(), bits);
    mpz_realloc2(glied.get_mpz_t(), bits);
    mpz_set(s.get_mpz_t(), p[n].get_mpz_t());
    for (std::size_t j = n; j-- > 0;) {
        mpz_mul(s.get_mpz_t(), s.get_mpz_t(), x.get_mpz_t());
        if (f == 0) {
            mpz_add(s.get_mpz_t(), s.get_mpz_t(), p[j].get_mpz_t());
        } else {
            mpz_mul_2exp(glied.get_mpz_t(), p[j].get_mpz_t(), f * (n - j));
            mpz_add(s.get_mpz_t(), s.get_mpz_t(), glied.get_mpz_t());
        }
    }
    return s;
}

void kuerzen(Ganzpolynom& p) {
    while (!p.empty() && p.back() == 0)
        p.pop_back();
}

// Divided by the gcd of its coefficients, the highest one positive.
Ganzpolynom primitiv(Ganzpolynom p) {
    kuerzen(p);
    if (p.empty())
        return p;
    mpz_class inhalt = 0;
    for (const mpz_class& c : p)
        mpz_gcd(inhalt.get_mpz_t(), inhalt.get_mpz_t(), c.get_mpz_t());
    if (p.back() < 0)
        inhalt = -inhalt;
    for (mpz_class& c : p)
        mpz_divexact(c.get_mpz_t(), c.get_mpz_t(), inhalt.get_mpz_t());
    return p;
}

// The remainder of a after division by b, up to a constant factor.
Ganzpolynom pseudoRest(Ganzpolynom a, const Ganzpolynom& b) {
    while (!a.empty() && a.size() >= b.size()) {
        const std::size_t d = a.size() - b.size();
        const mpz_class la = a.back();
        const mpz_class& lb = b.back();
        for (mpz_class& c : a)
            c *= lb;
        for (std::size_t i = 0; i < b.size(); ++i)
            mpz_submul(a[i + d].get_mpz_t(), la.get_mpz_t(), b[i].get_mpz_t());
        kuerzen(a);
    }
    // Its content taken out once: the steps above grow it by a factor lb
    // each, fewer than the content's gcds would cost.
    return primitiv(std::move(a));
}

// Arithmetic modulo the prime 2^61 - 1.
constexpr std::uint64_t primzahl = (std::uint64_t{1} << 61) - 1;

__extension__ using Doppelwort = unsigned __int128;

std::uint64_t malModulo(std::uint64_t a, std::uint64_t b) {
    const Doppelwort p = static_cast<Doppelwort>(a) * b;
    const std::uint64_t s =
        static_cast<std::uint64_t>(p & primzahl) + static_cast<std::uint64_t>(p >> 61);
    return s >= primzahl ? s - primzahl : s;
}

std::uint64_t inversModulo(std::uint64_t a) {
    std::uint64_t ergebnis = 1;
    for (std::uint64_t e = primzahl - 2; e > 0; e >>= 1, a = malModulo(a, a))
        if (e & 1)
            ergebnis = malModulo(ergebnis, a);
    return ergebnis;
}

std::vector<std::uint64_t> modulo(const Ganzpolynom& p) {
    std::vector<std::uint64_t> r(p.size());
    for (std::size_t j = 0; j < p.size(); ++j)
        r[j] = mpz_fdiv_ui(p[j].get_mpz_t(), primzahl);
    return r;
}

// The degree of gcd(a, b) modulo a prime, or -1 where the prime divides a
// leading coefficient: else the true gcd, which divides both there as
// well, has at most that degree, and mostly the same. 0 means no common
// factor: the rows of a random equation share none, and this spares the
// exact Euclid on their growing coefficients.
int gcdGradModulo(const Ganzpolynom& a, const Ganzpolynom& b) {
    if (a.empty() || b.empty())
        return -1;
    std::vector<std::uint64_t> x = modulo(a), y = modulo(b);
    if (x.back() == 0 || y.back() == 0)
        return -1;
    const auto kuerzenModulo = [](std::vector<std::uint64_t>& p) {
        while (!p.empty() && p.back() == 0)
            p.pop_back();
    };
    if (x.size() < y.size())
        std::swap(x, y);
    while (y.size() > 1) {
        // x mod y, y made monic.
        const std::uint64_t inv = inversModulo(y.back());
        while (x.size() >= y.size()) {
            const std::uint64_t faktor = malModulo(x.back(), inv);
            const std::size_t d = x.size() - y.size();
            for (std::size_t i = 0; i < y.size(); ++i) {
                const std::uint64_t abzug = malModulo(faktor, y[i]);
                std::uint64_t& c = x[i + d];
                c = c >= abzug ? c - abzug : c + primzahl - abzug;
            }
            kuerzenModulo(x);
        }
        std::swap(x, y);
        if (y.empty())
            return static_cast<int>(x.size()) - 1;
    }
    return 0;
}

} // namespace

int vorzeichenBei(const Ganzpolynom& p, double x) {
    mpz_class z;
    long k = 0;
    zerlegen(x, z, k);
    return sgn(homogen(p, z, k, false));
}

int vorzeichenBeiBruch(const Ganzpolynom& p, const mpz_class& zaehler, const mpz_class& nenner) {
    // p(z / q) q^n, an integer with the sign of p(z / q).
    if (p.empty())
        return 0;
    mpz_class s = p.back(), potenz = 1, glied;
    for (std::size_t j = p.size() - 1; j-- > 0;) {
        mpz_mul(potenz.get_mpz_t(), potenz.get_mpz_t(), nenner.get_mpz_t());
        mpz_mul(s.get_mpz_t(), s.get_mpz_t(), zaehler.get_mpz_t());
        mpz_mul(glied.get_mpz_t(), p[j].get_mpz_t(), potenz.get_mpz_t());
        mpz_add(s.get_mpz_t(), s.get_mpz_t(), glied.get_mpz_t());
    }
    return sgn(s);
}

double naechsterDouble(const mpz_class& zaehler, const mpz_class& nenner, int& seite) {
    // Where both are doubles, their quotient is rounded to nearest, and
    // d q = p + f exactly, z - p exactly as well: the side from comparing
    // z - p with f.
    if (mpz_sizeinbase(zaehler.get_mpz_t(), 2) <= 53 &&
        mpz_sizeinbase(nenner.get_mpz_t(), 2) <= 53) {
        const double z = zaehler.get_d(), q = nenner.get_d();
        const double d = z / q;
        double p = 0.0, f = 0.0;
        zweiProdukt(d, q, p, f);
        const double r = z - p;
        seite = (r > f) - (r < f);
        return d;
    }
    const mpq_class xi(zaehler, nenner);
    double d = xi.get_d();
    seite = cmp(xi, mpq_class(d));
    if (seite != 0) {
        const double e = std::nextafter(d, seite * HUGE_VAL);
        if (cmp(mpq_class(d) + mpq_class(e), 2 * xi) * seite < 0) {
            d = e;
            seite = -seite;
        }
    }
    return d;
}

namespace {

constexpr long bruchGrenze = 1L << 16;

mpz_class ausDoppelwort(Doppelwort z) {
    mpz_class r = static_cast<unsigned long>(z >> 64);
    if (r == 0)
        return static_cast<unsigned long>(z);
    r <<= 64;
    r += static_cast<unsigned long>(z);
    return r;
}

// The least integer >= a / b, for b > 0.
mpz_class aufgerundet(const mpz_class& a, const mpz_class& b) {
    mpz_class f;
    mpz_cdiv_q(f.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    return f;
}

Doppelwort aufgerundet(Doppelwort a, Doppelwort b) {
    return (a + b - 1) / b;
}

// The fraction with the least denominator in [un / ud, vn / vd], all four
// positive, in integers of type Z: wide enough for 4 times the largest
// product of two of them. Continued fractions: while no integer lies in
// [u, v], both share the next term f, and the fraction goes on in
// [1 / (v - f), 1 / (u - f)]; the least integer there ends it. p / q and
// r / s are the last two convergents.
template <class Z> bool kettenbruch(Z un, Z ud, Z vn, Z vd, Z& zaehler, Z& nenner) {
    const Z grenze = bruchGrenze;
    Z p = 1, q = 0, r = 0, s = 1, f, t;
    for (;;) {
        f = aufgerundet(un, ud);
        if (f * vd <= vn) {
            nenner = f * q + s;
            if (nenner > grenze)
                return false;
            zaehler = f * p + r;
            return true;
        }
        f -= 1;
        t = f * q + s;
        if (t > grenze)
            return false;
        s = q;
        q = t;
        t = f * p + r;
        r = p;
        p = t;
        // u' = vd / (vn - f vd), v' = ud / (un - f ud).
        t = un - f * ud;
        un = vd;
        vd = ud;
        ud = vn - f * un;
        vn = vd;
        vd = t;
    }
}

} // namespace

bool einfachsterBruch(double a, double b, mpz_class& zaehler, mpz_class& nenner) {
    if (a <= 0 && b >= 0) {
        zaehler = 0;
        nenner = 1;
        return true;
    }
    // Both ends as integers over one power of two: [u, v] = [U, V] / 2^k,
    // positive.
    const bool negativ = b < 0;
    long ku = 0, kv = 0;
    const std::int64_t u = ganzZerlegt(negativ ? -b : a, ku);
    const std::int64_t v = ganzZerlegt(negativ ? -a : b, kv);
    const long k = std::min({ku, kv, 0L});
    // Mostly all fits in 62 bits, and 128 bits then hold every product.
    if (-k <= 61 && std::bit_width(static_cast<std::uint64_t>(v)) + (kv - k) <= 61) {
        const auto n = static_cast<Doppelwort>(1) << -k;
        Doppelwort z = 0, q = 0;
        if (!kettenbruch<Doppelwort>(static_cast<Doppelwort>(u) << (ku - k), n,
                                     static_cast<Doppelwort>(v) << (kv - k), n, z, q))
            return false;
        zaehler = ausDoppelwort(z);
        nenner = ausDoppelwort(q);
    } else {
        mpz_class U = static_cast<long>(u), V = static_cast<long>(v);
        U <<= static_cast<mp_bitcnt_t>(ku - k);
        V <<= static_cast<mp_bitcnt_t>(kv - k);
        const mpz_class n = mpz_class(1) << static_cast<mp_bitcnt_t>(-k);
        if (!kettenbruch<mpz_class>(U, n, V, n, zaehler, nenner))
            return false;
    }
    if (negativ)
        zaehler = -zaehler;
    return true;
}

namespace {

// One leap towards the simple root of f in (A, B) 2^k, where f has the sign
// fa at A and f1 is f': Newton's step from the midpoint, and the signs at
// the ends of a bracket about 2^-s as wide as [A, B] around it. Where they
// show the root inside, [A, B] 2^k becomes that bracket. Near the root each
// leap doubles the bits, where halving gains one at a time with ever longer
// numbers.
bool sprung(const Ganzpolynom& f, const Ganzpolynom& f1, int fa, mpz_class& A, mpz_class& B,
            long& k, long s) {
    const mpz_class breite = B - A;
    // The bracket's half width 2^e on a grid of 2^kk, as fine as the
    // midpoint's at least.
    const long e = k + static_cast<long>(mpz_sizeinbase(breite.get_mpz_t(), 2)) - 1 - s;
    const long kk = std::min(k - 1, e);
    const auto schieben = static_cast<mp_bitcnt_t>(k - kk);
    const mpz_class m = (A + B) << (schieben - 1);
    const mpz_class steigung = homogen(f1, m, kk, false);
    if (steigung == 0)
        return false;
    // f(m) / f'(m) in units of 2^kk, as the powers of two of the two
    // homogeneous values differ by one of them.
    mpz_class schritt;
    mpz_tdiv_q(schritt.get_mpz_t(), homogen(f, m, kk, false).get_mpz_t(), steigung.get_mpz_t());
    const mpz_class halb = mpz_class(1) << static_cast<mp_bitcnt_t>(e - kk);
    const mpz_class l = m - schritt - halb, r = m - schritt + halb;
    if (!(l > A << schieben && r < B << schieben) || sgn(homogen(f, l, kk, false)) != fa ||
        sgn(homogen(f, r, kk, false)) != -fa)
        return false;
    A = l;
    B = r;
    k = kk;
    return true;
}

} // namespace

int vorzeichenAnWurzel(const Ganzpolynom& g, const Ganzpolynom& f, int fa, double a, double b) {
    // Both ends as integers over one power of two, x = X 2^k with k <= 0,
    // so that every midpoint is (A + B) 2^(k - 1).
    mpz_class A, B;
    long ka = 0, kb = 0;
    zerlegen(a, A, ka);
    zerlegen(b, B, kb);
    long k = std::min({ka, kb, 0L});
    A <<= static_cast<mp_bitcnt_t>(ka - k);
    B <<= static_cast<mp_bitcnt_t>(kb - k);
    // Where g' vanishes, g changes by at most K h^2 / 2 within h of xi, K
    // the bound sum |j (j - 1) g_j| R^(j - 2) of g'' for |x| <= R.
    const long n = static_cast<long>(g.size()) - 1;
    if (n < 2)
        return g.empty() ? 0 : sgn(g[0]);
    Ganzpolynom kruemmung(static_cast<std::size_t>(n - 1));
    for (long j = 2; j <= n; ++j)
        kruemmung[static_cast<std::size_t>(j - 2)] =
            abs(g[static_cast<std::size_t>(j)]) * (j * (j - 1));
    Ganzpolynom f1;
    for (std::size_t j = 1; j < f.size(); ++j)
        f1.push_back(f[j] * static_cast<unsigned long>(j));
    // The bits a leap tries to gain: doubled after each that holds, halved
    // after each that fails, when one halving goes instead.
    long bits = 8;
    for (;;) {
        const mpz_class M = A + B;
        const int sf = sgn(homogen(f, M, k - 1, false));
        const mpz_class G = homogen(g, M, k - 1, false);
        if (sf == 0)
            return sgn(G);
        // With h = (B - A) 2^(k - 1), and G and K over their powers of two:
        // |g(m)| > K h^2 / 2 is |G| 2^(3 - n) > (B - A)^2 K.
        const mpz_class breite = B - A;
        mpz_class rechts =
            breite * breite * homogen(kruemmung, abs(A) > abs(B) ? abs(A) : abs(B), k, true);
        mpz_class links = abs(G);
        if (n < 3)
            links <<= static_cast<mp_bitcnt_t>(3 - n);
        else
            rechts <<= static_cast<mp_bitcnt_t>(n - 3);
        if (links > rechts)
            return sgn(G);
        if (sprung(f, f1, fa, A, B, k, bits)) {
            bits = std::min(2 * bits, 1L << 20);
            continue;
        }
        bits = std::max(1L, bits / 2);
        // The half that holds xi, one bit further down.
        if (sf == fa) {
            A = M;
            B <<= 1;
        } else {
            B = M;
            A <<= 1;
        }
        --k;
    }
}

bool betragHoechstens(const Ganzpolynom& p, const Ganzpolynom& u, double x) {
    mpz_class z;
    long k = 0;
    zerlegen(x, z, k);
    // Both homogenised to the same length.
    Ganzpolynom pp = p, uu = u;
    const std::size_t laenge = std::max(pp.size(), uu.size());
    pp.resize(laenge);
    uu.resize(laenge);
    return abs(homogen(pp, z, k, false)) <= homogen(uu, z, k, true);
}

double wertBei(const Ganzpolynom& p, int zehnerExponent, int skala, double x) {
    mpz_class z;
    long k = 0;
    zerlegen(x, z, k);
    mpz_class zaehler = homogen(p, z, k, false);
    mpz_class nenner = 1;
    long zweier = skala - (k < 0 ? -k * static_cast<long>(p.size() - 1) : 0);
    if (zehnerExponent >= 0)
        zaehler *= zehnHoch(zehnerExponent);
    else
        nenner *= zehnHoch(-zehnerExponent);
    if (zweier >= 0)
        zaehler <<= static_cast<mp_bitcnt_t>(zweier);
    else
        nenner <<= static_cast<mp_bitcnt_t>(-zweier);
    const mpq_class q(zaehler, nenner);
    if (abs(q) >= mpq_class(DBL_MAX))
        return sgn(q) * DBL_MAX;
    // mpq_get_d rounds towards zero.
    return mpq_get_d(q.get_mpq_t());
}

Ganzpolynom ggT(Ganzpolynom a, Ganzpolynom b) {
    // Powers of x apart: a root at 0 is common to every row it is a root
    // of, and what remains then mostly shares nothing.
    kuerzen(a);
    kuerzen(b);
    const auto nullen = [](const Ganzpolynom& p) {
        return static_cast<std::size_t>(
            std::find_if(p.begin(), p.end(), [](const mpz_class& c) { return c != 0; }) -
            p.begin());
    };
    const std::size_t na = nullen(a), nb = nullen(b);
    if (!a.empty() && !b.empty() && (na > 0 || nb > 0)) {
        a.erase(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(na));
        b.erase(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(nb));
        Ganzpolynom g = ggT(std::move(a), std::move(b));
        g.insert(g.begin(), std::min(na, nb), mpz_class(0));
        return g;
    }
    if (gcdGradModulo(a, b) == 0)
        return {1};
    a = primitiv(std::move(a));
    b = primitiv(std::move(b));
    if (a.size() < b.size())
        std::swap(a, b);
    while (!b.empty()) {
        Ganzpolynom r = pseudoRest(std::move(a), b);
        a = std::move(b);
        b = std::move(r);
    }
    return a;
}

void ExakteZeilen::bilden(const std::array<Dezimalzahl, 11>& koeffizienten, int grad) {
    for (int n = 0; n <= 10; ++n) {
        zeilen[static_cast<std::size_t>(n)].clear();
        unsicherheiten[static_cast<std::size_t>(n)].clear();
        reste[static_cast<std::size_t>(n)].clear();
        teilerGebildet[static_cast<std::size_t>(n)].fill(false);
    }
    // A common power of ten makes every coefficient and every half unit of
    // a last digit an integer.
    int unten = 0;
    bool erste = true;
    bool gerundet = false;
    for (int j = 0; j <= grad; ++j) {
        const Dezimalzahl& d = koeffizienten[static_cast<std::size_t>(j)];
        if (d.ziffern == 0)
            continue;
        unten = erste ? d.exponent - 1 : std::min(unten, d.exponent - 1);
        erste = false;
        gerundet = gerundet || d.gerundet;
    }
    zehnerExponent = unten;
    Ganzpolynom& p = zeilen[0];
    p.resize(static_cast<std::size_t>(grad) + 1);
    if (gerundet)
        unsicherheiten[0].resize(p.size());
    for (int j = 0; j <= grad; ++j) {
        const Dezimalzahl& d = koeffizienten[static_cast<std::size_t>(j)];
        if (d.ziffern == 0)
            continue;
        const mpz_class stelle = zehnHoch(d.exponent - 1 - unten);
        p[static_cast<std::size_t>(j)] = mpz_class(static_cast<long>(d.ziffern)) * stelle * 10;
        if (d.gerundet)
            unsicherheiten[0][static_cast<std::size_t>(j)] = stelle * 5;
    }
    gebildeteZeilen = 1;
    gebildet = true;
}

const Ganzpolynom& ExakteZeilen::zeile(int k) {
    for (; gebildeteZeilen <= k; ++gebildeteZeilen) {
        const auto n = static_cast<std::size_t>(gebildeteZeilen);
        for (auto [vorher, jetzt] : {std::pair{&zeilen[n - 1], &zeilen[n]},
                                     std::pair{&unsicherheiten[n - 1], &unsicherheiten[n]}}) {
            if (vorher->empty())
                continue;
            jetzt->resize(vorher->size() - 1);
            ableiten(*vorher, *jetzt, static_cast<int>(jetzt->size()),
                     [](const mpz_class& c, int f) { return mpz_class(c * f); });
        }
    }
    return zeilen[static_cast<std::size_t>(k)];
}

bool ExakteZeilen::nullstelleBeiBruch(int k, const mpz_class& zaehler, const mpz_class& nenner) {
    // The same value modulo a prime first: where it is no multiple of the
    // prime it is no 0, and mostly it is none.
    const Ganzpolynom& p = zeile(k);
    if (p.empty())
        return true;
    std::vector<std::uint64_t>& r = reste[static_cast<std::size_t>(k)];
    if (r.empty())
        r = modulo(p);
    const std::uint64_t z = mpz_fdiv_ui(zaehler.get_mpz_t(), primzahl);
    const std::uint64_t q = mpz_fdiv_ui(nenner.get_mpz_t(), primzahl);
    std::uint64_t s = r.back(), potenz = 1;
    for (std::size_t j = r.size() - 1; j-- > 0;) {
        potenz = malModulo(potenz, q);
        s = malModulo(s, z) + malModulo(r[j], potenz);
        if (s >= primzahl)
            s -= primzahl;
    }
    return s == 0 && vorzeichenBeiBruch(p, zaehler, nenner) == 0;
}

const Ganzpolynom& ExakteZeilen::unsicherheit(int k) {
    zeile(k);
    return unsicherheiten[static_cast<std::size_t>(k)];
}

const Ganzpolynom& ExakteZeilen::gemeinsamerTeiler(int n, int m) {
    auto& t = teiler[static_cast<std::size_t>(n)][static_cast<std::size_t>(m)];
    auto& fertig = teilerGebildet[static_cast<std::size_t>(n)][static_cast<std::size_t>(m)];
    if (!fertig) {
        t = ggT(zeile(n), zeile(m));
        fertig = true;
    }
    return t;
}
