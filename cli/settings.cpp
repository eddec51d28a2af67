#include "settings.h"

#include "commands.h"
#include "hextext.h"
#include "values.h"

#include <QCommandLineParser>

namespace {

// Options that describe a channel change; a switch-off has none of them.
const char *const kTuningOptions[] = {"polarisation", "band", "position",
                                      "frequency",    "if",   "userband-frequency"};

// "config:1A": the command's word, and its value in hex where it takes one.
void readUnitCommand(const QCommandLineParser &parser, Settings &s)
{
    const QString value = singleValue(parser, "odu");
    const QString word = value.section(QLatin1Char(':'), 0, 0).toLower();
    const bool hasValue = value.contains(QLatin1Char(':'));
    const QString argument = value.section(QLatin1Char(':'), 1);
    const CommandKindInfo *found = nullptr;
    for (const CommandKind kind : kUnitCommands) {
        if (word == QLatin1String(commandKindInfo(kind).word))
            found = &commandKindInfo(kind);
    }
    if (!found)
        throw UsageError(QStringLiteral("--odu: %1 is not a command; use signal-on, "
                                        "config:<10..1F>, lo-freq:<code>, ub-avail, ub-pin, "
                                        "ub-inuse, ub-freq or ub-switches")
                             .arg(quoted(value)));
    s.kind = found->kind;
    for (const char *option : kTuningOptions) {
        if (parser.isSet(option))
            throw UsageError(QStringLiteral("--odu %1 takes no --%2").arg(word, option));
    }
    if (!found->userband && parser.isSet("userband"))
        throw UsageError(
            QStringLiteral("--odu %1 names no userband; leave out --userband").arg(word));
    if (found->standard == Standard::En50607 && parser.isSet("pin"))
        throw UsageError(QStringLiteral("--odu %1 has no PIN form; leave out --pin").arg(word));
    if (!found->argument) {
        if (hasValue)
            throw UsageError(QStringLiteral("--odu: %1 takes no value").arg(word));
        return;
    }
    const bool config = s.kind == CommandKind::Config;
    bool ok = false;
    s.argument = argument.size() == 2 ? argument.toInt(&ok, 16) : -1;
    if (!ok || (config ? s.argument < kConfigMin || s.argument > kConfigMax
                       : !oscillatorKnown(s.argument)))
        throw UsageError(
            config ? QStringLiteral("--odu: %1 is not a configuration; write config:10 to "
                                    "config:1F (bit 3 two positions, bit 2 wide band, bits 1..0 "
                                    "two to eight userbands)")
                         .arg(quoted(value))
                   : QStringLiteral("--odu: %1 is not an oscillator code; write lo-freq:00 to "
                                    "lo-freq:0C or lo-freq:10 to lo-freq:14")
                         .arg(quoted(value)));
}

} // namespace

QList<QCommandLineOption> commandOptions()
{
    return {
        {{"p", "polarisation"}, "Polarisation: horizontal (h) or vertical (v).", "h|v"},
        {{"b", "band"}, "Band: high or low.", "high|low"},
        {{"s", "position"},
         "Satellite position: A to D, or 1 to 64 (EN 50607 beyond B).",
         "A-D|1-64"},
        {{"f", "frequency"},
         "Transponder frequency in MHz: 10700..11700 (low band), 11700..12750 (high band).",
         "MHz"},
        {{"i", "if"}, "Intermediate frequency in MHz (950..2150) instead of --frequency.", "MHz"},
        {{"u", "userband"}, "Userband number, 1..32.", "number"},
        {{"r", "userband-frequency"}, "Userband centre frequency in MHz, 950..2150.", "MHz"},
        {"pin", "PIN code, 0..255; without it no PIN is sent.", "0-255"},
        {"power-off", "The switch-off commands for the userband instead."},
        {"odu",
         "Another command of the outdoor unit instead: signal-on, config:<10..1F>, "
         "lo-freq:<code 00..0C, 10..14> (EN 50494); ub-avail, ub-pin, ub-inuse, ub-freq, "
         "ub-switches (EN 50607). Those that name a userband take --userband.",
         "command"},
    };
}

Settings readSettings(const QCommandLineParser &parser)
{
    Settings s;
    if (parser.isSet("power-off") && parser.isSet("odu"))
        throw UsageError(QStringLiteral("--power-off and --odu exclude each other; give one"));
    if (parser.isSet("power-off")) {
        s.kind = CommandKind::SwitchOff;
        for (const char *option : kTuningOptions) {
            if (parser.isSet(option))
                throw UsageError(
                    QStringLiteral("--power-off takes no --%1; a switch-off names only the "
                                   "userband (and the PIN)")
                        .arg(QLatin1String(option)));
        }
    }
    if (parser.isSet("odu"))
        readUnitCommand(parser, s);
    Tuning &t = s.tuning;
    if (parser.isSet("polarisation"))
        t.polarisation = parsePolarisation("--polarisation", singleValue(parser, "polarisation"));
    const bool bandGiven = parser.isSet("band");
    if (bandGiven)
        t.band = parseBand("--band", singleValue(parser, "band"));
    if (parser.isSet("position"))
        t.position = parsePosition("--position", singleValue(parser, "position"));
    if (parser.isSet("frequency") && parser.isSet("if"))
        throw UsageError(QStringLiteral("--frequency and --if exclude each other; give one"));
    if (parser.isSet("frequency")) {
        const QString value = singleValue(parser, "frequency");
        const bool low = t.band == Band::Low;
        if (bandGiven) {
            s.transponderFrequency =
                parseNumber(QStringLiteral("--frequency (%1 band)")
                                .arg(low ? QLatin1String("low") : QLatin1String("high")),
                            value, bands::transponderMin(t.band), bands::transponderMax(t.band));
        } else {
            s.transponderFrequency =
                parseNumber("--frequency", value, bands::kLowBandMin, bands::kHighBandMax);
            t.band = bands::bandOf(s.transponderFrequency);
        }
        t.ifFrequency = bands::intermediateFrequency(s.transponderFrequency, t.band);
    } else if (parser.isSet("if")) {
        s.transponderFrequency = 0;
        t.ifFrequency =
            parseNumber("--if", singleValue(parser, "if"), bands::kIfMin, bands::kIfMax);
    } else {
        // The default 11700 MHz lies in both bands, as in the window.
        t.ifFrequency = bands::intermediateFrequency(s.transponderFrequency, t.band);
    }
    if (parser.isSet("userband"))
        t.userband = parseNumber("--userband", singleValue(parser, "userband"),
                                 bands::kUserbandNumberMin, bands::kUserbandNumberMax);
    if (parser.isSet("userband-frequency"))
        t.userbandFrequency =
            parseNumber("--userband-frequency", singleValue(parser, "userband-frequency"),
                        bands::kUserbandFrequencyMin, bands::kUserbandFrequencyMax);
    if (parser.isSet("pin"))
        t.pin = parseNumber("--pin", singleValue(parser, "pin"), bands::kPinMin, bands::kPinMax);
    return s;
}

QVector<Standard> parseStandards(const QString &value, bool bothAllowed)
{
    if (bothAllowed && value.toLower().remove(QLatin1Char(' ')) == QLatin1String("both"))
        return {std::begin(kStandards), std::end(kStandards)};
    Standard standard;
    if (parseStandard(value.toStdString(), standard))
        return {standard};
    throw UsageError(
        QStringLiteral("--standard: %1 is not %2; use en50494%3")
            .arg(quoted(value),
                 bothAllowed ? QStringLiteral("a standard") : QStringLiteral("one standard"),
                 bothAllowed ? QStringLiteral(", en50607 or both")
                             : QStringLiteral(" or en50607")));
}

QVector<Outcome> encode(const Settings &s, const QVector<Standard> &standards)
{
    QVector<Outcome> outcomes;
    for (const Standard standard : standards) {
        Outcome outcome{standard, {}};
        const Tuning &t = s.tuning;
        if (s.kind == CommandKind::ChannelChange)
            outcome.encoded = encode(standard, t);
        else if (s.kind == CommandKind::SwitchOff)
            outcome.encoded = encode(switchOff(standard, t.userband, t.pin));
        else
            outcome.encoded = encode(unitCommand(s.kind, t.userband, s.argument, t.pin));
        outcomes.append(outcome);
    }
    return outcomes;
}

QString outcomeText(const Outcome &outcome)
{
    return outcome.encoded.ok() ? QString::fromStdString(bytesToHexText(outcome.encoded.frame))
                                : resultMessage(outcome.encoded.error);
}

QVector<Standard> standardsFor(const Settings &s, const QString &value, bool bothAllowed)
{
    QVector<Standard> standards =
        value.isEmpty() ? QVector<Standard>(std::begin(kStandards), std::end(kStandards))
                        : parseStandards(value, bothAllowed);
    if (s.kind == CommandKind::ChannelChange || s.kind == CommandKind::SwitchOff)
        return standards;
    const CommandKindInfo &info = commandKindInfo(s.kind);
    if (!standards.contains(info.standard))
        throw UsageError(
            QStringLiteral("--odu %1 is an %2 command; --standard %3 cannot send it")
                .arg(QLatin1String(info.word), QLatin1String(standardName(info.standard)), value));
    return {info.standard};
}

QString outcomeName(const Settings &s, const Outcome &outcome)
{
    QString name = QLatin1String(standardName(outcome.standard));
    if (s.kind != CommandKind::ChannelChange)
        name += QLatin1Char(' ') + QLatin1String(commandKindInfo(s.kind).name);
    return name;
}
