#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

// Samples of the LNB cable as a sound card or an oscilloscope recorded them.
struct Capture
{
    std::vector<float> samples;
    double sampleRate = 0;
    std::string unit; // "V" for an oscilloscope's export; "FS" (full scale) for sound files
};

// A recording that cannot be read; the message says why, without the file's
// name, which the caller shows as it was given.
class CaptureError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads a sound file (WAV and what else libsndfile reads; any sample format,
// `channel` from 1) or, for names ending in .csv or .txt, an oscilloscope's
// CSV export: a time column and value columns (`channel` picks one, from 1),
// or one value column at `sampleRate`; comma, semicolon or tab separated,
// header lines before the data, values in volts or, when the header says
// so, in millivolts. Anything but a regular file is refused before it is
// opened. Throws CaptureError.
Capture readCapture(const std::filesystem::path &path, int channel, double sampleRate);

// Mono samples in [-1, 1] as a 16-bit PCM WAV file, and time and volts as
// CSV: the whole file's bytes, for the caller to write.
std::string wavFile(const std::vector<float> &samples, double sampleRate);
std::string csvFile(const std::vector<float> &volts, double sampleRate);
