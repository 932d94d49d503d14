#pragma once

#include <QMenuBar>
#include <QPointer>

class QAction;
class QWidget;

// The File and Edit menus. No item has a handler of the program's own: the
// quit item quits at once, and the Edit items act on the focused text field,
// each enabled only while it can do something there.
class MenuBar1 : public QMenuBar {
    Q_OBJECT

public:
    // The single menu bar, created and filled on the first call (and again
    // should its window have taken it along when it was destroyed).
    static MenuBar1* instance();

private:
    MenuBar1();
    void AutoEnable();
    void Bearbeiten(const QString& item);
    QAction* item(const QString& name) const;

    // The text field the Edit items act on: the last one that had the focus.
    QPointer<QWidget> ziel;
};
