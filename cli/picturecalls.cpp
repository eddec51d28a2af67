// The module that draws the tool's pictures; see picturemodule.h.

#include "picturemodule.h"
#include "sheet.h"
#include "signalpicture.h"

#include <QGuiApplication>

namespace {

QCoreApplication *application(int &argc, char **argv)
{
    // The tool never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

QString saveSheetFile(const QString &path, const Plan &plan, const QVector<Finding> &findings,
                      const QVector<PlanRow> &rows, bool showPins)
{
    return saveSheet(path, InstallationSheet(plan, findings, rows, showPins), plan.installation);
}

const PictureCalls kCalls{application, saveSheetFile, saveSignalPicture};

} // namespace

extern "C" Q_DECL_EXPORT const PictureCalls *vantirPictureCalls()
{
    return &kCalls;
}
