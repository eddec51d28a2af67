#pragma once

#include <string>

// A transponder as installers write it: its frequency in MHz and H or V,
// with the satellite position in front when it matters: "11493H",
// "12188 V", "B 12188V", and EN 50607's further positions by number,
// "5 12188V". Letters in either case; one blank may stand between the
// parts, and must after a numbered position.
struct TransponderNotation
{
    int position = -1; // 0 = A .. 3 = D, on to 63; -1 when none is written
    int frequency = 0; // MHz
    bool vertical = false;
};

// Reads the form only; whether the frequency lies in a band is the
// caller's to judge.
bool parseTransponder(const std::string &text, TransponderNotation &transponder);

// "B 12188V": the position always written.
std::string transponderName(int position, int frequency, bool vertical);
