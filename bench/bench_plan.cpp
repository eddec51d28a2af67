// A large installation: 32 userbands, 32 receivers and 100 transponders,
// checked and tabled, and its sheet written as PDF.

#include "files.h"
#include "plan.h"
#include "planfile.h"
#include "sheet.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray largePlan()
{
    QJsonArray userbands, receivers, transponders;
    for (int n = 1; n <= 32; ++n) {
        userbands.append(950 + 36 * n);
        receivers.append(QJsonObject{
            {"name", QStringLiteral("Receiver %1").arg(n)}, {"userband", n}, {"pin", n}});
    }
    for (int t = 0; t < 100; ++t)
        transponders.append(QStringLiteral("%1 %2%3")
                                .arg(QChar('A' + t % 4))
                                .arg(10700 + 20 * t)
                                .arg(t % 2 ? 'V' : 'H'));
    const QJsonObject plan{
        {"installation", "Benchmark"},
        {"unit",
         QJsonObject{{"standard", "EN 50607"}, {"userbands", userbands}, {"bandwidth", 30}}},
        {"receivers", receivers},
        {"transponders", transponders}};
    return QJsonDocument(plan).toJson();
}

void BM_CheckAndTable(benchmark::State &state)
{
    const QByteArray json = largePlan();
    for (auto _ : state) {
        const Plan plan = readPlan(json);
        benchmark::DoNotOptimize(checkPlan(plan));
        benchmark::DoNotOptimize(planTable(plan));
    }
}
BENCHMARK(BM_CheckAndTable)->Unit(benchmark::kMillisecond);

void BM_PdfSheet(benchmark::State &state)
{
    const Plan plan = readPlan(largePlan());
    const auto findings = checkPlan(plan);
    const auto rows = planTable(plan);
    QTemporaryDir folder;
    const FilePath path = filePath(folder.filePath(QStringLiteral("sheet.pdf")));
    for (auto _ : state) {
        const SheetFile file =
            sheetFile(InstallationSheet(plan, findings, rows, false), "pdf", plan.installation);
        if (saveFile(path, file.bytes))
            state.SkipWithError("the sheet could not be written");
    }
}
BENCHMARK(BM_PdfSheet)->Unit(benchmark::kMillisecond);

// A receiver named with one letter and 300,000 combining marks: the sheet's
// texts are cut before they are shaped, so it costs what a short name does.
void BM_PdfSheetOfAHugeName(benchmark::State &state)
{
    Plan plan;
    plan.standard = Standard::En50607;
    plan.userbands = {1210};
    Plan::Receiver receiver;
    receiver.name = QStringLiteral("a") + QString(300000, QChar(0x0301));
    receiver.userband = 1;
    receiver.standard = plan.standard;
    plan.receivers << receiver;
    const auto findings = checkPlan(plan);
    const auto rows = planTable(plan);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            sheetFile(InstallationSheet(plan, findings, rows, false), "pdf", plan.installation));
}
BENCHMARK(BM_PdfSheetOfAHugeName)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
