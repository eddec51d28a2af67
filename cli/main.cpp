#include "cli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const CliResult result = runCli(app.arguments());
    std::fputs(result.out.toLocal8Bit().constData(), stdout);
    std::fputs(result.err.toLocal8Bit().constData(), stderr);
    return result.exitCode;
}
