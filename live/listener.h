#pragma once

#include "livesource.h"
#include "recording.h"

#include <functional>
#include <memory>
#include <vector>

namespace linesignal {
class Demodulator;
}

namespace live {

// The centre frequency in MHz of a userband, by its number, for an
// EN 50494 command's intermediate frequency; 0 where it is not known. Called
// on the listening thread.
using UserbandFrequency = std::function<int(int userband)>;

// Listening on an input: its blocks through the demodulator as they come,
// each message read as a command (as a recording's are) once it ends.
class Listener
{
public:
    // `keepHeard` keeps every sample, to be saved: 0.77 MB a second at
    // 192 kHz. Without it, listening takes the same memory for any length.
    // Without `userbandFrequency`, no frequency is known.
    Listener(std::unique_ptr<LiveSource> input, UserbandFrequency userbandFrequency,
             bool keepHeard);
    ~Listener();

    // Waits for the next block and reads it; false once the input has
    // ended or was stopped (then `finish`).
    bool listen();
    // Messages that ended since last asked; times from the first sample.
    std::vector<ReadMessage> take();
    // Reads a message still going on as cut by the end.
    void finish();

    InputLevel level(); // since last asked
    double seconds() const { return double(count) / input->sampleRate(); }
    const std::vector<float> &heard() const { return kept; }
    LiveSource &source() { return *input; }

private:
    std::unique_ptr<LiveSource> input;
    std::unique_ptr<linesignal::Demodulator> demodulator;
    UserbandFrequency frequencyOf;
    bool keep;
    std::vector<float> block, kept;
    std::uint64_t count = 0;
    InputLevel sinceAsked;
};

} // namespace live
