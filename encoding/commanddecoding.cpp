#include "commanddecoding.h"

#include "bands.h"
#include "framebytes.h"
#include "hextext.h"

namespace {

using namespace framebytes;

const std::uint8_t kSingleCableAddresses[] = {0x10, 0x00, 0x11};

bool lengthError(std::string &error, const std::string &what, std::size_t expected, std::size_t got)
{
    error = what + " takes " + std::to_string(expected) + (expected == 1 ? " byte" : " bytes") +
            "; got " + std::to_string(got);
    return false;
}

std::string byteIs(std::size_t index, std::uint8_t byte)
{
    return "byte " + std::to_string(index + 1) + " is " + hexByte(byte) + ": ";
}

// The first data byte of 5B: the userband in bits 7..5, the command in 4..0.
bool decodeEn50494UnitCommand(const std::vector<std::uint8_t> &frame, DecodedCommand &command,
                              std::string &error)
{
    command.userbandIndex = frame[3] >> 5;
    switch (frame[3] & 0x1F) {
    case kSignalOn:
        command.kind = CommandKind::SignalOn;
        if (frame[3] != 0) {
            error = byteIs(3, frame[3]) + "ODU_UbxSignal_ON names no userband; it takes 00";
            return false;
        }
        if (frame[4] != 0) {
            error = byteIs(4, frame[4]) + "ODU_UbxSignal_ON takes 00";
            return false;
        }
        return true;
    case kConfig:
        command.kind = CommandKind::Config;
        if (frame[4] < kConfigMin || frame[4] > kConfigMax) {
            error = byteIs(4, frame[4]) + "not a configuration (10 to 1F)";
            return false;
        }
        break;
    case kOscillator:
        command.kind = CommandKind::Oscillator;
        if (!oscillatorKnown(frame[4])) {
            error = byteIs(4, frame[4]) + "not an oscillator code (00 to 0C, 10 to 14)";
            return false;
        }
        break;
    default:
        error = byteIs(3, frame[3]) +
                "its bits 4..0 name no EN 50494 command (00 signal on, 01 configuration, "
                "02 oscillator)";
        return false;
    }
    command.argument = frame[4];
    return true;
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
        error = byteIs(1, frame[1]) + "not a single-cable address (10, 00 or 11)";
        return false;
    }
    const std::uint8_t commandByte = frame[2];
    const bool channel =
        commandByte == kEn50494ChannelChange || commandByte == kEn50494ChannelChangePin;
    const bool unit = commandByte == kEn50494UnitCommand || commandByte == kEn50494UnitCommandPin;
    if (!channel && !unit) {
        error = byteIs(2, commandByte) + "not an EN 50494 command (5A or 5B, 5C or 5D with PIN)";
        return false;
    }
    const bool withPin =
        commandByte == kEn50494ChannelChangePin || commandByte == kEn50494UnitCommandPin;
    const std::size_t expected = withPin ? 6 : 5;
    if (frame.size() != expected)
        return lengthError(error,
                           "EN 50494 command " + hexByte(commandByte) +
                               (withPin ? " (with PIN, the last byte)" : ""),
                           expected, frame.size());
    command.pin = withPin ? frame[5] : -1;
    if (unit)
        return decodeEn50494UnitCommand(frame, command, error);

    command.userbandIndex = frame[3] >> 5;
    command.position = (frame[3] >> 4) & 1;
    command.vertical = ((frame[3] >> 3) & 1) == 0;
    command.lowBand = ((frame[3] >> 2) & 1) == 0;
    command.tuningWord = (frame[3] & 3) << 8 | frame[4];
    command.kind = command.tuningWord == 0 ? CommandKind::SwitchOff : CommandKind::ChannelChange;
    return true;
}

bool decodeEn50607(const std::vector<std::uint8_t> &frame, DecodedCommand &command,
                   std::string &error)
{
    command.standard = Standard::En50607;
    const std::uint8_t first = frame[0];
    const std::string name = "EN 50607 command " + hexByte(first);
    switch (first) {
    case kEn50607UserbandsAvailable:
    case kEn50607UserbandsWithPin:
    case kEn50607UserbandsInUse:
        command.kind = first == kEn50607UserbandsAvailable ? CommandKind::UserbandsAvailable
                       : first == kEn50607UserbandsWithPin ? CommandKind::UserbandsWithPin
                                                           : CommandKind::UserbandsInUse;
        return frame.size() == 1 || lengthError(error, name, 1, frame.size());
    case kEn50607UserbandFrequency:
    case kEn50607UserbandSwitches:
        command.kind = first == kEn50607UserbandFrequency ? CommandKind::UserbandFrequency
                                                          : CommandKind::UserbandSwitches;
        if (frame.size() != 2)
            return lengthError(error, name, 2, frame.size());
        if (frame[1] & 7) {
            error = byteIs(1, frame[1]) + "its low three bits are reserved and must be 0";
            return false;
        }
        command.userbandIndex = frame[1] >> 3;
        return true;
    default:
        break;
    }
    const bool withPin = first == kEn50607ChannelChangePin;
    const std::size_t expected = withPin ? 5 : 4;
    if (frame.size() != expected)
        return lengthError(error, name + (withPin ? " (with PIN, the last byte)" : ""), expected,
                           frame.size());
    command.userbandIndex = frame[1] >> 3;
    command.tuningWord = (frame[1] & 7) << 8 | frame[2];
    command.position = frame[3] >> 2;
    command.vertical = ((frame[3] >> 1) & 1) == 0;
    command.lowBand = (frame[3] & 1) == 0;
    command.kind = command.tuningWord == 0 ? CommandKind::SwitchOff : CommandKind::ChannelChange;
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
    case kEn50607UserbandsAvailable:
    case kEn50607UserbandsWithPin:
    case kEn50607UserbandsInUse:
    case kEn50607UserbandFrequency:
    case kEn50607UserbandSwitches:
        return decodeEn50607(frame, command, error);
    default:
        error = byteIs(0, frame[0]) +
                "neither an EN 50494 framing byte (E0, E1) nor an EN 50607 command (70, 71, "
                "7A to 7E)";
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
    const CommandKindInfo &info = commandKindInfo(c.kind);
    const bool tunes = c.kind == CommandKind::ChannelChange;
    const bool unitCommand =
        c.kind != CommandKind::ChannelChange && c.kind != CommandKind::SwitchOff;
    std::vector<CommandField> fields{
        textField("standard", "Standard", standardName(c.standard)),
        textField("command", "Command", info.name,
                  unitCommand ? std::string(": ") + info.purpose : std::string()),
        textField("bytes", "", bytesToHexText(frame)),
    };
    if (en50494) {
        fields.push_back(textField("framing", "Framing", hexByte(c.framing),
                                   c.framing == kEn50494FramingRepeat ? " (repeated transmission)"
                                                                      : " (first transmission)"));
        fields.push_back(textField("address", "Address", hexByte(c.address),
                                   std::string(" (") + addressName(c.address) + ")"));
    }
    if (info.userband)
        fields.push_back(numberField("userband", "Userband", c.userbandIndex + 1));
    if (tunes) {
        fields.push_back(textField("position", "Position", positionName(c.position)));
        fields.push_back(
            textField("polarisation", "Polarisation", c.vertical ? "vertical" : "horizontal"));
        fields.push_back(textField("band", "Band", c.lowBand ? "low" : "high"));
        fields.push_back(numberField("tuningWord", "Tuning word", c.tuningWord));
        const int ifFrequency = commandIfFrequency(c, userbandFrequency);
        if (ifFrequency >= 0)
            fields.push_back(numberField("intermediateFrequency", "Intermediate frequency",
                                         ifFrequency, " MHz"));
        else
            fields.push_back({"intermediateFrequency", "", CommandField::Missing, {}, 0, {}});
        if (en50494)
            fields.push_back(numberField("frequencySum", "Intermediate + userband frequency",
                                         en50494FrequencySum(c.tuningWord), " MHz"));
    }
    if (c.kind == CommandKind::Config)
        fields.push_back(textField("configuration", "Configuration",
                                   hexByte(std::uint8_t(c.argument)),
                                   " (" + configText(std::uint8_t(c.argument)) + ")"));
    if (c.kind == CommandKind::Oscillator) {
        fields.push_back(textField("oscillator", "Oscillator", hexByte(std::uint8_t(c.argument)),
                                   " (" + oscillatorText(c.argument) + ")"));
        const int mhz = oscillatorFrequency(c.argument);
        fields.push_back({"oscillatorFrequency",
                          "",
                          mhz > 0 ? CommandField::Number : CommandField::Missing,
                          {},
                          mhz,
                          {}});
    }
    // EN 50607's queries have no PIN form.
    if (en50494 || !unitCommand) {
        if (c.pin >= 0)
            fields.push_back(numberField("pin", "PIN", c.pin));
        else
            fields.push_back({"pin", "PIN", CommandField::Missing, {}, 0, "none"});
    }
    return fields;
}

int commandIfFrequency(const DecodedCommand &c, int userbandFrequency)
{
    if (c.kind != CommandKind::ChannelChange)
        return -1;
    if (c.standard == Standard::En50607)
        return en50607IfFrequency(c.tuningWord);
    const int sum = en50494FrequencySum(c.tuningWord);
    return userbandFrequency > 0 && userbandFrequency < sum ? sum - userbandFrequency : -1;
}

std::string commandWarning(const DecodedCommand &c, int userbandFrequency)
{
    const int ifFrequency = commandIfFrequency(c, userbandFrequency);
    if (ifFrequency < 0 || (ifFrequency >= bands::kIfMin && ifFrequency <= bands::kIfMax))
        return {};
    return "its intermediate frequency of " + std::to_string(ifFrequency) + " MHz lies outside " +
           std::to_string(bands::kIfMin) + ".." + std::to_string(bands::kIfMax) + " MHz";
}
