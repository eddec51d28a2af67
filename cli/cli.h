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
    ExitNotEncodable = 1,
    ExitUsage = 2,
};

// Runs the tool on a full argument list, program name first.
CliResult runCli(const QStringList &arguments);
