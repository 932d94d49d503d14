#include "MenuBar1.h"

#include "Rahmen.h"
#include "Riverev.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocument>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Eintrag {
    const char16_t* name;
    const char16_t* in; // nullptr: a menu of the bar itself
    const char16_t* text;
    const char16_t* kuerzel; // nullptr: no shortcut is set at all
    // The command's standard key where it has one: Ctrl+Z and so on here,
    // Cmd+Z where there is a command key.
    QKeySequence::StandardKey taste = QKeySequence::UnknownKey;
};

constexpr Eintrag eintraege[] = {
    {u"FileMenu", nullptr, u"&File", u""},
    {u"FileQuit", u"FileMenu", Riverev::kFileQuit, Riverev::kFileQuitShortcut},
    {u"EditMenu", nullptr, u"&Edit", u""},
    {u"EditUndo", u"EditMenu", u"&Undo", u"", QKeySequence::Undo},
    {u"UntitledMenu1", u"EditMenu", u"-", nullptr},
    {u"EditCut", u"EditMenu", u"Cu&t", u"", QKeySequence::Cut},
    {u"EditCopy", u"EditMenu", u"&Copy", u"", QKeySequence::Copy},
    {u"EditPaste", u"EditMenu", u"&Paste", u"", QKeySequence::Paste},
    {u"EditClear", u"EditMenu", Riverev::kEditClear, u""},
    {u"UntitledMenu0", u"EditMenu", u"-", nullptr},
    {u"EditSelectAll", u"EditMenu", u"Select &All", u"", QKeySequence::SelectAll},
};

// A menu item shows one key: the first of the platform's for the command.
QKeySequence tastenkuerzel(const Eintrag& e) {
    if (e.taste != QKeySequence::UnknownKey)
        return QKeySequence(e.taste);
    return QKeySequence::fromString(alsText(e.kuerzel), QKeySequence::PortableText);
}

bool istTextfeld(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

// What an Edit item could do in a text field right now.
struct Moeglich {
    bool undo = false, ausschneiden = false, kopieren = false, einfuegen = false, alles = false;
};

// Asking the clipboard may wait on another program that owns it, so it is
// asked only when Paste is chosen; until then Paste stays enabled for a
// writable field, and the menu opens at once.
Moeglich moeglich(const QWidget* ziel, bool ablageFragen) {
    Moeglich m;
    const QMimeData* inhalt = ablageFragen ? QGuiApplication::clipboard()->mimeData() : nullptr;
    const bool ablage = !ablageFragen || (inhalt && inhalt->hasText());
    if (const auto* zeile = qobject_cast<const QLineEdit*>(ziel)) {
        const bool schreibbar = !zeile->isReadOnly();
        const bool auswahl = zeile->hasSelectedText();
        m.undo = schreibbar && zeile->isUndoAvailable();
        m.ausschneiden = schreibbar && auswahl;
        m.kopieren = auswahl && zeile->echoMode() == QLineEdit::Normal;
        m.einfuegen = schreibbar && ablage;
        m.alles = !zeile->text().isEmpty();
    } else if (const auto* text = qobject_cast<const QPlainTextEdit*>(ziel)) {
        const bool schreibbar = !text->isReadOnly();
        const bool auswahl = text->textCursor().hasSelection();
        m.undo = schreibbar && text->document()->isUndoAvailable();
        m.ausschneiden = schreibbar && auswahl;
        m.kopieren = auswahl;
        m.einfuegen = schreibbar && ablage;
        m.alles = !text->document()->isEmpty();
    }
    return m;
}

// QLineEdit and QPlainTextEdit share these slots; only deleting the
// selection differs.
template <class Feld, class Loeschen>
void ausfuehren(Feld* feld, const QString& name, const Moeglich& m, Loeschen loeschen) {
    if (name == u"EditUndo"_s && m.undo)
        feld->undo();
    else if (name == u"EditCut"_s && m.ausschneiden)
        feld->cut();
    else if (name == u"EditCopy"_s && m.kopieren)
        feld->copy();
    else if (name == u"EditPaste"_s && m.einfuegen)
        feld->paste();
    else if (name == u"EditClear"_s && m.ausschneiden)
        loeschen();
    else if (name == u"EditSelectAll"_s && m.alles)
        feld->selectAll();
}

} // namespace

MenuBar1* MenuBar1::instance() {
    static QPointer<MenuBar1> leiste;
    if (!leiste)
        leiste = new MenuBar1;
    return leiste;
}

MenuBar1::MenuBar1() {
    setObjectName(u"MenuBar1"_s);
    for (const Eintrag& e : eintraege) {
        const QString name = alsText(e.name);
        const QString text = alsText(e.text);
        if (!e.in) {
            QMenu* menu = addMenu(text);
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            menu->menuAction()->setShortcut(tastenkuerzel(e));
            continue;
        }
        auto* menu = findChild<QMenu*>(alsText(e.in));
        QAction* a = text == u"-"_s ? menu->addSeparator() : menu->addAction(text);
        a->setObjectName(name);
        if (e.kuerzel)
            a->setShortcut(tastenkuerzel(e));
        if (name == u"FileQuit"_s) {
            a->setMenuRole(QAction::QuitRole);
            // The quit item quits at once; only the button asks first.
            connect(a, &QAction::triggered, this, [] { Quit(0); });
        } else if (!a->isSeparator()) {
            connect(a, &QAction::triggered, this, [this, name] { Bearbeiten(name); });
        }
    }

    connect(findChild<QMenu*>(u"EditMenu"_s), &QMenu::aboutToShow, this, [this] { AutoEnable(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* neu) {
        if (istTextfeld(neu))
            ziel = neu;
        AutoEnable();
    });
    AutoEnable();
}

QAction* MenuBar1::item(const QString& name) const {
    return findChild<QAction*>(name);
}

void MenuBar1::AutoEnable() {
    const Moeglich m = moeglich(ziel, false);
    item(u"EditUndo"_s)->setEnabled(m.undo);
    item(u"EditCut"_s)->setEnabled(m.ausschneiden);
    item(u"EditCopy"_s)->setEnabled(m.kopieren);
    item(u"EditPaste"_s)->setEnabled(m.einfuegen);
    item(u"EditClear"_s)->setEnabled(m.ausschneiden);
    item(u"EditSelectAll"_s)->setEnabled(m.alles);
}

void MenuBar1::Bearbeiten(const QString& name) {
    // A shortcut may fire while the menu's states are old: check again, and
    // ask the clipboard only for Paste.
    const Moeglich m = moeglich(ziel, name == u"EditPaste"_s);
    if (auto* zeile = qobject_cast<QLineEdit*>(ziel.data()))
        ausfuehren(zeile, name, m, [zeile] { zeile->del(); });
    else if (auto* text = qobject_cast<QPlainTextEdit*>(ziel.data()))
        ausfuehren(text, name, m, [text] { text->textCursor().removeSelectedText(); });
    AutoEnable();
}
