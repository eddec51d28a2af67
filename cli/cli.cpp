#include "cli.h"

#include "commandencoding.h"
#include "commands.h"
#include "system.h"
#include "values.h"
#include "version.h"

#include <QCommandLineParser>

#include <cerrno>
#include <cstdio>
#include <cstring>

const QString kProgram = QStringLiteral("vantir-cli");

// errno says why not all of `text` reached the stream. Names given as bytes
// go back as they came, and the rest is UTF-8.
bool writeNow(std::FILE *stream, const QString &text)
{
    return os::writeText(stream, argumentBytes(text));
}

CliResult usageError(const QString &message)
{
    return failure(ExitUsage, message);
}

CliResult failure(int exitCode, const QString &message)
{
    // Values in messages are shown escaped already; this keeps any message
    // on its one line whatever it quotes.
    QString line = message;
    line.replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return {exitCode, {}, QStringLiteral("%1: %2\n").arg(kProgram, line)};
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
    return QString::fromStdString(encodeResultText(code).text());
}

CliResult outputFailure(const QString &command, const QString &path, const QString &error)
{
    return failure(ExitOutputFailed,
                   QStringLiteral("%1: cannot write %2: %3").arg(command, quoted(path), error));
}

namespace {

// True when the run is over (help, version or a parse error), with `result` set.
bool parseCommand(QCommandLineParser &parser, const CommandDeclaration &declared,
                  const QStringList &arguments, CliResult &result)
{
    parser.setApplicationDescription(QString::fromLatin1(declared.description));
    parser.addOptions(declared.options);
    if (!declared.positional.name.isEmpty())
        parser.addPositionalArgument(declared.positional.name, declared.positional.description,
                                     declared.positional.syntax);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        // The toolkit's message would repeat an unknown option in full.
        const QStringList unknown = parser.unknownOptionNames();
        result = usageError(
            unknown.isEmpty() ? parser.errorText()
                              : QStringLiteral("Unknown option %1.").arg(quoted(unknown.first())));
        return true;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Qt's own first line puts the options before the command word.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(QLatin1Char('\n')),
                     QStringLiteral("Usage: %1 %2").arg(kProgram, declared.usage));
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

} // namespace

CliResult runCommand(const CommandDeclaration &declared, const QStringList &arguments,
                     const std::function<CliResult(const QCommandLineParser &)> &body)
{
    QCommandLineParser parser;
    CliResult result;
    if (parseCommand(parser, declared, arguments, result))
        return result;
    try {
        return body(parser);
    } catch (const UsageError &error) {
        return usageError(error.message());
    }
}

CliResult runCli(const QStringList &arguments)
{
    static const struct
    {
        const char *name;
        CliResult (*run)(const QStringList &);
    } commands[] = {{"encode", runEncode}, {"decode", runDecode}, {"table", runTable},
                    {"wave", runWave},     {"plan", runPlan},     {"listen", runListen}};
    QStringList rest = arguments.isEmpty() ? QStringList{kProgram} : arguments;
    const QString word = rest.value(1);
    for (const auto &command : commands) {
        if (word == QLatin1String(command.name)) {
            rest.removeAt(1);
            return command.run(rest);
        }
    }
    // Encoding is the default, so the command word is optional.
    return runEncode(rest);
}

int writeResult(const CliResult &result, bool stdoutOpen)
{
    QString err = result.err;
    bool written = true;
    if (!result.out.isEmpty()) {
        errno = 0;
        if (!stdoutOpen || !writeNow(stdout, result.out)) {
            const QString reason = stdoutOpen ? QString::fromLocal8Bit(std::strerror(errno))
                                              : QStringLiteral("it is closed");
            err +=
                QStringLiteral("%1: cannot write to standard output: %2\n").arg(kProgram, reason);
            written = false;
        }
    }
    if (!writeNow(stderr, err))
        written = false;
    return written ? result.exitCode : ExitOutputFailed;
}
