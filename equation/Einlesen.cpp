#include "Hauptfenster.h"
#include "Rahmen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

void Hauptfenster::Einlesen(Texte& texte) const {
    for (int j = 0; j <= 10; ++j)
        texte[j] = xF[j]->text();
}

namespace {

// Signs and digits as typography and East Asian input methods write them:
// a minus copied from a document must not turn into a plus by being dropped.
QChar alsAscii(QChar c) {
    switch (c.unicode()) {
    case u'\u2212': // minus sign
    case u'\u2012': // figure dash
    case u'\u2013': // en dash
    case u'\uFE63': // small hyphen-minus
    case u'\uFF0D': // fullwidth hyphen-minus
        return u'-';
    case u'\uFF0B':
        return u'+';
    case u'\uFF0C':
        return u',';
    case u'\uFF0E':
        return u'.';
    default:
        break;
    }
    if (c >= u'\uFF10' && c <= u'\uFF19')
        return QChar(u'0' + (c.unicode() - u'\uFF10'));
    return c;
}

} // namespace

void Hauptfenster::Reinigen(Texte& texte) const {
    const QString erlaubt = u"0123456789+-,."_s;
    // A number in scientific notation keeps its exponent letter; an "e"
    // anywhere else is dropped with the other letters.
    static const QRegularExpression wissenschaftlich(
        u"^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)[eE][+-]?[0-9]+$"_s);
    for (int j = 0; j <= 10; ++j) {
        QString& t = texte[j];
        std::transform(t.begin(), t.end(), t.begin(), alsAscii);
        t.replace(u',', u'.');
        const QString ohneLeerraum = QString(t).removeIf([](QChar ch) { return ch.isSpace(); });
        if (wissenschaftlich.match(ohneLeerraum).hasMatch())
            t = ohneLeerraum;
        else
            t.removeIf([&](QChar ch) { return !erlaubt.contains(ch); });
    }
}

void Hauptfenster::Umwandeln(const Texte& texte, Zahlen& zahlen) const {
    for (int j = 0; j <= 10; ++j)
        zahlen[j] = Val(texte[j]);
}

void Hauptfenster::Einsetzen(std::span<const double> zahlen) {
    for (int j = 0; j <= 10; ++j) {
        xF[j]->setText(Str(zahlen[j]));
        // A long number shows its start, the sign first.
        xF[j]->setCursorPosition(0);
    }
    // What the user types next into the field with the focus, or after a
    // click into it, replaces the number written there; a caret before a
    // "0" would make "-6" into "-60".
    if (auto* feld = qobject_cast<QLineEdit*>(focusWidget());
        feld && std::find(xF.begin(), xF.end(), feld) != xF.end()) {
        GanzWaehlen(feld);
        geklicktesFeld = feld;
    }
}

void Hauptfenster::GleichungEinlesen(bool& erfolg) {
    Texte texte;
    Zahlen zahlen{};
    zahlenbereichVerlassen = false;

    for (int i = 0; i <= 10; ++i)
        for (int j = 0; j <= 10; ++j)
            Pnom[i][j] = 0.0;

    Einlesen(texte);
    Reinigen(texte);
    Umwandeln(texte, zahlen);

    grad = 0;
    for (int i = 0; i <= 10; ++i)
        if (zahlen[i] != 0.0)
            grad = i;
    erfolg = grad > 0;

    if (erfolg) {
        for (int i = 0; i <= grad; ++i)
            Pnom[0][i] = zahlen[i];

        xrechts = std::abs(zahlen[0]);
        for (int i = 1; i <= grad - 1; ++i)
            xrechts = xrechts + std::abs(zahlen[i]);
        xrechts = xrechts / std::abs(zahlen[grad]);
        xrechts = std::max(2.0, xrechts);
        // The bound is attained where a_(grad-1) is the only other nonzero
        // coefficient, and its rounding may leave the root just outside:
        // widen it by a few units in the last place.
        if (std::isfinite(xrechts))
            xrechts = std::min(xrechts * (1 + 0x1p-49), std::numeric_limits<double>::max());
        xlinks = -xrechts;

        // The equation solved is the one the fields will show, each
        // coefficient as precise as its text.
        for (int i = 0; i <= 10; ++i)
            Koeffizienten[i] = i <= grad ? dezimalzahl(Str(zahlen[i]), zahlen[i]) : Dezimalzahl();
        exakt.gebildet = false;

        // The search needs the derivatives as well, and k! a_k overflows
        // long before a_k does: form them now, so that the read-in tells.
        Ableiten();
    }
    // A number beyond the double range, typed or derived, must not reach
    // the fields: they keep what the user typed, and no "inf" is written.
    const auto endlich = [](double z) { return std::isfinite(z); };
    const bool imBereich = std::all_of(zahlen.begin(), zahlen.end(), endlich) &&
                           (!erfolg || (std::isfinite(xrechts) &&
                                        std::all_of(&Pnom[0][0], &Pnom[0][0] + 13 * 13, endlich)));
    if (!imBereich) {
        zahlenbereichVerlassen = true;
        erfolg = false;
        return;
    }
    Einsetzen(zahlen);
    EinleseB->setEnabled(true);
}
