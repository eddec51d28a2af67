#pragma once

#include "decimator.h"
#include "diseqcbus.h"
#include "phrase.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace linesignal {

// A stretch of samples that are not numbers or are clipped, outside any
// message: where it ends, and in how many stretches of bad samples.
struct DamagedSpan
{
    double end = 0; // s from the capture's start
    int places = 0;
};

// One message found in a capture, or a damaged span in its place in time.
struct Message
{
    // What the line carried: bits, or a tone without them (a tone burst, or
    // the continuous tone a receiver keeps on for the high band).
    enum class Kind
    {
        Bits,
        Tone,
    };
    Kind kind = Kind::Bits;
    double toneLength = 0;              // s, of a tone without bits
    double start = 0;                   // s from the capture's start
    std::optional<DamagedSpan> damaged; // set for a damaged span, which holds no message
    std::vector<std::uint8_t> bytes;    // the whole bytes read, checked or not
    int bitCount = 0;
    double toneFrequency = 0;  // Hz, measured over the bursts
    double tonePeakToPeak = 0; // in the capture's unit, as the line carried it
    double bitPeriod = 0;      // s, the typical slot
    double timingSpread = 0;   // largest deviation of a slot from it, relative
    bool hasSupply = false;    // the capture holds the DC supply
    double supplyBefore = 0;   // its mean over the 5 ms before the message's first slot
    double supplyDuring = 0;   // and over its slots, without the tone
    Phrase error;              // empty when every bit and parity bit held
    int errorByte = -1;        // where it failed, from 0; bit 8 is the parity bit
    int errorBit = -1;
};

// Finds the messages in samples of the line, DC-coupled or not, with mains
// hum, supply steps and noise, fed in blocks of any size as a recording is
// read: memory does not grow with its length. Each burst of tone is measured
// against the noise floor around it and its own level, so that a message is
// found wherever it lies and however strong it is beside the others. A
// message whose bits or parity do not hold says where in `error`, and its
// bytes are not to be taken for a command. Samples that are not numbers, or
// at or beyond `clip`, make a damaged message of their own, and reading
// starts afresh after them. Finds nothing at a sample rate outside
// kMinSampleRate..kMaxSampleRate. Recordings far faster than the tone needs
// are taken down first (see Decimator).
//
// The samples go through a chain of blocks, each with its own job: the
// tone filter, the tone envelope, the noise floor, the burst detector, the
// message assembler, and the slot reader (or the bit slicer where the
// mixed-down tone no longer reaches back far enough). The blocks share
// one set of verbs, each having those it needs: `push` gives it what comes
// in, `flush` says that nothing more will, `reset` starts it afresh (after
// a damaged span), and `take` hands over what it found.
class Demodulator
{
public:
    explicit Demodulator(double sampleRate, double clip = INFINITY);
    ~Demodulator();
    Demodulator(const Demodulator &) = delete;
    Demodulator &operator=(const Demodulator &) = delete;

    void push(const float *samples, std::size_t count);
    // 16-bit samples, full scale 32768, unreadable at either end of their
    // range.
    void push(const std::int16_t *samples, std::size_t count);
    // The recording has ended: a message still going on is reported as cut.
    void flush();
    // The messages found so far, in order, handed over once.
    std::vector<Message> take();

private:
    struct State;
    std::unique_ptr<State> state;
    Decimator decimator;
    std::vector<float> decimated;

    template <typename Sample> void through(const Sample *samples, std::size_t count);
};

// All of `samples` through a Demodulator.
std::vector<Message> readMessages(const std::vector<float> &samples, double sampleRate);

} // namespace linesignal
