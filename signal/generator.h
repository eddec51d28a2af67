#pragma once

#include "diseqcbus.h"

#include <cstdint>
#include <vector>

// Commands as a receiver puts them on the cable, for files that test
// equipment plays and for the pictures of the signal.
namespace linesignal {

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
    // Tone without bits, as a tone burst A or the continuous tone: from
    // `toneStart`, for `toneLength` s.
    double toneStart = 0;
    double toneLength = 0;
    double stepUp = 0;   // s: 13 V to 18 V
    double stepDown = 0; // s: 18 V to 13 V
    double length = 0;   // s
};

LineSignal lineSignal(const std::vector<std::vector<std::uint8_t>> &commands);
// An unmodulated tone of `length` s inside the same period at 18 V: 12.5 ms
// is the tone burst A. (The tone burst B is nine 1s: the byte FF.)
LineSignal toneSignal(double length);

// The line's voltage sampled at `sampleRate`: the supply with the tone on
// top, or the tone alone as seen behind a coupling capacitor.
std::vector<float> sampleLine(const LineSignal &signal, double sampleRate, bool withSupply,
                              double toneFrequency = kToneFrequency);

} // namespace linesignal
