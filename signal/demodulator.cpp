#include "demodulator.h"

#include "burstdetector.h"
#include "messageassembler.h"
#include "noisefloor.h"
#include "slotreader.h"
#include "toneenvelope.h"
#include "tonefilter.h"

#include <algorithm>
#include <complex>

namespace linesignal {
namespace {

// Samples a power stands for: at low rates, one.
std::size_t powerStep(double sampleRate)
{
    return std::max<std::size_t>(1, std::size_t(kPowerResolution * sampleRate));
}

} // namespace

// The chain of blocks and the clock they share: per sample the tone filter;
// every few microseconds a power kept in the trace, the noise floor, and
// the edges of bursts, which the assembler gathers into messages.
struct Demodulator::State
{
    State(double sampleRate, double clipAt)
        : rate(sampleRate), clip(clipAt),
          trace(powerStep(sampleRate),
                std::size_t(kTraceTime * sampleRate / double(powerStep(sampleRate))) + 2),
          filter(sampleRate), envelope(sampleRate), floor(kPowerResolution),
          detector(trace, sampleRate, envelope.delay()), mix(trace.step, sampleRate),
          assembler(trace, sampleRate, &mix)
    {
    }

    void feed(const float *samples, std::size_t count);
    void feedReadable(const float *samples, std::size_t count);
    void feedUnreadable();
    void keepPower(const double *channelPowers);
    void keepLongTone();
    void endLongTone(double at);
    void keepQuiet();
    void endBurst(std::optional<double> cutAt);
    void startBadSpan();
    void endBadSpan();

    const double rate, clip;
    PowerTrace trace;
    ToneFilter filter;
    ToneEnvelope envelope;
    NoiseFloor floor;
    BurstDetector detector;
    MixTrace mix;
    MessageAssembler assembler;

    std::uint64_t n = 0; // the next sample's index
    double stepSum = 0;  // of the raw samples since the last power kept
    std::size_t inStep = 0;
    double power = 0;
    double lastSum = 0; // of the samples of the last power kept, for the supply
    bool inBad = false;
    std::uint64_t badFrom = 0;
    std::uint64_t heldFor = 0; // powers kept since the floor was last fed
    // A tone longer than any burst, from where it began, at its peak power.
    bool inLongTone = false;
    double longToneFrom = 0;
    double longToneLevel = 0;
    const std::uint64_t heldAtMost = std::uint64_t(kLongestMessage * rate / double(trace.step));

    // What the per-sample blocks made of the run being read, each block
    // over the whole run in its own tight loop.
    std::vector<double> filtered, channelPowers;
    std::vector<std::complex<double>> turned;
    std::vector<std::pair<std::size_t, double>> crossings;
};

namespace {

// Runs are read this many samples at a time: the blocks' outputs stay in
// the cache, and their memory the same for any length.
constexpr std::size_t kRunLength = 2048;

} // namespace

void Demodulator::State::feed(const float *samples, std::size_t count)
{
    const auto readable = [this](float sample) {
        return std::isfinite(sample) && std::abs(sample) < clip;
    };
    while (count > 0) {
        std::size_t run = 0;
        while (run < count && run < kRunLength && readable(samples[run]))
            ++run;
        if (run > 0) {
            feedReadable(samples, run);
        } else {
            run = 1;
            feedUnreadable();
        }
        samples += run;
        count -= run;
    }
}

void Demodulator::State::feedReadable(const float *samples, std::size_t count)
{
    if (inBad)
        endBadSpan();
    filtered.resize(count);
    channelPowers.resize(count * ToneEnvelope::kChannels);
    turned.resize(count);
    crossings.clear();
    filter.push(samples, count, filtered.data(), crossings);
    envelope.push(filtered.data(), count, channelPowers.data());
    mix.push(filtered.data(), count, turned.data());
    // Then, sample by sample, what the clock of the powers does with them.
    auto crossing = crossings.begin();
    for (std::size_t i = 0; i < count; ++i) {
        if (crossing != crossings.end() && crossing->first == i) {
            detector.crossing(double(n) - 1 + crossing->second);
            ++crossing;
        }
        mix.add(turned[i]);
        // The supply without the tone's own mean.
        stepSum += samples[i] - filtered[i];
        if (++inStep == trace.step)
            keepPower(&channelPowers[i * ToneEnvelope::kChannels]);
        ++n;
    }
}

void Demodulator::State::feedUnreadable()
{
    if (!inBad)
        startBadSpan();
    // The span keeps every clock in step: its powers are kept as silence,
    // so that what follows is timed as if it had been quiet.
    if (++inStep == trace.step)
        keepQuiet();
    ++n;
}

void Demodulator::State::keepQuiet()
{
    // No tone, and the supply as it was before the span.
    trace.store(0.0f, lastSum / double(trace.step) * double(trace.step));
    mix.quiet(trace.kept);
    stepSum = 0;
    inStep = 0;
    trace.advance();
}

void Demodulator::State::keepPower(const double *powers)
{
    assembler.goodUntil(double(n));
    // Once a sample at most rates: measured once.
    const double strongest = envelope.strongest(powers);
    power = envelope.power(powers, strongest);
    trace.store(float(power), stepSum);
    mix.keep(trace.kept);
    // Divided only where a span needs it: every sample, the division cost
    // more than the rest of this.
    lastSum = stepSum;
    stepSum = 0;
    inStep = 0;
    if (inLongTone) {
        keepLongTone();
        return;
    }
    // The floor is the strongest channel's, locked or not, so that it does
    // not sink while a message holds one channel. A message's gaps are too
    // short for the window's power to settle to the noise: inside one the
    // floor stays the one from before it, for as long as a message lasts.
    if (assembler.inMessage() || detector.inBurst()) {
        // Before it has seen a whole while of noise, a message's quiet
        // moments still teach it; its tone must not.
        if (!floor.settled()) {
            if (strongest < BurstDetector::threshold(floor.level(), 0))
                floor.push(strongest);
        } else if (++heldFor > heldAtMost) {
            floor.push(strongest);
        }
    } else {
        heldFor = 0;
        floor.push(strongest);
    }

    if (detector.inBurst()) {
        envelope.gather(powers);
        if (!detector.goesOn(power)) {
            trace.advance();
            const double from = double(detector.from() * trace.step);
            endBurst(std::nullopt);
            envelope.lock();
            if (detector.cutForLength()) {
                // The tone goes on: the burst just ended is its start.
                inLongTone = true;
                longToneFrom = assembler.lastBegin().value_or(from);
                longToneLevel = detector.peakPower();
            }
            return;
        }
    } else if (!detector.begins(power,
                                BurstDetector::threshold(floor.level(), assembler.lastLevel()))) {
        detector.quiet(power);
        const std::optional<double> lastEnd = assembler.lastEnd();
        if (lastEnd && double(n) - *lastEnd > kMessageSilence * rate)
            assembler.end(false);
        if (!assembler.inMessage())
            envelope.unlock();
        detector.dropCrossings(assembler.lastEnd());
    }
    trace.advance();
}

void Demodulator::State::keepLongTone()
{
    // Neither the floor nor a burst learns from it: it ends where its power
    // falls as a burst's does.
    if (power < BurstDetector::kEnd * longToneLevel) {
        endLongTone(std::max(longToneFrom, double(n) - envelope.delay()));
        detector.quiet(power);
    }
    trace.advance();
}

void Demodulator::State::endLongTone(double at)
{
    inLongTone = false;
    assembler.longTone(longToneFrom, at, longToneLevel);
}

void Demodulator::State::endBurst(std::optional<double> cutAt)
{
    if (const auto burst = detector.end(power, floor.level(), assembler.firstLevel(), cutAt))
        assembler.push(*burst);
}

void Demodulator::State::startBadSpan()
{
    if (inLongTone)
        endLongTone(double(n));
    if (detector.inBurst())
        endBurst(double(n));
    // A message ends on its own bits: once its next slot should have begun,
    // what comes after cannot cut it short.
    if (const std::optional<double> lastBegin = assembler.lastBegin())
        assembler.end(false, double(n) - *lastBegin <= kBitPeriod * (1 + kTimingTolerance) * rate);
    inBad = true;
    badFrom = n;
}

void Demodulator::State::endBadSpan()
{
    inBad = false;
    assembler.damagedSpan(double(badFrom), double(n));
    // The filters start afresh after the span; the powers before it stay
    // behind it.
    filter.reset();
    envelope.reset();
    floor.reset();
    detector.reset();
}

namespace {

// Far above the tone, recordings are first taken down to about this rate,
// the tone keeping 77 % of its amplitude or more and the noise beside it
// as much, so that the chain does a fraction of the work. Below
// kDecimateFrom they are read as they are.
constexpr double kWorkingRate = 96000;   // Hz
constexpr double kDecimateFrom = 240000; // Hz

std::size_t decimation(double sampleRate)
{
    return sampleRate < kDecimateFrom ? 1 : std::size_t(sampleRate / kWorkingRate);
}

} // namespace

Demodulator::Demodulator(double sampleRate, double clipAt)
    : state(sampleRate >= kMinSampleRate && sampleRate <= kMaxSampleRate
                ? std::make_unique<State>(sampleRate / double(decimation(sampleRate)), clipAt)
                : nullptr),
      decimator(decimation(sampleRate), clipAt)
{
}

Demodulator::~Demodulator() = default;

template <typename Sample> void Demodulator::through(const Sample *samples, std::size_t count)
{
    if (!state)
        return;
    decimated.clear();
    decimator.push(samples, count, decimated);
    state->feed(decimated.data(), decimated.size());
}

void Demodulator::push(const float *samples, std::size_t count)
{
    through(samples, count);
}

void Demodulator::push(const std::int16_t *samples, std::size_t count)
{
    through(samples, count);
}

void Demodulator::flush()
{
    if (!state)
        return;
    State &s = *state;
    if (s.inBad)
        s.endBadSpan();
    if (s.inLongTone)
        s.endLongTone(double(s.n));
    s.assembler.closeSpan();
    if (s.detector.inBurst())
        s.endBurst(double(s.n));
    if (const std::optional<double> lastEnd = s.assembler.lastEnd()) {
        // A message this close to the end may go on beyond it.
        s.assembler.end(double(s.n) - *lastEnd <= kLongestGap * s.rate);
    }
}

std::vector<Message> Demodulator::take()
{
    if (!state)
        return {};
    std::vector<Message> messages = state->assembler.take();
    // The tone as the line carried it, before the decimator and the filter.
    const double inputRate = state->rate * double(decimator.factor());
    for (Message &m : messages) {
        // A tone without bits is measured by the envelope alone.
        const double gain =
            decimator.gain(m.toneFrequency, inputRate) * state->filter.gain(m.toneFrequency) *
            (m.kind == Message::Kind::Tone ? state->envelope.gain(m.toneFrequency) : 1.0);
        if (gain > 0)
            m.tonePeakToPeak /= gain;
    }
    return messages;
}

std::vector<Message> readMessages(const std::vector<float> &samples, double sampleRate)
{
    if (samples.size() < 2)
        return {};
    Demodulator demodulator(sampleRate);
    demodulator.push(samples.data(), samples.size());
    demodulator.flush();
    return demodulator.take();
}

} // namespace linesignal
