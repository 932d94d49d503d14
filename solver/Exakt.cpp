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

// x = z 2^k with z odd, or z = 0.
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

// p(x) 2^(f n), where x = z / 2^f and p has degree n: an integer with p(x)'s sign. Room for the
// largest term is taken at once, cheaper than growing it.
mpz_class homogen(const Ganzpolynom& p, const mpz_class& z, long k) {
    if (p.empty())
        return 0;
    const std::size_t n = p.size() - 1;
    const mp_bitcnt_t f = k < 0 ? static_cast<mp_bitcnt_t>(-k) : 0;
    mpz_class x = z;
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

// Divided by its content, its sign kept.
Ganzpolynom primitiv(Ganzpolynom p) {
    kuerzen(p);
    mpz_class inhalt = 0;
    for (const mpz_class& c : p)
        mpz_gcd(inhalt.get_mpz_t(), inhalt.get_mpz_t(), c.get_mpz_t());
    for (mpz_class& c : p)
        mpz_divexact(c.get_mpz_t(), c.get_mpz_t(), inhalt.get_mpz_t());
    return p;
}

// The remainder of a by b times a positive constant: a |lb|^k less a multiple of b.
Ganzpolynom pseudoRest(Ganzpolynom a, const Ganzpolynom& b) {
    const mpz_class lb = abs(b.back());
    while (!a.empty() && a.size() >= b.size()) {
        const std::size_t d = a.size() - b.size();
        const mpz_class faktor = sgn(b.back()) * a.back();
        for (mpz_class& c : a)
            c *= lb;
        for (std::size_t i = 0; i < b.size(); ++i)
            mpz_submul(a[i + d].get_mpz_t(), faktor.get_mpz_t(), b[i].get_mpz_t());
        kuerzen(a);
    }
    // The content taken out once, cheaper than at every step.
    return primitiv(std::move(a));
}

// Sign changes along the sequence at x, its zeros skipped.
int wechsel(const std::vector<Ganzpolynom>& folge, double x) {
    int n = 0, vorher = 0;
    for (const Ganzpolynom& p : folge)
        if (const int s = vorzeichenBei(p, x); s != 0) {
            n += vorher != 0 && s != vorher;
            vorher = s;
        }
    return n;
}

} // namespace

int vorzeichenBei(const Ganzpolynom& p, double x) {
    long k = 0;
    const mpz_class z = static_cast<long>(ganzZerlegt(x, k));
    return sgn(homogen(p, z, k));
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

constexpr long bruchGrenze = 1L << 16;

bool einfachsterBruch(double a, double b, mpz_class& zaehler, mpz_class& nenner) {
    if (a <= 0 && b >= 0) {
        zaehler = 0;
        nenner = 1;
        return true;
    }
    // Continued fractions on [u, v], both positive: while no integer lies between, both share the
    // next term f and go on in [1 / (v - f), 1 / (u - f)]. p / q and r / s: the last convergents.
    const bool negativ = b < 0;
    const mpq_class u(negativ ? -b : a), v(negativ ? -a : b);
    mpz_class un = u.get_num(), ud = u.get_den(), vn = v.get_num(), vd = v.get_den();
    mpz_class p = 1, q = 0, r = 0, s = 1, f, t;
    for (;;) {
        mpz_cdiv_q(f.get_mpz_t(), un.get_mpz_t(), ud.get_mpz_t());
        if (f * vd <= vn)
            break;
        f -= 1;
        t = f * q + s;
        if (t > bruchGrenze)
            return false;
        s = std::exchange(q, t);
        t = f * p + r;
        r = std::exchange(p, t);
        t = un - f * ud;
        un = vd;
        vd = ud;
        ud = vn - f * un;
        vn = vd;
        vd = t;
    }
    nenner = f * q + s;
    zaehler = f * p + r;
    if (negativ)
        zaehler = -zaehler;
    return nenner <= bruchGrenze;
}

int vorzeichenAnWurzel(const Ganzpolynom& g, const Ganzpolynom& f, double a, double b) {
    // Sturm and Tarski: along f, f' g and their negated remainders, the sign changes lost from a to
    // b sum g's signs at f's roots between them, here the one.
    Ganzpolynom f1g(f.size() + g.size() - 2);
    for (std::size_t j = 1; j < f.size(); ++j)
        for (std::size_t i = 0; i < g.size(); ++i)
            f1g[j - 1 + i] += f[j] * static_cast<unsigned long>(j) * g[i];
    std::vector<Ganzpolynom> folge{f, primitiv(std::move(f1g))};
    while (!folge.back().empty()) {
        Ganzpolynom r = pseudoRest(folge[folge.size() - 2], folge.back());
        for (mpz_class& c : r)
            c = -c;
        folge.push_back(std::move(r));
    }
    return wechsel(folge, a) - wechsel(folge, b);
}

namespace {

// p(x) 10^zehnerExponent, exactly.
mpq_class wertGenau(const Ganzpolynom& p, int zehnerExponent, double x) {
    const mpq_class q(x);
    mpq_class s = 0;
    for (std::size_t j = p.size(); j-- > 0;)
        s = s * q + p[j];
    const mpz_class potenz = zehnHoch(std::abs(zehnerExponent));
    return zehnerExponent >= 0 ? mpq_class(s * potenz) : mpq_class(s / potenz);
}

} // namespace

bool betragHoechstens(const Ganzpolynom& p, int zehnerExponent, const double* u, int n, double x) {
    const mpq_class q(std::abs(x));
    mpq_class grenze = 0;
    for (int j = n; j >= 0; --j)
        grenze = grenze * q + mpq_class(u[j]);
    return abs(wertGenau(p, zehnerExponent, x)) <= grenze;
}

double wertBei(const Ganzpolynom& p, int zehnerExponent, int skala, double x) {
    mpq_class q = wertGenau(p, zehnerExponent, x);
    if (skala >= 0)
        mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(skala));
    else
        mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(-skala));
    if (abs(q) >= mpq_class(DBL_MAX))
        return sgn(q) * DBL_MAX;
    // mpq_get_d rounds towards zero.
    return mpq_get_d(q.get_mpq_t());
}

Ganzpolynom ggT(Ganzpolynom a, Ganzpolynom b) {
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
        teilerGebildet[static_cast<std::size_t>(n)].fill(false);
    }
    // One power of ten makes every coefficient an integer.
    zehnerExponent = 0;
    bool erste = true;
    for (int j = 0; j <= grad; ++j) {
        const Dezimalzahl& d = koeffizienten[static_cast<std::size_t>(j)];
        if (d.ziffern != 0) {
            zehnerExponent = erste ? d.exponent : std::min(zehnerExponent, d.exponent);
            erste = false;
        }
    }
    Ganzpolynom& p = zeilen[0];
    p.resize(static_cast<std::size_t>(grad) + 1);
    for (int j = 0; j <= grad; ++j) {
        const Dezimalzahl& d = koeffizienten[static_cast<std::size_t>(j)];
        if (d.ziffern != 0)
            p[static_cast<std::size_t>(j)] = d.ziffern * zehnHoch(d.exponent - zehnerExponent);
    }
    gebildeteZeilen = 1;
    gebildet = true;
}

const Ganzpolynom& ExakteZeilen::zeile(int k) {
    for (; gebildeteZeilen <= k; ++gebildeteZeilen) {
        const auto n = static_cast<std::size_t>(gebildeteZeilen);
        if (zeilen[n - 1].empty())
            continue;
        zeilen[n].resize(zeilen[n - 1].size() - 1);
        ableiten(zeilen[n - 1], zeilen[n], static_cast<int>(zeilen[n].size()),
                 [](const mpz_class& c, int f) { return mpz_class(c * f); });
    }
    return zeilen[static_cast<std::size_t>(k)];
}

bool ExakteZeilen::nullstelleBeiBruch(int k, const mpz_class& zaehler, const mpz_class& nenner) {
    return vorzeichenBeiBruch(zeile(k), zaehler, nenner) == 0;
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
