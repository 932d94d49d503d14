// The whole computation behind the two buttons, and the root search alone.

#include "Faktoren.h"
#include "Pruefhilfe.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList grad2 = {u"-6"_s, u"1"_s, u"1"_s};
// (x + 2)(x - 0.5)(x - 3)(x^2 + x + 1): three real roots and a complex pair
const QStringList grad5 = {u"3"_s, u"-2.5"_s, u"-4"_s, u"-6"_s, u"-0.5"_s, u"1"_s};
const QStringList grad10 = wilkinson();

void ganzeRechnung(benchmark::State& state, const QStringList& koeffizienten) {
    Hauptfenster w;
    for (auto _ : state) {
        state.PauseTiming();
        eingeben(w, koeffizienten);
        state.ResumeTiming();
        w.BerechneB1_Action();
        w.EinleseB_Action();
    }
}

// Counts what the output field paints.
class Maler : public QObject {
public:
    int bilder = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        bilder += e->type() == QEvent::Paint;
        return false;
    }
};

// From the click on "Loesungen Berechnen" to the report painted in AusgabeF,
// as the user waits for it.
void klickBisBericht(benchmark::State& state) {
    Hauptfenster w;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    eingeben(w, grad10);
    w.BerechneB1_Action();
    Maler maler;
    w.AusgabeF->viewport()->installEventFilter(&maler);
    for (auto _ : state) {
        const int vorher = maler.bilder;
        QTest::mouseClick(w.EinleseB, Qt::LeftButton);
        while (maler.bilder == vorher)
            QCoreApplication::processEvents();
    }
}

// Reading in one field of the given length, of digits and blanks, with an
// exponent at its end when the second argument is 1: should grow linearly.
void langesFeld(benchmark::State& state) {
    Hauptfenster w;
    QString text = u"0."_s;
    while (text.size() < state.range(0))
        text += u"3 "_s;
    if (state.range(1) == 1)
        text += u"e5"_s;
    for (auto _ : state) {
        state.PauseTiming();
        eingeben(w, {u"1"_s, text});
        state.ResumeTiming();
        w.BerechneB1_Action();
    }
    state.SetComplexityN(state.range(0));
}

// A pasted text of the given length set into a coefficient field of the
// shown window (second argument 1) and into a plain QLineEdit beside it
// (0): what the program adds to Qt's own cost.
void feldSetzen(benchmark::State& state) {
    Hauptfenster w;
    w.show();
    QLineEdit schlicht;
    // Qt's default would cut the text at 32767 characters.
    schlicht.setMaxLength(w.xF[3]->maxLength());
    schlicht.show();
    QLineEdit* ziel = state.range(1) == 1 ? w.xF[3] : &schlicht;
    QString text;
    while (text.size() < state.range(0))
        text += u"12,5 x - abc 0.0.1 "_s;
    for (auto _ : state) {
        state.PauseTiming();
        ziel->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (state.range(2) == 1) {
            QGuiApplication::clipboard()->setText(text);
            ziel->setFocus();
            QTest::keyClick(ziel, Qt::Key_V, Qt::ControlModifier);
        } else {
            ziel->setText(text);
        }
        QCoreApplication::processEvents();
    }
}

void nurSuche(benchmark::State& state) {
    Hauptfenster w;
    eingeben(w, grad10);
    w.BerechneB1_Action();
    w.Ableiten();
    for (auto _ : state) {
        w.NullstellenBerechnen();
        benchmark::DoNotOptimize(w.Nullstellen[0][10]);
    }
}

} // namespace

BENCHMARK_CAPTURE(ganzeRechnung, grad2, grad2);
BENCHMARK_CAPTURE(ganzeRechnung, grad5, grad5);
BENCHMARK_CAPTURE(ganzeRechnung, grad10, grad10);
BENCHMARK(nurSuche)->Name("nurSuche/grad10");
BENCHMARK(klickBisBericht)->Name("klickBisBericht/grad10");
BENCHMARK(feldSetzen)
    ->ArgsProduct({{100000, 1 << 20}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(langesFeld)
    ->ArgsProduct({{10 << 10, 100 << 10, 1 << 20}, {0, 1}})
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Benchmarks need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
