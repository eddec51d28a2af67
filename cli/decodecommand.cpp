#include "bands.h"
#include "commanddecoding.h"
#include "commands.h"
#include "hextext.h"
#include "values.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace {

const char kDescription[] =
    "Reads back a single-cable command as a receiver sends it: an EN 50494 or\n"
    "EN 50607 channel change or switch-off, with or without PIN. The bytes may be\n"
    "written as the window shows them ('E0 10 5A 0C F6 '), without blanks, with 0x\n"
    "prefixes or commas, in lower case, in one argument or several.\n"
    "An EN 50494 tuning word encodes the sum of intermediate and userband frequency;\n"
    "give --userband-frequency to get the intermediate frequency itself.\n"
    "\n"
    "Exit status:\n"
    "  0  the command was read\n"
    "  2  bad option or value\n"
    "  3  the bytes are not a command this tool reads; stderr says which and why\n"
    "  6  the output could not be written (full disk, closed stream)";

QString hexByte(std::uint8_t byte)
{
    return QString::fromStdString(bytesToHexText({byte})).trimmed();
}

QString framingName(std::uint8_t framing)
{
    return framing == 0xE1 ? QStringLiteral("repeated transmission")
                           : QStringLiteral("first transmission");
}

QString addressName(std::uint8_t address)
{
    switch (address) {
    case 0x00:
        return QStringLiteral("any device");
    case 0x11:
        return QStringLiteral("LNB");
    default:
        return QStringLiteral("any LNB, switcher or SMATV");
    }
}

struct Frequencies
{
    int ifFrequency = -1;  // -1: not known
    int frequencySum = -1; // EN 50494 only
};

Frequencies frequenciesOf(const DecodedCommand &c, int userbandFrequency)
{
    Frequencies f;
    if (c.switchOff)
        return f;
    if (c.standard == SingleCableStandard::En50607) {
        f.ifFrequency = en50607IfFrequency(c.tuningWord);
    } else {
        f.frequencySum = en50494FrequencySum(c.tuningWord);
        if (userbandFrequency > 0)
            f.ifFrequency = f.frequencySum - userbandFrequency;
    }
    return f;
}

QString standardName(const DecodedCommand &c)
{
    return c.standard == SingleCableStandard::En50494 ? QStringLiteral("EN 50494")
                                                      : QStringLiteral("EN 50607");
}

QString plainReport(const DecodedCommand &c, const Frequencies &f)
{
    QStringList lines;
    lines << QStringLiteral("Standard: %1").arg(standardName(c));
    lines << QStringLiteral("Command: %1")
                 .arg(c.switchOff ? QStringLiteral("switch-off")
                                  : QStringLiteral("channel change"));
    if (c.standard == SingleCableStandard::En50494) {
        lines << QStringLiteral("Framing: %1 (%2)").arg(hexByte(c.framing), framingName(c.framing));
        lines << QStringLiteral("Address: %1 (%2)").arg(hexByte(c.address), addressName(c.address));
    }
    lines << QStringLiteral("Userband: %1").arg(c.userbandIndex + 1);
    if (!c.switchOff) {
        lines << QStringLiteral("Position: %1").arg(positionName(c.position));
        lines << QStringLiteral("Polarisation: %1")
                     .arg(c.vertical ? QStringLiteral("vertical") : QStringLiteral("horizontal"));
        lines << QStringLiteral("Band: %1")
                     .arg(c.lowBand ? QStringLiteral("low") : QStringLiteral("high"));
        lines << QStringLiteral("Tuning word: %1").arg(c.tuningWord);
        if (f.ifFrequency >= 0)
            lines << QStringLiteral("Intermediate frequency: %1 MHz").arg(f.ifFrequency);
        if (f.frequencySum >= 0)
            lines
                << QStringLiteral("Intermediate + userband frequency: %1 MHz").arg(f.frequencySum);
    }
    lines << QStringLiteral("PIN: %1").arg(c.pin >= 0 ? QString::number(c.pin)
                                                      : QStringLiteral("none"));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString jsonReport(const DecodedCommand &c, const Frequencies &f, const std::string &hex)
{
    const auto orNull = [](int value) {
        return value >= 0 ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
    };
    QJsonObject root{
        {"standard", standardName(c)},
        {"command", c.switchOff ? "switch-off" : "channel change"},
        {"bytes", QString::fromStdString(hex)},
        {"userband", c.userbandIndex + 1},
        {"pin", orNull(c.pin)},
    };
    if (c.standard == SingleCableStandard::En50494) {
        root.insert("framing", hexByte(c.framing));
        root.insert("address", hexByte(c.address));
    }
    if (!c.switchOff) {
        root.insert("position", positionName(c.position));
        root.insert("polarisation", c.vertical ? "vertical" : "horizontal");
        root.insert("band", c.lowBand ? "low" : "high");
        root.insert("tuningWord", c.tuningWord);
        root.insert("intermediateFrequency", orNull(f.ifFrequency));
        if (c.standard == SingleCableStandard::En50494)
            root.insert("frequencySum", f.frequencySum);
    }
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace

CliResult runDecode(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addOptions({
        {{"r", "userband-frequency"},
         "EN 50494: the userband's centre frequency in MHz (950..2150), to compute the "
         "intermediate frequency.",
         "MHz"},
        {"json", "Print JSON instead of plain text."},
    });
    parser.addPositionalArgument("hex", "The command's bytes in hex.", "decode <hex>...");

    CliResult result;
    if (parseArguments(parser, arguments, QStringLiteral("decode [options] <hex>..."), result))
        return result;
    int userbandFrequency = 0;
    try {
        if (parser.isSet("userband-frequency"))
            userbandFrequency =
                parseNumber("--userband-frequency", singleValue(parser, "userband-frequency"),
                            bands::kUserbandFrequencyMin, bands::kUserbandFrequencyMax);
        if (parser.positionalArguments().isEmpty())
            throw UsageError(QStringLiteral("decode: give the command's bytes in hex"));
    } catch (const UsageError &error) {
        return usageError(error.message());
    }

    // The bytes as typed, so that a message names the byte actually given.
    const std::string text =
        argumentBytes(parser.positionalArguments().join(QLatin1Char(' '))).toStdString();
    std::vector<std::uint8_t> frame;
    DecodedCommand command;
    std::string error;
    if (!parseHexText(text, frame, error) || !decodeCommand(frame, command, error))
        return failure(ExitBadCommand, QStringLiteral("decode: ") + QString::fromStdString(error));

    const Frequencies frequencies = frequenciesOf(command, userbandFrequency);
    // The sum holds both frequencies; a larger userband frequency cannot be
    // the receiver's, and no intermediate frequency follows from it.
    if (userbandFrequency > 0 && frequencies.frequencySum > 0 &&
        userbandFrequency >= frequencies.frequencySum)
        return usageError(QStringLiteral("--userband-frequency: %1 MHz is not below the %2 MHz "
                                         "that the command's tuning word encodes")
                              .arg(userbandFrequency)
                              .arg(frequencies.frequencySum));
    result.out = parser.isSet("json") ? jsonReport(command, frequencies, bytesToHexText(frame))
                                      : plainReport(command, frequencies);
    return result;
}
