#pragma once

#include "burstdetector.h"
#include "demodulator.h"

#include <vector>

namespace linesignal {

// The bits of one message's bursts: each slot's share of tone makes a 0 or
// a 1, every ninth bit the parity of the eight before. Measures the bit
// period and how far the slots stray from it, fills in the bytes, and says
// in `message.error` where the timing, a bit or a parity does not hold.
void sliceBits(Message &message, const std::vector<Burst> &bursts, double sampleRate);

// Records the first thing wrong with a message; later ones are kept out.
void fail(Message &message, Phrase error, int byte = -1, int bit = -1);

// Gathers a message's bits, as its reader decides them, into its bytes:
// eight, most significant first, then the odd parity bit, which must hold.
class BitGatherer
{
public:
    explicit BitGatherer(Message &message) : m(message) {}
    void add(bool value);
    // After the last bit: bits that make no whole byte are damage too.
    void flush();

private:
    Message &m;
    int count = 0, ones = 0;
    std::uint8_t byte = 0;
};

// "byte 2, bit 5: " and `what`, for messages about one bit, counted from 1.
Phrase bitPlace(int index, Phrase what);

// Fails a message whose tone or bit period lies outside what the bus
// allows, in one set of words wherever the message was read; the tone
// first. Once its rate is known.
void judgeTiming(Message &message);

} // namespace linesignal
