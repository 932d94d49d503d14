#pragma once

// A scripted answerer for the message-box seam, and short ways to type an
// equation into a window, solve it and read its output and roots.

#include "Hauptfenster.h"
#include "Rahmen.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

// Answers every message box from a script and records what it was shown.
// One-argument boxes need no answer. Restores the previous seam when it goes.
class Antworten {
public:
    struct Frage {
        QString text;
        int knoepfe;
        QString titel;
    };

    explicit Antworten(QList<int> antworten = {})
        : offen(std::move(antworten))
        , vorher(setzeMsgBoxSeam([this](const QString& text, int knoepfe, const QString& titel) {
            gezeigt.append({text, knoepfe, titel});
            return knoepfe == 0 || offen.isEmpty() ? 0 : offen.takeFirst();
        })) {}
    ~Antworten() { setzeMsgBoxSeam(std::move(vorher)); }
    Antworten(const Antworten&) = delete;
    Antworten& operator=(const Antworten&) = delete;

    QStringList texte() const {
        QStringList t;
        for (const Frage& f : gezeigt)
            t.append(f.text);
        return t;
    }

    QList<Frage> gezeigt;

private:
    QList<int> offen;
    MsgBoxSeam vorher;
};

// By object name, as a user or a screen reader finds the controls.
inline QLineEdit* feld(const Hauptfenster& w, int j) {
    return w.findChild<QLineEdit*>(QStringLiteral("x%1F").arg(j));
}

inline QPushButton* knopf(const Hauptfenster& w, const char* name) {
    return w.findChild<QPushButton*>(QString::fromLatin1(name));
}

inline QString ausgabe(const Hauptfenster& w) {
    return w.AusgabeF->toPlainText();
}

// Sets the texts of x0F, x1F, ... in that order; the other fields are emptied.
inline void eingeben(Hauptfenster& w, const QStringList& koeffizienten) {
    for (int j = 0; j <= 10; ++j)
        w.xF[j]->setText(koeffizienten.value(j));
}

// The roots found for the k-th derivative, ascending.
inline QList<double> wurzeln(const Hauptfenster& w, int k = 0) {
    const int anzahl = static_cast<int>(w.Nullstellen[k][0]);
    return QList<double>(&w.Nullstellen[k][1], &w.Nullstellen[k][1] + anzahl);
}

// Types the coefficients and reads them in; true when that succeeded.
inline bool einlesen(Hauptfenster& w, const QStringList& koeffizienten) {
    eingeben(w, koeffizienten);
    bool erfolg = false;
    w.GleichungEinlesen(erfolg);
    return erfolg;
}

// Reads the equation in and computes; any message box is recorded, not shown.
inline QString loesen(Hauptfenster& w, const QStringList& koeffizienten) {
    Antworten still;
    eingeben(w, koeffizienten);
    w.BerechneB1_Action();
    if (w.EinleseB->isEnabled())
        w.EinleseB_Action();
    return ausgabe(w);
}

// Where RIVEREV_BERICHTE names a file, appends the equation and the bits of
// every root of every row to it: two builds of the search compare by diff.
inline void protokollieren(const Hauptfenster& w, const QStringList& koeffizienten) {
    using namespace Qt::Literals::StringLiterals;
    static QFile protokoll(qEnvironmentVariable("RIVEREV_BERICHTE"));
    if (protokoll.fileName().isEmpty() ||
        (!protokoll.isOpen() && !protokoll.open(QIODevice::Append | QIODevice::Text)))
        return;
    QString zeile = koeffizienten.join(u" | "_s) + u" ->"_s;
    for (int k = 0; k < w.grad; ++k)
        for (int i = 1; i <= static_cast<int>(w.Nullstellen[k][0]); ++i)
            zeile += u" %1:%2"_s.arg(k).arg(w.Nullstellen[k][i], 0, 'g', 17);
    protokoll.write((zeile + u"\n"_s).toUtf8());
    protokoll.flush();
}
