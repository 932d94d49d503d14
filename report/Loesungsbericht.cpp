#include "Hauptfenster.h"
#include "Rahmen.h"

#include <QPlainTextEdit>
#include <array>
#include <charconv>

using namespace Qt::Literals::StringLiterals;

namespace {

// A bisection root is known to about 1e-11; the digits below that are
// noise. Correctly rounded to ten places, -2.9999999999954525 reads -3.
double aufZehnStellen(double v) {
    std::array<char, 400> puffer{};
    const auto ende =
        std::to_chars(puffer.data(), puffer.data() + puffer.size(), v, std::chars_format::fixed, 10)
            .ptr;
    double gerundet = v;
    std::from_chars(puffer.data(), ende, gerundet, std::chars_format::fixed);
    return gerundet;
}

} // namespace

void Hauptfenster::EinleseB_Action() {
    Ableiten();
    NullstellenBerechnen();

    QString t = leer[1] + u"Die Gleichung    "_s + GleichungAusgeben();
    const double n = Nullstellen[0][0];
    if (n == 0.0)
        t += u"hat keine Lösungen."_s;
    else if (n == 1.0)
        t += u"hat als einzige Lösung "_s + NullstellenAusgeben();
    else
        t += u"hat die Lösungen "_s + leer[2] + NullstellenAusgeben();
    // Qt tells a screen reader of the new text itself.
    AusgabeF->setPlainText(t);
}

QString Hauptfenster::NullstellenAusgeben() const {
    const int n = static_cast<int>(Nullstellen[0][0]);
    QString r;
    for (int i = 1; i <= n; ++i) {
        double v = Nullstellen[0][i];
        if (IstNull(v))
            v = 0.0;
        r += u"          x"_s + Str(i) + u"  =  "_s + Str(aufZehnStellen(v));
        r += i < n ? u" ,"_s + leer[1] : u" ."_s;
    }
    return r;
}
