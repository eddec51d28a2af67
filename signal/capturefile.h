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

// A line signal as the bytes of a file at `sampleRate`: CSV with time in
// seconds and volts, supply included; or a mono 16-bit WAV, for a signal
// generator or a sound card, of the tone alone at about two thirds of full
// scale, or with `withSupply` the supply too, scaled so that 20 V is full
// scale.
std::string lineSignalFile(const linesignal::LineSignal &signal, bool csv, double sampleRate,
                           bool withSupply);

// Mono samples in [-1, 1] as a 16-bit PCM WAV file, and time and volts as
// CSV: the whole file's bytes, for the caller to write.
std::string wavFile(const std::vector<float> &samples, double sampleRate);
std::string csvFile(const std::vector<float> &volts, double sampleRate);
