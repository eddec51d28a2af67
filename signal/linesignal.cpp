#include "linesignal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>

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
constexpr double kDetection = 6;          // times the noise floor's power: a burst may begin
constexpr double kRearm = 0.3;            // of the burst before's power: the next begins
constexpr double kRise = 4;               // times the least power since: a burst begins
constexpr double kBurstLevel = 16;        // times the noise floor: a burst's plateau, not noise
constexpr double kFloorBlock = 0.25e-3;   // s: the noise floor is the quietest mean power of a
constexpr double kFloorTime =
    10e-3; // block this long in the last while; a message's gaps are longer
constexpr double kLookBack = 0.3e-3;      // s of power kept before a burst is detected
constexpr double kLongestBurst = 20e-3;   // s: a longer tone is cut into bursts of this length
constexpr double kMessageSilence = 3e-3;  // s: a longer silence ends a message
constexpr double kGlitchGap = 0.1e-3;     // s: a shorter gap inside a burst is noise
constexpr double kShortestBurst = 0.2e-3; // s: a shorter burst is noise
constexpr double kStrongestBurst = 8;     // times the tone's power: ringing, not tone
constexpr double kWeakestBurst = 4;       // times weaker than the tone's power: noise, not tone
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

struct Burst
{
    double begin; // samples from the capture's start
    double end;
    double level; // power of its plateau
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

// The reader's state between blocks of samples. Per sample it runs the two
// band-passes, the tone's mean square and its zero crossings; every few
// microseconds it keeps the power and looks for the edges of bursts against
// the noise floor around them, and for the silences that end messages.
struct Demodulator::State
{
    State(double sampleRate, double clipAt)
        : rate(sampleRate), clip(clipAt),
          step(std::max<std::size_t>(1, std::size_t(kPowerResolution * sampleRate))),
          window(std::max<std::size_t>(1, std::size_t(kEnvelopeWindow * sampleRate))),
          squares(window, 0.0), lookBack(std::size_t(kLookBack / kPowerResolution) + 1),
          history(std::size_t((kSupplyWindow + kLongestBurst + kLookBack) / kPowerResolution) + 2),
          powers(history, 0.0f), sums(history, 0.0)
    {
    }

    void feed(float sample);
    void keepPower();
    void endBurst(bool cut);
    void addBurst(const Burst &burst);
    void endMessage(bool cut);
    void startBadSpan();
    void endBadSpan();

    // Samples n (the next one's index) as seconds, and powers k (kept every
    // step samples) as samples.
    double seconds(double samples) const { return samples / rate; }
    double currentPower() const { return std::max(squareSum, 0.0) * perSquare; }

    const double rate, clip;
    const std::size_t step, window;

    std::uint64_t n = 0;
    // The filters start from the first sample as if it had always been
    // there, and again after samples that are not numbers.
    bool fresh = true;
    BandPass first{kToneFrequency, 1, 0}, second{kToneFrequency, 1, 0};
    std::vector<double> squares;
    const double perSquare = 1.0 / double(window);
    std::size_t nextSquare = 0;
    double squareSum = 0;
    double previous = 0;
    double power = 0;

    // Every step's power and the sum of its raw samples, for the last few
    // milliseconds, round.
    const std::size_t lookBack, history;
    std::vector<float> powers;
    std::vector<double> sums;
    std::uint64_t k = 0; // powers kept so far
    double stepSum = 0;
    std::size_t inStep = 0;

    // The noise floor: the quietest block of the last few milliseconds,
    // which inside a message is one of its gaps.
    double floor = INFINITY;
    double blockSum = 0;
    std::size_t inBlock = 0;
    std::vector<double> blocks =
        std::vector<double>(std::size_t(kFloorTime / kFloorBlock), INFINITY); // round
    std::size_t nextBlock = 0;

    bool inBurst = false;
    double trough = 0;           // the least power since the last burst ended
    std::uint64_t burstFrom = 0; // the first power of its trace
    float peak = 0;
    std::uint64_t earliest = 0; // a trace never reaches back before the burst before

    std::vector<double> crossings; // since the look-back of the current burst
    std::vector<Burst> bursts;     // of the current message
    double halfPeriods = 0, toneTime = 0;
    double supplyBefore = 0;      // the supply before the message
    double duringSum = 0;         // the raw samples since it began
    std::uint64_t duringFrom = 0; // the power from which duringSum counts
    double duringAtEnd = 0;       // duringSum at the end of its last burst
    std::uint64_t duringCountAtEnd = 0;
    bool cutByBadSamples = false;

    bool inBad = false;
    std::uint64_t badFrom = 0;

    std::vector<Message> done;
};

void Demodulator::State::feed(float sample)
{
    const bool bad = !std::isfinite(sample) || std::abs(sample) >= clip;
    if (bad != inBad) {
        if (bad)
            startBadSpan();
        else
            endBadSpan();
    }
    if (bad) {
        ++n;
        return;
    }
    if (fresh) {
        first = BandPass(kToneFrequency, rate, sample);
        second = BandPass(kToneFrequency, rate, 0);
        std::fill(squares.begin(), squares.end(), 0.0);
        squareSum = 0;
        previous = 0;
        fresh = false;
    }
    const double y = second(first(sample));
    const double square = y * y;
    squareSum += square - squares[nextSquare];
    squares[nextSquare] = square;
    nextSquare = nextSquare + 1 == window ? 0 : nextSquare + 1;
    // The power is worked out only where it is needed: at a crossing and
    // with every power kept.
    if ((previous < 0) != (y < 0) && currentPower() > kSilentPower)
        crossings.push_back(double(n) - 1 + previous / (previous - y));
    previous = y;
    stepSum += sample;
    if (++inStep == step)
        keepPower();
    ++n;
}

void Demodulator::State::keepPower()
{
    power = currentPower();
    const std::size_t at = std::size_t(k % history);
    powers[at] = float(power);
    sums[at] = stepSum;
    if (bursts.size() || inBurst)
        duringSum += stepSum;
    stepSum = 0;
    inStep = 0;
    blockSum += power;
    if (++inBlock == std::size_t(kFloorBlock / kPowerResolution)) {
        blocks[nextBlock] = blockSum / double(inBlock);
        nextBlock = (nextBlock + 1) % blocks.size();
        floor = *std::min_element(blocks.begin(), blocks.end());
        blockSum = 0;
        inBlock = 0;
    }

    // A burst may begin well above the noise floor; inside a message, also
    // near the level of the bursts before; and only where the power rises
    // again, not on the falling tail of the last one.
    const double detect = std::max(kDetection * floor, kSilentPower);
    const double begin = bursts.empty() ? detect : std::max(detect, kRearm * bursts.back().level);
    if (inBurst) {
        peak = std::max(peak, float(power));
        // Below a fifth of its peak the burst has ended; a tone that goes on
        // is cut so that the history still holds its start.
        const bool tooLong = double(k - burstFrom) * double(step) > kLongestBurst * rate;
        if (power < 0.2 * peak || tooLong) {
            ++k;
            endBurst(false);
            return;
        }
    } else if (power >= begin && power >= kRise * trough) {
        inBurst = true;
        burstFrom = std::max(earliest, k > lookBack ? k - lookBack : 0);
        peak = float(power);
        if (bursts.empty()) { // a message begins: sum its raw samples from the trace's start
            duringSum = 0;
            for (std::uint64_t i = burstFrom; i <= k; ++i)
                duringSum += sums[std::size_t(i % history)];
            duringFrom = burstFrom;
        }
    } else {
        trough = std::min(trough, power);
        if (!bursts.empty() && double(n) - bursts.back().end > kMessageSilence * rate)
            endMessage(false);
        // Crossings are needed only inside bursts.
        if (crossings.size() > 4096 ||
            (!crossings.empty() && !bursts.empty() && crossings.front() < bursts.back().end))
            crossings.clear();
    }
    ++k;
}

void Demodulator::State::endBurst(bool cut)
{
    inBurst = false;
    trough = power;
    const std::uint64_t to = k; // powers burstFrom .. to - 1
    earliest = to;
    // The plateau: the median of the powers above half the peak.
    std::vector<float> plateau;
    for (std::uint64_t i = burstFrom; i < to; ++i) {
        const float p = powers[std::size_t(i % history)];
        if (p >= 0.5f * peak)
            plateau.push_back(p);
    }
    if (plateau.empty())
        return;
    std::nth_element(plateau.begin(), plateau.begin() + long(plateau.size() / 2), plateau.end());
    const double level = plateau[plateau.size() / 2];
    if (level < kBurstLevel * floor) // a swell of the noise
        return;
    // The edges of a message's bursts at one threshold, so that the slots
    // between them do not vary with each burst's own ripple; a burst far off
    // that level starts a message of its own or is dropped with it.
    const double edges =
        !bursts.empty() && level < 2 * bursts.front().level && 2 * level > bursts.front().level
            ? bursts.front().level
            : level;
    // Where the power crosses a threshold between two kept powers.
    const auto at = [this](std::uint64_t i) { return double(powers[std::size_t(i % history)]); };
    const auto crossedUp = [&](double threshold) {
        for (std::uint64_t i = burstFrom; i < to; ++i) {
            if (at(i) >= threshold) {
                const double before = i > burstFrom ? at(i - 1) : at(i);
                const double fraction =
                    at(i) != before ? (threshold - before) / (at(i) - before) : 1;
                return (double(i) - 1 + std::clamp(fraction, 0.0, 1.0)) * double(step);
            }
        }
        return double(burstFrom * step);
    };
    const auto crossedDown = [&](double threshold) {
        for (std::uint64_t i = to; i-- > burstFrom;) {
            if (at(i) >= threshold) {
                if (i + 1 >= to)
                    return double(to) * double(step);
                const double fraction = (at(i) - threshold) / (at(i) - at(i + 1));
                return (double(i) + std::clamp(fraction, 0.0, 1.0)) * double(step);
            }
        }
        return double(to * step);
    };
    Burst burst{std::max(0.0, crossedUp(0.5 * 0.5 * edges)),
                cut ? double(n) : crossedDown(0.45 * 0.45 * edges), level};
    if (burst.end <= burst.begin)
        return;

    // The zero crossings inside the burst, away from its edges: half a tone
    // period from one to the next.
    const double margin = 0.1e-3 * rate;
    const auto from = std::lower_bound(crossings.begin(), crossings.end(), burst.begin + margin);
    const auto until = std::upper_bound(from, crossings.end(), burst.end - margin);
    if (until - from > 1) {
        halfPeriods += double(until - from - 1);
        toneTime += (*(until - 1) - *from) / rate;
    }
    crossings.erase(crossings.begin(), until);
    addBurst(burst);
}

void Demodulator::State::addBurst(const Burst &burst)
{
    // A burst too short for a bit, not joined by a glitch to the next, is a
    // swell of the noise: it must not hold a message open.
    if (!bursts.empty() && burst.begin - bursts.back().end >= kGlitchGap * rate &&
        bursts.back().end - bursts.back().begin < kShortestBurst * rate) {
        bursts.pop_back();
        if (bursts.empty()) {
            duringSum = 0;
            duringFrom = std::uint64_t(burst.begin) / step;
            for (std::uint64_t i = duringFrom; i < k; ++i)
                duringSum += sums[std::size_t(i % history)];
        }
    }
    if (!bursts.empty() && burst.begin - bursts.back().end > kMessageSilence * rate) {
        // Seen only now, when the burst ends: the silence before it ended
        // the message before.
        const double keepSum = duringSum;
        endMessage(false);
        duringSum = keepSum;
    }
    if (!bursts.empty() && burst.begin - bursts.back().end < kGlitchGap * rate) {
        bursts.back().end = burst.end;
        bursts.back().level = std::max(bursts.back().level, burst.level);
    } else {
        if (bursts.empty()) {
            // The supply in the few milliseconds before it.
            const auto stepsBefore = std::uint64_t(kSupplyWindow / kPowerResolution);
            const std::uint64_t begin = std::uint64_t(burst.begin) / step;
            const std::uint64_t from = begin > stepsBefore ? begin - stepsBefore : 0;
            const std::uint64_t oldest = k > history ? k - history + 1 : 0;
            double sum = 0;
            std::uint64_t count = 0;
            for (std::uint64_t i = std::max(from, oldest); i < begin; ++i, ++count)
                sum += sums[std::size_t(i % history)];
            supplyBefore = count ? sum / double(count * step) : 0;
        }
        bursts.push_back(burst);
    }
    duringAtEnd = duringSum;
    duringCountAtEnd = k - duringFrom;
}

void Demodulator::State::endMessage(bool cut)
{
    std::vector<Burst> group;
    // Too short for a bit, or far stronger than the tone around it: the
    // ringing at a step of the supply.
    std::vector<double> levels;
    for (const Burst &b : bursts)
        levels.push_back(b.level);
    double typical = 0;
    if (!levels.empty()) {
        std::nth_element(levels.begin(), levels.begin() + long(levels.size() / 2), levels.end());
        typical = levels[levels.size() / 2];
    }
    for (const Burst &b : bursts) {
        if (b.end - b.begin >= kShortestBurst * rate && b.level <= kStrongestBurst * typical &&
            b.level * kWeakestBurst >= typical)
            group.push_back(b);
    }
    const bool badCut = cutByBadSamples;
    bursts.clear();
    cutByBadSamples = false;
    const double tone = toneTime > 0 ? halfPeriods / 2 / toneTime : 0;
    halfPeriods = toneTime = 0;
    if (group.empty())
        return;

    // Bursts that are not timed like bits, most of them a bit period apart,
    // are noise that happened to rise, not a message.
    std::size_t regular = 0;
    for (std::size_t i = 0; i + 1 < group.size(); ++i) {
        const double period = (group[i + 1].begin - group[i].begin) / rate;
        regular += std::abs(period / kBitPeriod - 1) <= kTimingTolerance;
    }
    if (group.size() > 1 && regular * 4 < (group.size() - 1) * 3)
        return;

    Message m;
    m.start = group.front().begin / rate;
    const bool startsCut = m.start < kMessageSilence;
    // Fewer bits than a byte, wholly inside the recording, or too few to
    // tell from noise at one of its ends: no message.
    constexpr std::size_t kFewestCut = 4;
    if (group.size() < 9 && ((!startsCut && !cut && !badCut) || group.size() < kFewestCut))
        return;
    m.toneFrequency = tone;
    m.supplyBefore = supplyBefore;
    m.supplyDuring = duringCountAtEnd ? duringAtEnd / double(duringCountAtEnd * step) : 0;
    // The tone's amplitude is the square root of twice its power.
    m.hasSupply =
        std::max(std::abs(m.supplyBefore), std::abs(m.supplyDuring)) > 4 * std::sqrt(2 * typical);
    // Closer to an end of the recording than the silence that ends a
    // message, a message may go on beyond it.
    if (startsCut)
        fail(m, "the capture starts inside this message");
    if (cut)
        fail(m, "the capture ends inside this message");
    if (badCut)
        fail(m, "samples that are not numbers or are clipped cut it short");
    if (m.toneFrequency < kMinToneFrequency || m.toneFrequency > kMaxToneFrequency)
        fail(m, format("its tone of %.1f kHz is outside %.1f..%.1f kHz", m.toneFrequency / 1e3,
                       kMinToneFrequency / 1e3, kMaxToneFrequency / 1e3));
    readBits(m, group, rate);
    if (group.size() % 9 != 0)
        fail(m, format("its %.0f bits do not make whole bytes of 9", double(group.size())));
    done.push_back(std::move(m));
}

void Demodulator::State::startBadSpan()
{
    if (inBurst)
        endBurst(true);
    if (!bursts.empty()) {
        cutByBadSamples = true;
        endMessage(false);
    }
    inBad = true;
    badFrom = n;
}

void Demodulator::State::endBadSpan()
{
    inBad = false;
    Message m;
    m.start = seconds(double(badFrom));
    fail(m, format("its samples from %.3f to %.3f ms are not numbers or are clipped",
                   seconds(double(badFrom)) * 1e3, seconds(double(n)) * 1e3));
    done.push_back(std::move(m));
    // The filters start afresh after the span; the powers before it stay
    // behind it.
    fresh = true;
    std::fill(blocks.begin(), blocks.end(), INFINITY);
    floor = INFINITY;
    crossings.clear();
    earliest = k;
}

Demodulator::Demodulator(double sampleRate, double clip)
    : state(sampleRate >= kMinSampleRate && sampleRate <= kMaxSampleRate
                ? std::make_unique<State>(sampleRate, clip)
                : nullptr)
{
}

Demodulator::~Demodulator() = default;

void Demodulator::feed(const float *samples, std::size_t count)
{
    if (!state)
        return;
    for (std::size_t i = 0; i < count; ++i)
        state->feed(samples[i]);
}

void Demodulator::finish()
{
    if (!state)
        return;
    State &s = *state;
    if (s.inBad)
        s.endBadSpan();
    if (s.inBurst)
        s.endBurst(true);
    if (!s.bursts.empty()) {
        // A message this close to the end may go on beyond it.
        const bool cut = double(s.n) - s.bursts.back().end <= kMessageSilence * s.rate;
        s.endMessage(cut);
    }
}

std::vector<Message> Demodulator::take()
{
    std::vector<Message> messages;
    if (state)
        messages.swap(state->done);
    return messages;
}

std::vector<Message> readMessages(const std::vector<float> &samples, double sampleRate)
{
    if (samples.size() < 2)
        return {};
    Demodulator demodulator(sampleRate);
    demodulator.feed(samples.data(), samples.size());
    demodulator.finish();
    return demodulator.take();
}
} // namespace linesignal
