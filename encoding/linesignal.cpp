#include "linesignal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace linesignal {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kZeroTone = 1.0e-3; // s
constexpr double kOneTone = 0.5e-3;  // s
constexpr double kLeadIn = 5e-3;     // s at 13 V at either end of a signal

// Reading. The bus allows a fifth off the nominal timing.
constexpr double kTimingTolerance = 0.2;
constexpr double kEnvelopeWindow = 60e-6; // s: one tone period at the lowest frequency
constexpr double kLevelWindow = 0.3e-3;   // s: shorter than any burst
constexpr double kMessageSilence = 3e-3;  // s: a longer silence ends a message
constexpr double kGlitchGap = 0.1e-3;     // s: a shorter gap inside a burst is noise
constexpr double kShortestBurst = 0.2e-3; // s: a shorter burst is noise
constexpr double kEdgeMargin = 3e-3;      // s: a message this close to an end may be cut
constexpr double kSupplyWindow = 5e-3;    // s
constexpr double kFilterQuality = 1.5;    // passes 17.6..26.4 kHz at 0.6 or more
constexpr double kOneShareMax = 0.45, kZeroShareMin = 0.55; // tone share of a slot

// A second-order band-pass around the tone (peak gain 1): it takes away
// the supply, its steps and mains hum, and most of the noise.
class BandPass
{
public:
    BandPass(double centre, double sampleRate, double firstInput)
    {
        const double w = 2 * kPi * centre / sampleRate;
        const double alpha = std::sin(w) / (2 * kFilterQuality);
        const double a0 = 1 + alpha;
        b0 = alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
        // As if the first input had always been there: no ringing at the start.
        x1 = x2 = firstInput;
    }

    double operator()(double x)
    {
        const double y = b0 * (x - x2) - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

private:
    double b0, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

struct Burst
{
    std::size_t begin;
    std::size_t end;
};

std::string format(const char *pattern, double a, double b = 0, double c = 0, double d = 0)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
    return text;
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

double mean(const std::vector<float> &samples, std::size_t begin, std::size_t end)
{
    double sum = 0;
    for (std::size_t n = begin; n < end; ++n)
        sum += samples[n];
    return end > begin ? sum / double(end - begin) : 0;
}

// Bursts of tone where the envelope crosses half the tone's level, with
// hysteresis, glitches merged or dropped.
std::vector<Burst> findBursts(const std::vector<float> &envelope, double level, double rate)
{
    std::vector<Burst> bursts;
    bool inTone = false;
    for (std::size_t n = 0; n < envelope.size(); ++n) {
        if (!inTone && envelope[n] >= 0.5 * level) {
            inTone = true;
            bursts.push_back({n, envelope.size()});
        } else if (inTone && envelope[n] < 0.35 * level) {
            inTone = false;
            bursts.back().end = n;
        }
    }
    std::vector<Burst> kept;
    for (const Burst &burst : bursts) {
        if (!kept.empty() && double(burst.begin - kept.back().end) < kGlitchGap * rate)
            kept.back().end = burst.end;
        else
            kept.push_back(burst);
    }
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [rate](const Burst &b) {
                                  return double(b.end - b.begin) < kShortestBurst * rate;
                              }),
               kept.end());
    return kept;
}

void fail(Message &message, std::string error, int byte = -1, int bit = -1)
{
    if (!message.error.empty())
        return;
    message.error = std::move(error);
    message.errorByte = byte;
    message.errorBit = bit;
}

// Timing, bits, bytes and parity of the bursts of one message.
void readBits(Message &m, const std::vector<Burst> &bursts, double rate)
{
    const std::size_t count = bursts.size();
    std::vector<double> periods;
    for (std::size_t i = 0; i + 1 < count; ++i)
        periods.push_back(double(bursts[i + 1].begin - bursts[i].begin) / rate);
    m.bitPeriod = periods.empty() ? kBitPeriod : median(periods);
    for (const double period : periods)
        m.timingSpread = std::max(m.timingSpread, std::abs(period - m.bitPeriod) / m.bitPeriod);
    if (std::abs(m.bitPeriod / kBitPeriod - 1) > kTimingTolerance)
        fail(m, format("its bit period of %.2f ms is outside %.2f..%.2f ms", m.bitPeriod * 1e3,
                       kBitPeriod * (1 - kTimingTolerance) * 1e3,
                       kBitPeriod * (1 + kTimingTolerance) * 1e3));

    m.bitCount = int(count);
    int ones = 0;
    std::uint8_t byte = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int byteIndex = int(i / 9), bitIndex = int(i % 9);
        const double slot = i < periods.size() ? periods[i] : m.bitPeriod;
        const double share = double(bursts[i].end - bursts[i].begin) / rate / slot;
        if (std::abs(slot / m.bitPeriod - 1) > kTimingTolerance)
            fail(m,
                 format("byte %.0f, bit %.0f: its slot of %.2f ms is off the message's %.2f ms",
                        byteIndex + 1, bitIndex + 1, slot * 1e3, m.bitPeriod * 1e3),
                 byteIndex, bitIndex);
        else if (share > kOneShareMax && share < kZeroShareMin)
            fail(m,
                 format("byte %.0f, bit %.0f: %.0f %% of its slot is tone, neither a 0 nor a 1",
                        byteIndex + 1, bitIndex + 1, share * 100),
                 byteIndex, bitIndex);
        const bool value = share <= kOneShareMax;
        ones += value;
        if (bitIndex < 8) {
            byte = std::uint8_t(byte << 1 | value);
            continue;
        }
        m.bytes.push_back(byte);
        if (ones % 2 == 0)
            fail(m, format("byte %.0f: its parity bit does not hold", byteIndex + 1), byteIndex, 8);
        ones = 0;
        byte = 0;
    }
}

} // namespace

LineSignal lineSignal(const std::vector<std::vector<std::uint8_t>> &commands)
{
    LineSignal signal;
    signal.commands = commands;
    signal.stepUp = kLeadIn;
    double t = signal.stepUp + kQuietAfterStep;
    for (std::size_t c = 0; c < commands.size(); ++c) {
        if (c > 0)
            t += kMessageGap;
        for (std::size_t i = 0; i < commands[c].size(); ++i) {
            int ones = 0;
            for (int b = 8; b >= 0; --b) {
                // The ninth bit makes the number of ones odd.
                const bool value = b > 0 ? (commands[c][i] >> (b - 1)) & 1 : ones % 2 == 0;
                ones += value;
                signal.bits.push_back({value, b == 0, int(i), t, value ? kOneTone : kZeroTone});
                t += kBitPeriod;
            }
        }
    }
    signal.stepDown = t + kQuietAfterStep;
    signal.length = signal.stepDown + kLeadIn;
    return signal;
}

std::vector<float> sampleLine(const LineSignal &signal, double sampleRate, bool withSupply,
                              double toneFrequency)
{
    const auto count = std::size_t(std::ceil(signal.length * sampleRate));
    std::vector<float> samples(count, 0.0f);
    if (withSupply) {
        for (std::size_t n = 0; n < count; ++n) {
            const double t = double(n) / sampleRate;
            samples[n] =
                float(t >= signal.stepUp && t < signal.stepDown ? kHighSupply : kLowSupply);
        }
    }
    for (const Bit &bit : signal.bits) {
        const auto first = std::size_t(std::ceil(bit.start * sampleRate));
        const auto end =
            std::min(count, std::size_t(std::ceil((bit.start + bit.tone) * sampleRate)));
        for (std::size_t n = first; n < end; ++n)
            samples[n] += float(kToneAmplitude * std::sin(2 * kPi * toneFrequency *
                                                          (double(n) / sampleRate - bit.start)));
    }
    return samples;
}

std::vector<Message> readMessages(const std::vector<float> &samples, double rate)
{
    std::vector<Message> messages;
    if (samples.size() < 2 || !(rate >= kMinSampleRate && rate <= kMaxSampleRate))
        return messages;

    // Tone through two band-passes, and its envelope: the root mean square
    // over a tone period.
    std::vector<float> tone(samples.size());
    BandPass first(kToneFrequency, rate, samples[0]), second(kToneFrequency, rate, 0);
    for (std::size_t n = 0; n < samples.size(); ++n)
        tone[n] = float(second(first(samples[n])));
    const auto window = std::max<std::size_t>(1, std::size_t(kEnvelopeWindow * rate));
    std::vector<float> envelope(samples.size());
    double power = 0;
    for (std::size_t n = 0; n < samples.size(); ++n) {
        power += double(tone[n]) * tone[n];
        if (n >= window)
            power -= double(tone[n - window]) * tone[n - window];
        envelope[n] = float(std::sqrt(std::max(power, 0.0) / double(window)));
    }

    // The tone's level: the envelope's highest mean over a span shorter than
    // any burst, which a noise spike or a supply step cannot reach. Without a
    // level well above the noise floor there is no tone at all.
    const auto span = std::max<std::size_t>(1, std::size_t(kLevelWindow * rate));
    double level = 0, sum = 0;
    for (std::size_t n = 0; n < envelope.size(); ++n) {
        sum += envelope[n];
        if (n >= span)
            sum -= envelope[n - span];
        if (n + 1 >= span)
            level = std::max(level, sum / double(span));
    }
    std::vector<double> sampled;
    for (std::size_t n = 0; n < envelope.size(); n += 16)
        sampled.push_back(envelope[n]);
    std::nth_element(sampled.begin(), sampled.begin() + sampled.size() / 10, sampled.end());
    const double floor = sampled[sampled.size() / 10];
    if (!(level > 4 * floor) || level <= 0)
        return messages;

    const std::vector<Burst> bursts = findBursts(envelope, level, rate);
    const double duration = double(samples.size()) / rate;
    for (std::size_t next = 0; next < bursts.size();) {
        std::size_t last = next;
        while (last + 1 < bursts.size() &&
               double(bursts[last + 1].begin - bursts[last].end) <= kMessageSilence * rate)
            ++last;
        const std::vector<Burst> group(bursts.begin() + long(next),
                                       bursts.begin() + long(last) + 1);
        next = last + 1;

        Message m;
        m.start = double(group.front().begin) / rate;
        const double end = double(group.back().end) / rate;

        // Zero crossings inside the bursts, away from their edges, timed
        // between samples: half a period from one to the next.
        const auto margin = std::size_t(0.1e-3 * rate);
        double halfPeriods = 0, toneTime = 0;
        for (const Burst &burst : group) {
            double firstCrossing = -1, lastCrossing = -1;
            int crossings = 0;
            for (std::size_t n = burst.begin + margin + 1; n + margin < burst.end; ++n) {
                if ((tone[n - 1] < 0) == (tone[n] < 0))
                    continue;
                const double at = double(n - 1) + tone[n - 1] / (tone[n - 1] - tone[n]);
                if (crossings++ == 0)
                    firstCrossing = at;
                lastCrossing = at;
            }
            if (crossings > 1) {
                halfPeriods += crossings - 1;
                toneTime += (lastCrossing - firstCrossing) / rate;
            }
        }
        m.toneFrequency = toneTime > 0 ? halfPeriods / 2 / toneTime : 0;

        const auto startIndex = group.front().begin;
        const auto before = std::size_t(kSupplyWindow * rate);
        m.supplyBefore = mean(samples, startIndex > before ? startIndex - before : 0, startIndex);
        m.supplyDuring = mean(samples, startIndex, group.back().end);
        m.hasSupply = std::max(std::abs(m.supplyBefore), std::abs(m.supplyDuring)) >
                      4 * level * std::sqrt(2.0);

        // Closer to an end of the capture than the silence that ends a
        // message, a message may go on beyond it.
        if (m.start < kMessageSilence)
            fail(m, "the capture starts inside this message");
        if (end > duration - kMessageSilence)
            fail(m, "the capture ends inside this message");
        if (m.toneFrequency < kMinToneFrequency || m.toneFrequency > kMaxToneFrequency)
            fail(m, format("its tone of %.1f kHz is outside %.1f..%.1f kHz", m.toneFrequency / 1e3,
                           kMinToneFrequency / 1e3, kMaxToneFrequency / 1e3));
        readBits(m, group, rate);
        if (group.size() % 9 != 0)
            fail(m, format("its %.0f bits do not make whole bytes of 9", double(group.size())));
        messages.push_back(std::move(m));
    }
    return messages;
}

} // namespace linesignal
