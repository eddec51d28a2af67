// The window's work as a user feels it: one scroll-bar step recomputed end to
// end, building the window, and checking its catalogue. Runs offscreen.

#include "catalogue.h"
#include "mainwindow.h"

#include <QFile>

#include <QApplication>
#include <QScrollBar>
#include <QTranslator>

#include <benchmark/benchmark.h>

namespace {

// One arrow step of the transponder slider: the label, the intermediate
// frequency and both command fields are rewritten.
void BM_ScrollBarStep(benchmark::State &state)
{
    MainWindow window;
    window.show();
    QApplication::processEvents();
    auto *slider = window.findChild<QScrollBar *>(QStringLiteral("scrollBarSHF"));
    bool up = true;
    for (auto _ : state) {
        slider->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd
                                 : QAbstractSlider::SliderSingleStepSub);
        up = !up;
    }
}
BENCHMARK(BM_ScrollBarStep)->Unit(benchmark::kMicrosecond);

// Form, texts and the reset that computes the first commands.
void BM_ConstructMainWindow(benchmark::State &state)
{
    for (auto _ : state) {
        MainWindow window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_ConstructMainWindow)->Unit(benchmark::kMicrosecond);

// The structure check that start-up runs on the catalogue before loading it.
void BM_CheckCatalogue(benchmark::State &state)
{
    QFile file(QStringLiteral(VANTIR_QM_PATH));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the built catalogue is missing");
        return;
    }
    const QByteArray catalogue = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(isSoundCatalogue(catalogue));
}
BENCHMARK(BM_CheckCatalogue)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
