#include "recording.h"

#include <algorithm>

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

ReadMessage readMessage(linesignal::Message message, int userbandFrequency, bool inVolts)
{
    ReadMessage read{std::move(message), std::nullopt, {}, {}, {}};
    const double level = read.message.tonePeakToPeak;
    if (inVolts && !read.damagedSpan() &&
        (level < kLeastTonePeakToPeak || level > kMostTonePeakToPeak))
        read.toneLevel = {
            PHRASE_WORDS("Phrase", "its tone of %1 V peak to peak is outside %2..%3 V"),
            {Phrase::decimal(level, 2), Phrase::decimal(kLeastTonePeakToPeak, 1),
             Phrase::decimal(kMostTonePeakToPeak, 1)}};
    if (!read.clean())
        return read;
    const Decoded decoded = decode(read.message.bytes);
    if (!decoded.ok()) {
        read.notSingleCable = decoded.error;
        return read;
    }
    read.command = decoded.command;
    read.warning = commandWarning(decoded.command, userbandFrequency);
    return read;
}

RecordingReport recordingReport(CaptureReading capture, int userbandFrequency)
{
    RecordingReport report;
    report.sampleRate = capture.sampleRate;
    report.unit = std::move(capture.unit);
    report.samples = capture.samples;
    report.cancelled = capture.cancelled;
    report.brokenOff = std::move(capture.brokenOff);
    for (linesignal::Message &m : capture.messages)
        report.messages.push_back(readMessage(std::move(m), userbandFrequency, report.unit == "V"));
    return report;
}

RecordingReport readRecording(const std::filesystem::path &path, int channel, double sampleRate,
                              int userbandFrequency, const CaptureProgress &progress)
{
    return recordingReport(readCaptureMessages(path, channel, sampleRate, progress),
                           userbandFrequency);
}
