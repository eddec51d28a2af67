#pragma once

#include "command.h"

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

// The two preset lists of userband frequencies; each numbers its userbands
// from 1 in order of rising frequency.
struct PresetList
{
    int first;
    int step;
    int count;
};
constexpr PresetList kPresetLists[] = {{1284, 116, 8}, {974, 102, 12}};

// The frequency of a userband in a preset list (1 or 2), or 0 when the list
// has no such userband.
constexpr int presetFrequency(int list, int userbandNumber)
{
    const PresetList &l = kPresetLists[list - 1];
    return userbandNumber >= 1 && userbandNumber <= l.count
               ? l.first + (userbandNumber - 1) * l.step
               : 0;
}

constexpr int localOscillator(Band band)
{
    return band == Band::Low ? kLocalOscillatorLow : kLocalOscillatorHigh;
}

constexpr int intermediateFrequency(int transponderFrequency, Band band)
{
    return transponderFrequency - localOscillator(band);
}

// The band a transponder frequency lies in: low below 11700 MHz.
constexpr Band bandOf(int transponderFrequency)
{
    return transponderFrequency < kHighBandMin ? Band::Low : Band::High;
}

constexpr int transponderMin(Band band)
{
    return band == Band::Low ? kLowBandMin : kHighBandMin;
}

constexpr int transponderMax(Band band)
{
    return band == Band::Low ? kLowBandMax : kHighBandMax;
}

constexpr bool inBand(int transponderFrequency, Band band)
{
    return transponderFrequency >= transponderMin(band) &&
           transponderFrequency <= transponderMax(band);
}

} // namespace bands
