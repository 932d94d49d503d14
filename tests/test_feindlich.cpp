#include "Invarianten.h"
#include "Pruefhilfe.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Whatever lands in a field: no crash, nothing lost that the user typed,
// no "inf" or "nan" written, and the invariants hold.
class TestFeindlich : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void texte_data();
    void texte();
    void einMegabyteEingefuegt();
};

void TestFeindlich::texte_data() {
    QTest::addColumn<QString>("text");
    QString steuerzeichen;
    for (char16_t c = 0; c < 32; ++c)
        steuerzeichen.append(QChar(c));
    QString mitNul = u"12"_s;
    mitNul.append(QChar(0));
    mitNul.append(u"34"_s);

    QTest::newRow("leer") << QString();
    QTest::newRow("Leerzeichen") << u"     "_s;
    QTest::newRow("Buchstaben") << u"abcxyz"_s;
    QTest::newRow("Steuerzeichen") << steuerzeichen + u"5"_s;
    QTest::newRow("NUL") << mitNul;
    QTest::newRow("einzelnes hohes Surrogat") << QString(QChar(0xD800)) + u"7"_s;
    QTest::newRow("einzelnes tiefes Surrogat") << u"3"_s + QString(QChar(0xDC00));
    QTest::newRow("Emoji") << u"\U0001F4A9-1\U0001F600"_s;
    QTest::newRow("typografisches Minus") << u"\u22122,5"_s;
    QTest::newRow("400 Ziffern") << QString(400, u'7');
    QTest::newRow("400 Ziffern negativ") << u"-"_s + QString(400, u'7');
    QTest::newRow("1e-300 als Dezimalzahl") << u"0."_s + QString(299, u'0') + u"1"_s;
    QTest::newRow("unter dem Kleinsten") << u"-0."_s + QString(400, u'0') + u"1"_s;
    QTest::newRow("1.2.3") << u"1.2.3"_s;
    QTest::newRow("+-3") << u"+-3"_s;
    QTest::newRow("3-") << u"3-"_s;
    QTest::newRow("nur Zeichen") << u"+-.,+-.,"_s;
    QTest::newRow("inf") << u"inf"_s;
    QTest::newRow("nan") << u"-nan"_s;
    QTest::newRow("Exponent") << u"1e308"_s;
    QTest::newRow("lange Nachkommastellen") << u"0."_s + QString(5000, u'3');
    QTest::newRow("groesste Zahl") << u"179769313486231570000000000000000000000000000000000000000"
                                      u"000000000000000000000000000000000000000000000000000000000"
                                      u"000000000000000000000000000000000000000000000000000000000"
                                      u"000000000000000000000000000000000000000000000000000000000"
                                      u"000000000000000000000000000000000000000000000000000000000"
                                      u"0000000000000000000000000000000000"_s;
}

void TestFeindlich::texte() {
    QFETCH(QString, text);
    for (int j : {0, 1, 5, 10}) {
        Hauptfenster w;
        // The text sits among ordinary coefficients.
        QStringList koeffizienten = {u"-2"_s, u"0.5"_s, u"3"_s, u""_s, u"1"_s};
        while (koeffizienten.size() <= j)
            koeffizienten.append(QString());
        koeffizienten[j] = text;
        Antworten antworten;
        eingeben(w, koeffizienten);
        w.BerechneB1_Action();
        const bool gelesen = knopf(w, "EinleseB")->isEnabled();
        if (gelesen)
            w.EinleseB_Action();
        else if (antworten.texte() ==
                     QStringList{u"Die Koeffizienten liegen außerhalb des Zahlenbereichs"_s} &&
                 text.size() == 400)
            // A number too large: the fields keep exactly what was typed.
            for (int i = 0; i <= 10; ++i)
                QCOMPARE(feld(w, i)->text(), koeffizienten.value(i));
        const QString fehler = invariantenVerletzt(w);
        QVERIFY2(fehler.isEmpty(), qPrintable(u"x%1F: "_s.arg(j) + fehler));
    }
}

void TestFeindlich::einMegabyteEingefuegt() {
    Hauptfenster w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QString megabyte;
    megabyte.reserve(1 << 20);
    const QString stueck = u"12,5 x - \u2212 abc 0.0.1 \U0001F600 "_s;
    while (megabyte.size() < (1 << 20))
        megabyte += stueck;
    QGuiApplication::clipboard()->setText(megabyte);
    feld(w, 3)->setFocus();
    QTest::keyClick(feld(w, 3), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(feld(w, 3)->text().size(), megabyte.size());
    // The pointer resting on the field: its tooltip shows the start, not a
    // label that takes seconds to lay out.
    QHelpEvent frage(QEvent::ToolTip, QPoint(2, 2), feld(w, 3)->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(feld(w, 3), &frage);
    QCOMPARE(feld(w, 3)->toolTip(), megabyte.left(4096) + u'\u2026');
    QTest::keyClicks(feld(w, 0), u"1"_s);

    Antworten antworten;
    QTest::mouseClick(knopf(w, "BerechneB1"), Qt::LeftButton);
    QVERIFY(knopf(w, "EinleseB")->isEnabled());
    // Cleaned, the paste begins "12.5-0.0.1": the number ends at the minus.
    QCOMPARE(w.Pnom[0][3], 12.5);
    QCOMPARE(feld(w, 3)->text(), u"12.5"_s);
    QTest::mouseClick(knopf(w, "EinleseB"), Qt::LeftButton);
    const QString fehler = invariantenVerletzt(w);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

QTEST_MAIN(TestFeindlich)
#include "test_feindlich.moc"
