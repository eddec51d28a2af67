#pragma once

#include <array>
#include <complex>
#include <cstddef>
#include <vector>

namespace linesignal {

// The tone's power over a sliding window, at whichever frequency of a bank
// across the tone's range holds the most: a window as long as a good part
// of a 1's tone, and so a bandwidth a tenth of the band-pass's, against
// which the tone stands well above the noise. Each channel is a sliding
// sum of the samples turned by its frequency, kept by one product a
// sample, and slightly damped so that rounding cannot build up.
class ToneEnvelope
{
public:
    explicit ToneEnvelope(double sampleRate);

    void add(double value); // each band-passed sample
    // Mean square of the tone in the window at the strongest channel, and
    // at the locked one, or the strongest (as measured) when none is.
    double strongest() const;
    double power(double strongest) const;
    // The window's length in samples: a burst's edges lie half of it
    // before where the power crosses half of its amplitude.
    double delay() const { return double(window.size()) / 2; }
    void restart();
    // How much of a tone at `frequency` its strongest channel passes, from
    // 0 to 1: a tone between two channels reads a little weaker.
    double gain(double frequency) const;
    // Inside a message, the tone's channel alone: the noise's strongest of
    // several channels stands well above its level in one. `gather` adds
    // the channels' powers while a burst goes on; `lock` takes the
    // strongest gathered so far; `unlock` forgets them when the message ends.
    void gather();
    void lock();
    void unlock();

    static constexpr std::size_t kChannels = 6;

private:
    std::vector<double> window; // the last samples, round
    std::size_t next = 0;
    std::array<double, kChannels> re{}, im{}, turnRe{}, turnIm{}, outRe{}, outIm{};
    std::array<double, kChannels> gathered{};
    bool gatheredAny = false;
    std::size_t locked = kChannels;
    double scale;
    double rate;
};

// Per sample, so inline.
inline double ToneEnvelope::strongest() const
{
    double most = 0;
    for (std::size_t k = 0; k < kChannels; ++k)
        most = std::max(most, re[k] * re[k] + im[k] * im[k]);
    return most * scale;
}

inline void ToneEnvelope::add(double value)
{
    const double old = window[next];
    window[next] = value;
    next = next + 1 == window.size() ? 0 : next + 1;
    for (std::size_t k = 0; k < kChannels; ++k) {
        const double r = re[k] * turnRe[k] - im[k] * turnIm[k] + value - old * outRe[k];
        const double i = re[k] * turnIm[k] + im[k] * turnRe[k] - old * outIm[k];
        re[k] = r;
        im[k] = i;
    }
}

} // namespace linesignal
