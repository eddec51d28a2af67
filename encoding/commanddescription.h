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
    Phrase label; // empty for a field only programs read
    Kind kind = Text;
    std::string text;
    long long number = 0;
    Phrase shown; // as people read it: "E0 (first transmission)", "1100 MHz"
};

// A value that reads the same in every language ("E0", "A"), with words
// after it when given.
CommandField textField(const char *key, const char *label, const std::string &text,
                       Phrase detail = {}, const char *joined = PHRASE_WORDS("Phrase", "%1 (%2)"));
// A value that is a word people read in their own language ("vertical").
CommandField wordField(const char *key, const char *label, const char *word);
CommandField numberField(const char *key, const char *label, long long number,
                         const char *unit = nullptr);
CommandField forPrograms(const char *key, const std::string &text);
CommandField numberForPrograms(const char *key, long long number);

// The fields of a command in the order people read them, its bytes among
// them. An EN 50494 channel change gives its intermediate frequency only
// with the userband's centre frequency (0: not known), which must lie below
// the sum its tuning word encodes.
std::vector<CommandField> describeCommand(const Command &command, int userbandFrequency);
