#pragma once

#include "commandkinds.h"
#include "phrase.h"
#include "standards.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The commands a single-cable receiver sends to the outdoor unit, as one
// value that every part of the program passes around, and the frames that
// carry them. A value is turned into bytes by `encode` and read back by
// `decode`; for every value that encodes, decode(encode(x)) == x.

// A command's bytes in the order they are sent.
using Frame = std::vector<std::uint8_t>;

// A PIN as the commands carry it, 0..255; none: the command is sent without.
using Pin = std::optional<int>;

enum class Polarisation
{
    Horizontal,
    Vertical,
};

enum class Band
{
    High,
    Low,
};

// Why a value cannot be sent. The first four are the window's result codes.
enum EncodeResult
{
    EncodeOk = 0,
    EncodePositionOutOfRange = 1,
    EncodeUserbandOutOfRange = 2,
    EncodeFrequencyOutOfRange = 3,
    EncodeArgumentOutOfRange = 4, // the other commands: a value they cannot carry
    EncodePinOutOfRange = 5,
};

// "position out of range", as the tool and the plan report say it.
Phrase encodeResultText(int code);

struct Command
{
    Standard standard = Standard::En50494;
    CommandKind kind = CommandKind::ChannelChange;
    int userband = 1; // number, from 1, where the kind names one
    // A channel change's own fields; a switch-off and the other commands
    // keep them at these defaults.
    int position = 0; // 0 = A .. 3 = D, on to 63 in EN 50607
    Polarisation polarisation = Polarisation::Horizontal;
    Band band = Band::High;
    int tuningWord = 0; // 0 only in a switch-off
    int argument = -1;  // ODU_Config's configuration byte, ODU_LOfreq's oscillator code
    Pin pin;            // EN 50607's queries have none
    // EN 50494's first two bytes: E1 marks a repeat; 10, 00 or 11 address
    // the unit. EN 50607 has neither and keeps these.
    bool repeated = false;
    std::uint8_t address = 0x10;

    bool operator==(const Command &other) const;
    bool operator!=(const Command &other) const { return !(*this == other); }
};

// What an installer chooses for one receiver's channel change.
struct Tuning
{
    Polarisation polarisation = Polarisation::Horizontal;
    Band band = Band::High;
    int position = 0;
    int ifFrequency = 1100;       // MHz
    int userbandFrequency = 1284; // MHz; only EN 50494 carries it, in the sum
    int userband = 1;             // number, from 1
    Pin pin;
};

struct Built
{
    Command command;
    EncodeResult error = EncodeOk;
    bool ok() const { return error == EncodeOk; }
};

// A channel change for `tuning`, or why the standard cannot carry it. The
// checks run in a fixed order, so that settings that break several limits
// always name the same one: a PIN outside 0..255 first; EN 50494 the
// userband above 8, a position
// beyond B, then the rest; EN 50607 a position beyond 64, a userband above
// 32, an intermediate frequency above 2150 MHz, then the rest.
Built channelChange(Standard standard, const Tuning &tuning);
// The switch-off (tuning word 0) that frees the userband.
Command switchOff(Standard standard, int userband, Pin pin = {});
// Any other command; its standard is the kind's.
Command unitCommand(CommandKind kind, int userband = 1, int argument = -1, Pin pin = {});

struct Encoded
{
    Frame frame;
    EncodeResult error = EncodeOk;
    bool ok() const { return error == EncodeOk; }
};

// The frame of a command, or why it has none: a field beyond what its
// standard carries.
Encoded encode(const Command &command);
// The frame of the channel change for `tuning`, or why there is none.
Encoded encode(Standard standard, const Tuning &tuning);

struct Decoded
{
    Command command;
    Phrase error; // which byte is wrong and why; empty when read
    bool ok() const { return error.empty(); }
};

// Reads every command of both standards, with or without PIN. Refuses
// anything else, reserved bits included, naming the byte at fault.
Decoded decode(const Frame &frame);

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

// The intermediate frequencies a channel change may have been made for, in
// MHz: `nominal` is what its tuning word says. EN 50494 rounds the sum to
// 4 MHz, so any of nominal - 2 .. nominal + 1 gives the same frame; EN
// 50607 sends 2147..2150 MHz alike.
struct IfRange
{
    int nominal;
    int lowest;
    int highest;
};

// Nothing where the command tunes nothing or, for EN 50494, where
// `userbandFrequency` (the userband's centre; 0 when not known) does not lie
// below the sum.
std::optional<IfRange> intermediateFrequency(const Command &command, int userbandFrequency);

// What channelChange was given for a channel change: its choices and the
// intermediate frequency its tuning word says, EN 50494's read with
// `userbandFrequency`, the centre of the userband it was sent for.
// Refused, saying why, for another command, for an EN 50494 one whose
// sum that centre does not lie below, and for one that puts the
// transponder outside its band.
struct Tuned
{
    Tuning tuning;
    int transponder = 0; // MHz
    Phrase error;
    bool ok() const { return error.empty(); }
};
Tuned tuningFor(const Command &command, int userbandFrequency);

// Why a command that decodes cleanly is still implausible, or nothing: no
// intermediate frequency it may stand for lies on the cable (950..2150 MHz).
Phrase commandWarning(const Command &command, int userbandFrequency);
