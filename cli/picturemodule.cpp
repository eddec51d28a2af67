#include "picturemodule.h"

#include "system.h"

#include <QFileInfo>
#include <QLibrary>

const PictureCalls *pictureModule(QString *error)
{
    static QString why;
    static const PictureCalls *calls = []() -> const PictureCalls * {
        // Beside the program in the build tree and on Windows; in the
        // library folder once installed.
        const QString folder = os::programFolder();
        QString tried;
        for (const QString &candidate :
             {folder, folder + QStringLiteral("/" VANTIR_MODULE_FROM_PROGRAM)}) {
            QLibrary module(candidate + QStringLiteral("/" VANTIR_MODULE_NAME));
            using Entry = const PictureCalls *(*)();
            if (const auto entry = Entry(module.resolve(VANTIR_PICTURE_CALLS)))
                return entry();
            tried = module.errorString();
        }
        why = QStringLiteral("its picture module cannot be loaded: %1").arg(tried);
        return nullptr;
    }();
    if (!calls && error)
        *error = why;
    return calls;
}
