#include "bands.h"
#include "commanddescription.h"
#include "commands.h"
#include "diseqc.h"
#include "hextext.h"
#include "messagereport.h"
#include "recording.h"
#include "system.h"
#include "values.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <new>

namespace {

const char kDescription[] =
    "Reads back a single-cable command as a receiver sends it: every command of\n"
    "EN 50494 and EN 50607, with or without PIN (channel change, switch-off, and\n"
    "the commands a receiver installs itself with). Any other DiSEqC frame is\n"
    "named too (a DiSEqC 1.0 or 1.1 switch, a positioner, a slave's reply), with\n"
    "a line that says why a single-cable unit ignores it. The bytes may be\n"
    "written as the window shows them ('E0 10 5A 0C F6 '), without blanks, with 0x\n"
    "prefixes or commas, in lower case, in one argument or several.\n"
    "An EN 50494 tuning word encodes the sum of intermediate and userband frequency;\n"
    "give --userband-frequency to get the intermediate frequency itself.\n"
    "With --capture it reads the messages in a recording of the cable (a sound card\n"
    "behind a coupling capacitor, or an oscilloscope's export, at 88.2 kHz or more):\n"
    "each with its time, bytes, whether every bit and parity bit held, the tone and\n"
    "timing measured, the supply when the recording holds it, and the command.\n"
    "Bytes and bits in its messages are counted from 1, bit 9 being the parity bit.\n"
    "\n"
    "Exit status:\n"
    "  0  the command was read\n"
    "  2  bad option or value\n"
    "  3  the bytes are not a command this tool reads; stderr says which and why;\n"
    "     with --capture: a message is damaged (its report says where) or none was\n"
    "     found\n"
    "  6  the output could not be written (full disk, closed stream)\n"
    "  7  the bytes are a DiSEqC frame, but no single-cable command; with --capture:\n"
    "     every message held, but one is no single-cable command (a DiSEqC frame, a\n"
    "     tone burst, the continuous tone)";

constexpr int kMaxChannel = 64;

QString toJson(const QJsonDocument &document)
{
    return QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

// On a terminal, a reading that takes more than a second shows how far it
// has come; elsewhere nothing, so that logs hold only the answer.
class TerminalProgress
{
public:
    explicit TerminalProgress(const QString &path)
        : name(quoted(path)), terminal(os::isTerminal(stderr))
    {
        clock.start();
    }
    TerminalProgress(const TerminalProgress &) = delete;
    TerminalProgress &operator=(const TerminalProgress &) = delete;
    ~TerminalProgress()
    {
        if (shown) // gone before the answer is printed
            std::fputs("\r\033[K", stderr);
    }

    bool show(double fraction)
    {
        if (!terminal || clock.elapsed() < 1000)
            return true;
        shown = true;
        std::fprintf(stderr, "\r%s: reading %s: %3.0f %%", qPrintable(kProgram), qPrintable(name),
                     fraction * 100);
        std::fflush(stderr);
        return true;
    }

private:
    QString name;
    bool terminal;
    bool shown = false;
    QElapsedTimer clock;
};

// Each message of a recording, as reportMessage gives it.
QString captureReport(const RecordingReport &report, bool json, int userbandFrequency)
{
    QJsonArray array;
    QStringList blocks;
    int number = 0;
    std::vector<int> numbers;
    for (const ReadMessage &read : report.messages) {
        numbers.push_back(read.damagedSpan() || read.tone() ? 0 : ++number);
        const QString answers =
            read.answers >= 0
                ? answersText(numbers[std::size_t(read.answers)],
                              report.messages[std::size_t(read.answers)].message.bytes)
                : QString();
        const MessageReport one = reportMessage(
            read, numbers.back(), QString::fromStdString(report.unit), userbandFrequency, answers);
        blocks << one.text;
        array.append(one.json);
    }
    return json ? toJson(QJsonDocument(array)) : blocks.join(QLatin1Char('\n'));
}

} // namespace

CliResult runDecode(const QStringList &arguments)
{
    static const CommandDeclaration declared{
        "decode [options] <hex>... | --capture <file>",
        kDescription,
        QList<QCommandLineOption>{
            {{"r", "userband-frequency"},
             "EN 50494: the userband's centre frequency in MHz (950..2150), to compute the "
             "intermediate frequency.",
             "MHz"},
            {"json", "Print JSON instead of plain text."},
            {"capture",
             "Read the messages in a recording of the cable instead: .wav (or another "
             "sound file) or an oscilloscope's .csv.",
             "file"},
            {"channel", "The capture's channel, or the CSV's value column, from 1 (default 1).",
             "number"},
            {"sample-rate", "Samples a second of a CSV that holds only values.", "Hz"},
        },
        {"hex", "The command's bytes in hex.", "decode <hex>..."},
    };
    return runCommand(declared, arguments, [](const QCommandLineParser &parser) -> CliResult {
        CliResult result;
        int userbandFrequency = 0;
        if (parser.isSet("userband-frequency"))
            userbandFrequency =
                parseNumber("--userband-frequency", singleValue(parser, "userband-frequency"),
                            bands::kUserbandFrequencyMin, bands::kUserbandFrequencyMax);
        if (parser.isSet("capture")) {
            if (!parser.positionalArguments().isEmpty())
                throw UsageError(QStringLiteral("decode: give the bytes or a --capture, not both"));
            const int channel =
                parser.isSet("channel")
                    ? parseNumber("--channel", singleValue(parser, "channel"), 1, kMaxChannel)
                    : 1;
            const double sampleRate =
                parser.isSet("sample-rate")
                    ? parseNumber("--sample-rate", singleValue(parser, "sample-rate"),
                                  int(linesignal::kMinSampleRate), linesignal::kMostTypedRate)
                    : 0;
            const QString path = singleValue(parser, "capture");
            RecordingReport report;
            try {
                TerminalProgress progress(path);
                report = readRecording(argumentPath(path), channel, sampleRate, userbandFrequency,
                                       [&progress](double done) { return progress.show(done); });
            } catch (const CaptureError &error) {
                throw UsageError(QStringLiteral("--capture %1: %2")
                                     .arg(quoted(path), QString::fromStdString(error.what())));
            } catch (const std::bad_alloc &) {
                throw UsageError(
                    QStringLiteral("--capture %1: not enough memory to read it").arg(quoted(path)));
            }
            const CliResult none = failure(
                ExitBadCommand,
                QStringLiteral("--capture %1: no DiSEqC message found%2")
                    .arg(quoted(path),
                         report.channels > 1
                             ? QStringLiteral(" on channel %1 of its %2; the tone may be on "
                                              "another (--channel)")
                                   .arg(channel)
                                   .arg(report.channels)
                             : QString()));
            const CliResult broken =
                failure(ExitBadCommand,
                        QStringLiteral("--capture %1: %2; what was read before is "
                                       "reported")
                            .arg(quoted(path), QString::fromStdString(report.brokenOff.text())));
            if (report.messages.empty())
                return report.brokenOff.empty() ? none : broken;
            result.out = captureReport(report, parser.isSet("json"), userbandFrequency);
            const bool others =
                std::any_of(report.messages.begin(), report.messages.end(),
                            [](const ReadMessage &m) { return !m.notSingleCable.empty(); });
            result.exitCode = !report.clean() ? ExitBadCommand
                              : others        ? ExitNotSingleCable
                                              : ExitOk;
            // Damaged spans alone: said, and no message.
            if (report.messageCount() == 0)
                result.err = none.err;
            if (!report.brokenOff.empty())
                result.err += broken.err;
            return result;
        }
        if (parser.isSet("channel") || parser.isSet("sample-rate"))
            throw UsageError(
                QStringLiteral("decode: --channel and --sample-rate go with --capture"));
        if (parser.positionalArguments().isEmpty())
            throw UsageError(QStringLiteral("decode: give the command's bytes in hex"));

        // The bytes as typed, so that a message names the byte actually given.
        const std::string text =
            argumentBytes(parser.positionalArguments().join(QLatin1Char(' '))).toStdString();
        const HexBytes hex = parseHexText(text);
        if (!hex.ok())
            return failure(ExitBadCommand,
                           QStringLiteral("decode: ") + QString::fromStdString(hex.error.text()));
        const Frame &frame = hex.bytes;
        const diseqc::FrameReading reading = diseqc::readFrame(frame);
        if (reading.kind == diseqc::FrameKind::NotDiseqc)
            return failure(ExitBadCommand, QStringLiteral("decode: ") +
                                               QString::fromStdString(reading.error.text()));
        if (reading.kind != diseqc::FrameKind::SingleCable) {
            result.out = parser.isSet("json") ? toJson(QJsonDocument(frameJson(reading)))
                                              : frameText(reading);
            result.exitCode = ExitNotSingleCable;
            return result;
        }
        const Command &command = *reading.command;

        // The sum holds both frequencies; a larger userband frequency cannot be
        // the receiver's, and no intermediate frequency follows from it.
        const int sum = en50494FrequencySum(command.tuningWord);
        if (command.standard == Standard::En50494 && command.kind == CommandKind::ChannelChange &&
            userbandFrequency > 0 && userbandFrequency >= sum)
            return usageError(QStringLiteral("--userband-frequency: %1 MHz is not below the %2 MHz "
                                             "that the command's tuning word encodes")
                                  .arg(userbandFrequency)
                                  .arg(sum));
        const auto fields = describeCommand(command, userbandFrequency);
        result.out =
            parser.isSet("json") ? toJson(QJsonDocument(jsonReport(fields))) : plainReport(fields);
        const Phrase warning = commandWarning(command, userbandFrequency);
        if (!warning.empty())
            result.err = QStringLiteral("%1: decode: warning: %2\n")
                             .arg(kProgram, QString::fromStdString(warning.text()));
        return result;
    });
}
