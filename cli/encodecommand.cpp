#include "bands.h"
#include "commandencoding.h"
#include "commands.h"
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
    "  decode <hex>  reads a command back; see 'vantir-cli decode --help'\n"
    "  table <transponder>...  both commands for many transponders and userbands;\n"
    "                see 'vantir-cli table --help'\n"
    "\n"
    "Exit status:\n"
    "  0  every requested command was computed\n"
    "  1  a requested standard cannot carry the values; its line shows why\n"
    "  2  bad option or value; nothing is printed on stdout\n"
    "  6  the output could not be written (full disk, closed stream)";

struct Settings
{
    bool powerOff = false;
    bool vertical = false;
    bool lowBand = false;
    int position = 0;
    int transponderFrequency = bands::kHighBandMin; // 0 when the IF was given directly
    int ifFrequency = bands::intermediateFrequency(bands::kHighBandMin, false);
    int userbandNumber = 1;
    int userbandFrequency = 1284;
    int pin = -1;
};

struct Outcome
{
    const char *standard;
    const char *jsonKey;
    int code;
    std::string hex;
};

// Options that describe a channel change; a switch-off has none of them.
const char *const kTuningOptions[] = {"polarisation", "band", "position",
                                      "frequency",    "if",   "userband-frequency"};

Settings readSettings(const QCommandLineParser &parser)
{
    Settings s;
    s.powerOff = parser.isSet("power-off");
    if (s.powerOff) {
        for (const char *option : kTuningOptions) {
            if (parser.isSet(option))
                throw UsageError(
                    QStringLiteral("--power-off takes no --%1; a switch-off names only the "
                                   "userband (and the PIN)")
                        .arg(QLatin1String(option)));
        }
    }
    if (parser.isSet("polarisation"))
        s.vertical = parseVertical("--polarisation", singleValue(parser, "polarisation"));
    const bool bandGiven = parser.isSet("band");
    if (bandGiven)
        s.lowBand = parseLowBand("--band", singleValue(parser, "band"));
    if (parser.isSet("position"))
        s.position = parsePosition("--position", singleValue(parser, "position"));
    if (parser.isSet("frequency") && parser.isSet("if"))
        throw UsageError(QStringLiteral("--frequency and --if exclude each other; give one"));
    if (parser.isSet("frequency")) {
        const QString value = singleValue(parser, "frequency");
        if (bandGiven) {
            s.transponderFrequency = parseNumber(
                QStringLiteral("--frequency (%1 band)")
                    .arg(s.lowBand ? QLatin1String("low") : QLatin1String("high")),
                value, bands::transponderMin(s.lowBand), bands::transponderMax(s.lowBand));
        } else {
            s.transponderFrequency =
                parseNumber("--frequency", value, bands::kLowBandMin, bands::kHighBandMax);
            s.lowBand = s.transponderFrequency < bands::kHighBandMin;
        }
        s.ifFrequency = bands::intermediateFrequency(s.transponderFrequency, s.lowBand);
    } else if (parser.isSet("if")) {
        s.transponderFrequency = 0;
        s.ifFrequency =
            parseNumber("--if", singleValue(parser, "if"), bands::kIfMin, bands::kIfMax);
    } else {
        // The default 11700 MHz lies in both bands, as in the window.
        s.ifFrequency = bands::intermediateFrequency(s.transponderFrequency, s.lowBand);
    }
    if (parser.isSet("userband"))
        s.userbandNumber = parseNumber("--userband", singleValue(parser, "userband"),
                                       bands::kUserbandNumberMin, bands::kUserbandNumberMax);
    if (parser.isSet("userband-frequency"))
        s.userbandFrequency =
            parseNumber("--userband-frequency", singleValue(parser, "userband-frequency"),
                        bands::kUserbandFrequencyMin, bands::kUserbandFrequencyMax);
    if (parser.isSet("pin"))
        s.pin = parseNumber("--pin", singleValue(parser, "pin"), bands::kPinMin, bands::kPinMax);
    return s;
}

QString parseStandard(const QString &value)
{
    QString v = value.toLower();
    v.remove(QLatin1Char(' '));
    if (v == QLatin1String("both"))
        return v;
    if (v == QLatin1String("50494") || v == QLatin1String("en50494"))
        return QStringLiteral("en50494");
    if (v == QLatin1String("50607") || v == QLatin1String("en50607"))
        return QStringLiteral("en50607");
    throw UsageError(
        QStringLiteral("--standard: %1 is not a standard; use en50494, en50607 or both")
            .arg(quoted(value)));
}

QVector<Outcome> encode(const Settings &s, const QString &standard)
{
    struct Choice
    {
        const char *standard;
        const char *jsonKey;
        int (*channelChange)(std::string &, int, int, int, int, int, int, int);
        int (*powerOff)(std::string &, int, int);
    };
    static const Choice choices[] = {
        {"EN 50494", "en50494", encodeEn50494Command, encodeEn50494PowerOff},
        {"EN 50607", "en50607", encodeEn50607Command, encodeEn50607PowerOff},
    };
    QVector<Outcome> outcomes;
    for (const Choice &choice : choices) {
        if (standard != QLatin1String("both") && standard != QLatin1String(choice.jsonKey))
            continue;
        Outcome outcome{choice.standard, choice.jsonKey, 0, {}};
        const int userbandIndex = s.userbandNumber - 1;
        outcome.code = s.powerOff ? choice.powerOff(outcome.hex, userbandIndex, s.pin)
                                  : choice.channelChange(outcome.hex, s.vertical, s.lowBand,
                                                         s.position, s.ifFrequency,
                                                         s.userbandFrequency, userbandIndex, s.pin);
        outcomes.append(outcome);
    }
    return outcomes;
}

QString outcomeText(const Outcome &outcome)
{
    return outcome.code == EncodeOk ? QString::fromStdString(outcome.hex)
                                    : resultMessage(outcome.code);
}

QString plainReport(const Settings &s, const QVector<Outcome> &outcomes)
{
    QString text;
    if (!s.powerOff)
        text = QStringLiteral("Intermediate frequency: %1 MHz\n").arg(s.ifFrequency);
    for (const Outcome &outcome : outcomes) {
        text +=
            QStringLiteral("%1%2: %3\n")
                .arg(QLatin1String(outcome.standard),
                     s.powerOff ? QStringLiteral(" switch-off") : QString(), outcomeText(outcome));
    }
    return text;
}

QString jsonReport(const Settings &s, const QVector<Outcome> &outcomes)
{
    QJsonObject settings{
        {"userband", s.userbandNumber},
        {"pin", s.pin >= 0 ? QJsonValue(s.pin) : QJsonValue(QJsonValue::Null)},
    };
    QJsonObject root{{"command", s.powerOff ? "switch-off" : "channel change"}};
    if (!s.powerOff) {
        settings.insert("polarisation", s.vertical ? "vertical" : "horizontal");
        settings.insert("band", s.lowBand ? "low" : "high");
        settings.insert("position", positionName(s.position));
        settings.insert("userbandFrequency", s.userbandFrequency);
        if (s.transponderFrequency > 0)
            settings.insert("transponderFrequency", s.transponderFrequency);
        root.insert("intermediateFrequency", s.ifFrequency);
    }
    root.insert("settings", settings);
    for (const Outcome &outcome : outcomes) {
        QJsonObject entry{{"standard", outcome.standard}, {"result", outcome.code}};
        if (outcome.code == EncodeOk)
            entry.insert("command", QString::fromStdString(outcome.hex));
        else
            entry.insert("error", resultMessage(outcome.code));
        root.insert(outcome.jsonKey, entry);
    }
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace

CliResult runEncode(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addOptions({
        {{"p", "polarisation"}, "Polarisation: horizontal (h) or vertical (v).", "h|v"},
        {{"b", "band"}, "Band: high or low.", "high|low"},
        {{"s", "position"}, "Satellite position: A, B, C or D.", "A-D"},
        {{"f", "frequency"},
         "Transponder frequency in MHz: 10700..11700 (low band), 11700..12750 (high band).",
         "MHz"},
        {{"i", "if"}, "Intermediate frequency in MHz (950..2150) instead of --frequency.", "MHz"},
        {{"u", "userband"}, "Userband number, 1..32.", "number"},
        {{"r", "userband-frequency"}, "Userband centre frequency in MHz, 950..2150.", "MHz"},
        {"pin", "PIN code, 0..255; without it no PIN is sent.", "0-255"},
        {"standard", "Standard to compute: en50494, en50607 or both (default).", "name"},
        {"power-off", "The switch-off commands for the userband instead."},
        {"json", "Print JSON instead of plain text."},
    });
    parser.addPositionalArgument("command", "encode (the default), decode or table.", "[encode]");

    CliResult result;
    if (parseArguments(parser, arguments, QStringLiteral("[encode] [options]"), result))
        return result;
    try {
        if (!parser.positionalArguments().isEmpty())
            throw UsageError(QStringLiteral("unexpected argument %1")
                                 .arg(quoted(parser.positionalArguments().first())));
        const Settings settings = readSettings(parser);
        const QString standard = parser.isSet("standard")
                                     ? parseStandard(singleValue(parser, "standard"))
                                     : QStringLiteral("both");
        const QVector<Outcome> outcomes = encode(settings, standard);

        result.out =
            parser.isSet("json") ? jsonReport(settings, outcomes) : plainReport(settings, outcomes);
        for (const Outcome &outcome : outcomes) {
            if (outcome.code != EncodeOk)
                result.exitCode = ExitNotEncodable;
        }
        return result;
    } catch (const UsageError &error) {
        return usageError(error.message());
    }
}
