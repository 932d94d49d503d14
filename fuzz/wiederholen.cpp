// Replays every file of a fuzz corpus through a fuzzer's entry point: the
// window's, or with --rechnung the computation's alone.

#include "Einstieg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool rechnung = argc == 3 && std::strcmp(argv[1], "--rechnung") == 0;
    if (argc != 2 && !rechnung) {
        std::fprintf(stderr, "usage: %s [--rechnung] CORPUS\n", argv[0]);
        return 2;
    }
    const auto eintritt = rechnung ? einstiegRechnung : einstieg;
    const QDir korpus(QString::fromLocal8Bit(argv[argc - 1]));
    const QStringList dateien = korpus.entryList(QDir::Files, QDir::Name);
    int fehler = 0;
    for (const QString& name : dateien) {
        QFile datei(korpus.filePath(name));
        if (!datei.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot read\n", qPrintable(name));
            ++fehler;
            continue;
        }
        const QByteArray daten = datei.readAll();
        const QString f =
            eintritt(reinterpret_cast<const std::uint8_t*>(daten.constData()), daten.size());
        if (!f.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(f));
            ++fehler;
        }
    }
    std::printf("%lld inputs replayed, %d failed\n", static_cast<long long>(dateien.size()),
                fehler);
    return dateien.isEmpty() || fehler ? 1 : 0;
}
