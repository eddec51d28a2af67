#include "commanddecoding.h"

#include "framebytes.h"
#include "hextext.h"

namespace {

using namespace framebytes;

const std::uint8_t kSingleCableAddresses[] = {0x10, 0x00, 0x11};

bool lengthError(std::string &error, const char *what, std::size_t expected, std::size_t got)
{
    error = std::string(what) + " takes " + std::to_string(expected) + " bytes; got " +
            std::to_string(got);
    return false;
}

bool decodeEn50494(const std::vector<std::uint8_t> &frame, DecodedCommand &command,
                   std::string &error)
{
    command.standard = Standard::En50494;
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
    command.standard = Standard::En50607;
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

namespace {

const char *addressName(std::uint8_t address)
{
    switch (address) {
    case 0x00:
        return "any device";
    case 0x11:
        return "LNB";
    default:
        return "any LNB, switcher or SMATV";
    }
}

CommandField textField(const char *key, const char *label, const std::string &text,
                       const std::string &detail = {})
{
    return {key, label, CommandField::Text, text, 0, text + detail};
}

CommandField numberField(const char *key, const char *label, long long number,
                         const std::string &unit = {})
{
    return {key, label, CommandField::Number, {}, number, std::to_string(number) + unit};
}

} // namespace

std::vector<CommandField> describeCommand(const DecodedCommand &c,
                                          const std::vector<std::uint8_t> &frame,
                                          int userbandFrequency)
{
    const bool en50494 = c.standard == Standard::En50494;
    std::vector<CommandField> fields{
        textField("standard", "Standard", standardName(c.standard)),
        textField("command", "Command", c.switchOff ? "switch-off" : "channel change"),
        textField("bytes", "", bytesToHexText(frame)),
    };
    if (en50494) {
        fields.push_back(textField("framing", "Framing", hexByte(c.framing),
                                   c.framing == kEn50494FramingRepeat ? " (repeated transmission)"
                                                                      : " (first transmission)"));
        fields.push_back(textField("address", "Address", hexByte(c.address),
                                   std::string(" (") + addressName(c.address) + ")"));
    }
    fields.push_back(numberField("userband", "Userband", c.userbandIndex + 1));
    if (!c.switchOff) {
        fields.push_back(textField("position", "Position", positionName(c.position)));
        fields.push_back(
            textField("polarisation", "Polarisation", c.vertical ? "vertical" : "horizontal"));
        fields.push_back(textField("band", "Band", c.lowBand ? "low" : "high"));
        fields.push_back(numberField("tuningWord", "Tuning word", c.tuningWord));
        int ifFrequency = -1;
        const int sum = en50494 ? en50494FrequencySum(c.tuningWord) : 0;
        if (!en50494)
            ifFrequency = en50607IfFrequency(c.tuningWord);
        else if (userbandFrequency > 0 && userbandFrequency < sum)
            ifFrequency = sum - userbandFrequency;
        if (ifFrequency >= 0)
            fields.push_back(numberField("intermediateFrequency", "Intermediate frequency",
                                         ifFrequency, " MHz"));
        else
            fields.push_back({"intermediateFrequency", "", CommandField::Missing, {}, 0, {}});
        if (en50494)
            fields.push_back(
                numberField("frequencySum", "Intermediate + userband frequency", sum, " MHz"));
    }
    if (c.pin >= 0)
        fields.push_back(numberField("pin", "PIN", c.pin));
    else
        fields.push_back({"pin", "PIN", CommandField::Missing, {}, 0, "none"});
    return fields;
}
