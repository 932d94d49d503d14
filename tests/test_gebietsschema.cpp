#include "Pruefhilfe.h"

#include <QLocale>
#include <QTest>
#include <clocale>

using namespace Qt::Literals::StringLiterals;

// Under a German locale, with its decimal comma, every text the program
// reads or writes still uses the point.
class TestGebietsschema : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void zahlen();
};

void TestGebietsschema::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QLocale().decimalPoint(), u","_s);
    // QApplication has set the C library's locale from the environment;
    // make sure it is German where the system has that locale.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QCOMPARE(std::localeconv()->decimal_point, ",");
    else
        qWarning("de_DE.UTF-8 is not installed: only Qt's locale is German");
}

void TestGebietsschema::zahlen() {
    QCOMPARE(Str(1234.5), u"1234.5"_s);
    QCOMPARE(Str(-0.001), u"-0.001"_s);
    QCOMPARE(Val(u"1234.5"_s), 1234.5);
    Hauptfenster w;
    QCOMPARE(loesen(w, {u"-1,5"_s, u"0,5"_s, u"1"_s}),
             u"\nDie Gleichung     -1.5 + 0.5x + x^2   =  0 hat die Lösungen \n\n"
             u"          x1  =  -1.5 ,\n          x2  =  1 ."_s);
    QCOMPARE(feld(w, 0)->text(), u"-1.5"_s);
}

QTEST_MAIN(TestGebietsschema)
#include "test_gebietsschema.moc"
