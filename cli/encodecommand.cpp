#include "commands.h"
#include "hextext.h"
#include "settings.h"
#include "values.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <string>

namespace {

const char kDescription[] =
    "Computes the single-cable channel-change commands of EN 50494 and EN 50607\n"
    "for one receiver and prints them as hex bytes with the intermediate frequency.\n"
    "Options not given take the window's defaults: horizontal, high band, position A,\n"
    "transponder 11700 MHz, userband 1 at 1284 MHz, no PIN. Without --band the band\n"
    "follows --frequency: low below 11700 MHz, high from 11700 MHz.\n"
    "With --power-off it prints the switch-off commands that free the userband.\n"
    "\n"
    "Commands:\n"
    "  encode        this one, the default\n"
    "  decode <hex>  reads a command back, or with --capture <file> the commands\n"
    "                in a recording of the cable; see 'vantir-cli decode --help'\n"
    "  table <transponder>...  both commands for many transponders and userbands;\n"
    "                see 'vantir-cli table --help'\n"
    "  wave          one command as the signal on the cable: a .wav, .csv, .svg or\n"
    "                .png file; see 'vantir-cli wave --help'\n"
    "  plan <file>   checks a whole installation and prints a sheet for it; see\n"
    "                'vantir-cli plan --help'\n"
    "  listen        prints each command on the cable as it is sent, from a sound\n"
    "                card's input; see 'vantir-cli listen --help'\n"
    "\n"
    "Exit status:\n"
    "  0  every requested command was computed\n"
    "  1  a requested standard cannot carry the values; its line shows why\n"
    "  2  bad option or value; nothing is printed on stdout\n"
    "  6  the output could not be written (full disk, closed stream)";

QString plainReport(const Settings &s, const QVector<Outcome> &outcomes)
{
    QString text;
    if (s.kind == CommandKind::ChannelChange)
        text = QStringLiteral("Intermediate frequency: %1 MHz\n").arg(s.tuning.ifFrequency);
    for (const Outcome &outcome : outcomes)
        text += QStringLiteral("%1: %2\n").arg(outcomeName(s, outcome), outcomeText(outcome));
    return text;
}

QString jsonReport(const Settings &s, const QVector<Outcome> &outcomes)
{
    const CommandKindInfo &info = commandKindInfo(s.kind);
    const bool unitCommand =
        s.kind != CommandKind::ChannelChange && s.kind != CommandKind::SwitchOff;
    const Tuning &t = s.tuning;
    QJsonObject settings;
    if (info.userband)
        settings.insert("userband", t.userband);
    if (!unitCommand || info.standard == Standard::En50494)
        settings.insert("pin", t.pin ? QJsonValue(*t.pin) : QJsonValue(QJsonValue::Null));
    if (info.argument)
        settings.insert(s.kind == CommandKind::Config ? "configuration" : "oscillator",
                        QString::fromStdString(hexByte(std::uint8_t(s.argument))));
    QJsonObject root{{"command", info.name}};
    if (s.kind == CommandKind::ChannelChange) {
        settings.insert("polarisation",
                        t.polarisation == Polarisation::Vertical ? "vertical" : "horizontal");
        settings.insert("band", t.band == Band::Low ? "low" : "high");
        settings.insert("position", positionText(t.position));
        settings.insert("userbandFrequency", t.userbandFrequency);
        if (s.transponderFrequency > 0)
            settings.insert("transponderFrequency", s.transponderFrequency);
        root.insert("intermediateFrequency", t.ifFrequency);
    }
    root.insert("settings", settings);
    for (const Outcome &outcome : outcomes) {
        QJsonObject entry{{"standard", standardName(outcome.standard)},
                          {"result", outcome.encoded.error}};
        entry.insert(outcome.encoded.ok() ? "command" : "error", outcomeText(outcome));
        root.insert(QLatin1String(standardKey(outcome.standard)), entry);
    }
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace

CliResult runEncode(const QStringList &arguments)
{
    static const CommandDeclaration declared{
        "[encode] [options]",
        kDescription,
        commandOptions() +
            QList<QCommandLineOption>{
                {"standard", "Standard to compute: en50494, en50607 or both (default).", "name"},
                {"json", "Print JSON instead of plain text."},
            },
        {"command", "encode (the default), decode, table, wave or plan.", "[encode]"},
    };
    return runCommand(declared, arguments, [](const QCommandLineParser &parser) -> CliResult {
        CliResult result;
        if (!parser.positionalArguments().isEmpty())
            throw UsageError(QStringLiteral("unexpected argument %1")
                                 .arg(quoted(parser.positionalArguments().first())));
        const Settings settings = readSettings(parser);
        const QVector<Standard> standards = standardsFor(settings, singleValue(parser, "standard"));
        const QVector<Outcome> outcomes = encode(settings, standards);

        result.out =
            parser.isSet("json") ? jsonReport(settings, outcomes) : plainReport(settings, outcomes);
        for (const Outcome &outcome : outcomes) {
            if (!outcome.encoded.ok())
                result.exitCode = ExitNotEncodable;
        }
        return result;
    });
}
