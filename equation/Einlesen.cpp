#include "Hauptfenster.h"
#include "Rahmen.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

using namespace Qt::Literals::StringLiterals;

void Hauptfenster::Einlesen(Texte& texte) const {
    for (int j = 0; j <= 10; ++j)
        texte[j] = xF[j]->text();
}

namespace {

// Signs, digits and exponent letters as typography, documents and input
// methods write them: a minus copied from a document must not turn into a
// plus by being dropped. The decimal comma, also the Arabic one, becomes a
// point.
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
    case u'\u066B': // Arabic decimal separator
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

// The character at i as alsAscii maps it, and i past it: a decimal digit
// beyond the first 65,536 characters (mathematical digits) takes two units.
QChar lesen(QStringView text, qsizetype& i) {
    const QChar c = text[i++];
    if (c.isHighSurrogate() && i < text.size() && text[i].isLowSurrogate()) {
        const char32_t u = QChar::surrogateToUcs4(c, text[i]);
        if (QChar::category(u) == QChar::Number_DecimalDigit) {
            ++i;
            return QChar(static_cast<char16_t>(u'0' + QChar::digitValue(u)));
        }
    }
    return alsAscii(c);
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

qsizetype ohneLeerraum(QStringView text, qsizetype i) {
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

// From i on: blanks, a sign, blanks and digits; their sign and digits, or
// nothing where the digits are missing. After a power of ten (hoch) the
// sign and digits may be superscript, and where no "^" came before, plain
// digits count only after a sign.
QString exponentAb(QStringView text, qsizetype i, bool hoch = false, bool ohneDach = false) {
    const qsizetype n = text.size();
    i = ohneLeerraum(text, i);
    QString exponent;
    if (hoch && i < n && (text[i] == u'\u207B' || text[i] == u'\u207A')) {
        exponent += text[i++] == u'\u207B' ? u'-' : u'+';
    } else if (i < n) {
        qsizetype j = i;
        const QChar c = lesen(text, j);
        if (c == u'-' || c == u'+') {
            exponent += c;
            i = j;
        }
    }
    i = ohneLeerraum(text, i);
    const qsizetype anfang = exponent.size();
    const bool einfacheZiffern = !(ohneDach && anfang == 0);
    while (i < n) {
        qsizetype j = i;
        const QChar c = lesen(text, j);
        const int hochzahl = hoch ? hochgestellt(text[i]) : -1;
        if (hochzahl >= 0)
            exponent += QChar(static_cast<char16_t>(u'0' + hochzahl));
        else if (istZiffer(c) && einfacheZiffern)
            exponent += c;
        else
            break;
        i = j;
    }
    return exponent.size() > anfang ? exponent : QString();
}

// From i on, after a multiplication sign: a power of ten as a document
// writes it, "10" and an exponent in superscript, after "^", or with its
// sign; "10 3" stays the digits it was.
QString zehnerpotenzAb(QStringView text, qsizetype i) {
    const qsizetype n = text.size();
    i = ohneLeerraum(text, i);
    if (!(i < n && lesen(text, i) == u'1' && i < n && lesen(text, i) == u'0'))
        return {};
    i = ohneLeerraum(text, i);
    if (i < n && text[i] == u'^')
        return exponentAb(text, i + 1, true);
    return exponentAb(text, i, true, true);
}

bool malZeichen(QChar c) {
    return c == u'*' || c == u'x' || c == u'X' || c == u'\u00B7' || c == u'\u00D7' ||
           c == u'\u22C5';
}

} // namespace

Dezimalzahl dezimalzahl(QStringView text, double wert) {
    std::string ziffern;
    int nachkomma = 0;
    bool punkt = false;
    for (const QChar c : text) {
        if (c == u'.') {
            punkt = true;
        } else if (c >= u'0' && c <= u'9') {
            ziffern.push_back(static_cast<char>(c.unicode()));
            nachkomma += punkt;
        }
    }
    Dezimalzahl d;
    d.wert = wert;
    const auto erste = ziffern.find_first_not_of('0');
    if (erste == std::string::npos)
        return d;
    ziffern.erase(0, erste);
    const auto letzte = ziffern.find_last_not_of('0');
    d.exponent = static_cast<int>(ziffern.size() - 1 - letzte) - nachkomma;
    ziffern.erase(letzte + 1);
    d.stellen = static_cast<int>(ziffern.size());
    d.ziffern = mpz_class(ziffern);
    if (!text.empty() && text.front() == u'-')
        d.ziffern = -d.ziffern;
    mpz_class potenz;
    mpz_ui_pow_ui(potenz.get_mpz_t(), 10, static_cast<unsigned long>(std::abs(d.exponent)));
    mpq_class zahl = d.ziffern;
    if (d.exponent >= 0)
        zahl *= potenz;
    else
        zahl /= potenz;
    d.wieDouble = std::isfinite(wert) && zahl == mpq_class(wert);
    // 16 or 17 digits, as a program prints a double, and not exactly one: a printed double.
    d.gerundet = d.stellen > 15 && d.stellen <= 17 && !d.wieDouble;
    return d;
}

namespace {

// The number a cleaned text says, written plainly (sign, digits, point); empty where the text is
// no such number with an exponent, or has more significant digits than the exact decimal of a
// double. In one pass, so that a field of a million digits reads in linear time.
QString schlicht(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    const bool negativ = n > 0 && text[0] == u'-';
    i += n > 0 && (text[0] == u'-' || text[0] == u'+');
    QString ziffern;
    qsizetype punkt = -1;
    for (; i < n && ((text[i] >= u'0' && text[i] <= u'9') || (text[i] == u'.' && punkt < 0)); ++i)
        if (text[i] == u'.')
            punkt = ziffern.size();
        else
            ziffern += text[i];
    long exponent = 0;
    if (i < n && text[i] == u'e') {
        const QStringView rest = text.sliced(i + 1);
        bool gelesen = false;
        exponent = rest.size() <= 6 ? rest.toLong(&gelesen) : 0;
        if (!gelesen)
            return {};
        i = n;
    }
    qsizetype erste = 0;
    while (erste < ziffern.size() && ziffern[erste] == u'0')
        ++erste;
    if (i != n || erste == ziffern.size())
        return {};
    qsizetype letzte = ziffern.size() - 1;
    while (ziffern[letzte] == u'0')
        --letzte;
    if (letzte - erste >= 800)
        return {};
    // The digits erste..letzte times 10^e.
    const long e = (punkt < 0 ? ziffern.size() : punkt) - (letzte + 1) + exponent;
    QString t = ziffern.sliced(erste, letzte - erste + 1);
    const long vorKomma = t.size() + e;
    if (e >= 0)
        t += QString(e, u'0');
    else if (vorKomma > 0)
        t.insert(vorKomma, u'.');
    else
        t = u"0."_s + QString(-vorKomma, u'0') + t;
    return negativ ? u'-' + t : t;
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
    for (qsizetype i = 0; i < n;) {
        const QChar c = lesen(text, i);
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
                exponent = exponentAb(text, i);
            else if (malZeichen(c))
                exponent = zehnerpotenzAb(text, i);
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
        xF[j]->setText(behalteneTexte[j].isEmpty() ? Str(zahlen[j]) : behalteneTexte[j]);
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
    Einlesen(texte);
    GleichungAufstellen(texte, zahlen, erfolg);
    // A number beyond the double range, typed or derived, must not reach
    // the fields: they keep what the user typed, and no "inf" is written.
    if (zahlenbereichVerlassen)
        return;
    Einsetzen(zahlen);
    EinleseB->setEnabled(true);
}

void Hauptfenster::GleichungAufstellen(Texte& texte, Zahlen& zahlen, bool& erfolg) {
    behalteneTexte = {};
    for (int i = 0; i <= 10; ++i)
        for (int j = 0; j <= 10; ++j)
            Pnom[i][j] = 0.0;

    Reinigen(texte);
    Umwandeln(texte, zahlen);

    grad = 0;
    for (int i = 0; i <= 10; ++i)
        if (zahlen[i] != 0.0)
            grad = i;
    const auto endlich = [](double z) { return std::isfinite(z); };
    zahlenbereichVerlassen = !std::all_of(zahlen.begin(), zahlen.end(), endlich);
    erfolg = grad > 0 && !zahlenbereichVerlassen;
    if (!erfolg)
        return;

    for (int i = 0; i <= grad; ++i)
        Pnom[0][i] = zahlen[i];
    SuchintervallSetzen(zahlen);

    // The equation solved is the one the fields will show, each
    // coefficient as precise as its text.
    for (int i = 0; i <= 10; ++i)
        Koeffizienten[i] = i <= grad ? dezimalzahl(Str(zahlen[i]), zahlen[i]) : Dezimalzahl();
    GetippteBehalten(texte, zahlen);

    // The search needs the derivatives as well, and k! a_k overflows long
    // before a_k does: form them now, so that the read-in tells.
    Ableiten();
    zahlenbereichVerlassen =
        !std::isfinite(xrechts) || !std::all_of(&Pnom[0][0], &Pnom[0][0] + 13 * 13, endlich);
    erfolg = !zahlenbereichVerlassen;
}

namespace {

// A typed number beyond the largest double may put a root beyond every double: its double stays.
bool jenseitsDerDoubles(const Dezimalzahl& d) {
    if (std::abs(d.wert) < std::numeric_limits<double>::max() || d.exponent < 0)
        return false;
    mpz_class potenz;
    mpz_ui_pow_ui(potenz.get_mpz_t(), 10, static_cast<unsigned long>(d.exponent));
    return abs(d.ziffern) * potenz > mpz_class(std::numeric_limits<double>::max());
}

} // namespace

void Hauptfenster::GetippteBehalten(const Texte& texte, const Zahlen& zahlen) {
    // Where the double's text says another number than the one typed, the field keeps the typed
    // one if it is what was meant: exactly the double, 18 to 40 digits, or 16 or 17 digits of an
    // exact expansion, which the typed numbers' multiple root shows.
    std::array<Dezimalzahl, 11> getippt = Koeffizienten;
    std::array<QString, 11> schlichte;
    bool erweitert = false;
    for (int i = 0; i <= grad; ++i) {
        schlichte[i] = schlicht(texte[i]);
        if (schlichte[i].isEmpty())
            continue;
        getippt[i] = dezimalzahl(schlichte[i], zahlen[i]);
        const Dezimalzahl& d = getippt[i];
        if ((d.ziffern == Koeffizienten[i].ziffern && d.exponent == Koeffizienten[i].exponent) ||
            jenseitsDerDoubles(d))
            schlichte[i].clear();
        else if (d.wieDouble || (d.stellen > 17 && d.stellen <= 40))
            behalteneTexte[i] = schlichte[i];
        else
            erweitert = erweitert || d.stellen > 15;
    }
    if (erweitert) {
        ExakteZeilen e;
        e.bilden(getippt, grad);
        for (int i = 0; e.gemeinsamerTeiler(0, 1).size() > 1 && i <= grad; ++i)
            if (getippt[i].stellen > 15 && getippt[i].stellen <= 17 && !schlichte[i].isEmpty())
                behalteneTexte[i] = schlichte[i];
    }
    for (int i = 0; i <= grad; ++i)
        if (!behalteneTexte[i].isEmpty())
            Koeffizienten[i] = getippt[i];
}

void Hauptfenster::SuchintervallSetzen(const Zahlen& zahlen) {
    // Each coefficient shown lies within half a unit of its double: far, for
    // a subnormal one, measured by its size. So the sum is taken from above
    // and the leading coefficient from below, scaled by 2^60 where it is
    // subnormal, so that the bound holds for the equation as shown.
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
    // Fujiwara's bound 2 max |a_(n-i) / a_n|^(1/i) holds as well and stays
    // finite, taken in logarithms and widened for their rounding.
    if (!std::isfinite(xrechts)) {
        const double unten = std::log2(fuehrend) - std::log2(verschoben);
        double hoechster = -std::numeric_limits<double>::infinity();
        for (int i = 1; i <= grad; ++i)
            if (zahlen[grad - i] != 0.0)
                hoechster = std::max(hoechster, (std::log2(vonOben(zahlen[grad - i])) - unten) / i);
        xrechts = 2 * std::exp2(hoechster) * (1 + 0x1p-30);
    }
    xrechts = std::max(2.0, xrechts);
    // The bound is attained where a_(grad-1) is the only other nonzero
    // coefficient, and its rounding may leave the root just outside: widen
    // it by a few units in the last place.
    if (std::isfinite(xrechts))
        xrechts = std::min(xrechts * (1 + 0x1p-49), std::numeric_limits<double>::max());
    xlinks = -xrechts;
}
