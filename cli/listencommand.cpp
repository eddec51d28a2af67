#include "bands.h"
#include "commands.h"
#include "listener.h"
#include "messagereport.h"
#include "phrasetext.h"
#include "plan.h"
#include "planfile.h"
#include "signalfile.h"
#include "system.h"
#include "values.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonDocument>

#include <cmath>

namespace {

// Entries kept back for replies: far more than come within a reply's time.
constexpr std::size_t kRecentEntries = 16;

const char kDescription[] =
    "Listens to the cable through an audio input (a probe behind a coupling\n"
    "capacitor into a sound card's line input) and prints each DiSEqC message as\n"
    "it ends, read as decode --capture reads a recording. It listens until\n"
    "--seconds have passed or Ctrl+C. The input must record at 88.2 kHz or more;\n"
    "192 kHz is best.\n"
    "\n"
    "Exit status:\n"
    "  0  every message heard was clean\n"
    "  2  bad option or value, or the input cannot be opened\n"
    "  3  a message was damaged, none was heard, or the input went away\n"
    "  5  with --plan: a command no receiver of the plan should send\n"
    "  6  the output or --save could not be written";

constexpr int kMostSeconds = 24 * 3600;
constexpr int kMaxChannel = 64;

// One input a line, its name first and alone up to the first blank, so
// that scripts (and the shell's completion) can cut it out.
QString deviceList(const std::vector<live::InputDevice> &devices)
{
    QString text;
    for (const live::InputDevice &d : devices) {
        QStringList parts{escaped(QString::fromStdString(d.name))};
        if (d.isDefault)
            parts << QStringLiteral("default");
        if (d.rate > 0)
            parts << QStringLiteral("%1 Hz, %2 channel%3")
                         .arg(std::lround(d.rate))
                         .arg(d.channels)
                         .arg(d.channels == 1 ? "" : "s");
        if (!d.description.empty())
            parts << quoted(QString::fromStdString(d.description));
        text += parts.join(QStringLiteral("  ")) + QLatin1Char('\n');
    }
    return text;
}

} // namespace

CliResult runListen(const QStringList &arguments)
{
    static const CommandDeclaration declared{
        "listen [options]",
        kDescription,
        QList<QCommandLineOption>{
            {"device", "The audio input (default: the system's default input).", "name"},
            {"list-devices", "Name the audio inputs and stop."},
            {"rate", "Samples a second (default: the input's own).", "Hz"},
            {"channel", "The input's channel, from 1 (default 1).", "number"},
            {"seconds", "Stop after this long (default: at Ctrl+C).", "seconds"},
            {"save", "Write what was heard to this .wav file when listening ends.", "file"},
            {"json", "One JSON object a line for each message, as it ends."},
            {"plan",
             "Name each command's receiver in this plan, and flag one none should "
             "send.",
             "file"},
            {{"r", "userband-frequency"},
             "EN 50494: the userband's centre frequency in MHz (950..2150), for the "
             "intermediate frequency; with --plan, the plan's.",
             "MHz"},
        },
        {},
    };
    return runCommand(declared, arguments, [](const QCommandLineParser &parser) -> CliResult {
        CliResult result;
        live::LiveSettings settings;
        int seconds = 0, userbandFrequency = 0;
        QString save;
        std::optional<Plan> plan;
        if (!parser.positionalArguments().isEmpty())
            throw UsageError(QStringLiteral("listen: takes no arguments, only options"));
        if (parser.isSet("list-devices")) {
            try {
                const std::vector<live::InputDevice> devices = live::inputDevices();
                if (devices.empty())
                    return {ExitOk,
                            {},
                            QStringLiteral("%1: listen: no audio input is there\n").arg(kProgram)};
                return {ExitOk, deviceList(devices), {}};
            } catch (const live::LiveError &error) {
                throw UsageError(QStringLiteral("listen: %1").arg(escaped(error.what())));
            }
        }
        if (parser.isSet("device"))
            settings.device = argumentBytes(singleValue(parser, "device")).toStdString();
        if (parser.isSet("rate"))
            settings.rate = parseNumber("--rate", singleValue(parser, "rate"), 1, 1000000);
        if (parser.isSet("channel"))
            settings.channel =
                parseNumber("--channel", singleValue(parser, "channel"), 1, kMaxChannel);
        if (parser.isSet("seconds"))
            seconds = parseNumber("--seconds", singleValue(parser, "seconds"), 1, kMostSeconds);
        if (parser.isSet("userband-frequency"))
            userbandFrequency =
                parseNumber("--userband-frequency", singleValue(parser, "userband-frequency"),
                            bands::kUserbandFrequencyMin, bands::kUserbandFrequencyMax);
        if (parser.isSet("save")) {
            save = singleValue(parser, "save");
            if (QFileInfo(save).suffix().toLower() != QLatin1String("wav"))
                throw UsageError(
                    QStringLiteral("--save: %1 does not end in .wav").arg(quoted(save)));
        }
        if (parser.isSet("plan")) {
            const QString path = singleValue(parser, "plan");
            try {
                plan = readPlanFile(argumentPath(path));
            } catch (const PlanError &error) {
                throw UsageError(
                    QStringLiteral("--plan %1: %2").arg(quoted(path), phraseText(error.why())));
            }
        }

        std::unique_ptr<live::Listener> listener;
        try {
            // The frequency given, or with a plan the command's userband's.
            listener = std::make_unique<live::Listener>(
                live::openInput(settings),
                [&plan, userbandFrequency](int userband) {
                    return userbandFrequency ? userbandFrequency
                           : plan            ? userbandCentre(*plan, userband)
                                             : 0;
                },
                !save.isEmpty());
        } catch (const live::NoSuchInput &error) {
            return usageError(
                QStringLiteral("listen: %1; vantir-cli listen --list-devices names them")
                    .arg(escaped(error.what())));
        } catch (const live::LiveError &error) {
            return usageError(QStringLiteral("listen: %1").arg(escaped(error.what())));
        }
        const bool json = parser.isSet("json");
        const double rate = listener->source().sampleRate();
        writeNow(stderr, QStringLiteral("Listening to %1 at %2 Hz%3\n")
                             .arg(quoted(QString::fromStdString(listener->source().deviceName())))
                             .arg(std::lround(rate))
                             .arg(seconds ? QStringLiteral(" for %1 s").arg(seconds)
                                          : QStringLiteral("; Ctrl+C ends it")));

        // Ctrl+C and a termination end the listening as --seconds would: what
        // was heard is still printed and saved. The input is stopped too, as
        // one gone quiet would leave the reader waiting.
        live::LiveSource &source = listener->source();
        const os::Interrupts interrupts([&source] { source.stop(); });
        QElapsedTimer clock;
        double clockAt = 0; // the listening's time when the clock started
        int number = 0, entries = 0;
        bool damaged = false, offPlan = false, clipped = false, outputLost = false;
        std::size_t overruns = 0;
        // The last entries with their numbers, for the command a reply answers.
        std::vector<ReadMessage> recent;
        std::vector<int> recentNumbers;
        const auto print = [&](std::vector<ReadMessage> messages) {
            for (ReadMessage &read : messages) {
                const bool span = read.damagedSpan();
                const int entryNumber = span || read.tone() ? 0 : ++number;
                if (recent.size() == kRecentEntries) {
                    recent.erase(recent.begin());
                    recentNumbers.erase(recentNumbers.begin());
                }
                recent.push_back(read);
                recentNumbers.push_back(entryNumber);
                linkReplies(recent);
                const int asked = recent.back().answers;
                const QString answers = asked >= 0
                                            ? answersText(recentNumbers[std::size_t(asked)],
                                                          recent[std::size_t(asked)].message.bytes)
                                            : QString();
                MessageReport report = reportMessage(read, entryNumber, QStringLiteral("FS"),
                                                     userbandFrequency, answers);
                damaged = damaged || (!span && !read.clean());
                if (plan && (read.command || !read.notSingleCable.empty())) {
                    const PlanMatch match =
                        read.command ? matchCommand(*plan, *read.command) : notSingleCableMatch();
                    offPlan = offPlan || !match.expected();
                    report.text += QStringLiteral("Plan: %1%2\n")
                                       .arg(match.expected() ? QString()
                                                             : QStringLiteral("not "
                                                                              "planned: "),
                                            phraseText(match.text));
                    QJsonObject planned{{"expected", match.expected()},
                                        {"text", phraseText(match.text)}};
                    if (match.receiver >= 0)
                        planned.insert("receiver", plan->receivers[match.receiver].name);
                    if (match.transponder >= 0)
                        planned.insert("transponder",
                                       transponderLabel(plan->transponders[match.transponder]));
                    report.json.insert("plan", planned);
                }
                report.json.insert("end", std::round(entryEnd(read) * 1e6) / 1e6);
                report.json.insert(
                    "printed",
                    std::round((clockAt + double(clock.nsecsElapsed()) / 1e9) * 1e6) / 1e6);
                const QString text =
                    json ? QString::fromUtf8(
                               QJsonDocument(report.json).toJson(QJsonDocument::Compact)) +
                               QLatin1Char('\n')
                         : (entries++ > 0 ? QStringLiteral("\n") : QString()) + report.text;
                outputLost = outputLost || !writeNow(stdout, text);
            }
        };

        while (!interrupts.happened() && (seconds == 0 || listener->seconds() < seconds) &&
               listener->listen()) {
            if (!clock.isValid()) {
                clock.start();
                clockAt = listener->seconds();
            }
            print(listener->take());
            const live::InputLevel level = listener->level();
            if (level.clipped && !clipped) {
                clipped = true;
                writeNow(stderr, QStringLiteral("listen: the input clips at %1 s: lower its level, "
                                                "or messages are damaged\n")
                                     .arg(listener->seconds(), 0, 'f', 1));
            }
            if (listener->source().overruns() > overruns) {
                overruns = listener->source().overruns();
                writeNow(stderr, QStringLiteral("listen: samples were lost at %1 s (the input "
                                                "overran); a message there may be damaged\n")
                                     .arg(listener->seconds(), 0, 'f', 1));
            }
        }
        listener->finish();
        print(listener->take());

        const std::string ended = listener->source().ended().text();
        if (!ended.empty()) {
            result.err += QStringLiteral("listen: %1 after %2 s; what was heard is kept\n")
                              .arg(escaped(QString::fromStdString(ended)))
                              .arg(listener->seconds(), 0, 'f', 1);
        }
        if (number == 0)
            result.err += QStringLiteral("listen: no DiSEqC message heard in %1 s\n")
                              .arg(listener->seconds(), 0, 'f', 1);
        result.exitCode = damaged || number == 0 || !ended.empty() ? ExitBadCommand
                          : offPlan                                ? ExitPlanErrors
                                                                   : ExitOk;
        if (!save.isEmpty()) {
            if (const std::optional<Phrase> error =
                    saveFile(argumentPath(save),
                             QByteArray::fromStdString(wavFile(listener->heard(), rate))))
                return outputFailure(QStringLiteral("listen"), save, phraseText(*error));
        }
        if (outputLost)
            result.exitCode = ExitOutputFailed;
        return result;
    });
}
