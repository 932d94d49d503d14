#pragma once

#include <QApplication>

// The application object. Its constants give the menu texts that the menu
// bar's table names.
class Riverev : public QApplication {
    Q_OBJECT

public:
    Riverev(int& argc, char** argv);

    static constexpr char16_t kFileQuit[] = u"&Quit";
    static constexpr char16_t kFileQuitShortcut[] = u"Ctrl+Q";
    static constexpr char16_t kEditClear[] = u"&Delete";
};
