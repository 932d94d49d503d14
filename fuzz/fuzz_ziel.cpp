// A libFuzzer target: any bytes, as eleven coefficient texts, through the
// entry point RIVEREV_EINSTIEG names: einstieg (the window) or
// einstiegRechnung (the reader and the search alone).

#include "Einstieg.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Even the computation's state lives in a window, which needs an
    // application; nothing is shown.
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QString fehler = RIVEREV_EINSTIEG(daten, groesse);
    if (!fehler.isEmpty()) {
        std::fprintf(stderr, "invariant broken: %s\n", qPrintable(fehler));
        std::abort();
    }
    return 0;
}
