#pragma once

#include "phrase.h"
#include "standards.h"

#include <cstdint>
#include <string>

// Every command of the two standards that a receiver sends to the outdoor
// unit: the channel change and switch-off of each, and the commands with
// which a receiver finds its way round a unit while it installs itself.
enum class CommandKind
{
    ChannelChange,
    SwitchOff, // a channel change with tuning word 0: frees the userband
    // EN 50494, command byte 5B (5D with PIN).
    SignalOn,   // every userband sends a tone at its centre
    Config,     // asks whether the unit has a configuration
    Oscillator, // asks for the unit's local oscillator
    // EN 50607, first byte 7A..7E.
    UserbandsAvailable,
    UserbandsWithPin,
    UserbandsInUse,
    UserbandFrequency,
    UserbandSwitches,
};

struct CommandKindInfo
{
    CommandKind kind;
    Standard standard;   // channel change and switch-off belong to both
    const char *name;    // as the standards' implementations name it: "ODU_Config"
    const char *purpose; // what it does, in words
    const char *word;    // as options spell it: "config"
    bool userband;       // names a userband
    bool argument;       // carries a value of its own (configuration, oscillator)
};

const CommandKindInfo &commandKindInfo(CommandKind kind);

// The commands other than channel change and switch-off, in a fixed order.
constexpr CommandKind kUnitCommands[] = {
    CommandKind::SignalOn,           CommandKind::Config,           CommandKind::Oscillator,
    CommandKind::UserbandsAvailable, CommandKind::UserbandsWithPin, CommandKind::UserbandsInUse,
    CommandKind::UserbandFrequency,  CommandKind::UserbandSwitches,
};

// ODU_Config's byte, 10..1F: bit 3 two positions (else one), bit 2 wide
// band (else standard band), bits 1..0 two, four, six or eight userbands.
constexpr int kConfigMin = 0x10, kConfigMax = 0x1F;
Phrase configText(std::uint8_t config); // "two positions, standard band, eight userbands"

// ODU_LOfreq's codes: 00..0C and 10..14. Returns false for any other.
bool oscillatorKnown(int code);
// "9750 MHz", "none (a switch)", "wide band, 10200 MHz"; the frequency is 0
// where the code names none.
Phrase oscillatorText(int code);
int oscillatorFrequency(int code);
// Whether the code is one of a wide-band unit (10..14).
bool oscillatorWideBand(int code);
