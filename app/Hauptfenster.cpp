#include "Hauptfenster.h"

#include "MenuBar1.h"
#include "Rahmen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Art { Text, Feld, Ausgabe, Knopf };

struct Steuerelement {
    const char16_t* name;
    Art art;
    // "&" marks a button's access key, shown the platform's way.
    const char16_t* text;
    int links, oben, breite, hoehe;
    const char16_t* vorlesen; // accessible name for a screen reader
    QPushButton* Hauptfenster::*knopf = nullptr;
    void (Hauptfenster::*aktion)() = nullptr;
};

// Creation order is the tab order: the coefficient fields come in
// ascending powers. Access keys clash with neither menu (Alt+F, Alt+E).
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
    {u"EinleseB", Art::Knopf, u"Loesungen Be&rechnen", 840, 8, 164, 22, u"Loesungen Berechnen",
     &Hauptfenster::EinleseB, &Hauptfenster::EinleseB_Action},
    {u"BerechneB1", Art::Knopf, u"Gleichung Ein&lesen", 688, 8, 137, 22, u"Gleichung Einlesen",
     &Hauptfenster::BerechneB1, &Hauptfenster::BerechneB1_Action},
    {u"StaticText13", Art::Text, u"+", 54, 53, 16, 20, u"plus"},
    {u"QuitB", Art::Knopf, u"Programm &verlassen", 835, 300, 164, 22, u"Programm verlassen",
     &Hauptfenster::QuitB, &Hauptfenster::QuitB_Action},
    {u"QuitB1", Art::Knopf, u"&Neue Gleichung", 268, 8, 134, 22, u"Neue Gleichung",
     &Hauptfenster::QuitB1, &Hauptfenster::QuitB1_Action},
    {u"QuitB2", Art::Knopf, u"&Info", 12, 300, 67, 22, u"Info", &Hauptfenster::QuitB2,
     &Hauptfenster::QuitB2_Action},
};

constexpr void (Hauptfenster::*textAenderungen[])() = {
    &Hauptfenster::x0F_TextChange, &Hauptfenster::x1F_TextChange,  &Hauptfenster::x2F_TextChange,
    &Hauptfenster::x3F_TextChange, &Hauptfenster::x4F_TextChange,  &Hauptfenster::x5F_TextChange,
    &Hauptfenster::x6F_TextChange, &Hauptfenster::x7F_TextChange,  &Hauptfenster::x8F_TextChange,
    &Hauptfenster::x9F_TextChange, &Hauptfenster::x10F_TextChange,
};

constexpr int inhaltBreite = 1014;
constexpr int inhaltHoehe = 331;

// Text and base colour of the table for every state, so that the fields
// read the same under a dark theme as under a light one.
void farbenSetzen(QWidget* w, QColor grund) {
    QPalette farben = w->palette();
    farben.setColor(QPalette::Base, grund);
    farben.setColor(QPalette::Text, Qt::black);
    w->setPalette(farben);
}

} // namespace

Hauptfenster::Hauptfenster(QWidget* parent)
    : QMainWindow(parent) {
    FensterEinrichten();
    CreateControls();
    Open();
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    Einpassen(bildschirm ? bildschirm->availableGeometry().size()
                         : QSize(inhaltBreite, inhaltHoehe * 2));
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

void Hauptfenster::FensterEinrichten() {
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
    setCentralWidget(inhalt);

    int feldNummer = 0;
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
            farbenSetzen(feld, Qt::white);
            xF[feldNummer++] = feld;
            w = feld;
            break;
        }
        case Art::Ausgabe:
            AusgabeF = new QPlainTextEdit(inhalt);
            AusgabeF->setReadOnly(true);
            // Read-only, but the report can still be selected and copied.
            AusgabeF->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                              Qt::TextSelectableByKeyboard);
            AusgabeF->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            farbenSetzen(AusgabeF, QColor(0xFF, 0xFA, 0xDC));
            w = AusgabeF;
            break;
        case Art::Knopf: {
            auto* knopf = new QPushButton(alsText(s.text), inhalt);
            knopf->setFocusPolicy(Qt::NoFocus);
            knopf->setAutoDefault(false);
            this->*s.knopf = knopf;
            connect(knopf, &QPushButton::clicked, this, s.aktion);
            w = knopf;
            break;
        }
        }
        w->setObjectName(alsText(s.name));
        w->setAccessibleName(alsText(s.vorlesen));
        entwurf.append({w, QRect(s.links, s.oben, s.breite, s.hoehe)});
    }
    EinleseB->setEnabled(false);

    // TextChange is QLineEdit::textChanged, which Qt raises also when the
    // program sets a text that differs from the old one. So "Neue Gleichung"
    // leaves the compute button disabled, and the equation must be read in
    // again before it can be solved.
    for (int j = 0; j <= 10; ++j) {
        connect(xF[j], &QLineEdit::textChanged, this, textAenderungen[j]);
        KoeffizientenfeldEinrichten(j);
    }
}

void Hauptfenster::Open() {
    leer[1] = QString(QChar(10));
    for (int i = 2; i <= 4; ++i)
        leer[i] = leer[i - 1] + leer[1];
}

double Hauptfenster::noetigerFaktor() const {
    double faktor = 0.0;
    const auto braucht = [&](QSize noetig, const QRect& platz) {
        faktor = std::max({faktor, double(noetig.width()) / platz.width(),
                           double(noetig.height()) / platz.height()});
    };
    // Only what the font decides counts: a style's own minimum sizes do not
    // shrink with the font and would drive it to nothing.
    for (const auto& [w, platz] : entwurf) {
        const QFontMetrics fm = w->fontMetrics();
        const int rahmen = 2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            // A trailing blank needs no room.
            braucht({fm.horizontalAdvance(l->text().trimmed()), fm.height()}, platz);
        } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
            const int rand = rahmen + b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
            braucht({fm.horizontalAdvance(QString(b->text()).remove(u'&')) + rand,
                     fm.height() + rahmen},
                    platz);
        } else if (qobject_cast<const QLineEdit*>(w)) {
            // The line edit keeps a pixel above and below its text.
            braucht({0, fm.height() + rahmen + 2}, platz);
        }
    }
    return faktor;
}

void Hauptfenster::Einpassen(QSize verfuegbar) {
    setFont(QFont());
    QFont schrift = font();
    // The frame's title bar takes a little of the height.
    const int titel = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    double faktor = 1.0;
    for (;;) {
        const double platz = std::min(
            double(verfuegbar.width()) / inhaltBreite,
            double(verfuegbar.height() - titel - menuBar()->sizeHint().height()) / inhaltHoehe);
        const double noetig = noetigerFaktor();
        faktor = std::min(std::max(1.0, noetig), platz);
        // Only so that the search ends: below this nothing is legible.
        const bool kleinsteSchrift =
            schrift.pointSizeF() > 0 ? schrift.pointSizeF() <= 1 : schrift.pixelSize() <= 1;
        if (noetig <= platz || kleinsteSchrift)
            break;
        if (schrift.pointSizeF() > 0)
            schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
        else
            schrift.setPixelSize(schrift.pixelSize() - 1);
        setFont(schrift);
    }

    const auto skaliert = [faktor](int v) { return static_cast<int>(std::lround(v * faktor)); };
    for (const auto& [w, platz] : entwurf)
        w->setGeometry(skaliert(platz.x()), skaliert(platz.y()), skaliert(platz.width()),
                       skaliert(platz.height()));
    centralWidget()->setFixedSize(skaliert(inhaltBreite), skaliert(inhaltHoehe));
    // The window takes the size of its menu bar and content and keeps it.
    setFixedSize(sizeHint());
}
