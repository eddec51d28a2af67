// Reading captures: the demodulator over ten seconds at 1 MHz, and reading
// the messages in ten seconds at 1 MHz from a 16-bit WAV and from a CSV file,
// end to end, reported in samples a second. A recording of any length goes
// through in the same few MB (see the README for the command that shows it).

#include "capturefile.h"
#include "linesignal.h"

#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>

#include <benchmark/benchmark.h>

namespace {

constexpr double kRate = 1e6;

// Ten seconds at 1 MHz, a command every 120 ms or so.
const std::vector<float> &tenSeconds()
{
    static const std::vector<float> samples = [] {
        const auto one = linesignal::sampleLine(
            linesignal::lineSignal({{0xE0, 0x10, 0x5C, 0x0C, 0xF6, 0x2A}}), kRate, true);
        std::vector<float> all;
        while (all.size() + one.size() <= std::size_t(10 * kRate))
            all.insert(all.end(), one.begin(), one.end());
        all.resize(std::size_t(10 * kRate), 13.0f);
        return all;
    }();
    return samples;
}

void BM_Demodulate10sAt1MHz(benchmark::State &state)
{
    const std::vector<float> &samples = tenSeconds();
    for (auto _ : state)
        benchmark::DoNotOptimize(linesignal::readMessages(samples, kRate));
    state.SetItemsProcessed(state.iterations() * std::int64_t(samples.size()));
}
BENCHMARK(BM_Demodulate10sAt1MHz)->Unit(benchmark::kMillisecond);

// Exact silence, and a constant level as a DC-coupled probe on a quiet
// cable gives: no slower than the noisy capture above (filters that decay
// into subnormal numbers would be ten times slower).
void BM_DemodulateSilence(benchmark::State &state)
{
    const std::vector<float> samples(std::size_t(10 * kRate), float(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(linesignal::readMessages(samples, kRate));
    state.SetItemsProcessed(state.iterations() * std::int64_t(samples.size()));
}
BENCHMARK(BM_DemodulateSilence)->Arg(0)->Arg(13)->Unit(benchmark::kMillisecond);

// What reading a 16-bit WAV cannot beat: the file read in blocks and the
// squares of its samples summed, in plain C. Seconds, the best of three.
double floorSeconds(const std::string &path)
{
    double best = INFINITY;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        std::FILE *file = std::fopen(path.c_str(), "rb");
        std::vector<std::int16_t> block(1 << 16);
        double sum = 0;
        std::fseek(file, 44, SEEK_SET);
        for (std::size_t got; (got = std::fread(block.data(), 2, block.size(), file)) > 0;)
            for (std::size_t i = 0; i < got; ++i)
                sum += double(block[i]) * block[i];
        std::fclose(file);
        benchmark::DoNotOptimize(sum);
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

void readFile(benchmark::State &state, const char *name)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(name));
    // Ten seconds, scaled into a sound file's range.
    std::vector<float> samples = tenSeconds();
    const bool wav = path.endsWith(QLatin1String(".wav"));
    if (wav) {
        for (float &v : samples)
            v /= 20;
    }
    const std::string bytes = wav ? wavFile(samples, kRate) : csvFile(samples, kRate);
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    double best = INFINITY;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(readCaptureMessages(path.toStdString(), 1, 0));
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(samples.size()));
    // For the WAV, how many times the floor's time the reading takes.
    if (wav)
        state.counters["timesFloor"] = best / floorSeconds(path.toStdString());
}

void BM_ReadWav(benchmark::State &state)
{
    readFile(state, "capture.wav");
}
BENCHMARK(BM_ReadWav)->Unit(benchmark::kMillisecond);

void BM_ReadCsv(benchmark::State &state)
{
    readFile(state, "capture.csv");
}
BENCHMARK(BM_ReadCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
