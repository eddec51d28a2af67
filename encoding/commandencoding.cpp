#include "commandencoding.h"

#include "framebytes.h"
#include "hextext.h"

#include <cstdint>
#include <vector>

namespace {

using namespace framebytes;

constexpr int kEn50494MaxUserbandIndex = standardUserbands(Standard::En50494) - 1;
constexpr int kEn50494MaxPosition = standardPositions(Standard::En50494) - 1;
constexpr int kEn50494MaxTuningWord = 1023;
constexpr int kEn50607MaxUserbandIndex = standardUserbands(Standard::En50607) - 1;
constexpr int kEn50607MaxPosition = standardPositions(Standard::En50607) - 1;
// The window offers positions A to D, and its encoder keeps to them.
constexpr int kWindowMaxPosition = 3;
constexpr int kEn50607MaxIfFrequency = 2150;
constexpr int kEn50607MaxTuningWord = 2047;
constexpr int kEn50607TuningOffset = 100;

void appendPin(std::vector<std::uint8_t> &frame, int pin)
{
    if (pin >= 0)
        frame.push_back(static_cast<std::uint8_t>(pin & 0xFF));
}

// The text form of a frame encoder: `text` changes only on success.
template <typename Encoder, typename... Args>
int asText(std::string &text, Encoder encoder, Args... args)
{
    std::vector<std::uint8_t> frame;
    const int code = encoder(frame, args...);
    if (code == EncodeOk)
        text = bytesToHexText(frame);
    return code;
}

} // namespace

int en50494Frame(std::vector<std::uint8_t> &result, int vertical, int lowBand, int position,
                 int ifFrequency, int userbandFrequency, int userbandIndex, int pin)
{
    // The range checks of the window's inputs come first, in this order, so
    // that a call breaking several limits always names the same one.
    if (userbandIndex > kEn50494MaxUserbandIndex)
        return EncodeUserbandOutOfRange;
    if (position > kEn50494MaxPosition)
        return EncodePositionOutOfRange;
    if (userbandIndex < 0)
        return EncodeUserbandOutOfRange;
    if (position < 0)
        return EncodePositionOutOfRange;
    if (ifFrequency < 0 || userbandFrequency < 0)
        return EncodeFrequencyOutOfRange;

    // T = round((f_if + f_ub) / 4) - 350, halves away from zero; the sum is
    // non-negative here, so adding 2 before the division rounds it. 64 bits
    // keep the sum of two large ints from overflowing.
    const std::int64_t sum = std::int64_t(ifFrequency) + userbandFrequency;
    const std::int64_t tuningWord = (sum + 2) / 4 - 350;
    if (tuningWord < 0 || tuningWord > kEn50494MaxTuningWord)
        return EncodeFrequencyOutOfRange;
    const int t = static_cast<int>(tuningWord);

    const int positionBit = position == 1 ? 1 : 0;
    const int horizontalBit = vertical == 0 ? 1 : 0;
    const int highBandBit = lowBand == 0 ? 1 : 0;
    const int data1 = (userbandIndex << 5) | (positionBit << 4) | (horizontalBit << 3) |
                      (highBandBit << 2) | (t >> 8);

    std::vector<std::uint8_t> frame{
        kEn50494Framing,
        kEn50494Address,
        pin >= 0 ? kEn50494ChannelChangePin : kEn50494ChannelChange,
        static_cast<std::uint8_t>(data1 & 0xFF),
        static_cast<std::uint8_t>(t & 0xFF),
    };
    appendPin(frame, pin);
    result.swap(frame);
    return EncodeOk;
}

int en50607Frame(std::vector<std::uint8_t> &result, int vertical, int lowBand, int position,
                 int ifFrequency, int userbandFrequency, int userbandIndex, int pin)
{
    if (position > kEn50607MaxPosition)
        return EncodePositionOutOfRange;
    if (userbandIndex > kEn50607MaxUserbandIndex)
        return EncodeUserbandOutOfRange;
    if (ifFrequency > kEn50607MaxIfFrequency)
        return EncodeFrequencyOutOfRange;
    if (position < 0)
        return EncodePositionOutOfRange;
    if (userbandIndex < 0)
        return EncodeUserbandOutOfRange;
    // The outdoor unit knows its userband frequencies, so the frame does not
    // carry it; a negative one is still a caller's error.
    if (ifFrequency < kEn50607TuningOffset || userbandFrequency < 0)
        return EncodeFrequencyOutOfRange;

    // 2148..2150 MHz would need T = 2048..2050; the field tops out at 2047.
    int t = ifFrequency - kEn50607TuningOffset;
    if (t > kEn50607MaxTuningWord)
        t = kEn50607MaxTuningWord;

    const int horizontalBit = vertical == 0 ? 1 : 0;
    const int highBandBit = lowBand == 0 ? 1 : 0;
    const int data1 = (userbandIndex << 3) | (t >> 8);
    const int data3 = (position << 2) | (horizontalBit << 1) | highBandBit; // position: 6 bits

    std::vector<std::uint8_t> frame{
        pin >= 0 ? kEn50607ChannelChangePin : kEn50607ChannelChange,
        static_cast<std::uint8_t>(data1 & 0xFF),
        static_cast<std::uint8_t>(t & 0xFF),
        static_cast<std::uint8_t>(data3),
    };
    appendPin(frame, pin);
    result.swap(frame);
    return EncodeOk;
}

int en50494PowerOffFrame(std::vector<std::uint8_t> &result, int userbandIndex, int pin)
{
    if (userbandIndex < 0 || userbandIndex > kEn50494MaxUserbandIndex)
        return EncodeUserbandOutOfRange;
    std::vector<std::uint8_t> frame{
        kEn50494Framing,
        kEn50494Address,
        pin >= 0 ? kEn50494ChannelChangePin : kEn50494ChannelChange,
        static_cast<std::uint8_t>(userbandIndex << 5),
        0x00,
    };
    appendPin(frame, pin);
    result.swap(frame);
    return EncodeOk;
}

int en50607PowerOffFrame(std::vector<std::uint8_t> &result, int userbandIndex, int pin)
{
    if (userbandIndex < 0 || userbandIndex > kEn50607MaxUserbandIndex)
        return EncodeUserbandOutOfRange;
    std::vector<std::uint8_t> frame{
        pin >= 0 ? kEn50607ChannelChangePin : kEn50607ChannelChange,
        static_cast<std::uint8_t>(userbandIndex << 3),
        0x00,
        0x00,
    };
    appendPin(frame, pin);
    result.swap(frame);
    return EncodeOk;
}

int encodeEn50494Command(std::string &text, int vertical, int lowBand, int position,
                         int ifFrequency, int userbandFrequency, int userbandIndex, int pin)
{
    return asText(text, en50494Frame, vertical, lowBand, position, ifFrequency, userbandFrequency,
                  userbandIndex, pin);
}

int encodeEn50607Command(std::string &text, int vertical, int lowBand, int position,
                         int ifFrequency, int userbandFrequency, int userbandIndex, int pin)
{
    if (position > kWindowMaxPosition)
        return EncodePositionOutOfRange;
    return asText(text, en50607Frame, vertical, lowBand, position, ifFrequency, userbandFrequency,
                  userbandIndex, pin);
}

int encodeEn50494PowerOff(std::string &text, int userbandIndex, int pin)
{
    return asText(text, en50494PowerOffFrame, userbandIndex, pin);
}

int encodeEn50607PowerOff(std::string &text, int userbandIndex, int pin)
{
    return asText(text, en50607PowerOffFrame, userbandIndex, pin);
}

int channelChangeFrame(Standard standard, std::vector<std::uint8_t> &frame, int vertical,
                       int lowBand, int position, int ifFrequency, int userbandFrequency,
                       int userbandIndex, int pin)
{
    return (standard == Standard::En50494 ? en50494Frame : en50607Frame)(
        frame, vertical, lowBand, position, ifFrequency, userbandFrequency, userbandIndex, pin);
}

int powerOffFrame(Standard standard, std::vector<std::uint8_t> &frame, int userbandIndex, int pin)
{
    return (standard == Standard::En50494 ? en50494PowerOffFrame
                                          : en50607PowerOffFrame)(frame, userbandIndex, pin);
}

int unitCommandFrame(CommandKind kind, std::vector<std::uint8_t> &result, int userbandIndex,
                     int argument, int pin)
{
    const CommandKindInfo &info = commandKindInfo(kind);
    if (kind == CommandKind::ChannelChange || kind == CommandKind::SwitchOff)
        return EncodeArgumentOutOfRange;
    if (info.userband && (userbandIndex < 0 || userbandIndex >= standardUserbands(info.standard)))
        return EncodeUserbandOutOfRange;
    if (info.standard == Standard::En50607) {
        if (pin >= 0) // no PIN form
            return EncodeArgumentOutOfRange;
        static const std::uint8_t firsts[] = {kEn50607UserbandsAvailable, kEn50607UserbandsWithPin,
                                              kEn50607UserbandsInUse, kEn50607UserbandFrequency,
                                              kEn50607UserbandSwitches};
        std::vector<std::uint8_t> frame{firsts[int(kind) - int(CommandKind::UserbandsAvailable)]};
        if (info.userband)
            frame.push_back(static_cast<std::uint8_t>(userbandIndex << 3));
        result.swap(frame);
        return EncodeOk;
    }
    std::uint8_t data1 = kSignalOn, data2 = 0;
    if (kind == CommandKind::Config) {
        if (argument < kConfigMin || argument > kConfigMax)
            return EncodeArgumentOutOfRange;
        data1 = static_cast<std::uint8_t>(userbandIndex << 5 | kConfig);
        data2 = static_cast<std::uint8_t>(argument);
    } else if (kind == CommandKind::Oscillator) {
        if (!oscillatorKnown(argument))
            return EncodeArgumentOutOfRange;
        data1 = static_cast<std::uint8_t>(userbandIndex << 5 | kOscillator);
        data2 = static_cast<std::uint8_t>(argument);
    }
    std::vector<std::uint8_t> frame{kEn50494Framing, kEn50494Address,
                                    pin >= 0 ? kEn50494UnitCommandPin : kEn50494UnitCommand, data1,
                                    data2};
    appendPin(frame, pin);
    result.swap(frame);
    return EncodeOk;
}

const char *encodeResultText(int code)
{
    switch (code) {
    case EncodeArgumentOutOfRange:
        return "value out of range";
    case EncodePositionOutOfRange:
        return "position out of range";
    case EncodeUserbandOutOfRange:
        return "userband number out of range";
    default:
        return "userband frequency out of range";
    }
}
