#include "capturefile.h"
#include "commands.h"
#include "files.h"
#include "hextext.h"
#include "linesignal.h"
#include "picturemodule.h"
#include "settings.h"
#include "values.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const char kDescription[] =
    "Writes one command as the receiver puts it on the LNB cable: 22 kHz tone\n"
    "bursts, a bit every 1.5 ms (1.0 ms of tone for a 0, 0.5 ms for a 1), each\n"
    "byte followed by an odd parity bit, inside a step of the supply from 13 V\n"
    "to 18 V and back, with 15 ms of quiet on either side.\n"
    "The command is set as for encode, for one standard. --output writes it\n"
    "by the file's extension: .wav (mono 16-bit for a signal generator or a\n"
    "sound card; the tone alone, or with --supply the supply too, scaled so\n"
    "that 20 V is full scale), .csv (time in seconds and volts, with the\n"
    "supply), .svg or .png (a picture of the bursts, bits, parity bits and\n"
    "bytes). Without --output it prints the bits of each byte and the timing.\n"
    "\n"
    "Exit status:\n"
    "  0  the signal was written\n"
    "  1  the standard cannot carry the values; nothing is written\n"
    "  2  bad option or value\n"
    "  6  the output could not be written";

constexpr double kMaxSampleRate = 10e6;

QString bitsReport(const QString &standard, const QString &hex,
                   const linesignal::LineSignal &signal)
{
    QString text = QStringLiteral("%1: %2\nByte  Bits      Parity\n").arg(standard, hex);
    const std::vector<std::uint8_t> &bytes = signal.commands.front();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += QStringLiteral("%1    %2  %3\n")
                    .arg(QString::fromStdString(hexByte(bytes[i])),
                         QString::number(bytes[i], 2).rightJustified(8, QLatin1Char('0')))
                    .arg(signal.bits[9 * i + 8].value ? 1 : 0);
    }
    const double end = signal.bits.back().start + linesignal::kBitPeriod;
    text += QStringLiteral("Tone: 22 kHz, 650 mV peak to peak; a bit every 1.5 ms: 1.0 ms of "
                           "tone for a 0, 0.5 ms for a 1\n"
                           "Supply: 13 V, 18 V from %1 ms; bits from %2 ms to %3 ms; 13 V from "
                           "%4 ms; %5 ms in all\n")
                .arg(signal.stepUp * 1e3)
                .arg(signal.bits.front().start * 1e3)
                .arg(end * 1e3)
                .arg(signal.stepDown * 1e3)
                .arg(signal.length * 1e3);
    return text;
}

} // namespace

CliResult runWave(const QStringList &arguments)
{
    static const CommandDeclaration declared{
        "wave [options]",
        kDescription,
        commandOptions() +
            QList<QCommandLineOption>{
                {"standard", "Standard of the command: en50494 or en50607.", "name"},
                {{"o", "output"}, "File to write: .wav, .csv, .svg or .png.", "file"},
                {"sample-rate",
                 "Samples a second of .wav and .csv, 88200..10000000 (default 192000).", "Hz"},
                {"supply", "In a .wav, the supply as well as the tone."},
            },
        {},
    };
    QCommandLineParser parser;
    CliResult result;
    if (parseCommand(parser, declared, arguments, result))
        return result;
    Standard standard = Standard::En50494;
    QString output;
    Settings settings;
    int sampleRate = 192000;
    try {
        if (!parser.positionalArguments().isEmpty())
            throw UsageError(QStringLiteral("wave: unexpected argument %1")
                                 .arg(quoted(parser.positionalArguments().first())));
        if (!parser.isSet("standard"))
            throw UsageError(QStringLiteral("wave: give the --standard, en50494 or en50607"));
        settings = readSettings(parser);
        standard = standardsFor(settings, singleValue(parser, "standard"), false).first();
        if (parser.isSet("sample-rate"))
            sampleRate = parseNumber("--sample-rate", singleValue(parser, "sample-rate"),
                                     int(linesignal::kMinSampleRate), int(kMaxSampleRate));
        if (parser.isSet("output")) {
            output = singleValue(parser, "output");
            const QString suffix = QFileInfo(output).suffix().toLower();
            if (!QStringList{"wav", "csv", "svg", "png"}.contains(suffix))
                throw UsageError(QStringLiteral("--output: %1 does not end in .wav, .csv, .svg "
                                                "or .png")
                                     .arg(quoted(output)));
        }
    } catch (const UsageError &error) {
        return usageError(error.message());
    }

    const Outcome outcome = encode(settings, {standard}).first();
    const bool unitCommand =
        settings.kind != CommandKind::ChannelChange && settings.kind != CommandKind::SwitchOff;
    const QString name =
        unitCommand ? outcomeName(settings, outcome) : QString::fromLatin1(standardName(standard));
    if (!outcome.encoded.ok())
        return failure(ExitNotEncodable,
                       QStringLiteral("wave: %1: %2").arg(name, outcomeText(outcome)));
    const linesignal::LineSignal signal = linesignal::lineSignal({outcome.encoded.frame});
    if (output.isEmpty()) {
        result.out = bitsReport(name, outcomeText(outcome), signal);
        return result;
    }

    const QString suffix = QFileInfo(output).suffix().toLower();
    QByteArray bytes;
    QString error;
    if (suffix == QLatin1String("wav") || suffix == QLatin1String("csv")) {
        bytes = QByteArray::fromStdString(lineSignalFile(signal, suffix == QLatin1String("csv"),
                                                         sampleRate, parser.isSet("supply")));
    } else if (const PictureCalls *pictures = pictureModule(&error)) {
        const QString title = QStringLiteral("%1 %2 %3")
                                  .arg(QLatin1String(standardName(standard)),
                                       QLatin1String(commandKindInfo(settings.kind).name),
                                       outcomeText(outcome).trimmed());
        bytes = pictures->signalPictureFile(signal, title, suffix == QLatin1String("svg"));
    }
    if (error.isEmpty())
        error = bytes.isEmpty() ? QStringLiteral("the %1 file could not be encoded").arg(suffix)
                                : saveFile(argumentPath(output), bytes);
    if (!error.isEmpty())
        return outputFailure(QStringLiteral("wave"), output, error);
    result.out = QStringLiteral("%1\n").arg(output);
    return result;
}
