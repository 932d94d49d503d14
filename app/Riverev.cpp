#include "Riverev.h"

#include "Version.h"

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
    // The theme's icon where one is installed, else the one built in.
    // The whole interface is German, so Qt's own texts are too (Ja, Nein,
    // Rückgängig ...), whatever the user's language.
    auto* qtTexte = new QTranslator(this);
    if (qtTexte->load(QLocale(QLocale::German), u"qtbase"_s, u"_"_s,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTexte);
    setWindowIcon(QIcon::fromTheme(QStringLiteral(RIVEREV_ID),
                                   QIcon(QStringLiteral(":/" RIVEREV_ID ".svg"))));
}
