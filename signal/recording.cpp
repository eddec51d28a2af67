#include "recording.h"

#include <algorithm>
#include <cmath>

bool RecordingReport::clean() const
{
    return brokenOff.empty() && messageCount() > 0 &&
           std::all_of(messages.begin(), messages.end(),
                       [](const ReadMessage &m) { return m.damagedSpan() || m.clean(); });
}

std::size_t messageCount(const std::vector<ReadMessage> &entries)
{
    return std::size_t(std::count_if(entries.begin(), entries.end(),
                                     [](const ReadMessage &m) { return !m.damagedSpan(); }));
}

std::size_t RecordingReport::messageCount() const
{
    return ::messageCount(messages);
}

namespace {

// What a tone without bits is: a tone burst A, or the 22 kHz a receiver
// keeps on the line to choose the high band.
void nameTone(ReadMessage &read)
{
    const double length = read.message.toneLength;
    if (linesignal::isToneBurst(length)) {
        read.meaning = PHRASE_WORDS("Phrase", "tone burst A");
        read.notSingleCable =
            PHRASE_WORDS("Phrase", "this receiver switches with a tone burst; a single-cable "
                                   "unit ignores it");
        return;
    }
    read.meaning = {
        PHRASE_WORDS("Phrase", "22 kHz for %1 ms: the high band chosen the classic way"),
        {Phrase::number(std::llround(length * 1e3))}};
    read.notSingleCable =
        PHRASE_WORDS("Phrase", "this receiver chooses the high band with the continuous tone; a "
                               "single-cable unit ignores it");
}

} // namespace

void linkReplies(std::vector<ReadMessage> &entries)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].reply || entries[i].answers >= 0)
            continue;
        for (std::size_t j = i; j-- > 0;) {
            const linesignal::Message &asked = entries[j].message;
            const double end = asked.start + asked.bitCount * asked.bitPeriod;
            if (entries[i].message.start - end > kReplyTime)
                break;
            if (entries[j].wantsReply) {
                entries[i].answers = int(j);
                break;
            }
        }
    }
}

ReadMessage readMessage(linesignal::Message message, int userbandFrequency, bool inVolts)
{
    ReadMessage read{std::move(message), std::nullopt, {}, {}, false, false, -1, {}, {}};
    const double level = read.message.tonePeakToPeak;
    if (inVolts && !read.damagedSpan() &&
        (level < kLeastTonePeakToPeak || level > kMostTonePeakToPeak))
        read.toneLevel = {
            PHRASE_WORDS("Phrase", "its tone of %1 V peak to peak is outside %2..%3 V"),
            {Phrase::decimal(level, 2), Phrase::decimal(kLeastTonePeakToPeak, 1),
             Phrase::decimal(kMostTonePeakToPeak, 1)}};
    if (read.tone()) {
        nameTone(read);
        return read;
    }
    if (!read.clean())
        return read;
    // Nine 1s, the tone burst B, read as one byte FF and its parity bit.
    if (read.message.bitCount == 9 && read.message.bytes == std::vector<std::uint8_t>{0xFF}) {
        read.meaning = PHRASE_WORDS("Phrase", "tone burst B");
        read.notSingleCable = PHRASE_WORDS(
            "Phrase", "this receiver switches with a tone burst; a single-cable unit ignores it");
        return read;
    }
    const diseqc::FrameReading frame = diseqc::readFrame(read.message.bytes);
    switch (frame.kind) {
    case diseqc::FrameKind::SingleCable:
        read.command = *frame.command;
        read.warning = commandWarning(*frame.command, userbandFrequency);
        break;
    case diseqc::FrameKind::NotDiseqc:
        read.notSingleCable = frame.error;
        break;
    case diseqc::FrameKind::Command:
    case diseqc::FrameKind::Reply:
        read.meaning = frame.meaning;
        read.notSingleCable = frame.notSingleCable;
        read.wantsReply = frame.wantsReply;
        read.reply = frame.kind == diseqc::FrameKind::Reply;
        break;
    }
    return read;
}

RecordingReport recordingReport(CaptureReading capture, int userbandFrequency)
{
    RecordingReport report;
    report.sampleRate = capture.sampleRate;
    report.unit = std::move(capture.unit);
    report.samples = capture.samples;
    report.channels = capture.channels;
    report.cancelled = capture.cancelled;
    report.brokenOff = std::move(capture.brokenOff);
    for (linesignal::Message &m : capture.messages)
        report.messages.push_back(readMessage(std::move(m), userbandFrequency, report.unit == "V"));
    linkReplies(report.messages);
    return report;
}

RecordingReport readRecording(const std::filesystem::path &path, int channel, double sampleRate,
                              int userbandFrequency, const CaptureProgress &progress)
{
    return recordingReport(readCaptureMessages(path, channel, sampleRate, progress),
                           userbandFrequency);
}
