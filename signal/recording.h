#pragma once

#include "capturefile.h"
#include "command.h"
#include "diseqc.h"

#include <optional>
#include <string>
#include <vector>

// What a recording of the cable holds, as the tool prints it and the window
// lists it: each message with the command read from it.
struct ReadMessage
{
    linesignal::Message message;
    // Read when every bit held: the command, or why the bytes are none.
    std::optional<Command> command;
    // What any other entry is: a DiSEqC frame named ("DiSEqC 1.0 committed
    // switch: ..."), a tone burst, or the continuous tone; and why a
    // single-cable unit ignores it, or why its bytes are no frame.
    Phrase meaning;
    Phrase notSingleCable;
    bool wantsReply = false; // a command that asks for a reply (E2, E3)
    bool reply = false;      // a slave's reply (E4..E7)
    int answers = -1;        // of a reply: the entry it answers, when it follows within kReplyTime
    Phrase warning;          // the command's, see commandWarning
    // In an export in volts: the tone's level outside what a receiver
    // should send.
    Phrase toneLevel;
    // A span of samples that are not numbers, or are clipped, outside any
    // message: it damages no command.
    bool damagedSpan() const { return message.damaged.has_value(); }
    // A tone without bits: a tone burst A or the continuous tone.
    bool tone() const { return message.kind == linesignal::Message::Kind::Tone; }
    bool clean() const { return message.error.empty(); }
};

struct RecordingReport
{
    double sampleRate = 0;
    std::string unit; // of the supply: "V", or "FS" for sound files
    std::uint64_t samples = 0;
    int channels = 1; // see CaptureReading
    bool cancelled = false;
    Phrase brokenOff; // see CaptureReading
    std::vector<ReadMessage> messages;

    // Whether the file was read to its end, there was a message and every
    // one held; damaged spans outside messages do not count against it.
    bool clean() const;
    std::size_t messageCount() const;
};

// The entries that are messages, not damaged spans.
std::size_t messageCount(const std::vector<ReadMessage> &entries);

// The messages of a capture, each read as a command where it held; an EN
// 50494 channel change's intermediate frequency (and its warning) with the
// userband's centre frequency, 0 when not known.
RecordingReport recordingReport(CaptureReading capture, int userbandFrequency);
ReadMessage readMessage(linesignal::Message message, int userbandFrequency, bool inVolts = false);

// A slave answers a command this soon after it, or not at all.
constexpr double kReplyTime = 0.15; // s

// Each reply linked to the command before it that asked for one.
void linkReplies(std::vector<ReadMessage> &entries);

// A receiver's tone is 0.65 V peak to peak; beyond these it may not be
// heard, or may swamp the unit's input.
constexpr double kLeastTonePeakToPeak = 0.4, kMostTonePeakToPeak = 0.9; // V

// readCaptureMessages and the report in one.
RecordingReport readRecording(const std::filesystem::path &path, int channel, double sampleRate,
                              int userbandFrequency, const CaptureProgress &progress = {});
