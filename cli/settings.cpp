#include "settings.h"

#include "commandencoding.h"
#include "commands.h"
#include "hextext.h"
#include "values.h"

#include <QCommandLineParser>

namespace {

// Options that describe a channel change; a switch-off has none of them.
const char *const kTuningOptions[] = {"polarisation", "band", "position",
                                      "frequency",    "if",   "userband-frequency"};

} // namespace

QList<QCommandLineOption> commandOptions()
{
    return {
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
        {"power-off", "The switch-off commands for the userband instead."},
    };
}

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
        Outcome outcome{standard, 0, {}, {}};
        const int userbandIndex = s.userbandNumber - 1;
        outcome.code = s.powerOff ? powerOffFrame(standard, outcome.frame, userbandIndex, s.pin)
                                  : channelChangeFrame(standard, outcome.frame, s.vertical,
                                                       s.lowBand, s.position, s.ifFrequency,
                                                       s.userbandFrequency, userbandIndex, s.pin);
        if (outcome.code == EncodeOk)
            outcome.hex = bytesToHexText(outcome.frame);
        outcomes.append(outcome);
    }
    return outcomes;
}

QString outcomeText(const Outcome &outcome)
{
    return outcome.code == EncodeOk ? QString::fromStdString(outcome.hex)
                                    : resultMessage(outcome.code);
}
