#include "picturemodule.h"

#include <QFileInfo>
#include <QLibrary>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The folder of the running program, found without an application object,
// which does not exist yet when the module is first needed.
QString programFolder()
{
#ifdef _WIN32
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return QFileInfo(QString::fromWCharArray(path, int(length))).absolutePath();
#else
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
#endif
}

} // namespace

const PictureCalls *pictureModule(QString *error)
{
    static QString why;
    static const PictureCalls *calls = []() -> const PictureCalls * {
        // Beside the program in the build tree and on Windows; in the
        // library folder once installed.
        const QString folder = programFolder();
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
