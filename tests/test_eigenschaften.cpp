#include "Familien.h"
#include "Invarianten.h"
#include "Orakel.h"
#include "Pruefhilfe.h"

#include <QTest>
#include <cmath>
#include <gmpxx.h>
#include <random>

using namespace Qt::Literals::StringLiterals;
using familien::dezimal;
using familien::mal;
using familien::zehnHoch;

// Seeded random equations with known real roots, expanded exactly and
// written as plain decimals, and random junk: the invariants hold for all of
// them, and where double precision can tell the roots at all, every true root
// is found within 1e-8 max(1, |r|) and nothing else is reported.
class TestEigenschaften : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void orakel_data();
    void orakel();
    void familien_data();
    void familien();
    void bekannteWurzeln();
    void mehrfacheWurzeln();
    void gedruckt();
    void unsinn();
};

namespace {

struct Gleichung {
    QStringList koeffizienten;
    QList<long double> reell; // distinct real roots
    bool einfach = true;      // every real root simple
};

// Digits from the first nonzero one to the last.
int signifikanteStellen(const QString& text) {
    static const QRegularExpression ziffern(u"[1-9]([0-9.]*[1-9])?"_s);
    return static_cast<int>(ziffern.match(text).captured(0).remove(u'.').size());
}

Gleichung zufallsgleichung(std::mt19937_64& zufall) {
    auto ganz = [&](long a, long b) { return std::uniform_int_distribution<long>(a, b)(zufall); };
    const int grad = static_cast<int>(ganz(1, 10));
    const bool mehrfach = ganz(0, 3) == 0;

    Gleichung g;
    std::vector<mpz_class> p = {1};
    unsigned long nenner = 0; // p's leading coefficient is 10^nenner
    int rest = grad;
    while (rest > 0) {
        if (rest >= 2 && ganz(0, 2) == 0) {
            // a +- bi with b >= 0.1: q^2 x^2 - 2 pa q x + pa^2 + pb^2
            const unsigned long d = static_cast<unsigned long>(ganz(1, 3));
            const mpz_class q = zehnHoch(d);
            const long skala = q.get_si();
            const mpz_class pa = ganz(-200 * skala, 200 * skala);
            const mpz_class pb = ganz(skala / 10, 20 * skala);
            p = mal(p, {pa * pa + pb * pb, -2 * pa * q, q * q});
            nenner += 2 * d;
            rest -= 2;
            continue;
        }
        const unsigned long d = static_cast<unsigned long>(ganz(0, 3));
        const mpz_class q = zehnHoch(d);
        const long skala = q.get_si();
        const mpz_class pr = ganz(-200 * skala, 200 * skala);
        const int vielfach = mehrfach ? static_cast<int>(ganz(1, std::min(4, rest))) : 1;
        for (int i = 0; i < vielfach; ++i)
            p = mal(p, {-pr, q});
        nenner += d * static_cast<unsigned long>(vielfach);
        rest -= vielfach;
        const long double r = static_cast<long double>(pr.get_d()) / skala;
        if (g.reell.contains(r) || vielfach > 1)
            g.einfach = false;
        if (!g.reell.contains(r))
            g.reell.append(r);
    }
    std::sort(g.reell.begin(), g.reell.end());

    // Leading coefficient m 10^t between 1e-12 and 1e12.
    const mpz_class m = ganz(1000, 9999);
    const long t = ganz(-12, 11) - 3;
    for (const mpz_class& c : p)
        g.koeffizienten.append(c == 0 ? QString() : dezimal(c * m, t - static_cast<long>(nenner)));
    return g;
}

// Sum |a_j| |x|^j and p'(x) of the equation as read, in long double.
std::pair<long double, long double> rauschenUndSteigung(const Hauptfenster& w, long double x) {
    long double s = 0, d = 0;
    for (int j = w.grad; j >= 0; --j) {
        s = s * std::fabs(x) + std::fabs(static_cast<long double>(w.Pnom[0][j]));
        if (j >= 1)
            d = d * x + j * static_cast<long double>(w.Pnom[0][j]);
    }
    return {s, std::fabs(d)};
}

// Whether doubles can tell this equation's real roots: each root's
// first-order error bound stays ten times inside the tolerance, and the
// polynomial is clearly away from zero at every cut point that is no root.
bool unterscheidbar(const Hauptfenster& w, const Gleichung& g) {
    constexpr long double eps = 0x1p-53L;
    for (int i = 0; i < g.reell.size(); ++i) {
        if (i > 0 && g.reell[i] - g.reell[i - 1] < 0.001L)
            return false;
        const auto [s, steigung] = rauschenUndSteigung(w, g.reell[i]);
        if (4 * w.grad * eps * s > 1e-9L * std::max(1.0L, std::fabs(g.reell[i])) * steigung)
            return false;
    }
    for (int i = 1; i <= static_cast<int>(w.Nullstellen[1][0]) && w.grad >= 2; ++i) {
        const double e = w.Nullstellen[1][i];
        bool beiWurzel = false;
        for (long double r : g.reell)
            beiWurzel = beiWurzel || std::fabs(e - r) < 0.001L;
        if (beiWurzel)
            continue;
        const long double v = std::fabs(static_cast<long double>(w.fn(0, e)));
        const auto [s, steigung] = rauschenUndSteigung(w, e);
        (void)steigung;
        if (v < 1e-11L * s || v < 1e-7L * std::fabs(static_cast<long double>(w.Pnom[0][w.grad])))
            return false;
    }
    return true;
}

} // namespace

// The oracle itself: right reports pass, and a missing, a spurious and a
// misrounded root are each told.
void TestEigenschaften::orakel_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<QStringList>("gezeigt");
    QTest::addColumn<QString>("urteil");
    const QStringList quadratisch = {u"-6"_s, u"1"_s, u"1"_s};
    QTest::newRow("richtig") << quadratisch << QStringList{u"-3"_s, u"2"_s} << QString();
    QTest::newRow("eine fehlt") << quadratisch << QStringList{u"2"_s}
                                << u"1 real roots in (-7, 1.99999999995) not listed"_s;
    QTest::newRow("eine zu viel") << quadratisch << QStringList{u"-3"_s, u"0"_s, u"2"_s}
                                  << u"root 0 is not a correctly rounded root"_s;
    const QStringList wurzelZwei = {u"-2"_s, u""_s, u"1"_s};
    QTest::newRow("zehnte Stelle")
        << wurzelZwei << QStringList{u"-1.4142135624"_s, u"1.4142135623"_s}
        << u"root 1.4142135623 is not a correctly rounded root"_s;
    QTest::newRow("gerundet") << wurzelZwei << QStringList{u"-1.4142135624"_s, u"1.4142135624"_s}
                              << QString();
    // The merge lists the first of two roots 1e-6 apart; a 0 stands for a
    // root below 1e-9.
    QTest::newRow("zusammengelegt")
        << QStringList{u"1.000001"_s, u"-2.000001"_s, u"1"_s} << QStringList{u"1"_s} << QString();
    QTest::newRow("die zweite statt der ersten")
        << QStringList{u"1.000001"_s, u"-2.000001"_s, u"1"_s} << QStringList{u"1.000001"_s}
        << u"1 real roots in (-3.000001, 1.00000099995) not listed"_s;
    QTest::newRow("winzig als 0") << QStringList{u"-0.0000000000000000001"_s, u"1"_s}
                                  << QStringList{u"0"_s} << QString();
    QTest::newRow("dreifach") << QStringList{u"-8"_s, u"12"_s, u"-6"_s, u"1"_s}
                              << QStringList{u"2"_s} << QString();
    // A falling leading coefficient and a long Sturm sequence, whose
    // pseudo-remainders change the sign.
    const QStringList fuenf = {u"120"_s, u"-274"_s, u"225"_s, u"-85"_s, u"15"_s, u"-1"_s};
    QTest::newRow("fuenf, fallend")
        << fuenf << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s} << QString();
    QTest::newRow("fuenf, eine fehlt")
        << fuenf << QStringList{u"1"_s, u"2"_s, u"3"_s, u"5"_s}
        << u"1 real roots in (3.00001000005, 4.99999999995) not listed"_s;
}

void TestEigenschaften::orakel() {
    QFETCH(QStringList, koeffizienten);
    QFETCH(QStringList, gezeigt);
    QFETCH(QString, urteil);
    QCOMPARE(orakel::urteil(koeffizienten, gezeigt), urteil);
}

namespace {

// How many equations each family draws: RIVEREV_EIGENSCHAFTEN_ANZAHL runs
// more by hand; under the sanitizers a tenth.
int anzahlJeFamilie() {
    bool gelesen = false;
    const int gesetzt = qEnvironmentVariableIntValue("RIVEREV_EIGENSCHAFTEN_ANZAHL", &gelesen);
#if defined(__SANITIZE_ADDRESS__)
    constexpr int vorgabe = 60;
#else
    constexpr int vorgabe = 600;
#endif
    return gelesen && gesetzt > 0 ? gesetzt : vorgabe;
}

} // namespace

void TestEigenschaften::familien_data() {
    QTest::addColumn<int>("familie");
    for (int i = 0; i < static_cast<int>(std::size(familien::alle)); ++i)
        QTest::newRow(familien::alle[i].name) << i;
}

// Seeded random equations of every family, written as exact texts: the
// oracle judges every report.
void TestEigenschaften::familien() {
    QFETCH(int, familie);
    const auto ziehen = familien::alle[familie].ziehen;
    bool gelesen = false;
    const auto gesetzt = qEnvironmentVariableIntValue("RIVEREV_EIGENSCHAFTEN_SAAT", &gelesen);
    const std::uint64_t saat = gelesen ? static_cast<std::uint64_t>(gesetzt) : 20261209;
    std::mt19937_64 zufall(saat);
    Hauptfenster w;
    int geurteilt = 0;
    const int anzahl = anzahlJeFamilie();
    for (int fall = 0; fall < anzahl; ++fall) {
        const QStringList texte = ziehen(zufall);
        loesen(w, texte);
        protokollieren(w, texte);
        bool exakt = false;
        const QString fehler = orakel::urteil(w, &exakt);
        geurteilt += exakt;
        QVERIFY2(fehler.isEmpty(),
                 qPrintable(u"seed %1, equation %2: %3\n"_s.arg(saat).arg(fall).arg(fehler) +
                            texte.join(u" | "_s)));
    }
    qInfo("%d of %d judged", geurteilt, anzahl);
    QVERIFY(geurteilt > anzahl * 9 / 10);
}

void TestEigenschaften::bekannteWurzeln() {
    std::mt19937_64 zufall(20261208);
    Hauptfenster w;
    int geprueft = 0;
    constexpr int anzahl = 3000;
    for (int fall = 0; fall < anzahl; ++fall) {
        const Gleichung g = zufallsgleichung(zufall);
        loesen(w, g.koeffizienten);
        const QString eingabe = g.koeffizienten.join(u" | "_s);
        QVERIFY2(knopf(w, "EinleseB")->isEnabled(), qPrintable(eingabe));
        if (!g.einfach || !unterscheidbar(w, g)) {
            const QString fehler = invariantenVerletzt(w);
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler + u"\n"_s + eingabe));
            continue;
        }
        ++geprueft;
        QList<double> gefunden;
        for (int i = 1; i <= static_cast<int>(w.Nullstellen[0][0]); ++i)
            gefunden.append(w.Nullstellen[0][i]);
        QVERIFY2(
            gefunden.size() == g.reell.size(),
            qPrintable(u"%1 roots found, %2 true\n"_s.arg(gefunden.size()).arg(g.reell.size()) +
                       eingabe));
        for (int i = 0; i < gefunden.size(); ++i) {
            const long double r = g.reell[i];
            QVERIFY2(std::fabs(gefunden[i] - r) <= 1e-8L * std::max(1.0L, std::fabs(r)),
                     qPrintable(u"%1 for %2\n"_s.arg(gefunden[i], 0, 'g', 17)
                                    .arg(static_cast<double>(r), 0, 'g', 17) +
                                eingabe));
        }
        const QString fehler = invariantenVerletzt(w);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler + u"\n"_s + eingabe));
    }
    qInfo("%d of %d equations had roots that doubles can tell apart", geprueft, anzahl);
    // Keep the exact claim from passing on next to nothing.
    QVERIFY(geprueft > anzahl / 3);
}

// Two multiple roots 0.1 to 0.25 apart, on short decimals, and perhaps a
// simple root elsewhere, typed as the exact decimals the fields show back:
// every root listed once and shown as it is.
void TestEigenschaften::mehrfacheWurzeln() {
    std::mt19937_64 zufall(20261209);
    auto ganz = [&](long a, long b) { return std::uniform_int_distribution<long>(a, b)(zufall); };
    Hauptfenster w;
    int geprueft = 0;
    for (int versuch = 0; geprueft < 1500 && versuch < 20000; ++versuch) {
        const long d = ganz(1, 3);
        const long skala = zehnHoch(static_cast<unsigned long>(d)).get_si();
        const long a = ganz(-3 * skala, 3 * skala);
        const long abstand = ganz(skala / 10, skala / 4);
        QList<std::pair<long, int>> wurzeln = {
            {a, static_cast<int>(ganz(1, 5))},
            {a + std::max(1L, abstand), static_cast<int>(ganz(2, 5))}};
        if (ganz(0, 1) == 1) {
            const long c = ganz(-5 * skala, 5 * skala);
            if (std::abs(c - a) > skala / 2 && std::abs(c - a - abstand) > skala / 2)
                wurzeln.append({c, 1});
        }
        std::vector<mpz_class> p = {1};
        int grad = 0;
        for (const auto& [r, m] : wurzeln)
            for (int i = 0; i < m; ++i, ++grad)
                p = mal(p, {-r, skala});
        if (grad > 10)
            continue;
        QStringList texte;
        bool kurz = true;
        for (const mpz_class& c : p) {
            texte.append(dezimal(c, -d * grad));
            kurz = kurz && signifikanteStellen(texte.back()) <= 15;
        }
        if (!kurz)
            continue;
        ++geprueft;
        loesen(w, texte);
        std::sort(wurzeln.begin(), wurzeln.end());
        QStringList erwartet;
        for (const auto& [r, m] : wurzeln)
            erwartet.append(dezimal(r, -d));
        QStringList gezeigt;
        static const QRegularExpression zeile(u"x[0-9]+  =  (-?[0-9.]+) "_s);
        for (auto treffer = zeile.globalMatch(ausgabe(w)); treffer.hasNext();)
            gezeigt.append(treffer.next().captured(1));
        QVERIFY2(gezeigt == erwartet,
                 qPrintable(gezeigt.join(u", "_s) + u" for "_s + erwartet.join(u", "_s) + u"\n"_s +
                            texte.join(u" | "_s)));
        const QString fehler = invariantenVerletzt(w);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler + u"\n"_s + texte.join(u" | "_s)));
    }
    QCOMPARE(geprueft, 1500);
}

// Known roots on tenths, up to fivefold, expanded exactly and printed as a program prints a
// double, its shortest text: each known root listed within 1e-6 max(1, |r|), none other.
void TestEigenschaften::gedruckt() {
    std::mt19937_64 zufall(20261210);
    auto ganz = [&](long a, long b) { return std::uniform_int_distribution<long>(a, b)(zufall); };
    Hauptfenster w;
    for (int fall = 0; fall < 1500; ++fall) {
        std::vector<long> wurzeln;
        std::vector<mpz_class> p = {1};
        for (int grad = 0, ziel = static_cast<int>(ganz(1, 10)); grad < ziel;) {
            const long r = ganz(-100, 100);
            if (std::find(wurzeln.begin(), wurzeln.end(), r) != wurzeln.end())
                continue;
            wurzeln.push_back(r);
            for (long m = ganz(0, 4) == 0 ? ganz(2, 5) : 1; m > 0 && grad < ziel; --m, ++grad)
                p = mal(p, {-r, 10});
        }
        QStringList texte;
        const long grad = static_cast<long>(p.size()) - 1;
        for (const mpz_class& c : p)
            texte.append(Str(dezimal(c, -grad).toDouble()));
        loesen(w, texte);
        const auto nahe = [](double a, double b) {
            return std::abs(a - b) <= 1e-6 * std::max(1.0, std::abs(b));
        };
        QList<double> gefunden;
        for (int i = 1; i <= static_cast<int>(w.Nullstellen[0][0]); ++i)
            gefunden.append(w.Nullstellen[0][i]);
        for (const long r : wurzeln)
            QVERIFY2(std::any_of(gefunden.begin(), gefunden.end(),
                                 [&](double g) { return nahe(g, r / 10.0); }),
                     qPrintable(u"%1 not found\n"_s.arg(r / 10.0) + texte.join(u" | "_s)));
        for (const double g : gefunden)
            QVERIFY2(std::any_of(wurzeln.begin(), wurzeln.end(),
                                 [&](long r) { return nahe(g, r / 10.0); }),
                     qPrintable(u"%1 is no root\n"_s.arg(g, 0, 'g', 17) + texte.join(u" | "_s)));
    }
}

void TestEigenschaften::unsinn() {
    std::mt19937_64 zufall(8122026);
    const QString zeichen = u"0123456789+-.,+-.,eE x/\u2212\u00e4\U0001F600\t"_s;
    Hauptfenster w;
    for (int fall = 0; fall < 1500; ++fall) {
        QStringList texte;
        for (int j = 0; j <= 10; ++j) {
            QString t;
            const auto laenge = std::uniform_int_distribution<int>(0, 24)(zufall);
            for (int i = 0; i < laenge; ++i)
                t += zeichen[std::uniform_int_distribution<int>(0, zeichen.size() - 1)(zufall)];
            texte.append(t);
        }
        loesen(w, texte);
        const QString fehler = invariantenVerletzt(w);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler + u"\n"_s + texte.join(u" | "_s)));
    }
}

QTEST_MAIN(TestEigenschaften)
#include "test_eigenschaften.moc"
