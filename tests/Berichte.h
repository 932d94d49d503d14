#pragma once

// The worked reports, character for character, shared by the tests that run
// them in the C locale and under a German one.

#include <QStringList>
#include <QTest>

inline void berichteTabelle() {
    using namespace Qt::Literals::StringLiterals;
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
    QTest::newRow("Dezimalkomma")
        << QStringList{u"-1,5"_s, u"0,5"_s, u"1"_s}
        << u"\nDie Gleichung     -1.5 + 0.5x + x^2   =  0 hat die Lösungen \n\n"
           u"          x1  =  -1.5 ,\n          x2  =  1 ."_s;
}
