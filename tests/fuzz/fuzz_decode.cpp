// Fuzzes the hex text reader and the decoder with arbitrary text and bytes.
// Whatever the decoder accepts must be what the encoders would send for the
// settings it read back.

#include "commanddecoding.h"
#include "commandencoding.h"
#include "hextext.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::uint8_t> bytesOf(const std::string &hexText)
{
    std::vector<std::uint8_t> frame;
    std::string error;
    check(parseHexText(hexText, frame, error));
    return frame;
}

// Encodes the decoded settings again and compares with the frame.
void checkAgainstEncoders(const std::vector<std::uint8_t> &frame, const DecodedCommand &c)
{
    std::string text;
    int code;
    if (c.standard == SingleCableStandard::En50607) {
        code = c.switchOff ? encodeEn50607PowerOff(text, c.userbandIndex, c.pin)
                           : encodeEn50607Command(text, c.vertical, c.lowBand, c.position,
                                                  en50607IfFrequency(c.tuningWord), 0,
                                                  c.userbandIndex, c.pin);
        check(code == EncodeOk);
        std::vector<std::uint8_t> encoded = bytesOf(text);
        if (c.switchOff) // a switch-off ignores the flags in the last data byte
            encoded[3] = frame[3];
        check(encoded == frame);
        return;
    }
    if (c.switchOff) {
        check(encodeEn50494PowerOff(text, c.userbandIndex, c.pin) == EncodeOk);
        const std::vector<std::uint8_t> encoded = bytesOf(text);
        check(encoded.size() == frame.size() && encoded[4] == 0 && frame[4] == 0);
        check((encoded[3] & 0xE0) == (frame[3] & 0xE0));
        return;
    }
    // A userband frequency of 950 MHz leaves a whole number of 4 MHz steps.
    const int userbandFrequency = 950;
    code = encodeEn50494Command(text, c.vertical, c.lowBand, c.position,
                                en50494FrequencySum(c.tuningWord) - userbandFrequency,
                                userbandFrequency, c.userbandIndex, c.pin);
    check(code == EncodeOk);
    std::vector<std::uint8_t> encoded = bytesOf(text);
    encoded[0] = c.framing;
    encoded[1] = c.address;
    check(encoded == frame);
}

void decodeAndCheck(const std::vector<std::uint8_t> &frame)
{
    DecodedCommand command;
    std::string error;
    if (decodeCommand(frame, command, error))
        checkAgainstEncoders(frame, command);
    else
        check(!error.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    std::vector<std::uint8_t> frame;
    std::string error;
    if (parseHexText(text, frame, error)) {
        // The window's form of the same bytes reads back to the same bytes.
        check(bytesOf(bytesToHexText(frame)) == frame);
        decodeAndCheck(frame);
    } else {
        check(!error.empty() && frame.empty());
    }
    decodeAndCheck(std::vector<std::uint8_t>(data, data + size));
    return 0;
}
