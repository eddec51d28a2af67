#include "commandkinds.h"

namespace {

const CommandKindInfo kInfos[] = {
    {CommandKind::ChannelChange, Standard::En50494, PHRASE_WORDS("Phrase", "channel change"),
     PHRASE_WORDS("Phrase", "tunes a transponder"), "", true, false},
    {CommandKind::SwitchOff, Standard::En50494, PHRASE_WORDS("Phrase", "switch-off"),
     PHRASE_WORDS("Phrase", "frees the userband"), "", true, false},
    {CommandKind::SignalOn, Standard::En50494, "ODU_UbxSignal_ON",
     PHRASE_WORDS("Phrase", "every userband sends a tone at its centre"), "signal-on", false,
     false},
    {CommandKind::Config, Standard::En50494, "ODU_Config",
     PHRASE_WORDS("Phrase", "asks whether the unit has this configuration"), "config", true, true},
    {CommandKind::Oscillator, Standard::En50494, "ODU_LOfreq",
     PHRASE_WORDS("Phrase", "asks for the unit's oscillator"), "lo-freq", true, true},
    {CommandKind::UserbandsAvailable, Standard::En50607, "ODU_UB_avail",
     PHRASE_WORDS("Phrase", "asks which userbands exist"), "ub-avail", false, false},
    {CommandKind::UserbandsWithPin, Standard::En50607, "ODU_UB_PIN",
     PHRASE_WORDS("Phrase", "asks which userbands are protected by a PIN"), "ub-pin", false, false},
    {CommandKind::UserbandsInUse, Standard::En50607, "ODU_UB_inuse",
     PHRASE_WORDS("Phrase", "asks which userbands are in use"), "ub-inuse", false, false},
    {CommandKind::UserbandFrequency, Standard::En50607, "ODU_UB_freq",
     PHRASE_WORDS("Phrase", "asks for the centre frequency of the userband"), "ub-freq", true,
     false},
    {CommandKind::UserbandSwitches, Standard::En50607, "ODU_UB_switches",
     PHRASE_WORDS("Phrase", "asks for the switches of the userband"), "ub-switches", true, false},
};

// MHz of codes 00..0C and 10..14; 0 where the code names no oscillator,
// -1 where it names an unknown one.
const int kStandardBand[] = {0,     -1,    9750,  10000, 10600, 10750, 11000,
                             11250, 11475, 20250, 5150,  1585,  13850};
const int kWideBand[] = {0, 10000, 10200, 13250, 13450};
constexpr int kWideBandFirst = 0x10;

} // namespace

const CommandKindInfo &commandKindInfo(CommandKind kind)
{
    return kInfos[int(kind)];
}

Phrase configText(std::uint8_t config)
{
    static const char *const counts[] = {
        PHRASE_WORDS("Phrase", "two userbands"), PHRASE_WORDS("Phrase", "four userbands"),
        PHRASE_WORDS("Phrase", "six userbands"), PHRASE_WORDS("Phrase", "eight userbands")};
    return {
        PHRASE_WORDS("Phrase", "%1, %2, %3"),
        {config & 8 ? PHRASE_WORDS("Phrase", "two positions")
                    : PHRASE_WORDS("Phrase", "one position"),
         config & 4 ? PHRASE_WORDS("Phrase", "wide band") : PHRASE_WORDS("Phrase", "standard band"),
         counts[config & 3]}};
}

bool oscillatorKnown(int code)
{
    return (code >= 0 && code < int(std::size(kStandardBand))) ||
           (code >= kWideBandFirst && code < kWideBandFirst + int(std::size(kWideBand)));
}

int oscillatorFrequency(int code)
{
    if (!oscillatorKnown(code))
        return 0;
    const int mhz = code < kWideBandFirst ? kStandardBand[code] : kWideBand[code - kWideBandFirst];
    return mhz > 0 ? mhz : 0;
}

bool oscillatorWideBand(int code)
{
    return code >= kWideBandFirst;
}

Phrase oscillatorText(int code)
{
    if (code == 1)
        return PHRASE_WORDS("Phrase", "unknown");
    const int mhz = oscillatorFrequency(code);
    if (!oscillatorWideBand(code))
        return mhz > 0 ? Phrase(PHRASE_WORDS("Phrase", "%1 MHz"), {Phrase::number(mhz)})
                       : Phrase(PHRASE_WORDS("Phrase", "none (a switch)"));
    return mhz > 0 ? Phrase(PHRASE_WORDS("Phrase", "wide band, %1 MHz"), {Phrase::number(mhz)})
                   : Phrase(PHRASE_WORDS("Phrase", "wide band, none"));
}
