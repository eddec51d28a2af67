#include "commanddecoding.h"

#include "framebytes.h"
#include "hextext.h"

#include <algorithm>
#include <cctype>

namespace {

using namespace framebytes;

const std::uint8_t kSingleCableAddresses[] = {0x10, 0x00, 0x11};
constexpr std::size_t kShownGroupLength = 20;

std::string hexByte(std::uint8_t byte)
{
    std::string text = bytesToHexText({byte});
    text.pop_back();
    return text;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\n' || c == '\r';
}

std::string describeChar(char c)
{
    if (std::isprint(static_cast<unsigned char>(c)))
        return std::string("'") + c + "'";
    return "byte " + hexByte(static_cast<std::uint8_t>(c));
}

bool lengthError(std::string &error, const char *what, std::size_t expected, std::size_t got)
{
    error = std::string(what) + " takes " + std::to_string(expected) + " bytes; got " +
            std::to_string(got);
    return false;
}

bool decodeEn50494(const std::vector<std::uint8_t> &frame, DecodedCommand &command,
                   std::string &error)
{
    command.standard = SingleCableStandard::En50494;
    command.framing = frame[0];
    if (frame.size() < 3) {
        error = "EN 50494 frame ends after " + std::to_string(frame.size()) +
                " byte(s); it needs an address and a command byte";
        return false;
    }
    command.address = frame[1];
    bool knownAddress = false;
    for (const std::uint8_t address : kSingleCableAddresses)
        knownAddress = knownAddress || frame[1] == address;
    if (!knownAddress) {
        error = "byte 2 is " + hexByte(frame[1]) + ": not a single-cable address (10, 00 or 11)";
        return false;
    }
    const bool withPin = frame[2] == kEn50494ChannelChangePin;
    if (frame[2] != kEn50494ChannelChange && !withPin) {
        error = "byte 3 is " + hexByte(frame[2]) + ": not an EN 50494 command (5A, or 5C with PIN)";
        return false;
    }
    const std::size_t expected = withPin ? 6 : 5;
    if (frame.size() != expected)
        return lengthError(error,
                           withPin ? "EN 50494 command 5C (with PIN, the last byte)"
                                   : "EN 50494 command 5A",
                           expected, frame.size());

    command.userbandIndex = frame[3] >> 5;
    command.position = (frame[3] >> 4) & 1;
    command.vertical = ((frame[3] >> 3) & 1) == 0;
    command.lowBand = ((frame[3] >> 2) & 1) == 0;
    command.tuningWord = (frame[3] & 3) << 8 | frame[4];
    command.switchOff = command.tuningWord == 0;
    command.pin = withPin ? frame[5] : -1;
    return true;
}

bool decodeEn50607(const std::vector<std::uint8_t> &frame, DecodedCommand &command,
                   std::string &error)
{
    command.standard = SingleCableStandard::En50607;
    const bool withPin = frame[0] == kEn50607ChannelChangePin;
    const std::size_t expected = withPin ? 5 : 4;
    if (frame.size() != expected)
        return lengthError(error,
                           withPin ? "EN 50607 command 71 (with PIN, the last byte)"
                                   : "EN 50607 command 70",
                           expected, frame.size());
    if (frame[3] & 0xF0) {
        error =
            "byte 4 is " + hexByte(frame[3]) + ": its upper four bits are reserved and must be 0";
        return false;
    }
    command.userbandIndex = frame[1] >> 3;
    command.tuningWord = (frame[1] & 7) << 8 | frame[2];
    command.position = (frame[3] >> 2) & 3;
    command.vertical = ((frame[3] >> 1) & 1) == 0;
    command.lowBand = (frame[3] & 1) == 0;
    command.switchOff = command.tuningWord == 0;
    command.pin = withPin ? frame[4] : -1;
    return true;
}

} // namespace

bool parseHexText(const std::string &text, std::vector<std::uint8_t> &frame, std::string &error)
{
    std::vector<std::uint8_t> bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        const std::size_t groupStart = i;
        if (text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X'))
            i += 2;
        const std::size_t digitsStart = i;
        while (i < text.size() && !isSeparator(text[i])) {
            if (hexValue(text[i]) < 0) {
                error = describeChar(text[i]) + " at column " + std::to_string(i + 1) +
                        " is not a hex digit";
                return false;
            }
            ++i;
        }
        const std::size_t digits = i - digitsStart;
        // A long group is named by its start, so that the message stays short.
        const std::size_t shown = std::min<std::size_t>(i - groupStart, kShownGroupLength);
        const std::string group =
            text.substr(groupStart, shown) + (shown < i - groupStart ? "..." : "");
        if (digits == 0 || digits % 2 != 0) {
            error = "'" + group + "' at column " + std::to_string(groupStart + 1) +
                    (digits == 0 ? " has no hex digits" : " has an odd number of hex digits");
            return false;
        }
        for (std::size_t d = digitsStart; d < i; d += 2)
            bytes.push_back(
                static_cast<std::uint8_t>(hexValue(text[d]) << 4 | hexValue(text[d + 1])));
    }
    if (bytes.empty()) {
        error = "no hex bytes given";
        return false;
    }
    frame.swap(bytes);
    return true;
}

bool decodeCommand(const std::vector<std::uint8_t> &frame, DecodedCommand &command,
                   std::string &error)
{
    if (frame.empty()) {
        error = "no bytes given";
        return false;
    }
    command = DecodedCommand();
    switch (frame[0]) {
    case kEn50494Framing:
    case kEn50494FramingRepeat:
        return decodeEn50494(frame, command, error);
    case kEn50607ChannelChange:
    case kEn50607ChannelChangePin:
        return decodeEn50607(frame, command, error);
    default:
        error = "byte 1 is " + hexByte(frame[0]) +
                ": neither an EN 50494 framing byte (E0, E1) nor an EN 50607 command (70, 71)";
        return false;
    }
}
