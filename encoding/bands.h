#pragma once

// The frequency plan of a universal LNB as the window and the command-line
// tool offer it. All values in MHz.
namespace bands {

constexpr int kLocalOscillatorHigh = 10600;
constexpr int kLocalOscillatorLow = 9750;

// Transponder ranges per band; they meet at 11700, so switching the band
// always leaves a transponder at 11700 valid.
constexpr int kHighBandMin = 11700;
constexpr int kHighBandMax = 12750;
constexpr int kLowBandMin = 10700;
constexpr int kLowBandMax = 11700;

constexpr int kIfMin = 950;
constexpr int kIfMax = 2150;
constexpr int kUserbandFrequencyMin = 950;
constexpr int kUserbandFrequencyMax = 2150;
constexpr int kUserbandNumberMin = 1;
constexpr int kUserbandNumberMax = 32;
constexpr int kPinMin = 0;
constexpr int kPinMax = 255;

constexpr int intermediateFrequency(int transponderFrequency, bool lowBand)
{
    return transponderFrequency - (lowBand ? kLocalOscillatorLow : kLocalOscillatorHigh);
}

constexpr int transponderMin(bool lowBand)
{
    return lowBand ? kLowBandMin : kHighBandMin;
}

constexpr int transponderMax(bool lowBand)
{
    return lowBand ? kLowBandMax : kHighBandMax;
}

} // namespace bands
