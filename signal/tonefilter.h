#pragma once

#include "diseqcbus.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace linesignal {

// A second-order band-pass around the tone (peak gain 1): it takes away
// the supply, its steps and mains hum, and most of the noise.
class BandPass
{
public:
    BandPass(double centre, double sampleRate, double firstInput);
    double operator()(double x);

private:
    double b0, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double nudge = 1e-15;
};

// The tone as the demodulator sees it: the samples through two band-passes,
// their power as the mean square over about one tone period, and where they
// cross zero.
class ToneFilter
{
public:
    explicit ToneFilter(double sampleRate);

    struct Output
    {
        double value; // the filtered sample
        double power;
        // Where the filtered signal crossed zero, as the fraction of the
        // way from the sample before to this one, while there is a tone.
        std::optional<double> crossing;
    };
    Output operator()(double sample);

    double power() const;
    // The next sample starts the filters afresh, as if it had always been
    // there: no ringing from what came before.
    void restart() { fresh = true; }

private:
    const double rate;
    bool fresh = true;
    BandPass first, second;
    std::vector<double> squares; // the last window's, round
    const double perSquare;
    std::size_t next = 0;
    double squareSum = 0;
    double previous = 0;
};

// Below this power (V²) nothing is a tone; far below any tone, above
// rounding.
constexpr double kSilentPower = 1e-12;

// Per sample, so inline: the demodulator calls them for every sample read.
inline double BandPass::operator()(double x)
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

inline double ToneFilter::power() const
{
    return std::max(squareSum, 0.0) * perSquare;
}

inline ToneFilter::Output ToneFilter::operator()(double sample)
{
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
    squareSum += square - squares[next];
    squares[next] = square;
    next = next + 1 == squares.size() ? 0 : next + 1;
    Output out{y, power(), std::nullopt};
    if ((previous < 0) != (y < 0) && out.power > kSilentPower)
        out.crossing = previous / (previous - y);
    previous = y;
    return out;
}

} // namespace linesignal
