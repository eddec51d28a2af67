// Fuzzes the codec with each input three ways: as text through the hex
// reader, as bytes through the decoder, and as seven ints through the
// encoders. Whatever one side accepts, the other must give back unchanged.

#include "commanddecoding.h"
#include "commandencoding.h"
#include "hextext.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::uint8_t> bytesOf(const std::string &text)
{
    std::vector<std::uint8_t> frame;
    std::string error;
    check(parseHexText(text, frame, error));
    return frame;
}

// A frame the decoder accepts is what the encoder sends for what was read.
void checkDecoded(const std::vector<std::uint8_t> &frame)
{
    DecodedCommand c;
    std::string error, text;
    if (!decodeCommand(frame, c, error)) {
        check(!error.empty());
        return;
    }
    const bool en50607 = c.standard == Standard::En50607;
    std::vector<std::uint8_t> encoded;
    const bool tuning = c.kind == CommandKind::ChannelChange || c.kind == CommandKind::SwitchOff;
    if (tuning) {
        // A userband at 950 MHz leaves a whole number of 4 MHz steps; a
        // switch-off is the channel change with tuning word 0.
        const int ifFrequency =
            en50607 ? en50607IfFrequency(c.tuningWord) : en50494FrequencySum(c.tuningWord) - 950;
        check(channelChangeFrame(c.standard, encoded, c.vertical, c.lowBand, c.position,
                                 ifFrequency, 950, c.userbandIndex, c.pin) == EncodeOk);
    } else {
        check(unitCommandFrame(c.kind, encoded, c.userbandIndex, c.argument, c.pin) == EncodeOk);
    }
    if (!en50607) {
        encoded[0] = c.framing;
        encoded[1] = c.address;
    }
    check(encoded == frame &&
          (!tuning || (c.kind == CommandKind::SwitchOff) == (c.tuningWord == 0)));
}

// A frame an encoder sends decodes to the arguments it was made from.
void checkEncoded(int kind, const int (&a)[7])
{
    const bool en50607 = kind % 2, switchOff = kind > 1;
    const int vertical = a[0], lowBand = a[1], position = a[2], ifFrequency = a[3],
              userbandFrequency = a[4], userbandIndex = a[5], pin = a[6];
    std::string text = "untouched";
    const int code =
        switchOff
            ? (en50607 ? encodeEn50607PowerOff : encodeEn50494PowerOff)(text, userbandIndex, pin)
            : (en50607 ? encodeEn50607Command
                       : encodeEn50494Command)(text, vertical, lowBand, position, ifFrequency,
                                               userbandFrequency, userbandIndex, pin);
    if (code != EncodeOk) {
        check(text == "untouched");
        return;
    }
    DecodedCommand c;
    std::string error;
    check(decodeCommand(bytesOf(text), c, error));
    check((c.standard == Standard::En50607) == en50607 && c.userbandIndex == userbandIndex &&
          c.pin == (pin >= 0 ? (pin & 0xFF) : -1));
    if (switchOff) {
        check((c.kind == CommandKind::SwitchOff));
        return;
    }
    check(c.position == position && c.vertical == (vertical != 0) && c.lowBand == (lowBand != 0));
    const long long sum = static_cast<long long>(ifFrequency) + userbandFrequency;
    check(en50607 ? en50607IfFrequency(c.tuningWord) == (ifFrequency > 2147 ? 2147 : ifFrequency)
                  : sum - en50494FrequencySum(c.tuningWord) >= -2 &&
                        sum - en50494FrequencySum(c.tuningWord) <= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::uint8_t> frame;
    std::string error;
    if (parseHexText(std::string(reinterpret_cast<const char *>(data), size), frame, error)) {
        check(bytesOf(bytesToHexText(frame)) == frame);
        checkDecoded(frame);
    } else {
        check(!error.empty() && frame.empty());
    }
    checkDecoded(std::vector<std::uint8_t>(data, data + size));

    int a[7] = {};
    std::memcpy(a, data, size < sizeof a ? size : sizeof a);
    for (int kind = 0; kind < 4; ++kind)
        checkEncoded(kind, a);
    return 0;
}
