#include "Halbierung.h"
#include "Hauptfenster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

void ableitungenBilden(double (&tabelle)[13][13], int grad) {
    for (int i = 1; i <= grad; ++i)
        for (int j = 0; j <= grad + 1 - i; ++j)
            tabelle[i][j] = static_cast<double>(j + 1) * tabelle[i - 1][j + 1];
}

int exponent(double v) {
    int e = 0;
    std::frexp(v, &e);
    return e;
}

} // namespace

void Hauptfenster::Ableiten() {
    ableitungenBilden(Pnom, grad);

    // A power of two brings the largest coefficient into [1, 2): exact, so
    // the roots stay, while the values the search computes keep clear of
    // underflow. Never so far that the leading coefficient turns subnormal
    // or any other turns 0, which would make new roots. No derivative can
    // overflow then: the read-in refuses an equation whose derivatives or
    // interval bound overflow, and that leaves room for either guard.
    double groesster = 0.0;
    double kleinster = std::numeric_limits<double>::infinity();
    for (int j = 0; j <= grad; ++j) {
        const double betrag = std::abs(Pnom[0][j]);
        groesster = std::max(groesster, betrag);
        if (betrag != 0.0)
            kleinster = std::min(kleinster, betrag);
    }
    const int skala =
        std::max({1 - exponent(groesster),
                  exponent(std::numeric_limits<double>::min()) - exponent(Pnom[0][grad]),
                  exponent(std::numeric_limits<double>::denorm_min()) - exponent(kleinster)});

    for (auto& zeile : PnomSkaliert)
        std::fill(std::begin(zeile), std::end(zeile), 0.0);
    for (int j = 0; j <= grad; ++j)
        PnomSkaliert[0][j] = std::ldexp(Pnom[0][j], skala);
    ableitungenBilden(PnomSkaliert, grad);
}

double Hauptfenster::fn(int k, double x) const {
    double s = 0.0;
    for (int j = grad + 1; j >= 0; --j)
        s = x * s + Pnom[k][j];
    return s;
}

double Hauptfenster::wert(int k, double x) const {
    return horner(PnomSkaliert[k], grad - k, x);
}

bool Hauptfenster::IstNull(double v) const {
    return std::abs(v) < 1e-9;
}

bool Hauptfenster::IstNullstelle(int k, double x) const {
    // A root is a point whose value is no larger than the rounding error its
    // own Horner evaluation may have made: the running error bound, which
    // needs no tolerance and so holds at every scale.
    const double* p = PnomSkaliert[k];
    const int n = grad - k;
    const double ax = std::abs(x);
    double y = p[n];
    double mu = std::abs(y) / 2;
    for (int j = n - 1; j >= 0; --j) {
        y = x * y + p[j];
        mu = ax * mu + std::abs(y);
    }
    // An exact 0 is a root even where the bound has overflowed on the way.
    if (y == 0.0)
        return true;
    const double schranke = 0x1p-53 * (2 * mu - std::abs(y));
    return std::isfinite(y) && std::isfinite(schranke) && std::abs(y) <= schranke;
}
