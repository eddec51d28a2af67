#include "tonefilter.h"

#include "diseqcbus.h"

#include <algorithm>
#include <cmath>

namespace linesignal {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Passes 17.6..26.4 kHz, the tone frequencies read, at 0.6 or more.
constexpr double kFilterQuality = 1.5;
// One tone period at the lowest frequency read: the power is steady over
// it, and a burst's edges stay sharp.
constexpr double kEnvelopeWindow = 60e-6; // s

} // namespace

BandPass::BandPass(double centre, double sampleRate, double firstInput)
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

double BandPass::operator()(double x)
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

ToneFilter::ToneFilter(double sampleRate)
    : rate(sampleRate), first(kToneFrequency, 1, 0), second(kToneFrequency, 1, 0),
      squares(std::max<std::size_t>(1, std::size_t(kEnvelopeWindow * sampleRate)), 0.0),
      perSquare(1.0 / double(squares.size()))
{
}

double ToneFilter::power() const
{
    return std::max(squareSum, 0.0) * perSquare;
}

ToneFilter::Output ToneFilter::operator()(double sample)
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
    Output out{power(), std::nullopt};
    if ((previous < 0) != (y < 0) && out.power > kSilentPower)
        out.crossing = previous / (previous - y);
    previous = y;
    return out;
}

} // namespace linesignal
