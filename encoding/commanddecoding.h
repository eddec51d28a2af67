#pragma once

#include "commandkinds.h"
#include "standards.h"

#include <cstdint>
#include <string>
#include <vector>

// Reading back the single-cable commands that receivers send.

struct DecodedCommand
{
    Standard standard = Standard::En50494;
    CommandKind kind = CommandKind::ChannelChange;
    std::uint8_t framing = 0; // EN 50494 only: E0, or E1 for a repeat
    std::uint8_t address = 0; // EN 50494 only: 10, 00 or 11
    int userbandIndex = 0;    // userband number minus one, where the command names one
    int position = 0;         // 0 = A .. 3 = D, and on to 63 in EN 50607
    bool vertical = false;
    bool lowBand = false;
    int tuningWord = 0;
    int argument = -1; // ODU_Config's configuration byte, ODU_LOfreq's oscillator code
    int pin = -1;      // -1: sent without PIN
};

// Recognises every command of EN 50494 and EN 50607 (see commandkinds.h),
// with or without PIN. On failure returns false and says in `error` which
// byte is wrong and why, reserved bits included; `command` is then
// unspecified.
bool decodeCommand(const std::vector<std::uint8_t> &frame, DecodedCommand &command,
                   std::string &error);

// EN 50494's tuning word encodes the sum of intermediate and userband
// frequency in 4 MHz steps; EN 50607's the intermediate frequency itself.
constexpr int en50494FrequencySum(int tuningWord)
{
    return (tuningWord + 350) * 4;
}

constexpr int en50607IfFrequency(int tuningWord)
{
    return tuningWord + 100;
}

// One fact about a decoded command, for people (`label`, `shown`) and for
// programs (`key` and the value). A field without a label is for programs
// only.
struct CommandField
{
    enum Kind
    {
        Text,    // `text`
        Number,  // `number`
        Missing, // not known or not sent: null for programs
    };
    std::string key;
    std::string label;
    Kind kind = Text;
    std::string text;
    long long number = 0;
    std::string shown; // as people read it: "E0 (first transmission)", "1100 MHz"
};

// The fields of a command in the order people read them. An EN 50494
// channel change gives its intermediate frequency only with the userband's
// centre frequency (0: not known), which must lie below the sum its tuning
// word encodes.
std::vector<CommandField> describeCommand(const DecodedCommand &command,
                                          const std::vector<std::uint8_t> &frame,
                                          int userbandFrequency);

// A channel change's intermediate frequency in MHz, or -1 where it is not
// known (see describeCommand) or the command tunes nothing.
int commandIfFrequency(const DecodedCommand &command, int userbandFrequency);

// Why a command that decodes cleanly is still implausible, or nothing: an
// intermediate frequency outside the cable's 950..2150 MHz.
std::string commandWarning(const DecodedCommand &command, int userbandFrequency);
