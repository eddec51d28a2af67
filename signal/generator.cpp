#include "generator.h"

#include <algorithm>
#include <cmath>

namespace linesignal {
namespace {

constexpr double kLeadIn = 5e-3; // s at 13 V at either end of a signal

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

LineSignal toneSignal(double length)
{
    LineSignal signal;
    signal.stepUp = kLeadIn;
    signal.toneStart = signal.stepUp + kQuietAfterStep;
    signal.toneLength = length;
    signal.stepDown = signal.toneStart + length + kQuietAfterStep;
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
    const auto addTone = [&](double start, double length) {
        const auto first = std::size_t(std::ceil(start * sampleRate));
        const auto end = std::min(count, std::size_t(std::ceil((start + length) * sampleRate)));
        for (std::size_t n = first; n < end; ++n)
            samples[n] += float(kToneAmplitude * std::sin(2 * kPi * toneFrequency *
                                                          (double(n) / sampleRate - start)));
    };
    for (const Bit &bit : signal.bits)
        addTone(bit.start, bit.tone);
    if (signal.toneLength > 0)
        addTone(signal.toneStart, signal.toneLength);
    return samples;
}

} // namespace linesignal
