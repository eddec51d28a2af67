#pragma once

#include "phrase.h"

#include <cstdint>
#include <string>
#include <vector>

// An oscilloscope's CSV export of the LNB cable: a time column and value
// columns, or one value column; comma, semicolon or tab separated; header
// lines before the data; values in volts, or in millivolts when the value
// column's header or a line of units says "mV". Times may repeat where they
// are written with few decimals. With a semicolon or tab between fields a comma may be the
// decimal mark.

// Reads such an export line by line, keeping only the values not yet taken,
// so that a file of any length goes through in little memory.
class CsvReader
{
public:
    // The values of column `channel` (from 1; the first column after the
    // time), or for one value column the values themselves at `sampleRate`.
    CsvReader(int channel, double sampleRate);

    // The next line, without its end. Returns false, with `error` saying
    // which line is wrong and why, for a line that does not fit.
    bool line(const char *begin, const char *end, Phrase &error);
    // The next piece of the file, of any size: its lines, ended by LF, CR
    // or CR LF, go to line() as they are whole; the rest waits for the next
    // piece, or for `last`. A line longer than any export writes is wrong.
    bool text(const char *begin, const char *end, bool last, Phrase &error);
    // After the last line: false with `error` set when the file holds too
    // few samples or a single column without a sample rate.
    bool finish(Phrase &error);

    // The values read since the last call, in volts.
    std::vector<float> &values() { return pending; }
    std::uint64_t count() const { return samples; }
    // From the times read so far (all of them once finished), or as given.
    double sampleRate() const;
    bool timed() const { return hasTime; }

private:
    const int channel;
    const double givenRate;
    std::vector<float> pending;
    std::uint64_t samples = 0;
    std::uint64_t lineNumber = 0;
    double scale = 1;
    char separator = 0;
    bool inData = false, hasTime = false;
    std::size_t columns = 0;
    double firstTime = 0, lastTime = 0;
    std::string carry;    // a line not yet whole
    bool afterCr = false; // the piece before ended in CR: an LF now ends nothing
};

// Longer lines are no export's: a binary file, or a file without line ends.
constexpr std::size_t kLongestCsvLine = 1 << 16;

struct CsvCapture
{
    std::vector<float> samples; // volts
    double sampleRate = 0;      // from the time column, or as given
};

// The whole of `text` through a CsvReader.
bool parseCsvCapture(const std::string &text, int channel, double sampleRate, CsvCapture &capture,
                     Phrase &error);
