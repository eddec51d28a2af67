#include "linesignal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace linesignal {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kZeroTone = 1.0e-3; // s
constexpr double kOneTone = 0.5e-3;  // s
constexpr double kLeadIn = 5e-3;     // s at 13 V at either end of a signal

// Reading. The bus allows a fifth off the nominal timing.
constexpr double kTimingTolerance = 0.2;
constexpr double kEnvelopeWindow = 60e-6; // s: one tone period at the lowest frequency
constexpr double kPowerResolution = 8e-6; // s between the powers kept
constexpr double kSilentPower = 1e-12;    // V²: far below any tone, above rounding
constexpr std::size_t kLevelStride = 16;  // samples between those that set the level
constexpr double kMessageSilence = 3e-3;  // s: a longer silence ends a message
constexpr double kGlitchGap = 0.1e-3;     // s: a shorter gap inside a burst is noise
constexpr double kShortestBurst = 0.2e-3; // s: a shorter burst is noise
constexpr double kStrongestBurst = 8;     // times the tone's power: ringing, not tone
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
        // A silent input would let the state decay into subnormal numbers,
        // which are slow; a tiny signal at half the sample rate, which the
        // band-pass removes, keeps it normal.
        nudge = -nudge;
        x += nudge;
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
    double nudge = 1e-15;
};

// The tone's power, the mean square over a tone period, sample by sample
// as the two band-passes give it.
class ToneMeter
{
public:
    ToneMeter(double rate, float firstSample)
        : first(kToneFrequency, rate, firstSample), second(kToneFrequency, rate, 0),
          squares(std::max<std::size_t>(1, std::size_t(kEnvelopeWindow * rate)), 0.0),
          perSquare(1.0 / double(squares.size()))
    {
    }

    // Takes the next sample; returns the tone filtered out of it.
    double feed(float sample)
    {
        const double y = second(first(sample));
        sum += y * y - squares[next];
        squares[next] = y * y;
        next = next + 1 == squares.size() ? 0 : next + 1;
        power = std::max(sum, 0.0) * perSquare;
        return y;
    }

    double power = 0;

private:
    BandPass first, second;
    std::vector<double> squares; // the last window's, round
    double perSquare;
    std::size_t next = 0;
    double sum = 0;
};

struct Burst
{
    double begin; // samples from the capture's start
    double end;
    double peak; // power
};

std::string format(const char *pattern, double a, double b = 0, double c = 0, double d = 0)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
    return text;
}

// The mean of the middle half: steady against a few odd values, and finer
// than the median when the values alternate about the true one.
double middleMean(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t from = values.size() / 4, to = values.size() - values.size() / 4;
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += values[i];
    return sum / double(to - from);
}

double mean(const std::vector<float> &samples, std::size_t begin, std::size_t end)
{
    double sum = 0;
    for (std::size_t n = begin; n < end; ++n)
        sum += samples[n];
    return end > begin ? sum / double(end - begin) : 0;
}

// The capture through the tone meter: the tone's power, kept every few
// microseconds (a large capture's every sample would cost more in memory than
// the filters in time), and where the tone crosses zero, in samples.
struct Measured
{
    std::vector<float> power; // every step-th sample's
    std::size_t step = 1;
    std::size_t count = 0; // samples
    std::vector<double> crossings;
    double level = 0;
};

// The tone's level: the power that a quarter of the samples standing well
// above the noise floor exceed. Bursts make most of those, and their edges
// the rest; the ringing of the band-passes at a step of the supply, though
// stronger, is short. 0 when nothing stands out: there is no tone at all.
double toneLevel(const std::vector<float> &power)
{
    std::vector<float> sampled;
    for (std::size_t n = 0; n < power.size(); n += kLevelStride)
        sampled.push_back(power[n]);
    const auto tenth = sampled.begin() + long(sampled.size() / 10);
    std::nth_element(sampled.begin(), tenth, sampled.end());
    const float floor = *tenth;
    const auto above =
        std::partition(sampled.begin(), sampled.end(), [floor](float p) { return p > 16 * floor; });
    if (above == sampled.begin())
        return 0;
    const auto quarter = sampled.begin() + (above - sampled.begin()) / 4;
    std::nth_element(sampled.begin(), quarter, above, std::greater<float>());
    return *quarter;
}

Measured measure(const std::vector<float> &samples, double rate)
{
    Measured m;
    m.step = std::max<std::size_t>(1, std::size_t(kPowerResolution * rate));
    m.count = samples.size();
    m.power.reserve(samples.size() / m.step + 1);
    ToneMeter meter(rate, samples[0]);
    double previous = 0;
    for (std::size_t n = 0; n < samples.size(); ++n) {
        const double y = meter.feed(samples[n]);
        if (n % m.step == 0)
            m.power.push_back(float(meter.power));
        if ((previous < 0) != (y < 0) && n > 0 && meter.power > kSilentPower)
            m.crossings.push_back(double(n - 1) + previous / (previous - y));
        previous = y;
    }
    m.level = toneLevel(m.power);
    return m;
}

// Bursts of tone where the tone's amplitude crosses half its level (a
// quarter of the power), with a little hysteresis; glitches merged or
// dropped.
std::vector<Burst> findBursts(const Measured &measured, double rate)
{
    const std::vector<float> &power = measured.power;
    const auto on = float(0.5 * 0.5 * measured.level), off = float(0.45 * 0.45 * measured.level);
    std::vector<Burst> bursts;
    bool inTone = false;
    // Where the power crossed a threshold, between the two powers kept.
    const auto crossed = [&measured, &power](std::size_t i, float threshold) {
        const double before = i > 0 ? power[i - 1] : power[i];
        const double fraction =
            power[i] != before ? (threshold - before) / (double(power[i]) - before) : 1;
        return (double(i) - 1 + std::clamp(fraction, 0.0, 1.0)) * double(measured.step);
    };
    for (std::size_t i = 0; i < power.size(); ++i) {
        if (!inTone && power[i] >= on) {
            inTone = true;
            bursts.push_back({std::max(0.0, crossed(i, on)), double(measured.count), 0});
        } else if (inTone && power[i] < off) {
            inTone = false;
            bursts.back().end = crossed(i, off);
        }
        if (inTone)
            bursts.back().peak = std::max(bursts.back().peak, double(power[i]));
    }
    std::vector<Burst> kept;
    for (const Burst &burst : bursts) {
        if (!kept.empty() && burst.begin - kept.back().end < kGlitchGap * rate) {
            kept.back().end = burst.end;
            kept.back().peak = std::max(kept.back().peak, burst.peak);
        } else {
            kept.push_back(burst);
        }
    }
    // Too short for a bit, or far stronger than the tone: the ringing at a
    // step of the supply.
    const double level = measured.level;
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [rate, level](const Burst &b) {
                                  return b.end - b.begin < kShortestBurst * rate ||
                                         b.peak > kStrongestBurst * level;
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
        periods.push_back((bursts[i + 1].begin - bursts[i].begin) / rate);
    m.bitPeriod = periods.empty() ? kBitPeriod : middleMean(periods);
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
        const double share = (bursts[i].end - bursts[i].begin) / rate / slot;
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

    const Measured measured = measure(samples, rate);
    if (measured.level <= 0)
        return messages;
    const std::vector<Burst> bursts = findBursts(measured, rate);
    const double duration = double(samples.size()) / rate;
    for (std::size_t next = 0; next < bursts.size();) {
        std::size_t last = next;
        while (last + 1 < bursts.size() &&
               bursts[last + 1].begin - bursts[last].end <= kMessageSilence * rate)
            ++last;
        const std::vector<Burst> group(bursts.begin() + long(next),
                                       bursts.begin() + long(last) + 1);
        next = last + 1;

        Message m;
        m.start = group.front().begin / rate;
        const double end = group.back().end / rate;
        // Fewer bits than a byte, wholly inside the capture: no message.
        if (group.size() < 9 && m.start >= kMessageSilence && end <= duration - kMessageSilence)
            continue;

        // The zero crossings inside the bursts, away from their edges: half
        // a tone period from one to the next.
        const double margin = 0.1e-3 * rate;
        const std::vector<double> &crossings = measured.crossings;
        double halfPeriods = 0, toneTime = 0;
        for (const Burst &burst : group) {
            const auto from =
                std::lower_bound(crossings.begin(), crossings.end(), burst.begin + margin);
            const auto to = std::upper_bound(from, crossings.end(), burst.end - margin);
            if (to - from > 1) {
                halfPeriods += double(to - from - 1);
                toneTime += (*(to - 1) - *from) / rate;
            }
        }
        m.toneFrequency = toneTime > 0 ? halfPeriods / 2 / toneTime : 0;

        const auto startIndex = std::size_t(group.front().begin);
        const auto before = std::size_t(kSupplyWindow * rate);
        m.supplyBefore = mean(samples, startIndex > before ? startIndex - before : 0, startIndex);
        m.supplyDuring = mean(samples, startIndex, std::size_t(group.back().end));
        // The tone's amplitude is the square root of twice its power.
        m.hasSupply = std::max(std::abs(m.supplyBefore), std::abs(m.supplyDuring)) >
                      4 * std::sqrt(2 * measured.level);

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
