#include "Hauptfenster.h"
#include "Riverev.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a core dump and a page of text when it finds no display;
// say it in one line and end with status 1 instead. Platforms such as
// offscreen need no display at all.
bool anzeigeFehlt() {
    const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
    for (const char* ohneAnzeige : {"offscreen", "minimal", "vnc", "linuxfb", "eglfs"})
        if (plattform.startsWith(ohneAnzeige))
            return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// In force only while the application object is built: a display was named
// but Qt cannot open it. Qt's own warnings above tell why.
QtMessageHandler qtsHandler = nullptr;

void keineVerbindung(QtMsgType typ, const QMessageLogContext& ort, const QString& text) {
    if (typ != QtFatalMsg) {
        qtsHandler(typ, ort, text);
        return;
    }
    std::fprintf(stderr, "riverev: die grafische Oberfläche lässt sich nicht starten\n");
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv) {
    if (anzeigeFehlt()) {
        std::fprintf(stderr, "riverev: keine Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind "
                             "leer), das Programm braucht eine grafische Oberfläche\n");
        return 1;
    }
    qtsHandler = qInstallMessageHandler(keineVerbindung);
    // No document types and no application menu handlers to register.
    Riverev app(argc, argv);
    qInstallMessageHandler(qtsHandler);
    Hauptfenster::instance();
    return app.exec();
}
