#include "Hauptfenster.h"

#include <cmath>

void Hauptfenster::Ableiten() {
    for (int i = 1; i <= grad; ++i)
        for (int j = 0; j <= grad + 1 - i; ++j)
            Pnom[i][j] = static_cast<double>(j + 1) * Pnom[i - 1][j + 1];
}

double Hauptfenster::fn(int k, double x) const {
    double s = 0.0;
    for (int j = grad + 1; j >= 0; --j)
        s = x * s + Pnom[k][j];
    return s;
}

bool Hauptfenster::IstNull(double v) const {
    return std::abs(v) < 1e-9;
}

bool Hauptfenster::IstNullstelle(int k, double x) const {
    const double v = fn(k, x);
    if (!std::isfinite(v))
        return false;
    // Relative to the leading coefficient, so that an equation and any
    // multiple of it have the same roots.
    if (IstNull(v / std::abs(Pnom[0][grad])))
        return true;
    // Or the value is no larger than the rounding error of its own Horner
    // evaluation: a multiple root whose value drowns in that noise.
    const double ax = std::abs(x);
    double s = 0.0;
    for (int j = grad + 1; j >= 0; --j)
        s = ax * s + std::abs(Pnom[k][j]);
    return std::abs(v) <= 1e-13 * s;
}
