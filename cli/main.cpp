#include "cli.h"
#include "picturemodule.h"
#include "system.h"
#include "values.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The toolkit's own notes (about fonts or runtime folders) are not part of
// the tool's answer, and stderr holds only the tool's one-line messages.
void dropToolkitNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "vantir-cli: %s\n", qPrintable(message));
        std::abort();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Before anything else opens a file that would take a closed stream's
    // place and receive the output.
    const bool stdoutOpen = os::keepStandardStreamsFilled();
    qInstallMessageHandler(dropToolkitNotes);
    // Drawing needs the toolkit's fonts, and so a GUI application, which
    // the picture module makes; without the module, the commands still do
    // everything but draw.
    std::unique_ptr<QCoreApplication> app;
    const bool mayDraw =
        argc > 1 && (qstrcmp(argv[1], "wave") == 0 || qstrcmp(argv[1], "plan") == 0);
    if (const PictureCalls *pictures = mayDraw ? pictureModule() : nullptr)
        app.reset(pictures->application(argc, argv));
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    // Not app->arguments() where they are bytes: it replaces bytes that are
    // not UTF-8.
    QStringList arguments;
    if (os::argumentsAreBytes()) {
        for (int i = 0; i < argc; ++i)
            arguments << argumentFromBytes(argv[i]);
    } else {
        arguments = app->arguments();
    }
    return writeResult(runCli(arguments), stdoutOpen);
}
