#include "Hauptfenster.h"

#include "MenuBar1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Art { Text, Feld, Ausgabe, Knopf };

struct Steuerelement {
    const char16_t* name;
    Art art;
    const char16_t* text;
    int links, oben, breite, hoehe;
    const char16_t* vorlesen; // accessible name for a screen reader
};

// Creation order is the tab order: the coefficient fields come in
// ascending powers.
constexpr Steuerelement steuerelemente[] = {
    {u"StaticText1", Art::Text, u"Lösung der Gleichung ", 12, 8, 150, 20, u"Lösung der Gleichung"},
    {u"x0F", Art::Feld, u"", 12, 52, 41, 22, u"Koeffizient von x^0"},
    {u"x1F", Art::Feld, u"", 65, 51, 47, 22, u"Koeffizient von x^1"},
    {u"x2F", Art::Feld, u"", 142, 52, 45, 22, u"Koeffizient von x^2"},
    {u"x3F", Art::Feld, u"", 231, 51, 47, 22, u"Koeffizient von x^3"},
    {u"x4F", Art::Feld, u"", 324, 52, 45, 22, u"Koeffizient von x^4"},
    {u"x5F", Art::Feld, u"", 414, 52, 45, 22, u"Koeffizient von x^5"},
    {u"x6F", Art::Feld, u"", 504, 50, 47, 22, u"Koeffizient von x^6"},
    {u"x7F", Art::Feld, u"", 595, 51, 45, 22, u"Koeffizient von x^7"},
    {u"x8F", Art::Feld, u"", 688, 51, 47, 22, u"Koeffizient von x^8"},
    {u"x9F", Art::Feld, u"", 784, 51, 45, 22, u"Koeffizient von x^9"},
    {u"x10F", Art::Feld, u"", 881, 52, 45, 22, u"Koeffizient von x^10"},
    {u"StaticText3", Art::Text, u"x^10 = 0", 931, 53, 73, 20, u"x hoch 10 gleich 0"},
    {u"StaticText4", Art::Text, u"x^9 + ", 835, 52, 41, 20, u"x hoch 9 plus"},
    {u"StaticText5", Art::Text, u"x^8 + ", 738, 52, 41, 20, u"x hoch 8 plus"},
    {u"StaticText6", Art::Text, u"x^7 + ", 644, 52, 41, 20, u"x hoch 7 plus"},
    {u"StaticText7", Art::Text, u"x^6 + ", 552, 51, 41, 20, u"x hoch 6 plus"},
    {u"StaticText8", Art::Text, u"x^5 + ", 463, 52, 44, 20, u"x hoch 5 plus"},
    {u"StaticText9", Art::Text, u"x^4 + ", 372, 53, 41, 20, u"x hoch 4 plus"},
    {u"StaticText10", Art::Text, u"x^3 + ", 283, 54, 41, 20, u"x hoch 3 plus"},
    {u"StaticText11", Art::Text, u"x^2 + ", 190, 54, 41, 20, u"x hoch 2 plus"},
    {u"StaticText12", Art::Text, u"x + ", 117, 53, 23, 20, u"x plus"},
    {u"AusgabeF", Art::Ausgabe, u"", 11, 98, 993, 197, u"Ausgabe: Gleichung und Lösungen"},
    {u"EinleseB", Art::Knopf, u"Loesungen Berechnen", 840, 8, 164, 22, u"Loesungen Berechnen"},
    {u"BerechneB1", Art::Knopf, u"Gleichung Einlesen", 688, 8, 137, 22, u"Gleichung Einlesen"},
    {u"StaticText13", Art::Text, u"+", 54, 53, 16, 20, u"plus"},
    {u"QuitB", Art::Knopf, u"Programm verlassen", 835, 300, 164, 22, u"Programm verlassen"},
    {u"QuitB1", Art::Knopf, u"Neue Gleichung", 268, 8, 134, 22, u"Neue Gleichung"},
    {u"QuitB2", Art::Knopf, u"Info", 12, 300, 67, 22, u"Info"},
};

using Handler = void (Hauptfenster::*)();

struct Verdrahtung {
    const char16_t* name;
    Handler handler;
};

constexpr Verdrahtung textAenderungen[] = {
    {u"x0F", &Hauptfenster::x0F_TextChange},   {u"x1F", &Hauptfenster::x1F_TextChange},
    {u"x2F", &Hauptfenster::x2F_TextChange},   {u"x3F", &Hauptfenster::x3F_TextChange},
    {u"x4F", &Hauptfenster::x4F_TextChange},   {u"x5F", &Hauptfenster::x5F_TextChange},
    {u"x6F", &Hauptfenster::x6F_TextChange},   {u"x7F", &Hauptfenster::x7F_TextChange},
    {u"x8F", &Hauptfenster::x8F_TextChange},   {u"x9F", &Hauptfenster::x9F_TextChange},
    {u"x10F", &Hauptfenster::x10F_TextChange},
};

constexpr Verdrahtung aktionen[] = {
    {u"EinleseB", &Hauptfenster::EinleseB_Action},
    {u"BerechneB1", &Hauptfenster::BerechneB1_Action},
    {u"QuitB", &Hauptfenster::QuitB_Action},
    {u"QuitB1", &Hauptfenster::QuitB1_Action},
    {u"QuitB2", &Hauptfenster::QuitB2_Action},
};

QString alsText(const char16_t* text) {
    return QString::fromUtf16(text);
}

} // namespace

Hauptfenster::Hauptfenster(QWidget* parent)
    : QMainWindow(parent) {
    Layout();
    CreateControls();
    AddMenuHandlers();
    Open();
    // The window takes the size of its menu bar and content and keeps it.
    setFixedSize(sizeHint());
}

Hauptfenster::~Hauptfenster() = default;

Hauptfenster* Hauptfenster::instance() {
    static QPointer<Hauptfenster> fenster;
    if (!fenster) {
        fenster = new Hauptfenster;
        // The window lives until the event loop ends, then goes with it.
        connect(qApp, &QCoreApplication::aboutToQuit, fenster, [] { delete fenster; });
        fenster->show();
    }
    return fenster;
}

void Hauptfenster::Layout() {
    setMenuBar(MenuBar1::instance());
    setWindowTitle(u"Riverev"_s);
    // A document window that can be minimised and closed, never maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
}

void Hauptfenster::CreateControls() {
    auto* inhalt = new QWidget(this);
    inhalt->setObjectName(u"Inhalt"_s);
    inhalt->setFixedSize(1014, 331);
    setCentralWidget(inhalt);

    for (const Steuerelement& s : steuerelemente) {
        QWidget* w = nullptr;
        switch (s.art) {
        case Art::Text:
            w = new QLabel(alsText(s.text), inhalt);
            break;
        case Art::Feld: {
            auto* feld = new QLineEdit(inhalt);
            // Any length may be typed or pasted.
            feld->setMaxLength(std::numeric_limits<int>::max());
            w = feld;
            break;
        }
        case Art::Ausgabe: {
            auto* ausgabe = new QPlainTextEdit(inhalt);
            ausgabe->setReadOnly(true);
            // Read-only, but the report can still be selected and copied.
            ausgabe->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);
            ausgabe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            QPalette farben = ausgabe->palette();
            farben.setColor(QPalette::Base, QColor(0xFF, 0xFA, 0xDC));
            ausgabe->setPalette(farben);
            w = ausgabe;
            break;
        }
        case Art::Knopf: {
            auto* knopf = new QPushButton(alsText(s.text), inhalt);
            knopf->setFocusPolicy(Qt::NoFocus);
            knopf->setAutoDefault(false);
            w = knopf;
            break;
        }
        }
        w->setObjectName(alsText(s.name));
        w->setAccessibleName(alsText(s.vorlesen));
        w->setGeometry(s.links, s.oben, s.breite, s.hoehe);
    }
    knopf(u"EinleseB"_s)->setEnabled(false);

    // TextChange is QLineEdit::textChanged, which Qt raises also when the
    // program sets a text that differs from the old one. So "Neue Gleichung"
    // leaves the compute button disabled, and the equation must be read in
    // again before it can be solved.
    for (const Verdrahtung& v : textAenderungen)
        connect(findChild<QLineEdit*>(alsText(v.name)), &QLineEdit::textChanged, this, v.handler);
    for (const Verdrahtung& v : aktionen)
        connect(knopf(alsText(v.name)), &QPushButton::clicked, this, v.handler);
}

void Hauptfenster::AddMenuHandlers() {
    // None: every menu item acts through the menu bar's standard behaviour.
}

void Hauptfenster::Open() {
    leer[1] = QString(QChar(10));
    for (int i = 2; i <= 4; ++i)
        leer[i] = leer[i - 1] + leer[1];
}

QLineEdit* Hauptfenster::koeffizientenFeld(int j) const {
    return findChild<QLineEdit*>(u"x%1F"_s.arg(j));
}

QPushButton* Hauptfenster::knopf(const QString& name) const {
    return findChild<QPushButton*>(name);
}

QPlainTextEdit* Hauptfenster::ausgabe() const {
    return findChild<QPlainTextEdit*>(u"AusgabeF"_s);
}
