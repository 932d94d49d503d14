#include "Hauptfenster.h"
#include "Rahmen.h"

#include <QPlainTextEdit>
#include <array>
#include <charconv>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Ten decimal places, correctly rounded: the search narrows each listed
// root until its enclosure is shown alike at both ends.
double aufZehnStellen(double v) {
    // From 2^19 on neighbouring doubles lie more than 1e-10 apart: every
    // ten-decimal text near a double reads back as that double.
    if (std::abs(v) >= 0x1p19)
        return v;
    // A double halfway between two texts is an odd multiple of 2^-11: it goes away from 0, as
    // the text's own rounding would take it to the even one.
    if (const double t = v * 2048; std::floor(t) == t && std::fmod(t, 2.0) != 0.0)
        v = std::nextafter(v, v > 0 ? HUGE_VAL : -HUGE_VAL);
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

double Hauptfenster::gezeigt(double x) const {
    return IstNull(x) ? 0.0 : aufZehnStellen(x);
}

QString Hauptfenster::NullstellenAusgeben() const {
    const int n = static_cast<int>(Nullstellen[0][0]);
    QString r;
    for (int i = 1; i <= n; ++i) {
        r += u"          x"_s + Str(i) + u"  =  "_s + Str(gezeigt(Nullstellen[0][i]));
        r += i < n ? u" ,"_s + leer[1] : u" ."_s;
    }
    return r;
}
