#pragma once

#include "burstdetector.h"
#include "demodulator.h"

#include <complex>
#include <cstdint>
#include <optional>
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
    void push(const double *values, std::size_t count, std::complex<double> *turned);
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

// The slots' timing, fitted to the bursts' beginnings (in samples): each
// burst begins a slot, bursts lost or merged in the noise cost no slot,
// and bursts off their slot by more than a fifth are left out of the fit.
struct SlotFit
{
    double start = 0;  // samples: where the first burst's slot begins
    double period = 0; // samples
    int count = 0;     // slots from the first burst's to the last's
    // The largest deviation from the period of a burst that follows the
    // one before by a slot, relative.
    double timingSpread = 0;
};
// None for fewer than two bursts, or a period outside the bus's tolerance.
std::optional<SlotFit> fitSlots(const std::vector<Burst> &bursts, double sampleRate);

// The tone's offset from its nominal frequency (Hz), from its phase
// turning from block to block inside the bursts, starting from `measured`,
// the zero crossings' frequency (0 when there is none).
double toneOffset(const std::vector<Burst> &bursts, const MixTrace &mix, std::size_t step,
                  double measured);

// The mixed-down tone summed over stretches of samples, its offset turned
// back, so that a stretch's magnitude is the tone's there.
class ToneIn
{
public:
    ToneIn(const MixTrace &mix, std::size_t step, double offset);
    std::complex<double> operator()(double from, double to) const; // samples
    double step() const { return stepLength; }

private:
    const MixTrace &mix;
    double stepLength, offset;
    std::complex<double> stepTurn;
};

// The tone in each third of a slot, only the middle of each summed, so
// that the filter's rise and fall and the slots' timing stay outside it.
class Thirds
{
public:
    Thirds(const ToneIn &tone, double period);
    std::complex<double> at(double slotStart, int which) const; // which: 0, 1, 2
    std::complex<double> last(double slotStart) const;          // to the slot's very end
    // The later half of the first third: a bit's tone lasts through it.
    std::complex<double> firstLate(double slotStart) const;
    // How many samples a third sums.
    double samplesIn(double slotStart, int which) const;

private:
    ToneIn tone;
    double period, third, margin;
};

// What the slots' thirds hold: the first always holds tone and the last
// never does; the middle holds it for a 0 and not for a 1.
struct SlotThirds
{
    std::vector<std::complex<double>> first, second;
    std::vector<double> strength; // of the first thirds
    std::vector<double> middle;   // the middle third projected on the first's phase
    std::vector<double> late;     // the first third's later half, projected so
    double tone = 0;              // the first thirds' mean strength
    double noise = 0;             // the last thirds' root mean square
};
SlotThirds measureThirds(const Thirds &thirds, double start, double period, int count);

// The bits from the thirds into `read`'s bytes; a slot without tone where
// it begins, or a middle third too close to call, fails the message there.
void decideBits(Message &read, const SlotThirds &measured);

// Reads the bits of a message from the tone's energy in each third of
// each slot (fitSlots, toneOffset, measureThirds, decideBits). Slots beyond
// the bursts that begin with tone and end without are bits whose bursts
// were lost in the noise; the message starts where its first slot does.
// Returns false, leaving the message as it was, where the trace no longer
// holds the message. `faint` says whether its tone was too faint against
// the noise to be one. No slot is taken in before `notBefore` (samples):
// the end of the message or damaged span before.
bool readSlots(Message &message, const std::vector<Burst> &bursts, double sampleRate,
               const MixTrace &mix, std::size_t step, bool &faint, double notBefore = 0);

} // namespace linesignal
