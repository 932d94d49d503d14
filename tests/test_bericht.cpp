#include "Pruefhilfe.h"

#include <QTest>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

class TestBericht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gleichungstext_data();
    void gleichungstext();
    void xhoch_data();
    void xhoch();
    void strabs();
    void schwererFehler();
    void berichte_data();
    void berichte();
    void zweimalBerechnen();
    void zehnWurzeln();
};

void TestBericht::gleichungstext_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<QString>("text");
    QTest::newRow("x^2 + x - 6") << QStringList{u"-6"_s, u"1"_s, u"1"_s}
                                 << u" -6 + x + x^2   =  0 "_s;
    QTest::newRow("1 - 2x^3") << QStringList{u"1"_s, u""_s, u""_s, u"-2"_s}
                              << u"1 - 2x^3   =  0 "_s;
    QTest::newRow("-x + 4x^10") << QStringList{u""_s, u"-1"_s, u""_s, u""_s, u""_s, u""_s,
                                               u""_s, u""_s,   u""_s, u""_s, u"4"_s}
                                << u" -x + 4x^10   =  0 "_s;
    QTest::newRow("2x - 1") << QStringList{u"-1"_s, u"2"_s} << u" -1 + 2x   =  0 "_s;
    QTest::newRow("-3 + x") << QStringList{u"-3"_s, u"1"_s} << u" -3 + x   =  0 "_s;
    QTest::newRow("-x^2 + x^3") << QStringList{u""_s, u""_s, u"-1"_s, u"1"_s}
                                << u" -x^2 + x^3   =  0 "_s;
    QTest::newRow("spaeteres Minus")
        << QStringList{u"1"_s, u""_s, u"-3"_s} << u"1 - 3x^2   =  0 "_s;
    QTest::newRow("Einsen") << QStringList{u"-1"_s, u"-1"_s, u""_s, u""_s, u"1"_s, u""_s,
                                           u""_s,   u""_s,   u""_s, u""_s, u"-1"_s}
                            << u" -1 - x + x^4 - x^10   =  0 "_s;
    QTest::newRow("Konstante 1") << QStringList{u"1"_s, u"1"_s} << u"1 + x   =  0 "_s;
    QTest::newRow("Dezimalzahl") << QStringList{u""_s, u""_s, u"1.5"_s, u"-2.25"_s}
                                 << u"1.5x^2 - 2.25x^3   =  0 "_s;
    QTest::newRow("ohne Konstante") << QStringList{u"0"_s, u"2"_s} << u"2x   =  0 "_s;
    QTest::newRow("grosse Zahl") << QStringList{u"100000000000000000000"_s, u"1"_s}
                                 << u"100000000000000000000 + x   =  0 "_s;
}

void TestBericht::gleichungstext() {
    QFETCH(QStringList, koeffizienten);
    QFETCH(QString, text);
    Hauptfenster w;
    QVERIFY(einlesen(w, koeffizienten));
    QCOMPARE(w.GleichungAusgeben(), text);
}

void TestBericht::xhoch_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << u" "_s;
    QTest::newRow("1") << 1 << u"x "_s;
    QTest::newRow("2") << 2 << u"x^2 "_s;
    QTest::newRow("9") << 9 << u"x^9 "_s;
    QTest::newRow("10") << 10 << u"x^10 "_s;
    QTest::newRow("11") << 11 << QString();
    QTest::newRow("-1") << -1 << QString();
}

void TestBericht::xhoch() {
    QFETCH(int, n);
    QFETCH(QString, text);
    Hauptfenster w;
    QCOMPARE(w.xhoch(n), text);
}

void TestBericht::strabs() {
    Hauptfenster w;
    QCOMPARE(w.strabs(1.0), QString());
    QCOMPARE(w.strabs(-1.0), QString());
    QCOMPARE(w.strabs(-2.5), u"2.5"_s);
    QCOMPARE(w.strabs(1.0000000000000002), u"1.0000000000000002"_s);
}

// Should the table ever hold no coefficient up to grad, the text stops
// there instead of reading past the table.
void TestBericht::schwererFehler() {
    Hauptfenster w;
    w.grad = 10;
    Antworten antworten;
    QCOMPARE(w.GleichungAusgeben(), QString());
    QCOMPARE(antworten.texte(), QStringList{u"Schwerer Fehler"_s});
}

// The worked reports, character for character.
void TestBericht::berichte_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<QString>("bericht");
    QTest::newRow("keine Loesung") << QStringList{u"1"_s, u""_s, u"1"_s}
                                   << u"\nDie Gleichung    1 + x^2   =  0 hat keine Lösungen."_s;
    QTest::newRow("eine Loesung")
        << QStringList{u"-1"_s, u"2"_s}
        << u"\nDie Gleichung     -1 + 2x   =  0 hat als einzige Lösung           x1  =  0.5 ."_s;
    QTest::newRow("zwei Loesungen")
        << QStringList{u"-6"_s, u"1"_s, u"1"_s}
        << u"\nDie Gleichung     -6 + x + x^2   =  0 hat die Lösungen \n\n"
           u"          x1  =  -3 ,\n          x2  =  2 ."_s;
    QTest::newRow("Null ohne Minus") << QStringList{u"0"_s, u"2"_s, u"1"_s}
                                     << u"\nDie Gleichung    2x + x^2   =  0 hat die Lösungen \n\n"
                                        u"          x1  =  -2 ,\n          x2  =  0 ."_s;
    QTest::newRow("gerundet auf zehn Stellen")
        << QStringList{u"-2"_s, u""_s, u"1"_s}
        << u"\nDie Gleichung     -2 + x^2   =  0 hat die Lösungen \n\n"
           u"          x1  =  -1.4142135624 ,\n          x2  =  1.4142135624 ."_s;
    QTest::newRow("Koeffizienten ungerundet")
        << QStringList{u"-0.123456789012345"_s, u"1"_s}
        << u"\nDie Gleichung     -0.123456789012345 + x   =  0 hat als einzige Lösung "
           u"          x1  =  0.123456789 ."_s;
    // Beyond 2^42 a root shows as a double: the one nearest it,
    // 271869533928060555.6..., not its neighbour 271869533928060580.
    QTest::newRow("naechster Double")
        << QStringList{u"-340000000000000000000"_s, u""_s, u"0.0000000000000046"_s}
        << u"\nDie Gleichung     -340000000000000000000 + 0.0000000000000046x^2   =  0 hat die "
           u"Lösungen \n\n          x1  =  -271869533928060540 ,\n"
           u"          x2  =  271869533928060540 ."_s;
    // From 1e6 on too: the root -2875166080149.88195... shows as its nearest double, not as the
    // neighbour below; and a double with eleven decimals shows as itself, not as its neighbour.
    QTest::newRow("naechster Double unter 2^42")
        << QStringList{u"1434805629641516190"_s, u"499034"_s}
        << u"\nDie Gleichung    1434805629641516190 + 499034x   =  0 hat als einzige Lösung "
           u"          x1  =  -2875166080149.882 ."_s;
    QTest::newRow("Double mit elf Stellen")
        << QStringList{u"-2199023255552.00048828125"_s, u"1"_s}
        << u"\nDie Gleichung     -2199023255552.00048828125 + x   =  0 hat als einzige Lösung "
           u"          x1  =  2199023255552.0005 ."_s;
    // A root halfway between two texts shows the one away from 0: decided exactly, where it is
    // no double, and where it is one.
    QTest::newRow("Mitte weg von Null")
        << QStringList{u"-2.00000000005"_s, u"1"_s}
        << u"\nDie Gleichung     -2.00000000005 + x   =  0 hat als einzige Lösung "
           u"          x1  =  2.0000000001 ."_s;
    QTest::newRow("Mitte als Double")
        << QStringList{u"0.00048828125"_s, u"1"_s}
        << u"\nDie Gleichung    0.00048828125 + x   =  0 hat als einzige Lösung "
           u"          x1  =  -0.0004882813 ."_s;
    // An exact expansion typed with every digit: its multiple root keeps the 16-digit constant,
    // whose double's text would end in 8.
    QTest::newRow("Entwicklung wie getippt")
        << QStringList{u"8641.501547944329"_s,
                       u"11445.6974144958"_s,
                       u"6316.61005215"_s,
                       u"1859.19354"_s,
                       u"307.8135"_s,
                       u"27.18"_s,
                       u"1"_s}
        << u"\nDie Gleichung    8641.501547944329 + 11445.6974144958x + 6316.61005215x^2 + "
           u"1859.19354x^3 + 307.8135x^4 + 27.18x^5 + x^6   =  0 hat als einzige Lösung "
           u"          x1  =  -4.53 ."_s;
    QTest::newRow("Dezimalkomma")
        << QStringList{u"-1,5"_s, u"0,5"_s, u"1"_s}
        << u"\nDie Gleichung     -1.5 + 0.5x + x^2   =  0 hat die Lösungen \n\n"
           u"          x1  =  -1.5 ,\n          x2  =  1 ."_s;
}

void TestBericht::berichte() {
    QFETCH(QStringList, koeffizienten);
    QFETCH(QString, bericht);
    Hauptfenster w;
    QCOMPARE(loesen(w, koeffizienten), bericht);
}

void TestBericht::zweimalBerechnen() {
    Hauptfenster w;
    const QString erster = loesen(w, {u"1"_s, u"-3"_s, u"0"_s, u"1"_s});
    QVERIFY(erster.contains(u"x3  =  "_s));
    w.EinleseB_Action();
    QCOMPARE(ausgabe(w), erster);
    QVERIFY(knopf(w, "EinleseB")->isEnabled());
}

void TestBericht::zehnWurzeln() {
    Hauptfenster w;
    const QString bericht =
        loesen(w, {u"3628800"_s, u"-10628640"_s, u"12753576"_s, u"-8409500"_s, u"3416930"_s,
                   u"-902055"_s, u"157773"_s, u"-18150"_s, u"1320"_s, u"-55"_s, u"1"_s});
    // Ten numbered lines, the last one wider by a digit.
    const QStringList zeilen = bericht.split(u'\n');
    QCOMPARE(zeilen.size(), 13);
    for (int i = 1; i <= 10; ++i) {
        const QString z = zeilen[2 + i];
        const QString kopf = u"          x%1  =  "_s.arg(i);
        QVERIFY2(z.startsWith(kopf), qPrintable(z));
        QVERIFY(z.endsWith(i < 10 ? u" ,"_s : u" ."_s));
        const double wert = Val(z.mid(kopf.size()));
        QVERIFY2(std::abs(wert - i) < 1e-9, qPrintable(z));
    }
}

QTEST_MAIN(TestBericht)
#include "test_bericht.moc"
