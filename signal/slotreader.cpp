#include "slotreader.h"

#include "bitslicer.h"
#include "diseqcbus.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace linesignal {
namespace {

// The trace holds a message of six bytes with room to spare.
constexpr double kMixTime = 0.125; // s
// Of each third, only the middle is summed: the filter's rise and fall and
// the slots' timing stay outside it.
constexpr double kThirdInner = 0.9;
// A bit's middle third between 0.43 and 0.57 of the tone is too close to
// call.
constexpr double kCallMargin = 0.07;
constexpr int kBitsPerByte = 9;
constexpr double kFrequencyBlock = 0.1e-3; // s
// A burst further than this share of a slot from where its slot begins is
// not a bit's.
constexpr double kOffSlot = 0.2;
// A tone this many times the noise within a third: noise alone never comes
// near it, a command 4 dB over the noise within 30 kHz well above.
constexpr double kLeastToneOverNoise = 3;
// Tone in a slot beside the message at half its level: it goes on there.
constexpr double kBeyond = 0.5;

// A bit's share of tone in its middle third this many times the noise's
// spread from the other value cannot have been moved there by noise; one
// this close to the value the parity bit leaves may have.
constexpr double kSureSpreads = 5, kReachSpreads = 5;

// A bit's tone fills its first third, whose later half then holds half of
// its sum, a little more while the filter rises. Clicks shorter than that,
// which the filters stretch into bursts, leave far less there.
constexpr double kLeastLateShare = 0.3;

// The bits from their shares of tone in the middle third: a 1 below half,
// a 0 above; -1 for a share too close to half to call. A bit too close to
// call that is the only one in its byte, among bits that noise cannot have
// turned, is the one value the parity bit leaves, where noise of `spread`
// (against the tone) reaches that far: as sure as the others. A bit that
// clean samples make half of each (a tone of the wrong length) stays open.
std::vector<int> callBits(const std::vector<double> &shares, double spread)
{
    std::vector<int> bits;
    for (const double share : shares)
        bits.push_back(std::abs(share - 0.5) < kCallMargin ? -1 : share < 0.5);
    for (std::size_t from = 0; from + kBitsPerByte <= bits.size(); from += kBitsPerByte) {
        int open = -1, ones = 0;
        bool sure = true;
        for (std::size_t i = from; i < from + kBitsPerByte; ++i) {
            const double share = shares[i];
            if (bits[i] < 0) {
                sure = sure && open < 0;
                open = int(i);
            } else {
                ones += bits[i];
                sure = sure && (bits[i] ? 1 - share : share) >= kSureSpreads * spread;
            }
        }
        if (open < 0 || !sure)
            continue;
        const int value = ones % 2 == 0; // odd parity over the nine
        const double share = shares[std::size_t(open)];
        if ((value ? share : 1 - share) <= kReachSpreads * spread)
            bits[std::size_t(open)] = value;
    }
    return bits;
}

// The tone's peak to peak from the sums of thirds (a tone of amplitude A
// sums to A / 2 a sample): over the middle thirds of the 0s, whose tone
// began a third before and so has risen through the filters; over the
// first thirds where no bit is a sure 0. `samples(i, third)` is how many
// samples of bit i's third were summed.
template <typename Samples>
double peakToPeak(const std::vector<double> &shares, const std::vector<std::complex<double>> &first,
                  const std::vector<std::complex<double>> &second, Samples samples)
{
    constexpr double kSureZero = 0.75;
    for (const bool zeros : {true, false}) {
        double sum = 0, count = 0;
        for (std::size_t i = 0; i < shares.size(); ++i) {
            if (zeros && shares[i] < kSureZero)
                continue;
            sum += std::abs(zeros ? second[i] : first[i]);
            count += samples(int(i), zeros ? 1 : 0);
        }
        if (count > 0)
            return 4 * sum / count;
    }
    return 0;
}

// A product without the checks for infinities that the library's does per
// call: these run per sample.
inline std::complex<double> times(std::complex<double> a, std::complex<double> b)
{
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

// The phasor is made whole again this often, before rounding could tell.
constexpr int kRenormalise = 4096;

} // namespace

MixTrace::MixTrace(std::size_t step, double sampleRate)
    : steps(std::size_t(kMixTime * sampleRate / double(step)) + 1), sums(2 * steps),
      perSample(std::polar(1.0, -2 * kPi * kToneFrequency / sampleRate)),
      seconds(double(step) / sampleRate)
{
}

void MixTrace::push(const double *values, std::size_t count, std::complex<double> *turned)
{
    // Kept in locals, which the compiler holds in registers.
    std::complex<double> at = phasor;
    int since = turns;
    for (std::size_t i = 0; i < count; ++i) {
        turned[i] = values[i] * at;
        at = times(at, perSample);
        if (++since == kRenormalise) {
            at /= std::abs(at);
            since = 0;
        }
    }
    phasor = at;
    turns = since;
}

std::optional<SlotFit> fitSlots(const std::vector<Burst> &bursts, double rate)
{
    if (bursts.size() < 2)
        return std::nullopt;
    // The slots' timing: each burst begins a slot; a straight line through
    // the beginnings by their slot's number.
    const double nominal = kBitPeriod * rate;
    // Most bursts follow the one before by a slot: their median spacing
    // near a bit period numbers them, each from the last burst that lay on
    // its slot, so that bursts lost or merged in the noise cost no slot;
    // then a line through all of them times them.
    std::vector<double> spacings, near;
    for (std::size_t i = 0; i + 1 < bursts.size(); ++i) {
        spacings.push_back(bursts[i + 1].begin - bursts[i].begin);
        if (std::abs(spacings.back() / nominal - 1) <= kTimingTolerance)
            near.push_back(spacings.back());
    }
    std::vector<double> &usual = near.size() * 2 >= spacings.size() ? near : spacings;
    std::nth_element(usual.begin(), usual.begin() + long(usual.size() / 2), usual.end());
    double period = usual[usual.size() / 2];
    std::vector<double> slot(bursts.size(), 0.0);
    for (std::size_t i = 1, anchor = 0; i < bursts.size(); ++i) {
        const double since = bursts[i].begin - bursts[anchor].begin;
        slot[i] = slot[anchor] + std::round(since / period);
        if (std::abs(since - (slot[i] - slot[anchor]) * period) <= kOffSlot * period)
            anchor = i;
    }
    // Bursts off their slot by more than a fifth are swells of the noise:
    // they are left out of the line, which is drawn again without them.
    std::vector<bool> used(bursts.size(), true);
    double start = bursts.front().begin;
    for (int pass = 0; pass < 4; ++pass) {
        double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (std::size_t i = 0; i < bursts.size(); ++i) {
            if (pass > 0)
                slot[i] = std::round((bursts[i].begin - start) / period);
            if (!used[i])
                continue;
            n += 1;
            sx += slot[i];
            sy += bursts[i].begin;
            sxx += slot[i] * slot[i];
            sxy += slot[i] * bursts[i].begin;
        }
        const double d = n * sxx - sx * sx;
        if (n < 2 || d <= 0)
            return std::nullopt;
        period = (n * sxy - sx * sy) / d;
        start = (sy - period * sx) / n;
        for (std::size_t i = 0; i < bursts.size(); ++i)
            used[i] = std::abs(bursts[i].begin - (start + slot[i] * period)) <= kOffSlot * period;
    }
    // The message spans the slots its bursts begin in, those off their
    // slot too (a swell of the noise merged into the first burst moves its
    // beginning); slots at its ends without tone are left out later.
    double lowest = INFINITY, highest = -INFINITY;
    for (std::size_t i = 0; i < bursts.size(); ++i) {
        const double at = std::round((bursts[i].begin - start) / period);
        lowest = std::min(lowest, at);
        highest = std::max(highest, at);
    }
    if (!(highest >= lowest))
        return std::nullopt;
    SlotFit fit;
    fit.start = start + lowest * period;
    fit.period = period;
    fit.count = int(highest - lowest) + 1;
    if (std::abs(period / nominal - 1) > kTimingTolerance || fit.count > 6 * kBitsPerByte * 2)
        return std::nullopt;
    for (std::size_t i = 0; i + 1 < bursts.size(); ++i) {
        if (used[i] && used[i + 1] && slot[i + 1] - slot[i] == 1)
            fit.timingSpread =
                std::max(fit.timingSpread,
                         std::abs(bursts[i + 1].begin - bursts[i].begin - period) / period);
    }
    return fit;
}

double toneOffset(const std::vector<Burst> &bursts, const MixTrace &mix, std::size_t step,
                  double measured)
{
    const double stepLength = double(step);
    // A block long enough for the mixer's image at twice the tone to
    // cancel, short enough that an offset of a fifth turns it less than
    // half round.
    const auto blockSteps =
        std::max<std::uint64_t>(1, std::uint64_t(kFrequencyBlock / mix.stepSeconds()));
    // Turned back first by the frequency the zero crossings give, so that
    // what is left turns less than half round from block to block.
    const double coarse = std::clamp(measured > 0 ? measured - kToneFrequency : 0.0,
                                     -kToneFrequency / 2, kToneFrequency / 2);
    // A raised-cosine window keeps the image out of the blocks' phase.
    std::vector<std::complex<double>> window;
    for (std::uint64_t i = 0; i < blockSteps; ++i) {
        const double w = std::sin(kPi * (double(i) + 0.5) / double(blockSteps));
        window.push_back(w * w *
                         std::polar(1.0, -2 * kPi * coarse * double(i) * mix.stepSeconds()));
    }
    const auto block = [&](std::uint64_t from) {
        std::complex<double> sum = 0;
        for (std::uint64_t i = 0; i < blockSteps; ++i)
            sum += times(window[i], std::complex<double>(mix.at(from + i)));
        return times(sum, std::polar(1.0, -2 * kPi * coarse * double(from) * mix.stepSeconds()));
    };
    std::complex<double> turning = 0;
    for (const Burst &b : bursts) {
        const auto last = std::uint64_t(std::max(0.0, b.end / stepLength));
        for (auto k = std::uint64_t(b.begin / stepLength) + blockSteps / 2;
             k + 2 * blockSteps + blockSteps / 2 <= last; k += blockSteps)
            turning += block(k + blockSteps) * std::conj(block(k));
    }
    return coarse + std::arg(turning) / (2 * kPi * double(blockSteps) * mix.stepSeconds());
}

ToneIn::ToneIn(const MixTrace &trace, std::size_t step, double toneOffset)
    : mix(trace), stepLength(double(step)), offset(toneOffset),
      stepTurn(std::polar(1.0, -2 * kPi * toneOffset * trace.stepSeconds()))
{
}

std::complex<double> ToneIn::operator()(double from, double to) const
{
    const auto first = std::uint64_t(std::max(0.0, std::ceil(from / stepLength)));
    std::complex<double> sum = 0, turn = 1;
    for (auto k = first; double(k + 1) * stepLength <= to; ++k) {
        sum += times(std::complex<double>(mix.at(k)), turn);
        turn = times(turn, stepTurn);
    }
    return times(sum, std::polar(1.0, -2 * kPi * offset * double(first) * mix.stepSeconds()));
}

Thirds::Thirds(const ToneIn &toneIn, double slotPeriod)
    : tone(toneIn), period(slotPeriod), third(slotPeriod / 3), margin(third * (1 - kThirdInner) / 2)
{
}

std::complex<double> Thirds::last(double slotStart) const
{
    return tone(slotStart + 2 * third + margin, slotStart + period - margin);
}

std::complex<double> Thirds::firstLate(double slotStart) const
{
    return tone(slotStart + third / 2, slotStart + third - margin);
}

std::complex<double> Thirds::at(double slotStart, int which) const
{
    return tone(slotStart + which * third + margin, slotStart + (which + 1) * third - margin);
}

double Thirds::samplesIn(double slotStart, int which) const
{
    const double from = slotStart + which * third, stepLength = tone.step();
    return std::max(0.0, std::floor((from + third - margin) / stepLength) -
                             std::ceil(std::max(0.0, from + margin) / stepLength)) *
           stepLength;
}

SlotThirds measureThirds(const Thirds &thirds, double start, double period, int count)
{
    SlotThirds measured;
    for (int i = 0; i < count; ++i) {
        measured.first.push_back(thirds.at(start + i * period, 0));
        measured.second.push_back(thirds.at(start + i * period, 1));
        measured.strength.push_back(std::abs(measured.first.back()));
    }
    for (const double s : measured.strength)
        measured.tone += s;
    measured.tone /= count;
    // The middle third against the first, projected on its phase.
    for (int i = 0; i < count; ++i) {
        const double f = measured.strength[std::size_t(i)];
        const auto projected = [&](std::complex<double> z) {
            return f > 0 ? std::real(z * std::conj(measured.first[std::size_t(i)])) / f : 0;
        };
        measured.middle.push_back(projected(measured.second[std::size_t(i)]));
        measured.late.push_back(projected(thirds.firstLate(start + i * period)));
    }
    // The noise in the last thirds, which never hold tone.
    for (int i = 0; i < count; ++i)
        measured.noise += std::norm(thirds.last(start + i * period));
    measured.noise = std::sqrt(measured.noise / count);
    return measured;
}

void decideBits(Message &read, const SlotThirds &measured)
{
    std::vector<double> shares;
    for (const double inMiddle : measured.middle)
        shares.push_back(inMiddle / measured.tone);
    // One component of the noise moves a share.
    const std::vector<int> called =
        callBits(shares, measured.noise / std::sqrt(2.0) / measured.tone);
    BitGatherer bits(read);
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const int byteIndex = int(i) / kBitsPerByte, bitIndex = int(i) % kBitsPerByte;
        const double share = shares[i];
        if (measured.strength[i] < kBeyond * measured.tone)
            fail(read, bitPlace(int(i), PHRASE_WORDS("Phrase", "no tone where its slot begins")),
                 byteIndex, bitIndex);
        if (called[i] < 0)
            fail(read,
                 bitPlace(int(i),
                          {PHRASE_WORDS("Phrase", "too close to call between a 0 and a 1 (%1 %)"),
                           {Phrase::decimal(share * 100, 0)}}),
                 byteIndex, bitIndex);
        bits.add(called[i] > 0 || (called[i] < 0 && share < 0.5));
    }
    bits.flush();
}

bool readSlots(Message &m, const std::vector<Burst> &bursts, double rate, const MixTrace &mix,
               std::size_t step, bool &faint, double notBefore)
{
    if (bursts.size() < 2)
        return false;
    const double stepLength = double(step); // samples
    if (!mix.holds(std::uint64_t(bursts.front().begin / stepLength)))
        return false;
    const std::optional<SlotFit> fit = fitSlots(bursts, rate);
    if (!fit)
        return false;
    const double period = fit->period;
    double start = fit->start;
    int count = fit->count;
    const double offset = toneOffset(bursts, mix, step, m.toneFrequency);
    const Thirds thirds(ToneIn(mix, step, offset), period);

    std::vector<double> strength;
    for (int i = 0; i < count; ++i)
        strength.push_back(std::abs(thirds.at(start + i * period, 0)));
    std::vector<double> sorted = strength;
    std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
    const double typical = sorted[sorted.size() / 2];
    // Every bit begins with tone: slots at either end without it are noise
    // that the bursts took in, not bits.
    int from = 0, to = count;
    while (from < to && strength[std::size_t(from)] < kBeyond * typical)
        ++from;
    while (to > from && strength[std::size_t(to - 1)] < kBeyond * typical)
        --to;
    if (to - from < 2)
        return false;
    start += from * period;
    count = to - from;
    // A slot that begins before what was read last ends (the message or
    // damaged span before) is not this message's to read: the message is
    // cut there, and says so.
    bool overlaps = false;
    while (count > 0 && start < notBefore) {
        start += period;
        --count;
        overlaps = true;
    }
    if (count < 2)
        return false;
    // And slots beyond the bursts at either end that begin with tone and
    // end without are bits whose bursts were lost in the noise.
    const auto isBit = [&](double at) {
        return std::abs(thirds.at(at, 0)) >= kBeyond * typical &&
               std::abs(thirds.at(at, 2)) < kBeyond * typical;
    };
    const int most = 6 * kBitsPerByte;
    while (count < most && start - period >= std::max(0.0, notBefore) &&
           mix.holds(std::uint64_t((start - period) / stepLength)) && isBit(start - period)) {
        start -= period;
        ++count;
    }
    while (count < most &&
           mix.reaches(std::uint64_t((start + (count + 1) * period) / stepLength)) &&
           isBit(start + count * period))
        ++count;
    const SlotThirds measured = measureThirds(thirds, start, period, count);
    const double tone = measured.tone;
    if (!(tone > 0))
        return false;
    // Tone in the first third of the slot before or after: the bursts read
    // are part of a longer message, some of whose bursts were not found.
    const bool before =
        start - period >= 0 && mix.holds(std::uint64_t((start - period) / stepLength));
    const bool goesOn = (before && std::abs(thirds.at(start - period, 0)) > kBeyond * tone) ||
                        std::abs(thirds.at(start + count * period, 0)) > kBeyond * tone;

    Message read = m;
    read.bytes.clear();
    read.start = start / rate;
    read.bitCount = count;
    read.bitPeriod = period / rate;
    read.toneFrequency = kToneFrequency + offset;
    read.timingSpread = std::max(read.timingSpread, fit->timingSpread);
    judgeTiming(read);
    faint = tone < kLeastToneOverNoise * measured.noise;
    if (faint)
        fail(read,
             {PHRASE_WORDS("Phrase", "its tone is only %1 times the noise; too faint to read"),
              {Phrase::decimal(tone / measured.noise, 1)}});
    if (overlaps)
        fail(read, PHRASE_WORDS("Phrase", "it begins inside what was read before it"));
    double late = 0;
    for (const double l : measured.late)
        late += l;
    const double lateShare = late / count / tone;
    if (lateShare < kLeastLateShare)
        fail(read, {PHRASE_WORDS("Phrase", "its tone stops early in each slot's first third "
                                           "(%1 % of it in the later half): clicks, not bits"),
                    {Phrase::decimal(lateShare * 100, 0)}});
    if (goesOn)
        fail(read,
             PHRASE_WORDS("Phrase", "its tone goes on beyond the bits found: part of a message "
                                    "whose other bursts were lost in the noise"));
    std::vector<double> shares;
    for (const double inMiddle : measured.middle)
        shares.push_back(inMiddle / tone);
    read.tonePeakToPeak =
        peakToPeak(shares, measured.first, measured.second,
                   [&](int i, int which) { return thirds.samplesIn(start + i * period, which); });
    decideBits(read, measured);
    m = read;
    return true;
}

} // namespace linesignal
