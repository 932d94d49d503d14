#include "Hauptfenster.h"
#include "Rahmen.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

QString Hauptfenster::strabs(double x) const {
    const double m = std::abs(x);
    if (m == 1.0)
        return QString();
    return Str(m);
}

QString Hauptfenster::xhoch(int n) const {
    if (n == 0)
        return u" "_s;
    if (n == 1)
        return u"x "_s;
    if (n >= 2 && n <= 10)
        return u"x"_s + QChar(94) + Str(n) + u" "_s;
    return QString();
}

QString Hauptfenster::GleichungAusgeben() const {
    int k = 0;
    while (k <= grad && Pnom[0][k] == 0.0)
        ++k;
    if (k > grad) {
        MsgBox(u"Schwerer Fehler"_s);
        return QString();
    }

    // A kept text stands for itself, also where its double is 1.
    const auto betrag = [this](int j) {
        const QString& text = behalteneTexte[j];
        return text.isEmpty() ? (j == 0 ? Str(std::abs(Pnom[0][j])) : strabs(Pnom[0][j]))
                              : text.sliced(text.startsWith(u'-') ? 1 : 0);
    };
    QString t;
    const double a = Pnom[0][k];
    if (a < 0)
        t += u" -"_s;
    t += betrag(k) + xhoch(k);
    for (int j = k + 1; j <= grad; ++j) {
        const double d = Pnom[0][j];
        if (d == 0.0)
            continue;
        t += d > 0 ? u"+ "_s : u"- "_s;
        t += betrag(j) + xhoch(j);
    }
    return t + u"  =  0 "_s;
}
