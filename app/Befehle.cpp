#include "Hauptfenster.h"
#include "Rahmen.h"
#include "Version.h"

#include <QLineEdit>
#include <array>

using namespace Qt::Literals::StringLiterals;

void Hauptfenster::QuitB_Action() {
    if (MsgBox(u" Wirklich Beenden?"_s, MsgBoxJaNein, QString()) == MsgBoxJa)
        Quit(0);
}

void Hauptfenster::QuitB1_Action() {
    const std::array<double, 11> nullen{};
    if (MsgBox(u" Wirklich alle Koeffizienten löschen?"_s, MsgBoxJaNein, QString()) != MsgBoxJa)
        return;
    behalteneTexte = {};
    Einsetzen(nullen);
    // The next equation is typed from its constant term on, over the 0.
    xF[0]->setFocus(Qt::OtherFocusReason);
    GanzWaehlen(xF[0]);
    geklicktesFeld = xF[0];
}

void Hauptfenster::QuitB2_Action() {
    MsgBox(u"Riverev "_s + QStringLiteral(RIVEREV_VERSION) + leer[2] +
           u"Approximative Loesung von Gleichungen bis zehnten Grades."_s + leer[3] +
           u"mailto: "_s + QStringLiteral(RIVEREV_KONTAKT));
}
