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
    double stepUp = 0;   // s: 13 V to 18 V
    double stepDown = 0; // s: 18 V to 13 V
    double length = 0;   // s
};

LineSignal lineSignal(const std::vector<std::vector<std::uint8_t>> &commands);

// The line's voltage sampled at `sampleRate`: the supply with the tone on
// top, or the tone alone as seen behind a coupling capacitor.
std::vector<float> sampleLine(const LineSignal &signal, double sampleRate, bool withSupply,
                              double toneFrequency = kToneFrequency);

} // namespace linesignal
