// The module that draws the tool's pictures; see picturemodule.h.

#include "picturemodule.h"
#include "sheet.h"
#include "signalpicture.h"
#include "system.h"

#include <QGuiApplication>

namespace {

QCoreApplication *application(int &argc, char **argv)
{
    // The tool never shows a window.
    qputenv("QT_QPA_PLATFORM", os::drawingPlatform());
    return new QGuiApplication(argc, argv);
}

SheetBytes planSheetFile(const QString &format, const Plan &plan, const QVector<Finding> &findings,
                         const QVector<PlanRow> &rows, bool showPins)
{
    const SheetFile file =
        sheetFile(InstallationSheet(plan, findings, rows, showPins), format, plan.installation);
    return {file.bytes, file.pages, file.pagesShown};
}

const PictureCalls kCalls{application, planSheetFile, signalPictureFile};

} // namespace

extern "C" Q_DECL_EXPORT const PictureCalls *vantirPictureCalls()
{
    return &kCalls;
}
