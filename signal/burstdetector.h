#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace linesignal {

// A burst of tone, in samples from the recording's start.
struct Burst
{
    double begin;
    double end;
    double level; // power of its plateau
    // Zero crossings inside it, away from its edges, for the tone's
    // frequency: half periods counted over this many seconds.
    double halfPeriods = 0;
    double toneTime = 0;
};

// The power and the sum of the raw samples every `step` samples, for the
// last few milliseconds, round; `kept` counts them all.
struct PowerTrace
{
    PowerTrace(std::size_t step, std::size_t length);
    float power(std::uint64_t i) const { return powers[place(i)]; }
    double sum(std::uint64_t i) const { return sums[place(i)]; }
    // At `kept`, once a sample at most rates: without a division.
    void store(float power, double sum)
    {
        powers[slot] = power;
        sums[slot] = sum;
    }
    void advance()
    {
        ++kept;
        slot = slot + 1 == length ? 0 : slot + 1;
    }

    const std::size_t step, length;
    std::vector<float> powers;
    std::vector<double> sums;
    std::uint64_t kept = 0; // the index the next power is stored at
    std::size_t slot = 0;   // kept % length

private:
    // Messages read back over thousands of powers: counted back from the
    // newest, without a division.
    std::size_t place(std::uint64_t i) const
    {
        const std::uint64_t back = kept - i;
        if (i > kept || back >= length)
            return std::size_t(i % length);
        return slot >= back ? slot - std::size_t(back) : slot + length - std::size_t(back);
    }
};

// Finds where bursts of tone begin and end in the trace of the power: a
// burst begins where the power rises well above the noise floor (and, in a
// message, near the level of its bursts), and only where it rises again,
// not on the falling tail of the last one; it ends below a fraction of its
// peak. Its edges are measured at fixed fractions of a level, so that the
// slots between bursts do not vary with each burst's own ripple.
class BurstDetector
{
public:
    // The power lags the tone by `delay` samples at half its amplitude.
    BurstDetector(const PowerTrace &trace, double sampleRate, double delay = 0);

    bool inBurst() const { return active; }
    std::uint64_t from() const { return burstFrom; }

    // The power needed to begin a burst over `floor`, with the level of the
    // message's last burst (0 outside a message).
    static double threshold(double floor, double lastLevel);
    // At the current power (the trace's latest): whether a burst begins,
    // and then from where in the trace.
    bool begins(double power, double threshold);
    // Whether the burst goes on at the current power.
    bool goesOn(double power);
    // Whether the burst that just ended was cut at kLongestBurst with its
    // tone still on, and that tone's peak power.
    bool cutForLength() const { return lengthCut; }
    double peakPower() const { return peak; }
    // Between bursts: the least power since the last.
    void quiet(double power);

    // The burst that ended at the trace's latest power, measured; nothing
    // for a swell of the noise. `edgeLevel` is the level the message's
    // edges are measured at (0: the burst's own); `cutAt` ends it there
    // (a burst cut short by the recording or unreadable samples).
    std::optional<Burst> end(double power, double floor, double firstLevel,
                             std::optional<double> cutAt);

    // A zero crossing of the filtered signal, in samples.
    void crossing(double at) { crossings.push_back(at); }
    // Crossings are needed only inside bursts: those before `before` go.
    // Between bursts, once a sample at most rates.
    void dropCrossings(std::optional<double> before)
    {
        if (crossings.size() > kMostCrossings ||
            (!crossings.empty() && before && crossings.front() < *before))
            crossings.clear();
    }
    // After unreadable samples: nothing reaches back before them.
    void reset();

    // A burst ends below a fifth of its peak.
    static constexpr double kEnd = 0.2;

private:
    // Crossings are kept for a burst at most; more are noise.
    static constexpr std::size_t kMostCrossings = 4096;

    const PowerTrace &trace;
    const double rate, delay;
    const std::uint64_t lookBack;
    bool active = false;
    double trough = 0;
    std::uint64_t burstFrom = 0;
    float peak = 0;
    std::uint64_t earliest = 0; // a trace never reaches back before the burst before
    bool lengthCut = false;
    std::vector<double> crossings;
};

// Seconds between the powers kept.
constexpr double kPowerResolution = 8e-6;
// A longer tone is cut into bursts of this length, so that the trace still
// holds a burst's start when it ends.
constexpr double kLongestBurst = 20e-3; // s
// Power kept before a burst is detected, for its rising edge.
constexpr double kLookBack = 0.6e-3; // s

} // namespace linesignal
