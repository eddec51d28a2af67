#pragma once

#include "burstdetector.h"
#include "demodulator.h"

namespace linesignal {

// The line's mean, from the trace's sums of its samples without the tone:
// the supply before a message and over its slots, and whether a burst's
// beginning is a step of the supply ringing in the filter rather than tone.
class SupplyMeter
{
public:
    SupplyMeter(const PowerTrace &trace, double sampleRate);

    // The mean over [from, to) samples, as far back as the trace still
    // reaches; not a number where it holds none of them.
    double mean(double from, double to) const;
    // Whether the mean on either side of `at` (samples) differs by more
    // than a supply's share of a tone of power `level`.
    bool stepsAt(double at, double level) const;
    // The message's supply over kSupplyWindow before its start and from
    // its start to `end` (s), and whether it has one at all: a mean far
    // above the tone's own.
    void measure(Message &message, double end) const;

private:
    const PowerTrace &trace;
    const double rate;
};

// The supply is measured over this long before a message.
constexpr double kSupplyWindow = 5e-3; // s

} // namespace linesignal
