#include "Pruefhilfe.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// What keyboard users, dark themes, larger fonts and small screens need of
// the window.
class TestBedienung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eingabetaste_data();
    void eingabetaste();
    void zugriffstasten_data();
    void zugriffstasten();
    void dunklesThema();
    void tabelleEinfuegen_data();
    void tabelleEinfuegen();
    void geschriebeneZahlAusgewaehlt();
    void klicken_data();
    void klicken();
    void kurzinfo_data();
    void kurzinfo();
    void einpassen_data();
    void einpassen();
};

namespace {

// A shown, active window, as the user has it in front of them.
bool aktiv(Hauptfenster& w) {
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

} // namespace

void TestBedienung::eingabetaste_data() {
    QTest::addColumn<Qt::Key>("taste");
    QTest::addColumn<bool>("neueGleichung");
    QTest::newRow("Return") << Qt::Key_Return << false;
    QTest::newRow("Enter im Ziffernblock") << Qt::Key_Enter << false;
    // From x2F, where a solved quadratic leaves it, the focus goes to x0F,
    // whose new "0" is selected: "-6" replaces it.
    QTest::newRow("nach Neue Gleichung") << Qt::Key_Return << true;
}

// Typing the equation and pressing the key twice reads it in and solves it.
void TestBedienung::eingabetaste() {
    QFETCH(Qt::Key, taste);
    QFETCH(bool, neueGleichung);
    Hauptfenster w;
    QVERIFY(aktiv(w));
    w.xF[0]->setFocus(Qt::TabFocusReason);
    if (neueGleichung) {
        eingeben(w, {u"5"_s, u"3"_s});
        w.BerechneB1_Action();
        w.xF[2]->setFocus(Qt::TabFocusReason);
        Antworten ja({MsgBoxJa});
        QTest::mouseClick(w.QuitB1, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), w.xF[0]);
        QCOMPARE(w.xF[0]->selectedText(), u"0"_s);
    }
    Antworten antworten;
    for (const QString& k : {u"-6"_s, u"1"_s, u"1"_s}) {
        QTest::keyClicks(QApplication::focusWidget(), k);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(QApplication::focusWidget(), taste);
    QCOMPARE(ausgabe(w), u"\nEingegebene Gleichung:    -6 + x + x^2   =  0 "_s);
    QTest::keyClick(QApplication::focusWidget(), taste);
    QVERIFY(ausgabe(w).endsWith(u"x1  =  -3 ,\n          x2  =  2 ."_s));
    QCOMPARE(QApplication::focusWidget(), w.xF[3]);
    QVERIFY(antworten.gezeigt.isEmpty());
}

void TestBedienung::zugriffstasten_data() {
    QTest::addColumn<QString>("taste");
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<bool>("eingelesen");
    QTest::addColumn<bool>("wirkt");
    QTest::newRow("Alt+L liest ein") << u"Alt+L"_s << u"BerechneB1"_s << false << true;
    QTest::newRow("Alt+R rechnet") << u"Alt+R"_s << u"EinleseB"_s << true << true;
    QTest::newRow("Alt+R ohne Einlesen") << u"Alt+R"_s << u"EinleseB"_s << false << false;
    QTest::newRow("Alt+N") << u"Alt+N"_s << u"QuitB1"_s << false << true;
    QTest::newRow("Alt+I") << u"Alt+I"_s << u"QuitB2"_s << false << true;
    QTest::newRow("Alt+V") << u"Alt+V"_s << u"QuitB"_s << false << true;
}

void TestBedienung::zugriffstasten() {
    QFETCH(QString, taste);
    QFETCH(QString, knopf);
    QFETCH(bool, eingelesen);
    QFETCH(bool, wirkt);
    Hauptfenster w;
    QVERIFY(aktiv(w));
    eingeben(w, {u"-6"_s, u"1"_s, u"1"_s});
    if (eingelesen)
        w.BerechneB1_Action();
    w.xF[1]->setFocus();
    Antworten antworten({MsgBoxNein});
    auto* b = w.findChild<QPushButton*>(knopf);
    QSignalSpy geklickt(b, &QPushButton::clicked);
    QTest::keySequence(&w, QKeySequence::fromString(taste));
    if (wirkt)
        QTRY_COMPARE(geklickt.count(), 1);
    else
        QTest::qWait(300);
    QCOMPARE(geklickt.count(), wirkt ? 1 : 0);
    // The button took no focus from the field.
    QCOMPARE(QApplication::focusWidget(), w.xF[1]);
}

// Under a dark theme the fields keep their dark text on their light ground;
// the labels keep the theme's light text on its dark window.
void TestBedienung::dunklesThema() {
    const QPalette vorher = QApplication::palette();
    QPalette dunkel(QColor(0x30, 0x30, 0x30));
    dunkel.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dunkel.setColor(QPalette::Text, Qt::white);
    dunkel.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dunkel);
    {
        Hauptfenster w;
        const QList<std::pair<QWidget*, QColor>> felder = {
            {w.xF[0], Qt::white}, {w.xF[10], Qt::white}, {w.AusgabeF, QColor(0xFF, 0xFA, 0xDC)}};
        for (const auto& [feld, grund] : felder)
            for (auto gruppe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                QCOMPARE(feld->palette().color(gruppe, QPalette::Text), QColor(Qt::black));
                QCOMPARE(feld->palette().color(gruppe, QPalette::Base), grund);
            }
        for (const QLabel* l : w.findChildren<QLabel*>())
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
    QApplication::setPalette(vorher);
}

void TestBedienung::tabelleEinfuegen_data() {
    QTest::addColumn<QString>("ablage");
    QTest::addColumn<QStringList>("felder");
    const QStringList erwartet = {u"-6"_s, u"1"_s, u"1 000"_s, u"9"_s};
    QTest::newRow("Tabulatoren") << u"-6\t1\t1 000\n"_s << erwartet;
    QTest::newRow("Semikolons") << u"-6;1;1 000"_s << erwartet;
    QTest::newRow("Leerzeichen") << u"-6   1  1 000"_s << erwartet;
    QTest::newRow("Spalte") << u"-6\r\n1\r\n1 000"_s << erwartet;
    // One blank joins the digits, as typed.
    QTest::newRow("ein Leerzeichen") << u"-6 1"_s << QStringList{u"-6 1"_s, u""_s, u""_s, u"9"_s};
}

// A row copied from a spreadsheet or a document fills one field per part.
void TestBedienung::tabelleEinfuegen() {
    QFETCH(QString, ablage);
    QFETCH(QStringList, felder);
    Hauptfenster w;
    QVERIFY(aktiv(w));
    eingeben(w, {u""_s, u""_s, u""_s, u"9"_s});
    QGuiApplication::clipboard()->setText(ablage);
    w.xF[0]->setFocus();
    QTest::keySequence(w.xF[0], QKeySequence::Paste);
    for (int j = 0; j < felder.size(); ++j)
        QCOMPARE(w.xF[j]->text(), felder[j]);

    // Cells past x10F are dropped.
    w.xF[10]->selectAll();
    QTest::keySequence(w.xF[10], QKeySequence::Paste);
    QCOMPARE(w.xF[10]->text(), felder[0]);
}

// The focused field's number is selected after a read-in, with the caret at
// its start, and so are the others' starts shown.
void TestBedienung::geschriebeneZahlAusgewaehlt() {
    Hauptfenster w;
    QVERIFY(aktiv(w));
    w.xF[0]->setFocus();
    eingeben(w, {u"2.5"_s, u"-10628640"_s});
    w.BerechneB1_Action();
    QCOMPARE(w.xF[0]->selectedText(), u"2.5"_s);
    QCOMPARE(w.xF[0]->cursorPosition(), 0);
    QCOMPARE(w.xF[1]->cursorPosition(), 0);
}

enum class Klick { GibtFokus, Zweiter, NachTab, FokusZurueck, NachReturn };

void TestBedienung::klicken_data() {
    QTest::addColumn<Klick>("fall");
    QTest::addColumn<bool>("waehlt");
    QTest::newRow("Klick gibt den Fokus") << Klick::GibtFokus << true;
    QTest::newRow("zweiter Klick") << Klick::Zweiter << false;
    QTest::newRow("nach Tab") << Klick::NachTab << false;
    QTest::newRow("Fokus ohne Klick zurueck") << Klick::FokusZurueck << false;
    QTest::newRow("nach Return im Feld") << Klick::NachReturn << true;
}

// After a read-in a field shows "0": the click that gives it the focus
// selects the 0, so that typing replaces it, and so does the first click
// into the field whose number the program has just written; any other click
// places the caret.
void TestBedienung::klicken() {
    QFETCH(Klick, fall);
    QFETCH(bool, waehlt);
    Hauptfenster w;
    QVERIFY(aktiv(w));
    Antworten still;
    w.xF[0]->setFocus();
    eingeben(w, {u"-6"_s, u"1"_s});
    w.BerechneB1_Action();
    QLineEdit* ziel = w.xF[2];
    switch (fall) {
    case Klick::GibtFokus:
        break;
    case Klick::Zweiter:
        QTest::mouseClick(ziel, Qt::LeftButton);
        break;
    case Klick::NachTab:
        w.xF[1]->setFocus();
        QTest::keyClick(w.xF[1], Qt::Key_Tab);
        break;
    case Klick::FokusZurueck:
        ziel->setFocus();
        w.BerechneB1_Action();
        QTest::keyClick(ziel, Qt::Key_Tab);
        QTest::keyClick(w.xF[3], Qt::Key_Backtab);
        break;
    case Klick::NachReturn:
        ziel->setFocus();
        QTest::keyClicks(ziel, u"-6"_s);
        QTest::keyClick(ziel, Qt::Key_Return);
        break;
    }
    QTest::mouseClick(ziel, Qt::LeftButton);
    QCOMPARE(ziel->hasSelectedText(), waehlt);
    if (waehlt) {
        QTest::keyClicks(ziel, u"5"_s);
        QCOMPARE(ziel->text(), u"5"_s);
    }
}

void TestBedienung::kurzinfo_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("punkt");
    QTest::addColumn<bool>("gezeigt");
    QTest::newRow("zu breit") << u"-10628640"_s << 0.0 << true;
    QTest::newRow("passt") << u"1"_s << 0.0 << false;
    // The same number, wider in a larger font.
    QTest::newRow("groessere Schrift") << u"-106"_s << 30.0 << true;
}

// A number wider than its field shows whole as the field's tooltip, also
// after the font changed.
void TestBedienung::kurzinfo() {
    QFETCH(QString, text);
    QFETCH(double, punkt);
    QFETCH(bool, gezeigt);
    Hauptfenster w;
    QVERIFY(aktiv(w));
    QLineEdit* feld = w.xF[1];
    // What the pointer resting on the field would show.
    const auto kurzinfo = [feld] {
        const QPoint punkt(2, 2);
        QHelpEvent frage(QEvent::ToolTip, punkt, feld->mapToGlobal(punkt));
        QCoreApplication::sendEvent(feld, &frage);
        return feld->toolTip();
    };
    feld->setText(text);
    if (punkt > 0) {
        QCOMPARE(kurzinfo(), QString());
        QFont schrift = feld->font();
        schrift.setPointSizeF(punkt);
        feld->setFont(schrift);
    }
    QCOMPARE(kurzinfo(), gezeigt ? text : QString());
}

// Sizes in logical pixels: a 1920 x 1080 or 1366 x 768 screen at 100, 150
// and 200 percent.
void TestBedienung::einpassen_data() {
    QTest::addColumn<double>("punkt");
    QTest::addColumn<QSize>("bildschirm");
    QTest::addColumn<int>("laufweite"); // letter spacing in percent
    for (const double punkt : {9.0, 10.0, 11.0, 12.0, 14.0})
        for (const QSize bildschirm : {QSize(1920, 1080), QSize(1280, 720), QSize(960, 540),
                                       QSize(1366, 768), QSize(910, 512), QSize(683, 384)})
            QTest::addRow("%g pt, %d x %d", punkt, bildschirm.width(), bildschirm.height())
                << punkt << bildschirm << 100;
    // A narrow font: the heights decide. A 32:9 screen at 400 percent: its
    // height decides, and the title bar must fit as well.
    QTest::newRow("14 pt schmal, 1920 x 1080") << 14.0 << QSize(1920, 1080) << 50;
    QTest::newRow("14 pt, 1280 x 360") << 14.0 << QSize(1280, 360) << 100;
}

void TestBedienung::einpassen() {
    QFETCH(double, punkt);
    QFETCH(QSize, bildschirm);
    QFETCH(int, laufweite);
    const QFont vorher = QApplication::font();
    QFont schrift = vorher;
    schrift.setPointSizeF(punkt);
    schrift.setLetterSpacing(QFont::PercentageSpacing, laufweite);
    QApplication::setFont(schrift);
    Hauptfenster w;
    w.Einpassen(bildschirm);
    QApplication::setFont(vorher);

    // The frame's title bar fits as well.
    QVERIFY(w.width() <= bildschirm.width());
    QVERIFY(w.height() + w.style()->pixelMetric(QStyle::PM_TitleBarHeight) <= bildschirm.height());
    QCOMPARE(w.minimumSize(), w.maximumSize());
    for (const QLabel* l : w.findChildren<QLabel*>()) {
        const QFontMetrics fm = l->fontMetrics();
        QVERIFY2(fm.horizontalAdvance(l->text().trimmed()) <= l->width() &&
                     fm.height() <= l->height(),
                 qPrintable(l->text()));
    }
    for (const QPushButton* b : w.findChildren<QPushButton*>()) {
        const QFontMetrics fm = b->fontMetrics();
        QVERIFY2(fm.horizontalAdvance(b->text().remove(u'&')) < b->width() &&
                     fm.height() < b->height(),
                 qPrintable(b->text()));
    }
    // A field holds its text's height, a pixel above and below it and its
    // frame.
    for (const QLineEdit* e : w.xF) {
        const int rahmen = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
        QVERIFY(e->fontMetrics().height() + 2 + 2 * rahmen <= e->height());
    }
    // The font shrinks only where the screen is too small for it.
    if (bildschirm.width() >= 1920)
        QCOMPARE(w.font().pointSizeF(), punkt);
}

QTEST_MAIN(TestBedienung)
#include "test_bedienung.moc"
