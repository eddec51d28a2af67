#include "tonefilter.h"

#include "diseqcbus.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace linesignal {
namespace {

// Passes 17.6..26.4 kHz, the tone frequencies read, at 0.8 of their
// amplitude or more: the narrow filtering is the tone envelope's and the
// mixer's, which follow the tone's own frequency.
constexpr double kFilterQuality = 1.0;

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

double BandPass::gain(double frequency, double sampleRate) const
{
    const std::complex<double> z = std::polar(1.0, -2 * kPi * frequency / sampleRate);
    return std::abs(b0 * (1.0 - z * z) / (1.0 + a1 * z + a2 * z * z));
}

ToneFilter::ToneFilter(double sampleRate)
    : rate(sampleRate), first(kToneFrequency, sampleRate, 0), second(kToneFrequency, sampleRate, 0)
{
}

} // namespace linesignal
