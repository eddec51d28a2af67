#pragma once

#include "diseqcbus.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace linesignal {

// A second-order band-pass around the tone (peak gain 1): it takes away
// the supply, its steps and mains hum, and most of the noise.
class BandPass
{
public:
    BandPass(double centre, double sampleRate, double firstInput);
    double operator()(double x);
    // Of a tone at `frequency`, from 0 to 1.
    double gain(double frequency, double sampleRate) const;

private:
    double b0, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double nudge = 1e-15;
    int nudgeStep = 0;
};

// The tone as the demodulator sees it: the samples through two band-passes,
// and where they cross zero.
class ToneFilter
{
public:
    explicit ToneFilter(double sampleRate);

    struct Output
    {
        double value; // the filtered sample
        // Where the filtered signal crossed zero, as the fraction of the
        // way from the sample before to this one, while there is a tone.
        std::optional<double> crossing;
    };
    Output operator()(double sample);
    // A run of samples into `out`; each crossing as the sample's place in
    // the run and its fraction.
    void push(const float *samples, std::size_t count, double *out,
              std::vector<std::pair<std::size_t, double>> &crossings);
    // How much of a tone at `frequency` passes, from 0 to 1.
    double gain(double frequency) const
    {
        return first.gain(frequency, rate) * second.gain(frequency, rate);
    }

    // The next sample starts the filters afresh, as if it had always been
    // there: no ringing from what came before.
    void reset() { fresh = true; }

private:
    void start(double sample);
    static std::optional<double> crossed(double before, double y);

    const double rate;
    bool fresh = true;
    BandPass first, second;
    double previous = 0;
};

// Below this power (V²) nothing is a tone; far below any tone, above
// rounding.
constexpr double kSilentPower = 1e-12;
constexpr double kSilentLevel = 1e-6; // V, its amplitude

// Per sample, so inline: the demodulator calls them for every sample read.
inline double BandPass::operator()(double x)
{
    // A silent input would let the state decay into subnormal numbers,
    // which are slow; a tiny signal at a quarter of the sample rate, far
    // below anything read, keeps it normal. (One at half the rate would
    // not: the filter's numerator cancels it exactly.)
    if (++nudgeStep == 2) {
        nudge = -nudge;
        nudgeStep = 0;
    }
    x += nudge;
    const double y = b0 * (x - x2) - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

inline std::optional<double> ToneFilter::crossed(double before, double y)
{
    // Silence crosses zero with the filters' own tiny signal; a tone is far
    // above it.
    if ((before < 0) != (y < 0) && std::max(std::abs(before), std::abs(y)) > kSilentLevel)
        return before / (before - y);
    return std::nullopt;
}

inline void ToneFilter::start(double sample)
{
    if (fresh) {
        first = BandPass(kToneFrequency, rate, sample);
        second = BandPass(kToneFrequency, rate, 0);
        previous = 0;
        fresh = false;
    }
}

inline ToneFilter::Output ToneFilter::operator()(double sample)
{
    start(sample);
    const double y = second(first(sample));
    const Output out{y, crossed(previous, y)};
    previous = y;
    return out;
}

inline void ToneFilter::push(const float *samples, std::size_t count, double *out,
                             std::vector<std::pair<std::size_t, double>> &crossings)
{
    if (count == 0)
        return;
    start(samples[0]);
    // Copies the compiler keeps in registers: the members could alias `out`.
    BandPass a = first, b = second;
    double before = previous;
    for (std::size_t i = 0; i < count; ++i) {
        const double y = b(a(samples[i]));
        out[i] = y;
        if (const std::optional<double> at = crossed(before, y))
            crossings.emplace_back(i, *at);
        before = y;
    }
    first = a;
    second = b;
    previous = before;
}

} // namespace linesignal
