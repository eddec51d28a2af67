#include "cli.h"
#include "values.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    const bool stdoutOpen = keepStandardStreamsFilled();
    QCoreApplication app(argc, argv);
#ifdef _WIN32
    const QStringList arguments = app.arguments();
#else
    // Not app.arguments(): it replaces bytes that are not UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << argumentFromBytes(argv[i]);
#endif
    return writeResult(runCli(arguments), stdoutOpen);
}
