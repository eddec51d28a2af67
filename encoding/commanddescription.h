#pragma once

#include "command.h"

#include <string>
#include <vector>

// One fact about a command, for people (`label`, `shown`) and for programs
// (`key` and the value). A field without a label is for programs only.
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
    Phrase shown; // as people read it: "E0 (first transmission)", "1100 MHz"
};

// The fields of a command in the order people read them, its bytes among
// them. An EN 50494 channel change gives its intermediate frequency only
// with the userband's centre frequency (0: not known), which must lie below
// the sum its tuning word encodes.
std::vector<CommandField> describeCommand(const Command &command, int userbandFrequency);
