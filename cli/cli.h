#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

// What one run of the command-line tool prints and how it ends. The tool only
// writes once it knows the whole answer, so a failed run prints no output.
struct CliResult
{
    int exitCode = 0;
    QString out;
    QString err;
};

// Every exit status of the tool, for every command.
enum CliExitCode
{
    ExitOk = 0,
    ExitNotEncodable = 1,   // a requested standard cannot carry the values
    ExitUsage = 2,          // bad option or value, or a file that cannot be read
    ExitBadCommand = 3,     // decode: the bytes are not a command the tool reads, or a
                            // capture holds a damaged message or none
    ExitBadEntries = 4,     // table: some transponder entries were bad
    ExitPlanErrors = 5,     // plan: the checks found errors
    ExitOutputFailed = 6,   // an output file, stdout or stderr could not take the whole answer
    ExitNotSingleCable = 7, // decode: a DiSEqC frame, but no single-cable command
};

// Runs the tool on a full argument list, program name first.
CliResult runCli(const QStringList &arguments);

// For a command that answers as it goes (listen): writes `text` now and
// flushes it; false when the stream could not take it.
bool writeNow(std::FILE *stream, const QString &text);

// Writes the answer and returns the exit status: the answer's own, or
// ExitOutputFailed, with a line on stderr when it still works, if either
// stream could not take all of it.
int writeResult(const CliResult &result, bool stdoutOpen);
