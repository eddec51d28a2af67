#pragma once

#include "cli.h"

#include <QCommandLineOption>
#include <QList>

#include <functional>

class QCommandLineParser;

// A command's interface as data: what `--help` shows and what the parser
// takes. Every command's parser is built from one of these by runCommand.
struct CommandDeclaration
{
    struct Positional
    {
        QString name;
        QString description;
        QString syntax;
    };
    QString usage; // after the program name: "decode [options] <hex>..."
    const char *description;
    QList<QCommandLineOption> options;
    Positional positional; // none when its name is empty
};

// The tool's commands. Each takes the argument list with the program name
// first and the command's own name removed.
CliResult runEncode(const QStringList &arguments);
CliResult runDecode(const QStringList &arguments);
CliResult runTable(const QStringList &arguments);
CliResult runWave(const QStringList &arguments);
CliResult runPlan(const QStringList &arguments);
CliResult runListen(const QStringList &arguments);

// Helpers shared by the commands.
extern const QString kProgram;
CliResult usageError(const QString &message);
CliResult failure(int exitCode, const QString &message);
// The value of an option given at most once; a repeated option would leave
// the user guessing which one counted.
QString singleValue(const QCommandLineParser &parser, const QString &name);
// The message for an encoder result code.
QString resultMessage(int code);
// A file that could not be written: the command, the file and why.
CliResult outputFailure(const QString &command, const QString &path, const QString &error);
// Every command's frame: builds its parser from `declared`, parses
// `arguments`, answers --help and --version and a parse error, and otherwise
// runs `body`; a UsageError it throws ends the run with the usage status.
CliResult runCommand(const CommandDeclaration &declared, const QStringList &arguments,
                     const std::function<CliResult(const QCommandLineParser &)> &body);
