#include "Faktoren.h"
#include "Halbierung.h"
#include "Pruefhilfe.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

class TestNullstellen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nullstellen_data();
    void nullstellen();
    void halbierungVonXQuadratMinus5xPlus6();
    void halbierungEndet();
    void schmalesIntervall();
    void halbierungUnterSubnormalen();
    void zehnWurzelnVonWilkinson();
    void zweimalGleicheTabelle();
    void zeileDerLinearenAbleitung();
};

namespace {

void suchen(Hauptfenster& w, const QStringList& koeffizienten) {
    QVERIFY(einlesen(w, koeffizienten));
    w.Init();
    w.Ableiten();
    w.NullstellenBerechnen();
}

} // namespace

void TestNullstellen::nullstellen_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<QList<double>>("erwartet");
    QTest::addColumn<double>("toleranz");
    QTest::newRow("2x - 4") << QStringList{u"-4"_s, u"2"_s} << QList<double>{2.0} << 0.0;
    QTest::newRow("x^2 - 5x + 6") << QStringList{u"6"_s, u"-5"_s, u"1"_s} << QList<double>{2.0, 3.0}
                                  << 1e-11;
    QTest::newRow("x^2 + 1") << QStringList{u"1"_s, u""_s, u"1"_s} << QList<double>{} << 0.0;
    QTest::newRow("doppelte Wurzel")
        << QStringList{u"1"_s, u"-2"_s, u"1"_s} << QList<double>{1.0} << 0.0;
    QTest::newRow("Wurzel am linken Ende")
        << QStringList{u"0"_s, u"2"_s, u"1"_s} << QList<double>{-2.0, 0.0} << 1e-11;
    QTest::newRow("Wurzel am rechten Ende")
        << QStringList{u"0"_s, u"-2"_s, u"1"_s} << QList<double>{0.0, 2.0} << 1e-11;
    QTest::newRow("x - 2 am rechten Ende")
        << QStringList{u"-2"_s, u"1"_s} << QList<double>{2.0} << 0.0;
    QTest::newRow("x^3 - x") << QStringList{u"0"_s, u"-1"_s, u"0"_s, u"1"_s}
                             << QList<double>{-1.0, 0.0, 1.0} << 1e-11;
    QTest::newRow("zu nah beieinander")
        << QStringList{u"1.000001"_s, u"-2.000001"_s, u"1"_s} << QList<double>{1.0} << 1e-9;
    // Twice the merge distance apart: two roots.
    QTest::newRow("2e-5 auseinander")
        << QStringList{u"1.00002"_s, u"-2.00002"_s, u"1"_s} << QList<double>{1.0, 1.00002} << 1e-9;
    QTest::newRow("klein skaliert") << QStringList{u"-0.000000000001"_s, u""_s, u"0.000000000001"_s}
                                    << QList<double>{-1.0, 1.0} << 1e-11;
    QTest::newRow("doppelte Wurzel im Rauschen")
        << QStringList{u"12329455.649238"_s,
                       u"1619133.20835"_s,
                       u"-84834.9935"_s,
                       u"-16231.074"_s,
                       u"-171.92"_s,
                       u"35.1"_s,
                       u"1"_s}
        << QList<double>{-19.1, -18.3, -9.1, 11.9, 17.8} << 1e-6;
    // Multiple roots on short decimals: each one listed as the double nearest it.
    QTest::newRow("(x - 9.9)^2 (x - 10)^3 (x - 10.1)^4") << QStringList{u"-1019895990.201"_s,
                                                                        u"915927595.0803"_s,
                                                                        u"-365578399.01203"_s,
                                                                        u"85116419.900801"_s,
                                                                        u"-12739643.99502"_s,
                                                                        u"1271178.7599"_s,
                                                                        u"-84559.296"_s,
                                                                        u"3615.99"_s,
                                                                        u"-90.2"_s,
                                                                        u"1"_s}
                                                         << QList<double>{9.9, 10.0, 10.1} << 0.0;
    QTest::newRow("grosse Wurzeln") << QStringList{u"-10000000000"_s, u""_s, u"1"_s}
                                    << QList<double>{-100000.0, 100000.0} << 1e-9;
    QTest::newRow("dreifache Wurzel")
        << QStringList{u"-8"_s, u"12"_s, u"-6"_s, u"1"_s} << QList<double>{2.0} << 0.0;
}

void TestNullstellen::nullstellen() {
    QFETCH(QStringList, koeffizienten);
    QFETCH(QList<double>, erwartet);
    QFETCH(double, toleranz);
    Hauptfenster w;
    suchen(w, koeffizienten);
    const QList<double> gefunden = wurzeln(w);
    QCOMPARE(gefunden.size(), erwartet.size());
    for (int i = 0; i < erwartet.size(); ++i)
        QVERIFY2(std::abs(gefunden[i] - erwartet[i]) <= toleranz,
                 qPrintable(u"%1 statt %2"_s.arg(gefunden[i], 0, 'g', 17).arg(erwartet[i])));
}

namespace {

// The midpoints the halving takes on the polynomial itself, found through
// the values it asks for: the first is its left end. boden is the search's
// own for x^2 - 5x + 6: no root lies closer to 0 than 6 / (6 + 5).
QList<double> mittelpunkte(const Hauptfenster& w, double a, double b, double& ergebnis,
                           double boden = 1e-11 * 6 / 11) {
    QList<double> punkte;
    ergebnis = halbieren(
                   [&](double x) {
                       punkte.append(x);
                       return w.fn(0, x);
                   },
                   [](double) { return 0.0; }, [](double) { return 0; }, a, b,
                   vorzeichen(w.fn(0, a)), boden)
                   .m;
    return punkte;
}

} // namespace

void TestNullstellen::halbierungVonXQuadratMinus5xPlus6() {
    Hauptfenster w;
    QVERIFY(einlesen(w, {u"6"_s, u"-5"_s, u"1"_s}));
    QCOMPARE(w.xrechts, 11.0);
    w.Ableiten();

    double r = 0.0;
    QList<double> mitte = mittelpunkte(w, -11.0, 2.5, r);
    QCOMPARE(mitte.size(), 41);
    QCOMPARE(mitte.mid(0, 6), (QList<double>{-4.25, -0.875, 0.8125, 1.65625, 2.078125, 1.8671875}));
    QCOMPARE(w.FindeNullstelle(0, -11.0, 2.5), r);

    mitte = mittelpunkte(w, 2.5, 11.0, r);
    QCOMPARE(mitte.size(), 40);
    QCOMPARE(mitte.mid(0, 6), (QList<double>{6.75, 4.625, 3.5625, 3.03125, 2.765625, 2.8984375}));
    QCOMPARE(w.FindeNullstelle(0, 2.5, 11.0), r);

    // In the whole search the linear root 2.5 cuts [-11, 11].
    w.NullstellenBerechnen();
    QCOMPARE(wurzeln(w, 1), QList<double>{2.5});
    QCOMPARE(wurzeln(w), (QList<double>{2.0, 3.0}));
}

// Near 1e5 neighbouring doubles are wider apart than 1e-11.
void TestNullstellen::halbierungEndet() {
    Hauptfenster w;
    suchen(w, {u"-10000000000"_s, u""_s, u"1"_s});
    double r = 0.0;
    QVERIFY(mittelpunkte(w, 0.0, w.xrechts, r).size() < 100);
    QVERIFY(r >= 0.0 && r <= w.xrechts);
    QVERIFY(std::abs(r - 100000.0) < 1e-9);
}

void TestNullstellen::schmalesIntervall() {
    Hauptfenster w;
    suchen(w, {u"-1"_s, u""_s, u"1"_s});
    const double b = 1.0 + 0x1p-37; // about 7.3e-12 wide
    double r = 0.0;
    QVERIFY(mittelpunkte(w, 1.0, b, r).isEmpty());
    QCOMPARE(r, (1.0 + b) / 2);
    QCOMPARE(w.FindeNullstelle(0, 1.0, b), r);
}

// No width is relative enough among the subnormals: the halving ends at the two doubles about the
// root, 600.5 units above 0, and ends at all.
void TestNullstellen::halbierungUnterSubnormalen() {
    const double einheit = std::numeric_limits<double>::denorm_min();
    int werte = 0;
    const Klammer k =
        halbieren([&](double x) { return ++werte > 5000 ? 0.0 : 2 * x - 1201 * einheit; },
                  [](double) { return 0.0; }, [](double) { return 0; }, 512 * einheit,
                  1024 * einheit, -1, 0.0);
    QVERIFY(werte < 5000);
    // Exactly: QCOMPARE takes any two numbers this small as equal.
    QVERIFY(k.a == 600 * einheit && k.b == 601 * einheit);
}

void TestNullstellen::zehnWurzelnVonWilkinson() {
    Hauptfenster w;
    suchen(w, wilkinson());
    QCOMPARE(w.Nullstellen[0][0], 10.0);
    for (int r = 1; r <= 10; ++r)
        QVERIFY2(std::abs(w.Nullstellen[0][r] - r) < 1e-9,
                 qPrintable(QString::number(w.Nullstellen[0][r], 'g', 17)));
}

void TestNullstellen::zweimalGleicheTabelle() {
    Hauptfenster w;
    suchen(w, {u"0.5"_s, u"-3"_s, u"0.25"_s, u"4"_s, u"-1"_s, u"-0.75"_s, u"0.1"_s});
    double vorher[11][11];
    std::copy(&w.Nullstellen[0][0], &w.Nullstellen[0][0] + 121, &vorher[0][0]);
    QVERIFY(w.Nullstellen[0][0] >= 2.0);
    w.Ableiten();
    w.NullstellenBerechnen();
    QVERIFY(std::equal(&w.Nullstellen[0][0], &w.Nullstellen[0][0] + 121, &vorher[0][0]));
}

void TestNullstellen::zeileDerLinearenAbleitung() {
    Hauptfenster w;
    suchen(w, wilkinson());
    QCOMPARE(w.Nullstellen[9][0], 1.0);
    QCOMPARE(w.Nullstellen[9][1], 5.5);
    for (int k = 0; k <= 9; ++k)
        QCOMPARE(w.Nullstellen[k][0], 10.0 - k);
}

QTEST_MAIN(TestNullstellen)
#include "test_nullstellen.moc"
