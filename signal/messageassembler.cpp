#include "messageassembler.h"

#include "bitslicer.h"
#include "diseqcbus.h"
#include "slotreader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace linesignal {
namespace {

// A shorter gap inside a burst is noise, and joins its two halves.
constexpr double kGlitchGap = 0.1e-3; // s
// A shorter burst is noise: a 1's tone lasts 0.5 ms.
constexpr double kShortestBurst = 0.2e-3; // s
// Bursts far stronger than the message's typical one are the ringing at a
// step of the supply; far weaker ones are noise.
constexpr double kStrongestBurst = 8, kWeakestBurst = 4;
// Bursts a bit period apart for half of a group may be a message; noise
// rises so only by chance, and such a group counts only when its slots
// hold a tone well above the noise. For three quarters it is a message.
constexpr std::size_t kRegularShare = 4, kRegularOf = 1;
constexpr std::size_t kSureShare = 4, kSureOf = 3;
// Fewer bits than a byte make no message, unless the recording or a damaged
// span cuts it short; then from this many, which noise does not make.
constexpr std::size_t kFewestBits = 9, kFewestCut = 4;

} // namespace

MessageAssembler::MessageAssembler(const PowerTrace &powerTrace, double sampleRate,
                                   const MixTrace *mixTrace)
    : trace(powerTrace), mix(mixTrace), rate(sampleRate), supply(powerTrace, sampleRate)
{
}

void MessageAssembler::push(const Burst &burst)
{
    halfPeriods += burst.halfPeriods;
    toneTime += burst.toneTime;
    // A burst too short for a bit, not joined by a glitch to the next, is a
    // swell of the noise: it must not hold a message open.
    if (!bursts.empty() && burst.begin - bursts.back().end >= kGlitchGap * rate &&
        bursts.back().end - bursts.back().begin < kShortestBurst * rate)
        bursts.pop_back();
    // Seen only now, when the burst ends: the silence before it ended the
    // message before.
    if (!bursts.empty() && burst.begin - bursts.back().end > kMessageSilence * rate)
        end(false);
    if (!bursts.empty() && burst.begin - bursts.back().end < kGlitchGap * rate) {
        bursts.back().end = burst.end;
        bursts.back().level = std::max(bursts.back().level, burst.level);
    } else {
        bursts.push_back(burst);
    }
}

void MessageAssembler::end(bool cut, bool badCut)
{
    std::vector<double> levels;
    for (const Burst &b : bursts)
        levels.push_back(b.level);
    double typical = 0;
    if (!levels.empty()) {
        std::nth_element(levels.begin(), levels.begin() + long(levels.size() / 2), levels.end());
        typical = levels[levels.size() / 2];
    }
    std::vector<Burst> group;
    for (const Burst &b : bursts) {
        if (b.end - b.begin >= kShortestBurst * rate && b.level <= kStrongestBurst * typical &&
            b.level * kWeakestBurst >= typical && !supply.stepsAt(b.begin, typical))
            group.push_back(b);
    }
    bursts.clear();
    const double tone = toneTime > 0 ? halfPeriods / 2 / toneTime : 0;
    halfPeriods = toneTime = 0;
    if (group.empty())
        return;
    // A lone burst as long as a tone burst is one; shorter or longer lone
    // bursts are no bits: noise, or the start of a longer tone.
    if (group.size() == 1 && !cut && !badCut &&
        isToneBurst((group.front().end - group.front().begin) / rate)) {
        Message m = toneEntry(group.front().begin, group.front().end, tone, typical);
        supply.measure(m, group.front().end / rate);
        closeSpan();
        done.push_back(std::move(m));
        return;
    }

    std::size_t regular = 0;
    for (std::size_t i = 0; i + 1 < group.size(); ++i) {
        const double period = (group[i + 1].begin - group[i].begin) / rate;
        regular += std::abs(period / kBitPeriod - 1) <= kTimingTolerance;
    }
    if (group.size() > 1 && regular * kRegularShare < (group.size() - 1) * kRegularOf)
        return;

    Message m;
    m.start = group.front().begin / rate;
    // Closer to an end of the recording than the longest gap inside a
    // message, a message may go on beyond it.
    const bool startsCut = m.start < kLongestGap;
    if (group.size() < kFewestBits &&
        ((!startsCut && !cut && !badCut) || group.size() < kFewestCut))
        return;
    m.toneFrequency = tone;
    // The tone's amplitude is the square root of twice its power.
    m.tonePeakToPeak = 2 * std::sqrt(2 * typical);
    if (startsCut)
        fail(m, PHRASE_WORDS("Phrase", "the capture starts inside this message"));
    if (cut)
        fail(m, PHRASE_WORDS("Phrase", "the capture ends inside this message"));
    if (badCut)
        fail(m, PHRASE_WORDS("Phrase", "samples that are not numbers or are clipped cut it short"));
    // The bits from the tone's energy in each slot where the trace still
    // holds the message; from the bursts' lengths where it does not.
    const bool sure = regular * kSureShare >= (group.size() - 1) * kSureOf;
    bool faint = false;
    if (mix && readSlots(m, group, rate, *mix, trace.step, faint, taken)) {
        // Its first slot, found from the tone, may lie nearer the start
        // than its first burst, or a damaged span reach into the slot
        // before it: then it began before what was read, and what went
        // wrong follows from that cut, which is said instead.
        const char *cutBy =
            !startsCut && m.start < kLongestGap
                ? PHRASE_WORDS("Phrase", "the capture starts inside this message")
            : spanEnded > (m.start - m.bitPeriod) * rate
                ? PHRASE_WORDS("Phrase", "samples that are not numbers or are clipped cut it short")
                : nullptr;
        if (cutBy) {
            m.error.clear();
            m.errorByte = m.errorBit = -1;
            fail(m, cutBy);
        }
        if (sure || !faint) {
            taken = (m.start + m.bitCount * m.bitPeriod) * rate;
            supply.measure(m, m.start + m.bitCount * m.bitPeriod);
            closeSpan();
            done.push_back(std::move(m));
        }
        return;
    }
    if (!sure)
        return;
    sliceBits(m, group, rate);
    taken = group.back().end;
    supply.measure(m, m.start + m.bitCount * m.bitPeriod);
    closeSpan();
    done.push_back(std::move(m));
}

Message MessageAssembler::toneEntry(double from, double to, double frequency, double level)
{
    Message m;
    m.kind = Message::Kind::Tone;
    m.start = from / rate;
    m.toneLength = (to - from) / rate;
    m.toneFrequency = frequency;
    // The tone's amplitude is the square root of twice its power.
    m.tonePeakToPeak = 2 * std::sqrt(2 * level);
    taken = to;
    return m;
}

void MessageAssembler::longTone(double from, double to, double level)
{
    // The tone's first stretch is the newest burst; bursts before it, too
    // close to be parted by a silence, are a message of their own.
    double frequency = toneTime > 0 ? halfPeriods / 2 / toneTime : 0;
    if (!bursts.empty() && bursts.back().begin >= from) {
        const Burst first = bursts.back();
        bursts.pop_back();
        halfPeriods -= first.halfPeriods;
        toneTime -= first.toneTime;
        if (first.toneTime > 0)
            frequency = first.halfPeriods / 2 / first.toneTime;
        if (!bursts.empty())
            end(false);
    }
    bursts.clear();
    halfPeriods = toneTime = 0;
    Message m = toneEntry(from, to, frequency, level);
    closeSpan();
    done.push_back(std::move(m));
}

void MessageAssembler::damagedSpan(double from, double to)
{
    taken = spanEnded = to;
    // Spans this close together are one stretch: one entry, however many
    // samples in it are bad, so that what is kept stays bounded.
    if (openSpan && from - openSpan->damaged->end * rate < kSpanJoin * rate) {
        openSpan->damaged->end = to / rate;
        ++openSpan->damaged->places;
    } else {
        closeSpan();
        openSpan.emplace();
        openSpan->start = from / rate;
        openSpan->damaged = DamagedSpan{to / rate, 1};
    }
}

void MessageAssembler::closeSpan()
{
    if (!openSpan)
        return;
    Message &m = *openSpan;
    fail(m, {PHRASE_WORDS("Phrase", "its samples from %1 to %2 ms are not numbers or are clipped"),
             {Phrase::decimal(m.start * 1e3, 3), Phrase::decimal(m.damaged->end * 1e3, 3)}});
    done.push_back(std::move(m));
    openSpan.reset();
}

void MessageAssembler::goodUntil(double at)
{
    if (openSpan && at - openSpan->damaged->end * rate >= kSpanJoin * rate)
        closeSpan();
}

std::vector<Message> MessageAssembler::take()
{
    std::vector<Message> messages;
    messages.swap(done);
    return messages;
}

} // namespace linesignal
