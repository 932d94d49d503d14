#include "Faktoren.h"
#include "Invarianten.h"
#include "Pruefhilfe.h"

#include <QTest>
#include <cmath>
#include <numbers>

using namespace Qt::Literals::StringLiterals;

// Hard equations with known real roots, each with the tolerance that a
// derivative-chain bisection in doubles honestly reaches.
class TestSchwer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gleichungen_data();
    void gleichungen();
};

namespace {

QStringList skaliert(const QString& s) {
    // s (x - 1)(x - 2)(x - 3), written exactly for s a power of ten.
    const double faktor = Val(s);
    return {Str(-6 * faktor), Str(11 * faktor), Str(-6 * faktor), s};
}

} // namespace

void TestSchwer::gleichungen_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<QList<double>>("wurzeln");
    QTest::addColumn<double>("toleranz");
    // false where a root of high multiplicity may show as several roots.
    QTest::addColumn<bool>("eineJeWurzel");

    QList<double> eins_bis_zehn;
    for (int r = 1; r <= 10; ++r)
        eins_bis_zehn.append(r);
    // The roots of 1..10 are ill-conditioned: the coefficients' rounding in
    // the evaluation moves them by about 1e-10.
    QTest::newRow("Wilkinson") << wilkinson() << eins_bis_zehn << 1e-9 << true;

    QList<double> tschebyschow;
    for (int k = 10; k >= 1; --k)
        tschebyschow.append(std::cos((2 * k - 1) * std::numbers::pi / 20));
    QTest::newRow("Tschebyschow T10")
        << QStringList{u"-1"_s,   u""_s, u"50"_s,    u""_s, u"-400"_s, u""_s,
                       u"1120"_s, u""_s, u"-1280"_s, u""_s, u"512"_s}
        << tschebyschow << 1e-10 << true;

    QTest::newRow("Legendre P10") << QStringList{u"-63"_s,     u""_s, u"3465"_s,  u""_s,
                                                 u"-30030"_s,  u""_s, u"90090"_s, u""_s,
                                                 u"-109395"_s, u""_s, u"46189"_s}
                                  << QList<double>{-0.9739065285171717, -0.8650633666889845,
                                                   -0.6794095682990244, -0.4333953941292472,
                                                   -0.1488743389816312, 0.1488743389816312,
                                                   0.4333953941292472,  0.6794095682990244,
                                                   0.8650633666889845,  0.9739065285171717}
                                  << 1e-10 << true;

    // Near a fivefold root the evaluation noise of about 1e-13 hides the
    // sign of p' within (1e-13)^(1/4), and p itself passes the zero test
    // within (1e-9)^(1/5) of -1: the root shows as up to two roots within
    // 1e-3 of it.
    QTest::newRow("(x + 1)^5 (x^5 + x + 1)")
        << ausFaktoren({{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1, 0, 0, 0, 1}})
        << QList<double>{-1.0, -0.7548776662466927} << 1e-3 << false;

    // Integer coefficients: every derivative's root is exactly 1.
    QTest::newRow("(x - 1)^10") << ausFaktoren({{-1, 1},
                                                {-1, 1},
                                                {-1, 1},
                                                {-1, 1},
                                                {-1, 1},
                                                {-1, 1},
                                                {-1, 1},
                                                {-1, 1},
                                                {-1, 1},
                                                {-1, 1}})
                                << QList<double>{1.0} << 0.0 << true;

    QTest::newRow("x^4 (x - 1)(x + 2)")
        << ausFaktoren({{0, 1}, {0, 1}, {0, 1}, {0, 1}, {-1, 1}, {2, 1}})
        << QList<double>{-2.0, 0.0, 1.0} << 1e-11 << true;

    QTest::newRow("x^10 + 1") << QStringList{u"1"_s, u""_s, u""_s, u""_s, u""_s, u""_s,
                                             u""_s,  u""_s, u""_s, u""_s, u"1"_s}
                              << QList<double>{} << 0.0 << true;

    for (const QString& s :
         {u"0.00000000000001"_s, u"0.0000001"_s, u"1"_s, u"10000000"_s, u"100000000000000"_s})
        QTest::addRow("%s (x - 1)(x - 2)(x - 3)", qPrintable(s))
            << skaliert(s) << QList<double>{1.0, 2.0, 3.0} << 1e-11 << true;

    // Near 1e5 doubles are 1.5e-11 apart: the halving ends on the last one.
    QTest::newRow("x^2 - 10000000000") << QStringList{u"-10000000000"_s, u""_s, u"1"_s}
                                       << QList<double>{-100000.0, 100000.0} << 0.0 << true;

    // The third root, -1e20 - 3, is a double only to its 16 significant
    // digits; it is found to a few units in its last place.
    QTest::newRow("1e-20 x^3 + x^2 - 3x + 2")
        << QStringList{u"2"_s, u"-3"_s, u"1"_s, u"0.00000000000000000001"_s}
        << QList<double>{-1e20, 1.0, 2.0} << 1e-11 << true;
}

void TestSchwer::gleichungen() {
    QFETCH(QStringList, koeffizienten);
    QFETCH(QList<double>, wurzeln);
    QFETCH(double, toleranz);
    QFETCH(bool, eineJeWurzel);
    Hauptfenster w;
    loesen(w, koeffizienten);
    QList<double> gefunden;
    for (int i = 1; i <= static_cast<int>(w.Nullstellen[0][0]); ++i)
        gefunden.append(w.Nullstellen[0][i]);

    const auto nahe = [&](double a, double b) {
        return std::abs(a - b) <= std::max(toleranz, 4e-16 * std::abs(b));
    };
    if (eineJeWurzel)
        QCOMPARE(gefunden.size(), wurzeln.size());
    for (double r : wurzeln)
        QVERIFY2(
            std::any_of(gefunden.begin(), gefunden.end(), [&](double g) { return nahe(g, r); }),
            qPrintable(u"%1 not found"_s.arg(r, 0, 'g', 17)));
    for (double g : gefunden)
        QVERIFY2(std::any_of(wurzeln.begin(), wurzeln.end(), [&](double r) { return nahe(g, r); }),
                 qPrintable(u"%1 is no root"_s.arg(g, 0, 'g', 17)));
    const QString fehler = invariantenVerletzt(w);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

QTEST_MAIN(TestSchwer)
#include "test_schwer.moc"
