#pragma once

#include <QString>

#include <vector>

// Samples of the LNB cable as a sound card or an oscilloscope recorded them.
struct Capture
{
    std::vector<float> samples;
    double sampleRate = 0;
    QString unit; // "V" for an oscilloscope's export; "FS" (full scale) for sound files
};

// Reads a sound file (WAV and what else libsndfile reads; any sample format,
// `channel` from 1) or an oscilloscope's CSV export: a time column and value
// columns (`channel` picks one, from 1), or one value column at
// `sampleRate`; comma, semicolon or tab separated, header lines before the
// data, values in volts or, when the header says so, in millivolts. Throws
// UsageError naming the file and what is wrong with it.
Capture readCapture(const QString &path, int channel, double sampleRate);

// Write mono samples in [-1, 1] as 16-bit PCM WAV, or time and volts as CSV.
// The file appears whole or not at all. Return why it could not be written,
// or nothing.
QString writeWav(const QString &path, const std::vector<float> &samples, double sampleRate);
QString writeCsv(const QString &path, const std::vector<float> &volts, double sampleRate);
