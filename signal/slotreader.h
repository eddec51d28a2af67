#pragma once

#include "burstdetector.h"
#include "demodulator.h"

#include <complex>
#include <cstdint>
#include <vector>

namespace linesignal {

// The tone mixed down: for every power kept, the sum of the filtered
// samples turned by the nominal tone's phase, for the last while, round.
// Summed over a stretch, its magnitude is the tone's there, against the
// noise of only that stretch's bandwidth.
class MixTrace
{
public:
    MixTrace(std::size_t step, double sampleRate);
    // Each filtered sample of a run turned by the tone's phasor, into
    // `turned`; add() sums what a step holds.
    void turn(const double *values, std::size_t count, std::complex<double> *turned);
    void add(std::complex<double> turned) { sum += turned; }
    // The step's sum, at the trace's index, which follows the one before.
    void keep(std::uint64_t index)
    {
        const std::size_t k = 2 * next(index);
        sums[k] = float(sum.real());
        sums[k + 1] = float(sum.imag());
        sum = 0;
    }
    void quiet(std::uint64_t index) // a step of unreadable samples
    {
        const std::size_t k = 2 * next(index);
        sums[k] = sums[k + 1] = 0;
        sum = 0;
    }
    bool holds(std::uint64_t from) const { return from + steps > newest; }
    bool reaches(std::uint64_t index) const { return index <= newest; }
    std::complex<float> at(std::uint64_t index) const
    {
        // Counted back from the newest, without a division.
        const std::uint64_t back = newest - index;
        const std::size_t k = 2 * (index > newest || back >= steps ? std::size_t(index % steps)
                                   : slot >= back                  ? slot - std::size_t(back)
                                                  : slot + steps - std::size_t(back));
        return {sums[k], sums[k + 1]};
    }
    double stepSeconds() const { return seconds; }

private:
    // Each step's sum as two floats: zeroed at once where a vector of
    // complex numbers is constructed one by one, which a reader made per
    // short block would feel.
    std::size_t steps;
    std::vector<float> sums;
    std::uint64_t newest = 0;
    std::size_t slot = 0; // newest % steps

    std::size_t next(std::uint64_t index)
    {
        slot =
            index == newest + 1 ? (slot + 1 == steps ? 0 : slot + 1) : std::size_t(index % steps);
        newest = index;
        return slot;
    }
    std::complex<double> phasor{1, 0}, perSample, sum{0, 0};
    int turns = 0;
    const double seconds;
};

// Reads the bits of a message from the tone's energy in each third of
// each slot: the first third always holds tone and the last never does;
// the middle holds it for a 0 and not for a 1. The slots are timed by the
// bursts' beginnings over the whole message and the tone's frequency by its
// phase over them, so that an off-nominal tone or bus costs nothing. Slots
// beyond the bursts that begin with tone and end without are bits whose
// bursts were lost in the noise; the message starts where its first slot
// does. A bit whose middle third lies too near halfway between tone and
// silence makes the message damaged, naming the byte and bit. Returns false, leaving the
// message as it was, where the trace no longer holds the message. `faint`
// says whether its tone was too faint against the noise to be one. No slot
// is taken in before `notBefore` (samples): the end of the message or
// damaged span before.
bool readSlots(Message &message, const std::vector<Burst> &bursts, double sampleRate,
               const MixTrace &mix, std::size_t step, bool &faint, double notBefore = 0);

} // namespace linesignal
