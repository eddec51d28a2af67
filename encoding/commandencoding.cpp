#include "commandencoding.h"

#include "hextext.h"

#include <climits>

namespace {

// The window offers positions A to D, and its EN 50607 encoder keeps to them.
constexpr int kWindowPositions = 4;

int asText(std::string &text, Standard standard, int vertical, int lowBand, int position,
           int ifFrequency, int userbandFrequency, int userbandIndex, int pin)
{
    Tuning tuning;
    tuning.polarisation = vertical ? Polarisation::Vertical : Polarisation::Horizontal;
    tuning.band = lowBand ? Band::Low : Band::High;
    tuning.position = position;
    tuning.ifFrequency = ifFrequency;
    tuning.userbandFrequency = userbandFrequency;
    // The number of the largest index stays out of range rather than wrap.
    tuning.userband = userbandIndex == INT_MAX ? INT_MAX : userbandIndex + 1;
    if (pin >= 0)
        tuning.pin = pin & 0xFF;
    const Encoded encoded = encode(standard, tuning);
    if (encoded.ok())
        text = bytesToHexText(encoded.frame);
    return encoded.error;
}

} // namespace

int encodeEn50494Command(std::string &text, int vertical, int lowBand, int position,
                         int ifFrequency, int userbandFrequency, int userbandIndex, int pin)
{
    return asText(text, Standard::En50494, vertical, lowBand, position, ifFrequency,
                  userbandFrequency, userbandIndex, pin);
}

int encodeEn50607Command(std::string &text, int vertical, int lowBand, int position,
                         int ifFrequency, int userbandFrequency, int userbandIndex, int pin)
{
    if (position >= kWindowPositions)
        return EncodePositionOutOfRange;
    return asText(text, Standard::En50607, vertical, lowBand, position, ifFrequency,
                  userbandFrequency, userbandIndex, pin);
}
