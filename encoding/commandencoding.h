#pragma once

#include "commandkinds.h"
#include "standards.h"

#include <cstdint>
#include <string>
#include <vector>

// Result codes of the encoders.
enum EncodeResult
{
    EncodeOk = 0,
    EncodePositionOutOfRange = 1,
    EncodeUserbandOutOfRange = 2,
    EncodeFrequencyOutOfRange = 3,
    EncodeArgumentOutOfRange = 4, // the other commands: a value they cannot carry
};

// Every encoder takes the same arguments in the same order so that a caller
// can feed one set of settings to either standard:
//   vertical, lowBand   zero for horizontal / high band, anything else otherwise
//   position            satellite position, 0 = A .. 3 = D
//   ifFrequency         intermediate frequency of the transponder, MHz
//   userbandFrequency   centre frequency of the userband, MHz (EN 50494 only)
//   userbandIndex       userband number minus one
//   pin                 0..255 sends a PIN (values above 255 send their low byte);
//                       negative sends none
// On success they return EncodeOk and assign the frame, or its hex text, to
// their first argument; otherwise they return another EncodeResult and
// leave it untouched. Every int value of every argument is handled; none is
// undefined behaviour.

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

// The same commands as bytes, for callers that send, draw or check them.
int en50494Frame(std::vector<std::uint8_t> &frame, int vertical, int lowBand, int position,
                 int ifFrequency, int userbandFrequency, int userbandIndex, int pin);
int en50607Frame(std::vector<std::uint8_t> &frame, int vertical, int lowBand, int position,
                 int ifFrequency, int userbandFrequency, int userbandIndex, int pin);
int en50494PowerOffFrame(std::vector<std::uint8_t> &frame, int userbandIndex, int pin);
int en50607PowerOffFrame(std::vector<std::uint8_t> &frame, int userbandIndex, int pin);

// EN 50607's frames carry positions up to 63; encodeEn50607Command, the
// window's, keeps to A..D.

// Either standard's channel change or switch-off.
int channelChangeFrame(Standard standard, std::vector<std::uint8_t> &frame, int vertical,
                       int lowBand, int position, int ifFrequency, int userbandFrequency,
                       int userbandIndex, int pin);
int powerOffFrame(Standard standard, std::vector<std::uint8_t> &frame, int userbandIndex, int pin);

// The commands other than channel change and switch-off. `userbandIndex`
// for those that name a userband; `argument` ODU_Config's configuration
// byte (10..1F) or ODU_LOfreq's oscillator code; `pin` as above, for the
// EN 50494 ones only (EN 50607's have no PIN form).
int unitCommandFrame(CommandKind kind, std::vector<std::uint8_t> &frame, int userbandIndex,
                     int argument, int pin);

// A result code other than EncodeOk in words, as the command-line tool and
// the plan report show it: "position out of range".
const char *encodeResultText(int code);
