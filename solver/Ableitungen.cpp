#include "Halbierung.h"
#include "Hauptfenster.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double u = 0x1p-53;
// Added to every coefficient of a bound: what underflow may lose, also in the bound's own.
constexpr double unterlauf = 0x1p-1073;

void ableitungenBilden(double (&tabelle)[13][13], int grad) {
    for (int i = 1; i <= grad; ++i)
        ableiten(tabelle[i - 1], tabelle[i], grad + 2 - i, [](double c, int f) { return f * c; });
}

int exponent(double v) {
    int e = 0;
    std::frexp(v, &e);
    return e;
}

// As far as a number that rounds to v can lie from it, times 2^skala; halved after scaling.
double halbeEinheit(double v, int skala) {
    const double a = std::abs(v);
    const double luecke = std::nextafter(a, std::numeric_limits<double>::infinity()) - a;
    return std::ldexp(luecke, skala - 1);
}

// A bound in doubles from nonnegative terms, safe against its own rounding.
double sicherGerundet(double v) {
    return v * (1 + 0x1p-46);
}

} // namespace

void Hauptfenster::Ableiten() {
    ableitungenBilden(Pnom, grad);
    // Formed anew when a search needs them, so every search costs the same.
    exakt.gebildet = false;
    fein.gebildet = false;

    // A power of two brings the largest coefficient into [1, 2): exact, so the roots stay, and the
    // values keep clear of underflow; never so far that the leading coefficient turns subnormal or
    // another 0. The read-in refuses equations whose derivatives could overflow.
    double groesster = 0.0;
    double kleinster = std::numeric_limits<double>::infinity();
    for (int j = 0; j <= grad; ++j) {
        const double betrag = std::abs(Pnom[0][j]);
        groesster = std::max(groesster, betrag);
        if (betrag != 0.0)
            kleinster = std::min(kleinster, betrag);
    }
    skala = std::max({1 - exponent(groesster),
                      exponent(std::numeric_limits<double>::min()) - exponent(Pnom[0][grad]),
                      exponent(std::numeric_limits<double>::denorm_min()) - exponent(kleinster)});

    for (auto& zeile : PnomSkaliert)
        std::fill(std::begin(zeile), std::end(zeile), 0.0);
    for (int j = 0; j <= grad; ++j)
        PnomSkaliert[0][j] = std::ldexp(Pnom[0][j], skala);
    ableitungenBilden(PnomSkaliert, grad);
    SchrankenBilden();
    // Rounding never lands on a multiple root: where the shown numbers have one, they are exact.
    if (gerundet && exakteZeilen().gemeinsamerTeiler(0, 1).size() > 1)
        gerundet = false;
    if (gerundet)
        UnsicherheitBilden();
}

void Hauptfenster::SchrankenBilden() {
    // How far each scaled double may lie from the exact coefficient: row 0's distance from its
    // shown number and every rounding of the derivatives, carried down.
    gerundet = false;
    dezimal = false;
    for (int k = 0; k <= grad; ++k) {
        Zeilenschranken& z = schranken[k];
        const int n = grad - k;
        for (int j = 0; j <= n; ++j) {
            const double d = PnomSkaliert[k][j];
            double fehler = 0.0;
            if (k == 0) {
                const Dezimalzahl& gezeigt = Koeffizienten[static_cast<std::size_t>(j)];
                gerundet = gerundet || gezeigt.gerundet;
                dezimal = dezimal || !gezeigt.wieDouble;
                if (!gezeigt.wieDouble)
                    fehler = oben(halbeEinheit(Pnom[0][j], skala));
                if (std::ldexp(d, -skala) != Pnom[0][j])
                    fehler = oben(fehler + 0x1p-1074);
            } else {
                const double faktor = j + 1;
                const double vorher = PnomSkaliert[k - 1][j + 1];
                const double rundung = std::abs(std::fma(faktor, vorher, -d));
                fehler = faktor * schranken[k - 1].fehler[j + 1] + rundung;
                if (d != 0.0 && std::abs(d) < 0x1p-969)
                    fehler += 0x1p-1074;
                if (fehler != 0.0)
                    fehler = oben(fehler);
            }
            z.fehler[j] = fehler;
            z.betrag[j] = oben(std::abs(d) + fehler + unterlauf);
            z.horner[j] = oben((2 * n + 1) * u * std::abs(d) + fehler + unterlauf);
        }
    }
}

void Hauptfenster::UnsicherheitBilden() {
    // A printed double stands for any number within a unit of its last place: so does every
    // coefficient that is not exactly its double. Exact in doubles down the derivatives.
    for (int j = 0; j <= grad; ++j) {
        const double a = std::abs(Pnom[0][j]);
        const double einheit = a < DBL_MIN ? 0x1p-1074 : std::ldexp(1.0, std::ilogb(a) - 52);
        schranken[0].unsicher[j] =
            Koeffizienten[static_cast<std::size_t>(j)].wieDouble ? 0.0 : einheit;
    }
    for (int k = 1; k <= grad; ++k)
        ableiten(schranken[k - 1].unsicher, schranken[k].unsicher, grad - k + 1,
                 [](double c, int f) { return f * c; });
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

double Hauptfenster::fehlerSchranke(int k, double r) const {
    return sicherGerundet(horner(schranken[k].horner, grad - k, r));
}

FeineZeilen& Hauptfenster::feineZeilen() const {
    if (!fein.gebildet)
        fein.bilden(Koeffizienten, grad);
    return fein;
}

ExakteZeilen& Hauptfenster::exakteZeilen() const {
    if (!exakt.gebildet)
        exakt.bilden(Koeffizienten, grad);
    return exakt;
}

int Hauptfenster::sicheresVorzeichen(int k, double x) const {
    return vorzeichenJenseits(k, x, {0.0, 0});
}

int Hauptfenster::vorzeichenJenseits(int k, double x, FeineZeilen::Grenze rand) const {
    // The ladder: doubles with their bound, twice the digits (which also tell an exact 0), exact
    // integers. rand beyond the doubles counts as infinite in them.
    const double wertHier = wert(k, x), y = std::abs(wertHier);
    const double fehler = fehlerSchranke(k, std::abs(x));
    const double randHier = FeineZeilen::inEinheiten(rand, skala);
    const double schranke = randHier == 0.0 ? fehler : oben(fehler + oben(randHier));
    if (y > schranke && y <= std::numeric_limits<double>::max()) {
        ++entschieden.doubles;
        return vorzeichen(wertHier);
    }
    // Within rand in doubles: narrowing, not a finer stage, will show the sign.
    if (y <= randHier && y > 0x1p-900 && randHier <= std::numeric_limits<double>::max()) {
        ++entschieden.doubles;
        return 0;
    }
    const FeineZeilen::Urteil fein = feineZeilen().urteil(k, x, rand);
    if (fein.vorzeichen != 0 || fein.null || fein.innen) {
        ++entschieden.fein;
        return fein.vorzeichen;
    }
    ++entschieden.exakt;
    ExakteZeilen& e = exakteZeilen();
    if (rand.mantisse == 0.0)
        return vorzeichenBei(e.zeile(k), x);
    // Rounded towards 0, so beyond rand is beyond it exactly.
    const double v = wertBei(e.zeile(k), e.zehnerExponent, skala, x);
    return std::abs(v) * (1 - 0x1p-46) > oben(randHier) ? vorzeichen(v) : 0;
}

int Hauptfenster::doublesVorzeichen(int k, double x) const {
    const double y = wert(k, x);
    return std::abs(y) > fehlerSchranke(k, std::abs(x)) &&
                   std::abs(y) <= std::numeric_limits<double>::max()
               ? vorzeichen(y)
               : 0;
}

bool Hauptfenster::innerhalbUnsicherheit(int k, double x) const {
    const double ax = std::abs(x);
    const double y = std::abs(wert(k, x));
    const double fehler = fehlerSchranke(k, ax);
    // Horner over nonnegative terms errs by less than 2^-48 relatively, but for underflow.
    const double u = std::ldexp(horner(schranken[k].unsicher, grad - k, ax), skala);
    if (std::isfinite(y) && std::isfinite(u)) {
        if (sicherGerundet(y + fehler) <= (u < 0x1p-1000 ? 0.0 : u * (1 - 0x1p-46)))
            return true;
        if ((y - fehler) * (1 - 0x1p-46) > oben(u * (1 + 0x1p-46)))
            return false;
    }
    ExakteZeilen& e = exakteZeilen();
    return betragHoechstens(e.zeile(k), e.zehnerExponent, schranken[k].unsicher, grad - k, x);
}

bool Hauptfenster::IstNull(double v) const {
    return std::abs(v) < 1e-9;
}

bool Hauptfenster::IstNullstelle(int k, double x) const {
    // Exactly where every coefficient is exact, within the shown uncertainty where some is rounded.
    return gerundet ? innerhalbUnsicherheit(k, x) : sicheresVorzeichen(k, x) == 0;
}

double Hauptfenster::genauerWert(int k, double x) const {
    // Exact decimals: the doubles' equation may have its roots elsewhere, or none, where roots lie
    // close. A rounded coefficient stands for its double.
    if (dezimal && !gerundet) {
        const FeineZeilen::Wert w = feineZeilen().wert(k, x);
        if (w.gueltig)
            return std::ldexp(w.r, skala - w.s);
    }
    // Where a step overflowed, its error terms are NaN: plain Horner then.
    const double r = kompensiert<true>(PnomSkaliert[k], nullptr, nullptr, grad - k, x).r;
    return std::isfinite(r) ? r : wert(k, x);
}
