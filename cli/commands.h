#pragma once

#include "cli.h"

#include <QCommandLineOption>
#include <QList>

class QCommandLineParser;

// A command's interface as data: what `--help` shows and what the parser
// takes. Every command's parser is built from one of these by parseCommand.
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
// Builds the command's parser from `declared`, parses `arguments` and answers
// --help and --version; returns true when the run is over (help, version or
// a parse error), with `result` set.
bool parseCommand(QCommandLineParser &parser, const CommandDeclaration &declared,
                  const QStringList &arguments, CliResult &result);
