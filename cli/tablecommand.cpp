#include "bands.h"
#include "commands.h"
#include "hextext.h"
#include "transponder.h"
#include "values.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QRegularExpression>

#include <optional>
#include <string>

namespace {

const char kDescription[] =
    "Prints both commands for every combination of the given transponders and\n"
    "userbands, for setting up a whole installation at once.\n"
    "Transponders are written as installers write them: frequency in MHz and\n"
    "polarisation, e.g. 11493H 12188V. The band follows the frequency (low below\n"
    "11700 MHz) unless --band is given.\n"
    "The userbands are those of a preset list (--list, default 1: 1284..2096 MHz in\n"
    "116 MHz steps; 2: 974..2096 MHz in 102 MHz steps), or the numbers given with\n"
    "--userbands, at their frequencies in that list. EN 50494 needs the userband\n"
    "frequency; numbers beyond the list are computed for EN 50607 alone.\n"
    "\n"
    "Exit status:\n"
    "  0  the whole table was printed\n"
    "  2  bad option or value; nothing is printed on stdout\n"
    "  4  some transponder entries were bad: stderr names each by its place in the\n"
    "     list, the table holds the others\n"
    "  6  the output could not be written (full disk, closed stream)";

struct Row
{
    Transponder transponder;
    int userbandNumber;
    int userbandFrequency; // 0: not in the list
    int ifFrequency;
    QString en50494;
    QString en50607;
};

Transponder readTransponder(const QString &entry, const std::optional<Band> &band)
{
    Transponder t;
    bool positionWritten = false;
    if (!parseTransponder(entry.toStdString(), t, &positionWritten))
        throw UsageError(QStringLiteral("%1 is not a transponder; write its frequency in MHz "
                                        "and H or V, e.g. 11493H")
                             .arg(quoted(entry)));
    // The table has no column for it: one position for every row.
    if (positionWritten)
        throw UsageError(QStringLiteral("%1: give the position with --position; it holds for "
                                        "every row")
                             .arg(quoted(entry)));
    if (!band && !transponderInBands(t))
        throw UsageError(QStringLiteral("%1: %2 MHz is outside both bands (%3..%4 MHz)")
                             .arg(quoted(entry))
                             .arg(t.frequency)
                             .arg(bands::kLowBandMin)
                             .arg(bands::kHighBandMax));
    t.band = band.value_or(t.band);
    if (!transponderInBands(t))
        throw UsageError(
            QStringLiteral("%1: %2 MHz is outside the %3 band (%4..%5 MHz)")
                .arg(quoted(entry))
                .arg(t.frequency)
                .arg(t.band == Band::Low ? QLatin1String("low") : QLatin1String("high"))
                .arg(bands::transponderMin(t.band))
                .arg(bands::transponderMax(t.band)));
    return t;
}

// "3", "1-8" or "9..12".
QPair<int, int> parseUserbandRange(const QString &value)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]+)(?: ?(?:-|\\.\\.) ?([0-9]+))?")));
    const QRegularExpressionMatch match = form.match(value);
    const QString range =
        QStringLiteral("%1..%2").arg(bands::kUserbandNumberMin).arg(bands::kUserbandNumberMax);
    if (!match.hasMatch())
        throw UsageError(
            QStringLiteral("--userbands: %1 is not a number or range like 1-8").arg(quoted(value)));
    const int from = parseNumber("--userbands", match.captured(1), bands::kUserbandNumberMin,
                                 bands::kUserbandNumberMax);
    const int to = match.captured(2).isEmpty()
                       ? from
                       : parseNumber("--userbands", match.captured(2), bands::kUserbandNumberMin,
                                     bands::kUserbandNumberMax);
    if (to < from)
        throw UsageError(QStringLiteral("--userbands: %1 runs backwards; use %2 in rising order")
                             .arg(quoted(value), range));
    return {from, to};
}

Row computeRow(const Transponder &t, int userbandNumber, int list, Pin pin)
{
    Row row{t,
            userbandNumber,
            bands::presetFrequency(list, userbandNumber),
            bands::intermediateFrequency(t.frequency, t.band),
            {},
            {}};
    // Without a frequency EN 50494 cannot be sent; the number is then past
    // anything it carries, and the encoder says so.
    const Tuning tuning = transponderTuning(t, userbandNumber, row.userbandFrequency, pin);
    QString *const texts[] = {&row.en50494, &row.en50607};
    for (const Standard standard : kStandards) {
        const Encoded encoded = encode(standard, tuning);
        *texts[int(standard)] = encoded.ok() ? QString::fromStdString(bytesToHexText(encoded.frame))
                                             : resultMessage(encoded.error);
    }
    return row;
}

bool vertical(const Row &row)
{
    return row.transponder.polarisation == Polarisation::Vertical;
}

QStringList cells(const Row &row)
{
    return {QString::number(row.transponder.frequency),
            vertical(row) ? QStringLiteral("V") : QStringLiteral("H"),
            row.transponder.band == Band::Low ? QStringLiteral("low") : QStringLiteral("high"),
            QString::number(row.userbandNumber),
            row.userbandFrequency > 0 ? QString::number(row.userbandFrequency)
                                      : QStringLiteral("-"),
            QString::number(row.ifFrequency),
            row.en50494,
            row.en50607};
}

const QStringList kHeader{"Transponder MHz", "Pol",    "Band",     "Userband",
                          "Userband MHz",    "IF MHz", "EN 50494", "EN 50607"};

QString textTable(const QVector<Row> &rows)
{
    QVector<QStringList> lines{kHeader};
    for (const Row &row : rows)
        lines << cells(row);
    QVector<int> widths(kHeader.size(), 0);
    for (const QStringList &line : lines)
        for (int i = 0; i < line.size(); ++i)
            widths[i] = qMax(widths[i], line[i].size());
    QString text;
    for (const QStringList &line : lines) {
        QString out;
        for (int i = 0; i < line.size(); ++i) {
            // The commands keep their trailing blank, so they line up as typed.
            out += i + 1 < line.size() ? line[i].leftJustified(widths[i] + 2) : line[i];
        }
        while (out.endsWith(QLatin1String("  ")))
            out.chop(1);
        text += out + QLatin1Char('\n');
    }
    return text;
}

QString csvField(const QString &field)
{
    if (!field.contains(QLatin1Char(' ')) && !field.contains(QLatin1Char(',')) &&
        !field.contains(QLatin1Char('"')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvTable(const QVector<Row> &rows)
{
    QString text = QStringLiteral("transponder,polarisation,band,userband,userbandFrequency,"
                                  "intermediateFrequency,en50494,en50607\n");
    for (const Row &row : rows) {
        QStringList fields = cells(row);
        fields[1] = vertical(row) ? QStringLiteral("vertical") : QStringLiteral("horizontal");
        if (row.userbandFrequency == 0)
            fields[4].clear();
        for (QString &field : fields)
            field = csvField(field);
        text += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return text;
}

QString jsonTable(const QVector<Row> &rows)
{
    QJsonArray array;
    for (const Row &row : rows) {
        array.append(QJsonObject{
            {"transponderFrequency", row.transponder.frequency},
            {"polarisation", vertical(row) ? "vertical" : "horizontal"},
            {"band", row.transponder.band == Band::Low ? "low" : "high"},
            {"userband", row.userbandNumber},
            {"userbandFrequency", row.userbandFrequency > 0 ? QJsonValue(row.userbandFrequency)
                                                            : QJsonValue(QJsonValue::Null)},
            {"intermediateFrequency", row.ifFrequency},
            {"en50494", row.en50494},
            {"en50607", row.en50607},
        });
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
}

} // namespace

CliResult runTable(const QStringList &arguments)
{
    static const CommandDeclaration declared{
        "table [options] <transponder>...",
        kDescription,
        QList<QCommandLineOption>{
            {{"l", "list"}, "Preset list of userband frequencies: 1 (default) or 2.", "1|2"},
            {{"u", "userbands"},
             "Userband numbers, e.g. 3 or 1-4 (default: the whole list).",
             "range"},
            {{"b", "band"}, "Band of every transponder: high or low.", "high|low"},
            {{"s", "position"}, "Satellite position: A to D, or 1 to 64 (default A).", "A-D|1-64"},
            {"pin", "PIN code, 0..255; without it no PIN is sent.", "0-255"},
            {"format", "Output: text (default), csv or json.", "format"},
        },
        {"transponders", "Transponders, e.g. 11493H 12188V.", "table <transponder>..."},
    };
    return runCommand(declared, arguments, [](const QCommandLineParser &parser) -> CliResult {
        CliResult result;

        int list = 1, position = 0;
        Pin pin;
        std::optional<Band> band;
        QPair<int, int> userbands;
        QString format = QStringLiteral("text");
        if (parser.isSet("list"))
            list = parseNumber("--list", singleValue(parser, "list"), 1, 2);
        userbands = {1, bands::kPresetLists[list - 1].count};
        if (parser.isSet("userbands"))
            userbands = parseUserbandRange(singleValue(parser, "userbands"));
        if (parser.isSet("band"))
            band = parseBand("--band", singleValue(parser, "band"));
        if (parser.isSet("position"))
            position = parsePosition("--position", singleValue(parser, "position"));
        if (parser.isSet("pin"))
            pin = parseNumber("--pin", singleValue(parser, "pin"), bands::kPinMin, bands::kPinMax);
        if (parser.isSet("format")) {
            format = singleValue(parser, "format").toLower();
            if (format != QLatin1String("text") && format != QLatin1String("csv") &&
                format != QLatin1String("json"))
                throw UsageError(QStringLiteral("--format: %1 is not a format; use text, csv "
                                                "or json")
                                     .arg(quoted(singleValue(parser, "format"))));
        }
        if (parser.positionalArguments().isEmpty())
            throw UsageError(QStringLiteral("table: give the transponders, e.g. 11493H 12188V"));

        // A bad entry is reported by its place in the list; the others still make
        // their rows, since an installer usually wants the rest of the table.
        QVector<Row> rows;
        const QStringList entries = parser.positionalArguments();
        for (int i = 0; i < entries.size(); ++i) {
            try {
                Transponder t = readTransponder(entries[i], band);
                t.position = position;
                for (int number = userbands.first; number <= userbands.second; ++number)
                    rows << computeRow(t, number, list, pin);
            } catch (const UsageError &error) {
                result.err += QStringLiteral("%1: table: transponder %2: %3\n")
                                  .arg(kProgram)
                                  .arg(i + 1)
                                  .arg(error.message());
                result.exitCode = ExitBadEntries;
            }
        }
        if (format == QLatin1String("csv"))
            result.out = csvTable(rows);
        else if (format == QLatin1String("json"))
            result.out = jsonTable(rows);
        else
            result.out = textTable(rows);
        return result;
    });
}
