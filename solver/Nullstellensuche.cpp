#include "Hauptfenster.h"

#include <cmath>
#include <numeric>
#include <vector>

void Hauptfenster::NullstellenBerechnen() {
    // The linear derivative has its root in closed form.
    Nullstellen[grad - 1][0] = 1.0;
    Nullstellen[grad - 1][1] = -Pnom[grad - 1][0] / Pnom[grad - 1][1];
    if (grad == 1)
        return;

    std::vector<double> grenzen;
    grenzen.reserve(static_cast<std::size_t>(grad) + 1);
    for (int n = grad - 2; n >= 0; --n) {
        Nullstellen[n][0] = 0.0;
        int anzahl = 0;
        // A derivative of degree grad - n has no more roots than that; the
        // test of the right end could otherwise add one past the row's end.
        const auto anhaengen = [&](double kandidat) {
            if (anzahl == grad - n)
                return;
            if (anzahl == 0 || std::abs(kandidat - Nullstellen[n][anzahl]) > 0.00001) {
                ++anzahl;
                Nullstellen[n][0] = anzahl;
                Nullstellen[n][anzahl] = kandidat;
            }
        };

        // The roots of the next derivative cut the interval into pieces on
        // which the n-th derivative is monotone.
        grenzen.clear();
        grenzen.push_back(xlinks);
        const int q = static_cast<int>(Nullstellen[n + 1][0]);
        for (int i = 1; i <= q; ++i)
            grenzen.push_back(Nullstellen[n + 1][i]);
        grenzen.push_back(xrechts);

        for (std::size_t j = 0; j + 1 < grenzen.size(); ++j) {
            const double a = grenzen[j];
            const double b = grenzen[j + 1];
            if (IstNullstelle(n, a))
                anhaengen(a);
            else if (fn(n, a) * fn(n, b) < 0)
                anhaengen(FindeNullstelle(n, a, b));
        }
        // A root exactly on the right end gives no sign change; test it too.
        if (IstNullstelle(n, grenzen.back()))
            anhaengen(grenzen.back());
    }
}

double Hauptfenster::FindeNullstelle(int k, double a, double b) const {
    // std::midpoint is (a + b) / 2, rounded once, and cannot overflow.
    double m = std::midpoint(a, b);
    while (b - a > 1e-11) {
        m = std::midpoint(a, b);
        if (mittelpunktBeobachter)
            mittelpunktBeobachter(m);
        // Doubles this far out cannot halve the interval any further.
        if (m == a || m == b)
            break;
        if (fn(k, a) * fn(k, m) > 0)
            a = m;
        else
            b = m;
    }
    return m;
}
