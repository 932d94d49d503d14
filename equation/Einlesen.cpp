#include "Hauptfenster.h"
#include "Rahmen.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

void Hauptfenster::Einlesen(Texte& texte) const {
    for (int j = 0; j <= 10; ++j)
        texte[j] = xF[j]->text();
}

namespace {

// Signs, digits and exponent letters as typography, documents and input
// methods write them: a minus copied from a document must not turn into a
// plus by being dropped. The decimal comma becomes a point.
QChar alsAscii(QChar c) {
    // Nearly every character typed is ASCII: those need no table.
    if (c.unicode() < 0x80)
        return c == u',' ? QChar(u'.') : c == u'E' ? QChar(u'e') : c;
    switch (c.unicode()) {
    case u'\u2212': // minus sign
    case u'\u2012': // figure dash
    case u'\u2013': // en dash
    case u'\u2014': // em dash
    case u'\u2010': // hyphen
    case u'\uFE63': // small hyphen-minus
    case u'\uFF0D': // fullwidth hyphen-minus
        return u'-';
    case u'\uFF0B':
        return u'+';
    case u'\uFF0C':
    case u'\uFF0E':
        return u'.';
    case u'\uFF45':
    case u'\uFF25':
        return u'e';
    default:
        break;
    }
    // Every script's decimal digits, full-width ones from an input method
    // among them; superscripts are no decimal digits.
    if (c.category() == QChar::Number_DecimalDigit)
        return QChar(static_cast<char16_t>(u'0' + c.digitValue()));
    return c;
}

// The value of a superscript digit, or -1.
int hochgestellt(QChar c) {
    switch (c.unicode()) {
    case u'\u2070':
        return 0;
    case u'\u00B9':
        return 1;
    case u'\u00B2':
        return 2;
    case u'\u00B3':
        return 3;
    default:
        return c >= u'\u2074' && c <= u'\u2079' ? c.unicode() - 0x2070 : -1;
    }
}

bool istZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

// From i on: blanks, a sign, blanks and digits; their sign and digits, or
// nothing where the digits are missing.
QString exponentAb(QStringView text, qsizetype i) {
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    QString exponent;
    if (i < n && (alsAscii(text[i]) == u'-' || alsAscii(text[i]) == u'+'))
        exponent += alsAscii(text[i++]);
    while (i < n && text[i].isSpace())
        ++i;
    const qsizetype anfang = exponent.size();
    for (; i < n && istZiffer(alsAscii(text[i])); ++i)
        exponent += alsAscii(text[i]);
    return exponent.size() > anfang ? exponent : QString();
}

// From i on, after a multiplication sign: a power of ten as a document
// writes it, "10" and an exponent in superscript or after "^".
QString zehnerpotenzAb(QStringView text, qsizetype i) {
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    if (!(i + 1 < n && alsAscii(text[i]) == u'1' && alsAscii(text[i + 1]) == u'0'))
        return {};
    i += 2;
    if (i < n && text[i] == u'^')
        return exponentAb(text, i + 1);
    QString exponent;
    if (i < n && (text[i] == u'\u207B' || text[i] == u'\u207A'))
        exponent += text[i++] == u'\u207B' ? u'-' : u'+';
    const qsizetype anfang = exponent.size();
    for (; i < n && hochgestellt(text[i]) >= 0; ++i)
        exponent += QChar(static_cast<char16_t>(u'0' + hochgestellt(text[i])));
    return exponent.size() > anfang ? exponent : QString();
}

} // namespace

QString Hauptfenster::KoeffizientLesen(QStringView text, double* zahl) {
    // One pass: signs, digits and points are kept, everything else is
    // dropped, so that the digits around it still join ("1 000", "1/2"). An
    // exponent counts where it follows the digits or the point of the number
    // directly, blanks aside, and ends the number.
    const qsizetype n = text.size();
    QString gelesen(n, Qt::Uninitialized);
    QChar* aus = gelesen.data();
    qsizetype laenge = 0;
    bool ziffern = false;
    bool anschluss = false;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = alsAscii(text[i]);
        if (istZiffer(c) || c == u'.') {
            aus[laenge++] = c;
            ziffern = ziffern || c != u'.';
            anschluss = true;
            continue;
        }
        if (c == u'+' || c == u'-') {
            aus[laenge++] = c;
            anschluss = false;
            continue;
        }
        if (c.isSpace())
            continue;
        if (anschluss && ziffern) {
            QString exponent;
            if (c == u'e')
                exponent = exponentAb(text, i + 1);
            else if (c == u'\u00B7' || c == u'\u00D7' || c == u'*')
                exponent = zehnerpotenzAb(text, i + 1);
            if (!exponent.isEmpty()) {
                gelesen.truncate(laenge);
                gelesen += u'e' + exponent;
                laenge = gelesen.size();
                break;
            }
        }
        anschluss = false;
    }
    gelesen.truncate(laenge);
    if (zahl)
        *zahl = Val(gelesen);
    return gelesen;
}

void Hauptfenster::Reinigen(Texte& texte) const {
    for (int j = 0; j <= 10; ++j)
        texte[j] = KoeffizientLesen(texte[j]);
}

void Hauptfenster::Umwandeln(const Texte& texte, Zahlen& zahlen) const {
    for (int j = 0; j <= 10; ++j)
        KoeffizientLesen(texte[j], &zahlen[j]);
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

        // Each coefficient shown lies within half a unit of its double: far,
        // for a subnormal one, measured by its size. So the sum is taken
        // from above and the leading coefficient from below, scaled by 2^60
        // where it is subnormal, so that the bound holds for the equation as
        // shown.
        const auto vonOben = [](double v) {
            return std::abs(v) +
                   (v != 0.0 && std::abs(v) < std::numeric_limits<double>::min() ? 0x1p-1074 : 0.0);
        };
        double summe = 0.0;
        for (int i = 0; i <= grad - 1; ++i)
            summe = summe + vonOben(zahlen[i]);
        double fuehrend = std::abs(zahlen[grad]);
        double verschoben = 1.0;
        if (fuehrend < std::numeric_limits<double>::min()) {
            fuehrend = fuehrend * 0x1p60 - 0x1p-1015;
            verschoben = 0x1p60;
        }
        xrechts = summe * verschoben / fuehrend;
        // Where that sum overflows although every coefficient is finite,
        // Fujiwara's bound 2 max |a_(n-i) / a_n|^(1/i) holds as well and
        // stays finite, taken in logarithms and widened for their rounding.
        if (!std::isfinite(xrechts) && std::isfinite(zahlen[grad])) {
            const double unten = std::log2(fuehrend) - std::log2(verschoben);
            double hoechster = -std::numeric_limits<double>::infinity();
            for (int i = 1; i <= grad; ++i)
                if (zahlen[grad - i] != 0.0)
                    hoechster =
                        std::max(hoechster, (std::log2(vonOben(zahlen[grad - i])) - unten) / i);
            xrechts = 2 * std::exp2(hoechster) * (1 + 0x1p-30);
        }
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
