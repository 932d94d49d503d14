#pragma once

// An independent judge of a report: FLINT's exact integers and Sturm's
// sequence on the square-free part of the equation, by other means than the
// chain of derivatives the search walks. It judges an equation whose shown
// texts are exact as the program takes them, against the texts of the listed
// roots.

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <flint/fmpq.h>
#include <flint/fmpq_poly.h>
#include <flint/fmpz_poly.h>
#include <memory>
#include <vector>

namespace orakel {

using namespace Qt::Literals::StringLiterals;

// The significant digits of a decimal text: from the first nonzero digit to
// the last.
inline int stellen(const QString& text) {
    static const QRegularExpression ziffern(u"[1-9]([0-9.]*[1-9])?"_s);
    return static_cast<int>(ziffern.match(text).captured(0).remove(u'.').size());
}

// RAII for FLINT's rationals and polynomials.
struct Bruch {
    fmpq_t q;
    Bruch() { fmpq_init(q); }
    // A decimal text: sign, digits and a point.
    explicit Bruch(const QString& text) {
        fmpq_init(q);
        QString ziffern = text;
        const bool negativ = ziffern.startsWith(u'-');
        ziffern.remove(u'-');
        const qsizetype punkt = ziffern.indexOf(u'.');
        const long nachkomma = punkt < 0 ? 0 : static_cast<long>(ziffern.size() - punkt - 1);
        ziffern.remove(u'.');
        fmpz_t z, n;
        fmpz_init(z);
        fmpz_init(n);
        fmpz_set_str(z, ziffern.isEmpty() ? "0" : ziffern.toLatin1().constData(), 10);
        fmpz_set_ui(n, 10);
        fmpz_pow_ui(n, n, static_cast<ulong>(nachkomma));
        if (negativ)
            fmpz_neg(z, z);
        fmpq_set_fmpz_frac(q, z, n);
        fmpz_clear(z);
        fmpz_clear(n);
    }
    Bruch(const Bruch& b) {
        fmpq_init(q);
        fmpq_set(q, b.q);
    }
    Bruch& operator=(const Bruch&) = delete;
    ~Bruch() { fmpq_clear(q); }
};

struct Polynom {
    fmpq_poly_t p;
    Polynom() { fmpq_poly_init(p); }
    Polynom(const Polynom&) = delete;
    Polynom& operator=(const Polynom&) = delete;
    ~Polynom() { fmpq_poly_clear(p); }
};

struct Ganz {
    fmpz_poly_t p;
    Ganz() { fmpz_poly_init(p); }
    Ganz(const Ganz&) = delete;
    Ganz& operator=(const Ganz&) = delete;
    ~Ganz() { fmpz_poly_clear(p); }
};

// Sturm's sequence of a square-free polynomial: the number of its distinct
// real roots in [a, b] from the sign changes at both ends. Each member is
// kept as an integer polynomial, a positive multiple of the true one, and
// signed at p/q as q^n f(p/q): no fraction is ever reduced, which would
// cost the most.
class Sturm {
public:
    explicit Sturm(const fmpq_poly_t quadratfrei) {
        folge.push_back(std::make_unique<Ganz>());
        fmpq_poly_get_numerator(folge[0]->p, quadratfrei);
        folge.push_back(std::make_unique<Ganz>());
        fmpz_poly_derivative(folge[1]->p, folge[0]->p);
        fmpz_t inhalt;
        fmpz_init(inhalt);
        while (fmpz_poly_degree(folge.back()->p) > 0) {
            const fmpz_poly_struct* a = folge[folge.size() - 2]->p;
            const fmpz_poly_struct* b = folge.back()->p;
            // lc(b)^d a = q b + r: the remainder's sign is r's where that
            // power is positive.
            auto rest = std::make_unique<Ganz>();
            ulong d = 0;
            fmpz_poly_pseudo_rem(rest->p, &d, a, b);
            if (fmpz_sgn(fmpz_poly_lead(b)) > 0 || d % 2 == 0)
                fmpz_poly_neg(rest->p, rest->p);
            if (fmpz_poly_is_zero(rest->p))
                break;
            fmpz_poly_content(inhalt, rest->p);
            fmpz_poly_scalar_divexact_fmpz(rest->p, rest->p, inhalt);
            folge.push_back(std::move(rest));
        }
        fmpz_clear(inhalt);
    }

    // In [a, b], a < b.
    long wurzelnIn(const Bruch& a, const Bruch& b) const {
        return wechsel(a) - wechsel(b) + (vorzeichen(0, a) == 0 ? 1 : 0);
    }
    // In (a, b).
    long wurzelnZwischen(const Bruch& a, const Bruch& b) const {
        return wechsel(a) - wechsel(b) - (vorzeichen(0, b) == 0 ? 1 : 0);
    }

private:
    int vorzeichen(std::size_t i, const Bruch& x) const {
        const fmpz_poly_struct* f = folge[i]->p;
        const slong n = fmpz_poly_degree(f);
        if (n < 0)
            return 0;
        fmpz_t summe, potenz;
        fmpz_init_set(summe, fmpz_poly_lead(f));
        fmpz_init_set_ui(potenz, 1);
        for (slong j = n - 1; j >= 0; --j) {
            fmpz_mul(summe, summe, fmpq_numref(x.q));
            fmpz_mul(potenz, potenz, fmpq_denref(x.q));
            fmpz_addmul(summe, f->coeffs + j, potenz);
        }
        const int s = fmpz_sgn(summe);
        fmpz_clear(summe);
        fmpz_clear(potenz);
        return s;
    }
    long wechsel(const Bruch& x) const {
        long anzahl = 0;
        int vorher = 0;
        for (std::size_t i = 0; i < folge.size(); ++i) {
            const int s = vorzeichen(i, x);
            if (s == 0)
                continue;
            anzahl += vorher != 0 && s != vorher;
            vorher = s;
        }
        return anzahl;
    }
    std::vector<std::unique_ptr<Ganz>> folge;
};

// Whether the texts are exactly the equation the program solves: none of them a printed double
// (16 or 17 digits, not exactly its double), or the numbers have a multiple root.
inline bool exakt(const QStringList& texte) {
    Polynom p, ableitung, teiler;
    bool gedruckt = false;
    for (int j = 0; j < texte.size(); ++j) {
        const Bruch b(texte[j]);
        fmpq_poly_set_coeff_fmpq(p.p, j, b.q);
        const int s = stellen(texte[j]);
        if (s < 16 || s > 17)
            continue;
        int e = 0;
        const double m = std::frexp(texte[j].toDouble(), &e);
        Bruch d;
        fmpq_set_si(d.q, static_cast<slong>(std::ldexp(m, 53)), 1);
        if (e >= 53)
            fmpq_mul_2exp(d.q, d.q, static_cast<ulong>(e - 53));
        else
            fmpq_div_2exp(d.q, d.q, static_cast<ulong>(53 - e));
        gedruckt = gedruckt || !fmpq_equal(b.q, d.q);
    }
    if (!gedruckt)
        return true;
    fmpq_poly_derivative(ableitung.p, p.p);
    fmpq_poly_gcd(teiler.p, p.p, ableitung.p);
    return fmpq_poly_degree(teiler.p) > 0;
}

inline Bruch plus(const Bruch& a, const QString& b) {
    Bruch r;
    fmpq_add(r.q, a.q, Bruch(b).q);
    return r;
}

// An empty text when the listed roots are the equation's real roots as the
// report must show them: each the correct rounding to ten decimals of a
// real root (a 0 for any root smaller than 1e-9), and every real root at or
// up to 0.00001 to the right of a listed one, which the merge keeps for the
// roots closer than that. Otherwise a short reason.
inline QString urteil(const QStringList& texte, const QStringList& gezeigt) {
    Polynom p, ableitung, teiler, quadratfrei;
    for (int j = 0; j < texte.size(); ++j)
        fmpq_poly_set_coeff_fmpq(p.p, j, Bruch(texte[j]).q);
    if (fmpq_poly_degree(p.p) < 1)
        return u"no equation"_s;
    fmpq_poly_derivative(ableitung.p, p.p);
    fmpq_poly_gcd(teiler.p, p.p, ableitung.p);
    fmpq_poly_div(quadratfrei.p, p.p, teiler.p);

    // The count of real roots, by FLINT's own method, on the integers.
    fmpz_poly_t ganz;
    fmpz_poly_init(ganz);
    fmpq_poly_get_numerator(ganz, quadratfrei.p);
    const long reell = fmpz_poly_num_real_roots(ganz);
    fmpz_poly_clear(ganz);

    const Sturm sturm(quadratfrei.p);
    // Every root lies within Cauchy's bound 1 + max |a_j / a_n|.
    Bruch grenze, q, fuehrend;
    fmpq_poly_get_coeff_fmpq(fuehrend.q, quadratfrei.p, fmpq_poly_degree(quadratfrei.p));
    for (slong j = 0; j < fmpq_poly_degree(quadratfrei.p); ++j) {
        fmpq_poly_get_coeff_fmpq(q.q, quadratfrei.p, j);
        fmpq_div(q.q, q.q, fuehrend.q);
        fmpq_abs(q.q, q.q);
        if (fmpq_cmp(q.q, grenze.q) > 0)
            fmpq_set(grenze.q, q.q);
    }
    fmpq_add_si(grenze.q, grenze.q, 1);
    Bruch links;
    fmpq_neg(links.q, grenze.q);

    // Each listed root stands for the roots in its window: from where its
    // text could round from, to 0.00001 beyond; no root may lie between two
    // windows.
    if (sturm.wurzelnIn(links, grenze) != reell)
        return u"Sturm counts %1 real roots, FLINT %2"_s.arg(sturm.wurzelnIn(links, grenze))
            .arg(reell);
    const auto text = [](const Bruch& b) { return QString::number(fmpq_get_d(b.q), 'g', 12); };
    for (int i = 0; i < gezeigt.size(); ++i) {
        const Bruch t(gezeigt[i]);
        const bool null = fmpq_is_zero(t.q);
        // Half a unit of the tenth decimal; where doubles are coarser, a
        // unit in the last place of the double shown.
        Bruch halb(null ? u"0.000000001"_s : u"0.00000000005"_s);
        int e = 0;
        std::frexp(fmpq_get_d(t.q), &e);
        Bruch einheit(u"1"_s);
        if (e - 52 >= 0)
            fmpq_mul_2exp(einheit.q, einheit.q, static_cast<ulong>(e - 52));
        else
            fmpq_div_2exp(einheit.q, einheit.q, static_cast<ulong>(52 - e));
        if (fmpq_cmp(einheit.q, halb.q) > 0)
            fmpq_set(halb.q, einheit.q);
        Bruch unten, oben;
        fmpq_sub(unten.q, t.q, halb.q);
        fmpq_add(oben.q, t.q, halb.q);
        if (fmpq_cmp(links.q, unten.q) < 0 && sturm.wurzelnZwischen(links, unten) > 0)
            return u"%1 real roots in (%2, %3) not listed"_s
                .arg(sturm.wurzelnZwischen(links, unten))
                .arg(text(links), text(unten));
        if (sturm.wurzelnIn(unten, oben) == 0)
            return u"root %1 is not a correctly rounded root"_s.arg(gezeigt[i]);
        fmpq_add(links.q, oben.q, Bruch(u"0.00001"_s).q);
    }
    if (fmpq_cmp(links.q, grenze.q) < 0 && sturm.wurzelnZwischen(links, grenze) > 0)
        return u"%1 real roots in (%2, %3) not listed"_s.arg(sturm.wurzelnZwischen(links, grenze))
            .arg(text(links), text(grenze));
    return {};
}

} // namespace orakel

#include "Hauptfenster.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orakel {

// The texts of the listed roots, as a report writes them.
inline QStringList gezeigt(const QString& bericht) {
    static const QRegularExpression zeile(u"x[0-9]+  =  (-?[0-9.]+) [,.]"_s);
    QStringList wurzeln;
    for (auto treffer = zeile.globalMatch(bericht); treffer.hasNext();)
        wurzeln.append(treffer.next().captured(1));
    return wurzeln;
}

inline QStringList gezeigt(const Hauptfenster& w) {
    return gezeigt(w.AusgabeF->toPlainText());
}

// The judgement of the window's report on the equation its fields show, or
// an empty text; geurteilt tells whether there was a report to judge, on
// exact texts.
inline QString urteil(const Hauptfenster& w, bool* geurteilt = nullptr) {
    QStringList texte;
    for (const QLineEdit* feld : w.xF)
        texte.append(feld->text());
    // Only a report of the equation read in last, which the fields still show.
    const bool judged = w.EinleseB->isEnabled() &&
                        w.AusgabeF->toPlainText().startsWith(u"\nDie Gleichung"_s) && exakt(texte);
    if (geurteilt)
        *geurteilt = judged;
    return judged ? urteil(texte, gezeigt(w)) : QString();
}

} // namespace orakel
