#pragma once

#include "linesignal.h"

#include <string>
#include <vector>

// Writing what the line carries, for a signal generator, a sound card or a
// spreadsheet: each function gives the whole file's bytes, for the caller to
// write.

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
