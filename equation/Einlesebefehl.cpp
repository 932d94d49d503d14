#include "Hauptfenster.h"
#include "Rahmen.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

void Hauptfenster::Init() {
    EinleseB->setEnabled(false);
    for (auto& zeile : Nullstellen)
        for (double& zelle : zeile)
            zelle = 0.0;
}

void Hauptfenster::BerechneB1_Action() {
    Init();
    bool erfolg = false;
    GleichungEinlesen(erfolg);
    if (erfolg) {
        AusgabeF->setPlainText(leer[1] + u"Eingegebene Gleichung:   "_s + GleichungAusgeben());
        return;
    }
    if (zahlenbereichVerlassen)
        MsgBox(u"Die Koeffizienten liegen außerhalb des Zahlenbereichs"_s);
    else
        MsgBox(u"Bitte eine Gleichung mindestens ersten Grades eingeben"_s);
    EinleseB->setEnabled(false);
}
