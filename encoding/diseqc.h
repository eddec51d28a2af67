#pragma once

#include "command.h"
#include "commanddescription.h"
#include "phrase.h"

#include <cstdint>
#include <optional>
#include <vector>

// Every DiSEqC frame a receiver or a unit puts on the cable, named from
// one catalogue: the framing byte, the address, the command and its data.
// A single-cable command is read by `decode` as before; anything else on
// the bus (a DiSEqC 1.0 switch, a positioner, a slave's reply) is named
// here, so that an installer sees what a receiver that is not set to
// single-cable sends. Codes the bus leaves reserved are named as such.
namespace diseqc {

struct Framing
{
    std::uint8_t code;
    const char *words; // "command from the master, no reply wanted, first transmission"
    bool fromMaster;   // E0..E3; E4..E7 are a slave's replies
    bool wantsReply;
    bool repeated;
};

struct Address
{
    std::uint8_t code;
    const char *words; // "any LNB, switcher or SMATV"
};

// How many data bytes follow a command.
struct DataBytes
{
    int fewest;
    int most;
};

struct CommandCode
{
    std::uint8_t code;
    const char *name;  // as the bus names it: "Write N0"
    const char *words; // what it does: "committed switches"
    DataBytes data;
    bool readsReply; // the slave answers with data (with E2 or E3)
};

const std::vector<Framing> &framings();
const std::vector<Address> &addresses();
const std::vector<CommandCode> &commandCodes();

const Framing *framing(std::uint8_t code);
const Address *address(std::uint8_t code); // the 6x group and F0..FF included
const CommandCode *commandCode(std::uint8_t code);

enum class FrameKind
{
    SingleCable, // a command of EN 50494 or EN 50607: `decode` reads it
    Command,     // another command from the master
    Reply,       // a slave's reply (E4..E7)
    NotDiseqc,   // bytes that are no DiSEqC frame
};

// Write N0, the committed switches of DiSEqC 1.0: four switches in the low
// nibble, and in the high nibble which of them the command sets.
struct CommittedSwitch
{
    bool optionB = false;
    bool positionB = false;
    Polarisation polarisation = Polarisation::Vertical;
    Band band = Band::Low;
};
Frame committedSwitch(const CommittedSwitch &settings, bool repeated = false);
// Write N1, the uncommitted switches of DiSEqC 1.1: input 1..16.
Frame uncommittedSwitch(int input, bool repeated = false);
// A positioner's go to angle (6E): degrees east (positive) or west
// (negative), in sixteenths of a degree up to 255 15/16.
Frame goToAngle(double degrees);

struct FrameReading
{
    FrameKind kind = FrameKind::NotDiseqc;
    // The whole frame in one line: "DiSEqC 1.0 committed switch: option A,
    // position A, vertical, low band"; for a single-cable command its kind.
    Phrase meaning;
    // Why a single-cable unit does not act on it, for every frame but a
    // single-cable command's.
    Phrase notSingleCable;
    // kind NotDiseqc: which byte is wrong and why.
    Phrase error;
    // The frame's parts, for people and programs, its bytes among them.
    std::vector<CommandField> fields;
    // kind SingleCable: the command.
    std::optional<Command> command;
    // Whether the master asks for a reply (E2, E3).
    bool wantsReply = false;
};

// Names any frame. A frame of E0 or E1 addressed to a single-cable unit
// with a command byte of 5A to 5D, or of 70 to 7E, is read as
// a single-cable command, and refused as `decode` refuses it.
FrameReading readFrame(const Frame &frame);

} // namespace diseqc
