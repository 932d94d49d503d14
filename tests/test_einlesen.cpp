#include "Pruefhilfe.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestEinlesen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anfangszustand();
    void feldtexte_data();
    void feldtexte();
    void gradUndIntervall_data();
    void gradUndIntervall();
    void kleinererGradRaeumtAuf();
    void einlesenRaeumtNullstellenAuf();
    void zuKleinerGrad_data();
    void zuKleinerGrad();
    void ausgabeNachErfolg();
    void schutzDesBerechnenKnopfs_data();
    void schutzDesBerechnenKnopfs();
    void zahlenbereich_data();
    void zahlenbereich();
};

void TestEinlesen::anfangszustand() {
    Hauptfenster w;
    QCOMPARE(w.grad, 0);
    QCOMPARE(w.xlinks, 0.0);
    QCOMPARE(w.xrechts, 0.0);
    for (const auto& zeile : w.Pnom)
        for (double z : zeile)
            QCOMPARE(z, 0.0);
    for (const auto& zeile : w.Nullstellen)
        for (double z : zeile)
            QCOMPARE(z, 0.0);
    QVERIFY(w.leer[0].isEmpty());
    QCOMPARE(w.leer[1], u"\n"_s);
    QCOMPARE(w.leer[4], u"\n\n\n\n"_s);
    QVERIFY(!knopf(w, "EinleseB")->isEnabled());
}

// What one field holds, what it reads as, and what it shows afterwards.
void TestEinlesen::feldtexte_data() {
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("danach");
    QTest::newRow("leer") << u""_s << 0.0 << u"0"_s;
    QTest::newRow("Dezimalkomma") << u"3,5"_s << 3.5 << u"3.5"_s;
    QTest::newRow("Leerzeichen") << u"  -2  "_s << -2.0 << u"-2"_s;
    QTest::newRow("x = 4") << u"x = 4"_s << 4.0 << u"4"_s;
    QTest::newRow("nur Buchstaben") << u"abc"_s << 0.0 << u"0"_s;
    QTest::newRow("Exponent") << u"1e-3"_s << 0.001 << u"0.001"_s;
    QTest::newRow("Exponent mit Komma") << u"2,5E+4"_s << 25000.0 << u"25000"_s;
    QTest::newRow("Exponent mit Leerzeichen") << u" -7.1 e12"_s << -7.1e12 << u"-7100000000000"_s;
    QTest::newRow("e im Wort") << u"3 Meter"_s << 3.0 << u"3"_s;
    QTest::newRow("Bruch") << u"1/2"_s << 12.0 << u"12"_s;
    QTest::newRow("Tausender") << u"1 000"_s << 1000.0 << u"1000"_s;
    QTest::newRow("plus") << u"+7"_s << 7.0 << u"7"_s;
    // Every sign, digit and letter the read-in maps, as documents and input
    // methods write them.
    QTest::newRow("typografisches Minus") << u"\u22126"_s << -6.0 << u"-6"_s;
    QTest::newRow("Ziffernstrich") << u"\u20126"_s << -6.0 << u"-6"_s;
    QTest::newRow("Halbgeviertstrich") << u"\u20136"_s << -6.0 << u"-6"_s;
    QTest::newRow("Geviertstrich") << u"\u20146"_s << -6.0 << u"-6"_s;
    QTest::newRow("Bindestrich") << u"\u20106"_s << -6.0 << u"-6"_s;
    QTest::newRow("kleiner Bindestrich") << u"\uFE636"_s << -6.0 << u"-6"_s;
    QTest::newRow("vollbreites Minus") << u"\uFF0D6"_s << -6.0 << u"-6"_s;
    QTest::newRow("vollbreites Plus") << u"\uFF0B7"_s << 7.0 << u"7"_s;
    QTest::newRow("vollbreites Komma") << u"3\uFF0C5"_s << 3.5 << u"3.5"_s;
    QTest::newRow("vollbreiter Punkt") << u"3\uFF0E5"_s << 3.5 << u"3.5"_s;
    QTest::newRow("Vollbreite Ziffern") << u"\uFF11\uFF12"_s << 12.0 << u"12"_s;
    QTest::newRow("vollbreite 9 und 0") << u"\uFF19\uFF10"_s << 90.0 << u"90"_s;
    QTest::newRow("arabisch-indische Ziffern") << u"\u0661\u0662"_s << 12.0 << u"12"_s;
    QTest::newRow("Devanagari-Ziffern") << u"\u096A\u0968"_s << 42.0 << u"42"_s;
    QTest::newRow("Hochzahl ist keine Ziffer") << u"2x\u00B2"_s << 2.0 << u"2"_s;
    QTest::newRow("vollbreites e") << u"1\uFF453"_s << 1000.0 << u"1000"_s;
    QTest::newRow("vollbreites E") << u"1\uFF253"_s << 1000.0 << u"1000"_s;
    // An exponent belongs to the number it follows directly, whatever
    // comes after it.
    QTest::newRow("Exponent, dann Einheit") << u"2.5e3 m"_s << 2500.0 << u"2500"_s;
    QTest::newRow("Exponent, dann x") << u"1e-3x"_s << 0.001 << u"0.001"_s;
    QTest::newRow("1e2x") << u"1e2x"_s << 100.0 << u"100"_s;
    QTest::newRow("a=1e2") << u"a=1e2"_s << 100.0 << u"100"_s;
    QTest::newRow("Exponent nach dem Punkt") << u".5e3"_s << 500.0 << u"500"_s;
    QTest::newRow("Meter 3") << u"Meter 3"_s << 3.0 << u"3"_s;
    QTest::newRow("e nach Buchstaben") << u"3 Stueck je 2"_s << 32.0 << u"32"_s;
    QTest::newRow("e nach dem Punkt allein") << u".e5"_s << 0.5 << u"0.5"_s;
    QTest::newRow("nach dem Exponenten") << u"1e2x3"_s << 100.0 << u"100"_s;
    QTest::newRow("Zehnerpotenz hochgestellt")
        << u"1,5\u00B710\u207B\u00B3"_s << 0.0015 << u"0.0015"_s;
    QTest::newRow("Zehnerpotenz mit ^") << u"1,5\u00B710^-3"_s << 0.0015 << u"0.0015"_s;
    QTest::newRow("Zehnerpotenz mit mal") << u"2\u00D710\u00B3"_s << 2000.0 << u"2000"_s;
    QTest::newRow("Zehnerpotenz mit Stern") << u"4*10^2"_s << 400.0 << u"400"_s;
    QTest::newRow("Zehnerpotenz, typografisches Minus")
        << u"1,5\u00B710\u22123"_s << 0.0015 << u"0.0015"_s;
    QTest::newRow("Zehnerpotenz, Minus ohne ^") << u"1,5\u00B710-3"_s << 0.0015 << u"0.0015"_s;
    QTest::newRow("Zehnerpotenz mit x") << u"1,5x10^-3"_s << 0.0015 << u"0.0015"_s;
    QTest::newRow("Zehnerpotenz mit x und Leerzeichen")
        << u"1,5 x 10 ^ \u2212 3"_s << 0.0015 << u"0.0015"_s;
    QTest::newRow("Zehnerpotenz, hochgestelltes Plus")
        << u"2\u00D710\u207A\u00B2"_s << 200.0 << u"200"_s;
    QTest::newRow("10 und Ziffern ohne Vorzeichen") << u"2\u00B710 3"_s << 2103.0 << u"2103"_s;
    QTest::newRow("mal 10 allein") << u"2x10"_s << 210.0 << u"210"_s;
    QTest::newRow("arabisches Dezimalkomma") << u"\u0662\u066B\u0665"_s << 2.5 << u"2.5"_s;
    QTest::newRow("1 arabisches Dezimalkomma 5") << u"1\u066B5"_s << 1.5 << u"1.5"_s;
    QTest::newRow("mathematische Ziffern") << u"\U0001D7D4\U0001D7CE"_s << 60.0 << u"60"_s;
    QTest::newRow("mathematische Ziffer im Exponenten") << u"3e\U0001D7D0"_s << 300.0 << u"300"_s;
    QTest::newRow("Tabulator") << u"\t8"_s << 8.0 << u"8"_s;
    QTest::newRow("zwei Punkte") << u"1.2.3"_s << 1.2 << u"1.2"_s;
    QTest::newRow("plus minus") << u"+-3"_s << 0.0 << u"0"_s;
    QTest::newRow("Emoji") << u"\U0001F600 2"_s << 2.0 << u"2"_s;
    QTest::newRow("grosse Zahl") << u"100000000000000000000"_s << 1e20
                                 << u"100000000000000000000"_s;
    // The field keeps the number typed where its double's text says another and the typed one
    // is exactly the double, or has 18 to 40 digits; a 17-digit print shows its double's text.
    QTest::newRow("17 Stellen, genau ein Double")
        << u"72057594037927936"_s << 72057594037927936.0 << u"72057594037927936"_s;
    QTest::newRow("20 Stellen, kein Double")
        << u"1.2345678901234567891"_s << 1.2345678901234567 << u"1.2345678901234567891"_s;
    QTest::newRow("45 Stellen, genau ein Double")
        << u"1.08420217248550443400745280086994171142578125e-18"_s << 0x5p-62
        << u"0.00000000000000000108420217248550443400745280086994171142578125"_s;
    QTest::newRow("60 Stellen, kein Double")
        << u"1.23456789012345678901234567890123456789012345678901234567891"_s << 1.2345678901234567
        << u"1.2345678901234567"_s;
    // Beyond the largest double, by less than half a unit: x + a0 would have its root beyond the
    // doubles.
    QTest::newRow("18 Stellen jenseits des groessten Double")
        << u"1.79769313486231577e308"_s << std::numeric_limits<double>::max()
        << Str(std::numeric_limits<double>::max());
    QTest::newRow("17-stelliger Druck")
        << u"286182715852.79999"_s << 286182715852.8 << u"286182715852.8"_s;
}

void TestEinlesen::feldtexte() {
    QFETCH(QString, getippt);
    QFETCH(double, wert);
    QFETCH(QString, danach);
    Hauptfenster w;
    Antworten still;
    // The field under test is the constant term; x^1 makes it an equation.
    QVERIFY(einlesen(w, {getippt, u"1"_s}));
    QCOMPARE(w.Pnom[0][0], wert);
    QCOMPARE(feld(w, 0)->text(), danach);
    // What the field shows now reads in as the same number.
    bool erfolg = false;
    w.GleichungEinlesen(erfolg);
    QCOMPARE(w.Pnom[0][0], wert);
}

void TestEinlesen::gradUndIntervall_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<int>("grad");
    QTest::addColumn<double>("xrechts");
    QTest::newRow("linear") << QStringList{u"-2"_s, u"1"_s} << 1 << 2.0;
    QTest::newRow("nur a1") << QStringList{u"0"_s, u"5"_s} << 1 << 2.0;
    QTest::newRow("x^2 + x - 6") << QStringList{u"-6"_s, u"1"_s, u"1"_s} << 2 << 7.0;
    QTest::newRow("unter 2") << QStringList{u"1"_s, u"0"_s, u"4"_s} << 2 << 2.0;
    QTest::newRow("Luecke") << QStringList{u"1"_s, u""_s, u"1"_s} << 2 << 2.0;
    QTest::newRow("x^10") << QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u""_s,
                                         u""_s, u""_s, u""_s, u""_s, u"1"_s}
                          << 10 << 2.0;
    QTest::newRow("negativer Leitkoeffizient")
        << QStringList{u"6"_s, u"-5"_s, u"-0.5"_s} << 2 << 22.0;
}

void TestEinlesen::gradUndIntervall() {
    QFETCH(QStringList, koeffizienten);
    QFETCH(int, grad);
    QFETCH(double, xrechts);
    Hauptfenster w;
    QVERIFY(einlesen(w, koeffizienten));
    QCOMPARE(w.grad, grad);
    // The bound, widened by a relative 2^-49 (QCOMPARE would compare fuzzily).
    QVERIFY(w.xrechts == xrechts * (1 + 0x1p-49));
    QCOMPARE(w.xlinks, -w.xrechts);
    for (int j = 0; j <= 10; ++j)
        QCOMPARE(w.Pnom[0][j], j < koeffizienten.size() ? Val(koeffizienten[j]) : 0.0);
}

void TestEinlesen::kleinererGradRaeumtAuf() {
    Hauptfenster w;
    Antworten still;
    loesen(w, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s,
               u"11"_s});
    loesen(w, {u"1"_s, u"2"_s, u"3"_s, u"4"_s});
    QCOMPARE(w.grad, 3);
    for (int i = 0; i <= 12; ++i)
        for (int j = 0; j <= 12; ++j)
            if (i > 3 || j > 3 - i)
                QCOMPARE(w.Pnom[i][j], 0.0);
}

void TestEinlesen::einlesenRaeumtNullstellenAuf() {
    Hauptfenster w;
    loesen(w, {u"-6"_s, u"1"_s, u"1"_s});
    QCOMPARE(w.Nullstellen[0][0], 2.0);
    w.BerechneB1_Action();
    for (const auto& zeile : w.Nullstellen)
        for (double z : zeile)
            QCOMPARE(z, 0.0);
}

void TestEinlesen::zuKleinerGrad_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::newRow("alles leer") << QStringList{};
    QTest::newRow("nur x0") << QStringList{u"5"_s};
    QTest::newRow("Nullen") << QStringList{u"0"_s, u"0.0"_s, u"-0"_s};
}

void TestEinlesen::zuKleinerGrad() {
    QFETCH(QStringList, koeffizienten);
    Hauptfenster w;
    loesen(w, {u"-6"_s, u"1"_s, u"1"_s});
    const QString vorher = ausgabe(w);
    QVERIFY(knopf(w, "EinleseB")->isEnabled());

    Antworten antworten;
    eingeben(w, koeffizienten);
    QTest::mouseClick(knopf(w, "BerechneB1"), Qt::LeftButton);
    QCOMPARE(antworten.texte(),
             QStringList{u"Bitte eine Gleichung mindestens ersten Grades eingeben"_s});
    QCOMPARE(antworten.gezeigt.first().knoepfe, 0);
    QVERIFY(!knopf(w, "EinleseB")->isEnabled());
    QCOMPARE(ausgabe(w), vorher);
    for (int j = 0; j <= 10; ++j)
        QCOMPARE(feld(w, j)->text(),
                 j == 0 && !koeffizienten.isEmpty() ? Str(Val(koeffizienten[0])) : u"0"_s);
}

void TestEinlesen::ausgabeNachErfolg() {
    Hauptfenster w;
    Antworten antworten;
    eingeben(w, {u"1"_s, u"2"_s});
    QTest::mouseClick(knopf(w, "BerechneB1"), Qt::LeftButton);
    QCOMPARE(ausgabe(w), u"\nEingegebene Gleichung:   1 + 2x   =  0 "_s);
    QVERIFY(knopf(w, "EinleseB")->isEnabled());
    QTest::mouseClick(knopf(w, "BerechneB1"), Qt::LeftButton);
    QCOMPARE(ausgabe(w), u"\nEingegebene Gleichung:   1 + 2x   =  0 "_s);
    QVERIFY(knopf(w, "EinleseB")->isEnabled());
    QVERIFY(antworten.gezeigt.isEmpty());
}

void TestEinlesen::schutzDesBerechnenKnopfs_data() {
    QTest::addColumn<int>("j");
    for (int j = 0; j <= 10; ++j)
        QTest::addRow("x%dF", j) << j;
}

// The compute button is enabled exactly while the fields still hold the
// equation last read in: a key typed into any field disables it.
void TestEinlesen::schutzDesBerechnenKnopfs() {
    QFETCH(int, j);
    Hauptfenster w;
    w.show();
    eingeben(w, {u"-6"_s, u"1"_s, u"1"_s});
    w.BerechneB1_Action();
    QPushButton* berechnen = knopf(w, "EinleseB");
    QVERIFY(berechnen->isEnabled());
    QSignalSpy geklickt(berechnen, &QPushButton::clicked);
    feld(w, j)->setFocus();
    QTest::keyClick(feld(w, j), Qt::Key_End);
    QTest::keyClicks(feld(w, j), u"7"_s);
    QVERIFY(!berechnen->isEnabled());
    // Typed back to what it was: still a change.
    QTest::keyClick(feld(w, j), Qt::Key_Backspace);
    QVERIFY(!berechnen->isEnabled());
    QTest::mouseClick(berechnen, Qt::LeftButton);
    QCOMPARE(geklickt.count(), 0);
}

// Every reason to refuse is decided before the fields are rewritten: a
// refused read-in keeps what the user typed, and the earlier output.
void TestEinlesen::zahlenbereich_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<bool>("abgelehnt");
    const QString riesig = u"1"_s + QString(400, u'0') + u" abc"_s;
    QTest::newRow("Zahl zu gross") << QStringList{u"-6"_s, riesig, u"1,5"_s} << true;
    QTest::newRow("Exponent zu gross") << QStringList{u"-2e999"_s, u"1e400"_s, u"1"_s} << true;
    QTest::newRow("Exponent zu klein") << QStringList{u"1e-400"_s, u"1"_s} << true;
    QTest::newRow("Zahl zu klein")
        << QStringList{u"0."_s + QString(400, u'0') + u"1"_s, u"1"_s} << true;
    QTest::newRow("Null mit kleinem Exponenten") << QStringList{u"0e-400"_s, u"1"_s} << false;
    QTest::newRow("Intervall unendlich")
        << QStringList{u"1"_s + QString(300, u'0'), u"0."_s + QString(299, u'0') + u"1"_s} << true;
    // 10! a_10 overflows although a_10 itself is a double; two digits less
    // and everything fits.
    QStringList zehnter(11, u""_s);
    zehnter[0] = u"1"_s;
    zehnter[10] = u"1"_s + QString(303, u'0');
    QTest::newRow("Ableitung unendlich") << zehnter << true;
    zehnter[10].chop(2);
    QTest::newRow("zwei Stellen weniger") << zehnter << false;
    QTest::newRow("1,7e308 x^2 - 1")
        << QStringList{u"-1"_s, u""_s, u"17"_s + QString(307, u'0')} << true;
    // The sum of the coefficients over the leading one overflows, but the
    // roots, +-1e155, are finite: a bound that holds for them.
    QTest::newRow("-1e10 + 1e-300 x^2") << QStringList{u"-1e10"_s, u""_s, u"1e-300"_s} << false;
}

void TestEinlesen::zahlenbereich() {
    QFETCH(QStringList, koeffizienten);
    QFETCH(bool, abgelehnt);
    Hauptfenster w;
    loesen(w, {u"-6"_s, u"1"_s, u"1"_s});
    const QString vorher = ausgabe(w);
    eingeben(w, koeffizienten);
    Antworten antworten;
    w.BerechneB1_Action();
    QCOMPARE(knopf(w, "EinleseB")->isEnabled(), !abgelehnt);
    if (!abgelehnt)
        return;
    QCOMPARE(antworten.texte(),
             QStringList{u"Die Koeffizienten liegen außerhalb des Zahlenbereichs"_s});
    QCOMPARE(ausgabe(w), vorher);
    for (int j = 0; j <= 10; ++j)
        QCOMPARE(feld(w, j)->text(), koeffizienten.value(j));
}

QTEST_MAIN(TestEinlesen)
#include "test_einlesen.moc"
