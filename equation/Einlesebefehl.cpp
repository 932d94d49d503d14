#include "Hauptfenster.h"
#include "Rahmen.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

// Any change of a coefficient means the equation read in no longer matches
// the fields: the compute button waits for the next read-in.
void Hauptfenster::x0F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x1F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x2F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x3F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x4F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x5F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x6F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x7F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x8F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x9F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}
void Hauptfenster::x10F_TextChange() {
    knopf(u"EinleseB"_s)->setEnabled(false);
}

void Hauptfenster::BerechneB1_Action() {
    Init();
    bool erfolg = false;
    GleichungEinlesen(erfolg);
    if (erfolg) {
        ausgabe()->setPlainText(leer[1] + u"Eingegebene Gleichung:   "_s + GleichungAusgeben());
        return;
    }
    if (zahlenbereichVerlassen)
        MsgBox(u"Die Koeffizienten liegen außerhalb des Zahlenbereichs"_s);
    else
        MsgBox(u"Bitte eine Gleichung mindestens ersten Grades eingeben"_s);
    knopf(u"EinleseB"_s)->setEnabled(false);
}
