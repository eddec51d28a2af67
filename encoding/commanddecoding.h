#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reading back the single-cable commands that receivers send.

enum class SingleCableStandard
{
    En50494,
    En50607,
};

struct DecodedCommand
{
    SingleCableStandard standard = SingleCableStandard::En50494;
    bool switchOff = false;   // tuning word 0: the outdoor unit frees the userband
    std::uint8_t framing = 0; // EN 50494 only: E0, or E1 for a repeat
    std::uint8_t address = 0; // EN 50494 only: 10, 00 or 11
    int userbandIndex = 0;    // userband number minus one
    int position = 0;         // 0 = A .. 3 = D
    bool vertical = false;
    bool lowBand = false;
    int tuningWord = 0;
    int pin = -1; // -1: sent without PIN
};

// Reads hex bytes as people paste them: "E0 10 5A 0C F6 ", "E0105A0CF6",
// "0xE0, 0x10", lower case. Blanks, tabs and commas separate; a group
// without separators splits into pairs of digits. On failure returns false
// and says in `error` what is wrong and at which column.
bool parseHexText(const std::string &text, std::vector<std::uint8_t> &frame, std::string &error);

// Recognises an EN 50494 or EN 50607 channel change or switch-off, with or
// without PIN. On failure returns false and says in `error` which byte is
// wrong and why; `command` is then unspecified.
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
