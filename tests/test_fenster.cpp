#include "MenuBar1.h"
#include "Pruefhilfe.h"
#include "Riverev.h"
#include "Version.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

class TestFenster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void fenster();
    void steuerelemente_data();
    void steuerelemente();
    void ausgabefeld();
    void tabulatorReihenfolge();
    void einzigesFenster();
    void schliessenFragtNicht();

    void menue_data();
    void menue();
    void beendenOhneFrage();
    void bearbeitenImKoeffizientenfeld();
    void bearbeitenInDerAusgabe();

    void beenden_data();
    void beenden();
    void beendenEndetDieEreignisschleife();
    void neueGleichung_data();
    void neueGleichung();
    void info();
    void ganzeSitzung();
    void anwendung();

private:
    QList<int> beendet;
    QuitSeam vorher;
};

void TestFenster::init() {
    beendet.clear();
    vorher = setzeQuitSeam([this](int code) { beendet.append(code); });
    QGuiApplication::clipboard()->clear();
}

void TestFenster::cleanup() {
    setzeQuitSeam(std::move(vorher));
}

void TestFenster::fenster() {
    Hauptfenster w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), u"Riverev"_s);
    QCOMPARE(w.centralWidget()->size(), QSize(1014, 331));
    QCOMPARE(w.centralWidget()->y(), w.menuBar()->height());
    QCOMPARE(w.menuBar(), MenuBar1::instance());
    // Not resizable, no maximise button; minimise and close are there.
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.size(), QSize(1014, 331 + w.menuBar()->height()));
    const Qt::WindowFlags f = w.windowFlags();
    QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
    QVERIFY(f & Qt::WindowMinimizeButtonHint);
    QVERIFY(f & Qt::WindowCloseButtonHint);
    QCOMPARE(w.centralWidget()->children().size(), 29);
}

void TestFenster::steuerelemente_data() {
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("klasse");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("platz");
    struct Zeile {
        const char* name;
        const char* klasse;
        QString text;
        QRect platz;
    };
    const Zeile zeilen[] = {
        {"StaticText1", "QLabel", u"Lösung der Gleichung "_s, {12, 8, 150, 20}},
        {"x0F", "QLineEdit", {}, {12, 52, 41, 22}},
        {"x1F", "QLineEdit", {}, {65, 51, 47, 22}},
        {"x2F", "QLineEdit", {}, {142, 52, 45, 22}},
        {"x3F", "QLineEdit", {}, {231, 51, 47, 22}},
        {"x4F", "QLineEdit", {}, {324, 52, 45, 22}},
        {"x5F", "QLineEdit", {}, {414, 52, 45, 22}},
        {"x6F", "QLineEdit", {}, {504, 50, 47, 22}},
        {"x7F", "QLineEdit", {}, {595, 51, 45, 22}},
        {"x8F", "QLineEdit", {}, {688, 51, 47, 22}},
        {"x9F", "QLineEdit", {}, {784, 51, 45, 22}},
        {"x10F", "QLineEdit", {}, {881, 52, 45, 22}},
        {"StaticText3", "QLabel", u"x^10 = 0"_s, {931, 53, 73, 20}},
        {"StaticText4", "QLabel", u"x^9 + "_s, {835, 52, 41, 20}},
        {"StaticText5", "QLabel", u"x^8 + "_s, {738, 52, 41, 20}},
        {"StaticText6", "QLabel", u"x^7 + "_s, {644, 52, 41, 20}},
        {"StaticText7", "QLabel", u"x^6 + "_s, {552, 51, 41, 20}},
        {"StaticText8", "QLabel", u"x^5 + "_s, {463, 52, 44, 20}},
        {"StaticText9", "QLabel", u"x^4 + "_s, {372, 53, 41, 20}},
        {"StaticText10", "QLabel", u"x^3 + "_s, {283, 54, 41, 20}},
        {"StaticText11", "QLabel", u"x^2 + "_s, {190, 54, 41, 20}},
        {"StaticText12", "QLabel", u"x + "_s, {117, 53, 23, 20}},
        {"AusgabeF", "QPlainTextEdit", {}, {11, 98, 993, 197}},
        {"EinleseB", "QPushButton", u"Loesungen Be&rechnen"_s, {840, 8, 164, 22}},
        {"BerechneB1", "QPushButton", u"Gleichung Ein&lesen"_s, {688, 8, 137, 22}},
        {"StaticText13", "QLabel", u"+"_s, {54, 53, 16, 20}},
        {"QuitB", "QPushButton", u"Programm &verlassen"_s, {835, 300, 164, 22}},
        {"QuitB1", "QPushButton", u"&Neue Gleichung"_s, {268, 8, 134, 22}},
        {"QuitB2", "QPushButton", u"&Info"_s, {12, 300, 67, 22}},
    };
    int nummer = 0;
    for (const Zeile& z : zeilen)
        QTest::newRow(z.name) << nummer++ << QString::fromLatin1(z.name)
                              << QString::fromLatin1(z.klasse) << z.text << z.platz;
}

void TestFenster::steuerelemente() {
    QFETCH(int, nummer);
    QFETCH(QString, name);
    QFETCH(QString, klasse);
    QFETCH(QString, text);
    QFETCH(QRect, platz);
    Hauptfenster w;
    w.show();
    const QObjectList kinder = w.centralWidget()->children();
    auto* s = qobject_cast<QWidget*>(kinder.value(nummer));
    QVERIFY(s);
    QCOMPARE(s->objectName(), name);
    QCOMPARE(QString::fromLatin1(s->metaObject()->className()), klasse);
    QCOMPARE(s->geometry(), platz);
    QVERIFY(s->isVisible());
    QVERIFY(!s->accessibleName().isEmpty());
    QCOMPARE(s->isEnabled(), name != u"EinleseB"_s);
    if (auto* l = qobject_cast<QLabel*>(s))
        QCOMPARE(l->text(), text);
    if (auto* e = qobject_cast<QLineEdit*>(s)) {
        QCOMPARE(e->text(), QString());
        QVERIFY(!e->isReadOnly());
        QCOMPARE(e->accessibleName(), u"Koeffizient von x^"_s + name.mid(1, name.size() - 2));
    }
    if (auto* b = qobject_cast<QPushButton*>(s)) {
        QCOMPARE(b->text(), text);
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    }
}

void TestFenster::ausgabefeld() {
    Hauptfenster w;
    auto* a = w.findChild<QPlainTextEdit*>(u"AusgabeF"_s);
    QVERIFY(a->isReadOnly());
    QCOMPARE(a->toPlainText(), QString());
    QCOMPARE(a->palette().color(QPalette::Base), QColor(0xFF, 0xFA, 0xDC));
    QCOMPARE(a->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // The user cannot type into it.
    w.show();
    a->setFocus();
    QTest::keyClicks(a, u"abc"_s);
    QCOMPARE(a->toPlainText(), QString());
    // A field takes any length.
    QCOMPARE(feld(w, 3)->maxLength(), std::numeric_limits<int>::max());
}

void TestFenster::tabulatorReihenfolge() {
    Hauptfenster w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    feld(w, 0)->setFocus();
    for (int j = 1; j <= 10; ++j) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), feld(w, j));
    }
}

void TestFenster::einzigesFenster() {
    Hauptfenster* w = Hauptfenster::instance();
    QVERIFY(w);
    QCOMPARE(Hauptfenster::instance(), w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->leer[2], u"\n\n"_s);
    delete w;
    QVERIFY(Hauptfenster::instance() != nullptr);
    delete Hauptfenster::instance();
}

void TestFenster::schliessenFragtNicht() {
    Hauptfenster w;
    w.show();
    Antworten antworten;
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QVERIFY(antworten.gezeigt.isEmpty());
}

void TestFenster::menue_data() {
    QTest::addColumn<QString>("menue");
    QTest::addColumn<QStringList>("namen");
    QTest::addColumn<QStringList>("texte");
    QTest::addColumn<QStringList>("kuerzel");
    QTest::newRow("FileMenu") << u"FileMenu"_s << QStringList{u"FileQuit"_s}
                              << QStringList{u"&Quit"_s} << QStringList{u"Ctrl+Q"_s};
    QTest::newRow("EditMenu") << u"EditMenu"_s
                              << QStringList{u"EditUndo"_s,      u"UntitledMenu1"_s, u"EditCut"_s,
                                             u"EditCopy"_s,      u"EditPaste"_s,     u"EditClear"_s,
                                             u"UntitledMenu0"_s, u"EditSelectAll"_s}
                              << QStringList{u"&Undo"_s,  u""_s,        u"Cu&t"_s, u"&Copy"_s,
                                             u"&Paste"_s, u"&Delete"_s, u""_s,     u"Select &All"_s}
                              << QStringList{u"Ctrl+Z"_s, u""_s, u"Ctrl+X"_s, u"Ctrl+C"_s,
                                             u"Ctrl+V"_s, u""_s, u""_s,       u"Ctrl+A"_s};
}

void TestFenster::menue() {
    QFETCH(QString, menue);
    QFETCH(QStringList, namen);
    QFETCH(QStringList, texte);
    QFETCH(QStringList, kuerzel);
    Hauptfenster w;
    MenuBar1* leiste = MenuBar1::instance();
    QCOMPARE(leiste->actions().size(), 2);
    auto* m = leiste->findChild<QMenu*>(menue);
    QVERIFY(m);
    QVERIFY(m->menuAction()->shortcut().isEmpty());
    const QList<QAction*> items = m->actions();
    QCOMPARE(items.size(), namen.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->objectName(), namen[i]);
        QCOMPARE(items[i]->isSeparator(), namen[i].startsWith(u"Untitled"_s));
        if (!items[i]->isSeparator())
            QCOMPARE(items[i]->text(), texte[i]);
        QCOMPARE(items[i]->shortcut().toString(QKeySequence::PortableText), kuerzel[i]);
    }
    QCOMPARE(leiste->actions().at(menue == u"FileMenu"_s ? 0 : 1), m->menuAction());
    QCOMPARE(m->title(), menue == u"FileMenu"_s ? u"&File"_s : u"&Edit"_s);
}

void TestFenster::beendenOhneFrage() {
    Hauptfenster w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Antworten antworten;
    MenuBar1::instance()->findChild<QAction*>(u"FileQuit"_s)->trigger();
    QCOMPARE(beendet, QList<int>{0});
    QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(beendet, (QList<int>{0, 0}));
    QVERIFY(antworten.gezeigt.isEmpty());
}

namespace {

QMap<QString, bool> freigaben() {
    auto* edit = MenuBar1::instance()->findChild<QMenu*>(u"EditMenu"_s);
    // What a user sees when the menu opens.
    Q_EMIT edit->aboutToShow();
    QMap<QString, bool> f;
    for (QAction* a : edit->actions())
        if (!a->isSeparator())
            f[a->objectName()] = a->isEnabled();
    return f;
}

// Opens the Edit menu and chooses the item, as a user does with the mouse.
void ausloesen(const char* name) {
    freigaben();
    MenuBar1::instance()->findChild<QAction*>(QString::fromLatin1(name))->trigger();
}

} // namespace

void TestFenster::bearbeitenImKoeffizientenfeld() {
    Hauptfenster w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QLineEdit* x2 = feld(w, 2);
    x2->setFocus();
    // Neither a change of focus nor the opening menu asks the clipboard,
    // whose owner may stall: Paste stays enabled for a writable field, also
    // with an empty clipboard, and asks only when chosen.
    QVERIFY(MenuBar1::instance()->findChild<QAction*>(u"EditPaste"_s)->isEnabled());
    QCOMPARE(freigaben().values(), (QList<bool>{false, false, false, true, false, false}));

    QTest::keyClicks(x2, u"12.5"_s);
    QMap<QString, bool> f = freigaben();
    QVERIFY(f[u"EditUndo"_s]);
    QVERIFY(!f[u"EditCopy"_s] && !f[u"EditCut"_s] && !f[u"EditClear"_s] && f[u"EditPaste"_s]);
    // Paste with nothing to paste changes nothing.
    ausloesen("EditPaste");
    QCOMPARE(x2->text(), u"12.5"_s);
    QVERIFY(f[u"EditSelectAll"_s]);

    ausloesen("EditSelectAll");
    QCOMPARE(x2->selectedText(), u"12.5"_s);
    ausloesen("EditCopy");
    QCOMPARE(QGuiApplication::clipboard()->text(), u"12.5"_s);
    f = freigaben();
    QVERIFY(f[u"EditCut"_s] && f[u"EditCopy"_s] && f[u"EditClear"_s] && f[u"EditPaste"_s]);

    ausloesen("EditClear");
    QCOMPARE(x2->text(), QString());
    QVERIFY(!knopf(w, "EinleseB")->isEnabled());
    ausloesen("EditUndo");
    QCOMPARE(x2->text(), u"12.5"_s);

    // Paste goes into the field that has the focus.
    feld(w, 7)->setFocus();
    ausloesen("EditPaste");
    QCOMPARE(feld(w, 7)->text(), u"12.5"_s);
    QCOMPARE(x2->text(), u"12.5"_s);
    feld(w, 7)->selectAll();
    ausloesen("EditCut");
    QCOMPARE(feld(w, 7)->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"12.5"_s);
}

void TestFenster::bearbeitenInDerAusgabe() {
    Hauptfenster w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QString bericht = loesen(w, {u"-6"_s, u"1"_s, u"1"_s});
    QGuiApplication::clipboard()->setText(u"4"_s);
    auto* a = w.findChild<QPlainTextEdit*>(u"AusgabeF"_s);
    a->setFocus();
    QMap<QString, bool> f = freigaben();
    QVERIFY(!f[u"EditUndo"_s] && !f[u"EditCut"_s] && !f[u"EditPaste"_s] && !f[u"EditClear"_s]);
    QVERIFY(!f[u"EditCopy"_s]);
    QVERIFY(f[u"EditSelectAll"_s]);

    // Selected with the keyboard and copied: the solutions go elsewhere.
    QTest::keyClick(a, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(freigaben()[u"EditCopy"_s]);
    ausloesen("EditCopy");
    QCOMPARE(QGuiApplication::clipboard()->text(), bericht);
    ausloesen("EditPaste");
    ausloesen("EditClear");
    QCOMPARE(a->toPlainText(), bericht);
}

// Not a box's answer: the real box is shown and Return pressed in it.
constexpr int eingabetaste = -1;

void TestFenster::beenden_data() {
    QTest::addColumn<int>("antwort");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("Ja") << MsgBoxJa << QList<int>{0};
    QTest::newRow("Nein") << MsgBoxNein << QList<int>{};
    QTest::newRow("geschlossen") << 0 << QList<int>{};
    QTest::newRow("Eingabetaste in der echten Frage") << eingabetaste << QList<int>{};
}

void TestFenster::beenden() {
    QFETCH(int, antwort);
    QFETCH(QList<int>, codes);
    Hauptfenster w;
    w.show();
    const QString bericht = loesen(w, {u"-6"_s, u"1"_s, u"1"_s});
    if (antwort == eingabetaste) {
        // The real question, answered at once with Return, as a hasty user
        // does: its default button is No.
        QTimer::singleShot(0, &w, [] {
            auto* frage = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(frage);
            QCOMPARE(frage->text(), u" Wirklich Beenden?"_s);
            QTest::keyClick(frage, Qt::Key_Return);
        });
        // Should the first answer miss, the box closes anyway.
        QTimer::singleShot(5000, &w, [] {
            if (QWidget* offen = QApplication::activeModalWidget())
                offen->close();
        });
        QTest::mouseClick(knopf(w, "QuitB"), Qt::LeftButton);
    } else {
        Antworten antworten({antwort});
        QTest::mouseClick(knopf(w, "QuitB"), Qt::LeftButton);
        QCOMPARE(antworten.gezeigt.size(), 1);
        QCOMPARE(antworten.gezeigt[0].text, u" Wirklich Beenden?"_s);
        QCOMPARE(antworten.gezeigt[0].knoepfe, MsgBoxJaNein);
        QCOMPARE(antworten.gezeigt[0].titel, QString());
    }
    QCOMPARE(beendet, codes);
    QCOMPARE(ausgabe(w), bericht);
    QCOMPARE(feld(w, 0)->text(), u"-6"_s);
}

// With the real Quit, a Yes ends the event loop with status 0.
void TestFenster::beendenEndetDieEreignisschleife() {
    setzeQuitSeam({});
    Hauptfenster w;
    w.show();
    Antworten antworten({MsgBoxJa});
    QTimer::singleShot(0, &w, [&w] { QTest::mouseClick(knopf(w, "QuitB"), Qt::LeftButton); });
    // Should the loop not end, the test fails rather than hangs.
    QTimer::singleShot(5000, &w, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(antworten.texte(), QStringList{u" Wirklich Beenden?"_s});
}

void TestFenster::neueGleichung_data() {
    QTest::addColumn<int>("antwort");
    QTest::addColumn<bool>("geloescht");
    QTest::newRow("Ja") << MsgBoxJa << true;
    QTest::newRow("Nein") << MsgBoxNein << false;
    QTest::newRow("geschlossen") << 0 << false;
}

void TestFenster::neueGleichung() {
    QFETCH(int, antwort);
    QFETCH(bool, geloescht);
    Hauptfenster w;
    w.show();
    const QString bericht = loesen(w, {u"-6"_s, u"1"_s, u"1"_s});
    const int vorherGrad = w.grad;
    Antworten antworten({antwort});
    QTest::mouseClick(knopf(w, "QuitB1"), Qt::LeftButton);
    QCOMPARE(antworten.texte(), QStringList{u" Wirklich alle Koeffizienten löschen?"_s});
    QCOMPARE(antworten.gezeigt[0].knoepfe, MsgBoxJaNein);
    const QStringList vorher = {u"-6"_s, u"1"_s, u"1"_s};
    for (int j = 0; j <= 10; ++j)
        QCOMPARE(feld(w, j)->text(), geloescht ? u"0"_s : vorher.value(j, u"0"_s));
    QCOMPARE(ausgabe(w), bericht);
    QCOMPARE(w.grad, vorherGrad);
    QCOMPARE(w.Nullstellen[0][0], 2.0);
    // The fields changed: the equation must be read in again.
    QCOMPARE(knopf(w, "EinleseB")->isEnabled(), !geloescht);
}

void TestFenster::info() {
    Hauptfenster w;
    Antworten antworten;
    QTest::mouseClick(knopf(w, "QuitB2"), Qt::LeftButton);
    QCOMPARE(antworten.gezeigt.size(), 1);
    QCOMPARE(antworten.gezeigt[0].knoepfe, 0);
    QCOMPARE(antworten.gezeigt[0].text,
             u"Riverev "_s + QStringLiteral(RIVEREV_VERSION) +
                 u"\n\nApproximative Loesung von Gleichungen bis zehnten Grades.\n\n\n"
                 u"mailto: "_s +
                 QStringLiteral(RIVEREV_KONTAKT));
    QVERIFY(QStringLiteral(RIVEREV_KONTAKT).contains(u'@'));
}

// From typing x^2 + x - 6 to the report, as a user does it.
void TestFenster::ganzeSitzung() {
    Hauptfenster w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Antworten antworten;
    QPushButton* berechnen = knopf(w, "EinleseB");
    QSignalSpy gerechnet(berechnen, &QPushButton::clicked);

    QTest::mouseClick(berechnen, Qt::LeftButton);
    QCOMPARE(gerechnet.count(), 0);

    feld(w, 0)->setFocus();
    QTest::keyClicks(feld(w, 0), u"-6"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), u"1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), u"1"_s);
    QCOMPARE(feld(w, 2)->text(), u"1"_s);

    QTest::mouseClick(knopf(w, "BerechneB1"), Qt::LeftButton);
    QCOMPARE(ausgabe(w), u"\nEingegebene Gleichung:    -6 + x + x^2   =  0 "_s);
    QCOMPARE(feld(w, 5)->text(), u"0"_s);
    QVERIFY(berechnen->isEnabled());

    QTest::mouseClick(berechnen, Qt::LeftButton);
    QCOMPARE(gerechnet.count(), 1);
    QCOMPARE(ausgabe(w), u"\nDie Gleichung     -6 + x + x^2   =  0 hat die Lösungen \n\n"
                         u"          x1  =  -3 ,\n          x2  =  2 ."_s);
    QVERIFY(antworten.gezeigt.isEmpty());
    // The buttons never took the focus from the field.
    QCOMPARE(QApplication::focusWidget(), feld(w, 2));
}

void TestFenster::anwendung() {
    QCOMPARE(qApp->applicationDisplayName(), u"Riverev"_s);
    QCOMPARE(qApp->desktopFileName(), QStringLiteral(RIVEREV_ID));
    // The built-in icon, at the title bar's sizes.
    QList<QSize> groessen = qApp->windowIcon().availableSizes();
    std::sort(groessen.begin(), groessen.end(),
              [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(groessen, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    // Qt's own dialogs and menus speak German.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), u"&Ja"_s);
    QCOMPARE(qApp->applicationVersion(), QStringLiteral(RIVEREV_VERSION));
}

// The tests run under the program's own application object.
int main(int argc, char** argv) {
    Riverev app(argc, argv);
    TestFenster test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fenster.moc"
