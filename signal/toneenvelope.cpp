#include "toneenvelope.h"

#include "diseqcbus.h"

#include <algorithm>
#include <cmath>

namespace linesignal {
namespace {

// Long enough to narrow the noise to a few kHz, short enough that a 1's
// tone of 0.5 ms still has a plateau.
constexpr double kWindow = 0.25e-3; // s
// Channels this far apart lose under 1 dB between them.
constexpr double kChannelSpacing = 1500; // Hz
// A sample's weight falls by this much a sample: rounding fades within
// seconds, and the window's own samples keep their weight to 1e-4.
constexpr double kDamping = 1 - 1e-6;

} // namespace

ToneEnvelope::ToneEnvelope(double sampleRate)
    : window(std::max<std::size_t>(1, std::size_t(std::lround(kWindow * sampleRate))), 0.0),
      rate(sampleRate)
{
    const double length = double(window.size());
    // Across the range read: every channel more raises the noise's
    // strongest, and so the floor a tone is measured against.
    const double lowest = kMinToneFrequency + kChannelSpacing / 2;
    for (std::size_t k = 0; k < kChannels; ++k) {
        const double w = 2 * kPi * (lowest + double(k) * kChannelSpacing) / sampleRate;
        const std::complex<double> turn = std::polar(kDamping, -w);
        const std::complex<double> out = std::pow(turn, length);
        turnRe[k] = turn.real();
        turnIm[k] = turn.imag();
        outRe[k] = out.real();
        outIm[k] = out.imag();
    }
    // A tone of amplitude A sums to A L / 2; its power is A² / 2.
    scale = 2 / (length * length);
}

double ToneEnvelope::gain(double frequency) const
{
    const double length = double(window.size());
    double best = 0;
    for (std::size_t k = 0; k < kChannels; ++k) {
        const double centre = kMinToneFrequency + kChannelSpacing / 2 + double(k) * kChannelSpacing;
        const double x = kPi * (frequency - centre) / rate;
        best = std::max(best, std::abs(x) < 1e-12
                                  ? 1.0
                                  : std::abs(std::sin(x * length) / (length * std::sin(x))));
    }
    return best;
}

double ToneEnvelope::power(double strongest) const
{
    return power(powersNow().data(), strongest);
}

void ToneEnvelope::gather()
{
    gather(powersNow().data());
}

void ToneEnvelope::gather(const double *powers)
{
    gatheredAny = true;
    for (std::size_t k = 0; k < kChannels; ++k)
        gathered[k] += powers[k];
}

void ToneEnvelope::lock()
{
    locked = std::size_t(std::max_element(gathered.begin(), gathered.end()) - gathered.begin());
}

void ToneEnvelope::unlock()
{
    // Between messages, once a sample at most rates: mostly nothing to do.
    if (locked == kChannels && !gatheredAny)
        return;
    gatheredAny = false;
    gathered.fill(0);
    locked = kChannels;
}

void ToneEnvelope::reset()
{
    unlock();
    std::fill(window.begin(), window.end(), 0.0);
    re.fill(0);
    im.fill(0);
}

} // namespace linesignal
