#pragma once

#include "phrase.h"

#include <cstdint>
#include <string>
#include <vector>

// Renders a frame as the text installers copy: two upper-case hex digits and
// one blank per byte, the last byte included ("70 03 E8 03 ").
std::string bytesToHexText(const std::vector<std::uint8_t> &frame);

// One byte as two upper-case hex digits, without the blank: "E0".
std::string hexByte(std::uint8_t byte);

// Reads hex bytes as people paste them: "E0 10 5A 0C F6 ", "E0105A0CF6",
// "0xE0, 0x10", lower case. Blanks, tabs and commas separate; a group
// without separators splits into pairs of digits. On failure says what is
// wrong and at which column.
struct HexBytes
{
    std::vector<std::uint8_t> bytes;
    Phrase error;

    bool ok() const { return error.empty(); }
};
HexBytes parseHexText(const std::string &text);
