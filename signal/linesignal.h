#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A command as the receiver puts it on the LNB cable, and back: DiSEqC sends
// each bit as a burst of a 22 kHz tone at the start of a 1.5 ms slot, 1.0 ms
// for a 0 and 0.5 ms for a 1, every byte most significant bit first and
// followed by an odd parity bit. A single-cable receiver raises the supply
// from 13 V to 18 V before the command and lowers it again after.
namespace linesignal {

constexpr double kToneFrequency = 22000.0; // Hz
constexpr double kToneAmplitude = 0.325;   // V: 650 mV peak to peak
constexpr double kBitPeriod = 1.5e-3;      // s
constexpr double kLowSupply = 13.0;        // V
constexpr double kHighSupply = 18.0;       // V
constexpr double kQuietAfterStep = 15e-3;  // s at 18 V before a command, and after it
constexpr double kMessageGap = 15e-3;      // s between two commands
constexpr double kMinToneFrequency = 17600.0;
constexpr double kMaxToneFrequency = 26400.0;
// Four samples a tone period at the highest tone frequency read.
constexpr double kMinSampleRate = 88200.0; // Hz
constexpr double kMaxSampleRate = 1e9;     // Hz

struct Bit
{
    bool value;
    bool parity;   // the parity bit after a byte's eight
    int byteIndex; // in its command
    double start;  // s from the signal's start
    double tone;   // s of tone at the start of the slot
};

// One or more commands on the line: their bits with their timing, inside one
// period at 18 V.
struct LineSignal
{
    std::vector<std::vector<std::uint8_t>> commands;
    std::vector<Bit> bits;
    double stepUp = 0;   // s: 13 V to 18 V
    double stepDown = 0; // s: 18 V to 13 V
    double length = 0;   // s
};

LineSignal lineSignal(const std::vector<std::vector<std::uint8_t>> &commands);

// The line's voltage sampled at `sampleRate`: the supply with the tone on
// top, or the tone alone as seen behind a coupling capacitor.
std::vector<float> sampleLine(const LineSignal &signal, double sampleRate, bool withSupply,
                              double toneFrequency = kToneFrequency);

// One message found in a capture.
struct Message
{
    double start = 0;                // s from the capture's start
    std::vector<std::uint8_t> bytes; // the whole bytes read, checked or not
    int bitCount = 0;
    double toneFrequency = 0; // Hz, measured over the bursts
    double bitPeriod = 0;     // s, the typical slot
    double timingSpread = 0;  // largest deviation of a slot from it, relative
    bool hasSupply = false;   // the capture holds the DC supply
    double supplyBefore = 0;  // its level in the 5 ms before the message
    double supplyDuring = 0;  // and during it
    std::string error;        // empty when every bit and parity bit held
    int errorByte = -1;       // where it failed, from 0; bit 8 is the parity bit
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
// kMinSampleRate..kMaxSampleRate.
class Demodulator
{
public:
    explicit Demodulator(double sampleRate, double clip = INFINITY);
    ~Demodulator();
    Demodulator(const Demodulator &) = delete;
    Demodulator &operator=(const Demodulator &) = delete;

    void feed(const float *samples, std::size_t count);
    // The recording has ended: a message still going on is reported as cut.
    void finish();
    // The messages found so far, in order, handed over once.
    std::vector<Message> take();

private:
    struct State;
    std::unique_ptr<State> state;
};

// All of `samples` through a Demodulator.
std::vector<Message> readMessages(const std::vector<float> &samples, double sampleRate);

} // namespace linesignal
