#pragma once

// What must hold after any read-in and compute, whatever was typed: checked
// by the hostile-input, property and hard-equation tests and by the fuzzer.

#include "Hauptfenster.h"
#include "Rahmen.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>

// The roots of every row: counted, ascending, within the search interval,
// and the listed ones more than the merge distance apart. An empty text
// when all holds.
inline QString zeilenVerletzt(const Hauptfenster& w) {
    using namespace Qt::Literals::StringLiterals;
    for (int k = 0; k < w.grad; ++k) {
        const double anzahl = w.Nullstellen[k][0];
        if (anzahl != std::floor(anzahl) || anzahl < 0 || anzahl > w.grad - k)
            return u"row %1 counts %2 roots"_s.arg(k).arg(anzahl);
        if (k == w.grad - 1 && anzahl != 1)
            return u"the linear row counts %1 roots"_s.arg(anzahl);
        for (int i = 1; i <= static_cast<int>(anzahl); ++i) {
            const double r = w.Nullstellen[k][i];
            if (!(r >= w.xlinks && r <= w.xrechts))
                return u"root %1 of row %2 outside [%3, %4]"_s.arg(r).arg(k).arg(w.xlinks).arg(
                    w.xrechts);
            // The listed roots are more than the merge distance apart; a
            // derivative's roots, its cut points, only ascending.
            if (i > 1 && !(r - w.Nullstellen[k][i - 1] > (k == 0 ? 0.00001 : 0.0)))
                return u"row %1: roots %2 and %3 too close"_s.arg(k)
                    .arg(w.Nullstellen[k][i - 1], 0, 'g', 17)
                    .arg(r, 0, 'g', 17);
        }
    }
    return {};
}

// The numbered lines of the report, as NullstellenAusgeben writes them:
// one per listed root, each its number and its value to ten decimals.
inline QString wurzelzeilenVerletzt(const Hauptfenster& w, const QString& text) {
    using namespace Qt::Literals::StringLiterals;
    const int n = static_cast<int>(w.Nullstellen[0][0]);
    const QStringList zeilen = n > 0 ? text.split(u'\n') : QStringList();
    if (zeilen.size() != n)
        return u"report has %1 lines for %2 roots"_s.arg(zeilen.size()).arg(n);
    static const QRegularExpression zeile(
        u"^          x([0-9]+)  =  (-?[0-9]+(\\.[0-9]+)?) ([,.])$"_s);
    for (int i = 1; i <= n; ++i) {
        const auto m = zeile.match(zeilen[i - 1]);
        if (!m.hasMatch() || m.captured(1).toInt() != i ||
            m.captured(4) != (i < n ? u","_s : u"."_s))
            return u"report line %1: %2"_s.arg(i).arg(zeilen[i - 1]);
        const double r = w.Nullstellen[0][i];
        if (std::abs(Val(m.captured(2)) - (w.IstNull(r) ? 0.0 : r)) >
            1e-10 * std::max(1.0, std::abs(r)))
            return u"report line %1 writes %2 for %3"_s.arg(i)
                .arg(m.captured(2))
                .arg(r, 0, 'g', 17);
    }
    return {};
}

// The first broken invariant, or an empty text. Reads the fields in once
// more at the end, so the window's state changes.
inline QString invariantenVerletzt(Hauptfenster& w) {
    using namespace Qt::Literals::StringLiterals;
    const QString ausgabe = w.AusgabeF->toPlainText();
    if (ausgabe.contains(u"inf"_s, Qt::CaseInsensitive) ||
        ausgabe.contains(u"nan"_s, Qt::CaseInsensitive))
        return u"output holds inf or nan: "_s + ausgabe.left(200);

    const bool gelesen = w.EinleseB->isEnabled();
    if (!gelesen)
        return {};

    // Read in: every field shows a number as Str writes it.
    static const QRegularExpression zahl(u"^-?[0-9]+(\\.[0-9]+)?$"_s);
    for (int j = 0; j <= 10; ++j) {
        const QString t = w.xF[j]->text();
        if (!zahl.match(t).hasMatch())
            return u"field %1 shows %2"_s.arg(j).arg(t.left(100));
    }
    if (w.grad < 1 || w.grad > 10 || !(w.xlinks <= -2.0) || w.xrechts != -w.xlinks ||
        !std::isfinite(w.xrechts))
        return u"grad %1, interval [%2, %3]"_s.arg(w.grad).arg(w.xlinks).arg(w.xrechts);

    const bool gerechnet = ausgabe.startsWith(u"\nDie Gleichung    "_s);
    if (gerechnet) {
        if (QString f = zeilenVerletzt(w); !f.isEmpty())
            return f;
        // The report parses back into the sentence and its numbered lines.
        const int n = static_cast<int>(w.Nullstellen[0][0]);
        const QString satz = u"\nDie Gleichung    "_s + w.GleichungAusgeben();
        if (!ausgabe.startsWith(satz))
            return u"report does not quote the equation"_s;
        QString rest = ausgabe.mid(satz.size());
        if (n == 0 && rest != u"hat keine Lösungen."_s)
            return u"report without roots: "_s + rest;
        const QString einleitung =
            n == 1 ? u"hat als einzige Lösung "_s : u"hat die Lösungen \n\n"_s;
        if (n > 0 && !rest.startsWith(einleitung))
            return u"report of %1 roots: %2"_s.arg(n).arg(rest.left(100));
        if (QString f = wurzelzeilenVerletzt(w, rest.mid(einleitung.size())); !f.isEmpty())
            return f;
    }

    // What the fields show reads in as the same equation.
    double zeile0[11];
    std::copy(&w.Pnom[0][0], &w.Pnom[0][0] + 11, zeile0);
    bool erfolg = false;
    w.GleichungEinlesen(erfolg);
    if (!erfolg || !std::equal(zeile0, zeile0 + 11, &w.Pnom[0][0]))
        return u"the fields read in as another equation"_s;
    return {};
}
