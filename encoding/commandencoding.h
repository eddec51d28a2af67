#pragma once

#include "command.h"

#include <string>

// The window's two encoders: one set of settings, as plain numbers, for
// either standard, the frame as its hex text.
//   vertical, lowBand   zero for horizontal / high band, anything else otherwise
//   position            satellite position, 0 = A .. 3 = D
//   ifFrequency         intermediate frequency of the transponder, MHz
//   userbandFrequency   centre frequency of the userband, MHz (EN 50494 only)
//   userbandIndex       userband number minus one
//   pin                 0..255 sends a PIN (values above 255 send their low byte);
//                       negative sends none
// On success they return EncodeOk and assign the hex text to `text`;
// otherwise they return another EncodeResult and leave it untouched. Every
// int value of every argument is handled; none is undefined behaviour.
int encodeEn50494Command(std::string &text, int vertical, int lowBand, int position,
                         int ifFrequency, int userbandFrequency, int userbandIndex, int pin);
int encodeEn50607Command(std::string &text, int vertical, int lowBand, int position,
                         int ifFrequency, int userbandFrequency, int userbandIndex, int pin);
