#include "commands.h"
#include "files.h"
#include "phrasetext.h"
#include "picturemodule.h"
#include "plan.h"
#include "planfile.h"
#include "values.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char kDescription[] =
    "Checks the plan of a whole single-cable installation and prints the command of\n"
    "every receiver for every transponder. The plan is a JSON file; see the README\n"
    "for its keys. The checks find two receivers on one userband, a userband the\n"
    "unit does not have, an EN 50494 receiver on a userband above 8 or in an\n"
    "installation that uses position C or D, an EN 50607 receiver on an EN 50494\n"
    "unit, a frequency outside 950..2150 MHz, a PIN outside 0..255 and userbands\n"
    "closer than the bandwidth; and note the free userbands and the transponders\n"
    "whose intermediate frequency EN 50607 sends as 2147 MHz. The table shows where\n"
    "each transponder lands in the cable: EN 50494 moves it off the userband's\n"
    "centre by up to 2 MHz.\n"
    "--sheet writes the sheet to leave in the building: A4 PDF, or SVG or PNG.\n"
    "\n"
    "Exit status:\n"
    "  0  the plan is sound\n"
    "  2  the file cannot be read or is not a plan; one line says why\n"
    "  5  the plan has errors; the report and what can be computed still print\n"
    "  6  the output or the sheet could not be written";

// The command's hex text, or why there is none.
QString commandText(const PlanRow &row)
{
    return row.encoded() ? row.hexText() : phraseText(row.problem);
}

QString plainReport(const Plan &plan, const QVector<Finding> &findings,
                    const QVector<PlanRow> &rows)
{
    QString text =
        QStringLiteral("Plan: %1\nUnit: %2, %3 userbands\n")
            .arg(plan.installation.isEmpty() ? QStringLiteral("-") : escaped(plan.installation),
                 QLatin1String(standardName(plan.standard)))
            .arg(plan.userbands.size());
    for (const bool errors : {true, false}) {
        QString lines;
        for (const Finding &f : findings) {
            if (f.isError() == errors)
                lines += QStringLiteral("  %1: %2\n")
                             .arg(phraseText(findingSubject(plan, f)), phraseText(f.text));
        }
        if (!lines.isEmpty())
            text += (errors ? QStringLiteral("Errors:\n") : QStringLiteral("Notes:\n")) + lines;
    }
    QVector<QStringList> table{
        {"Receiver", "Userband", "MHz", "Transponder", "Command", "Lands at"}};
    for (const PlanRow &row : rows) {
        const Plan::Receiver &r = plan.receivers[row.receiver];
        const Transponder &t = plan.transponders[row.transponder];
        table << QStringList{
            escaped(r.name),
            QString::number(r.userband),
            hasUserband(plan, r.userband) ? QString::number(plan.userbands[r.userband - 1])
                                          : QStringLiteral("-"),
            transponderLabel(t),
            commandText(row),
            row.encoded() ? QStringLiteral("%1 MHz").arg(row.landing) : QStringLiteral("-")};
    }
    QVector<int> widths(table.first().size(), 0);
    for (const QStringList &cells : table) {
        for (int i = 0; i < cells.size(); ++i)
            widths[i] = qMax(widths[i], cells[i].size());
    }
    text += QStringLiteral("Commands:\n");
    for (const QStringList &cells : table) {
        QString line;
        for (int i = 0; i < cells.size(); ++i)
            line += i + 1 < cells.size() ? cells[i].leftJustified(widths[i] + 2) : cells[i];
        text += line + QLatin1Char('\n');
    }
    return text;
}

QString jsonReport(const Plan &plan, const QVector<Finding> &findings, const QVector<PlanRow> &rows)
{
    QJsonArray errors, notes, table;
    for (const Finding &f : findings)
        (f.isError() ? errors : notes)
            .append(QJsonObject{{"about", phraseText(findingSubject(plan, f))},
                                {"text", phraseText(f.text)}});
    for (const PlanRow &row : rows) {
        const Plan::Receiver &r = plan.receivers[row.receiver];
        const Transponder &t = plan.transponders[row.transponder];
        QJsonObject entry{
            {"receiver", r.name}, {"userband", r.userband}, {"transponder", transponderLabel(t)}};
        entry.insert(row.encoded() ? "command" : "error", commandText(row));
        if (row.encoded())
            entry.insert("landing", row.landing);
        table.append(entry);
    }
    const QJsonObject root{{"installation", plan.installation},
                           {"errors", errors},
                           {"notes", notes},
                           {"commands", table}};
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace

CliResult runPlan(const QStringList &arguments)
{
    static const CommandDeclaration declared{
        "plan [options] <file>",
        kDescription,
        QList<QCommandLineOption>{
            {"sheet", "Write the installation sheet: .pdf, .svg or .png.", "file"},
            {"show-pins", "Show the PINs on the sheet instead of \"PIN set\"."},
            {"json", "Print JSON instead of plain text."},
        },
        {"file", "The plan, a JSON file.", "plan <file>"},
    };
    return runCommand(declared, arguments, [](const QCommandLineParser &parser) -> CliResult {
        CliResult result;
        Plan plan;
        QString sheet;
        if (parser.positionalArguments().size() != 1)
            throw UsageError(QStringLiteral("plan: give one plan file"));
        if (parser.isSet("sheet")) {
            sheet = singleValue(parser, "sheet");
            if (!QStringList{"pdf", "svg", "png"}.contains(QFileInfo(sheet).suffix().toLower()))
                throw UsageError(QStringLiteral("--sheet: %1 does not end in .pdf, .svg or .png")
                                     .arg(quoted(sheet)));
        }
        const QString path = parser.positionalArguments().first();
        try {
            plan = readPlanFile(argumentPath(path));
        } catch (const PlanError &error) {
            throw UsageError(
                QStringLiteral("plan: %1: %2").arg(quoted(path), phraseText(error.why())));
        }

        const QVector<Finding> findings = checkPlan(plan);
        const QVector<PlanRow> rows = planTable(plan);
        result.out = parser.isSet("json") ? jsonReport(plan, findings, rows)
                                          : plainReport(plan, findings, rows);
        const bool errors = std::any_of(findings.begin(), findings.end(),
                                        [](const Finding &f) { return f.isError(); });
        result.exitCode = errors ? ExitPlanErrors : ExitOk;
        if (!sheet.isEmpty()) {
            QString error;
            const QString format = QFileInfo(sheet).suffix().toLower();
            if (const PictureCalls *pictures = pictureModule(&error)) {
                const SheetBytes file =
                    pictures->sheetFile(format, plan, findings, rows, parser.isSet("show-pins"));
                if (file.bytes.isEmpty())
                    error = QStringLiteral("the %1 file could not be encoded").arg(format);
                else if (const std::optional<Phrase> why =
                             saveFile(argumentPath(sheet), file.bytes))
                    error = phraseText(*why);
                if (error.isEmpty() && file.pagesShown < file.pages)
                    result.err +=
                        QStringLiteral("%1: plan: %2 shows the first %3 of the sheet's %4 "
                                       "pages; a .pdf sheet holds them all\n")
                            .arg(kProgram, quoted(sheet))
                            .arg(file.pagesShown)
                            .arg(file.pages);
            }
            if (!error.isEmpty())
                return outputFailure(QStringLiteral("plan"), sheet, error);
        }
        return result;
    });
}
