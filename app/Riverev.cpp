#include "Riverev.h"

#include "Version.h"

#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::Literals::StringLiterals;

Riverev::Riverev(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName(u"riverev"_s);
    setApplicationDisplayName(u"Riverev"_s);
    setApplicationVersion(QStringLiteral(RIVEREV_VERSION));
    // The desktop entry's name: Wayland docks match the window by it.
    setDesktopFileName(QStringLiteral(RIVEREV_ID));
    // The whole interface is German, so Qt's own texts are too (Ja, Nein,
    // Rückgängig ...), whatever the user's language.
    auto* qtTexte = new QTranslator(this);
    if (qtTexte->load(QLocale(QLocale::German), u"qtbase"_s, u"_"_s,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTexte);
    // The window's icon, at every size the resource holds.
    QIcon symbol;
    QDirIterator groessen(u":/symbole"_s, QDir::Files, QDirIterator::Subdirectories);
    while (groessen.hasNext())
        symbol.addFile(groessen.next());
    setWindowIcon(symbol);
}
