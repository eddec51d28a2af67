#include "tonefilter.h"

#include "diseqcbus.h"

#include <algorithm>
#include <cmath>

namespace linesignal {
namespace {

constexpr double kPi = 3.14159265358979323846;
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

ToneFilter::ToneFilter(double sampleRate)
    : rate(sampleRate), first(kToneFrequency, 1, 0), second(kToneFrequency, 1, 0)
{
}

} // namespace linesignal
