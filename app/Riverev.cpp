#include "Riverev.h"

#include "Version.h"

#include <QIcon>

using namespace Qt::Literals::StringLiterals;

Riverev::Riverev(int& argc, char** argv)
    : QApplication(argc, argv) {
    setApplicationName(u"riverev"_s);
    setApplicationDisplayName(u"Riverev"_s);
    setApplicationVersion(QStringLiteral(RIVEREV_VERSION));
    // The desktop entry's name: Wayland docks match the window by it.
    setDesktopFileName(QStringLiteral(RIVEREV_ID));
    // The theme's icon where one is installed, else the one built in.
    setWindowIcon(QIcon::fromTheme(QStringLiteral(RIVEREV_ID),
                                   QIcon(QStringLiteral(":/" RIVEREV_ID ".svg"))));
}
