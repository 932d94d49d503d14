#include "Faktoren.h"
#include "Invarianten.h"
#include "Pruefhilfe.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <numbers>

using namespace Qt::Literals::StringLiterals;

// Hard equations with known real roots, each listed once and with the
// tolerance that the search honestly reaches.
class TestSchwer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gleichungen_data();
    void gleichungen();
};

namespace {

// The product of (x - r)^m over the given roots, times the optional factor.
QStringList mitVielfachheit(const QList<std::pair<double, int>>& wurzeln,
                            const QList<double>& faktor = {1}) {
    QList<QList<double>> faktoren = {faktor};
    for (const auto& [r, m] : wurzeln)
        for (int i = 0; i < m; ++i)
            faktoren.append({-r, 1});
    return ausFaktoren(faktoren);
}

QStringList skaliert(const QString& s) {
    // s (x - 1)(x - 2)(x - 3), written exactly for s a power of ten.
    const double faktor = Val(s);
    return {Str(-6 * faktor), Str(11 * faktor), Str(-6 * faktor), s};
}

} // namespace

void TestSchwer::gleichungen_data() {
    QTest::addColumn<QStringList>("koeffizienten");
    QTest::addColumn<QList<double>>("erwartet");
    QTest::addColumn<double>("toleranz");

    QList<double> eins_bis_zehn;
    for (int r = 1; r <= 10; ++r)
        eins_bis_zehn.append(r);
    // Ill-conditioned, but the Newton steps on the compensated value take
    // every root to its last digits: the report shows 6 and 9.
    QTest::newRow("Wilkinson") << wilkinson() << eins_bis_zehn << 1e-13;

    QList<double> kosinusse;
    for (int k = 10; k >= 1; --k)
        kosinusse.append(std::cos((2 * k - 1) * std::numbers::pi / 20));
    QTest::newRow("Tschebyschow T10") << tschebyschow() << kosinusse << 1e-14;

    QTest::newRow("Legendre P10") << QStringList{u"-63"_s,     u""_s, u"3465"_s,  u""_s,
                                                 u"-30030"_s,  u""_s, u"90090"_s, u""_s,
                                                 u"-109395"_s, u""_s, u"46189"_s}
                                  << QList<double>{-0.9739065285171717, -0.8650633666889845,
                                                   -0.6794095682990244, -0.4333953941292472,
                                                   -0.1488743389816312, 0.1488743389816312,
                                                   0.4333953941292472,  0.6794095682990244,
                                                   0.8650633666889845,  0.9739065285171717}
                                  << 1e-14;

    // Multiple roots and clusters from the literature: each distinct root
    // once. A root of multiplicity m is found to about eps^(1/m).
    QTest::newRow("(x + 1)^5 (x^5 + x + 1)") << mitVielfachheit({{-1.0, 5}}, {1, 1, 0, 0, 0, 1})
                                             << QList<double>{-1.0, -0.7548776662466927} << 1e-14;
    QTest::newRow("Farmer-Loizou (x - 1)^4 (x - 2)^3 (x - 3)^2 (x - 4)")
        << mitVielfachheit({{1, 4}, {2, 3}, {3, 2}, {4, 1}}) << QList<double>{1, 2, 3, 4} << 0.0;
    QTest::newRow("Jenkins-Traub (x - 0.1)^4 (x - 0.2)^3 (x - 0.3)^2 (x - 0.4)")
        << mitVielfachheit({{0.1, 4}, {0.2, 3}, {0.3, 2}, {0.4, 1}})
        << QList<double>{0.1, 0.2, 0.3, 0.4} << 1e-11;
    // The roots 1e-5 ... 1e-8 lie closer together than the merge distance
    // and are listed once, as the leftmost.
    QTest::newRow("Jenkins-Traub (x - 0.1)(x - 0.01)...(x - 1e-8)")
        << mitVielfachheit({{1e-1, 1},
                            {1e-2, 1},
                            {1e-3, 1},
                            {1e-4, 1},
                            {1e-5, 1},
                            {1e-6, 1},
                            {1e-7, 1},
                            {1e-8, 1}})
        << QList<double>{1e-8, 1e-4, 1e-3, 1e-2, 1e-1} << 1e-15;
    QTest::newRow("Igarashi-Ypma (x - 2.35)^3 (x - 2.56)")
        << mitVielfachheit({{2.35, 3}, {2.56, 1}}) << QList<double>{2.35, 2.56} << 1e-11;
    QTest::newRow("Uhlig (x^4 - a^4)(x - a)^4, a = 0.01")
        << mitVielfachheit({{0.01, 4}}, {-1e-8, 0, 0, 0, 1}) << QList<double>{-0.01, 0.01} << 1e-15;
    QTest::newRow("(x - 0.1)^4 wie getippt")
        << QStringList{u"0.0001"_s, u"-0.004"_s, u"0.06"_s, u"-0.4"_s, u"1"_s} << QList<double>{0.1}
        << 0.0;
    QTest::newRow("x^2 - 2.4x + 1.44")
        << QStringList{u"1.44"_s, u"-2.4"_s, u"1"_s} << QList<double>{1.2} << 0.0;
    // A double root that is no fraction: only the rows' common divisor
    // tells that they share it.
    QTest::newRow("(x^2 - 2)^2 (x - 3)")
        << QStringList{u"-12"_s, u"4"_s, u"12"_s, u"-4"_s, u"-3"_s, u"1"_s}
        << QList<double>{-std::numbers::sqrt2, std::numbers::sqrt2, 3.0} << 1e-10;
    // Two multiple roots close together, every coefficient exact: the
    // derivatives' roots between them are told apart exactly.
    QTest::newRow("(x - 13)^4 (4x - 51)^4 (4x - 29)")
        << QStringList{u"-5603406267069"_s, u"4254940006200"_s,
                       u"-1426938558318"_s, u"277636185372"_s,
                       u"-34563303869"_s,   u"2856739764"_s,
                       u"-156838048"_s,     u"5517440"_s,
                       u"-112896"_s,        u"1024"_s}
        << QList<double>{7.25, 12.75, 13} << 0.0;
    QTest::newRow("(4x + 7)^5 (8x + 13)^4")
        << QStringList{u"480024727"_s,  u"2553098548"_s, u"6034132832"_s, u"8317731968"_s,
                       u"7369458432"_s, u"4352123904"_s, u"1713176576"_s, u"433455104"_s,
                       u"63963136"_s,   u"4194304"_s}
        << QList<double>{-1.75, -1.625} << 0.0;
    // Two of the coefficients show 16 digits and so count as rounded; their
    // uncertainty makes no cut point between the two exact roots a root.
    QTest::newRow("(x - 12.6)^5 (x - 12.5)^5 als Dezimalzahlen")
        << QStringList{u"96917631152.34375"_s,
                       u"-77226429902.34375"_s,
                       u"27691142456.25"_s,
                       u"-5883980732.4375"_s,
                       u"820484083.20375"_s,
                       u"-78453353.16251"_s,
                       u"5209422.7505"_s,
                       u"-237197.51"_s,
                       u"7087.6"_s,
                       u"-125.5"_s,
                       u"1"_s}
        << QList<double>{12.5, 12.6} << 0.0;
    // A printed double stands for any number within a unit of its last place: (x - 1)^2 printed
    // is a double root at 1, whereas two units further on the roots are a complex pair.
    QTest::newRow("x^2 - 2x + 1.0000000000000002")
        << QStringList{u"1.0000000000000002"_s, u"-2"_s, u"1"_s} << QList<double>{1.0} << 0.0;
    QTest::newRow("x^2 - 2x + 1.0000000000000007")
        << QStringList{u"1.0000000000000007"_s, u"-2"_s, u"1"_s} << QList<double>{} << 0.0;
    // Four units in the last place beside the number it shows: listed as itself, not as 0.5.
    QTest::newRow("x - 0.50000000000000044") << QStringList{u"-0.50000000000000044"_s, u"1"_s}
                                             << QList<double>{0.50000000000000044} << 0.0;
    // A triple root scaled small: the zero test's bound (2 mu - |y|, mu
    // started at |y| / 2, unit roundoff 2^-53) just holds at the cut point.
    QTest::newRow("1e-4 (x + 12.25)^3")
        << QStringList{u"0.1838265625"_s, u"0.04501875"_s, u"0.003675"_s, u"0.0001"_s}
        << QList<double>{-12.25} << 1e-9;
    // A multiple root next to a simple one, closer than the evaluation's
    // rounding can tell apart, but more than the merge distance: both.
    QTest::newRow("(x + 2)^3 (x + 2.0001)")
        << QStringList{u"16.0008"_s, u"32.0012"_s, u"24.0006"_s, u"8.0001"_s, u"1"_s}
        << QList<double>{-2.0001, -2.0} << 1e-10;
    QTest::newRow("(x + 2)^2 (x + 1.999989)")
        << QStringList{u"7.999956"_s, u"11.999956"_s, u"5.999989"_s, u"1"_s}
        << QList<double>{-2.0, -1.999989} << 1e-10;
    // Tight clusters of short decimals, whose doubles' equation has its roots elsewhere or none:
    // Newton steps on the equation as shown.
    QTest::newRow("(x - 4.6)^4 (x - 4.61)^2 (x - 4.62)") << QStringList{u"-43961.7683078112"_s,
                                                                        u"66815.509557088"_s,
                                                                        u"-43521.35925392"_s,
                                                                        u"15749.0706368"_s,
                                                                        u"-3419.467502"_s,
                                                                        u"445.4645"_s,
                                                                        u"-32.24"_s,
                                                                        u"1"_s}
                                                         << QList<double>{4.6, 4.61, 4.62} << 0.0;
    QTest::newRow("(x + 10)^3 (x + 9.9)(x + 9.8)^4")
        << QStringList{u"91314447.84"_s,   u"73889219.152"_s, u"26157442.8752"_s,
                       u"5291344.19184"_s, u"668977.2048"_s,  u"54129.144"_s,
                       u"2737.32"_s,       u"79.1"_s,         u"1"_s}
        << QList<double>{-10.0, -9.9, -9.8} << 0.0;
    QTest::newRow("(x + 7.5)^6 (x + 7.48)^2")
        << QStringList{u"9957969.140625"_s, u"10628933.90625"_s, u"4963483.828125"_s,
                       u"1324479.9375"_s,   u"220894.0875"_s,    u"23577.768"_s,
                       u"1572.9004"_s,      u"59.96"_s,          u"1"_s}
        << QList<double>{-7.5, -7.48} << 0.0;
    // Exact expansions typed with every digit: the fields keep them, and their clusters stay.
    QTest::newRow("(x - 13)^4 (x - 12.75)^4 (x - 7.25) mit allen Stellen")
        << QStringList{u"-5472076432.6845703125"_s,
                       u"4155214849.8046875"_s,
                       u"-1393494685.857421875"_s,
                       u"271129087.27734375"_s,
                       u"-33753226.4345703125"_s,
                       u"2789784.92578125"_s,
                       u"-153162.15625"_s,
                       u"5388.125"_s,
                       u"-110.25"_s,
                       u"1"_s}
        << QList<double>{7.25, 12.75, 13.0} << 0.0;
    // Where the doubles cannot narrow a derivative's piece at all, Newton's steps from its middle
    // reach the next root: two roots would share one cut point, and -3.89 was lost.
    QTest::newRow("enge Haufen um -3.9")
        << QStringList{u"912920.38311676116884417825"_s,
                       u"2314753.45904208527991857"_s,
                       u"2640968.4333130402279053"_s,
                       u"1785468.22990375229624"_s,
                       u"792108.551804502194"_s,
                       u"240954.4374982716"_s,
                       u"50897.59122034"_s,
                       u"7371.865528"_s,
                       u"700.6509"_s,
                       u"39.46"_s,
                       u"1"_s}
        << QList<double>{-4.03, -3.97, -3.95, -3.89, -3.79} << 1e-10;
    QTest::newRow("(x - 1616)^2 (x - 1616.000015)")
        << QStringList{u"-4220112935.17184"_s, u"7834368.04848"_s, u"-4848.000015"_s, u"1"_s}
        << QList<double>{1616.0, 1616.000015} << 0.0;
    // Two triple roots inside their pieces: the Newton steps stop where the
    // value no longer falls, before the rounding noise moves them.
    QTest::newRow("(x + 2.59)^3 (x + 0.128)^3") << QStringList{u"0.036435874807808"_s,
                                                               u"0.8961695318016"_s,
                                                               u"7.67705240064"_s,
                                                               u"25.485718392"_s,
                                                               u"23.157132"_s,
                                                               u"8.154"_s,
                                                               u"1"_s}
                                                << QList<double>{-2.59, -0.128} << 1e-5;
    QTest::newRow("(x - 0.9)^3 (x - 1)^3 (x - 1.1)^3")
        << mitVielfachheit({{0.9, 3}, {1, 3}, {1.1, 3}}) << QList<double>{0.9, 1.0, 1.1} << 1e-6;

    // Tiny roots: a small value is no root unless it is below the rounding
    // error of its own evaluation.
    QList<double> zweierpotenzen;
    QList<std::pair<double, int>> halbierungen;
    for (int k = 9; k >= 0; --k) {
        zweierpotenzen.append(std::ldexp(1.0, -k));
        halbierungen.append({std::ldexp(1.0, -k), 1});
    }
    QTest::newRow("(x - 1)(x - 1/2)...(x - 1/512)")
        << mitVielfachheit(halbierungen) << zweierpotenzen << 0.0;
    QStringList zehnte(11, u""_s);
    zehnte[0] = u"-0.00000000000000000001"_s;
    zehnte[10] = u"1"_s;
    QTest::newRow("x^10 - 1e-20") << zehnte << QList<double>{-0.01, 0.01} << 0.0;
    QTest::newRow("(x - 1)(x - 1.00005)")
        << QStringList{u"1.00005"_s, u"-2.00005"_s, u"1"_s} << QList<double>{1.0, 1.00005} << 1e-11;
    QTest::newRow("5x + 101020x^2")
        << QStringList{u""_s, u"5"_s, u"101020"_s} << QList<double>{-5.0 / 101020, 0.0} << 1e-15;
    QTest::newRow("1 + 1e15 x^7") << QStringList{u"1"_s, u""_s, u""_s, u""_s,
                                                 u""_s,  u""_s, u""_s, u"1000000000000000"_s}
                                  << QList<double>{-std::pow(1e-15, 1.0 / 7)} << 1e-15;

    // Scaling an equation changes none of its roots, down to subnormal
    // coefficients, whose products underflow.
    for (const QString& s :
         {u"0.00000000000001"_s, u"0.0000001"_s, u"1"_s, u"10000000"_s, u"100000000000000"_s,
          u"0."_s + QString(169, u'0') + u"1"_s, u"0."_s + QString(309, u'0') + u"1"_s})
        QTest::addRow("1e%d (x - 1)(x - 2)(x - 3)", static_cast<int>(std::log10(Val(s))))
            << skaliert(s) << QList<double>{1.0, 2.0, 3.0} << 1e-11;
    QTest::newRow("2.2e-308 x^2 - 4.45e-308")
        << QStringList{u"-0."_s + QString(307, u'0') + u"445"_s, u""_s,
                       u"0."_s + QString(307, u'0') + u"22"_s}
        << QList<double>{-std::sqrt(4.45 / 2.2), std::sqrt(4.45 / 2.2)} << 1e-14;
    // The zero test's error bound itself must not overflow.
    QTest::newRow("x^2 - 2e154 x")
        << QStringList{u""_s, Str(-2e154), u"1"_s} << QList<double>{0.0, 2e154} << 0.0;

    // Two terms many decades apart: at the large root Horner gives exactly
    // 0 while its error bound overflows.
    QTest::newRow("x^2 - 1e-200 x^3")
        << QStringList{u""_s, u""_s, u"1"_s, Str(-1e-200)} << QList<double>{0.0, 1e200} << 0.0;
    QTest::newRow("-0.1 x^2 + 8e-282 x^3")
        << QStringList{u""_s, u""_s, u"-0.1"_s, Str(8e-282)} << QList<double>{0.0, 1.25e280} << 0.0;
    QTest::newRow("1e-280 x^3 - x^2")
        << QStringList{u""_s, u""_s, u"-1"_s, Str(1e-280)} << QList<double>{0.0, 1e280} << 0.0;
    QTest::newRow("9x + 9.5e-308 x^2")
        << QStringList{u""_s, u"9"_s, Str(9.5e-308)} << QList<double>{-9 / 9.5e-308, 0.0} << 0.0;

    // Where a_(grad-1) is the only other nonzero coefficient, the interval's
    // bound is attained by a root and rounded either way.
    QTest::newRow("11x^2 + 30x") << QStringList{u""_s, u"30"_s, u"11"_s}
                                 << QList<double>{-30.0 / 11, 0.0} << 0.0;
    QTest::newRow("855x^3 + 7429x^2") << QStringList{u""_s, u""_s, u"7429"_s, u"855"_s}
                                      << QList<double>{-7429.0 / 855, 0.0} << 0.0;
    QTest::newRow("x^2 + 1.8e308 x")
        << QStringList{u""_s, Str(std::numeric_limits<double>::max()), u"1"_s}
        << QList<double>{-std::numeric_limits<double>::max(), 0.0} << 0.0;

    // Roots far below 1e-11 apart: the halving goes on relative to the
    // ends. The roots 0, 5e-28 and 3e-7, and -1e-20, 0, 1e-20 and 1e-7,
    // are each listed once, as the leftmost.
    QTest::newRow("x^2 (x - 5e-28)(x - 3e-7)")
        << QStringList{u""_s, u""_s, Str(1.5e-34), u"-0.0000003000000000000000000005"_s, u"1"_s}
        << QList<double>{0.0} << 0.0;
    QTest::newRow("x (x - 1e-7)(x^2 - 1e-40)")
        << QStringList{u""_s, Str(1e-47), Str(-1e-40), u"-0.0000001"_s, u"1"_s}
        << QList<double>{-1e-20} << 1e-35;

    // Two multiple roots side by side, parted by a cut point of lower
    // multiplicity; and a simple root just beyond the merge distance from
    // a multiple one, which the derivatives' roots must not swallow.
    QTest::newRow("(x + 19)^5 (4x + 79)^3 (2x + 33)")
        << QStringList{u"40286841370413"_s, u"19162947318521"_s,
                       u"4049641532380"_s,  u"499034123834"_s,
                       u"39518968357"_s,    u"2085649397"_s,
                       u"73356994"_s,       u"1658120"_s,
                       u"21856"_s,          u"128"_s}
        << QList<double>{-19.75, -19.0, -16.5} << 1e-9;
    QTest::newRow("x^4 (x - 0.000021)")
        << QStringList{u""_s, u""_s, u""_s, u""_s, u"-0.000021"_s, u"1"_s}
        << QList<double>{0.0, 0.000021} << 1e-15;
    QStringList neunte(11, u""_s);
    neunte[9] = u"-0.00005"_s;
    neunte[10] = u"1"_s;
    QTest::newRow("x^9 (x - 0.00005)") << neunte << QList<double>{0.0, 0.00005} << 1e-15;

    // The scaling must not turn a0 into 0 and so make 0 a root, nor the
    // leading coefficient subnormal, which would cost the root its last bits.
    QTest::newRow("-5e-283 - 1e157 x^2 + 9x^3")
        << QStringList{Str(-5e-283), u""_s, Str(-1e157), u"9"_s} << QList<double>{1e157 / 9} << 0.0;
    // A subnormal coefficient lies far from its decimal, measured by its
    // size: the interval's bound must hold for the decimal.
    QTest::newRow("6.3011e-9 - 6e-316 x")
        << QStringList{u"0.0000000063011"_s, u"-0."_s + QString(315, u'0') + u"6"_s}
        << QList<double>{1.0501833333333333e307} << 0.0;
    QTest::newRow("5.1e229 x + 3.093e-79 x^2") << QStringList{u""_s, Str(5.1e229), Str(3.093e-79)}
                                               << QList<double>{-5.1e229 / 3.093e-79, 0.0} << 0.0;

    // Two roots 1e-629 either side of a derivative's root near 1.41e157, and
    // two near +-1.7e-105: the sign at the derivative's root is taken ever
    // closer to it, in leaps, not by thousands of halvings.
    QStringList weit(11, u""_s);
    weit[0] = Str(-5e-324);
    weit[6] = Str(2e305);
    weit[8] = Str(-2e-9);
    weit[10] = Str(5e-324);
    QTest::newRow("-5e-324 + 2e305 x^6 - 2e-9 x^8 + 5e-324 x^10")
        << weit << QList<double>{-1.4142135623730953e157, 0.0, 1.4142135623730953e157} << 1e-100;

    // Integer coefficients: every derivative's root is exactly 1.
    QTest::newRow("(x - 1)^10") << mitVielfachheit({{1, 10}}) << QList<double>{1.0} << 0.0;

    QTest::newRow("x^4 (x - 1)(x + 2)")
        << mitVielfachheit({{0, 4}, {1, 1}, {-2, 1}}) << QList<double>{-2.0, 0.0, 1.0} << 1e-15;

    QTest::newRow("x^10 + 1") << QStringList{u"1"_s, u""_s, u""_s, u""_s, u""_s, u""_s,
                                             u""_s,  u""_s, u""_s, u""_s, u"1"_s}
                              << QList<double>{} << 0.0;

    // Sum |a_i| / |a_n| overflows; the bound taken instead holds the roots.
    QTest::newRow("-1e10 + 1e-300 x^2")
        << QStringList{u"-1e10"_s, u""_s, u"1e-300"_s} << QList<double>{-1e155, 1e155} << 1e140;

    // Near 1e5 doubles are 1.5e-11 apart: the halving ends on the last one.
    QTest::newRow("x^2 - 10000000000") << QStringList{u"-10000000000"_s, u""_s, u"1"_s}
                                       << QList<double>{-100000.0, 100000.0} << 0.0;

    // The third root, -1e20 - 3, is a double only to its 16 significant
    // digits; it is found to a few units in its last place.
    QTest::newRow("1e-20 x^3 + x^2 - 3x + 2")
        << QStringList{u"2"_s, u"-3"_s, u"1"_s, u"0.00000000000000000001"_s}
        << QList<double>{-1e20, 1.0, 2.0} << 1e-11;
}

void TestSchwer::gleichungen() {
    QFETCH(QStringList, koeffizienten);
    QFETCH(QList<double>, erwartet);
    QFETCH(double, toleranz);
    Hauptfenster w;
    loesen(w, koeffizienten);
    protokollieren(w, koeffizienten);
    const QList<double> gefunden = wurzeln(w);

    const auto nahe = [&](double a, double b) {
        return std::abs(a - b) <= std::max(toleranz, 4e-16 * std::abs(b));
    };
    QCOMPARE(gefunden.size(), erwartet.size());
    for (double r : erwartet)
        QVERIFY2(
            std::any_of(gefunden.begin(), gefunden.end(), [&](double g) { return nahe(g, r); }),
            qPrintable(u"%1 not found"_s.arg(r, 0, 'g', 17)));
    for (double g : gefunden)
        QVERIFY2(
            std::any_of(erwartet.begin(), erwartet.end(), [&](double r) { return nahe(g, r); }),
            qPrintable(u"%1 is no root"_s.arg(g, 0, 'g', 17)));
    const QString fehler = invariantenVerletzt(w);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

QTEST_MAIN(TestSchwer)
#include "test_schwer.moc"
