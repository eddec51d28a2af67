#pragma once

#include <QString>
#include <QStringList>

// What one run of the command-line tool prints and how it ends. The tool only
// writes once it knows the whole answer, so a failed run prints no output.
struct CliResult
{
    int exitCode = 0;
    QString out;
    QString err;
};

enum CliExitCode
{
    ExitOk = 0,
    ExitNotEncodable = 1, // a requested standard cannot carry the values
    ExitUsage = 2,        // bad option or value
    ExitBadCommand = 3,   // decode: the bytes are not a command the tool reads
};

// Runs the tool on a full argument list, program name first.
CliResult runCli(const QStringList &arguments);
