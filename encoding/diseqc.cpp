#include "diseqc.h"

#include "framebytes.h"
#include "hextext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace diseqc {
namespace {

// Commands that carry no data and expect none back, and those whose data a
// slave sends back when the master asks with E2 or E3.
constexpr DataBytes kNone{0, 0}, kOne{1, 1};

const std::vector<Framing> kFramings{
    {0xE0, PHRASE_WORDS("Phrase", "command from the master, no reply wanted, first transmission"),
     true, false, false},
    {0xE1,
     PHRASE_WORDS("Phrase", "command from the master, no reply wanted, repeated transmission"),
     true, false, true},
    {0xE2, PHRASE_WORDS("Phrase", "command from the master, reply wanted, first transmission"),
     true, true, false},
    {0xE3, PHRASE_WORDS("Phrase", "command from the master, reply wanted, repeated transmission"),
     true, true, true},
    {0xE4, PHRASE_WORDS("Phrase", "reply from a slave: OK, no errors"), false, false, false},
    {0xE5, PHRASE_WORDS("Phrase", "reply from a slave: command not supported"), false, false,
     false},
    {0xE6, PHRASE_WORDS("Phrase", "reply from a slave: parity error, repeat requested"), false,
     false, false},
    {0xE7, PHRASE_WORDS("Phrase", "reply from a slave: command not recognised, repeat requested"),
     false, false, false},
};

const std::vector<Address> kAddresses{
    {0x00, PHRASE_WORDS("Phrase", "any device")},
    {0x10, PHRASE_WORDS("Phrase", "any LNB, switcher or SMATV")},
    {0x11, PHRASE_WORDS("Phrase", "LNB")},
    {0x12, PHRASE_WORDS("Phrase", "LNB with loop-through switching")},
    {0x14, PHRASE_WORDS("Phrase", "switcher, DC blocking")},
    {0x15, PHRASE_WORDS("Phrase", "switcher with DC loop-through")},
    {0x18, PHRASE_WORDS("Phrase", "SMATV")},
    {0x20, PHRASE_WORDS("Phrase", "any polariser")},
    {0x21, PHRASE_WORDS("Phrase", "linear polarisation (skew) controller")},
    {0x30, PHRASE_WORDS("Phrase", "any positioner")},
    {0x31, PHRASE_WORDS("Phrase", "polar or azimuth positioner")},
    {0x32, PHRASE_WORDS("Phrase", "elevation positioner")},
    {0x40, PHRASE_WORDS("Phrase", "any installer aid")},
    {0x41, PHRASE_WORDS("Phrase", "signal strength, an analogue value")},
    {0x70, PHRASE_WORDS("Phrase", "any intelligent slave interface")},
    {0x71, PHRASE_WORDS("Phrase", "interface for subscriber-controlled headends")},
};
const Address kReallocated{0x60, PHRASE_WORDS("Phrase", "reserved for address reallocations")};
const Address kManufacturer{0xF0, PHRASE_WORDS("Phrase", "reserved for manufacturers' extensions")};

const std::vector<CommandCode> kCommands{
    {0x00, "Reset", PHRASE_WORDS("Phrase", "reset the slave's microcontroller"), kNone, false},
    {0x01, "Clr Reset", PHRASE_WORDS("Phrase", "clear the reset flag"), kNone, false},
    {0x02, "Standby", PHRASE_WORDS("Phrase", "switch the peripheral power supply off"), kNone,
     false},
    {0x03, "Power on", PHRASE_WORDS("Phrase", "switch the peripheral power supply on"), kNone,
     false},
    {0x04, "Set Contend", PHRASE_WORDS("Phrase", "set the contention flag"), kNone, false},
    {0x05, "Contend",
     PHRASE_WORDS("Phrase", "reply with the address if the contention flag is set"), kNone, true},
    {0x06, "Clr Contend", PHRASE_WORDS("Phrase", "clear the contention flag"), kNone, false},
    {0x07, "Address",
     PHRASE_WORDS("Phrase", "reply with the address if the contention flag is clear"), kNone, true},
    {0x08, "Move C", PHRASE_WORDS("Phrase", "change the address if the contention flag is set"),
     kOne, false},
    {0x09, "Move", PHRASE_WORDS("Phrase", "change the address if the contention flag is clear"),
     kOne, false},
    {0x10, "Status", PHRASE_WORDS("Phrase", "read the status register"), kNone, true},
    {0x11, "Config", PHRASE_WORDS("Phrase", "read the configuration"), kNone, true},
    {0x14, "Switch 0", PHRASE_WORDS("Phrase", "read the committed switches"), kNone, true},
    {0x15, "Switch 1", PHRASE_WORDS("Phrase", "read the uncommitted switches"), kNone, true},
    {0x16, "Switch 2", PHRASE_WORDS("Phrase", "read the expansion switches"), kNone, true},
    {0x17, "Switch 3", PHRASE_WORDS("Phrase", "read the expansion switches"), kNone, true},
    {0x20, "Set Lo", PHRASE_WORDS("Phrase", "select the low band"), kNone, false},
    {0x21, "Set VR", PHRASE_WORDS("Phrase", "select vertical or right-hand circular polarisation"),
     kNone, false},
    {0x22, "Set Pos A", PHRASE_WORDS("Phrase", "select satellite position A"), kNone, false},
    {0x23, "Set S0A", PHRASE_WORDS("Phrase", "select switch option A"), kNone, false},
    {0x24, "Set Hi", PHRASE_WORDS("Phrase", "select the high band"), kNone, false},
    {0x25, "Set HL", PHRASE_WORDS("Phrase", "select horizontal or left-hand circular polarisation"),
     kNone, false},
    {0x26, "Set Pos B", PHRASE_WORDS("Phrase", "select satellite position B"), kNone, false},
    {0x27, "Set S0B", PHRASE_WORDS("Phrase", "select switch option B"), kNone, false},
    {0x28, "Set S1A", PHRASE_WORDS("Phrase", "select input A of switch 1"), kNone, false},
    {0x29, "Set S2A", PHRASE_WORDS("Phrase", "select input A of switch 2"), kNone, false},
    {0x2A, "Set S3A", PHRASE_WORDS("Phrase", "select input A of switch 3"), kNone, false},
    {0x2B, "Set S4A", PHRASE_WORDS("Phrase", "select input A of switch 4"), kNone, false},
    {0x2C, "Set S1B", PHRASE_WORDS("Phrase", "select input B of switch 1"), kNone, false},
    {0x2D, "Set S2B", PHRASE_WORDS("Phrase", "select input B of switch 2"), kNone, false},
    {0x2E, "Set S3B", PHRASE_WORDS("Phrase", "select input B of switch 3"), kNone, false},
    {0x2F, "Set S4B", PHRASE_WORDS("Phrase", "select input B of switch 4"), kNone, false},
    {0x30, "Sleep", PHRASE_WORDS("Phrase", "ignore every command but Awake"), kNone, false},
    {0x31, "Awake", PHRASE_WORDS("Phrase", "take commands again"), kNone, false},
    {0x38, "Write N0", PHRASE_WORDS("Phrase", "set the committed switches"), kOne, false},
    {0x39, "Write N1", PHRASE_WORDS("Phrase", "set the uncommitted switches"), kOne, false},
    {0x3A, "Write N2", PHRASE_WORDS("Phrase", "set the expansion switches"), kOne, false},
    {0x3B, "Write N3", PHRASE_WORDS("Phrase", "set the expansion switches"), kOne, false},
    {0x40, "Read A0", PHRASE_WORDS("Phrase", "read analogue value 0"), kNone, true},
    {0x41, "Read A1", PHRASE_WORDS("Phrase", "read analogue value 1"), kNone, true},
    {0x48, "Write A0", PHRASE_WORDS("Phrase", "set analogue value 0 (the skew)"), kOne, false},
    {0x49, "Write A1", PHRASE_WORDS("Phrase", "set analogue value 1"), kOne, false},
    {0x50, "LO string", PHRASE_WORDS("Phrase", "read the local oscillator's frequency"), kNone,
     true},
    {0x51, "LO now", PHRASE_WORDS("Phrase", "read which local oscillator is in use"), kNone, true},
    {0x52, "LO Lo", PHRASE_WORDS("Phrase", "read the low band's local oscillator"), kNone, true},
    {0x53, "LO Hi", PHRASE_WORDS("Phrase", "read the high band's local oscillator"), kNone, true},
    {0x58, "Write Freq", PHRASE_WORDS("Phrase", "tune to a frequency, in BCD"), {2, 3}, false},
    {0x59, "Ch No", PHRASE_WORDS("Phrase", "select a channel by its number"), {2, 2}, false},
    {0x60, "Halt", PHRASE_WORDS("Phrase", "stop the positioner"), kNone, false},
    {0x63, "Limits Off", PHRASE_WORDS("Phrase", "switch the positioner's limits off"), kNone,
     false},
    {0x64, "Pos Stat", PHRASE_WORDS("Phrase", "read the positioner's status"), kNone, true},
    {0x66, "Limit E", PHRASE_WORDS("Phrase", "set the east limit where the positioner stands"),
     kNone, false},
    {0x67, "Limit W", PHRASE_WORDS("Phrase", "set the west limit where the positioner stands"),
     kNone, false},
    {0x68, "Drive East", PHRASE_WORDS("Phrase", "drive the positioner east"), kOne, false},
    {0x69, "Drive West", PHRASE_WORDS("Phrase", "drive the positioner west"), kOne, false},
    {0x6A, "Store nn", PHRASE_WORDS("Phrase", "store where the positioner stands"), kOne, false},
    {0x6B, "Goto nn", PHRASE_WORDS("Phrase", "go to a stored position"), kOne, false},
    {0x6E, "Goto x.x", PHRASE_WORDS("Phrase", "go to an angle"), {2, 2}, false},
    {0x6F, "Set Posns", PHRASE_WORDS("Phrase", "recalculate the stored positions"), {1, 3}, false},
};

Phrase hex(std::uint8_t byte)
{
    return Phrase::plainText(hexByte(byte));
}

Phrase byteWrong(const Frame &frame, std::size_t index, Phrase why)
{
    return {PHRASE_WORDS("Phrase", "byte %1 is %2: %3"),
            {Phrase::number(static_cast<long long>(index + 1)), hex(frame[index]), std::move(why)}};
}

const char *polarisationWord(Polarisation p)
{
    return p == Polarisation::Vertical ? PHRASE_WORDS("Phrase", "vertical")
                                       : PHRASE_WORDS("Phrase", "horizontal");
}

const char *bandWord(Band b)
{
    return b == Band::Low ? PHRASE_WORDS("Phrase", "low") : PHRASE_WORDS("Phrase", "high");
}

// A fraction of a degree as receivers send tenths: the nearest sixteenth.
// Those ten read as tenths; any other as the sixteenths it is.
Phrase degrees(int sixteenths)
{
    const int fraction = sixteenths % 16;
    static constexpr int kTenths[] = {0x0, 0x2, 0x3, 0x5, 0x6, 0x8, 0xA, 0xB, 0xD, 0xE};
    const bool tenth =
        std::find(std::begin(kTenths), std::end(kTenths), fraction) != std::end(kTenths);
    return Phrase::decimal(sixteenths / 16.0, tenth ? 1 : 4);
}

// The angle for programs with a point; for people with their own decimal
// sign.
CommandField angleField(const Phrase &angle, Phrase way)
{
    return {"angle",
            PHRASE_WORDS("Phrase", "Angle"),
            CommandField::Text,
            angle.text(),
            0,
            Phrase(PHRASE_WORDS("Phrase", "%1 (%2)"), {angle, std::move(way)})};
}

struct Naming
{
    Phrase meaning;
    Phrase advice;
};

// The words for what a command does with its data, and why a single-cable
// unit takes no notice of it.
Naming nameCommand(const CommandCode &code, std::uint8_t addressByte, const Frame &frame,
                   std::vector<CommandField> &fields)
{
    const std::uint8_t *data = frame.data() + 3;
    const bool positioner = addressByte >= 0x30 && addressByte <= 0x32;
    Naming n;
    n.advice =
        positioner
            ? PHRASE_WORDS("Phrase",
                           "this receiver drives a positioner; a single-cable unit ignores it")
            : PHRASE_WORDS("Phrase", "a DiSEqC command that a single-cable unit ignores");
    const Phrase plainMeaning{PHRASE_WORDS("Phrase", "%1: %2"),
                              {Phrase::plainText(code.name), Phrase(code.words)}};
    n.meaning = plainMeaning;
    switch (code.code) {
    case 0x20:
    case 0x21:
    case 0x22:
    case 0x23:
    case 0x24:
    case 0x25:
    case 0x26:
    case 0x27:
        n.meaning = {PHRASE_WORDS("Phrase", "DiSEqC 1.0 switch: %1"), {Phrase(code.words)}};
        n.advice = PHRASE_WORDS(
            "Phrase", "this receiver switches with DiSEqC 1.0; a single-cable unit ignores it");
        break;
    case 0x38: {
        n.advice = PHRASE_WORDS(
            "Phrase", "this receiver switches with DiSEqC 1.0; a single-cable unit ignores it");
        if ((data[0] >> 4) != 0xF) {
            n.meaning = {
                PHRASE_WORDS("Phrase",
                             "DiSEqC 1.0 committed switch, data %1: a high nibble other than F, "
                             "which sets only some of the switches"),
                {hex(data[0])}};
            break;
        }
        const char *option = data[0] & 8 ? "B" : "A", *position = data[0] & 4 ? "B" : "A";
        const Polarisation polarisation =
            data[0] & 2 ? Polarisation::Horizontal : Polarisation::Vertical;
        const Band band = data[0] & 1 ? Band::High : Band::Low;
        fields.push_back(textField("option", PHRASE_WORDS("Phrase", "Option"), option));
        fields.push_back(textField("position", PHRASE_WORDS("Phrase", "Position"), position));
        fields.push_back(wordField("polarisation", PHRASE_WORDS("Phrase", "Polarisation"),
                                   polarisationWord(polarisation)));
        fields.push_back(wordField("band", PHRASE_WORDS("Phrase", "Band"), bandWord(band)));
        n.meaning = {
            PHRASE_WORDS("Phrase",
                         "DiSEqC 1.0 committed switch: option %1, position %2, %3, %4 band"),
            {Phrase::plainText(option), Phrase::plainText(position),
             Phrase(polarisationWord(polarisation)), Phrase(bandWord(band))}};
        break;
    }
    case 0x39:
        n.advice = PHRASE_WORDS(
            "Phrase", "this receiver switches with DiSEqC 1.1; a single-cable unit ignores it");
        if ((data[0] >> 4) != 0xF) {
            n.meaning = {
                PHRASE_WORDS("Phrase",
                             "DiSEqC 1.1 uncommitted switch, data %1: a high nibble other than F, "
                             "which sets only some of the switches"),
                {hex(data[0])}};
            break;
        }
        fields.push_back(
            numberField("input", PHRASE_WORDS("Phrase", "Input"), (data[0] & 0xF) + 1));
        n.meaning = {PHRASE_WORDS("Phrase", "DiSEqC 1.1 uncommitted switch: input %1"),
                     {Phrase::number((data[0] & 0xF) + 1)}};
        break;
    case 0x68:
    case 0x69: {
        const bool east = code.code == 0x68;
        const Phrase way(east ? PHRASE_WORDS("Phrase", "east") : PHRASE_WORDS("Phrase", "west"));
        if (data[0] == 0)
            n.meaning = {PHRASE_WORDS("Phrase", "positioner: drive %1 until halted"), {way}};
        else if (data[0] < 0x80)
            n.meaning = {PHRASE_WORDS("Phrase", "positioner: drive %1 for %2 s"),
                         {way, Phrase::number(data[0])}};
        else if (data[0] == 0xFF)
            n.meaning = {PHRASE_WORDS("Phrase", "positioner: drive %1 by 1 step"), {way}};
        else
            n.meaning = {PHRASE_WORDS("Phrase", "positioner: drive %1 by %2 steps"),
                         {way, Phrase::number(256 - data[0])}};
        fields.push_back(
            textField("drive", PHRASE_WORDS("Phrase", "Drive"), hexByte(data[0]), n.meaning));
        break;
    }
    case 0x6A:
    case 0x6B:
        fields.push_back(
            numberField("storedPosition", PHRASE_WORDS("Phrase", "Stored position"), data[0]));
        n.meaning = {code.code == 0x6A
                         ? PHRASE_WORDS("Phrase", "positioner: store the position as number %1")
                         : PHRASE_WORDS("Phrase", "positioner: go to stored position %1"),
                     {Phrase::number(data[0])}};
        break;
    case 0x6E: {
        const int high = data[0] >> 4, value = (data[0] & 0xF) << 8 | data[1];
        if (high == 0xE || high == 0xD) {
            const bool east = high == 0xE;
            fields.push_back(angleField(
                degrees(value),
                Phrase(east ? PHRASE_WORDS("Phrase", "east") : PHRASE_WORDS("Phrase", "west"))));
            fields.push_back(forPrograms("direction", east ? "east" : "west"));
            n.meaning = {east ? PHRASE_WORDS("Phrase", "positioner: go to %1° east")
                              : PHRASE_WORDS("Phrase", "positioner: go to %1° west"),
                         {degrees(value)}};
        } else if (high == 0x0 || high == 0x1 || high == 0xF) {
            // The full circle of an azimuth mount: 0 is north, 1 adds 256°,
            // F takes 256° away.
            const int sixteenths = (high == 0xF ? -0x1000 : high * 0x1000) + value;
            const Phrase angle = sixteenths < 0
                                     ? Phrase{PHRASE_WORDS("Phrase", "-%1"), {degrees(-sixteenths)}}
                                     : degrees(sixteenths);
            fields.push_back(
                angleField(angle, Phrase(PHRASE_WORDS("Phrase", "clockwise from north"))));
            fields.push_back(forPrograms("direction", "azimuth"));
            n.meaning = {PHRASE_WORDS("Phrase", "positioner: go to %1° clockwise from north"),
                         {angle}};
        } else {
            n.meaning = {
                PHRASE_WORDS("Phrase",
                             "positioner: go to an angle, data %1 %2: its first nibble %3 names no "
                             "direction (E east, D west; 0, 1 or F an azimuth)"),
                {hex(data[0]), hex(data[1]), Phrase::plainText(hexByte(data[0]).substr(0, 1))}};
        }
        break;
    }
    default:
        if (frame.size() > 3) {
            const Frame rest(frame.begin() + 3, frame.end());
            fields.push_back(
                textField("data", PHRASE_WORDS("Phrase", "Data"), bytesToHexText(rest)));
        }
        break;
    }
    return n;
}

} // namespace

const std::vector<Framing> &framings()
{
    return kFramings;
}

const std::vector<Address> &addresses()
{
    return kAddresses;
}

const std::vector<CommandCode> &commandCodes()
{
    return kCommands;
}

const Framing *framing(std::uint8_t code)
{
    for (const Framing &f : kFramings)
        if (f.code == code)
            return &f;
    return nullptr;
}

const Address *address(std::uint8_t code)
{
    if ((code & 0xF0) == 0x60)
        return &kReallocated;
    if ((code & 0xF0) == 0xF0)
        return &kManufacturer;
    for (const Address &a : kAddresses)
        if (a.code == code)
            return &a;
    return nullptr;
}

const CommandCode *commandCode(std::uint8_t code)
{
    for (const CommandCode &c : kCommands)
        if (c.code == code)
            return &c;
    return nullptr;
}

Frame committedSwitch(const CommittedSwitch &s, bool repeated)
{
    return {std::uint8_t(repeated ? 0xE1 : 0xE0), 0x10, 0x38,
            std::uint8_t(0xF0 | (s.optionB ? 8 : 0) | (s.positionB ? 4 : 0) |
                         (s.polarisation == Polarisation::Horizontal ? 2 : 0) |
                         (s.band == Band::High ? 1 : 0))};
}

Frame uncommittedSwitch(int input, bool repeated)
{
    return {std::uint8_t(repeated ? 0xE1 : 0xE0), 0x10, 0x39,
            std::uint8_t(0xF0 | ((std::clamp(input, 1, 16) - 1) & 0xF))};
}

Frame goToAngle(double degreesEast)
{
    const int sixteenths = std::min(0xFFF, int(std::lround(std::abs(degreesEast) * 16)));
    return {0xE0, 0x31, 0x6E, std::uint8_t((degreesEast < 0 ? 0xD0 : 0xE0) | sixteenths >> 8),
            std::uint8_t(sixteenths & 0xFF)};
}

FrameReading readFrame(const Frame &frame)
{
    FrameReading r;
    if (frame.empty()) {
        r.error = PHRASE_WORDS("Phrase", "no bytes given");
        return r;
    }
    const std::uint8_t first = frame[0];
    const bool en50607 = first == framebytes::kEn50607ChannelChange ||
                         first == framebytes::kEn50607ChannelChangePin ||
                         (first >= framebytes::kEn50607UserbandsAvailable &&
                          first <= framebytes::kEn50607UserbandSwitches);
    // EN 50494's command bytes are read as it has them, whatever the framing:
    // a single-cable command never asks for a reply.
    const bool en50494 = first >= 0xE0 && first <= 0xE3 && frame.size() >= 3 &&
                         frame[2] >= framebytes::kEn50494ChannelChange &&
                         frame[2] <= framebytes::kEn50494UnitCommandPin;
    if (en50607 || en50494 || ((first == 0xE0 || first == 0xE1) && frame.size() < 3)) {
        const Decoded decoded = decode(frame);
        if (!decoded.ok()) {
            r.error = decoded.error;
            return r;
        }
        r.kind = FrameKind::SingleCable;
        r.command = decoded.command;
        r.meaning = Phrase(commandKindInfo(decoded.command.kind).purpose);
        r.fields = describeCommand(decoded.command, 0);
        return r;
    }
    const Framing *f = framing(first);
    if (!f) {
        r.error = byteWrong(
            frame, 0,
            PHRASE_WORDS("Phrase",
                         "neither a DiSEqC framing byte (E0 to E7) nor an EN 50607 command "
                         "(70, 71, 7A to 7E)"));
        return r;
    }
    r.fields.push_back(textField("bytes", "", bytesToHexText(frame)));
    r.fields.push_back(
        textField("framing", PHRASE_WORDS("Phrase", "Framing"), hexByte(first), Phrase(f->words)));
    if (!f->fromMaster) {
        r.kind = FrameKind::Reply;
        r.meaning = Phrase(f->words);
        if (frame.size() > 1) {
            const Frame rest(frame.begin() + 1, frame.end());
            r.fields.push_back(
                textField("data", PHRASE_WORDS("Phrase", "Data"), bytesToHexText(rest)));
            std::string data = bytesToHexText(rest);
            data.pop_back(); // the blank after the last byte
            r.meaning = {PHRASE_WORDS("Phrase", "%1, with data %2"),
                         {Phrase(f->words), Phrase::plainText(data)}};
        }
        r.notSingleCable =
            PHRASE_WORDS("Phrase", "a slave's reply to a command; a single-cable unit sends none");
        return r;
    }
    if (frame.size() < 3) {
        r.fields.clear();
        r.error = {
            PHRASE_WORDS("Phrase",
                         "a DiSEqC command takes a framing, an address and a command byte; got %1 "
                         "byte(s)"),
            {Phrase::number(static_cast<long long>(frame.size()))}};
        return r;
    }
    r.wantsReply = f->wantsReply;
    const Address *a = address(frame[1]);
    r.fields.push_back(
        textField("address", PHRASE_WORDS("Phrase", "Address"), hexByte(frame[1]),
                  a ? Phrase(a->words) : Phrase(PHRASE_WORDS("Phrase", "reserved"))));
    const CommandCode *c = commandCode(frame[2]);
    if (!c) {
        r.kind = FrameKind::Command;
        r.fields.push_back(textField(
            "command", PHRASE_WORDS("Phrase", "Command"), hexByte(frame[2]),
            Phrase(PHRASE_WORDS("Phrase", "not one of the bus's commands this tool knows"))));
        r.meaning = {PHRASE_WORDS("Phrase", "DiSEqC command %1, which this tool does not know"),
                     {hex(frame[2])}};
        r.notSingleCable =
            PHRASE_WORDS("Phrase", "a DiSEqC command that a single-cable unit ignores");
        return r;
    }
    const int dataBytes = int(frame.size()) - 3;
    if (dataBytes < c->data.fewest || dataBytes > c->data.most) {
        r.fields.clear();
        const Phrase name = Phrase::plainText(c->name);
        const Phrase wanted = Phrase::number(c->data.fewest);
        const Phrase got = Phrase::number(dataBytes);
        if (c->data.fewest != c->data.most)
            r.error = {PHRASE_WORDS("Phrase", "%1 takes %2 to %3 data bytes; got %4"),
                       {name, wanted, Phrase::number(c->data.most), got}};
        else if (c->data.fewest == 1)
            r.error = {PHRASE_WORDS("Phrase", "%1 takes 1 data byte; got %2"), {name, got}};
        else
            r.error = {PHRASE_WORDS("Phrase", "%1 takes %2 data bytes; got %3"),
                       {name, wanted, got}};
        return r;
    }
    r.kind = FrameKind::Command;
    r.fields.push_back(textField(
        "command", PHRASE_WORDS("Phrase", "Command"), hexByte(frame[2]),
        Phrase{PHRASE_WORDS("Phrase", "%1: %2"), {Phrase::plainText(c->name), Phrase(c->words)}}));
    Naming named = nameCommand(*c, frame[1], frame, r.fields);
    r.meaning = std::move(named.meaning);
    r.notSingleCable = std::move(named.advice);
    return r;
}

} // namespace diseqc
