#pragma once

// The entry points of the two fuzzers and of the corpus replay: bytes become
// the eleven field texts, which are read in and, when the read-in succeeds,
// solved; then the oracle judges the roots where the fields show exact
// texts, and the invariants are checked. einstieg goes through the window's
// fields and buttons; einstiegRechnung through the same reader and search
// without touching a widget, many times faster.

#include "Invarianten.h"
#include "Orakel.h"
#include "Pruefhilfe.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>

// The first byte chooses the decoding: odd means raw UTF-16, so that lone
// surrogates reach the fields; even means UTF-8. Fields are split at '\n'.
inline QStringList feldtexte(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0)
        return {};
    QString text;
    if (daten[0] & 1) {
        for (std::size_t i = 1; i + 1 < groesse; i += 2)
            text.append(QChar(static_cast<char16_t>(daten[i] | (daten[i + 1] << 8))));
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char*>(daten + 1),
                                 static_cast<qsizetype>(groesse - 1));
    }
    return text.split(u'\n').mid(0, 11);
}

// An empty text when all holds, else what broke.
inline QString einstieg(const std::uint8_t* daten, std::size_t groesse) {
    using namespace Qt::Literals::StringLiterals;
    static Hauptfenster* fenster = [] {
        setzeMsgBoxSeam([](const QString&, int, const QString&) { return MsgBoxNein; });
        return new Hauptfenster;
    }();
    eingeben(*fenster, feldtexte(daten, groesse));
    fenster->BerechneB1_Action();
    if (fenster->EinleseB->isEnabled())
        fenster->EinleseB_Action();
    QString fehler = orakel::urteil(*fenster);
    if (!fehler.isEmpty()) {
        QStringList texte;
        for (const QLineEdit* feld : fenster->xF)
            texte.append(feld->text());
        fehler = u"wrong answer: "_s + fehler + u" for "_s + texte.join(u" | "_s);
    } else {
        fehler = invariantenVerletzt(*fenster);
    }
    // No event loop runs here: deliver what the widgets posted, as the
    // program's loop would, or it piles up from one input to the next.
    QCoreApplication::sendPostedEvents();
    return fehler;
}

// An empty text when all holds, else what broke.
inline QString einstiegRechnung(const std::uint8_t* daten, std::size_t groesse) {
    using namespace Qt::Literals::StringLiterals;
    // Holds the equation state; never shown, and no widget of it is touched.
    static Hauptfenster* rechner = new Hauptfenster;
    const QStringList felder = feldtexte(daten, groesse);
    Hauptfenster::Texte texte;
    for (int j = 0; j <= 10; ++j)
        texte[j] = felder.value(j);
    Hauptfenster::Zahlen zahlen{};
    bool erfolg = false;
    rechner->GleichungAufstellen(texte, zahlen, erfolg);
    if (!erfolg)
        return {};
    std::fill(&rechner->Nullstellen[0][0], &rechner->Nullstellen[0][0] + 11 * 11, 0.0);
    rechner->Ableiten();
    rechner->NullstellenBerechnen();

    QStringList gezeigt; // what the fields would show: a kept typed number, else the double's text
    for (int j = 0; j <= 10; ++j)
        gezeigt.append(rechner->behalteneTexte[j].isEmpty() ? Str(zahlen[j])
                                                            : rechner->behalteneTexte[j]);
    const QString zeilen = rechner->NullstellenAusgeben();
    QString fehler =
        orakel::exakt(gezeigt) ? orakel::urteil(gezeigt, orakel::gezeigt(zeilen)) : QString();
    if (!fehler.isEmpty())
        return u"wrong answer: "_s + fehler + u" for "_s + gezeigt.join(u" | "_s);
    fehler = zeilenVerletzt(*rechner);
    if (fehler.isEmpty())
        fehler = wurzelzeilenVerletzt(*rechner, zeilen);
    if (!fehler.isEmpty())
        return fehler + u" for "_s + gezeigt.join(u" | "_s);

    // What the fields would show reads in as the same equation.
    double zeile0[11];
    std::copy(&rechner->Pnom[0][0], &rechner->Pnom[0][0] + 11, zeile0);
    for (int j = 0; j <= 10; ++j)
        texte[j] = gezeigt[j];
    rechner->GleichungAufstellen(texte, zahlen, erfolg);
    if (!erfolg || !std::equal(zeile0, zeile0 + 11, &rechner->Pnom[0][0]))
        return u"the shown texts read in as another equation: "_s + gezeigt.join(u" | "_s);
    return {};
}
