// Reading captures: the demodulator over ten seconds at 1 MHz; reading the
// messages in ten seconds at 1 MHz from a 16-bit WAV and from a CSV file,
// end to end, reported in samples a second; and five minutes of the WAV
// against a plain reader of the same file. A recording of any length goes
// through in the same few MB (see the README for the command that shows it).

#include "capturefile.h"
#include "linesignal.h"
#include "signalfile.h"

#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <ctime>
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

// What reading a 16-bit WAV cannot beat: a plain C reader that reads the
// file in blocks and sums the squares of its samples in a 64-bit integer.
// Its CPU seconds, the best of three.
double floorSeconds(const std::string &path)
{
    double best = INFINITY;
    for (int run = 0; run < 3; ++run) {
        const std::clock_t start = std::clock();
        std::FILE *file = std::fopen(path.c_str(), "rb");
        static std::int16_t block[1 << 16];
        std::int64_t sum = 0;
        std::fseek(file, 44, SEEK_SET);
        for (std::size_t got; (got = std::fread(block, 2, 1 << 16, file)) > 0;)
            for (std::size_t i = 0; i < got; ++i)
                sum += std::int64_t(block[i]) * block[i];
        std::fclose(file);
        benchmark::DoNotOptimize(sum);
        best = std::min(best, double(std::clock() - start) / CLOCKS_PER_SEC);
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
    for (auto _ : state)
        benchmark::DoNotOptimize(readCaptureMessages(path.toStdString(), 1, 0));
    state.SetItemsProcessed(state.iterations() * std::int64_t(samples.size()));
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

// Five minutes at 1 MHz as a 16-bit WAV (600 MB, the ten seconds over and
// over), read whole, against the floor: CPU seconds of each, the page cache
// warm, and how many times the floor's the reading takes.
void BM_Read300sWavAgainstTheFloor(benchmark::State &state)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("long.wav")).toStdString();
    {
        std::vector<float> samples = tenSeconds();
        for (float &v : samples)
            v /= 20;
        const std::string ten = wavFile(samples, kRate);
        const std::string data = ten.substr(44);
        const auto put = [](std::string &to, std::size_t at, std::uint32_t value) {
            for (int i = 0; i < 4; ++i)
                to[at + std::size_t(i)] = char(value >> (8 * i) & 0xFF);
        };
        std::string header = ten.substr(0, 44);
        put(header, 4, std::uint32_t(36 + 30 * data.size()));
        put(header, 40, std::uint32_t(30 * data.size()));
        std::ofstream out(path, std::ios::binary);
        out << header;
        for (int i = 0; i < 30; ++i)
            out << data;
    }
    const double floor = floorSeconds(path);
    double best = INFINITY;
    std::size_t messages = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        messages = readCaptureMessages(path, 1, 0).messages.size();
        best = std::min(best, double(std::clock() - start) / CLOCKS_PER_SEC);
    }
    state.counters["floorCpu"] = floor;
    state.counters["readCpu"] = best;
    state.counters["timesFloor"] = best / floor;
    state.counters["messages"] = double(messages);
}
BENCHMARK(BM_Read300sWavAgainstTheFloor)->Iterations(1)->Repetitions(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
