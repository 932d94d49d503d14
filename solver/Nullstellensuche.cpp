#include "Halbierung.h"
#include "Hauptfenster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool entgegengesetzt(double a, double b) {
    return vorzeichen(a) * vorzeichen(b) < 0;
}

// Error-free transformations: s + fehler and p + fehler are exactly a + b
// and a * b.
void zweiSumme(double a, double b, double& s, double& fehler) {
    s = a + b;
    const double z = s - a;
    fehler = (a - (s - z)) + (b - z);
}

void zweiProdukt(double a, double b, double& p, double& fehler) {
    p = a * b;
    fehler = std::fma(a, b, -p);
}

} // namespace

void Hauptfenster::NullstellenBerechnen() {
    // The linear derivative has its root in closed form.
    Nullstellen[grad - 1][0] = 1.0;
    Nullstellen[grad - 1][1] = -Pnom[grad - 1][0] / Pnom[grad - 1][1];
    if (grad == 1)
        return;

    std::vector<double> grenzen;
    std::vector<char> istWurzel;
    std::vector<double> kandidaten;
    grenzen.reserve(static_cast<std::size_t>(grad) + 1);
    istWurzel.reserve(static_cast<std::size_t>(grad) + 1);
    kandidaten.reserve(static_cast<std::size_t>(grad) + 1);
    for (int n = grad - 2; n >= 0; --n) {
        // The roots of the next derivative cut the interval into pieces on
        // which the n-th derivative is monotone.
        grenzen.clear();
        grenzen.push_back(xlinks);
        const int q = static_cast<int>(Nullstellen[n + 1][0]);
        for (int i = 1; i <= q; ++i)
            grenzen.push_back(Nullstellen[n + 1][i]);
        grenzen.push_back(xrechts);

        istWurzel.clear();
        for (const double g : grenzen)
            istWurzel.push_back(IstNullstelle(n, g));

        kandidaten.clear();
        // Adjacent cut points that both count as roots are one multiple
        // root, split by rounding: keep the one that stays a root through
        // more derivatives, the left one on a tie. A strict dip in that count
        // between two higher ones parts two multiple roots: keep both.
        int besteVielfachheit = 0;
        int tiefsteSeither = 0;
        for (std::size_t j = 0; j < grenzen.size(); ++j) {
            if (istWurzel[j]) {
                const int v = Vielfachheit(n, grenzen[j]);
                const bool inFolge = j > 0 && istWurzel[j - 1];
                if (!inFolge || (tiefsteSeither < besteVielfachheit && v > tiefsteSeither)) {
                    kandidaten.push_back(grenzen[j]);
                    besteVielfachheit = tiefsteSeither = v;
                } else if (v > besteVielfachheit) {
                    kandidaten.back() = grenzen[j];
                    besteVielfachheit = tiefsteSeither = v;
                } else {
                    tiefsteSeither = std::min(tiefsteSeither, v);
                }
                continue;
            }
            // A root on the right end is that end's, as the next cut point.
            if (j + 1 == grenzen.size() || istWurzel[j + 1])
                continue;
            const double a = grenzen[j];
            const double b = grenzen[j + 1];
            if (entgegengesetzt(wert(n, a), wert(n, b)))
                kandidaten.push_back(NullstelleVerfeinern(n, FindeNullstelle(n, a, b)));
        }

        // The listed roots closer than the merge distance are listed once,
        // the first. A derivative keeps every root as a cut point, however
        // close, so that each piece below stays monotone. The row cannot
        // overflow: of the q + 2 points, a piece between two that are no
        // roots gives at most one root, and a run of roots at most one for
        // every two points, so row n gets at most q + 1 <= grad - n.
        const double abstand = n == 0 ? 0.00001 : 0.0;
        int anzahl = 0;
        for (const double kandidat : kandidaten) {
            if (anzahl == 0 || std::abs(kandidat - Nullstellen[n][anzahl]) > abstand)
                Nullstellen[n][++anzahl] = kandidat;
        }
        Nullstellen[n][0] = anzahl;
    }
}

int Hauptfenster::Vielfachheit(int n, double x) const {
    // Row grad is a nonzero constant, so the count ends there at the latest.
    int v = 0;
    while (IstNullstelle(n + v, x))
        ++v;
    return v;
}

double Hauptfenster::FindeNullstelle(int k, double a, double b) const {
    // No nonzero root of row k lies closer to 0 than the bound below
    // (Cauchy's, for the reversed polynomial): near 0 the halving stops at a
    // width of 1e-11 times that bound.
    const double* p = PnomSkaliert[k];
    const int n = grad - k;
    int unten = 0;
    while (unten < n && p[unten] == 0.0)
        ++unten;
    double darueber = 0.0;
    for (int j = unten + 1; j <= n; ++j)
        darueber = std::max(darueber, std::abs(p[j]));
    const double schranke = std::abs(p[unten]) / (std::abs(p[unten]) + darueber);
    return halbieren([p, n](double x) { return horner(p, n, x); }, a, b, 1e-11 * schranke);
}

double Hauptfenster::genauerWert(int k, double x) const {
    // Compensated Horner: the rounding errors of every step are carried
    // along exactly and added at the end, as if computed in twice the
    // precision. std::fma is correctly rounded everywhere, so the result
    // is the same on every machine.
    const double* p = PnomSkaliert[k];
    double s = p[grad - k];
    double c = 0.0;
    for (int j = grad - k - 1; j >= 0; --j) {
        double produkt = 0.0, fehlerProdukt = 0.0, fehlerSumme = 0.0;
        zweiProdukt(s, x, produkt, fehlerProdukt);
        zweiSumme(produkt, p[j], s, fehlerSumme);
        c = c * x + (fehlerProdukt + fehlerSumme);
    }
    const double ergebnis = s + c;
    // Where a step overflowed, its error terms are NaN: plain Horner then.
    return std::isfinite(ergebnis) ? ergebnis : wert(k, x);
}

double Hauptfenster::NullstelleVerfeinern(int k, double x) const {
    // The bisection stops at 1e-11 on the computed sign change; a few Newton
    // steps on the compensated value take the root to the last digits. A
    // step counts only while the value falls, which also stops a step to an
    // infinite or NaN point. It never leaves the piece: the root lies
    // further from the piece's ends than the zero test's rounding noise,
    // else an end would count as the root.
    double v = genauerWert(k, x);
    for (int schritt = 0; schritt < 4 && v != 0.0; ++schritt) {
        const double neu = x - v / wert(k + 1, x);
        const double w = genauerWert(k, neu);
        if (!(std::abs(w) < std::abs(v)))
            break;
        x = neu;
        v = w;
    }
    return x;
}
