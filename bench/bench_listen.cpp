// Listening at 192 kHz: what the listener costs per second heard, with the
// blocks of 10 ms a sound server hands over, apart from the server itself.
// `shareOfACore` is the processor time a second of listening takes; the
// README gives the whole program's, server traffic included.

#include "generator.h"
#include "listener.h"

#include <random>

#include <benchmark/benchmark.h>

namespace {

constexpr double kRate = 192000;
constexpr std::size_t kBlock = 1920;

// Ten seconds of the cable: a command every 120 ms or so, in faint noise.
class Replay : public live::LiveSource
{
public:
    Replay()
    {
        rate = kRate;
        device = "replay";
        static const std::vector<float> ten = [] {
            const auto one = linesignal::sampleLine(
                linesignal::lineSignal({{0xE0, 0x10, 0x5C, 0x0C, 0xF6, 0x2A}}), kRate, false);
            std::vector<float> all;
            std::mt19937 random(7);
            std::normal_distribution<float> noise(0, 0.01f);
            while (all.size() < std::size_t(10 * kRate))
                all.insert(all.end(), one.begin(), one.end());
            for (float &v : all)
                v += noise(random);
            return all;
        }();
        samples = &ten;
    }
    bool read(std::vector<float> &block) override
    {
        if (at + kBlock > samples->size())
            return false;
        block.assign(samples->begin() + long(at), samples->begin() + long(at + kBlock));
        at += kBlock;
        return true;
    }
    void stop() override {}

private:
    const std::vector<float> *samples;
    std::size_t at = 0;
};

void BM_Listen10sAt192kHz(benchmark::State &state)
{
    std::size_t messages = 0;
    for (auto _ : state) {
        live::Listener listener(std::make_unique<Replay>(), {}, false);
        while (listener.listen())
            messages += listener.take().size();
        listener.finish();
        messages += listener.take().size();
    }
    benchmark::DoNotOptimize(messages);
    // Seconds heard a second of processor time, inverted by the counter.
    state.counters["shareOfACore"] =
        benchmark::Counter(10.0 * double(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Listen10sAt192kHz)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
