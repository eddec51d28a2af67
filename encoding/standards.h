#pragma once

#include <string>

// The two single-cable standards, what each can carry, and how the
// satellite positions are named.

enum class Standard
{
    En50494,
    En50607,
};

constexpr Standard kStandards[] = {Standard::En50494, Standard::En50607};

// "EN 50494", as installers and the standards write it.
const char *standardName(Standard standard);
// "en50494", as options and JSON keys spell it.
const char *standardKey(Standard standard);
// Reads "EN 50494", "en50494" or "50494", in any case and with any blanks.
bool parseStandard(const std::string &text, Standard &standard);

// Userbands are numbered 1..standardUserbands, positions 0..standardPositions - 1.
constexpr int standardUserbands(Standard standard)
{
    return standard == Standard::En50494 ? 8 : 32;
}

constexpr int standardPositions(Standard standard)
{
    return standard == Standard::En50494 ? 2 : 4;
}

// EN 50607's tuning word carries intermediate frequencies up to this one
// exactly; higher ones up to 2150 MHz are sent as it.
constexpr int kEn50607HighestExactIf = 2147;

// Position 0 is "A", 1 is "B" and so on.
std::string positionName(int position);
// "A".."D" in either case; -1 for anything else.
int positionFromName(const std::string &name);
