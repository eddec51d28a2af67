#pragma once

#include "cli.h"

class QCommandLineParser;

// The tool's commands. Each takes the argument list with the program name
// first and the command's own name removed.
CliResult runEncode(const QStringList &arguments);
CliResult runDecode(const QStringList &arguments);
CliResult runTable(const QStringList &arguments);
CliResult runWave(const QStringList &arguments);
CliResult runPlan(const QStringList &arguments);

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
// Parses and answers --help and --version; returns true when the run is
// over (help, version or a parse error), with `result` set. `usage` is the
// command's synopsis after the program name, e.g. "decode [options] <hex>...".
bool parseArguments(QCommandLineParser &parser, const QStringList &arguments, const QString &usage,
                    CliResult &result);
