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

    void push(double value); // each band-passed sample
    // A run of them; after each, every channel's power (kChannels values a
    // sample, unscaled) into `powers`, for the calls below that take them.
    void push(const double *values, std::size_t count, double *powers);
    // Mean square of the tone in the window at the strongest channel, and
    // at the locked one, or the strongest (as measured) when none is.
    double strongest() const;
    double power(double strongest) const;
    double strongest(const double *powers) const;
    double power(const double *powers, double strongest) const;
    // The window's length in samples: a burst's edges lie half of it
    // before where the power crosses half of its amplitude.
    double delay() const { return double(window.size()) / 2; }
    void reset();
    // How much of a tone at `frequency` its strongest channel passes, from
    // 0 to 1: a tone between two channels reads a little weaker.
    double gain(double frequency) const;
    // Inside a message, the tone's channel alone: the noise's strongest of
    // several channels stands well above its level in one. `gather` adds
    // the channels' powers while a burst goes on; `lock` takes the
    // strongest gathered so far; `unlock` forgets them when the message ends.
    void gather();
    void gather(const double *powers);
    void lock();
    void unlock();

    static constexpr std::size_t kChannels = 6;

private:
    std::array<double, kChannels> powersNow() const;

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
inline double ToneEnvelope::strongest(const double *powers) const
{
    // Pairwise, not one after the other: the same (powers are never
    // negative), in half the time.
    static_assert(kChannels == 6);
    const double most =
        std::max(std::max(std::max(powers[0], powers[1]), std::max(powers[2], powers[3])),
                 std::max(powers[4], powers[5]));
    return most * scale;
}

inline double ToneEnvelope::power(const double *powers, double strongest) const
{
    return locked < kChannels ? powers[locked] * scale : strongest;
}

inline std::array<double, ToneEnvelope::kChannels> ToneEnvelope::powersNow() const
{
    std::array<double, kChannels> powers;
    for (std::size_t k = 0; k < kChannels; ++k)
        powers[k] = re[k] * re[k] + im[k] * im[k];
    return powers;
}

inline double ToneEnvelope::strongest() const
{
    return strongest(powersNow().data());
}

inline void ToneEnvelope::push(double value)
{
    push(&value, 1, nullptr);
}

inline void ToneEnvelope::push(const double *values, std::size_t count, double *powers)
{
    // Copies the compiler keeps in registers: the members could alias the
    // arrays.
    std::array<double, kChannels> r = re, i = im;
    const std::array<double, kChannels> tr = turnRe, ti = turnIm, outR = outRe, outI = outIm;
    double *const ring = window.data();
    const std::size_t length = window.size();
    std::size_t at = next;
    for (std::size_t s = 0; s < count; ++s) {
        const double value = values[s];
        const double old = ring[at];
        ring[at] = value;
        at = at + 1 == length ? 0 : at + 1;
        for (std::size_t k = 0; k < kChannels; ++k) {
            const double nr = r[k] * tr[k] - i[k] * ti[k] + value - old * outR[k];
            const double ni = r[k] * ti[k] + i[k] * tr[k] - old * outI[k];
            r[k] = nr;
            i[k] = ni;
        }
        if (powers) {
            for (std::size_t k = 0; k < kChannels; ++k)
                powers[s * kChannels + k] = r[k] * r[k] + i[k] * i[k];
        }
    }
    re = r;
    im = i;
    next = at;
}

} // namespace linesignal
