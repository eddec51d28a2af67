// The window's work as a user feels it: one scroll-bar step recomputed end to
// end, and building the window. Runs offscreen.

#include "mainwindow.h"

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
