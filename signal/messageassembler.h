#pragma once

#include "burstdetector.h"
#include "demodulator.h"
#include "supplymeter.h"

#include <cmath>
#include <optional>
#include <vector>

namespace linesignal {

class MixTrace;

// Gathers bursts into messages: a silence longer than a bit's ends one.
// Drops what is not a message (ringing at a step of the supply, swells of
// the noise, bursts not timed like bits), measures the tone and the supply,
// and has the bits sliced.
class MessageAssembler
{
public:
    // With `mix`, the bits are read from the tone's energy in each slot.
    MessageAssembler(const PowerTrace &trace, double sampleRate, const MixTrace *mix = nullptr);

    bool inMessage() const { return !bursts.empty(); }
    // The levels the detector works against: the message's last and first
    // bursts' (0 outside a message).
    double lastLevel() const { return bursts.empty() ? 0 : bursts.back().level; }
    double firstLevel() const { return bursts.empty() ? 0 : bursts.front().level; }
    // Where the message's last burst began and ended, in samples.
    std::optional<double> lastBegin() const
    {
        return bursts.empty() ? std::nullopt : std::optional<double>(bursts.back().begin);
    }
    std::optional<double> lastEnd() const
    {
        return bursts.empty() ? std::nullopt : std::optional<double>(bursts.back().end);
    }

    void push(const Burst &burst);
    // A tone that went on past kLongestBurst, from `from` to `to` samples at
    // `level`: an entry of its own, which the bursts of its start were part of.
    void longTone(double from, double to, double level);
    // The message ends: it goes to the messages found when it is one.
    // `cut`: the recording ends inside it; `badCut`: unreadable samples do.
    void end(bool cut, bool badCut = false);
    // A span of unreadable samples from `from` to `to`, in samples. Spans
    // closer together than kSpanJoin make one entry, counting its places.
    void damagedSpan(double from, double to);
    // The samples are readable up to `at`: a stretch of spans far enough
    // behind is done.
    void goodUntil(double at);
    // The stretch of spans is done, before a message or at the end.
    void closeSpan();

    std::vector<Message> take();

private:
    const PowerTrace &trace;
    const MixTrace *mix;
    const double rate;
    const SupplyMeter supply;
    std::vector<Burst> bursts; // of the current message
    double halfPeriods = 0, toneTime = 0;
    std::vector<Message> done;
    double taken = 0;                // samples: where the last message or damaged span ended
    double spanEnded = -INFINITY;    // samples: where the last damaged span did
    std::optional<Message> openSpan; // the stretch of spans still growing

    // A tone without bits from `from` to `to` samples, at `level`.
    Message toneEntry(double from, double to, double frequency, double level);
};

// A longer silence ends a message. The longest gap inside one is 1 ms, but
// in the noise a few bursts in a row may be lost; commands are 15 ms apart.
// A message that ends closer than kLongestGap to an end of the recording
// may go on beyond it.
constexpr double kMessageSilence = 9e-3; // s
constexpr double kLongestGap = 3e-3;     // s
// Damaged spans with fewer readable samples between them are one stretch.
constexpr double kSpanJoin = 10e-3; // s
// The trace reaches back over a whole message and the supply before it,
// until a burst after the silence that ends it has ended too.
constexpr double kTraceTime =
    kSupplyWindow + kLongestMessage + kMessageSilence + kLongestBurst + kLookBack; // s

} // namespace linesignal
