#pragma once

#include <string>

// Result codes of the two encoders.
enum EncodeResult
{
    EncodeOk = 0,
    EncodePositionOutOfRange = 1,
    EncodeUserbandOutOfRange = 2,
    EncodeFrequencyOutOfRange = 3,
};

// Both encoders take the same arguments in the same order so that a caller can
// feed one set of settings to either standard:
//   vertical, lowBand   zero for horizontal / high band, anything else otherwise
//   position            satellite position, 0 = A .. 3 = D
//   ifFrequency         intermediate frequency of the transponder, MHz
//   userbandFrequency   centre frequency of the userband, MHz (EN 50494 only)
//   userbandIndex       userband number minus one
//   pin                 0..255 sends a PIN (values above 255 send their low byte);
//                       negative sends none
// On success they return EncodeOk and assign the frame's hex text to `text`;
// otherwise they return another EncodeResult and leave `text` untouched.
// Every int value of every argument is handled; none is undefined behaviour.

// EN 50494: E0 10 5A|5C, two data bytes, optional PIN byte.
int encodeEn50494Command(std::string &text, int vertical, int lowBand, int position,
                         int ifFrequency, int userbandFrequency, int userbandIndex, int pin);

// EN 50607: 70|71, three data bytes, optional PIN byte.
int encodeEn50607Command(std::string &text, int vertical, int lowBand, int position,
                         int ifFrequency, int userbandFrequency, int userbandIndex, int pin);

// The switch-off commands (tuning word 0): the outdoor unit frees the
// userband. Return EncodeUserbandOutOfRange for a userband index outside the
// standard's range; `pin` as above.
int encodeEn50494PowerOff(std::string &text, int userbandIndex, int pin);
int encodeEn50607PowerOff(std::string &text, int userbandIndex, int pin);
