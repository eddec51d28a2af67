#pragma once

// How a command travels on the LNB cable: DiSEqC sends each bit as a burst
// of a 22 kHz tone at the start of a 1.5 ms slot, 1.0 ms for a 0 and 0.5 ms
// for a 1, every byte most significant bit first and followed by an odd
// parity bit. A single-cable receiver raises the supply from 13 V to 18 V
// before the command and lowers it again after.
namespace linesignal {

constexpr double kToneFrequency = 22000.0; // Hz
constexpr double kToneAmplitude = 0.325;   // V: 650 mV peak to peak
constexpr double kBitPeriod = 1.5e-3;      // s
constexpr double kZeroTone = 1.0e-3;       // s of tone in a 0's slot
constexpr double kOneTone = 0.5e-3;        // s of tone in a 1's slot
constexpr double kLowSupply = 13.0;        // V
constexpr double kHighSupply = 18.0;       // V
constexpr double kQuietAfterStep = 15e-3;  // s at 18 V before a command, and after it
constexpr double kMessageGap = 15e-3;      // s between two commands
// Six bytes and their parity bits, the longest command, with room to spare.
constexpr double kLongestMessage = 0.1; // s
// The bus allows a fifth off the nominal timing, and the tone as much.
constexpr double kTimingTolerance = 0.2;
// The tone burst A: unmodulated tone, as long as this within the tolerance.
constexpr double kToneBurstLength = 12.5e-3; // s
inline bool isToneBurst(double length)
{
    return length >= kToneBurstLength * (1 - kTimingTolerance) &&
           length <= kToneBurstLength * (1 + kTimingTolerance);
}
constexpr double kMinToneFrequency = 17600.0;
constexpr double kMaxToneFrequency = 26400.0;
// Four samples a tone period at the highest tone frequency read.
constexpr double kMinSampleRate = 88200.0; // Hz
constexpr double kMaxSampleRate = 1e9;     // Hz
// A rate typed for an export that holds only values, with the tool's
// --sample-rate or the reader's box.
constexpr int kMostTypedRate = 100000000; // Hz

constexpr double kPi = 3.14159265358979323846;

} // namespace linesignal
