#include "Hauptfenster.h"
#include "Riverev.h"

int main(int argc, char** argv) {
    // No document types and no application menu handlers to register.
    Riverev app(argc, argv);
    Hauptfenster::instance();
    return app.exec();
}
