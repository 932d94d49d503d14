// libFuzzer target: any bytes, as eleven coefficient texts.

#include "Einstieg.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QString fehler = einstieg(daten, groesse);
    if (!fehler.isEmpty()) {
        std::fprintf(stderr, "invariant broken: %s\n", qPrintable(fehler));
        std::abort();
    }
    return 0;
}
