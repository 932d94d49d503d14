#include "Hauptfenster.h"

#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

void Hauptfenster::Init() {
    knopf(u"EinleseB"_s)->setEnabled(false);
    for (auto& zeile : Nullstellen)
        for (double& zelle : zeile)
            zelle = 0.0;
}
