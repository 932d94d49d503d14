// Replays every file of the fuzz corpus through the fuzzer's entry point.

#include "Einstieg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS\n", argv[0]);
        return 2;
    }
    const QDir korpus(QString::fromLocal8Bit(argv[1]));
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
            einstieg(reinterpret_cast<const std::uint8_t*>(daten.constData()), daten.size());
        if (!f.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(f));
            ++fehler;
        }
    }
    std::printf("%lld inputs replayed, %d failed\n", static_cast<long long>(dateien.size()),
                fehler);
    return dateien.isEmpty() || fehler ? 1 : 0;
}
