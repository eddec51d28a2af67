#pragma once

#include "command.h"

#include <string>

// A transponder as installers write it: its frequency in MHz and H or V,
// with the satellite position in front when it matters: "11493H",
// "12188 V", "B 12188V", and EN 50607's further positions by number,
// "5 12188V". Letters in either case; one blank may stand between the
// parts, and must after a numbered position.
struct Transponder
{
    int position = 0;  // 0 = A .. 3 = D, on to 63
    int frequency = 0; // MHz
    Polarisation polarisation = Polarisation::Horizontal;
    Band band = Band::High; // follows the frequency when read

    bool operator==(const Transponder &o) const
    {
        return position == o.position && frequency == o.frequency &&
               polarisation == o.polarisation && band == o.band;
    }
    bool operator!=(const Transponder &o) const { return !(*this == o); }
};

// Reads the form only, with the band that the frequency lies in (low below
// 11700 MHz) and position A where none is written; `positionWritten` says
// whether one was. Whether the frequency lies in a band at all is the
// caller's to judge (transponderInBands).
bool parseTransponder(const std::string &text, Transponder &transponder,
                      bool *positionWritten = nullptr);

// Whether the frequency lies in its band.
bool transponderInBands(const Transponder &transponder);

// "B 12188V": the position always written.
std::string transponderName(const Transponder &transponder);
// "12188V" at position A, "B 12188V" elsewhere: as a plan file holds it.
std::string transponderText(const Transponder &transponder);

// The channel change a receiver on `userband` at `userbandFrequency` sends
// for the transponder.
Tuning transponderTuning(const Transponder &transponder, int userband, int userbandFrequency,
                         Pin pin);
