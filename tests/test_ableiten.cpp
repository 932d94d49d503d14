#include "Pruefhilfe.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <utility>

using namespace Qt::Literals::StringLiterals;

class TestAbleiten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ableitungenVonXQuadratMinus5xPlus6();
    void ableitungenGradEins();
    void ableitungenGradZehn();
    void ableitenZweimal();
    void hornerSchritte();
    void istNull_data();
    void istNull();
    void istNullstelle_data();
    void istNullstelle();
    void gemeinsamerTeiler_data();
    void gemeinsamerTeiler();
    void feineVorzeichen_data();
    void feineVorzeichen();
    void vorzeichenAnDerWurzel();
    void exaktJenseitsDesRandes();
    void schrankenHalten_data();
    void schrankenHalten();
};

namespace {

// Reads the coefficients in and forms the derivatives.
void ableiten(Hauptfenster& w, const QStringList& koeffizienten) {
    QVERIFY(einlesen(w, koeffizienten));
    w.Ableiten();
}

// (x + 19.1)(x + 18.3)^2 (x + 9.1)(x - 11.9)(x - 17.8)
const QStringList doppeltImRauschen = {u"12329455.649238"_s,
                                       u"1619133.20835"_s,
                                       u"-84834.9935"_s,
                                       u"-16231.074"_s,
                                       u"-171.92"_s,
                                       u"35.1"_s,
                                       u"1"_s};

} // namespace

void TestAbleiten::ableitungenVonXQuadratMinus5xPlus6() {
    Hauptfenster w;
    ableiten(w, {u"6"_s, u"-5"_s, u"1"_s});
    QCOMPARE(w.Pnom[1][0], -5.0);
    QCOMPARE(w.Pnom[1][1], 2.0);
    QCOMPARE(w.Pnom[1][2], 0.0);
    QCOMPARE(w.Pnom[2][0], 2.0);
    QCOMPARE(w.Pnom[2][1], 0.0);
    QCOMPARE(w.fn(0, 2.0), 0.0);
    QCOMPARE(w.fn(1, 2.5), 0.0);
    for (double x : {-11.0, 0.0, 3.25, 1e6})
        QCOMPARE(w.fn(2, x), 2.0);
    QCOMPARE(w.fn(0, 2.5), -0.25);
    QCOMPARE(w.fn(0, 0.0), 6.0);
    QCOMPARE(w.fn(1, 0.0), -5.0);
}

void TestAbleiten::ableitungenGradEins() {
    Hauptfenster w;
    ableiten(w, {u"3"_s, u"-7"_s});
    QCOMPARE(w.Pnom[1][0], -7.0);
    QCOMPARE(w.Pnom[1][1], 0.0);
    for (int i = 2; i <= 12; ++i)
        for (int j = 0; j <= 12; ++j)
            QCOMPARE(w.Pnom[i][j], 0.0);
}

// Pnom(k, j) = a_(j+k) (j+k)! / j!, and column 11 stays 0.
void TestAbleiten::ableitungenGradZehn() {
    Hauptfenster w;
    QStringList a;
    for (int j = 0; j <= 10; ++j)
        a.append(Str(j + 1));
    ableiten(w, a);
    for (int k = 0; k <= 10; ++k) {
        for (int j = 0; j <= 10 - k; ++j) {
            double erwartet = j + k + 1;
            for (int f = j + 1; f <= j + k; ++f)
                erwartet *= f;
            QCOMPARE(w.Pnom[k][j], erwartet);
        }
        QCOMPARE(w.Pnom[k][11], 0.0);
    }
    QCOMPARE(w.Pnom[10][0], 3628800.0 * 11);
}

void TestAbleiten::ableitenZweimal() {
    Hauptfenster w;
    ableiten(w, {u"0.3"_s, u"-1.7"_s, u"2.9"_s, u"0"_s, u"-4.1"_s, u"1e-3"_s});
    double vorher[13][13];
    std::copy(&w.Pnom[0][0], &w.Pnom[0][0] + 169, &vorher[0][0]);
    w.Ableiten();
    QVERIFY(std::equal(&w.Pnom[0][0], &w.Pnom[0][0] + 169, &vorher[0][0]));
}

// Horner's rule rounds every step; 0.1 + 0.2 x at x = 1 shows whether the
// additions run from the top power down.
void TestAbleiten::hornerSchritte() {
    Hauptfenster w;
    ableiten(w, {u"0.1"_s, u"0.2"_s, u"0.3"_s});
    QCOMPARE(w.fn(0, 1.0), (0.3 * 1.0 + 0.2) * 1.0 + 0.1);
    QCOMPARE(w.fn(0, -2.0), (0.3 * -2.0 + 0.2) * -2.0 + 0.1);
}

void TestAbleiten::istNull_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<bool>("null");
    QTest::newRow("0") << 0.0 << true;
    QTest::newRow("-0") << -0.0 << true;
    QTest::newRow("1e-9") << 1e-9 << false;
    QTest::newRow("-1e-9") << -1e-9 << false;
    QTest::newRow("9.99e-10") << 9.99e-10 << true;
    QTest::newRow("-9.99e-10") << -9.99e-10 << true;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false;
    QTest::newRow("unendlich") << std::numeric_limits<double>::infinity() << false;
}

void TestAbleiten::istNull() {
    QFETCH(double, v);
    QFETCH(bool, null);
    Hauptfenster w;
    QCOMPARE(w.IstNull(v), null);
}

void TestAbleiten::istNullstelle_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("nullstelle");
    const QStringList p = {u"6"_s, u"-5"_s, u"1"_s};
    QTest::newRow("p(2)") << p << 0 << 2.0 << true;
    QTest::newRow("p'(2.5)") << p << 1 << 2.5 << true;
    QTest::newRow("p(2.5)") << p << 0 << 2.5 << false;
    // The zero test scales with the equation: 1e-12 (x^2 - 1) has its roots
    // at -1 and 1, and nowhere else where its value is merely small.
    const QStringList klein = {u"-0.000000000001"_s, u""_s, u"0.000000000001"_s};
    QTest::newRow("klein, x = 1") << klein << 0 << 1.0 << true;
    QTest::newRow("klein, x = 0") << klein << 0 << 0.0 << false;
    QTest::newRow("klein, x = -2") << klein << 0 << -2.0 << false;
    QTest::newRow("gross, x = 3") << QStringList{u"-9000000000000"_s, u""_s, u"1000000000000"_s}
                                  << 0 << 3.0 << true;
    // The equation has a double root at -18.3, which is no double: the
    // nearest double is no root, although its value in doubles is lost in
    // the rounding noise of the evaluation, about 1e-7 here.
    QTest::newRow("doppelt, aber kein double") << doppeltImRauschen << 0 << -18.3 << false;
    QTest::newRow("Rauschen ist kein Grund") << doppeltImRauschen << 0 << -18.2 << false;
    // A printed double, 16 or 17 digits and not exactly its double: a root within a unit in the
    // last place of that double. A text that is exactly its double is exact: 12345678901234569
    // is shown as 12345678901234568, and 1 is then no root.
    QTest::newRow("gerundet, innerhalb")
        << QStringList{u"1.0000000000000002"_s, u"-2"_s, u"1"_s} << 0 << 1.0 << true;
    QTest::newRow("gerundet, ausserhalb")
        << QStringList{u"1.0000000000000007"_s, u"-2"_s, u"1"_s} << 0 << 1.0 << false;
    // (x - 1.41421356)^2 with its constant printed in 17 digits: a multiple root shows the
    // numbers are exact, and 1e-9 beside it is no root, though within a unit of each.
    QTest::newRow("mehrfache Wurzel, also genau")
        << QStringList{u"1.9999999932878736"_s, u"-2.82842712"_s, u"1"_s} << 0 << 1.414213561
        << false;
    QTest::newRow("17 Stellen, genau ein Double")
        << QStringList{u"12345678901234568"_s, u"-12345678901234569"_s, u"1"_s} << 0 << 1.0
        << false;
}

void TestAbleiten::istNullstelle() {
    QFETCH(QStringList, koeffizienten);
    QFETCH(int, k);
    QFETCH(double, x);
    QFETCH(bool, nullstelle);
    Hauptfenster w;
    ableiten(w, koeffizienten);
    QCOMPARE(w.IstNullstelle(k, x), nullstelle);
}

void TestAbleiten::gemeinsamerTeiler_data() {
    QTest::addColumn<QList<qint64>>("a");
    QTest::addColumn<QList<qint64>>("b");
    QTest::addColumn<QList<qint64>>("teiler");
    // (10x - 1)^2 (x + 2) and (10x - 1)(x - 3): the shared root 1/10 is no
    // double, and modulo the prime the two still share it.
    QTest::newRow("Wurzel 1/10") << QList<qint64>{2, -39, 180, 100} << QList<qint64>{3, -31, 10}
                                 << QList<qint64>{-1, 10};
    // (x^2 - 2)(x + 1) and (x^2 - 2)(x - 3): a common factor without a
    // rational root.
    QTest::newRow("Faktor x^2 - 2")
        << QList<qint64>{-2, -2, 1, 1} << QList<qint64>{6, -2, -3, 1} << QList<qint64>{-2, 0, 1};
    // 2 (2x - 5)(x - 10) and (2x - 5)(x^3 - 16x^2 - 30x - 28): their values
    // at 202 share 32 (2 * 202 - 5), whose digits read 63x + 42, which
    // divides neither.
    QTest::newRow("Werte teilen mehr")
        << QList<qint64>{100, -50, 4} << QList<qint64>{140, 94, 20, -37, 2} << QList<qint64>{-5, 2};
    QTest::newRow("teilerfremd") << QList<qint64>{1, 0, 1} << QList<qint64>{-2, 0, 1}
                                 << QList<qint64>{1};
    // x^2 (x - 1) and x (x - 1)^2: x apart, then x - 1.
    QTest::newRow("x abgespalten")
        << QList<qint64>{0, 0, -1, 1} << QList<qint64>{0, 1, -2, 1} << QList<qint64>{0, -1, 1};
    // p (x - 1) and x - 1, where p = 2^61 - 1 is the prime the test reduces by.
    const qint64 p = (qint64{1} << 61) - 1;
    QTest::newRow("Primzahl im Leitkoeffizienten")
        << QList<qint64>{-p, p} << QList<qint64>{-1, 1} << QList<qint64>{-1, 1};
}

void TestAbleiten::gemeinsamerTeiler() {
    QFETCH(QList<qint64>, a);
    QFETCH(QList<qint64>, b);
    QFETCH(QList<qint64>, teiler);
    const auto ganz = [](const QList<qint64>& p) {
        Ganzpolynom g;
        for (const qint64 c : p)
            g.emplace_back(static_cast<long>(c));
        return g;
    };
    // Up to a constant factor: each coefficient in the same ratio.
    const Ganzpolynom g = ggT(ganz(a), ganz(b)), t = ganz(teiler);
    QCOMPARE(g.size(), t.size());
    for (std::size_t i = 0; i < t.size(); ++i)
        QVERIFY(g[i] * t.back() == t[i] * g.back());
}

void TestAbleiten::feineVorzeichen_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<QList<double>>("wurzeln");
    const QString z60 = QString(60, u'0');
    const auto klein = [](const char* ziffer, int stellen) {
        return u"0."_s + QString(stellen - 1, u'0') + QLatin1StringView(ziffer);
    };
    // (x - 2e60)(x - 3e60) and (x - 2e-60)(x - 3e-60): their values at the
    // roots' doubles over- and underflow in doubles.
    QTest::newRow("Wurzeln bei 1e60")
        << QStringList{u"6"_s + z60 + z60, u"-5"_s + z60, u"1"_s} << QList<double>{2e60, 3e60};
    QTest::newRow("Wurzeln bei 1e-60")
        << QStringList{klein("6", 120), u"-"_s + klein("5", 60), u"1"_s}
        << QList<double>{2e-60, 3e-60};
    // x^2 - 0.2: no coefficient a double, the root irrational.
    QTest::newRow("Dezimalen") << QStringList{u"-0.2"_s, u"0"_s, u"1"_s}
                               << QList<double>{std::sqrt(0.2), -std::sqrt(0.2)};
    // (x - 0.5)(x - 0.1): a root at a double, where no sign may be told.
    QTest::newRow("Wurzel ein double")
        << QStringList{u"0.05"_s, u"-0.6"_s, u"1"_s} << QList<double>{0.5};
    // (x - a)^2 - 1 for a = 2^27 + 1, every coefficient a double: at a the
    // doubles round a^2 to the constant and so reach 0, though the value is
    // -1; at a +- 1 it is 0 exactly.
    QTest::newRow("gerundet zu 0") << QStringList{u"18014398777917440"_s, u"-268435458"_s, u"1"_s}
                                   << QList<double>{134217728, 134217729, 134217730};
    // Sparse, from 1e-29 to 1e28: no one scaling of x fits all its terms.
    QTest::newRow("duenn und weit") << QStringList{u"0"_s,
                                                   u"0"_s,
                                                   u"0.0000000072"_s,
                                                   u"72000"_s,
                                                   u"-0.0000000000000000000000084"_s,
                                                   u"-0.00000000000000000000000000099"_s,
                                                   u"-0.000000000000000000000000000055"_s,
                                                   u"0.000000000000000000000000000032"_s,
                                                   u"28000000000000000000000000000"_s,
                                                   u"0.0000000000000000000000000073"_s}
                                    << QList<double>{};
}

void TestAbleiten::feineVorzeichen() {
    // Where the rows in twice the digits tell a sign, or an exact 0, it is
    // the exact one, at every scale of x and beside the roots; and there
    // they mostly tell.
    QFETCH(QStringList, koeffizienten);
    QFETCH(QList<double>, wurzeln);
    std::array<Dezimalzahl, 11> d{};
    const int grad = static_cast<int>(koeffizienten.size()) - 1;
    for (int j = 0; j <= grad; ++j)
        d[static_cast<std::size_t>(j)] = dezimalzahl(koeffizienten[j], koeffizienten[j].toDouble());
    FeineZeilen fein;
    fein.bilden(d, grad);
    ExakteZeilen exakt;
    exakt.bilden(d, grad);
    QList<double> punkte = {0.0, std::numeric_limits<double>::denorm_min()};
    for (int e = -1074; e <= 1023; e += 31)
        punkte << std::ldexp(1.0, e) << -std::ldexp(1.5, std::min(e, 1022));
    // Each root's double and 40 doubles on either side.
    const qsizetype vorWurzeln = punkte.size();
    for (const double w : std::as_const(wurzeln)) {
        double x = w, y = w;
        punkte << w;
        for (int i = 0; i < 40; ++i) {
            x = std::nextafter(x, -INFINITY);
            y = std::nextafter(y, INFINITY);
            punkte << x << y;
        }
    }
    int entschieden = 0;
    for (int k = 0; k <= grad; ++k)
        for (qsizetype i = 0; i < punkte.size(); ++i) {
            const double x = punkte[i];
            const FeineZeilen::Urteil u = fein.urteil(k, x, {0.0, 0});
            if (u.vorzeichen != 0 || u.null) {
                QCOMPARE(u.vorzeichen, vorzeichenBei(exakt.zeile(k), x));
                entschieden += k == 0 && i >= vorWurzeln;
            }
        }
    QVERIFY(entschieden >= 70 * wurzeln.size());
}

// The sign of g at the root xi of f between two neighbouring doubles, where g' vanishes: f's other
// root lies just beyond xi, and there g has the other sign.
void TestAbleiten::vorzeichenAnDerWurzel() {
    // In t = 2^54 x: xi at t = 2^54 + 3, f's other root at 2^54 + 13.
    const mpz_class eins = mpz_class(1) << 54, xi = eins + 3, anderer = eins + 13;
    // f = (t - xi)(t - anderer), g = 1 - 1000 (t - xi)^2, as polynomials in x.
    const Ganzpolynom f = {xi * anderer, -(xi + anderer) * eins, eins * eins};
    const Ganzpolynom g = {1 - 1000 * xi * xi, 2000 * xi * eins, -1000 * eins * eins};
    QCOMPARE(vorzeichenAnWurzel(g, f, 1.0, 1.0 + 0x1p-52), 1);
    // Mirrored: f's other root below xi, which lies below -1.
    const Ganzpolynom fm = {f[0], -f[1], f[2]}, gm = {g[0], -g[1], g[2]};
    QCOMPARE(vorzeichenAnWurzel(gm, fm, -1.0 - 0x1p-52, -1.0), 1);
    // x^3 + x^2 - 3 at sqrt 2, between its doubles: a remainder in three steps, by a divisor that
    // leads with -1.
    const double w = std::sqrt(2.0);
    QCOMPARE(vorzeichenAnWurzel({-3, 0, 1, 1}, {-2, 0, 1}, std::nextafter(w, 0.0), w), 1);
}

// x^2 - 2 at the double nearest sqrt 2 against a margin a unit below its exact value: twice the
// digits cannot tell the two apart, and the exact stage finds the value within the margin.
void TestAbleiten::exaktJenseitsDesRandes() {
    Hauptfenster w;
    ableiten(w, {u"-2"_s, u"0"_s, u"1"_s});
    const double x = std::sqrt(2.0);
    const mpq_class wert = mpq_class(x) * x - 2;
    const double betrag = wert.get_d();
    QVERIFY(betrag > 0.0 && mpq_class(betrag) == wert);
    const long exakt = w.stufen().exakt;
    QCOMPARE(w.vorzeichenJenseits(0, x, {std::nextafter(betrag, 0.0), 0}), 0);
    QCOMPARE(w.stufen().exakt, exakt + 1);
    QCOMPARE(w.vorzeichenJenseits(0, x, {betrag / 2, 0}), 1);
}

void TestAbleiten::schrankenHalten_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::newRow("Wilkinson") << QStringList{
        u"3628800"_s, u"-10628640"_s, u"12753576"_s, u"-8409500"_s, u"3416930"_s, u"-902055"_s,
        u"157773"_s,  u"-18150"_s,    u"1320"_s,     u"-55"_s,      u"1"_s};
    // (x - 0.7)^3 (x - 0.83)^3 (x - 0.85)^3 expanded: decimals no double
    // holds, and every row cancels near the cluster.
    QTest::newRow("Haufen") << QStringList{u"-0.120444001141625"_s,
                                           u"1.37662481410125"_s,
                                           u"-6.9861086481375"_s,
                                           u"20.660925867875"_s,
                                           u"-39.243066135"_s,
                                           u"49.64501055"_s,
                                           u"-41.830642"_s,
                                           u"22.6377"_s,
                                           u"-7.14"_s,
                                           u"1"_s};
    QTest::newRow("doppelt im Rauschen") << doppeltImRauschen;
    // 28 - 22x - 18x^2 at 10^-176: at its root -2 the steps in twice the digits are exact, and only
    // the powers of ten's distance bounds how far the value lies from 0.
    const QString z = u"0."_s + QString(174, u'0');
    QTest::newRow("Wurzel -2 bei 1e-176")
        << QStringList{z + u"28"_s, u"-"_s + z + u"22"_s, u"-"_s + z + u"18"_s};
    QTest::newRow("1e-30 bis 1e30")
        << QStringList{u"0.0000000000000000000000000000031"_s, u"-7000000000000000000000000000"_s,
                       u"0.29"_s, u"1"_s};
}

void TestAbleiten::schrankenHalten() {
    // Each error bound against the exact error: each scaled coefficient's
    // distance, with every derivative's rounding carried down; and at the
    // roots of every row, 40 doubles either side of them and across the
    // exponents, the doubles' bound of the scaled rows and the bound in
    // twice the digits, with the compensated steps' rounding.
    QFETCH(QStringList, koeffizienten);
    Hauptfenster w;
    loesen(w, koeffizienten);
    const int grad = static_cast<int>(koeffizienten.size()) - 1;
    std::vector<mpq_class> c;
    for (const QString& t : std::as_const(koeffizienten)) {
        const Dezimalzahl d = dezimalzahl(t, t.toDouble());
        mpz_class potenz;
        mpz_ui_pow_ui(potenz.get_mpz_t(), 10, static_cast<unsigned long>(std::abs(d.exponent)));
        c.push_back(d.exponent >= 0 ? mpq_class(d.ziffern * potenz) : mpq_class(d.ziffern, potenz));
    }
    const auto betrag = [](const mpq_class& q) { return q < 0 ? mpq_class(-q) : q; };
    const auto koeffizient = [&](int k, int j) {
        mpz_class faktor = 1;
        for (int i = j + 1; i <= j + k; ++i)
            faktor *= i;
        return mpq_class(c[static_cast<std::size_t>(j + k)] * faktor);
    };
    const mpq_class skala = std::ldexp(1.0, w.skala);
    for (int k = 0; k <= grad; ++k) {
        for (int j = 0; j <= grad - k; ++j)
            QVERIFY2(betrag(mpq_class(w.PnomSkaliert[k][j]) - koeffizient(k, j) * skala) <=
                         mpq_class(w.schranken[k].fehler[j]),
                     qPrintable(u"Zeile %1, Koeffizient %2"_s.arg(k).arg(j)));
        QList<double> punkte;
        for (int e = -100; e <= 100; e += 7)
            punkte << std::ldexp(1.0, e) << -std::ldexp(1.5, e);
        for (int i = 1; i <= static_cast<int>(w.Nullstellen[k][0]); ++i) {
            double x = w.Nullstellen[k][i], y = x;
            punkte << x;
            for (int j = 0; j < 40; ++j)
                punkte << (x = std::nextafter(x, -INFINITY)) << (y = std::nextafter(y, INFINITY));
        }
        for (const double x : std::as_const(punkte)) {
            mpq_class exakt = 0;
            for (int j = grad - k; j >= 0; --j)
                exakt = exakt * x + koeffizient(k, j);
            const double y = w.wert(k, x);
            if (std::isfinite(y))
                QVERIFY2(betrag(mpq_class(y) - exakt * skala) <=
                             mpq_class(w.fehlerSchranke(k, std::abs(x))),
                         qPrintable(u"Zeile %1 bei %2"_s.arg(k).arg(x, 0, 'g', 17)));
            const FeineZeilen::Wert v = w.feineZeilen().wert(k, x);
            if (v.gueltig)
                QVERIFY2(betrag(mpq_class(std::ldexp(v.r, -v.s)) - exakt) <=
                             mpq_class(std::ldexp(v.fehler, -v.s)),
                         qPrintable(u"fein: Zeile %1 bei %2"_s.arg(k).arg(x, 0, 'g', 17)));
        }
    }
}

QTEST_MAIN(TestAbleiten)
#include "test_ableiten.moc"
