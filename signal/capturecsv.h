#pragma once

#include <string>
#include <vector>

// An oscilloscope's CSV export of the LNB cable: a time column and value
// columns, or one value column; comma, semicolon or tab separated; header
// lines before the data; values in volts, or in millivolts when the header
// says "mV". With a semicolon or tab between fields a comma may be the
// decimal mark.
struct CsvCapture
{
    std::vector<float> samples; // volts
    double sampleRate = 0;      // from the time column, or as given
};

// Reads the values of column `channel` (from 1; the first column after the
// time) at the rate the time column gives, or, for one value column, at
// `sampleRate`. On failure returns false and says in `error` which line is
// wrong and why.
bool parseCsvCapture(const std::string &text, int channel, double sampleRate, CsvCapture &capture,
                     std::string &error);
