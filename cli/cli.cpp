#include "cli.h"

#include "commandencoding.h"
#include "commands.h"
#include "values.h"

#include <QCommandLineParser>

const QString kProgram = QStringLiteral("vantir-cli");

CliResult usageError(const QString &message)
{
    return failure(ExitUsage, message);
}

CliResult failure(int exitCode, const QString &message)
{
    return {exitCode, {}, QStringLiteral("%1: %2\n").arg(kProgram, message)};
}

QString singleValue(const QCommandLineParser &parser, const QString &name)
{
    const QStringList values = parser.values(name);
    if (values.size() > 1)
        throw UsageError(QStringLiteral("--%1: given more than once").arg(name));
    return values.value(0);
}

QString resultMessage(int code)
{
    switch (code) {
    case EncodePositionOutOfRange:
        return QStringLiteral("position out of range");
    case EncodeUserbandOutOfRange:
        return QStringLiteral("userband number out of range");
    default:
        return QStringLiteral("userband frequency out of range");
    }
}

bool parseArguments(QCommandLineParser &parser, const QStringList &arguments, const QString &usage,
                    CliResult &result)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        result = usageError(parser.errorText());
        return true;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Qt's own first line puts the options before the command word.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(QLatin1Char('\n')),
                     QStringLiteral("Usage: %1 %2").arg(kProgram, usage));
        result = {ExitOk, text, {}};
        return true;
    }
    if (parser.isSet(version)) {
        result = {
            ExitOk, QStringLiteral("%1 %2\n").arg(kProgram, QStringLiteral(VANTIR_VERSION)), {}};
        return true;
    }
    return false;
}

CliResult runCli(const QStringList &arguments)
{
    QStringList rest = arguments.isEmpty() ? QStringList{kProgram} : arguments;
    const QString command = rest.value(1);
    if (command == QLatin1String("decode")) {
        rest.removeAt(1);
        return runDecode(rest);
    }
    if (command == QLatin1String("table")) {
        rest.removeAt(1);
        return runTable(rest);
    }
    // Encoding is the default, so the command word is optional.
    if (command == QLatin1String("encode"))
        rest.removeAt(1);
    return runEncode(rest);
}
