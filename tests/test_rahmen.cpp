#include "Rahmen.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <random>

using namespace Qt::Literals::StringLiterals;

class TestRahmen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void val_data();
    void val();
    void valAusserhalbDesBereichs();
    void str_data();
    void str();
    void strGanzzahl();
    void strLiestSichZurueck();
};

void TestRahmen::val_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("leer") << u""_s << 0.0;
    QTest::newRow("ganz") << u"42"_s << 42.0;
    QTest::newRow("dezimal") << u"3.5"_s << 3.5;
    QTest::newRow("zwei Punkte") << u"1.2.3"_s << 1.2;
    QTest::newRow("plus minus") << u"+-3"_s << 0.0;
    QTest::newRow("minus danach") << u"3-"_s << 3.0;
    QTest::newRow("nur minus") << u"-"_s << 0.0;
    QTest::newRow("nur Punkt") << u"."_s << 0.0;
    QTest::newRow("minus Punkt fuenf") << u"-.5"_s << -0.5;
    QTest::newRow("Punkt am Ende") << u"5."_s << 5.0;
    QTest::newRow("plus") << u"+7"_s << 7.0;
    QTest::newRow("korrekt gerundet") << u"0.1"_s << 0.1;
    QTest::newRow("viele Ziffern")
        << u"1.00000000000000011102230246251565404236316680908203125"_s << 1.0000000000000002;
    QTest::newRow("Exponent") << u"1e5"_s << 100000.0;
    QTest::newRow("Exponent ohne Ziffern") << u"2E+x"_s << 2.0;
    QTest::newRow("Text davor") << u"a1"_s << 0.0;
}

void TestRahmen::val() {
    QFETCH(QString, text);
    QFETCH(double, wert);
    QCOMPARE(Val(text), wert);
}

void TestRahmen::valAusserhalbDesBereichs() {
    const QString gross = QString(400, u'9');
    QCOMPARE(Val(gross), std::numeric_limits<double>::infinity());
    QCOMPARE(Val(u"-"_s + gross), -std::numeric_limits<double>::infinity());
    const QString klein = u"0."_s + QString(400, u'0') + u"1"_s;
    QVERIFY(std::isnan(Val(klein)));
    // Out of range by the exponent, or by the digits against it.
    QCOMPARE(Val(u"-2e999"_s), -std::numeric_limits<double>::infinity());
    QVERIFY(std::isnan(Val(u"1e-400"_s)));
    QCOMPARE(Val(u"0e-400"_s), 0.0);
    QCOMPARE(Val(u"0."_s + QString(400, u'0') + u"1e800"_s),
             std::numeric_limits<double>::infinity());
    QVERIFY(std::isnan(Val(u"1"_s + QString(400, u'0') + u"e-800"_s)));
    QCOMPARE(Val(u"00000000000000000000000000000000000000000000000000000000000012"_s), 12.0);
}

void TestRahmen::str_data() {
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("drei") << 3.0 << u"3"_s;
    QTest::newRow("null") << 0.0 << u"0"_s;
    QTest::newRow("minus null") << -0.0 << u"0"_s;
    QTest::newRow("halb") << 0.5 << u"0.5"_s;
    QTest::newRow("negativ") << -2.25 << u"-2.25"_s;
    QTest::newRow("ein Zehntel") << 0.1 << u"0.1"_s;
    QTest::newRow("1e20") << 1e20 << u"100000000000000000000"_s;
    QTest::newRow("1e20 und ein ulp") << 1.0000000000000003e20 << u"100000000000000030000"_s;
    QTest::newRow("1e-7") << 1e-7 << u"0.0000001"_s;
    QTest::newRow("Rundungsrest") << -2.9999999999954525 << u"-2.9999999999954525"_s;
    QTest::newRow("gemischt") << 123456.789 << u"123456.789"_s;
}

void TestRahmen::str() {
    QFETCH(double, wert);
    QFETCH(QString, text);
    QCOMPARE(Str(wert), text);
}

void TestRahmen::strGanzzahl() {
    QCOMPARE(Str(10), u"10"_s);
    QCOMPARE(Str(-3), u"-3"_s);
    QCOMPARE(Str(0), u"0"_s);
}

// Whatever the program writes into a field must read in again as the same
// number: no exponent letter, no lost digit.
void TestRahmen::strLiestSichZurueck() {
    std::mt19937_64 zufall(20261208);
    std::uniform_int_distribution<std::uint64_t> bits;
    const double grenzen[] = {std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::min(), 1e-300, 1e300};
    for (double g : grenzen)
        QCOMPARE(Val(Str(g)), g);
    for (int i = 0; i < 20000; ++i) {
        double v = std::bit_cast<double>(bits(zufall));
        if (!std::isfinite(v))
            continue;
        const QString text = Str(v);
        QVERIFY2(!text.contains(u'e'), qPrintable(text));
        QCOMPARE(Val(text), v);
    }
}

QTEST_GUILESS_MAIN(TestRahmen)
#include "test_rahmen.moc"
