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
    return standard == Standard::En50494 ? 2 : 64;
}

// EN 50607's tuning word carries intermediate frequencies up to this one
// exactly; higher ones up to 2150 MHz are sent as it.
constexpr int kEn50607HighestExactIf = 2147;

// Positions 0 to 3 are "A" to "D", as installers name them; from the
// fifth on, EN 50607's positions go by their number, "5" to "64".
std::string positionName(int position);
// "A".."D" in either case, or "1".."64"; -1 for anything else.
int positionFromName(const std::string &name);
