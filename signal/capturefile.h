#pragma once

#include "linesignal.h"
#include "phrase.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// A recording that cannot be read; the message says why, without the file's
// name, which the caller shows as it was given.
class CaptureError : public PhraseError
{
public:
    using PhraseError::PhraseError;
};

// What a recording of the LNB cable holds.
struct CaptureReading
{
    double sampleRate = 0;
    std::string unit; // "V" for an oscilloscope's export; "FS" (full scale) for sound files
    std::uint64_t samples = 0;
    int channels = 1; // of a sound file: it may carry more than the one read
    std::vector<linesignal::Message> messages;
    bool cancelled = false;
    // Why the file could not be read to its end (a decoder's error), with
    // where: the messages are those before it.
    Phrase brokenOff;
};

// Told now and then how much of the file is read, from 0 to 1; returning
// false stops the reading.
using CaptureProgress = std::function<bool(double)>;

// Reads the messages in a sound file (WAV, RF64, FLAC and what else
// libsndfile reads; any sample format, `channel` from 1) or, for names
// ending in .csv or .txt, an oscilloscope's CSV export: a time column and
// value columns (`channel` picks one, from 1), or one value column at
// `sampleRate`; comma, semicolon or tab separated, header lines before the
// data, values in volts or, when the header says so, in millivolts. The
// samples go through block by block, so that memory does not depend on the
// recording's length, and only what is read counts, whatever a header
// claims. Samples that are not numbers or are clipped (full scale in a
// sound file, 100 kV in an export) make a damaged span of their own.
// Anything but a regular file is refused before it is opened. Throws
// CaptureError; a cancelled reading returns what it found so far.
CaptureReading readCaptureMessages(const std::filesystem::path &path, int channel,
                                   double sampleRate, const CaptureProgress &progress = {});
