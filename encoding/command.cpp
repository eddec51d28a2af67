#include "command.h"

#include "bands.h"
#include "framebytes.h"
#include "hextext.h"

#include <algorithm>

namespace {

using namespace framebytes;

constexpr int kEn50494MaxTuningWord = 1023;
constexpr int kEn50607MaxTuningWord = 2047;
constexpr int kEn50607MaxIfFrequency = 2150;
const std::uint8_t kSingleCableAddresses[] = {0x10, 0x00, 0x11};

bool knownAddress(std::uint8_t address)
{
    return std::find(std::begin(kSingleCableAddresses), std::end(kSingleCableAddresses), address) !=
           std::end(kSingleCableAddresses);
}

bool hasUserband(Standard standard, int userband)
{
    return userband >= 1 && userband <= standardUserbands(standard);
}

void appendPin(Frame &frame, const Pin &pin)
{
    if (pin)
        frame.push_back(static_cast<std::uint8_t>(*pin));
}

Command tuned(Standard standard, const Tuning &t, int tuningWord)
{
    Command c;
    c.standard = standard;
    c.userband = t.userband;
    c.position = t.position;
    c.polarisation = t.polarisation;
    c.band = t.band;
    c.tuningWord = tuningWord;
    c.pin = t.pin;
    return c;
}

Built en50494ChannelChange(const Tuning &t)
{
    const int userbands = standardUserbands(Standard::En50494);
    const int positions = standardPositions(Standard::En50494);
    if (t.userband > userbands)
        return {{}, EncodeUserbandOutOfRange};
    if (t.position >= positions)
        return {{}, EncodePositionOutOfRange};
    if (t.userband < 1)
        return {{}, EncodeUserbandOutOfRange};
    if (t.position < 0)
        return {{}, EncodePositionOutOfRange};
    if (t.ifFrequency < 0 || t.userbandFrequency < 0)
        return {{}, EncodeFrequencyOutOfRange};
    // T = round((f_if + f_ub) / 4) - 350, halves away from zero; the sum is
    // not negative here, so adding 2 before the division rounds it. 64 bits
    // keep the sum of two large ints from overflowing.
    const std::int64_t sum = std::int64_t(t.ifFrequency) + t.userbandFrequency;
    const std::int64_t word = (sum + 2) / 4 - 350;
    // Tuning word 0 is the switch-off, not a channel.
    if (word < 1 || word > kEn50494MaxTuningWord)
        return {{}, EncodeFrequencyOutOfRange};
    return {tuned(Standard::En50494, t, int(word)), EncodeOk};
}

Built en50607ChannelChange(const Tuning &t)
{
    if (t.position >= standardPositions(Standard::En50607))
        return {{}, EncodePositionOutOfRange};
    if (t.userband > standardUserbands(Standard::En50607))
        return {{}, EncodeUserbandOutOfRange};
    if (t.ifFrequency > kEn50607MaxIfFrequency)
        return {{}, EncodeFrequencyOutOfRange};
    if (t.position < 0)
        return {{}, EncodePositionOutOfRange};
    if (t.userband < 1)
        return {{}, EncodeUserbandOutOfRange};
    // The outdoor unit knows its userband frequencies, so the frame does not
    // carry it; a negative one is still a caller's error.
    if (t.ifFrequency <= en50607IfFrequency(0) || t.userbandFrequency < 0)
        return {{}, EncodeFrequencyOutOfRange};
    // 2148..2150 MHz would need T = 2048..2050; the field tops out at 2047.
    const int word = std::min(t.ifFrequency - en50607IfFrequency(0), kEn50607MaxTuningWord);
    return {tuned(Standard::En50607, t, word), EncodeOk};
}

EncodeResult check(const Command &c)
{
    const CommandKindInfo &info = commandKindInfo(c.kind);
    const bool channel = c.kind == CommandKind::ChannelChange || c.kind == CommandKind::SwitchOff;
    if (!channel && info.standard != c.standard)
        return EncodeArgumentOutOfRange;
    // A field the kind does not carry would not come back from its frame.
    const Command defaults;
    const bool tunes = c.kind == CommandKind::ChannelChange;
    if ((!info.userband && c.userband != defaults.userband) ||
        (!tunes && (c.position != defaults.position || c.polarisation != defaults.polarisation ||
                    c.band != defaults.band || c.tuningWord != defaults.tuningWord)) ||
        (!info.argument && c.argument != defaults.argument) ||
        (c.standard == Standard::En50607 &&
         (c.repeated != defaults.repeated || c.address != defaults.address)))
        return EncodeArgumentOutOfRange;
    if (info.userband && !hasUserband(c.standard, c.userband))
        return EncodeUserbandOutOfRange;
    if (c.position < 0 || c.position >= standardPositions(c.standard))
        return EncodePositionOutOfRange;
    const int highest =
        c.standard == Standard::En50494 ? kEn50494MaxTuningWord : kEn50607MaxTuningWord;
    if (c.kind == CommandKind::ChannelChange && (c.tuningWord < 1 || c.tuningWord > highest))
        return EncodeFrequencyOutOfRange;
    if (c.pin && (*c.pin < 0 || *c.pin > bands::kPinMax))
        return EncodePinOutOfRange;
    if (!channel && c.standard == Standard::En50607 && c.pin) // no PIN form
        return EncodeArgumentOutOfRange;
    if (c.kind == CommandKind::Config && (c.argument < kConfigMin || c.argument > kConfigMax))
        return EncodeArgumentOutOfRange;
    if (c.kind == CommandKind::Oscillator && !oscillatorKnown(c.argument))
        return EncodeArgumentOutOfRange;
    if (c.standard == Standard::En50494 && !knownAddress(c.address))
        return EncodeArgumentOutOfRange;
    return EncodeOk;
}

Frame en50494Frame(const Command &c)
{
    const int index = c.userband - 1;
    std::uint8_t data1 = 0, data2 = 0;
    bool unit = false;
    switch (c.kind) {
    case CommandKind::ChannelChange: {
        const int positionBit = c.position == 1 ? 1 : 0;
        const int horizontalBit = c.polarisation == Polarisation::Horizontal ? 1 : 0;
        const int highBandBit = c.band == Band::High ? 1 : 0;
        data1 = std::uint8_t(index << 5 | positionBit << 4 | horizontalBit << 3 | highBandBit << 2 |
                             c.tuningWord >> 8);
        data2 = std::uint8_t(c.tuningWord & 0xFF);
        break;
    }
    case CommandKind::SwitchOff:
        data1 = std::uint8_t(index << 5);
        break;
    case CommandKind::SignalOn:
        unit = true;
        data1 = kSignalOn;
        break;
    default: // configuration or oscillator
        unit = true;
        data1 = std::uint8_t(index << 5 | (c.kind == CommandKind::Config ? kConfig : kOscillator));
        data2 = std::uint8_t(c.argument);
        break;
    }
    const std::uint8_t command = unit ? (c.pin ? kEn50494UnitCommandPin : kEn50494UnitCommand)
                                      : (c.pin ? kEn50494ChannelChangePin : kEn50494ChannelChange);
    Frame frame{c.repeated ? kEn50494FramingRepeat : kEn50494Framing, c.address, command, data1,
                data2};
    appendPin(frame, c.pin);
    return frame;
}

Frame en50607Frame(const Command &c)
{
    const std::uint8_t userband = std::uint8_t((c.userband - 1) << 3);
    switch (c.kind) {
    case CommandKind::UserbandsAvailable:
        return {kEn50607UserbandsAvailable};
    case CommandKind::UserbandsWithPin:
        return {kEn50607UserbandsWithPin};
    case CommandKind::UserbandsInUse:
        return {kEn50607UserbandsInUse};
    case CommandKind::UserbandFrequency:
        return {kEn50607UserbandFrequency, userband};
    case CommandKind::UserbandSwitches:
        return {kEn50607UserbandSwitches, userband};
    default:
        break;
    }
    const int horizontalBit = c.polarisation == Polarisation::Horizontal ? 1 : 0;
    const int highBandBit = c.band == Band::High ? 1 : 0;
    const bool off = c.kind == CommandKind::SwitchOff;
    Frame frame{
        c.pin ? kEn50607ChannelChangePin : kEn50607ChannelChange,
        std::uint8_t(userband | (off ? 0 : c.tuningWord >> 8)),
        std::uint8_t(off ? 0 : c.tuningWord & 0xFF),
        std::uint8_t(off ? 0 : c.position << 2 | horizontalBit << 1 | highBandBit),
    };
    appendPin(frame, c.pin);
    return frame;
}

} // namespace

Phrase encodeResultText(int code)
{
    switch (code) {
    case EncodeArgumentOutOfRange:
        return PHRASE_WORDS("Phrase", "value out of range");
    case EncodePositionOutOfRange:
        return PHRASE_WORDS("Phrase", "position out of range");
    case EncodeUserbandOutOfRange:
        return PHRASE_WORDS("Phrase", "userband number out of range");
    case EncodePinOutOfRange:
        return PHRASE_WORDS("Phrase", "PIN out of range");
    default:
        return PHRASE_WORDS("Phrase", "userband frequency out of range");
    }
}

bool Command::operator==(const Command &o) const
{
    return standard == o.standard && kind == o.kind && userband == o.userband &&
           position == o.position && polarisation == o.polarisation && band == o.band &&
           tuningWord == o.tuningWord && argument == o.argument && pin == o.pin &&
           repeated == o.repeated && address == o.address;
}

Built channelChange(Standard standard, const Tuning &tuning)
{
    // A PIN is the receiver's own and outlives any tuning: it is named first.
    if (tuning.pin && (*tuning.pin < 0 || *tuning.pin > bands::kPinMax))
        return {{}, EncodePinOutOfRange};
    return standard == Standard::En50494 ? en50494ChannelChange(tuning)
                                         : en50607ChannelChange(tuning);
}

Command switchOff(Standard standard, int userband, Pin pin)
{
    Command c;
    c.standard = standard;
    c.kind = CommandKind::SwitchOff;
    c.userband = userband;
    c.pin = pin;
    return c;
}

Command unitCommand(CommandKind kind, int userband, int argument, Pin pin)
{
    const CommandKindInfo &info = commandKindInfo(kind);
    Command c;
    c.standard = info.standard;
    c.kind = kind;
    c.userband = info.userband ? userband : 1;
    c.argument = info.argument ? argument : -1;
    c.pin = pin;
    return c;
}

Encoded encode(const Command &command)
{
    const EncodeResult error = check(command);
    if (error != EncodeOk)
        return {{}, error};
    return {command.standard == Standard::En50494 ? en50494Frame(command) : en50607Frame(command),
            EncodeOk};
}

Encoded encode(Standard standard, const Tuning &tuning)
{
    const Built built = channelChange(standard, tuning);
    return built.ok() ? encode(built.command) : Encoded{{}, built.error};
}

std::optional<IfRange> intermediateFrequency(const Command &c, int userbandFrequency)
{
    if (c.kind != CommandKind::ChannelChange)
        return std::nullopt;
    if (c.standard == Standard::En50607) {
        const int nominal = en50607IfFrequency(c.tuningWord);
        const bool capped = c.tuningWord == kEn50607MaxTuningWord;
        return IfRange{nominal, nominal, capped ? kEn50607MaxIfFrequency : nominal};
    }
    const int sum = en50494FrequencySum(c.tuningWord);
    if (userbandFrequency <= 0 || userbandFrequency >= sum)
        return std::nullopt;
    // The encoder rounds the sum to the nearest step, halves up: sums of
    // s - 2 .. s + 1 all give s.
    const int nominal = sum - userbandFrequency;
    return IfRange{nominal, nominal - 2, nominal + 1};
}

Tuned tuningFor(const Command &c, int userbandFrequency)
{
    Tuned tuned;
    if (c.kind != CommandKind::ChannelChange) {
        tuned.error = PHRASE_WORDS("Phrase", "it is not a channel change");
        return tuned;
    }
    const std::optional<IfRange> range = intermediateFrequency(c, userbandFrequency);
    if (!range) {
        tuned.error = {
            PHRASE_WORDS("Phrase", "its tuning word sums to %1 MHz, no more than the "
                                   "userband's own %2 MHz: it names no intermediate "
                                   "frequency"),
            {Phrase::number(en50494FrequencySum(c.tuningWord)), Phrase::number(userbandFrequency)}};
        return tuned;
    }
    // Of the frequencies that give this frame, the nominal one, or the one
    // nearest it inside the band: a transponder at the band's edge comes
    // back as itself.
    const int oscillator = bands::localOscillator(c.band);
    const int inside = std::clamp(range->nominal + oscillator, bands::transponderMin(c.band),
                                  bands::transponderMax(c.band)) -
                       oscillator;
    const int ifFrequency =
        inside >= range->lowest && inside <= range->highest ? inside : range->nominal;
    Tuning &t = tuned.tuning;
    t.polarisation = c.polarisation;
    t.band = c.band;
    t.position = c.position;
    t.ifFrequency = ifFrequency;
    t.userbandFrequency = userbandFrequency;
    t.userband = c.userband;
    t.pin = c.pin;
    tuned.transponder = ifFrequency + oscillator;
    if (!bands::inBand(tuned.transponder, c.band))
        tuned.error = {PHRASE_WORDS("Phrase", "its intermediate frequency of %1 MHz puts the "
                                              "transponder outside the %2 band"),
                       {Phrase::number(ifFrequency),
                        Phrase(c.band == Band::Low ? PHRASE_WORDS("Phrase", "low")
                                                   : PHRASE_WORDS("Phrase", "high"))}};
    return tuned;
}

Phrase commandWarning(const Command &c, int userbandFrequency)
{
    const std::optional<IfRange> range = intermediateFrequency(c, userbandFrequency);
    if (!range || (range->highest >= bands::kIfMin && range->lowest <= bands::kIfMax))
        return {};
    return {PHRASE_WORDS("Phrase", "its intermediate frequency of %1 MHz lies outside %2..%3 MHz"),
            {Phrase::number(range->nominal), Phrase::number(bands::kIfMin),
             Phrase::number(bands::kIfMax)}};
}
