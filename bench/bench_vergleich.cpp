// This program's root search next to GSL's and Eigen's polynomial solvers on
// the same double coefficients: time per solve, and real roots found, missed
// and spurious against the known roots. Prints a Markdown table. With
// --anweisungen=PREFIX, run under callgrind with --callgrind-out-file=PREFIX
// (scripts/vergleich --anweisungen does both), it gives instructions per
// solve instead of times: those are the same on every run, and a second
// table of this program's search against its floor, and of its cost on
// seeded random equations.

#include "Faktoren.h"
#include "Familien.h"
#include "Pruefhilfe.h"

#include <Eigen/Core>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <gsl/gsl_poly.h>
#include <map>
#include <numbers>
#include <random>
#include <string>
#include <unsupported/Eigen/Polynomials>
#include <valgrind/callgrind.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Gleichung {
    std::string name;
    QStringList koeffizienten;   // as a user types them, constant first
    std::vector<double> wurzeln; // the distinct real roots
};

std::vector<Gleichung> gleichungen() {
    std::vector<Gleichung> g;
    g.push_back({"degree 2: x^2 + x - 6", {u"-6"_s, u"1"_s, u"1"_s}, {-3, 2}});
    g.push_back({"degree 5: three real, one complex pair",
                 ausFaktoren({{2, 1}, {-0.5, 1}, {-3, 1}, {1, 1, 1}}),
                 {-2, 0.5, 3}});
    g.push_back(
        {"degree 10: four real, three complex pairs",
         ausFaktoren({{3, 1}, {1.5, 1}, {-0.5, 1}, {-4, 1}, {1, 0, 1}, {5, -2, 1}, {2, 1, 1}}),
         {-3, -1.5, 0.5, 4}});
    std::vector<double> eins_bis_zehn;
    for (int r = 1; r <= 10; ++r)
        eins_bis_zehn.push_back(r);
    g.push_back({"Wilkinson (x - 1)...(x - 10)", wilkinson(), eins_bis_zehn});
    std::vector<double> t10;
    for (int k = 10; k >= 1; --k)
        t10.push_back(std::cos((2 * k - 1) * std::numbers::pi / 20));
    g.push_back({"Chebyshev T10", tschebyschow(), t10});
    g.push_back({"double root: (x - 1.5)^2 (x + 2)(x - 3)",
                 ausFaktoren({{-1.5, 1}, {-1.5, 1}, {2, 1}, {-3, 1}}),
                 {-2, 1.5, 3}});
    g.push_back({"triple root: (x - 2)^3 (x + 1)",
                 ausFaktoren({{-2, 1}, {-2, 1}, {-2, 1}, {1, 1}}),
                 {-1, 2}});
    g.push_back({"roots 1e-6 apart: (x - 1)(x - 1.000001)(x + 2)",
                 ausFaktoren({{-1, 1}, {-1.000001, 1}, {2, 1}}),
                 {-2, 1, 1.000001}});
    g.push_back(
        {"two fivefold roots: (x - 1.1)^5 (x - 1.2)^5",
         {u"4.0074642432"_s, u"-34.91351424"_s, u"136.848096"_s, u"-317.796336"_s, u"484.21362"_s,
          u"-505.79783"_s, u"366.8285"_s, u"-182.39"_s, u"59.5"_s, u"-11.5"_s, u"1"_s},
         {1.1, 1.2}});
    g.push_back({"scaled: 1e-14 (x - 1)(x - 2)(x - 3)",
                 {u"-0.00000000000006"_s, u"0.00000000000011"_s, u"-0.00000000000006"_s,
                  u"0.00000000000001"_s},
                 {1, 2, 3}});
    return g;
}

// The coefficients as the program reads them, constant first.
std::vector<double> gelesen(Hauptfenster& w, const QStringList& koeffizienten) {
    einlesen(w, koeffizienten);
    return std::vector<double>(&w.Pnom[0][0], &w.Pnom[0][0] + w.grad + 1);
}

// What the two companion-matrix solvers count as real.
const double imaginaerSchwelle = Eigen::NumTraits<double>::dummy_precision();

struct Loeser {
    std::string name;
    std::vector<double> (*loesen)(Hauptfenster&, const std::vector<double>&);
};

std::vector<double> riverev(Hauptfenster& w, const std::vector<double>&) {
    w.Ableiten();
    w.NullstellenBerechnen();
    const QList<double> r = wurzeln(w);
    return std::vector<double>(r.begin(), r.end());
}

// The search's floor: one evaluation of the row at every midpoint of a plain
// bisection to the search's width, and one sign at every cut point, on the
// cut points the search found.
double untergrenze(const Hauptfenster& w) {
    double summe = 0.0;
    for (int n = w.grad - 1; n >= 0; --n) {
        const double* p = w.Pnom[n];
        const int k = w.grad - n;
        double x[12];
        int punkte = 0;
        x[punkte++] = w.xlinks;
        for (int i = 1; n + 1 < w.grad && i <= static_cast<int>(w.Nullstellen[n + 1][0]); ++i)
            x[punkte++] = w.Nullstellen[n + 1][i];
        x[punkte++] = w.xrechts;
        int s[12];
        for (int i = 0; i < punkte; ++i)
            s[i] = vorzeichen(horner(p, k, x[i]));
        for (int i = 0; n + 1 < w.grad && i + 1 < punkte; ++i) {
            if (s[i] * s[i + 1] >= 0)
                continue;
            double a = x[i], b = x[i + 1];
            while (b - a > 1e-11 * std::max({1.0, std::abs(a), std::abs(b)})) {
                const double m = (a + b) / 2;
                if (m == a || m == b)
                    break;
                (vorzeichen(horner(p, k, m)) == s[i] ? a : b) = m;
            }
            summe += a;
        }
    }
    return summe;
}

std::vector<double> gsl(Hauptfenster&, const std::vector<double>& a) {
    const std::size_t n = a.size();
    std::vector<double> z(2 * (n - 1));
    gsl_poly_complex_workspace* platz = gsl_poly_complex_workspace_alloc(n);
    gsl_poly_complex_solve(a.data(), n, platz, z.data());
    gsl_poly_complex_workspace_free(platz);
    std::vector<double> reell;
    for (std::size_t i = 0; i + 1 < n; ++i)
        if (std::abs(z[2 * i + 1]) < imaginaerSchwelle)
            reell.push_back(z[2 * i]);
    std::sort(reell.begin(), reell.end());
    return reell;
}

std::vector<double> eigen(Hauptfenster&, const std::vector<double>& a) {
    Eigen::PolynomialSolver<double, Eigen::Dynamic> loeser;
    loeser.compute(
        Eigen::Map<const Eigen::VectorXd>(a.data(), static_cast<Eigen::Index>(a.size())));
    std::vector<double> reell;
    loeser.realRoots(reell, imaginaerSchwelle);
    std::sort(reell.begin(), reell.end());
    return reell;
}

const Loeser loeser[] = {
    {"Riverev", riverev}, {"gsl_poly_complex_solve", gsl}, {"Eigen PolynomialSolver", eigen}};

struct Bilanz {
    int gefunden = 0, verfehlt = 0, falsch = 0;
    double fehler = 0;
};

// A known root counts as found when a reported root lies within
// 1e-7 max(1, |r|); a reported root near no known root is spurious.
Bilanz bilanz(const std::vector<double>& bekannt, const std::vector<double>& berichtet) {
    const auto nahe = [](double a, double r) {
        return std::abs(a - r) <= 1e-7 * std::max(1.0, std::abs(r));
    };
    Bilanz b;
    for (double r : bekannt) {
        double best = INFINITY;
        for (double a : berichtet)
            if (nahe(a, r))
                best = std::min(best, std::abs(a - r));
        if (std::isfinite(best)) {
            ++b.gefunden;
            b.fehler = std::max(b.fehler, best);
        } else {
            ++b.verfehlt;
        }
    }
    for (double a : berichtet)
        if (std::none_of(bekannt.begin(), bekannt.end(), [&](double r) { return nahe(a, r); }))
            ++b.falsch;
    return b;
}

class Sammler : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& laeufe) override {
        // With repetitions, the median stands for the benchmark.
        for (const Run& l : laeufe)
            if (l.run_type == Run::RT_Iteration || l.aggregate_name == "median")
                zeiten[l.run_name.str()] = l.GetAdjustedRealTime();
    }
    std::map<std::string, double> zeiten;
};

// Instructions per solve, counted by callgrind over many solves after one
// that warms the caches up; each dump lands in PREFIX.1, PREFIX.2, ...
class Zaehler {
public:
    explicit Zaehler(std::string praefix)
        : praefix(std::move(praefix)) {}
    template <class Loesen> double anweisungen(Loesen loesen, int wiederholungen = 100) {
        loesen();
        CALLGRIND_TOGGLE_COLLECT;
        for (int i = 0; i < wiederholungen; ++i)
            loesen();
        CALLGRIND_TOGGLE_COLLECT;
        CALLGRIND_DUMP_STATS;
        std::ifstream datei(praefix + "." + std::to_string(++dumps));
        std::string zeile;
        while (std::getline(datei, zeile))
            if (zeile.starts_with("totals: "))
                return std::stod(zeile.substr(8)) / wiederholungen;
        return NAN;
    }

private:
    std::string praefix;
    int dumps = 0;
};

// The search against its floor on two named equations, and its cost on
// seeded random equations: the mean over two families that differ only in
// the size of their coefficients, and the largest over every family.
void kostenTabelle(Zaehler& zaehler, int anzahl) {
    Hauptfenster w;
    const auto suche = [&] { benchmark::DoNotOptimize(riverev(w, {})); };
    std::printf("\n| equation | instructions per search | floor | ratio |\n");
    std::printf("| --- | ---: | ---: | ---: |\n");
    for (const auto& [name, texte] : {std::pair{"Wilkinson (x - 1)...(x - 10)", wilkinson()},
                                      std::pair{"Chebyshev T10", tschebyschow()}}) {
        einlesen(w, texte);
        const double kosten = zaehler.anweisungen(suche);
        const double boden = zaehler.anweisungen([&] { benchmark::DoNotOptimize(untergrenze(w)); });
        std::printf("| %s | %.0f | %.0f | %.2f |\n", name, kosten, boden, kosten / boden);
    }

    std::printf("\n| equations | count | mean instructions | largest |\n");
    std::printf("| --- | ---: | ---: | ---: |\n");
    const auto reihe = [&](const char* name, auto ziehen, int anzahl) {
        std::mt19937_64 zufall(20261209);
        double summe = 0, groesste = 0;
        QString schlimmste;
        for (int i = 0; i < anzahl; ++i) {
            const QStringList texte = ziehen(zufall);
            einlesen(w, texte);
            const double kosten = zaehler.anweisungen(suche, 1);
            summe += kosten;
            if (kosten > groesste) {
                groesste = kosten;
                schlimmste = texte.join(u" | "_s);
            }
        }
        std::printf("| %s | %d | %.0f | %.0f |\n", name, anzahl, summe / anzahl, groesste);
        return schlimmste;
    };
    reihe("random, two digits, coefficients of size 1", familien::betragEins, anzahl / 10);
    reihe("the same, stretched to coefficients of 1e-300 to 1e300", familien::bis1e300,
          anzahl / 10);
    std::size_t naechste = 0;
    const Hauptfenster::Stufen vorher = w.stufen();
    const QString schlimmste = reihe(
        "every family of the property test, in turn",
        [&](std::mt19937_64& z) {
            return familien::alle[naechste++ % std::size(familien::alle)].ziehen(z);
        },
        anzahl);
    std::printf("\nThe largest: %s\n", qPrintable(schlimmste));
    // Over those families: which stage of the ladder decided the signs the
    // search asked of it (the halving's own filter in doubles aside).
    const Hauptfenster::Stufen nachher = w.stufen();
    std::printf("\n| stage | signs decided on the families |\n| --- | ---: |\n");
    std::printf("| doubles with their bound | %ld |\n", nachher.doubles - vorher.doubles);
    std::printf("| twice the digits | %ld |\n", nachher.fein - vorher.fein);
    std::printf("| exact integers | %ld |\n", nachher.exakt - vorher.exakt);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const std::vector<Gleichung> alle = gleichungen();
    std::vector<std::unique_ptr<Hauptfenster>> fenster;
    std::vector<std::vector<double>> koeffizienten;
    for (const Gleichung& g : alle) {
        fenster.push_back(std::make_unique<Hauptfenster>());
        koeffizienten.push_back(gelesen(*fenster.back(), g.koeffizienten));
    }
    // What each solver reports and what each solve costs, by name.
    std::map<std::string, double> kosten;
    const std::string praefix = argc > 1 && std::string_view(argv[1]).starts_with("--anweisungen=")
                                    ? std::string(argv[1]).substr(14)
                                    : std::string();
    // --zufall=N: how many random equations the second table draws.
    int anzahl = 30000;
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).starts_with("--zufall="))
            anzahl = std::stoi(std::string(argv[i]).substr(9));
    Zaehler zaehler(praefix);
    if (!praefix.empty()) {
        if (!RUNNING_ON_VALGRIND) {
            std::fprintf(stderr, "--anweisungen counts only under callgrind\n");
            return 2;
        }
        for (std::size_t i = 0; i < alle.size(); ++i)
            for (const Loeser& l : loeser)
                kosten[alle[i].name + " | " + l.name] = zaehler.anweisungen(
                    [&] { benchmark::DoNotOptimize(l.loesen(*fenster[i], koeffizienten[i])); });
    } else {
        for (std::size_t i = 0; i < alle.size(); ++i)
            for (const Loeser& l : loeser)
                benchmark::RegisterBenchmark((alle[i].name + " | " + l.name).c_str(),
                                             [&, i](benchmark::State& state) {
                                                 for (auto _ : state)
                                                     benchmark::DoNotOptimize(
                                                         l.loesen(*fenster[i], koeffizienten[i]));
                                             })
                    ->Unit(benchmark::kMicrosecond);
        Sammler sammler;
        benchmark::RunSpecifiedBenchmarks(&sammler);
        kosten = sammler.zeiten;
    }
    benchmark::Shutdown();

    std::printf("| equation | solver | %s | found | missed | spurious | largest error |\n",
                praefix.empty() ? "µs per solve" : "instructions per solve");
    std::printf("| --- | --- | ---: | ---: | ---: | ---: | ---: |\n");
    for (std::size_t i = 0; i < alle.size(); ++i)
        for (const Loeser& l : loeser) {
            const Bilanz b = bilanz(alle[i].wurzeln, l.loesen(*fenster[i], koeffizienten[i]));
            const double k = kosten[alle[i].name + " | " + l.name];
            std::printf("| %s | %s | %.*f | %d | %d | %d | %.1e |\n", alle[i].name.c_str(),
                        l.name.c_str(), praefix.empty() ? 2 : 0, k, b.gefunden, b.verfehlt,
                        b.falsch, b.fehler);
        }
    if (!praefix.empty())
        kostenTabelle(zaehler, anzahl);
    return 0;
}
