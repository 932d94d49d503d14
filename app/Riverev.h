#pragma once

#include <QApplication>

// The application object. Its constants give the menu texts that the menu
// bar names as "#App.<constant>"; they are class info so that the menu can
// resolve them by name.
class Riverev : public QApplication {
    Q_OBJECT
    Q_CLASSINFO("kFileQuit", "&Quit")
    Q_CLASSINFO("kFileQuitShortcut", "Ctrl+Q")
    Q_CLASSINFO("kEditClear", "&Delete")

public:
    Riverev(int& argc, char** argv);

    // The value of the constant named in a "#App.<constant>" text; any
    // other text comes back as it is.
    static QString Konstante(const QString& text);
};
