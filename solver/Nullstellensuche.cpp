#include "Halbierung.h"
#include "Hauptfenster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Between 1e-9 and 1e5, x 1e10 in doubles lies within 1/16 of the exact product: where that
// leaves no doubt how it rounds, n is x in units of the report's tenth decimal.
bool zehntelMilliardstelSicher(double x, double& n) {
    const double z = x * 1e10;
    n = std::round(z);
    return std::abs(x) >= 1e-9 && std::abs(x) < 1e5 && std::abs(std::abs(z - n) - 0.5) > 0.0625;
}

} // namespace

void Hauptfenster::NullstellenBerechnen() {
    // The linear derivative's root in closed form, its enclosure made exact.
    const int g = grad;
    Wurzel& linear = wurzeln[g - 1][0];
    const double x = -Pnom[g - 1][0] / Pnom[g - 1][1];
    const int links = sicheresVorzeichen(g - 1, xlinks);
    const int rechts = sicheresVorzeichen(g - 1, xrechts);
    if (links == 0 || rechts == 0) {
        const double ende = links == 0 ? xlinks : xrechts;
        linear = {ende, ende, ende, g - 1, 0, false};
    } else {
        linear = {std::clamp(x, xlinks, xrechts), xlinks, xrechts, g - 1, links, false};
        if (g == 1)
            eingrenzen(linear);
        else
            zweiSchritte(linear);
    }
    Nullstellen[g - 1][0] = 1.0;
    Nullstellen[g - 1][1] = linear.wert;
    // Each derivative's roots cut the interval into pieces where the row above is monotone.
    for (int n = g - 2; n >= 0; --n)
        zeileLoesen(n, schnittpunkteBilden(n));
}

int Hauptfenster::schnittpunkteBilden(int n) {
    const int punkte = static_cast<int>(Nullstellen[n + 1][0]) + 2;
    for (int i = 0; i < punkte; ++i) {
        if (i == 0 || i == punkte - 1) {
            const double ende = i == 0 ? xlinks : xrechts;
            schnitte[i] = {ende, sicheresVorzeichen(n, ende), false};
        } else {
            Wurzel& w = wurzeln[n + 1][i - 1];
            schnitte[i] = {0.0, vorzeichenAmSchnitt(n, w), w.unsicher};
            schnitte[i].x = w.wert;
            Nullstellen[n + 1][i] = w.wert;
        }
    }
    // With a rounded coefficient a cut point within the shown uncertainty is a root too: the
    // multiple root rounding split or made complex.
    for (int i = 1; gerundet && i + 1 < punkte; ++i)
        if (schnitte[i].vorzeichen != 0 && IstNullstelle(n, schnitte[i].x))
            schnitte[i] = {schnitte[i].x, 0, true};
    return punkte;
}

void Hauptfenster::zeileLoesen(int n, int punkte) {
    std::array<Wurzel, 11> kandidaten{};
    int anzahl = 0;
    for (int i = 0; i < punkte; ++i) {
        const Schnitt& s = schnitte[i];
        if (s.vorzeichen == 0) {
            Wurzel& w = kandidaten[anzahl++];
            w = i == 0 || i == punkte - 1 ? Wurzel{s.x, s.x, s.x, n, 0, false}
                                          : wurzeln[n + 1][i - 1];
            w.unsicher = s.unsicher;
            continue;
        }
        // A root on the right end is that end's, as the next cut point.
        if (i + 1 == punkte || schnitte[i + 1].vorzeichen == 0)
            continue;
        if (s.vorzeichen * schnitte[i + 1].vorzeichen < 0 && s.x < schnitte[i + 1].x)
            kandidaten[anzahl++] = stueckWurzel(n, s.x, schnitte[i + 1].x, s.vorzeichen);
    }
    // Listed roots closer than the merge distance are listed once; a derivative keeps every root as
    // a cut point, however close, so each piece below stays monotone.
    const double abstand = n == 0 ? 0.00001 : 0.0;
    int behalten = 0;
    for (int i = 0; i < anzahl; ++i) {
        Wurzel& w = kandidaten[i];
        if (n == 0)
            eingrenzen(w);
        if (behalten == 0 || std::abs(w.wert - wurzeln[n][behalten - 1].wert) > abstand)
            wurzeln[n][behalten++] = w;
    }
    for (int i = 0; i < behalten; ++i)
        Nullstellen[n][i + 1] = wurzeln[n][i].wert;
    Nullstellen[n][0] = behalten;
}

int Hauptfenster::vorzeichenAmSchnitt(int n, Wurzel& w) {
    // A root only within the uncertainty stands for itself.
    if (w.unsicher)
        return sicheresVorzeichen(n, w.wert);
    // Row n has at xi, the root of row n + 1 in w, the sign it has at w.wert beyond the Taylor
    // term; else w narrows, once a root shared with row n is ruled out, which no narrowing would
    // show.
    bool eingegrenzt = false, bruch = false, geteilt = false;
    for (;;) {
        if (w.links == w.rechts)
            return sicheresVorzeichen(n, w.links);
        const FeineZeilen::Grenze taylor = taylorTerm(n, w);
        if (const int s = vorzeichenJenseits(n, w.wert, taylor))
            return s;
        if (!eingegrenzt) {
            // Where the noise stopped the halving early, two steps mostly close in enough.
            eingegrenzt = true;
            zweiSchritte(w);
            continue;
        }
        // A shared root is mostly a short fraction; else the common divisor tells, once the Taylor
        // term is down to the doubles' noise or w to neighbouring doubles.
        if (!bruch) {
            bruch = true;
            if (gemeinsamerBruch(n, w))
                return 0;
        } else if (!geteilt &&
                   (FeineZeilen::inEinheiten(taylor, skala) < fehlerSchranke(n, std::abs(w.wert)) ||
                    std::nextafter(w.links, w.rechts) == w.rechts)) {
            geteilt = true;
            if (gemeinsameWurzel(n, w))
                return 0;
        } else if (!verfeinern(w)) {
            return vorzeichenZwischenDoubles(n, w);
        }
    }
}

FeineZeilen::Grenze Hauptfenster::taylorTerm(int n, const Wurzel& w) const {
    // Row n differs at w.wert from its value at xi by at most half the width squared times a bound
    // of row n + 2; in twice the digits where doubles cannot hold that.
    const double breite = oben(w.rechts - w.links);
    const double weite = std::max(std::abs(w.links), std::abs(w.rechts));
    const double kruemmung = horner(schranken[n + 2].betrag, grad - n - 2, weite) * (1 + 0x1p-46);
    const double taylor = oben(oben(oben(kruemmung * breite) * breite) / 2);
    if (taylor > 0x1p-900 && std::isfinite(taylor))
        return {taylor, -skala};
    return feineZeilen().taylor(n, weite, breite);
}

bool Hauptfenster::gemeinsameWurzel(int n, Wurzel& w) {
    // xi, the only root of row w.herkunft in w, is a root of row n exactly where of their divisor.
    ExakteZeilen& e = exakteZeilen();
    const Ganzpolynom& teiler = e.gemeinsamerTeiler(n, w.herkunft);
    if (teiler.size() <= 1)
        return false;
    const int l = vorzeichenBei(teiler, w.links);
    const int r = vorzeichenBei(teiler, w.rechts);
    if (l == 0 || r == 0) {
        w.links = w.rechts = w.wert = l == 0 ? w.links : w.rechts;
        return true;
    }
    if (l == r)
        return false;
    // Listed as its nearest double, told exactly where it is a short fraction.
    while (verfeinern(w)) {
    }
    gemeinsamerBruch(n, w);
    return true;
}

bool Hauptfenster::gemeinsamerBruch(int n, Wurzel& w) {
    // Where the simplest fraction in w is a root of both rows, w closes in to the doubles about it.
    ExakteZeilen& e = exakteZeilen();
    mpz_class p, q;
    if (!(w.links < w.rechts && einfachsterBruch(w.links, w.rechts, p, q) &&
          e.nullstelleBeiBruch(w.herkunft, p, q) && e.nullstelleBeiBruch(n, p, q)))
        return false;
    int seite = 0;
    const double d = naechsterDouble(p, q, seite);
    const double nachbar = seite == 0 ? d : std::nextafter(d, seite * HUGE_VAL);
    w.links = std::max(w.links, std::min(d, nachbar));
    w.rechts = std::min(w.rechts, std::max(d, nachbar));
    w.wert = d;
    return true;
}

int Hauptfenster::vorzeichenZwischenDoubles(int n, Wurzel& w) {
    // Down to neighbouring doubles within the Taylor term: row n may have roots about xi closer
    // than the doubles, so the sign is taken at xi itself.
    w.wert = std::clamp(NullstelleVerfeinern(w.herkunft, w.wert), w.links, w.rechts);
    ExakteZeilen& e = exakteZeilen();
    const int amSchnitt = vorzeichenAnWurzel(e.zeile(n), e.zeile(w.herkunft), w.links, w.rechts);
    // The cut point is the double that carries xi's sign, the nearer first; where neither does, row
    // n has roots either side of xi within the gap, listed there once.
    const double anderer = w.wert == w.links ? w.rechts : w.links;
    for (const double d : {w.wert, anderer})
        if (sicheresVorzeichen(n, d) == amSchnitt) {
            w.wert = d;
            return amSchnitt;
        }
    return 0;
}

bool Hauptfenster::verfeinern(Wurzel& w) const {
    // One halving on the sign of the row with the simple root; false where doubles cannot halve.
    if (!(w.links < w.rechts))
        return false;
    Annaeherung halbierend{0, 1, 0.0};
    const bool weiter = naeher(w, halbierend) || w.links == w.rechts;
    w.wert = std::clamp(w.wert, w.links, w.rechts);
    return weiter;
}

Klammer Hauptfenster::halbierenIn(int k, double a, double b, int links) const {
    // No nonzero root of row k lies nearer 0 than Cauchy's bound for the reversed polynomial.
    const double* p = PnomSkaliert[k];
    const int n = grad - k;
    int unten = 0;
    while (unten < n && p[unten] == 0.0)
        ++unten;
    double darueber = 0.0;
    for (int j = unten + 1; j <= n; ++j)
        darueber = std::max(darueber, std::abs(p[j]));
    const double boden = 1e-11 * (std::abs(p[unten]) / (std::abs(p[unten]) + darueber));
    const auto genau = [this, k](double x) { return sicheresVorzeichen(k, x); };
    return halbieren([p, n](double x) { return horner(p, n, x); },
                     [this, k](double r) { return fehlerSchranke(k, r); }, genau, a, b, links,
                     boden);
}

double Hauptfenster::FindeNullstelle(int k, double a, double b) const {
    return halbierenIn(k, a, b, sicheresVorzeichen(k, a)).m;
}

Hauptfenster::Wurzel Hauptfenster::stueckWurzel(int n, double a, double b, int links) const {
    // Newton's steps go on where the halving stopped in the noise, and for every root of the
    // equation itself; a derivative's root is a cut point, whose enclosure counts.
    const Klammer k = halbierenIn(n, a, b, links);
    if (k.a == k.b)
        return {k.a, k.a, k.a, n, 0, false};
    Wurzel w{k.m, k.a, k.b, n, links, false};
    if (!(n == 0 || k.offen || gerundet))
        return w;
    // A root nearby may draw the steps out of the bracket: halving on certain signs then narrows
    // it to this root's own, else two roots would share a cut point.
    double x = NullstelleVerfeinern(n, k.m);
    while (!(x >= w.links && x <= w.rechts) && verfeinern(w))
        x = NullstelleVerfeinern(n, w.wert);
    w.wert = std::clamp(x, w.links, w.rechts);
    return w;
}

bool Hauptfenster::naeher(Wurzel& w, Annaeherung& n) const {
    // First at the double found, then up to four growing steps towards the root, then halving.
    // False once no point is left inside, or one is the root.
    double t = weiteMitte(w.links, w.rechts, 0.0);
    if (!(t > w.links && t < w.rechts))
        t = w.links / 2 + w.rechts / 2;
    if (n.richtung == 0 && n.schritte == 0) {
        t = w.wert;
    } else if (n.richtung != 0 && n.schritte < 4) {
        n.schritt = std::max(n.schritt * 16, 4 * (oben(std::abs(w.wert)) - std::abs(w.wert)));
        const double probe = w.wert + n.richtung * n.schritt;
        if (probe > w.links && probe < w.rechts)
            t = probe;
    }
    ++n.schritte;
    if (!(t > w.links && t < w.rechts))
        return false;
    const int s = sicheresVorzeichen(w.herkunft, t);
    if (s == 0) {
        w.links = w.rechts = w.wert = t;
        return false;
    }
    (s == w.vorzeichenLinks ? w.links : w.rechts) = t;
    if (t == w.wert)
        n.richtung = s == w.vorzeichenLinks ? 1 : -1;
    return true;
}

Hauptfenster::Annaeherung Hauptfenster::annaeherung(const Wurzel& w) {
    return {w.wert == w.links ? 1 : w.wert == w.rechts ? -1 : 0, 0, 0.0};
}

void Hauptfenster::zweiSchritte(Wurzel& w) const {
    if (w.unsicher)
        return;
    Annaeherung n = annaeherung(w);
    while (n.schritte < 2 && naeher(w, n)) {
    }
    w.wert = std::clamp(w.wert, w.links, w.rechts);
}

void Hauptfenster::eingrenzen(Wurzel& w) const {
    // A listed root closes in until both ends are shown alike, at most to neighbouring doubles.
    if (w.unsicher)
        return;
    // Two points as far either side as the doubles' bound reaches mostly close in enough where the
    // coefficients are no doubles and the doubles cannot tell signs near the root.
    Annaeherung n = annaeherung(w);
    if (n.richtung == 0) {
        const int k = w.herkunft;
        const double abstand =
            4 * fehlerSchranke(k, std::abs(w.wert)) / std::abs(wert(k + 1, w.wert));
        const double l = w.wert - abstand, r = w.wert + abstand;
        if (abstand < 1e-10 * std::max(1.0, std::abs(w.wert)) && l > w.links && r < w.rechts &&
            doublesVorzeichen(k, l) == w.vorzeichenLinks &&
            doublesVorzeichen(k, r) == -w.vorzeichenLinks) {
            w.links = l;
            w.rechts = r;
        }
    }
    GezeigteEnden enden;
    while (!enden.gleich(*this, w) && naeher(w, n)) {
    }
    w.wert = std::clamp(w.wert, w.links, w.rechts);
    if (w.links < w.rechts && !enden.gleich(*this, w) && grenzeEntscheiden(w))
        return;
    amGezeigtenText(w);
}

bool Hauptfenster::GezeigteEnden::gleich(const Hauptfenster& h, const Wurzel& w) {
    // Alike within a tenth of a billionth, or both as 0; an end is written out only when it moved.
    if (w.rechts - w.links > 2e-9)
        return false;
    if (w.links > -1e-9 && w.rechts < 1e-9)
        return true;
    double l = 0.0, r = 0.0;
    if (zehntelMilliardstelSicher(w.links, l) && zehntelMilliardstelSicher(w.rechts, r))
        return l == r;
    if (w.links != links) {
        links = w.links;
        linksGezeigt = h.gezeigt(links);
    }
    if (w.rechts != rechts) {
        rechts = w.rechts;
        rechtsGezeigt = h.gezeigt(rechts);
    }
    return linksGezeigt == rechtsGezeigt;
}

void Hauptfenster::amGezeigtenText(Wurzel& w) const {
    // A root within a unit of the last place of its shown number, such as 12.5, is listed as that.
    double n = 0.0;
    if (w.links == w.rechts)
        return;
    if (std::abs(w.wert) < 1 && zehntelMilliardstelSicher(w.wert, n) &&
        std::abs(w.wert * 1e10 - n) > 0.1 + 0.0625)
        return;
    const double text = gezeigt(w.wert);
    if (text == w.wert || !(text > w.links && text < w.rechts) ||
        !(std::abs(w.wert - text) <= 1e-11 * std::max(1.0, std::abs(text))))
        return;
    const int s = sicheresVorzeichen(w.herkunft, text);
    if (s == 0) {
        w.links = w.rechts = w.wert = text;
        return;
    }
    const double nachbar = std::nextafter(text, s == w.vorzeichenLinks ? w.rechts : w.links);
    if (nachbar > w.links && nachbar < w.rechts && sicheresVorzeichen(w.herkunft, nachbar) != s) {
        (s == w.vorzeichenLinks ? w.links : w.rechts) = text;
        (s == w.vorzeichenLinks ? w.rechts : w.links) = nachbar;
        w.wert = text;
    }
}

bool Hauptfenster::grenzeEntscheiden(Wurzel& w) const {
    // From 1e6 on a double is shown as itself: of two neighbours the one nearer the root, by the
    // exact sign at their midpoint; a root just between goes away from 0.
    if (std::max(std::abs(w.links), std::abs(w.rechts)) >= 1e6 &&
        std::nextafter(w.links, w.rechts) == w.rechts) {
        const mpq_class mitte = (mpq_class(w.links) + mpq_class(w.rechts)) / 2;
        const int s =
            vorzeichenBeiBruch(exakteZeilen().zeile(w.herkunft), mitte.get_num(), mitte.get_den());
        w.wert = s == 0 ? (w.links < 0 ? w.links : w.rechts)
                        : (s == w.vorzeichenLinks ? w.rechts : w.links);
        return true;
    }
    // Down to neighbouring doubles about the halfway point of two ten-decimal numbers: the root's
    // side of it, taken exactly, tells which one it rounds to.
    const auto zehntelMilliardstel = [this](double x, std::int64_t& n) {
        const double g = gezeigt(x);
        if (!(std::abs(g) < 1e6))
            return false;
        n = std::llround(g * 1e10);
        return true;
    };
    std::int64_t links = 0, rechts = 0;
    if (!zehntelMilliardstel(w.links, links) || !zehntelMilliardstel(w.rechts, rechts))
        return false;
    // The report shows 0 for a root smaller than 1e-9.
    mpz_class zaehler, nenner = 20000000000;
    if (links == 0 && rechts == 10)
        zaehler = 20;
    else if (links == -10 && rechts == 0)
        zaehler = -20;
    else if (rechts - links == 1)
        zaehler = static_cast<long>(links + rechts);
    else
        return false;
    const int s = vorzeichenBeiBruch(exakteZeilen().zeile(w.herkunft), zaehler, nenner);
    // The end on the root's side shows as the root rounds, and stays within the interval; a root
    // just halfway goes away from 0.
    if (s == 0)
        w.wert = zaehler > 0 ? w.rechts : w.links;
    else
        w.wert = s == w.vorzeichenLinks ? w.rechts : w.links;
    return true;
}

double Hauptfenster::NullstelleVerfeinern(int k, double x) const {
    // A few Newton steps on the compensated value take the root to its last digits, each only while
    // the value falls, which also stops at an infinite or NaN point.
    double v = genauerWert(k, x);
    for (int schritt = 0; schritt < 4 && v != 0.0; ++schritt) {
        const double neu = x - v / wert(k + 1, x);
        if (neu == x)
            break;
        const double w = genauerWert(k, neu);
        if (!(std::abs(w) < std::abs(v)))
            break;
        x = neu;
        v = w;
    }
    return x;
}
