// Fuzzes both encoders with arbitrary ints: every frame they produce must
// decode back to the arguments it was made from.

#include "commanddecoding.h"
#include "commandencoding.h"

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

DecodedCommand decode(const std::string &text)
{
    std::vector<std::uint8_t> frame;
    DecodedCommand command;
    std::string error;
    check(parseHexText(text, frame, error));
    check(decodeCommand(frame, command, error));
    return command;
}

void checkCommon(const DecodedCommand &c, int userbandIndex, int pin)
{
    check(c.userbandIndex == userbandIndex);
    check(c.pin == (pin >= 0 ? (pin & 0xFF) : -1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    int a[7] = {};
    std::memcpy(a, data, size < sizeof a ? size : sizeof a);
    const int vertical = a[0], lowBand = a[1], position = a[2], ifFrequency = a[3],
              userbandFrequency = a[4], userbandIndex = a[5], pin = a[6];

    const std::string untouched = "untouched";
    std::string text = untouched;
    if (encodeEn50494Command(text, vertical, lowBand, position, ifFrequency, userbandFrequency,
                             userbandIndex, pin) == EncodeOk) {
        const DecodedCommand c = decode(text);
        check(c.standard == SingleCableStandard::En50494);
        checkCommon(c, userbandIndex, pin);
        check(c.position == position && c.vertical == (vertical != 0) &&
              c.lowBand == (lowBand != 0));
        const long long sum = static_cast<long long>(ifFrequency) + userbandFrequency;
        check(sum - en50494FrequencySum(c.tuningWord) >= -2 &&
              sum - en50494FrequencySum(c.tuningWord) <= 1);
    } else {
        check(text == untouched);
    }

    text = untouched;
    if (encodeEn50607Command(text, vertical, lowBand, position, ifFrequency, userbandFrequency,
                             userbandIndex, pin) == EncodeOk) {
        const DecodedCommand c = decode(text);
        check(c.standard == SingleCableStandard::En50607);
        checkCommon(c, userbandIndex, pin);
        check(c.switchOff == (ifFrequency == 100));
        check(c.position == position && c.vertical == (vertical != 0) &&
              c.lowBand == (lowBand != 0));
        check(en50607IfFrequency(c.tuningWord) == (ifFrequency > 2147 ? 2147 : ifFrequency));
    } else {
        check(text == untouched);
    }

    text = untouched;
    if (encodeEn50494PowerOff(text, userbandIndex, pin) == EncodeOk) {
        const DecodedCommand c = decode(text);
        check(c.standard == SingleCableStandard::En50494 && c.switchOff);
        checkCommon(c, userbandIndex, pin);
    }
    text = untouched;
    if (encodeEn50607PowerOff(text, userbandIndex, pin) == EncodeOk) {
        const DecodedCommand c = decode(text);
        check(c.standard == SingleCableStandard::En50607 && c.switchOff);
        checkCommon(c, userbandIndex, pin);
    }
    return 0;
}
