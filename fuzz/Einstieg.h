#pragma once

// The one entry point of the fuzzer and of the corpus replay: bytes become
// the eleven field texts, which are read in and, when the read-in succeeds,
// solved; then the oracle judges the roots where the fields show exact
// texts, and every invariant is checked.

#include "Invarianten.h"
#include "Orakel.h"
#include "Pruefhilfe.h"

#include <QCoreApplication>
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
