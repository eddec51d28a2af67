// The encoders as the window calls them: one frame and its hex text per call.

#include "commandencoding.h"
#include "hextext.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void BM_En50494Command(benchmark::State &state)
{
    int ifFrequency = 950;
    for (auto _ : state) {
        std::string text;
        benchmark::DoNotOptimize(encodeEn50494Command(text, 0, 0, 1, ifFrequency, 1284, 3, -1));
        benchmark::DoNotOptimize(text);
        ifFrequency = ifFrequency == 2150 ? 950 : ifFrequency + 1;
    }
}
BENCHMARK(BM_En50494Command);

void BM_En50607Command(benchmark::State &state)
{
    int ifFrequency = 950;
    for (auto _ : state) {
        std::string text;
        benchmark::DoNotOptimize(encodeEn50607Command(text, 1, 0, 3, ifFrequency, 1284, 31, 200));
        benchmark::DoNotOptimize(text);
        ifFrequency = ifFrequency == 2150 ? 950 : ifFrequency + 1;
    }
}
BENCHMARK(BM_En50607Command);

void BM_DecodeCommandText(benchmark::State &state)
{
    const std::string text = "E0 10 5C 0C F6 2A ";
    for (auto _ : state) {
        const HexBytes hex = parseHexText(text);
        benchmark::DoNotOptimize(hex.ok() && decode(hex.bytes).ok());
    }
}
BENCHMARK(BM_DecodeCommandText);

} // namespace

BENCHMARK_MAIN();
