#include "commands.h"
#include "files.h"
#include "hextext.h"
#include "linesignal.h"
#include "phrasetext.h"
#include "picturemodule.h"
#include "settings.h"
#include "signalfile.h"
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
    "Instead of a single-cable command it writes what a receiver that is not set\n"
    "to single-cable sends, to try a meter or a reader with: --bytes, any DiSEqC\n"
    "frame in hex ('E0 10 38 F0', a DiSEqC 1.0 switch); --tone-burst A (12.5 ms\n"
    "of tone) or B (nine 1s); --tone, the continuous 22 kHz for a number of ms.\n"
    "\n"
    "Exit status:\n"
    "  0  the signal was written\n"
    "  1  the standard cannot carry the values; nothing is written\n"
    "  2  bad option or value\n"
    "  6  the output could not be written";

// Far above what any generator or scope plays back; a file of it grows fast.
constexpr int kMostWaveRate = 10000000;
constexpr std::size_t kLongestFrame = 6; // bytes
constexpr int kLongestTone = 60000;      // ms

// What is written instead of a single-cable command: a frame's bytes, or
// a tone of so many seconds.
struct OtherSignal
{
    QString name;
    Frame frame;
    double tone = 0;
};

QString toneReport(const QString &name, const linesignal::LineSignal &signal)
{
    return QStringLiteral("%1: 22 kHz, 650 mV peak to peak, for %2 ms\n"
                          "Supply: 13 V, 18 V from %3 ms; tone from %4 ms to %5 ms; 13 V from "
                          "%6 ms; %7 ms in all\n")
        .arg(name)
        .arg(signal.toneLength * 1e3)
        .arg(signal.stepUp * 1e3)
        .arg(signal.toneStart * 1e3)
        .arg((signal.toneStart + signal.toneLength) * 1e3)
        .arg(signal.stepDown * 1e3)
        .arg(signal.length * 1e3);
}

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
                {"bytes", "Any DiSEqC frame instead of a single-cable command.", "hex"},
                {"tone-burst", "A tone burst instead: A or B.", "A|B"},
                {"tone", "The continuous tone instead, for 1..60000 ms.", "ms"},
            },
        {},
    };
    return runCommand(declared, arguments, [](const QCommandLineParser &parser) -> CliResult {
        CliResult result;
        Standard standard = Standard::En50494;
        QString output;
        Settings settings;
        OtherSignal other;
        int sampleRate = 192000;
        if (!parser.positionalArguments().isEmpty())
            throw UsageError(QStringLiteral("wave: unexpected argument %1")
                                 .arg(quoted(parser.positionalArguments().first())));
        const int others =
            int(parser.isSet("bytes")) + parser.isSet("tone-burst") + parser.isSet("tone");
        if (others > 1 || (others == 1 && parser.isSet("standard")))
            throw UsageError(QStringLiteral("wave: give one of --standard, --bytes, --tone-burst "
                                            "and --tone"));
        if (parser.isSet("bytes")) {
            const HexBytes hex = parseHexText(singleValue(parser, "bytes").toStdString());
            if (!hex.ok())
                throw UsageError(
                    QStringLiteral("--bytes: %1").arg(QString::fromStdString(hex.error.text())));
            other.frame = hex.bytes;
            if (other.frame.size() > kLongestFrame)
                throw UsageError(QStringLiteral("--bytes: %1 bytes; a DiSEqC frame has %2 at most")
                                     .arg(other.frame.size())
                                     .arg(kLongestFrame));
            other.name = QStringLiteral("DiSEqC");
        } else if (parser.isSet("tone-burst")) {
            const QString which = singleValue(parser, "tone-burst").toUpper();
            if (which != QLatin1String("A") && which != QLatin1String("B"))
                throw UsageError(QStringLiteral("--tone-burst: %1 is not A or B")
                                     .arg(quoted(singleValue(parser, "tone-burst"))));
            other.name = QStringLiteral("Tone burst %1").arg(which);
            if (which == QLatin1String("B"))
                other.frame = {0xFF};
            else
                other.tone = linesignal::kToneBurstLength;
        } else if (parser.isSet("tone")) {
            other.tone =
                parseNumber("--tone", singleValue(parser, "tone"), 1, kLongestTone) / 1000.0;
            other.name = QStringLiteral("Continuous tone");
        } else {
            if (!parser.isSet("standard"))
                throw UsageError(QStringLiteral("wave: give the --standard, en50494 or en50607"));
            settings = readSettings(parser);
            standard = standardsFor(settings, singleValue(parser, "standard"), false).first();
        }
        if (parser.isSet("sample-rate"))
            sampleRate = parseNumber("--sample-rate", singleValue(parser, "sample-rate"),
                                     int(linesignal::kMinSampleRate), kMostWaveRate);
        if (parser.isSet("output")) {
            output = singleValue(parser, "output");
            const QString suffix = QFileInfo(output).suffix().toLower();
            if (!QStringList{"wav", "csv", "svg", "png"}.contains(suffix))
                throw UsageError(QStringLiteral("--output: %1 does not end in .wav, .csv, .svg "
                                                "or .png")
                                     .arg(quoted(output)));
        }

        QString name = other.name, hex;
        QString title;
        linesignal::LineSignal signal;
        if (other.tone > 0) {
            signal = linesignal::toneSignal(other.tone);
            title = name;
        } else if (!other.frame.empty()) {
            hex = QString::fromStdString(bytesToHexText(other.frame));
            signal = linesignal::lineSignal({other.frame});
            title = QStringLiteral("%1 %2").arg(name, hex.trimmed());
        } else {
            const Outcome outcome = encode(settings, {standard}).first();
            const bool unitCommand = settings.kind != CommandKind::ChannelChange &&
                                     settings.kind != CommandKind::SwitchOff;
            name = unitCommand ? outcomeName(settings, outcome)
                               : QString::fromLatin1(standardName(standard));
            if (!outcome.encoded.ok())
                return failure(ExitNotEncodable,
                               QStringLiteral("wave: %1: %2").arg(name, outcomeText(outcome)));
            hex = outcomeText(outcome);
            signal = linesignal::lineSignal({outcome.encoded.frame});
            title = QStringLiteral("%1 %2 %3")
                        .arg(QLatin1String(standardName(standard)),
                             QLatin1String(commandKindInfo(settings.kind).name), hex.trimmed());
        }
        if (output.isEmpty()) {
            result.out =
                signal.bits.empty() ? toneReport(name, signal) : bitsReport(name, hex, signal);
            return result;
        }

        const QString suffix = QFileInfo(output).suffix().toLower();
        QByteArray bytes;
        QString error;
        if (suffix == QLatin1String("wav") || suffix == QLatin1String("csv")) {
            bytes = QByteArray::fromStdString(lineSignalFile(signal, suffix == QLatin1String("csv"),
                                                             sampleRate, parser.isSet("supply")));
        } else if (const PictureCalls *pictures = pictureModule(&error)) {
            bytes = pictures->signalPictureFile(signal, title, suffix == QLatin1String("svg"));
        }
        if (error.isEmpty() && bytes.isEmpty())
            error = QStringLiteral("the %1 file could not be encoded").arg(suffix);
        else if (error.isEmpty())
            if (const std::optional<Phrase> why = saveFile(argumentPath(output), bytes))
                error = phraseText(*why);
        if (!error.isEmpty())
            return outputFailure(QStringLiteral("wave"), output, error);
        result.out = QStringLiteral("%1\n").arg(output);
        return result;
    });
}
