// This program's root search next to GSL's and Eigen's polynomial solvers on
// the same double coefficients: time per solve, and real roots found, missed
// and spurious against the known roots. Prints a Markdown table. With
// --anweisungen=PREFIX, run under callgrind with --callgrind-out-file=PREFIX
// (scripts/vergleich --anweisungen does both), it gives instructions per
// solve instead of times: those are the same on every run.

#include "Faktoren.h"
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
    template <class Loesen> double anweisungen(Loesen loesen) {
        constexpr int wiederholungen = 100;
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
    if (!praefix.empty()) {
        if (!RUNNING_ON_VALGRIND) {
            std::fprintf(stderr, "--anweisungen counts only under callgrind\n");
            return 2;
        }
        Zaehler zaehler(praefix);
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
    return 0;
}
