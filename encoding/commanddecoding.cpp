#include "command.h"

#include "framebytes.h"
#include "hextext.h"

namespace {

using namespace framebytes;

struct Reader
{
    const Frame &frame;
    Command &command;
    Phrase &error;

    bool wrong(std::size_t index, Phrase why)
    {
        error = {PHRASE_WORDS("Phrase", "byte %1 is %2: %3"),
                 {Phrase::number(static_cast<long long>(index + 1)),
                  Phrase::plainText(hexByte(frame[index])), std::move(why)}};
        return false;
    }

    bool length(Phrase what, std::size_t expected)
    {
        if (frame.size() == expected)
            return true;
        error = {expected == 1 ? PHRASE_WORDS("Phrase", "%1 takes %2 byte; got %3")
                               : PHRASE_WORDS("Phrase", "%1 takes %2 bytes; got %3"),
                 {std::move(what), Phrase::number(static_cast<long long>(expected)),
                  Phrase::number(static_cast<long long>(frame.size()))}};
        return false;
    }

    bool en50494();
    bool en50494Unit();
    bool en50607();
};

// The first data byte of 5B: the userband in bits 7..5, the command in 4..0.
bool Reader::en50494Unit()
{
    const std::uint8_t data1 = frame[3], data2 = frame[4];
    const int userband = (data1 >> 5) + 1;
    switch (data1 & 0x1F) {
    case kSignalOn:
        command.kind = CommandKind::SignalOn;
        if (data1 != 0)
            return wrong(3,
                         PHRASE_WORDS("Phrase", "ODU_UbxSignal_ON names no userband; it takes 00"));
        if (data2 != 0)
            return wrong(4, PHRASE_WORDS("Phrase", "ODU_UbxSignal_ON takes 00"));
        return true;
    case kConfig:
        command.kind = CommandKind::Config;
        if (data2 < kConfigMin || data2 > kConfigMax)
            return wrong(4, PHRASE_WORDS("Phrase", "not a configuration (10 to 1F)"));
        break;
    case kOscillator:
        command.kind = CommandKind::Oscillator;
        if (!oscillatorKnown(data2))
            return wrong(4, PHRASE_WORDS("Phrase", "not an oscillator code (00 to 0C, 10 to 14)"));
        break;
    default:
        return wrong(
            3,
            PHRASE_WORDS("Phrase",
                         "its bits 4..0 name no EN 50494 command (00 signal on, 01 configuration, "
                         "02 oscillator)"));
    }
    command.userband = userband;
    command.argument = data2;
    return true;
}

bool Reader::en50494()
{
    command.standard = Standard::En50494;
    command.repeated = frame[0] == kEn50494FramingRepeat;
    if (frame.size() < 3) {
        error = {PHRASE_WORDS("Phrase", "EN 50494 frame ends after %1 byte(s); it needs an "
                                        "address and a command byte"),
                 {Phrase::number(static_cast<long long>(frame.size()))}};
        return false;
    }
    command.address = frame[1];
    if (frame[1] != 0x10 && frame[1] != 0x00 && frame[1] != 0x11)
        return wrong(1, PHRASE_WORDS("Phrase", "not a single-cable address (10, 00 or 11)"));
    const std::uint8_t commandByte = frame[2];
    const bool channel =
        commandByte == kEn50494ChannelChange || commandByte == kEn50494ChannelChangePin;
    const bool unit = commandByte == kEn50494UnitCommand || commandByte == kEn50494UnitCommandPin;
    if (!channel && !unit)
        return wrong(
            2, PHRASE_WORDS("Phrase", "not an EN 50494 command (5A or 5B, 5C or 5D with PIN)"));
    const bool withPin =
        commandByte == kEn50494ChannelChangePin || commandByte == kEn50494UnitCommandPin;
    if (!length({withPin ? PHRASE_WORDS("Phrase", "EN 50494 command %1 (with PIN, the last byte)")
                         : PHRASE_WORDS("Phrase", "EN 50494 command %1"),
                 {Phrase::plainText(hexByte(commandByte))}},
                withPin ? 6 : 5))
        return false;
    if (withPin)
        command.pin = frame[5];
    if (unit)
        return en50494Unit();

    const std::uint8_t data1 = frame[3];
    command.userband = (data1 >> 5) + 1;
    command.tuningWord = (data1 & 3) << 8 | frame[4];
    if (command.tuningWord == 0) {
        command.kind = CommandKind::SwitchOff;
        // Receivers send a switch-off with these bits clear; set, they would
        // be dropped without a word and the frame read as another.
        if (data1 & 0x1C)
            return wrong(
                3, PHRASE_WORDS("Phrase",
                                "a switch-off (tuning word 0) names no position, polarisation or "
                                "band; its bits 4..2 are reserved and must be 0"));
        return true;
    }
    command.kind = CommandKind::ChannelChange;
    command.position = (data1 >> 4) & 1;
    command.polarisation = (data1 >> 3) & 1 ? Polarisation::Horizontal : Polarisation::Vertical;
    command.band = (data1 >> 2) & 1 ? Band::High : Band::Low;
    return true;
}

bool Reader::en50607()
{
    command.standard = Standard::En50607;
    const std::uint8_t first = frame[0];
    const Phrase byte = Phrase::plainText(hexByte(first));
    const Phrase name{PHRASE_WORDS("Phrase", "EN 50607 command %1"), {byte}};
    switch (first) {
    case kEn50607UserbandsAvailable:
        command.kind = CommandKind::UserbandsAvailable;
        return length(name, 1);
    case kEn50607UserbandsWithPin:
        command.kind = CommandKind::UserbandsWithPin;
        return length(name, 1);
    case kEn50607UserbandsInUse:
        command.kind = CommandKind::UserbandsInUse;
        return length(name, 1);
    case kEn50607UserbandFrequency:
    case kEn50607UserbandSwitches:
        command.kind = first == kEn50607UserbandFrequency ? CommandKind::UserbandFrequency
                                                          : CommandKind::UserbandSwitches;
        if (!length(name, 2))
            return false;
        if (frame[1] & 7)
            return wrong(1,
                         PHRASE_WORDS("Phrase", "its low three bits are reserved and must be 0"));
        command.userband = (frame[1] >> 3) + 1;
        return true;
    default:
        break;
    }
    const bool withPin = first == kEn50607ChannelChangePin;
    if (!length(withPin ? Phrase{PHRASE_WORDS("Phrase",
                                              "EN 50607 command %1 (with PIN, the last byte)"),
                                 {byte}}
                        : name,
                withPin ? 5 : 4))
        return false;
    if (withPin)
        command.pin = frame[4];
    command.userband = (frame[1] >> 3) + 1;
    command.tuningWord = (frame[1] & 7) << 8 | frame[2];
    if (command.tuningWord == 0) {
        command.kind = CommandKind::SwitchOff;
        if (frame[3] != 0)
            return wrong(
                3, PHRASE_WORDS("Phrase",
                                "a switch-off (tuning word 0) names no position, polarisation or "
                                "band; it takes 00"));
        return true;
    }
    command.kind = CommandKind::ChannelChange;
    command.position = frame[3] >> 2;
    command.polarisation = (frame[3] >> 1) & 1 ? Polarisation::Horizontal : Polarisation::Vertical;
    command.band = frame[3] & 1 ? Band::High : Band::Low;
    return true;
}

} // namespace

Decoded decode(const Frame &frame)
{
    Decoded result;
    if (frame.empty()) {
        result.error = PHRASE_WORDS("Phrase", "no bytes given");
        return result;
    }
    Reader reader{frame, result.command, result.error};
    switch (frame[0]) {
    case kEn50494Framing:
    case kEn50494FramingRepeat:
        reader.en50494();
        break;
    case kEn50607ChannelChange:
    case kEn50607ChannelChangePin:
    case kEn50607UserbandsAvailable:
    case kEn50607UserbandsWithPin:
    case kEn50607UserbandsInUse:
    case kEn50607UserbandFrequency:
    case kEn50607UserbandSwitches:
        reader.en50607();
        break;
    default:
        reader.wrong(
            0,
            PHRASE_WORDS("Phrase",
                         "neither an EN 50494 framing byte (E0, E1) nor an EN 50607 command (70, "
                         "71, 7A to 7E)"));
        break;
    }
    // What was read of a refused frame is no command.
    if (!result.ok())
        result.command = Command();
    return result;
}
